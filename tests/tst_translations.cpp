// The game in the player's language: the German translation is complete and
// keeps every placeholder and shortcut, and the table started on a German
// desktop speaks German, down to Qt's own buttons in its questions.
#include "TableFixture.h"

#include "game/TableWidgets.h"
#include "game/Translations.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>

using namespace fixture;

namespace {

struct Message {
    QString context, source, translation;
    bool finished = true;
};

QList<Message> ReadTranslation(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, true});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

// The %1..%99 a text fills in, sorted: a translation may reorder them.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9][0-9]?"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

bool HasMnemonic(QString text)
{
    return text.remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

QString Edges(const QString& text)
{
    const auto isSpace = [](QChar c) { return c.isSpace(); };
    const auto start = std::find_if_not(text.cbegin(), text.cend(), isSpace);
    const auto end = std::find_if_not(text.crbegin(), text.crend(), isSpace).base();
    return QString(text.cbegin(), start - text.cbegin()) + QLatin1Char('|') + QString(end, text.cend() - end);
}

template <typename T>
T* Child(const QObject& parent, const char* name)
{
    return parent.findChild<T*>(QLatin1String(name));
}

QStringList MenuTitles(TForm1& table)
{
    QStringList titles;
    for (QAction* menu : table.menuBar()->actions())
        titles << menu->text();
    return titles;
}

void RemoveTranslations()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void germanIsComplete_data();
    void germanIsComplete();
    void germanDesktopGetsGermanTable();
    void germanQuestionHasGermanButtons();
    void untranslatedLanguageStaysEnglish();
    void cleanup() { RemoveTranslations(); }

private:
    Sandbox sandbox_;
};

void TranslationsTest::germanIsComplete_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<bool>("finished");
    const QList<Message> messages = ReadTranslation(QStringLiteral(VEL_TRANSLATIONS_DIR "/velpoker_de.ts"));
    QVERIFY2(messages.size() > 250, "the German translation holds the game's texts");
    for (const Message& message : messages) {
        const QString row = message.context + QLatin1Char(' ') + message.source.left(40);
        QTest::newRow(qPrintable(row)) << message.source << message.translation << message.finished;
    }
}

void TranslationsTest::germanIsComplete()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(bool, finished);
    QVERIFY(finished);
    QVERIFY(!translation.isEmpty());
    QCOMPARE(Placeholders(translation), Placeholders(source));
    QCOMPARE(HasMnemonic(translation), HasMnemonic(source));
    QCOMPARE(Edges(translation), Edges(source)); // leading spaces and a closing line break are layout
}

// CTest starts this test with a German environment: the program's own
// start-up finds the German translations from it.
void TranslationsTest::germanDesktopGetsGermanTable()
{
    QCOMPARE(QLocale().language(), QLocale::German);
    vel::InstallTranslations(*qApp);
    const auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QCOMPARE(Child<QPushButton>(*table, "BitBtn1")->text(), QStringLiteral("&Ziehen"));
    QCOMPARE(Child<QPushButton>(*table, "BitBtn2")->text(), QStringLiteral("&Setzen"));
    QCOMPARE(Child<QPushButton>(*table, "BitBtn3")->text(), QStringLiteral("Auszahlungs&tabelle"));
    QCOMPARE(Child<QLabel>(*table, "Label6")->text(), QStringLiteral("Kredit"));
    QCOMPARE(Child<QLabel>(*table, "Label14")->text(), QStringLiteral("Buben oder besser"));
    QCOMPARE(MenuTitles(*table), (QStringList{QStringLiteral("Spiel"), QStringLiteral("&Hilfe")}));
    QCOMPARE(Child<QComboBox>(*table, "ComboBox1")->itemText(0), QStringLiteral("9 / 6 : Voll"));

    // The first deal of this deck is 7♠ A♣ 5♦ Q♥ 8♦: a screen reader hears
    // the cards as German players name them.
    UseClock(*table, 1);
    table->BitBtn2Click();
    QCOMPARE(Child<QLabel>(*table, "Label9")->text(), QStringLiteral("Einsatz  5"));
    const QString dealt =
        QAccessible::queryAccessibleInterface(Child<QPushButton>(*table, "BitBtn1"))->text(QAccessible::Description);
    QCOMPARE(dealt, QStringLiteral("Ausgeteilt: Pik-Sieben, Kreuz-Ass, Karo-Fünf, Herz-Dame, Karo-Acht"));
    PressKey(*table, '4');
    QCOMPARE(QAccessible::queryAccessibleInterface(Child<QWidget>(*table, "Panel4"))->text(QAccessible::Name),
             QStringLiteral("Herz-Dame, gehalten"));
    table->BitBtn1Click();
    QCOMPARE(Child<QLabel>(*table, "Label10")->text(), QStringLiteral("Zwei Paare"));
    QCOMPARE(Child<QLabel>(*table, "Label11")->text(), QStringLiteral("Gewinn 10"));
    const QString result =
        QAccessible::queryAccessibleInterface(Child<QPushButton>(*table, "BitBtn2"))->text(QAccessible::Description);
    QVERIFY2(result.endsWith(QStringLiteral(". Zwei Paare, Gewinn 10, Kredit 105")), qPrintable(result));
}

void TranslationsTest::germanQuestionHasGermanButtons()
{
    vel::InstallTranslations(*qApp);
    const auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    table->BitBtn2Click();
    table->BitBtn1Click();
    QString text, title, yes, no;
    ModalHandler<QMessageBox> question([&](QMessageBox* box) {
        text = box->text();
        title = box->windowTitle();
        yes = box->button(QMessageBox::Yes)->text();
        no = box->button(QMessageBox::No)->text();
        box->button(QMessageBox::No)->click();
    });
    table->New1Click();
    QCOMPARE(question.handled, 1);
    QCOMPARE(text, QStringLiteral("vel Zezuv: Ein Spiel läuft.  Neues Spiel?"));
    QCOMPARE(title, QStringLiteral("Bestätigen"));
    QCOMPARE(yes, QStringLiteral("&Ja"));
    QCOMPARE(no, QStringLiteral("&Nein"));
}

void TranslationsTest::untranslatedLanguageStaysEnglish()
{
    vel::InstallTranslations(*qApp, QLocale(QLocale::Finnish, QLocale::Finland));
    const auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QCOMPARE(Child<QPushButton>(*table, "BitBtn1")->text(), QStringLiteral("&Draw"));
    QCOMPARE(Child<QLabel>(*table, "Label6")->text(), QStringLiteral("Credit"));
    QCOMPARE(MenuTitles(*table), (QStringList{QStringLiteral("Game"), QStringLiteral("&Help")}));
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
