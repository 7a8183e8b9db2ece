#include <gtest/gtest.h>

#include "trees/EventForm.h"
#include "trees/NewItemKinds.h"

namespace torvalet {
namespace {

// The drop-downs offer the dialogs' kinds up to the last one a new item may take, and the
// calendar's under its own short names.
TEST(NewItemKinds, EachPageOffersItsKindsByValue) {
    const struct {
        Page page;
        std::size_t count;
        const char* last;
    } cases[] = {
        {kTasksPage, 13, "Phone ToDo"},
        {kLinksPage, 7, "Search"},
        {kContactsPage, 6, "Link"},
        {kBlocknotePage, 3, "Element"},
        {kCalendarPage, 8, "First Month's Day"},
    };
    for (const auto& row : cases) {
        const std::vector<std::string> captions = newItemKindCaptions(row.page);
        ASSERT_EQ(captions.size(), row.count) << row.page;
        EXPECT_EQ(captions.back(), row.last) << row.page;
    }
    EXPECT_EQ(newItemKindCaptions(kCalendarPage)[2], "Daily");
    EXPECT_EQ(EventForm::eventKindCaptions()[2], "Daily/Weekly");
}

}  // namespace
}  // namespace torvalet
