// The widgets behind the program's windows and controls, each turning its
// toolkit callbacks into queued program events. GUI thread only.
#pragma once

#include <QImage>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

#include "platform/gui/qt/EventQueue.h"

namespace gui::qt {

// A top-level window: fixed client size, colour with a tiled picture over it,
// close requests and file drops reported instead of acted on.
class WindowWidget : public QWidget {
public:
    WindowWidget(int number, EventQueue& queue);
    int number() const { return number_; }
    void SetColour(const QColor& colour);
    void SetBackground(const QImage& tile);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int number_;
    EventQueue& queue_;
    QColor colour_;
    QPixmap tile_;
};

// The mouse events of a picture control or the list as the program's clicks:
// a left press, a right release, and double clicks, the release after a right
// double click not being another click.
class ClickReporter {
public:
    explicit ClickReporter(ControlIdentity identity) : identity_(identity) {}
    void Press(Qt::MouseButton button);
    void Release(Qt::MouseButton button);
    void DoubleClick(Qt::MouseButton button);

private:
    ControlIdentity identity_;
    bool rightDoubleClickPending_ = false;
};

// Shows a copy of a picture with its transparency and takes its size.
class PictureWidget : public QWidget {
public:
    PictureWidget(ControlIdentity identity, QWidget* parent);
    void SetImage(QImage image);
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ClickReporter clicks_;
    QImage image_;
};

// A tab panel whose tab strip has a fixed height, so a container can cut it
// off exactly above the page.
class TabPanelWidget : public QTabWidget {
public:
    static constexpr int kTabStripHeight = 23;
    explicit TabPanelWidget(QWidget* parent);
};

// The report-view list: two text columns, single selection of a row's cell.
class ListWidget : public QTableWidget {
public:
    ListWidget(ControlIdentity identity, QWidget* parent);
    void SetColours(const QColor& background, const QColor& text, const QColor& grid);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ClickReporter clicks_;
};

// Turns a drop's data into Windows-1251 paths; empty unless it is a list of local files.
std::vector<std::string> DroppedFilePaths(const QMimeData* data);

}  // namespace gui::qt
