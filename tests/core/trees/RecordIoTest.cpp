#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

#include "TreeBytes.h"
#include "trees/LittleEndian.h"
#include "trees/RecordFields.h"
#include "trees/RecordIo.h"

namespace torvalet {
namespace {

using testing::hexBytes;

template <class Record>
std::string written(const Record& record, const TextCodec& codec = TextCodec()) {
    std::string out;
    writeRecord(record, out, codec);
    return out;
}

template <class Record>
Record readBack(std::string_view bytes, const TextCodec& codec = TextCodec()) {
    Record record;
    EXPECT_TRUE(readRecord(bytes, record, codec));
    return record;
}

// Every field different: texts "<prefix> 1", "<prefix> 2", ..., numbers 101, 102, ...
template <class Record>
Record filled(const std::string& prefix) {
    Record record;
    int n = 0;
    visitFields(record, [&](const char*, auto& value) {
        ++n;
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, RecordText>) {
            value = prefix + " " + std::to_string(n);
        } else {
            value = static_cast<std::decay_t<decltype(value)>>(100 + n);
        }
    });
    return record;
}

TEST(RecordIo, WritesAndReadsTheDocumentedBytes) {
    GoalRecord goal;
    goal.text = "A";
    goal.kind = 3;
    goal.state = 6;
    goal.priority = 2;
    LinkRecord link;
    link.name = "N";
    link.url = "U";
    link.dir = "D";
    link.kind = 1;
    PhraseRecord phrase;
    phrase.name = "N";
    phrase.text = "P";
    phrase.kind = 2;
    ContactRecord contact;
    contact.kind = 5;
    contact.webPage = "W";
    contact.hotKey = "H";
    EventRecord event;
    event.text = "E";
    event.kind = 2;
    event.reserved1 = 7;
    event.reserved2 = -1;
    event.weekDays = 0x85;
    event.note = "N";

    EXPECT_EQ(written(goal),
              hexBytes("01 00 00 00 41, 00 00 00 00, 00 00 00 00, 03 00 00 00, 06 00 00 00, 02 00 00 00"));
    EXPECT_EQ(written(link), hexBytes("01 00 00 00 4E, 01 00 00 00 55, 00 00 00 00, 00 00 00 00, 01 00 00 00 44,"
                                      "01 00 00 00, 00 00 00 00, 00 00 00 00"));
    EXPECT_EQ(written(phrase), hexBytes("01 00 00 00 4E, 01 00 00 00 50, 00 00 00 00, 02 00 00 00, 00 00 00 00"));
    // The kind first; hotKey after WebPage.
    EXPECT_EQ(written(contact), hexBytes("05 00 00 00" + std::string(9 * 8, '0') + "01 00 00 00 57, 01 00 00 00 48" +
                                         std::string(4 * 8, '0')));
    EXPECT_EQ(written(event), hexBytes("01 00 00 00 45, 00 00 00 00, 00 00 00 00, 02 00 00 00, 07 00 00 00,"
                                       "FF FF FF FF, 85, 01 00 00 00 4E"));

    EXPECT_EQ(readBack<GoalRecord>(written(goal)), goal);
    EXPECT_EQ(readBack<LinkRecord>(written(link)), link);
    EXPECT_EQ(readBack<PhraseRecord>(written(phrase)), phrase);
    EXPECT_EQ(readBack<ContactRecord>(written(contact)), contact);
    EXPECT_EQ(readBack<EventRecord>(written(event)), event);
}

// A text field as the files hold it: its byte count, then its bytes.
std::string text(std::string_view value) {
    std::string out;
    appendInt32(out, static_cast<std::int32_t>(value.size()));
    return out.append(value);
}

std::string number(std::int32_t value) {
    std::string out;
    appendInt32(out, value);
    return out;
}

// Each record filled with a different value in every field ("x 1" for the first field of the
// record, 102 for the second, ...) is written in its family's file order.
TEST(RecordIo, EveryFamilyWritesItsFieldsInItsFileOrder) {
    const struct {
        const char* family;
        std::string written;
        std::string expected;
    } cases[] = {
        {"goals", written(filled<GoalRecord>("x")),
         text("x 1") + text("x 2") + text("x 3") + number(106) + number(105) + number(104)},
        {"links", written(filled<LinkRecord>("x")),
         text("x 1") + text("x 2") + text("x 3") + text("x 4") + text("x 6") + number(105) + text("x 7") + text("x 8")},
        {"phrases", written(filled<PhraseRecord>("x")),
         text("x 1") + text("x 2") + text("x 3") + number(104) + text("x 5")},
        {"events", written(filled<EventRecord>("x")),
         text("x 1") + text("x 2") + text("x 3") + number(104) + number(105) + number(106) + std::string(1, '\x6B') +
             text("x 8")},
        {"contacts", written(filled<ContactRecord>("x")),
         number(107) + text("x 1") + text("x 2") + text("x 3") + text("x 4") + text("x 5") + text("x 8") + text("x 9") +
             text("x 10") + text("x 11") + text("x 12") + text("x 6") + text("x 13") + text("x 14") + text("x 15") +
             text("x 16")},
        {"tags", written(filled<TagRecord>("x")), text("x 1") + number(102)},
    };
    for (const auto& c : cases) EXPECT_EQ(c.written, c.expected) << c.family;
}

template <class Record>
class RecordRoundTrip : public ::testing::Test {};

using RecordTypes = ::testing::Types<GoalRecord, LinkRecord, PhraseRecord, EventRecord, ContactRecord, TagRecord>;
TYPED_TEST_SUITE(RecordRoundTrip, RecordTypes);

TYPED_TEST(RecordRoundTrip, EveryFieldSurvivesInUtf8AndCodePage1251) {
    const TextCodec cp1251("1251");
    const auto record = filled<TypeParam>("Поле");
    EXPECT_EQ(readBack<TypeParam>(written(record)), record);
    const std::string bytes = written(record, cp1251);
    EXPECT_EQ(bytes.find("Поле"), std::string::npos) << "texts must be stored in the code page";
    EXPECT_NE(bytes.find("\xcf\xee\xeb\xe5 1"), std::string::npos);
    EXPECT_EQ(readBack<TypeParam>(bytes, cp1251), record);
}

// Converts to any member type; only ever named in unevaluated braces.
struct AnyMember {
    template <class T>
    operator T() const;
};

template <class Record, std::size_t... I>
constexpr bool bracesTake(std::index_sequence<I...>) {
    return requires { Record{(static_cast<void>(I), AnyMember{})...}; };
}

// The number of members of an aggregate record.
template <class Record, std::size_t N = 0>
constexpr std::size_t memberCount() {
    if constexpr (bracesTake<Record>(std::make_index_sequence<N + 1>{})) {
        return memberCount<Record, N + 1>();
    } else {
        return N;
    }
}

template <class Record>
class RecordFieldList : public ::testing::Test {};

TYPED_TEST_SUITE(RecordFieldList, RecordTypes);

// A member left out of the list would be neither stored nor dumped; a list out of the members'
// order would dump them out of order.
TYPED_TEST(RecordFieldList, NamesEveryMemberInDeclarationOrder) {
    static_assert(memberCount<TypeParam>() == fieldCount<TypeParam>, "a member is missing from fields()");
    TypeParam record;
    std::vector<std::uintptr_t> addresses;
    visitFields(record,
                [&](const char*, auto& value) { addresses.push_back(reinterpret_cast<std::uintptr_t>(&value)); });
    EXPECT_EQ(std::adjacent_find(addresses.begin(), addresses.end(), std::greater_equal<>()), addresses.end());
}

TEST(RecordIo, ReaderStaysInsideItsChunk) {
    const std::string full = written(filled<LinkRecord>("x"));
    const LinkRecord complete = readBack<LinkRecord>(full);
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        LinkRecord record;
        EXPECT_FALSE(readRecord(std::string_view(full).substr(0, cut), record, TextCodec())) << cut;
        EXPECT_EQ(record.name, complete.name.substr(0, cut > 4 ? cut - 4 : 0)) << cut;
    }
}

