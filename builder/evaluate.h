// One evaluation of a tool from the texts typed into its fields: read the
// fields (defaults for those left empty), compute, and write every result
// and code-check line as text. A bad input or result gives one line naming
// the field instead of any number.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "builder/tool.h"
#include "core/core_services.h"

namespace tavrel::builder {

struct GivenField {
    std::string_view name;
    std::string_view text;  // empty: not given
};

struct InputText {
    std::string_view name;
    std::string text;  // as typed (spaces tidied), or the default used
};

struct ResultText {
    std::string_view name;
    std::string_view title;
    std::vector<std::string> items;  // empty: the result does not apply; jacks give several
};

struct Evaluation {
    std::string error;  // "field: what is wrong"; empty when all is well
    std::vector<InputText> inputs;
    std::vector<ResultText> results;  // one per result of the tool, in its order
    std::vector<std::string> checks;
    bool ok() const { return error.empty(); }
};

// Reads the given texts into typed inputs; returns the error line or "".
std::string readInputs(const ToolRow& tool, std::span<const GivenField> given,
                       const CoreServices& services, Inputs& in,
                       std::vector<InputText>* texts = nullptr);
// Runs the tool on typed inputs; returns the error line or "".
std::string computeTool(const ToolRow& tool, const Inputs& in, Computed& out);

Evaluation evaluate(const ToolRow& tool, std::span<const GivenField> given,
                    const CoreServices& services);

}  // namespace tavrel::builder
