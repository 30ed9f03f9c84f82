// Qt's input as the model's: Alt is Option, Control is Command (and Meta the
// Mac's Control key); special keys get the character codes the program tests
// keys by. A Control-held letter keeps its letter, so Command shortcuts read
// as their character.
#pragma once

#include <QKeyEvent>
#include <optional>

#include "tavrel/platform/input.h"

namespace tavrel::platform::qt {

Modifiers modifiersFrom(Qt::KeyboardModifiers m);

// None for keys that type nothing the model knows (a lone Shift, F-keys).
std::optional<KeyEvent> keyEventFrom(int key, const QString& text, Qt::KeyboardModifiers m);
inline std::optional<KeyEvent> keyEventFrom(const QKeyEvent& e) {
    return keyEventFrom(e.key(), e.text(), e.modifiers());
}

// A click is contextual with the right button or the Control key held.
inline bool isContextualClick(Qt::MouseButton button, Qt::KeyboardModifiers m) {
    return button == Qt::RightButton || (button == Qt::LeftButton && (m & Qt::ControlModifier));
}

}  // namespace tavrel::platform::qt
