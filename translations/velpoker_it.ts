<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Card</name>
    <message>
        <source>J</source>
        <comment>corner index of a jack</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>corner index of a queen</comment>
        <translation>Q</translation>
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
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Royal flush</source>
        <translation>Scala reale</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Doppia coppia</translation>
    </message>
    <message>
        <source>High pair (jacks or better)</source>
        <translation>Coppia alta (fanti o meglio)</translation>
    </message>
    <message>
        <source>Low pair (twos to tens)</source>
        <translation>Coppia bassa (dal 2 al 10)</translation>
    </message>
    <message>
        <source>4 to a royal flush</source>
        <translation>4 carte di scala reale</translation>
    </message>
    <message>
        <source>3 to a royal flush</source>
        <translation>3 carte di scala reale</translation>
    </message>
    <message>
        <source>4 to a straight flush</source>
        <translation>4 carte di scala colore</translation>
    </message>
    <message>
        <source>4 to an outside straight flush</source>
        <translation>4 carte di scala colore bilaterale</translation>
    </message>
    <message>
        <source>4 to an inside straight flush</source>
        <translation>4 carte di scala colore interna</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, no gap</source>
        <translation>3 carte di scala colore, nessuna carta alta, nessun buco</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 1 gap</source>
        <translation>3 carte di scala colore, nessuna carta alta, 1 buco</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 2 gaps</source>
        <translation>3 carte di scala colore, nessuna carta alta, 2 buchi</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, no gap</source>
        <translation>3 carte di scala colore, 1 carta alta, nessun buco</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 1 gap</source>
        <translation>3 carte di scala colore, 1 carta alta, 1 buco</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 2 gaps</source>
        <translation>3 carte di scala colore, 1 carta alta, 2 buchi</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 1 gap</source>
        <translation>3 carte di scala colore, 2 carte alte, 1 buco</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 2 gaps</source>
        <translation>3 carte di scala colore, 2 carte alte, 2 buchi</translation>
    </message>
    <message>
        <source>4 to a flush</source>
        <translation>4 carte di colore</translation>
    </message>
    <message>
        <source>4 to a flush, no high card</source>
        <translation>4 carte di colore, nessuna carta alta</translation>
    </message>
    <message>
        <source>4 to a flush, 1 high card</source>
        <translation>4 carte di colore, 1 carta alta</translation>
    </message>
    <message>
        <source>4 to a flush, 2 high cards</source>
        <translation>4 carte di colore, 2 carte alte</translation>
    </message>
    <message>
        <source>4 to a flush, 3 high cards</source>
        <translation>4 carte di colore, 3 carte alte</translation>
    </message>
    <message>
        <source>4 to an outside straight</source>
        <translation>4 carte di scala bilaterale</translation>
    </message>
    <message>
        <source>4 to an outside straight, no high card</source>
        <translation>4 carte di scala bilaterale, nessuna carta alta</translation>
    </message>
    <message>
        <source>4 to an outside straight, 1 high card</source>
        <translation>4 carte di scala bilaterale, 1 carta alta</translation>
    </message>
    <message>
        <source>4 to an outside straight, 2 high cards</source>
        <translation>4 carte di scala bilaterale, 2 carte alte</translation>
    </message>
    <message>
        <source>4 to an outside straight, 3 high cards (TJQK)</source>
        <translation>4 carte di scala bilaterale, 3 carte alte (10JQK)</translation>
    </message>
    <message>
        <source>4 to an inside straight</source>
        <translation>4 carte di scala interna</translation>
    </message>
    <message>
        <source>4 to an inside straight, no high card</source>
        <translation>4 carte di scala interna, nessuna carta alta</translation>
    </message>
    <message>
        <source>4 to an inside straight, 1 high card</source>
        <translation>4 carte di scala interna, 1 carta alta</translation>
    </message>
    <message>
        <source>4 to an inside straight, 2 high cards</source>
        <translation>4 carte di scala interna, 2 carte alte</translation>
    </message>
    <message>
        <source>4 to an inside straight, 3 high cards</source>
        <translation>4 carte di scala interna, 3 carte alte</translation>
    </message>
    <message>
        <source>4 to an inside straight, 4 high cards (AKQJ)</source>
        <translation>4 carte di scala interna, 4 carte alte (AKQJ)</translation>
    </message>
    <message>
        <source>AK suited</source>
        <translation>AK dello stesso seme</translation>
    </message>
    <message>
        <source>AQ suited</source>
        <translation>AQ dello stesso seme</translation>
    </message>
    <message>
        <source>AJ suited</source>
        <translation>AJ dello stesso seme</translation>
    </message>
    <message>
        <source>KQ suited</source>
        <translation>KQ dello stesso seme</translation>
    </message>
    <message>
        <source>KJ suited</source>
        <translation>KJ dello stesso seme</translation>
    </message>
    <message>
        <source>QJ suited</source>
        <translation>QJ dello stesso seme</translation>
    </message>
    <message>
        <source>AT suited</source>
        <translation>A10 dello stesso seme</translation>
    </message>
    <message>
        <source>KT suited</source>
        <translation>K10 dello stesso seme</translation>
    </message>
    <message>
        <source>QT suited</source>
        <translation>Q10 dello stesso seme</translation>
    </message>
    <message>
        <source>JT suited</source>
        <translation>J10 dello stesso seme</translation>
    </message>
    <message>
        <source>AKQ unsuited</source>
        <translation>AKQ di semi diversi</translation>
    </message>
    <message>
        <source>AKJ unsuited</source>
        <translation>AKJ di semi diversi</translation>
    </message>
    <message>
        <source>AQJ unsuited</source>
        <translation>AQJ di semi diversi</translation>
    </message>
    <message>
        <source>KQJ unsuited</source>
        <translation>KQJ di semi diversi</translation>
    </message>
    <message>
        <source>QJ unsuited</source>
        <translation>QJ di semi diversi</translation>
    </message>
    <message>
        <source>KJ unsuited</source>
        <translation>KJ di semi diversi</translation>
    </message>
    <message>
        <source>KQ unsuited</source>
        <translation>KQ di semi diversi</translation>
    </message>
    <message>
        <source>AJ unsuited</source>
        <translation>AJ di semi diversi</translation>
    </message>
    <message>
        <source>AQ unsuited</source>
        <translation>AQ di semi diversi</translation>
    </message>
    <message>
        <source>AK unsuited</source>
        <translation>AK di semi diversi</translation>
    </message>
    <message>
        <source>J only</source>
        <translation>Solo J</translation>
    </message>
    <message>
        <source>Q only</source>
        <translation>Solo Q</translation>
    </message>
    <message>
        <source>K only</source>
        <translation>Solo K</translation>
    </message>
    <message>
        <source>A only</source>
        <translation>Solo A</translation>
    </message>
    <message>
        <source>3 to a flush</source>
        <translation>3 carte di colore</translation>
    </message>
    <message>
        <source>3 to a flush, 1 high card</source>
        <translation>3 carte di colore, 1 carta alta</translation>
    </message>
    <message>
        <source>3 to a flush, 2 high cards</source>
        <translation>3 carte di colore, 2 carte alte</translation>
    </message>
    <message>
        <source>Royal flush, straight flush or four of a kind</source>
        <translation>Scala reale, scala colore o poker</translation>
    </message>
    <message>
        <source>Full house, flush, straight or three of a kind</source>
        <translation>Full, colore, scala o tris</translation>
    </message>
    <message>
        <source>3 to a straight flush, as many high cards as gaps or more</source>
        <translation>3 carte di scala colore, carte alte almeno quanti i buchi</translation>
    </message>
    <message>
        <source>3 to a straight flush, one gap more than high cards</source>
        <translation>3 carte di scala colore, un buco in più delle carte alte</translation>
    </message>
    <message>
        <source>KQ or KJ suited</source>
        <translation>KQ o KJ dello stesso seme</translation>
    </message>
    <message>
        <source>AK, AQ or AJ suited</source>
        <translation>AK, AQ o AJ dello stesso seme</translation>
    </message>
    <message>
        <source>KQ or KJ unsuited</source>
        <translation>KQ o KJ di semi diversi</translation>
    </message>
    <message>
        <source>AK, AQ or AJ unsuited</source>
        <translation>AK, AQ o AJ di semi diversi</translation>
    </message>
    <message>
        <source>Two unsuited high cards, the lowest two</source>
        <translation>Due carte alte di semi diversi, le due più basse</translation>
    </message>
    <message>
        <source>One high card, the lowest</source>
        <translation>Una carta alta, la più bassa</translation>
    </message>
    <message>
        <source>Draw five (hold nothing)</source>
        <translation>Cambia tutte (non tenere nulla)</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>draw five new cards</source>
        <translation>cambiare tutte e cinque le carte</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Giusto: %1</translation>
    </message>
    <message>
        <source>Mistake, costs %1 credits: best is %2</source>
        <translation>Errore, costa %1 crediti: la scelta migliore è %2</translation>
    </message>
    <message>
        <source>The chart of this pay table is still being worked out.</source>
        <translation>La tabella di strategia di questa tabella vincite è ancora in calcolo.</translation>
    </message>
    <message>
        <source>Chart line %1: %2.</source>
        <translation>Riga %1 della tabella: %2.</translation>
    </message>
    <message>
        <source>Hands: %1. Right: %2%. Lost per 100 hands: %3 credits.</source>
        <translation>Mani: %1. Giuste: %2%. Perdita ogni 100 mani: %3 crediti.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right.&lt;/b&gt; %1 returns %2 credits on average: no hold returns more.</source>
        <translation>&lt;b&gt;Giusto.&lt;/b&gt; %1 rende in media %2 crediti: nessuna scelta rende di più.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mistake, it costs %1 credits.&lt;/b&gt; %2 returns %3 credits on average; the best hold, %4, returns %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;Errore, costa %1 crediti.&lt;/b&gt; %2 rende in media %3 crediti; la scelta migliore, %4, rende %5.&lt;br&gt;%6</translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>Nothing</source>
        <translation>Niente</translation>
    </message>
    <message>
        <source>Pair of Jacks</source>
        <translation>Coppia di fanti</translation>
    </message>
    <message>
        <source>Pair of Queens</source>
        <translation>Coppia di donne</translation>
    </message>
    <message>
        <source>Pair of Kings</source>
        <translation>Coppia di re</translation>
    </message>
    <message>
        <source>Pair of Aces</source>
        <translation>Coppia di assi</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doppia coppia</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Scala reale</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>9 / 6 : Full Pay</source>
        <translation>9 / 6 : Piena</translation>
    </message>
    <message>
        <source>8 / 6 - Med Pay</source>
        <translation>8 / 6 - Media</translation>
    </message>
    <message>
        <source>6 / 5 : Low Pay</source>
        <translation>6 / 5 : Bassa</translation>
    </message>
