#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "base/Errors.h"
#include "base/FileIo.h"
#include "base/Text.h"
#include "base/VCard.h"

namespace torvalet {
namespace {

// The lines of a vCard text unfolded without the codec's help, so a fault of its unfolding cannot
// hide one of its folding: any line end, a line that starts with a space or a tab joins the one
// before less that character, a quoted-printable line that ends in '=' joins the next one whole,
// blank lines are dropped.
std::vector<std::string> logicalLines(std::string_view bytes) {
    std::vector<std::string> physical(1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            physical.emplace_back();
        } else {
            physical.back() += bytes[i];
        }
    }
    std::vector<std::string> lines;
    for (const std::string& line : physical) {
        const bool softBreak =
            !lines.empty() && lines.back().ends_with('=') &&
            lines.back().substr(0, lines.back().find(':')).find("QUOTED-PRINTABLE") != std::string::npos;
        if (softBreak) {
            lines.back().pop_back();
            lines.back() += line;
        } else if (!lines.empty() && !line.empty() && (line[0] == ' ' || line[0] == '\t')) {
            lines.back() += line.substr(1);
        } else if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<std::string> physicalLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        EXPECT_NE(end, std::string_view::npos) << "a line without CRLF";
        if (end == std::string_view::npos) break;
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool isWholeUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        bool valid = false;
        nextCodePoint(text, pos, &valid);
        if (!valid) return false;
    }
    return true;
}

// One line per property: group, name, the parameters with their values, the raw value.
std::string describe(const std::vector<VCard>& cards) {
    std::string out;
    for (const VCard& card : cards) {
        out += "[";
        for (const VCardProperty& property : card.properties()) {
            out += property.group().empty() ? "" : property.group() + ".";
            out += property.name();
            for (const VCardParameter& parameter : property.parameters()) {
                out += ";" + parameter.name + "=";
                for (std::size_t i = 0; i < parameter.values.size(); ++i) out += (i ? "," : "") + parameter.values[i];
            }
            out += ":" + property.rawValue() + "|";
        }
        out += "]";
    }
    return out;
}

std::string describe(const std::vector<VCardIssue>& issues) {
    std::string out;
    for (const VCardIssue& issue : issues) {
        const char* kind = issue.kind == VCardIssue::Kind::BadLine       ? "bad"
                           : issue.kind == VCardIssue::Kind::OutsideCard ? "outside"
                           : issue.kind == VCardIssue::Kind::MissingEnd  ? "no end"
                                                                         : "charset";
        out += std::string(kind) + " " + std::to_string(issue.card) + ":" + std::to_string(issue.line) + " " +
               issue.text + "|";
    }
    return out;
}

VCardProperty parsed(std::string_view line) {
    std::optional<VCardProperty> property = VCardProperty::parse(line);
    EXPECT_TRUE(property) << line;
    return property ? *property : VCardProperty();
}

TEST(VCard, SplitsContentLinesIntoTheirParts) {
    const struct {
        const char* line;
        const char* expected;
    } cases[] = {
        {"FN:John Doe", "[FN:John Doe|]"},
        {"fn:lower case", "[fn:lower case|]"},
        {"item1.X-ABLabel:_$!<Other>!$_", "[item1.X-ABLabel:_$!<Other>!$_|]"},
        {"TEL;HOME;VOICE:+1 555", "[TEL;TYPE=HOME;TYPE=VOICE:+1 555|]"},
        {"N;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:=D0=98", "[N;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:=D0=98|]"},
        {"NOTE;QUOTED-PRINTABLE:a=3Db", "[NOTE;ENCODING=QUOTED-PRINTABLE:a=3Db|]"},
        {"PHOTO;BASE64;JPEG:AAEC", "[PHOTO;ENCODING=BASE64;TYPE=JPEG:AAEC|]"},
        {"PHOTO;URL:http://x/y.jpg", "[PHOTO;VALUE=URL:http://x/y.jpg|]"},
        {"TEL;TYPE=\"voice,cell\";PREF=1:tel:+30", "[TEL;TYPE=voice,cell;PREF=1:tel:+30|]"},
        {"ADR;LABEL=\"a:b;c\":;;street", "[ADR;LABEL=a:b;c:;;street|]"},
        {"EMAIL;type=INTERNET;type=pref:a@b", "[EMAIL;type=INTERNET;type=pref:a@b|]"},
        {"TEL;;HOME:1", "[TEL;TYPE=HOME:1|]"},
        {"X-EMPTY:", "[X-EMPTY:|]"},
        {"URL:http://example.com:8080/a", "[URL:http://example.com:8080/a|]"},
    };
    for (const auto& c : cases) {
        VCard card;
        card.add(parsed(c.line));
        EXPECT_EQ(describe(std::vector{card}), c.expected) << c.line;
    }
}

TEST(VCard, RefusesLinesThatAreNoContentLines) {
    for (const char* line : {"no colon here", ":value without name", "BAD NAME:x", "a.b.c:x", "TEL;TY PE=x:1", ".FN:x",
                             "TEL;=x:1", "=D0=98=D0=B2"})
        EXPECT_FALSE(VCardProperty::parse(line)) << line;
}

TEST(VCard, DecodesTextValues) {
    const struct {
        const char* line;
        const char* text;
    } cases[] = {
        {"NOTE:a\\\\b\\,c\\;d\\ne\\Nf", "a\\b,c;d\ne\nf"},
        {"NOTE:C:\\Temp\\x", "C:\\Temp\\x"},
        {"NOTE:ends with \\", "ends with \\"},
        {"NOTE:a\\:b", "a\\:b"},
        {"N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=98=D0=B2=D0=B0=D0=BD", "Иван"},
        {"N;CHARSET=Windows-1251;ENCODING=QUOTED-PRINTABLE:=C0=ED=ED=E0", "Анна"},
        {"LABEL;QUOTED-PRINTABLE:line 1=0D=0Aline 2", "line 1\r\nline 2"},
        {"NOTE;QUOTED-PRINTABLE:=ZZ and =4", "=ZZ and =4"},
        {"FN;CHARSET=ISO-8859-7:\xc5\xeb\xdd\xed\xe7", "Ελένη"},
        {"FN;CHARSET=KOI8-R:\xe9\xd7\xc1\xce", "Иван"},
        {"FN;CHARSET=NO-SUCH-CHARSET:\xc0\xed", "\xc0\xed"},
        {"PHOTO;ENCODING=b:AAEC\\,", "AAEC\\,"},
    };
    for (const auto& c : cases) EXPECT_EQ(parsed(c.line).text(), c.text) << c.line;
    EXPECT_FALSE(parsed("FN;CHARSET=NO-SUCH-CHARSET:x").isCharsetKnown());
    EXPECT_TRUE(parsed("FN;CHARSET=windows-1251:x").isCharsetKnown());
    EXPECT_TRUE(parsed("PHOTO;ENCODING=b:AAEC").isBinary());
    EXPECT_TRUE(parsed("PHOTO;BASE64:AAEC").isBinary());
    EXPECT_FALSE(parsed("NOTE:AAEC").isBinary());
}

TEST(VCard, SplitsStructuredValuesOnUnescapedSeparators) {
    using Components = std::vector<std::vector<std::string>>;
    const struct {
        const char* line;
        Components components;
    } cases[] = {
        {"N:Public;John;Quinlan;Mr.;Esq.", {{"Public"}, {"John"}, {"Quinlan"}, {"Mr."}, {"Esq."}}},
        {"N:Stevenson;John;Philip,Paul;Dr.;Jr.,M.D.,A.C.P.",
         {{"Stevenson"}, {"John"}, {"Philip", "Paul"}, {"Dr."}, {"Jr.", "M.D.", "A.C.P."}}},
        {"ADR:;;Nevsky pr.\\, 28;St\\; Petersburg;;191186;",
         {{""}, {""}, {"Nevsky pr., 28"}, {"St; Petersburg"}, {""}, {"191186"}, {""}}},
        {"ORG:ACME\\\\Labs;R\\nD", {{"ACME\\Labs"}, {"R\nD"}}},
        {"N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=98;=D0=9F=D1=91=D1=82=D1=80", {{"И"}, {"Пётр"}}},
        {"CATEGORIES:a,b\\,c", {{"a", "b,c"}}},
    };
    for (const auto& c : cases) EXPECT_EQ(parsed(c.line).components(), c.components) << c.line;
    EXPECT_EQ(parsed("ADR:;;a, b;c").fields(), (std::vector<std::string>{"", "", "a, b", "c"}));
}

TEST(VCard, EscapesTextBothWays) {
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"plain", "plain"},
        {"a,b;c\\d", "a\\,b\\;c\\\\d"},
        {"line 1\nline 2", "line 1\\nline 2"},
        {"crlf\r\nend", "crlf\\nend"},
        {"cr\rend", "cr\\nend"},
        {"Ελένη; Мария, \\", "Ελένη\\; Мария\\, \\\\"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(escapeVCardText(c.text), c.escaped) << c.text;
        VCardProperty property("NOTE", c.text);
        EXPECT_EQ(property.contentLine(), std::string("NOTE:") + c.escaped);
    }
    VCardProperty name("N", "");
    name.setComponents({{"O;Neil"}, {"Shaq,Jr"}, {"a", "b"}});
    EXPECT_EQ(name.contentLine(), "N:O\\;Neil;Shaq\\,Jr;a,b");
    EXPECT_EQ(name.components(), (std::vector<std::vector<std::string>>{{"O;Neil"}, {"Shaq,Jr"}, {"a", "b"}}));
}

