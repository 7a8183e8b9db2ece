#include "RecurringEvents.h"

#include <cstdio>
#include <fstream>
#include <random>

#include "app/Organizer.h"
#include "trees/ItemTree.h"
#include "trees/TreeFileIo.h"

namespace torvalet::bench {

namespace {

const char* const weekdays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string twoDigits(int n) {
    char text[4];
    std::snprintf(text, sizeof text, "%02d", n % 100);
    return text;
}

// One event of the calendar and its line of the reminder file.
std::string remindLine(EventRecord& event, std::mt19937& random, int index) {
    static constexpr int kinds[] = {2, 3, 4, 4, 5, 6, 7};
    const int kind = kinds[random() % std::size(kinds)];
    const int day = 1 + static_cast<int>(random() % 28), month = 1 + static_cast<int>(random() % 12);
    const int year = kind == 5 ? 2026 + static_cast<int>(random() % 2) : 1950 + static_cast<int>(random() % 76);
    event.kind = kind;
    event.date = twoDigits(day) + "." + twoDigits(month) + "." + twoDigits(year);
    event.time = twoDigits(7 + static_cast<int>(random() % 14)) + ":" + twoDigits(5 * static_cast<int>(random() % 12));
    event.text = "Event " + std::to_string(index);
    const std::string tail = " AT " + event.time + " MSG " + event.text + "\n";
    switch (kind) {
    case 2: {
        const int weekday = static_cast<int>(random() % 7);
        event.weekDays = static_cast<std::uint8_t>(1 << weekday);
        return std::string("REM ") + weekdays[weekday] + tail;
    }
    case 3: return "REM " + std::to_string(day) + " +3" + tail;
    case 4: return std::string("REM ") + months[month - 1] + " " + std::to_string(day) + " +3" + tail;
    case 5: return "REM " + std::to_string(day) + " " + months[month - 1] + " " + std::to_string(year) + " +3" + tail;
    case 6: return "REM 1 -1" + tail;
    default: return "REM 1" + tail;
    }
}

}  // namespace

void writeRecurringEvents(const std::filesystem::path& home, const std::filesystem::path& remindFile, int count) {
    Organizer::provision(AppPaths{home});
    std::mt19937 random(2026);
    ItemTree calendar("CalendarTree", RecordFamily::Events);
    std::ofstream remind(remindFile, std::ios::binary);
    for (int i = 0; i < count; ++i) remind << remindLine(calendar.appendChild()->record<EventRecord>(), random, i);
    saveTreeFile(calendar, home / "calendar.clnd", TextCodec());
}

}  // namespace torvalet::bench
