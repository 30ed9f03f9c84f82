// The about window, also the splash screen at start-up: product picture,
// version, build, tagline and the maker's byline link. Its opening creates the
// preferences window (which applies the stored settings) and, at start-up
// with "bypass splash screen" ticked, closes it at once; otherwise any key or
// click closes it. Closing it shows the calculator window. Every handler
// wraps its body and shows its failure text when something inside fails.
#pragma once

#include <string>

#include "app/clickable_url.h"
#include "tavrel/platform/label.h"
#include "tavrel/platform/window.h"
#include "tavrel/ui/controls/image_set.h"

namespace tavrel::app {

class Shell;

// The prompt in the status line.
inline constexpr std::string_view kAboutPrompt = "press any key or click to continue";

class aboutTavrel : public platform::Window {
  public:
    aboutTavrel(platform::Application& app, Shell& shell);

    std::string TextMessage;

    platform::Label& StaticText1;
    platform::Label& StaticText4;
    platform::Label& StaticText6;
    ClickableURL& Canvas3;

  private:
    aboutTavrel& build();
    void Window_Open();

    Shell& shell_;
    ui::ImageSet images_;
};

}  // namespace tavrel::app
