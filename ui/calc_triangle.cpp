// The triangle keys. A key pressed during an entry stores the entry as its
// side (set); pressed on a shown result it solves its side from the two sides
// stored most recently (solve). The window's set and solve handlers then show
// the side and record it through a calculation step tagged with the key's
// caption. The pitch key pressed again in a row switches between inches of
// rise per foot and degrees.
#include <array>

#include "core/display_format.h"
#include "core/unit_table.h"
#include "ui/calc_win.h"

namespace tavrel::ui {
namespace {

struct TriKey {
    std::string_view control;
    TriSide side;
};

// clang-format off
constexpr std::array<TriKey, 4> kTriKeys{{
    {"bbtPitch", TriSide::pitch},
    {"bbtRise",  TriSide::rise},
    {"bbtRun",   TriSide::run},
    {"bbtDiag",  TriSide::diag},
}};
// clang-format on

}  // namespace

void calcWin::bbTri_myAction(bbTri& key, TriSide side) {
    auto& pitch = get<bbTri>("bbtPitch");
    if (calc_.lastkey == "bbtPitch" && side == TriSide::pitch) pitch.leg->flag = true;
    // Once the pitch key has set it, lastkey stays until some other key changes it.
    if (calc_.lastkey != "bbtPitch") calc_.lastkey = key.name();
    readDisplayIntoTemp();
    if (calc_.clearFlag) {
        std::array<bool, 4> known{};
        for (const TriKey& k : kTriKeys)
            known[static_cast<std::size_t>(k.side)] = get<bbTri>(k.control).known();
        auto& run = get<bbTri>("bbtRun");
        TriangleLegs legs{*pitch.leg, *get<bbTri>("bbtRise").leg, *run.leg,
                          *get<bbTri>("bbtDiag").leg, run.orderIndex};
        if (!solveSide(side, known, legs)) {
            // An impossible triangle has no side to show.
            calc_.error();
            return;
        }
        if (key.solve) key.solve();
        return;
    }
    const mixedUnitCU& t = *calc_.registers().tempReg;
    key.leg->masterUnit = t.masterUnit;
    key.leg->unit = t.unit;
    calc_.clearFlag = true;
    // Storing the newest side again changes nothing; any other side becomes
    // the newest and the former newest the previous one.
    if (key.orderIndex < 2) {
        key.orderIndex = 3;
        for (const TriKey& k : kTriKeys) --get<bbTri>(k.control).orderIndex;
    }
    if (key.set) key.set();
}

void calcWin::mSolve(bbTri& key, TriSide side) {
    const mixedUnitCU& leg = *key.leg;
    calc_.cleanReg("clrTemp");
    mixedUnitCU& t = *calc_.registers().tempReg;
    t.masterUnit = leg.masterUnit;
    t.unit = leg.unit;
    t.power = 1;
    if (side == TriSide::pitch && (sameCode(leg.unit, "nu") || leg.unit.empty())) {
        // Degrees are a plain number: as a length they could not be added to one.
        t.masterUnit = leg.angle;
        t.power = 0;
    }
    convertGlobaltoLocalUnits(t, core_.decimalSeparator);
    calc_.cleanReg("running=temp");
    mixedUnitCU& r = *calc_.registers().runningReg;
    r.display(core_.decimalSeparator);
    showResult(r.valueString);
}

void calcWin::pitchSet() {
    mixedUnitCU& p = *get<bbTri>("bbtPitch").leg;
    calcAngle(p);
    mixedUnitCU& t = *calc_.registers().tempReg;
    if (sameCode(p.unit, "in")) {
        t.masterUnit = p.masterUnit;
    } else if (sameCode(p.unit, "nu")) {
        t.masterUnit = p.angle;
    } else {
        // A pitch in feet or metres has no angle. Stop here: a step on the
        // cleared registers would record a zero pitch in degrees.
        calc_.error();
        return;
    }
    calc_.cleanReg("running=temp");
    calc_.clearFlag = false;
    calc_.calculate("ptch");
    calc_.lastkey = "bbtPitch";
}

void calcWin::pitchSolve() {
    auto& key = get<bbTri>("bbtPitch");
    mixedUnitCU& p = *key.leg;
    mSolve(key, TriSide::pitch);
    if (p.flag) {
        mixedUnitCU& t = *calc_.registers().tempReg;
        if (sameCode(p.unit, "in")) {
            t.masterUnit = p.angle;
            t.unit = "nu";
            t.power = 0;
            p.unit = "nu";
            calc_.cleanReg("running=temp");
        } else if (sameCode(p.unit, "nu")) {
            t.masterUnit = p.masterUnit;
            t.unit = "in";
            t.power = 1;
            p.unit = "in";
            calc_.cleanReg("running=temp");
            p.flag = false;
        }
    }
    calc_.lastkey = "bbtPitch";
    readDisplayIntoTemp();
    calc_.calculate("ptch");
}

void calcWin::wireTriangle() {
    for (const TriKey& k : kTriKeys) {
        auto& key = get<bbTri>(k.control);
        const TriSide side = k.side;
        key.myAction = [this, &key, side] { bbTri_myAction(key, side); };
        if (side == TriSide::pitch) {
            key.set = [this] { pitchSet(); };
            key.solve = [this] { pitchSolve(); };
            continue;
        }
        key.set = [this, &key] {
            calc_.clearFlag = false;
            calc_.calculate(key.caption());
        };
        key.solve = [this, &key, side] {
            mSolve(key, side);
            calc_.calculate(key.caption());
        };
    }
}

}  // namespace tavrel::ui
