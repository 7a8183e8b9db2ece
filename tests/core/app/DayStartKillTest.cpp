// A kill at any moment of a first start of a day leaves none or all of the day's rows, and the
// next start completes the day once. Built on its own: it stands in for the C library's rename
// to stop the process around each one, and watches every commit of the store.

#include <fcntl.h>
#include <sqlite3.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "fakes/StoreReads.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "trees/ContactRecord.h"
#include "trees/EventRecord.h"
#include "trees/ItemTree.h"
#include "trees/TreeFileIo.h"

namespace {

// The point at which the process dies (0 for none), counted over renames and commits.
int killAtPoint = 0;
int pointsPassed = 0;

void point() {
    if (killAtPoint && ++pointsPassed == killAtPoint) _exit(9);
}

int afterCommit(void*, sqlite3*, const char*, int) {
    point();
    return SQLITE_OK;
}

int watchCommits(sqlite3* db, char**, const sqlite3_api_routines*) {
    sqlite3_wal_hook(db, afterCommit, nullptr);
    return SQLITE_OK;
}

}  // namespace

// Before and after the rename, a point each.
extern "C" int rename(const char* from, const char* to) noexcept {
    point();
    const int result = renameat(AT_FDCWD, from, AT_FDCWD, to);
    point();
    return result;
}

namespace torvalet {
namespace {

namespace fs = std::filesystem;

void makeProfile(const fs::path& home) {
    Organizer::provision(AppPaths{home});
    testing::writeText(home / "torvalet.ini",
                       "[General]\nfInsertTimeMarks=1\nfMuteExpiredTasks=1\nfShiftMutedTasks=1\n");
    ItemTree events(TreeId::CalendarTree);
    for (int i = 0; i < 20; ++i) {
        EventRecord& event = events.appendChild()->record<EventRecord>();
        event.kind = 3;
        event.date = "09.01.26";
        event.time = "10:00";
        event.text = "event " + std::to_string(i);
    }
    saveTreeFile(events, home / "calendar.clnd", TextCodec());
    ItemTree contacts(TreeId::ContactsTree);
    ContactRecord& anna = contacts.appendChild()->record<ContactRecord>();
    anna.official = "Anna";
    anna.birthday = "10.12.80";
    saveTreeFile(contacts, home / "contacts.co", TextCodec());
    Database db(TaskStore::storeFile(home / "Data"), false);
    db.execute(
        "insert into tasks (Task, Date, Time, StateKey, TypeKey) values ('open', '2026-12-07', '10:00', '', '')");
}

void startAndClose(const fs::path& home, int hour) {
    testing::FakeServices fakes;
    fakes.clock.set(2026, 12, 8, hour, 0);
    Organizer organizer(fakes.services, home);
    organizer.start();
    organizer.firstShow();
    organizer.close();
}

std::vector<std::string> dayRows(const fs::path& home) {
    Database db(TaskStore::storeFile(home / "Data"), false);
    return testing::firstColumn(db,
                                "select Date || ' ' || TypeKey || ' ' || StateKey || ' ' || Task from tasks "
                                "order by Date, TypeKey, Task");
}

TEST(DayStartKillTest, AKillAtAnyRenameOrCommitLeavesTheDayForTheNextStartToCompleteOnce) {
    ASSERT_EQ(sqlite3_auto_extension(reinterpret_cast<void (*)()>(watchCommits)), SQLITE_OK);
    std::vector<std::string> complete;
    {
        testing::TempDir clean;
        makeProfile(clean.path());
        startAndClose(clean.path(), 8);
        complete = dayRows(clean.path());
    }
    ASSERT_GT(complete.size(), 30u);
    int kills = 0;
    for (int point = 1;; ++point) {
        ASSERT_LT(point, 500) << "the start never ran through";
        testing::TempDir dir;
        makeProfile(dir.path());
        fflush(nullptr);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            killAtPoint = point;
            try {
                startAndClose(dir.path(), 8);
            } catch (...) {
                _exit(3);
            }
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        const bool killed = WEXITSTATUS(status) == 9;
        ASSERT_TRUE(killed || WEXITSTATUS(status) == 0) << "point " << point;
        startAndClose(dir.path(), 9);
        EXPECT_EQ(dayRows(dir.path()), complete) << "killed at point " << point;
        if (!killed) break;
        ++kills;
    }
    EXPECT_GT(kills, 3);
}

}  // namespace
}  // namespace torvalet
