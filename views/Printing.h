#pragma once

#include <QRect>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace vel {

// The game's printer: the printer and page the player chose in the set-up
// dialog, kept for every later print.
class TablePrinter {
public:
    // `mainWindow` parents the dialogs; its title is the error box caption.
    explicit TablePrinter(QWidget* mainWindow);
    // Prints on `printer` instead of the system's default printer.
    TablePrinter(QWidget* mainWindow, std::unique_ptr<QPrinter> printer);
    ~TablePrinter();

    // The printer set-up dialog; a choice made there is kept.
    void PrinterSetup();

    // Prints one page with a screen-size picture of `window`'s client area
    // (without its menu bar) in the top left corner. Returns where on the
    // page the picture went, in printer dots; with no printer, shows the
    // error box and returns nothing.
    std::optional<QRect> Print(QWidget* window);

    // The page rectangle that shows a picture of `picture` screen pixels at
    // its screen size: scaled by the printer's dots per inch over the
    // screen's pixels per inch, rounded to the nearest dot.
    static QRect PrintedRect(QSize picture, int screenDpi, int printerDpiX, int printerDpiY);

private:
    bool HasPrinter() const;

    QWidget* mainWindow_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace vel
