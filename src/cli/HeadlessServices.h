#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "headless/MemoryClipboard.h"
#include "headless/SystemClock.h"
#include "headless/UserListFile.h"
#include "platform/HotKeys.h"
#include "platform/Locale.h"
#include "platform/Notices.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/UserInterface.h"

namespace torvalet::cli {

// The short date format given on the command line, or the system's (from the C library's locale).
class HeadlessLocale : public Locale {
public:
    explicit HeadlessLocale(std::optional<std::string> format);
    std::string shortDateFormat() const override { return format_; }

private:
    std::string format_;
};

// Messages go to standard error, one per line; questions get the answer given on the command line.
class HeadlessUserInterface : public UserInterface {
public:
    HeadlessUserInterface(std::ostream& err, bool answerYes) : err_(err), yes_(answerYes) {}
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& question) override;
    std::optional<std::string> chooseFileToOpen(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> chooseFileToSave(const std::string&, const std::string&) override { return {}; }
    void showTaskProperties(bool) override {}
    int messageCount() const { return messages_; }

private:
    std::ostream& err_;
    bool yes_;
    int messages_ = 0;
};

// Requests to the desktop are written to standard error instead of being carried out.
class HeadlessShell : public Shell {
public:
    explicit HeadlessShell(std::ostream& err) : err_(err) {}
    bool open(const DesktopRequest& request) override;

private:
    std::ostream& err_;
};

// Without a desktop there are no system-wide keys.
class NoHotKeys : public HotKeys {
public:
    bool available() const override { return false; }
    bool registerKey(std::uint16_t, unsigned, unsigned) override { return false; }
    void releaseKey(std::uint16_t) override {}
    void setHandler(PressHandler) override {}
};

class NoticesToStream : public Notices {
public:
    explicit NoticesToStream(std::ostream& err) : err_(err) {}
    void showBalloon(const std::string& title, const std::string& text, int) override;

private:
    std::ostream& err_;
};

class Silence : public Sound {
public:
    std::optional<SoundError> play(const std::string&) override { return std::nullopt; }
    void stop() override {}
};

struct HeadlessOptions {
    std::optional<DateTime> now;
    std::optional<std::string> dateFormat;
    bool yes = false;
};

struct HeadlessServices {
    HeadlessServices(const HeadlessOptions& options, std::ostream& err);

    SystemClock clock;
    HeadlessLocale locale;
    HeadlessUserInterface ui;
    HeadlessShell shell;
    NoHotKeys hotKeys;
    NoticesToStream notices;
    Silence sound;
    MemoryClipboard clipboard;
    UserListFile perUserStore;
    Services services{clock, locale, ui, shell, hotKeys, notices, sound, clipboard, perUserStore};
};

}  // namespace torvalet::cli
