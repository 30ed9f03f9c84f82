// Printing: a page setup, a print dialog that yields a drawing surface (or
// nothing when cancelled), and a styled-text printer that lays a text out in
// blocks of a given height, continuing where the previous block ended.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "tavrel/platform/graphics.h"
#include "tavrel/platform/styled_text.h"

namespace tavrel::platform {

// Points. The defaults are US Letter with quarter-inch margins.
struct PageSetup {
    int pageWidth = 612;
    int pageHeight = 792;
    int printableLeft = 18;
    int printableTop = 18;
    int printableWidth = 576;
    int printableHeight = 756;
    friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

class Printing {
  public:
    virtual ~Printing() = default;
    // Shows the page setup dialog, which may change the setup; false if cancelled.
    virtual bool pageSetupDialog(PageSetup& setup) = 0;
    // Shows the print dialog; a surface to draw the pages on, or none if cancelled.
    // Destroying the surface ends the job.
    virtual std::unique_ptr<Graphics> printDialog(const PageSetup& setup) = 0;
};

class StyledTextPrinter {
  public:
    StyledTextPrinter(const StyledText& text, Graphics& surface, int width);

    void setWidth(int width);
    int width() const { return width_; }
    // Draws the next lines that fit into height at (x, y).
    void drawBlock(int x, int y, int height);
    bool eof() const { return next_ >= lines_.size(); }

  private:
    struct Line {
        std::string text;
        Alignment alignment;
    };
    void layout();

    const StyledText& text_;
    Graphics& surface_;
    int width_;
    std::vector<Line> lines_;
    std::size_t next_ = 0;
};

}  // namespace tavrel::platform
