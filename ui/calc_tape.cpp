// What the user does with the tape: Option-click a line to take its value
// back into the display, type into it (the keys go to the calculator), its
// context menu, Copy Tape, Page Setup and printing in narrow columns. The
// tape's text is only read here, never changed, apart from the selection a
// re-entry shows and the right alignment printing gives every paragraph.
#include <algorithm>
#include <memory>

#include "core/unit_table.h"
#include "tavrel/platform/contextual_menu.h"
#include "tavrel/platform/utf8.h"
#include "ui/calc_win.h"
#include "ui/menu_rows.h"

namespace tavrel::ui {
namespace {

namespace utf8 = platform::utf8;

// Printed columns, in points.
constexpr int kColumnWidth = 150;
constexpr int kColumnStep = 168;  // the width and an 18-point gap
constexpr int kPrinterWidth = 540;

}  // namespace

// A value line holds its value, then at least two spaces of padding, then
// its tag; date, time, separator and empty lines have no such run. So the
// value is everything before the line's first double space, and a line
// without one holds no value.
bool calcWin::reenterFromTape(std::size_t offset) {
    const std::string& text = Tape1.text();
    const std::size_t at = utf8::byteOffset(text, offset);
    const std::size_t start = at == 0 ? 0 : text.rfind('\r', at - 1) + 1;  // npos + 1 is 0
    const std::size_t cr = text.find('\r', at);
    const std::string line = text.substr(start, cr == std::string::npos ? cr : cr - start);
    const std::size_t col = at - start;  // bytes into the line
    // A click on the padding (two or more spaces) or on a separator line.
    const auto space = [&line](std::size_t i) { return i < line.size() && line[i] == ' '; };
    if (space(col) && (space(col + 1) || (col > 0 && space(col - 1)))) return false;
    if (line.rfind("--", 0) == 0) return false;
    const std::size_t valueEnd = line.find("  ");
    if (valueEnd == std::string::npos) return false;

    if (calc_.lastkey == "=") calc_.cleanReg("clear");
    ChangePop();
    const std::size_t valueStart = offset - utf8::length(std::string_view(line).substr(0, col));
    Tape1.setSelection(valueStart, utf8::length(std::string_view(line).substr(0, valueEnd)));
    EditFract1.setText(Tape1.selectedText());
    EditFract1.setFocus();
    return true;
}

bool calcWin::Tape1_MouseDown(int x, int y) {
    if (app().input().contextualClick()) {
        get<platform::ContextualMenu>("ContextualMenu2").popup();
        return true;
    }
    if (app().input().eventModifiers().option) return reenterFromTape(Tape1.charOffsetAt(x, y));
    activateSelf();
    return false;
}

bool calcWin::Tape1_KeyDown(const platform::KeyEvent& key) {
    if (key.code == platform::keys::Tab) {
        activateSelf();
        return true;
    }
    PBpush(key.text);
    EditFract1.setFocusAlt();
    return false;
}

void calcWin::copyTape() {
    app().services().clipboard().setText(Tape1.selLength() > 0 ? Tape1.selectedText()
                                                               : Tape1.text());
}

void calcWin::pageSetup() {
    pageSetup_ = platform::PageSetup{};
    // Whatever the dialog leaves in the setup is used; its answer is not.
    app().services().printing().pageSetupDialog(*pageSetup_);
}

void calcWin::printTape() {
    if (!pageSetup_) pageSetup_ = platform::PageSetup{};
    const int height = pageSetup_->printableHeight;
    // A page narrower than one column still prints one column per page.
    const int columns = std::max(1, pageSetup_->printableWidth / kColumnStep);

    // Printed columns are right-aligned like the screen.
    platform::StyledText styled = Tape1.styledText();
    for (std::size_t i = 0; i < styled.paragraphCount(); ++i)
        styled.setParagraphAlignment(i, platform::Alignment::Right);
    const std::size_t selStart = Tape1.selStart();
    const std::size_t selLength = Tape1.selLength();
    Tape1.setStyledText(styled);
    Tape1.setSelection(selStart, selLength);  // the user's selection survives the assignment

    const std::unique_ptr<platform::Graphics> surface =
        app().services().printing().printDialog(*pageSetup_);
    if (!surface) return;
    platform::StyledTextPrinter printer(styled, *surface, kPrinterWidth);
    printer.setWidth(kColumnWidth);
    int col = 1;
    while (!printer.eof()) {
        printer.drawBlock(kColumnStep * (col - 1), 0, height);
        if (col < columns) {
            ++col;
        } else {
            if (!printer.eof()) surface->nextPage();
            col = 1;
        }
    }
}

void calcWin::ContextualMenu2_Action(const std::string& row) {
    if (sameCode(row, "Help")) {
        if (showHelp) showHelp();
    } else if (sameCode(row, "Clear Tape")) {
        press("pbTapeClr");
    } else if (sameCode(row, "Copy Tape")) {
        copyTape();
    } else if (sameCode(row, "Print Tape")) {
        printTape();
    }
}

void calcWin::wireTape() {
    auto& menu = get<platform::ContextualMenu>("ContextualMenu2");
    menu.onOpen = [&menu] { addRows(menu, "Help,-,Clear Tape,Copy Tape,Print Tape"); };
    menu.onAction = [this](const std::string& row) { ContextualMenu2_Action(row); };
    Tape1.onMouseDown = [this](int x, int y) { return Tape1_MouseDown(x, y); };
    Tape1.onKeyDown = [this](const platform::KeyEvent& key) { return Tape1_KeyDown(key); };
    Tape1.onGotFocus = [this] { activateSelf(); };
}

}  // namespace tavrel::ui
