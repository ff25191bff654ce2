#include "playback/LocalFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/Controls.h"
#include "platform/text/Cp1251.h"
#include "tests/support/ScriptedAudio.h"
#include "tests/support/ScriptedGui.h"
#include "tests/support/ScriptedWeb.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;
using text::operator""_cp1251;

const std::string kSongCp1251 = "Песня.mp3"_cp1251;
using Rows = std::vector<std::string>;

// A folder of empty files made for one test and removed after it.
class MusicFolder : public ScratchFolder {
public:
    MusicFolder() : ScratchFolder("local-folder") {}
    // The folder as the program holds it, ending with a separator.
    std::string text() const { return text::Cp1251FromPath(path()) + "/"; }
    void AddFile(const std::string& utf8Name) const { std::ofstream(path() / utf8Name).put('\0'); }
    void AddFolder(const std::string& utf8Name) const { fs::create_directory(path() / utf8Name); }
};

// Runs a test inside another current directory and goes back afterwards.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const fs::path& where) : previous_(fs::current_path()) { fs::current_path(where); }
    ~CurrentDirectory() { fs::current_path(previous_); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    fs::path previous_;
};

Rows Sorted(Rows rows) {
    std::sort(rows.begin(), rows.end());
    return rows;
}

class LocalFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(folder.path().empty());
        for (const char* name : {"Song.MP3", "a.wav", "b.Mid", ".mp3", "notes.txt", "mp3", "mid", "x.ogg"})
            folder.AddFile(name);
        folder.AddFolder("Old.mp3");
    }
    Rows rows() { return gui.ListRows(ui::TrackList); }
    std::string selectedRow() { return gui.ListRowText(ui::TrackList, gui.ListSelection(ui::TrackList)); }
    std::string opened() { return audio.lastCreated() == 0 ? "" : audio.stream(audio.lastCreated()).source; }

    MusicFolder folder;
    ScriptedGui gui;
    ScriptedAudio audio;
    ScriptedWeb web;
    Platform platform{gui, audio, web};
    AppState app;
};

TEST_F(LocalFolder, ListsEntriesEndingInAPlayableExtensionKeepingTheirCase) {
    gui.ListAppend(ui::TrackList, "left over\n1:00");
    app.folderPath = folder.text() + "Song.MP3";
    LoadFolderList(app, platform);
    EXPECT_EQ(Sorted(rows()), Sorted({"Song.MP3", "a.wav", "b.Mid", ".mp3", "Old.mp3"}));
    for (const auto& row : gui.control(ui::TrackList).rows) EXPECT_EQ(row.column1, "");
}

TEST_F(LocalFolder, NamesThatCannotLeadBackToTheirFileAreLeftOut) {
    folder.AddFile("Песня.mp3");        // Cyrillic: Windows-1251 holds it
    folder.AddFile("?.mp3");            // a real question mark
    folder.AddFile("日本.mp3");         // would read "??.mp3" and open nothing
    folder.AddFile("\xE6\x97\xA5.mp3");  // would read "?.mp3" and open the other file
    folder.AddFile("bad\xFF.mp3");      // not UTF-8 at all
    folder.AddFile("two\nlines.mp3");   // would split into two columns
    app.folderPath = folder.text() + "?.mp3";
    LoadFolderList(app, platform);
    EXPECT_EQ(Sorted(rows()), Sorted({"Song.MP3", "a.wav", "b.Mid", ".mp3", "Old.mp3", kSongCp1251,
                                      "?.mp3"}));
}

TEST_F(LocalFolder, SelectsTheRowOfTheChosenFileByteForByte) {
    struct Case {
        std::string filePart, selected;  // "" for none
    };
    const Case cases[] = {
        {"Song.MP3", "Song.MP3"},
        {"song.mp3", ""},        // letter case counts
        {"x.ogg", ""},           // not listed
        {"", ""},                // a path part alone
        {"Old.mp3", "Old.mp3"},  // a dropped folder listed like a file
        {"missing.mp3", ""},     // the dialog accepts names that do not exist
    };
    for (const Case& c : cases) {
        app.folderPath = folder.text() + c.filePart;
        LoadFolderList(app, platform);
        EXPECT_EQ(selectedRow(), c.selected) << c.filePart;
        EXPECT_EQ(gui.ListSelection(ui::TrackList) == -1, c.selected.empty()) << c.filePart;
        EXPECT_EQ(app.workText, c.filePart);
    }
}

