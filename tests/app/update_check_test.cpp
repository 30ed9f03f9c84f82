// The update check against a real HTTP server on 127.0.0.1 (started here, no
// other network), through the headless backend's libcurl client; and the
// weekly timing on the virtual clock.
#include <gtest/gtest.h>

#include <ostream>

#include "app/prefs_win.h"
#include "app/win_version_check.h"
#include "http_test_server.h"
#include "shell_fixture.h"

namespace tavrel::app {
namespace {

using platform::headless::CurlHttpOptions;
using testing::HttpTestServer;
using testing::ServerReply;
using testing::ShellFixture;

enum class Server { Up, Refused };

// One reply of the server and what the window shows after it, the program
// being version 1.9.2. "{host}" stands for the server's host and port.
struct CheckCase {
    const char* label;
    Server server;
    ServerReply reply;
    const char* text;
    bool moreInfo;
    const char* cancel;
    bool sheetShown;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.label;
}

constexpr auto kNewer = "tavrel version 1.9.3 is avaliable for download";
constexpr auto kSame = "\ryou have the current version of tavrel.";
constexpr auto kWow = "WOW ... your version is newer than the currently available version!";

std::string failure(const char* code) {
    return std::string("unable to connect to server please visit {host}/tavrel/ error # ") + code;
}

std::string replaced(std::string text, const std::string& host) {
    if (auto at = text.find("{host}"); at != std::string::npos) text.replace(at, 6, host);
    return text;
}

const std::string kHuge = "000100090003*1.9.3*" + std::string(1 << 20, 'x');
const std::string k404 = failure("404");
const std::string k500 = failure("500");
const std::string k200 = failure("200");
const std::string k7 = failure("7");
const std::string k28 = failure("28");

class UpdateCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(UpdateCheckTest, AutomaticCheckShowsTheReply) {
    const CheckCase& c = GetParam();
    HttpTestServer server(c.reply);
    const std::string host = c.server == Server::Up
                                 ? server.host()
                                 : "127.0.0.1:" + std::to_string(HttpTestServer::closedPort());
    ShellFixture f("updateHost\n" + host + "\n",
                   CurlHttpOptions{.timeout = std::chrono::milliseconds(400)});
    f.app.version() = {1, 9, 2, platform::ReleaseStage::Final, 5};
    f.calc->show();

    WinVersionCheck& w = f.shell->VersionCheck();  // its opening starts the check
    EXPECT_TRUE(w.ProgressWheel1.visible());
    ASSERT_TRUE(f.turnUntil([&] { return !w.checking(); }));

    EXPECT_EQ(w.StaticText1.text(), replaced(c.text, host));
    EXPECT_EQ(w.PBmoreinfo.enabled(), c.moreInfo);
    EXPECT_EQ(w.PBcancel.caption(), c.cancel);
    EXPECT_EQ(w.visible(), c.sheetShown);
    EXPECT_FALSE(w.ProgressWheel1.visible());
    if (c.server == Server::Up) {
        EXPECT_EQ(server.requestLines(),
                  std::vector<std::string>{"GET /tavrel/versionMac.txt HTTP/1.1"});
    }
    EXPECT_TRUE(f.host.system().messages().empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Replies, UpdateCheckTest, ::testing::Values(
    CheckCase{"newer",              Server::Up,      {200, "000100090003*1.9.3"},              kNewer,       true,  "Not Now", true},
    CheckCase{"newer_with_notes",   Server::Up,      {200, "000100090003*1.9.3*notes\n"},      kNewer,       true,  "Not Now", true},
    CheckCase{"newer_line_end",     Server::Up,      {200, "000100090003*1.9.3\r\n"},          kNewer,       true,  "Not Now", true},
    CheckCase{"same",               Server::Up,      {200, "000100090002*1.9.2\n"},            kSame,        false, "OK",      false},
    CheckCase{"older",              Server::Up,      {200, "000100080000*1.8"},                kWow,         false, "OK",      false},
    CheckCase{"not_found",          Server::Up,      {404, "000100090003*1.9.3"},              k404.c_str(), false, "Cancel",  false},
    CheckCase{"server_error",       Server::Up,      {500, ""},                                k500.c_str(), false, "Cancel",  false},
    CheckCase{"garbage_body",       Server::Up,      {200, "<html>moved</html>"},              k200.c_str(), false, "Cancel",  false},
    CheckCase{"empty_body",         Server::Up,      {200, ""},                                k200.c_str(), false, "Cancel",  false},
    CheckCase{"huge_body_cut",      Server::Up,      {200, kHuge},                             kNewer,       true,  "Not Now", true},
    CheckCase{"refused",            Server::Refused, {},                                       k7.c_str(),   false, "Cancel",  false},
    CheckCase{"slow_past_time_out", Server::Up,      {200, "000100090003*1.9.3", std::chrono::milliseconds(3000)},
                                                                                               k28.c_str(),  false, "Cancel",  false}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(UpdateCheckFlowTest, TypingGoesOnWhileTheServerIsSlow) {
    HttpTestServer server({200, "000100090003*1.9.3", std::chrono::milliseconds(600)});
    ShellFixture f("updateHost\n" + server.host() + "\n", CurlHttpOptions{});
    f.calc->show();
    f.calc->EditFract1.setFocus();
    WinVersionCheck& w = f.shell->VersionCheck();
    f.host.loop().advanceMs(10);
    f.calc->typeText("12");
    EXPECT_TRUE(w.checking());
    EXPECT_EQ(f.calc->EditFract1.text(), "12");
    ASSERT_TRUE(f.turnUntil([&] { return !w.checking(); }));
    EXPECT_EQ(w.StaticText1.text(), kNewer);
}

TEST(UpdateCheckFlowTest, MenuCommandShowsTheSheetAndButtonsReturnToTheCalculator) {
    HttpTestServer server({200, "000100090003*1.9.3"});
    ShellFixture f("updateHost\n" + server.host() + "\n", CurlHttpOptions{});
    f.app.version() = {1, 9, 2};
    f.calc->show();
    f.shell->checkForUpdateNow();
    WinVersionCheck& w = *f.shell->existingVersionCheck();
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.sheetParent(), f.calc.get());
    ASSERT_TRUE(f.turnUntil([&] { return !w.checking(); }));
    EXPECT_EQ(server.requests(), 1) << "the opening's request serves the command too";

    w.PBmoreinfo.click();
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(f.host.system().openedUrls(),
              std::vector<std::string>{"http://" + server.host() + "/tavrel/"});

    f.shell->checkForUpdateNow();
    ASSERT_TRUE(f.turnUntil([&] { return !w.checking(); }));
    EXPECT_EQ(server.requests(), 2);
    w.PBcancel.click();
    EXPECT_FALSE(w.visible());
}

TEST(UpdateCheckFlowTest, FailureInsideAHandlerShowsItsTextAndTheProgramGoesOn) {
    struct Broken : platform::HttpTransport {
        void get(const std::string&, platform::HttpCallbacks) override {
            throw std::runtime_error("no network stack");
        }
    } broken;
    ShellFixture f(std::nullopt, std::nullopt, &broken);
    WinVersionCheck& w = f.shell->VersionCheck();
    EXPECT_EQ(f.host.system().messages(),
              std::vector<std::string>{"failed in WinVersionCheck.checkForUpdate"});
    EXPECT_FALSE(w.checking());
    EXPECT_TRUE(w.ProgressWheel1.visible());
}

TEST(UpdateCheckFlowTest, DefaultHostWhenNoneIsStored) {
    ShellFixture f;
    EXPECT_EQ(f.shell->updateHost(), "www.tavrel.org");
    f.shell->VersionCheck();
    EXPECT_EQ(f.host.http().requests(),
              std::vector<std::string>{"www.tavrel.org/tavrel/versionMac.txt"});
}

// The weekly check on the virtual clock: the stored time of the last check,
// the check box, and whether a request goes out and the time is stored.
struct WeekCase {
    const char* label;
    std::optional<double> daysAgo;
    bool ticked;
    bool checks;
};

void PrintTo(const WeekCase& c, std::ostream* os) {
    *os << c.label;
}

class WeeklyCheckTest : public ::testing::TestWithParam<WeekCase> {};

TEST_P(WeeklyCheckTest, TimerChecksAtMostOnceAWeek) {
    const WeekCase& c = GetParam();
    ShellFixture probe;
    // The timer's action runs 1 ms after the start.
    const double now = probe.host.clock().secondsSince1904() + 0.001;
    std::string file = std::string("checkUpdate\n") + (c.ticked ? "true" : "false") + "\n";
    if (c.daysAgo) file += "lastUpdateCheck\n" + std::to_string(now - *c.daysAgo * 86400) + "\n";
    ShellFixture f(file);
    f.shell->wireUpdateTimer();
    f.host.loop().advanceMs(1);  // TimerCheckUpdates fires 1 ms after the window opened

    EXPECT_EQ(f.host.http().requests().size(), c.checks ? 1u : 0u);
    PrefStore stored(f.host.files());
    stored.InitPrefFile(kPrefsFileName);
    if (c.checks) {
        EXPECT_EQ(stored.GetPrefDouble("lastUpdateCheck", 0), now);
    } else if (!c.daysAgo) {
        EXPECT_EQ(stored.GetPrefString("lastUpdateCheck", "none"), "none");
    } else {
        EXPECT_EQ(stored.GetPrefDouble("lastUpdateCheck", 0),
                  std::stod(std::to_string(now - *c.daysAgo * 86400)));
    }
    EXPECT_FALSE(f.shell->existingVersionCheck() && f.shell->existingVersionCheck()->visible());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Days, WeeklyCheckTest, ::testing::Values(
    WeekCase{"eight_days_ticked",    8.0,          true,  true},
    WeekCase{"six_days_ticked",      6.0,          true,  false},
    WeekCase{"exactly_a_week",       7.0,          true,  false},
    WeekCase{"never_checked",        std::nullopt, true,  false},
    WeekCase{"eight_days_unticked",  8.0,          false, false},
    WeekCase{"a_year_ticked",        365.0,        true,  true}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST(WeeklyCheckTest, DueCheckAsksTheServerOnceAndShowsANewerVersion) {
    HttpTestServer server({200, "000100090003*1.9.3"});
    ShellFixture probe;
    const double now = probe.host.clock().secondsSince1904();
    ShellFixture f("updateHost\n" + server.host() + "\nlastUpdateCheck\n" +
                       std::to_string(now - 8 * 86400) + "\n",
                   CurlHttpOptions{});
    f.app.version() = {1, 9, 2};
    f.calc->show();
    f.shell->wireUpdateTimer();
    f.host.loop().advanceMs(1);
    WinVersionCheck* w = f.shell->existingVersionCheck();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(f.turnUntil([&] { return !w->checking(); }));
    EXPECT_EQ(server.requests(), 1);
    EXPECT_TRUE(w->visible());
    EXPECT_EQ(w->sheetParent(), f.calc.get());
}

}  // namespace
}  // namespace tavrel::app