TEST(VCard, FoldsAtSeventyFiveOctetsOnCharacterBoundaries) {
    const std::string emoji = "\xF0\x9F\x98\x80";  // four octets
    std::vector<std::string> lines = {
        "NOTE:" + std::string(70, 'a'),
        "NOTE:" + std::string(71, 'a'),
        "NOTE:" + std::string(300, 'x'),
        "FN:" + std::string(40, ' ') + "Αλέξανδρος Παπαδόπουλος-Κωνσταντινόπουλος",
        "NOTE:Съешь же ещё этих мягких французских булок, да выпей чаю. Съешь же ещё этих булок.",
    };
    // The 75-octet edge falls on each octet of a four-octet character, in the first line and later.
    for (std::size_t pad = 66; pad < 74; ++pad) lines.push_back("NOTE:" + std::string(pad, 'a') + emoji + "z");
    for (std::size_t pad = 140; pad < 148; ++pad) lines.push_back("NOTE:" + std::string(pad, 'a') + emoji + "z");
    for (const std::string& line : lines) {
        std::string out;
        appendFoldedLine(out, line);
        for (const std::string& physical : physicalLines(out)) {
            EXPECT_LE(physical.size(), 75u) << line;
            EXPECT_TRUE(isWholeUtf8(physical)) << line;
        }
        EXPECT_EQ(logicalLines(out), std::vector{line});
    }
}

