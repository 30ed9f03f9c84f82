// The binding of one control: a ControlView that owns the control's widget.
// The base applies what every kind has (place, visibility, enabled state,
// font, colours, help tag as tool tip and accessible description, focus,
// redraws); each kind's binding adds its own properties and turns the
// widget's user input into the model's user-level operations.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "tavrel/platform/control.h"

namespace tavrel::platform::qt {

class WindowBinding;

class ControlBinding : public ControlView {
  public:
    ControlBinding(WindowBinding& window, Control& control, QWidget* widget);
    ~ControlBinding() override;

    void changed(Control& control, Property what) override;
    // Brings the widget up to date with every property.
    void applyAll();
    void updateVisibility();

    Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }
    WindowBinding& windowBinding() const { return window_; }
    // The model forgets this view (the window lives on, the widget goes).
    void detach();

  protected:
    // A kind's own properties; the base calls it for every change.
    virtual void apply(Property what);
    // The widget's default font before the control's style is applied.
    virtual QFont baseFont() const;
    void applyStyle();
    void applyColors();
    WindowBinding& window_;
    Control& control_;
    QPointer<QWidget> widget_;
    bool attached_ = true;
};

// A binding for the control's kind (none for timers and contextual menus,
// which have no widget).
std::unique_ptr<ControlBinding> makeBinding(WindowBinding& window, Control& control,
                                            QWidget* content);

}  // namespace tavrel::platform::qt
