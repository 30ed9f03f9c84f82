// Thin: each call forwards to the window model or the Desktop; nothing is
// caught and no result is checked, as with the system calls they stand for.
#include "tavrel/platform/carbon_declares.h"

#include "tavrel/platform/services.h"

namespace tavrel::platform {

void SetWindowTransparency(Window& window, float opacity) {
    window.setOpacity(opacity);
}

float GetWindowTransparency(const Window& window) {
    return window.opacity();
}

void SetWindowCollapsed(Window& window, bool collapsed) {
    window.setCollapsed(collapsed);
}

bool GetWindowCollapsed(const Window& window) {
    return window.collapsed();
}

void SetWindowCollapseWidget(Window& window, bool on) {
    window.setCollapseBox(on);
}

int GetWindowMarginTop(const Window& window) {
    return window.top() - window.app().services().desktop().structureBounds(window).top;
}

void SetAppToFrontmost(Application& app) {
    app.services().desktop().bringProcessToFront();
}

void SmoothResize(Window& window, int width, int height, int /*anchor*/) {
    window.app().services().desktop().animateResize(window, width, height);
    // The model must agree with the frame whatever the animation did.
    window.setPosition(window.left(), window.top());
    window.setSize(width, height);
    window.refresh();
}

}  // namespace tavrel::platform
