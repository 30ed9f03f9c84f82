// Push buttons, bevel buttons and check boxes. Qt's button logic decides what
// a click is (press and release inside); the click then goes to the model's
// click with the modifiers of the releasing event, and the look follows the
// model's value, never Qt's own checked state.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

#include "kind_bindings.h"
#include "painter_graphics.h"
#include "tavrel/platform/bevel_button.h"
#include "tavrel/platform/check_box.h"
#include "tavrel/platform/push_button.h"
#include "tavrel/platform/qt/key_translation.h"
#include "tavrel/platform/qt/qt_platform.h"
#include "tavrel/platform/qt/window_binding.h"

namespace tavrel::platform::qt {
namespace {

// Keeps the modifiers of the last press or release, and turns contextual
// clicks away (a button has nothing to offer them).
template <class Base>
class ClickWidget : public Base {
  public:
    using Base::Base;
    Qt::KeyboardModifiers modifiers;

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (isContextualClick(e->button(), e->modifiers())) return e->ignore();
        modifiers = e->modifiers();
        Base::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        modifiers = e->modifiers();
        Base::mouseReleaseEvent(e);
    }
};

class PushBinding : public ControlBinding {
  public:
    PushBinding(WindowBinding& w, PushButton& b, QWidget* content)
        : ControlBinding(w, b, new ClickWidget<QPushButton>(content)), button_(b) {
        auto* widget = static_cast<ClickWidget<QPushButton>*>(widget_.data());
        widget->setAutoDefault(false);
        QObject::connect(widget, &QPushButton::clicked, widget,
                         [this, widget] { button_.click(modifiersFrom(widget->modifiers)); });
    }

  protected:
    void apply(Property what) override {
        auto* widget = static_cast<QPushButton*>(widget_.data());
        if (what == Property::Caption) widget->setText(QString::fromStdString(button_.caption()));
        if (what == Property::Appearance) widget->setDefault(button_.isDefault());
    }

  private:
    PushButton& button_;
};

// A bevel: the style's button panel, sunk while pressed or while the model's
// value is on; the icon (drawn in code or from a file) and the caption centred.
class BevelWidget : public ClickWidget<QAbstractButton> {
  public:
    BevelWidget(QWidget* parent, BevelButton& model, PictureCache& pictures)
        : ClickWidget<QAbstractButton>(parent), model_(model), pictures_(pictures) {}

    bool shownDown() const { return isDown() || model_.value(); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QStyleOptionButton opt;
        opt.initFrom(this);
        opt.rect = rect();
        opt.state |= shownDown() ? QStyle::State_Sunken | QStyle::State_On : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, &p, this);
        if (const auto& icon = model_.icon()) {
            const QImage image = pictureImage(*icon, devicePixelRatioF(), &pictures_);
            if (!image.isNull()) {
                const QSizeF s = image.deviceIndependentSize();
                p.drawImage(QPointF((width() - s.width()) / 2, (height() - s.height()) / 2), image);
            }
        }
        p.setFont(font());
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
        QRect r = rect();
        if (shownDown()) r.translate(0, 1);
        if (model_.hasMenuArrow()) {
            QStyleOptionButton arrow = opt;
            arrow.rect = QRect(width() - 9, height() - 8, 7, 6);
            style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &p, this);
            r.adjust(0, 0, -6, 0);
        }
        p.drawText(r, Qt::AlignCenter, text());
    }

  private:
    BevelButton& model_;
    PictureCache& pictures_;
};

class BevelBinding : public ControlBinding {
  public:
    BevelBinding(WindowBinding& w, BevelButton& b, QWidget* content)
        : ControlBinding(w, b, new BevelWidget(content, b, w.platform().pictures())), button_(b) {
        auto* widget = static_cast<BevelWidget*>(widget_.data());
        QObject::connect(widget, &QAbstractButton::clicked, widget,
                         [this, widget] { clicked(modifiersFrom(widget->modifiers)); });
    }

  protected:
    void apply(Property what) override {
        auto* widget = static_cast<QAbstractButton*>(widget_.data());
        switch (what) {
            case Property::Caption:
                widget->setText(QString::fromStdString(button_.caption()));
                break;
            case Property::Value:
            case Property::Appearance:
                widget->update();
                break;
            default:
                break;
        }
    }

  private:
    // A button with rows drops its menu; the row chosen is the model's choice.
    void clicked(Modifiers mods) {
        if (button_.rowCount() == 0) return button_.click(mods);
        QMenu menu(widget_);
        std::vector<QAction*> actions;
        for (int i = 0; i < button_.rowCount(); ++i) {
            const std::string& row = button_.rowText(i);
            actions.push_back(row == "-" ? menu.addSeparator()
                                         : menu.addAction(QString::fromStdString(row)));
        }
        QAction* chosen = menu.exec(widget_->mapToGlobal(QPoint(0, widget_->height())));
        for (int i = 0; i < static_cast<int>(actions.size()); ++i)
            if (chosen && actions[static_cast<std::size_t>(i)] == chosen)
                button_.chooseMenuRowByUser(i, modifiersFrom(QGuiApplication::keyboardModifiers()));
    }

    BevelButton& button_;
};

class CheckBinding : public ControlBinding {
  public:
    CheckBinding(WindowBinding& w, CheckBox& b, QWidget* content)
        : ControlBinding(w, b, new ClickWidget<QCheckBox>(content)), box_(b) {
        auto* widget = static_cast<ClickWidget<QCheckBox>*>(widget_.data());
        QObject::connect(widget, &QCheckBox::clicked, widget, [this, widget] {
            box_.click(modifiersFrom(widget->modifiers));
            apply(Property::Value);  // the model may keep its value
        });
    }

  protected:
    void apply(Property what) override {
        auto* widget = static_cast<QCheckBox*>(widget_.data());
        if (what == Property::Caption) widget->setText(QString::fromStdString(box_.caption()));
        if (what == Property::Value) {
            QSignalBlocker quiet(widget);
            widget->setChecked(box_.value());
        }
    }

  private:
    CheckBox& box_;
};

}  // namespace

std::unique_ptr<ControlBinding> bindPushButton(WindowBinding& window, Control& control,
                                               QWidget* content) {
    return std::make_unique<PushBinding>(window, static_cast<PushButton&>(control), content);
}

std::unique_ptr<ControlBinding> bindBevelButton(WindowBinding& window, Control& control,
                                                QWidget* content) {
    return std::make_unique<BevelBinding>(window, static_cast<BevelButton&>(control), content);
}

std::unique_ptr<ControlBinding> bindCheckBox(WindowBinding& window, Control& control,
                                             QWidget* content) {
    return std::make_unique<CheckBinding>(window, static_cast<CheckBox&>(control), content);
}

}  // namespace tavrel::platform::qt
