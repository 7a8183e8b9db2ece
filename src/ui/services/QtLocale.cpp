#include "ui/services/QtLocale.h"

#include <QLocale>

namespace torvalet::ui {

std::string QtLocale::shortDateFormat() const {
    return QLocale::system().dateFormat(QLocale::ShortFormat).toStdString();
}

}  // namespace torvalet::ui
