// The modal dialogs of the Qt layer, driven from inside their own event loops.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "platform/text/Cp1251.h"
#include "tests/platform/gui/QtGuiFixture.h"
#include "tests/support/ScratchFolder.h"

using text::operator""_cp1251;

namespace {

using QtDialogsTest = QtGuiFixture;

// Calls step with the open modal dialog every few milliseconds until step says it is done.
template <typename Dialog, typename Step>
void WhileModal(Step step) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step]() mutable {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        poll->stop();  // a step may open a nested modal loop of its own
        if (step(*dialog))
            poll->deleteLater();
        else
            poll->start();
    });
    poll->start(5);
}

TEST_F(QtDialogsTest, TimerTicksRunInsideTheWarningBox) {
    CountTicks();
    QString title, message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    WhileModal<QMessageBox>([&](QMessageBox& box) {
        if (ticks_ < 5) return false;
        title = box.windowTitle();
        message = box.text();
        icon = box.icon();
        buttons = box.standardButtons();
        box.accept();
        return true;
    });
    gui.ShowWarning("", "Программа занята!"_cp1251);
    EXPECT_GE(ticks_, 5);
    EXPECT_EQ(title, QString());
    EXPECT_EQ(message, QStringLiteral("Программа занята!"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::Ok);
}

class QtFileDialogTest : public QtGuiFixture {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_ / "Музыка");
        std::ofstream(folder_ / "Музыка" / "song") << "x";
    }
    QString InFolder(const std::string& name) const {
        return QString::fromStdString((folder_ / name).string());
    }

    ScratchFolder scratch_{"melovia-dialog"};
    const std::filesystem::path folder_ = scratch_.path();
};

TEST_F(QtFileDialogTest, ChoosesAnyNameInAnExistingFolderAndLeavesTheCurrentDirectory) {
    const std::filesystem::path before = std::filesystem::current_path();
    CountTicks();
    QString title;
    QStringList filters;
    WhileModal<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        filters = dialog.nameFilters();
        dialog.selectFile(InFolder("Музыка/not yet there.mp3"));
        QMetaObject::invokeMethod(&dialog, "accept");  // as the Open button does
        return true;
    });
    EXPECT_EQ(gui.OpenFileDialog("*.*|*.*"),
              text::Cp1251FromPath(folder_ / "Музыка" / "not yet there.mp3"));
    EXPECT_GT(ticks_, 0);
    EXPECT_EQ(title, QString());
    EXPECT_EQ(filters,
              QStringList{QStringLiteral("*.* (*)")});  // every file, with or without a dot
    EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST_F(QtFileDialogTest, RefusesAMissingFolderAndGivesNothingOnCancel) {
    bool refused = false;
    WhileModal<QFileDialog>([&](QFileDialog& dialog) {
        // The dialog says why it stays open; close that note, then cancel.
        WhileModal<QMessageBox>([&](QMessageBox& note) {
            refused = note.icon() == QMessageBox::Warning;
            note.accept();
            WhileModal<QFileDialog>([](QFileDialog& stillOpen) {
                stillOpen.reject();
                return true;
            });
            return true;
        });
        dialog.selectFile(InFolder("missing/song.mp3"));
        QMetaObject::invokeMethod(&dialog, "accept");  // as the Open button does
        return true;
    });
    EXPECT_EQ(gui.OpenFileDialog("*.*|*.*"), "");
    EXPECT_TRUE(refused);
}

}  // namespace
