// Splits a KEYS text into steps. A "{" without a closing "}" is typed as itself.
#include "key_script.h"

#include <array>

#include "tavrel/platform/utf8.h"

namespace tavrel::cli {
namespace {

namespace utf8 = platform::utf8;

struct NamedKey {
    std::string_view name;
    char32_t code;
};

constexpr std::array<NamedKey, 6> kNamedKeys{
    {{"esc", 27}, {"return", 13}, {"enter", 3}, {"bs", 8}, {"del", 127}, {"tab", 9}}};

KeyStep typed(std::string text, platform::Modifiers mods) {
    KeyStep s;
    s.kind = KeyStep::Kind::Type;
    s.code = utf8::firstCodePoint(text);
    s.text = std::move(text);
    s.modifiers = mods;
    return s;
}

KeyStep braced(std::string_view body) {
    platform::Modifiers mods;
    for (bool more = true; more;) {
        more = false;
        for (auto [prefix, flag] : {std::pair{std::string_view("shift+"), &mods.shift},
                                    std::pair{std::string_view("option+"), &mods.option},
                                    std::pair{std::string_view("command+"), &mods.command},
                                    std::pair{std::string_view("control+"), &mods.control}}) {
            if (body.size() > prefix.size() && body.substr(0, prefix.size()) == prefix) {
                *flag = true;
                body.remove_prefix(prefix.size());
                more = true;
            }
        }
    }
    for (const NamedKey& k : kNamedKeys)
        if (body == k.name) return typed(utf8::encode(k.code), mods);
    if (const auto eq = body.find('='); eq != std::string_view::npos && eq > 0) {
        KeyStep s;
        s.kind = KeyStep::Kind::Choose;
        s.text = std::string(body.substr(0, eq));
        s.item = std::string(body.substr(eq + 1));
        s.modifiers = mods;
        return s;
    }
    const bool anyModifier = mods.shift || mods.option || mods.command || mods.control;
    if (anyModifier && utf8::length(body) == 1) return typed(std::string(body), mods);
    KeyStep s;
    s.kind = KeyStep::Kind::Click;
    s.text = std::string(body);
    s.modifiers = mods;
    return s;
}

}  // namespace

bool KeyReader::next(KeyStep& step) {
    const std::size_t i = at_;
    if (i >= keys_.size()) return false;
    if (keys_[i] == '{' && lastClose_ != std::string_view::npos && lastClose_ >= i + 2) {
        const auto close = keys_.find('}', i + 2);
        step = braced(keys_.substr(i + 1, close - i - 1));
        at_ = close + 1;
        return true;
    }
    // A plain character is written into the step in place: no temporaries.
    const std::size_t n = utf8::byteOffset(keys_.substr(i), 1);
    step.kind = KeyStep::Kind::Type;
    step.text.assign(keys_.substr(i, n ? n : 1));
    step.item.clear();
    step.modifiers = {};
    step.code = utf8::firstCodePoint(step.text);
    at_ = i + (n ? n : 1);
    return true;
}

std::vector<KeyStep> parseKeys(std::string_view keys) {
    std::vector<KeyStep> steps;
    KeyReader reader(keys);
    for (KeyStep step; reader.next(step);) steps.push_back(step);
    return steps;
}

}  // namespace tavrel::cli
