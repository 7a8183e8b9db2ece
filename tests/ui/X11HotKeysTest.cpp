#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <filesystem>

#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "trees/ItemTree.h"
#include "trees/LinkRecord.h"
#include "trees/TreeFileIo.h"
#include "ui/services/X11HotKeys.h"

using namespace torvalet;

namespace {

constexpr unsigned CtrlAlt = HotKeyFlag::Ctrl | HotKeyFlag::Alt;

void addLink(ItemTree& tree, const char* hotKey, int kind, const char* url, const char* dir) {
    LinkRecord& link = tree.appendChild()->record<LinkRecord>();
    link.hotKey = hotKey;
    link.kind = kind;
    link.url = url;
    link.dir = dir;
}

bool sendKeys(const char* keys) { return QProcess::execute("xdotool", {"key", keys}) == 0; }

// Another X client of the same display, holding key grabs of its own.
class OtherClient {
public:
    OtherClient() : connection_(xcb_connect(nullptr, nullptr)) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        symbols_ = xcb_key_symbols_alloc(connection_);
    }
    ~OtherClient() {
        xcb_key_symbols_free(symbols_);
        xcb_disconnect(connection_);
    }
    // Grabs Ctrl+Alt and the letter; true when the server granted it.
    bool grabCtrlAlt(xcb_keysym_t letter) {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_, letter);
        const xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        const auto cookie = xcb_grab_key_checked(connection_, 0, root_, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, code,
                                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        xcb_generic_error_t* error = xcb_request_check(connection_, cookie);
        std::free(error);
        return error == nullptr;
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    xcb_key_symbols_t* symbols_ = nullptr;
};

}  // namespace

class X11HotKeysTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server");
        if (QProcess::execute("xdotool", {"version"}) != 0) QSKIP("needs xdotool");
    }

    // A link with Ctrl+Alt+L registered at start opens when the key is pressed, whatever the
    // state of Num Lock, in its working folder; the next link runs in the application folder.
    // A hot key opens every kind but Internet links as a file, the mail link too.
    void linkHotKeyRegisteredAtStartOpensOnPress() {
        testing::TempDir dir;
        std::filesystem::create_directory(dir / "work");
        Organizer::provision(AppPaths{dir.path()});
        ItemTree links(TreeId::LinksTree);
        addLink(links, "Ctrl+Alt+L", 3, "report.pdf", "work");
        addLink(links, "alt+ctrl+l", 1, "https://lower.example.org", "");
        addLink(links, "Ctrl+Alt+L", 1, "https://example.org", "work");
        addLink(links, "Ctrl+Alt+L", 7, "ann@example.org", "");
        saveTreeFile(links, dir / "links.goto", TextCodec());

        testing::FakeServices fakes;
        ui::X11HotKeys keys;
        QVERIFY(keys.available());
        const Services services{fakes.clock,   fakes.locale, fakes.ui,        fakes.shell,       keys,
                                fakes.notices, fakes.sound,  fakes.clipboard, fakes.perUserStore};
        Organizer organizer(services, dir.path());
        organizer.start();
        QCOMPARE(organizer.hotKeys().registry.registrations().size(), std::size_t(1));

        const std::string home = dir.path().string(), work = (dir / "work").string();
        const std::vector<DesktopRequest> onePress{{DesktopRequest::Kind::Open, "report.pdf", "", work},
                                                   {DesktopRequest::Kind::Browse, "https://example.org", "", work},
                                                   {DesktopRequest::Kind::Open, "ann@example.org", "", home}};
        QVERIFY(sendKeys("ctrl+alt+l"));
        QTRY_COMPARE(fakes.shell.requests, onePress);

        fakes.shell.requests.clear();
        QVERIFY(sendKeys("Num_Lock"));
        QVERIFY(sendKeys("ctrl+alt+l"));
        QVERIFY(sendKeys("Num_Lock"));
        QTRY_COMPARE(fakes.shell.requests, onePress);

        fakes.shell.requests.clear();
        QVERIFY(sendKeys("ctrl+alt+k"));
        QTest::qWait(200);
        QVERIFY(fakes.shell.requests.empty());
        organizer.close();
    }

    void combinationsTakenElsewhereAreRefused() {
        OtherClient other;
        QVERIFY(other.grabCtrlAlt(XK_k));
        ui::X11HotKeys keys;
        QVERIFY(!keys.registerKey(0xC001, CtrlAlt, 'K'));
        QVERIFY(keys.registerKey(0xC002, CtrlAlt, 'J'));
        QVERIFY(!keys.registerKey(0xC003, CtrlAlt, 'J'));
        QVERIFY(!other.grabCtrlAlt(XK_j));
        keys.releaseKey(0xC002);
        QVERIFY(other.grabCtrlAlt(XK_j));
    }
};

QTEST_MAIN(X11HotKeysTest)
#include "X11HotKeysTest.moc"
