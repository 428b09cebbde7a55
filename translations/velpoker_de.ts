<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Card</name>
    <message>
        <source>J</source>
        <comment>corner index of a jack</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>corner index of a queen</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <comment>corner index of a king</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>A</source>
        <comment>corner index of an ace</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2-%1</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Royal flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>High pair (jacks or better)</source>
        <translation>Hohes Paar (Buben oder besser)</translation>
    </message>
    <message>
        <source>Low pair (twos to tens)</source>
        <translation>Niedriges Paar (Zweien bis Zehnen)</translation>
    </message>
    <message>
        <source>4 to a royal flush</source>
        <translation>4 zum Royal Flush</translation>
    </message>
    <message>
        <source>3 to a royal flush</source>
        <translation>3 zum Royal Flush</translation>
    </message>
    <message>
        <source>4 to a straight flush</source>
        <translation>4 zum Straight Flush</translation>
    </message>
    <message>
        <source>4 to an outside straight flush</source>
        <translation>4 zum beidseitig offenen Straight Flush</translation>
    </message>
    <message>
        <source>4 to an inside straight flush</source>
        <translation>4 zum Straight Flush mit Lücke (innen)</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, no gap</source>
        <translation>3 zum Straight Flush, keine hohe Karte, keine Lücke</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 1 gap</source>
        <translation>3 zum Straight Flush, keine hohe Karte, 1 Lücke</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 2 gaps</source>
        <translation>3 zum Straight Flush, keine hohe Karte, 2 Lücken</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, no gap</source>
        <translation>3 zum Straight Flush, 1 hohe Karte, keine Lücke</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 1 gap</source>
        <translation>3 zum Straight Flush, 1 hohe Karte, 1 Lücke</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 2 gaps</source>
        <translation>3 zum Straight Flush, 1 hohe Karte, 2 Lücken</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 1 gap</source>
        <translation>3 zum Straight Flush, 2 hohe Karten, 1 Lücke</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 2 gaps</source>
        <translation>3 zum Straight Flush, 2 hohe Karten, 2 Lücken</translation>
    </message>
    <message>
        <source>4 to a flush</source>
        <translation>4 zum Flush</translation>
    </message>
    <message>
        <source>4 to a flush, no high card</source>
        <translation>4 zum Flush, keine hohe Karte</translation>
    </message>
    <message>
        <source>4 to a flush, 1 high card</source>
        <translation>4 zum Flush, 1 hohe Karte</translation>
    </message>
    <message>
        <source>4 to a flush, 2 high cards</source>
        <translation>4 zum Flush, 2 hohe Karten</translation>
    </message>
    <message>
        <source>4 to a flush, 3 high cards</source>
        <translation>4 zum Flush, 3 hohe Karten</translation>
    </message>
    <message>
        <source>4 to an outside straight</source>
        <translation>4 zur beidseitig offenen Straße</translation>
    </message>
    <message>
        <source>4 to an outside straight, no high card</source>
        <translation>4 zur beidseitig offenen Straße, keine hohe Karte</translation>
    </message>
    <message>
        <source>4 to an outside straight, 1 high card</source>
        <translation>4 zur beidseitig offenen Straße, 1 hohe Karte</translation>
    </message>
    <message>
        <source>4 to an outside straight, 2 high cards</source>
        <translation>4 zur beidseitig offenen Straße, 2 hohe Karten</translation>
    </message>
    <message>
        <source>4 to an outside straight, 3 high cards (TJQK)</source>
        <translation>4 zur beidseitig offenen Straße, 3 hohe Karten (ZBDK)</translation>
    </message>
    <message>
        <source>4 to an inside straight</source>
        <translation>4 zur Straße mit Lücke (innen)</translation>
    </message>
    <message>
        <source>4 to an inside straight, no high card</source>
        <translation>4 zur Straße mit Lücke (innen), keine hohe Karte</translation>
    </message>
    <message>
        <source>4 to an inside straight, 1 high card</source>
        <translation>4 zur Straße mit Lücke (innen), 1 hohe Karte</translation>
    </message>
    <message>
        <source>4 to an inside straight, 2 high cards</source>
        <translation>4 zur Straße mit Lücke (innen), 2 hohe Karten</translation>
    </message>
    <message>
        <source>4 to an inside straight, 3 high cards</source>
        <translation>4 zur Straße mit Lücke (innen), 3 hohe Karten</translation>
    </message>
    <message>
        <source>4 to an inside straight, 4 high cards (AKQJ)</source>
        <translation>4 zur Straße mit Lücke (innen), 4 hohe Karten (AKDB)</translation>
    </message>
    <message>
        <source>AK suited</source>
        <translation>AK in einer Farbe</translation>
    </message>
    <message>
        <source>AQ suited</source>
        <translation>AD in einer Farbe</translation>
    </message>
    <message>
        <source>AJ suited</source>
        <translation>AB in einer Farbe</translation>
    </message>
    <message>
        <source>KQ suited</source>
        <translation>KD in einer Farbe</translation>
    </message>
    <message>
        <source>KJ suited</source>
        <translation>KB in einer Farbe</translation>
    </message>
    <message>
        <source>QJ suited</source>
        <translation>DB in einer Farbe</translation>
    </message>
    <message>
        <source>AT suited</source>
        <translation>AZ in einer Farbe</translation>
    </message>
    <message>
        <source>KT suited</source>
        <translation>KZ in einer Farbe</translation>
    </message>
    <message>
        <source>QT suited</source>
        <translation>DZ in einer Farbe</translation>
    </message>
    <message>
        <source>JT suited</source>
        <translation>BZ in einer Farbe</translation>
    </message>
    <message>
        <source>AKQ unsuited</source>
        <translation>AKD in verschiedenen Farben</translation>
    </message>
    <message>
        <source>AKJ unsuited</source>
        <translation>AKB in verschiedenen Farben</translation>
    </message>
    <message>
        <source>AQJ unsuited</source>
        <translation>ADB in verschiedenen Farben</translation>
    </message>
    <message>
        <source>KQJ unsuited</source>
        <translation>KDB in verschiedenen Farben</translation>
    </message>
    <message>
        <source>QJ unsuited</source>
        <translation>DB in verschiedenen Farben</translation>
    </message>
    <message>
        <source>KJ unsuited</source>
        <translation>KB in verschiedenen Farben</translation>
    </message>
    <message>
        <source>KQ unsuited</source>
        <translation>KD in verschiedenen Farben</translation>
    </message>
    <message>
        <source>AJ unsuited</source>
        <translation>AB in verschiedenen Farben</translation>
    </message>
    <message>
        <source>AQ unsuited</source>
        <translation>AD in verschiedenen Farben</translation>
    </message>
    <message>
        <source>AK unsuited</source>
        <translation>AK in verschiedenen Farben</translation>
    </message>
    <message>
        <source>J only</source>
        <translation>Nur B</translation>
    </message>
    <message>
        <source>Q only</source>
        <translation>Nur D</translation>
    </message>
    <message>
        <source>K only</source>
        <translation>Nur K</translation>
    </message>
    <message>
        <source>A only</source>
        <translation>Nur A</translation>
    </message>
    <message>
        <source>3 to a flush</source>
        <translation>3 zum Flush</translation>
    </message>
    <message>
        <source>3 to a flush, 1 high card</source>
        <translation>3 zum Flush, 1 hohe Karte</translation>
    </message>
    <message>
        <source>3 to a flush, 2 high cards</source>
        <translation>3 zum Flush, 2 hohe Karten</translation>
    </message>
    <message>
        <source>Royal flush, straight flush or four of a kind</source>
        <translation>Royal Flush, Straight Flush oder Vierling</translation>
    </message>
    <message>
        <source>Full house, flush, straight or three of a kind</source>
        <translation>Full House, Flush, Straße oder Drilling</translation>
    </message>
    <message>
        <source>3 to a straight flush, as many high cards as gaps or more</source>
        <translation>3 zum Straight Flush, mind. so viele hohe Karten wie Lücken</translation>
    </message>
    <message>
        <source>3 to a straight flush, one gap more than high cards</source>
        <translation>3 zum Straight Flush, eine Lücke mehr als hohe Karten</translation>
    </message>
    <message>
        <source>KQ or KJ suited</source>
        <translation>KD oder KB in einer Farbe</translation>
    </message>
    <message>
        <source>AK, AQ or AJ suited</source>
        <translation>AK, AD oder AB in einer Farbe</translation>
    </message>
    <message>
        <source>KQ or KJ unsuited</source>
        <translation>KD oder KB in verschiedenen Farben</translation>
    </message>
    <message>
        <source>AK, AQ or AJ unsuited</source>
        <translation>AK, AD oder AB in verschiedenen Farben</translation>
    </message>
    <message>
        <source>Two unsuited high cards, the lowest two</source>
        <translation>Zwei hohe Karten verschiedener Farben, die niedrigsten</translation>
    </message>
    <message>
        <source>One high card, the lowest</source>
        <translation>Eine hohe Karte, die niedrigste</translation>
    </message>
    <message>
        <source>Draw five (hold nothing)</source>
        <translation>Fünf neue Karten ziehen (nichts halten)</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>draw five new cards</source>
        <translation>fünf neue Karten ziehen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Mistake, costs %1 credits: best is %2</source>
        <translation>Fehler, kostet %1 Credits: am besten ist %2</translation>
    </message>
    <message>
        <source>The chart of this pay table is still being worked out.</source>
        <translation>Die Strategietabelle dieser Auszahlung wird noch berechnet.</translation>
    </message>
    <message>
        <source>Chart line %1: %2.</source>
        <translation>Tabellenzeile %1: %2.</translation>
    </message>
    <message>
        <source>Hands: %1. Right: %2%. Lost per 100 hands: %3 credits.</source>
        <translation>Hände: %1. Richtig: %2 %. Verloren je 100 Hände: %3 Credits.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right.&lt;/b&gt; %1 returns %2 credits on average: no hold returns more.</source>
        <translation>&lt;b&gt;Richtig.&lt;/b&gt; %1 bringt im Schnitt %2 Credits: keine Wahl bringt mehr.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mistake, it costs %1 credits.&lt;/b&gt; %2 returns %3 credits on average; the best hold, %4, returns %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;Fehler, er kostet %1 Credits.&lt;/b&gt; %2 bringt im Schnitt %3 Credits; die beste Wahl, %4, bringt %5.&lt;br&gt;%6</translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Pair of Jacks</source>
        <translation>Paar Buben</translation>
    </message>
    <message>
        <source>Pair of Queens</source>
        <translation>Paar Damen</translation>
    </message>
    <message>
        <source>Pair of Kings</source>
        <translation>Paar Könige</translation>
    </message>
    <message>
        <source>Pair of Aces</source>
        <translation>Paar Asse</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>9 / 6 : Full Pay</source>
        <translation>9 / 6 : Voll</translation>
    </message>
    <message>
        <source>6 / 5 : Low Pay</source>
        <translation>6 / 5 : Niedrig</translation>
    </message>
    <message>
        <source>8 / 6 - Med Pay</source>
        <translation>8 / 6 - Mittel</translation>
    </message>
