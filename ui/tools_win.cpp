// Building the Tools window from the tool table, and its handlers. Controls
// are named after the table: "field_<tool>_<field>", "label_<tool>_<field>",
// "result_<tool>_<result>", "resultLabel_<tool>_<result>", "group_<tool>".
// A text field's caption is its accessible name (the field's title); its
// help tag says what it takes.
#include "ui/tools_win.h"

#include <algorithm>

#include "builder/result_format.h"
#include "tavrel/platform/group_box.h"

namespace tavrel::ui {
namespace {

// clang-format off
constexpr int kMargin = 10;
constexpr int kLabelWidth = 170;
constexpr int kFieldLeft = kMargin + kLabelWidth + 6;
constexpr int kFieldWidth = 150;
constexpr int kRowHeight = 22;
constexpr int kRowGap = 4;
constexpr int kMostResultLines = 6;
constexpr int kWindowWidth = kFieldLeft + kFieldWidth + kMargin;
constexpr int kTextSize = 12;
// clang-format on

std::string controlName(std::string_view kind, std::string_view tool, std::string_view name) {
    std::string s(kind);
    s += '_';
    s += tool;
    if (!name.empty()) {
        s += '_';
        s += name;
    }
    return s;
}

std::string fieldLabel(const builder::FieldRow& f) {
    std::string s(f.title);
    if (!f.defaultText.empty()) {
        s += " (";
        s += f.defaultText;
        if (!f.metricDefault.empty()) {
            s += ", ";
            s += f.metricDefault;
            s += " metric";
        }
        s += ")";
    } else if (!f.required) {
        s += " (optional)";
    }
    return s;
}

// Joins what each item of a result shows, one item per line.
std::string itemLines(const std::vector<std::string>& items) {
    std::string s;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) s += '\r';
        s += items[i];
    }
    return s;
}

}  // namespace

toolsWin::toolsWin(platform::Application& app, calcWin& calculator)
    : platform::Window(app, "toolsWin", platform::WindowKind::Floating),
      calc_(calculator),
      // The comma runs the build before the first control is looked up.
      LBerror((build(), get<platform::Label>("LBerror"))),
      LBchecks(get<platform::Label>("LBchecks")),
      PBrecord(get<platform::PushButton>("PBrecord")) {
    PBrecord.onAction = [this] { recordOnTape(); };
    showTool(0);
}

toolsWin& toolsWin::build() {
    setTitle("Tools");
    setCloseBox(true);
    setResizable(false);
    const auto table = builder::tools();
    for (std::size_t row = 0; row < table.size(); ++row) buildTool(row);
    auto& error = add<platform::Label>("LBerror");
    error.setCaption("Error");
    error.setTextColor(platform::Color{0xB0, 0x00, 0x00});
    auto& checks = add<platform::Label>("LBchecks");
    checks.setCaption("Code check");
    checks.setMultiline(true);
    auto& record = add<platform::PushButton>("PBrecord");
    record.setCaption("Record on tape");
    record.setHelpTag("writes the tool, its inputs and its results onto the tape (Return)");
    record.setDefault(true);
    return *this;
}

