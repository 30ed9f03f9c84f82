// Text fields and text areas. The model owns text, caret and selection; the
// widgets only show them. Keys reach the model through the window (the
// platform's key router); clicks and drags are turned into the model's mouse
// entry points and selection changes here, with the widget measuring where a
// point falls in the text. Positions convert between the model's code points
// and Qt's UTF-16 units.
#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>

#include "kind_bindings.h"
#include "painter_graphics.h"
#include "tavrel/platform/qt/key_translation.h"
#include "tavrel/platform/qt/window_binding.h"
#include "tavrel/platform/text_area.h"
#include "tavrel/platform/text_field.h"

namespace tavrel::platform::qt {
namespace {

QString shown(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

int toUtf16(const QString& s, std::size_t codePoints) {
    int i = 0;
    for (std::size_t n = 0; n < codePoints && i < s.size(); ++n)
        i += s.at(i).isHighSurrogate() && i + 1 < s.size() ? 2 : 1;
    return i;
}

std::size_t toCodePoints(const QString& s, int utf16) {
    std::size_t n = 0;
    for (int i = 0; i < utf16 && i < s.size(); ++n)
        i += s.at(i).isHighSurrogate() && i + 1 < s.size() ? 2 : 1;
    return n;
}

Qt::Alignment horizontal(Alignment a) {
    switch (a) {
        case Alignment::Right:
            return Qt::AlignRight;
        case Alignment::Center:
            return Qt::AlignHCenter;
        default:
            return Qt::AlignLeft;
    }
}

// Mouse and drop handling shared by both kinds, installed on the widget that
// receives the events (the field itself, the area's viewport).
class TextMouse : public QObject {
  public:
    TextMouse(ControlBinding& binding, TextEdit& edit, QWidget* target,
              std::function<std::size_t(QPoint)> offsetAt)
        : binding_(binding), edit_(edit), target_(target), offsetAt_(std::move(offsetAt)) {
        target->installEventFilter(this);
        target->setAcceptDrops(true);
    }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                return press(static_cast<QMouseEvent*>(e));
            case QEvent::MouseMove:
                return drag(static_cast<QMouseEvent*>(e));
            case QEvent::MouseButtonRelease:
                return release(static_cast<QMouseEvent*>(e));
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                auto* d = static_cast<QDragMoveEvent*>(e);
                if (d->mimeData()->hasText()) d->acceptProposedAction();
                return true;
            }
            case QEvent::Drop: {
                auto* d = static_cast<QDropEvent*>(e);
                if (!d->mimeData()->hasText()) return true;
                d->acceptProposedAction();
                edit_.dropTextByUser(d->mimeData()->text().toStdString(),
                                     modifiersFrom(d->modifiers()));
                return true;
            }
            case QEvent::ContextMenu:
                return true;  // the contextual click went to the model already
            default:
                return false;
        }
    }

  private:
    // The point in the control's own coordinates.
    QPoint local(QMouseEvent* e) const {
        return target_->mapTo(binding_.widget(), e->position().toPoint());
    }

    bool press(QMouseEvent* e) {
        const QPoint p = local(e);
        const Modifiers mods = modifiersFrom(e->modifiers());
        if (isContextualClick(e->button(), e->modifiers())) {
            Window& w = edit_.window();
            w.mouseDown(p.x() + edit_.left(), p.y() + edit_.top(), mods, true);
            w.mouseUp(p.x() + edit_.left(), p.y() + edit_.top(), mods);
            return true;
        }
        if (e->button() != Qt::LeftButton) return true;
        anchor_ = offsetAt_(p);
        pressed_ = edit_.mouseDownByUser(p.x(), p.y(), mods);
        return true;
    }

    bool drag(QMouseEvent* e) {
        if (!pressed_ || !(e->buttons() & Qt::LeftButton)) return true;
        const std::size_t at = offsetAt_(local(e));
        const std::size_t from = std::min(anchor_, at);
        edit_.setSelection(from, std::max(anchor_, at) - from);
        return true;
    }

