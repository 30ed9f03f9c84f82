// The tool command reads FIELD=VALUE arguments into the tool's fields,
// evaluates once and prints one "name: value" line per result in the
// table's order (a list of jacks on one line, comma-separated), then the
// code-check lines. Every failure is one line on standard error, status 1.
#include "tool_command.h"

#include <string>
#include <string_view>
#include <vector>

#include "builder/evaluate.h"

namespace tavrel::cli {
namespace {

constexpr std::string_view kOption = "--tool=";
constexpr std::string_view kSeparator = "--decimal-separator=";

void listTools(std::ostream& out) {
    for (const builder::ToolRow& t : builder::tools()) {
        out << t.name << ": " << t.title << '\n';
        for (const builder::FieldRow& f : t.fields) {
            out << "  " << f.name << " (" << builder::describeKind(f.kind) << ")";
            if (!f.defaultText.empty()) out << " = " << f.defaultText;
            if (!f.metricDefault.empty()) out << ", " << f.metricDefault << " when metric";
            if (f.defaultText.empty()) out << (f.required ? " required" : " optional");
            out << '\n';
        }
    }
}

int fail(std::ostream& err, const std::string& message) {
    err << "tavrel-cli: " << message << '\n';
    return 1;
}

}  // namespace

std::optional<int> runToolCommand(int argc, char** argv, std::ostream& out, std::ostream& err) {
    std::string_view toolName;
    std::vector<std::string_view> rest;
    CoreServices services;
    bool asked = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a.substr(0, kOption.size()) == kOption && !asked) {
            asked = true;
            toolName = a.substr(kOption.size());
        } else if (a.substr(0, kSeparator.size()) == kSeparator &&
                   a.size() == kSeparator.size() + 1) {
            services.decimalSeparator = a.back();
        } else {
            rest.push_back(a);
        }
    }
    if (!asked) return std::nullopt;
    if (toolName == "list") {
        if (!rest.empty()) return fail(err, "--tool=list takes no fields");
        listTools(out);
        return 0;
    }
    const builder::ToolRow* tool = builder::findTool(toolName);
    if (!tool) return fail(err, "no tool \"" + std::string(toolName) + "\" (see --tool=list)");
    std::vector<builder::GivenField> given;
    for (std::string_view a : rest) {
        const auto eq = a.find('=');
        if (eq == std::string_view::npos || eq == 0)
            return fail(err, "expected FIELD=VALUE, not \"" + std::string(a) + "\"");
        given.push_back({a.substr(0, eq), a.substr(eq + 1)});
    }
    const builder::Evaluation e = builder::evaluate(*tool, given, services);
    if (!e.ok()) return fail(err, e.error);
    for (const builder::ResultText& r : e.results) {
        if (r.items.empty()) continue;
        out << r.name << ": ";
        for (std::size_t i = 0; i < r.items.size(); ++i) out << (i ? ", " : "") << r.items[i];
        out << '\n';
    }
    for (const std::string& line : e.checks) out << line << '\n';
    return 0;
}

}  // namespace tavrel::cli