</context>
<context>
    <name>TAdvisorForm</name>
    <message>
        <source>Deal a hand and the advisor ranks all 32 ways to hold it by the credits each returns on average, best first.</source>
        <translation>Gioca una mano e il consigliere mette in ordine tutti i 32 modi di tenerla secondo i crediti che ognuno rende in media, dal migliore.</translation>
    </message>
    <message>
        <source>vel Zezuv - Advisor</source>
        <translation>vel Zezuv - Consigliere</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Probabilità</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>H&amp;old These</source>
        <translation>&amp;Tieni queste</translation>
    </message>
    <message>
        <source>Hold the best cards on the table</source>
        <translation>Tieni le carte migliori sul tavolo</translation>
    </message>
    <message>
        <source>&amp;Warn before a costly draw</source>
        <translation>Avvisa prima di &amp;un cambio costoso</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Questa partita</translation>
    </message>
    <message>
        <source>Session ledger</source>
        <translation>Bilancio della partita</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>La tua mano: %1</translation>
    </message>
    <message>
        <source>Last hand as dealt: %1</source>
        <translation>Ultima mano servita: %1</translation>
    </message>
    <message>
        <source>Best hold: %1, worth %2 credits on average.</source>
        <translation>Scelta migliore: %1, vale in media %2 crediti.</translation>
    </message>
    <message>
        <source>You played the best hold.</source>
        <translation>Hai giocato la scelta migliore.</translation>
    </message>
    <message>
        <source>Your hold gave up %1 credits against %2.</source>
        <translation>La tua scelta ha perso %1 crediti rispetto a %2.</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mani giocate</translation>
    </message>
    <message>
        <source>Expected return of your holds</source>
        <translation>Ritorno atteso delle tue scelte</translation>
    </message>
    <message>
        <source>Expected return of the best holds</source>
        <translation>Ritorno atteso delle scelte migliori</translation>
    </message>
    <message>
        <source>Lost to mistakes</source>
        <translation>Perso per errori</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinto</translation>
    </message>
    <message>
        <source>Luck (won less expected)</source>
        <translation>Fortuna (vinto meno atteso)</translation>
    </message>
    <message>
        <source>Working out the return of perfect play...</source>
        <translation>Calcolo del ritorno del gioco perfetto...</translation>
    </message>
    <message>
        <source>Perfect play returns %1% on %2 at a bet of %3</source>
        <translation>Il gioco perfetto rende il %1% su %2 con puntata %3</translation>
    </message>
    <message>
        <source>Any Hand</source>
        <translation>Mano libera</translation>
    </message>
    <message>
        <source>Analyse on &amp;Any Hand</source>
        <translation>Anali&amp;zza in Mano libera</translation>
    </message>
    <message>
        <source>Take this hand to the Any Hand page, to try it with other pay tables</source>
        <translation>Porta questa mano nella pagina Mano libera, per provarla con altre tabelle vincite</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>&amp;Mistakes</source>
        <translation>E&amp;rrori</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>Gra&amp;fico</translation>
    </message>
    <message>
        <source>Tra&amp;ining</source>
        <translation>Pr&amp;atica</translation>
    </message>
    <message>
        <source>Mistake under review, hand %1 as dealt: %2</source>
        <translation>Errore in esame, mano %1 come servita: %2</translation>
    </message>
    <message>
        <source>This Hand</source>
        <translation>La mano</translation>
    </message>
