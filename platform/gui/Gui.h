// The toolkit as the program sees it: windows, controls, pictures and fonts
// addressed by small fixed numbers, texts in Windows-1251. Implemented on Qt
// for the real program and in memory for tests; the program includes only this.
//
// Threads: every call comes from the GUI thread, except RunOnGuiThread, which a
// worker thread calls to have a change carried out there.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/gui/Picture.h"

namespace gui {

struct Point {
    int x = 0, y = 0;
};

// Screen rectangle: contains its left and top edges, excludes right and bottom.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

enum class ControlKind {
    Container,    // borderless
    TabPanel,     // a tab panel whose tab strip shows above its page
    TabPage,      // the one page of a TabPanel (its parent); the page is the parent of its controls
    TextInput,    // single line with a sunken border
    Button,       // push button
    List,         // report view with column headers, single selection, grid lines
    PictureBox,   // shows a picture with transparency and takes its size
    Label,        // static text
    ProgressBar,  // smooth
};

struct ControlSpec {
    int number = 0;
    ControlKind kind = ControlKind::Container;
    int parent = 0;  // a window or control number
    int x = 0, y = 0, width = 0, height = 0;
    std::string text;
};

enum class EventKind {
    None = 0,
    ControlEvent,  // a control reports input: control, window and type are set
    FilesDropped,  // paths are set
    CloseRequest,  // window is set; the window is not closed by this
    MouseMove,     // over any window or control of the program
    Other,         // every other turn of the loop, the display timer among them
};

enum class EventType {
    None = 0,
    Click,             // buttons
    LeftClick,         // a press; for a double click the first press only
    RightClick,        // on release
    LeftDoubleClick,
    RightDoubleClick,
};

struct Event {
    EventKind kind = EventKind::None;
    int control = 0;
    int window = 0;
    EventType type = EventType::None;
    std::vector<std::string> paths;  // Windows-1251
};

class Gui {
public:
    virtual ~Gui() = default;

    // Windows: sized by their client area, centred, fixed size, created hidden.
    virtual bool OpenWindow(int window, int clientWidth, int clientHeight, const std::string& title,
                            bool minimiseBox) = 0;
    virtual void SetWindowColour(int window, Rgb colour) = 0;
    virtual void SetWindowBackground(int window, int picture) = 0;  // tiled from the top-left
    virtual void SetWindowTitle(int window, const std::string& title) = 0;
    virtual void ShowWindow(int window, bool visible) = 0;
    virtual void AcceptFileDrops(int window) = 0;  // file lists only, link action only

    // Controls, created once at start-up.
    virtual void CreateControl(const ControlSpec& spec) = 0;
    virtual void SetTextColours(int control, Rgb text, Rgb background) = 0;
    virtual void SetTooltip(int control, const std::string& text) = 0;
    virtual std::string ControlText(int control) = 0;
    virtual void SetControlText(int control, const std::string& text) = 0;

    // The list. A row's text gives column 0 before a line feed, column 1 after it.
    virtual void SetListColours(int control, Rgb background, Rgb text, Rgb grid) = 0;
    virtual void InsertListColumn(int control, int index, const std::string& header, int width) = 0;
    virtual void ListClear(int control) = 0;
    virtual void ListAppend(int control, const std::string& rowText) = 0;
    virtual int ListRowCount(int control) = 0;
    virtual std::string ListRowText(int control, int row) = 0;  // column 0; empty for no row
    virtual int ListSelection(int control) = 0;                 // -1 for none
    // A row that does not exist leaves none selected; a selected row is scrolled into view.
    virtual void ListSelect(int control, int row) = 0;

    // Progress bars.
    virtual void SetProgressRange(int control, int low, int high) = 0;
    virtual void SetProgressPosition(int control, int position) = 0;

    // Pictures and fonts.
    virtual void CreatePicture(int picture, int width, int height) = 0;  // opaque black
    virtual bool LoadPicture(int picture, const std::vector<unsigned char>& png) = 0;
    virtual Picture& PictureBuffer(int picture) = 0;
    virtual void CreateFont(int font, const std::string& family, int points) = 0;
    // Draws text at (x, y) of the picture in the font, on a solid background.
    virtual void DrawText(int picture, int font, int x, int y, const std::string& text,
                          Rgb colour, Rgb background) = 0;
    // The control shows the picture as it is now and takes its size.
    virtual void SetControlPicture(int control, int picture) = 0;

    // Pointer and geometry.
    virtual Point PointerOnScreen() = 0;
    virtual Rect ControlScreenRect(int control) = 0;
    virtual int PointerClientX(int window) = 0;  // -1 when the pointer is outside the client area
    virtual int ControlX(int control) = 0;       // within its parent
    virtual void SetHandPointer() = 0;
    virtual bool LeftButtonHeld() = 0;  // the button itself, not a queued event

    // The loop: blocks until the next event (no polling). Timer handlers and
    // RunOnGuiThread work run inside the wait and inside modal dialogs.
    virtual Event WaitEvent() = 0;
    virtual void StartTimer(int milliseconds, std::function<void()> handler) = 0;
    virtual void RunOnGuiThread(std::function<void()> change) = 0;  // waits until applied

    // Modal dialogs.
    virtual void ShowWarning(const std::string& caption, const std::string& text) = 0;
    // Returns the chosen path, or empty when cancelled. filter: "description|pattern".
    virtual std::string OpenFileDialog(const std::string& filter) = 0;
};

}  // namespace gui
