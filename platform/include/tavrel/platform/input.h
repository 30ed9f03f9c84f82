// Input events and the input state handlers read. A user-level entry point
// (a click, a typed key, a pop-up choice) opens an InputState::EventScope that
// publishes the event's modifiers and click kind to everything it runs, nested
// handlers included; the state "now" is asked of the backend's Desktop.
#pragma once

#include <string>
#include <string_view>

#include "tavrel/platform/geometry.h"

namespace tavrel::platform {

class Desktop;

struct Modifiers {
    bool shift = false;
    bool option = false;
    bool command = false;
    bool control = false;

    static constexpr Modifiers none() { return {}; }
    static constexpr Modifiers withShift() { return {true, false, false, false}; }
    static constexpr Modifiers withOption() { return {false, true, false, false}; }
    static constexpr Modifiers withCommand() { return {false, false, true, false}; }
    static constexpr Modifiers withControl() { return {false, false, false, true}; }
    constexpr Modifiers operator|(Modifiers o) const {
        return {shift || o.shift, option || o.option, command || o.command, control || o.control};
    }
    friend constexpr bool operator==(const Modifiers&, const Modifiers&) = default;
};

// Character codes the program tests keys by (Mac key codes of the first character).
namespace keys {
inline constexpr char32_t Enter = 3;
inline constexpr char32_t Backspace = 8;
inline constexpr char32_t Tab = 9;
inline constexpr char32_t Return = 13;
inline constexpr char32_t Escape = 27;
inline constexpr char32_t Left = 28;
inline constexpr char32_t Right = 29;
inline constexpr char32_t Up = 30;
inline constexpr char32_t Down = 31;
inline constexpr char32_t ForwardDelete = 127;
}  // namespace keys

struct KeyEvent {
    std::string text;   // the typed text, UTF-8
    char32_t code = 0;  // code point of its first character
    Modifiers modifiers;

    static KeyEvent of(std::string_view text, Modifiers modifiers = {});
    static KeyEvent ofCode(char32_t code, Modifiers modifiers = {});
};

class InputState {
  public:
    explicit InputState(Desktop& desktop) : desktop_(desktop) {}
    InputState(const InputState&) = delete;
    InputState& operator=(const InputState&) = delete;

    // Modifiers of the event being handled (none outside any event).
    Modifiers eventModifiers() const { return eventModifiers_; }
    // Whether the click being handled is a contextual (secondary) click.
    bool contextualClick() const { return contextual_; }
    // The keys held at this moment, as the backend reports them.
    Modifiers modifiersNow() const;
    Point mousePosition() const;

    // Publishes an event's input state for the duration of its handling and
    // restores the outer event's state afterwards (events nest).
    class EventScope {
      public:
        EventScope(InputState& state, Modifiers modifiers, bool contextual = false);
        ~EventScope();
        EventScope(const EventScope&) = delete;
        EventScope& operator=(const EventScope&) = delete;

      private:
        InputState& state_;
        Modifiers savedModifiers_;
        bool savedContextual_;
    };

  private:
    Desktop& desktop_;
    Modifiers eventModifiers_;
    bool contextual_ = false;
};

}  // namespace tavrel::platform
