// Headless drawing: runs a canvas's or window's paint event onto a recording
// surface of its size and returns what was drawn.
#pragma once

#include <vector>

#include "tavrel/platform/canvas.h"
#include "tavrel/platform/graphics.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform::headless {

std::vector<DrawOp> render(Canvas& canvas);
std::vector<DrawOp> render(Window& window);

}  // namespace tavrel::platform::headless