void toolsWin::buildTool(std::size_t row) {
    const builder::ToolRow& t = builder::tools()[row];
    ToolControls c;
    c.group = &add<platform::GroupBox>(controlName("group", t.name, {}));
    c.group->setCaption(std::string(t.title));
    c.group->setVisible(false);
    for (std::size_t i = 0; i < t.fields.size(); ++i) {
        const builder::FieldRow& f = t.fields[i];
        auto& label = addIn<platform::Label>(*c.group, controlName("label", t.name, f.name));
        label.setText(fieldLabel(f));
        label.setTextSize(kTextSize);
        auto& field = addIn<platform::TextField>(*c.group, controlName("field", t.name, f.name));
        field.setCaption(std::string(f.title));
        field.setHelpTag(std::string(f.name) + ": " + std::string(builder::describeKind(f.kind)));
        field.setTextSize(kTextSize);
        field.onTextChange = [this] { evaluateTool(); };
        field.onKeyDown = [this, i](const platform::KeyEvent& key) { return fieldKeyDown(i, key); };
        c.labels.push_back(&label);
        c.fields.push_back(&field);
    }
    for (std::size_t r = 0; r < t.results.size(); ++r) {
        const builder::ResultRow& res = t.results[r];
        auto& label =
            addIn<platform::Label>(*c.group, controlName("resultLabel", t.name, res.name));
        label.setText(std::string(res.title));
        label.setTextSize(kTextSize);
        auto& area = addIn<platform::TextArea>(*c.group, controlName("result", t.name, res.name));
        area.setCaption(std::string(res.title));
        area.setHelpTag("click to enter this result into the calculator");
        area.setReadOnly(true);
        area.setBorder(false);
        area.setTextSize(kTextSize);
        area.onMouseDown = [this, r, &area](int x, int y) {
            // The clicked line is the item: count the line ends before the offset.
            const std::size_t offset = area.charOffsetAt(x, y);
            const std::string& text = area.text();
            std::size_t line = 0, chars = 0;
            for (std::size_t b = 0; b < text.size() && chars < offset; ++b) {
                if ((static_cast<unsigned char>(text[b]) & 0xC0) == 0x80) continue;
                if (text[b] == '\r') ++line;
                ++chars;
            }
            enterResult(r, line);
            return true;
        };
        c.resultLabels.push_back(&label);
        c.results.push_back(&area);
    }
    controls_.push_back(std::move(c));
}

const builder::ToolRow& toolsWin::tool() const {
    return builder::tools()[row_];
}

platform::TextField& toolsWin::field(std::string_view tool, std::string_view name) const {
    return get<platform::TextField>(controlName("field", tool, name));
}

platform::TextArea& toolsWin::result(std::string_view tool, std::string_view name) const {
    return get<platform::TextArea>(controlName("result", tool, name));
}

void toolsWin::showTool(std::size_t row) {
    if (row >= controls_.size()) return;
    controls_[row_].group->setVisible(false);
    row_ = row;
    controls_[row_].group->setVisible(true);
    setTitle("Tools: " + std::string(tool().title));
    evaluateTool();
    if (!controls_[row_].fields.empty()) {
        platform::TextField& first = *controls_[row_].fields.front();
        first.setFocus();
        first.setSelection(0, first.length());
    }
}

void toolsWin::evaluateTool() {
    const builder::ToolRow& t = tool();
    const ToolControls& c = controls_[row_];
    std::vector<builder::GivenField> given;
    for (std::size_t i = 0; i < t.fields.size(); ++i)
        given.push_back({t.fields[i].name, c.fields[i]->text()});
    evaluation_ = builder::evaluate(t, given, calc_.coreServices());
    // A bad or missing input empties every result; the error line says why.
    for (std::size_t r = 0; r < c.results.size(); ++r) {
        const bool shown = evaluation_.ok() && !evaluation_.results[r].items.empty();
        c.results[r]->setText(shown ? itemLines(evaluation_.results[r].items) : std::string());
        c.results[r]->setVisible(shown || !evaluation_.ok());
        c.resultLabels[r]->setVisible(shown || !evaluation_.ok());
    }
    LBerror.setText(evaluation_.error);
    LBerror.setVisible(!evaluation_.ok());
    std::string checks;
    for (const std::string& line : evaluation_.checks)
        checks += (checks.empty() ? "" : "\r") + line;
    LBchecks.setText(checks);
    LBchecks.setVisible(!checks.empty());
    PBrecord.setEnabled(evaluation_.ok());
    layout();
}

