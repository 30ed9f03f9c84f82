// Draws docs/screenshot.png: the calculator window in the middle of a
// calculation, on a real X server (scripts/screenshot runs it under Xvfb).
// Keys go in as key events to the focused widget, as a user types them.
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <iostream>

#include "tavrel/platform/application.h"
#include "tavrel/platform/qt/qt_platform.h"
#include "ui/calc_win.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: tavrel_screenshot OUT.png [KEYS]\n";
        return 2;
    }
    QApplication qapp(argc, argv);
    tavrel::platform::qt::QtPlatform platform;
    tavrel::platform::Application app(platform);
    auto win = app.makeWindow<tavrel::ui::calcWin>();
    win->setPosition(0, 0);
    win->show();
    win->EditFract1.setFocus();
    const QString keys = QString::fromUtf8(argc > 2 ? argv[2] : "12'6 1/2*4=+3'9 1/4");
    QWidget* top = platform.widgetFor(*win);
    int code = 1;
    QTimer::singleShot(300, [&] {
        for (QChar c : keys) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : top;
            const int key = c.isLetter() ? Qt::Key_A + (c.toLower().unicode() - 'a') : c.unicode();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
        QTimer::singleShot(500, [&] {
            const QPixmap shot = top->screen()->grabWindow(top->winId());
            code = shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
            platform.eventLoop().quit();
        });
    });
    platform.eventLoop().run();
    return code;
}
