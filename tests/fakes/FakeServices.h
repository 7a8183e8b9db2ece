#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "headless/MemoryClipboard.h"
#include "platform/Clock.h"
#include "platform/HotKeys.h"
#include "platform/Locale.h"
#include "platform/Notices.h"
#include "platform/PerUserStore.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "platform/SleepWatch.h"
#include "platform/Sound.h"
#include "platform/UserInterface.h"

namespace torvalet::testing {

class FakeClock : public Clock {
public:
    DateTime current{Date::fromYmd(2026, 12, 8), 9, 5, 0};
    DateTime now() const override { return current; }
    void set(int y, int mo, int d, int h, int mi, int s = 0) { current = {Date::fromYmd(y, mo, d), h, mi, s}; }
};

class FakeLocale : public Locale {
public:
    std::string format = "dd.MM.yyyy";
    std::string shortDateFormat() const override { return format; }
};

class FakeUserInterface : public UserInterface {
public:
    std::vector<std::string> messages;
    // The messages shown with the warning icon (also in `messages`).
    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    bool answer = true;
    std::deque<std::optional<std::string>> fileAnswers;
    int propertiesShown = 0;
    // Runs while a message is shown, as the user would act while its box is open.
    std::function<void(const std::string&)> onMessage;

    void showMessage(const std::string& text) override {
        messages.push_back(text);
        if (onMessage) onMessage(text);
    }
    void showWarning(const std::string& text) override {
        warnings.push_back(text);
        showMessage(text);
    }
    bool askYesNo(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    std::optional<std::string> chooseFileToOpen(const std::string&, const std::string&) override { return nextFile(); }
    std::optional<std::string> chooseFileToSave(const std::string&, const std::string&) override { return nextFile(); }
    // Runs when the task properties dialog is asked for (a window test shows the real one).
    std::function<void(bool modal)> onTaskProperties;
    void showTaskProperties(bool modal) override {
        ++propertiesShown;
        if (onTaskProperties) onTaskProperties(modal);
    }

private:
    std::optional<std::string> nextFile() {
        if (fileAnswers.empty()) return std::nullopt;
        auto file = fileAnswers.front();
        fileAnswers.pop_front();
        return file;
    }
};

class FakeShell : public Shell {
public:
    std::vector<DesktopRequest> requests;
    bool succeed = true;
    bool open(const DesktopRequest& request) override {
        requests.push_back(request);
        return succeed;
    }
};

class FakeHotKeys : public HotKeys {
public:
    struct Combination {
        unsigned flags = 0;
        unsigned key = 0;
        auto operator<=>(const Combination&) const = default;
    };
    bool desktopHasKeys = true;
    std::map<std::uint16_t, Combination> registered;
    std::set<Combination> heldByOthers;
    PressHandler handler;

    bool available() const override { return desktopHasKeys; }
    bool registerKey(std::uint16_t id, unsigned flags, unsigned key) override {
        const Combination wanted{flags, key};
        if (!desktopHasKeys || heldByOthers.count(wanted)) return false;
        for (const auto& [other, taken] : registered)
            if (taken == wanted) return false;
        registered[id] = wanted;
        return true;
    }
    void releaseKey(std::uint16_t id) override { registered.erase(id); }
    void setHandler(PressHandler h) override { handler = std::move(h); }
    // The user presses a combination: it reaches the handler when it is registered.
    void press(unsigned flags, unsigned key) {
        for (const auto& [id, taken] : registered)
            if (taken == Combination{flags, key} && handler) handler(id, flags, key);
    }
};

// Every balloon, reminders among them; a reminder's snooze is chosen with choose().
class FakeNotices : public Notices {
public:
    struct Balloon {
        std::string title, text;
    };
    std::vector<Balloon> balloons;
    std::vector<ReminderNotice> reminders;
    SnoozeHandler snoozeHandler;
    void showBalloon(const std::string& title, const std::string& text, int) override {
        balloons.push_back({title, text});
    }
    void showReminder(const ReminderNotice& notice, int) override {
        reminders.push_back(notice);
        balloons.push_back({notice.title, notice.text});
    }
    void setSnoozeHandler(SnoozeHandler handler) override { snoozeHandler = std::move(handler); }
    // The user picks the snooze of `minutes` on the last reminder.
    void choose(int minutes) {
        if (snoozeHandler && !reminders.empty()) snoozeHandler(reminders.back().taskRow, minutes);
    }
};

class FakeSound : public Sound {
public:
    std::vector<std::string> played;
    std::optional<SoundError> failure;
    std::function<void(const SoundError&)> errorHandler;
    std::optional<SoundError> play(const std::string& path) override {
        played.push_back(path);
        return failure;
    }
    void stop() override {}
    void setErrorHandler(std::function<void(const SoundError&)> handler) override { errorHandler = std::move(handler); }
};

// The computer sleeps and wakes when the test says so.
class FakeSleepWatch : public SleepWatch {
public:
    Handler handler;
    void setHandler(Handler h) override { handler = std::move(h); }
    void sleep() {
        if (handler) handler(true);
    }
    void wake() {
        if (handler) handler(false);
    }
};

using FakeClipboard = MemoryClipboard;

class FakePerUserStore : public PerUserStore {
public:
    std::map<std::string, std::vector<std::string>> lists;
    std::vector<std::string> readList(const std::string& name) const override {
        auto it = lists.find(name);
        return it == lists.end() ? std::vector<std::string>{} : it->second;
    }
    void writeList(const std::string& name, const std::vector<std::string>& items) override { lists[name] = items; }
};

// Every fake, and the Services bundle over them.
struct FakeServices {
    FakeClock clock;
    FakeLocale locale;
    FakeUserInterface ui;
    FakeShell shell;
    FakeHotKeys hotKeys;
    FakeNotices notices;
    FakeSound sound;
    FakeClipboard clipboard;
    FakePerUserStore perUserStore;
    Services services{clock, locale, ui, shell, hotKeys, notices, sound, clipboard, perUserStore};
};

}  // namespace torvalet::testing

namespace torvalet {

// How a failing expectation shows a request.
inline std::ostream& operator<<(std::ostream& out, const DesktopRequest& request) {
    return out << describe(request) << " (in " << request.folder << ')';
}

}  // namespace torvalet
