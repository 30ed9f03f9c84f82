// The window-system services the program calls directly.
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>

#include "tavrel/platform/qt/key_translation.h"
#include "tavrel/platform/qt/qt_platform.h"
#include "tavrel/platform/qt/window_binding.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform::qt {
namespace {

Rect toRect(const QRect& r) {
    return Rect{r.left(), r.top(), r.width(), r.height()};
}

}  // namespace

Modifiers QtDesktop::modifiersNow() const {
    return modifiersFrom(QGuiApplication::queryKeyboardModifiers());
}

Point QtDesktop::mousePosition() const {
    const QPoint p = QCursor::pos();
    return Point{p.x(), p.y()};
}

std::vector<Screen> QtDesktop::screens() const {
    std::vector<Screen> out;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary) out.push_back({toRect(primary->geometry()), toRect(primary->availableGeometry())});
    for (QScreen* s : QGuiApplication::screens())
        if (s != primary) out.push_back({toRect(s->geometry()), toRect(s->availableGeometry())});
    return out;
}

void QtDesktop::bringProcessToFront() {
    platform_.raiseWindows();
}

void QtDesktop::animateResize(Window& window, int width, int height) {
    WindowBinding* b = platform_.bindingFor(window);
    if (!b || !b->widget()->isVisible() || (width == window.width() && height == window.height())) {
        window.setSize(width, height);
        return;
    }
    b->animateTo(width, height, kResizeMillis);
}

std::optional<int> QtDesktop::popupMenu(const std::vector<std::string>& rows, Point at) {
    QMenu menu;
    std::vector<QAction*> actions;
    for (const std::string& row : rows)
        actions.push_back(row == "-" ? menu.addSeparator()
                                     : menu.addAction(QString::fromStdString(row)));
    QAction* chosen = menu.exec(QPoint(at.x, at.y));
    for (std::size_t i = 0; i < actions.size(); ++i)
        if (chosen && actions[i] == chosen) return static_cast<int>(i);
    return std::nullopt;
}

Rect QtDesktop::structureBounds(const Window& window) const {
    WindowBinding* b = platform_.bindingFor(window);
    if (!b) return window.bounds();
    const QRect f = b->widget()->frameGeometry();
    return {f.left(), f.top(), f.width(), f.height()};
}

std::optional<std::filesystem::path> QtDesktop::saveFileDialog(const std::string& prompt,
                                                               const std::string& suggestedName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    const QString proposed = QDir(folder).filePath(QString::fromStdString(suggestedName));
    // The dialog itself asks before replacing an existing file.
    const QString chosen = QFileDialog::getSaveFileName(
        QApplication::activeWindow(), QString::fromStdString(prompt), proposed,
        QStringLiteral("Text (*.txt);;CSV (*.csv);;All files (*)"));
    if (chosen.isEmpty()) return std::nullopt;
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

}  // namespace tavrel::platform::qt
