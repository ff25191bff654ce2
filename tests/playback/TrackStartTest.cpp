#include "playback/TrackStart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Controls.h"
#include "tests/support/ScriptedAudio.h"
#include "tests/support/ScriptedGui.h"
#include "tests/support/ScriptedWeb.h"

namespace {

using Log = std::vector<std::string>;

class TrackStart : public ::testing::Test {
protected:
    void AddRows(const std::vector<std::string>& rows) {
        for (const std::string& row : rows) gui.ListAppend(ui::TrackList, row);
    }
    const std::string& title() { return gui.window(ui::MainWindow).title; }

    ScriptedGui gui;
    ScriptedAudio audio;
    ScriptedWeb web;
    Platform platform{gui, audio, web};
    AppState app;
};

TEST_F(TrackStart, PlayResultReplacesTheStreamInOrderAndSetsItsTitle) {
    app.stream = audio.StreamCreateUrl("http://old");
    app.trackUrls.Set(1, "http://one");
    app.volumeGain = 0.25f;
    AddRows({"zero\n3:00", "abcde\n1:05"});
    audio.ClearLog();

    PlayResult(app, platform, 1);

    EXPECT_EQ(audio.log(), (Log{"StreamFree 1", "StreamCreateUrl http://one", "ChannelPlay 2",
                                "ChannelSetAttribute 2 2 0.25"}));
    EXPECT_EQ(app.stream, 2u);
    EXPECT_FALSE(audio.exists(1));
    EXPECT_EQ(title(), "abcde...");
    EXPECT_EQ(app.workText, "abcde...");
    EXPECT_EQ(app.trackStarted, 1);
    EXPECT_EQ(app.sourceKind, 0);
}

TEST_F(TrackStart, PlayResultTitlesKeepTwentyCharacters) {
    AddRows({"12345678901234567890ABCDE"});
    PlayResult(app, platform, 0);
    EXPECT_EQ(title(), "12345678901234567890...");
}

TEST_F(TrackStart, PlayResultPastTheLastRow) {
    // One past the rows, an older search's URL may still be stored there.
    app.trackUrls.Set(2, "http://older-search");
    AddRows({"a", "b"});
    PlayResult(app, platform, 2);
    EXPECT_EQ(audio.log()[1], "StreamCreateUrl http://older-search");
    EXPECT_EQ(title(), "...");

    // Past the 111 stored URLs the URL is empty: nothing opens, the flags are set all the same.
    app.sourceKind = 1;
    PlayResult(app, platform, 111);
    EXPECT_EQ(app.stream, 0u);
    EXPECT_EQ(audio.log().back(), "ChannelSetAttribute 0 2 0.5");
    EXPECT_EQ(title(), "...");
    EXPECT_EQ(app.sourceKind, 0);
    EXPECT_EQ(app.trackStarted, 1);
}

TEST_F(TrackStart, PlayLocalFilePlaysTheSelectedRowOfTheChosenFolder) {
    const std::string name30 = "abcdefghijklmnopqrstuvwx30.mp3";
    const std::string name25 = "abcdefghijklmnopqrstu.mp3";
    AddRows({name25, name30});
    app.folderPath = "/music/old/chosen.mp3";
    app.stream = audio.StreamCreateUrl("http://radio");
    audio.ClearLog();

    gui.ListSelect(ui::TrackList, 0);
    PlayLocalFile(app, platform);
    EXPECT_EQ(audio.log(), (Log{"StreamFree 1", "StreamCreateFile /music/old/" + name25, "ChannelPlay 2",
                                "ChannelSetAttribute 2 2 0.5"}));
    EXPECT_EQ(title(), name25 + "...");
    EXPECT_EQ(app.workText, name25);
    EXPECT_EQ(app.trackStarted, 1);
    EXPECT_EQ(app.sourceKind, 1);

    gui.ListSelect(ui::TrackList, 1);
    PlayLocalFile(app, platform);
    EXPECT_EQ(title(), name30.substr(0, 25) + "...");
    EXPECT_EQ(app.workText, name30);  // the whole row, uncut
}

TEST_F(TrackStart, PlayLocalFileTakesThePathPartUpToEitherSeparator) {
    struct Case {
        std::string folderPath, opened;
    };
    const Case cases[] = {
        {"C:\\music\\a.mp3", "C:\\music\\row.mp3"},
        {"/home/u\\x/a.mp3", "/home/u\\x/row.mp3"},
        {"/home/u/x\\a.mp3", "/home/u/x\\row.mp3"},
        {"a.mp3", "row.mp3"},
        {"/first/a.mp3\n/second/b.mp3", "/first/row.mp3"},  // a drop of two files
    };
    AddRows({"row.mp3"});
    gui.ListSelect(ui::TrackList, 0);
    for (const Case& c : cases) {
        app.folderPath = c.folderPath;
        PlayLocalFile(app, platform);
        EXPECT_EQ(audio.stream(app.stream).source, c.opened) << c.folderPath;
    }
}

TEST_F(TrackStart, PlayLocalFileWithoutSelectionTriesTheFolderAlone) {
    audio.SetOpens([](const std::string& path) { return path.back() != '/'; });
    AddRows({"a.mp3"});
    app.folderPath = "/music/x.ogg";
    PlayLocalFile(app, platform);
    EXPECT_EQ(audio.log()[1], "StreamCreateFile /music/");
    EXPECT_EQ(app.stream, 0u);
    EXPECT_EQ(title(), "...");
    EXPECT_EQ(app.workText, "");
    EXPECT_EQ(app.trackStarted, 1);
}

}  // namespace
