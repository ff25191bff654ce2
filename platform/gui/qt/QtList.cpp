// The report-view list: rows of two text cells, one selected cell at most.
#include <QHeaderView>
#include <QMouseEvent>
#include <QProxyStyle>

#include "platform/gui/qt/QtGui.h"
#include "platform/gui/qt/QtText.h"

namespace gui::qt {
namespace {

// The styles pick the grid lines' colour themselves; this one says which.
class GridColourStyle : public QProxyStyle {
public:
    explicit GridColourStyle(const QColor& grid) : grid_(grid) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_Table_GridLineColor) return static_cast<int>(grid_.rgba());
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    QColor grid_;
};

}  // namespace

ListWidget::ListWidget(ControlIdentity identity, QWidget* parent)
    : QTableWidget(parent), clicks_(identity) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);  // not the full row
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionsClickable(false);  // a header click would select a column
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    viewport()->setMouseTracking(true);
}

void ListWidget::SetColours(const QColor& background, const QColor& text, const QColor& grid) {
    QPalette palette = this->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::Text, text);
    }
    setPalette(palette);
    auto* style = new GridColourStyle(grid);
    style->setParent(this);  // a widget does not own its style
    setStyle(style);
    horizontalHeader()->setPalette(QApplication::palette(horizontalHeader()));
}

void ListWidget::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    // As in a report view, a press beside every row leaves none selected.
    if (!indexAt(event->position().toPoint()).isValid()) {
        clearSelection();
        setCurrentIndex({});
    }
    clicks_.Press(event->button());
}

void ListWidget::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    clicks_.Release(event->button());
}

// The press before it has selected the row already; the base class would turn
// a double click whose press it missed into another press, so it is not called.
void ListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    clicks_.DoubleClick(event->button());
}

void QtGui::SetListColours(int control, Rgb background, Rgb text, Rgb grid) {
    if (auto* list = ControlAs<ListWidget>(control))
        list->SetColours(ToQt(background), ToQt(text), ToQt(grid));
}

void QtGui::InsertListColumn(int control, int index, const std::string& header, int width) {
    auto* list = ControlAs<ListWidget>(control);
    if (list == nullptr) return;
    const int column = std::clamp(index, 0, list->columnCount());
    list->insertColumn(column);
    auto* item = new QTableWidgetItem(ToQt(header));
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->setHorizontalHeaderItem(column, item);
    list->setColumnWidth(column, std::max(width, 0));
}

void QtGui::ListClear(int control) {
    if (auto* list = ControlAs<ListWidget>(control)) {
        list->clearSelection();
        list->setRowCount(0);
    }
}

void QtGui::ListAppend(int control, const std::string& rowText) {
    auto* list = ControlAs<ListWidget>(control);
    if (list == nullptr || list->columnCount() == 0) return;
    const std::size_t feed = rowText.find('\n');
    const std::string cells[2] = {rowText.substr(0, feed), feed == std::string::npos
                                                               ? std::string()
                                                               : rowText.substr(feed + 1)};
    const int row = list->rowCount();
    list->insertRow(row);
    for (int column = 0; column < std::min(2, list->columnCount()); ++column) {
        auto* item = new QTableWidgetItem(ToQt(cells[column]));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        list->setItem(row, column, item);
    }
}

int QtGui::ListRowCount(int control) {
    auto* list = ControlAs<ListWidget>(control);
    return list == nullptr ? 0 : list->rowCount();
}

std::string QtGui::ListRowText(int control, int row) {
    auto* list = ControlAs<ListWidget>(control);
    if (list == nullptr || row < 0 || row >= list->rowCount()) return {};
    const QTableWidgetItem* item = list->item(row, 0);
    return item == nullptr ? std::string() : FromQt(item->text());
}

int QtGui::ListSelection(int control) {
    auto* list = ControlAs<ListWidget>(control);
    if (list == nullptr) return -1;
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void QtGui::ListSelect(int control, int row) {
    auto* list = ControlAs<ListWidget>(control);
    if (list == nullptr) return;
    if (row < 0 || row >= list->rowCount() || list->columnCount() == 0) {
        list->clearSelection();
        list->setCurrentIndex({});
        return;
    }
    list->setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(row, 0));
}

}  // namespace gui::qt