</context>
<context>
    <name>TAdvisorForm</name>
    <message>
        <source>Deal a hand and the advisor ranks all 32 ways to hold it by the credits each returns on average, best first.</source>
        <translation>Teilen Sie eine Hand aus, und der Berater ordnet alle 32 Möglichkeiten, sie zu halten, nach den Credits, die jede im Schnitt einbringt, die beste zuerst.</translation>
    </message>
    <message>
        <source>vel Zezuv - Advisor</source>
        <translation>vel Zezuv - Berater</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Chancen</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>H&amp;old These</source>
        <translation>Diese &amp;behalten</translation>
    </message>
    <message>
        <source>Hold the best cards on the table</source>
        <translation>Die besten Karten auf dem Tisch halten</translation>
    </message>
    <message>
        <source>&amp;Warn before a costly draw</source>
        <translation>Vor teurem Ziehen &amp;warnen</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Dieses Spiel</translation>
    </message>
    <message>
        <source>Session ledger</source>
        <translation>Spielbilanz</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Ihre Hand: %1</translation>
    </message>
    <message>
        <source>Last hand as dealt: %1</source>
        <translation>Letzte Hand, wie ausgeteilt: %1</translation>
    </message>
    <message>
        <source>Best hold: %1, worth %2 credits on average.</source>
        <translation>Beste Wahl: %1, im Schnitt %2 Credits wert.</translation>
    </message>
    <message>
        <source>You played the best hold.</source>
        <translation>Sie haben die beste Wahl gespielt.</translation>
    </message>
    <message>
        <source>Your hold gave up %1 credits against %2.</source>
        <translation>Ihre Wahl hat gegenüber %2 %1 Credits verschenkt.</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Gespielte Hände</translation>
    </message>
    <message>
        <source>Expected return of your holds</source>
        <translation>Erwarteter Ertrag Ihrer Wahl</translation>
    </message>
    <message>
        <source>Expected return of the best holds</source>
        <translation>Erwarteter Ertrag der besten Wahl</translation>
    </message>
    <message>
        <source>Lost to mistakes</source>
        <translation>Durch Fehler verloren</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Luck (won less expected)</source>
        <translation>Glück (Gewinn minus Erwartung)</translation>
    </message>
    <message>
        <source>Working out the return of perfect play...</source>
        <translation>Der Rückfluss bei perfektem Spiel wird berechnet...</translation>
    </message>
    <message>
        <source>Perfect play returns %1% on %2 at a bet of %3</source>
        <translation>Perfektes Spiel bringt %1 % bei %2 mit Einsatz %3</translation>
    </message>
    <message>
        <source>&amp;Mistakes</source>
        <translation>&amp;Fehler</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Mistake under review, hand %1 as dealt: %2</source>
        <translation>Fehler im Rückblick, Hand %1 wie ausgeteilt: %2</translation>
    </message>
    <message>
        <source>Any Hand</source>
        <translation>Jede Hand</translation>
    </message>
    <message>
        <source>Analyse on &amp;Any Hand</source>
        <translation>Unter Jede &amp;Hand prüfen</translation>
    </message>
    <message>
        <source>Take this hand to the Any Hand page, to try it with other pay tables</source>
        <translation>Diese Hand auf die Seite Jede Hand übernehmen, um sie mit anderen Auszahlungstabellen zu prüfen</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Tra&amp;ining</source>
        <translation>Tra&amp;ining</translation>
    </message>
    <message>
        <source>This Hand</source>
        <translation>Diese Hand</translation>
    </message>
