#pragma once

#include "views/pointerform.h"

class QStatusBar;
class QTableWidget;

namespace vel {
class PayTable;
}

// The payout table window: what each paying hand pays per credit under the
// schedule in force.
class TForm5 : public TPointerform {
    Q_OBJECT
public:
    static constexpr int RowCount = 10; // the header row and nine hands

    explicit TForm5(QWidget* mainWindow);

    // Writes the payout column from the live pay table, shown or not.
    void ShowPayTable(const vel::PayTable& table);

    // The text at a grid column and row; row 0 is the header row.
    QString Cells(int column, int row) const;

    QTableWidget* const StringGrid1;
    QStatusBar* const StatusBar1;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormResize();
    void SetCell(int column, int row, const QString& text);
};
