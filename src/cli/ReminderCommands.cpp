#include "cli/ReminderCommands.h"

#include <memory>
#include <ostream>
#include <utility>

#include "app/Organizer.h"
#include "base/Errors.h"
#include "base/FileIo.h"
#include "cli/HeadlessServices.h"
#include "model/AppFolder.h"
#include "reminders/CalendarAnalysis.h"
#include "trees/TreeFileIo.h"
#include "trees/TreeTable.h"

namespace torvalet::cli {

namespace {

// The notices are printed on standard output instead of standing as balloons on standard error.
class NoBalloons : public Notices {
public:
    void showBalloon(const std::string&, const std::string&, int) override {}
};

Services withoutBalloons(const Services& s, Notices& notices) {
    return {s.clock, s.locale, s.ui, s.shell, s.hotKeys, notices, s.sound, s.clipboard, s.perUserStore};
}

// The store closed and every file written, the organizer is left to the end of the process, which
// gives its memory back to the system at once: taking a large tree apart node by node would cost
// a good part of the analysis the command is run for.
void keepToTheEnd(std::unique_ptr<Organizer> organizer) {
    static Organizer* kept = nullptr;
    delete std::exchange(kept, organizer.release());
}

// What the companion shows of the organiser: each notice, on a line of its own.
class NoticePrinter : public OrganizerObserver {
public:
    explicit NoticePrinter(std::ostream& out) : out_(out) {}
    void noticeShown(const Notice& notice) override { out_ << notice.line() << '\n'; }

private:
    std::ostream& out_;
};

}  // namespace

int tickCommand(HeadlessServices& headless, const std::filesystem::path& home, std::ostream& out,
                const std::optional<DateTime>& since) {
    NoBalloons noBalloons;
    const Services services = withoutBalloons(headless.services, noBalloons);
    Organizer::provision(AppPaths{home});
    Organizer organizer(services, home);
    NoticePrinter printer(out);
    organizer.setObserver(&printer);
    organizer.start();
    organizer.firstShow();
    ReminderClock& clock = organizer.reminders().clock;
    if (since) clock.catchUpSince(*since);
    clock.tick();
    const ReminderClock::CatchUp& caught = clock.lastCatchUp();
    if (since || !caught.rang.empty() || !caught.missed.empty())
        out << "rang late: " << caught.rang.size() << ", summed up: " << caught.missed.size() << '\n';
    organizer.close();
    return headless.ui.messageCount() ? 1 : 0;
}

int analyzeCommand(HeadlessServices& headless, const std::string& what, const std::filesystem::path& home,
                   std::ostream& out, std::ostream& err) {
    const bool contacts = what == "contacts";
    auto kept = std::make_unique<Organizer>(headless.services, home);
    Organizer& organizer = *kept;
    organizer.openStore();
    const TreeInfo& tree = treeInfo(contacts ? TreeId::ContactsTree : TreeId::CalendarTree);
    if (contacts) loadTreeFile(organizer.trees().get(tree.id), home / tree.fileName, organizer.codec());
    const std::filesystem::path pad = organizer.paths().messagePad();
    if (contacts && fileExists(pad))
        organizer.messagePad().setLines(MessagePad::linesOf(readFileBytes(pad), organizer.codec()));
    NoticePrinter printer(out);
    organizer.setObserver(&printer);
    int status = 0;
    try {
        if (contacts) {
            organizer.reminders().contacts.analyzeContacts();
        } else {
            // The events are analysed as the file is read, without keeping the calendar's tree.
            organizer.reminders().calendar.analyzeCalendar([&](const auto& visit) {
                ItemTree scratch(tree.id);
                walkTreeFile(scratch, home / tree.fileName, organizer.codec(),
                             [&](const ItemTree& item) { CalendarAnalysis::visitEvents(item, visit); });
            });
        }
    } catch (const ConversionError& error) {
        err << error.what() << '\n';
        status = 1;
    }
    if (contacts) writeFileAtomic(pad, organizer.messagePad().bytes(organizer.codec()));
    organizer.store().disconnect();
    organizer.setObserver(nullptr);
    keepToTheEnd(std::move(kept));
    return status;
}

}  // namespace torvalet::cli
