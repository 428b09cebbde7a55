#include "views/Unit8.h"

#include "views/VersionInfo.h"

#include <QCoreApplication>

namespace {

QString DonateText()
{
    return QCoreApplication::translate("TForm8", R"(If you enjoy this program and wish to make a donation:

Please send 5.00 dollars or more through PayPal to %1.

Thanks!

This program is free to use, but donations are welcome. PayPal takes a fee on credit card payments, so little of a 5 dollar gift would remain after the fees. If you dislike PayPal, write to me at %1 and we can arrange something else.
)")
        .arg(QLatin1String(vel::version::ContactEmail));
}

} // namespace

TForm8::TForm8(QWidget* mainWindow)
    : TTextWindow(mainWindow,
                  {tr("vel Zezuv - Donate"), QSize(392, 271), QSize(200, 150), QSize(), true, tr("Donate")},
                  DonateText())
{
}