TEST(RecordIo, HostileCountsReadWhatIsThereAndNoMore) {
    GoalRecord goal;
    // A count of 2^31-1 over three bytes: the text gets the three bytes, nothing is allocated beyond.
    EXPECT_FALSE(readRecord(hexBytes("FF FF FF 7F 41 42 43"), goal, TextCodec()));
    EXPECT_EQ(goal.text, "ABC");
    EXPECT_EQ(goal.description, "");

    // A negative count is an empty text; the fields after it are read as usual.
    goal = {};
    EXPECT_TRUE(readRecord(hexBytes("00 00 00 80, 01 00 00 00 44, 00 00 00 00, 03 00 00 00, 00 00 00 00, 00 00 00 00"),
                           goal, TextCodec()));
    EXPECT_EQ(goal.text, "");
    EXPECT_EQ(goal.description, "D");
    EXPECT_EQ(goal.kind, 3);
}

TEST(RecordIo, NodeReaderSetsHeightAndNodeWriterFollowsTheFamily) {
    ItemTree goals(TreeId::DayGoalTree, 34);
    TreeNode* node = goals.appendChild();
    EXPECT_EQ(node->height(), 34);
    readNodeRecord(*node, written(filled<GoalRecord>("g")), TextCodec());
    EXPECT_EQ(node->height(), 20);
    EXPECT_EQ(node->record<GoalRecord>(), filled<GoalRecord>("g"));

    std::string out;
    writeNodeRecord(*node, out, TextCodec());
    EXPECT_EQ(out, written(filled<GoalRecord>("g")));

    ItemTree plain("Plain", RecordFamily::None);
    out.clear();
    writeNodeRecord(*plain.appendChild(), out, TextCodec());
    EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace torvalet
