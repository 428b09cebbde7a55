#pragma once

#include "views/pointerform.h"

#include <QMap>

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The program's version information: key and value of each entry.
using VersionStrings = QMap<QString, QString>;

// The version information built into this program.
VersionStrings BuiltInVersionInfo();

// The About window: product name, icon and version information; modal.
class TForm4 : public TPointerform {
    Q_OBJECT
public:
    // The keys listed, in the order shown.
    static const QStringList VersionKeys;

    explicit TForm4(QWidget* mainWindow);

    // Where FormShow reads the version information from; no value means the
    // program carries none.
    void SetVersionInfo(std::optional<VersionStrings> info);

    QLabel* const Label1;
    QLabel* const Image1;
    QPlainTextEdit* const Memo1;
    QPushButton* const BitBtn1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    std::optional<VersionStrings> versionInfo_;
};
