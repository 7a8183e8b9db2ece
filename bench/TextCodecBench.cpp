#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "base/Text.h"

namespace torvalet {
namespace {

// 100,000 record texts of 0 to 60 bytes as a Windows installation writes them: Russian words in
// code page 1251 (one byte a letter) mixed with Latin ones.
std::vector<std::string> cp1251Texts() {
    static const char* const words[] = {"plan",   "\xee\xf2\xf7\xb8\xf2", "meeting", "\xef\xe8\xf1\xfc\xec\xee",
                                        "budget", "\xe4\xee\xec"};
    std::mt19937 random(7);
    std::vector<std::string> texts(100000);
    for (std::string& text : texts) {
        const auto length = random() % 61;
        while (text.size() < length) text += std::string(words[random() % 6]) + ' ';
    }
    return texts;
}

void BM_Decode(benchmark::State& state, const char* codePage) {
    const std::vector<std::string> texts = cp1251Texts();
    const TextCodec codec(codePage);
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (const std::string& text : texts) {
            std::string decoded = codec.decode(text);
            benchmark::DoNotOptimize(decoded.data());
            bytes += text.size();
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK_CAPTURE(BM_Decode, utf8, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Decode, cp1251, "1251")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Decode, cp932, "932")->Unit(benchmark::kMillisecond);

void BM_Encode(benchmark::State& state, const char* codePage) {
    const TextCodec codec(codePage);
    std::vector<std::string> texts;
    for (const std::string& text : cp1251Texts()) texts.push_back(TextCodec("1251").decode(text));
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (const std::string& text : texts) {
            std::string encoded = codec.encode(text);
            benchmark::DoNotOptimize(encoded.data());
            bytes += text.size();
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK_CAPTURE(BM_Encode, utf8, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Encode, cp1251, "1251")->Unit(benchmark::kMillisecond);

// Building the tables of a code page, once per process.
void BM_FirstCodec(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TextCodec("1251").isUtf8());
}
BENCHMARK(BM_FirstCodec)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace torvalet