    bool release(QMouseEvent* e) {
        if (!pressed_) return true;
        pressed_ = false;
        const QPoint p = local(e);
        edit_.mouseUpByUser(p.x(), p.y(), modifiersFrom(e->modifiers()));
        return true;
    }

    ControlBinding& binding_;
    TextEdit& edit_;
    QWidget* target_;
    std::function<std::size_t(QPoint)> offsetAt_;
    std::size_t anchor_ = 0;
    bool pressed_ = false;
};

class FieldBinding : public ControlBinding {
  public:
    FieldBinding(WindowBinding& w, TextField& f, QWidget* content)
        : ControlBinding(w, f, new QLineEdit(content)),
          field_(f),
          mouse_(*this, f, widget_, [this](QPoint p) { return offsetAt(p); }) {
        widget_->setFocusPolicy(Qt::ClickFocus);
        edit()->setContextMenuPolicy(Qt::NoContextMenu);
    }

    std::optional<std::size_t> caretAt(const TextEdit&, int x, int y) override {
        return offsetAt(QPoint(x, y));
    }

  protected:
    void apply(Property what) override {
        QLineEdit* e = edit();
        QSignalBlocker quiet(e);
        switch (what) {
            case Property::Text:
                if (e->text() != QString::fromStdString(field_.text()))
                    e->setText(QString::fromStdString(field_.text()));
                [[fallthrough]];
            case Property::Selection: {
                const QString t = e->text();
                const int start = toUtf16(t, field_.selStart());
                const int end = toUtf16(t, field_.selStart() + field_.selLength());
                if (end > start)
                    e->setSelection(start, end - start);
                else
                    e->setCursorPosition(start);
                break;
            }
            case Property::Appearance:
                e->setReadOnly(field_.readOnly());
                e->setFrame(field_.border());
                break;
            case Property::Alignment:
                e->setAlignment(horizontal(field_.alignment()) | Qt::AlignVCenter);
                break;
            default:
                break;
        }
    }

  private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget_.data()); }
    std::size_t offsetAt(QPoint p) const {
        return toCodePoints(edit()->text(), edit()->cursorPositionAt(p));
    }

    TextField& field_;
    TextMouse mouse_;
};

