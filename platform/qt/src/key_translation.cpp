// Special keys by Qt key; everything else by its text.
#include "tavrel/platform/qt/key_translation.h"

#include <array>
#include <utility>

#include "tavrel/platform/utf8.h"

namespace tavrel::platform::qt {

Modifiers modifiersFrom(Qt::KeyboardModifiers m) {
    Modifiers out;
    out.shift = (m & Qt::ShiftModifier) != 0;
    out.option = (m & Qt::AltModifier) != 0;
    out.command = (m & Qt::ControlModifier) != 0;
    out.control = (m & Qt::MetaModifier) != 0;
    return out;
}

std::optional<KeyEvent> keyEventFrom(int key, const QString& text, Qt::KeyboardModifiers m) {
    // clang-format off
    static constexpr std::array<std::pair<int, char32_t>, 10> kSpecial{{
        {Qt::Key_Return,    keys::Return},
        {Qt::Key_Enter,     keys::Enter},
        {Qt::Key_Backspace, keys::Backspace},
        {Qt::Key_Tab,       keys::Tab},
        {Qt::Key_Escape,    keys::Escape},
        {Qt::Key_Left,      keys::Left},
        {Qt::Key_Right,     keys::Right},
        {Qt::Key_Up,        keys::Up},
        {Qt::Key_Down,      keys::Down},
        {Qt::Key_Delete,    keys::ForwardDelete},
    }};
    // clang-format on
    const Modifiers mods = modifiersFrom(m);
    for (const auto& [qtKey, code] : kSpecial)
        if (key == qtKey) return KeyEvent::ofCode(code, mods);

    QString typed = text;
    // With Control held Qt reports a control character; the model wants the letter.
    if ((m & (Qt::ControlModifier | Qt::MetaModifier)) && key >= 0x20 && key < 0x7F) {
        QChar c(key);
        typed = (m & Qt::ShiftModifier) ? QString(c.toUpper()) : QString(c.toLower());
    }
    if (typed.isEmpty() || typed.at(0).unicode() < 0x20) return std::nullopt;
    return KeyEvent::of(typed.toStdString(), mods);
}

}  // namespace tavrel::platform::qt
