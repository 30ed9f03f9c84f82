// What the value layer needs from the system: the local decimal separator and
// the beep that reports unreadable input. Passed in, never global.
#pragma once

#include <functional>

namespace tavrel {

struct CoreServices {
    char decimalSeparator = '.';
    std::function<void()> beep;

    void soundBeep() const {
        if (beep) beep();
    }
};

}  // namespace tavrel
