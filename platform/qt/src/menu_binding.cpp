#include "menu_binding.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "tavrel/platform/application.h"
#include "tavrel/platform/qt/key_translation.h"

namespace tavrel::platform::qt {
namespace {

QString notation(const Shortcut& s) {
    // The Control key reaches shortcuts written with Command and with Control
    // (WindowBinding::deliverKey), so both read as the key the user presses.
    QString text;
    if (s.modifiers.command || s.modifiers.control) text += QStringLiteral("Ctrl+");
    if (s.modifiers.option) text += QStringLiteral("Alt+");
    if (s.modifiers.shift) text += QStringLiteral("Shift+");
    return text + QString::fromStdString(s.key);
}

}  // namespace

MenuBinding::MenuBinding(Application& app) : app_(app) {
    app_.menuBar().setView(this);
}

MenuBinding::~MenuBinding() {
    if (app_.menuBar().view() == this) app_.menuBar().setView(nullptr);
    delete bar_.data();
}

QMenuBar* MenuBinding::bar() {
    if (!bar_) {
        bar_ = new QMenuBar;
        bar_->setNativeMenuBar(false);
        bar_->setObjectName(QStringLiteral("menuBar"));
        rebuild();
    }
    return bar_;
}

void MenuBinding::structureChanged(MenuBar&) {
    if (bar_) rebuild();
}

void MenuBinding::itemChanged(MenuItem& item) {
    auto it = actions_.find(&item);
    if (it == actions_.end() || !it->second) return;
    QAction* a = it->second;
    a->setText(QString::fromStdString(item.caption()));
    a->setEnabled(item.enabled());
    // Only a checked item is checkable: the style draws an empty box beside
    // every unchecked checkable item, which would mark some items and not others.
    a->setCheckable(item.checked());
    a->setChecked(item.checked());
    a->setShortcut(item.shortcut() ? QKeySequence(notation(*item.shortcut())) : QKeySequence());
}

void MenuBinding::rebuild() {
    actions_.clear();
    bar_->clear();
    MenuBar& model = app_.menuBar();
    for (std::size_t i = 0; i < model.menuCount(); ++i) {
        const Menu& m = model.menu(i);
        QMenu* menu = bar_->addMenu(QString::fromStdString(m.caption()));
        menu->setObjectName(QString::fromStdString(m.name()));
        fill(menu, m);
    }
    bar_->setVisible(!bar_->actions().isEmpty());
    if (onRebuilt) onRebuilt();
}

void MenuBinding::fill(QMenu* menu, const Menu& model) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { app_.requestMenuEnabling(); });
    for (std::size_t i = 0; i < model.itemCount(); ++i) {
        MenuItem& item = model.item(i);
        if (item.isSeparator()) {
            menu->addSeparator();
            continue;
        }
        QAction* a = nullptr;
        if (Menu* sub = item.submenu()) {
            QMenu* child = menu->addMenu(QString::fromStdString(item.caption()));
            fill(child, *sub);
            a = child->menuAction();
        } else {
            a = menu->addAction(QString::fromStdString(item.caption()));
            // Shown, not bound: the window hands the key to the model.
            a->setShortcutContext(Qt::WidgetShortcut);
            const std::string name = item.name();
            QObject::connect(a, &QAction::triggered, a, [this, name] {
                app_.runMenuCommand(name, modifiersFrom(QGuiApplication::keyboardModifiers()));
            });
        }
        a->setObjectName(QString::fromStdString(item.name()));
        actions_[&item] = a;
        itemChanged(item);
    }
}

}  // namespace tavrel::platform::qt
