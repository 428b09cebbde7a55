<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>Card</name>
    <message>
        <source>J</source>
        <comment>corner index of a jack</comment>
        <translation>W</translation>
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
        <translation>Dwójka</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trójka</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Czwórka</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Piątka</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Szóstka</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siódemka</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ósemka</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Dziewiątka</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dziesiątka</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Walet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Król</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trefl</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>kier</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pik</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Royal flush</source>
        <translation>Poker królewski</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Kareta</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Strit</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Trójka</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Dwie pary</translation>
    </message>
    <message>
        <source>High pair (jacks or better)</source>
        <translation>Wysoka para (walety lub wyżej)</translation>
    </message>
    <message>
        <source>Low pair (twos to tens)</source>
        <translation>Niska para (od dwójek do dziesiątek)</translation>
    </message>
    <message>
        <source>4 to a royal flush</source>
        <translation>4 do pokera królewskiego</translation>
    </message>
    <message>
        <source>3 to a royal flush</source>
        <translation>3 do pokera królewskiego</translation>
    </message>
    <message>
        <source>4 to a straight flush</source>
        <translation>4 do pokera</translation>
    </message>
    <message>
        <source>4 to an outside straight flush</source>
        <translation>4 do otwartego pokera</translation>
    </message>
    <message>
        <source>4 to an inside straight flush</source>
        <translation>4 do wewnętrznego pokera</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, no gap</source>
        <translation>3 do pokera, bez wysokiej karty, bez luki</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 1 gap</source>
        <translation>3 do pokera, bez wysokiej karty, 1 luka</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 2 gaps</source>
        <translation>3 do pokera, bez wysokiej karty, 2 luki</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, no gap</source>
        <translation>3 do pokera, 1 wysoka karta, bez luki</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 1 gap</source>
        <translation>3 do pokera, 1 wysoka karta, 1 luka</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 2 gaps</source>
        <translation>3 do pokera, 1 wysoka karta, 2 luki</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 1 gap</source>
        <translation>3 do pokera, 2 wysokie karty, 1 luka</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 2 gaps</source>
        <translation>3 do pokera, 2 wysokie karty, 2 luki</translation>
    </message>
    <message>
        <source>4 to a flush</source>
        <translation>4 do koloru</translation>
    </message>
    <message>
        <source>4 to a flush, no high card</source>
        <translation>4 do koloru, bez wysokiej karty</translation>
    </message>
    <message>
        <source>4 to a flush, 1 high card</source>
        <translation>4 do koloru, 1 wysoka karta</translation>
    </message>
    <message>
        <source>4 to a flush, 2 high cards</source>
        <translation>4 do koloru, 2 wysokie karty</translation>
    </message>
    <message>
        <source>4 to a flush, 3 high cards</source>
        <translation>4 do koloru, 3 wysokie karty</translation>
    </message>
    <message>
        <source>4 to an outside straight</source>
        <translation>4 do otwartego strita</translation>
    </message>
    <message>
        <source>4 to an outside straight, no high card</source>
        <translation>4 do otwartego strita, bez wysokiej karty</translation>
    </message>
    <message>
        <source>4 to an outside straight, 1 high card</source>
        <translation>4 do otwartego strita, 1 wysoka karta</translation>
    </message>
    <message>
        <source>4 to an outside straight, 2 high cards</source>
        <translation>4 do otwartego strita, 2 wysokie karty</translation>
    </message>
    <message>
        <source>4 to an outside straight, 3 high cards (TJQK)</source>
        <translation>4 do otwartego strita, 3 wysokie karty (10WDK)</translation>
    </message>
    <message>
        <source>4 to an inside straight</source>
        <translation>4 do wewnętrznego strita</translation>
    </message>
    <message>
        <source>4 to an inside straight, no high card</source>
        <translation>4 do wewnętrznego strita, bez wysokiej karty</translation>
    </message>
    <message>
        <source>4 to an inside straight, 1 high card</source>
        <translation>4 do wewnętrznego strita, 1 wysoka karta</translation>
    </message>
    <message>
        <source>4 to an inside straight, 2 high cards</source>
        <translation>4 do wewnętrznego strita, 2 wysokie karty</translation>
    </message>
    <message>
        <source>4 to an inside straight, 3 high cards</source>
        <translation>4 do wewnętrznego strita, 3 wysokie karty</translation>
    </message>
    <message>
        <source>4 to an inside straight, 4 high cards (AKQJ)</source>
        <translation>4 do wewnętrznego strita, 4 wysokie karty (AKDW)</translation>
    </message>
    <message>
        <source>AK suited</source>
        <translation>AK w jednym kolorze</translation>
    </message>
    <message>
        <source>AQ suited</source>
        <translation>AD w jednym kolorze</translation>
    </message>
    <message>
        <source>AJ suited</source>
        <translation>AW w jednym kolorze</translation>
    </message>
    <message>
        <source>KQ suited</source>
        <translation>KD w jednym kolorze</translation>
    </message>
    <message>
        <source>KJ suited</source>
        <translation>KW w jednym kolorze</translation>
    </message>
    <message>
        <source>QJ suited</source>
        <translation>DW w jednym kolorze</translation>
    </message>
    <message>
        <source>AT suited</source>
        <translation>A10 w jednym kolorze</translation>
    </message>
    <message>
        <source>KT suited</source>
        <translation>K10 w jednym kolorze</translation>
    </message>
    <message>
        <source>QT suited</source>
        <translation>D10 w jednym kolorze</translation>
    </message>
    <message>
        <source>JT suited</source>
        <translation>W10 w jednym kolorze</translation>
    </message>
    <message>
        <source>AKQ unsuited</source>
        <translation>AKD w różnych kolorach</translation>
    </message>
    <message>
        <source>AKJ unsuited</source>
        <translation>AKW w różnych kolorach</translation>
    </message>
    <message>
        <source>AQJ unsuited</source>
        <translation>ADW w różnych kolorach</translation>
    </message>
    <message>
        <source>KQJ unsuited</source>
        <translation>KDW w różnych kolorach</translation>
    </message>
    <message>
        <source>QJ unsuited</source>
        <translation>DW w różnych kolorach</translation>
    </message>
    <message>
        <source>KJ unsuited</source>
        <translation>KW w różnych kolorach</translation>
    </message>
    <message>
        <source>KQ unsuited</source>
        <translation>KD w różnych kolorach</translation>
    </message>
    <message>
        <source>AJ unsuited</source>
        <translation>AW w różnych kolorach</translation>
    </message>
    <message>
        <source>AQ unsuited</source>
        <translation>AD w różnych kolorach</translation>
    </message>
    <message>
        <source>AK unsuited</source>
        <translation>AK w różnych kolorach</translation>
    </message>
    <message>
        <source>J only</source>
        <translation>Tylko W</translation>
    </message>
    <message>
        <source>Q only</source>
        <translation>Tylko D</translation>
    </message>
    <message>
        <source>K only</source>
        <translation>Tylko K</translation>
    </message>
    <message>
        <source>A only</source>
        <translation>Tylko A</translation>
    </message>
    <message>
        <source>3 to a flush</source>
        <translation>3 do koloru</translation>
    </message>
    <message>
        <source>3 to a flush, 1 high card</source>
        <translation>3 do koloru, 1 wysoka karta</translation>
    </message>
    <message>
        <source>3 to a flush, 2 high cards</source>
        <translation>3 do koloru, 2 wysokie karty</translation>
    </message>
    <message>
        <source>Royal flush, straight flush or four of a kind</source>
        <translation>Poker królewski, poker lub kareta</translation>
    </message>
    <message>
        <source>Full house, flush, straight or three of a kind</source>
        <translation>Full, kolor, strit lub trójka</translation>
    </message>
    <message>
        <source>3 to a straight flush, as many high cards as gaps or more</source>
        <translation>3 do pokera, wysokich kart co najmniej tyle, ile luk</translation>
    </message>
    <message>
        <source>3 to a straight flush, one gap more than high cards</source>
        <translation>3 do pokera, luk o jedną więcej niż wysokich kart</translation>
    </message>
    <message>
        <source>KQ or KJ suited</source>
        <translation>KD lub KW w jednym kolorze</translation>
    </message>
    <message>
        <source>AK, AQ or AJ suited</source>
        <translation>AK, AD lub AW w jednym kolorze</translation>
    </message>
    <message>
        <source>KQ or KJ unsuited</source>
        <translation>KD lub KW w różnych kolorach</translation>
    </message>
    <message>
        <source>AK, AQ or AJ unsuited</source>
        <translation>AK, AD lub AW w różnych kolorach</translation>
    </message>
    <message>
        <source>Two unsuited high cards, the lowest two</source>
        <translation>Dwie wysokie karty w różnych kolorach, najniższe</translation>
    </message>
    <message>
        <source>One high card, the lowest</source>
        <translation>Jedna wysoka karta, najniższa</translation>
    </message>
    <message>
        <source>Draw five (hold nothing)</source>
        <translation>Wymień wszystkie pięć (nic nie zatrzymuj)</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>draw five new cards</source>
        <translation>wymiana wszystkich pięciu kart</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Dobrze: %1</translation>
    </message>
    <message>
        <source>Mistake, costs %1 credits: best is %2</source>
        <translation>Błąd, koszt %1 kredytu; najlepiej: %2</translation>
    </message>
    <message>
        <source>The chart of this pay table is still being worked out.</source>
        <translation>Tabela strategii dla tej tabeli wypłat jest jeszcze obliczana.</translation>
    </message>
    <message>
        <source>Chart line %1: %2.</source>
        <translation>Wiersz %1 tabeli: %2.</translation>
    </message>
    <message>
        <source>Hands: %1. Right: %2%. Lost per 100 hands: %3 credits.</source>
        <translation>Rozdania: %1. Dobrze: %2%. Strata na 100 rozdań: %3 kredytu.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right.&lt;/b&gt; %1 returns %2 credits on average: no hold returns more.</source>
        <translation>&lt;b&gt;Dobrze.&lt;/b&gt; %1 przynosi średnio %2 kredytu: żaden wybór nie daje więcej.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mistake, it costs %1 credits.&lt;/b&gt; %2 returns %3 credits on average; the best hold, %4, returns %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;Błąd, kosztuje %1 kredytu.&lt;/b&gt; %2 przynosi średnio %3 kredytu; najlepszy wybór, %4, przynosi %5.&lt;br&gt;%6</translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>Nothing</source>
        <translation>Nic</translation>
    </message>
    <message>
        <source>Pair of Jacks</source>
        <translation>Para waletów</translation>
    </message>
    <message>
        <source>Pair of Queens</source>
        <translation>Para dam</translation>
    </message>
    <message>
        <source>Pair of Kings</source>
        <translation>Para króli</translation>
    </message>
    <message>
        <source>Pair of Aces</source>
        <translation>Para asów</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Dwie pary</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trójka</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Strit</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Kareta</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Poker królewski</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>9 / 6 : Full Pay</source>
        <translation>9 / 6 : Pełna</translation>
    </message>
    <message>
        <source>6 / 5 : Low Pay</source>
        <translation>6 / 5 : Niska</translation>
    </message>
    <message>
        <source>8 / 6 - Med Pay</source>
        <translation>8 / 6 - Średnia</translation>
    </message>
