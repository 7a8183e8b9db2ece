#include "app/Organizer.h"

#include <cstdio>

#include "app/LanguageForms.h"
#include "app/Provisioning.h"
#include "base/FileIo.h"
#include "base/RichText.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/PerUserStore.h"
#include "platform/UserInterface.h"

namespace torvalet {

namespace fs = std::filesystem;

namespace {

const char* const favouriteSearchesList = "FaveGoogleSearches";

std::vector<std::string> listItems(std::string_view bytes) {
    std::vector<std::string> items;
    for (std::size_t end; (end = bytes.find('\n')) != std::string_view::npos; bytes.remove_prefix(end + 1))
        items.emplace_back(bytes.substr(0, end));
    return items;
}

}  // namespace

Organizer::Organizer(const Services& services, fs::path home)
    : services_(services),
      paths_{std::move(home)},
      settingsFile_(paths_.settings(), saves_),
      rules_(listState_, services.clock, services.locale, [this] { return settings_.autoRemind; }),
      messagePadFile_(paths_.messagePad(), saves_),
      textboardFile_(dayFile(today())),
      viewCommands_(view_, messagePad_, services.ui, settings_),
      helpCommands_(services.shell, services.ui, settings_, paths_.home),
      treeFiles_(trees_, paths_.home, saves_),
      treeGuard_(
          services.ui, [this] { return settings_.language; },
          [this](TreeId id) { return treeFiles_.wasUnreadable(id); }),
      cues_(services.sound, services.ui, paths_.sounds(), settings_),
      navigation_(trees_, view_, relay_, treeGuard_),
      treePages_(
          trees_, services_, cues_, view_, settings_, store_.listRows, paths_, codec_, treeGuard_, saves_,
          [this] { return dayTextContext(); }, relay_, navigation_),
      hotKeys_(trees_, services_, treePages_.requests, messagePad_, settings_),
      favouritesList_(
          favouriteSearchesList,
          [this] { return std::optional(listBytes(services_.perUserStore.readList(favouriteSearchesList))); },
          [this](std::string_view bytes) {
              if (!isReadOnly()) services_.perUserStore.writeList(favouriteSearchesList, listItems(bytes));
          }),
      tasks_(TaskContext{services_, paths_, store_, taskList_, listState_, settings_, view_, cues_, codec_, relay_},
             treePages_.goals, treePages_.requests),
      reminders_(
          services_, store_, listState_, settings_, view_, cues_, messagePad_, trees_,
          [this] { return dayTextContext(); }, relay_, tasks_.execution, *this) {
    listState_.calendar = MonthCalendarSelection(relay_);
    rules_.install(store_.listRows);
    // A tree that holds only part of its file would give only part of the day's reminders.
    reminders_.calendar.setSourceCheck([this] { needReadable(TreeId::CalendarTree, "calendar"); });
    reminders_.contacts.setSourceCheck([this] { needReadable(TreeId::ContactsTree, "contact"); });
    store_.listRows.setSql(taskList_.statement(taskList_.currentOrder()));
    try {
        favouriteSearches_ = listItems(favouritesList_.read().value_or(""));
    } catch (const std::exception&) {
        // Kept as it is: the list is not written at close.
    }
}

Organizer::~Organizer() = default;

// A per-user list as the bytes its kept file compares: every item and a line break.
std::string Organizer::listBytes(const std::vector<std::string>& items) {
    std::string bytes;
    for (const std::string& item : items) bytes += item + '\n';
    return bytes;
}

void Organizer::minutePassed() {
    viewCommands_.autoplayTick();
    relay_.minuteChanged();
}

Date Organizer::today() const { return services_.clock.now().date; }

DayTextContext Organizer::dayTextContext() const { return DayTextContext::fromLocale(services_.locale, today()); }

void Organizer::report(const std::string& message) {
    // Once a close is asked for, start-up keeps its remaining messages to itself.
    if (phase_ == Phase::Starting && stopping()) return;
    services_.ui.showMessage(message);
}

bool Organizer::attempt(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        report(error.what());
    } catch (...) {
        report("Unknown error");
    }
    return false;
}

void Organizer::provision(const AppPaths& paths) {
    provisionApplicationFolder(paths, [&paths] { TreeFileKeeper::provision(paths.home, TextCodec()); });
}

// The file is compared as the settings write it, so that a file that only reads differently (line
// breaks, spacing) is not written for that alone.
void Organizer::updateSettingsFile(const std::function<void(ProfileFile&)>& change) {
    if (!settingsFile_.mayWrite()) return;
    ProfileFile file = ProfileFile::parse(settingsFile_.read().value_or(""));
    settingsFile_.remember(file.bytes());
    change(file);
    settingsFile_.save(file.bytes());
}

void Organizer::setLanguage(int language) {
    settings_.language = Language(language);
    relay_.languageChanged();
    attempt([&] { store_.loadLookupTables(language); });
    loadLanguage();
    if (store_.listRows.isOpen()) attempt([this] { store_.listRows.refresh(); });
}

void Organizer::loadLanguage() {
    attempt([this] {
        const LanguageTable table = torvalet::loadLanguage(languageFilePath(paths_.lang(), settings_.language), codec_);
        applyLanguageLists(table, treePages_);
        relay_.captionsChanged(table);
    });
}

// The day file as the textboard keeps it: by its text, which goes out as rich text.
KeptFile Organizer::dayFile(Date day) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d%02d%02d.rtf", day.day(), day.month(), day.year() % 100);
    const fs::path file = paths_.logs() / name;
    return KeptFile(
        file,
        [this, file]() -> std::optional<std::string> {
            if (nothingAt(file)) return std::nullopt;
            return richTextToPlainText(readFileBytes(file), codec_);
        },
        [this, file](std::string_view text) { saves_.save(file, plainTextToRichText(std::string(text))); });
}

}  // namespace torvalet
