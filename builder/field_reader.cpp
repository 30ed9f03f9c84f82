// Field texts in three steps: strip the field's own marks (°, %, $, "/12"),
// check the dimension's form token by token, then read it with ConvertUnit
// and turn the value into the field's unit.
#include "builder/field_reader.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "core/convert_unit.h"
#include "core/unit_table.h"

namespace tavrel::builder {
namespace {

constexpr std::string_view kDegree = "\u00B0";
constexpr double kCmPerInch = 2.54;
constexpr double kSquareCmPerSquareFoot = 30.48 * 30.48;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

enum class Tok { Num, Slash, Sep, Mark };
struct Token {
    Tok kind;
    char mark;
};

enum class Form { Bad, Plain, Marked, Square, Cube };

// The forms the parser reads completely:
//   amount [mark]    or    amount feet-mark amount [inch-mark]
// where amount is N, N/N or N N/N, with "sq" or "cu" anywhere.
class FormCheck {
  public:
    explicit FormCheck(std::string_view text) {
        std::size_t i = 0;
        if (i < text.size() && text[i] == '-') ++i;  // the sign
        while (i < text.size()) {
            const char c = text[i];
            const char next = i + 1 < text.size() ? text[i + 1] : '\0';
            if (isDigit(c) || c == '.') {
                int dots = 0, digits = 0;
                while (i < text.size() && (isDigit(text[i]) || text[i] == '.')) {
                    (text[i] == '.' ? dots : digits) += 1;
                    ++i;
                }
                if (dots > 1 || digits == 0) bad_ = true;
                tokens_.push_back({Tok::Num, 0});
                continue;
            }
            if ((c == 's' || c == 'S') && (next == 'q' || next == 'Q')) {
                square_ = true;
                i += 2;
                continue;
            }
            if ((c == 'c' || c == 'C') && (next == 'u' || next == 'U')) {
                cube_ = true;
                i += 2;
                continue;
            }
            if (c == '/')
                tokens_.push_back({Tok::Slash, 0});
            else if (c == ' ' || c == '-')
                tokens_.push_back({Tok::Sep, 0});
            else if (std::string_view("\"'ifyemcMk").find(c) != std::string_view::npos)
                tokens_.push_back({Tok::Mark, c});
            else
                bad_ = true;
            ++i;
        }
    }

    Form form() {
        if (bad_ || (square_ && cube_)) return Form::Bad;
        skipSeps();
        if (!amount()) return Form::Bad;
        skipSeps();
        const char first = mark();
        skipSeps();
        if (!atEnd()) {
            if (first != '\'' && first != 'f') return Form::Bad;
            if (!amount()) return Form::Bad;
            skipSeps();
            const char second = mark();
            if (second != 0 && second != '"' && second != 'i') return Form::Bad;
            skipSeps();
            if (!atEnd()) return Form::Bad;
        }
        if (square_) return Form::Square;
        if (cube_) return Form::Cube;
        return first == 0 ? Form::Plain : Form::Marked;
    }

