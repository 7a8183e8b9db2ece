#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "base/VCard.h"

namespace torvalet {
namespace {

constexpr int kCards = 100000;

// An address book as other programs export it: Latin, Cyrillic and Greek names, two phones, a
// mail address, an address with escaped commas, a birthday with or without year, Apple-style
// labelled items on every third card, a note with line breaks, and a small photo on every
// twentieth.
VCard generatedCard(int number, std::mt19937& random) {
    static const char* const given[] = {"Anna", "Пётр", "Ελένη", "John", "Мария", "Νίκος"};
    static const char* const family[] = {"Smith", "Иванова", "Παπαδόπουλος", "O'Neil", "Кузнецов", "Γεωργίου"};
    const std::string first = given[random() % 6];
    const std::string last = family[random() % 6];
    VCard card;
    card.add(VCardProperty("VERSION", "4.0"));
    card.add(VCardProperty("UID", "urn:uuid:" + std::to_string(1000000 + number)));
    card.add(VCardProperty("FN", first + " " + last));
    VCardProperty name("N", "");
    name.setComponents({{last}, {first}, {}, {}, {}});
    card.add(name);
    VCardProperty cell("TEL", "");
    cell.setParameter("TYPE", {"cell", "voice"});
    cell.setRawValue("tel:+7-912-" + std::to_string(1000000 + random() % 9000000));
    card.add(cell);
    VCardProperty mail("EMAIL", "user" + std::to_string(number) + "@example.org");
    mail.setParameter("TYPE", {"home"});
    card.add(mail);
    VCardProperty address("ADR", "");
    address.setParameter("TYPE", {"home"});
    address.setComponents({{}, {}, {"ул. Тверская, " + std::to_string(number % 200)}, {"Москва"}, {}, {"125009"}, {}});
    card.add(address);
    card.add(VCardProperty("BDAY", number % 4 == 0 ? "--0525" : "19" + std::to_string(50 + number % 50) + "0525"));
    if (number % 3 == 0) {
        VCardProperty url("URL", "https://example.org/" + std::to_string(number));
        url.setGroup("item1");
        card.add(url);
        VCardProperty label("X-ABLabel", "_$!<HomePage>!$_");
        label.setGroup("item1");
        card.add(label);
    }
    card.add(VCardProperty("NOTE", "Met at the conference; likes jazz, theatre\nand long walks. Ζήτω!"));
    if (number % 20 == 0) {
        VCardProperty photo("PHOTO", "");
        std::string data = "data:image/jpeg;base64,";
        for (int i = 0; i < 2000; ++i) data += "ABCDEFGHabcdefgh0123+/"[random() % 22];
        photo.setRawValue(data);
        card.add(photo);
    }
    return card;
}

std::filesystem::path benchFile() {
    return std::filesystem::temp_directory_path() / ("torvalet-vcard-bench-" + std::to_string(getpid()) + ".vcf");
}

double heapKB() { return static_cast<double>(mallinfo2().uordblks) / 1024; }

double peakResidentMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

// Writes the file the reading benchmarks read; returns its size.
std::uintmax_t writeFile(const std::filesystem::path& path, double* peakHeapKB = nullptr) {
    std::mt19937 random(22);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    VCardWriter writer(out);
    const double before = heapKB();
    double peak = 0;
    for (int number = 0; number < kCards; ++number) {
        writer.write(generatedCard(number, random));
        if (number % 100 == 0) peak = std::max(peak, heapKB() - before);
    }
    out.close();
    if (peakHeapKB) *peakHeapKB = peak;
    return std::filesystem::file_size(path);
}

void BM_WriteCards(benchmark::State& state) {
    const std::filesystem::path path = benchFile();
    std::uintmax_t size = 0;
    double peak = 0;
    for (auto _ : state) size = writeFile(path, &peak);
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kCards);
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
    state.counters["peak_heap_KB"] = peak;
    state.counters["peak_rss_MB"] = peakResidentMB();
}
BENCHMARK(BM_WriteCards)->Unit(benchmark::kMillisecond);

// Streams the file, decoding the names of every card, as an import does.
void BM_ReadCards(benchmark::State& state) {
    const std::filesystem::path path = benchFile();
    const std::uintmax_t size = writeFile(path);
    double peak = 0;
    for (auto _ : state) {
        VCardReader reader(path);
        const double before = heapKB();
        int count = 0;
        while (std::optional<VCard> card = reader.next()) {
            std::string fullName = card->find("FN")->text();
            benchmark::DoNotOptimize(fullName.data());
            benchmark::DoNotOptimize(card->find("N")->components());
            if (++count % 100 == 0) peak = std::max(peak, heapKB() - before);
        }
        if (count != kCards || !reader.issues().empty()) state.SkipWithError("the generated file did not read back");
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kCards);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.counters["peak_heap_KB"] = peak;
    state.counters["peak_rss_MB"] = peakResidentMB();
}
BENCHMARK(BM_ReadCards)->Unit(benchmark::kMillisecond);

// Reads every card and writes it back unchanged, as an export of imported cards does.
void BM_ReadAndWriteBack(benchmark::State& state) {
    const std::filesystem::path path = benchFile();
    const std::filesystem::path copy = path.string() + ".copy";
    writeFile(path);
    for (auto _ : state) {
        VCardReader reader(path);
        std::ofstream out(copy, std::ios::binary | std::ios::trunc);
        VCardWriter writer(out);
        while (std::optional<VCard> card = reader.next()) writer.write(*card);
    }
    std::filesystem::remove(path);
    std::filesystem::remove(copy);
    state.SetItemsProcessed(state.iterations() * kCards);
    state.counters["peak_rss_MB"] = peakResidentMB();
}
BENCHMARK(BM_ReadAndWriteBack)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvalet
