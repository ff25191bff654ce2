// The PNG decoder on the pictures built into the program, and the committed
// PNG files against the code that draws them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/gui/png/PngDecoder.h"
#include "resources/StoredPictures.h"
#include "resources/drawing/StoredPictureDrawing.h"

namespace {

struct Sample {
    int x, y;
    gui::Rgba expected;
};

struct StoredCase {
    const char* name;
    std::function<std::vector<unsigned char>()> png;
    int width, height;
    std::vector<Sample> samples;
};

constexpr gui::Rgba Grey(std::uint8_t v) {
    return {v, v, v, 255};
}
constexpr gui::Rgba kClear{0, 0, 0, 0};

std::vector<StoredCase> StoredCases() {
    return {
        {"BackgroundImage",
         resources::BackgroundImagePng,
         400,
         530,
         {{0, 0, Grey(16)},
          {399, 529, Grey(16)},
          {200, 464, Grey(16)},  // flat around the band
          {0, 465, Grey(0)},
          {399, 466, Grey(48)},
          {300, 467, Grey(30)},  // band edges
          {300, 502, Grey(13)},
          {0, 503, Grey(26)},
          {0, 504, Grey(3)},
          {200, 505, Grey(16)},
          {100, 475, Grey(0)},
          {13, 485, Grey(35)},
          {190, 485, Grey(35)},  // recess edges
          {100, 495, Grey(35)},
          {17, 485, Grey(16)},
          {189, 493, Grey(16)},   // recess fill
          {13, 475, Grey(26)}}},  // the rounded corner shows the band
        {"KnobImage",
         resources::KnobImagePng,
         15,
         16,
         {{0, 0, kClear}, {14, 0, kClear}, {0, 15, kClear}, {14, 15, kClear}, {7, 7, Grey(79)}}},
        {"VolumeTrackImage",
         resources::VolumeTrackImagePng,
         117,
         16,
         {{0, 0, Grey(27)},
          {116, 15, Grey(19)},
          {50, 4, Grey(0)},
          {50, 7, Grey(6)},
          {50, 10, Grey(65)}}},
        {"PlayPauseImage",
         resources::PlayPauseImagePng,
         35,
         16,
         {{0, 0, kClear}, {34, 15, kClear}, {5, 4, {97, 95, 94, 255}}, {6, 4, {78, 76, 75, 255}}}},
    };
}

TEST(StoredPicturesTest, DecodeToTheirSizesWithTheDescribedPixels) {
    for (const StoredCase& c : StoredCases()) {
        SCOPED_TRACE(c.name);
        const std::optional<gui::Picture> picture = png::DecodePng(c.png());
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->width(), c.width);
        EXPECT_EQ(picture->height(), c.height);
        for (const Sample& s : c.samples) {
            SCOPED_TRACE(testing::Message() << "pixel " << s.x << "," << s.y);
            const gui::Rgba p = picture->At(s.x, s.y);
            EXPECT_EQ((std::vector<int>{p.r, p.g, p.b, p.a}),
                      (std::vector<int>{s.expected.r, s.expected.g, s.expected.b, s.expected.a}));
        }
    }
}

TEST(StoredPicturesTest, OpaquePicturesHaveNoTransparentPixel) {
    for (const auto& png : {resources::BackgroundImagePng(), resources::VolumeTrackImagePng()}) {
        const std::optional<gui::Picture> picture = png::DecodePng(png);
        ASSERT_TRUE(picture.has_value());
        for (int y = 0; y < picture->height(); ++y)
            for (int x = 0; x < picture->width(); ++x)
                ASSERT_EQ(picture->At(x, y).a, 255) << x << "," << y;
    }
}

// The committed files are what the generator draws: a change to the drawing
// code without regenerating them shows here.
TEST(StoredPicturesTest, CommittedFilesMatchTheDrawingCode) {
    const std::vector<unsigned char> icons[] = {resources::IconPngs()[0], resources::IconPngs()[1],
                                                resources::IconPngs()[2], resources::IconPngs()[3]};
    const struct {
        const char* name;
        std::vector<unsigned char> png;
        gui::Picture drawn;
    } cases[] = {
        {"BackgroundImage", resources::BackgroundImagePng(), resources::DrawBackgroundImage()},
        {"KnobImage", resources::KnobImagePng(), resources::DrawKnobImage()},
        {"VolumeTrackImage", resources::VolumeTrackImagePng(), resources::DrawVolumeTrackImage()},
        {"PlayPauseImage", resources::PlayPauseImagePng(), resources::DrawPlayPauseImage()},
        {"icon 16", icons[0], resources::DrawIcon(16)},
        {"icon 32", icons[1], resources::DrawIcon(32)},
        {"icon 48", icons[2], resources::DrawIcon(48)},
        {"icon 256", icons[3], resources::DrawIcon(256)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<gui::Picture> stored = png::DecodePng(c.png);
        ASSERT_TRUE(stored.has_value());
        ASSERT_EQ(stored->width(), c.drawn.width());
        ASSERT_EQ(stored->height(), c.drawn.height());
        int differing = 0;
        for (int y = 0; y < stored->height(); ++y)
            for (int x = 0; x < stored->width(); ++x)
                differing += stored->At(x, y) == c.drawn.At(x, y) ? 0 : 1;
        EXPECT_EQ(differing, 0) << "regenerate with melovia_draw_pictures <source>/resources";
    }
}

TEST(PngDecoderTest, RefusesWhatIsNotACompletePng) {
    const std::vector<unsigned char> whole = resources::BackgroundImagePng();
    const std::vector<unsigned char> header(whole.begin(), whole.begin() + 33);
    const std::vector<unsigned char> truncated(whole.begin(), whole.begin() + whole.size() / 2);
    std::vector<unsigned char> corrupt = whole;
    for (std::size_t i = 60; i < corrupt.size() - 20; i += 7) corrupt[i] ^= 0x5A;
    const struct {
        const char* name;
        std::vector<unsigned char> data;
    } cases[] = {{"empty", {}},
                 {"text", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'}},
                 {"header only", header},
                 {"truncated", truncated},
                 {"corrupt", corrupt}};
    for (const auto& c : cases) EXPECT_FALSE(png::DecodePng(c.data).has_value()) << c.name;
}

}  // namespace
