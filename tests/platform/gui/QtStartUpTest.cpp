// The program's real start-up on the Qt layer: the layout as the toolkit
// builds it, and what the main window looks like.
#include <QCursor>
#include <QLineEdit>
#include <QPixmap>
#include <QTableWidget>
#include <QTimer>

#include "app/AppState.h"
#include "app/Controls.h"
#include "app/EventLoop.h"
#include "app/Platform.h"
#include "app/StartUp.h"
#include "resources/StoredPictures.h"
#include "tests/platform/gui/QtGuiFixture.h"
#include "tests/support/ScriptedAudio.h"
#include "tests/support/ScriptedWeb.h"

namespace {

class QtStartUpTest : public QtGuiFixture {
protected:
    void SetUp() override {
        StartUpSources sources;  // no skin library
        sources.pictures = {resources::BackgroundImagePng(), resources::KnobImagePng(),
                            resources::VolumeTrackImagePng(), resources::PlayPauseImagePng()};
        shell_ = StartUp(app_, platform_, sources);
        ASSERT_TRUE(shell_.mainWindowOpened);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Widget(ui::MainWindow)));
    }
    QRect InMainWindow(int control) {
        QWidget* w = Widget(control);
        return {w->mapTo(Widget(ui::MainWindow), QPoint(0, 0)), w->size()};
    }
    // Turns the loop until the display timer has ticked once.
    void FirstRefresh() {
        while (gui.WaitEvent().kind != gui::EventKind::Other) {
        }
    }
    QImage Grab() { return Widget(ui::MainWindow)->grab().toImage(); }

    AppState app_;
    ScriptedAudio audio_;
    ScriptedWeb web_;
    Platform platform_{gui, audio_, web_};
    Shell shell_;
};

TEST_F(QtStartUpTest, ControlsStandAtTheirNumbersWithTheirSizes) {
    QWidget* main = Widget(ui::MainWindow);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->size(), QSize(400, 550));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Melovia"));
    EXPECT_FALSE(Widget(ui::DownloadWindow)->isVisible());
    EXPECT_EQ(Widget(ui::DownloadWindow)->size(), QSize(370, 130));

    const struct {
        int control;
        QRect geometry;  // in MainWindow's client area
    } expected[] = {
        {ui::ListContainer, {5, 50, 380, 410}},    {ui::TrackList, {5, 50, 380, 410}},
        {ui::VolumeSlider, {260, 477, 15, 16}},     // empty until the first refresh
        {ui::PlayPauseButton, {210, 478, 35, 16}},  // its picture's size, not the 70 x 20 asked for
        {ui::SeekBar, {5, 515, 340, 2}},           {ui::TimeDisplay, {360, 510, 60, 15}},
        {ui::SpectrumBars, {16, 478, 1, 15}},      {ui::SpectrumBars + 85, {186, 478, 1, 15}},
    };
    for (const auto& e : expected)
        EXPECT_EQ(InMainWindow(e.control), e.geometry) << "control " << e.control;
    // The time display reaches 20 pixels past the client area's right edge.
    EXPECT_EQ(InMainWindow(ui::TimeDisplay).right() + 1 - main->width(), 20);
    EXPECT_EQ(Widget(ui::DownloadButton)->geometry(), QRect(280, 70, 70, 20));

    FirstRefresh();
    EXPECT_EQ(InMainWindow(ui::VolumeSlider), QRect(260, 477, 117, 16));
    EXPECT_EQ(InMainWindow(ui::TimeDisplay), QRect(360, 510, 60, 15));
}

