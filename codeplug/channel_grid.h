#pragma once

#include <QTableView>
#include <functional>

class ChannelGridModel;

// StringGrid1: the channel grid. Every change of its current cell, by mouse, arrow
// keys, the wheel or the program, goes through one path that asks the select-cell
// handler first (which may refuse it) and raises the click handler afterwards; a
// click on the current cell raises the click handler too. Typed characters and the
// arrival of the focus are passed on as well. The fixed heading row and number
// column never become current.
class ChannelGrid : public QTableView {
    Q_OBJECT
public:
    explicit ChannelGrid(ChannelGridModel* model, QWidget* parent = nullptr);

    // The handlers the window installs.
    std::function<bool(int column, int row)> onSelectCell; // false keeps the current cell
    std::function<void()> onClick;
    std::function<void(QChar typed)> onKeyPress;
    std::function<void()> onEnter;

    int col() const { return currentIndex().column(); }
    int row() const { return currentIndex().row(); }
    // Changes of the current cell made by the program; each raises both handlers.
    bool setCol(int column) { return moveCurrentTo(column, row()); }
    bool setRow(int row) { return moveCurrentTo(col(), row); }
    // Moves the current cell (clamped to the channel cells) unless the select-cell
    // handler refuses; false only when it refused.
    bool moveCurrentTo(int column, int row);

    // The cell's rectangle in the grid's own coordinates.
    QRect cellRect(int column, int row) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool moveByKey(const QKeyEvent* event);
    void raiseClick();

    int wheelAngle_ = 0; // wheel turn not yet used up, in eighths of a degree
};