TEST(VCard, FoldsQuotedPrintableWithSoftBreaksOutsideTriplets) {
    std::string value;
    for (int i = 0; i < 60; ++i) value += "=D0=98a";
    for (std::size_t shift = 0; shift < 3; ++shift) {
        const std::string line = "NOTE;ENCODING=QUOTED-PRINTABLE:" + std::string(shift, 'x') + value;
        std::string out;
        appendFoldedLine(out, line, line.find(':') + 1);
        const std::vector<std::string> physical = physicalLines(out);
        ASSERT_GT(physical.size(), 1u);
        for (std::size_t i = 0; i < physical.size(); ++i) {
            EXPECT_LE(physical[i].size(), 75u);
            if (i + 1 < physical.size()) {
                EXPECT_TRUE(physical[i].ends_with('='));
            }
            // Every line after a soft break starts a triplet or a plain character, never inside one.
            if (i > 0) {
                EXPECT_TRUE(physical[i][0] == '=' || physical[i][0] == 'a') << physical[i];
            }
        }
        EXPECT_EQ(logicalLines(out), std::vector{line});
        const std::vector<VCard> cards = readVCards("BEGIN:VCARD\r\n" + out + "END:VCARD\r\n");
        ASSERT_EQ(cards.size(), 1u);
        EXPECT_EQ(cards[0].properties()[0].rawValue(), line.substr(line.find(':') + 1));
    }
}

