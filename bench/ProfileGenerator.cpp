#include "ProfileGenerator.h"

#include <cstdio>
#include <random>
#include <string>
#include <type_traits>

#include "app/Provisioning.h"
#include "model/AppFolder.h"
#include "tasks/Database.h"
#include "tasks/LookupKey.h"
#include "tasks/TaskStore.h"
#include "trees/ItemTree.h"
#include "trees/RecordFields.h"
#include "trees/RecordNode.h"
#include "trees/TreeFileIo.h"
#include "trees/TreeFileKeeper.h"
#include "trees/TreeTable.h"

namespace torvalet::bench {

namespace {

const char* const words[] = {"call", "buy",     "write",  "report", "meeting", "bank",  "doctor", "review",  "plan",
                             "send", "invoice", "garden", "car",    "project", "email", "book",   "tickets", "idea"};

std::string sentence(std::mt19937& random, int wordCount) {
    std::string text;
    for (int i = 0; i < wordCount; ++i) text += (i ? " " : "") + std::string(words[random() % std::size(words)]);
    return text;
}

std::string timeOf(int minutes) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
    return text;
}

// A key from a weighted list of key numbers, 0 standing for the empty key.
std::string pick(std::mt19937& random, std::initializer_list<int> numbers) {
    const int n = *(numbers.begin() + random() % numbers.size());
    return n ? makeLookupKey(n) : std::string();
}

// A text of 0 to `longest` characters, a quarter of them Cyrillic (two bytes each).
std::string someText(std::mt19937& random, int longest) {
    static const char* const treeWords[] = {"plan", "call", "отчёт", "meeting", "письмо", "budget", "review", "дом"};
    const int length = static_cast<int>(random() % static_cast<unsigned>(longest + 1));
    std::string text;
    while (static_cast<int>(text.size()) < length) {
        if (!text.empty()) text += ' ';
        text += treeWords[random() % 8];
    }
    return text;
}

// Fills every text field (the first longer, notes sometimes long) and every number.
template <class Record>
void fillRecord(Record& record, std::mt19937& random) {
    int field = 0;
    visitFields(record, [&](const char* name, auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, RecordText>) {
            const bool note = std::string_view(name) == "Note";
            value = someText(random, field == 0 ? 60 : note && random() % 10 == 0 ? 400 : 24);
        } else {
            value = static_cast<std::decay_t<decltype(value)>>(random() % 8);
        }
        ++field;
    });
}

}  // namespace

void fillOutline(ItemTree& tree, int nodes) {
    std::mt19937 random(7);
    TreeNode* parents[4] = {};
    for (int i = 0; i < nodes; ++i) {
        const int level = i == 0 ? 0 : static_cast<int>(random() % 4);
        TreeNode* parent = nullptr;
        for (int up = level - 1; up >= 0 && !parent; --up) parent = parents[up];
        TreeNode* node = tree.appendChild(parent);
        visitRecord(*node, [&](auto&... record) { (fillRecord(record, random), ...); });
        parents[level] = node;
        if (random() % 50 == 0) tree.select(node);
    }
}

void generateTreeFiles(const std::filesystem::path& home, int nodes) {
    for (const TreeInfo& file : treeFiles()) {
        ItemTree tree(file.id);
        fillOutline(tree, nodes);
        saveTreeFile(tree, home / file.fileName, TextCodec());
    }
}

void generateTaskProfile(const std::filesystem::path& home, int rows, Date today) {
    provisionApplicationFolder(AppPaths{home}, [&home] { TreeFileKeeper::provision(home, TextCodec()); });
    Database db(TaskStore::storeFile(AppPaths{home}.data()), false);
    Transaction transaction(db);
    SqlStatement insert = db.prepare(
        "insert into tasks (Date, Date2, Task, Time, Time2, Procent, Remindflag, Doflag, Project, DoerKey, StateKey, "
        "TypeKey, Prior_key, Comment) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    std::mt19937 random(20261208);
    const int days = 5 * 365;
    for (int i = 0; i < rows; ++i) {
        const Date day = today.addDays(-days + static_cast<int>(random() % (days + 30)));
        const int start = 7 * 60 + static_cast<int>(random() % (14 * 60));
        const std::string state = pick(random, {0, 0, 0, 1, 1, 1, 1, 2, 3, 4, 5, 6, 7});
        const std::string type = pick(random, {0, 0, 0, 0, 1, 1, 2, 3, 5, 6, 6, 8, 12, 14, 15, 18, 27, 28});
        const bool past = day < today;
        const SqlValue values[] = {day.toIso(),
                                   day.addDays(static_cast<int>(random() % 3)).toIso(),
                                   sentence(random, 2 + static_cast<int>(random() % 9)),
                                   timeOf(start),
                                   timeOf(std::min(start + 60, 23 * 60 + 59)),
                                   state == makeLookupKey(1) ? 100.0 : 0.0,
                                   std::string(past ? "!" : (random() % 2 ? "+" : "")),
                                   std::string(),
                                   std::string(random() % 4 ? "" : "Home"),
                                   std::string(),
                                   state,
                                   type,
                                   pick(random, {0, 0, 0, 1, 2, 3, 4, 5}),
                                   std::string(random() % 5 ? "" : sentence(random, 4))};
        for (int c = 0; c < 14; ++c) insert.bind(c + 1, values[c]);
        insert.step();
        insert.reset();
    }
    transaction.commit();
}

std::filesystem::path keptTaskProfile(const std::string& name, int rows, Date today) {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("torvalet-bench-" + name + "-" + std::to_string(rows));
    if (!std::filesystem::exists(home / "Data")) generateTaskProfile(home, rows, today);
    return home;
}

}  // namespace torvalet::bench
