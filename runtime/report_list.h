#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <array>
#include <vector>

namespace varnoq {

// The rows of a report list: texts only, kept in the order they were added. A model of our own
// keeps 20,000 rows cheap to append and frees them all at once when the list goes.
class ReportListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int COLUMN_COUNT = 3;

    explicit ReportListModel(const std::array<QString, COLUMN_COUNT>& titles, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Returns the new row's index.
    int appendRow(const QString& firstCell);
    // Throws std::out_of_range for a cell that does not exist.
    void setCellText(int row, int column, const QString& text);
    QString cellText(int row, int column) const;

private:
    std::array<QString, COLUMN_COUNT> titles_;
    std::vector<std::array<QString, COLUMN_COUNT>> rows_;
};

// A report-style list view: titled columns, grid lines, whole-row single selection, no sorting,
// no editing.
class ReportList : public QTableView {
    Q_OBJECT
public:
    ReportList(const QString& name, const std::array<QString, ReportListModel::COLUMN_COUNT>& titles,
               const std::array<int, ReportListModel::COLUMN_COUNT>& widths, QWidget* parent);

    ReportListModel& rows() { return model_; }
    const ReportListModel& rows() const { return model_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitRowHeightToFont();

    ReportListModel model_;
};

} // namespace varnoq
