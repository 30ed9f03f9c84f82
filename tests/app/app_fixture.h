// The whole program (AppClass) on the headless platform with its preferences
// in a fresh folder: a test stores settings first (through the store, as the
// program writes them), then starts the program and drives it.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/app_class.h"
#include "tavrel/platform/headless/headless_platform.h"
#include "temp_dir.h"

namespace tavrel::app::testing {

// Settings as the preferences file would hold them, written before start-up.
using StoredPrefs = std::vector<std::pair<std::string, std::string>>;

inline void storeBeforeStart(const std::filesystem::path& folder, const StoredPrefs& prefs) {
    platform::headless::HeadlessFiles files(folder);
    PrefStore store(files);
    store.InitPrefFile(kPrefsFileName);
    for (const auto& [name, value] : prefs) store.SetPrefString(name, value);
    store.WritePrefsFile();
}

// A fresh store's view of the file the program wrote.
inline std::unique_ptr<PrefStore> savedPrefs(platform::headless::HeadlessFiles& files) {
    auto store = std::make_unique<PrefStore>(files);
    store->InitPrefFile(kPrefsFileName);
    return store;
}

struct AppFixture {
    TempDir dir;
    platform::headless::HeadlessPlatform host;
    platform::Application app{host};
    AppClass shell{app};

    // keptTape: the data folder is dir/data, so the tape is kept in
    // tapeFile(); otherwise there is no data folder and no tape file.
    explicit AppFixture(char32_t decimal = U'.', bool keptTape = false)
        : host(platform::headless::HeadlessOptions{
              .preferencesFolder = dir.path,
              .dataFolder = keptTape ? std::optional(dir.path / "data") : std::nullopt,
              .decimalSeparator = decimal}) {}

    ui::calcWin& win() { return shell.calcWin(); }
    std::filesystem::path tapeFile() const { return dir.path / "data" / "tape.txt"; }
    void start() {
        app.open();
        host.loop().runPending();
    }
    // Types a key script's plain characters into the display.
    void type(const std::string& text) {
        win().EditFract1.setFocus();
        win().typeText(text);
    }
    platform::MenuItem& item(std::string_view name) { return *app.menuBar().findItem(name); }
};

}  // namespace tavrel::app::testing
