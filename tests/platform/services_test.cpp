// Headless services: HTTP through the loop, clock, files, pictures, printing,
// contextual menus.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "fixture.h"

namespace tavrel::platform {
namespace {

namespace fs = std::filesystem;
using testing::AppFixture;

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() /
               ("tavrel-platform-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

TEST(HttpTest, AnswersArriveAtTheNextLoopTurnInOrder) {
    headless::HeadlessPlatform host;
    host.http().setResponder([](const std::string& url) {
        return url.ends_with("versionMac.txt") ? headless::HttpReply::page("1.9.3")
                                               : headless::HttpReply::failure(404);
    });
    HttpClient http(host.http());
    std::vector<std::string> events;
    http.onReceiveProgress = [&](std::int64_t got, std::int64_t total, const std::string&) {
        events.push_back("progress " + std::to_string(got) + "/" + std::to_string(total));
    };
    http.onPageReceived = [&](const std::string& url, int status, const HttpHeaders&,
                              const std::string& body) {
        events.push_back("page " + url + " " + std::to_string(status) + " " + body);
    };
    http.onError = [&](int code) { events.push_back("error " + std::to_string(code)); };
    http.get("example.com/tavrel/versionMac.txt");
    http.get("example.com/missing");
    EXPECT_TRUE(events.empty());
    host.loop().runPending();
    EXPECT_EQ(events, (std::vector<std::string>{"progress 5/5",
                                                "page example.com/tavrel/versionMac.txt 200 1.9.3",
                                                "error 404"}));
}

TEST(HttpTest, ClientDestroyedBeforeTheAnswerHearsNothing) {
    headless::HeadlessPlatform host;
    bool heard = false;
    {
        HttpClient http(host.http());
        http.onError = [&](int) { heard = true; };
        http.get("anything");
    }
    host.loop().runPending();
    EXPECT_FALSE(heard);
    EXPECT_EQ(host.http().requests().size(), 1u);
}

TEST(ClockTest, VirtualClockGivesSecondsSince1904AndLocalDate) {
    headless::HeadlessPlatform host({.start = {1904, 1, 2, 0, 0, 0}});
    EXPECT_DOUBLE_EQ(host.clock().secondsSince1904(), 86400.0);
    host.clock().setNow({2024, 2, 29, 23, 59, 59});
    host.loop().advanceMs(1500);
    EXPECT_EQ(host.clock().now(), (DateTime{2024, 3, 1, 0, 0, 0}));
    EXPECT_EQ(host.locale().abbreviatedDate(host.clock().now()), "Fri, Mar 1, 2024");
    EXPECT_EQ(host.locale().longTime({2024, 3, 1, 13, 5, 9}), "1:05:09 PM");
    EXPECT_EQ(host.locale().longTime({2024, 3, 1, 0, 0, 0}), "12:00:00 AM");
    EXPECT_EQ(dateTimeFromSecondsSince1904(secondsSince1904({1999, 12, 31, 12, 30, 1})),
              (DateTime{1999, 12, 31, 12, 30, 1}));
}

TEST(FilesTest, LinesRoundTripAndAnyLineEndReads) {
    TempDir tmp;
    headless::HeadlessPlatform host({.preferencesFolder = tmp.path});
    Files& files = host.files();
    fs::path prefs = *files.preferencesFolder() / "tavrel.Prefs";
    EXPECT_FALSE(files.readLines(prefs));
    ASSERT_TRUE(files.writeLines(prefs, {"transType", "1", "", "bypassSplash"}));
    EXPECT_EQ(*files.readLines(prefs),
              (std::vector<std::string>{"transType", "1", "", "bypassSplash"}));
    std::ofstream(tmp.path / "mixed", std::ios::binary) << "a\rb\r\nc\nd";
    EXPECT_EQ(*files.readLines(tmp.path / "mixed"), (std::vector<std::string>{"a", "b", "c", "d"}));
    files.setTypeCode(prefs, "pref");
    EXPECT_EQ(files.typeCode(prefs), "pref");
    EXPECT_TRUE(files.remove(prefs));
    EXPECT_FALSE(files.exists(prefs));
}

TEST(FilesTest, AFailedWriteKeepsTheOldFile) {
    TempDir tmp;
    headless::HeadlessPlatform host({.preferencesFolder = tmp.path});
    Files& files = host.files();
    fs::path prefs = tmp.path / "tavrel.Prefs";
    ASSERT_TRUE(files.writeLines(prefs, {"old"}));
    // The file's place is taken by a folder's neighbour that cannot be written.
    fs::create_directory(tmp.path / "tavrel.Prefs.tmp");
    EXPECT_FALSE(files.writeLines(prefs, {"new"}));
    EXPECT_EQ(*files.readLines(prefs), (std::vector<std::string>{"old"}));
    EXPECT_FALSE(files.writeLines(tmp.path / "no-such-folder" / "x", {"y"}));
}

TEST(PictureTest, SizesComeFromTheFileHeaderAndMissingFilesGiveNothing) {
    TempDir tmp;
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x2a\0\0\0\x1b", 24);
    std::ofstream(tmp.path / "met.png", std::ios::binary) << png;
    std::ofstream(tmp.path / "splash11.pict", std::ios::binary) << "not a png";
    headless::HeadlessPlatform host({.resourcesFolder = tmp.path});
    auto met = host.resources().loadPicture("met.png");
    ASSERT_TRUE(met);
    EXPECT_EQ(met->width(), 42);
    EXPECT_EQ(met->height(), 27);
    auto pict = host.resources().loadPicture("splash11.pict");
    ASSERT_TRUE(pict);
    EXPECT_EQ(pict->width(), 32);  // placeholder size
    EXPECT_FALSE(host.resources().loadPicture("up.png"));
    headless::HeadlessPlatform noFolder;
    EXPECT_FALSE(noFolder.resources().loadPicture("met.png"));
}

TEST(PrintingTest, StyledTextPrinterFillsColumnsAndContinuesBetweenBlocks) {
    headless::HeadlessPlatform host;
    std::string text;
    for (int i = 0; i < 25; ++i) text += "line " + std::to_string(i) + "\r";
    StyledText st(text, TextStyle{"Monaco", 9}, Alignment::Right);
    PageSetup setup;
    {
        auto surface = host.printing().printDialog(setup);
        ASSERT_TRUE(surface);
        StyledTextPrinter printer(st, *surface, 540);
        printer.setWidth(150);
        int blocks = 0;
        while (!printer.eof()) {
            printer.drawBlock(168 * (blocks % 2), 0, 120);  // 10 lines of 12 points
            if (++blocks % 2 == 0 && !printer.eof()) surface->nextPage();
        }
        EXPECT_EQ(blocks, 3);
    }
    ASSERT_EQ(host.printing().jobs().size(), 1u);
    const auto& pages = host.printing().jobs()[0].pages;
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 20u);
    EXPECT_EQ(pages[1].size(), 5u);
    EXPECT_EQ(pages[0][10].text, "line 10");
    EXPECT_EQ(pages[0][10].x, 168 + 150 - 7 * 6);  // right-aligned in the second column
    host.printing().setPrintAnswer(false);
    EXPECT_FALSE(host.printing().printDialog(setup));
}

TEST(ContextualMenuTest, ScriptedAnswerRunsTheActionAndSeparatorsAreNotChoices) {
    AppFixture f;
    auto& menu = f.window.add<ContextualMenu>("ContextualMenu1");
    for (auto r : {"Help", "-", "Clear Calc"}) menu.addRow(r);
    menu.onAction = [&](const std::string& row) { f.log.push_back(row); };
    f.host.desktop().answerPopup("Clear Calc");
    f.host.desktop().answerPopup("-");
    EXPECT_EQ(menu.popup(), "Clear Calc");
    EXPECT_EQ(menu.popup(), std::nullopt);
    EXPECT_EQ(menu.popup(), std::nullopt);  // nothing scripted: dismissed
    EXPECT_EQ(f.log, (std::vector<std::string>{"Clear Calc"}));
    EXPECT_EQ(f.host.desktop().shownPopups().size(), 3u);
}

TEST(SystemTest, BeepsMessagesAndUrlsAreRecordedPerPlatform) {
    headless::HeadlessPlatform a, b;
    a.system().beep();
    a.system().beep();
    a.system().messageBox("failed in WinVersionCheck.open");
    b.system().openUrl("http://example.com/tavrel/");
    EXPECT_EQ(a.system().beeps(), 2);
    EXPECT_EQ(b.system().beeps(), 0);
    EXPECT_EQ(a.system().messages(), (std::vector<std::string>{"failed in WinVersionCheck.open"}));
    EXPECT_EQ(b.system().openedUrls().size(), 1u);
}

}  // namespace
}  // namespace tavrel::platform
