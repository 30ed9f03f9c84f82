// Wires the headless services together: the loop runs on the virtual clock,
// HTTP answers go through the loop.
#include "tavrel/platform/headless/headless_platform.h"

#include "tavrel/platform/headless/render.h"

namespace tavrel::platform::headless {

HeadlessPlatform::HeadlessPlatform(HeadlessOptions options)
    : clock_(options.start),
      loop_(clock_),
      files_(std::move(options.preferencesFolder), std::move(options.dataFolder)),
      http_(loop_),
      resources_(std::move(options.resourcesFolder)) {
    locale_.setDecimalSeparator(options.decimalSeparator);
}

std::vector<DrawOp> render(Canvas& canvas) {
    RecordingGraphics g(canvas.width(), canvas.height());
    canvas.paint(g);
    return g.operations();
}

std::vector<DrawOp> render(Window& window) {
    RecordingGraphics g(window.width(), window.height());
    window.paint(g);
    return g.operations();
}

}  // namespace tavrel::platform::headless
