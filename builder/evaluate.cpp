// Texts in, texts out. The first length (or area) typed decides whether
// results are written in feet and inches or in its metric unit; defaults
// are read like typed texts, in the metric default where a field has one.
#include "builder/evaluate.h"

#include <cmath>

#include "builder/field_reader.h"
#include "builder/result_format.h"
#include "core/unit_table.h"

namespace tavrel::builder {
namespace {

bool isMeasure(FieldKind k) {
    return k == FieldKind::Length || k == FieldKind::FeetLength || k == FieldKind::Area;
}

std::string line(std::string_view field, std::string_view what) {
    return std::string(field) + ": " + std::string(what);
}

}  // namespace

std::string readInputs(const ToolRow& tool, std::span<const GivenField> given,
                       const CoreServices& services, Inputs& in, std::vector<InputText>* texts) {
    in = Inputs{};
    in.format.decimalSeparator = services.decimalSeparator;
    std::array<std::string, kMaxFields> typed;
    for (const GivenField& g : given) {
        const auto at = fieldIndex(tool, g.name);
        if (!at) return std::string(tool.name) + " has no field \"" + std::string(g.name) + "\"";
        if (in.typed[*at]) return line(tool.fields[*at].name, "given twice");
        typed[*at] = normaliseText(g.text);
        in.typed[*at] = !typed[*at].empty();
    }
    // Typed fields first, in table order; the first length typed chooses the
    // unit results are written in, and with it the defaults of the rest.
    bool unitChosen = false;
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        const FieldRow& f = tool.fields[i];
        if (!in.typed[i]) {
            if (f.required && f.defaultText.empty()) return line(f.name, "missing");
            continue;
        }
        FieldValue v;
        if (std::string error = readField(f, typed[i], services, v); !error.empty())
            return line(f.name, error);
        in.value[i] = v.value;
        in.present[i] = true;
        if (isMeasure(f.kind) && !unitChosen) {
            unitChosen = true;
            if (isMetricUnit(v.unit)) {
                in.format.metric = true;
                in.format.unit = findUnit(v.unit)->code;
            }
        }
    }
    if (texts) texts->clear();
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        const FieldRow& f = tool.fields[i];
        std::string_view text = typed[i];
        if (!in.typed[i]) {
            text = in.format.metric && !f.metricDefault.empty() ? f.metricDefault : f.defaultText;
            if (text.empty()) continue;
            // The table's defaults always read (a test holds every row to it).
            FieldValue v;
            if (std::string error = readField(f, text, services, v); !error.empty())
                return line(f.name, error);
            in.value[i] = v.value;
            in.present[i] = true;
        }
        if (f.kind == FieldKind::Precision) in.format.fractType = static_cast<int>(in.value[i]);
        if (texts) texts->push_back({f.name, std::string(text)});
    }
    return {};
}

std::string computeTool(const ToolRow& tool, const Inputs& in, Computed& out) {
    out.reset();
    if (auto fault = tool.compute(in, out)) return line(fault->field, fault->message);
    for (std::size_t r = 0; r < tool.results.size(); ++r)
        for (double v : out.values[r])
            if (!std::isfinite(v)) return line(tool.results[r].name, "no finite result");
    for (const CodeCheck& c : out.checks)
        if (!std::isfinite(c.inches)) return line("rise", "no finite result");
    return {};
}

Evaluation evaluate(const ToolRow& tool, std::span<const GivenField> given,
                    const CoreServices& services) {
    Evaluation e;
    Inputs in;
    e.error = readInputs(tool, given, services, in, &e.inputs);
    if (!e.ok()) {
        e.inputs.clear();
        return e;
    }
    Computed out;
    e.error = computeTool(tool, in, out);
    if (!e.ok()) {
        e.inputs.clear();
        return e;
    }
    for (std::size_t r = 0; r < tool.results.size(); ++r) {
        ResultText t{tool.results[r].name, tool.results[r].title, {}};
        for (double v : out.values[r])
            t.items.push_back(formatResult(tool.results[r].kind, v, in.format));
        e.results.push_back(std::move(t));
    }
    for (const CodeCheck& c : out.checks) e.checks.push_back(codeCheckText(c, in.format));
    return e;
}

}  // namespace tavrel::builder
