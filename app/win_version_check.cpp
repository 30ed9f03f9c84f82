// The version file holds the latest version's 12-digit number, "*", the
// version as shown to the user, and optionally "*" and more. A reply that is
// not a 2xx page beginning with a number is a failed check, shown with the
// connection-failure text and the status code. Every handler wraps its body:
// a failure shows its fixed text and leaves the window as it was.
#include "app/win_version_check.h"

#include "app/number_text.h"
#include "app/product.h"
#include "app/shell.h"
#include "app/shell_design.h"
#include "app/version_text.h"
#include "tavrel/platform/application.h"

namespace tavrel::app {

namespace {

using Kind = ShellControlKind;

// The most of a reply that is looked at; a longer body is not read further.
constexpr std::size_t kMaxBody = 64 * 1024;

// clang-format off
constexpr ShellControlDesign kWinVersionCheck[] = {
    {"ProgressWheel1", Kind::ProgressWheel, "", 96,  82, 16,  16, "",          0, 0},
    {"StaticText1",    Kind::Label,         "", 10,  14, 190, 55, "\rchecking for new version.", 0, 0},
    {"PBmoreinfo",     Kind::PushButton,    "", 120, 79, 80,  20, "More Info", 0, 0},
    {"PBcancel",       Kind::PushButton,    "", 9,   79, 80,  20, "Cancel",    0, 0},
};
// clang-format on

bool beginsWithNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

}  // namespace

WinVersionCheck::WinVersionCheck(platform::Application& app, Shell& shell)
    : Window(app, "WinVersionCheck", platform::WindowKind::Sheet),
      ProgressWheel1(build().get<platform::ProgressWheel>("ProgressWheel1")),
      StaticText1(get<platform::Label>("StaticText1")),
      PBmoreinfo(get<platform::PushButton>("PBmoreinfo")),
      PBcancel(get<platform::PushButton>("PBcancel")),
      http(shell.http()),
      shell_(shell) {
    ProgressWheel1.setVisible(false);
    StaticText1.setMultiline(true);
    StaticText1.setAlignment(platform::Alignment::Center);
    PBmoreinfo.setDefault(true);
    PBcancel.setCancel(true);

    onOpen = [this] { Window_Open(); };
    http.onPageReceived = [this](const std::string&, int status, const platform::HttpHeaders&,
                                 const std::string& body) { http_PageReceived(status, body); };
    http.onReceiveProgress = [this](std::int64_t, std::int64_t, const std::string&) {
        http_ReceiveProgress();
    };
    http.onError = [this](int code) { http_Error(code); };
    PBmoreinfo.onAction = [this] { PBmoreinfo_Action(); };
    PBcancel.onAction = [this] { PBcancel_Action(); };
}

WinVersionCheck& WinVersionCheck::build() {
    setTitle("check for update");
    setSize(210, 109);
    setResizable(false);
    buildControls(*this, kWinVersionCheck);
    return *this;
}

void WinVersionCheck::checkForUpdate() {
    shell_.guarded("failed in WinVersionCheck.checkForUpdate", [&] {
        if (outstanding_) return;
        outstanding_ = true;
        try {
            http.get(shell_.updateHost() + std::string(kVersionFilePath));
        } catch (...) {
            outstanding_ = false;
            throw;
        }
    });
}

void WinVersionCheck::Window_Open() {
    shell_.guarded("failed in WinVersionCheck.open", [&] {
        checkForUpdate();
        ProgressWheel1.setVisible(true);
    });
}

void WinVersionCheck::http_ReceiveProgress() {
    shell_.guarded("failed in WinVersionCheck.http.PageProgress",
                   [&] { StaticText1.setText("checking for new version"); });
}

void WinVersionCheck::http_PageReceived(int status, const std::string& reply) {
    outstanding_ = false;
    shell_.guarded("failed in WinVersionCheck.http.PageRecieved", [&] {
        const std::string_view body = std::string_view(reply).substr(0, kMaxBody);
        const std::size_t star = body.find('*');
        const std::string_view latest = body.substr(0, star);
        // An error page or a reply that is no version file is a failed check,
        // never a claim that this version is newer.
        if (status < 200 || status > 299 || !beginsWithNumber(latest)) {
            showFailure(status);
            return;
        }
        const double available = leadingNumber(latest);
        std::string shown;
        if (star != std::string_view::npos) {
            const std::string_view rest = body.substr(star + 1);
            shown = std::string(rest.substr(0, rest.find('*')));
            while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r'))
                shown.pop_back();
        }
        const double current = versionNumber(app().version());
        ProgressWheel1.setVisible(false);
        if (current < available) {
            StaticText1.setText("tavrel version " + shown + " is avaliable for download");
            PBmoreinfo.setEnabled(true);
            PBmoreinfo.setDefault(true);
            PBcancel.setCaption("Not Now");
            PBcancel.setDefault(false);
        } else {
            StaticText1.setText(current > available
                                    ? "WOW ... your version is newer than the currently "
                                      "available version!"
                                    : "\ryou have the current version of tavrel.");
            PBmoreinfo.setEnabled(false);
            PBmoreinfo.setDefault(false);
            PBcancel.setCaption("OK");
            PBcancel.setDefault(true);
        }
        if (current < available && !visible()) showAsSheetOf(shell_.calc().window());
    });
}

void WinVersionCheck::http_Error(int code) {
    outstanding_ = false;
    shell_.guarded("failed in WinVersionCheck.http.error", [&] { showFailure(code); });
}

void WinVersionCheck::showFailure(int code) {
    StaticText1.setText("unable to connect to server please visit " + shell_.updateHost() +
                        std::string(kSitePath) + " error # " + std::to_string(code));
    ProgressWheel1.setVisible(false);
    PBmoreinfo.setEnabled(false);
}

void WinVersionCheck::PBmoreinfo_Action() {
    shell_.guarded("failed in WinVersionCheck.PBmoreinfo.Action", [&] {
        shell_.openWebsite();
        hide();
        shell_.calc().returnToCalculator();
    });
}

void WinVersionCheck::PBcancel_Action() {
    shell_.guarded("failed in WinVersionCheck.PBcancel.Action", [&] {
        hide();
        shell_.calc().returnToCalculator();
    });
}

}  // namespace tavrel::app
