// The model's window as a top-level widget. The model's bounds are the
// content area; the frame adds the menu bar (on the window that carries it).
// Sizes and moves the program asks for are remembered until the window
// system confirms them, so only the user's own moves and drags reach the
// model's user entry points.
#include "tavrel/platform/qt/window_binding.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPropertyAnimation>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "control_binding.h"
#include "painter_graphics.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/qt/key_translation.h"
#include "tavrel/platform/qt/qt_platform.h"

namespace tavrel::platform::qt {

class WindowWidget : public QWidget {
  public:
    explicit WindowWidget(WindowBinding& b) : binding_(b) {}

  protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();  // the model decides; a close it accepts hides the widget
        binding_.window().closeByUser();
    }
    void moveEvent(QMoveEvent*) override {
        binding_.userMoved(geometry().topLeft() + QPoint(0, binding_.menuBarHeight()));
    }
    void resizeEvent(QResizeEvent* e) override { binding_.userResized(e->size()); }
    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::WindowStateChange) binding_.userCollapsed(isMinimized());
        if (e->type() == QEvent::ActivationChange && isActiveWindow()) binding_.userActivated();
        QWidget::changeEvent(e);
    }

  private:
    WindowBinding& binding_;
};

class ContentWidget : public QWidget {
  public:
    ContentWidget(QWidget* parent, WindowBinding& b) : QWidget(parent), binding_(b) {
        setObjectName(QStringLiteral("content"));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        Window& w = binding_.window();
        if (auto c = w.backgroundColor()) p.fillRect(rect(), toQColor(*c));
        PainterGraphics g(p, width(), height(), &binding_.platform().pictures());
        w.paint(g);
    }
    void mousePressEvent(QMouseEvent* e) override {
        const QPoint at = e->position().toPoint();
        binding_.window().mouseDown(at.x(), at.y(), modifiersFrom(e->modifiers()),
                                    isContextualClick(e->button(), e->modifiers()));
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (e->buttons())
            binding_.window().mouseDrag(e->position().toPoint().x(), e->position().toPoint().y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        const QPoint at = e->position().toPoint();
        binding_.window().mouseUp(at.x(), at.y(), modifiersFrom(e->modifiers()));
    }

  private:
    WindowBinding& binding_;
};

WindowBinding::WindowBinding(QtPlatform& platform, Window& window, QMenuBar* menuBar)
    : platform_(platform), window_(window), top_(std::make_unique<WindowWidget>(*this)) {
    top_->setObjectName(QString::fromStdString(window.name()));
    content_ = new ContentWidget(top_.get(), *this);
    if (menuBar) setMenuBar(menuBar);  // before the first show, which sizes the frame
    for (std::size_t i = 0; i < window.controlCount(); ++i) controlAdded(window, window.control(i));
    for (WindowProperty p :
         {WindowProperty::Kind, WindowProperty::Title, WindowProperty::Background,
          WindowProperty::Bounds, WindowProperty::Opacity, WindowProperty::Visible})
        changed(window, p);
    window.setView(this);
}

WindowBinding::~WindowBinding() {
    controls_.clear();
}

QWidget* WindowBinding::widget() const {
    return top_.get();
}

QWidget* WindowBinding::content() const {
    return content_;
}

ControlBinding* WindowBinding::bindingFor(const Control& control) const {
    for (const auto& b : controls_)
        if (&b->control() == &control) return b.get();
    return nullptr;
}

int WindowBinding::menuBarHeight() const {
    return menuBar_ && !menuBar_->actions().isEmpty() ? menuBar_->sizeHint().height() : 0;
}

void WindowBinding::setMenuBar(QMenuBar* bar) {
    menuBar_ = bar;
    if (bar) {
        bar->setParent(top_.get());
        bar->setVisible(!bar->actions().isEmpty());
    }
    applyBounds();
}

void WindowBinding::controlAdded(Window&, Control& control) {
    auto binding = makeBinding(*this, control, content_);
    if (!binding) return;
    binding->applyAll();
    binding->updateVisibility();
    control.setView(binding.get());
    controls_.push_back(std::move(binding));
}

void WindowBinding::updateVisibility() {
    for (auto& b : controls_) b->updateVisibility();
}

void WindowBinding::changed(Window&, WindowProperty what) {
    switch (what) {
        case WindowProperty::Title:
            top_->setWindowTitle(QString::fromStdString(window_.title()));
            break;
        case WindowProperty::Kind:
        case WindowProperty::Frame:
            applyFlags();
            break;
        case WindowProperty::Bounds:
        case WindowProperty::Limits:
            applyBounds();
            break;
        case WindowProperty::Background:
            applyBackground();
            break;
        case WindowProperty::Visible:
            if (window_.visible()) {
                applyBounds();
                top_->show();
                top_->raise();
                top_->activateWindow();
            } else {
                top_->hide();
            }
            break;
        case WindowProperty::Focus:
            applyFocus();
            break;
        case WindowProperty::Opacity:
            top_->setWindowOpacity(window_.opacity());
            break;
        case WindowProperty::Collapsed:
            if (window_.collapsed() && !top_->isMinimized()) top_->showMinimized();
            if (!window_.collapsed() && top_->isMinimized()) top_->showNormal();
            break;
        case WindowProperty::Redraw:
            content_->repaint();
            break;
        case WindowProperty::Closed:
            top_->hide();
            for (auto& b : controls_) b->detach();
            break;
    }
}

void WindowBinding::applyFocus() {
    if (!window_.focus() && top_->isVisible()) top_->setFocus(Qt::OtherFocusReason);
}

void WindowBinding::applyBackground() {
    QPalette pal = top_->palette();
    if (auto c = window_.backgroundColor()) pal.setColor(QPalette::Window, toQColor(*c));
    top_->setPalette(pal);
    top_->setAutoFillBackground(window_.backgroundColor().has_value());
    content_->update();
}

// A floating window stays above the program's windows, a global floating one
// above everyone's; both are utility windows with a small title bar. A
// utility window given a minimise box becomes an ordinary window, since only
// those can come back from the task bar once minimised.
void WindowBinding::applyFlags() {
    Qt::WindowFlags type = Qt::Window;
    Qt::WindowFlags hints;
    switch (window_.kind()) {
        case WindowKind::Document:
            break;
        case WindowKind::Floating:
            type = Qt::Tool;
            break;
        case WindowKind::GlobalFloating:
            type = Qt::Tool;
            hints |= Qt::WindowStaysOnTopHint;
            break;
        case WindowKind::Sheet:
        case WindowKind::Modal:
            type = Qt::Dialog;
            break;
        case WindowKind::PlainBox:
            hints |= Qt::FramelessWindowHint;
            break;
    }
    if (window_.collapseBox() && type == Qt::Tool) type = Qt::Window;
    if (window_.kind() != WindowKind::PlainBox) {
        hints |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (window_.closeBox()) hints |= Qt::WindowCloseButtonHint;
        if (window_.collapseBox()) hints |= Qt::WindowMinimizeButtonHint;
        if (window_.zoomBox()) hints |= Qt::WindowMaximizeButtonHint;
    }
    const bool shown = top_->isVisible();
    top_->setWindowFlags(type | hints);
    top_->setWindowModality(window_.kind() == WindowKind::Modal   ? Qt::ApplicationModal
                            : window_.kind() == WindowKind::Sheet ? Qt::WindowModal
                                                                  : Qt::NonModal);
    applyBounds();
    if (shown) top_->show();  // new flags hide a window
}

// Programmatic sizes may pass the limits (the user's drags may not), so the
// widget's limits always make room for the model's current size.
void WindowBinding::applyLimits() {
    const int mb = menuBarHeight();
    const int w = window_.width();
    const int h = window_.height();
    if (!window_.resizable()) {
        top_->setFixedSize(w, h + mb);
        return;
    }
    const SizeLimits& l = window_.limits();
    top_->setMinimumSize(std::min(l.minWidth, w), std::min(l.minHeight, h) + mb);
    top_->setMaximumSize(std::min(QWIDGETSIZE_MAX, std::max(l.maxWidth, w)),
                         std::min(QWIDGETSIZE_MAX, std::max(l.maxHeight, h) + mb));
}

void WindowBinding::applyBounds() {
    const int mb = menuBarHeight();
    if (menuBar_) menuBar_->setGeometry(0, 0, window_.width(), mb);
    updateVisibility();
    if (animating_) return;
    applyLimits();
    const QRect want(window_.left(), window_.top() - mb, window_.width(), window_.height() + mb);
    content_->setGeometry(0, mb, window_.width(), window_.height());
    const QRect now = top_->geometry();
    if (now.size() != want.size()) {
        requestedSizes_.push_back(want.size());
        top_->resize(want.size());
    }
    if (now.topLeft() != want.topLeft()) {
        requestedMoves_.push_back(want.topLeft() + QPoint(0, mb));
        top_->move(want.topLeft());
    }
}

void WindowBinding::userMoved(QPoint contentTopLeft) {
    auto it = std::find(requestedMoves_.begin(), requestedMoves_.end(), contentTopLeft);
    if (it != requestedMoves_.end()) {
        requestedMoves_.erase(requestedMoves_.begin(), it + 1);
        return;
    }
    if (animating_ || !top_->isVisible()) return;
    if (contentTopLeft.x() != window_.left() || contentTopLeft.y() != window_.top())
        window_.moveByUser(contentTopLeft.x(), contentTopLeft.y());
}

void WindowBinding::userResized(QSize frameSize) {
    const int mb = menuBarHeight();
    content_->setGeometry(0, mb, frameSize.width(), frameSize.height() - mb);
    if (menuBar_) menuBar_->setGeometry(0, 0, frameSize.width(), mb);
    if (animating_) return;
    auto it = std::find(requestedSizes_.begin(), requestedSizes_.end(), frameSize);
    if (it != requestedSizes_.end()) {
        requestedSizes_.erase(requestedSizes_.begin(), it + 1);
        return;
    }
    if (!top_->isVisible()) return;
    const int h = frameSize.height() - mb;
    if (frameSize.width() != window_.width() || h != window_.height())
        window_.resizeByUser(frameSize.width(), h);
}

void WindowBinding::userCollapsed(bool minimised) {
    if (window_.collapsed() != minimised) window_.setCollapsed(minimised);
}

void WindowBinding::userActivated() {
    Application& app = window_.app();
    if (window_.visible() && app.activeWindow() != &window_) app.bringToFront(window_);
}

void WindowBinding::animateTo(int width, int height, int millis) {
    const int mb = menuBarHeight();
    const QRect from = top_->geometry();
    const QRect to(from.topLeft(), QSize(width, height + mb));
    auto* animation = top_->findChild<QPropertyAnimation*>(QStringLiteral("resize"));
    if (animation) animation->stop();
    if (!animation) {
        animation = new QPropertyAnimation(top_.get(), "geometry", top_.get());
        animation->setObjectName(QStringLiteral("resize"));
        animation->setEasingCurve(QEasingCurve::OutCubic);
        QObject::connect(animation, &QPropertyAnimation::finished, top_.get(), [this] {
            animating_ = false;
            requestedSizes_.clear();
            applyBounds();
        });
    }
    animating_ = true;
    // Room for every size on the way, whatever the limits.
    top_->setMinimumSize(std::min(from.width(), to.width()), std::min(from.height(), to.height()));
    top_->setMaximumSize(std::max(from.width(), to.width()), std::max(from.height(), to.height()));
    animation->setDuration(millis);
    animation->setStartValue(from);
    animation->setEndValue(to);
    window_.setSize(width, height);
    animation->start();
}

namespace {

// Shortcuts name the key under the character with Shift ("Ctrl+Shift+."), but
// the window system reports the shifted character (">"). Without the layout's
// tables, the common (US) layout's pairs stand in for them.
std::optional<KeyEvent> unshifted(const KeyEvent& key) {
    static constexpr std::string_view kShifted = "~!@#$%^&*()_+{}|:\"<>?";
    static constexpr std::string_view kPlain = "`1234567890-=[]\\;',./";
    if (!key.modifiers.shift || key.text.size() != 1) return std::nullopt;
    const std::size_t at = kShifted.find(key.text[0]);
    if (at == std::string_view::npos) return std::nullopt;
    return KeyEvent::of(std::string(1, kPlain[at]), key.modifiers);
}

MenuItem* shortcutItem(MenuBar& bar, const KeyEvent& key) {
    MenuItem* item = bar.findByShortcut(key);
    // The Control key is the model's Command; shortcuts written for a
    // desktop without a Command key name Control, so it reaches those too.
    if (!item && !key.modifiers.control) {
        KeyEvent asControl = key;
        asControl.modifiers.command = false;
        asControl.modifiers.control = true;
        item = bar.findByShortcut(asControl);
    }
    return item;
}

}  // namespace

void WindowBinding::deliverKey(const QKeyEvent& event) {
    auto key = keyEventFrom(event);
    if (!key) return;
    Application& app = window_.app();
    if (key->modifiers.command) {
        MenuItem* item = shortcutItem(app.menuBar(), *key);
        if (auto plain = unshifted(*key); !item && plain)
            item = shortcutItem(app.menuBar(), *plain);
        if (item && app.runMenuCommand(item->name(), key->modifiers)) return;
    }
    window_.typeKey(*key);
}

}  // namespace tavrel::platform::qt
