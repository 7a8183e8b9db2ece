#include <benchmark/benchmark.h>

#include <malloc.h>

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

// Bytes of the records as they lie in memory: the structs and the heap blocks of long texts.
std::size_t recordBytes(const ItemTree& tree) {
    std::size_t bytes = 0;
    tree.forEach([&](const TreeNode* node) {
        visitRecord(*node, [&](const auto&... record) {
            ((bytes += sizeof(record)), ...);
            (visitFields(record,
                         [&](const char*, const auto& value) {
                             if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
                                 if (value.capacity() > 15) bytes += value.capacity() + 1;
                             }
                         }),
             ...);
        });
    });
    return bytes;
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
    const std::size_t records = recordBytes(source);
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
    state.counters["records_MB"] = static_cast<double>(records) / 1e6;
    // The tree's heap, and the tree's heap with the file's bytes, per byte of records.
    state.counters["tree_per_record_byte"] = heap / static_cast<double>(records);
    state.counters["with_file_per_record_byte"] =
        (heap + static_cast<double>(bytes.size())) / static_cast<double>(records);
}

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
