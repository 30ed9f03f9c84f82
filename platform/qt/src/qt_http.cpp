// Each GET is one QNetworkReply. Its events go through the model's loop, so
// they arrive at a loop turn like every other, never inside a wait. A reply
// that carries an HTTP status is a page (whatever the status); one without
// is an error with the client's code.
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "tavrel/platform/qt/qt_services.h"

namespace tavrel::platform::qt {

QtHttp::QtHttp(EventLoop& loop, int timeoutMs) : loop_(loop), timeoutMs_(timeoutMs) {}

QtHttp::~QtHttp() = default;

// Made on first use, so a run without a request pays nothing for the network stack.
QNetworkAccessManager& QtHttp::manager() {
    if (!manager_) manager_ = std::make_unique<QNetworkAccessManager>();
    return *manager_;
}

void QtHttp::get(const std::string& url, HttpCallbacks callbacks) {
    // "host[:port]/path" without a scheme is HTTP, as other clients read it;
    // QUrl would take it as a relative path and fail as an unknown protocol.
    QString text = QString::fromStdString(url);
    if (!text.contains(QStringLiteral("://"))) text.prepend(QStringLiteral("http://"));
    QNetworkRequest request{QUrl(text)};
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply* reply = manager().get(request);
    auto cb = std::make_shared<HttpCallbacks>(std::move(callbacks));
    auto body = std::make_shared<std::string>();
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [this, reply, cb, body] {
        const QByteArray more = reply->readAll();
        body->append(more.constData(), static_cast<std::size_t>(more.size()));
        const auto total = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        loop_.post([cb, received = static_cast<std::int64_t>(body->size()), total, data = *body] {
            if (cb->progress) cb->progress(received, total, data);
        });
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply, url, cb, body] {
        const QByteArray rest = reply->isOpen() ? reply->readAll() : QByteArray();
        body->append(rest.constData(), static_cast<std::size_t>(rest.size()));
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isValid() && status.toInt() > 0) {
            HttpHeaders headers;
            for (const auto& [name, value] : reply->rawHeaderPairs())
                headers.emplace_back(name.toStdString(), value.toStdString());
            loop_.post([cb, url, code = status.toInt(), headers, data = *body] {
                if (cb->pageReceived) cb->pageReceived(url, code, headers, data);
            });
        } else {
            loop_.post([cb, code = static_cast<int>(reply->error())] {
                if (cb->error) cb->error(code);
            });
        }
        reply->deleteLater();
    });
}

}  // namespace tavrel::platform::qt