class AreaBinding : public ControlBinding {
  public:
    AreaBinding(WindowBinding& w, TextArea& a, QWidget* content)
        : ControlBinding(w, a, new QTextEdit(content)),
          area_(a),
          mouse_(*this, a, area()->viewport(), [this](QPoint p) { return offsetAt(p); }) {
        widget_->setFocusPolicy(Qt::ClickFocus);
        area()->setUndoRedoEnabled(false);
        area()->setAcceptRichText(false);
        area()->setContextMenuPolicy(Qt::NoContextMenu);
        area()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    void textAppended(TextEdit&, std::string_view appended) override {
        QTextCursor c(area()->document());
        c.movePosition(QTextCursor::End);
        c.setCharFormat(QTextCharFormat());
        c.insertText(shown(std::string(appended)));
    }

    std::optional<std::size_t> charOffsetAt(const TextArea&, int x, int y) override {
        return offsetAt(QPoint(x, y));
    }

  protected:
    void apply(Property what) override {
        QTextEdit* e = area();
        QSignalBlocker quiet(e);
        switch (what) {
            case Property::Text:
                e->setPlainText(shown(area_.text()));
                applyParagraphs();
                applySelection();
                applyScroll();
                break;
            case Property::Selection:
                applySelection();
                break;
            case Property::Scroll:
                applyScroll();
                break;
            case Property::Alignment:
                applyParagraphs();
                break;
            case Property::TextStyle:
                e->document()->setDefaultFont(e->font());
                break;
            case Property::Appearance:
                e->setReadOnly(area_.readOnly());
                e->setFrameShape(area_.border() ? QFrame::StyledPanel : QFrame::NoFrame);
                e->setVerticalScrollBarPolicy(area_.scrollBar() ? Qt::ScrollBarAlwaysOn
                                                                : Qt::ScrollBarAlwaysOff);
                applyParagraphs();
                break;
            default:
                break;
        }
    }

  private:
    QTextEdit* area() const { return static_cast<QTextEdit*>(widget_.data()); }

    // Positions in the document equal code points unless it holds surrogate pairs.
    bool plainPositions() const {
        return static_cast<std::size_t>(area()->document()->characterCount() - 1) == area_.length();
    }
    int toDoc(std::size_t cp) const {
        return plainPositions() ? static_cast<int>(cp)
                                : toUtf16(area()->document()->toPlainText(), cp);
    }
    std::size_t fromDoc(int pos) const {
        return plainPositions() ? static_cast<std::size_t>(pos)
                                : toCodePoints(area()->document()->toPlainText(), pos);
    }

    std::size_t offsetAt(QPoint inControl) const {
        const QPoint inViewport = area()->viewport()->mapFrom(area(), inControl);
        return fromDoc(area()->cursorForPosition(inViewport).position());
    }

    // The area's alignment for every paragraph, then each paragraph's own and
    // the style runs when the text is styled.
    void applyParagraphs() {
        QTextDocument* doc = area()->document();
        QTextOption option = doc->defaultTextOption();
        option.setAlignment(horizontal(area_.alignment()));
        doc->setDefaultTextOption(option);
        if (!area_.styled()) return;
        const StyledText styled = area_.styledText();
        QTextBlock block = doc->begin();
        for (std::size_t i = 0; block.isValid(); block = block.next(), ++i) {
            QTextCursor c(block);
            QTextBlockFormat f = block.blockFormat();
            f.setAlignment(horizontal(i < styled.paragraphCount() ? styled.paragraphAlignment(i)
                                                                  : area_.alignment()));
            c.setBlockFormat(f);
        }
        for (const StyleRun& run : styled.runs()) {
            QTextCursor c(doc);
            c.setPosition(toDoc(run.start));
            c.setPosition(toDoc(run.start + run.length), QTextCursor::KeepAnchor);
            QTextCharFormat f;
            f.setFont(fontFor(run.style, area()->font()));
            f.setForeground(toQColor(run.color));
            c.setCharFormat(f);
        }
    }

    void applySelection() {
        QTextCursor c(area()->document());
        c.setPosition(toDoc(area_.selStart()));
        c.setPosition(toDoc(area_.selStart() + area_.selLength()), QTextCursor::KeepAnchor);
        area()->setTextCursor(c);
    }

    // At the last full view the end shows; otherwise the top line's block starts the view.
    void applyScroll() {
        QScrollBar* bar = area()->verticalScrollBar();
        const std::size_t top = area_.scrollPosition();
        if (top + area_.visibleLineCount() >= area_.lineCount()) {
            bar->setValue(bar->maximum());
            return;
        }
        QTextBlock block = area()->document()->findBlockByNumber(static_cast<int>(top));
        if (!block.isValid()) return;
        bar->setValue(
            static_cast<int>(area()->document()->documentLayout()->blockBoundingRect(block).top()));
    }

    TextArea& area_;
    TextMouse mouse_;
};

}  // namespace

std::unique_ptr<ControlBinding> bindTextField(WindowBinding& window, Control& control,
                                              QWidget* content) {
    return std::make_unique<FieldBinding>(window, static_cast<TextField&>(control), content);
}

std::unique_ptr<ControlBinding> bindTextArea(WindowBinding& window, Control& control,
                                             QWidget* content) {
    return std::make_unique<AreaBinding>(window, static_cast<TextArea&>(control), content);
}

}  // namespace tavrel::platform::qt
