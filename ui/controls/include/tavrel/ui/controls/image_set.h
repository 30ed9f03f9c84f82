// The program's pictures and its pointing-hand cursor. Whoever needs them owns
// an ImageSet; each loader asks the resources folder on first use and keeps
// what it got. A missing file gives no picture (asked again next time), and a
// masked picture whose mask is missing simply goes without its mask.
#pragma once

#include <optional>
#include <string>

#include "tavrel/platform/picture.h"
#include "tavrel/platform/services.h"

namespace tavrel::ui {

class ImageSet {
  public:
    static constexpr int kPointingHandCursor = 168;

    explicit ImageSet(platform::Resources& resources) : resources_(resources) {}
    ImageSet(const ImageSet&) = delete;
    ImageSet& operator=(const ImageSet&) = delete;

    platform::PicturePtr splash11() { return load(splash11_, "splash11.pict"); }
    platform::PicturePtr byZel() { return load(byZel_, "byZel.psd"); }
    platform::PicturePtr up() { return load(up_, "up.png"); }
    platform::PicturePtr down() { return load(down_, "down.png"); }
    platform::PicturePtr maskR() { return load(maskR_, "maskR.png"); }
    platform::PicturePtr maskL() { return load(maskL_, "maskL.png"); }
    platform::PicturePtr met() { return loadMasked(met_, "met.png", &ImageSet::maskR); }
    platform::PicturePtr eng() { return loadMasked(eng_, "eng.png", &ImageSet::maskL); }
    platform::PicturePtr trig() { return loadMasked(trig_, "trig.png", &ImageSet::maskR); }
    platform::PicturePtr tri() { return loadMasked(tri_, "tri.png", &ImageSet::maskL); }

    // The resource cursor when there is one, else the platform's pointing hand.
    platform::Cursor pointyFinger();

  private:
    platform::PicturePtr load(platform::PicturePtr& slot, const std::string& file);
    platform::PicturePtr loadMasked(platform::PicturePtr& slot, const std::string& file,
                                    platform::PicturePtr (ImageSet::*mask)());

    platform::Resources& resources_;
    platform::PicturePtr splash11_, byZel_, up_, down_, maskR_, maskL_, met_, eng_, trig_, tri_;
    std::optional<platform::Cursor> pointyFinger_;
};

}  // namespace tavrel::ui
