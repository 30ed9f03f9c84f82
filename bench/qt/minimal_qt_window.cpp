// The yardstick for the desktop program's start-up: Qt's hello world, a
// label in a window of the calculator's size (so it pays, like any program
// showing text, for the font system). It says "painted" and quits once the window has painted,
// or with --idle stays open (for memory measurements).
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

class QuitAfterPaint : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

  private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const bool idle = argc > 1 && std::strcmp(argv[1], "--idle") == 0;
    QApplication app(argc, argv);
    QuitAfterPaint probe;
    if (!idle) app.installEventFilter(&probe);
    QLabel window(QStringLiteral("Hello, world"));
    window.setWindowTitle(QStringLiteral("minimal"));
    window.resize(247, 600);
    window.show();
    return app.exec();
}
