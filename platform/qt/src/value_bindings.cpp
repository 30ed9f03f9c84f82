// Pop-up menus, radio groups and sliders: widgets whose selection the user
// changes. Only Qt's user signals (activated, clicked, moved) reach the model,
// as its user operations; the widget then shows what the model kept.
#include <QButtonGroup>
#include <QComboBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QSlider>

#include "kind_bindings.h"
#include "tavrel/platform/popup_menu.h"
#include "tavrel/platform/qt/key_translation.h"
#include "tavrel/platform/radio_group.h"
#include "tavrel/platform/slider.h"

namespace tavrel::platform::qt {
namespace {

Modifiers heldNow() {
    return modifiersFrom(QGuiApplication::keyboardModifiers());
}

class PopupBinding : public ControlBinding {
  public:
    PopupBinding(WindowBinding& w, PopupMenu& p, QWidget* content)
        : ControlBinding(w, p, new QComboBox(content)), popup_(p) {
        auto* combo = static_cast<QComboBox*>(widget_.data());
        QObject::connect(combo, &QComboBox::activated, combo, [this](int index) {
            popup_.chooseByUser(index, heldNow());
            apply(Property::ListIndex);
        });
    }

  protected:
    void apply(Property what) override {
        auto* combo = static_cast<QComboBox*>(widget_.data());
        QSignalBlocker quiet(combo);
        if (what == Property::Items) {
            combo->clear();
            for (const std::string& item : popup_.items())
                combo->addItem(QString::fromStdString(item));
        }
        if (what == Property::Items || what == Property::ListIndex)
            combo->setCurrentIndex(popup_.listIndex());
    }

  private:
    PopupMenu& popup_;
};

class RadioBinding : public ControlBinding {
  public:
    RadioBinding(WindowBinding& w, RadioGroup& r, QWidget* content)
        : ControlBinding(w, r, new QWidget(content)), radio_(r) {
        QObject::connect(&group_, &QButtonGroup::idClicked, widget_, [this](int i) {
            radio_.clickButton(i, heldNow());
            apply(Property::Value);
        });
    }

  protected:
    void apply(Property what) override {
        if (what == Property::Items || what == Property::Bounds) rebuild();
        if (what == Property::Items || what == Property::Value) {
            QSignalBlocker quiet(&group_);
            group_.setExclusive(false);
            for (auto* b : group_.buttons()) b->setChecked(group_.id(b) == radio_.value());
            group_.setExclusive(true);
        }
    }

  private:
    // Buttons carry window coordinates; inside the group they are relative.
    void rebuild() {
        for (auto* b : group_.buttons()) {
            group_.removeButton(b);
            delete b;
        }
        for (int i = 0; i < radio_.buttonCount(); ++i) {
            const RadioButtonItem& item = radio_.button(i);
            auto* b = new QRadioButton(QString::fromStdString(item.caption), widget_);
            b->setObjectName(QString::fromStdString(radio_.name() + "." + std::to_string(i)));
            b->setFocusPolicy(Qt::NoFocus);
            if (item.bounds.width > 0)
                b->setGeometry(item.bounds.left - radio_.left(), item.bounds.top - radio_.top(),
                               item.bounds.width, item.bounds.height);
            else
                b->setGeometry(0, i * 20, radio_.width(), 20);
            group_.addButton(b, i);
            b->show();
        }
    }

    RadioGroup& radio_;
    QButtonGroup group_;
};

class SliderBinding : public ControlBinding {
  public:
    SliderBinding(WindowBinding& w, Slider& s, QWidget* content)
        : ControlBinding(w, s, new QSlider(Qt::Horizontal, content)), slider_(s) {
        auto* widget = static_cast<QSlider*>(widget_.data());
        QObject::connect(widget, &QSlider::valueChanged, widget, [this](int v) {
            slider_.dragByUser(v, heldNow());
            apply(Property::Value);
        });
    }

  protected:
    void apply(Property what) override {
        auto* widget = static_cast<QSlider*>(widget_.data());
        QSignalBlocker quiet(widget);
        if (what == Property::Range) {
            widget->setRange(slider_.minimum(), slider_.maximum());
            widget->setSingleStep(slider_.lineStep());
            widget->setPageStep(slider_.pageStep());
        }
        if (what == Property::Appearance) widget->setTracking(slider_.liveScroll());
        if (what == Property::Range || what == Property::Value) widget->setValue(slider_.value());
    }

  private:
    Slider& slider_;
};

}  // namespace

std::unique_ptr<ControlBinding> bindPopupMenu(WindowBinding& window, Control& control,
                                              QWidget* content) {
    return std::make_unique<PopupBinding>(window, static_cast<PopupMenu&>(control), content);
}

std::unique_ptr<ControlBinding> bindRadioGroup(WindowBinding& window, Control& control,
                                               QWidget* content) {
    return std::make_unique<RadioBinding>(window, static_cast<RadioGroup&>(control), content);
}

std::unique_ptr<ControlBinding> bindSlider(WindowBinding& window, Control& control,
                                           QWidget* content) {
    return std::make_unique<SliderBinding>(window, static_cast<Slider&>(control), content);
}

}  // namespace tavrel::platform::qt
