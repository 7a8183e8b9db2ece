#include <benchmark/benchmark.h>

#include <array>
#include <optional>
#include <random>
#include <string>

#include "model/ViewState.h"
#include "navigation/Navigation.h"
#include "navigation/TreeDisplay.h"
#include "platform/UserInterface.h"
#include "trees/ContactRecord.h"
#include "trees/GoalRecord.h"
#include "trees/ItemTreeSet.h"
#include "trees/TreeEditGuard.h"

namespace torvalet {
namespace {

// 1,000 top-level groups, each with 9 members of 10 members each: 100,000 items.
constexpr int kTopLevel = 1000;
constexpr int kChildren = 9;
constexpr int kGrandChildren = 10;

const std::array<const char*, 16> firstNames = {"Anna",  "Boris", "Clara", "David", "Elena", "Fjodor", "Greta", "Hugo",
                                                "Ирина", "Юрий",  "Olga",  "Peter", "Rosa",  "Sven",   "Ελένη", "Zoe"};
const std::array<const char*, 12> lastNames = {"Garden", "Miller", "Smith", "Petrov", "Иванова", "Novak",
                                               "Rossi",  "Berg",   "Young", "Keller", "Παππάς",  "Weber"};
const std::array<const char*, 8> cities = {"Madrid, Spain", "Berlin", "Москва", "Lyon",
                                           "Αθήνα",         "Prague", "Oslo",   "Dublin"};

// The sixteen trees with the navigation over them; the contact and goal trees hold 100,000
// items each, every item expanded.
struct Organised {
    ViewState view;
    ItemTreeSet trees;
    // Nothing is shown.
    struct : TreeDisplay {
    } display;
    // Nobody answers: no tree is kept, so nothing is asked.
    struct : UserInterface {
        void showMessage(const std::string&) override {}
        bool askYesNo(const std::string&) override { return false; }
        std::optional<std::string> chooseFileToOpen(const std::string&, const std::string&) override { return {}; }
        std::optional<std::string> chooseFileToSave(const std::string&, const std::string&) override { return {}; }
        void showTaskProperties(bool) override {}
    } ui;
    TreeEditGuard guard{ui, [] { return 0; }, [](TreeId) { return false; }};
    Navigation navigation{trees, view, display, guard};
    ItemTree& contacts = trees.get(TreeId::ContactsTree);
    ItemTree& goals = trees.get(TreeId::DayGoalTree);