</context>
<context>
    <name>TAnyHandPage</name>
    <message>
        <source>Five cards</source>
        <translation>Cinque carte</translation>
    </message>
    <message>
        <source>Five cards as rank and suit: ranks 2 to 10, T, J, Q, K, A; suits c, d, h, s or their symbols; apart by spaces or commas</source>
        <translation>Cinque carte come valore e seme, in lettere inglesi: valori da 2 a 10, T, J, Q, K, A; semi c, d, h, s o i loro simboli; separate da spazi o virgole</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Carte:</translation>
    </message>
    <message>
        <source>Pick five cards</source>
        <translation>Scegli cinque carte</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card</source>
        <translation>«%1» non è una carta</translation>
    </message>
    <message>
        <source>%1 twice</source>
        <translation>%1 ripetuta</translation>
    </message>
    <message>
        <source>%1 cards: a hand has five</source>
        <translation>%1 carte: una mano ne ha cinque</translation>
    </message>
    <message>
        <source>Type five cards, such as Kh Kd 9c 8d 3d, or pick them below.</source>
        <translation>Scrivi cinque carte, come Kh Kd 9c 8d 3d, oppure sceglile qui sotto.</translation>
    </message>
    <message>
        <source>Only 1 card</source>
        <translation>Solo 1 carta</translation>
    </message>
    <message>
        <source>Only %1 cards</source>
        <translation>Solo %1 carte</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Calcolo della tabella strategica...</translation>
    </message>