TEST(VCard, ReadsWhatProgramsWriteAndReportsWhatItSkips) {
    const struct {
        const char* name;
        std::string input;
        const char* cards;
        const char* issues;
    } cases[] = {
        {"CRLF", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nEND:VCARD\r\n", "[VERSION:3.0|FN:A|]", ""},
        {"LF", "BEGIN:VCARD\nFN:A\nEND:VCARD\n", "[FN:A|]", ""},
        {"CR", "BEGIN:VCARD\rFN:A\rEND:VCARD\r", "[FN:A|]", ""},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "BEGIN:VCARD\nFN:A\nEND:VCARD",
         "[FN:A|]", ""},
        {"lower case", "begin:vcard\nversion:3.0\nfn:A\nend:vcard\n", "[version:3.0|fn:A|]", ""},
        {"folded with space and tab", "BEGIN:VCARD\nNOTE:ab\n  cd\n\tef\nEND:VCARD\n", "[NOTE:ab cdef|]", ""},
        {"folded UTF-8", "BEGIN:VCARD\nFN:\xD0\x98\n \xD0\xB2\xD0\xB0\xD0\xBD\nEND:VCARD\n", "[FN:Иван|]", ""},
        {"soft break without indent", "BEGIN:VCARD\nNOTE;ENCODING=QUOTED-PRINTABLE:=D0=98=\n=D0=B2\nFN:x\nEND:VCARD\n",
         "[NOTE;ENCODING=QUOTED-PRINTABLE:=D0=98=D0=B2|FN:x|]", ""},
        {"trailing '=' of a plain value joins nothing", "BEGIN:VCARD\nNOTE:a=\nFN:x\nEND:VCARD\n", "[NOTE:a=|FN:x|]",
         ""},
        {"blank lines", "\n\nBEGIN:VCARD\n\nFN:A\n\n\nEND:VCARD\n\n", "[FN:A|]", ""},
        {"2.1 base64 block", "BEGIN:VCARD\nPHOTO;BASE64:AAEC\nAwQF\n  BgcI\n\nFN:A\nEND:VCARD\n",
         "[PHOTO;ENCODING=BASE64:AAECAwQF BgcI|FN:A|]", ""},
        {"BDAY of 3.0 with and without year",
         "BEGIN:VCARD\nVERSION:3.0\nBDAY:--0525\nEND:VCARD\nBEGIN:VCARD\nVERSION:3.0\nBDAY:1980-05-25\nEND:VCARD\n",
         "[VERSION:3.0|BDAY:--0525|][VERSION:3.0|BDAY:1980-05-25|]", ""},
        {"damaged line in the middle",
         "BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\nthis is no line\nTEL:1\nEND:VCARD\n", "[FN:A|][FN:B|TEL:1|]",
         "bad 2:6 this is no line|"},
        {"other components inside a card", "BEGIN:VCARD\nFN:A\nBEGIN:VEVENT\nEND:VEVENT\nEND:VCARD\n", "[FN:A|]",
         "bad 1:3 BEGIN:VEVENT|bad 1:4 END:VEVENT|"},
        {"missing END at the end", "BEGIN:VCARD\nFN:A\nTEL:1\n", "[FN:A|TEL:1|]", "no end 1:3 |"},
        {"missing END before the next card", "BEGIN:VCARD\nFN:A\nBEGIN:VCARD\nFN:B\nEND:VCARD\n", "[FN:A|][FN:B|]",
         "no end 1:3 BEGIN:VCARD|"},
        {"lines outside cards", "junk\nBEGIN:VCARD\nFN:A\nEND:VCARD\nFN:stray\n", "[FN:A|]",
         "outside 0:1 junk|outside 0:5 FN:stray|"},
        {"unknown charset", "BEGIN:VCARD\nFN;CHARSET=X-NOWHERE:\xC0\nEND:VCARD\n", "[FN;CHARSET=X-NOWHERE:\xC0|]",
         "charset 1:2 FN;CHARSET=X-NOWHERE:\xC0|"},
        {"caret escapes of 4.0 only",
         "BEGIN:VCARD\nVERSION:4.0\nADR;LABEL=\"a^nb ^'c^' ^^\":;;x\nEND:VCARD\n"
         "BEGIN:VCARD\nVERSION:3.0\nADR;LABEL=\"a^nb\":;;x\nEND:VCARD\n",
         "[VERSION:4.0|ADR;LABEL=a\nb \"c\" ^:;;x|][VERSION:3.0|ADR;LABEL=a^nb:;;x|]", ""},
        {"nested AGENT", "BEGIN:VCARD\nAGENT:\nBEGIN:VCARD\nFN:B\nEND:VCARD\nFN:A\nEND:VCARD\n", "[AGENT:|FN:A|]", ""},
        {"nested AGENT cut short", "BEGIN:VCARD\nAGENT:\nBEGIN:VCARD\nFN:B\n", "[AGENT:|]", "no end 1:4 |no end 1:4 |"},
        {"empty input", "", "", ""},
    };
    for (const auto& c : cases) {
        std::vector<VCardIssue> issues;
        const std::vector<VCard> cards = readVCards(c.input, &issues);
        EXPECT_EQ(describe(cards), c.cards) << c.name;
        EXPECT_EQ(describe(issues), c.issues) << c.name;
    }
}

