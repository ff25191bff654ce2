// Events, the timer, work from other threads and the pointer queries of the Qt layer.
#include <QCursor>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>

#include <atomic>
#include <thread>

#include "platform/text/Cp1251.h"
#include "tests/platform/gui/QtGuiFixture.h"

using gui::ControlKind;
using gui::EventKind;
using gui::EventType;
using text::operator""_cp1251;

namespace {

using QtEventsTest = QtGuiFixture;
using Types = std::vector<EventType>;

TEST_F(QtEventsTest, ButtonClickIsOneClickEventOfItsControlAndWindow) {
    ASSERT_TRUE(gui.OpenWindow(17, 370, 130, "dialog", false));
    gui.ShowWindow(17, true);
    Create(22, ControlKind::Button, 17, 280, 70, 70, 20, "Go");
    QTest::mouseClick(Widget(22), Qt::LeftButton);
    const std::vector<gui::Event> events = QueuedEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::ControlEvent);
    EXPECT_EQ(events[0].control, 22);
    EXPECT_EQ(events[0].window, 17);
    EXPECT_EQ(events[0].type, EventType::Click);
}

class QtListEventsTest : public QtGuiFixture {
protected:
    void SetUp() override {
        OpenShownWindow();
        Create(5, ControlKind::Container, 0, 5, 50, 380, 200);
        Create(9, ControlKind::List, 5, 0, 0, 380, 200);
        gui.InsertListColumn(9, 0, "name", 300);
        gui.InsertListColumn(9, 1, "time", 50);
        for (int i = 0; i < 3; ++i) gui.ListAppend(9, "row " + std::to_string(i) + "\n1:00");
        QueuedEvents();
    }
    QWidget* Viewport() { return static_cast<QTableWidget*>(Widget(9))->viewport(); }
    QPoint Row(int row, int column = 0) {
        auto* table = static_cast<QTableWidget*>(Widget(9));
        return table->visualItemRect(table->item(row, column)).center();
    }
};

TEST_F(QtListEventsTest, PressSelectsAndDoubleClickFollowsItsFirstClick) {
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, Row(1));
    EXPECT_EQ(gui.ListSelection(9), 1);
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, Row(1));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, Row(1));
    EXPECT_EQ(QueuedControlEventTypes(9),
              (Types{EventType::LeftClick, EventType::LeftDoubleClick}));
    EXPECT_EQ(gui.ListSelection(9), 1);

    // The time column belongs to the row as well.
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, Row(2, 1));
    EXPECT_EQ(gui.ListSelection(9), 2);
    QueuedEvents();
}

TEST_F(QtListEventsTest, RightClicksReportOnReleaseAndOncePerDoubleClick) {
    QTest::mousePress(Viewport(), Qt::RightButton, {}, Row(0));
    EXPECT_EQ(QueuedControlEventTypes(9), Types{});
    QTest::mouseRelease(Viewport(), Qt::RightButton, {}, Row(0));
    EXPECT_EQ(QueuedControlEventTypes(9), Types{EventType::RightClick});

    QTest::mouseClick(Viewport(), Qt::RightButton, {}, Row(2));
    QTest::mouseDClick(Viewport(), Qt::RightButton, {}, Row(2));
    QTest::mouseRelease(Viewport(), Qt::RightButton, {}, Row(2));
    EXPECT_EQ(QueuedControlEventTypes(9),
              (Types{EventType::RightClick, EventType::RightDoubleClick}));
}

TEST_F(QtListEventsTest, PressBelowTheRowsClearsTheSelection) {
    gui.ListSelect(9, 1);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, QPoint(20, Viewport()->height() - 5));
    EXPECT_EQ(gui.ListSelection(9), -1);
    EXPECT_EQ(QueuedControlEventTypes(9), Types{EventType::LeftClick});
}