</context>
<context>
    <name>TAdvisorForm</name>
    <message>
        <source>Deal a hand and the advisor ranks all 32 ways to hold it by the credits each returns on average, best first.</source>
        <translation>Rozdaj karty, a doradca uszereguje wszystkie 32 sposoby ich zatrzymania według średniej liczby kredytów, jaką każdy przynosi, od najlepszego.</translation>
    </message>
    <message>
        <source>vel Zezuv - Advisor</source>
        <translation>vel Zezuv - Doradca</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Szanse</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>H&amp;old These</source>
        <translation>&amp;Zatrzymaj te</translation>
    </message>
    <message>
        <source>Hold the best cards on the table</source>
        <translation>Zatrzymaj najlepsze karty na stole</translation>
    </message>
    <message>
        <source>&amp;Warn before a costly draw</source>
        <translation>&amp;Ostrzegaj przed złym dobraniem</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Ta gra</translation>
    </message>
    <message>
        <source>Session ledger</source>
        <translation>Bilans gry</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Twoje karty: %1</translation>
    </message>
    <message>
        <source>Last hand as dealt: %1</source>
        <translation>Ostatnie rozdanie: %1</translation>
    </message>
    <message>
        <source>Best hold: %1, worth %2 credits on average.</source>
        <translation>Najlepszy wybór: %1, wart średnio %2 kredytu.</translation>
    </message>
    <message>
        <source>You played the best hold.</source>
        <translation>To był najlepszy wybór.</translation>
    </message>
    <message>
        <source>Your hold gave up %1 credits against %2.</source>
        <translation>Twój wybór kosztował %1 kredytu; najlepszy: %2.</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Rozegrane rozdania</translation>
    </message>
    <message>
        <source>Expected return of your holds</source>
        <translation>Oczekiwany zwrot twoich wyborów</translation>
    </message>
    <message>
        <source>Expected return of the best holds</source>
        <translation>Oczekiwany zwrot najlepszych wyborów</translation>
    </message>
    <message>
        <source>Lost to mistakes</source>
        <translation>Stracone przez błędy</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Luck (won less expected)</source>
        <translation>Szczęście (wygrane minus oczekiwane)</translation>
    </message>
    <message>
        <source>Working out the return of perfect play...</source>
        <translation>Obliczanie zwrotu przy idealnej grze...</translation>
    </message>
    <message>
        <source>Perfect play returns %1% on %2 at a bet of %3</source>
        <translation>Idealna gra zwraca %1% (tabela %2, stawka %3)</translation>
    </message>
    <message>
        <source>Any Hand</source>
        <translation>Dowolna ręka</translation>
    </message>
    <message>
        <source>Analyse on &amp;Any Hand</source>
        <translation>&amp;Analizuj jako dowolną rękę</translation>
    </message>
    <message>
        <source>Take this hand to the Any Hand page, to try it with other pay tables</source>
        <translation>Przenieś tę rękę na stronę Dowolna ręka, aby sprawdzić ją z innymi tabelami wypłat</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Ćwiczenia</translation>
    </message>
    <message>
        <source>&amp;Mistakes</source>
        <translation>&amp;Błędy</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Wykres</translation>
    </message>
    <message>
        <source>Tra&amp;ining</source>
        <translation>Tr&amp;ening</translation>
    </message>
    <message>
        <source>Mistake under review, hand %1 as dealt: %2</source>
        <translation>Przeglądany błąd, rozdanie %1, karty z rozdania: %2</translation>
    </message>
    <message>
        <source>This Hand</source>
        <translation>To rozdanie</translation>
    </message>
