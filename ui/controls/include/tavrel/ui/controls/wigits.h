// The picture canvases: myWigit, the disclosure widget (draws `up` when open,
// `down` when closed), and myWigit1, the two-state toggle whose window paints
// it. Both centre their picture at open and flip on a click.
#pragma once

#include <cstdint>
#include <functional>

#include "tavrel/platform/canvas.h"
#include "tavrel/ui/controls/image_set.h"

namespace tavrel::ui {

class myWigit : public platform::Canvas {
  public:
    myWigit(platform::Window& window, std::string name, ImageSet& images)
        : Canvas(window, std::move(name)), images_(images) {}

    bool value = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t selfHeight = 0;

    // Flips value and raises myAction; asks for no redraw.
    void push();
    // value = !flag; raises nothing, redraws nothing.
    void set(bool flag) { value = !flag; }

    std::function<void()> myAction;
    std::function<void()> myOpen;

  protected:
    void opened() override;
    void paintEvent(platform::Graphics& g) override;
    bool handleMouseDown(int x, int y) override;

  private:
    ImageSet& images_;
};

class myWigit1 : public platform::Canvas {
  public:
    myWigit1(platform::Window& window, std::string name, ImageSet& images)
        : Canvas(window, std::move(name)), images_(images) {}

    bool value = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t selfHeight = 0;

    void push();

    std::function<void()> myAction;
    std::function<void()> myOpen;

  protected:
    void opened() override;
    bool handleMouseDown(int x, int y) override;

  private:
    ImageSet& images_;
};

}  // namespace tavrel::ui
