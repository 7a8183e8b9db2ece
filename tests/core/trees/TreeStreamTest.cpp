#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "TreeBytes.h"
#include "trees/ByteStream.h"
#include "trees/LittleEndian.h"
#include "trees/RecordIo.h"
#include "trees/TreeError.h"
#include "trees/TreeStreamReader.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {
namespace {

using testing::addGoal;
using testing::chunk;
using testing::hexBytes;
using testing::identifier;
using testing::kOneGoalFile;
using testing::le32;
using testing::shape;

std::string baseBody(std::uint32_t children, std::uint16_t flags = 0x81, std::uint32_t height = 20) {
    std::string out = le32(children) + le32(height);
    appendUInt16(out, flags);
    return out + hexBytes("32 00 00 00 00 00 00");
}

std::string goalRecord(const std::string& text) {
    GoalRecord goal;
    goal.text = text;
    std::string out;
    writeRecord(goal, out, TextCodec());
    return out;
}

// A version-2 node chunk: base chunk with the children, then the record of a goal with that text.
std::string goalNode(const std::string& text, const std::vector<std::string>& children = {}) {
    std::string base = baseBody(static_cast<std::uint32_t>(children.size()));
    for (const std::string& child : children) base += child;
    return chunk(1, chunk(2, base) + chunk(4, goalRecord(text)));
}

std::string goalFile(const std::vector<std::string>& nodes, std::int64_t count = -1) {
    std::string out = identifier() + le32(count < 0 ? static_cast<std::int64_t>(nodes.size()) : count);
    for (const std::string& node : nodes) out += node;
    return out;
}

std::string writtenTree(ItemTree& tree) { return TreeStreamWriter().writeTree(tree); }

void readInto(ItemTree& tree, std::string_view bytes) { TreeStreamReader().readTree(tree, bytes); }

// Reads the bytes as a stream that gives at most `piece` bytes a time (0: as one block).
void readInPieces(ItemTree& tree, std::string_view bytes, std::size_t piece) {
    if (piece == 0) return readInto(tree, bytes);
    ByteStream stream(
        [&bytes, piece](char* into, std::size_t count) {
            const std::string_view part = bytes.substr(0, std::min(count, piece));
            part.copy(into, part.size());
            bytes.remove_prefix(part.size());
            return part.size();
        },
        piece);
    TreeStreamReader().readTree(tree, stream);
}

constexpr std::size_t kPieces[] = {0, 1, 3, 8, 64};

TEST(TreeStream, OneGoalFileIsWrittenAndReadByteForByte) {
    ItemTree tree(TreeId::DayGoalTree);
    TreeNode* goal = addGoal(tree, nullptr, "A");
    EXPECT_EQ(writtenTree(tree), kOneGoalFile);
    EXPECT_TRUE(goal->hasFlag(NodeFlag::Initialized));

    ItemTree read(TreeId::DayGoalTree);
    readInto(read, kOneGoalFile);
    ASSERT_EQ(read.nodeCount(), 1u);
    const TreeNode* node = read.firstTopLevel();
    EXPECT_EQ(node->flags(), 0x81);
    EXPECT_EQ(node->height(), 20);
    EXPECT_EQ(node->alignment(), 50);
    EXPECT_EQ(node->record<GoalRecord>(), goal->record<GoalRecord>());
    EXPECT_EQ(writtenTree(read), kOneGoalFile);
}

TEST(TreeStream, EmptyTreeIsSixteenBytesAndReadsBackEmpty) {
    ItemTree tree(TreeId::DayGoalTree);
    const std::string bytes = writtenTree(tree);
    EXPECT_EQ(bytes, identifier() + le32(0));
    addGoal(tree, nullptr, "old");
    readInto(tree, bytes);
    EXPECT_TRUE(tree.empty());
}

TEST(TreeStream, ShapeFlagsAndLayoutSurviveAndTransientFlagsAreDropped) {
    ItemTree tree(TreeId::DayGoalTree);
    TreeNode* a = addGoal(tree, nullptr, "A");
    TreeNode* a1 = addGoal(tree, a, "A1");
    addGoal(tree, a1, "A11");
    TreeNode* b = addGoal(tree, nullptr, "B");
    a->setFlag(NodeFlag::Expanded, true);
    a1->setFlag(0xFFFF, true);
    a1->setHeight(300);
    a1->setAlignment(7);
    a1->setCheckState(1);
    a1->setCheckType(2);
    b->setFlag(NodeFlag::Visible, false);
    tree.select(a1);
    tree.select(b);

    ItemTree read(TreeId::WeekGoalTree);
    readInto(read, writtenTree(tree));
    EXPECT_EQ(shape(read), "A[A1[A11]] B");
    const TreeNode* readA = read.firstTopLevel();
    const TreeNode* readA1 = readA->firstChild();
    EXPECT_EQ(readA->flags(), NodeFlag::Initialized | NodeFlag::Expanded | NodeFlag::HasChildren | NodeFlag::Visible);
    EXPECT_EQ(readA1->flags(), 0xDDE9);
    EXPECT_EQ(readA1->height(), 20) << "the record reader sets the height";
    EXPECT_EQ(readA1->alignment(), 7);
    EXPECT_EQ(readA1->checkState(), 1);
    EXPECT_EQ(readA1->checkType(), 2);
    EXPECT_FALSE(readA->nextSibling()->hasFlag(NodeFlag::Visible));
    EXPECT_EQ(read.selectedInTreeOrder(), (std::vector<TreeNode*>{readA->firstChild(), readA->nextSibling()}));
}

TEST(TreeStream, SingleSelectionTreeDropsStoredSelection) {
    ItemTree tags(TreeId::ContactTagsTree);
    readInto(tags, goalFile({chunk(1, chunk(2, baseBody(0, 0x181)))}));
    ASSERT_EQ(tags.nodeCount(), 1u);
    EXPECT_FALSE(tags.firstTopLevel()->isSelected());
    EXPECT_EQ(tags.selectionCount(), 0u);
}

TEST(TreeStream, NodeWithoutUserChunkKeepsEmptyRecordAndStoredHeight) {
    ItemTree plain("Plain", RecordFamily::None);
    plain.appendChild()->setHeight(33);
    const std::string bytes = writtenTree(plain);
    EXPECT_EQ(bytes, goalFile({chunk(1, chunk(2, baseBody(0, 0x81, 33)))}));

    ItemTree goals(TreeId::DayGoalTree);
    readInto(goals, bytes);
    EXPECT_EQ(goals.firstTopLevel()->height(), 33);
    EXPECT_EQ(goals.firstTopLevel()->record<GoalRecord>(), GoalRecord{});
}

TEST(TreeStream, OldVersionsHaveNoCountAndOneFlagsByte) {
    for (int version : {0, 1}) {
        const std::string oldBase = le32(0) + le32(0x10021) + hexBytes("81 32 00 00");
        const std::string node = chunk(1, chunk(2, oldBase));
        ItemTree tree(TreeId::DayGoalTree);
        readInto(tree, identifier(version) + node + node + node);
        ASSERT_EQ(tree.nodeCount(), 3u) << version;
        const TreeNode* first = tree.firstTopLevel();
        EXPECT_EQ(first->flags(), NodeFlag::Initialized | NodeFlag::Visible | NodeFlag::Selected);
        EXPECT_EQ(first->height(), 33);
        EXPECT_EQ(first->alignment(), 50);
        EXPECT_EQ(tree.selectionCount(), 3u);
    }
}

TEST(TreeStream, ReaderSkipsWhatItDoesNotNeed) {
    // The space of the identifier is not checked; unknown chunks and the unread end of a user
    // chunk are skipped.
    std::string file = goalFile({goalNode("one"), goalNode("two")});
    file[8] = 'X';
    ItemTree tree(TreeId::DayGoalTree);
    readInto(tree, file);
    EXPECT_EQ(shape(tree), "one two");

    const std::string padded =
        chunk(1, chunk(2, baseBody(1) + goalNode("child")) + chunk(9, "junk") + chunk(4, goalRecord("parent") + "xyz"));
    readInto(tree, goalFile({padded, goalNode("next")}));
    EXPECT_EQ(shape(tree), "parent[child] next");

    // The size of a base chunk is not needed to read the node's record.
    for (const std::int64_t baseSize : {0, 9999, -1}) {
        const std::string wrongBase = le32(2) + le32(baseSize) + baseBody(0);
        readInto(tree, goalFile({chunk(1, wrongBase + chunk(4, goalRecord("read all the same")))}));
        EXPECT_EQ(shape(tree), "read all the same") << baseSize;
    }
}

TEST(TreeStream, UserChunkOfNegativeSizeIsIgnored) {
    ItemTree tree(TreeId::DayGoalTree);
    readInto(tree, goalFile({chunk(1, chunk(2, baseBody(0)) + le32(4) + le32(-5)), goalNode("next")}));
    ASSERT_EQ(tree.nodeCount(), 2u);
    EXPECT_EQ(tree.firstTopLevel()->record<GoalRecord>(), GoalRecord{});
    EXPECT_EQ(tree.firstTopLevel()->nextSibling()->record<GoalRecord>().text, "next");
}

struct BrokenStream {
    const char* name;
    std::string bytes;
    int code;
    std::size_t nodesKept;
};

TEST(TreeStream, EveryDamageGivesItsErrorAndKeepsWhatWasRead) {
    const auto withUnit = [](int offset, char value) {
        std::string bytes = kOneGoalFile;
        bytes[static_cast<std::size_t>(offset)] = value;
        return bytes;
    };
    const std::string good = goalNode("good");
    const BrokenStream cases[] = {
        {"identifier cut short", identifier().substr(0, 11), 2004, 0},
        {"unit 0 differs", withUnit(0, 0x46), 2002, 0},
        {"unit 1 differs", withUnit(2, 'W'), 2002, 0},
        {"unit 2 differs", withUnit(4, 'U'), 2002, 0},
        {"unit 5 differs", withUnit(11, 0x21), 2002, 0},
        {"version 3", withUnit(6, 3), 2003, 0},
        {"no count", identifier(), TreeError::kStreamRead, 0},
        {"anchor missing", goalFile({good, chunk(2, baseBody(0))}), 2005, 1},
        {"trailing bytes", goalFile({good, std::string(1, 1)}), 2005, 1},
        {"node shorter than its chunks", goalFile({le32(1) + le32(10) + chunk(2, baseBody(0))}), 2006, 1},
        {"node of negative size", goalFile({le32(1) + le32(-8) + chunk(2, baseBody(0))}), 2006, 1},
        {"stream ends inside a node", kOneGoalFile.substr(0, kOneGoalFile.size() - 1), 2006, 1},
        {"base body cut short", goalFile({le32(1) + le32(20) + le32(2) + le32(17) + std::string(2, '\0')}), 2006, 1},
        {"unknown chunk of negative size", goalFile({chunk(1, chunk(2, baseBody(0)) + le32(3) + le32(-4))}), 2006, 1},
        {"child missing", goalFile({chunk(1, chunk(2, baseBody(2) + good))}), 2005, 2},
        {"fewer nodes than counted", goalFile({good, good}, 3), 2005, 2},
        {"count of 2^32 - 1", goalFile({good}, 0xFFFFFFFF), 2005, 1},
        {"more nodes than counted", goalFile({good, good}, 1), 2006, 1},
        {"bytes after an empty tree", goalFile({}) + "x", 2006, 0},
    };
    for (const BrokenStream& row : cases) {
        for (const std::size_t piece : kPieces) {
            ItemTree tree(TreeId::DayGoalTree);
            addGoal(tree, nullptr, "held before");
            try {
                readInPieces(tree, row.bytes, piece);
                ADD_FAILURE() << row.name << ": no error";
            } catch (const TreeError& error) {
                EXPECT_EQ(error.code(), row.code) << row.name << ", pieces of " << piece;
                EXPECT_STREQ(error.what(), TreeError::fromCode(row.code).what()) << row.name;
            }
            EXPECT_EQ(tree.nodeCount(), row.nodesKept) << row.name << ", pieces of " << piece;
        }
    }
    EXPECT_STREQ(TreeError::fromCode(2006).what(), "Stream data corrupt. Unexpected data after node's end position.");
    EXPECT_STREQ(TreeError::fromCode(TreeError::kStreamRead).what(), "Stream read error");
}

TEST(TreeStream, StreamInPiecesReadsAsTheWholeBlock) {
    ItemTree tree(TreeId::DayGoalTree);
    TreeNode* parent = addGoal(tree, nullptr, std::string(300, 'p'));
    for (int i = 0; i < 3; ++i) addGoal(tree, parent, "child " + std::to_string(i));
    addGoal(tree, nullptr, "last");
    const std::string bytes = writtenTree(tree);
    for (const std::size_t piece : kPieces) {
        ItemTree read(TreeId::DayGoalTree);
        readInPieces(read, bytes, piece);
        EXPECT_EQ(shape(read), shape(tree)) << "pieces of " << piece;
        EXPECT_EQ(writtenTree(read), bytes) << "pieces of " << piece;
    }
}

TEST(TreeStream, TruncationAtEveryOffsetFails) {
    ItemTree tree(TreeId::LinksTree);
    for (int i = 0; i < 3; ++i) {
        TreeNode* group = tree.appendChild();
        group->record<LinkRecord>().name = "group " + std::to_string(i);
        tree.select(group);
        for (int j = 0; j < 2; ++j)
            tree.appendChild(group)->record<LinkRecord>().url = "https://example.org/" + std::to_string(j);
    }
    const std::string full = TreeStreamWriter().writeTree(tree);
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        ItemTree read(TreeId::LinksTree);
        try {
            readInto(read, std::string_view(full).substr(0, cut));
            ADD_FAILURE() << "no error at " << cut;
        } catch (const TreeError& error) {
            EXPECT_TRUE(error.code() == 0 || (error.code() >= 2002 && error.code() <= 2006)) << cut;
        }
        EXPECT_LE(read.nodeCount(), 9u);
        EXPECT_LE(read.selectionCount(), 3u);
        read.clear();  // the selection must be consistent with what was read
    }
}

