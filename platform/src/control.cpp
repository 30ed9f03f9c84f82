// Property setters report only real changes to the view.
#include "tavrel/platform/control.h"

#include "tavrel/platform/application.h"
#include "tavrel/platform/text_edit.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform {

void ControlView::textAppended(TextEdit& edit, std::string_view) {
    changed(edit, Property::Text);
}

Control::Control(Window& window, std::string name) : window_(window), name_(std::move(name)) {}

Control::~Control() = default;

Application& Control::app() const {
    return window_.app();
}

void Control::setParent(Control* container) {
    assign(parent_, container, Property::Parent);
}

void Control::setLeft(int v) {
    assign(bounds_.left, v, Property::Bounds);
}
void Control::setTop(int v) {
    assign(bounds_.top, v, Property::Bounds);
}
void Control::setWidth(int v) {
    assign(bounds_.width, v, Property::Bounds);
}
void Control::setHeight(int v) {
    assign(bounds_.height, v, Property::Bounds);
}
void Control::setBounds(int left, int top, int width, int height) {
    assign(bounds_, Rect{left, top, width, height}, Property::Bounds);
}

void Control::setVisible(bool v) {
    assign(visible_, v, Property::Visible);
}

bool Control::isShown() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void Control::setEnabled(bool v) {
    assign(enabled_, v, Property::Enabled);
}
void Control::setCaption(std::string v) {
    assign(caption_, std::move(v), Property::Caption);
}
void Control::setHelpTag(std::string v) {
    assign(helpTag_, std::move(v), Property::HelpTag);
}
void Control::setTextFont(std::string font) {
    assign(style_.font, std::move(font), Property::TextStyle);
}
void Control::setTextSize(int size) {
    assign(style_.size, size, Property::TextStyle);
}
void Control::setBold(bool on) {
    assign(style_.bold, on, Property::TextStyle);
}
void Control::setItalic(bool on) {
    assign(style_.italic, on, Property::TextStyle);
}
void Control::setUnderline(bool on) {
    assign(style_.underline, on, Property::TextStyle);
}
void Control::setAlignment(Alignment a) {
    assign(alignment_, a, Property::Alignment);
}
void Control::setTextColor(std::optional<Color> c) {
    assign(textColor_, c, Property::Colors);
}
void Control::setBackgroundColor(std::optional<Color> c) {
    assign(backgroundColor_, c, Property::Colors);
}
void Control::setCursor(std::optional<Cursor> c) {
    assign(cursor_, c, Property::Cursor);
}

void Control::refresh() {
    ++refreshCount_;
    notify(Property::Redraw);
}

void Control::invalidate() {
    notify(Property::Invalidate);
}

void Control::setFocus() {
    window_.setFocus(this);
}
bool Control::hasFocus() const {
    return window_.focus() == this;
}

void Control::mouseEnterByUser() {
    if (onMouseEnter) onMouseEnter();
}
void Control::mouseExitByUser() {
    if (onMouseExit) onMouseExit();
}

bool Control::mouseDownByUser(int x, int y, Modifiers modifiers, bool contextual) {
    if (!enabled_) return false;
    InputState::EventScope scope(app().input(), modifiers, contextual);
    return handleMouseDown(x, y);
}

void Control::mouseDragByUser(int x, int y) {
    if (enabled_) handleMouseDrag(x, y);
}

void Control::mouseUpByUser(int x, int y, Modifiers modifiers) {
    if (!enabled_) return;
    InputState::EventScope scope(app().input(), modifiers);
    handleMouseUp(x, y);
}

bool Control::keyDownByUser(const KeyEvent& key) {
    if (!enabled_) return false;
    InputState::EventScope scope(app().input(), key.modifiers);
    return handleKeyDown(key);
}

void Control::opened() {
    if (onOpen) onOpen();
}
void Control::closed() {
    if (onClose) onClose();
}

void Control::notify(Property what) {
    if (view_) view_->changed(*this, what);
}

}  // namespace tavrel::platform
