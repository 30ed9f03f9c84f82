// Shown first, kept second: a failing disk never costs the user a tape line.
#include "tape/kept_tape.h"

namespace tavrel {

void KeptTapeSurface::append(std::string_view text) {
    shown_.append(text);
    if (store_ && !store_->append(text)) failed();
}

void KeptTapeSurface::clearText() {
    shown_.clearText();
    if (store_ && !store_->clear()) failed();
}

void KeptTapeSurface::failed() {
    const std::string reason = store_->error();
    store_.reset();
    if (onFailure) onFailure(reason);
}

}  // namespace tavrel
