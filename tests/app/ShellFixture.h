// The scripted layers, a state record and recorders in place of the other
// subsystems' actions, for tests of the application shell.
#pragma once

#include <string>
#include <vector>

#include "app/Actions.h"
#include "app/AppState.h"
#include "app/Controls.h"
#include "app/Platform.h"
#include "app/StartUp.h"
#include "tests/support/ScriptedAudio.h"
#include "tests/support/ScriptedGui.h"
#include "tests/support/ScriptedWeb.h"

// Just enough of a PNG for ScriptedGui, which reads the size from the header.
inline std::vector<unsigned char> FakePng(int width, int height) {
    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (int value : {width, height})
        for (int shift : {24, 16, 8, 0}) png.push_back(static_cast<unsigned char>(value >> shift));
    return png;
}

inline StartUpSources FakeSources(std::vector<std::filesystem::path> skinCandidates = {}) {
    StartUpSources sources;
    sources.skinLibraryCandidates = std::move(skinCandidates);
    sources.pictures = {FakePng(400, 530), FakePng(15, 16), FakePng(117, 16), FakePng(35, 16)};
    return sources;
}

// Records every action called, by name; PlayResult with its row.
struct ActionRecorder {
    std::vector<std::string> calls;
    bool downloadRunning = false;

    Actions actions() {
        const auto record = [this](std::string name) {
            return [this, name](AppState&, Platform&) { calls.push_back(name); };
        };
        Actions a;
        a.startSearch = record("StartSearch");
        a.openLocalFile = record("OpenLocalFile");
        a.openLocalFileFromDrop = [this](AppState& app, Platform&) {
            calls.push_back("OpenLocalFileFromDrop " + app.folderPath);
        };
        a.showRadioGenres = record("ShowRadioGenres");
        a.openGenre = record("OpenGenre");
        a.openStation = record("OpenStation");
        a.openDownloadDialog = record("OpenDownloadDialog");
        a.startDownload = record("StartDownload");
        a.playResult = [this](AppState&, Platform&, int row) { calls.push_back("PlayResult " + std::to_string(row)); };
        a.playLocalFile = record("PlayLocalFile");
        a.downloadRunning = [this](AppState&) { return downloadRunning; };
        a.endDownload = [this](AppState&) {
            calls.push_back("EndDownload");
            downloadRunning = false;
        };
        return a;
    }
};

struct ShellFixture {
    ScriptedGui gui;
    ScriptedAudio audio;
    ScriptedWeb web;
    Platform platform{gui, audio, web};
    AppState app;
    ActionRecorder recorder;

    // The real layout, unskinned, as the pointer and the dispatch meet it.
    void StartUnskinned() { shell = StartUp(app, platform, FakeSources()); }
    void FillList(int rows) {
        for (int i = 0; i < rows; ++i) gui.ListAppend(ui::TrackList, "row " + std::to_string(i));
    }

    Shell shell;
};