TEST(VCard, KeepsNestedCardsAsRead) {
    const std::vector<VCard> cards = readVCards(
        "BEGIN:VCARD\nVERSION:2.1\nAGENT:\nBEGIN:VCARD\nVERSION:2.1\nN:Ann\n"
        "AGENT:\nBEGIN:VCARD\nN:Deep\nEND:VCARD\nEND:VCARD\nTEL:1\nEND:VCARD\n");
    ASSERT_EQ(cards.size(), 1u);
    const VCardProperty& agent = cards[0].properties()[1];
    EXPECT_TRUE(agent.isUnchanged());
    EXPECT_EQ(agent.nestedLines(), (std::vector<std::string>{"BEGIN:VCARD", "VERSION:2.1", "N:Ann", "AGENT:",
                                                             "BEGIN:VCARD", "N:Deep", "END:VCARD", "END:VCARD"}));
    EXPECT_EQ(toVCardText(cards[0]),
              "BEGIN:VCARD\r\nVERSION:2.1\r\nAGENT:\r\nBEGIN:VCARD\r\nVERSION:2.1\r\nN:Ann\r\nAGENT:\r\n"
              "BEGIN:VCARD\r\nN:Deep\r\nEND:VCARD\r\nEND:VCARD\r\nTEL:1\r\nEND:VCARD\r\n");
}

TEST(VCard, WritesChangedPropertiesStrictlyAndUnchangedOnesAsRead) {
    std::vector<VCard> cards = readVCards(
        "BEGIN:VCARD\nFN:A\ntel;type=home:+1\nVERSION:4.0\n"
        "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=Windows-1251:=C0\nEND:VCARD\n");
    ASSERT_EQ(cards.size(), 1u);
    VCard& card = cards[0];
    EXPECT_FALSE(card.sourceText().empty());
    auto& properties = card.editProperties();
    EXPECT_TRUE(card.sourceText().empty());
    properties[0].setText("Smith, Anna");
    properties[3].setText(properties[3].text() + "\nб");
    VCardProperty tel("TEL", "");
    tel.setRawValue("tel:+30-210");
    tel.setParameter("TYPE", {"voice", "cell"});
    tel.setParameter("LABEL", {"Line \"one\"\nx^y"});
    tel.setGroup("item1");
    card.add(tel);
    EXPECT_EQ(toVCardText(card),
              "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Smith\\, Anna\r\ntel;type=home:+1\r\nNOTE:А\\nб\r\n"
              "item1.TEL;TYPE=voice,cell;LABEL=Line ^'one^'^nx^^y:tel:+30-210\r\nEND:VCARD\r\n");
    EXPECT_EQ(toVCardText(VCard(), "4.0"), "BEGIN:VCARD\r\nVERSION:4.0\r\nEND:VCARD\r\n");
}

