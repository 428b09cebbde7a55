#include "views/Printing.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

using vel::TablePrinter;

namespace {

const QColor TableColour(0, 0, 128);

// A main window whose whole client area below the menu is one colour, so
// that the printed picture can be found on the page.
class TableWindow : public QMainWindow {
public:
    TableWindow()
    {
        setWindowTitle(QStringLiteral("vel Zezuv"));
        menuBar()->addMenu(QStringLiteral("Game"));
        auto* table = new QWidget;
        table->setAutoFillBackground(true);
        QPalette colours = table->palette();
        colours.setColor(QPalette::Window, TableColour);
        table->setPalette(colours);
        setCentralWidget(table);
    }
};

// The smallest rectangle holding the pixels close to `colour`.
QRect BoundsOf(const QImage& image, QColor colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel(line[x]);
            if (qAbs(pixel.red() - colour.red()) + qAbs(pixel.green() - colour.green())
                    + qAbs(pixel.blue() - colour.blue()) < 24)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

int PageCount(const QString& pdfPath)
{
    QFile pdf(pdfPath);
    if (!pdf.open(QIODevice::ReadOnly))
        return -1;
    const QString content = QString::fromLatin1(pdf.readAll());
    return static_cast<int>(content.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void printedRectKeepsScreenSize_data();
    void printedRectKeepsScreenSize();
    void printsThePictureTopLeft_data();
    void printsThePictureTopLeft();
    void noPrinterShowsTheErrorAndGoesOn();
};

void PrintingTest::printedRectKeepsScreenSize_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("screenDpi");
    QTest::addColumn<int>("printerDpiX");
    QTest::addColumn<int>("printerDpiY");
    QTest::addColumn<QSize>("printed");
    QTest::newRow("table at 600 dpi") << QSize(593, 433) << 96 << 600 << 600 << QSize(3706, 2706);
    QTest::newRow("table at 300 dpi") << QSize(593, 433) << 96 << 300 << 300 << QSize(1853, 1353);
    QTest::newRow("rounds up past one half") << QSize(7, 5) << 96 << 600 << 600 << QSize(44, 31);
    QTest::newRow("different dots across and down") << QSize(96, 96) << 96 << 600 << 300 << QSize(600, 300);
    QTest::newRow("large fonts screen") << QSize(741, 541) << 120 << 600 << 600 << QSize(3705, 2705);
}

void PrintingTest::printedRectKeepsScreenSize()
{
    QFETCH(QSize, picture);
    QFETCH(int, screenDpi);
    QFETCH(int, printerDpiX);
    QFETCH(int, printerDpiY);
    QFETCH(QSize, printed);
    QCOMPARE(TablePrinter::PrintedRect(picture, screenDpi, printerDpiX, printerDpiY), QRect(QPoint(0, 0), printed));
}

void PrintingTest::printsThePictureTopLeft_data()
{
    QTest::addColumn<int>("resolution");
    QTest::newRow("300 dpi") << 300;
    QTest::newRow("600 dpi") << 600;
}

void PrintingTest::printsThePictureTopLeft()
{
    QFETCH(int, resolution);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString pdfPath = folder.filePath(QStringLiteral("table.pdf"));
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfPath);
    printer->setResolution(resolution);
    const QPoint pageOrigin = printer->pageRect(QPrinter::DevicePixel).topLeft().toPoint();

    TableWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize clientArea = window.centralWidget()->size();
    TablePrinter tablePrinter(&window, std::move(printer));
    const std::optional<QRect> printed = tablePrinter.Print(&window);

    QVERIFY(printed);
    const QSize expected = TablePrinter::PrintedRect(clientArea, 96, resolution, resolution).size();
    QCOMPARE(*printed, QRect(QPoint(0, 0), expected));
    QCOMPARE(PageCount(pdfPath), 1);

    const QString rasterizer = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (rasterizer.isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed: the page is not looked at");
    // Only the page's top left part, with room around the picture.
    const QRect wanted(pageOrigin, expected);
    const QSize cropped = QSize(wanted.right(), wanted.bottom()) + QSize(50, 50);
    const QString prefix = folder.filePath(QStringLiteral("page"));
    QCOMPARE(QProcess::execute(rasterizer, {QStringLiteral("-r"), QString::number(resolution), QStringLiteral("-W"),
                                            QString::number(cropped.width()), QStringLiteral("-H"),
                                            QString::number(cropped.height()), QStringLiteral("-png"),
                                            QStringLiteral("-singlefile"), pdfPath, prefix}),
             0);
    const QImage page(prefix + QStringLiteral(".png"));
    QCOMPARE(page.size(), cropped);
    const QRect picture = BoundsOf(page.convertToFormat(QImage::Format_RGB32), TableColour);
    // The rasterizer may blur the edges by a dot.
    QVERIFY2(qAbs(picture.left() - wanted.left()) <= 1 && qAbs(picture.top() - wanted.top()) <= 1
                 && qAbs(picture.right() - wanted.right()) <= 1 && qAbs(picture.bottom() - wanted.bottom()) <= 1,
             qPrintable(QStringLiteral("picture at %1,%2 %3x%4, wanted %5,%6 %7x%8")
                            .arg(picture.x()).arg(picture.y()).arg(picture.width()).arg(picture.height())
                            .arg(wanted.x()).arg(wanted.y()).arg(wanted.width()).arg(wanted.height())));
}

void PrintingTest::noPrinterShowsTheErrorAndGoesOn()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this desktop has a default printer");
    TableWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TablePrinter tablePrinter(&window);

    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, &window, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        } else if (modal) {
            modal->close();
        }
    });
    QVERIFY(!tablePrinter.Print(&window));
    QCOMPARE(caption, QStringLiteral("vel Zezuv"));
    QCOMPARE(text, QStringLiteral("There is no default printer currently selected."));
    QCOMPARE(icon, QMessageBox::Critical);
}

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
