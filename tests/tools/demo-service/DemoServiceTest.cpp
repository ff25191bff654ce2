#include <gtest/gtest.h>
#include <httplib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/Controls.h"
#include "platform/text/Cp1251.h"
#include "search/ResultPageScan.h"
#include "tests/support/ScriptedGui.h"
#include "tools/demo-service/DemoServiceProcess.h"
#include "tests/support/ScratchFolder.h"

using text::operator""_cp1251;

namespace {

struct FrameHeader {
    bool valid = false;
    std::size_t length = 0;
};

// MPEG-1 Layer III frame header at data[at].
FrameHeader ReadFrame(const std::string& data, std::size_t at) {
    static constexpr int kKbps[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    static constexpr int kRates[4] = {44100, 48000, 32000, 0};
    if (at + 4 > data.size()) return {};
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(data[at + i]); };
    if (b(0) != 0xFF || (b(1) & 0xFE) != 0xFA) return {};  // sync, MPEG-1, Layer III
    const int kbps = kKbps[b(2) >> 4], rate = kRates[(b(2) >> 2) & 3];
    if (kbps == 0 || rate == 0) return {};
    return {true, static_cast<std::size_t>(144 * kbps * 1000 / rate + ((b(2) >> 1) & 1))};
}

// Walks the frames from the start; the count of whole frames, 0 when one is broken.
std::size_t CountFrames(const std::string& mp3) {
    std::size_t at = 0, frames = 0;
    while (at < mp3.size()) {
        const FrameHeader frame = ReadFrame(mp3, at);
        if (!frame.valid) return 0;
        at += frame.length;
        ++frames;
    }
    return at == mp3.size() ? frames : 0;
}

class DemoServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service_.running());
        // A sanitizer build makes a track slowly; its first byte may take a while.
        client_.set_read_timeout(std::chrono::seconds(30));
    }

    DemoServiceProcess service_;
    httplib::Client client_{"127.0.0.1", service_.port()};
    ScratchFolder scratch_{"demo-service"};
    const std::filesystem::path folder_ = scratch_.path();
};

TEST_F(DemoServiceTest, ResultPageScansIntoTitledRowsWhoseTracksAreWholeMp3Files) {
    const auto page = client_.Get("/gsearch.php?section=audio&q=Depeche%20Mode%20Remix&name=1");
    ASSERT_TRUE(page);
    ASSERT_EQ(page->status, 200);
    const std::string path = (folder_ / "audio.txt").string();
    std::ofstream(path, std::ios::binary) << page->body;

    AppState app;
    ScriptedGui gui;
    const ScanCounts counts = ScanResultPage(app, gui, path);
    ASSERT_GE(counts.rows, 20);
    EXPECT_EQ(counts.urls, counts.rows);
    EXPECT_EQ(counts.titles, counts.rows);
    bool cyrillic = false;
    for (int i = 0; i < counts.rows; ++i) {
        const std::string& title = app.trackTitles[i];
        EXPECT_EQ(title.find_first_of("<>&~"), std::string::npos) << title;
        cyrillic = cyrillic || title == std::string("Белые ночи - «Тихая гавань»"_cp1251);
    }
    EXPECT_TRUE(cyrillic);
    // Matches come first; a matching last word is marked and cleaned to a space.
    EXPECT_NE(app.trackTitles[0].find("  Remix"), std::string::npos) << app.trackTitles[0];

    // The stream URL's path part, as the content server sees it.
    const std::string& url = app.trackUrls[0];
    const std::string trackPath = url.substr(url.find("/u"));
    httplib::Headers range = {{"Range", "bytes=0-1023"}};
    const auto head = client_.Get(trackPath.c_str(), range);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 206);
    EXPECT_EQ(head->body.size(), 1024u);
    EXPECT_TRUE(ReadFrame(head->body, 0).valid);

    const auto whole = client_.Get(trackPath.c_str());
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->get_header_value("Content-Type"), "audio/mpeg");
    EXPECT_EQ(whole->body.substr(0, 1024), head->body);
    const double seconds = CountFrames(whole->body) * 1152 / 44100.0;
    const std::string duration = gui.control(ui::TrackList).rows[0].column1;  // m:ss
    const int listed = std::stoi(duration) * 60 + std::stoi(duration.substr(duration.find(':') + 1));
    EXPECT_NEAR(seconds, listed, 0.5);

    EXPECT_EQ(client_.Get("/u1/audio/nothing.mp3")->status, 404);
}

TEST_F(DemoServiceTest, GenrePageLeadsToAPlaylistAndAPacedStation) {
    const auto genre = client_.Get("/by_genre/Jazz");
    ASSERT_TRUE(genre);
    const auto link = genre->body.find("<p>[ <a href=\"");
    ASSERT_NE(link, std::string::npos);
    EXPECT_NE(genre->body.find("<span class=\"name\"><a href=\"#\" onclick=\"listen("), std::string::npos);
    const std::string playlistPath =
        genre->body.substr(link + 14, genre->body.find('"', link + 14) - link - 14);

    const auto playlist = client_.Get(playlistPath.c_str());
    ASSERT_TRUE(playlist);
    const std::string first = playlist->body.substr(0, playlist->body.find_first_of("\r\n"));
    ASSERT_EQ(first.rfind(service_.baseUrl() + "/stream/", 0), 0u) << first;

    std::string received, icyName;
    const auto stream = client_.Get(
        first.substr(service_.baseUrl().size()).c_str(),
        [&](const httplib::Response& res) {
            icyName = res.get_header_value("icy-name");
            return true;
        },
        [&](const char* data, std::size_t size) {
            received.append(data, size);
            return received.size() < 20000;  // a little more than the head start
        });
    EXPECT_FALSE(icyName.empty());
    EXPECT_GE(received.size(), 20000u);
    EXPECT_TRUE(ReadFrame(received, 0).valid);
}

TEST_F(DemoServiceTest, StopsOnSigtermWithStatusZero) {
    EXPECT_TRUE(service_.Stop());
    EXPECT_FALSE(service_.running());
}

}  // namespace
