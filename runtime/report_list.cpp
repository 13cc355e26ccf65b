#include "runtime/report_list.h"

#include <QEvent>
#include <QHeaderView>
#include <stdexcept>

namespace varnoq {

ReportListModel::ReportListModel(const std::array<QString, COLUMN_COUNT>& titles, QObject* parent)
    : QAbstractTableModel(parent), titles_(titles) {}

int ReportListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return rows_[size_t(index.row())][size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= COLUMN_COUNT)
        return {};
    if (role == Qt::DisplayRole)
        return titles_[size_t(section)];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ReportListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

int ReportListModel::appendRow(const QString& firstCell) {
    const int row = int(rows_.size());
    beginInsertRows({}, row, row);
    rows_.push_back({firstCell, QString(), QString()});
    endInsertRows();
    return row;
}

void ReportListModel::setCellText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= COLUMN_COUNT)
        throw std::out_of_range("report list has no cell (" + std::to_string(row) + ", " +
                                std::to_string(column) + ")");
    rows_[size_t(row)][size_t(column)] = text;
    emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

QString ReportListModel::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= COLUMN_COUNT)
        return {};
    return rows_[size_t(row)][size_t(column)];
}

ReportList::ReportList(const QString& name,
                       const std::array<QString, ReportListModel::COLUMN_COUNT>& titles,
                       const std::array<int, ReportListModel::COLUMN_COUNT>& widths,
                       QWidget* parent)
    : QTableView(parent), model_(titles, this) {
    setObjectName(name);
    setModel(&model_);
    setShowGrid(true);
    setSortingEnabled(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(false);
    setFrameShape(QFrame::WinPanel); // a two-pixel sunken edge, like the answer box
    setFrameShadow(QFrame::Sunken);
    setCornerButtonEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
    // Tab leaves the rows alone, as in a list of one tab stop; the arrow keys move through them.
    setTabKeyNavigation(false);

    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(QHeaderView::Interactive);
    for (int column = 0; column < ReportListModel::COLUMN_COUNT; ++column)
        header->resizeSection(column, widths[size_t(column)]);

    // Fixed row heights: no per-row measuring, so a long log opens quickly.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitRowHeightToFont();

    // Black on white, and no selection shown while the list has no focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    setPalette(colours);
}

void ReportList::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRowHeightToFont();
}

void ReportList::fitRowHeightToFont() {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

} // namespace varnoq
