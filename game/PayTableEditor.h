#pragma once

#include "engine/PaySchedule.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

// The ten pays of a pay table per credit, each in a box of its own, in the
// order a machine's glass lists them. A box that holds no pay is marked and
// the fault is named beside the boxes; the table stays the last one typed
// whole.
class TPayTableEditor : public QWidget {
    Q_OBJECT
public:
    explicit TPayTableEditor(QWidget* parent = nullptr);

    // Fills the boxes; no signal.
    void SetPays(const vel::PayTable& pays);
    // The last table whose ten pays were all typed as pays.
    const vel::PayTable& Pays() const { return pays_; }
    // Whether a box now holds something that is no pay.
    bool HasFault() const { return hasFault_; }
    QLineEdit* FirstBox() const { return boxes_.front(); }
    QLineEdit* LastBox() const { return boxes_.back(); }

signals:
    // The player changed a box; `Pays()` is new when no box holds a fault.
    void edited();

private:
    void ReadBoxes();
    void ShowFault(int line);

    std::array<QLineEdit*, vel::PayLineCount> boxes_{};
    QLabel* faultLabel_;
    vel::PayTable pays_;
    bool hasFault_ = false;
};
