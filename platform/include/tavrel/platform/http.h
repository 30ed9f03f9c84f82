// Asynchronous HTTP GET. HttpClient is what the program holds (one per window
// that needs it); the backend's HttpTransport does the work and calls back on
// the event thread. A client destroyed before its answer arrives hears nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tavrel::platform {

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

struct HttpCallbacks {
    std::function<void(std::int64_t received, std::int64_t total, const std::string& data)>
        progress;
    std::function<void(const std::string& url, int status, const HttpHeaders& headers,
                       const std::string& body)>
        pageReceived;
    std::function<void(int code)> error;
};

class HttpTransport {
  public:
    virtual ~HttpTransport() = default;
    virtual void get(const std::string& url, HttpCallbacks callbacks) = 0;
};

class HttpClient {
  public:
    explicit HttpClient(HttpTransport& transport);
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // Starts a GET; the events below arrive later, at a loop turn.
    void get(const std::string& url);

    std::function<void(const std::string& url, int status, const HttpHeaders& headers,
                       const std::string& body)>
        onPageReceived;
    std::function<void(std::int64_t received, std::int64_t total, const std::string& data)>
        onReceiveProgress;
    std::function<void(int code)> onError;

  private:
    HttpTransport& transport_;
    std::shared_ptr<HttpClient*> self_;  // cleared on destruction
};

}  // namespace tavrel::platform
