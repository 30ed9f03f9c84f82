// Drawing onto a QPainter: the model's Graphics calls, its text styles as
// QFonts, and its pictures (files, or what was drawn into them in code, with
// their masks) as images. Text sizes are the design's points, taken as
// device-independent pixels, so the window keeps its designed proportions.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include "tavrel/platform/graphics.h"
#include "tavrel/platform/picture.h"
#include "tavrel/platform/qt/qt_services.h"

namespace tavrel::platform::qt {

inline QColor toQColor(Color c) {
    return QColor(c.red, c.green, c.blue);
}

// The style's font; a size of 0 keeps the base font's size.
QFont fontFor(const TextStyle& style, const QFont& base);

class PainterGraphics : public Graphics {
  public:
    PainterGraphics(QPainter& painter, int width, int height, PictureCache* pictures);

    int width() const override { return width_; }
    int height() const override { return height_; }
    void fillRect(int x, int y, int w, int h) override;
    void drawRect(int x, int y, int w, int h) override;
    void fillOval(int x, int y, int w, int h) override;
    void drawOval(int x, int y, int w, int h) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawText(std::string_view text, int x, int y) override;
    void drawPicture(const Picture& picture, int x, int y) override;
    int textWidth(std::string_view text) const override;
    int lineHeight() const override;

  protected:
    QPainter& painter_;

  private:
    QFont font() const;

    int width_;
    int height_;
    PictureCache* pictures_;
};

// The picture as an image at the device pixel ratio, its mask applied.
QImage pictureImage(const Picture& picture, qreal ratio, PictureCache* pictures);

}  // namespace tavrel::platform::qt
