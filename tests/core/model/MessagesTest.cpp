#include <gtest/gtest.h>

#include <string>

#include "model/Messages.h"

namespace torvalet {
namespace {

TEST(Messages, EveryIdHasAnEnglishText) {
    for (std::size_t i = 0; i < messageCount; ++i) {
        const auto id = static_cast<MessageId>(i);
        EXPECT_FALSE(message(id, Language::english).empty()) << i;
        EXPECT_EQ(messageTable()[i].id, id) << i;
    }
}

// The texts each language shows today, where the languages part ways.
TEST(Messages, EachLanguageShowsItsText) {
    const struct {
        MessageId id;
        Language language;
        std::string expected;
    } cases[] = {
        {MessageId::NoSelectedNodes, Language::english, "There are no selected nodes!"},
        {MessageId::NoSelectedNodes, Language::macedonian, "Не выбраны узлы дерева!"},
        {MessageId::NoSelectedNodes, Language::hellenic, "There are no selected nodes!"},
        {MessageId::ClearMessagePadQuestion, Language::russian, "Вы действительно хотите очистить MessagePad?"},
        {MessageId::ClearMessagePadQuestion, Language::macedonian, "Are you sure to clear MessagePad?"},
        {MessageId::DeleteDoneTasksQuestion, Language::macedonian, "Are you sure to delete done tasks?"},
        {MessageId::Wednesday, Language::english, "We"},
        {MessageId::Wednesday, Language::macedonian, "Ср"},
        {MessageId::Wednesday, Language::hellenic, ""},
        {MessageId::Wednesday, Language(7), ""},
        {MessageId::BirthdayLabel, Language::hellenic, ""},
        {MessageId::HourPassed, Language(-1), "Attention! Yet another hour passed!"},
        {MessageId::TaskEnds, Language::russian, " Время закончить задачу"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(message(c.id, c.language), c.expected)
            << static_cast<int>(c.id) << " in language " << c.language.index();
    }
}

TEST(Messages, TheArgumentTakesThePlaceOfItsMark) {
    const struct {
        MessageId id;
        Language language;
        std::string argument;
        std::string expected;
    } cases[] = {
        {MessageId::DeleteDayTasksQuestion, Language::russian, "01.02.26", "Удалить  задачи за 01.02.26?"},
        {MessageId::DeleteDayTasksQuestion, Language::macedonian, "01.02.26",
         "Are you sure to delete 01.02.26 day tasks?"},
        {MessageId::DeleteDoneDayTasksQuestion, Language::macedonian, "01.02.26", "Удалить задачи за 01.02.26?"},
        // An argument that holds the mark itself is taken as it is.
        {MessageId::TreeFileKept, Language::english, "/home/a/%1.tree",
         "/home/a/%1.tree could not be read and is kept as it is; changes here are not saved."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(message(c.id, c.language, c.argument), c.expected) << static_cast<int>(c.id);
    }
}

}  // namespace
}  // namespace torvalet