</context>
<context>
    <name>TAnyHandPage</name>
    <message>
        <source>Five cards</source>
        <translation>Pięć kart</translation>
    </message>
    <message>
        <source>Five cards as rank and suit: ranks 2 to 10, T, J, Q, K, A; suits c, d, h, s or their symbols; apart by spaces or commas</source>
        <translation>Pięć kart jako wartość i kolor, angielskimi literami: wartości 2 do 10, T, J, Q, K, A; kolory c, d, h, s lub ich symbole; oddzielone spacjami lub przecinkami</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Karty:</translation>
    </message>
    <message>
        <source>Pick five cards</source>
        <translation>Wybierz pięć kart</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card</source>
        <translation>„%1” to nie karta</translation>
    </message>
    <message>
        <source>%1 twice</source>
        <translation>%1 dwa razy</translation>
    </message>
    <message>
        <source>%1 cards: a hand has five</source>
        <translation>Kart: %1, a ręka ma pięć</translation>
    </message>
    <message>
        <source>Type five cards, such as Kh Kd 9c 8d 3d, or pick them below.</source>
        <translation>Wpisz pięć kart, np. Kh Kd 9c 8d 3d, albo wybierz je poniżej.</translation>
    </message>
    <message>
        <source>Only 1 card</source>
        <translation>Tylko 1 karta</translation>
    </message>
    <message>
        <source>Only %1 cards</source>
        <translation>Za mało kart: %1</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Obliczanie tabeli strategii...</translation>
    </message>