</context>
<context>
    <name>TBankrollGraph</name>
    <message>
        <source>Credit: median</source>
        <translation>Saldo: mediana</translation>
    </message>
    <message>
        <source>Credit: %1%</source>
        <translation>Saldo: %1%</translation>
    </message>
    <message>
        <source>Graph of the session</source>
        <translation>Grafico della sessione</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mani giocate</translation>
    </message>
    <message>
        <source>Run out (%)</source>
        <translation>Rovina (%)</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Run out by this hand</source>
        <translation>Rovina entro questa mano</translation>
    </message>
    <message>
        <source>Red: the chance of having run out by each hand. Blue: the credit along the way, its median bold, the middle half between the plain lines, nine in ten sessions between the dashed ones.</source>
        <translation>Rosso: la probabilità di essere rovinati entro ogni mano. Blu: il saldo lungo la sessione, la mediana in grassetto, la metà centrale tra le linee continue, nove sessioni su dieci tra quelle tratteggiate.</translation>
    </message>
    <message>
        <source>%1% by hand %2</source>
        <translation>%1% entro la mano %2</translation>
    </message>
    <message>
        <source>Chance of having run out: %1. Median credit after hand %2: %3.</source>
        <translation>Probabilità di essere rovinati: %1. Saldo mediano dopo la mano %2: %3.</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bet must be 1 to %1 credits.</source>
        <translation>La puntata deve essere da 1 a %1 crediti.</translation>
    </message>
    <message>
        <source>A credit of %1 does not cover the bet of %2: the session could not start.</source>
        <translation>Un saldo di %1 non copre la puntata di %2: la sessione non potrebbe iniziare.</translation>
    </message>
    <message>
        <source>The credit can be at most %1.</source>
        <translation>Il saldo può essere al massimo %1.</translation>
    </message>
    <message>
        <source>The session needs at least one hand.</source>
        <translation>La sessione richiede almeno una mano.</translation>
    </message>
    <message>
        <source>The session can be at most %1 hands.</source>
        <translation>La sessione può durare al massimo %1 mani.</translation>
    </message>
    <message>
        <source>These pays give no figures for a session.</source>
        <translation>Queste vincite non danno cifre per una sessione.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>Credit to start with</source>
        <translation>Saldo iniziale</translation>
    </message>
    <message>
        <source>Hands to play</source>
        <translation>Mani da giocare</translation>
    </message>
    <message>
        <source>C&amp;redit:</source>
        <translation>Sa&amp;ldo:</translation>
    </message>
    <message>
        <source>&amp;Hands:</source>
        <translation>Man&amp;i:</translation>
    </message>
    <message>
        <source>&amp;Perfect play</source>
        <translation>&amp;Gioco perfetto</translation>
    </message>
    <message>
        <source>By the &amp;strategy chart</source>
        <translation>Secondo la tabella &amp;di strategia</translation>
    </message>
    <message>
        <source>Every hand held as the first matching line of the chart says, as people play</source>
        <translation>Ogni mano tenuta come dice la prima riga della tabella che le corrisponde, come si gioca davvero</translation>
    </message>
    <message>
        <source>Working out the figures...</source>
        <translation>Calcolo delle cifre...</translation>
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
        <translation>Scala reale prima della rovina:</translation>
    </message>
    <message>
        <source>Credit for a risk of ruin of %1:</source>
        <translation>Saldo per un rischio di rovina del %1:</translation>
    </message>
    <message>
        <source>These pays spread the credit too far to follow over a session this long.</source>
        <translation>Queste vincite disperdono troppo il saldo per seguirlo in una sessione così lunga.</translation>
    </message>
    <message>
        <source>Risk of ruin in the session:</source>
        <translation>Rischio di rovina nella sessione:</translation>
    </message>
    <message>
        <source>Royal flush in the session:</source>
        <translation>Scala reale nella sessione:</translation>
    </message>
    <message>
        <source>Finish the session ahead:</source>
        <translation>Sessione chiusa in attivo:</translation>
    </message>
    <message>
        <source>Credit at the session&apos;s end:</source>
        <translation>Saldo a fine sessione:</translation>
    </message>
    <message>
        <source>Mean credit at the session&apos;s end:</source>
        <translation>Saldo medio a fine sessione:</translation>
    </message>
