// A timer holds at most one scheduled callback on the loop; every arming
// replaces it, so a period always counts from the latest change.
#include "tavrel/platform/timer.h"

#include <algorithm>

#include "tavrel/platform/application.h"
#include "tavrel/platform/services.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform {

Timer::Timer(Window& window, std::string name)
    : Control(window, std::move(name)), loop_(window.app().services().eventLoop()) {
    setVisible(false);
}

Timer::~Timer() {
    disarm();
}

void Timer::setMode(TimerMode mode) {
    mode_ = mode;
    notify(Property::Timer);
    arm();
}

void Timer::setPeriod(int ms) {
    periodMs_ = ms;
    notify(Property::Timer);
    if (mode_ != TimerMode::Off) arm();
}

void Timer::reset() {
    arm();
}

void Timer::arm() {
    disarm();
    if (mode_ == TimerMode::Off) return;
    std::int64_t micros = std::int64_t{std::max(1, periodMs_)} * 1000;
    armed_ = loop_.schedule(micros, [this] { fire(); });
}

void Timer::disarm() {
    if (armed_) loop_.cancel(*armed_);
    armed_.reset();
}

void Timer::fire() {
    armed_.reset();
    if (mode_ == TimerMode::Single) {
        mode_ = TimerMode::Off;
        notify(Property::Timer);
    } else if (mode_ == TimerMode::Multiple) {
        arm();
    } else {
        return;
    }
    window().app().dispatch([&] {
        if (onAction) onAction();
    });
}

void Timer::closed() {
    disarm();
    Control::closed();
}

}  // namespace tavrel::platform