TEST(VCard, EndsABase64ValueWithABlankLineIn21Only) {
    const struct {
        const char* input;
        const char* output;
    } cases[] = {
        {"BEGIN:VCARD\nVERSION:2.1\nPHOTO;BASE64:AAEC\nEND:VCARD\n",
         "BEGIN:VCARD\r\nVERSION:2.1\r\nPHOTO;BASE64:AAEC\r\n\r\nEND:VCARD\r\n"},
        {"BEGIN:VCARD\nVERSION:3.0\nPHOTO;ENCODING=b:AAEC\nEND:VCARD\n",
         "BEGIN:VCARD\r\nVERSION:3.0\r\nPHOTO;ENCODING=b:AAEC\r\nEND:VCARD\r\n"},
        {"BEGIN:VCARD\nVERSION:3.0\nPHOTO;ENCODING=BASE64:AAEC\nEND:VCARD\n",
         "BEGIN:VCARD\r\nVERSION:3.0\r\nPHOTO;ENCODING=BASE64:AAEC\r\nEND:VCARD\r\n"},
    };
    for (const auto& c : cases) {
        const std::vector<VCard> cards = readVCards(c.input);
        ASSERT_EQ(cards.size(), 1u);
        EXPECT_EQ(toVCardText(cards[0]), c.output);
    }
}

TEST(VCard, RefusesToWriteWhatNoContentLineCanHold) {
    const auto withProperty = [](std::function<void(VCardProperty&)> change) {
        VCard card;
        VCardProperty property("NOTE", "x");
        change(property);
        card.add(property);
        return card;
    };
    EXPECT_THROW(toVCardText(withProperty([](auto& p) { p.setName("BAD NAME"); })), Error);
    EXPECT_THROW(toVCardText(withProperty([](auto& p) { p.setName(""); })), Error);
    EXPECT_THROW(toVCardText(withProperty([](auto& p) { p.setGroup("item.1"); })), Error);
    EXPECT_THROW(toVCardText(withProperty([](auto& p) { p.setRawValue("a\r\nEND:VCARD"); })), Error);
    EXPECT_THROW(toVCardText(withProperty([](auto& p) { p.setParameter("TY PE", {"x"}); })), Error);
    EXPECT_THROW(toVCardText(withProperty([](auto& p) { p.setName("END"); })), Error);
    VCard older;
    older.add(VCardProperty("VERSION", "3.0"));
    VCardProperty label("ADR", "");
    label.setParameter("LABEL", {"two\nlines"});
    older.add(label);
    EXPECT_THROW(toVCardText(older), Error);
    older.editProperties()[1].setParameter("LABEL", {"a \"quote\""});
    EXPECT_THROW(toVCardText(older), Error);
    older.editProperties()[1].setParameter("LABEL", {"x^y"});
    EXPECT_EQ(toVCardText(older), "BEGIN:VCARD\r\nVERSION:3.0\r\nADR;LABEL=x^y:\r\nEND:VCARD\r\n");
    EXPECT_THROW(toVCardText(withProperty([](auto& p) { p.setNestedLines({"BEGIN:VCARD", "FN:x"}); })), Error);
    EXPECT_THROW(toVCardText(withProperty([](auto& p) {
                     p.setNestedLines({"BEGIN:VCARD", "END:VCARD", "FN:x"});
                 })),
                 Error);
    EXPECT_THROW(toVCardText(withProperty([](auto& p) { p.setNestedLines({"FN:x"}); })), Error);
}

TEST(VCard, ReportsAStreamThatCannotBeWritten) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    VCardWriter writer(out);
    EXPECT_THROW(writer.write(VCard()), FileError);
}

TEST(VCard, ReEmitsAnUnchangedCardByteForByte) {
    const std::string text = "BEGIN:VCARD\nVERSION:3.0\nFN:A\n  folded\n\nEND:VCARD\r\nBEGIN:VCARD\nFN:B\nEND:VCARD\n";
    std::istringstream in(text);
    VCardReader reader(in);
    std::ostringstream out;
    VCardWriter writer(out);
    std::optional<VCard> first = reader.next();
    std::optional<VCard> second = reader.next();
    ASSERT_TRUE(first && second);
    writer.writeAsRead(*first);
    second->editProperties()[0].setText("C");
    writer.writeAsRead(*second);
    EXPECT_EQ(out.str(),
              "BEGIN:VCARD\nVERSION:3.0\nFN:A\n  folded\n\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:C\r\nEND:VCARD\r\n");
}

class VCardCorpus : public testing::TestWithParam<const char*> {};

