// Event scopes nest: each restores the state of the event it interrupted.
#include "tavrel/platform/input.h"

#include "tavrel/platform/services.h"
#include "tavrel/platform/utf8.h"

namespace tavrel::platform {

KeyEvent KeyEvent::of(std::string_view text, Modifiers modifiers) {
    return KeyEvent{std::string(text), utf8::firstCodePoint(text), modifiers};
}

KeyEvent KeyEvent::ofCode(char32_t code, Modifiers modifiers) {
    return KeyEvent{utf8::encode(code), code, modifiers};
}

Modifiers InputState::modifiersNow() const {
    return desktop_.modifiersNow();
}

Point InputState::mousePosition() const {
    return desktop_.mousePosition();
}

InputState::EventScope::EventScope(InputState& state, Modifiers modifiers, bool contextual)
    : state_(state), savedModifiers_(state.eventModifiers_), savedContextual_(state.contextual_) {
    state_.eventModifiers_ = modifiers;
    state_.contextual_ = contextual;
}

InputState::EventScope::~EventScope() {
    state_.eventModifiers_ = savedModifiers_;
    state_.contextual_ = savedContextual_;
}

}  // namespace tavrel::platform
