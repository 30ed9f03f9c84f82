// The editable text shared by text fields and text areas. Text is UTF-8;
// selStart/selLength count code points. Event rules, all synchronous:
//   setText: always runs the text-change handler, then the selection-change
//     handler, even when the text is unchanged (a handler that assigns the
//     text again nests a full round inside the outer one);
//   selection setters: the selection-change handler runs only on a real change;
//   user editing (typed keys, drops): text-change then selection-change, only
//     when the text actually changes;
//   append: adds at the end in time proportional to the appended text, runs
//     the text-change handler and leaves the selection where it was.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "tavrel/platform/control.h"

namespace tavrel::platform {

class TextEdit : public Control {
  public:
    using Control::Control;

    const std::string& text() const { return text_; }
    // The caret goes to the end of the new text.
    void setText(std::string text);
    void append(std::string_view more);
    std::size_t length() const { return chars_; }  // characters, kept as text changes

    std::size_t selStart() const { return selStart_; }
    std::size_t selLength() const { return selLength_; }
    // Moves the caret (clamped to the text), collapsing the selection.
    void setSelStart(std::size_t start);
    // Extends from selStart (clamped to the text).
    void setSelLength(std::size_t length);
    void setSelection(std::size_t start, std::size_t length);
    std::string selectedText() const;
    // Replaces the selection as typing would; the caret follows the new text.
    void setSelectedText(std::string_view replacement);

    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool on) { assign(readOnly_, on, Property::Appearance); }
    bool border() const { return border_; }
    void setBorder(bool on) { assign(border_, on, Property::Appearance); }

    bool acceptsFocus() const override { return true; }

    // Text dropped on the control by the user. Without a drop handler the
    // text is inserted at the caret (unless read-only).
    void dropTextByUser(std::string_view dropped, Modifiers modifiers = {});

    // Returns whether the key is consumed; if not, the control edits by default.
    std::function<bool(const KeyEvent& key)> onKeyDown;
    std::function<void()> onTextChange;
    std::function<void()> onSelChange;
    // Returns whether the click is handled; if not, the control takes the
    // focus and places the caret.
    std::function<bool(int x, int y)> onMouseDown;
    std::function<void(const std::string& text)> onDropText;

  protected:
    bool handleKeyDown(const KeyEvent& key) override;
    bool handleMouseDown(int x, int y) override;
    // Default processing of a key nobody consumed; returns whether it acted.
    virtual bool defaultKey(const KeyEvent& key);
    // The caret for a click at (x, y) when nobody handled it.
    virtual std::size_t caretForClick(int x, int y) const;
    // After every change of the text, before the handlers run.
    virtual void textReplaced() {}
    virtual void textAppendedAtEnd(std::string_view /*more*/, std::size_t /*newLines*/) {}
    std::size_t lineBreaks() const { return breaks_; }

    // Replaces [start, start + count) by insert as a user edit.
    void editRange(std::size_t start, std::size_t count, std::string_view insert);

  private:
    void textChanged();
    void raiseTextChange();
    void raiseSelChange();
    void recount();

    std::string text_;
    std::size_t chars_ = 0;
    std::size_t breaks_ = 0;  // carriage returns
    std::size_t selStart_ = 0;
    std::size_t selLength_ = 0;
    bool readOnly_ = false;
    bool border_ = true;
};

}  // namespace tavrel::platform
