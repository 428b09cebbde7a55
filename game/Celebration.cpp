#include "game/Celebration.h"

#include "game/TableWidgets.h"

#include <QApplication>
#include <QDir>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>

const std::array<QColor, 5> Celebration::FlashColors{
    QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0), QColor(255, 0, 255), QColor(0, 255, 255),
};

Celebration::Celebration(TTableClient* table, Delay delay, QObject* parent)
    : QObject(parent), table_(table), delay_(std::move(delay))
{
}

void Celebration::Run(const QString& tadaSound)
{
    PlaySoundFile(tadaSound);
    const QColor former = table_->Color();
    for (int round = 0; round < 3; ++round) {
        for (const QColor& color : FlashColors) {
            table_->SetColor(color);
            delay_(100);
        }
    }
    table_->SetColor(former);
}

void Celebration::PlaySoundFile(const QString& path)
{
    emit soundStarted(path);
    if (path.isEmpty()) {
        QApplication::beep();
        return;
    }
    if (!effect_)
        effect_ = new QSoundEffect(this);
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}

QString FindMediaFolder(const QString& programFolder)
{
    const QString shared = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                  QStringLiteral("velpoker/media"), QStandardPaths::LocateDirectory);
    if (!shared.isEmpty())
        return QDir::cleanPath(shared);
    const QString beside = programFolder + QStringLiteral("/media");
    return QDir(beside).exists() ? QDir::cleanPath(beside) : QString();
}