TEST_F(QtEventsTest, PictureControlReportsPressesReleasesAndDoubleClicks) {
    OpenShownWindow();
    Create(23, ControlKind::PictureBox, 0, 210, 478, 35, 16);
    QWidget* box = Widget(23);
    const struct {
        const char* name;
        Qt::MouseButton button;
        bool twice;
        Types expected;
    } cases[] = {
        {"left click", Qt::LeftButton, false, {EventType::LeftClick}},
        {"left double click",
         Qt::LeftButton,
         true,
         {EventType::LeftClick, EventType::LeftDoubleClick}},
        {"right click", Qt::RightButton, false, {EventType::RightClick}},
        {"right double click",
         Qt::RightButton,
         true,
         {EventType::RightClick, EventType::RightDoubleClick}},
        {"middle click", Qt::MiddleButton, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTest::mousePress(box, c.button);
        if (c.button == Qt::LeftButton) {
            EXPECT_EQ(QueuedControlEventTypes(23), Types{EventType::LeftClick});
        }
        QTest::mouseRelease(box, c.button);
        if (c.twice) {
            QTest::mouseDClick(box, c.button);
            QTest::mouseRelease(box, c.button);
        }
        Types all = c.button == Qt::LeftButton ? Types{EventType::LeftClick} : Types{};
        for (EventType t : QueuedControlEventTypes(23)) all.push_back(t);
        EXPECT_EQ(all, c.expected);
    }
}

TEST_F(QtEventsTest, CloseRequestIsReportedAndTheWindowStaysOpen) {
    OpenShownWindow(17);
    EXPECT_FALSE(Widget(17)->close());
    EXPECT_TRUE(Widget(17)->isVisible());
    const std::vector<gui::Event> events = QueuedEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::CloseRequest);
    EXPECT_EQ(events[0].window, 17);
}

struct DropOutcome {
    bool enterAccepted = false;
    std::vector<gui::Event> events;
};

class QtDropTest : public QtGuiFixture {
protected:
    // Drags the data over window 0 and drops it there, as the toolkit would.
    DropOutcome DropOnWindow(QMimeData& data, Qt::DropActions actions) {
        DropOutcome outcome;
        QWidget* target = Widget(0);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, actions, &data, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        outcome.enterAccepted = enter.isAccepted() && enter.dropAction() == Qt::LinkAction;
        QDropEvent drop(QPointF(at), actions, &data, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        outcome.events = QueuedEvents();
        return outcome;
    }
};

TEST_F(QtDropTest, ThreeDroppedFilesArriveAsOneEventInOrder) {
    OpenShownWindow();
    gui.AcceptFileDrops(0);
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/music/b.mp3")),
                   QUrl::fromLocalFile(QStringLiteral("/music/Песня.mp3")),
                   QUrl::fromLocalFile(QStringLiteral("/music/a.wav"))});
    const DropOutcome outcome = DropOnWindow(files, Qt::CopyAction | Qt::LinkAction);
    EXPECT_TRUE(outcome.enterAccepted);
    ASSERT_EQ(outcome.events.size(), 1u);
    EXPECT_EQ(outcome.events[0].kind, EventKind::FilesDropped);
    EXPECT_EQ(outcome.events[0].window, 0);
    EXPECT_EQ(outcome.events[0].paths,
              (std::vector<std::string>{"/music/b.mp3", "/music/Песня.mp3"_cp1251, "/music/a.wav"}));
}

TEST_F(QtDropTest, OnlyLocalFileListsOfferedForLinkingAreTaken) {
    OpenShownWindow();
    gui.AcceptFileDrops(0);
    QMimeData file, remote, mixed, plainText;
    file.setUrls({QUrl::fromLocalFile(QStringLiteral("/music/a.mp3"))});
    remote.setUrls({QUrl(QStringLiteral("http://127.0.0.1/a.mp3"))});
    mixed.setUrls({QUrl::fromLocalFile(QStringLiteral("/music/a.mp3")),
                   QUrl(QStringLiteral("http://127.0.0.1/b"))});
    plainText.setText(QStringLiteral("/music/a.mp3"));
    const struct {
        const char* name;
        QMimeData* data;
        Qt::DropActions actions;
    } refused[] = {{"copy only", &file, Qt::CopyAction | Qt::MoveAction},
                   {"remote URL", &remote, Qt::LinkAction},
                   {"local and remote", &mixed, Qt::LinkAction},
                   {"text", &plainText, Qt::CopyAction | Qt::LinkAction}};
    for (const auto& c : refused) {
        const DropOutcome outcome = DropOnWindow(*c.data, c.actions);
        EXPECT_FALSE(outcome.enterAccepted) << c.name;
        EXPECT_TRUE(outcome.events.empty()) << c.name;
    }
}

TEST_F(QtEventsTest, EachMouseMoveOverTheProgramIsOneEvent) {
    OpenShownWindow();
    Create(5, ControlKind::Container, 0, 5, 50, 380, 200);
    Create(23, ControlKind::PictureBox, 5, 10, 10, 35, 16);
    QueuedEvents();
    QWindow* window = Widget(0)->windowHandle();
    int moves = 0;
    for (const QPoint at : {QPoint(1, 1), QPoint(20, 65), QPoint(200, 150), QPoint(21, 66)}) {
        QTest::mouseMove(window, at);
        for (const gui::Event& e : QueuedEvents()) moves += e.kind == EventKind::MouseMove;
    }
    EXPECT_EQ(moves, 4);
    // With the button held the move is still one event.
    QTest::mousePress(Widget(23), Qt::LeftButton);
    QTest::mouseMove(Widget(23), QPoint(3, 3));
    moves = 0;
    for (const gui::Event& e : QueuedEvents()) moves += e.kind == EventKind::MouseMove;
    EXPECT_EQ(moves, 1);
    QTest::mouseRelease(Widget(23), Qt::LeftButton);
}

