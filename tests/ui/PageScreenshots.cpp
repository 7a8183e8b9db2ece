// Writes a small sample profile into a folder, opens the main window over it and saves a
// picture of every page (and of the filters and letter tags at work) as PNG files:
//
//     torvalet_page_screenshots HOME OUTPUT_FOLDER [--profile-only]
//
// scripts/screenshots.sh runs it under Xvfb.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>
#include <filesystem>

#include "SampleProfile.h"
#include "app/Organizer.h"
#include "model/AppFolder.h"
#include "ui/MainWindow.h"
#include "ui/services/QtServices.h"

using namespace torvalet;

namespace {

void writeProfile(const std::filesystem::path& home) {
    Organizer::provision(AppPaths{home});
    ui::QtServices services;
    Organizer organizer(services.services, home);
    organizer.start();
    testing::fillSampleProfile(organizer);
    organizer.close();
}

void shoot(ui::MainWindow& window, const QString& folder, const QString& name) {
    window.showViewState();
    QTest::qWait(150);
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(file)) std::fprintf(stderr, "could not write %s\n", qPrintable(file));
}

void takeScreenshots(const std::filesystem::path& home, const QString& folder) {
    ui::QtServices services;
    Organizer organizer(services.services, home);
    ui::MainWindow window(organizer);
    services.ui.setParent(&window);
    organizer.start();
    window.showOrganizerState();
    window.resize(1366, 800);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "the window was not shown\n");
    window.setGoalPanelWidth(PaneWidth::Normal);

    const struct {
        Page page;
        const char* file;
    } pages[] = {{kTasksPage, "1-tasks"},
                 {kLinksPage, "2-links"},
                 {kContactsPage, "3-contacts"},
                 {kBlocknotePage, "4-blocknote"},
                 {kCalendarPage, "5-calendar"}};
    for (const auto& shown : pages) {
        window.setGoalPanelWidth(shown.page == kTasksPage ? PaneWidth::Slim : PaneWidth::Normal);
        organizer.view().activePage = shown.page;
        shoot(window, folder, QString::fromLatin1(shown.file));
    }
    Navigation& navigation = organizer.navigation();
    window.runCommand([&] {
        organizer.view().activePage = kContactsPage;
        navigation.filters().editChanged(NavFamily::Contacts, "an");
    });
    shoot(window, folder, QStringLiteral("6-contacts-filtered"));
    window.runCommand([&] {
        navigation.filters().clearBar(NavFamily::Contacts);
        navigation.tags().buildLetterContactTags("b");
    });
    shoot(window, folder, QStringLiteral("7-contacts-letter-b"));
    window.runCommand([&] {
        organizer.view().activePage = kTasksPage;
        navigation.filters().listChanged(NavFamily::Goals, 1);
    });
    shoot(window, folder, QStringLiteral("8-goals-prepare"));
    window.close();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s HOME OUTPUT_FOLDER [--profile-only]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path home = argv[1];
    std::filesystem::create_directories(home);
    writeProfile(home);
    if (argc > 3 && QString::fromLocal8Bit(argv[3]) == QLatin1String("--profile-only")) return 0;
    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    takeScreenshots(home, QString::fromLocal8Bit(argv[2]));
    return 0;
}
