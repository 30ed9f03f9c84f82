// The callbacks hold a weak reference to the client, so late answers to a
// destroyed client are dropped.
#include "tavrel/platform/http.h"

namespace tavrel::platform {

HttpClient::HttpClient(HttpTransport& transport)
    : transport_(transport), self_(std::make_shared<HttpClient*>(this)) {}

HttpClient::~HttpClient() {
    *self_ = nullptr;
}

void HttpClient::get(const std::string& url) {
    std::weak_ptr<HttpClient*> weak = self_;
    auto alive = [weak]() -> HttpClient* {
        auto p = weak.lock();
        return p ? *p : nullptr;
    };
    HttpCallbacks cb;
    cb.progress = [alive](std::int64_t received, std::int64_t total, const std::string& data) {
        if (auto* c = alive(); c && c->onReceiveProgress)
            c->onReceiveProgress(received, total, data);
    };
    cb.pageReceived = [alive](const std::string& u, int status, const HttpHeaders& headers,
                              const std::string& body) {
        if (auto* c = alive(); c && c->onPageReceived) c->onPageReceived(u, status, headers, body);
    };
    cb.error = [alive](int code) {
        if (auto* c = alive(); c && c->onError) c->onError(code);
    };
    transport_.get(url, std::move(cb));
}

}  // namespace tavrel::platform