</context>
<context>
    <name>TBankrollGraph</name>
    <message>
        <source>Credit: median</source>
        <translation>Kredyt: mediana</translation>
    </message>
    <message>
        <source>Credit: %1%</source>
        <translation>Kredyt: %1%</translation>
    </message>
    <message>
        <source>Graph of the session</source>
        <translation>Wykres sesji</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Rozegrane rozdania</translation>
    </message>
    <message>
        <source>Run out (%)</source>
        <translation>Bankructwo (%)</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Kredyt</translation>
    </message>
    <message>
        <source>Run out by this hand</source>
        <translation>Bankructwo do tego rozdania</translation>
    </message>
    <message>
        <source>Red: the chance of having run out by each hand. Blue: the credit along the way, its median bold, the middle half between the plain lines, nine in ten sessions between the dashed ones.</source>
        <translation>Czerwony: szansa bankructwa do każdego rozdania. Niebieski: kredyt w trakcie sesji, mediana pogrubiona, środkowa połowa między liniami ciągłymi, dziewięć na dziesięć sesji między przerywanymi.</translation>
    </message>
    <message>
        <source>%1% by hand %2</source>
        <translation>%1% do rozdania %2</translation>
    </message>
    <message>
        <source>Chance of having run out: %1. Median credit after hand %2: %3.</source>
        <translation>Szansa bankructwa: %1. Mediana kredytu po rozdaniu %2: %3.</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bet must be 1 to %1 credits.</source>
        <translation>Stawka musi wynosić od 1 do %1.</translation>
    </message>
    <message>
        <source>A credit of %1 does not cover the bet of %2: the session could not start.</source>
        <translation>Kredyt %1 nie pokrywa stawki %2: sesja nie mogłaby się zacząć.</translation>
    </message>
    <message>
        <source>The credit can be at most %1.</source>
        <translation>Kredyt może wynosić najwyżej %1.</translation>
    </message>
    <message>
        <source>The session needs at least one hand.</source>
        <translation>Sesja wymaga co najmniej jednego rozdania.</translation>
    </message>
    <message>
        <source>The session can be at most %1 hands.</source>
        <translation>Rozdania w sesji: najwyżej %1.</translation>
    </message>
    <message>
        <source>These pays give no figures for a session.</source>
        <translation>Te wypłaty nie dają wyników dla sesji.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Zatrzymano.</translation>
    </message>
    <message>
        <source>Credit to start with</source>
        <translation>Kredyt na początek</translation>
    </message>
    <message>
        <source>Hands to play</source>
        <translation>Rozdania do rozegrania</translation>
    </message>
    <message>
        <source>C&amp;redit:</source>
        <translation>K&amp;redyt:</translation>
    </message>
    <message>
        <source>&amp;Hands:</source>
        <translation>Roz&amp;dania:</translation>
    </message>
    <message>
        <source>&amp;Perfect play</source>
        <translation>&amp;Idealna gra</translation>
    </message>
    <message>
        <source>By the &amp;strategy chart</source>
        <translation>Według tabe&amp;li strategii</translation>
    </message>
    <message>
        <source>Every hand held as the first matching line of the chart says, as people play</source>
        <translation>Każde rozdanie zatrzymane tak, jak mówi pierwszy pasujący wiersz tabeli, jak grają ludzie</translation>
    </message>
    <message>
        <source>Working out the figures...</source>
        <translation>Obliczanie wyników...</translation>
    </message>
    <message>
        <source>median</source>
        <translation>mediana</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Royal flush before ruin:</source>
        <translation>Poker królewski przed bankructwem:</translation>
    </message>
    <message>
        <source>Credit for a risk of ruin of %1:</source>
        <translation>Kredyt dla ryzyka bankructwa %1:</translation>
    </message>
    <message>
        <source>These pays spread the credit too far to follow over a session this long.</source>
        <translation>Te wypłaty rozrzucają kredyt zbyt szeroko, by śledzić go przez tak długą sesję.</translation>
    </message>
    <message>
        <source>Risk of ruin in the session:</source>
        <translation>Ryzyko bankructwa w sesji:</translation>
    </message>
    <message>
        <source>Royal flush in the session:</source>
        <translation>Poker królewski w sesji:</translation>
    </message>
    <message>
        <source>Finish the session ahead:</source>
        <translation>Sesja zakończona na plusie:</translation>
    </message>
    <message>
        <source>Credit at the session&apos;s end:</source>
        <translation>Kredyt na koniec sesji:</translation>
    </message>
    <message>
        <source>Mean credit at the session&apos;s end:</source>
        <translation>Średni kredyt na koniec sesji:</translation>
    </message>
</context>
<context>
    <name>TCardPanel</name>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, karta zatrzymana</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>Strategy chart: hold what the first matching line says</source>
        <translation>Tabela strategii: zatrzymaj to, co podaje pierwszy pasujący wiersz</translation>
    </message>
    <message>
        <source>Hold the first of these the hand shows</source>
        <translation>Zatrzymaj pierwszy układ z listy, który masz</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Obliczanie tabeli strategii...</translation>
    </message>
    <message>
        <source>Played line by line this chart returns %1, perfect play %2: it gives up %3 of every bet.</source>
        <translation>Stosowana wiersz po wierszu ta tabela zwraca %1, idealna gra %2: traci %3 każdej stawki.</translation>
    </message>
    <message>
        <source>Deal a hand: the line it matches is marked.</source>
        <translation>Rozdaj karty: pasujący wiersz zostanie zaznaczony.</translation>
    </message>
    <message>
        <source>Line %1 matches: %2.</source>
        <translation>Pasuje wiersz %1: %2.</translation>
    </message>
    <message>
        <source> The best hold is %1, worth %2 credits more.</source>
        <translation> Najlepszy wybór to %1, wart o %2 kredytu więcej.</translation>
    </message>
</context>
<context>
    <name>TElapsedTimeLabel</name>
    <message>
        <source>Elapsed Time %1</source>
        <translation>Czas gry %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>HOLD</source>
        <translation>TRZYMAJ</translation>
    </message>
    <message>
        <source>Draw Zezuv</source>
        <translation>Draw Zezuv</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Walety lub wyżej</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Kredyt</translation>
    </message>
    <message>
        <source>Current Bet  %1</source>
        <translation>Stawka  %1</translation>
    </message>
    <message>
        <source>&amp;Payout</source>
        <translation>&amp;Wypłaty</translation>
    </message>
    <message>
        <source>B&amp;et</source>
        <translation>&amp;Stawka</translation>
    </message>
    <message>
        <source>Donate - Help support this program</source>
        <translation>Wesprzyj - pomóż w rozwoju tego programu</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Wesprzyj</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Dobierz</translation>
    </message>
    <message>
        <source>&amp;Bet</source>
        <translation>&amp;Rozdaj</translation>
    </message>
    <message>
        <source>Payout &amp;Table</source>
        <translation>&amp;Tabela wypłat</translation>
    </message>
    <message>
        <source>Pause / Resume Game</source>
        <translation>Wstrzymaj / wznów grę</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Wstrzymaj grę</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Ustawienia drukarki</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Strategia</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Gra wstrzymana</translation>
    </message>
    <message>
        <source>%1 - Credit %2</source>
        <translation>%1 - Kredyt %2</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  Close Program?</source>
        <translation>%1: Gra w toku.  Zamknąć program?</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać pliku %1</translation>
    </message>
    <message>
        <source>Game Over.  Play Again?</source>
        <translation>Koniec gry.  Zagrać jeszcze raz?</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  New Game?</source>
        <translation>%1: Gra w toku.  Zacząć nową grę?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Wygr. %1</translation>
    </message>
    <message>
        <source>Click Game - New to play a new game</source>
        <translation>Kliknij Gra - Nowa gra, aby zacząć nową grę</translation>
    </message>
    <message>
        <source>Hands= %1</source>
        <translation>Rozdania= %1</translation>
    </message>
    <message>
        <source>AVG Win= %1</source>
        <translation>Śr. wygr.= %1</translation>
    </message>
    <message>
        <source>Hi Win= %1</source>
        <translation>Maks. wygr.= %1</translation>
    </message>
    <message>
        <source>Hi Score= %1</source>
        <translation>Maks. stan= %1</translation>
    </message>
    <message>
        <source>Lo Score= %1</source>
        <translation>Min. stan= %1</translation>
    </message>
    <message>
        <source>Copyright %1</source>
        <translation>Copyright %1</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Zainstalowany</translation>
    </message>
    <message>
        <source>Portable</source>
        <translation>Przenośny</translation>
    </message>
    <message>
        <source>Large Fonts</source>
        <translation>Duże czcionki</translation>
    </message>
    <message>
        <source>Small Fonts</source>
        <translation>Małe czcionki</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Rozdano: %1</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Zatrzymane: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nic</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1, win %2</source>
        <translation>%1, wygrana %2</translation>
    </message>
    <message>
        <source>%1, credit %2</source>
        <translation>%1, kredyt %2</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>velPoker - Deck</source>
        <translation>velPoker - Talia</translation>
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
        <translation>Draw Zezuv - Jak grać.
----------------------

1. Wybierz tabelę wypłat. Gra oferuje kilka popularnych tabel wypłat video pokera. Zwrot przy tabeli pełnej (9/6) wynosi 99,54%, przy (9/5) 98,45%, a przy (8/6) 98,39%. Przy (8/5) zwrot wynosi 97,30%, przy (7/5) 96,15%, a przy (6/5) 95,00%. Te dwie liczby to wypłaty odpowiednio za fulla i za kolor.

2. Wybierz, ile punktów stawiasz na każde rozdanie. Domyślnie jest to 5. Możesz wybrać od 1 do 5.

3. Naciśnij „Rozdaj”. Dostajesz 5 kart. Karty, które chcesz zatrzymać, wybierasz, klikając je albo naciskając na klawiaturze klawisze od 1 do 5.

