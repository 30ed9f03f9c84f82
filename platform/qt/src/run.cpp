#include "tavrel/platform/qt/run.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace tavrel::platform::qt {
namespace {

class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QtEventLoop& loop) : loop_(loop) {}

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            std::fputs("painted\n", stdout);  // the measuring side reads this line
            std::fflush(stdout);
            QTimer::singleShot(0, this, [this] { loop_.quit(); });
        }
        return false;
    }

  private:
    QtEventLoop& loop_;
    bool seen_ = false;
};

}  // namespace

int runApplication(int& argc, char** argv,
                   const std::function<std::shared_ptr<void>(QtPlatform&)>& start,
                   const RunOptions& options) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavrel"));
    QApplication::setDesktopFileName(QStringLiteral("org.tavrel.tavrel"));
    QtPlatform platform(options.platform);
    FirstPaint probe(platform.eventLoop());
    if (options.quitAfterFirstPaint) qapp.installEventFilter(&probe);
    std::shared_ptr<void> program = start(platform);
    const int code = platform.eventLoop().run();
    program.reset();
    return code;
}

}  // namespace tavrel::platform::qt
