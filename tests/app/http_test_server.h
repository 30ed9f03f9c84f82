// A small HTTP server on 127.0.0.1 for the update check's tests: it answers
// every request with one configured reply (status, body, an optional delay
// before answering) and counts the requests. It runs on its own thread and
// stops when destroyed.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace tavrel::app::testing {

struct ServerReply {
    int status = 200;
    std::string body;
    std::chrono::milliseconds delay{0};
};

class HttpTestServer {
  public:
    explicit HttpTestServer(ServerReply reply) : reply_(std::move(reply)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        if (listener_ < 0) throw std::runtime_error("socket");
        int yes = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            ::listen(listener_, 8) != 0)
            throw std::runtime_error("bind");
        socklen_t len = sizeof addr;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~HttpTestServer() {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }

    // host:port, as the updateHost preference takes it.
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    int requests() const { return requests_; }
    std::vector<std::string> requestLines() const {
        std::lock_guard lock(mutex_);
        return lines_;
    }

    // A port on 127.0.0.1 where nothing listens.
    static int closedPort() {
        int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        socklen_t len = sizeof addr;
        ::getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
        ::close(s);
        return ntohs(addr.sin_port);
    }

  private:
    // Waits for fd to become readable, giving up when the server stops.
    bool readable(int fd) {
        while (!stop_) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 20) > 0) return true;
        }
        return false;
    }

    void serve() {
        while (readable(listener_)) {
            int c = ::accept(listener_, nullptr, nullptr);
            if (c < 0) continue;
            answer(c);
            ::close(c);
        }
    }

    void answer(int c) {
        std::string request;
        char buf[4096];
        while (request.find("\r\n\r\n") == std::string::npos && readable(c)) {
            ssize_t n = ::recv(c, buf, sizeof buf, 0);
            if (n <= 0) return;
            request.append(buf, static_cast<std::size_t>(n));
        }
        ++requests_;
        {
            std::lock_guard lock(mutex_);
            lines_.push_back(request.substr(0, request.find("\r\n")));
        }
        const auto until = std::chrono::steady_clock::now() + reply_.delay;
        while (!stop_ && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::string head = "HTTP/1.1 " + std::to_string(reply_.status) +
                           " Reply\r\nContent-Type: text/plain\r\nContent-Length: " +
                           std::to_string(reply_.body.size()) + "\r\nConnection: close\r\n\r\n";
        std::string all = head + reply_.body;
        for (std::size_t sent = 0; sent < all.size() && !stop_;) {
            ssize_t n = ::send(c, all.data() + sent, all.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) return;
            sent += static_cast<std::size_t>(n);
        }
    }

    ServerReply reply_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    std::thread thread_;
};

}  // namespace tavrel::app::testing