// Files in the styles of phones, Outlook, Apple, Google, Nextcloud and Evolution: nothing is
// rejected and every line comes back as it was after a read and a write.
TEST_P(VCardCorpus, ComesBackLineForLine) {
    const std::filesystem::path path = std::filesystem::path(TORVALET_TEST_DATA) / "vcard" / GetParam();
    VCardReader reader(path);
    std::ostringstream out;
    VCardWriter writer(out);
    std::size_t count = 0;
    while (std::optional<VCard> card = reader.next()) {
        writer.write(*card);
        ++count;
    }
    EXPECT_GT(count, 0u);
    EXPECT_EQ(describe(reader.issues()), "");
    const std::string written = out.str();
    EXPECT_EQ(logicalLines(written), logicalLines(readFileBytes(path)));
    for (const std::string& physical : physicalLines(written)) EXPECT_LE(physical.size(), 75u) << physical;
}

INSTANTIATE_TEST_SUITE_P(Files, VCardCorpus,
                         testing::Values("phone-21.vcf", "outlook-21.vcf", "apple-30.vcf", "google-30.vcf",
                                         "nextcloud-40.vcf", "evolution-30.vcf", "agent-21.vcf"),
                         [](const auto& param) {
                             std::string name = param.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(VCard, DecodesTheCorpusValues) {
    const auto read = [](const char* file) {
        VCardReader reader(std::filesystem::path(TORVALET_TEST_DATA) / "vcard" / file);
        std::vector<VCard> cards;
        while (std::optional<VCard> card = reader.next()) cards.push_back(std::move(*card));
        return cards;
    };
    const std::vector<VCard> outlook = read("outlook-21.vcf");
    ASSERT_EQ(outlook.size(), 1u);
    EXPECT_EQ(outlook[0].find("FN")->text(), "Анна Смирнова");
    EXPECT_EQ(outlook[0].find("LABEL")->text(), "ул. Тверская, 7\r\nМосква 125009\r\nРоссия");
    EXPECT_EQ(outlook[0].find("ADR")->fields()[2], "ул. Тверская, 7");
    EXPECT_TRUE(outlook[0].find("TEL")->hasType("work"));
    const std::vector<VCard> phone = read("phone-21.vcf");
    ASSERT_EQ(phone.size(), 2u);
    EXPECT_EQ(phone[0].find("N")->fields(), (std::vector<std::string>{"Иванов", "Пётр", "", "", ""}));
    EXPECT_EQ(phone[0].findAll("TEL")[0]->values("TYPE"), (std::vector<std::string>{"CELL", "PREF"}));
    const std::vector<VCard> apple = read("apple-30.vcf");
    ASSERT_EQ(apple.size(), 1u);
    EXPECT_EQ(apple[0].find("NOTE")->text(), "Likes apples, pears and plums.\nCall after 6.");
    EXPECT_EQ(apple[0].findAll("X-ABLabel")[0]->group(), "item1");
    EXPECT_EQ(apple[0].find("PHOTO")->rawValue().size(), 200u);
    const std::vector<VCard> google = read("google-30.vcf");
    ASSERT_EQ(google.size(), 2u);
    EXPECT_EQ(google[0].find("BDAY")->text(), "--0525");
    EXPECT_EQ(google[0].find("NOTE")->text(),
              "Познакомились на конференции в Казани; любит театр, джаз и долгие прогулки по набережной.");
    const std::vector<VCard> nextcloud = read("nextcloud-40.vcf");
    ASSERT_EQ(nextcloud.size(), 1u);
    EXPECT_EQ(nextcloud[0].find("ADR")->values("LABEL"), (std::vector<std::string>{"Οδός Αθηνάς 12\nΑθήνα 10551"}));
    EXPECT_EQ(nextcloud[0].version(), "4.0");
    EXPECT_TRUE(nextcloud[0].find("TEL")->hasType("CELL"));
}

TEST(VCard, SaysWhenAFileCannotBeRead) {
    EXPECT_THROW(VCardReader(std::filesystem::path(TORVALET_TEST_DATA) / "vcard" / "no-such.vcf"), FileError);
}

}  // namespace
}  // namespace torvalet
