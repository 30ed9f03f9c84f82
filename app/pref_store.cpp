// The file holds lines alternating name and value, starting with a name; an
// odd last line is a name with an empty value. Lookups scan the short list
// from the front, so the first of duplicate names wins.
#include "app/pref_store.h"

#include "app/number_text.h"
#include "core/unit_table.h"
#include "tavrel/platform/services.h"

namespace tavrel::app {

void PrefStore::InitPrefFile(std::string_view fileName) {
    auto folder = files_.preferencesFolder();
    if (!folder) return;
    prefFile_ = *folder / std::filesystem::path(std::string(fileName));
    if (!files_.exists(*prefFile_)) {
        // A folder that cannot take it is no error here.
        if (files_.writeLines(*prefFile_, {})) onDisk_.emplace();
        return;
    }
    auto lines = files_.readLines(*prefFile_);
    if (!lines) return;
    onDisk_ = *lines;
    for (std::size_t i = 0; i < lines->size(); i += 2) {
        prefNames_.push_back((*lines)[i]);
        prefItems_.push_back(i + 1 < lines->size() ? (*lines)[i + 1] : std::string());
    }
}

std::optional<std::size_t> PrefStore::find(std::string_view name) const {
    for (std::size_t i = 0; i < prefNames_.size(); ++i)
        if (sameCode(prefNames_[i], name)) return i;
    return std::nullopt;
}

std::string PrefStore::GetPrefString(std::string_view name, std::string_view fallback) const {
    auto i = find(name);
    return i ? prefItems_[*i] : std::string(fallback);
}

std::int32_t PrefStore::GetPrefNumber(std::string_view name, std::int32_t fallback) const {
    return leadingInteger(GetPrefString(name, std::to_string(fallback)));
}

bool PrefStore::GetPrefBoolean(std::string_view name, bool fallback) const {
    return sameCode(GetPrefString(name, fallback ? "true" : "false"), "true");
}

double PrefStore::GetPrefDouble(std::string_view name, double fallback) const {
    return leadingNumber(GetPrefString(name, numberText(fallback)));
}

void PrefStore::SetPrefString(std::string_view name, std::string_view value) {
    if (auto i = find(name)) {
        prefItems_[*i] = std::string(value);  // the stored name keeps its letters
        return;
    }
    prefNames_.emplace_back(name);
    prefItems_.emplace_back(value);
}

void PrefStore::SetPrefNumber(std::string_view name, std::int32_t value) {
    SetPrefString(name, std::to_string(value));
}

void PrefStore::SetPrefBoolean(std::string_view name, bool value) {
    SetPrefString(name, value ? "true" : "false");
}

void PrefStore::SetPrefDouble(std::string_view name, double value) {
    SetPrefString(name, numberText(value));
}

void PrefStore::WritePrefsFile() {
    if (!prefFile_) throw PrefWriteError("the preferences folder is not available");
    std::vector<std::string> lines;
    lines.reserve(prefNames_.size() * 2);
    for (std::size_t i = 0; i < prefNames_.size(); ++i) {
        lines.push_back(prefNames_[i]);
        lines.push_back(prefItems_[i]);
    }
    if (onDisk_ == lines && files_.exists(*prefFile_)) return;
    onDisk_.reset();
    // Files::writeLines writes beside the file and moves the result over it.
    if (!files_.writeLines(*prefFile_, lines))
        throw PrefWriteError("could not write " + prefFile_->string());
    onDisk_ = std::move(lines);
    files_.setTypeCode(*prefFile_, "pref");
}

}  // namespace tavrel::app
