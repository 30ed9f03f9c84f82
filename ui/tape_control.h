// The tape control: a read-only text area whose whole state is its text.
// The line forms come from the tape module; this class binds them to the
// area (appending, caret, scrolling) and raises myOpen when it opens. Lines
// pass through a kept surface, which also writes them to the tape file once
// the window gives it a store.
#pragma once

#include <functional>
#include <string>

#include "tape/kept_tape.h"
#include "tape/tape.h"
#include "tavrel/platform/text_area.h"

namespace tavrel::ui {

// The tape module's view of a text area.
class TextAreaTapeSurface : public TapeSurface {
  public:
    explicit TextAreaTapeSurface(platform::TextArea& area) : area_(area) {}
    const std::string& text() const override { return area_.text(); }
    void append(std::string_view more) override { area_.append(more); }
    void clearText() override { area_.setText(std::string()); }
    std::size_t length() const override { return area_.length(); }
    void setSelStart(std::size_t position) override { area_.setSelStart(position); }
    long scrollPosition() const override { return static_cast<long>(area_.scrollPosition()); }
    void setScrollPosition(long topLine) override { area_.setScrollPosition(topLine); }

  private:
    platform::TextArea& area_;
};

class Tape : public platform::TextArea {
  public:
    Tape(platform::Window& window, std::string name, const Registers& registers, StampSource now)
        : platform::TextArea(window, std::move(name)),
          surface_(*this),
          kept_(surface_),
          tape_(kept_, registers, std::move(now)) {}

    std::function<void()> myOpen;

    void display(const std::string& tag) { tape_.display(tag); }
    void clear() { tape_.clear(); }
    void timeStamp() { tape_.timeStamp(); }
    void lineFeed() { tape_.lineFeed(); }
    void carriageReturn() { tape_.carriageReturn(); }
    void insertAtEnd() { tape_.insertAtEnd(); }
    KeptTapeSurface& kept() { return kept_; }
    void record(std::string_view title, std::span<const TapeValue> values,
                std::span<const std::string> notes) {
        tape_.record(title, values, notes);
    }

    void opened() override {
        platform::TextArea::opened();
        if (myOpen) myOpen();
    }

  private:
    TextAreaTapeSurface surface_;
    KeptTapeSurface kept_;
    tavrel::Tape tape_;
};

}  // namespace tavrel::ui
