// Pictures and cursors. A picture is a size, a depth and what was drawn into it
// (recorded), optionally the file it came from, and a mask made on first use.
// Masks follow the framework's rule: opaque where black, transparent where white.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "tavrel/platform/geometry.h"
#include "tavrel/platform/graphics.h"

namespace tavrel::platform {

class Picture : public std::enable_shared_from_this<Picture> {
  public:
    Picture(int width, int height, int depth = 32, std::string name = {});
    // A picture of one colour, as built in code.
    static std::shared_ptr<Picture> filled(int width, int height, int depth, Color fill);

    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    int depth() const { return depth_; }
    const std::string& name() const { return name_; }
    const std::filesystem::path& source() const { return source_; }
    void setSource(std::filesystem::path file) { source_ = std::move(file); }

    // Draws into the picture; what is drawn is recorded in operations().
    Graphics& graphics() { return graphics_; }
    const std::vector<DrawOp>& operations() const { return graphics_.operations(); }

    // The mask, created on first use as a black (fully opaque) picture of the same size.
    Picture& mask();
    bool hasMask() const { return mask_ != nullptr; }
    const Picture* maskIfAny() const { return mask_.get(); }

  private:
    int width_;
    int height_;
    int depth_;
    std::string name_;
    std::filesystem::path source_;
    RecordingGraphics graphics_;
    std::unique_ptr<Picture> mask_;
};

using PicturePtr = std::shared_ptr<Picture>;

enum class StandardCursor { Arrow, IBeam, PointingHand, Cross, Wait, Resource };

struct Cursor {
    StandardCursor kind = StandardCursor::Arrow;
    int resourceNumber = 0;  // for kind Resource
    friend bool operator==(const Cursor&, const Cursor&) = default;
};

struct ImageSize {
    int width = 0;
    int height = 0;
};

// Reads the size from a PNG (IHDR) or Photoshop (PSD) header; nothing for other data.
std::optional<ImageSize> imageSizeFromHeader(std::string_view header);

}  // namespace tavrel::platform