  private:
    bool atEnd() const { return at_ >= tokens_.size(); }
    bool is(std::size_t i, Tok k) const { return i < tokens_.size() && tokens_[i].kind == k; }
    void skipSeps() {
        while (is(at_, Tok::Sep)) ++at_;
    }
    char mark() {
        if (!is(at_, Tok::Mark)) return 0;
        return tokens_[at_++].mark;
    }
    // N, N/N, or N N/N; the bar stands right between its numbers.
    bool amount() {
        if (!is(at_, Tok::Num)) return false;
        if (is(at_ + 1, Tok::Slash)) {
            if (!is(at_ + 2, Tok::Num)) return false;
            at_ += 3;
            return true;
        }
        if (is(at_ + 1, Tok::Sep) && is(at_ + 2, Tok::Num) && is(at_ + 3, Tok::Slash)) {
            std::size_t j = at_ + 1;
            while (is(j, Tok::Sep)) ++j;
            if (!is(j, Tok::Num) || !is(j + 1, Tok::Slash) || !is(j + 2, Tok::Num)) return false;
            at_ = j + 3;
            return true;
        }
        ++at_;
        return true;
    }

    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    bool bad_ = false;
    bool square_ = false;
    bool cube_ = false;
};

struct Parsed {
    double master = 0;
    std::string unit;
    int power = 0;
};

// Reads a dimension with the calculator's parser; false when it is unreadable.
bool parseDimension(std::string_view text, const CoreServices& services, Form& form, Parsed& out) {
    // The local separator is read as a point; only the first, as the parser does.
    std::string t(text);
    if (auto at = t.find(services.decimalSeparator); at != std::string::npos) t[at] = '.';
    form = FormCheck(t).form();
    if (form == Form::Bad) return false;
    bool beeped = false;
    CoreServices quiet{'.', [&beeped] { beeped = true; }};
    const ValueRef v = ConvertUnit(t, -1, "-1", -1, quiet);
    if (beeped || sameCode(v->unit, "false") || v->unit == " ") return false;
    if (!std::isfinite(v->masterUnit)) return false;
    out = {v->masterUnit, v->unit, v->power};
    return true;
}

std::string quoted(std::string_view text) {
    return "cannot read \"" + std::string(text) + "\"";
}

std::string checkRange(Range range, double v) {
    switch (range) {
        case Range::Any:
            return {};
        case Range::Positive:
            return v > 0 ? std::string() : "must be above zero";
        case Range::NonNegative:
            return v >= 0 ? std::string() : "must not be negative";
        case Range::Acute:
            return v > 0 && v < 90 ? std::string() : "must be between 0 and 90 degrees";
        case Range::Corner:
            return v > 0 && v < 180 ? std::string() : "must be between 0 and 180 degrees";
    }
    return {};
}

std::string readPlain(std::string_view text, const CoreServices& services, double& out) {
    Form form;
    Parsed p;
    if (!parseDimension(text, services, form, p)) return quoted(text);
    if (form != Form::Plain) return "takes a plain number, not \"" + std::string(text) + "\"";
    out = p.master;
    return {};
}

std::string readPrecision(std::string_view text, int& fractType) {
    if (sameCode(text, "decimal")) {
        fractType = 0;
        return {};
    }
    std::string_view n = text;
    if (n.substr(0, 2) == "1/") n.remove_prefix(2);
    for (int f = 2; f <= 64; f *= 2) {
        if (n == std::to_string(f)) {
            fractType = f;
            return {};
        }
    }
    return "takes 2, 4, 8, 16, 32, 64 or decimal, not \"" + std::string(text) + "\"";
}

}  // namespace

bool isMetricUnit(std::string_view code) {
    return sameCode(code, "mm") || sameCode(code, "cm") || sameCode(code, "me") ||
           sameCode(code, "km");
}

std::string normaliseText(std::string_view text) {
    std::string out;
    bool space = false;
    for (char c : trim(text)) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (blank) {
            space = true;
            continue;
        }
        if (space) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

std::string readField(const FieldRow& field, std::string_view text, const CoreServices& services,
                      FieldValue& out) {
    out = FieldValue{};
    std::string error;
    switch (field.kind) {
        case FieldKind::Length:
        case FieldKind::FeetLength: {
            Form form;
            Parsed p;
            if (!parseDimension(text, services, form, p)) return quoted(text);
            if (form == Form::Square || form == Form::Cube || p.power > 1)
                return "takes a length, not \"" + std::string(text) + "\"";
            if (p.power == 0) {
                out.value = field.kind == FieldKind::FeetLength ? p.master * 12 : p.master;
            } else {
                out.value = p.master / kCmPerInch;
                out.unit = p.unit;
            }
            break;
        }
        case FieldKind::Area: {
            Form form;
            Parsed p;
            if (!parseDimension(text, services, form, p)) return quoted(text);
            if (form == Form::Cube || p.power == 1 || p.power == 3)
                return "takes an area, not \"" + std::string(text) + "\"";
            out.value = p.power == 0 ? p.master : p.master / kSquareCmPerSquareFoot;
            if (p.power == 2) out.unit = p.unit;
            break;
        }
        case FieldKind::Pitch: {
            if (endsWith(text, kDegree)) {
                double degrees = 0;
                error = readPlain(trim(text.substr(0, text.size() - kDegree.size())), services,
                                  degrees);
                if (!error.empty()) return error;
                if (!(degrees > 0 && degrees < 90)) return "must be between 0 and 90 degrees";
                out.value = 12 * std::tan(degrees * std::numbers::pi / 180);
                return {};
            }
            // "7/12" is seven in twelve, as roofers write it, not a fraction.
            if (endsWith(text, "/12") && text.size() > 3)
                text = trim(text.substr(0, text.size() - 3));
            error = readPlain(text, services, out.value);
            break;
        }
        case FieldKind::Angle:
            if (endsWith(text, kDegree)) text = trim(text.substr(0, text.size() - kDegree.size()));
            error = readPlain(text, services, out.value);
            break;
        case FieldKind::Count:
            error = readPlain(text, services, out.value);
            if (error.empty() && out.value != std::floor(out.value))
                return "must be a whole number";
            break;
        case FieldKind::Money:
            if (!text.empty() && text.front() == '$') text = trim(text.substr(1));
            error = readPlain(text, services, out.value);
            break;
        case FieldKind::Percent:
            if (endsWith(text, "%")) text = trim(text.substr(0, text.size() - 1));
            error = readPlain(text, services, out.value);
            out.value /= 100;
            break;
        case FieldKind::Precision: {
            int fractType = 16;
            error = readPrecision(text, fractType);
            out.value = fractType;
            return error;
        }
    }
    if (!error.empty()) return error;
    if (!std::isfinite(out.value)) return quoted(text);
    return checkRange(field.range, out.value);
}

}  // namespace tavrel::builder
