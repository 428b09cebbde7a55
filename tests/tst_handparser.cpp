// Hands typed as players write them: ranks and suits in letters or symbols,
// in any case, apart by blanks or commas; and each fault a player makes.
#include "HandText.h"

#include "engine/HandParser.h"

#include <QTest>

using Fault = vel::ParsedHand::Fault;

Q_DECLARE_METATYPE(Fault)

class HandParserTest : public QObject {
    Q_OBJECT
private slots:
    void goodSpellings_data();
    void goodSpellings();
    void faults_data();
    void faults();
};

void HandParserTest::goodSpellings_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cards"); // as HandText reads them, place 1 first
    const QString kings = QStringLiteral("KH KD 9C 8D 3D");
    QTest::newRow("letters") << QStringLiteral("Kh Kd 9c 8d 3d") << kings;
    QTest::newRow("symbols") << QStringLiteral("K♥ K♦ 9♣ 8♦ 3♦") << kings;
    QTest::newRow("white symbols") << QStringLiteral("K♡ K♢ 9♧ 8♢ 3♢") << kings;
    QTest::newRow("emoji symbols") << QStringLiteral("K♥️ K♦️ 9♣️ 8♦️ 3♦️") << kings;
    QTest::newRow("capitals") << QStringLiteral("KH KD 9C 8D 3D") << kings;
    QTest::newRow("small letters") << QStringLiteral("kh kd 9c 8d 3d") << kings;
    QTest::newRow("commas") << QStringLiteral("Kh,Kd,9c,8d,3d") << kings;
    QTest::newRow("commas and blanks") << QStringLiteral("  Kh, Kd ,9c ,, 8d\t3d\n") << kings;
    QTest::newRow("run together") << QStringLiteral("KhKd9c8d3d") << kings;
    QTest::newRow("letters and symbols mixed") << QStringLiteral("K♥ Kd 9♣ 8D 3♦") << kings;
    QTest::newRow("ten as 10") << QStringLiteral("10h Jh Qh Kh Ah") << QStringLiteral("TH JH QH KH AH");
    QTest::newRow("ten as T, mixed case") << QStringLiteral("Th jH qh KH aH") << QStringLiteral("TH JH QH KH AH");
    QTest::newRow("ten of spades by symbol") << QStringLiteral("10♠ 10♣ 2♠ 2♣ A♦") << QStringLiteral("TS TC 2S 2C AD");
    QTest::newRow("order kept") << QStringLiteral("2s 3c As 7h 9d") << QStringLiteral("2S 3C AS 7H 9D");
}

void HandParserTest::goodSpellings()
{
    QFETCH(QString, typed);
    QFETCH(QString, cards);
    const vel::ParsedHand parsed = vel::ParseHand(typed.toStdString());
    QCOMPARE(parsed.fault, Fault::None);
    QCOMPARE(parsed.cards, handtext::HandOf(cards));
    QCOMPARE(parsed.count, 5);
}

void HandParserTest::faults_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("word");    // the word that is no card
    QTest::addColumn<QString>("repeated"); // the card typed twice
    QTest::addColumn<int>("count");       // the cards read
    QTest::newRow("no such card") << QStringLiteral("Xq Kd 9c 8d 3d") << Fault::NotACard << "Xq" << "" << 0;
    QTest::newRow("no such suit") << QStringLiteral("Kh Kx 9c 8d 3d") << Fault::NotACard << "Kx" << "" << 0;
    QTest::newRow("rank alone") << QStringLiteral("Kh K 9c 8d 3d") << Fault::NotACard << "K" << "" << 0;
    QTest::newRow("one is no rank") << QStringLiteral("1h Kd 9c 8d 3d") << Fault::NotACard << "1h" << "" << 0;
    QTest::newRow("eleven") << QStringLiteral("11h Kd 9c 8d 3d") << Fault::NotACard << "11h" << "" << 0;
    QTest::newRow("suit first") << QStringLiteral("hK Kd 9c 8d 3d") << Fault::NotACard << "hK" << "" << 0;
    QTest::newRow("half a card at the end of a word")
        << QStringLiteral("KhKd9 8d 3d") << Fault::NotACard << "KhKd9" << "" << 0;
    QTest::newRow("no card after five") << QStringLiteral("Kh Kd 9c 8d 3d Xq") << Fault::NotACard << "Xq" << "" << 0;
    QTest::newRow("twice") << QStringLiteral("Kh Kd 9c 8d Kh") << Fault::Twice << "" << "KH" << 0;
    QTest::newRow("twice, letter and symbol") << QStringLiteral("K♥ kH 9c 8d 3d") << Fault::Twice << "" << "KH" << 0;
    QTest::newRow("twice, 10 and T") << QStringLiteral("10s Ts 9c 8d 3d") << Fault::Twice << "" << "TS" << 0;
    QTest::newRow("twice before no card") << QStringLiteral("Kh Kh Xq") << Fault::Twice << "" << "KH" << 0;
    QTest::newRow("four cards") << QStringLiteral("Kh Kd 9c 8d") << Fault::TooFew << "" << "" << 4;
    QTest::newRow("one card") << QStringLiteral("Kh") << Fault::TooFew << "" << "" << 1;
    QTest::newRow("nothing") << QString() << Fault::TooFew << "" << "" << 0;
    QTest::newRow("blanks and commas") << QStringLiteral(" , ,") << Fault::TooFew << "" << "" << 0;
    QTest::newRow("six cards") << QStringLiteral("Kh Kd 9c 8d 3d 2s") << Fault::TooMany << "" << "" << 6;
    QTest::newRow("all run together") << QStringLiteral("2c3c4c5c6c7c8c") << Fault::TooMany << "" << "" << 7;
}

void HandParserTest::faults()
{
    QFETCH(QString, typed);
    QFETCH(Fault, fault);
    QFETCH(QString, word);
    QFETCH(QString, repeated);
    QFETCH(int, count);
    const vel::ParsedHand parsed = vel::ParseHand(typed.toStdString());
    QCOMPARE(parsed.fault, fault);
    if (fault == Fault::NotACard)
        QCOMPARE(QString::fromStdString(parsed.word), word);
    if (fault == Fault::Twice)
        QCOMPARE(parsed.repeated, handtext::CardOf(repeated));
    if (fault == Fault::TooFew || fault == Fault::TooMany)
        QCOMPARE(parsed.count, count);
}

QTEST_MAIN(HandParserTest)
#include "tst_handparser.moc"
