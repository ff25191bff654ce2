// An in-memory Gui for tests: it keeps windows, controls, list rows and
// pictures, replays scripted events and pointer states, and logs what the
// program created, in order.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/gui/Gui.h"

class ScriptedGui : public gui::Gui {
public:
    struct Window {
        int width = 0, height = 0;
        std::string title;
        bool minimiseBox = false;
        bool visible = false;
        bool acceptsDrops = false;
        gui::Rgb colour;
        int backgroundPicture = -1;
    };
    struct Column {
        std::string header;
        int width = 0;
    };
    struct Row {
        std::string column0, column1;
    };
    struct Control {
        gui::ControlSpec spec;
        int width = 0, height = 0;  // current size: picture boxes take their picture's
        std::string text;
        std::string tooltip;
        gui::Rgb textColour, backgroundColour, gridColour;
        std::vector<Column> columns;
        std::vector<Row> rows;
        int selection = -1;
        int progressLow = 0, progressHigh = 100, progressPosition = 0;
        int pictureNumber = -1;
        gui::Picture shown;  // the picture as it was when set
    };
    struct TextDrawn {
        int picture, font, x, y;
        std::string text;
        gui::Rgb colour, background;
    };

    // Screen position of every window's client area in this fake screen.
    static constexpr gui::Point kClientOrigin{100, 50};

    // Script.
    void PushEvent(gui::Event event) { events_.push_back(std::move(event)); }
    void PushControlEvent(int control, gui::EventType type, int window = 0);
    void PushTimerTick();  // runs the timer handler, then returns an Other event
    void SetPointer(gui::Point screen) { pointer_ = screen; }
    void SetPointerInClient(int x, int y) { pointer_ = {kClientOrigin.x + x, kClientOrigin.y + y}; }
    void ScriptLeftButton(std::vector<bool> answers) { leftButtonAnswers_ = std::move(answers); }
    void SetFileDialogAnswer(std::string path) { fileDialogAnswer_ = std::move(path); }
    void SetFileDialogAction(std::function<void()> whileOpen) { whileDialogOpen_ = std::move(whileOpen); }
    void RunTimer() { if (timer_) timer_(); }

    // Inspection.
    const std::vector<std::string>& log() const { return log_; }
    Window& window(int number) { return windows_[number]; }
    Control& control(int number) { return controls_[number]; }
    bool hasControl(int number) const { return controls_.count(number) != 0; }
    gui::Picture& picture(int number) { return pictures_[number]; }
    const std::vector<TextDrawn>& textsDrawn() const { return textsDrawn_; }
    int handPointerCount() const { return handPointerCount_; }
    int leftButtonQueries() const { return leftButtonQueries_; }
    int timerPeriod() const { return timerPeriod_; }
    const std::vector<std::string>& warnings() const { return warnings_; }
    int fileDialogCount() const { return static_cast<int>(fileDialogFilters_.size()); }
    const std::vector<std::string>& fileDialogFilters() const { return fileDialogFilters_; }
    std::vector<std::string> ListRows(int control);  // column 0 texts

    // gui::Gui
    bool OpenWindow(int window, int clientWidth, int clientHeight, const std::string& title,
                    bool minimiseBox) override;
    void SetWindowColour(int window, gui::Rgb colour) override;
    void SetWindowBackground(int window, int picture) override;
    void SetWindowTitle(int window, const std::string& title) override;
    void ShowWindow(int window, bool visible) override;
    void AcceptFileDrops(int window) override;
    void CreateControl(const gui::ControlSpec& spec) override;
    void SetTextColours(int control, gui::Rgb text, gui::Rgb background) override;
    void SetTooltip(int control, const std::string& text) override;
    std::string ControlText(int control) override;
    void SetControlText(int control, const std::string& text) override;
    void SetListColours(int control, gui::Rgb background, gui::Rgb text, gui::Rgb grid) override;
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
    gui::Picture& PictureBuffer(int picture) override;
    void CreateFont(int font, const std::string& family, int points) override;
    void DrawText(int picture, int font, int x, int y, const std::string& text, gui::Rgb colour,
                  gui::Rgb background) override;
    void SetControlPicture(int control, int picture) override;
    gui::Point PointerOnScreen() override { return pointer_; }
    gui::Rect ControlScreenRect(int control) override;
    int PointerClientX(int window) override;
    int ControlX(int control) override;
    void SetHandPointer() override { ++handPointerCount_; }
    bool LeftButtonHeld() override;
    gui::Event WaitEvent() override;
    void StartTimer(int milliseconds, std::function<void()> handler) override;
    void RunOnGuiThread(std::function<void()> change) override;
    void ShowWarning(const std::string& caption, const std::string& text) override;
    std::string OpenFileDialog(const std::string& filter) override;

private:
    gui::Point ClientOrigin(int number);  // of a window, or of a control's client area

    std::map<int, Window> windows_;
    std::map<int, Control> controls_;
    std::map<int, gui::Picture> pictures_;
    std::vector<TextDrawn> textsDrawn_;
    std::vector<std::string> log_;
    std::deque<gui::Event> events_;
    std::function<void()> timer_;
    int timerPeriod_ = 0;
    gui::Point pointer_{-1000, -1000};
    std::vector<bool> leftButtonAnswers_;
    int leftButtonQueries_ = 0;
    int handPointerCount_ = 0;
    std::string fileDialogAnswer_;
    std::function<void()> whileDialogOpen_;
    std::vector<std::string> fileDialogFilters_;
    std::vector<std::string> warnings_;
    std::mutex guiThread_;
};
