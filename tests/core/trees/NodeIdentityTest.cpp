#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "TreeBytes.h"
#include "TreeCommandsFixture.h"
#include "trees/LittleEndian.h"
#include "trees/TreeClipboard.h"
#include "trees/TreeCreation.h"
#include "trees/TreeError.h"
#include "trees/TreeGrouping.h"
#include "trees/TreeMoves.h"
#include "trees/TreeStreamReader.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {
namespace {

using testing::build;
using testing::chunk;
using testing::item;
using testing::kOneGoalFile;
using testing::le32;
using testing::outline;
using testing::select;

constexpr std::int32_t kIdentityType = 0x54560001;

std::string counted(std::string_view bytes) {
    return le32(static_cast<std::int64_t>(bytes.size())) + std::string(bytes);
}

std::string identityChunk(std::string_view uid, std::string_view extras, std::int32_t version = 1,
                          std::string_view appended = {}) {
    return chunk(kIdentityType, le32(version) + counted(uid) + counted(extras) + std::string(appended));
}

// kOneGoalFile with one more chunk at the end of the node chunk (whose size grows with it).
std::string oneGoalFileWith(const std::string& extraChunk) {
    std::string file = kOneGoalFile + extraChunk;
    const std::uint32_t nodeSize = 0x3A + static_cast<std::uint32_t>(extraChunk.size());
    patchUInt32(file, 20, nodeSize);
    return file;
}

std::string written(ItemTree& tree) { return TreeStreamWriter().writeTree(tree); }

const std::string* uidIn(const ItemTree& tree, const TreeNode* node) {
    const NodeIdentity* identity = tree.identity(node);
    return identity && !identity->uid.empty() ? &identity->uid : nullptr;
}

TEST(NodeIdentity, NewUidsAreVersionFourUuidsAndDiffer) {
    const std::regex form("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}");
    std::set<std::string> seen;
    for (int i = 0; i < 100; ++i) {
        const std::string uid = newUid();
        EXPECT_TRUE(std::regex_match(uid, form)) << uid;
        seen.insert(uid);
    }
    EXPECT_EQ(seen.size(), 100u);
}

TEST(NodeIdentity, ChunkFollowsTheUserChunkAndReadsBack) {
    const struct {
        const char* name;
        NodeIdentity identity;
    } cases[] = {
        {"uid only", {"3f2a6c1e-9b4d-4e7a-8c21-5d0f9e8b7a64", ""}},
        {"extras only", {"", "X-APPLE-LABEL:home\r\n"}},
        {"foreign uid with binary extras",
         {"040000008200E00074C5B7101A82E008@example.com", std::string("a\0b\xFF", 4)}},
        {"utf-8 uid", {"событие-Ω", "PHOTO;ENCODING=b:AAAA"}},
    };
    for (const auto& c : cases) {
        ItemTree tree(TreeId::DayGoalTree);
        TreeNode* goal = testing::addGoal(tree, nullptr, "A");
        tree.setIdentity(goal, c.identity);
        const std::string bytes = written(tree);
        EXPECT_EQ(bytes, oneGoalFileWith(identityChunk(c.identity.uid, c.identity.extras))) << c.name;

        ItemTree read(TreeId::DayGoalTree);
        TreeStreamReader().readTree(read, bytes);
        ASSERT_NE(read.identity(read.firstTopLevel()), nullptr) << c.name;
        EXPECT_EQ(*read.identity(read.firstTopLevel()), c.identity) << c.name;
        EXPECT_EQ(read.firstTopLevel()->record<GoalRecord>().text, "A") << c.name;
        EXPECT_EQ(written(read), bytes) << c.name;
    }
}

TEST(NodeIdentity, NestedIdentitiesStayWithTheirNodes) {
    ItemTree tree(TreeId::ContactsTree);
    build(tree, "A[A1[A11] A2] B");
    tree.setIdentity(item(tree, "A"), {"uid-A", ""});
    tree.setIdentity(item(tree, "A11"), {"uid-A11", "x"});
    tree.setIdentity(item(tree, "B"), {"", "only extras"});

    ItemTree read(TreeId::ContactsTree);
    TreeStreamReader().readTree(read, written(tree));
    EXPECT_EQ(outline(read), "A[A1[A11] A2] B");
    for (const char* name : {"A", "A1", "A11", "A2", "B"}) {
        const NodeIdentity* expected = tree.identity(item(tree, name));
        const NodeIdentity* got = read.identity(item(read, name));
        ASSERT_EQ(got == nullptr, expected == nullptr) << name;
        if (expected) {
            EXPECT_EQ(*got, *expected) << name;
        }
    }
}

TEST(NodeIdentity, TreeWithoutIdentitiesIsWrittenAsBefore) {
    ItemTree tree(TreeId::DayGoalTree);
    TreeStreamReader().readTree(tree, kOneGoalFile);
    EXPECT_FALSE(tree.hasIdentities());  // reading mints nothing
    EXPECT_EQ(written(tree), kOneGoalFile);

    // Asking for a UID mints one, and the tree then differs from its file.
    const std::string uid = tree.uidOf(tree.firstTopLevel());
    EXPECT_EQ(tree.uidOf(tree.firstTopLevel()), uid);
    EXPECT_EQ(written(tree), oneGoalFileWith(identityChunk(uid, "")));

    // An identity taken away leaves the bytes of old.
    tree.setIdentity(tree.firstTopLevel(), {});
    EXPECT_EQ(written(tree), kOneGoalFile);
}

TEST(NodeIdentity, UnknownChunksAndLaterBodiesAreSkipped) {
    const struct {
        const char* name;
        std::string tail;
        NodeIdentity expected;
    } cases[] = {
        {"unknown chunk before", chunk(9, "junk") + identityChunk("u", "e"), {"u", "e"}},
        {"unknown chunk after", identityChunk("u", "e") + chunk(77, "more junk"), {"u", "e"}},
        {"later body version", identityChunk("u", "e", 2, "new field"), {"u", "e"}},
    };
    for (const auto& c : cases) {
        ItemTree tree(TreeId::DayGoalTree);
        TreeStreamReader().readTree(tree, oneGoalFileWith(c.tail));
        ASSERT_NE(tree.identity(tree.firstTopLevel()), nullptr) << c.name;
        EXPECT_EQ(*tree.identity(tree.firstTopLevel()), c.expected) << c.name;
        EXPECT_EQ(tree.firstTopLevel()->record<GoalRecord>().text, "A") << c.name;
    }
}

TEST(NodeIdentity, DamagedIdentityChunkIsReported) {
    const struct {
        const char* name;
        std::string body;
    } cases[] = {
        {"no version", "ab"},
        {"no uid count", le32(1)},
        {"uid runs past the chunk", le32(1) + le32(50) + "short"},
        {"extras run past the chunk", le32(1) + counted("u") + le32(9) + "x"},
    };
    for (const auto& c : cases) {
        ItemTree tree(TreeId::DayGoalTree);
        try {
            TreeStreamReader().readTree(tree, oneGoalFileWith(chunk(kIdentityType, c.body)));
            ADD_FAILURE() << c.name << ": read without error";
        } catch (const TreeError& error) {
            EXPECT_EQ(error.code(), TreeError::kDataAfterNodeEnd) << c.name;
        }
    }
}

TEST(NodeIdentity, DeletedNodesTakeTheirIdentityAlong) {
    ItemTree tree(TreeId::DayGoalTree);
    build(tree, "A[A1] B");
    tree.uidOf(item(tree, "A1"));
    tree.deleteNode(item(tree, "A"));
    EXPECT_FALSE(tree.hasIdentities());
    // A node made afterwards, wherever it lives, starts without one.
    EXPECT_EQ(tree.identity(tree.appendChild()), nullptr);
}

TEST(NodeIdentity, NewEventsAndContactsGetAUidOtherItemsDoNot) {
    ItemTree calendar(TreeId::CalendarTree);
    ItemTree contacts(TreeId::ContactsTree);
    ItemTree goals(TreeId::DayGoalTree);
    ItemTree links(TreeId::LinksTree);
    EXPECT_NE(uidIn(calendar, TreeCreation::createEvent(calendar, nullptr, 0)), nullptr);
    EXPECT_NE(uidIn(contacts, TreeCreation::createContact(contacts, nullptr, 0)), nullptr);
    EXPECT_EQ(uidIn(goals, TreeCreation::createItem(goals, nullptr, 0)), nullptr);
    EXPECT_EQ(uidIn(links, TreeCreation::createLink(links, nullptr, 0)), nullptr);
}

// The UID and extras of the first item of that name, in the tree.
NodeIdentity of(const ItemTree& tree, std::string_view name) {
    const NodeIdentity* identity = tree.identity(item(tree, name));
    return identity ? *identity : NodeIdentity{};
}

// Contacts: A[A1] B C in one tree, D in another; A and A1 carry a UID and extras.
struct Scene {
    Scene() {
        build(here, "A[A1] B C");
        build(there, "D");
        here.setIdentity(item(here, "A"), {"uid-A", "extras of A"});
        here.setIdentity(item(here, "A1"), {"uid-A1", "extras of A1"});
    }

