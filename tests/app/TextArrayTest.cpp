#include "app/TextArray.h"

#include <gtest/gtest.h>

#include "app/AppState.h"

namespace {

TEST(TextArray, IndicesOutsideTheCapacityReadEmptyAndAreNeverWritten) {
    TextArray<3> texts;
    texts.Set(0, "a");
    texts.Set(2, "c");
    texts.Set(3, "past the end");
    texts.Set(-1, "before the start");
    EXPECT_EQ(texts[0], "a");
    EXPECT_EQ(texts[1], "");
    EXPECT_EQ(texts[2], "c");
    EXPECT_EQ(texts[3], "");
    EXPECT_EQ(texts[-1], "");
    EXPECT_EQ(texts[1000000], "");
}

TEST(AppState, StartsWithTheDocumentedValues) {
    const AppState app;
    EXPECT_EQ(app.stream, 0u);
    EXPECT_EQ(app.volumeLevel, 50);
    EXPECT_EQ(app.volumeGain, 0.5f);
    EXPECT_EQ(app.trackStarted, 0);
    EXPECT_EQ(app.sourceKind, 0);
    EXPECT_EQ(app.currentIndex, 0);
    EXPECT_EQ(app.skinLoaded, 0);
    EXPECT_EQ(app.trackUrls.capacity(), 111);
    EXPECT_EQ(app.trackTitles.capacity(), 111);
    EXPECT_EQ(app.stationLinks.capacity(), 91);
    EXPECT_EQ(app.trackUrls[110], "");
}

}  // namespace
