// Canvas: drawn by its paint handler; raw mouse events. The backend (or a
// headless render) calls paint() with a surface; refresh() asks for it now.
#pragma once

#include "tavrel/platform/control.h"

namespace tavrel::platform {

class Canvas : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Canvas; }

    const PicturePtr& backdrop() const { return backdrop_; }
    void setBackdrop(PicturePtr p);
    bool acceptsFocus() const override { return acceptFocus_; }
    void setAcceptsFocus(bool on) { acceptFocus_ = on; }

    // Draws the canvas onto g (the paint event).
    void paint(Graphics& g);

    std::function<void(Graphics& g)> onPaint;
    std::function<bool(int x, int y)> onMouseDown;  // true claims the click
    std::function<void(int x, int y)> onMouseDrag;
    std::function<void(int x, int y)> onMouseUp;
    std::function<bool(const KeyEvent& key)> onKeyDown;

  protected:
    // Program classes override these to take the events themselves.
    virtual void paintEvent(Graphics& g);
    bool handleMouseDown(int x, int y) override;
    void handleMouseDrag(int x, int y) override;
    void handleMouseUp(int x, int y) override;
    bool handleKeyDown(const KeyEvent& key) override;

  private:
    PicturePtr backdrop_;
    bool acceptFocus_ = false;
};

}  // namespace tavrel::platform
