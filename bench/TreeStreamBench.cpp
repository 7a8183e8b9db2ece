#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <string>
#include <type_traits>

#include "ProfileGenerator.h"
#include "trees/ItemTree.h"
#include "trees/RecordFields.h"
#include "trees/TreeStreamReader.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {
namespace {

constexpr int kNodes = 100000;

// A 100,000-item goal or contact tree.
ItemTree outline(RecordFamily family) {
    ItemTree tree("Outline", family);
    bench::fillOutline(tree, kNodes);
    return tree;
}

void BM_WriteTree(benchmark::State& state, RecordFamily family) {
    ItemTree tree = outline(family);
    const TreeStreamWriter writer;
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = writer.writeTree(tree);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}

void BM_ReadTree(benchmark::State& state, RecordFamily family) {
    ItemTree source = outline(family);
    const std::string bytes = TreeStreamWriter().writeTree(source);
    TreeStreamReader reader;
    double heap = 0;
    for (auto _ : state) {
        ItemTree tree("Outline", family);
        const std::size_t before = mallinfo2().uordblks;
        reader.readTree(tree, bytes);
        heap = static_cast<double>(mallinfo2().uordblks - before);
        state.PauseTiming();
        tree.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    // What an item takes in memory once read, and in the file.
    state.counters["heap_per_item"] = heap / kNodes;
    state.counters["file_per_item"] = static_cast<double>(bytes.size()) / kNodes;
}

// A file of node chunks that hold nothing (8 bytes each): what such a node costs once read.
void BM_ReadEmptyNodes(benchmark::State& state) {
    std::string bytes = TreeStreamWriter().writeTree(*std::make_unique<ItemTree>("Empty", RecordFamily::Contacts));
    bytes.resize(12);
    const std::uint32_t count = kNodes;
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(count >> shift & 0xFF);
    for (int i = 0; i < kNodes; ++i) bytes += std::string("\x01\0\0\0\0\0\0\0", 8);
    double heap = 0;
    for (auto _ : state) {
        ItemTree tree("ContactsTree", RecordFamily::Contacts);
        const std::size_t before = mallinfo2().uordblks;
        TreeStreamReader().readTree(tree, bytes);
        heap = static_cast<double>(mallinfo2().uordblks - before);
        state.PauseTiming();
        tree.clear();
        state.ResumeTiming();
    }
    state.counters["heap_per_item"] = heap / kNodes;
    state.counters["file_per_item"] = 8;
}
BENCHMARK(BM_ReadEmptyNodes)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_WriteTree, goals, RecordFamily::Goals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteTree, contacts, RecordFamily::Contacts)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadTree, goals, RecordFamily::Goals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadTree, contacts, RecordFamily::Contacts)->Unit(benchmark::kMillisecond);

// Moving the first top-level item, with its subtree, to the end of the tree and asking for the
// first selected item afterwards (which renumbers the tree once).
void BM_MoveSubtree(benchmark::State& state) {
    ItemTree tree = outline(RecordFamily::Goals);
    for (auto _ : state) {
        tree.moveNode(tree.firstTopLevel(), tree.root(), NodePlace::LastChild);
        if (state.range(0)) benchmark::DoNotOptimize(tree.firstSelected());
    }
}
BENCHMARK(BM_MoveSubtree)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Appending 100,000 children: to one parent, and as the last top-level items.
void BM_AppendChildren(benchmark::State& state) {
    for (auto _ : state) {
        ItemTree tree("GoalTree", RecordFamily::Goals);
        TreeNode* parent = state.range(0) ? tree.appendChild() : nullptr;
        for (int i = 0; i < kNodes; ++i) tree.appendChild(parent);
        state.PauseTiming();
        tree.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kNodes);
}
BENCHMARK(BM_AppendChildren)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Deleting a selection spread over the tree (every 50th item and what lies below it), after
// sorting it in tree order.
void BM_DeleteSelection(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ItemTree tree = outline(RecordFamily::Goals);
        state.ResumeTiming();
        for (TreeNode* node : tree.sortedSelection()) tree.deleteNode(node);
        state.PauseTiming();
        tree.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteSelection)->Unit(benchmark::kMillisecond)->Iterations(5);

// Deleting the whole 100,000-item tree.
void BM_DeleteAll(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ItemTree tree = outline(RecordFamily::Goals);
        state.ResumeTiming();
        tree.clear();
    }
}
BENCHMARK(BM_DeleteAll)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace torvalet
