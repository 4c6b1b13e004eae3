#include "codeplug/channel_grid.h"

#include "codeplug/channel_grid_model.h"
#include "codeplug/channel_table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kColumnWidths[ChannelTable::ColumnCount] = {35, 80, 90, 80, 91, 77, 60, 99};
constexpr int kRowHeight = 16;
constexpr int kWheelStep = 120; // one notch of an ordinary mouse wheel

constexpr int kFirstColumn = ChannelTable::Frequency1;
constexpr int kLastColumn = ChannelTable::SwitchB;
constexpr int kFirstRow = 1;
constexpr int kLastRow = ChannelTable::ChannelCount;

// The current cell drawn on white, like any other cell but for the focus frame.
void paintCurrentCellWhite(QTableView* grid) {
    QPalette palette = grid->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, Qt::white);
        palette.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    grid->setPalette(palette);
}

} // namespace

ChannelGrid::ChannelGrid(ChannelGridModel* model, QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("StringGrid1"));
    setModel(model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    for (int column = 0; column < ChannelTable::ColumnCount; ++column)
        setColumnWidth(column, kColumnWidths[column]);
    paintCurrentCellWhite(this);
    // The first channel cell is current from the start, without any handling.
    selectionModel()->setCurrentIndex(model->index(kFirstRow, kFirstColumn),
                                      QItemSelectionModel::ClearAndSelect);
}

bool ChannelGrid::moveCurrentTo(int column, int row) {
    column = std::clamp(column, kFirstColumn, kLastColumn);
    row = std::clamp(row, kFirstRow, kLastRow);
    if (column == col() && row == this->row())
        return true;
    if (onSelectCell && !onSelectCell(column, row))
        return false;
    selectionModel()->setCurrentIndex(model()->index(row, column),
                                      QItemSelectionModel::ClearAndSelect);
    raiseClick();
    return true;
}

QRect ChannelGrid::cellRect(int column, int row) const {
    const QRect rect = visualRect(model()->index(row, column));
    return rect.translated(viewport()->pos());
}

void ChannelGrid::raiseClick() {
    if (onClick)
        onClick();
}

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // The grid takes the focus first, so an open tone selector writes its choice
    // before the current cell changes.
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || ChannelGridModel::isFixed(index))
        return;
    if (index == currentIndex())
        raiseClick();
    else
        moveCurrentTo(index.column(), index.row());
}

// Each press of a double click counts as a click of its own.
void ChannelGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

// No dragging of the current cell: a cell becomes current only by a press.
void ChannelGrid::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}
void ChannelGrid::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    if (moveByKey(event))
        return;
    const QString text = event->text();
    if (!text.isEmpty() && text != QLatin1String("\t")) {
        // Typed characters never search or edit the cells; the window decides.
        if (onKeyPress)
            onKeyPress(text.at(0));
        return;
    }
    QWidget::keyPressEvent(event);
}

bool ChannelGrid::moveByKey(const QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        moveCurrentTo(col(), row() - 1);
        return true;
    case Qt::Key_Down:
        moveCurrentTo(col(), row() + 1);
        return true;
    case Qt::Key_Left:
        moveCurrentTo(col() - 1, row());
        return true;
    case Qt::Key_Right:
        moveCurrentTo(col() + 1, row());
        return true;
    case Qt::Key_PageUp:
        moveCurrentTo(col(), kFirstRow);
        return true;
    case Qt::Key_PageDown:
        moveCurrentTo(col(), kLastRow);
        return true;
    case Qt::Key_Home:
        moveCurrentTo(kFirstColumn, control ? kFirstRow : row());
        return true;
    case Qt::Key_End:
        moveCurrentTo(kLastColumn, control ? kLastRow : row());
        return true;
    default:
        return false;
    }
}

void ChannelGrid::wheelEvent(QWheelEvent* event) {
    event->accept();
    wheelAngle_ += event->angleDelta().y();
    // Turning away from the viewer moves down, as the wheel scrolls text.
    // A refused move (or the edge) ends the turn, so one failed commit shows once.
    while (std::abs(wheelAngle_) >= kWheelStep) {
        const int step = wheelAngle_ > 0 ? -1 : 1;
        wheelAngle_ += step * kWheelStep;
        const int before = row();
        if (!moveCurrentTo(col(), before + step) || row() == before) {
            wheelAngle_ = 0;
            break;
        }
    }
}

void ChannelGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    if (onEnter)
        onEnter();
}
