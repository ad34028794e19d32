// A drawn grid of the list screens: every cell is asked from a cell function at
// paint time; row 0 is the fixed heading row.
#pragma once
#include <QTableView>
#include <functional>
#include <vector>

#include "store/lists.h"

class ListGridModel;

class ListGrid : public QTableView {
    Q_OBJECT
public:
    using CellFunction = std::function<ListCell(int row, int column)>;
    using RowsFunction = std::function<int()>;
    ListGrid(QWidget* parent, const ListColumn* columns, int columnCount, CellFunction cell, RowsFunction rows);
    // Re-reads the row count; cells are repainted from the cell function.
    void Refresh();
    ListCell CellAt(int row, int column) const { return cell_(row, column); }

signals:
    void cellDoubleClicked(int row, int column);

private:
    CellFunction cell_;
    ListGridModel* model_;
    std::vector<int> widths_;
};