    testing::FakeClipboard system;
    TreeClipboard clipboard{system};
    ItemTree here{TreeId::ContactsTree};
    ItemTree there{TreeId::ContactsTree};
};

TEST(NodeIdentityTravel, MovesKeepTheUid) {
    using Move = void (*)(Scene&);
    const struct {
        const char* name;
        Move move;
        bool toThere;
    } cases[] = {
        {"move down",
         [](Scene& t) {
             select(t.here, {"A"});
             TreeMoves::moveDown(t.here);
         },
         false},
        {"move right",
         [](Scene& t) {
             select(t.here, {"B"});
             TreeMoves::moveRight(t.here);
         },
         false},
        {"group",
         [](Scene& t) {
             select(t.here, {"A", "C"});
             TreeGrouping::groupSelectedContacts(t.here);
         },
         false},
        {"cut and paste within the tree",
         [](Scene& t) {
             select(t.here, {"A"});
             t.clipboard.cutSelected(t.here);
             t.here.setFocused(item(t.here, "C"));
             t.clipboard.paste(t.here);
         },
         false},
        {"cut and paste into another tree",
         [](Scene& t) {
             select(t.here, {"A"});
             t.clipboard.cutSelected(t.here);
             t.there.setFocused(item(t.there, "D"));
             t.clipboard.paste(t.there);
         },
         true},
        {"drag into another tree",
         [](Scene& t) {
             TreeNode* a = item(t.here, "A");
             TreeMoves::moveNodesTo(t.here, std::span(&a, 1), t.there, item(t.there, "D"), NodePlace::After);
         },
         true},
    };
    for (const auto& c : cases) {
        Scene t;
        c.move(t);
        ItemTree& tree = c.toThere ? t.there : t.here;
        EXPECT_EQ(of(tree, "A"), (NodeIdentity{"uid-A", "extras of A"})) << c.name;
        EXPECT_EQ(of(tree, "A1"), (NodeIdentity{"uid-A1", "extras of A1"})) << c.name;
        if (c.toThere) {
            EXPECT_FALSE(t.here.hasIdentities()) << c.name;
        }
    }
}

TEST(NodeIdentityTravel, CopiesGetNewUidsAndKeepTheExtras) {
    using Copy = ItemTree& (*)(Scene&);
    const struct {
        const char* name;
        Copy copy;
    } cases[] = {
        {"copy and paste",
         [](Scene& t) -> ItemTree& {
             select(t.here, {"A"});
             t.clipboard.copySelected(t.here);
             t.here.setFocused(nullptr);
             t.clipboard.paste(t.here);
             return t.here;
         }},
        {"copy and paste into another tree",
         [](Scene& t) -> ItemTree& {
             select(t.here, {"A"});
             t.clipboard.copySelected(t.here);
             t.there.setFocused(nullptr);
             t.clipboard.paste(t.there);
             return t.there;
         }},
        {"copy by drag",
         [](Scene& t) -> ItemTree& {
             TreeNode* a = item(t.here, "A");
             TreeMoves::copyNodesTo(t.here, std::span(&a, 1), t.here, nullptr, NodePlace::After);
             return t.here;
         }},
    };
    for (const auto& c : cases) {
        Scene t;
        const TreeNode* original = item(t.here, "A");
        ItemTree& tree = c.copy(t);
        std::set<std::string> uids;
        std::vector<std::string> extras;
        tree.forEach([&](TreeNode* node) {
            if (const NodeIdentity* identity = tree.identity(node)) {
                uids.insert(identity->uid);
                extras.push_back(identity->extras);
            }
        });
        EXPECT_EQ(extras.size(), &tree == &t.here ? 4u : 2u) << c.name;
        EXPECT_EQ(uids.size(), extras.size()) << c.name << ": a UID is shared";
        ASSERT_NE(t.here.identity(original), nullptr) << c.name;
        EXPECT_EQ(*t.here.identity(original), (NodeIdentity{"uid-A", "extras of A"}))
            << c.name << ": the original changed";
        EXPECT_EQ(std::count(extras.begin(), extras.end(), "extras of A1"), static_cast<long>(extras.size() / 2))
            << c.name;
    }
}

TEST(NodeIdentityTravel, PastingOneCopyTwiceGivesTwoUids) {
    Scene t;
    select(t.here, {"A1"});
    t.clipboard.copySelected(t.here);
    t.here.setFocused(nullptr);
    t.clipboard.paste(t.here);
    t.clipboard.paste(t.here);
    EXPECT_EQ(outline(t.here), "A[A1] B C A1 A1");
    std::set<std::string> uids;
    for (TreeNode* n = t.here.firstTopLevel(); n; n = n->nextSibling()) {
        if (const std::string* uid = uidIn(t.here, n)) uids.insert(*uid);
    }
    uids.insert("uid-A1");
    EXPECT_EQ(uids.size(), 4u);  // uid-A, uid-A1 and two new ones
}

}  // namespace
}  // namespace torvalet
