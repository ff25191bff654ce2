#include "tests/support/ScriptedGui.h"

namespace {
constexpr int kTimerTickMarker = -12345;
}

void ScriptedGui::PushControlEvent(int control, gui::EventType type, int window) {
    gui::Event event;
    event.kind = gui::EventKind::ControlEvent;
    event.control = control;
    event.window = window;
    event.type = type;
    PushEvent(event);
}

void ScriptedGui::PushTimerTick() {
    gui::Event event;
    event.kind = gui::EventKind::Other;
    event.control = kTimerTickMarker;
    PushEvent(event);
}

std::vector<std::string> ScriptedGui::ListRows(int control) {
    std::vector<std::string> rows;
    for (const Row& row : controls_[control].rows) rows.push_back(row.column0);
    return rows;
}

bool ScriptedGui::OpenWindow(int window, int clientWidth, int clientHeight,
                             const std::string& title, bool minimiseBox) {
    log_.push_back("OpenWindow " + std::to_string(window));
    Window& w = windows_[window];
    w.width = clientWidth;
    w.height = clientHeight;
    w.title = title;
    w.minimiseBox = minimiseBox;
    return true;
}

void ScriptedGui::SetWindowColour(int window, gui::Rgb colour) { windows_[window].colour = colour; }

void ScriptedGui::SetWindowBackground(int window, int picture) {
    windows_[window].backgroundPicture = picture;
}

void ScriptedGui::SetWindowTitle(int window, const std::string& title) {
    windows_[window].title = title;
}

void ScriptedGui::ShowWindow(int window, bool visible) {
    log_.push_back((visible ? "ShowWindow " : "HideWindow ") + std::to_string(window));
    windows_[window].visible = visible;
}

void ScriptedGui::AcceptFileDrops(int window) {
    log_.push_back("AcceptFileDrops " + std::to_string(window));
    windows_[window].acceptsDrops = true;
}

void ScriptedGui::CreateControl(const gui::ControlSpec& spec) {
    log_.push_back("CreateControl " + std::to_string(spec.number));
    Control& c = controls_[spec.number];
    c.spec = spec;
    c.width = spec.width;
    c.height = spec.height;
    c.text = spec.text;
}

void ScriptedGui::SetTextColours(int control, gui::Rgb text, gui::Rgb background) {
    controls_[control].textColour = text;
    controls_[control].backgroundColour = background;
}

void ScriptedGui::SetTooltip(int control, const std::string& text) {
    log_.push_back("SetTooltip " + std::to_string(control));
    controls_[control].tooltip = text;
}

std::string ScriptedGui::ControlText(int control) { return controls_[control].text; }

void ScriptedGui::SetControlText(int control, const std::string& text) {
    controls_[control].text = text;
}

void ScriptedGui::SetListColours(int control, gui::Rgb background, gui::Rgb text, gui::Rgb grid) {
    Control& c = controls_[control];
    c.backgroundColour = background;
    c.textColour = text;
    c.gridColour = grid;
}

void ScriptedGui::InsertListColumn(int control, int index, const std::string& header, int width) {
    auto& columns = controls_[control].columns;
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(std::max(index, 0)), columns.size());
    columns.insert(columns.begin() + static_cast<std::ptrdiff_t>(at), Column{header, width});
}

void ScriptedGui::ListClear(int control) {
    controls_[control].rows.clear();
    controls_[control].selection = -1;
}

void ScriptedGui::ListAppend(int control, const std::string& rowText) {
    const auto lineFeed = rowText.find('\n');
    Row row;
    row.column0 = rowText.substr(0, lineFeed);
    if (lineFeed != std::string::npos) row.column1 = rowText.substr(lineFeed + 1);
    controls_[control].rows.push_back(row);
}

int ScriptedGui::ListRowCount(int control) {
    return static_cast<int>(controls_[control].rows.size());
}

std::string ScriptedGui::ListRowText(int control, int row) {
    const auto& rows = controls_[control].rows;
    if (row < 0 || row >= static_cast<int>(rows.size())) return {};
    return rows[static_cast<std::size_t>(row)].column0;
}

int ScriptedGui::ListSelection(int control) { return controls_[control].selection; }

