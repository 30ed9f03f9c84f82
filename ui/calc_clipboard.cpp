// The display and the clipboard: copy takes the whole display text, paste
// puts a cleaned and shortened clipboard text in its place, a drop enters
// its characters one by one as keypad keys would. The display's context menu
// opens on a contextual click on the display or the window background.
#include "core/unit_table.h"
#include "tavrel/platform/contextual_menu.h"
#include "tavrel/platform/utf8.h"
#include "ui/calc_win.h"
#include "ui/menu_rows.h"

namespace tavrel::ui {
namespace {

namespace utf8 = platform::utf8;

constexpr std::size_t kPasteLimit = 20;  // characters

}  // namespace

void calcWin::copyCalc() {
    app().services().clipboard().setText(EditFract1.text());
}

void calcWin::pasteCalc() {
    const std::string held = app().services().clipboard().text().value_or(std::string());
    std::string t;
    for (char c : held)
        if (c != '\r' && c != '\t') t += c;
    // Neither read nor marked as an entry: the next key or operator deals with it.
    EditFract1.setText(utf8::substr(t, 0, kPasteLimit));
}

void calcWin::EditFract1_DropObject(const std::string& text) {
    const std::size_t n = utf8::length(text);
    for (std::size_t i = 0; i < n; ++i) enterInput(utf8::substr(text, i, 1));
}

bool calcWin::EditFract1_MouseDown() {
    activateSelf();
    if (!app().input().contextualClick()) return false;
    get<platform::ContextualMenu>("ContextualMenu1").popup();
    return true;
}

bool calcWin::Window_MouseDown() {
    if (app().input().contextualClick()) {
        get<platform::ContextualMenu>("ContextualMenu1").popup();
        return true;
    }
    activateSelf();
    return false;
}

void calcWin::ContextualMenu1_Action(const std::string& row) {
    if (sameCode(row, "Help")) {
        if (showHelp) showHelp();
    } else if (sameCode(row, "Clear Calc")) {
        press("BBclear");
    } else if (sameCode(row, "Copy Calc")) {
        copyCalc();
    } else if (sameCode(row, "Trans Calc")) {
        if (toggleTransparency) toggleTransparency();
    }
}

void calcWin::wireClipboard() {
    auto& menu = get<platform::ContextualMenu>("ContextualMenu1");
    menu.onOpen = [&menu] { addRows(menu, "Help,-,Clear Calc,Copy Calc,Trans Calc"); };
    menu.onAction = [this](const std::string& row) { ContextualMenu1_Action(row); };
    EditFract1.onMouseDown = [this](int, int) { return EditFract1_MouseDown(); };
    EditFract1.onDropText = [this](const std::string& text) { EditFract1_DropObject(text); };
    onMouseDown = [this](int, int) { return Window_MouseDown(); };
}

}  // namespace tavrel::ui
