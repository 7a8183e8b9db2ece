#include <gtest/gtest.h>

#include "base/Text.h"
#include "shell/RichText.h"

namespace torvalet {
namespace {

struct Document {
    const char* name;
    std::string rtf;
    const char* fallback;  // the CodePage setting
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

}  // namespace
}  // namespace torvalet
