#include "platform/qt/drawn_grid.h"

#include "platform/qt/qt_dialogs.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

DrawnGrid::DrawnGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(1);
}

void DrawnGrid::SetColumns(std::vector<int> widths) {
    widths_ = std::move(widths);
    UpdateScrollBars();
    viewport()->update();
}
void DrawnGrid::SetRowCount(int rows) {
    rows_ = rows;
    UpdateScrollBars();
    viewport()->update();
}
void DrawnGrid::SetRowHeight(int height) {
    rowHeight_ = height;
    UpdateScrollBars();
    viewport()->update();
}
void DrawnGrid::SetFixedRows(int rows) {
    fixedRows_ = rows;
    UpdateScrollBars();
}
void DrawnGrid::SetCellFunction(CellFunction f) {
    cell_ = std::move(f);
    viewport()->update();
}
void DrawnGrid::SetSelected(int row, int column) {
    selRow_ = row;
    selColumn_ = column;
    viewport()->update();
}
void DrawnGrid::Redraw() { viewport()->update(); }

void DrawnGrid::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    UpdateScrollBars();
}

void DrawnGrid::UpdateScrollBars() {
    int total = 0;
    for (int w : widths_) total += w + 1;
    horizontalScrollBar()->setRange(0, std::max(0, total - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    int visibleRows = std::max(1, (viewport()->height() - fixedRows_ * (rowHeight_ + 1)) / (rowHeight_ + 1));
    int scrollable = std::max(0, rows_ - fixedRows_);
    verticalScrollBar()->setRange(0, std::max(0, scrollable - visibleRows));
    verticalScrollBar()->setPageStep(visibleRows);
}

int DrawnGrid::RowTop(int row) const {
    if (row < fixedRows_) return row * (rowHeight_ + 1);
    return (row - verticalScrollBar()->value()) * (rowHeight_ + 1);
}

QRect DrawnGrid::CellRect(int row, int column) const {
    int x = -horizontalScrollBar()->value();
    for (int c = 0; c < column && c < static_cast<int>(widths_.size()); ++c) x += widths_[c] + 1;
    int w = column < static_cast<int>(widths_.size()) ? widths_[column] : 0;
    return QRect(x, RowTop(row), w, rowHeight_);
}

bool DrawnGrid::CellAt(const QPoint& p, int& row, int& column) const {
    int y = p.y();
    int fixedHeight = fixedRows_ * (rowHeight_ + 1);
    if (y < fixedHeight)
        row = y / (rowHeight_ + 1);
    else
        row = fixedRows_ + verticalScrollBar()->value() + (y - fixedHeight) / (rowHeight_ + 1);
    if (row < 0 || row >= rows_) return false;
    int x = p.x() + horizontalScrollBar()->value();
    for (int c = 0; c < static_cast<int>(widths_.size()); ++c) {
        if (x < widths_[c] + 1) {
            column = c;
            return true;
        }
        x -= widths_[c] + 1;
    }
    return false;
}

void DrawnGrid::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().window());
    if (!cell_) return;
    QColor line = ToQ(line_);
    int first = fixedRows_ + verticalScrollBar()->value();
    auto paintRow = [&](int r) {
        for (int c = 0; c < static_cast<int>(widths_.size()); ++c) {
            QRect rect = CellRect(r, c);
            if (rect.right() < 0 || rect.left() > viewport()->width()) continue;
            Cell cell = cell_(r, c);
            p.fillRect(rect, ToQ(cell.background));
            p.setPen(line);
            p.drawLine(rect.right() + 1, rect.top(), rect.right() + 1, rect.bottom() + 1);
            p.drawLine(rect.left(), rect.bottom() + 1, rect.right() + 1, rect.bottom() + 1);
            if (!cell.text.empty()) {
                QFont f(QString::fromStdString(cell.font));
                f.setPointSize(cell.size);
                f.setBold(cell.bold);
                f.setItalic(cell.italic);
                p.setFont(f);
                p.setPen(ToQ(cell.colour));
                QRect textRect = rect.adjusted(cell.left, cell.top < 0 ? 0 : cell.top, 0, 0);
                int flags = Qt::AlignLeft | Qt::TextSingleLine | (cell.top < 0 ? Qt::AlignVCenter : Qt::AlignTop);
                p.save();
                p.setClipRect(rect);
                p.drawText(textRect, flags, QString::fromStdString(cell.text));
                p.restore();
            }
            if (r == selRow_ && c == selColumn_) {
                p.setPen(QPen(Qt::black, 1, Qt::DotLine));
                p.drawRect(rect.adjusted(1, 1, -2, -2));
            }
        }
    };
    for (int r = 0; r < fixedRows_ && r < rows_; ++r) paintRow(r);
    for (int r = first; r < rows_; ++r) {
        if (RowTop(r) > viewport()->height()) break;
        paintRow(r);
    }
}

void DrawnGrid::mousePressEvent(QMouseEvent* e) {
    int r, c;
    if (e->button() == Qt::LeftButton && CellAt(e->pos(), r, c)) emit cellClicked(r, c);
}

void DrawnGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    int r, c;
    if (e->button() == Qt::LeftButton && CellAt(e->pos(), r, c)) emit cellDoubleClicked(r, c);
}

void DrawnGrid::contextMenuEvent(QContextMenuEvent* e) {
    int r, c;
    if (CellAt(e->pos(), r, c)) emit cellContextMenu(r, c, e->globalPos());
}
