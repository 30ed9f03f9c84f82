// The tape as a file: plain text (LF line ends) or CSV for a spreadsheet.
// The CSV reads the tape's text line by line: each stamp (date, time and
// separator lines) sets the date and time of the rows below it, and each
// value line (operand, result, pitch) becomes one row, its value read back
// through the parser into a decimal number in the value's own unit.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

struct TapeRow {
    std::string date;
    std::string time;
    std::string value;   // as the tape shows it
    std::string tag;     // operator, function caption, "◊" or "ptch"
    std::string number;  // decimal, "." separator; empty for an empty value
    std::string unit;    // unit code of the number: "ft", "sq ft", "cu me", "nu"
};

// The value lines of a tape text (CR-ended lines) written with this decimal separator.
std::vector<TapeRow> tapeRows(std::string_view tapeText, char decimalSeparator);

// One CSV field: quoted, with quotes doubled, when it holds a quote, a comma or a line break.
std::string csvField(std::string_view text);

// A header row "date,time,value,tag,number,unit" and one row per value line, LF-ended.
std::string tapeCsv(std::string_view tapeText, char decimalSeparator);

// The tape as it shows, with LF line ends.
std::string tapePlainText(std::string_view tapeText);

// The lines of a text, each without its end; a last line without an end counts too.
std::vector<std::string_view> splitLines(std::string_view text, char end);

}  // namespace tavrel
