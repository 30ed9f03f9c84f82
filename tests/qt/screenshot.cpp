// Draws docs/screenshot.png: the calculator window with its menu bar in the
// middle of a calculation, on a real X server (scripts/screenshot runs it
// under Xvfb). The whole program starts as the desktop program does, with
// scratch preferences and data folders (so no saved tape or place shows);
// keys go in as key events to the focused widget, as a user types them.
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <iostream>

#include "app/app_class.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/qt/qt_platform.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: tavrel_screenshot OUT.png [KEYS]\n";
        return 2;
    }
    QApplication qapp(argc, argv);
    QTemporaryDir scratch;
    tavrel::platform::qt::QtOptions options;
    options.preferencesFolder = scratch.filePath(QStringLiteral("config")).toStdString();
    options.dataFolder = scratch.filePath(QStringLiteral("data")).toStdString();
    std::filesystem::create_directories(*options.preferencesFolder);
    std::filesystem::create_directories(*options.dataFolder);
    tavrel::platform::qt::QtPlatform platform(options);
    tavrel::platform::Application app(platform);
    tavrel::app::AppClass program(app);
    app.open();
    auto* win = &program.calcWin();
    win->setPosition(0, 40);
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
