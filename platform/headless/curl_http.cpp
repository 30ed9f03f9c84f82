// Worker threads touch only their own curl handle and, under the shared
// mutex, the list of finished requests; callbacks run only on the event
// thread, from poll(). A stop flag, checked by curl's progress callback,
// lets the destructor end transfers at once.
#include "tavrel/platform/headless/curl_http.h"

#include <curl/curl.h>

#include <atomic>
#include <mutex>
#include <optional>

namespace tavrel::platform::headless {

namespace {

struct Finished {
    HttpCallbacks callbacks;
    std::string url;
    int status = 0;
    HttpHeaders headers;
    std::string body;
    std::optional<int> error;
};

struct Transfer {
    std::string body;
    std::size_t limit = 0;
    bool cut = false;
    HttpHeaders headers;
    const std::atomic<bool>* stop = nullptr;
};

std::size_t writeBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    const std::size_t room = t.limit - t.body.size();
    if (n > room) {
        t.body.append(data, room);
        t.cut = true;
        return 0;  // ends the transfer: nothing past the limit is read
    }
    t.body.append(data, n);
    return n;
}

std::size_t writeHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    std::string line(data, n);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (line.starts_with("HTTP/")) {
        t.headers.clear();  // a new response (after a redirect) starts its own headers
    } else if (auto colon = line.find(':'); colon != std::string::npos) {
        std::string value = line.substr(colon + 1);
        value.erase(0, value.find_first_not_of(" \t"));
        t.headers.emplace_back(line.substr(0, colon), std::move(value));
    }
    return n;
}

int progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<Transfer*>(user)->stop->load() ? 1 : 0;
}

}  // namespace

struct CurlHttp::Shared {
    std::mutex mutex;
    std::vector<Finished> finished;
    std::atomic<bool> stop{false};
};

namespace {

void fetch(CurlHttp::Shared& shared, Finished job, CurlHttpOptions options,
           std::shared_ptr<std::atomic<bool>> done) {
    Transfer t;
    t.limit = options.maxBodyBytes;
    t.stop = &shared.stop;
    CURL* h = curl_easy_init();
    CURLcode rc = CURLE_FAILED_INIT;
    if (h) {
        const long timeout = static_cast<long>(options.timeout.count());
        curl_easy_setopt(h, CURLOPT_URL, job.url.c_str());
        curl_easy_setopt(h, CURLOPT_DEFAULT_PROTOCOL, "http");
        curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, timeout);
        curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, timeout);
        curl_easy_setopt(h, CURLOPT_USERAGENT, "tavrel");
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, writeBody);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, &t);
        curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, writeHeader);
        curl_easy_setopt(h, CURLOPT_HEADERDATA, &t);
        curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, progress);
        curl_easy_setopt(h, CURLOPT_XFERINFODATA, &t);
        rc = curl_easy_perform(h);
        if (rc == CURLE_WRITE_ERROR && t.cut) rc = CURLE_OK;
        if (rc == CURLE_OK) {
            long status = 0;
            curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
            job.status = static_cast<int>(status);
        }
        curl_easy_cleanup(h);
    }
    if (rc != CURLE_OK) {
        job.error = static_cast<int>(rc);
    } else {
        job.body = std::move(t.body);
        job.headers = std::move(t.headers);
    }
    std::lock_guard lock(shared.mutex);
    shared.finished.push_back(std::move(job));
    *done = true;
}

}  // namespace

CurlHttp::CurlHttp(EventLoop& loop, CurlHttpOptions options)
    : loop_(loop), options_(options), shared_(std::make_shared<Shared>()) {
    curl_global_init(CURL_GLOBAL_DEFAULT);  // counted by libcurl; paired below
}

CurlHttp::~CurlHttp() {
    if (pollTimer_) loop_.cancel(*pollTimer_);
    shared_->stop = true;
    for (auto& w : workers_) w.thread.join();
    curl_global_cleanup();
}

void CurlHttp::get(const std::string& url, HttpCallbacks callbacks) {
    Finished job;
    job.url = url;
    job.callbacks = std::move(callbacks);
    auto done = std::make_shared<std::atomic<bool>>(false);
    workers_.push_back(
        {std::thread(fetch, std::ref(*shared_), std::move(job), options_, done), done});
    ++outstanding_;
    if (!pollTimer_) schedulePoll();
}

void CurlHttp::schedulePoll() {
    pollTimer_ =
        loop_.schedule(std::chrono::microseconds(options_.poll).count(), [this] { poll(); });
}

void CurlHttp::poll() {
    pollTimer_.reset();
    std::vector<Finished> done;
    {
        std::lock_guard lock(shared_->mutex);
        done.swap(shared_->finished);
    }
    outstanding_ -= static_cast<int>(done.size());
    std::erase_if(workers_, [](Worker& w) {
        if (!*w.done) return false;
        w.thread.join();
        return true;
    });
    if (outstanding_ > 0) schedulePoll();
    for (auto& f : done) {
        if (f.error) {
            if (f.callbacks.error) f.callbacks.error(*f.error);
            continue;
        }
        const auto size = static_cast<std::int64_t>(f.body.size());
        if (f.callbacks.progress) f.callbacks.progress(size, size, f.body);
        if (f.callbacks.pageReceived) f.callbacks.pageReceived(f.url, f.status, f.headers, f.body);
    }
}

}  // namespace tavrel::platform::headless
