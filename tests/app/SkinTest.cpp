#include <gtest/gtest.h>

#include "app/EventLoop.h"
#include "app/Skin.h"
#include "tests/app/ShellFixture.h"

namespace {

const std::filesystem::path kSkin = TEST_SKIN_LIBRARY;
const std::filesystem::path kPartialSkin = TEST_PARTIAL_SKIN_LIBRARY;
const std::filesystem::path kMissing = "/nonexistent/libSkinFeature.so";

// Opening the stand-in again gives the same loaded instance, so its record can be read.
struct SkinRecord {
    explicit SkinRecord(const std::filesystem::path& path) : library(library::SharedLibrary::Open(path)) {}
    std::string calls() const {
        return library ? library->Find<const char* (*)()>("RecordedSkinCalls")() : "not loaded";
    }
    std::optional<library::SharedLibrary> library;
};

// Notes what the skin library had been told when the first window opened.
class SkinWatchingGui : public ScriptedGui {
public:
    explicit SkinWatchingGui(const SkinRecord& record) : record_(record) {}
    bool OpenWindow(int window, int w, int h, const std::string& title, bool minimiseBox) override {
        if (callsAtFirstWindow.empty()) callsAtFirstWindow = record_.calls();
        return ScriptedGui::OpenWindow(window, w, h, title, minimiseBox);
    }
    std::string callsAtFirstWindow;

private:
    const SkinRecord& record_;
};

TEST(Skin, StartUpSkinsBeforeAnyWindowAndTheExitUnloadsBeforeRelease) {
    const SkinRecord record(kSkin);
    ASSERT_TRUE(record.library);
    SkinWatchingGui gui(record);
    ScriptedAudio audio;
    ScriptedWeb web;
    Platform platform{gui, audio, web};
    AppState app;
    {
        const Shell shell = StartUp(app, platform, FakeSources({kMissing, kSkin}));
        EXPECT_EQ(app.skinLoaded, 1);
        EXPECT_TRUE(shell.skinLibrary.loaded());
        EXPECT_EQ(gui.callsAtFirstWindow, "InitializeSkin;LoadSkinFile(Melovia Umbrel.rss,);");
        EXPECT_EQ(RunEventLoop(app, platform), 0);
    }
    EXPECT_EQ(record.calls(), "InitializeSkin;LoadSkinFile(Melovia Umbrel.rss,);UnLoadSkin;");
}

TEST(Skin, ALibraryWithoutAllThreeEntriesIsNotUsed) {
    const SkinRecord partial(kPartialSkin);
    ASSERT_TRUE(partial.library);
    AppState app;
    library::SharedLibrary loaded;
    EXPECT_EQ(LoadSkin(app, loaded, {kPartialSkin}), 0);
    EXPECT_EQ(partial.calls(), "");
    EXPECT_FALSE(loaded.loaded());
    EXPECT_EQ(app.unloadSkinEntry, nullptr);

    // A complete library further down the search is used instead.
    EXPECT_EQ(LoadSkin(app, loaded, {kPartialSkin, kSkin}), 1);
    EXPECT_TRUE(loaded.loaded());
    EXPECT_NE(app.unloadSkinEntry, nullptr);
    EXPECT_EQ(partial.calls(), "");
}

TEST(Skin, WithoutALibraryTheProgramRunsUnskinnedAndExitCallsNothing) {
    ShellFixture f;
    const Shell shell = StartUp(f.app, f.platform, FakeSources({kMissing}));
    EXPECT_EQ(f.app.skinLoaded, 0);
    EXPECT_FALSE(shell.skinLibrary.loaded());
    EXPECT_EQ(f.app.unloadSkinEntry, nullptr);
    EXPECT_EQ(RunEventLoop(f.app, f.platform, f.recorder.actions()), 0);
    EXPECT_TRUE(f.gui.window(ui::MainWindow).visible);
}

TEST(Skin, LooksNextToTheExecutableFirstThenBySystemSearch) {
    const auto candidates = SkinLibraryCandidates();
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0], std::filesystem::canonical("/proc/self/exe").parent_path() / "libSkinFeature.so");
    EXPECT_EQ(candidates[1], std::filesystem::path("libSkinFeature.so"));
}

}  // namespace
