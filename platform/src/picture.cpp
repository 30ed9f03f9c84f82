// Pictures record what is drawn into them; file headers give loaded sizes.
#include "tavrel/platform/picture.h"

namespace tavrel::platform {

Picture::Picture(int width, int height, int depth, std::string name)
    : width_(width),
      height_(height),
      depth_(depth),
      name_(std::move(name)),
      graphics_(width, height) {}

std::shared_ptr<Picture> Picture::filled(int width, int height, int depth, Color fill) {
    auto p = std::make_shared<Picture>(width, height, depth);
    p->graphics().setForeColor(fill);
    p->graphics().fillRect(0, 0, width, height);
    return p;
}

Picture& Picture::mask() {
    if (!mask_) {
        mask_ = std::make_unique<Picture>(width_, height_, 8, name_.empty() ? "" : name_ + ".mask");
        mask_->graphics().setForeColor(Color{0, 0, 0});
        mask_->graphics().fillRect(0, 0, width_, height_);
    }
    return *mask_;
}

namespace {

std::uint32_t bigEndian32(std::string_view s, std::size_t at) {
    return (std::uint32_t{static_cast<unsigned char>(s[at])} << 24) |
           (std::uint32_t{static_cast<unsigned char>(s[at + 1])} << 16) |
           (std::uint32_t{static_cast<unsigned char>(s[at + 2])} << 8) |
           std::uint32_t{static_cast<unsigned char>(s[at + 3])};
}

}  // namespace

std::optional<ImageSize> imageSizeFromHeader(std::string_view h) {
    static constexpr std::string_view kPng = "\x89PNG\r\n\x1a\n";
    if (h.size() >= 24 && h.substr(0, 8) == kPng && h.substr(12, 4) == "IHDR") {
        return ImageSize{static_cast<int>(bigEndian32(h, 16)),
                         static_cast<int>(bigEndian32(h, 20))};
    }
    // Photoshop: "8BPS", version, 6 reserved bytes, channels, then height and width.
    if (h.size() >= 22 && h.substr(0, 4) == "8BPS") {
        return ImageSize{static_cast<int>(bigEndian32(h, 18)),
                         static_cast<int>(bigEndian32(h, 14))};
    }
    return std::nullopt;
}

}  // namespace tavrel::platform