</context>
<context>
    <name>TAnyHandPage</name>
    <message>
        <source>Five cards</source>
        <translation>Fünf Karten</translation>
    </message>
    <message>
        <source>Five cards as rank and suit: ranks 2 to 10, T, J, Q, K, A; suits c, d, h, s or their symbols; apart by spaces or commas</source>
        <translation>Fünf Karten als Rang und Farbe in englischen Buchstaben: Ränge 2 bis 10, T, J, Q, K, A; Farben c, d, h, s oder ihre Symbole; getrennt durch Leerzeichen oder Kommas</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Karten:</translation>
    </message>
    <message>
        <source>Pick five cards</source>
        <translation>Fünf Karten auswählen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card</source>
        <translation>„%1“ ist keine Karte</translation>
    </message>
    <message>
        <source>%1 twice</source>
        <translation>%1 doppelt</translation>
    </message>
    <message>
        <source>%1 cards: a hand has five</source>
        <translation>%1 Karten: Eine Hand hat fünf</translation>
    </message>
    <message>
        <source>Type five cards, such as Kh Kd 9c 8d 3d, or pick them below.</source>
        <translation>Tippen Sie fünf Karten, etwa Kh Kd 9c 8d 3d, oder wählen Sie sie unten aus.</translation>
    </message>
    <message>
        <source>Only 1 card</source>
        <translation>Nur 1 Karte</translation>
    </message>
    <message>
        <source>Only %1 cards</source>
        <translation>Nur %1 Karten</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Die Strategietabelle wird berechnet...</translation>
    </message>
</context>
<context>
    <name>TBankrollGraph</name>
    <message>
        <source>Credit: median</source>
        <translation>Kredit: Median</translation>
    </message>
    <message>
        <source>Credit: %1%</source>
        <translation>Kredit: %1 %</translation>
    </message>
    <message>
        <source>Graph of the session</source>
        <translation>Grafik der Sitzung</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Gespielte Hände</translation>
    </message>
    <message>
        <source>Run out (%)</source>
        <translation>Pleite (%)</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>Run out by this hand</source>
        <translation>Pleite bis zu dieser Hand</translation>
    </message>
    <message>
        <source>Red: the chance of having run out by each hand. Blue: the credit along the way, its median bold, the middle half between the plain lines, nine in ten sessions between the dashed ones.</source>
        <translation>Rot: die Chance, bis zu jeder Hand pleite zu sein. Blau: der Kredit im Verlauf, der Median fett, die mittlere Hälfte zwischen den durchgezogenen Linien, neun von zehn Sitzungen zwischen den gestrichelten.</translation>
    </message>
    <message>
        <source>%1% by hand %2</source>
        <translation>%1 % bis Hand %2</translation>
    </message>
    <message>
        <source>Chance of having run out: %1. Median credit after hand %2: %3.</source>
        <translation>Chance, pleite zu sein: %1. Median des Kredits nach Hand %2: %3.</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bet must be 1 to %1 credits.</source>
        <translation>Der Einsatz muss 1 bis %1 Credits betragen.</translation>
    </message>
    <message>
        <source>A credit of %1 does not cover the bet of %2: the session could not start.</source>
        <translation>Ein Kredit von %1 deckt den Einsatz von %2 nicht: Die Sitzung könnte nicht beginnen.</translation>
    </message>
    <message>
        <source>The credit can be at most %1.</source>
        <translation>Der Kredit kann höchstens %1 betragen.</translation>
    </message>
    <message>
        <source>The session needs at least one hand.</source>
        <translation>Die Sitzung braucht mindestens eine Hand.</translation>
    </message>
    <message>
        <source>The session can be at most %1 hands.</source>
        <translation>Die Sitzung kann höchstens %1 Hände lang sein.</translation>
    </message>
    <message>
        <source>These pays give no figures for a session.</source>
        <translation>Diese Auszahlungen ergeben keine Zahlen für eine Sitzung.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>Credit to start with</source>
        <translation>Kredit zu Beginn</translation>
    </message>
    <message>
        <source>Hands to play</source>
        <translation>Zu spielende Hände</translation>
    </message>
    <message>
        <source>C&amp;redit:</source>
        <translation>K&amp;redit:</translation>
    </message>
    <message>
        <source>&amp;Hands:</source>
        <translation>Hän&amp;de:</translation>
    </message>
    <message>
        <source>&amp;Perfect play</source>
        <translation>&amp;Perfektes Spiel</translation>
    </message>
    <message>
        <source>By the &amp;strategy chart</source>
        <translation>Nach der &amp;Strategietabelle</translation>
    </message>
    <message>
        <source>Every hand held as the first matching line of the chart says, as people play</source>
        <translation>Jede Hand so gehalten, wie die erste passende Zeile der Tabelle sagt, wie Menschen spielen</translation>
    </message>
    <message>
        <source>Working out the figures...</source>
        <translation>Die Zahlen werden berechnet...</translation>
    </message>
    <message>
        <source>median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Royal flush before ruin:</source>
        <translation>Royal Flush vor der Pleite:</translation>
    </message>
    <message>
        <source>Credit for a risk of ruin of %1:</source>
        <translation>Kredit für ein Pleiterisiko von %1:</translation>
    </message>
    <message>
        <source>These pays spread the credit too far to follow over a session this long.</source>
        <translation>Diese Auszahlungen streuen den Kredit zu weit, um ihn über eine so lange Sitzung zu verfolgen.</translation>
    </message>
    <message>
        <source>Risk of ruin in the session:</source>
        <translation>Risiko der Pleite in der Sitzung:</translation>
    </message>
    <message>
        <source>Royal flush in the session:</source>
        <translation>Royal Flush in der Sitzung:</translation>
    </message>
    <message>
        <source>Finish the session ahead:</source>
        <translation>Im Plus am Sitzungsende:</translation>
    </message>
    <message>
        <source>Credit at the session&apos;s end:</source>
        <translation>Kredit am Sitzungsende:</translation>
    </message>
    <message>
        <source>Mean credit at the session&apos;s end:</source>
        <translation>Mittlerer Kredit am Sitzungsende:</translation>
    </message>
</context>
<context>
    <name>TCardPanel</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, gehalten</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>Strategy chart: hold what the first matching line says</source>
        <translation>Strategietabelle: Halten Sie, was die erste passende Zeile sagt</translation>
    </message>
    <message>
        <source>Hold the first of these the hand shows</source>
        <translation>Halten Sie das Erste davon, das die Hand zeigt</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Die Strategietabelle wird berechnet...</translation>
    </message>
    <message>
        <source>Played line by line this chart returns %1, perfect play %2: it gives up %3 of every bet.</source>
        <translation>Zeile für Zeile gespielt bringt diese Tabelle %1, perfektes Spiel %2: Sie verschenkt %3 jedes Einsatzes.</translation>
    </message>
    <message>
        <source>Deal a hand: the line it matches is marked.</source>
        <translation>Teilen Sie eine Hand aus: Die passende Zeile wird markiert.</translation>
    </message>
    <message>
        <source>Line %1 matches: %2.</source>
        <translation>Zeile %1 passt: %2.</translation>
    </message>
    <message>
        <source> The best hold is %1, worth %2 credits more.</source>
        <translation> Die beste Wahl ist %1, %2 Credits mehr wert.</translation>
    </message>
