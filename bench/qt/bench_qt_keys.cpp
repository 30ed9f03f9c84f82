// A key typed into the calculator window through the real widgets (Qt's
// offscreen platform): the key event goes to the display widget, through
// the key router and the model, until the widget shows the new text.
// Digit keys press push buttons, which show no timed press.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "tavrel/platform/application.h"
#include "tavrel/platform/qt/qt_platform.h"
#include "ui/calc_win.h"

namespace {

void typedDigit(benchmark::State& state) {
    tavrel::platform::qt::QtPlatform platform;
    tavrel::platform::Application app(platform);
    auto win = app.makeWindow<tavrel::ui::calcWin>();
    win->show();
    win->EditFract1.setFocus();
    auto* display = platform.contentFor(*win)->findChild<QLineEdit*>(QStringLiteral("EditFract1"));
    int typed = 0;
    for (auto _ : state) {
        if (++typed % 8 == 0) {
            state.PauseTiming();
            win->EditFract1.setText(std::string());
            state.ResumeTiming();
        }
        const int before = display->text().size();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        QApplication::sendEvent(display, &key);
        if (display->text().size() != before + 1) state.SkipWithError("the key did not show");
    }
}

}  // namespace

BENCHMARK(typedDigit)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
