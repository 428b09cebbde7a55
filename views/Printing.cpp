#include "views/Printing.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace vel {

namespace {

// Rounds to the nearest whole number as the platform's MulDiv does.
int MulDiv(int number, int numerator, int denominator)
{
    const long long product = static_cast<long long>(number) * numerator;
    return static_cast<int>((product + denominator / 2) / denominator);
}

// The window's area below its menu bar, in its own coordinates.
QRect ClientArea(QWidget* window)
{
    const auto* mainWindow = qobject_cast<QMainWindow*>(window);
    const QWidget* menu = mainWindow ? mainWindow->menuWidget() : nullptr;
    if (!menu || !menu->isVisible())
        return window->rect();
    return window->rect().adjusted(0, menu->geometry().bottom() + 1, 0, 0);
}

} // namespace

TablePrinter::TablePrinter(QWidget* mainWindow)
    : TablePrinter(mainWindow, std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

TablePrinter::TablePrinter(QWidget* mainWindow, std::unique_ptr<QPrinter> printer)
    : mainWindow_(mainWindow)
    , printer_(std::move(printer))
{
}

TablePrinter::~TablePrinter() = default;

void TablePrinter::PrinterSetup()
{
    QPrintDialog dialog(printer_.get(), mainWindow_);
    dialog.exec();
}

std::optional<QRect> TablePrinter::Print(QWidget* window)
{
    if (!HasPrinter()) {
        QMessageBox::critical(mainWindow_, mainWindow_->window()->windowTitle(),
                              QCoreApplication::translate("TablePrinter", "There is no default printer currently selected."));
        return std::nullopt;
    }
    const QPixmap picture = window->grab(ClientArea(window));
    const QSize screenSize = picture.deviceIndependentSize().toSize();
    const QRect target = PrintedRect(screenSize, window->logicalDpiX(), printer_->logicalDpiX(), printer_->logicalDpiY());
    QPainter painter;
    if (!painter.begin(printer_.get()))
        return std::nullopt;
    painter.drawPixmap(target, picture);
    painter.end();
    return target;
}

QRect TablePrinter::PrintedRect(QSize picture, int screenDpi, int printerDpiX, int printerDpiY)
{
    return QRect(0, 0, MulDiv(picture.width(), printerDpiX, screenDpi),
                 MulDiv(picture.height(), printerDpiY, screenDpi));
}

bool TablePrinter::HasPrinter() const
{
    if (printer_->outputFormat() == QPrinter::PdfFormat)
        return !printer_->outputFileName().isEmpty();
    return printer_->isValid() && !printer_->printerName().isEmpty();
}

} // namespace vel