void toolsWin::layout() {
    const ToolControls& c = controls_[row_];
    const int line = platform::metrics::lineHeight(kTextSize);
    int y = kMargin;
    for (std::size_t i = 0; i < c.fields.size(); ++i) {
        c.labels[i]->setBounds(kMargin, y + 3, kLabelWidth, kRowHeight - 3);
        c.fields[i]->setBounds(kFieldLeft, y, kFieldWidth, kRowHeight);
        y += kRowHeight + kRowGap;
    }
    y += kRowGap;
    for (std::size_t r = 0; r < c.results.size(); ++r) {
        if (!c.results[r]->visible()) continue;
        const int lines =
            std::clamp(static_cast<int>(c.results[r]->lineCount()), 1, kMostResultLines);
        c.resultLabels[r]->setBounds(kMargin, y, kLabelWidth, kRowHeight - 3);
        c.results[r]->setBounds(kFieldLeft, y, kFieldWidth, lines * line + 4);
        c.results[r]->setScrollBar(c.results[r]->lineCount() > kMostResultLines);
        y += std::max(kRowHeight, lines * line + 4) + kRowGap;
    }
    const int width = kWindowWidth - 2 * kMargin;
    if (LBerror.visible()) {
        LBerror.setBounds(kMargin, y, width, kRowHeight);
        y += kRowHeight + kRowGap;
    }
    if (LBchecks.visible()) {
        const int n =
            1 + static_cast<int>(std::count(LBchecks.text().begin(), LBchecks.text().end(), '\r'));
        LBchecks.setBounds(kMargin, y, width, n * line + 4);
        y += n * line + 4 + kRowGap;
    }
    PBrecord.setBounds(kWindowWidth - kMargin - 130, y + kRowGap, 130, kRowHeight);
    setSize(kWindowWidth, y + kRowGap + kRowHeight + kMargin);
}

bool toolsWin::fieldKeyDown(std::size_t index, const platform::KeyEvent& key) {
    if (key.code != platform::keys::Tab) return false;
    const auto& fields = controls_[row_].fields;
    const std::size_t n = fields.size();
    const std::size_t next = key.modifiers.shift ? (index + n - 1) % n : (index + 1) % n;
    fields[next]->setFocus();
    fields[next]->setSelection(0, fields[next]->length());
    return true;
}

void toolsWin::recordOnTape() {
    if (!evaluation_.ok()) return;
    std::vector<TapeValue> values;
    for (const builder::InputText& in : evaluation_.inputs)
        values.push_back({in.text, std::string(in.name)});
    for (const builder::ResultText& r : evaluation_.results)
        for (const std::string& item : r.items)
            values.push_back({builder::entryText(item), std::string(r.name)});
    calc_.Tape1.record(tool().title, values, evaluation_.checks);
}

void toolsWin::enterResult(std::size_t result, std::size_t item) {
    if (!evaluation_.ok() || result >= evaluation_.results.size()) return;
    const auto& items = evaluation_.results[result].items;
    if (item >= items.size()) return;
    // As a value taken back from the tape: after "=" it starts a new calculation.
    Calculator& calc = calc_.calculator();
    if (calc.lastkey == "=") calc.cleanReg("clear");
    calc_.ChangePop();
    calc_.show();
    app().bringToFront(calc_);
    calc_.EditFract1.setText(builder::entryText(items[item]));
    calc_.EditFract1.setFocus();
}

std::vector<std::string> toolsMenuRows() {
    std::vector<std::string> rows;
    for (const builder::ToolRow& t : builder::tools()) rows.emplace_back(t.title);
    return rows;
}

toolsWin* openToolRow(platform::Application& app, calcWin& calculator, std::size_t row) {
    if (row >= builder::tools().size()) return nullptr;
    auto* win = dynamic_cast<toolsWin*>(app.findWindow("toolsWin"));
    if (!win) win = app.makeWindow<toolsWin>(calculator).get();
    win->showTool(row);
    win->show();
    app.bringToFront(*win);
    return win;
}

toolsWin* openTool(platform::Application& app, calcWin& calculator, std::string_view name) {
    const auto table = builder::tools();
    for (std::size_t row = 0; row < table.size(); ++row)
        if (builder::findTool(name) == &table[row]) return openToolRow(app, calculator, row);
    return nullptr;
}

}  // namespace tavrel::ui
