// Building the calculator window: walk the design table, create each control
// of its class with its design values, then wire the handlers. The open
// handlers (run by Window::open) fill the pop-ups, move the metric and
// triangle keys onto their places and start the tape.
#include "ui/calc_win.h"

#include "tavrel/platform/carbon_declares.h"
#include "tavrel/platform/contextual_menu.h"
#include "tavrel/platform/graphics.h"
#include "tavrel/platform/group_box.h"
#include "tavrel/platform/timer.h"
#include "tavrel/platform/utf8.h"
#include "ui/window_design.h"

namespace tavrel::ui {
namespace {

char localSeparator(platform::Application& app) {
    const char32_t c = app.services().locale().decimalSeparator();
    // The parser and formatter work on single bytes; every separator in use is ASCII.
    return c > 0 && c < 128 ? static_cast<char>(c) : '.';
}

// The stamp's own forms rather than the system's: the time line must carry
// "am" or "pm" wherever it runs, since reading the tape back relies on it.
StampSource systemStamps(platform::Application& app) {
    return stampsFrom([&app] {
        const platform::DateTime t = app.services().clock().now();
        return LocalDateTime{t.year, t.month, t.day, t.hour, t.minute, t.second};
    });
}

platform::Color rgb(std::int64_t v) {
    return platform::Color{static_cast<std::uint8_t>((v >> 16) & 0xFF),
                           static_cast<std::uint8_t>((v >> 8) & 0xFF),
                           static_cast<std::uint8_t>(v & 0xFF)};
}

}  // namespace

calcWin::calcWin(platform::Application& app, TapeKeeping keeping)
    : platform::Window(app, "calcWin", platform::WindowKind::GlobalFloating),
      core_{localSeparator(app), [&app] { app.services().system().beep(); }},
      calc_(*this, core_),
      images_(app.services().resources()),
      // The comma runs the build before the first control is looked up.
      EditFract1((buildFromDesign(), get<EditFract>("EditFract1"))),
      PMUnit(get<PopMenu>("PMUnit")),
      PMLCD(get<PopMenu>("PMLCD")),
      bbLock(get<myBevelButton>("bbLock")),
      Tape1(get<Tape>("Tape1")),
      PBeq(get<platform::PushButton>("PBeq")),
      keeping_(std::move(keeping)) {
    wireOpenHandlers();
    wireKeys();
    wireUnits();
    wireFunctions();
    wireTriangle();
    wireMemory();
    wireClipboard();
    wireTape();
    wireShell();
    wireMenus();
}

calcWin& calcWin::buildFromDesign() {
    const WindowDesign& w = calcWinWindow();
    setTitle(std::string(w.title));
    setSize(w.width, w.height);
    setMinimumSize(w.minWidth, w.minHeight);
    setMaximumSize(w.maxWidth, w.maxHeight);
    setBackgroundColor(rgb(w.background));
    setCloseBox(true);
    setResizable(true);
    setLiveResize(true);
    setZoomBox(false);

    for (const ControlDesign& d : calcWinDesign()) {
        const std::string name(d.name);
        platform::Control* c = nullptr;
        switch (d.cls) {
            case ControlClass::myGroupBox:
                c = &add<myGroupBox>(name);
                break;
            case ControlClass::GroupBox:
                c = &add<platform::GroupBox>(name);
                break;
            case ControlClass::PopMenu:
                c = &add<PopMenu>(name);
                break;
            case ControlClass::myBevelButton:
                c = &add<myBevelButton>(name);
                break;
            case ControlClass::myBevelButtonColor:
                c = &add<myBevelButtonColor>(name);
                break;
            case ControlClass::myPushButton:
                c = &add<myPushButton>(name);
                break;
            case ControlClass::EditFract:
                c = &add<EditFract>(name);
                break;
            case ControlClass::VarDisplay:
                c = &add<VarDisplay>(name);
                break;
            case ControlClass::myMenuBB:
                c = &add<myMenuBB>(name);
                break;
            case ControlClass::bbTri:
                c = &add<bbTri>(name);
                break;
            case ControlClass::ContextualMenu:
                c = &add<platform::ContextualMenu>(name);
                break;
            case ControlClass::Tape:
                c = &add<Tape>(name, calc_.registers(), systemStamps(app()));
                break;
            case ControlClass::myWigit:
                c = &add<myWigit>(name, images_);
                break;
            case ControlClass::myWigit1:
                c = &add<myWigit1>(name, images_);
                break;
            case ControlClass::Timer:
                c = &add<platform::Timer>(name);
                break;
        }
        if (!d.parent.empty()) c->setParent(&get(d.parent));
        if (!d.style.noPosition) c->setBounds(d.left, d.top, d.width, d.height);
        c->setCaption(std::string(d.caption));
        c->setHelpTag(std::string(d.helpTag));
        if (d.textSize > 0) c->setTextSize(d.textSize);
        if (!d.font.empty()) c->setTextFont(std::string(d.font));
        c->setBold(d.style.bold);
        c->setItalic(d.style.italic);
        if (d.style.hidden) c->setVisible(false);
        if (d.background >= 0) c->setBackgroundColor(rgb(d.background));
        if (d.style.leftAligned) c->setAlignment(platform::Alignment::Left);
        if (d.style.rightAligned) c->setAlignment(platform::Alignment::Right);

        if (auto* b = dynamic_cast<platform::BevelButton*>(c)) {
            if (d.style.toggle) b->setToggleType(platform::BevelToggle::Toggle);
            if (d.style.initiallyDown) b->setValue(true);
            if (d.style.menuArrow) b->setMenuArrow(true);
        }
        if (auto* e = dynamic_cast<platform::TextEdit*>(c)) {
            e->setBorder(d.style.border);
            e->setReadOnly(d.style.readOnly);
        }
        if (auto* f = dynamic_cast<platform::TextField*>(c)) f->setFocusRing(!d.style.noFocusRing);
        if (auto* a = dynamic_cast<platform::TextArea*>(c)) {
            a->setStyled(d.style.styled);
            a->setScrollBar(d.style.verticalScrollBar);
        }
        if (auto* l = dynamic_cast<platform::Label*>(c)) l->setMultiline(d.style.multiLine);
        if (auto* t = dynamic_cast<platform::Timer*>(c)) {
            t->setPeriod(d.periodMs);
            t->setMode(d.style.startedAtCreation ? platform::TimerMode::Single
                                                 : platform::TimerMode::Off);
        }
    }
    return *this;
}

void calcWin::wireOpenHandlers() {
    // Metric and triangle keys lie outside the key pad in the design and move
    // onto the places of the keys they share with.
    for (const ControlDesign& d : calcWinDesign()) {
        if (d.movedOnto.empty()) continue;
        auto& key = get<myBevelButton>(d.name);
        const std::string onto(d.movedOnto);
        const std::string caption(d.openCaption);
        key.myOpen = [this, &key, onto, caption] {
            const platform::Control& place = get(onto);
            key.setLeft(place.left());
            key.setTop(place.top());
            if (!caption.empty()) key.setCaption(caption);
        };
    }
    get<myPushButton>("PBdecimal").myOpen = [this] {
        get<myPushButton>("PBdecimal").setCaption(std::string(1, core_.decimalSeparator));
    };
    PMUnit.myOpen = [this] {
        PMUnit.fill(kUnitItems);
        PMUnit.setListIndex(0);
        PMUnit.setEnabled(false);
        PMUnit.selfPressed = false;
    };
    PMLCD.myOpen = [this] {
        PMLCD.fill(kPrecisionItems);
        PMLCD.setListIndex(0);
        PMLCD.selfPressed = false;
    };
    // Every run's tape starts with its date, time and separator, below the
    // saved tape when it is kept.
    Tape1.myOpen = [this] { startTape(); };
    get<myPushButton>("pbTapeClr").onAction = [this] {
        Tape1.clear();
        Tape1.timeStamp();
        EditFract1.setFocus();
    };
}

void calcWin::activateSelf() {
    platform::SetAppToFrontmost(app());
    Tape1.setFocus();
}

std::string calcWin::displayText() const {
    return EditFract1.text();
}

void calcWin::setDisplayText(const std::string& text) {
    showResult(text);
}

void calcWin::selectFromCaret(int length) {
    EditFract1.setSelLength(static_cast<std::size_t>(length));
}

void calcWin::recordOnTape(const std::string& tag) {
    Tape1.display(tag);
}

}  // namespace tavrel::ui
