#include "search/Search.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/Controls.h"
#include "platform/text/Cp1251.h"
#include "search/WebAddresses.h"
#include "tests/support/ScriptedAudio.h"
#include "tests/support/ScriptedGui.h"
#include "tests/support/ScriptedWeb.h"
#include "tests/support/ScratchFolder.h"

using text::operator""_cp1251;

namespace {

const std::string kPage =
    "<img class=playimg onclick=go(1,2,3,'k',5)>\n"
    "<span class=performer><b><a href='#' onclick='find(5);'>Fresh</a></b></span>\n"
    "<div class=duration>1:00</div>\n";

std::string RequestFor(const std::string& query) {
    return std::string(SearchServiceBaseUrl) + "/gsearch.php?section=audio&q=" + query + "&name=1";
}

// Gives the test its own temporary folder, so the scratch page of other tests
// (or of a running player) is never seen.
class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = ::getenv("TMPDIR");
        oldTmp_ = old ? old : "";
        hadTmp_ = old != nullptr;
        ::setenv("TMPDIR", folder_.c_str(), 1);
    }
    void TearDown() override {
        if (hadTmp_) ::setenv("TMPDIR", oldTmp_.c_str(), 1);
        else ::unsetenv("TMPDIR");
    }

    std::size_t RowCount() { return gui_.control(ui::TrackList).rows.size(); }

    ScratchFolder scratch_{"search-test"};
    const std::filesystem::path folder_ = scratch_.path();
    std::string oldTmp_;
    bool hadTmp_ = false;
    AppState app_;
    ScriptedGui gui_;
    ScriptedAudio audio_;
    ScriptedWeb web_;
    Platform platform_{gui_, audio_, web_};
};

TEST_F(SearchTest, QueryGoesIntoTheRequestAsTypedAndFlagsTurnToSearchResults) {
    const std::string query = " Depeche  Mode Ремикс& "_cp1251;
    gui_.SetControlText(ui::SearchBox, query);
    web_.Serve(RequestFor(query), kPage);
    app_.sourceKind = 1;
    app_.radioMode = 1;
    app_.radioLevel = 1;
    app_.currentIndex = 4;
    app_.trackStarted = 1;
    app_.stream = 9;

    StartSearch(app_, platform_);

    ASSERT_EQ(web_.requests().size(), 1u);
    EXPECT_EQ(web_.requests()[0], RequestFor(query));
    EXPECT_EQ(app_.searchQuery, query);
    EXPECT_EQ(RowCount(), 1u);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder_ / "audio.txt"));
    EXPECT_EQ(app_.sourceKind, 0);
    EXPECT_EQ(app_.radioMode, 0);
    EXPECT_EQ(app_.radioLevel, 0);
    // The playing track is not disturbed.
    EXPECT_EQ(app_.currentIndex, 4);
    EXPECT_EQ(app_.trackStarted, 1);
    EXPECT_EQ(app_.stream, 9u);
}

TEST_F(SearchTest, EmptyQueryStillSendsARequest) {
    StartSearch(app_, platform_);
    ASSERT_EQ(web_.requests().size(), 1u);
    EXPECT_EQ(web_.requests()[0], RequestFor(""));
}

TEST_F(SearchTest, FailedDownloadEmptiesTheListAndLeavesTheOldPageUnread) {
    gui_.ListAppend(ui::TrackList, "old row\n1:00");
    std::ofstream(folder_ / "audio.txt") << kPage;  // an earlier search's page

    SearchOnline(app_, platform_, RequestFor("nothing served"));

    EXPECT_EQ(RowCount(), 0u);
    EXPECT_EQ(app_.trackUrls[0], "");
    EXPECT_EQ(app_.trackTitles[0], "");
}

}  // namespace
