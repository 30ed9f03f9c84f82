// A real HTTP client for the headless backend, over libcurl. Each GET runs on
// a worker thread of its own, so the event thread never waits for the
// network; finished requests are handed to the event thread by a short poll
// timer on the loop, where their events run like every other event
// (progress, then the page; or the error with curl's error code). A request
// ends with an error after the time-out; a body longer than the limit is cut
// there and delivered as received so far. Only http and https are spoken.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tavrel/platform/event_loop.h"
#include "tavrel/platform/http.h"

namespace tavrel::platform::headless {

struct CurlHttpOptions {
    std::chrono::milliseconds timeout{15000};
    std::size_t maxBodyBytes = 64 * 1024;
    // How often the event thread looks for finished requests.
    std::chrono::milliseconds poll{10};
};

class CurlHttp : public HttpTransport {
  public:
    // curl's error code for a request that ran past the time-out.
    static constexpr int kTimedOut = 28;
    // curl's error code for a refused or unreachable server.
    static constexpr int kCouldNotConnect = 7;

    explicit CurlHttp(EventLoop& loop, CurlHttpOptions options = {});
    // Aborts the requests still running and waits for their threads; their
    // events are not delivered.
    ~CurlHttp() override;
    CurlHttp(const CurlHttp&) = delete;
    CurlHttp& operator=(const CurlHttp&) = delete;

    void get(const std::string& url, HttpCallbacks callbacks) override;
    // Requests started whose events have not yet been delivered.
    int outstanding() const { return outstanding_; }

    struct Shared;

  private:
    void schedulePoll();
    void poll();

    EventLoop& loop_;
    CurlHttpOptions options_;
    std::shared_ptr<Shared> shared_;
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::vector<Worker> workers_;  // finished ones are joined at the next poll
    int outstanding_ = 0;
    std::optional<TimerId> pollTimer_;
};

}  // namespace tavrel::platform::headless
