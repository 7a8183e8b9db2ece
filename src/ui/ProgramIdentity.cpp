#include "ui/ProgramIdentity.h"

#include <QApplication>
#include <QIcon>

#include <string_view>

#include "base/Version.h"

namespace torvalet::ui {

namespace {

const char* const help =
    "Usage: torvalet [--help] [--version] [Qt options]\n"
    "\n"
    "Opens the organiser on its application folder: $TORVALET_HOME when set, else the folder of the\n"
    "program when it holds torvalet.ini or Data (a portable copy), else $XDG_DATA_HOME/torvalet.\n"
    "\n"
    "  -h, --help     this text\n"
    "  -v, --version  the program's version\n"
    "\n"
    "See torvalet(1); torvalet-cli runs the organiser without windows.\n";

}  // namespace

std::optional<int> answerInformationOptions(int argc, char** argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version" || arg == "-v") {
            out << "torvalet " << programVersion() << '\n';
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            out << help;
            return 0;
        }
    }
    return std::nullopt;
}

void setProgramIdentity() {
    const std::string_view version = programVersion();
    QApplication::setApplicationVersion(QString::fromUtf8(version.data(), static_cast<qsizetype>(version.size())));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.torvalet.Torvalet"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/org.torvalet.Torvalet.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

}  // namespace torvalet::ui