    Organised() {
        std::mt19937 random(20261210);
        const auto pick = [&random](const auto& list) { return list[random() % list.size()]; };
        contacts.clear();
        goals.clear();
        int number = 0;
        const auto add = [&](TreeNode* contactParent, TreeNode* goalParent) {
            TreeNode* contact = contacts.appendChild(contactParent);
            ContactRecord& c = contact->record<ContactRecord>();
            c.firstName = pick(firstNames);
            c.lastName = pick(lastNames);
            c.official = c.firstName + " " + c.lastName + " " + std::to_string(number);
            c.address = std::to_string(number % 200) + " Main Street\n" + pick(cities);
            c.kind = static_cast<std::int32_t>(random() % 6);
            contact->setFlag(NodeFlag::Expanded, true);
            TreeNode* goal = goals.appendChild(goalParent);
            GoalRecord& g = goal->record<GoalRecord>();
            g.text = std::string("Call ") + c.firstName + " about item " + std::to_string(number++);
            g.description = pick(cities);
            g.state = static_cast<std::int32_t>(random() % 8);
            goal->setFlag(NodeFlag::Expanded, true);
            return std::pair{contact, goal};
        };
        for (int i = 0; i < kTopLevel; ++i) {
            const auto [contact, goal] = add(nullptr, nullptr);
            for (int j = 0; j < kChildren; ++j) {
                const auto [child, childGoal] = add(contact, goal);
                for (int k = 0; k < kGrandChildren; ++k) add(child, childGoal);
            }
        }
    }
};

// The contact name filter as the user types "garden" key by key; each iteration is one key.
void BM_ContactFilterPerKey(benchmark::State& state) {
    Organised o;
    const std::string word = "garden";
    std::size_t typed = 0;
    for (auto _ : state) {
        typed = typed % word.size() + 1;
        o.navigation.filters().editChanged(NavFamily::Contacts, word.substr(0, typed));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(o.contacts.nodeCount()));
}
BENCHMARK(BM_ContactFilterPerKey)->Unit(benchmark::kMillisecond);

// The same with a Cyrillic word, which takes the case mapping of every name that is not ASCII.
void BM_ContactFilterPerKeyCyrillic(benchmark::State& state) {
    Organised o;
    const std::string word = "иванова";
    std::size_t typed = 0;
    for (auto _ : state) {
        typed = typed % word.size() + 2;  // two bytes a letter
        o.navigation.filters().editChanged(NavFamily::Contacts, word.substr(0, typed));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(o.contacts.nodeCount()));
}
BENCHMARK(BM_ContactFilterPerKeyCyrillic)->Unit(benchmark::kMillisecond);

void BM_GoalFilterPerKey(benchmark::State& state) {
    Organised o;
    const std::string word = "madrid";
    std::size_t typed = 0;
    for (auto _ : state) {
        typed = typed % word.size() + 1;
        o.navigation.filters().editChanged(NavFamily::Goals, word.substr(0, typed));
    }
}
BENCHMARK(BM_GoalFilterPerKey)->Unit(benchmark::kMillisecond);

void BM_GoalStateFilter(benchmark::State& state) {
    Organised o;
    int index = 0;
    for (auto _ : state) o.navigation.filters().listChanged(NavFamily::Goals, index++ % 8);
}
BENCHMARK(BM_GoalStateFilter)->Unit(benchmark::kMillisecond);

// "Contacts Level 2" and "Contacts Show All Levels" in turn.
void BM_ShowLevel(benchmark::State& state) {
    Organised o;
    bool all = false;
    for (auto _ : state) {
        if (all) {
            o.navigation.levels().showAllLevels(o.contacts);
        } else {
            o.navigation.levels().showLevel(o.contacts, 1);
        }
        all = !all;
    }
}
BENCHMARK(BM_ShowLevel)->Unit(benchmark::kMillisecond);

// "Collapse All Contacts" and "Expand All Contacts" in turn.
void BM_CollapseAll(benchmark::State& state) {
    Organised o;
    bool expand = false;
    for (auto _ : state) {
        if (expand) {
            o.navigation.levels().expandAllOf(NavFamily::Contacts);
        } else {
            o.navigation.levels().collapseAllOf(NavFamily::Contacts);
        }
        expand = !expand;
    }
}
BENCHMARK(BM_CollapseAll)->Unit(benchmark::kMillisecond);

// Key C with the last item selected.
void BM_CollapseAllButSelected(benchmark::State& state) {
    Organised o;
    o.contacts.selectOnly(o.contacts.root()->lastChild()->lastChild()->lastChild());
    for (auto _ : state) o.navigation.levels().collapseAllButSelected(o.contacts);
}
BENCHMARK(BM_CollapseAllButSelected)->Unit(benchmark::kMillisecond);

// Enter in the contact bar with the first name of no contact: the whole tree is searched.
void BM_FindWithoutMatch(benchmark::State& state) {
    Organised o;
    o.navigation.bars().of(NavFamily::Contacts).text = "Nobody";
    for (auto _ : state) o.navigation.filters().editEnter(NavFamily::Contacts);
}
BENCHMARK(BM_FindWithoutMatch)->Unit(benchmark::kMillisecond);

// The general tags (1,000) and the letter tags of "r" (every Rosa at any depth) in turn.
void BM_TagRebuild(benchmark::State& state) {
    Organised o;
    bool letter = false;
    for (auto _ : state) {
        if (letter) {
            o.navigation.tags().buildLetterContactTags("r");
        } else {
            o.navigation.tags().buildGeneralContactTags();
        }
        letter = !letter;
    }
}
BENCHMARK(BM_TagRebuild)->Unit(benchmark::kMillisecond);

// "Show Men": every contact of kind 1, about a sixth of the tree.
void BM_TypeTags(benchmark::State& state) {
    Organised o;
    for (auto _ : state) o.navigation.tags().buildContactKindTags(1);
}
BENCHMARK(BM_TypeTags)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvalet
