// The game in the player's language: every translation is complete and keeps
// every placeholder and shortcut, and the table started on a desktop in each
// shipped language speaks it, down to Qt's own buttons in its questions.
#include "TableFixture.h"

#include "game/TableWidgets.h"
#include "game/Translations.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>

using namespace fixture;

namespace {

// What a player sees on a desktop in each shipped language, one row per
// language named by its locale (the language of its translations/*.ts file).
// The table is dealt 7♠ A♣ 5♦ Q♥ 8♦, holds the queen and draws two pair.
struct DesktopLanguage {
    const char* locale;
    const char* draw, *bet, *payoutTable;       // the table's buttons
    const char* credit, *jacksOrBetter;         // its labels
    const char* gameMenu, *helpMenu;
    const char* fullPay;                        // the first schedule in the list
    const char* currentBet;                     // at a bet of 5
    const char* dealt;                          // what a screen reader hears of the deal
    const char* heldQueen;                      // ... of the fourth place, held
    const char* twoPair, *win;                  // the result of the draw
    const char* spokenResult;                   // how the spoken result ends
    const char* newGameQuestion, *confirm;      // the question of Game - New
    const char* yes, *no;                       // Qt's own buttons
};

const DesktopLanguage DesktopLanguages[] = {
    {.locale = "en_US", .draw = "&Draw", .bet = "&Bet", .payoutTable = "Payout &Table", .credit = "Credit",
     .jacksOrBetter = "Jacks or Better", .gameMenu = "Game", .helpMenu = "&Help", .fullPay = "9 / 6 : Full Pay",
     .currentBet = "Current Bet  5",
     .dealt = "Dealt: Seven of Spades, Ace of Clubs, Five of Diamonds, Queen of Hearts, Eight of Diamonds",
     .heldQueen = "Queen of Hearts, held", .twoPair = "Two Pair", .win = "Win 10",
     .spokenResult = ". Two Pair, win 10, credit 105", .newGameQuestion = "vel Zezuv Game in Progress.  New Game?",
     .confirm = "Confirm", .yes = "&Yes", .no = "&No"},
    {.locale = "de_DE", .draw = "&Ziehen", .bet = "&Setzen", .payoutTable = "Gewinn&tabelle", .credit = "Kredit",
     .jacksOrBetter = "Buben oder besser", .gameMenu = "Spiel", .helpMenu = "&Hilfe", .fullPay = "9 / 6 : Voll",
     .currentBet = "Einsatz  5", .dealt = "Ausgeteilt: Pik-Sieben, Kreuz-Ass, Karo-Fünf, Herz-Dame, Karo-Acht",
     .heldQueen = "Herz-Dame, gehalten", .twoPair = "Zwei Paare", .win = "Plus 10",
     .spokenResult = ". Zwei Paare, Gewinn 10, Kredit 105",
     .newGameQuestion = "vel Zezuv: Ein Spiel läuft.  Neues Spiel?", .confirm = "Bestätigen", .yes = "&Ja",
     .no = "&Nein"},
    // French puts a no-break space before : and ?
    {.locale = "fr_FR", .draw = "&Tirer", .bet = "&Miser", .payoutTable = "Table des &gains", .credit = "Crédit",
     .jacksOrBetter = "Valets ou mieux", .gameMenu = "Partie", .helpMenu = "&Aide", .fullPay = "9 / 6 : Plein",
     .currentBet = "Mise actuelle  5",
     .dealt = "Distribuées\u00a0: Sept de pique, As de trèfle, Cinq de carreau, Dame de cœur, Huit de carreau",
     .heldQueen = "Dame de cœur, gardée", .twoPair = "Deux paires", .win = "Gain 10",
     .spokenResult = ". Deux paires, gain 10, crédit 105",
     .newGameQuestion = "vel Zezuv\u00a0: une partie est en cours.  Nouvelle partie\u00a0?", .confirm = "Confirmer",
     .yes = "&Oui", .no = "&Non"},
    {.locale = "es_ES", .draw = "&Robar", .bet = "&Apostar", .payoutTable = "&Tabla de pagos", .credit = "Saldo",
     .jacksOrBetter = "Jotas o mejor", .gameMenu = "Partida", .helpMenu = "A&yuda", .fullPay = "9 / 6 : Alto",
     .currentBet = "Apuesta actual  5",
     .dealt = "Repartidas: Siete de picas, As de tréboles, Cinco de diamantes, Reina de corazones, Ocho de diamantes",
     .heldQueen = "Reina de corazones, retenida", .twoPair = "Doble pareja", .win = "Gana 10",
     .spokenResult = ". Doble pareja, gana 10, saldo 105",
     .newGameQuestion = "vel Zezuv: hay una partida en curso.  ¿Nueva partida?", .confirm = "Confirmar",
     .yes = "&Sí", .no = "&No"},
    {.locale = "it_IT", .draw = "&Cambia", .bet = "&Punta", .payoutTable = "&Tabella vincite", .credit = "Saldo",
     .jacksOrBetter = "Fanti o meglio", .gameMenu = "Partita", .helpMenu = "&Aiuto", .fullPay = "9 / 6 : Piena",
     .currentBet = "Puntata  5",
     .dealt = "Servite: Sette di picche, Asso di fiori, Cinque di quadri, Donna di cuori, Otto di quadri",
     .heldQueen = "Donna di cuori, tenuta", .twoPair = "Doppia coppia", .win = "Vinti 10",
     .spokenResult = ". Doppia coppia, vincita 10, saldo 105",
     .newGameQuestion = "vel Zezuv: partita in corso.  Nuova partita?", .confirm = "Conferma", .yes = "&Sì",
     .no = "&No"},
    {.locale = "pt_BR", .draw = "&Trocar", .bet = "&Apostar", .payoutTable = "&Pagamentos", .credit = "Saldo",
     .jacksOrBetter = "Valetes ou Melhor", .gameMenu = "Jogo", .helpMenu = "Aj&uda", .fullPay = "9 / 6 : Integral",
     .currentBet = "Aposta  5",
     .dealt = "Recebidas: Sete de Espadas, Ás de Paus, Cinco de Ouros, Dama de Copas, Oito de Ouros",
     .heldQueen = "Dama de Copas, mantida", .twoPair = "Dois Pares", .win = "Pago 10",
     .spokenResult = ". Dois Pares, ganho 10, saldo 105",
     .newGameQuestion = "vel Zezuv: jogo em andamento.  Novo jogo?", .confirm = "Confirmar", .yes = "&Sim",
     .no = "&Não"},
    {.locale = "pl_PL", .draw = "&Dobierz", .bet = "&Rozdaj", .payoutTable = "&Tabela wypłat", .credit = "Kredyt",
     .jacksOrBetter = "Walety lub wyżej", .gameMenu = "Gra", .helpMenu = "Pomo&c", .fullPay = "9 / 6 : Pełna",
     .currentBet = "Stawka  5", .dealt = "Rozdano: Siódemka pik, As trefl, Piątka karo, Dama kier, Ósemka karo",
     .heldQueen = "Dama kier, karta zatrzymana", .twoPair = "Dwie pary", .win = "Wygr. 10",
     .spokenResult = ". Dwie pary, wygrana 10, kredyt 105",
     .newGameQuestion = "vel Zezuv: Gra w toku.  Zacząć nową grę?", .confirm = "Potwierdź",
     .yes = "&Tak", .no = "&Nie"},
    {.locale = "ru_RU", .draw = "&Обмен", .bet = "С&дать", .payoutTable = "&Таблица выплат", .credit = "Счёт",
     .jacksOrBetter = "Валеты или выше", .gameMenu = "Игра", .helpMenu = "&Справка", .fullPay = "9 / 6 : Полная",
     .currentBet = "Ставка  5", .dealt = "Сдано: Семёрка пик, Туз треф, Пятёрка бубен, Дама червей, Восьмёрка бубен",
     .heldQueen = "Дама червей, карта оставлена", .twoPair = "Две пары", .win = "Приз 10",
     .spokenResult = ". Две пары, выигрыш 10, счёт 105", .newGameQuestion = "vel Zezuv: Идёт игра.  Начать новую игру?",
     .confirm = "Подтверждение", .yes = "&Да", .no = "&Нет"},
    // A new language: its row here, by the locale of its .ts file.
};

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

// The Alt+letter shortcuts of one window or menu, each with the texts that
// claim it.
QMultiMap<QString, QString> Mnemonics(const QWidget& window)
{
    QStringList texts;
    if (const auto* menu = qobject_cast<const QMenu*>(&window)) {
        for (const QAction* action : menu->actions())
            texts << action->text();
    }
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (child->window() != &window)
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(child)) {
            texts << button->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(child); label && label->buddy()) {
            texts << label->text();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(child)) {
            texts << group->title();
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(child)) {
            for (const QAction* menu : bar->actions())
                texts << menu->text();
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(child)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts << tabs->tabText(tab);
        }
    }
    QMultiMap<QString, QString> mnemonics;
    for (const QString& text : texts) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(text);
        if (!mnemonic.isEmpty())
            mnemonics.insert(mnemonic.toString(), text);
    }
    return mnemonics;
}

void RemoveTranslations()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// The row of the desktop's language, as CTest sets it for each run.
const DesktopLanguage* ThisDesktop()
{
    const QString locale = QLocale().name();
    for (const DesktopLanguage& language : DesktopLanguages) {
        if (locale == QLatin1String(language.locale))
            return &language;
    }
    return nullptr;
}

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList TranslationFiles()
{
    return QDir(QStringLiteral(VEL_TRANSLATIONS_DIR)).entryList({QStringLiteral("velpoker_*.ts")}, QDir::Files);
}

// The locale a translation file is for, as its <TS language="..."> names it.
QString LocaleOf(const QString& file)
{
    QFile ts(QStringLiteral(VEL_TRANSLATIONS_DIR "/") + file);
    if (!ts.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&ts);
    xml.readNextStartElement();
    return xml.attributes().value(QLatin1String("language")).toString();
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void translationsAreComplete_data();
    void translationsAreComplete();
    void everyTranslationHasADesktopRow_data();
    void everyTranslationHasADesktopRow();
    void desktopGetsItsLanguage();
    void questionHasQtsOwnButtons();
    void shortcutsDoNotClash();
    void untranslatedLanguageStaysEnglish();
    void cleanup() { RemoveTranslations(); }

private:
    Sandbox sandbox_;
};

void TranslationsTest::translationsAreComplete_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<bool>("finished");
    const QStringList files = TranslationFiles();
    QVERIFY2(files.size() >= 7, "German, French, Spanish, Italian, Portuguese, Polish, Russian");
    for (const QString& file : files) {
        const QList<Message> messages = ReadTranslation(QStringLiteral(VEL_TRANSLATIONS_DIR "/") + file);
        QVERIFY2(messages.size() > 250, qPrintable(file + QStringLiteral(" holds the game's texts")));
        for (const Message& message : messages) {
            const QString row = LocaleOf(file) + QLatin1Char(' ') + message.context + QLatin1Char(' ') + message.source.left(40);
            QTest::newRow(qPrintable(row)) << message.source << message.translation << message.finished;
        }
    }
}

void TranslationsTest::translationsAreComplete()
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

// A shipped language starts its own run of this test (tests/CMakeLists.txt
// makes one per file), which needs its row of expected captions.
void TranslationsTest::everyTranslationHasADesktopRow_data()
{
    QTest::addColumn<QString>("locale");
    for (const QString& file : TranslationFiles())
        QTest::newRow(qPrintable(file)) << LocaleOf(file);
}

void TranslationsTest::everyTranslationHasADesktopRow()
{
    QFETCH(QString, locale);
    const bool found = std::any_of(std::begin(DesktopLanguages), std::end(DesktopLanguages),
                                   [&](const DesktopLanguage& row) { return locale == QLatin1String(row.locale); });
    QVERIFY2(found, qPrintable(QStringLiteral("no row for %1 in DesktopLanguages").arg(locale)));
}

