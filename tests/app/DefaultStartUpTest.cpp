#include <gtest/gtest.h>

#include "app/StartUp.h"
#include "tests/app/ShellFixture.h"

namespace {

TEST(StartUp, BuiltInPicturesGoToTheirNumbers) {
    ShellFixture f;
    const Shell shell = StartUp(f.app, f.platform);
    for (auto [picture, w, h] : {std::tuple{ui::BackgroundImage, 400, 530}, std::tuple{ui::KnobImage, 15, 16},
                                 std::tuple{ui::VolumeTrackImage, 117, 16}, std::tuple{ui::PlayPauseImage, 35, 16}}) {
        SCOPED_TRACE("picture " + std::to_string(picture));
        EXPECT_EQ(f.gui.picture(picture).width(), w);
        EXPECT_EQ(f.gui.picture(picture).height(), h);
    }
}

}  // namespace
