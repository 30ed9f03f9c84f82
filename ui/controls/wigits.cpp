// Centring is computed in floating point and truncated toward zero; a missing
// picture counts as size 0 (its place stays empty when painted).
#include "tavrel/ui/controls/wigits.h"

namespace tavrel::ui {
namespace {

void centre(const platform::Canvas& c, const platform::PicturePtr& p, std::int32_t& x,
            std::int32_t& y) {
    double pw = p ? p->width() : 0;
    double ph = p ? p->height() : 0;
    x = static_cast<std::int32_t>(c.width() / 2.0 - pw / 2.0);
    y = static_cast<std::int32_t>(c.height() / 2.0 - ph / 2.0);
}

}  // namespace

void PictureWigit::openCentredOn(const platform::PicturePtr& picture) {
    centre(*this, picture, x, y);
    if (myOpen) myOpen();
}

bool PictureWigit::handleMouseDown(int, int) {
    push();
    return true;
}

void PictureWigit::push() {
    value = !value;
    if (myAction) myAction();
}

void myWigit::opened() {
    openCentredOn(images_.up());
}

void myWigit::paintEvent(platform::Graphics& g) {
    if (auto p = value ? images_.up() : images_.down()) g.drawPicture(*p, x, y);
}

void myWigit1::opened() {
    value = true;
    openCentredOn(images_.met());
}

}  // namespace tavrel::ui
