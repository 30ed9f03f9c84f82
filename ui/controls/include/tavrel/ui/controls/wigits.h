// The picture canvases: myWigit, the disclosure widget (draws `up` when open,
// `down` when closed), and myWigit1, the two-state toggle whose window paints
// it. Both centre their picture at open and flip on a click.
#pragma once

#include <cstdint>
#include <functional>

#include "tavrel/platform/canvas.h"
#include "tavrel/ui/controls/image_set.h"

namespace tavrel::ui {

// What both widgets share: the state, the centring offset, and a click that
// flips the value and raises myAction.
class PictureWigit : public platform::Canvas {
  public:
    PictureWigit(platform::Window& window, std::string name, ImageSet& images)
        : Canvas(window, std::move(name)), images_(images) {}

    bool value = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t selfHeight = 0;

    // Flips value and raises myAction; asks for no redraw.
    void push();

    std::function<void()> myAction;
    std::function<void()> myOpen;

  protected:
    // Centres the drawing offset on a picture, then raises myOpen.
    void openCentredOn(const platform::PicturePtr& picture);
    bool handleMouseDown(int x, int y) override;
    ImageSet& images_;
};

class myWigit : public PictureWigit {
  public:
    using PictureWigit::PictureWigit;

    // value = !flag; raises nothing, redraws nothing.
    void set(bool flag) { value = !flag; }

  protected:
    void opened() override;
    void paintEvent(platform::Graphics& g) override;
};

class myWigit1 : public PictureWigit {
  public:
    using PictureWigit::PictureWigit;

  protected:
    void opened() override;
};

}  // namespace tavrel::ui
