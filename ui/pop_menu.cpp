// Item tables of the two pop-ups and the code <-> index mapping they share.
#include "pop_menu.h"

#include <array>

#include "core/unit_table.h"

namespace tavrel::ui {
namespace {

constexpr std::array<UnitItem, 10> kUnitTable{{
    {"UNIT", "NU", ""},
    {"inch", "in", "\""},
    {"foot", "ft", "'"},
    {"ft-in", "fi", "\""},
    {"yard", "yd", "y"},
    {"mile", "mi", "e"},
    {"mm", "mm", "m"},
    {"cm", "cm", "c"},
    {"me", "me", "M"},
    {"km", "km", "k"},
}};

// Precision codes by index; index 0 is the title.
constexpr std::array<std::string_view, 9> kPrecisionCodes{"",   "2",  "4",   "8", "16",
                                                          "32", "64", "100", "0"};

}  // namespace

const UnitItem* unitItemByText(std::string_view item) {
    for (const auto& u : kUnitTable)
        if (sameCode(u.item, item)) return &u;
    return nullptr;
}

void PopMenu::display(std::string_view code) {
    for (std::size_t i = 0; i < kUnitTable.size(); ++i)
        if (sameCode(kUnitTable[i].code, code)) return setListIndex(static_cast<int>(i));
    for (std::size_t i = 1; i < kPrecisionCodes.size(); ++i)
        if (kPrecisionCodes[i] == code) return setListIndex(static_cast<int>(i));
}

std::string PopMenu::menuValue() const {
    const int i = listIndex();
    if (i < 0 || i >= rowCount()) return {};
    const std::string& item = list(i);
    if (const UnitItem* u = unitItemByText(item)) return std::string(u->code);
    if (static_cast<std::size_t>(i) < kPrecisionCodes.size())
        return std::string(kPrecisionCodes[static_cast<std::size_t>(i)]);
    return {};
}

void PopMenu::fill(std::string_view literal) {
    deleteAllRows();
    std::size_t start = 0;
    while (start <= literal.size()) {
        const auto comma = literal.find(',', start);
        const auto end = comma == std::string_view::npos ? literal.size() : comma;
        addRow(std::string(literal.substr(start, end - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
}

void PopMenu::opened() {
    platform::PopupMenu::opened();
    if (myOpen) myOpen();
}

}  // namespace tavrel::ui