TEST_F(QtEventsTest, PointerQueriesUseScreenAndClientCoordinates) {
    OpenShownWindow();
    Create(5, ControlKind::Container, 0, 5, 50, 380, 200);
    Create(16, ControlKind::PictureBox, 5, 10, 20, 340, 2);
    const QPoint origin = Widget(0)->mapToGlobal(QPoint(0, 0));
    const gui::Rect seek = gui.ControlScreenRect(16);
    EXPECT_EQ(seek.left, origin.x() + 15);
    EXPECT_EQ(seek.top, origin.y() + 70);
    EXPECT_EQ(seek.right, seek.left + 340);
    EXPECT_EQ(seek.bottom, seek.top + 2);
    EXPECT_EQ(gui.ControlX(16), 10);

    QCursor::setPos(origin + QPoint(123, 45));
    EXPECT_EQ(gui.PointerOnScreen().x, origin.x() + 123);
    EXPECT_EQ(gui.PointerClientX(0), 123);
    QCursor::setPos(origin + QPoint(400, 45));
    EXPECT_EQ(gui.PointerClientX(0), -1);
    QCursor::setPos(origin + QPoint(10, -1));
    EXPECT_EQ(gui.PointerClientX(0), -1);
}

TEST_F(QtEventsTest, HandPointerLastsWhileEachMoveAsksForIt) {
    OpenShownWindow();
    QWindow* window = Widget(0)->windowHandle();
    QTest::mouseMove(window, QPoint(10, 10));
    ASSERT_EQ(gui.WaitEvent().kind, EventKind::MouseMove);
    gui.SetHandPointer();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);

    QTest::mouseMove(window, QPoint(11, 10));
    ASSERT_EQ(gui.WaitEvent().kind, EventKind::MouseMove);
    gui.SetHandPointer();  // still over the control
    QTest::mouseMove(window, QPoint(100, 100));
    ASSERT_EQ(gui.WaitEvent().kind, EventKind::MouseMove);
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    // No hand asked at that move: the next wait gives the widget's pointer back.
    QTest::mouseMove(window, QPoint(101, 100));
    gui.WaitEvent();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtEventsTest, LeftButtonHeldFollowsTheButton) {
    OpenShownWindow();
    Create(11, ControlKind::PictureBox, 0, 260, 477, 15, 16);
    EXPECT_FALSE(gui.LeftButtonHeld());
    QTest::mousePress(Widget(11), Qt::LeftButton);
    EXPECT_TRUE(gui.LeftButtonHeld());
    QTest::mouseRelease(Widget(11), Qt::LeftButton);
    EXPECT_FALSE(gui.LeftButtonHeld());
}

TEST_F(QtEventsTest, TimerRunsItsHandlerAndTurnsTheLoop) {
    CountTicks();
    for (int turn = 0; turn < 3; ++turn) EXPECT_EQ(gui.WaitEvent().kind, EventKind::Other);
    EXPECT_GE(ticks_, 3);
}

TEST_F(QtEventsTest, WorkFromAnotherThreadRunsOnTheGuiThreadBeforeTheCallReturns) {
    OpenShownWindow();
    Create(18, ControlKind::Label, 0, 10, 10, 340, 15);
    gui.StartTimer(5, [] {});
    const std::thread::id guiThread = std::this_thread::get_id();
    std::atomic<bool> done{false};
    bool ranOnGuiThread = true;
    int applied = 0;
    std::vector<int> appliedWhenReturned;
    std::thread worker([&] {
        for (int i = 1; i <= 3; ++i) {
            gui.RunOnGuiThread([&, i] {
                ranOnGuiThread = ranOnGuiThread && std::this_thread::get_id() == guiThread;
                gui.SetControlText(18, std::string("Получено байт : "_cp1251) + std::to_string(i));
                applied = i;
            });
            appliedWhenReturned.push_back(applied);
        }
        done = true;
    });
    while (!done) gui.WaitEvent();
    worker.join();
    EXPECT_TRUE(ranOnGuiThread);
    EXPECT_EQ(appliedWhenReturned, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(gui.ControlText(18), std::string("Получено байт : 3"_cp1251));

    // From the GUI thread itself the change runs at once.
    gui.RunOnGuiThread([&] { gui.SetControlText(18, "here"); });
    EXPECT_EQ(gui.ControlText(18), "here");
}

}  // namespace
