// A press takes the mouse-down colour and claims the click; the release opens
// the address only when it lands strictly inside the control. In text mode
// the text is drawn at x 0 on the baseline height - 5; in picture mode the
// canvas shows its backdrop picture and draws no text.
#include "app/clickable_url.h"

#include "tavrel/platform/application.h"
#include "tavrel/platform/window.h"

namespace tavrel::app {

ClickableURL::ClickableURL(platform::Window& window, std::string name)
    : Canvas(window, std::move(name)) {
    onMouseEnter = [this] { mouseEntered(); };
    onMouseExit = [this] { mouseExited(); };
}

void ClickableURL::opened() {
    drawing_ = DefaultColor;
    if (myOpen) myOpen();
}

void ClickableURL::mouseEntered() {
    setCursor(linkCursor);
    if (myMouseEnter) myMouseEnter();
}

void ClickableURL::mouseExited() {
    setCursor(platform::Cursor{platform::StandardCursor::Arrow});
    if (myMouseExit) myMouseExit();
}

bool ClickableURL::handleMouseDown(int, int) {
    drawing_ = MouseDownColor;
    DrawLink();
    return true;
}

void ClickableURL::handleMouseUp(int x, int y) {
    if (0 < x && x < width() && 0 < y && y < height()) {
        drawing_ = BeenClickedColor;
        beenClicked = true;
        app().services().system().openUrl(url);
    } else {
        drawing_ = beenClicked ? BeenClickedColor : DefaultColor;
    }
    DrawLink();
}

void ClickableURL::paintEvent(platform::Graphics& g) {
    Canvas::paintEvent(g);
    if (isPicture) return;
    g.setTextStyle(textStyle());
    g.setForeColor(drawing_);
    g.drawText(link, 0, height() - 5);
}

void ClickableURL::SetURL(std::string text) {
    url = std::move(text);
    ShrinkToFit();
}

void ClickableURL::SetFont(std::string name) {
    setTextFont(std::move(name));
    ShrinkToFit();
}

void ClickableURL::SetSize(int points) {
    setTextSize(points);
    ShrinkToFit();
}

void ClickableURL::IsBold(bool on) {
    setBold(on);
    ShrinkToFit();
}

void ClickableURL::IsItalic(bool on) {
    setItalic(on);
    ShrinkToFit();
}

void ClickableURL::IsUnderlined(bool on) {
    setUnderline(on);
    ShrinkToFit();
}

void ClickableURL::ShrinkToFit() {
    if (isPicture) return;
    // Measured on the text that is drawn, so the control fits what it shows;
    // before a link text is given, on the address.
    namespace m = platform::metrics;
    const std::string& shown = link.empty() ? url : link;
    setHeight(m::lineHeight(textSize()));
    setWidth(static_cast<int>(shown.size()) * m::charWidth(textSize()));
}

void ClickableURL::SetDefaultColor(platform::Color c) {
    DefaultColor = c;
    if (!beenClicked) {
        drawing_ = c;
        DrawLink();
    }
}

void ClickableURL::SetBeenClickedColor(platform::Color c) {
    BeenClickedColor = c;
    if (beenClicked) {
        drawing_ = c;
        DrawLink();
    }
}

void ClickableURL::SetLink(std::string text) {
    link = std::move(text);
    isPicture = false;
}

void ClickableURL::DrawLink() {
    if (!isPicture) refresh();
}

void ClickableURL::SetLink(platform::PicturePtr picture) {
    isPicture = true;
    if (!picture) return;
    setWidth(picture->width());
    setHeight(picture->height());
    setBackdrop(std::move(picture));
}

}  // namespace tavrel::app