TEST(TreeStream, HugeChildCountsEndWithTheStream) {
    ItemTree tree(TreeId::DayGoalTree);
    try {
        readInto(tree, goalFile({chunk(1, chunk(2, baseBody(0xFFFFFFFF)))}));
        FAIL() << "children missing";
    } catch (const TreeError& error) {
        EXPECT_EQ(error.code(), 2005);
    }
    EXPECT_EQ(tree.nodeCount(), 1u);
}

// Nodes nested `depth` levels deep, each the only child of the one before.
std::string nestedNodes(std::int64_t depth) {
    std::string out;
    for (std::int64_t level = 0; level < depth; ++level) {
        out += le32(1) + le32(33 * (depth - level) - 8) + le32(2) + le32(17) + baseBody(level + 1 < depth ? 1 : 0);
    }
    return out;
}

TEST(TreeStream, DeepNestingIsRefusedWithoutExhaustingTheStack) {
    ItemTree tree(TreeId::DayGoalTree);
    try {
        readInto(tree, goalFile({nestedNodes(50000)}));
        FAIL() << "accepted 50,000 levels";
    } catch (const TreeError& error) {
        EXPECT_EQ(error.code(), 2006);
    }
    EXPECT_EQ(tree.nodeCount(), 10000u);

    ItemTree deep(TreeId::DayGoalTree);
    TreeNode* node = nullptr;
    for (int i = 0; i < 9000; ++i) node = deep.appendChild(node);
    ItemTree read(TreeId::DayGoalTree);
    readInto(read, writtenTree(deep));
    EXPECT_EQ(read.nodeCount(), 9000u);
}