4. Naciśnij „Dobierz”. W miejsce niezatrzymanych kart dostaniesz nowe, a gra oceni twój układ.

Gra używa jednej talii 52 kart, tasowanej na początku każdego rozdania.

Zegar czasu gry jest aktualizowany na końcu każdego rozdania albo po kliknięciu go. Rusza razem z grą. Możesz go wstrzymać przyciskiem pauzy, poleceniem Gra | Wstrzymaj grę lub klawiszami Ctrl+P, ale nie w trakcie rozdawania kart.
==================================================
Starszeństwo kart:

As 
Król 
Dama 
Walet 
Dziesiątka 
Dziewiątka 
Ósemka 
Siódemka 
Szóstka 
Piątka 
Czwórka 
Trójka 
Dwójka 
As 

As liczy się nisko (A, 2, 3, 4, 5) albo wysoko (10, W, D, K, A).
==================================================
Starszeństwo układów:

* Poker królewski - 250 / 800 x stawka (4000 przy stawce 5 punktów).
  Dziesiątka, walet, dama, król i as w tym samym kolorze.
* Poker - 50 x stawka.
  Pięć kolejnych kart w tym samym kolorze.
* Kareta - 25 x stawka.
  Cztery karty tej samej wysokości.
* Full - 8 x stawka.
  Trójka i para.
* Kolor - 5 x stawka.
  Pięć kart w tym samym kolorze.
* Strit - 4 x stawka.
  Pięć kolejnych kart, nie wszystkie w tym samym kolorze.
* Trójka - 3 x stawka.
  Trzy karty tej samej wysokości.
* Dwie pary - 2 x stawka.
  Dwie pary różnej wysokości.
* Para - 1 x stawka.
  Para musi być z waletów lub wyższa.
* Żaden z powyższych - 0 punktów.
  Każdy inny układ.

Każda runda kosztuje 5 punktów, więc para tylko zwraca stawkę, a przegrane rozdanie kosztuje pięć punktów. W grze możesz stawiać od 1 do 5 punktów na rozdanie.
==================================================
Opcje programu.

Wybierz Gra | Opcje, aby ustawić kolory pól kart i układ, od którego gra świętuje twoją wygraną:

1 : Walety lub wyżej
2 : Dwie pary
3 : Trójka
4 : Strit
5 : Kolor
6 : Full
7 : Kareta
8 : Poker
9 : Poker królewski
0 : Nigdy

Domyślnie jest to full.

Te ustawienia są zapisywane w %1.
--------------------------------------------------
Źródło obrazów kart:
Własny generator kart gry (tools/cardgen).
</translation>
    </message>
    <message>
        <source>vel Zezuv - Help</source>
        <translation>vel Zezuv - Pomoc</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>vel Zezuv - About</source>
        <translation>vel Zezuv - O programie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No FileVersionInfo found</source>
        <translation>Nie znaleziono informacji o wersji</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Royal Flush</source>
        <translation>Poker królewski</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Kareta</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Strit</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trójka</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Dwie pary</translation>
    </message>
    <message>
        <source>Pair of Jacks or Better</source>
        <translation>Para waletów lub wyżej</translation>
    </message>
    <message>
        <source>vel Zezuv - Payouts</source>
        <translation>vel Zezuv - Wypłaty</translation>
    </message>
    <message>
        <source>Payouts per credit bet</source>
        <translation>Wypłaty za postawiony kredyt</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Układ</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Wypłata</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Walety lub wyżej</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Dwie pary</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trójka</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Strit</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Kareta</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Poker królewski</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>vel Zezuv - Options</source>
        <translation>vel Zezuv - Opcje</translation>
    </message>
    <message>
        <source>Card Panel Color Options</source>
        <translation>Kolory pól kart</translation>
    </message>
    <message>
        <source>Card Panel</source>
        <translation>Pole karty</translation>
    </message>
    <message>
        <source>Hold Color</source>
        <translation>Zatrzymana</translation>
    </message>
    <message>
        <source>Win Color</source>
        <translation>Wygrywająca</translation>
    </message>
    <message>
        <source>Celebrate &amp;On</source>
        <translation>Świętuj &amp;od</translation>
    </message>
    <message>
        <source>&amp;Scale Cards when using Large Fonts</source>
        <translation>&amp;Skaluj karty przy dużych czcionkach</translation>
    </message>
    <message>
        <source>This only affects systems running Large Fonts. When checked you get bigger cards but the graphics are not as sharp.</source>
        <translation>Dotyczy tylko systemów z dużymi czcionkami. Po zaznaczeniu karty są większe, ale obrazy mniej ostre.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Strategia Video Zezuv

 1. Kareta, poker, poker królewski
 2. 4 do pokera królewskiego
 3. Trójka, strit, kolor, full
 4. 4 do pokera
 5. Dwie pary
 6. Wysoka para
 7. 3 do pokera królewskiego
 8. 4 do koloru
 9. Niska para
10. 4 do otwartego strita
11. 2 wysokie karty w jednym kolorze
12. 3 do pokera
13. 2 wysokie karty w różnych kolorach (jeśli jest ich więcej niż 2, zatrzymaj 2 najniższe)
14. 10/W, 10/D lub 10/K w jednym kolorze
15. Jedna wysoka karta
16. Wymień wszystkie karty

