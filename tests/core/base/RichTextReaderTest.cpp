#include <gtest/gtest.h>

#include "base/RichText.h"
#include "base/Text.h"

namespace torvalet {
namespace {

struct Document {
    const char* name;
    std::string rtf;
    const char* fallback;  // the codePage setting
    std::string text;
};

TEST(RichTextReader, DecodesEightBitTextInTheCodePageTheDocumentDeclares) {
    const std::string fonts = "{\\fonttbl{\\f0\\fnil\\fcharset204 Arial;}{\\f1\\fnil\\fcharset161 Arial;}}";
    const Document cases[] = {
        {"declared code page", "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}", "", "При"},
        {"declared over the setting", "{\\rtf1\\ansi\\ansicpg1253 \\'e1}", "1251", "α"},
        {"nothing declared", "{\\rtf1\\ansi \\'cf\\'f0\\'e8}", "1251", "При"},
        {"raw bytes", "{\\rtf1\\ansi\\ansicpg1251 \xcf\xf0\xe8}", "", "При"},
        {"font charsets, group scoped", "{\\rtf1\\ansi\\ansicpg1252\\deff0" + fonts + "\\f0 \\'e8{\\f1 \\'e1}\\'e8}",
         "", "иαи"},
        {"default font's charset", "{\\rtf1\\ansi\\ansicpg1252\\deff1" + fonts + "\\'e1}", "", "α"},
        {"unknown code page", "{\\rtf1\\ansi\\ansicpg99999 \\'e8}", "1251", "и"},
        {"undefined byte kept", "{\\rtf1\\ansi\\ansicpg1251 \\'98}", "", "\uEF98"},
    };
    for (const Document& row : cases) {
        EXPECT_EQ(richTextToPlainText(row.rtf, TextCodec(row.fallback)), row.text) << row.name;
    }
}

TEST(RichTextReader, TakesTheTextItCanReadAroundBadEscapes) {
    const Document cases[] = {
        {"unicode without digits", "{\\rtf1\\ansi keep this text \\u-x end}", "", "keep this text -x end"},
        {"hex escape without hex", "{\\rtf1\\ansi keep \\'zz end}", "", "keep zz end"},
        {"half a hex escape", "{\\rtf1\\ansi keep \\'4", "", "keep "},
        {"unicode out of range", "{\\rtf1\\ansi keep \\u99999999999 end}", "", "keep end"},
        {"unicode at the end", "{\\rtf1\\ansi keep \\u", "", "keep "},
        {"binary longer than the file", "{\\rtf1\\ansi keep \\bin99999999 abc}", "", "keep "},
        {"lone surrogate", "{\\rtf1\\ansi a\\u-10179?b}", "", "ab"},
        {"unbalanced braces", "{\\rtf1\\ansi a}}}b", "", "ab"},
        {"negative unicode and two stand-ins", "{\\rtf1\\ansi\\uc2 \\u-3913\\'83\\'84x}", "", "\uF0B7x"},
        {"surrogate pair", "{\\rtf1\\ansi \\u-10179?\\u-8638?}", "", "🙂"},
    };
    for (const Document& row : cases) {
        EXPECT_EQ(richTextToPlainText(row.rtf, TextCodec(row.fallback)), row.text) << row.name;
    }
}

TEST(RichTextWriter, DayFilesGiveTheirTextBack) {
    const char* const texts[] = {"",
                                 "one line",
                                 "two\nlines\n\nwith a blank one",
                                 "ends with a line break\n",
                                 "braces {} and \\ backslashes \\par",
                                 "a\ttab",
                                 "Задачи на сегодня; Στόχοι; Цели",
                                 "outside the basic plane: 🙂 𝄞"};
    for (const char* text : texts) {
        const std::string rtf = plainTextToRichText(text);
        EXPECT_EQ(validUtf8(rtf), rtf);
        EXPECT_EQ(rtf.find_first_of("\x80\xff"), std::string::npos) << "7-bit only: " << text;
        EXPECT_EQ(richTextToPlainText(rtf, TextCodec("1251")), text);
    }
}

// Documents as word processors write them: font, colour and style tables, document information,
// generator groups, paragraph formatting, and characters as \' escapes in the font's code page.
TEST(RichTextReader, TakesTheTextOutOfDocumentsOfOtherPrograms) {
    const struct {
        const char* name;
        std::string rtf;
        const char* text;
    } cases[] = {
        {"rich edit control",
         "{\\rtf1\\ansi\\ansicpg1251\\deff0\\nouicompat\\deflang1049{\\fonttbl{\\f0\\fnil\\fcharset204 Tahoma;}}\r\n"
         "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
         "\\pard\\f0\\fs20\\lang1049 \\'cf\\'eb\\'e0\\'ed \\'ed\\'e0 \\'e4\\'e5\\'ed\\'fc\\par\r\n"
         "\\b Call\\b0  the bank\\par\r\n}\r\n",
         "План на день\nCall the bank"},
        {"office suite",
         "{\\rtf1\\ansi\\deff4\\adeflang1025{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
         "{\\f4\\fswiss\\fprq2\\fcharset161 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
         "{\\stylesheet{\\s0\\snext0 Normal;}{\\s1\\sbasedon0 Heading 1;}}"
         "{\\*\\generator LibreOffice/7.4}{\\info{\\title Day}{\\author Me}{\\creatim\\yr2026\\mo12}}"
         "{\\*\\pgdsctbl{\\pgdsc0\\pgdscuse451 Default;}}\\sectd\\pgwsxn11906"
         "{\\*\\ftnsep\\chftnsep}\\pard\\plain\\s0\\f4\\fs24 \\'d3\\'f4\\'fc\\'f7\\'ef\\'e9\\par "
         "\\pard\\plain {\\rtlch \\ltrch\\loch Second\\~line}\\line tail\\par}",
         "Στόχοι\nSecond\u00a0line\ntail"},
        {"cut off in a group", "{\\rtf1\\ansi kept text{\\i still kept", "kept textstill kept"},
        {"no rich text at all", "plain words\nin a file", "plain words\nin a file"},
    };
    for (const auto& c : cases) EXPECT_EQ(richTextToPlainText(c.rtf, TextCodec()), c.text) << c.name;
}

}  // namespace
}  // namespace torvalet
