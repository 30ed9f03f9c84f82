// The headless backend's libcurl client against a server on 127.0.0.1: what
// arrives on the event thread, the body limit, and a transport destroyed
// while its request is still running.
#include "tavrel/platform/headless/curl_http.h"

#include <gtest/gtest.h>

#include <thread>

#include "http_test_server.h"
#include "tavrel/platform/headless/headless_platform.h"

namespace tavrel::platform::headless {
namespace {

using app::testing::HttpTestServer;
using app::testing::ServerReply;

struct Heard {
    std::vector<std::string> events;
    std::string body;
    HttpHeaders headers;
};

HttpCallbacks recordInto(Heard& heard) {
    HttpCallbacks cb;
    cb.progress = [&heard](std::int64_t got, std::int64_t, const std::string&) {
        heard.events.push_back("progress " + std::to_string(got));
    };
    cb.pageReceived = [&heard](const std::string&, int status, const HttpHeaders& headers,
                               const std::string& body) {
        heard.events.push_back("page " + std::to_string(status));
        heard.body = body;
        heard.headers = headers;
    };
    cb.error = [&heard](int code) { heard.events.push_back("error " + std::to_string(code)); };
    return cb;
}

bool turnUntil(HeadlessPlatform& host, const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        host.loop().advanceMs(10);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

TEST(CurlHttpTest, EventsArriveOnlyWhenTheLoopTurnsWithStatusHeadersAndBody) {
    HttpTestServer server({404, "not here"});
    HeadlessPlatform host;
    CurlHttp http(host.loop());
    Heard heard;
    http.get(server.host() + "/x", recordInto(heard));
    ASSERT_TRUE(turnUntil(host, [&] { return server.requests() == 1; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(heard.events.empty()) << "nothing arrives outside a loop turn";
    ASSERT_TRUE(turnUntil(host, [&] { return http.outstanding() == 0; }));
    EXPECT_EQ(heard.events, (std::vector<std::string>{"progress 8", "page 404"}));
    EXPECT_EQ(heard.body, "not here");
    EXPECT_NE(std::find(heard.headers.begin(), heard.headers.end(),
                        std::pair<std::string, std::string>{"Content-Type", "text/plain"}),
              heard.headers.end());
}

TEST(CurlHttpTest, BodyIsNotReadPastTheLimit) {
    HttpTestServer server({200, std::string(1 << 20, 'x')});
    HeadlessPlatform host;
    CurlHttp http(host.loop(), {.maxBodyBytes = 65536});
    Heard heard;
    http.get(server.host() + "/big", recordInto(heard));
    ASSERT_TRUE(turnUntil(host, [&] { return http.outstanding() == 0; }));
    EXPECT_EQ(heard.events, (std::vector<std::string>{"progress 65536", "page 200"}));
    EXPECT_EQ(heard.body.size(), 65536u);
}

TEST(CurlHttpTest, OnlyWebAddressesAreFetched) {
    HeadlessPlatform host;
    CurlHttp http(host.loop());
    Heard heard;
    http.get("file:///etc/hostname", recordInto(heard));
    ASSERT_TRUE(turnUntil(host, [&] { return http.outstanding() == 0; }));
    EXPECT_EQ(heard.events, (std::vector<std::string>{"error 1"}));  // unsupported protocol
}

TEST(CurlHttpTest, DestroyedWhileWaitingEndsAtOnceAndDeliversNothing) {
    HttpTestServer server({200, "late", std::chrono::milliseconds(5000)});
    HeadlessPlatform host;
    Heard heard;
    const auto start = std::chrono::steady_clock::now();
    {
        CurlHttp http(host.loop(), {.timeout = std::chrono::milliseconds(20000)});
        http.get(server.host() + "/slow", recordInto(heard));
        ASSERT_TRUE(turnUntil(host, [&] { return server.requests() == 1; }));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    host.loop().advanceMs(100);
    EXPECT_TRUE(heard.events.empty());
}

}  // namespace
}  // namespace tavrel::platform::headless
