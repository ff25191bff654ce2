#include "search/ResultPageScan.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/Controls.h"
#include "platform/text/Cp1251.h"
#include "search/WebAddresses.h"
#include "tests/support/ScriptedGui.h"
#include "tests/support/ScratchFolder.h"

using text::operator""_cp1251;

namespace {

std::string Url(const std::string& f1, const std::string& f2, const std::string& f3) {
    return std::string(ContentHostPrefix) + f1 + "." + std::string(ContentServerDomain) + "/u" +
           f2 + "/audio/" + f3 + ".mp3";
}

std::string StreamLine(const std::string& args) {
    return "<img class=playimg onclick=go(" + args + ")>";
}
std::string TitleLine(const std::string& title) {
    return "<span class=performer><b><a href='#' onclick='find(5);'>" + title +
           "</a></b></span>";
}
std::string DurationLine(const std::string& duration) {
    return "<div class=duration>" + duration + "</div>";
}
std::string Result(int n) {
    const std::string k = std::to_string(n);
    return StreamLine("a,1,2" + k + ",'t" + k + "',9") + "\n" + TitleLine("Song " + k) + "\n" +
           DurationLine("1:" + k) + "\n";
}

class ResultPageScanTest : public ::testing::Test {
protected:
    ScanCounts Scan(const std::string& page) {
        const std::string path = (folder_ / "audio.txt").string();
        std::ofstream(path, std::ios::binary) << page;
        return ScanResultPage(app_, gui_, path);
    }
    std::vector<ScriptedGui::Row> Rows() { return gui_.control(ui::TrackList).rows; }