</context>
<context>
    <name>TElapsedTimeLabel</name>
    <message>
        <source>Elapsed Time %1</source>
        <translation>Spielzeit %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>HOLD</source>
        <translation>HALTEN</translation>
    </message>
    <message>
        <source>Draw Zezuv</source>
        <translation>Draw Zezuv</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Buben oder besser</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>Current Bet  %1</source>
        <translation>Einsatz  %1</translation>
    </message>
    <message>
        <source>&amp;Payout</source>
        <translation>&amp;Auszahlung</translation>
    </message>
    <message>
        <source>B&amp;et</source>
        <translation>&amp;Einsatz</translation>
    </message>
    <message>
        <source>Donate - Help support this program</source>
        <translation>Spenden - Unterstützen Sie dieses Programm</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Ziehen</translation>
    </message>
    <message>
        <source>&amp;Bet</source>
        <translation>&amp;Setzen</translation>
    </message>
    <message>
        <source>Payout &amp;Table</source>
        <translation>Gewinn&amp;tabelle</translation>
    </message>
    <message>
        <source>Pause / Resume Game</source>
        <translation>Spiel anhalten / fortsetzen</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Spiel anhalten</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Strategie</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Spiel angehalten</translation>
    </message>
    <message>
        <source>%1 - Credit %2</source>
        <translation>%1 - Kredit %2</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  Close Program?</source>
        <translation>%1: Ein Spiel läuft.  Programm beenden?</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Game Over.  Play Again?</source>
        <translation>Spiel vorbei.  Noch einmal spielen?</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  New Game?</source>
        <translation>%1: Ein Spiel läuft.  Neues Spiel?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Plus %1</translation>
    </message>
    <message>
        <source>Click Game - New to play a new game</source>
        <translation>Klicken Sie auf Spiel - Neu, um ein neues Spiel zu beginnen</translation>
    </message>
    <message>
        <source>Hands= %1</source>
        <translation>Hände= %1</translation>
    </message>
    <message>
        <source>AVG Win= %1</source>
        <translation>Ø Gewinn= %1</translation>
    </message>
    <message>
        <source>Hi Win= %1</source>
        <translation>Max. Gewinn= %1</translation>
    </message>
    <message>
        <source>Hi Score= %1</source>
        <translation>Höchststand= %1</translation>
    </message>
    <message>
        <source>Lo Score= %1</source>
        <translation>Tiefststand= %1</translation>
    </message>
    <message>
        <source>Copyright %1</source>
        <translation>Copyright %1</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>Portable</source>
        <translation>Portabel</translation>
    </message>
    <message>
        <source>Large Fonts</source>
        <translation>Große Schriften</translation>
    </message>
    <message>
        <source>Small Fonts</source>
        <translation>Kleine Schriften</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Ausgeteilt: %1</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Gehalten: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1, win %2</source>
        <translation>%1, Gewinn %2</translation>
    </message>
    <message>
        <source>%1, credit %2</source>
        <translation>%1, Kredit %2</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>velPoker - Deck</source>
        <translation>velPoker - Kartenspiel</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Draw Zezuv - How to Play.
-------------------------

1. Select Payout. This game has several common video poker payout tables. The Full Pay (9/6) return is 99.54%, the (9/5) return is 98.45% and the (8/6) return is 98.39%. The (8/5) return is 97.30%, the (7/5) return is 96.15% and the (6/5) return is 95.00%. This determines the payouts for Full House and Flush respectively.

2. Select the number of points to bet for each hand. The default is 5. You may select 1 to 5.

3. Press Bet. You are dealt 5 cards. You select the cards you want to hold by clicking on them or pressing 1 to 5 on the keyboard.

4. Press Draw. You will be dealt replacement cards for the ones you did not hold and the game will evaluate your hand.

The game uses one deck of 52 cards, which is shuffled at the beginning of each play.

The Elapsed Time clock is updated at the end of each hand or when you click on it. It starts when play starts. You can pause it with the pause button, Game | Pause or Ctrl-P, but not while cards are being dealt.
==================================================
Card Ranks:

Ace 
King 
Queen 
Jack 
Ten 
Nine 
Eight 
Seven 
Six 
Five 
Four 
Three 
Two 
Ace 

The Ace counts low (A, 2, 3, 4, 5) or high (10, J, Q, K, A).
==================================================
Hand Ranks:

* Royal Flush - 250 / 800 x bet (4000 for 5 points bet).
  Ten, Jack, Queen, King and Ace of the same suit.
* Straight Flush - 50 x bet.
  Five cards in sequence, all of the same suit.
* Four of a Kind - 25 x bet.
  Four cards of the same rank.
* Full House - 8 x bet.
  Three of a kind and a pair.
* Flush - 5 x bet.
  Five cards of the same suit.
* Straight - 4 x bet.
  Five cards in sequence, not all of the same suit.
* Three of a Kind - 3 x bet.
  Three cards of the same rank.
* Two Pair - 2 x bet.
  Two pairs of different ranks.
* Pair - 1 x bet.
  The pair must be Jacks or better.
* None of the Above - 0 points.
  Any other hand.

Each turn costs 5 points, so a pair only returns your bet and a losing hand loses five points. The game allows you to bet 1 to 5 points per play.
==================================================
Program Options.

Select Game | Options to choose the colors of the card panels and the hand at which the game celebrates your win:

1 : Jacks or Better
2 : Two Pair
3 : Three of a Kind
4 : Straight
5 : Flush
6 : Full House
7 : Four of a Kind
8 : Straight Flush
9 : Royal Flush
0 : Never

The default is Full House.

These settings are saved in %1.
--------------------------------------------------
Card images obtained from:
The game&apos;s own card generator (tools/cardgen).
</source>
        <translation>Draw Zezuv - Spielanleitung.
----------------------------

1. Wählen Sie die Auszahlung. Dieses Spiel bietet mehrere gängige Video-Poker-Auszahlungstabellen. Die Auszahlungsquote beträgt bei Full Pay (9/6) 99,54 %, bei (9/5) 98,45 % und bei (8/6) 98,39 %. Bei (8/5) beträgt sie 97,30 %, bei (7/5) 96,15 % und bei (6/5) 95,00 %. Die beiden Zahlen geben die Auszahlungen für Full House bzw. Flush an.

2. Wählen Sie, wie viele Punkte Sie pro Hand setzen möchten. Voreingestellt sind 5. Sie können 1 bis 5 wählen.

3. Drücken Sie „Setzen“. Sie erhalten 5 Karten. Wählen Sie die Karten, die Sie halten möchten, indem Sie sie anklicken oder auf der Tastatur 1 bis 5 drücken.

4. Drücken Sie „Ziehen“. Für die Karten, die Sie nicht gehalten haben, erhalten Sie Ersatzkarten, und das Spiel wertet Ihre Hand aus.

Das Spiel verwendet ein Blatt mit 52 Karten, das zu Beginn jeder Runde gemischt wird.

Die Spielzeit-Uhr wird am Ende jeder Hand aktualisiert oder wenn Sie darauf klicken. Sie läuft ab Spielbeginn. Sie können sie mit der Pause-Schaltfläche, über Spiel | Pause oder mit Strg+P anhalten, jedoch nicht, während Karten ausgeteilt werden.
==================================================
Rangfolge der Karten:

Ass 
König 
Dame 
Bube 
Zehn 
Neun 
Acht 
Sieben 
Sechs 
Fünf 
Vier 
Drei 
Zwei 
Ass 

Das Ass zählt niedrig (A, 2, 3, 4, 5) oder hoch (10, B, D, K, A).
==================================================
Rangfolge der Hände:

* Royal Flush - 250 / 800 x Einsatz (4000 bei 5 Punkten Einsatz).
  Zehn, Bube, Dame, König und Ass derselben Farbe.
* Straight Flush - 50 x Einsatz.
  Fünf Karten in Folge, alle derselben Farbe.
* Vierling - 25 x Einsatz.
  Vier Karten desselben Rangs.
* Full House - 8 x Einsatz.
  Ein Drilling und ein Paar.
* Flush - 5 x Einsatz.
  Fünf Karten derselben Farbe.
* Straße - 4 x Einsatz.
  Fünf Karten in Folge, nicht alle derselben Farbe.
* Drilling - 3 x Einsatz.
  Drei Karten desselben Rangs.
* Zwei Paare - 2 x Einsatz.
  Zwei Paare unterschiedlichen Rangs.
* Paar - 1 x Einsatz.
  Das Paar muss aus Buben oder besser bestehen.
* Nichts davon - 0 Punkte.
  Jede andere Hand.

Jede Runde kostet 5 Punkte, ein Paar bringt also nur Ihren Einsatz zurück, und mit einer verlorenen Hand verlieren Sie fünf Punkte. Im Spiel können Sie 1 bis 5 Punkte pro Runde setzen.
==================================================
Programmoptionen.

Wählen Sie Spiel | Optionen, um die Farben der Kartenfelder festzulegen und die Hand, ab der das Spiel Ihren Gewinn feiert:

1 : Buben oder besser
2 : Zwei Paare
3 : Drilling
4 : Straße
5 : Flush
6 : Full House
7 : Vierling
8 : Straight Flush
9 : Royal Flush
0 : Nie

Voreingestellt ist Full House.

Diese Einstellungen werden in %1 gespeichert.
--------------------------------------------------
Herkunft der Kartenbilder:
Der spieleigene Kartengenerator (tools/cardgen).
</translation>
    </message>
    <message>
        <source>vel Zezuv - Help</source>
        <translation>vel Zezuv - Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>vel Zezuv - About</source>
        <translation>vel Zezuv - Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No FileVersionInfo found</source>
        <translation>Keine Versionsinformationen gefunden</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Pair of Jacks or Better</source>
        <translation>Paar Buben oder besser</translation>
    </message>
    <message>
        <source>vel Zezuv - Payouts</source>
        <translation>vel Zezuv - Auszahlungen</translation>
    </message>
    <message>
        <source>Payouts per credit bet</source>
        <translation>Auszahlungen je gesetztem Credit</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Auszahlung</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Buben oder besser</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>vel Zezuv - Options</source>
        <translation>vel Zezuv - Optionen</translation>
    </message>
    <message>
        <source>Card Panel Color Options</source>
        <translation>Farben der Kartenfelder</translation>
    </message>
    <message>
        <source>Card Panel</source>
        <translation>Kartenfeld</translation>
    </message>
    <message>
        <source>Hold Color</source>
        <translation>Haltefarbe</translation>
    </message>
    <message>
        <source>Win Color</source>
        <translation>Gewinnfarbe</translation>
    </message>
    <message>
        <source>Celebrate &amp;On</source>
        <translation>&amp;Feiern ab</translation>
    </message>
    <message>
        <source>&amp;Scale Cards when using Large Fonts</source>
        <translation>Karten bei großen &amp;Schriften skalieren</translation>
    </message>
    <message>
        <source>This only affects systems running Large Fonts. When checked you get bigger cards but the graphics are not as sharp.</source>
        <translation>Das betrifft nur Systeme mit großen Schriften. Ist es gewählt, werden die Karten größer, aber die Bilder weniger scharf.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>S&amp;tandard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Video Zezuv Strategy

 1. Four of a kind, straight flush, royal flush
 2. 4 to a royal flush
 3. Three of a kind, straight, flush, full house
 4. 4 to a straight flush
 5. Two pair
 6. High pair
 7. 3 to a royal flush
 8. 4 to a flush
 9. Low pair
10. 4 to an outside straight
11. 2 suited high cards
12. 3 to a straight flush
13. 2 unsuited high cards (if more than 2 then pick the lowest 2)
14. Suited 10/J, 10/Q, or 10/K
15. One high card
16. Discard everything

Start at the top of the list and stop when you find a match.

This is a simple strategy. There are more complex strategies that return a little more.
==================================================
Terms:

High card: a Jack, Queen, King or Ace. These are worth keeping because a pair of them returns your bet.

Outside straight: four cards in sequence that are open at both ends, so the straight can be completed at either end, such as 7, 8, 9, 10.