</context>
<context>
    <name>TCardPanel</name>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, tenuta</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>Strategy chart: hold what the first matching line says</source>
        <translation>Tabella strategica: tieni ciò che dice la prima riga che corrisponde</translation>
    </message>
    <message>
        <source>Hold the first of these the hand shows</source>
        <translation>Tieni la prima voce presente nella mano</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Calcolo della tabella strategica...</translation>
    </message>
    <message>
        <source>Played line by line this chart returns %1, perfect play %2: it gives up %3 of every bet.</source>
        <translation>Giocata riga per riga, questa tabella rende %1, il gioco perfetto %2: perde %3 di ogni puntata.</translation>
    </message>
    <message>
        <source>Deal a hand: the line it matches is marked.</source>
        <translation>Gioca una mano: la riga corrispondente viene evidenziata.</translation>
    </message>
    <message>
        <source>Line %1 matches: %2.</source>
        <translation>Corrisponde la riga %1: %2.</translation>
    </message>
    <message>
        <source> The best hold is %1, worth %2 credits more.</source>
        <translation> La scelta migliore è %1, vale %2 crediti in più.</translation>
    </message>
</context>
<context>
    <name>TElapsedTimeLabel</name>
    <message>
        <source>Elapsed Time %1</source>
        <translation>Tempo %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>HOLD</source>
        <translation>TIENI</translation>
    </message>
    <message>
        <source>Draw Zezuv</source>
        <translation>Draw Zezuv</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Fanti o meglio</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Current Bet  %1</source>
        <translation>Puntata  %1</translation>
    </message>
    <message>
        <source>&amp;Payout</source>
        <translation>&amp;Vincite</translation>
    </message>
    <message>
        <source>B&amp;et</source>
        <translation>P&amp;untata</translation>
    </message>
    <message>
        <source>Donate - Help support this program</source>
        <translation>Dona - Sostieni questo programma</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Dona</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Cambia</translation>
    </message>
    <message>
        <source>&amp;Bet</source>
        <translation>&amp;Punta</translation>
    </message>
    <message>
        <source>Payout &amp;Table</source>
        <translation>&amp;Tabella vincite</translation>
    </message>
    <message>
        <source>Pause / Resume Game</source>
        <translation>Pausa / riprendi partita</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Pausa partita</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Impostazioni stampante</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Strategia</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Partita in pausa</translation>
    </message>
    <message>
        <source>%1 - Credit %2</source>
        <translation>%1 - Saldo %2</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  Close Program?</source>
        <translation>%1: partita in corso.  Chiudere il programma?</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>Game Over.  Play Again?</source>
        <translation>Partita finita.  Giocare ancora?</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  New Game?</source>
        <translation>%1: partita in corso.  Nuova partita?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Vinti %1</translation>
    </message>
    <message>
        <source>Click Game - New to play a new game</source>
        <translation>Fai clic su Partita - Nuova per iniziare una nuova partita</translation>
    </message>
    <message>
        <source>Hands= %1</source>
        <translation>Mani= %1</translation>
    </message>
    <message>
        <source>AVG Win= %1</source>
        <translation>Vincita media= %1</translation>
    </message>
    <message>
        <source>Hi Win= %1</source>
        <translation>Vincita max= %1</translation>
    </message>
    <message>
        <source>Hi Score= %1</source>
        <translation>Saldo max= %1</translation>
    </message>
    <message>
        <source>Lo Score= %1</source>
        <translation>Saldo min= %1</translation>
    </message>
    <message>
        <source>Copyright %1</source>
        <translation>Copyright %1</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installato</translation>
    </message>
    <message>
        <source>Portable</source>
        <translation>Portatile</translation>
    </message>
    <message>
        <source>Large Fonts</source>
        <translation>Caratteri grandi</translation>
    </message>
    <message>
        <source>Small Fonts</source>
        <translation>Caratteri piccoli</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Servite: %1</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Tenute: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1, win %2</source>
        <translation>%1, vincita %2</translation>
    </message>
    <message>
        <source>%1, credit %2</source>
        <translation>%1, saldo %2</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>velPoker - Deck</source>
        <translation>velPoker - Mazzo</translation>
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
        <translation>Draw Zezuv - Come si gioca.
---------------------------

1. Scegli la tabella delle vincite. Il gioco offre diverse tabelle di pagamento diffuse nel video poker. La tabella piena (9/6) restituisce il 99,54%, la (9/5) il 98,45% e la (8/6) il 98,39%. La (8/5) restituisce il 97,30%, la (7/5) il 96,15% e la (6/5) il 95,00%. I due numeri indicano rispettivamente la vincita del full e quella del colore.