TEST(TreeStream, ClipboardChunksCarryEachSubtreeOnce) {
    ItemTree source(TreeId::DayGoalTree);
    TreeNode* a = addGoal(source, nullptr, "A");
    TreeNode* a1 = addGoal(source, a, "A1");
    TreeNode* b = addGoal(source, nullptr, "B");
    const std::vector<TreeNode*> marked = {b, a1, a};
    const TreeStreamWriter writer;
    const std::string chunks = writer.writeNodes(source, marked);
    EXPECT_EQ(writer.writeClipboardBlock(source, marked), le32(static_cast<std::int64_t>(chunks.size())) + chunks);

    ItemTree target(TreeId::MonthGoalTree);
    TreeNode* parent = addGoal(target, nullptr, "P");
    TreeStreamReader reader;
    const auto pasted = reader.readNodes(target, parent, chunks);
    EXPECT_EQ(shape(target), "P[A[A1] B]");
    EXPECT_EQ(pasted, (std::vector<TreeNode*>{parent->firstChild(), parent->lastChild()}));
    reader.readClipboardBlock(target, nullptr, writer.writeClipboardBlock(source, marked));
    EXPECT_EQ(shape(target), "P[A[A1] B] A[A1] B");

    for (const std::string& bad : {le32(-1), le32(100000) + chunks, std::string("\x01\x00", 2)}) {
        EXPECT_THROW(reader.readClipboardBlock(target, nullptr, bad), TreeError);
    }
    EXPECT_EQ(target.nodeCount(), 7u);
}

}  // namespace
}  // namespace torvalet
