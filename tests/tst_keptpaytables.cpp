// The advisor's pay tables kept under the player's names in the settings
// file: read back as written, damaged lines passed over, everything else in
// the file left as it was.
#include "shell/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vel;
using SaveResult = SettingsFile::SaveResult;
using Kept = QList<QPair<QString, QString>>; // name, the ten pays joined by commas

Q_DECLARE_METATYPE(Kept)

namespace {

const QByteArray MainKeys = "[Main]\nCelebrateLevel=6\nPayout=2\nPanelColor=15780518\n"
                            "WinColor=32768\nHoldColor=255\nScaleCards=0\n";

QString PaysText(const PayTable& table)
{
    QStringList pays;
    for (int pay : table.Pays())
        pays << QString::number(pay);
    return pays.join(QLatin1Char(','));
}

Kept Listed(const Settings& settings)
{
    Kept kept;
    for (const KeptPayTable& table : settings.PayTables)
        kept.append({table.name, PaysText(table.pays)});
    return kept;
}

KeptPayTable Table(const QString& name, const PayList& pays)
{
    return {name, *PayTable::FromPays(pays)};
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class KeptPayTablesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void readBack_data();
    void readBack();
    void keptAndDeletedWithForeignLinesIntact();
    void anyNameComesBack_data();
    void anyNameComesBack();
    void sameName_data();
    void sameName();
    void utf16FileKeepsItsEncoding();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void KeptPayTablesTest::readBack_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<Kept>("expected");
    const QString road = QStringLiteral("1000,250,50,25,8,5,4,3,2,1");
    QTest::newRow("one table") << QByteArray("Road 8%2F5=1000,250,50,25,8,5,4,3,2,1\n") << Kept{{"Road 8/5", road}};
    QTest::newRow("blanks around") << QByteArray("  Road 8%2F5 =  1000, 250 ,50,25,8,5,4,3,2, 1  \n")
                                   << Kept{{"Road 8/5", road}};
    QTest::newRow("symbols in the name") << QByteArray("Z%C3%A9z%C3%A9 %E2%99%A5=800,250,50,40,9,6,4,3,2,1\n")
                                         << Kept{{QStringLiteral("Zézé ♥"), "800,250,50,40,9,6,4,3,2,1"}};
    QTest::newRow("highest and lowest pays")
        << QByteArray("Top=100000,0,0,0,0,0,0,0,0,0\n") << Kept{{"Top", "100000,0,0,0,0,0,0,0,0,0"}};
    QTest::newRow("damaged lines passed over")
        << QByteArray("Nine=1,2,3,4,5,6,7,8,9\nEleven=1,2,3,4,5,6,7,8,9,10,11\nBelow=800,-1,50,25,9,6,4,3,2,1\n"
                      "Above=100001,250,50,25,9,6,4,3,2,1\nWords=a,b,c,d,e,f,g,h,i,j\n=800,250,50,25,9,6,4,3,2,1\n"
                      "%20%20=800,250,50,25,9,6,4,3,2,1\nEmpty pay=800,,50,25,9,6,4,3,2,1\nno equals sign\n"
                      "Road 8%2F5=1000,250,50,25,8,5,4,3,2,1\nHuge=800,250,50,25,9,6,4,3,2,99999999999\n")
        << Kept{{"Road 8/5", road}};
    QTest::newRow("first of a name twice")
        << QByteArray("Joe=1000,250,50,25,8,5,4,3,2,1\nJOE=800,250,50,25,9,6,4,3,2,1\n") << Kept{{"Joe", road}};
    QTest::newRow("in the order listed")
        << QByteArray("B=1000,250,50,25,8,5,4,3,2,1\nA=800,250,50,25,9,6,4,3,2,1\n")
        << Kept{{"B", road}, {"A", "800,250,50,25,9,6,4,3,2,1"}};
}

void KeptPayTablesTest::readBack()
{
    QFETCH(QByteArray, section);
    QFETCH(Kept, expected);
    SettingsFile file(dir_->path());
    QVERIFY(WriteBytes(file.Path(), "[Main]\nPayout=4\n[PayTables]\n" + section + "[Later]\nA=1\n"));
    Settings settings;
    file.LoadSettings(settings);
    QCOMPARE(Listed(settings), expected);
    QCOMPARE(settings.Payout, 4); // the rest of the file is read as before
}

void KeptPayTablesTest::keptAndDeletedWithForeignLinesIntact()
{
    SettingsFile file(dir_->path());
    const QByteArray before = "; the player's own notes\r\n[Display]\r\nMode=2\r\n" + QByteArray(MainKeys).replace("\n", "\r\n")
                              + "[PayTables]\r\n; machines near me\r\nRoad 8%2F5 = 1000,250,50,25,8,5,4,3,2,1\r\n"
                                "Broken=1,2,3\r\nGone=800,250,50,25,7,5,4,3,2,1\r\n\r\n[Later]\r\nA=1";
    QVERIFY(WriteBytes(file.Path(), before));
    Settings settings;
    file.LoadSettings(settings);
    QCOMPARE(Listed(settings).size(), 2);
    settings.PayTables.erase(settings.PayTables.begin() + 1); // "Gone"
    settings.PayTables[0].pays = *PayTable::FromPays({1200, 250, 50, 25, 8, 5, 4, 3, 2, 1});
    settings.PayTables.push_back(Table(QStringLiteral("9/6, 40 for quads"), {800, 250, 50, 40, 9, 6, 4, 3, 2, 1}));
    QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);

