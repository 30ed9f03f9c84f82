// The common base of every control. A control belongs to one window (which owns
// it), may sit in a container control, and holds plain properties. Each
// property change is reported to an optional ControlView: that is how a backend
// mirrors any control without knowing its kind's logic. Handlers are
// std::function members; the user-level entry points (…ByUser, click,
// chooseByUser, typed keys) are what a backend calls when the real user acts.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "tavrel/platform/geometry.h"
#include "tavrel/platform/graphics.h"
#include "tavrel/platform/input.h"
#include "tavrel/platform/picture.h"

namespace tavrel::platform {

class Window;
class Application;
class Control;
class TextEdit;
class TextArea;

enum class ControlKind {
    PushButton,
    BevelButton,
    PopupMenu,
    CheckBox,
    RadioGroup,
    Slider,
    Label,
    TextField,
    TextArea,
    Canvas,
    GroupBox,
    ProgressWheel,
    ContextualMenu,
    Timer,
    FilledRectangle,
};

enum class Property {
    Parent,
    Bounds,
    Visible,
    Enabled,
    Caption,
    HelpTag,
    TextStyle,
    Alignment,
    Colors,
    Cursor,
    Value,       // button/check box/slider value, radio selection, bevel menu value
    Range,       // slider limits and steps
    Items,       // pop-up items, bevel menu rows, contextual rows, radio buttons
    ListIndex,   // pop-up selection
    Text,        // text field/area/label text
    Selection,   // caret and selection
    Scroll,      // text area top line
    Appearance,  // the look of one kind: toggle type, icon, border, multi-line, read-only…
    Focus,
    Redraw,      // draw now
    Invalidate,  // draw at the next chance
    Timer,       // timer mode or period
};

class ControlView {
  public:
    virtual ~ControlView() = default;
    virtual void changed(Control& control, Property what) = 0;
    // Text appended at the end of a text field or area; defaults to a text change.
    virtual void textAppended(TextEdit& edit, std::string_view appended);
    // Character offset at a point in a text area, when the view can measure it.
    virtual std::optional<std::size_t> charOffsetAt(const TextArea&, int /*x*/, int /*y*/) {
        return std::nullopt;
    }
    // Caret position for a click in a text field, when the view can measure it.
    virtual std::optional<std::size_t> caretAt(const TextEdit&, int /*x*/, int /*y*/) {
        return std::nullopt;
    }
};

class Control {
  public:
    Control(Window& window, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual ControlKind kind() const = 0;

    Window& window() const { return window_; }
    Application& app() const;
    const std::string& name() const { return name_; }

    // Container (a group box); positions stay relative to the window's content area.
    Control* parent() const { return parent_; }
    void setParent(Control* container);

    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    const Rect& bounds() const { return bounds_; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    void setBounds(int left, int top, int width, int height);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    // Visible, and every container up the chain visible too.
    bool isShown() const;
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string v);
    const std::string& helpTag() const { return helpTag_; }
    void setHelpTag(std::string v);

    const TextStyle& textStyle() const { return style_; }
    void setTextFont(std::string font);
    void setTextSize(int size);
    void setBold(bool on);
    void setItalic(bool on);
    void setUnderline(bool on);
    const std::string& textFont() const { return style_.font; }
    int textSize() const { return style_.size; }
    bool bold() const { return style_.bold; }
    bool italic() const { return style_.italic; }
    bool underline() const { return style_.underline; }

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    std::optional<Color> textColor() const { return textColor_; }
    void setTextColor(std::optional<Color> c);
    std::optional<Color> backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(std::optional<Color> c);
    std::optional<Cursor> cursor() const { return cursor_; }
    void setCursor(std::optional<Cursor> c);

    // Redraw now (counted, so a test can see that a redraw was asked for).
    void refresh();
    // Redraw at the next chance.
    void invalidate();
    int refreshCount() const { return refreshCount_; }

    // Keyboard focus, for the kinds that take it.
    virtual bool acceptsFocus() const { return false; }
    void setFocus();
    bool hasFocus() const;

    ControlView* view() const { return view_; }
    void setView(ControlView* v) { view_ = v; }

    std::function<void()> onOpen;
    std::function<void()> onClose;
    std::function<void()> onMouseEnter;
    std::function<void()> onMouseExit;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    // User-level entry points. Coordinates are relative to the control. A
    // disabled control ignores them. Each runs with the event's input state.
    void mouseEnterByUser();
    void mouseExitByUser();
    // A mouse press; returns whether the control claimed it (so mouse-up follows).
    bool mouseDownByUser(int x, int y, Modifiers modifiers = {}, bool contextual = false);
    void mouseDragByUser(int x, int y);
    void mouseUpByUser(int x, int y, Modifiers modifiers = {});
    // A key while the control has the focus; returns whether it was consumed.
    bool keyDownByUser(const KeyEvent& key);

    // Raised by the window: open when it opens its controls, close when it closes.
    virtual void opened();
    virtual void closed();

  protected:
    // What each kind does with user input; the defaults ignore it.
    virtual bool handleMouseDown(int /*x*/, int /*y*/) { return false; }
    virtual void handleMouseDrag(int /*x*/, int /*y*/) {}
    virtual void handleMouseUp(int /*x*/, int /*y*/) {}
    virtual bool handleKeyDown(const KeyEvent& /*key*/) { return false; }

    void notify(Property what);
    template <class T>
    bool assign(T& member, T value, Property what) {
        if (member == value) return false;
        member = std::move(value);
        notify(what);
        return true;
    }

  private:
    Window& window_;
    std::string name_;
    Control* parent_ = nullptr;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::string helpTag_;
    TextStyle style_;
    Alignment alignment_ = Alignment::Default;
    std::optional<Color> textColor_;
    std::optional<Color> backgroundColor_;
    std::optional<Cursor> cursor_;
    int refreshCount_ = 0;
    ControlView* view_ = nullptr;
};

}  // namespace tavrel::platform
