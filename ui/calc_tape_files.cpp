// The tape beyond the window's run: keeping it in the tape file, and Save
// Tape As. At open the saved lines are shown without being written again,
// then the store is attached, so the run's stamp and every later line reach
// the file through the tape's kept surface.
#include <cctype>

#include "tape/tape_csv.h"
#include "ui/calc_win.h"

namespace tavrel::ui {
namespace {

constexpr const char* kNotSaved = "The tape cannot be saved: ";
// A spreadsheet takes a CSV file as UTF-8 only with this mark ("◊", "°").
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool isCsvName(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".csv";
}

}  // namespace

std::optional<std::filesystem::path> calcWin::tapeFile() const {
    if (keeping_.file) return keeping_.file;
    if (auto folder = app().services().files().dataFolder()) return *folder / "tape.txt";
    return std::nullopt;
}

void calcWin::startTape() {
    const auto file = tapeFile();
    if (!file || !keeping_.keepTape) {
        if (file) TapeStore(*file).remove();
        get<myPushButton>("pbTapeClr").push();
        return;
    }
    auto store = std::make_unique<TapeStore>(*file);
    std::string saved;
    const bool writable = store->open(saved);
    Tape1.clear();
    Tape1.kept().showSaved(saved);
    Tape1.kept().onFailure = [this](const std::string& reason) { tapeNotSaved(reason); };
    if (writable)
        Tape1.kept().keepIn(std::move(store));
    else
        tapeNotSaved(store->error());
    Tape1.timeStamp();
    Tape1.setScrollPosition(static_cast<long long>(Tape1.lineCount()));
}

void calcWin::tapeNotSaved(const std::string& reason) {
    // Keeping stops for this run; the preference stays as the user set it.
    app().services().system().messageBox(kNotSaved + reason);
}

void calcWin::setKeepTape(bool on) {
    if (on == keeping_.keepTape) return;
    keeping_.keepTape = on;
    const auto file = tapeFile();
    if (!on) {
        Tape1.kept().keepIn(nullptr);
        if (file) TapeStore(*file).remove();
        return;
    }
    if (!file) return;
    auto store = std::make_unique<TapeStore>(*file);
    if (store->replace(Tape1.text()))
        Tape1.kept().keepIn(std::move(store));
    else
        tapeNotSaved(store->error());
}

bool calcWin::saveTapeAs() {
    platform::Services& s = app().services();
    const auto file = s.desktop().saveFileDialog("Save Tape As", "Tape.txt");
    if (!file) return false;
    const std::string text =
        isCsvName(*file) ? std::string(kUtf8Mark) + tapeCsv(Tape1.text(), core_.decimalSeparator)
                         : tapePlainText(Tape1.text());
    const std::vector<std::string_view> views = splitLines(text, '\n');
    if (s.files().writeLines(*file, {views.begin(), views.end()})) return true;
    s.system().messageBox(kNotSaved + file->string() + " cannot be written");
    return false;
}

}  // namespace tavrel::ui
