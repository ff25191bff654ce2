#include "platform/gui/qt/QtWidgets.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QTabBar>
#include <QUrl>

#include "platform/text/Cp1251.h"

namespace gui::qt {

std::vector<std::string> DroppedFilePaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) return {};
        paths.push_back(text::Cp1251FromUtf8(url.toLocalFile().toStdString()));
    }
    return paths;
}

namespace {

// Only file lists, and only when the source offers to link them.
bool AcceptableDrop(const QDropEvent* event) {
    return (event->possibleActions() & Qt::LinkAction) &&
           !DroppedFilePaths(event->mimeData()).empty();
}

void AnswerDrag(QDropEvent* event) {
    if (AcceptableDrop(event)) {
        event->setDropAction(Qt::LinkAction);
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace

WindowWidget::WindowWidget(int number, EventQueue& queue) : number_(number), queue_(queue) {
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setMouseTracking(true);
}

void WindowWidget::SetColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void WindowWidget::SetBackground(const QImage& tile) {
    tile_ = QPixmap::fromImage(tile);
    update();
}

void WindowWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    if (colour_.isValid()) painter.fillRect(area, colour_);
    // Tiled from the client area's top-left corner, whatever part is repainted.
    if (!tile_.isNull()) painter.drawTiledPixmap(area, tile_, area.topLeft());
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    Event request;
    request.kind = EventKind::CloseRequest;
    request.window = number_;
    queue_.Push(std::move(request));
}

void WindowWidget::dragEnterEvent(QDragEnterEvent* event) {
    AnswerDrag(event);
}
void WindowWidget::dragMoveEvent(QDragMoveEvent* event) {
    AnswerDrag(event);
}

void WindowWidget::dropEvent(QDropEvent* event) {
    if (!AcceptableDrop(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::LinkAction);
    event->accept();
    Event drop;
    drop.kind = EventKind::FilesDropped;
    drop.window = number_;
    drop.paths = DroppedFilePaths(event->mimeData());
    queue_.Push(std::move(drop));
}

PictureWidget::PictureWidget(ControlIdentity identity, QWidget* parent)
    : QWidget(parent), clicks_(identity) {}

void PictureWidget::SetImage(QImage image) {
    // The display sets every picture anew each tick; most do not change, and
    // repainting them all would keep the window system busy for nothing.
    if (image == image_) return;
    image_ = std::move(image);
    resize(image_.size());
    update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    clicks_.Press(event->button());
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    clicks_.Release(event->button());
}

void PictureWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    clicks_.DoubleClick(event->button());
}

void ClickReporter::Press(Qt::MouseButton button) {
    if (button == Qt::LeftButton) identity_.Report(EventType::LeftClick);
}

void ClickReporter::Release(Qt::MouseButton button) {
    if (button != Qt::RightButton) return;
    if (rightDoubleClickPending_) {
        rightDoubleClickPending_ = false;
        return;
    }
    identity_.Report(EventType::RightClick);
}

void ClickReporter::DoubleClick(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        identity_.Report(EventType::LeftDoubleClick);
    } else if (button == Qt::RightButton) {
        rightDoubleClickPending_ = true;
        identity_.Report(EventType::RightDoubleClick);
    }
}

namespace {

class FixedHeightTabBar : public QTabBar {
public:
    explicit FixedHeightTabBar(int height) : height_(height) {}

protected:
    QSize tabSizeHint(int index) const override {
        return {std::max(QTabBar::tabSizeHint(index).width(), 40), height_};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

private:
    int height_;
};

}  // namespace

TabPanelWidget::TabPanelWidget(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new FixedHeightTabBar(kTabStripHeight));
}

}  // namespace gui::qt
