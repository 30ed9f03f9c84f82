// Disclosure widget, two-state toggle, and the picture loaders.
#include "tavrel/ui/controls/wigits.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "tavrel/platform/headless/render.h"

namespace tavrel::ui {
namespace {

using platform::DrawKind;
using platform::headless::render;
using testing::ControlsFixture;
using testing::writePng;

class WigitTest : public ::testing::Test, protected ControlsFixture {
  protected:
    void SetUp() override {
        writePng(resources / "up.png", 9, 5);
        writePng(resources / "down.png", 5, 9);
    }
    myWigit& make() {
        auto& w = window.add<myWigit>("wigitTape", images);
        w.setBounds(5, 341, 236, 12);
        w.myAction = [this] { ++actions; };
        return w;
    }
    int actions = 0;
};

TEST_F(WigitTest, OpenCentresOnUpAndPaintFollowsValue) {
    auto& w = make();
    window.open();
    EXPECT_EQ(w.x, 113);  // 118 - 4.5, truncated
    EXPECT_EQ(w.y, 3);    // 6 - 2.5, truncated
    auto closed = render(w);
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0].picture, "down.png");
    EXPECT_EQ(closed[0].x, 113);
    w.value = true;
    EXPECT_EQ(render(w).at(0).picture, "up.png");
}

TEST_F(WigitTest, MouseDownPushesFlipsAndRaisesWithoutRedraw) {
    auto& w = make();
    window.open();
    window.click(10, 345);
    EXPECT_TRUE(w.value);
    EXPECT_EQ(actions, 1);
    w.push();
    EXPECT_FALSE(w.value);
    EXPECT_EQ(actions, 2);
    EXPECT_EQ(w.refreshCount(), 0);
}

TEST_F(WigitTest, SetStoresTheOppositeAndRaisesNothing) {
    auto& w = make();
    w.set(false);
    EXPECT_TRUE(w.value);
    w.set(true);
    EXPECT_FALSE(w.value);
    EXPECT_EQ(actions, 0);
    EXPECT_EQ(w.refreshCount(), 0);
}

TEST_F(WigitTest, MissingPicturesLeaveTheWidgetEmptyWithoutFailing) {
    std::filesystem::remove(resources / "up.png");
    std::filesystem::remove(resources / "down.png");
    auto& w = make();
    window.open();
    EXPECT_EQ(w.x, 118);
    EXPECT_EQ(w.y, 6);
    EXPECT_TRUE(render(w).empty());
}

TEST(Wigit1Test, OpenTurnsOnAndCentresOnMetClickFlipsAndItPaintsNothingItself) {
    ControlsFixture f;
    writePng(f.resources / "met.png", 40, 25);
    auto& t = f.window.add<myWigit1>("togUnit", f.images);
    t.setBounds(198, 129, 42, 27);
    int actions = 0;
    t.myAction = [&] { ++actions; };
    f.window.open();
    EXPECT_TRUE(t.value);
    EXPECT_EQ(t.x, 1);
    EXPECT_EQ(t.y, 1);
    f.window.click(200, 130);
    EXPECT_FALSE(t.value);
    EXPECT_EQ(actions, 1);
    EXPECT_TRUE(render(t).empty());
    t.onPaint = [&](platform::Graphics& g) { g.drawPicture(*f.images.met(), t.x, t.y); };
    EXPECT_EQ(render(t).size(), 1u);
}

TEST(ImageSetTest, LoadsOnceAndMasksWithTheNamedMask) {
    ControlsFixture f;
    writePng(f.resources / "met.png", 42, 27);
    writePng(f.resources / "maskR.png", 42, 27);
    writePng(f.resources / "eng.png", 42, 27);  // maskL.png missing
    auto met = f.images.met();
    ASSERT_TRUE(met);
    EXPECT_EQ(f.images.met(), met);
    EXPECT_EQ(f.host.resources().loads(), 2);  // met and maskR, once each
    ASSERT_TRUE(met->hasMask());
    const auto& ops = met->maskIfAny()->operations();
    ASSERT_EQ(ops.back().kind, DrawKind::Picture);
    EXPECT_EQ(ops.back().picture, "maskR.png");
    auto eng = f.images.eng();
    ASSERT_TRUE(eng);
    EXPECT_FALSE(eng->hasMask());  // mask step skipped
}

TEST(ImageSetTest, NoResourcesFolderGivesNoPicturesButTheCursor) {
    platform::headless::HeadlessPlatform host;
    ImageSet images(host.resources());
    for (auto loader : {&ImageSet::splash11, &ImageSet::byZel, &ImageSet::up, &ImageSet::down,
                        &ImageSet::met, &ImageSet::eng, &ImageSet::trig, &ImageSet::tri})
        EXPECT_FALSE((images.*loader)());
    EXPECT_EQ(images.pointyFinger(), (platform::Cursor{platform::StandardCursor::Resource,
                                                       ImageSet::kPointingHandCursor}));
}

}  // namespace
}  // namespace tavrel::ui
