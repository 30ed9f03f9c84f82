// Drawing. Handlers draw through the abstract Graphics; RecordingGraphics keeps
// the calls as a list of DrawOps, which is what headless paints and prints
// produce and what a picture drawn in code holds until a backend renders it.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tavrel/platform/geometry.h"

namespace tavrel::platform {

class Picture;

struct TextStyle {
    std::string font;  // empty: the system font
    int size = 0;      // points; 0: the framework default
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// Fixed metrics used where no real font is at hand (headless, and as the
// fallback of text hit-testing): derived from the text size only.
namespace metrics {
inline constexpr int kDefaultTextSize = 12;
inline int effectiveSize(int size) {
    return size > 0 ? size : kDefaultTextSize;
}
inline int lineHeight(int size) {
    int s = effectiveSize(size);
    return s + (s + 3) / 4;
}
inline int charWidth(int size) {
    int s = effectiveSize(size);
    return (s * 3 + 4) / 5;
}
}  // namespace metrics

enum class DrawKind { FillRect, DrawRect, FillOval, DrawOval, Line, Text, Picture, NewPage };

struct DrawOp {
    DrawKind kind = DrawKind::FillRect;
    int x = 0;
    int y = 0;
    int width = 0;   // rectangles, ovals, pictures; line: end x
    int height = 0;  // line: end y
    Color color;
    TextStyle style;                  // Text
    std::string text;                 // Text
    std::string picture;              // Picture: the picture's name
    const Picture* source = nullptr;  // Picture: the picture drawn
    // Keeps a shared picture alive for as long as the recording needs it.
    std::shared_ptr<const Picture> keep;
};

class Graphics {
  public:
    virtual ~Graphics() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c) { foreColor_ = c; }
    const TextStyle& textStyle() const { return style_; }
    void setTextStyle(const TextStyle& s) { style_ = s; }
    void setTextFont(std::string font) { style_.font = std::move(font); }
    void setTextSize(int size) { style_.size = size; }
    void setBold(bool on) { style_.bold = on; }
    void setItalic(bool on) { style_.italic = on; }
    void setUnderline(bool on) { style_.underline = on; }

    virtual void fillRect(int x, int y, int w, int h) = 0;
    virtual void drawRect(int x, int y, int w, int h) = 0;
    virtual void fillOval(int x, int y, int w, int h) = 0;
    virtual void drawOval(int x, int y, int w, int h) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    // y is the baseline.
    virtual void drawText(std::string_view text, int x, int y) = 0;
    virtual void drawPicture(const Picture& picture, int x, int y) = 0;
    // Printing surfaces start a new page; others ignore it.
    virtual void nextPage() {}

    virtual int textWidth(std::string_view text) const;
    virtual int lineHeight() const;

  private:
    Color foreColor_;
    TextStyle style_;
};

class RecordingGraphics : public Graphics {
  public:
    RecordingGraphics(int width, int height) : width_(width), height_(height) {}

    int width() const override { return width_; }
    int height() const override { return height_; }

    void fillRect(int x, int y, int w, int h) override;
    void drawRect(int x, int y, int w, int h) override;
    void fillOval(int x, int y, int w, int h) override;
    void drawOval(int x, int y, int w, int h) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawText(std::string_view text, int x, int y) override;
    void drawPicture(const Picture& picture, int x, int y) override;
    void nextPage() override;

    const std::vector<DrawOp>& operations() const { return ops_; }
    void clear() { ops_.clear(); }

  private:
    void add(DrawKind kind, int x, int y, int w, int h);

    int width_;
    int height_;
    std::vector<DrawOp> ops_;
};

}  // namespace tavrel::platform
