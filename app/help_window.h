// The help window: the user manual in a read-only, scrolling text area that
// follows the window's four edges. Its close box destroys it; the Help command
// makes a new one.
#pragma once

#include "tavrel/platform/text_area.h"
#include "tavrel/platform/window.h"

namespace tavrel::app {

class helpWindow : public platform::Window {
  public:
    explicit helpWindow(platform::Application& app);

    platform::TextArea& EditField1;

  private:
    helpWindow& build();
};

}  // namespace tavrel::app
