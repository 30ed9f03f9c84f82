// The update check's sheet. checkForUpdate asks the web site for its version
// file; the answer (or the failure) arrives later on the event thread and is
// written into the window, which then shows itself only when a newer version
// exists. The window is hidden, never closed, by its buttons, so it keeps its
// last result between checks.
#pragma once

#include <string>

#include "tavrel/platform/http.h"
#include "tavrel/platform/label.h"
#include "tavrel/platform/progress_wheel.h"
#include "tavrel/platform/push_button.h"
#include "tavrel/platform/window.h"

namespace tavrel::app {

class Shell;

class WinVersionCheck : public platform::Window {
  public:
    WinVersionCheck(platform::Application& app, Shell& shell);

    // Starts a GET of the version file unless one is already under way (its
    // answer will do for both).
    void checkForUpdate();
    bool checking() const { return outstanding_; }

    platform::ProgressWheel& ProgressWheel1;
    platform::Label& StaticText1;
    platform::PushButton& PBmoreinfo;
    platform::PushButton& PBcancel;
    platform::HttpClient http;

  private:
    WinVersionCheck& build();
    void Window_Open();
    void http_PageReceived(int status, const std::string& body);
    void http_ReceiveProgress();
    void http_Error(int code);
    void PBmoreinfo_Action();
    void PBcancel_Action();
    void showFailure(int code);

    Shell& shell_;
    bool outstanding_ = false;
};

}  // namespace tavrel::app