Zacznij od góry listy i zatrzymaj się na pierwszym wierszu, który pasuje do twoich kart.

To prosta strategia. Istnieją bardziej złożone strategie, które dają nieco więcej.
==================================================
Pojęcia:

Wysoka karta: walet, dama, król lub as. Warto je zatrzymywać, bo para z nich zwraca stawkę.

Otwarty strit: cztery kolejne karty otwarte z obu stron, więc strita można domknąć z każdego końca, np. 7, 8, 9, 10.

Wewnętrzny strit: cztery karty do strita, wśród których brakuje karty w środku, np. 6, 7, 9, 10. A, 2, 3, 4 oraz W, D, K, A to także wewnętrzne strity, bo leżą na samym skraju i można je domknąć tylko w jeden sposób.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Strategy</source>
        <translation>vel Zezuv - Strategia</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Strategia</translation>
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
        <translation>Jeśli podoba ci się ten program i chcesz przekazać darowiznę:

Prześlij co najmniej 5,00 USD przez PayPal na adres %1.

Dziękuję!

Program jest darmowy, ale darowizny są mile widziane. PayPal pobiera opłatę od płatności kartą kredytową, więc z darowizny w wysokości 5 USD po potrąceniu opłat zostałoby niewiele. Jeśli nie lubisz PayPala, napisz do mnie na adres %1, a ustalimy coś innego.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Donate</source>
        <translation>vel Zezuv - Wesprzyj</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Wesprzyj</translation>
    </message>
</context>
<context>
    <name>TGraphPage</name>
    <message>
        <source>Graph of this game</source>
        <translation>Wykres tej gry</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Kredyt</translation>
    </message>
    <message>
        <source>Expected with the best holds</source>
        <translation>Oczekiwany przy najlepszych wyborach</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Rozegrane rozdania</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Kredyty</translation>
    </message>
    <message>
        <source>The graph starts with the first hand drawn while the advisor is open.</source>
        <translation>Wykres zaczyna się od pierwszego rozdania dobranego przy otwartym doradcy.</translation>
    </message>
    <message>
        <source>After hand %1: credit %2; expected with the best holds %3.</source>
        <translation>Po rozdaniu %1: kredyt %2; oczekiwany przy najlepszych wyborach %3.</translation>
    </message>
</context>
<context>
    <name>THoldsTable</name>
    <message>
        <source>Keep %1</source>
        <translation>Zatrzymaj: %1</translation>
    </message>
    <message>
        <source>Holds, best first</source>
        <translation>Sposoby zatrzymania, od najlepszego</translation>
    </message>
    <message>
        <source>Every way to hold the hand, its expected return in credits and its loss against the best hold</source>
        <translation>Każdy sposób zatrzymania kart, jego oczekiwany zwrot w kredytach i strata względem najlepszego wyboru</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Expected return</source>
        <translation>Średnio</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Strata</translation>
    </message>
    <message>
        <source> (your hold)</source>
        <translation> (twój wybór)</translation>
    </message>
</context>
<context>
    <name>TMistakesPage</name>
    <message>
        <source>&amp;View all holds</source>
        <translation>Pokaż &amp;możliwe wybory</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Ta gra</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Ćwiczenia</translation>
    </message>
    <message>
        <source>Costliest first</source>
        <translation>Najdroższe najpierw</translation>
    </message>
    <message>
        <source>In order of play</source>
        <translation>W kolejności gry</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Rozdanie</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Rozdane</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Zatrzymane</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Koszt</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Historia:</translation>
    </message>
    <message>
        <source>&amp;Listed:</source>
        <translation>Kole&amp;jność:</translation>
    </message>
    <message>
        <source>No hands graded yet.</source>
        <translation>Nie oceniono jeszcze żadnego rozdania.</translation>
    </message>
    <message>
        <source>No mistakes: well played.</source>
        <translation>Bez błędów: dobra gra.</translation>
    </message>
    <message>
        <source>Best hold: %1, %2 credits on average; yours returns %3.&lt;br&gt;%4</source>
        <translation>Najlepszy wybór: %1, średnio %2 kredytu; twój przynosi %3.&lt;br&gt;%4</translation>
    </message>
</context>
<context>
    <name>TOddsPage</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Walety lub wyżej</translation>
    </message>
    <message>
        <source>Final hands with perfect play</source>
        <translation>Układy końcowe przy idealnej grze</translation>
    </message>
    <message>
        <source>Final hand</source>
        <translation>Układ</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Prawdop.</translation>
    </message>
    <message>
        <source>1 in</source>
        <translation>1 na</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Wypłata</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zwrot</translation>
    </message>
    <message>
        <source>Perfect play on %1 at a bet of %2</source>
        <translation>Idealna gra: tabela %1, stawka %2</translation>
    </message>
    <message>
        <source>Working out the odds of perfect play...</source>
        <translation>Obliczanie szans przy idealnej grze...</translation>
    </message>
    <message>
        <source>Return %1%. Variance %2 and standard deviation %3 per hand, in credits per credit bet. A royal flush every %4 hands on average.</source>
        <translation>Zwrot %1%. Wariancja %2 i odchylenie standardowe %3 na rozdanie, w kredytach na postawiony kredyt. Średnia liczba rozdań na jednego pokera królewskiego: %4.</translation>
    </message>
