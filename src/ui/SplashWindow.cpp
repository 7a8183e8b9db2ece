#include "ui/SplashWindow.h"

#include <QApplication>
#include <QPainter>

#include "base/Version.h"

namespace torvalet::ui {

SplashWindow::SplashWindow() : QSplashScreen(picture(), Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("splashForm"));
}

QPixmap SplashWindow::picture() {
    QPixmap pixmap(266, 170);
    pixmap.fill(QColor(0x2b, 0x57, 0x97));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0xff, 0xff, 0xff, 0x60));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    painter.drawPixmap(20, 45, QApplication::windowIcon().pixmap(64, 64));
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPixelSize(26);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(96, 48, 160, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Torvalet"));
    QFont small = painter.font();
    small.setPixelSize(11);
    small.setBold(false);
    painter.setFont(small);
    painter.drawText(QRect(96, 82, 160, 18), Qt::AlignLeft | Qt::AlignVCenter, QObject::tr("Personal Organizer"));
    painter.drawText(QRect(10, 145, 246, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(programVersionCaption()));
    return pixmap;
}

}  // namespace torvalet::ui