Inside straight: four cards to a straight with a card missing inside, such as 6, 7, 9, 10. A, 2, 3, 4 and J, Q, K, A are inside straights too, because they sit at an extreme end and can be completed only one way.
</source>
        <translation>Strategie für Video Zezuv

 1. Vierling, Straight Flush, Royal Flush
 2. 4 zum Royal Flush
 3. Drilling, Straße, Flush, Full House
 4. 4 zum Straight Flush
 5. Zwei Paare
 6. Hohes Paar
 7. 3 zum Royal Flush
 8. 4 zum Flush
 9. Niedriges Paar
10. 4 zur beidseitig offenen Straße
11. 2 hohe Karten in einer Farbe
12. 3 zum Straight Flush
13. 2 hohe Karten in verschiedenen Farben (bei mehr als 2 die niedrigsten 2 nehmen)
14. 10/B, 10/D oder 10/K in einer Farbe
15. Eine hohe Karte
16. Alle Karten abwerfen

Gehen Sie die Liste von oben nach unten durch und hören Sie beim ersten Eintrag auf, auf den Ihre Hand passt.

Dies ist eine einfache Strategie. Es gibt komplexere Strategien, die etwas mehr einbringen.
==================================================
Begriffe:

Hohe Karte: ein Bube, eine Dame, ein König oder ein Ass. Diese Karten lohnt es sich zu halten, weil ein Paar davon Ihren Einsatz zurückbringt.

Beidseitig offene Straße: vier Karten in Folge, die an beiden Enden offen sind, sodass die Straße an jedem der beiden Enden vervollständigt werden kann, z. B. 7, 8, 9, 10.

Straße mit Lücke (innen): vier Karten zu einer Straße, bei denen innen eine Karte fehlt, z. B. 6, 7, 9, 10. Auch A, 2, 3, 4 und B, D, K, A gelten als Straßen mit Lücke, weil sie ganz am Rand liegen und sich nur auf eine Weise vervollständigen lassen.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Strategy</source>
        <translation>vel Zezuv - Strategie</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Strategie</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>If you enjoy this program and wish to make a donation:

Please send 5.00 dollars or more through PayPal to %1.

Thanks!

This program is free to use, but donations are welcome. PayPal takes a fee on credit card payments, so little of a 5 dollar gift would remain after the fees. If you dislike PayPal, write to me at %1 and we can arrange something else.
</source>
        <translation>Wenn Ihnen dieses Programm gefällt und Sie etwas spenden möchten:

Bitte senden Sie 5,00 Dollar oder mehr über PayPal an %1.

Vielen Dank!

Dieses Programm ist kostenlos, Spenden sind aber willkommen. PayPal erhebt bei Kreditkartenzahlungen eine Gebühr, sodass von einer Spende über 5 Dollar nach Abzug der Gebühren nur wenig übrig bliebe. Wenn Sie PayPal nicht mögen, schreiben Sie mir an %1, dann finden wir eine andere Lösung.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Donate</source>
        <translation>vel Zezuv - Spenden</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
</context>
<context>
    <name>TGraphPage</name>
    <message>
        <source>Graph of this game</source>
        <translation>Verlauf dieses Spiels</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>Expected with the best holds</source>
        <translation>Erwartet mit der besten Wahl</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Gespielte Hände</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>The graph starts with the first hand drawn while the advisor is open.</source>
        <translation>Der Verlauf beginnt mit der ersten Hand, die bei geöffnetem Berater gezogen wird.</translation>
    </message>
    <message>
        <source>After hand %1: credit %2; expected with the best holds %3.</source>
        <translation>Nach Hand %1: Kredit %2; erwartet mit der besten Wahl %3.</translation>
    </message>
</context>
<context>
    <name>THoldsTable</name>
    <message>
        <source>Keep %1</source>
        <translation>Behalten: %1</translation>
    </message>
    <message>
        <source>Holds, best first</source>
        <translation>Halteoptionen, die beste zuerst</translation>
    </message>
    <message>
        <source>Every way to hold the hand, its expected return in credits and its loss against the best hold</source>
        <translation>Jede Möglichkeit, die Hand zu halten, ihr erwarteter Ertrag in Credits und ihr Verlust gegenüber der besten</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Expected return</source>
        <translation>Erwarteter Ertrag</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Verlust</translation>
    </message>
    <message>
        <source> (your hold)</source>
        <translation> (Ihre Wahl)</translation>
    </message>
</context>
<context>
    <name>TMistakesPage</name>
    <message>
        <source>&amp;View all holds</source>
        <translation>&amp;Alle Möglichkeiten zeigen</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Dieses Spiel</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Costliest first</source>
        <translation>Teuerste zuerst</translation>
    </message>
    <message>
        <source>In order of play</source>
        <translation>In Spielreihenfolge</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Ausgeteilt</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Gehalten</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>&amp;Listed:</source>
        <translation>Reihenf&amp;olge:</translation>
    </message>
    <message>
        <source>No hands graded yet.</source>
        <translation>Noch keine Hand bewertet.</translation>
    </message>
    <message>
        <source>No mistakes: well played.</source>
        <translation>Keine Fehler: gut gespielt.</translation>
    </message>
    <message>
        <source>Best hold: %1, %2 credits on average; yours returns %3.&lt;br&gt;%4</source>
        <translation>Beste Wahl: %1, im Schnitt %2 Credits; Ihre bringt %3.&lt;br&gt;%4</translation>
    </message>
</context>
<context>
    <name>TOddsPage</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Hohes Paar</translation>
    </message>
    <message>
        <source>Final hands with perfect play</source>
        <translation>Endhände bei perfektem Spiel</translation>
    </message>
    <message>
        <source>Final hand</source>
        <translation>Endhand</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Wahrsch.</translation>
    </message>
    <message>
        <source>1 in</source>
        <translation>1 von</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Zahlt</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Rückfluss</translation>
    </message>
    <message>
        <source>Perfect play on %1 at a bet of %2</source>
        <translation>Perfektes Spiel bei %1 mit Einsatz %2</translation>
    </message>
    <message>
        <source>Working out the odds of perfect play...</source>
        <translation>Die Chancen bei perfektem Spiel werden berechnet...</translation>
    </message>
    <message>
        <source>Return %1%. Variance %2 and standard deviation %3 per hand, in credits per credit bet. A royal flush every %4 hands on average.</source>
        <translation>Rückfluss %1 %. Varianz %2 und Standardabweichung %3 je Hand, in Credits je gesetztem Credit. Im Schnitt ein Royal Flush alle %4 Hände.</translation>
    </message>
