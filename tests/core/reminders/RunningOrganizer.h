#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "fakes/StoreReads.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "trees/ItemTree.h"

namespace torvalet::testing {

// A task row as the store holds it, with the columns the reminder clock looks at.
struct TaskRow {
    std::string task = {};
    std::string date = {}, time = {}, date2 = {}, time2 = {};  // dates as YYYY-MM-DD
    std::string remindflag = "+";
    std::string stateKey = {}, typeKey = {}, doflag = {};
};

inline EventRecord event(int kind, std::string date, std::string time, std::string text, std::uint8_t weekDays = 0) {
    EventRecord event;
    event.kind = kind;
    event.date = std::move(date);
    event.time = std::move(time);
    event.text = std::move(text);
    event.weekDays = weekDays;
    return event;
}

inline ContactRecord contact(std::string official, std::string birthday, std::string nameDay = {},
                             std::string specialDay = {}, int kind = 1) {
    ContactRecord contact;
    contact.official = std::move(official);
    contact.birthday = std::move(birthday);
    contact.nameDay = std::move(nameDay);
    contact.specialDay = std::move(specialDay);
    contact.kind = kind;
    return contact;
}

// The organiser started over a new application folder at a chosen moment, its window shown,
// with a way to put rows, events and contacts in and to read the store back.
class RunningOrganizer : public ::testing::Test {
protected:
    RunningOrganizer() { Organizer::provision(AppPaths{dir.path()}); }

    void startAt(int y, int mo, int d, int h, int mi, int s = 0) {
        fakes.clock.set(y, mo, d, h, mi, s);
        organizer = std::make_unique<Organizer>(fakes.services, dir.path());
        organizer->start();
        organizer->firstShow();
    }
    void tickAt(int y, int mo, int d, int h, int mi, int s = 0) {
        fakes.clock.set(y, mo, d, h, mi, s);
        clock().tick();
    }
    ReminderClock& clock() { return organizer->reminders().clock; }

    void addRow(const TaskRow& row) {
        SqlStatement insert = organizer->store().database()->prepare(
            "insert into tasks (Task, Date, Time, Date2, Time2, Remindflag, StateKey, TypeKey, Doflag) "
            "values (?, ?, ?, ?, ?, ?, ?, ?, ?)");
        int column = 1;
        for (const std::string* value : {&row.task, &row.date, &row.time, &row.date2, &row.time2, &row.remindflag,
                                         &row.stateKey, &row.typeKey, &row.doflag})
            insert.bind(column++, *value);
        insert.step();
        organizer->store().listRows.refresh();
    }
    std::vector<std::string> column(const std::string& sql) { return firstColumn(*organizer->store().database(), sql); }
    std::string field(const std::string& name, const std::string& task) {
        return taskField(*organizer->store().database(), name, task);
    }
    std::vector<std::string> tasksOf(const std::string& isoDate) {
        return column("select Task from tasks where Date = '" + isoDate +
                      "' and TypeKey = '         1' order by rowid");
    }
    void clearTasks() {
        organizer->store().database()->execute("delete from tasks");
        organizer->store().listRows.refresh();
    }
    int cuesPlayed(const std::string& cue) {
        int count = 0;
        for (const std::string& path : fakes.sound.played) count += path.ends_with(cue);
        return count;
    }
    const std::vector<std::string>& padLines() { return organizer->messagePad().lines(); }
    // The message pad's lines that hold `text`, newest first.
    std::vector<std::string> linesWith(const std::string& text) {
        std::vector<std::string> lines;
        for (const std::string& line : padLines())
            if (line.find(text) != std::string::npos) lines.push_back(line);
        return lines;
    }
    // Closes the organiser as the window's close would and starts it again at that moment.
    void restartAt(int y, int mo, int d, int h, int mi, int s = 0) {
        organizer->close();
        organizer.reset();
        startAt(y, mo, d, h, mi, s);
    }

    TreeNode* addEvent(const EventRecord& event, TreeNode* parent = nullptr) {
        TreeNode* node = organizer->trees().get(TreeId::CalendarTree).appendChild(parent);
        node->record<EventRecord>() = event;
        return node;
    }
    TreeNode* addContact(const ContactRecord& contact, TreeNode* parent = nullptr) {
        TreeNode* node = organizer->trees().get(TreeId::ContactsTree).appendChild(parent);
        node->record<ContactRecord>() = contact;
        return node;
    }

    TempDir dir;
    FakeServices fakes;
    std::unique_ptr<Organizer> organizer;
};

}  // namespace torvalet::testing
