// Pictures drawn in code are replayed from their recording; masks are
// rendered the same way and turned into alpha (opaque where black).
#include "painter_graphics.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include "tavrel/platform/menu.h"

namespace tavrel::platform::qt {
namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void replay(const std::vector<DrawOp>& ops, Graphics& g) {
    for (const DrawOp& op : ops) {
        g.setForeColor(op.color);
        switch (op.kind) {
            case DrawKind::FillRect:
                g.fillRect(op.x, op.y, op.width, op.height);
                break;
            case DrawKind::DrawRect:
                g.drawRect(op.x, op.y, op.width, op.height);
                break;
            case DrawKind::FillOval:
                g.fillOval(op.x, op.y, op.width, op.height);
                break;
            case DrawKind::DrawOval:
                g.drawOval(op.x, op.y, op.width, op.height);
                break;
            case DrawKind::Line:
                g.drawLine(op.x, op.y, op.width, op.height);
                break;
            case DrawKind::Text:
                g.setTextStyle(op.style);
                g.drawText(op.text, op.x, op.y);
                break;
            case DrawKind::Picture:
                if (op.source) g.drawPicture(*op.source, op.x, op.y);
                break;
            case DrawKind::NewPage:
                g.nextPage();
                break;
        }
    }
}

QImage blank(int w, int h, qreal ratio) {
    QImage image(qMax(1, qRound(w * ratio)), qMax(1, qRound(h * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QFont fontFor(const TextStyle& style, const QFont& base) {
    QFont f = base;
    if (!style.font.empty()) {
        // The design's Mac faces: Monaco, the monospaced one, becomes the
        // system's monospaced face; the others fall back to the system face.
        if (equalsIgnoringCase(style.font, "monaco")) {
            // DejaVu Sans Mono comes with the program's packages; others stand in.
            f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                           QStringLiteral("monospace")});
            f.setStyleHint(QFont::Monospace);
            f.setFixedPitch(true);
        } else if (!equalsIgnoringCase(style.font, "charcoal") &&
                   !equalsIgnoringCase(style.font, "system")) {
            f.setFamily(text(style.font));
        }
    }
    if (style.size > 0) f.setPixelSize(style.size);
    f.setBold(style.bold);
    f.setItalic(style.italic);
    f.setUnderline(style.underline);
    return f;
}

PainterGraphics::PainterGraphics(QPainter& painter, int width, int height, PictureCache* pictures)
    : painter_(painter), width_(width), height_(height), pictures_(pictures) {}

QFont PainterGraphics::font() const {
    QFont base = QGuiApplication::font();
    if (textStyle().size <= 0) base.setPixelSize(metrics::kDefaultTextSize);
    return fontFor(textStyle(), base);
}

void PainterGraphics::fillRect(int x, int y, int w, int h) {
    painter_.fillRect(x, y, w, h, toQColor(foreColor()));
}

void PainterGraphics::drawRect(int x, int y, int w, int h) {
    painter_.setPen(toQColor(foreColor()));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(x, y, w - 1, h - 1);
}

void PainterGraphics::fillOval(int x, int y, int w, int h) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(toQColor(foreColor()));
    painter_.drawEllipse(x, y, w, h);
}

void PainterGraphics::drawOval(int x, int y, int w, int h) {
    painter_.setPen(toQColor(foreColor()));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(x, y, w - 1, h - 1);
}

void PainterGraphics::drawLine(int x1, int y1, int x2, int y2) {
    painter_.setPen(toQColor(foreColor()));
    painter_.drawLine(x1, y1, x2, y2);
}

void PainterGraphics::drawText(std::string_view t, int x, int y) {
    painter_.setFont(font());
    painter_.setPen(toQColor(foreColor()));
    painter_.drawText(QPointF(x, y), text(t));
}

void PainterGraphics::drawPicture(const Picture& picture, int x, int y) {
    const qreal ratio = painter_.device() ? painter_.device()->devicePixelRatioF() : 1.0;
    const QImage image = pictureImage(picture, ratio, pictures_);
    if (!image.isNull()) painter_.drawImage(QPointF(x, y), image);
}

int PainterGraphics::textWidth(std::string_view t) const {
    return QFontMetrics(font(), painter_.device()).horizontalAdvance(text(t));
}

int PainterGraphics::lineHeight() const {
    return QFontMetrics(font(), painter_.device()).height();
}

QImage pictureImage(const Picture& picture, qreal ratio, PictureCache* pictures) {
    QImage image;
    if (!picture.source().empty() && pictures) image = pictures->file(picture.source(), ratio);
    if (image.isNull()) {
        if (picture.operations().empty()) return {};
        image = blank(picture.width(), picture.height(), ratio);
        QPainter p(&image);
        PainterGraphics g(p, picture.width(), picture.height(), pictures);
        replay(picture.operations(), g);
    }
    if (const Picture* mask = picture.maskIfAny()) {
        const qreal r = image.devicePixelRatio();
        QImage alpha(image.size(), QImage::Format_ARGB32_Premultiplied);
        alpha.setDevicePixelRatio(r);
        alpha.fill(Qt::white);  // transparent where nothing of the mask was drawn
        {
            QPainter p(&alpha);
            PainterGraphics g(p, mask->width(), mask->height(), pictures);
            replay(mask->operations(), g);
        }
        alpha.invertPixels();  // black (opaque in a mask) becomes full alpha
        image = image.convertToFormat(QImage::Format_ARGB32);
        QImage gray = alpha.convertToFormat(QImage::Format_Grayscale8);
        for (int yy = 0; yy < image.height(); ++yy) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(yy));
            const uchar* a = gray.constScanLine(yy);
            for (int xx = 0; xx < image.width(); ++xx)
                line[xx] = qRgba(qRed(line[xx]), qGreen(line[xx]), qBlue(line[xx]),
                                 qAlpha(line[xx]) * a[xx] / 255);
        }
        image.setDevicePixelRatio(r);
    }
    return image;
}

}  // namespace tavrel::platform::qt
