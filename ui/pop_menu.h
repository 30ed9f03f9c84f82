// The unit and precision pop-ups. The list, the index and the change
// notification are the framework's; PopMenu adds the codes of its items and
// selfPressed, which tells a user's choice (a conversion is wanted) from a
// selection made by code (nothing converts).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "tavrel/platform/popup_menu.h"

namespace tavrel::ui {

class PopMenu : public platform::PopupMenu {
  public:
    using platform::PopupMenu::PopupMenu;

    bool selfPressed = false;
    std::function<void()> myOpen;

    // Selects the item of a unit code ("nu", "in" ... "km") or a precision
    // code ("2" ... "100", "0"); other codes leave the selection alone.
    void display(std::string_view code);
    // The code of the selected item: "NU" for the unit title, "" for the precision title.
    std::string menuValue() const;

    // Replaces the items with the fields of a comma-separated literal.
    void fill(std::string_view literal);

    void opened() override;
};

// The unit table of the unit pop-up: item text, code, suffix appended to an entry.
struct UnitItem {
    std::string_view item;
    std::string_view code;
    std::string_view suffix;
};
const UnitItem* unitItemByText(std::string_view item);

inline constexpr std::string_view kUnitItems = "UNIT,inch,foot,ft-in,yard,mile,mm,cm,me,km";
inline constexpr std::string_view kPrecisionItems = "LCD,1/2,1/4,1/8,1/16,1/32,1/64,1/100,Decimal";

}  // namespace tavrel::ui
