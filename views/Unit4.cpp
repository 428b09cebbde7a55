#include "views/Unit4.h"

#include "views/Colors.h"
#include "views/VersionInfo.h"
#include "views/DesignFont.h"

#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

VersionStrings BuiltInVersionInfo()
{
    using namespace vel::version;
    return {
        {QStringLiteral("CompanyName"), QString::fromUtf8(CompanyName)},
        {QStringLiteral("FileDescription"), QString::fromUtf8(ProductName)},
        {QStringLiteral("FileVersion"), QString::fromUtf8(Version)},
        {QStringLiteral("InternalName"), QString::fromUtf8(BuildDate)},
        {QStringLiteral("LegalCopyright"), QString::fromUtf8(Copyright)},
        {QStringLiteral("LegalTradeMarks"), QString()},
        {QStringLiteral("OriginalFilename"), QString::fromUtf8(ChangeNote)},
        {QStringLiteral("ProductName"), QString::fromUtf8(ProductName)},
        {QStringLiteral("ProductVersion"), QString::fromUtf8(Version)},
        {QStringLiteral("Comments"), QString::fromUtf8(ContactEmail)},
    };
}

const QStringList TForm4::VersionKeys{
    QStringLiteral("CompanyName"),     QStringLiteral("FileDescription"), QStringLiteral("FileVersion"),
    QStringLiteral("InternalName"),    QStringLiteral("LegalCopyright"),  QStringLiteral("LegalTradeMarks"),
    QStringLiteral("OriginalFilename"), QStringLiteral("ProductName"),    QStringLiteral("ProductVersion"),
    QStringLiteral("Comments"),
};

TForm4::TForm4(QWidget* mainWindow)
    : TPointerform(mainWindow, tr("vel Zezuv - About"), Border::FixedDialog)
    , Label1(new QLabel(QStringLiteral("%1  V%2").arg(QLatin1String(vel::version::ProductName),
                                                        QLatin1String(vel::version::ShortVersion)),
                        this))
    , Image1(new QLabel(this))
    , Memo1(new QPlainTextEdit(this))
    , BitBtn1(new QPushButton(tr("OK"), this))
    , versionInfo_(BuiltInVersionInfo())
{
    setFixedSize(Scaled(574), Scaled(292));

    Label1->setFont(vel::DesignFont(24));
    Label1->move(Scaled(16), Scaled(48));
    Label1->adjustSize();

    Image1->setGeometry(Scaled(QRect(200, 48, 41, 41)));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(windowIcon().pixmap(32, 32));

    Memo1->setGeometry(Scaled(QRect(256, 40, 297, 177)));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    BitBtn1->setGeometry(Scaled(QRect(240, 248, 75, 25)));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::accept);
}

void TForm4::SetVersionInfo(std::optional<VersionStrings> info)
{
    versionInfo_ = std::move(info);
}

void TForm4::showEvent(QShowEvent* event)
{
    TPointerform::showEvent(event);
    FormShow();
}

void TForm4::FormShow()
{
    QPalette labelPalette = Label1->palette();
    labelPalette.setColor(QPalette::WindowText, vel::ToQColor(vel::clHotLight, palette()));
    Label1->setPalette(labelPalette);
    Memo1->clear();
    if (!versionInfo_) {
        Memo1->appendPlainText(tr("No FileVersionInfo found"));
    } else {
        for (const QString& key : VersionKeys) {
            const auto entry = versionInfo_->constFind(key);
            if (entry != versionInfo_->cend())
                Memo1->appendPlainText(key + QLatin1Char('=') + entry.value());
        }
    }
    BitBtn1->setFocus();
}
