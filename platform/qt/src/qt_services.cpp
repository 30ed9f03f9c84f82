// The small services: each call goes straight to Qt.
#include "tavrel/platform/qt/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QImageReader>
#include <QLocale>
#include <QMessageBox>
#include <QUrl>
#include <cstring>

namespace tavrel::platform::qt {
namespace {

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QDateTime toQt(const DateTime& when) {
    return QDateTime(QDate(when.year, when.month, when.day),
                     QTime(when.hour, when.minute, when.second));
}

}  // namespace

void QtSystem::beep() {
    QApplication::beep();
}

void QtSystem::messageBox(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("tavrel"), fromUtf8(text), QMessageBox::Ok);
    box.exec();
}

void QtSystem::openUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl(fromUtf8(url)));
}

std::optional<std::string> QtClipboard::text() const {
    const QString t = QGuiApplication::clipboard()->text();
    if (t.isNull()) return std::nullopt;
    return t.toStdString();
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(fromUtf8(text));
}

double QtClock::secondsSince1904() const {
    const QDateTime now = QDateTime::currentDateTime();
    const DateTime d = this->now();
    return static_cast<double>(platform::secondsSince1904(d)) + now.time().msec() / 1000.0;
}

DateTime QtClock::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    return DateTime{t.date().year(), t.date().month(),  t.date().day(),
                    t.time().hour(), t.time().minute(), t.time().second()};
}

char32_t QtLocale::decimalSeparator() const {
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? U'.' : point.toUcs4().value(0, U'.');
}

std::string QtLocale::abbreviatedDate(const DateTime& when) const {
    const QLocale locale = QLocale::system();
    QString form = locale.dateFormat(QLocale::LongFormat);
    form.replace(QStringLiteral("dddd"), QStringLiteral("ddd"));
    form.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return locale.toString(toQt(when).date(), form).toStdString();
}

std::string QtLocale::longTime(const DateTime& when) const {
    const QLocale locale = QLocale::system();
    QString form = locale.timeFormat(QLocale::LongFormat);
    form.remove(QLatin1Char('t'));
    return locale.toString(toQt(when).time(), form.trimmed()).toStdString();
}

namespace {

// The picture set is PNG data whatever the file names say (splash11.pict).
// Naming the format spares Qt loading every image plugin to guess it, which
// would cost the start-up more than the pictures themselves.
void chooseFormat(QImageReader& reader, const QString& file) {
    static constexpr char kPng[] = "\x89PNG\r\n\x1a\n";
    QFile f(file);
    char head[8] = {};
    if (f.open(QIODevice::ReadOnly) && f.read(head, 8) == 8 && std::memcmp(head, kPng, 8) == 0) {
        reader.setFormat("png");
        reader.setDecideFormatFromContent(false);
    } else {
        reader.setDecideFormatFromContent(true);
    }
}

QImage readImage(const std::filesystem::path& path) {
    const QString file = QString::fromStdString(path.string());
    QImageReader reader(file);
    chooseFormat(reader, file);
    return reader.read();
}

}  // namespace

QImage PictureCache::file(const std::filesystem::path& path, qreal ratio) {
    const bool twice = ratio > 1.0;
    auto key = std::make_pair(path.string(), twice);
    if (auto it = files_.find(key); it != files_.end()) return it->second;
    QImage image;
    if (twice) {
        // name@2x.ext beside name.ext, drawn at twice the pixels.
        std::filesystem::path hi =
            path.parent_path() / (path.stem().string() + "@2x" + path.extension().string());
        image = readImage(hi);
        if (!image.isNull()) image.setDevicePixelRatio(2.0);
    }
    if (image.isNull()) image = readImage(path);
    files_.emplace(key, image);
    return image;
}

QtResources::QtResources(std::optional<std::filesystem::path> folder) : folder_(std::move(folder)) {
    if (!folder_) {
        std::filesystem::path beside =
            std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." /
            "share" / "tavrel" / "resources";
        std::error_code ec;
        if (std::filesystem::is_directory(beside, ec))
            folder_ = std::filesystem::weakly_canonical(beside, ec);
    }
}

PicturePtr QtResources::loadPicture(const std::string& fileName) {
    if (!folder_) return nullptr;
    const std::filesystem::path file = *folder_ / fileName;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return nullptr;
    const QString name = QString::fromStdString(file.string());
    QImageReader reader(name);
    chooseFormat(reader, name);
    const QSize size = reader.size();
    if (!size.isValid()) return nullptr;
    auto picture = std::make_shared<Picture>(size.width(), size.height(), 32, fileName);
    picture->setSource(file);
    return picture;
}

std::optional<Cursor> QtResources::cursor(int) {
    return std::nullopt;
}

}  // namespace tavrel::platform::qt
