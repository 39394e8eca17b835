#pragma once

#include <QListView>
#include <QMimeData>
#include <vector>

namespace vorlane {

// The list of chord rows. It tells a row the user chose (a click, the arrow keys) from a row
// that became current because the list changed, and turns a drop of its own rows into one move.
class ChordRowsView : public QListView {
    Q_OBJECT

  public:
    explicit ChordRowsView(QWidget* parent = nullptr);

    // The chosen rows, ascending.
    std::vector<std::size_t> SelectedRows() const;
    // Selects the rows and makes the first current, without choosing it.
    void ShowRows(int first, int last);
    // Rows of this list dropped at a point of the viewport: before the row under it, or after
    // it from its lower half on. False for anything else.
    bool DropRows(const QMimeData& mime, QPoint at);

  Q_SIGNALS:
    void RowChosen(int row);
    void RowsDropped(const std::vector<std::size_t>& rows, std::size_t before);

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    bool byUser_ = false;
    bool chosen_ = false;
};

}  // namespace vorlane