    ScratchFolder scratch_{"result-scan"};
    const std::filesystem::path folder_ = scratch_.path();
    AppState app_;
    ScriptedGui gui_;
};

struct Row {
    std::string column0, column1;
};

struct Case {
    const char* name;
    std::string page;
    std::vector<Row> rows;
    std::vector<std::string> urls;    // trackUrls from index 0
    std::vector<std::string> titles;  // trackTitles from index 0
    std::vector<std::string> earlier = {};  // trackTitles left by an earlier search
};

TEST_F(ResultPageScanTest, PagesOfOneOrTwoResults) {
    const std::string example =
        StreamLine("901,77,345,'f0d1',215") + "\n" +
        TitleLine("Artist &#8211; Song &#39;Live&#39;") + "\r\n" + DurationLine("3:45");
    const Case cases[] = {
        {"worked example", example,
         {{"0     Artist - Song 'Live'", "3:45"}},
         {Url("77", "345", "f0d1")},
         {"Artist - Song 'Live'"}},
        {"keywords match exact bytes",
         "<img class=PLAYIMG onclick=go(1,2,3,'x',4)>\n"
         "<span class=Performer><b><a href='#' onclick='find(5);'>T</a></b></span>\n"
         "<div class=DURATION>1:00</div>\n",
         {}, {""}, {""}},
        {"stream line without apostrophes stores nothing, later URLs shift",
         StreamLine("a,1,2,3,4") + "\n" + TitleLine("One") + "\n" + DurationLine("1:00") + "\n" +
             StreamLine("a,1,5,'k2',4") + "\n" + TitleLine("Two") + "\n" + DurationLine("2:00"),
         {{"0     One", "1:00"}, {"1     Two", "2:00"}},
         {Url("1", "5", "k2"), ""},
         {"One", "Two"}},
        {"title cut to nothing stores no title, later rows read titles out of step",
         StreamLine("a,1,2,'k1',4") + "\n" + "<span class=performer>nothing here</span>\n" +
             DurationLine("1:00") + "\n" + StreamLine("a,1,3,'k2',4") + "\n" + TitleLine("Two") +
             "\n" + DurationLine("2:00"),
         {{"0     Old0", "1:00"}, {"1     Old1", "2:00"}},
         {Url("1", "2", "k1"), Url("1", "3", "k2")},
         {"Two", "Old1"},
         {"Old0", "Old1"}},
        {"duration before its title reads what the index holds so far",
         DurationLine("1:00") + "\n" + TitleLine("Late") + "\n" + DurationLine("2:00") + "\n" +
             TitleLine("Later"),
         {{"0     Old0", "1:00"}, {"1     ", "2:00"}},
         {""},
         {"Late", "Later"},
         {"Old0"}},
        {"a line with playimg and duration stores a URL but adds no row",
         "<img class=playimg onclick=go(a,1,2,'k',3)><div class=duration>1:00</div>",
         {}, {Url("1", "2", "k")}, {""}},
        {"empty field 1 removes every comma and leaves field 2 empty",
         StreamLine("a,,2,'k',3"), {}, {Url("", "", "k")}, {""}},
        {"field 1 also cut from the start of a later item",
         StreamLine("91,77,771,'k',1"), {}, {Url("77", "'k'", "k")}, {""}},
        {"empty duration adds no row", DurationLine("") + "\n" + Result(1),
         {{"0     Song 1", "1:1"}}, {Url("1", "21", "t1")}, {"Song 1"}},
        {"title that cleans to nothing is still stored and counted",
         TitleLine("   ") + "\n" + DurationLine("0:01") + "\n" + TitleLine("B") + "\n" +
             DurationLine("0:02"),
         {{"0     ", "0:01"}, {"1     B", "0:02"}}, {""}, {"", "B"}},
        {"Windows-1251 title and every line end form",
         std::string(StreamLine("a,1,2,'k',3")) + '\0' + TitleLine("&laquo;Ночь&raquo;"_cp1251) +
             "\r" + DurationLine("4:04") + "\r",
         {{"0     «Ночь»"_cp1251, "4:04"}}, {Url("1", "2", "k")}, {"«Ночь»"_cp1251}},
        {"empty page", "", {}, {""}, {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app_ = AppState{};
        for (std::size_t i = 0; i < c.earlier.size(); ++i)
            app_.trackTitles.Set(static_cast<int>(i), c.earlier[i]);
        gui_.ListClear(ui::TrackList);
        Scan(c.page);
        const auto rows = Rows();
        ASSERT_EQ(rows.size(), c.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].column0, c.rows[i].column0);
            EXPECT_EQ(rows[i].column1, c.rows[i].column1);
        }
        for (std::size_t i = 0; i < c.urls.size(); ++i)
            EXPECT_EQ(app_.trackUrls[static_cast<int>(i)], c.urls[i]) << i;
        for (std::size_t i = 0; i < c.titles.size(); ++i)
            EXPECT_EQ(app_.trackTitles[static_cast<int>(i)], c.titles[i]) << i;
    }
}

TEST_F(ResultPageScanTest, LaterScanOverwritesFromZeroAndKeepsTheRest) {
    Scan(Result(0) + Result(1) + Result(2));
    gui_.ListClear(ui::TrackList);
    app_.workText = "before";
    Scan(Result(7));
    EXPECT_EQ(app_.trackTitles[0], "Song 7");
    EXPECT_EQ(app_.trackTitles[2], "Song 2");
    EXPECT_EQ(app_.trackUrls[1], Url("1", "21", "t1"));
    EXPECT_EQ(app_.workText, "Song 7");  // raw title of the last title line
    ASSERT_EQ(Rows().size(), 1u);

    // A page without title lines leaves workText alone.
    Scan(DurationLine("1:00"));
    EXPECT_EQ(app_.workText, "Song 7");
}

TEST_F(ResultPageScanTest, RowNumbersPadToTenAndRowsStopAtTheArrayCapacity) {
    std::string page;
    for (int i = 0; i < 115; ++i) page += Result(i);
    const ScanCounts counts = Scan(page);

    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 111u);
    EXPECT_EQ(rows[0].column0, "0     Song 0");
    EXPECT_EQ(rows[9].column0, "9     Song 9");
    EXPECT_EQ(rows[10].column0, "10   Song 10");
    EXPECT_EQ(rows[11].column1, "1:11");
    EXPECT_EQ(rows[100].column0, "100   Song 100");
    EXPECT_EQ(rows[110].column0, "110   Song 110");
    EXPECT_EQ(app_.trackUrls[110], Url("1", "2110", "t110"));
    EXPECT_EQ(app_.trackUrls[111], "");
    EXPECT_EQ(counts.urls, 115);  // counted, stored only within the capacity
    EXPECT_EQ(counts.rows, 111);
}

TEST_F(ResultPageScanTest, MissingFileAddsNothing) {
    const ScanCounts counts = ScanResultPage(app_, gui_, (folder_ / "absent.txt").string());
    EXPECT_EQ(counts.rows, 0);
    EXPECT_TRUE(Rows().empty());
}

}  // namespace
