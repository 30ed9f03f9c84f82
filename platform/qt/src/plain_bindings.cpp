// Labels, group boxes, progress wheels, filled rectangles and canvases.
// Labels and group boxes let clicks through to the window, as the model's
// hit-testing does; a canvas hands its paint event a painter-backed Graphics
// and its mouse events to the model.
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>

#include "kind_bindings.h"
#include "painter_graphics.h"
#include "tavrel/platform/canvas.h"
#include "tavrel/platform/filled_rectangle.h"
#include "tavrel/platform/label.h"
#include "tavrel/platform/qt/key_translation.h"
#include "tavrel/platform/qt/qt_platform.h"
#include "tavrel/platform/qt/window_binding.h"

namespace tavrel::platform::qt {
namespace {

class LabelBinding : public ControlBinding {
  public:
    LabelBinding(WindowBinding& w, Label& l, QWidget* content)
        : ControlBinding(w, l, new QLabel(content)), label_(l) {
        widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void apply(Property what) override {
        auto* widget = static_cast<QLabel*>(widget_.data());
        switch (what) {
            case Property::Text:
            case Property::Caption: {
                QString t = QString::fromStdString(label_.text().empty() ? label_.caption()
                                                                         : label_.text());
                widget->setText(t.replace(QLatin1Char('\r'), QLatin1Char('\n')));
                break;
            }
            case Property::Appearance:
            case Property::Alignment: {
                widget->setWordWrap(label_.multiline());
                Qt::Alignment h = label_.alignment() == Alignment::Right    ? Qt::AlignRight
                                  : label_.alignment() == Alignment::Center ? Qt::AlignHCenter
                                                                            : Qt::AlignLeft;
                widget->setAlignment(h | (label_.multiline() ? Qt::AlignTop : Qt::AlignVCenter));
                break;
            }
            default:
                break;
        }
    }

  private:
    Label& label_;
};

class GroupBinding : public ControlBinding {
  public:
    GroupBinding(WindowBinding& w, Control& g, QWidget* content)
        : ControlBinding(w, g, new QGroupBox(content)) {
        widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void apply(Property what) override {
        if (what == Property::Caption)
            static_cast<QGroupBox*>(widget_.data())
                ->setTitle(QString::fromStdString(control_.caption()));
    }
};

class WheelBinding : public ControlBinding {
  public:
    WheelBinding(WindowBinding& w, Control& c, QWidget* content)
        : ControlBinding(w, c, new QProgressBar(content)) {
        auto* bar = static_cast<QProgressBar*>(widget_.data());
        bar->setRange(0, 0);  // busy: it spins while shown
        bar->setTextVisible(false);
    }
};

class RectangleWidget : public QWidget {
  public:
    RectangleWidget(QWidget* parent, FilledRectangle& model) : QWidget(parent), model_(model) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), toQColor(model_.fillColor()));
        if (model_.borderWidth() > 0) {
            QPen pen(toQColor(model_.borderColor()), model_.borderWidth());
            pen.setJoinStyle(Qt::MiterJoin);
            p.setPen(pen);
            const qreal half = model_.borderWidth() / 2.0;
            p.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
        }
    }

  private:
    FilledRectangle& model_;
};

class RectangleBinding : public ControlBinding {
  public:
    RectangleBinding(WindowBinding& w, FilledRectangle& r, QWidget* content)
        : ControlBinding(w, r, new RectangleWidget(content, r)) {}

  protected:
    void apply(Property what) override {
        if (what == Property::Colors || what == Property::Appearance) widget_->update();
    }
};

class CanvasWidget : public QWidget {
  public:
    CanvasWidget(QWidget* parent, Canvas& model, PictureCache& pictures)
        : QWidget(parent), model_(model), pictures_(pictures) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PainterGraphics g(p, width(), height(), &pictures_);
        model_.paint(g);
    }
    void mousePressEvent(QMouseEvent* e) override {
        const QPoint at = e->position().toPoint();
        const Modifiers mods = modifiersFrom(e->modifiers());
        const bool contextual = isContextualClick(e->button(), e->modifiers());
        claimed_ = model_.mouseDownByUser(at.x(), at.y(), mods, contextual);
        update();  // what the press changed shows, asked for or not
        if (!claimed_) e->ignore();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!claimed_) return e->ignore();
        model_.mouseDragByUser(e->position().toPoint().x(), e->position().toPoint().y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (!claimed_) return e->ignore();
        claimed_ = false;
        const QPoint at = e->position().toPoint();
        model_.mouseUpByUser(at.x(), at.y(), modifiersFrom(e->modifiers()));
        update();
    }
    void enterEvent(QEnterEvent*) override { model_.mouseEnterByUser(); }
    void leaveEvent(QEvent*) override { model_.mouseExitByUser(); }

  private:
    Canvas& model_;
    PictureCache& pictures_;
    bool claimed_ = false;
};

class CanvasBinding : public ControlBinding {
  public:
    CanvasBinding(WindowBinding& w, Canvas& c, QWidget* content)
        : ControlBinding(w, c, new CanvasWidget(content, c, w.platform().pictures())) {}

  protected:
    void apply(Property what) override {
        if (what == Property::Appearance) widget_->update();
    }
};

}  // namespace

std::unique_ptr<ControlBinding> bindLabel(WindowBinding& window, Control& control,
                                          QWidget* content) {
    return std::make_unique<LabelBinding>(window, static_cast<Label&>(control), content);
}

std::unique_ptr<ControlBinding> bindGroupBox(WindowBinding& window, Control& control,
                                             QWidget* content) {
    return std::make_unique<GroupBinding>(window, control, content);
}

std::unique_ptr<ControlBinding> bindProgressWheel(WindowBinding& window, Control& control,
                                                  QWidget* content) {
    return std::make_unique<WheelBinding>(window, control, content);
}

std::unique_ptr<ControlBinding> bindFilledRectangle(WindowBinding& window, Control& control,
                                                    QWidget* content) {
    return std::make_unique<RectangleBinding>(window, static_cast<FilledRectangle&>(control),
                                              content);
}

std::unique_ptr<ControlBinding> bindCanvas(WindowBinding& window, Control& control,
                                           QWidget* content) {
    return std::make_unique<CanvasBinding>(window, static_cast<Canvas&>(control), content);
}

}  // namespace tavrel::platform::qt
