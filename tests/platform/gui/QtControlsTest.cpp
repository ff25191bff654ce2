// Windows, controls, the list and pictures of the Qt layer.
#include <QFontInfo>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>

#include <cmath>

#include "platform/text/Cp1251.h"
#include "tests/platform/gui/QtGuiFixture.h"

using gui::ControlKind;
using gui::EventType;
using text::operator""_cp1251;

namespace {

using QtControlsTest = QtGuiFixture;

TEST_F(QtControlsTest, WindowHasItsClientSizeFixedAndStartsHidden) {
    ASSERT_TRUE(gui.OpenWindow(17, 370, 130, "Скачать файл ?"_cp1251, false));
    QWidget* window = Widget(17);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(370, 130));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Скачать файл ?"));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window->geometry().center(), window->screen()->availableGeometry().center());
    // Window and control numbers share one space.
    EXPECT_FALSE(gui.OpenWindow(17, 100, 100, "again", false));
    Create(17, ControlKind::Button, 17, 0, 0, 10, 10);
    EXPECT_EQ(Widget(17), window);
}

TEST_F(QtControlsTest, WindowsCarryTheApplicationIconInItsFourSizes) {
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (const int side : {16, 32, 48, 256}) EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
}

TEST_F(QtControlsTest, ControlsTakeTheirGeometryAndTexts) {
    OpenShownWindow();
    Create(4, ControlKind::Container, 0, -2, 5, 420, 40);
    Create(2, ControlKind::TabPanel, 4, 0, -23, 420, 63);
    Create(3, ControlKind::TabPage, 2, 0, 0, 420, 63);
    Create(7, ControlKind::TextInput, 3, 15, 8, 190, 20, "Depeche Mode Remix");
    Create(8, ControlKind::Button, 3, 215, 8, 50, 20, "Поиск"_cp1251);
    Create(18, ControlKind::Label, 0, 10, 10, 340, 15, "Размер файла : "_cp1251);
    EXPECT_EQ(Widget(7)->geometry(), QRect(15, 8, 190, 20));
    EXPECT_EQ(Widget(8)->geometry(), QRect(215, 8, 50, 20));
    EXPECT_EQ(gui.ControlText(8), std::string("Поиск"_cp1251));
    EXPECT_EQ(gui.ControlText(18), std::string("Размер файла : "_cp1251));
    gui.SetControlText(7, "Песня"_cp1251);
    EXPECT_EQ(gui.ControlText(7), std::string("Песня"_cp1251));
    EXPECT_EQ(static_cast<QLineEdit*>(Widget(7))->text(), QStringLiteral("Песня"));

    // The container cuts the tab strip off; the page starts at its top edge.
    auto* panel = static_cast<QTabWidget*>(Widget(2));
    const QRect strip(panel->tabBar()->mapTo(Widget(4), QPoint(0, 0)), panel->tabBar()->size());
    EXPECT_LE(strip.bottom(), 0);
    EXPECT_EQ(Widget(3)->mapTo(Widget(4), QPoint(0, 0)).y(), 0);
    EXPECT_EQ(panel->tabText(0), QString());

    gui.SetTextColours(7, {137, 127, 98}, {51, 51, 51});
    EXPECT_EQ(Widget(7)->palette().color(QPalette::Text), QColor(137, 127, 98));
    EXPECT_EQ(Widget(7)->palette().color(QPalette::Base), QColor(51, 51, 51));
}

TEST_F(QtControlsTest, EnterInTheTextInputGivesNoEvent) {
    OpenShownWindow();
    Create(7, ControlKind::TextInput, 0, 15, 8, 190, 20, "query");
    Create(8, ControlKind::Button, 0, 215, 8, 50, 20, "Go");
    Widget(7)->setFocus();
    QTest::keyClick(Widget(7), Qt::Key_Return);
    QTest::keyClick(Widget(7), Qt::Key_Enter);
    for (const gui::Event& e : QueuedEvents()) EXPECT_NE(e.kind, gui::EventKind::ControlEvent);
}

TEST_F(QtControlsTest, PictureControlTakesTheSizeOfEachPictureSetIntoIt) {
    OpenShownWindow();
    Create(23, ControlKind::PictureBox, 0, 210, 478, 70, 20);
    EXPECT_EQ(Widget(23)->size(), QSize(70, 20));
    gui.CreatePicture(5, 35, 16);
    gui.SetControlPicture(23, 5);
    EXPECT_EQ(Widget(23)->geometry(), QRect(210, 478, 35, 16));
    gui.CreatePicture(6, 117, 16);
    gui.SetControlPicture(23, 6);
    EXPECT_EQ(Widget(23)->size(), QSize(117, 16));

    // The control shows the picture as it was when set, until it is set again.
    gui.PictureBuffer(6).FillRectangle(0, 0, 117, 16, {200, 10, 10});
    const QImage shown = static_cast<gui::qt::PictureWidget*>(Widget(23))->image();
    EXPECT_EQ(shown.pixelColor(3, 3), QColor(0, 0, 0));
    gui.SetControlPicture(23, 6);
    EXPECT_EQ(static_cast<gui::qt::PictureWidget*>(Widget(23))->image().pixelColor(3, 3),
              QColor(200, 10, 10));
}

