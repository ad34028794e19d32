// A grid whose cells are drawn from a cell function: {text, font, colours, offset}.
// Reports clicks, double clicks and context-menu requests as (row, column).
#pragma once
#include <QAbstractScrollArea>
#include <functional>
#include <vector>

#include "platform/cell.h"

class DrawnGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    using CellFunction = std::function<Cell(int row, int column)>;

    explicit DrawnGrid(QWidget* parent = nullptr);

    void SetColumns(std::vector<int> widths);
    void SetRowCount(int rows);
    void SetRowHeight(int height);
    void SetFixedRows(int rows);  // heading rows that do not scroll
    void SetCellFunction(CellFunction f);
    void SetLineColour(Colour c) { line_ = c; }
    // Marks one cell as selected (drawn with a frame); -1, -1 for none.
    void SetSelected(int row, int column);

    int rowCount() const { return rows_; }
    int columnCount() const { return static_cast<int>(widths_.size()); }
    int rowHeight() const { return rowHeight_; }
    QRect CellRect(int row, int column) const;  // in viewport coordinates
    bool CellAt(const QPoint& viewportPos, int& row, int& column) const;
    void Redraw();

signals:
    void cellClicked(int row, int column);
    void cellDoubleClicked(int row, int column);
    void cellContextMenu(int row, int column, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void contextMenuEvent(QContextMenuEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void UpdateScrollBars();
    int RowTop(int row) const;

    std::vector<int> widths_;
    int rows_ = 0;
    int rowHeight_ = 24;
    int fixedRows_ = 0;
    int selRow_ = -1, selColumn_ = -1;
    Colour line_ = 0x808080;
    CellFunction cell_;
};
