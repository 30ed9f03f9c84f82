// Load on first use, cache successes; the mask is drawn into the picture's own
// mask at the top-left, at the mask picture's size, right after loading.
#include "tavrel/ui/controls/image_set.h"

namespace tavrel::ui {

using platform::PicturePtr;

PicturePtr ImageSet::load(PicturePtr& slot, const std::string& file) {
    if (!slot) slot = resources_.loadPicture(file);
    return slot;
}

PicturePtr ImageSet::loadMasked(PicturePtr& slot, const std::string& file,
                                PicturePtr (ImageSet::*mask)()) {
    if (slot) return slot;
    slot = resources_.loadPicture(file);
    if (slot) {
        if (PicturePtr m = (this->*mask)()) slot->mask().graphics().drawPicture(*m, 0, 0);
    }
    return slot;
}

platform::Cursor ImageSet::pointyFinger() {
    if (!pointyFinger_) {
        pointyFinger_ = resources_.cursor(kPointingHandCursor)
                            .value_or(platform::Cursor{platform::StandardCursor::PointingHand, 0});
    }
    return *pointyFinger_;
}

}  // namespace tavrel::ui
