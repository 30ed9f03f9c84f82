// The properties every control kind shares, and the factory that picks a
// kind's binding. Widgets lie directly in the window's content widget, in
// window coordinates, whatever container the control sits in; a control is
// shown only when it and its containers are visible and it lies (at least
// partly) on the window's area, so controls placed off the area never show.
#include "control_binding.h"

#include "kind_bindings.h"
#include "painter_graphics.h"
#include "tavrel/platform/qt/accessible_names.h"
#include "tavrel/platform/qt/window_binding.h"

namespace tavrel::platform::qt {
namespace {

Qt::CursorShape shapeOf(StandardCursor c) {
    switch (c) {
        case StandardCursor::IBeam:
            return Qt::IBeamCursor;
        case StandardCursor::PointingHand:
        case StandardCursor::Resource:
            return Qt::PointingHandCursor;
        case StandardCursor::Cross:
            return Qt::CrossCursor;
        case StandardCursor::Wait:
            return Qt::WaitCursor;
        case StandardCursor::Arrow:
            break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

ControlBinding::ControlBinding(WindowBinding& window, Control& control, QWidget* widget)
    : window_(window), control_(control), widget_(widget) {
    widget->setObjectName(QString::fromStdString(control.name()));
    widget->setFocusPolicy(Qt::NoFocus);
}

ControlBinding::~ControlBinding() = default;

void ControlBinding::detach() {
    if (attached_ && control_.view() == this) control_.setView(nullptr);
    attached_ = false;
}

void ControlBinding::applyAll() {
    for (Property p : {Property::Bounds, Property::Enabled, Property::Caption, Property::HelpTag,
                       Property::TextStyle, Property::Alignment, Property::Colors, Property::Cursor,
                       Property::Appearance, Property::Range, Property::Items, Property::Value,
                       Property::ListIndex, Property::Text, Property::Selection, Property::Scroll,
                       Property::Focus})
        changed(control_, p);
    // Widgets are made in the controls' creation order, which is their stacking order.
}

QFont ControlBinding::baseFont() const {
    return widget_->parentWidget() ? widget_->parentWidget()->font() : widget_->font();
}

void ControlBinding::applyStyle() {
    if (control_.textStyle() == TextStyle{}) {
        if (widget_->testAttribute(Qt::WA_SetFont)) widget_->setFont(QFont());  // inherit again
        return;
    }
    widget_->setFont(fontFor(control_.textStyle(), baseFont()));
}

void ControlBinding::applyColors() {
    if (!control_.textColor() && !control_.backgroundColor()) return;
    QPalette pal = widget_->palette();
    if (auto c = control_.textColor()) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            pal.setColor(role, toQColor(*c));
    }
    if (auto c = control_.backgroundColor()) {
        pal.setColor(QPalette::Base, toQColor(*c));
        pal.setColor(QPalette::Window, toQColor(*c));
    }
    widget_->setPalette(pal);
}

void ControlBinding::updateVisibility() {
    if (!widget_) return;
    const Rect& b = control_.bounds();
    const Window& w = window_.window();
    const bool onArea = b.left < w.width() && b.left + b.width > 0 && b.top + b.height > 0;
    widget_->setVisible(control_.isShown() && onArea);
}

void ControlBinding::changed(Control&, Property what) {
    if (!widget_) return;
    switch (what) {
        case Property::Bounds: {
            const Rect& b = control_.bounds();
            widget_->setGeometry(b.left, b.top, b.width, b.height);
            updateVisibility();
            break;
        }
        case Property::Visible:
        case Property::Parent:
            window_.updateVisibility();
            break;
        case Property::Enabled:
            widget_->setEnabled(control_.enabled());
            break;
        case Property::Caption:
        case Property::HelpTag: {
            const QString help = QString::fromStdString(accessibleDescription(control_));
            widget_->setToolTip(help);
            widget_->setAccessibleDescription(help);
            widget_->setAccessibleName(QString::fromStdString(accessibleName(control_)));
            break;
        }
        case Property::TextStyle:
            applyStyle();
            break;
        case Property::Colors:
            applyColors();
            break;
        case Property::Cursor:
            if (auto c = control_.cursor())
                widget_->setCursor(shapeOf(c->kind));
            else
                widget_->unsetCursor();
            break;
        case Property::Focus:
            if (control_.hasFocus()) widget_->setFocus(Qt::OtherFocusReason);
            break;
        case Property::Redraw:
            widget_->repaint();
            break;
        case Property::Invalidate:
            widget_->update();
            break;
        default:
            break;
    }
    apply(what);
}

void ControlBinding::apply(Property) {}

std::unique_ptr<ControlBinding> makeBinding(WindowBinding& window, Control& control,
                                            QWidget* content) {
    switch (control.kind()) {
        case ControlKind::PushButton:
            return bindPushButton(window, control, content);
        case ControlKind::BevelButton:
            return bindBevelButton(window, control, content);
        case ControlKind::PopupMenu:
            return bindPopupMenu(window, control, content);
        case ControlKind::CheckBox:
            return bindCheckBox(window, control, content);
        case ControlKind::RadioGroup:
            return bindRadioGroup(window, control, content);
        case ControlKind::Slider:
            return bindSlider(window, control, content);
        case ControlKind::Label:
            return bindLabel(window, control, content);
        case ControlKind::TextField:
            return bindTextField(window, control, content);
        case ControlKind::TextArea:
            return bindTextArea(window, control, content);
        case ControlKind::Canvas:
            return bindCanvas(window, control, content);
        case ControlKind::GroupBox:
            return bindGroupBox(window, control, content);
        case ControlKind::ProgressWheel:
            return bindProgressWheel(window, control, content);
        case ControlKind::FilledRectangle:
            return bindFilledRectangle(window, control, content);
        case ControlKind::ContextualMenu:
        case ControlKind::Timer:
            return nullptr;
    }
    return nullptr;
}

}  // namespace tavrel::platform::qt