</context>
<context>
    <name>TPayTableChoice</name>
    <message>
        <source>Pay table</source>
        <translation>Auszahlungstabelle</translation>
    </message>
    <message>
        <source>Pay &amp;table:</source>
        <translation>Auszahlungs&amp;tabelle:</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>&amp;Bet:</source>
        <translation>&amp;Einsatz:</translation>
    </message>
    <message>
        <source>Name to keep the pay table under</source>
        <translation>Name, unter dem die Auszahlungstabelle gemerkt wird</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Merken</translation>
    </message>
    <message>
        <source>Keep this pay table under the name, to choose it again in later games</source>
        <translation>Diese Auszahlungstabelle unter dem Namen merken, um sie in späteren Spielen wieder zu wählen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Forget the kept pay table</source>
        <translation>Die gemerkte Auszahlungstabelle vergessen</translation>
    </message>
    <message>
        <source>In force: %1</source>
        <translation>Am Tisch: %1</translation>
    </message>
    <message>
        <source>your own pay table</source>
        <translation>Ihrer eigenen Auszahlungstabelle</translation>
    </message>
    <message>
        <source>Working out the break-even royal flush...</source>
        <translation>Der Royal Flush zur Gewinnschwelle wird berechnet...</translation>
    </message>
    <message>
        <source>Even a royal flush of %1 per credit leaves this table below 100%.</source>
        <translation>Selbst ein Royal Flush von %1 je Credit lässt diese Tabelle unter 100 %.</translation>
    </message>
    <message>
        <source>Break-even royal flush: %1 per credit at bet %2, where perfect play returns %3%.</source>
        <translation>Royal Flush zur Gewinnschwelle: %1 je Credit bei Einsatz %2; perfektes Spiel bringt dann %3 %.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Even with a royal flush that pays nothing, perfect play returns %1%.</source>
        <translation>Selbst wenn der Royal Flush nichts zahlt, bringt perfektes Spiel %1 %.</translation>
    </message>
</context>
<context>
    <name>TPayTableEditor</name>
    <message>
        <source>Royal Flush at bet %1</source>
        <translation>Royal Flush bei Einsatz %1</translation>
    </message>
    <message>
        <source>Royal Flush at bets 1 to %1</source>
        <translation>Royal Flush bei Einsatz 1 bis %1</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Buben oder besser</translation>
    </message>
    <message>
        <source>%1, pays per credit</source>
        <translation>%1, Auszahlung je Credit</translation>
    </message>
    <message>
        <source>A pay must be a whole number from 0 to %1</source>
        <translation>Eine Auszahlung muss eine ganze Zahl von 0 bis %1 sein</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TPracticePage</name>
    <message>
        <source>Every hand as it comes</source>
        <translation>Jede Hand, wie sie kommt</translation>
    </message>
    <message>
        <source>Close calls only</source>
        <translation>Nur knappe Entscheidungen</translation>
    </message>
    <message>
        <source>Close calls: the best hold beats the next best by less than 0.1 credits per credit bet</source>
        <translation>Knappe Entscheidungen: Die beste Wahl schlägt die nächstbeste um weniger als 0,1 Credits je gesetztem Credit</translation>
    </message>
    <message>
        <source>Graded on %1 at a bet of %2.</source>
        <translation>Bewertet nach %1 bei einem Einsatz von %2.</translation>
    </message>
    <message>
        <source>D&amp;eal:</source>
        <translation>&amp;Geben:</translation>
    </message>
    <message>
        <source>Hold the cards you would keep (keys 1 to 5 or a click), then press Enter.</source>
        <translation>Halten Sie die Karten, die Sie behalten würden (Tasten 1 bis 5 oder ein Klick), dann drücken Sie die Eingabetaste.</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Ausgeteilt: %1</translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation>HALTEN</translation>
    </message>
    <message>
        <source>Grade my hold (Enter)</source>
        <translation>Meine Wahl bewerten (Eingabe)</translation>
    </message>
    <message>
        <source>Next hand (Enter)</source>
        <translation>Nächste Hand (Eingabe)</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Gehalten: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>Your practice so far. %1</source>
        <translation>Ihr Training bisher. %1</translation>
    </message>
    <message>
        <source>Costliest mistakes:</source>
        <translation>Teuerste Fehler:</translation>
    </message>
    <message>
        <source>%1 held %2: %3 credits</source>
        <translation>%1, gehalten %2: %3 Credits</translation>
    </message>
</context>
<context>
    <name>TablePrinter</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Es ist derzeit kein Standarddrucker ausgewählt.</translation>
    </message>
</context>
<context>
    <name>vel::AdvisorSession</name>
    <message>
        <source>Draw five new cards</source>
        <translation>Fünf neue Karten ziehen</translation>
    </message>
    <message>
        <source>draws five new cards</source>
        <translation>zieht fünf neue Karten</translation>
    </message>
    <message>
        <source>keeps %1</source>
        <translation>behält %1</translation>
    </message>
    <message>
        <source>This hold gives up %1 credits. The best hold %2.
Draw anyway?</source>
        <translation>Diese Wahl verschenkt %1 Credits. Die beste Wahl %2.
Trotzdem ziehen?</translation>
    </message>
</context>
</TS>
