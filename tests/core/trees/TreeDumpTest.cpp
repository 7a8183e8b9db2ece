#include <gtest/gtest.h>

#include "TreeBytes.h"
#include "trees/RecordIo.h"
#include "trees/TreeDump.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {
namespace {

using testing::kOneGoalFile;

TEST(TreeDump, ListsAndNestsEveryNodeWithItsRecord) {
    ItemTree tree(TreeId::PhrasesTree);
    TreeNode* group = tree.appendChild();
    group->record<PhraseRecord>().name = "Say \"hi\"";
    group->record<PhraseRecord>().kind = 1;
    TreeNode* phrase = tree.appendChild(group);
    phrase->record<PhraseRecord>().text = "line 1\nline 2\x01\xff";
    tree.appendChild();
    const std::string bytes = TreeStreamWriter().writeTree(tree);

    const TreeDump text = dumpTreeText(bytes, RecordFamily::Phrases, TextCodec());
    EXPECT_FALSE(text.error);
    EXPECT_EQ(
        text.output,
        "depth=0 flags=0x00C1 height=20 alignment=50 Name=\"Say \\\"hi\\\"\" Phrase=\"\" HotKey=\"\" PhraseKind=1 "
        "Note=\"\"\n"
        "depth=1 flags=0x0081 height=20 alignment=50 Name=\"\" Phrase=\"line 1\\nline 2\\x01\xef\xbf\xbd\" HotKey=\"\" "
        "PhraseKind=0 Note=\"\"\n"
        "depth=0 flags=0x0081 height=20 alignment=50 Name=\"\" Phrase=\"\" HotKey=\"\" PhraseKind=0 Note=\"\"\n");

    const TreeDump json = dumpTreeJson(bytes, RecordFamily::Phrases, TextCodec());
    const std::string empty = R"({"Name": "", "Phrase": "", "HotKey": "", "PhraseKind": 0, "Note": ""})";
    EXPECT_EQ(json.output,
              R"({"version": 2, "nodes": [{"flags": 193, "height": 20, "alignment": 50, "record": )"
              R"({"Name": "Say \"hi\"", "Phrase": "", "HotKey": "", "PhraseKind": 1, "Note": ""}, "children": [)"
              R"({"flags": 129, "height": 20, "alignment": 50, "record": )"
              R"({"Name": "", "Phrase": "line 1\nline 2\u0001)"
              "\xef\xbf\xbd"
              R"(", "HotKey": "", "PhraseKind": 0, "Note": ""}, )"
              R"("children": []}]}, {"flags": 129, "height": 20, "alignment": 50, "record": )" +
                  empty + R"(, "children": []}]})" + "\n");
}

// The names of the dump are the companion's output format: each family's, in its order.
TEST(TreeDump, EveryFamilyKeepsItsFieldNamesAndOrder) {
    const struct {
        RecordFamily family;
        const char* record;
    } cases[] = {
        {RecordFamily::Goals, R"({"Text": "", "Description": "", "Note": "", "Prio": 0, "State": 0, "GoalType": 0})"},
        {RecordFamily::Links,
         R"({"Name": "", "Url": "", "HotKey": "", "Params": "", "LinkKind": 0, "Dir": "", "AccessDate": "", )"
         R"("Note": ""})"},
        {RecordFamily::Phrases, R"({"Name": "", "Phrase": "", "HotKey": "", "PhraseKind": 0, "Note": ""})"},
        {RecordFamily::Events,
         R"({"Event": "", "EventDate": "", "EventTime": "", "EventKind": 0, "Reserved1": 0, "Reserved2": 0, )"
         R"("WeekDays": 0, "Note": ""})"},
        {RecordFamily::Contacts,
         R"({"Official": "", "FirstName": "", "MiddleName": "", "LastName": "", "NickName": "", "HotKey": "", )"
         R"("ContactKind": 0, "Address": "", "Phone1": "", "Phone2": "", "Email": "", "WebPage": "", )"
         R"("Birthday": "", "NameDay": "", "SpecialDay": "", "Note": ""})"},
    };
    for (const auto& c : cases) {
        ItemTree tree("dumped", c.family);
        tree.appendChild();
        const std::string bytes = TreeStreamWriter().writeTree(tree);
        EXPECT_EQ(dumpTreeJson(bytes, c.family, TextCodec()).output,
                  R"({"version": 2, "nodes": [{"flags": 129, "height": 20, "alignment": 50, "record": )" +
                      std::string(c.record) + R"(, "children": []}]})" + "\n")
            << recordFamilyName(c.family);
    }
}

TEST(TreeDump, DamagedStreamGivesWhatWasReadAndTheError) {
    std::string damaged = kOneGoalFile + kOneGoalFile.substr(16, 41);  // the second node's record is missing
    damaged[12] = 2;
    const TreeDump text = dumpTreeText(damaged, RecordFamily::Goals, TextCodec());
    EXPECT_EQ(
        text.output,
        "depth=0 flags=0x0081 height=20 alignment=50 Text=\"A\" Description=\"\" Note=\"\" Prio=0 State=0 GoalType=3\n"
        "depth=0 flags=0x0081 height=20 alignment=50 Text=\"\" Description=\"\" Note=\"\" Prio=0 State=0 GoalType=0\n");
    EXPECT_EQ(text.errorLine(), "2006: Stream data corrupt. Unexpected data after node's end position.");

    const TreeDump json = dumpTreeJson("garbage", RecordFamily::Goals, TextCodec());
    EXPECT_EQ(json.output, "{\"version\": null, \"nodes\": []}\n");
    EXPECT_EQ(json.errorLine(), "2004: Unable to load tree structure, not enough data available.");
}

}  // namespace
}  // namespace torvalet
