// Defaults of the desktop services that a backend may leave alone.
#include "tavrel/platform/services.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform {

Rect Desktop::structureBounds(const Window& window) const {
    return window.bounds();
}

}  // namespace tavrel::platform