TEST_F(QtControlsTest, ListRowsSplitAtTheFirstLineFeed) {
    OpenShownWindow();
    Create(9, ControlKind::List, 0, 0, 0, 380, 300);
    gui.InsertListColumn(9, 0, "  Время"_cp1251, 50);
    gui.InsertListColumn(9, 0, "      Результат поиска"_cp1251, 300);
    auto* table = static_cast<QTableWidget*>(Widget(9));
    ASSERT_EQ(table->columnCount(), 2);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("      Результат поиска"));
    EXPECT_EQ(table->columnWidth(0), 300);
    EXPECT_EQ(table->columnWidth(1), 50);

    const struct {
        std::string row, column0, column1;
    } rows[] = {
        {"0. Title\n3:45", "0. Title", "3:45"},
        {"no feed", "no feed", ""},
        {"\nonly time", "", "only time"},
        {"a\nb\nc", "a", "b\nc"},
        {"Северный ветер - Дорога домой\n4:46"_cp1251, "Северный ветер - Дорога домой"_cp1251, "4:46"},
    };
    for (const auto& r : rows) gui.ListAppend(9, r.row);
    ASSERT_EQ(gui.ListRowCount(9), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(gui.ListRowText(9, i), rows[i].column0);
        EXPECT_EQ(text::Cp1251FromUtf8(table->item(i, 1)->text().toStdString()), rows[i].column1);
    }
    EXPECT_EQ(gui.ListRowText(9, 5), "");
    EXPECT_EQ(gui.ListRowText(9, -1), "");
}

TEST_F(QtControlsTest, ListSelectionOfAMissingRowLeavesNoneSelected) {
    OpenShownWindow();
    Create(9, ControlKind::List, 0, 0, 0, 380, 100);
    gui.InsertListColumn(9, 0, "name", 300);
    EXPECT_EQ(gui.ListSelection(9), -1);
    for (int i = 0; i < 40; ++i) gui.ListAppend(9, "row " + std::to_string(i));
    auto* table = static_cast<QTableWidget*>(Widget(9));

    gui.ListSelect(9, 35);
    EXPECT_EQ(gui.ListSelection(9), 35);
    EXPECT_TRUE(table->viewport()->rect().intersects(table->visualItemRect(table->item(35, 0))));
    gui.ListSelect(9, 2);
    EXPECT_EQ(gui.ListSelection(9), 2);
    EXPECT_EQ(table->selectedItems().size(), 1);
    for (const int missing : {40, 1000, -1}) {
        gui.ListSelect(9, 2);
        gui.ListSelect(9, missing);
        EXPECT_EQ(gui.ListSelection(9), -1) << missing;
    }
    gui.ListSelect(9, 3);
    gui.ListClear(9);
    EXPECT_EQ(gui.ListRowCount(9), 0);
    EXPECT_EQ(gui.ListSelection(9), -1);
}

TEST_F(QtControlsTest, LoadPictureDecodesPngAndRefusesOtherData) {
    const std::vector<unsigned char> notPng = {'G', 'I', 'F', '8', '9', 'a'};
    EXPECT_FALSE(gui.LoadPicture(12, notPng));
    EXPECT_TRUE(gui.PictureBuffer(12).empty());
    gui.CreatePicture(11, 3, 2);
    EXPECT_EQ(gui.PictureBuffer(11).At(2, 1), (gui::Rgba{0, 0, 0, 255}));
    // An unknown picture is an empty one, safe to draw on.
    gui.PictureBuffer(99).FillRectangle(0, 0, 10, 10, {1, 2, 3});
    EXPECT_TRUE(gui.PictureBuffer(99).empty());
}

TEST_F(QtControlsTest, ArialTextIsDrawnInItsColourOnItsBackground) {
    gui.CreateFont(27, "Arial", 8);
    gui.CreatePicture(24, 60, 15);
    gui::Picture& picture = gui.PictureBuffer(24);
    picture.FillRectangle(0, 0, 60, 15, {200, 0, 0});
    gui.DrawText(24, 27, 0, 0, "0:00", {127, 127, 127}, {16, 16, 16});

    int textPixels = 0, backgroundPixels = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 60; ++x) {
            const gui::Rgba p = picture.At(x, y);
            EXPECT_EQ(p.a, 255);
            textPixels += p == gui::Rgba{127, 127, 127, 255};
            backgroundPixels += p == gui::Rgba{16, 16, 16, 255};
        }
    EXPECT_GT(textPixels, 5);
    EXPECT_GT(backgroundPixels, 20);
    // Only the text's cell is filled: the far right stays as it was.
    EXPECT_EQ(picture.At(59, 7), (gui::Rgba{200, 0, 0, 255}));

    // The font behind "Arial" is Liberation Sans, sized for the screen's resolution.
    QFont arial(QStringLiteral("Arial"));
    const int expectedPixels = static_cast<int>(
        std::lround(8 * QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 72));
    arial.setPixelSize(expectedPixels);
    EXPECT_EQ(QFontInfo(arial).family(), QStringLiteral("Liberation Sans"));
}

}  // namespace