2. Scegli quanti punti puntare per ogni mano. Il valore predefinito è 5. Puoi scegliere da 1 a 5.

3. Premi Punta. Ricevi 5 carte. Scegli le carte da tenere facendo clic su di esse o premendo i tasti da 1 a 5.

4. Premi Cambia. Le carte che non hai tenuto vengono sostituite e il gioco valuta la tua mano.

Il gioco usa un solo mazzo di 52 carte, che viene mescolato all&apos;inizio di ogni mano.

L&apos;orologio del tempo di gioco si aggiorna alla fine di ogni mano o quando ci fai clic sopra. Parte quando inizia il gioco. Puoi fermarlo con il pulsante di pausa, con Partita | Pausa partita o con Ctrl+P, ma non mentre vengono distribuite le carte.
==================================================
Valore delle carte:

Asso 
Re 
Donna 
Fante 
Dieci 
Nove 
Otto 
Sette 
Sei 
Cinque 
Quattro 
Tre 
Due 
Asso 

L&apos;asso vale come carta bassa (A, 2, 3, 4, 5) o alta (10, J, Q, K, A).
==================================================
Valore delle mani:

* Scala reale - 250 / 800 x puntata (4000 con 5 punti puntati).
  Dieci, fante, donna, re e asso dello stesso seme.
* Scala colore - 50 x puntata.
  Cinque carte in sequenza, tutte dello stesso seme.
* Poker - 25 x puntata.
  Quattro carte dello stesso valore.
* Full - 8 x puntata.
  Un tris e una coppia.
* Colore - 5 x puntata.
  Cinque carte dello stesso seme.
* Scala - 4 x puntata.
  Cinque carte in sequenza, non tutte dello stesso seme.
* Tris - 3 x puntata.
  Tre carte dello stesso valore.
* Doppia coppia - 2 x puntata.
  Due coppie di valore diverso.
* Coppia - 1 x puntata.
  La coppia deve essere di fanti o meglio.
* Nessuna delle precedenti - 0 punti.
  Qualsiasi altra mano.

Ogni mano costa 5 punti, quindi una coppia ti restituisce solo la puntata e con una mano perdente perdi cinque punti. Il gioco ti permette di puntare da 1 a 5 punti per mano.
==================================================
Opzioni del programma.

Scegli Partita | Opzioni per impostare i colori dei pannelli delle carte e la mano a partire dalla quale il gioco festeggia la tua vincita:

1 : Fanti o meglio
2 : Doppia coppia
3 : Tris
4 : Scala
5 : Colore
6 : Full
7 : Poker
8 : Scala colore
9 : Scala reale
0 : Mai

Il valore predefinito è Full.

Queste impostazioni vengono salvate in %1.
--------------------------------------------------
Origine delle immagini delle carte:
Il generatore di carte del gioco stesso (tools/cardgen).
</translation>
    </message>
    <message>
        <source>vel Zezuv - Help</source>
        <translation>vel Zezuv - Guida</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>vel Zezuv - About</source>
        <translation>vel Zezuv - Informazioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No FileVersionInfo found</source>
        <translation>Nessuna informazione sulla versione</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Royal Flush</source>
        <translation>Scala reale</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doppia coppia</translation>
    </message>
    <message>
        <source>Pair of Jacks or Better</source>
        <translation>Coppia di fanti o meglio</translation>
    </message>
    <message>
        <source>vel Zezuv - Payouts</source>
        <translation>vel Zezuv - Vincite</translation>
    </message>
    <message>
        <source>Payouts per credit bet</source>
        <translation>Vincite per credito puntato</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Vincita</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Fanti o meglio</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doppia coppia</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Scala reale</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>vel Zezuv - Options</source>
        <translation>vel Zezuv - Opzioni</translation>
    </message>
    <message>
        <source>Card Panel Color Options</source>
        <translation>Colori dei pannelli delle carte</translation>
    </message>
    <message>
        <source>Card Panel</source>
        <translation>Pannello carte</translation>
    </message>
    <message>
        <source>Hold Color</source>
        <translation>Colore tenuta</translation>
    </message>
    <message>
        <source>Win Color</source>
        <translation>Colore vincita</translation>
    </message>
    <message>
        <source>Celebrate &amp;On</source>
        <translation>&amp;Festeggia da</translation>
    </message>
    <message>
        <source>&amp;Scale Cards when using Large Fonts</source>
        <translation>&amp;Ingrandisci le carte con caratteri grandi</translation>
    </message>
    <message>
        <source>This only affects systems running Large Fonts. When checked you get bigger cards but the graphics are not as sharp.</source>
        <translation>Vale solo per i sistemi con caratteri grandi. Se è selezionato, le carte sono più grandi ma le immagini meno nitide.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Strategia di Video Zezuv

 1. Poker, scala colore, scala reale
 2. 4 carte di scala reale
 3. Tris, scala, colore, full
 4. 4 carte di scala colore
 5. Doppia coppia
 6. Coppia alta
 7. 3 carte di scala reale
 8. 4 carte di colore
 9. Coppia bassa
