#include "platform/gui/Picture.h"

#include <gtest/gtest.h>

namespace {

using gui::Picture;
using gui::Rgba;

TEST(Picture, CreatedOpaqueBlack) {
    const Picture p(3, 2);
    EXPECT_EQ(p.At(2, 1), (Rgba{0, 0, 0, 255}));
}

TEST(Picture, FillRectangleIsClippedToThePicture) {
    Picture p(4, 4);
    p.FillRectangle(-2, 2, 3, 10, {9, 8, 7});  // only column 0, rows 2 and 3 remain
    EXPECT_EQ(p.At(0, 2), (Rgba{9, 8, 7, 255}));
    EXPECT_EQ(p.At(0, 3), (Rgba{9, 8, 7, 255}));
    EXPECT_EQ(p.At(1, 2), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(p.At(0, 1), (Rgba{0, 0, 0, 255}));

    Picture q(2, 2);
    q.FillRectangle(0, 0, 0, 2, {1, 1, 1});   // no width
    q.FillRectangle(0, 0, 2, -1, {1, 1, 1});  // negative height
    q.FillRectangle(0, -5, 1, 2, {1, 1, 1});  // above the picture
    q.FillRectangle(0, 0, 2147483647, 2147483647, {5, 5, 5});
    EXPECT_EQ(q.At(1, 1), (Rgba{5, 5, 5, 255}));
}

TEST(Picture, DrawPictureBlendsByTheSourceAlpha) {
    Picture base(3, 1);
    base.FillRectangle(0, 0, 3, 1, {100, 100, 100});
    Picture knob(2, 1);
    knob.Set(0, 0, {200, 0, 0, 0});      // transparent: base shows
    knob.Set(1, 0, {200, 0, 50, 255});   // opaque: knob shows
    base.DrawPicture(knob, 1, 0);
    EXPECT_EQ(base.At(1, 0), (Rgba{100, 100, 100, 255}));
    EXPECT_EQ(base.At(2, 0), (Rgba{200, 0, 50, 255}));

    Picture half(1, 1);
    half.Set(0, 0, {200, 200, 200, 128});
    base.DrawPicture(half, 0, 0);
    EXPECT_EQ(base.At(0, 0).r, 150);
    base.DrawPicture(knob, 2, 0);  // partly outside: no crash, the inside part drawn
    base.DrawPicture(knob, -5, -5);
}

}  // namespace
