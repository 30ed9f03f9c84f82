// The window-system calls the program makes directly, as plain functions over
// a framework window: opacity, the Dock, the minimise box, the title bar's
// height, bringing the process to the front and the animated resize. Each one
// reads or changes the window's state through the backend's Desktop and the
// window model, so every backend supplies the same results.
#pragma once

#include "tavrel/platform/application.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform {

void SetWindowTransparency(Window& window, float opacity);
float GetWindowTransparency(const Window& window);
// true minimises the window into the Dock, false brings it back.
void SetWindowCollapsed(Window& window, bool collapsed);
bool GetWindowCollapsed(const Window& window);
// true gives the window a minimise box, false removes it.
void SetWindowCollapseWidget(Window& window, bool on);
// The title bar's height: the content's top less the whole window's top.
int GetWindowMarginTop(const Window& window);
// Brings the program's own process in front of all others.
void SetAppToFrontmost(Application& app);
// Resizes the content area to width × height, animated where the platform can,
// keeping the top-left corner (the only anchor used, 0) in place.
void SmoothResize(Window& window, int width, int height, int anchor);

}  // namespace tavrel::platform
