// Recording keeps each call with the current colour and text style.
#include "tavrel/platform/graphics.h"

#include "tavrel/platform/picture.h"
#include "tavrel/platform/utf8.h"

namespace tavrel::platform {

int Graphics::textWidth(std::string_view text) const {
    return static_cast<int>(utf8::length(text)) * metrics::charWidth(textStyle().size);
}

int Graphics::lineHeight() const {
    return metrics::lineHeight(textStyle().size);
}

void RecordingGraphics::add(DrawKind kind, int x, int y, int w, int h) {
    DrawOp op;
    op.kind = kind;
    op.x = x;
    op.y = y;
    op.width = w;
    op.height = h;
    op.color = foreColor();
    ops_.push_back(std::move(op));
}

void RecordingGraphics::fillRect(int x, int y, int w, int h) {
    add(DrawKind::FillRect, x, y, w, h);
}
void RecordingGraphics::drawRect(int x, int y, int w, int h) {
    add(DrawKind::DrawRect, x, y, w, h);
}
void RecordingGraphics::fillOval(int x, int y, int w, int h) {
    add(DrawKind::FillOval, x, y, w, h);
}
void RecordingGraphics::drawOval(int x, int y, int w, int h) {
    add(DrawKind::DrawOval, x, y, w, h);
}
void RecordingGraphics::drawLine(int x1, int y1, int x2, int y2) {
    add(DrawKind::Line, x1, y1, x2, y2);
}

void RecordingGraphics::drawText(std::string_view text, int x, int y) {
    add(DrawKind::Text, x, y, textWidth(text), lineHeight());
    ops_.back().style = textStyle();
    ops_.back().text = std::string(text);
}

void RecordingGraphics::drawPicture(const Picture& picture, int x, int y) {
    add(DrawKind::Picture, x, y, picture.width(), picture.height());
    ops_.back().picture = picture.name();
    ops_.back().source = &picture;
    ops_.back().keep = picture.weak_from_this().lock();
}

void RecordingGraphics::nextPage() {
    add(DrawKind::NewPage, 0, 0, 0, 0);
}

}  // namespace tavrel::platform
