// A triangle key: a bevel button that holds one side of the right triangle
// (its leg) and how recently that side was stored (orderIndex). The window
// handles the click and the three events the key raises: myOpen once the
// leg exists, set after a typed side was stored, solve after a side was solved.
#pragma once

#include <cstdint>
#include <functional>

#include "core/mixed_unit.h"
#include "tavrel/ui/controls/my_bevel_button.h"

namespace tavrel::ui {

class bbTri : public myBevelButton {
  public:
    using myBevelButton::myBevelButton;

    ValueRef leg = newValue();
    // 2 stored last, 1 the one before; 0 or less older or never stored.
    std::int32_t orderIndex = 0;

    bool known() const { return orderIndex >= 1; }

    // Forgets the side: zero inches, not known. The leg's flag and text stay.
    void clear() {
        mixedUnitCU& l = *leg;
        l.angle = l.decimal_1 = l.decimal_2 = l.denominator = l.neumerator = 0;
        l.unit = "in";
        l.originalInput.clear();
        l.masterUnit = 0;
        l.power = 1;
        l.fractType = 0;
        orderIndex = 0;
    }

    std::function<void()> set;
    std::function<void()> solve;

  protected:
    void opened() override {
        leg = newValue();
        myBevelButton::opened();
        leg->unit = "in";
    }
};

}  // namespace tavrel::ui
