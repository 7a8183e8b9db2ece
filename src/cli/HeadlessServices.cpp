#include "cli/HeadlessServices.h"

#include <langinfo.h>

#include <clocale>
#include <ostream>

namespace torvalet::cli {

namespace {

// The C library's date format ("%d.%m.%Y") in pattern letters ("dd.MM.yyyy").
std::string systemShortDateFormat() {
    std::setlocale(LC_TIME, "");
    const std::string format = nl_langinfo(D_FMT);
    std::string pattern;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            pattern += format[i];
            continue;
        }
        switch (format[++i]) {
        case 'd': pattern += "dd"; break;
        case 'e': pattern += "d"; break;
        case 'm': pattern += "MM"; break;
        case 'y': pattern += "yy"; break;
        case 'Y': pattern += "yyyy"; break;
        case 'D': pattern += "MM/dd/yy"; break;
        case 'F': pattern += "yyyy-MM-dd"; break;
        default: break;
        }
    }
    return pattern.empty() ? "dd.MM.yyyy" : pattern;
}

}  // namespace

HeadlessLocale::HeadlessLocale(std::optional<std::string> format)
    : format_(format ? *format : systemShortDateFormat()) {}

void HeadlessUserInterface::showMessage(const std::string& text) {
    ++messages_;
    err_ << text << '\n';
}

bool HeadlessUserInterface::askYesNo(const std::string& question) {
    err_ << question << (yes_ ? " Yes" : " No") << '\n';
    return yes_;
}

bool HeadlessShell::open(const DesktopRequest& request) {
    err_ << "desktop: " << describe(request) << '\n';
    return true;
}

void NoticesToStream::showBalloon(const std::string& title, const std::string& text, int) {
    err_ << title << ' ' << text << '\n';
}

HeadlessServices::HeadlessServices(const HeadlessOptions& options, std::ostream& err)
    : clock(options.now),
      locale(options.dateFormat),
      ui(err, options.yes),
      shell(err),
      notices(err),
      perUserStore(UserListFile::defaultFolder()) {}

}  // namespace torvalet::cli