void ScriptedGui::ListSelect(int control, int row) {
    Control& c = controls_[control];
    c.selection = row >= 0 && row < static_cast<int>(c.rows.size()) ? row : -1;
}

void ScriptedGui::SetProgressRange(int control, int low, int high) {
    controls_[control].progressLow = low;
    controls_[control].progressHigh = high;
}

void ScriptedGui::SetProgressPosition(int control, int position) {
    controls_[control].progressPosition = position;
}

void ScriptedGui::CreatePicture(int picture, int width, int height) {
    log_.push_back("CreatePicture " + std::to_string(picture));
    pictures_[picture] = gui::Picture(width, height);
}

bool ScriptedGui::LoadPicture(int picture, const std::vector<unsigned char>& png) {
    log_.push_back("LoadPicture " + std::to_string(picture));
    // No decoding here: the size from the PNG header is all the program's logic needs.
    if (png.size() < 24) return false;
    const auto be32 = [&](std::size_t at) {
        return static_cast<int>((png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3]);
    };
    gui::Picture p(be32(16), be32(20));
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) p.Set(x, y, {0, 0, 0, 0});
    pictures_[picture] = p;
    return true;
}

gui::Picture& ScriptedGui::PictureBuffer(int picture) { return pictures_[picture]; }

void ScriptedGui::CreateFont(int font, const std::string& family, int points) {
    log_.push_back("CreateFont " + std::to_string(font) + " " + family + " " + std::to_string(points));
}

void ScriptedGui::DrawText(int picture, int font, int x, int y, const std::string& text,
                           gui::Rgb colour, gui::Rgb background) {
    textsDrawn_.push_back({picture, font, x, y, text, colour, background});
}

void ScriptedGui::SetControlPicture(int control, int picture) {
    Control& c = controls_[control];
    c.pictureNumber = picture;
    c.shown = pictures_[picture];
    c.width = c.shown.width();
    c.height = c.shown.height();
}

gui::Point ScriptedGui::ClientOrigin(int number) {
    const auto found = controls_.find(number);
    if (found == controls_.end()) return kClientOrigin;  // a window
    const gui::Point parent = ClientOrigin(found->second.spec.parent);
    return {parent.x + found->second.spec.x, parent.y + found->second.spec.y};
}

gui::Rect ScriptedGui::ControlScreenRect(int control) {
    const gui::Point origin = ClientOrigin(control);
    const Control& c = controls_[control];
    return {origin.x, origin.y, origin.x + c.width, origin.y + c.height};
}

int ScriptedGui::PointerClientX(int window) {
    const Window& w = windows_[window];
    const int x = pointer_.x - kClientOrigin.x;
    const int y = pointer_.y - kClientOrigin.y;
    return x >= 0 && x < w.width && y >= 0 && y < w.height ? x : -1;
}

int ScriptedGui::ControlX(int control) { return controls_[control].spec.x; }

bool ScriptedGui::LeftButtonHeld() {
    const auto index = static_cast<std::size_t>(leftButtonQueries_++);
    return index < leftButtonAnswers_.size() && leftButtonAnswers_[index];
}

gui::Event ScriptedGui::WaitEvent() {
    if (events_.empty()) {  // the script is over: close the main window
        gui::Event close;
        close.kind = gui::EventKind::CloseRequest;
        close.window = 0;
        return close;
    }
    gui::Event event = events_.front();
    events_.pop_front();
    if (event.kind == gui::EventKind::Other && event.control == kTimerTickMarker) {
        RunTimer();
        event.control = 0;
    }
    return event;
}

void ScriptedGui::StartTimer(int milliseconds, std::function<void()> handler) {
    log_.push_back("StartTimer " + std::to_string(milliseconds));
    timerPeriod_ = milliseconds;
    timer_ = std::move(handler);
}

void ScriptedGui::RunOnGuiThread(std::function<void()> change) {
    std::lock_guard lock(guiThread_);
    change();
}

void ScriptedGui::ShowWarning(const std::string& caption, const std::string& text) {
    warnings_.push_back(caption + "|" + text);
}

std::string ScriptedGui::OpenFileDialog(const std::string& filter) {
    fileDialogFilters_.push_back(filter);
    if (whileDialogOpen_) whileDialogOpen_();
    return fileDialogAnswer_;
}
