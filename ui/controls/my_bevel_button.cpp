// The visible press waits on the framework's microsecond clock through the
// loop's no-user-event wait, so time passes (virtually, headless) but no
// click or key is handled before myAction.
#include "tavrel/ui/controls/my_bevel_button.h"

#include "tavrel/platform/application.h"
#include "tavrel/platform/picture.h"
#include "tavrel/platform/window.h"

namespace tavrel::ui {

using platform::Color;
using platform::Picture;

void myBevelButton::push() {
    setValue(true);
    refresh();
    auto& services = app().services();
    const std::int64_t until = services.clock().microseconds() + kPressMicros;
    while (services.clock().microseconds() < until)
        services.eventLoop().waitWithoutUserEvents(until - services.clock().microseconds());
    setValue(false);
    if (myAction) myAction();
}

void myBevelButton::action() {
    if (myAction) myAction();
}

void myBevelButton::opened() {
    if (myOpen) myOpen();
}

void myBevelButtonColor::push() {
    if (myAction) myAction();
    setValue(true);
    refresh();
    setValue(false);
}

void myBevelButtonColor::redrawBackground() {
    auto tint = Picture::filled(40, 20, 32, Color::fromRgb(0xEFEFB5));
    auto grey = Picture::filled(40, 20, 16, Color{0x99, 0x99, 0x99});
    tint->mask().graphics().drawPicture(*grey, 0, 0);
    setIcon(std::move(tint));
}

void myBevelButtonColor::action() {
    if (myAction) myAction();
    redrawBackground();
}

void myBevelButtonColor::opened() {
    if (myOpen) myOpen();
}

}  // namespace tavrel::ui
