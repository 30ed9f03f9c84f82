// The Tools window: one window, built from the builder's tool table, that
// shows one tool at a time. Every tool gets a group of controls when the
// window is made (a labelled text field per input, a clickable result area
// per result); showing a tool shows its group. Each change of a field
// evaluates the tool again and rewrites the results, the code-check lines
// or the one-line error. "Record on tape" (also Return) writes the tool's
// title, inputs and results onto the calculator's tape; a click on a result
// enters it into the calculator's display.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "builder/evaluate.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/label.h"
#include "tavrel/platform/push_button.h"
#include "tavrel/platform/text_area.h"
#include "tavrel/platform/text_field.h"
#include "tavrel/platform/window.h"
#include "ui/calc_win.h"

namespace tavrel::ui {

class toolsWin : public platform::Window {
    struct ToolControls {
        platform::Control* group = nullptr;
        std::vector<platform::Label*> labels;
        std::vector<platform::TextField*> fields;
        std::vector<platform::Label*> resultLabels;
        std::vector<platform::TextArea*> results;
    };
    // Declared first: the controls are built while the references below are bound.
    calcWin& calc_;
    std::vector<ToolControls> controls_;
    std::size_t row_ = 0;
    builder::Evaluation evaluation_;

  public:
    toolsWin(platform::Application& app, calcWin& calculator);

    // Shows the tool of that table row (its fields keep what was typed).
    void showTool(std::size_t row);
    std::size_t toolRow() const { return row_; }
    const builder::ToolRow& tool() const;
    const builder::Evaluation& evaluation() const { return evaluation_; }

    // The controls of a tool's field and result, by names.
    platform::TextField& field(std::string_view tool, std::string_view name) const;
    platform::TextArea& result(std::string_view tool, std::string_view name) const;

    // Writes the current tool onto the calculator's tape (the button's action).
    void recordOnTape();
    // Enters a result's item into the calculator's display as an entry.
    void enterResult(std::size_t result, std::size_t item);

    platform::Label& LBerror;
    platform::Label& LBchecks;
    platform::PushButton& PBrecord;

  private:
    toolsWin& build();
    void buildTool(std::size_t row);
    void evaluateTool();
    void layout();
    bool fieldKeyDown(std::size_t index, const platform::KeyEvent& key);
};

// The rows of the Tools menu: every tool's title, in the table's order.
std::vector<std::string> toolsMenuRows();
// Shows the single Tools window (made on first use) on a tool, by menu row
// or by name; nullptr for a row or name that is no tool.
toolsWin* openToolRow(platform::Application& app, calcWin& calculator, std::size_t row);
toolsWin* openTool(platform::Application& app, calcWin& calculator, std::string_view name);

}  // namespace tavrel::ui
