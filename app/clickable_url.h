// ClickableURL: a canvas that shows a link, as text or as a picture, and opens
// its address with the user's default application when a click is completed
// inside it. Its colours mark the state: DefaultColor before any click,
// MouseDownColor while pressed, BeenClickedColor after. It raises myOpen,
// myMouseEnter and myMouseExit to the window that holds it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "tavrel/platform/canvas.h"

namespace tavrel::app {

class ClickableURL : public platform::Canvas {
  public:
    ClickableURL(platform::Window& window, std::string name);

    std::string url;
    platform::Color DefaultColor;
    platform::Color MouseDownColor;
    platform::Color BeenClickedColor;
    bool beenClicked = false;
    std::optional<platform::Cursor> linkCursor;
    std::string link;
    bool isPicture = false;

    // The colour the text is drawn in now.
    platform::Color drawingColor() const { return drawing_; }

    void SetURL(std::string text);
    const std::string& GetURL() const { return url; }
    void SetFont(std::string name);
    void ShrinkToFit();
    void SetSize(int points);
    void IsBold(bool on);
    void IsItalic(bool on);
    void IsUnderlined(bool on);
    void SetCursor(platform::Cursor cursor) { linkCursor = cursor; }
    void SetDefaultColor(platform::Color c);
    void SetBeenClickedColor(platform::Color c);
    void SetMouseDownColor(platform::Color c) { MouseDownColor = c; }
    void SetLink(std::string text);
    void DrawLink();
    void SetLink(platform::PicturePtr picture);

    std::function<void()> myOpen;
    std::function<void()> myMouseEnter;
    std::function<void()> myMouseExit;

    void opened() override;

  protected:
    bool handleMouseDown(int x, int y) override;
    void handleMouseUp(int x, int y) override;
    void paintEvent(platform::Graphics& g) override;

  private:
    void mouseEntered();
    void mouseExited();

    platform::Color drawing_;
};

}  // namespace tavrel::app
