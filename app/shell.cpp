// Windows are made through the application, which keeps them alive until they
// close; the shell only remembers them weakly, so a closed about or help
// window is made anew on the next request.
#include "app/shell.h"

#include <exception>
#include <utility>

#include "app/about_tavrel.h"
#include "app/help_window.h"
#include "app/prefs_win.h"
#include "app/product.h"
#include "app/win_version_check.h"
#include "tavrel/platform/timer.h"

namespace tavrel::app {

namespace {

template <class W>
W* alive(const std::weak_ptr<W>& w) {
    auto p = w.lock();
    return p && !p->isClosed() ? p.get() : nullptr;
}

}  // namespace

Shell::Shell(platform::Application& app, PrefStore& prefs, CalcWinLink& calc, ShellOptions options)
    : app_(app),
      prefs_(prefs),
      calc_(calc),
      http_(options.http ? *options.http : app.services().http()) {}

Shell::~Shell() = default;

prefsWin& Shell::PrefsWin() {
    if (auto* w = existingPrefsWin()) return *w;
    auto w = app_.makeWindow<prefsWin>(*this);
    prefsWin_ = w;
    return *w;
}

prefsWin* Shell::existingPrefsWin() const {
    return alive(prefsWin_);
}

std::shared_ptr<aboutTavrel> Shell::AboutTavrel() {
    if (auto w = about_.lock(); w && !w->isClosed()) {
        w->show();
        return w;
    }
    auto w = app_.makeWindow<aboutTavrel>(*this);
    about_ = w;
    if (!w->isClosed()) w->show();  // the start-up bypass may have closed it already
    return w;
}

aboutTavrel* Shell::existingAbout() const {
    return alive(about_);
}

helpWindow& Shell::HelpWindow() {
    if (auto* w = existingHelp()) {
        w->show();
        return *w;
    }
    auto w = app_.makeWindow<helpWindow>();
    help_ = w;
    w->show();
    return *w;
}

helpWindow* Shell::existingHelp() const {
    return alive(help_);
}

WinVersionCheck& Shell::VersionCheck() {
    if (auto* w = existingVersionCheck()) return *w;
    auto w = app_.makeWindow<WinVersionCheck>(*this);
    versionCheck_ = w;
    return *w;
}

WinVersionCheck* Shell::existingVersionCheck() const {
    return alive(versionCheck_);
}

void Shell::wireUpdateTimer() {
    if (auto* t = calc_.window().find<platform::Timer>("TimerCheckUpdates"))
        t->onAction = [this] { TimerCheckUpdates_Action(); };
}

void Shell::TimerCheckUpdates_Action() {
    guarded("failed in calcWin.TimerCheckUpdate.action", [&] {
        constexpr double kWeek = 6.048e5;
        const double now = app_.services().clock().secondsSince1904();
        const double last = prefs_.GetPrefDouble("lastUpdateCheck", now);
        if (last + kWeek < now && PrefsWin().checkUpdate.value()) {
            VersionCheck().checkForUpdate();
            prefs_.SetPrefDouble("lastUpdateCheck", now);
            prefs_.WritePrefsFile();
        }
    });
}

void Shell::checkForUpdateNow() {
    WinVersionCheck& w = VersionCheck();
    w.checkForUpdate();
    w.showAsSheetOf(calc_.window());
}

std::string Shell::updateHost() const {
    std::string host = prefs_.GetPrefString("updateHost", "");
    return host.empty() ? std::string(kUpdateHost) : host;
}

void Shell::openWebsite() const {
    app_.services().system().openUrl("http://" + updateHost() + std::string(kSitePath));
}

bool Shell::writePrefs() {
    try {
        prefs_.WritePrefsFile();
        writeFailureShown_ = false;
        return true;
    } catch (const PrefWriteError& e) {
        // Marked before the box shows: a write made while it is open (a quit
        // request closing the calculator) must not open a second one.
        if (!std::exchange(writeFailureShown_, true))
            app_.services().system().messageBox(std::string("Your settings could not be saved: ") +
                                                e.what());
        return false;
    }
}

void Shell::guarded(std::string_view failure, const std::function<void()>& body) const {
    try {
        body();
    } catch (...) {
        app_.services().system().messageBox(std::string(failure));
    }
}

}  // namespace tavrel::app
