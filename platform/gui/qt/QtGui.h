// gui::Gui on Qt 6 Widgets. Internal to the layer and its tests; the program
// creates it through QtGuiFactory.h. GUI thread only, except RunOnGuiThread.
#pragma once

#include <QApplication>
#include <QFont>
#include <QPointer>
#include <QTimer>

#include <map>
#include <memory>

#include "platform/gui/Gui.h"
#include "platform/gui/qt/EventQueue.h"
#include "platform/gui/qt/QtEnvironment.h"
#include "platform/gui/qt/QtWidgets.h"

namespace gui::qt {

class MouseMoveFilter;

class QtGui final : public Gui {
public:
    QtGui(int& argc, char** argv);
    ~QtGui() override;
    QtGui(const QtGui&) = delete;
    QtGui& operator=(const QtGui&) = delete;

    bool OpenWindow(int window, int clientWidth, int clientHeight, const std::string& title,
                    bool minimiseBox) override;
    void SetWindowColour(int window, Rgb colour) override;
    void SetWindowBackground(int window, int picture) override;
    void SetWindowTitle(int window, const std::string& title) override;
    void ShowWindow(int window, bool visible) override;
    void AcceptFileDrops(int window) override;

    void CreateControl(const ControlSpec& spec) override;
    void SetTextColours(int control, Rgb text, Rgb background) override;
    void SetTooltip(int control, const std::string& text) override;
    std::string ControlText(int control) override;
    void SetControlText(int control, const std::string& text) override;

    void SetListColours(int control, Rgb background, Rgb text, Rgb grid) override;
    void InsertListColumn(int control, int index, const std::string& header, int width) override;
    void ListClear(int control) override;
    void ListAppend(int control, const std::string& rowText) override;
    int ListRowCount(int control) override;
    std::string ListRowText(int control, int row) override;
    int ListSelection(int control) override;
    void ListSelect(int control, int row) override;

    void SetProgressRange(int control, int low, int high) override;
    void SetProgressPosition(int control, int position) override;

    void CreatePicture(int picture, int width, int height) override;
    bool LoadPicture(int picture, const std::vector<unsigned char>& png) override;
    Picture& PictureBuffer(int picture) override;
    void CreateFont(int font, const std::string& family, int points) override;
    void DrawText(int picture, int font, int x, int y, const std::string& text, Rgb colour,
                  Rgb background) override;
    void SetControlPicture(int control, int picture) override;

    Point PointerOnScreen() override;
    Rect ControlScreenRect(int control) override;
    int PointerClientX(int window) override;
    int ControlX(int control) override;
    void SetHandPointer() override;
    bool LeftButtonHeld() override;

    Event WaitEvent() override;
    void StartTimer(int milliseconds, std::function<void()> handler) override;
    void RunOnGuiThread(std::function<void()> change) override;

    void ShowWarning(const std::string& caption, const std::string& text) override;
    std::string OpenFileDialog(const std::string& filter) override;

    // For tests and tools: the widget of a window or control number, or null;
    // whether WaitEvent would return at once.
    QWidget* WidgetOf(int number) const;
    bool HasQueuedEvent() const { return !queue_.Empty(); }
    // Queues one MouseMove for a move over one of our windows; the toolkit
    // hands the filter copies of each move (window, widget, parents), counted once.
    void NoteMouseMove(QObject* receiver, const QMouseEvent& move);

private:
    WindowWidget* Window(int number) const;
    template <typename W>
    W* ControlAs(int number) const {
        return dynamic_cast<W*>(WidgetOf(number));
    }
    bool IsOurs(const QWidget* widget) const;
    void AddControl(int number, QWidget* widget, int window);

    // Declaration order is destruction order in reverse: widgets and the timer
    // go before the application object, the environment after it.
    QtEnvironment environment_;
    std::unique_ptr<QApplication> application_;
    EventQueue queue_;
    std::map<int, std::unique_ptr<WindowWidget>> windows_;
    std::map<int, QPointer<QWidget>> controls_;  // owned by their parents
    std::map<int, int> controlWindow_;           // control number -> window number
    std::map<int, Picture> pictures_;
    std::map<int, QFont> fonts_;
    std::unique_ptr<QTimer> timer_;
    std::function<void()> timerHandler_;
    std::unique_ptr<MouseMoveFilter> mouseMoveFilter_;
    qint64 lastMoveTimestamp_ = -1;
    QPointF lastMovePosition_;
    bool handShown_ = false;          // our override cursor is up
    bool handAskedThisTurn_ = false;  // SetHandPointer since the last WaitEvent
    EventKind lastEventKind_ = EventKind::None;
};

}  // namespace gui::qt
