// A canvas hands its events to its handlers; program classes override the hooks.
#include "tavrel/platform/canvas.h"

namespace tavrel::platform {

void Canvas::setBackdrop(PicturePtr p) {
    backdrop_ = std::move(p);
    notify(Property::Appearance);
}

void Canvas::paint(Graphics& g) {
    paintEvent(g);
}

void Canvas::paintEvent(Graphics& g) {
    if (backdrop_) g.drawPicture(*backdrop_, 0, 0);
    if (onPaint) onPaint(g);
}

bool Canvas::handleMouseDown(int x, int y) {
    return onMouseDown && onMouseDown(x, y);
}

void Canvas::handleMouseDrag(int x, int y) {
    if (onMouseDrag) onMouseDrag(x, y);
}

void Canvas::handleMouseUp(int x, int y) {
    if (onMouseUp) onMouseUp(x, y);
}

bool Canvas::handleKeyDown(const KeyEvent& key) {
    return onKeyDown && onKeyDown(key);
}

}  // namespace tavrel::platform
