#pragma once

#include <QSplashScreen>

namespace torvalet::ui {

// The window shown while the organiser starts and its windows are created: a borderless,
// screen-centred picture of 266 by 170 pixels with the program's icon, name and version. It does
// not stay on top, so that a message of start-up shows above it.
class SplashWindow : public QSplashScreen {
    Q_OBJECT
public:
    SplashWindow();

    static QPixmap picture();
};

}  // namespace torvalet::ui
