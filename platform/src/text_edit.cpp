// Edits go through editRange (user edits) or setText (assignments); both keep
// the character and line-break counts, then run the handlers in their order.
#include "tavrel/platform/text_edit.h"

#include <algorithm>

#include "tavrel/platform/application.h"
#include "tavrel/platform/utf8.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform {
namespace {

std::size_t countBreaks(std::string_view s) {
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), '\r'));
}

}  // namespace

void TextEdit::recount() {
    chars_ = utf8::length(text_);
    breaks_ = countBreaks(text_);
}

void TextEdit::raiseTextChange() {
    if (onTextChange) onTextChange();
}

void TextEdit::raiseSelChange() {
    if (onSelChange) onSelChange();
}

// After a replacement of the text: the caret is placed, the view and the
// handlers hear of it, text-change first.
void TextEdit::textChanged() {
    selLength_ = 0;
    textReplaced();
    notify(Property::Text);
    notify(Property::Selection);
    raiseTextChange();
    raiseSelChange();
}

void TextEdit::setText(std::string text) {
    text_ = std::move(text);
    recount();
    selStart_ = chars_;
    textChanged();
}

void TextEdit::append(std::string_view more) {
    if (more.empty()) return;
    text_.append(more);
    chars_ += utf8::length(more);
    std::size_t lines = countBreaks(more);
    breaks_ += lines;
    textAppendedAtEnd(more, lines);
    if (view()) view()->textAppended(*this, more);
    raiseTextChange();
}

void TextEdit::setSelection(std::size_t start, std::size_t length) {
    start = std::min(start, chars_);
    length = std::min(length, chars_ - start);
    if (start == selStart_ && length == selLength_) return;
    selStart_ = start;
    selLength_ = length;
    notify(Property::Selection);
    raiseSelChange();
}

void TextEdit::setSelStart(std::size_t start) {
    setSelection(start, 0);
}

void TextEdit::setSelLength(std::size_t length) {
    setSelection(selStart_, length);
}

std::string TextEdit::selectedText() const {
    return utf8::substr(text_, selStart_, selLength_);
}

void TextEdit::setSelectedText(std::string_view replacement) {
    editRange(selStart_, selLength_, replacement);
}

void TextEdit::editRange(std::size_t start, std::size_t count, std::string_view insert) {
    start = std::min(start, chars_);
    count = std::min(count, chars_ - start);
    if (count == 0 && insert.empty()) return;
    std::size_t from = utf8::byteOffset(text_, start);
    std::size_t to = from + utf8::byteOffset(std::string_view(text_).substr(from), count);
    breaks_ -= countBreaks(std::string_view(text_).substr(from, to - from));
    text_.replace(from, to - from, insert);
    breaks_ += countBreaks(insert);
    std::size_t inserted = utf8::length(insert);
    chars_ = chars_ - count + inserted;
    selStart_ = start + inserted;
    textChanged();
}

bool TextEdit::handleKeyDown(const KeyEvent& key) {
    if (onKeyDown && onKeyDown(key)) return true;
    return defaultKey(key);
}

bool TextEdit::defaultKey(const KeyEvent& key) {
    switch (key.code) {
        case keys::Left:
            if (selLength_ > 0)
                setSelStart(selStart_);
            else if (selStart_ > 0)
                setSelStart(selStart_ - 1);
            return true;
        case keys::Right:
            setSelStart(selLength_ > 0 ? selStart_ + selLength_ : selStart_ + 1);
            return true;
        default:
            break;
    }
    if (readOnly_) return false;
    if (key.code == keys::Backspace) {
        if (selLength_ > 0)
            editRange(selStart_, selLength_, {});
        else if (selStart_ > 0)
            editRange(selStart_ - 1, 1, {});
        return true;
    }
    if (key.code == keys::ForwardDelete) {
        editRange(selStart_, selLength_ > 0 ? selLength_ : 1, {});
        return true;
    }
    // Other control characters (Return, Tab, Escape, Enter, arrows) insert nothing here.
    if (key.code < 32 || key.text.empty()) return false;
    editRange(selStart_, selLength_, key.text);
    return true;
}

bool TextEdit::handleMouseDown(int x, int y) {
    if (onMouseDown && onMouseDown(x, y)) return true;
    setFocus();
    setSelStart(caretForClick(x, y));
    return true;
}

std::size_t TextEdit::caretForClick(int x, int y) const {
    if (view()) {
        if (auto measured = view()->caretAt(*this, x, y)) return std::min(*measured, chars_);
    }
    int cw = metrics::charWidth(textSize());
    return static_cast<std::size_t>(std::max(0, (x + cw / 2) / cw));
}

void TextEdit::dropTextByUser(std::string_view dropped, Modifiers modifiers) {
    if (!enabled()) return;
    InputState::EventScope scope(app().input(), modifiers);
    if (onDropText) {
        onDropText(std::string(dropped));
        return;
    }
    if (!readOnly_) editRange(selStart_, selLength_, dropped);
}

}  // namespace tavrel::platform