// The program's own start-up finds the language from the environment CTest
// gives this run.
void TranslationsTest::desktopGetsItsLanguage()
{
    const DesktopLanguage* expected = ThisDesktop();
    QVERIFY2(expected, qPrintable(QStringLiteral("no row for %1 in DesktopLanguages").arg(QLocale().name())));
    vel::InstallTranslations(*qApp);
    const auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QCOMPARE(Child<QPushButton>(*table, "BitBtn1")->text(), Text(expected->draw));
    QCOMPARE(Child<QPushButton>(*table, "BitBtn2")->text(), Text(expected->bet));
    QCOMPARE(Child<QPushButton>(*table, "BitBtn3")->text(), Text(expected->payoutTable));
    QCOMPARE(Child<QLabel>(*table, "Label6")->text(), Text(expected->credit));
    QCOMPARE(Child<QLabel>(*table, "Label14")->text(), Text(expected->jacksOrBetter));
    QCOMPARE(MenuTitles(*table), (QStringList{Text(expected->gameMenu), Text(expected->helpMenu)}));
    QCOMPARE(Child<QComboBox>(*table, "ComboBox1")->itemText(0), Text(expected->fullPay));

    // The first deal of this deck is 7♠ A♣ 5♦ Q♥ 8♦: a screen reader hears
    // the cards as the language's players name them.
    UseClock(*table, 1);
    table->BitBtn2Click();
    QCOMPARE(Child<QLabel>(*table, "Label9")->text(), Text(expected->currentBet));
    const QString dealt =
        QAccessible::queryAccessibleInterface(Child<QPushButton>(*table, "BitBtn1"))->text(QAccessible::Description);
    QCOMPARE(dealt, Text(expected->dealt));
    PressKey(*table, '4');
    QCOMPARE(QAccessible::queryAccessibleInterface(Child<QWidget>(*table, "Panel4"))->text(QAccessible::Name),
             Text(expected->heldQueen));
    table->BitBtn1Click();
    QCOMPARE(Child<QLabel>(*table, "Label10")->text(), Text(expected->twoPair));
    QCOMPARE(Child<QLabel>(*table, "Label11")->text(), Text(expected->win));
    const QString result =
        QAccessible::queryAccessibleInterface(Child<QPushButton>(*table, "BitBtn2"))->text(QAccessible::Description);
    QVERIFY2(result.endsWith(Text(expected->spokenResult)), qPrintable(result));
}

void TranslationsTest::questionHasQtsOwnButtons()
{
    const DesktopLanguage* expected = ThisDesktop();
    QVERIFY2(expected, qPrintable(QStringLiteral("no row for %1 in DesktopLanguages").arg(QLocale().name())));
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
    QCOMPARE(text, Text(expected->newGameQuestion));
    QCOMPARE(title, Text(expected->confirm));
    QCOMPARE(yes, Text(expected->yes));
    QCOMPARE(no, Text(expected->no));
}

// Within one window or menu no two controls answer to the same Alt+letter:
// the table, each of its menus, Options, the advisor and the text windows.
void TranslationsTest::shortcutsDoNotClash()
{
    vel::InstallTranslations(*qApp);
    const auto table = StartTable(sandbox_.programPath);
    QVERIFY(table);
    QList<const QWidget*> windows{table.get()};
    for (const QWidget* child : table->findChildren<QWidget*>()) {
        if (child->isWindow())
            windows << child;
    }
    QVERIFY2(windows.size() >= 9, "the table, its two menus and its secondary windows");
    for (const QWidget* window : windows) {
        const QMultiMap<QString, QString> mnemonics = Mnemonics(*window);
        for (const QString& key : mnemonics.uniqueKeys()) {
            const QStringList texts = mnemonics.values(key);
            QVERIFY2(texts.size() == 1, qPrintable(QStringLiteral("%1 in %2 %3: %4").arg(key, QLocale().name(),
                         QString::fromLatin1(window->metaObject()->className()), texts.join(QStringLiteral(" / ")))));
        }
    }
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
