#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "headless/MemoryClipboard.h"
#include "trees/GoalRecord.h"
#include "trees/ItemTree.h"
#include "trees/TreeClipboard.h"
#include "trees/TreeDrop.h"
#include "trees/TreeGrouping.h"
#include "trees/TreeMoves.h"

namespace torvalet {
namespace {

// 1,000 top-level goals, each with 9 children of 10 children each: 100,000 items.
constexpr int kTopLevel = 1000;
constexpr int kChildren = 9;
constexpr int kGrandChildren = 10;

void addGoal(ItemTree& tree, TreeNode* parent, int number) {
    GoalRecord& goal = tree.appendChild(parent)->record<GoalRecord>();
    goal.text = "goal number " + std::to_string(number);
    goal.description = "what it takes";
    goal.kind = 3;
}

void buildOutline(ItemTree& tree) {
    int number = 0;
    for (int i = 0; i < kTopLevel; ++i) {
        addGoal(tree, nullptr, number++);
        TreeNode* top = tree.root()->lastChild();
        for (int j = 0; j < kChildren; ++j) {
            addGoal(tree, top, number++);
            for (int k = 0; k < kGrandChildren; ++k) addGoal(tree, top->lastChild(), number++);
        }
    }
}

// Selects `count` items without children, spread evenly over the tree in tree order.
void selectSpread(ItemTree& tree, std::int64_t count) {
    tree.clearSelection();
    std::size_t leaves = 0;
    tree.forEach([&](const TreeNode* node) { leaves += node->hasChildren() ? 0 : 1; });
    const std::size_t step = leaves / static_cast<std::size_t>(count);
    std::size_t index = 0;
    tree.forEach([&](TreeNode* node) {
        if (!node->hasChildren() && index++ % step == 0) tree.select(node);
    });
}

// One-step moves of a spread selection: after the first step the items are siblings, and they
// keep travelling down past one sibling at a time.
void BM_MoveDown(benchmark::State& state) {
    ItemTree tree("GoalTree", RecordFamily::Goals);
    buildOutline(tree);
    selectSpread(tree, state.range(0));
    for (auto _ : state) TreeMoves::moveDown(tree);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MoveDown)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Cut of a spread selection and paste under the last top-level item, within the tree.
void BM_CutPaste(benchmark::State& state) {
    ItemTree tree("GoalTree", RecordFamily::Goals);
    buildOutline(tree);
    MemoryClipboard system;
    TreeClipboard clipboard(system);
    for (auto _ : state) {
        state.PauseTiming();
        selectSpread(tree, state.range(0));
        tree.setFocused(tree.root()->lastChild());
        state.ResumeTiming();
        clipboard.cutSelected(tree);
        clipboard.paste(tree);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CutPaste)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Cut in one goal tree and paste in another: the items travel as node chunks.
void BM_CutPasteAcrossTrees(benchmark::State& state) {
    ItemTree day("GoalTree", RecordFamily::Goals);
    ItemTree week("Goal2Tree", RecordFamily::Goals);
    buildOutline(day);
    buildOutline(week);
    MemoryClipboard system;
    TreeClipboard clipboard(system);
    bool forth = true;
    for (auto _ : state) {
        ItemTree& from = forth ? day : week;
        ItemTree& to = forth ? week : day;
        state.PauseTiming();
        selectSpread(from, state.range(0));
        to.setFocused(nullptr);
        state.ResumeTiming();
        clipboard.cutSelected(from);
        clipboard.paste(to);
        forth = !forth;
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CutPasteAcrossTrees)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Copy of a spread selection and paste of the copies (deleted again outside the timing).
void BM_CopyPaste(benchmark::State& state) {
    ItemTree tree("GoalTree", RecordFamily::Goals);
    buildOutline(tree);
    MemoryClipboard system;
    TreeClipboard clipboard(system);
    selectSpread(tree, state.range(0));
    for (auto _ : state) {
        clipboard.copySelected(tree);
        const TreeClipboard::Pasted pasted = clipboard.paste(tree);
        state.PauseTiming();
        for (TreeNode* copy : pasted.items) tree.deleteNode(copy);
        selectSpread(tree, state.range(0));
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CopyPaste)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Grouping a spread selection; the items stay selected, so each round nests one group deeper
// (a fixed number of rounds keeps that depth small).
void BM_Group(benchmark::State& state) {
    ItemTree tree("GoalTree", RecordFamily::Goals);
    buildOutline(tree);
    selectSpread(tree, state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(TreeGrouping::groupSelectedGoals(tree));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Group)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(50);

// Dropping a spread selection below the last top-level item of the same tree.
void BM_DropMove(benchmark::State& state) {
    ItemTree tree("GoalTree", RecordFamily::Goals);
    buildOutline(tree);
    selectSpread(tree, state.range(0));
    for (auto _ : state) TreeDrop::drop(tree, tree.root()->lastChild(), &tree, DropPosition::Below, {});
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DropMove)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvalet
