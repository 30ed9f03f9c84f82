#include "calculator_on_qt.h"

#include <QAbstractItemView>
#include <QTest>
#include <cstdlib>
#include <stdexcept>

#include "core/unit_table.h"
#include "tavrel/platform/popup_menu.h"

namespace tavrel::qttest {
namespace {

platform::qt::QtOptions options(const std::filesystem::path& folder) {
    platform::qt::QtOptions o;
    o.resourcesFolder = picturesFolder();
    o.preferencesFolder = folder;
    // Never the user's own data folder; the window keeps no tape anyway.
    o.dataFolder = folder;
    return o;
}

// The Qt key a character code is typed with.
Qt::Key qtKey(char32_t code) {
    switch (code) {
        case platform::keys::Return:
            return Qt::Key_Return;
        case platform::keys::Enter:
            return Qt::Key_Enter;
        case platform::keys::Backspace:
            return Qt::Key_Backspace;
        case platform::keys::Tab:
            return Qt::Key_Tab;
        case platform::keys::Escape:
            return Qt::Key_Escape;
        case platform::keys::ForwardDelete:
            return Qt::Key_Delete;
        default:
            break;
    }
    if (code >= 'a' && code <= 'z') return static_cast<Qt::Key>(Qt::Key_A + (code - 'a'));
    return static_cast<Qt::Key>(code);
}

}  // namespace

std::filesystem::path picturesFolder() {
    return std::filesystem::path(TAVREL_SOURCE_DIR) / "resources" / "pictures";
}

Qt::KeyboardModifiers qtModifiers(platform::Modifiers m) {
    Qt::KeyboardModifiers q;
    if (m.shift) q |= Qt::ShiftModifier;
    if (m.option) q |= Qt::AltModifier;
    if (m.command) q |= Qt::ControlModifier;
    if (m.control) q |= Qt::MetaModifier;
    return q;
}

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavrel-qt-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    path = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

CalculatorOnQt::CalculatorOnQt() : platform_(options(folder_.path)), app_(platform_) {
    win_ = app_.makeWindow<ui::calcWin>(ui::TapeKeeping{false, std::nullopt});
    win_->setPosition(15, 50);
    win_->show();
    win_->EditFract1.setFocus();
    settle();
}

CalculatorOnQt::~CalculatorOnQt() {
    win_.reset();
}

void CalculatorOnQt::settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void CalculatorOnQt::typeKey(const cli::KeyStep& step) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != top()) target = display();
    const QString text = QString::fromStdString(step.text);
    const Qt::Key key = qtKey(step.code);
    const Qt::KeyboardModifiers mods = qtModifiers(step.modifiers);
    QTest::sendKeyEvent(QTest::Press, target, key, text, mods);
    QTest::sendKeyEvent(QTest::Release, target, key, text, mods);
}

bool CalculatorOnQt::click(const std::string& target, platform::Modifiers mods) {
    platform::Control* c = win_->find(target);
    for (std::size_t i = 0; !c && i < win_->controlCount(); ++i)
        if (win_->control(i).isShown() && win_->control(i).caption() == target)
            c = &win_->control(i);
    if (!c) return false;
    QWidget* w = widget(c->name().c_str());
    if (!w || !w->isVisible()) return false;
    QTest::mouseClick(w, Qt::LeftButton, qtModifiers(mods), w->rect().center());
    return true;
}

bool CalculatorOnQt::choose(const std::string& popup, const std::string& item,
                            platform::Modifiers mods) {
    auto* combo = widget<QComboBox>(popup.c_str());
    auto* model = win_->find<platform::PopupMenu>(popup);
    if (!combo || !model) return false;
    int row = -1;
    for (int i = 0; i < model->rowCount(); ++i)
        if (sameCode(model->list(i), item)) row = i;
    if (row < 0) return false;
    // Picked in the open list, as the user does.
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseMove(view->viewport(), at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, qtModifiers(mods), at);
    return true;
}

bool CalculatorOnQt::run(std::string_view keys, std::string* error) {
    for (const cli::KeyStep& step : cli::parseKeys(keys)) {
        bool ok = true;
        switch (step.kind) {
            case cli::KeyStep::Kind::Type:
                typeKey(step);
                break;
            case cli::KeyStep::Kind::Click:
                ok = click(step.text, step.modifiers);
                break;
            case cli::KeyStep::Kind::Choose:
                ok = choose(step.text, step.item, step.modifiers);
                break;
        }
        if (!ok) {
            if (error) *error = "cannot reach \"" + step.text + "\"";
            return false;
        }
        settle();
    }
    return true;
}

std::vector<std::string> CalculatorOnQt::tapeLines() const {
    std::vector<std::string> lines;
    for (const QString& l : tape()->toPlainText().split(QLatin1Char('\n')))
        lines.push_back(l.toStdString());
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace tavrel::qttest