10. 4 carte di scala bilaterale
11. 2 carte alte dello stesso seme
12. 3 carte di scala colore
13. 2 carte alte di semi diversi (se sono più di 2, tieni le 2 più basse)
14. 10/J, 10/Q o 10/K dello stesso seme
15. Una carta alta
16. Scarta tutto

Parti dall&apos;inizio dell&apos;elenco e fermati alla prima voce che corrisponde alla tua mano.

Questa è una strategia semplice. Esistono strategie più complesse che rendono un po&apos; di più.
==================================================
Termini:

Carta alta: un fante, una donna, un re o un asso. Conviene tenerle perché una coppia di queste carte restituisce la puntata.

Scala bilaterale: quattro carte in sequenza aperte a entrambe le estremità, così la scala si può completare da una parte o dall&apos;altra, per esempio 7, 8, 9, 10.

Scala interna: quattro carte di una scala a cui manca una carta all&apos;interno, per esempio 6, 7, 9, 10. Anche A, 2, 3, 4 e J, Q, K, A sono scale interne, perché si trovano a un&apos;estremità e si possono completare in un solo modo.
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
        <translation>Se ti piace questo programma e vuoi fare una donazione:

Invia 5,00 dollari o più tramite PayPal a %1.

Grazie!

Questo programma è gratuito, ma le donazioni sono benvenute. PayPal trattiene una commissione sui pagamenti con carta di credito, quindi di un dono di 5 dollari resterebbe ben poco. Se PayPal non ti piace, scrivimi a %1 e troveremo un&apos;altra soluzione.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Donate</source>
        <translation>vel Zezuv - Donazione</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Dona</translation>
    </message>
</context>
<context>
    <name>TGraphPage</name>
    <message>
        <source>Graph of this game</source>
        <translation>Grafico di questa partita</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Expected with the best holds</source>
        <translation>Atteso con le scelte migliori</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mani giocate</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crediti</translation>
    </message>
    <message>
        <source>The graph starts with the first hand drawn while the advisor is open.</source>
        <translation>Il grafico parte dalla prima mano cambiata con il consigliere aperto.</translation>
    </message>
    <message>
        <source>After hand %1: credit %2; expected with the best holds %3.</source>
        <translation>Dopo la mano %1: saldo %2; atteso con le scelte migliori %3.</translation>
    </message>
</context>
<context>
    <name>THoldsTable</name>
    <message>
        <source>Keep %1</source>
        <translation>Tieni %1</translation>
    </message>
    <message>
        <source>Holds, best first</source>
        <translation>Scelte, dalla migliore</translation>
    </message>
    <message>
        <source>Every way to hold the hand, its expected return in credits and its loss against the best hold</source>
        <translation>Ogni modo di tenere la mano, il suo ritorno atteso in crediti e la sua perdita rispetto alla scelta migliore</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Scelta</translation>
    </message>
    <message>
        <source>Expected return</source>
        <translation>Ritorno atteso</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perdita</translation>
    </message>
    <message>
        <source> (your hold)</source>
        <translation> (la tua)</translation>
    </message>
</context>
<context>
    <name>TMistakesPage</name>
    <message>
        <source>&amp;View all holds</source>
        <translation>&amp;Vedi tutte le scelte</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Questa partita</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Costliest first</source>
        <translation>Prima le più costose</translation>
    </message>
    <message>
        <source>In order of play</source>
        <translation>In ordine di gioco</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errori</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Servita</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Tenute</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>&amp;Listed:</source>
        <translation>&amp;Ordine:</translation>
    </message>
    <message>
        <source>No hands graded yet.</source>
        <translation>Ancora nessuna mano valutata.</translation>
    </message>
    <message>
        <source>No mistakes: well played.</source>
        <translation>Nessun errore: ben giocato.</translation>
    </message>
    <message>
        <source>Best hold: %1, %2 credits on average; yours returns %3.&lt;br&gt;%4</source>
        <translation>Scelta migliore: %1, in media %2 crediti; la tua rende %3.&lt;br&gt;%4</translation>
    </message>
</context>
<context>
    <name>TOddsPage</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Fanti o meglio</translation>
    </message>
    <message>
        <source>Final hands with perfect play</source>
        <translation>Mani finali con il gioco perfetto</translation>
    </message>
    <message>
        <source>Final hand</source>
        <translation>Mano finale</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilità</translation>
    </message>
    <message>
        <source>1 in</source>
        <translation>1 su</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Paga</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Ritorno</translation>
    </message>
    <message>
        <source>Perfect play on %1 at a bet of %2</source>
        <translation>Gioco perfetto su %1 con puntata %2</translation>
    </message>
    <message>
        <source>Working out the odds of perfect play...</source>
        <translation>Calcolo delle probabilità del gioco perfetto...</translation>
    </message>
    <message>
        <source>Return %1%. Variance %2 and standard deviation %3 per hand, in credits per credit bet. A royal flush every %4 hands on average.</source>
        <translation>Ritorno %1%. Varianza %2 e deviazione standard %3 per mano, in crediti per credito puntato. In media una scala reale ogni %4 mani.</translation>
    </message>