</context>
<context>
    <name>TPayTableChoice</name>
    <message>
        <source>Pay table</source>
        <translation>Tabela wypłat</translation>
    </message>
    <message>
        <source>Pay &amp;table:</source>
        <translation>&amp;Tabela wypłat:</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Stawka</translation>
    </message>
    <message>
        <source>&amp;Bet:</source>
        <translation>&amp;Stawka:</translation>
    </message>
    <message>
        <source>Name to keep the pay table under</source>
        <translation>Nazwa, pod którą zapisać tabelę wypłat</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>Za&amp;pisz</translation>
    </message>
    <message>
        <source>Keep this pay table under the name, to choose it again in later games</source>
        <translation>Zapisz tę tabelę wypłat pod tą nazwą, aby wybrać ją ponownie w kolejnych grach</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Forget the kept pay table</source>
        <translation>Zapomnij zapisaną tabelę wypłat</translation>
    </message>
    <message>
        <source>In force: %1</source>
        <translation>W grze: %1</translation>
    </message>
    <message>
        <source>your own pay table</source>
        <translation>własna</translation>
    </message>
    <message>
        <source>Working out the break-even royal flush...</source>
        <translation>Obliczanie progu opłacalności pokera królewskiego...</translation>
    </message>
    <message>
        <source>Even a royal flush of %1 per credit leaves this table below 100%.</source>
        <translation>Nawet poker królewski za %1 na kredyt zostawia tę tabelę poniżej 100%.</translation>
    </message>
    <message>
        <source>Even with a royal flush that pays nothing, perfect play returns %1%.</source>
        <translation>Nawet gdy poker królewski nic nie płaci, idealna gra zwraca %1%.</translation>
    </message>
    <message>
        <source>Break-even royal flush: %1 per credit at bet %2, where perfect play returns %3%.</source>
        <translation>Próg opłacalności pokera królewskiego: %1 na kredyt przy stawce %2; idealna gra zwraca wtedy %3%.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własna</translation>
    </message>
</context>
<context>
    <name>TPayTableEditor</name>
    <message>
        <source>Royal Flush at bet %1</source>
        <translation>Poker królewski przy stawce %1</translation>
    </message>
    <message>
        <source>Royal Flush at bets 1 to %1</source>
        <translation>Poker królewski przy stawkach 1 do %1</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Walety lub wyżej</translation>
    </message>
    <message>
        <source>%1, pays per credit</source>
        <translation>%1, wypłata na kredyt</translation>
    </message>
    <message>
        <source>A pay must be a whole number from 0 to %1</source>
        <translation>Wypłata musi być liczbą całkowitą od 0 do %1</translation>
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
        <translation>Każde rozdanie, jak leci</translation>
    </message>
    <message>
        <source>Close calls only</source>
        <translation>Tylko trudne decyzje</translation>
    </message>
    <message>
        <source>Close calls: the best hold beats the next best by less than 0.1 credits per credit bet</source>
        <translation>Trudne decyzje: najlepszy wybór wygrywa z następnym o mniej niż 0,1 kredytu na postawiony kredyt</translation>
    </message>
    <message>
        <source>Graded on %1 at a bet of %2.</source>
        <translation>Ocena: tabela %1, stawka %2.</translation>
    </message>
    <message>
        <source>D&amp;eal:</source>
        <translation>&amp;Co rozdawać:</translation>
    </message>
    <message>
        <source>Hold the cards you would keep (keys 1 to 5 or a click), then press Enter.</source>
        <translation>Zatrzymaj karty, które chcesz zostawić (klawisze 1–5 lub kliknięcie), potem naciśnij Enter.</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Rozdane: %1</translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation>TRZYMAJ</translation>
    </message>
    <message>
        <source>Grade my hold (Enter)</source>
        <translation>Oceń mój wybór (Enter)</translation>
    </message>
    <message>
        <source>Next hand (Enter)</source>
        <translation>Następne rozdanie (Enter)</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Zatrzymane: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nic</translation>
    </message>
    <message>
        <source>Your practice so far. %1</source>
        <translation>Twoje ćwiczenia do tej pory. %1</translation>
    </message>
    <message>
        <source>Costliest mistakes:</source>
        <translation>Najdroższe błędy:</translation>
    </message>
    <message>
        <source>%1 held %2: %3 credits</source>
        <translation>%1, zatrzymane %2: %3 kredytu</translation>
    </message>
</context>
<context>
    <name>TablePrinter</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Nie wybrano drukarki domyślnej.</translation>
    </message>
</context>
<context>
    <name>vel::AdvisorSession</name>
    <message>
        <source>Draw five new cards</source>
        <translation>Dobierz pięć nowych kart</translation>
    </message>
    <message>
        <source>draws five new cards</source>
        <translation>dobiera pięć nowych kart</translation>
    </message>
    <message>
        <source>keeps %1</source>
        <translation>zatrzymuje %1</translation>
    </message>
    <message>
        <source>This hold gives up %1 credits. The best hold %2.
Draw anyway?</source>
        <translation>Ten wybór traci %1 kredytu. Najlepszy wybór %2.
Dobrać mimo to?</translation>
    </message>
</context>
</TS>
