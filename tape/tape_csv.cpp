// Lines are told apart by their form: a value line has the run of two or
// more spaces that pads its tag, the stamp's date and time lines have none
// and stand right above an 18-hyphen separator.
#include "tape/tape_csv.h"

#include <cmath>

#include "core/convert_unit.h"
#include "core/display_format.h"
#include "core/unit_table.h"

namespace tavrel {
namespace {

constexpr std::string_view kSeparator = "------------------";
constexpr std::string_view kPitchInches = " in 12\"";
constexpr std::string_view kDegree = "\u00B0";

bool isStampLine(std::string_view line) {
    return !line.empty() && line.find("  ") == std::string_view::npos && line != kSeparator;
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The number and unit columns: the value read back, in its own unit (feet
// and inches in feet), at its power.
void readNumber(TapeRow& row, char decimalSeparator) {
    std::string_view text = row.value;
    if (sameCode(row.tag, "ptch")) {
        if (text.ends_with(kPitchInches)) text.remove_suffix(kPitchInches.size());
        if (text.ends_with(kDegree)) text.remove_suffix(kDegree.size());
    }
    if (text.empty()) return;
    const CoreServices quiet{decimalSeparator, {}};
    const ValueRef v = ConvertUnit(text, -1, "-1", -1, quiet);
    std::string code = findUnit(v->unit) || sameCode(v->unit, "fi") ? lower(v->unit) : "nu";
    if (code == "fi") code = "ft";
    const int power = code == "nu" ? 0 : v->power;
    const double n = v->masterUnit * factorFromMaster(code, power);
    const double magnitude = std::fabs(n);
    const std::string digits = formatDecimal(magnitude, decimalPlaces(magnitude, code, power));
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    row.number = (n < 0 && !zero ? "-" : "") + digits;
    row.unit = std::string(power == 2 ? "sq " : power == 3 ? "cu " : "") + code;
}

}  // namespace

std::vector<TapeRow> tapeRows(std::string_view tapeText, char decimalSeparator) {
    const std::vector<std::string_view> lines = splitLines(tapeText, '\r');
    std::vector<TapeRow> rows;
    std::string date, time;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line == kSeparator) {
            if (i >= 2 && isStampLine(lines[i - 2]) && isStampLine(lines[i - 1])) {
                date = lines[i - 2];
                time = lines[i - 1];
            }
            continue;
        }
        const std::size_t pad = line.find("  ");
        if (pad == std::string_view::npos) continue;
        TapeRow row{date, time, std::string(line.substr(0, pad)), {}, {}, {}};
        const std::size_t tag = line.find_first_not_of(' ', pad);
        if (tag != std::string_view::npos) row.tag = line.substr(tag);
        readNumber(row, decimalSeparator);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of("\",\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string tapeCsv(std::string_view tapeText, char decimalSeparator) {
    std::string csv = "date,time,value,tag,number,unit\n";
    for (const TapeRow& r : tapeRows(tapeText, decimalSeparator)) {
        for (const std::string* field : {&r.date, &r.time, &r.value, &r.tag, &r.number}) {
            csv += csvField(*field);
            csv += ',';
        }
        csv += csvField(r.unit);
        csv += '\n';
    }
    return csv;
}

std::string tapePlainText(std::string_view tapeText) {
    std::string text(tapeText);
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

std::vector<std::string_view> splitLines(std::string_view text, char end) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != end) continue;
        lines.push_back(text.substr(start, i - start));
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

}  // namespace tavrel