TEST_F(LocalFolder, AFolderThatCannotBeReadLeavesTheListEmpty) {
    gui.ListAppend(ui::TrackList, "left over");
    gui.ListSelect(ui::TrackList, 0);
    app.folderPath = folder.text() + "no such folder/Song.MP3";
    LoadFolderList(app, platform);
    EXPECT_EQ(rows(), Rows{});
    EXPECT_EQ(gui.ListSelection(ui::TrackList), -1);
}

TEST_F(LocalFolder, TheChosenFileIsFoundBeyondTheThousandthRow) {
    for (int i = 0; i < 1100; ++i) folder.AddFile("track" + std::to_string(i) + ".mp3");
    app.folderPath = folder.text() + "a.wav";
    LoadFolderList(app, platform);
    const Rows listed = rows();
    ASSERT_EQ(listed.size(), 1100u + 5u);
    const std::string chosen = listed[1050];

    app.folderPath = folder.text() + chosen;
    OpenLocalFileFromDrop(app, platform);
    EXPECT_EQ(gui.ListSelection(ui::TrackList), 1050);
    EXPECT_EQ(opened(), folder.text() + chosen);
}

TEST_F(LocalFolder, ACyrillicFileNameShowsAndPlays) {
    folder.AddFile("Песня.mp3");
    app.folderPath = folder.text() + kSongCp1251;
    OpenLocalFileFromDrop(app, platform);
    EXPECT_EQ(selectedRow(), kSongCp1251);
    EXPECT_TRUE(fs::is_regular_file(text::PathFromCp1251(opened()))) << opened();
    EXPECT_TRUE(fs::equivalent(text::PathFromCp1251(opened()), folder.path() / "Песня.mp3"));
}

TEST_F(LocalFolder, SeveralDroppedFilesListAndPlayTheFirst) {
    const std::string drop = folder.text() + "b.Mid\n" + folder.text() + "Song.MP3\n" + folder.text() + "a.wav";
    app.folderPath = drop;
    app.radioMode = 1;
    app.radioLevel = 1;
    OpenLocalFileFromDrop(app, platform);
    EXPECT_EQ(rows().size(), 5u);
    EXPECT_EQ(selectedRow(), "b.Mid");
    EXPECT_EQ(opened(), folder.text() + "b.Mid");
    EXPECT_EQ(app.folderPath, drop);
    EXPECT_EQ(app.radioMode, 0);
    EXPECT_EQ(app.radioLevel, 0);
    EXPECT_EQ(app.sourceKind, 1);
}

TEST_F(LocalFolder, TheChooserListsTheFolderAndPlaysTheChosenFile) {
    gui.SetFileDialogAnswer(folder.text() + "Song.MP3");
    app.radioMode = 1;
    app.radioLevel = 1;
    OpenLocalFile(app, platform);
    EXPECT_EQ(gui.fileDialogFilters(), Rows{"*.*|*.*"});
    EXPECT_EQ(app.folderPath, folder.text() + "Song.MP3");
    EXPECT_EQ(selectedRow(), "Song.MP3");
    EXPECT_EQ(opened(), folder.text() + "Song.MP3");
    EXPECT_EQ(gui.window(ui::MainWindow).title, "Song.MP3...");
    EXPECT_EQ(app.radioMode, 0);
    EXPECT_EQ(app.radioLevel, 0);
    EXPECT_EQ(app.trackStarted, 1);
    EXPECT_EQ(app.sourceKind, 1);
}

TEST_F(LocalFolder, ACancelledChooserListsTheCurrentDirectoryAndStartsNothing) {
    const CurrentDirectory inside(folder.path());
    gui.SetFileDialogAnswer("");
    OpenLocalFile(app, platform);
    EXPECT_EQ(Sorted(rows()), Sorted({"Song.MP3", "a.wav", "b.Mid", ".mp3", "Old.mp3"}));
    EXPECT_EQ(gui.ListSelection(ui::TrackList), -1);
    EXPECT_EQ(audio.log()[1], "StreamCreateFile ");
    EXPECT_EQ(app.stream, 0u);
    EXPECT_EQ(gui.window(ui::MainWindow).title, "...");
}

}  // namespace