    const QByteArray after = "; the player's own notes\r\n[Display]\r\nMode=2\r\n" + QByteArray(MainKeys).replace("\n", "\r\n")
                             + "[PayTables]\r\n; machines near me\r\nRoad 8%2F5 = 1200,250,50,25,8,5,4,3,2,1\r\n"
                               "Broken=1,2,3\r\n9%2F6%2C 40 for quads=800,250,50,40,9,6,4,3,2,1\r\n\r\n[Later]\r\nA=1";
    QCOMPARE(ReadBytes(file.Path()), after);
    Settings again;
    file.LoadSettings(again);
    QCOMPARE(Listed(again), Listed(settings));

    // With no table left the section keeps only what was not the game's.
    again.PayTables.clear();
    QCOMPARE(file.SaveSettings(again), SaveResult::Saved);
    QVERIFY(ReadBytes(file.Path()).endsWith("[PayTables]\r\n; machines near me\r\nBroken=1,2,3\r\n\r\n[Later]\r\nA=1"));
}

void KeptPayTablesTest::anyNameComesBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("Downtown");
    QTest::newRow("INI characters") << QStringLiteral("[a]=b;c #d %41");
    QTest::newRow("symbols") << QStringLiteral("K♥ 9/6 Zézé 🂡");
    QTest::newRow("tab inside") << QStringLiteral("a\tb");
}

void KeptPayTablesTest::anyNameComesBack()
{
    QFETCH(QString, name);
    SettingsFile file(dir_->path());
    Settings settings;
    settings.PayTables = {Table(name, {4000, 250, 50, 25, 9, 6, 4, 3, 2, 1})};
    QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
    const QByteArray saved = ReadBytes(file.Path());
    QVERIFY(saved.startsWith(MainKeys + "[PayTables]\n"));
    for (char byte : saved)
        QVERIFY2(byte > 0 && byte != '\t', "a name is stored in ASCII without control characters");
    Settings loaded;
    file.LoadSettings(loaded);
    QCOMPARE(Listed(loaded), (Kept{{name, "4000,250,50,25,9,6,4,3,2,1"}}));
}

void KeptPayTablesTest::sameName_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("ASCII case") << "Road" << "rOAD" << true;
    QTest::newRow("blanks around") << " Road " << "Road" << true;
    QTest::newRow("other name") << "Road" << "Roads" << false;
    QTest::newRow("case beyond ASCII") << QStringLiteral("É") << QStringLiteral("é") << false;
    QTest::newRow("percent sign is not a code") << "%41" << "A" << false;
}

void KeptPayTablesTest::sameName()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(SameTableName(a, b), same);
    // The file agrees: a second table of the same name replaces the first.
    SettingsFile file(dir_->path());
    Settings settings;
    settings.PayTables = {Table(a, {800, 250, 50, 25, 9, 6, 4, 3, 2, 1}), Table(b, {900, 250, 50, 25, 9, 6, 4, 3, 2, 1})};
    QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
    Settings loaded;
    file.LoadSettings(loaded);
    QCOMPARE(loaded.PayTables.size(), same ? 1u : 2u);
}

void KeptPayTablesTest::utf16FileKeepsItsEncoding()
{
    SettingsFile file(dir_->path());
    const QString text = QStringLiteral("\uFEFF[Zézé]\r\nSuit=♠\r\n[Main]\r\nPayout=4\r\n");
    QByteArray bytes(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QVERIFY(WriteBytes(file.Path(), bytes));
    Settings settings;
    file.LoadSettings(settings);
    settings.PayTables = {Table(QStringLiteral("Zézé ♥"), {800, 250, 50, 25, 9, 6, 4, 3, 2, 1})};
    QCOMPARE(file.SaveSettings(settings), SaveResult::Saved);
    const QByteArray saved = ReadBytes(file.Path());
    QVERIFY(saved.startsWith("\xFF\xFE")); // little-endian, as it was
    const QString decoded = QString::fromUtf16(reinterpret_cast<const char16_t*>(saved.constData()), saved.size() / 2);
    QVERIFY2(decoded.startsWith(text.mid(1)), qPrintable(decoded)); // read without its byte-order mark
    QVERIFY(decoded.endsWith(QStringLiteral("[PayTables]\r\nZ%C3%A9z%C3%A9 %E2%99%A5=800,250,50,25,9,6,4,3,2,1\r\n")));
    Settings loaded;
    file.LoadSettings(loaded);
    QCOMPARE(Listed(loaded), Listed(settings));
}

QTEST_MAIN(KeptPayTablesTest)
#include "tst_keptpaytables.moc"
