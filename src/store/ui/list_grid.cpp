#include "store/ui/list_grid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/qt/qt_dialogs.h"

class ListGridModel : public QAbstractTableModel {
public:
    ListGridModel(QObject* parent, int columns, ListGrid::RowsFunction rows)
        : QAbstractTableModel(parent), columns_(columns), rowsFn_(std::move(rows)) {}
    int rowCount(const QModelIndex& = {}) const override { return rows_; }
    int columnCount(const QModelIndex& = {}) const override { return columns_; }
    QVariant data(const QModelIndex&, int) const override { return {}; }  // the delegate asks the cell function
    void Refresh() {
        beginResetModel();
        rows_ = rowsFn_();
        endResetModel();
    }

private:
    int columns_;
    int rows_ = 0;
    ListGrid::RowsFunction rowsFn_;
};

namespace {

QColor ToQColor(Colour c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// Background, then the text 5 pixels from the left and top, Arial 10 bold black.
class ListGridDelegate : public QStyledItemDelegate {
public:
    ListGridDelegate(ListGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        ListCell cell = grid_->CellAt(index.row(), index.column());
        const QRect r = option.rect;
        p->fillRect(r, ToQColor(cell.background));
        QFont font("Arial", 10, QFont::Bold);
        p->setFont(font);
        p->setPen(Qt::black);
        p->setClipRect(r);
        p->drawText(r.adjusted(5, 5, -1, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Q(cell.text));
        p->setClipping(false);
    }

private:
    ListGrid* grid_;
};

}  // namespace

ListGrid::ListGrid(QWidget* parent, const ListColumn* columns, int columnCount, CellFunction cell, RowsFunction rows)
    : QTableView(parent), cell_(std::move(cell)), model_(new ListGridModel(this, columnCount, std::move(rows))) {
    setModel(model_);
    setItemDelegate(new ListGridDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(24);
    horizontalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < columnCount; ++c) widths_.push_back(columns[c].width);
    for (int c = 0; c < columnCount; ++c) setColumnWidth(c, columns[c].width);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFont("Arial", 10, QFont::Bold));
    connect(this, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { emit cellDoubleClicked(i.row(), i.column()); });
}

void ListGrid::Refresh() {
    model_->Refresh();
    // a reset may hand the header its default sizes again
    for (size_t c = 0; c < widths_.size(); ++c) setColumnWidth(static_cast<int>(c), widths_[c]);
    viewport()->update();
}