TEST_F(QtStartUpTest, TheMainWindowShowsTheBackgroundBandRecessAndSearchBoxColours) {
    FirstRefresh();
    const QImage shot = Grab();
    ASSERT_EQ(shot.size(), QSize(400, 550));
    const struct {
        const char* what;
        QPoint at;
        QColor colour;
    } samples[] = {
        {"window below the list", {200, 462}, {16, 16, 16}},
        {"tiled again below the picture", {200, 545}, {16, 16, 16}},
        {"band's top line", {5, 465}, {0, 0, 0}},
        {"band's light line", {200, 466}, {48, 48, 48}},
        {"band's bottom line", {395, 504}, {3, 3, 3}},
        {"recess top edge", {100, 475}, {0, 0, 0}},
        {"recess side", {13, 485}, {35, 35, 35}},
        {"recess between two bars", {17, 485}, {16, 16, 16}},
        {"bar's empty part", {16, 485}, {16, 16, 16}},
        {"bar's one-pixel stub", {16, 492}, {137, 127, 98}},
        {"seek bar", {100, 516}, {25, 25, 25}},
        {"volume groove's highlight", {260 + 110, 487}, {65, 65, 65}},
    };
    for (const auto& s : samples) EXPECT_EQ(shot.pixelColor(s.at), s.colour) << s.what;

    // The search box: its background, and its text in the golden colour.
    const QRect box = InMainWindow(ui::SearchBox);
    EXPECT_EQ(shot.pixelColor(box.right() - 6, box.center().y()), QColor(51, 51, 51));
    int golden = 0;
    for (int y = box.top() + 3; y < box.bottom() - 2; ++y)
        for (int x = box.left() + 3; x < box.center().x(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            golden += c.red() > 90 && c.red() - c.blue() > 25;
        }
    EXPECT_GT(golden, 20);
}

TEST_F(QtStartUpTest, TheListHasItsColumnsAndColours) {
    auto* list = static_cast<QTableWidget*>(Widget(ui::TrackList));
    ASSERT_EQ(list->columnCount(), 2);
    EXPECT_EQ(list->horizontalHeaderItem(0)->text(), QStringLiteral("      Результат поиска"));
    EXPECT_EQ(list->horizontalHeaderItem(1)->text(), QStringLiteral("  Время"));
    EXPECT_EQ(list->columnWidth(0), 300);
    EXPECT_EQ(list->columnWidth(1), 50);
    gui.ListAppend(ui::TrackList, "0. Title\n3:45");
    const QImage shot = Grab();
    const QRect cell = list->visualItemRect(list->item(0, 0));
    const QPoint inList = list->viewport()->mapTo(Widget(ui::MainWindow), cell.topLeft());
    EXPECT_EQ(shot.pixelColor(inList + QPoint(250, cell.height() / 2)), QColor(16, 16, 16));
    // The grid line right of the cell and below it.
    EXPECT_EQ(shot.pixelColor(inList + QPoint(cell.width(), cell.height() / 2)),
              QColor(41, 41, 41));
    EXPECT_EQ(shot.pixelColor(inList + QPoint(cell.width() / 2, cell.height())),
              QColor(41, 41, 41));
}

// The program's own loop on this layer: a drag over the volume slider reaches
// the pointer feedback through real mouse moves, button state and positions,
// and the close box ends the loop.
TEST_F(QtStartUpTest, VolumeDragAndCloseBoxWorkThroughTheRealLoop) {
    FirstRefresh();  // the slider measures 117 x 16 from now on
    QWidget* slider = Widget(ui::VolumeSlider);
    QTimer::singleShot(20, slider, [slider] {
        QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(5, 8));
        QCursor::setPos(
            slider->mapToGlobal(QPoint(60, 8)));  // a platform move with the button held
    });
    QTimer::singleShot(120, slider, [this, slider] {
        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(60, 8));
        QCursor::setPos(slider->mapToGlobal(QPoint(100, 8)));  // moves on without the button
        QTimer::singleShot(60, Widget(ui::MainWindow), [this] { Widget(ui::MainWindow)->close(); });
    });
    EXPECT_EQ(RunEventLoop(app_, platform_), 0);
    EXPECT_EQ(app_.volumeLevel, 60 - 8);
    EXPECT_TRUE(Widget(ui::MainWindow)->isVisible());  // the close box only asked
}

}  // namespace