</context>
<context>
    <name>TPayTableChoice</name>
    <message>
        <source>Pay table</source>
        <translation>Tabella vincite</translation>
    </message>
    <message>
        <source>Pay &amp;table:</source>
        <translation>Ta&amp;bella vincite:</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>&amp;Bet:</source>
        <translation>&amp;Puntata:</translation>
    </message>
    <message>
        <source>Name to keep the pay table under</source>
        <translation>Nome con cui salvare la tabella vincite</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Keep this pay table under the name, to choose it again in later games</source>
        <translation>Salva questa tabella vincite con il nome, per sceglierla di nuovo nelle partite successive</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Forget the kept pay table</source>
        <translation>Dimentica la tabella vincite salvata</translation>
    </message>
    <message>
        <source>In force: %1</source>
        <translation>In uso: %1</translation>
    </message>
    <message>
        <source>your own pay table</source>
        <translation>una tabella vincite tua</translation>
    </message>
    <message>
        <source>Working out the break-even royal flush...</source>
        <translation>Calcolo della scala reale di pareggio...</translation>
    </message>
    <message>
        <source>Even a royal flush of %1 per credit leaves this table below 100%.</source>
        <translation>Anche una scala reale da %1 per credito lascia questa tabella sotto il 100%.</translation>
    </message>
    <message>
        <source>Even with a royal flush that pays nothing, perfect play returns %1%.</source>
        <translation>Anche con una scala reale che non paga nulla, il gioco perfetto rende il %1%.</translation>
    </message>
    <message>
        <source>Break-even royal flush: %1 per credit at bet %2, where perfect play returns %3%.</source>
        <translation>Scala reale di pareggio: %1 per credito con puntata %2, dove il gioco perfetto rende il %3%.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzata</translation>
    </message>
</context>
<context>
    <name>TPayTableEditor</name>
    <message>
        <source>Royal Flush at bet %1</source>
        <translation>Scala reale con puntata %1</translation>
    </message>
    <message>
        <source>Royal Flush at bets 1 to %1</source>
        <translation>Scala reale con puntate da 1 a %1</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Fanti o meglio</translation>
    </message>
    <message>
        <source>%1, pays per credit</source>
        <translation>%1, vincita per credito</translation>
    </message>
    <message>
        <source>A pay must be a whole number from 0 to %1</source>
        <translation>Una vincita deve essere un numero intero da 0 a %1</translation>
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
        <translation>Ogni mano come viene</translation>
    </message>
    <message>
        <source>Close calls only</source>
        <translation>Solo scelte incerte</translation>
    </message>
    <message>
        <source>Close calls: the best hold beats the next best by less than 0.1 credits per credit bet</source>
        <translation>Scelte incerte: la scelta migliore supera la successiva di meno di 0,1 crediti per credito puntato</translation>
    </message>
    <message>
        <source>Graded on %1 at a bet of %2.</source>
        <translation>Valutato su %1 con puntata %2.</translation>
    </message>
    <message>
        <source>D&amp;eal:</source>
        <translation>&amp;Quali mani:</translation>
    </message>
    <message>
        <source>Hold the cards you would keep (keys 1 to 5 or a click), then press Enter.</source>
        <translation>Tieni le carte che terresti (tasti da 1 a 5 o un clic), poi premi Invio.</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Servite: %1</translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation>TIENI</translation>
    </message>
    <message>
        <source>Grade my hold (Enter)</source>
        <translation>Valuta la mia scelta (Invio)</translation>
    </message>
    <message>
        <source>Next hand (Enter)</source>
        <translation>Mano successiva (Invio)</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Tenute: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Your practice so far. %1</source>
        <translation>Il tuo esercizio finora. %1</translation>
    </message>
    <message>
        <source>Costliest mistakes:</source>
        <translation>Errori più costosi:</translation>
    </message>
    <message>
        <source>%1 held %2: %3 credits</source>
        <translation>%1, tenute %2: %3 crediti</translation>
    </message>
</context>
<context>
    <name>TablePrinter</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Al momento non è selezionata nessuna stampante predefinita.</translation>
    </message>
</context>
<context>
    <name>vel::AdvisorSession</name>
    <message>
        <source>Draw five new cards</source>
        <translation>Cambia tutte le carte</translation>
    </message>
    <message>
        <source>draws five new cards</source>
        <translation>cambia tutte le carte</translation>
    </message>
    <message>
        <source>keeps %1</source>
        <translation>tiene %1</translation>
    </message>
    <message>
        <source>This hold gives up %1 credits. The best hold %2.
Draw anyway?</source>
        <translation>Questa scelta costa %1 crediti. La scelta migliore %2.
Cambiare comunque?</translation>
    </message>
</context>
</TS>
