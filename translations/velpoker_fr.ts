<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Card</name>
    <message>
        <source>J</source>
        <comment>corner index of a jack</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>corner index of a queen</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <comment>corner index of a king</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>A</source>
        <comment>corner index of an ace</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Royal flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Deux paires</translation>
    </message>
    <message>
        <source>High pair (jacks or better)</source>
        <translation>Paire haute (valets ou mieux)</translation>
    </message>
    <message>
        <source>Low pair (twos to tens)</source>
        <translation>Paire basse (deux à dix)</translation>
    </message>
    <message>
        <source>4 to a royal flush</source>
        <translation>4 cartes de quinte flush royale</translation>
    </message>
    <message>
        <source>3 to a royal flush</source>
        <translation>3 cartes de quinte flush royale</translation>
    </message>
    <message>
        <source>4 to a straight flush</source>
        <translation>4 cartes de quinte flush</translation>
    </message>
    <message>
        <source>4 to an outside straight flush</source>
        <translation>4 cartes de quinte flush ouverte</translation>
    </message>
    <message>
        <source>4 to an inside straight flush</source>
        <translation>4 cartes de quinte flush ventrale</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, no gap</source>
        <translation>3 cartes de quinte flush, aucune carte haute, aucun trou</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 1 gap</source>
        <translation>3 cartes de quinte flush, aucune carte haute, 1 trou</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 2 gaps</source>
        <translation>3 cartes de quinte flush, aucune carte haute, 2 trous</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, no gap</source>
        <translation>3 cartes de quinte flush, 1 carte haute, aucun trou</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 1 gap</source>
        <translation>3 cartes de quinte flush, 1 carte haute, 1 trou</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 2 gaps</source>
        <translation>3 cartes de quinte flush, 1 carte haute, 2 trous</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 1 gap</source>
        <translation>3 cartes de quinte flush, 2 cartes hautes, 1 trou</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 2 gaps</source>
        <translation>3 cartes de quinte flush, 2 cartes hautes, 2 trous</translation>
    </message>
    <message>
        <source>4 to a flush</source>
        <translation>4 cartes de couleur</translation>
    </message>
    <message>
        <source>4 to a flush, no high card</source>
        <translation>4 cartes de couleur, aucune carte haute</translation>
    </message>
    <message>
        <source>4 to a flush, 1 high card</source>
        <translation>4 cartes de couleur, 1 carte haute</translation>
    </message>
    <message>
        <source>4 to a flush, 2 high cards</source>
        <translation>4 cartes de couleur, 2 cartes hautes</translation>
    </message>
    <message>
        <source>4 to a flush, 3 high cards</source>
        <translation>4 cartes de couleur, 3 cartes hautes</translation>
    </message>
    <message>
        <source>4 to an outside straight</source>
        <translation>4 cartes de quinte ouverte</translation>
    </message>
    <message>
        <source>4 to an outside straight, no high card</source>
        <translation>4 cartes de quinte ouverte, aucune carte haute</translation>
    </message>
    <message>
        <source>4 to an outside straight, 1 high card</source>
        <translation>4 cartes de quinte ouverte, 1 carte haute</translation>
    </message>
    <message>
        <source>4 to an outside straight, 2 high cards</source>
        <translation>4 cartes de quinte ouverte, 2 cartes hautes</translation>
    </message>
    <message>
        <source>4 to an outside straight, 3 high cards (TJQK)</source>
        <translation>4 cartes de quinte ouverte, 3 cartes hautes (10VDR)</translation>
    </message>
    <message>
        <source>4 to an inside straight</source>
        <translation>4 cartes de quinte ventrale</translation>
    </message>
    <message>
        <source>4 to an inside straight, no high card</source>
        <translation>4 cartes de quinte ventrale, aucune carte haute</translation>
    </message>
    <message>
        <source>4 to an inside straight, 1 high card</source>
        <translation>4 cartes de quinte ventrale, 1 carte haute</translation>
    </message>
    <message>
        <source>4 to an inside straight, 2 high cards</source>
        <translation>4 cartes de quinte ventrale, 2 cartes hautes</translation>
    </message>
    <message>
        <source>4 to an inside straight, 3 high cards</source>
        <translation>4 cartes de quinte ventrale, 3 cartes hautes</translation>
    </message>
    <message>
        <source>4 to an inside straight, 4 high cards (AKQJ)</source>
        <translation>4 cartes de quinte ventrale, 4 cartes hautes (ARDV)</translation>
    </message>
    <message>
        <source>AK suited</source>
        <translation>AR de même couleur</translation>
    </message>
    <message>
        <source>AQ suited</source>
        <translation>AD de même couleur</translation>
    </message>
    <message>
        <source>AJ suited</source>
        <translation>AV de même couleur</translation>
    </message>
    <message>
        <source>KQ suited</source>
        <translation>RD de même couleur</translation>
    </message>
    <message>
        <source>KJ suited</source>
        <translation>RV de même couleur</translation>
    </message>
    <message>
        <source>QJ suited</source>
        <translation>DV de même couleur</translation>
    </message>
    <message>
        <source>AT suited</source>
        <translation>A10 de même couleur</translation>
    </message>
    <message>
        <source>KT suited</source>
        <translation>R10 de même couleur</translation>
    </message>
    <message>
        <source>QT suited</source>
        <translation>D10 de même couleur</translation>
    </message>
    <message>
        <source>JT suited</source>
        <translation>V10 de même couleur</translation>
    </message>
    <message>
        <source>AKQ unsuited</source>
        <translation>ARD de couleurs différentes</translation>
    </message>
    <message>
        <source>AKJ unsuited</source>
        <translation>ARV de couleurs différentes</translation>
    </message>
    <message>
        <source>AQJ unsuited</source>
        <translation>ADV de couleurs différentes</translation>
    </message>
    <message>
        <source>KQJ unsuited</source>
        <translation>RDV de couleurs différentes</translation>
    </message>
    <message>
        <source>QJ unsuited</source>
        <translation>DV de couleurs différentes</translation>
    </message>
    <message>
        <source>KJ unsuited</source>
        <translation>RV de couleurs différentes</translation>
    </message>
    <message>
        <source>KQ unsuited</source>
        <translation>RD de couleurs différentes</translation>
    </message>
    <message>
        <source>AJ unsuited</source>
        <translation>AV de couleurs différentes</translation>
    </message>
    <message>
        <source>AQ unsuited</source>
        <translation>AD de couleurs différentes</translation>
    </message>
    <message>
        <source>AK unsuited</source>
        <translation>AR de couleurs différentes</translation>
    </message>
    <message>
        <source>J only</source>
        <translation>V seul</translation>
    </message>
    <message>
        <source>Q only</source>
        <translation>D seule</translation>
    </message>
    <message>
        <source>K only</source>
        <translation>R seul</translation>
    </message>
    <message>
        <source>A only</source>
        <translation>A seul</translation>
    </message>
    <message>
        <source>3 to a flush</source>
        <translation>3 cartes de couleur</translation>
    </message>
    <message>
        <source>3 to a flush, 1 high card</source>
        <translation>3 cartes de couleur, 1 carte haute</translation>
    </message>
    <message>
        <source>3 to a flush, 2 high cards</source>
        <translation>3 cartes de couleur, 2 cartes hautes</translation>
    </message>
    <message>
        <source>Royal flush, straight flush or four of a kind</source>
        <translation>Quinte flush royale, quinte flush ou carré</translation>
    </message>
    <message>
        <source>Full house, flush, straight or three of a kind</source>
        <translation>Full, couleur, quinte ou brelan</translation>
    </message>
    <message>
        <source>3 to a straight flush, as many high cards as gaps or more</source>
        <translation>3 cartes de quinte flush, au moins autant de cartes hautes que de trous</translation>
    </message>
    <message>
        <source>3 to a straight flush, one gap more than high cards</source>
        <translation>3 cartes de quinte flush, un trou de plus que de cartes hautes</translation>
    </message>
    <message>
        <source>KQ or KJ suited</source>
        <translation>RD ou RV de même couleur</translation>
    </message>
    <message>
        <source>AK, AQ or AJ suited</source>
        <translation>AR, AD ou AV de même couleur</translation>
    </message>
    <message>
        <source>KQ or KJ unsuited</source>
        <translation>RD ou RV de couleurs différentes</translation>
    </message>
    <message>
        <source>AK, AQ or AJ unsuited</source>
        <translation>AR, AD ou AV de couleurs différentes</translation>
    </message>
    <message>
        <source>Two unsuited high cards, the lowest two</source>
        <translation>Deux cartes hautes de couleurs différentes, les deux plus basses</translation>
    </message>
    <message>
        <source>One high card, the lowest</source>
        <translation>Une carte haute, la plus basse</translation>
    </message>
    <message>
        <source>Draw five (hold nothing)</source>
        <translation>Tirer cinq cartes (ne rien garder)</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>draw five new cards</source>
        <translation>changer les cinq cartes</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Correct&#xa0;: %1</translation>
    </message>
    <message>
        <source>Mistake, costs %1 credits: best is %2</source>
        <translation>Erreur, coût %1 crédits&#xa0;: le mieux est %2</translation>
    </message>
    <message>
        <source>The chart of this pay table is still being worked out.</source>
        <translation>Le tableau de stratégie de cette table des gains est encore en cours de calcul.</translation>
    </message>
    <message>
        <source>Chart line %1: %2.</source>
        <translation>Ligne %1 du tableau&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Hands: %1. Right: %2%. Lost per 100 hands: %3 credits.</source>
        <translation>Mains&#xa0;: %1. Correctes&#xa0;: %2&#xa0;%. Perte pour 100 mains&#xa0;: %3 crédits.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right.&lt;/b&gt; %1 returns %2 credits on average: no hold returns more.</source>
        <translation>&lt;b&gt;Correct.&lt;/b&gt; %1 rapporte %2 crédits en moyenne&#xa0;: aucun choix ne rapporte plus.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mistake, it costs %1 credits.&lt;/b&gt; %2 returns %3 credits on average; the best hold, %4, returns %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;Erreur, elle coûte %1 crédits.&lt;/b&gt; %2 rapporte %3 crédits en moyenne&#xa0;; le meilleur choix, %4, rapporte %5.&lt;br&gt;%6</translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>Pair of Jacks</source>
        <translation>Paire de valets</translation>
    </message>
    <message>
        <source>Pair of Queens</source>
        <translation>Paire de dames</translation>
    </message>
    <message>
        <source>Pair of Kings</source>
        <translation>Paire de rois</translation>
    </message>
    <message>
        <source>Pair of Aces</source>
        <translation>Paire d’as</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Deux paires</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>9 / 6 : Full Pay</source>
        <translation>9 / 6 : Plein</translation>
    </message>
    <message>
        <source>8 / 6 - Med Pay</source>
        <translation>8 / 6 - Moyen</translation>
    </message>
    <message>
        <source>6 / 5 : Low Pay</source>
        <translation>6 / 5 : Faible</translation>
    </message>
</context>
<context>
    <name>TAdvisorForm</name>
    <message>
        <source>Deal a hand and the advisor ranks all 32 ways to hold it by the credits each returns on average, best first.</source>
        <translation>Distribuez une main&#xa0;: le conseiller classe les 32 façons de la garder selon les crédits que chacune rapporte en moyenne, la meilleure d’abord.</translation>
    </message>
    <message>
        <source>vel Zezuv - Advisor</source>
        <translation>vel Zezuv - Conseiller</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>H&amp;old These</source>
        <translation>&amp;Garder celles-ci</translation>
    </message>
    <message>
        <source>Hold the best cards on the table</source>
        <translation>Garder les meilleures cartes sur la table</translation>
    </message>
    <message>
        <source>&amp;Warn before a costly draw</source>
        <translation>&amp;Avertir avant un tirage coûteux</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Cette partie</translation>
    </message>
    <message>
        <source>Session ledger</source>
        <translation>Bilan de la partie</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Votre main&#xa0;: %1</translation>
    </message>
    <message>
        <source>Last hand as dealt: %1</source>
        <translation>Dernière main distribuée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Best hold: %1, worth %2 credits on average.</source>
        <translation>Meilleur choix&#xa0;: %1, qui vaut %2 crédits en moyenne.</translation>
    </message>
    <message>
        <source>You played the best hold.</source>
        <translation>Vous avez joué le meilleur choix.</translation>
    </message>
    <message>
        <source>Your hold gave up %1 credits against %2.</source>
        <translation>Votre choix a coûté %1 crédits par rapport à %2.</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mains jouées</translation>
    </message>
    <message>
        <source>Expected return of your holds</source>
        <translation>Espérance de vos choix</translation>
    </message>
    <message>
        <source>Expected return of the best holds</source>
        <translation>Espérance des meilleurs choix</translation>
    </message>
    <message>
        <source>Lost to mistakes</source>
        <translation>Coût des erreurs</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Luck (won less expected)</source>
        <translation>Chance (gagné moins espérance)</translation>
    </message>
    <message>
        <source>Working out the return of perfect play...</source>
        <translation>Calcul du taux de retour du jeu parfait...</translation>
    </message>
    <message>
        <source>Perfect play returns %1% on %2 at a bet of %3</source>
        <translation>Le jeu parfait rend %1&#xa0;% sur %2 avec une mise de %3</translation>
    </message>
    <message>
        <source>Any Hand</source>
        <translation>Main au choix</translation>
    </message>
    <message>
        <source>Analyse on &amp;Any Hand</source>
        <translation>Analyser dans Main au c&amp;hoix</translation>
    </message>
    <message>
        <source>Take this hand to the Any Hand page, to try it with other pay tables</source>
        <translation>Reprendre cette main dans la page Main au choix, pour l’essayer avec d’autres tables des gains</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>&amp;Mistakes</source>
        <translation>Erre&amp;urs</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>Gra&amp;phique</translation>
    </message>
    <message>
        <source>Tra&amp;ining</source>
        <translation>Pra&amp;tique</translation>
    </message>
    <message>
        <source>Mistake under review, hand %1 as dealt: %2</source>
        <translation>Erreur revue, main %1 telle que distribuée&#xa0;: %2</translation>
    </message>
    <message>
        <source>This Hand</source>
        <translation>La main</translation>
    </message>
</context>
<context>
    <name>TAnyHandPage</name>
    <message>
        <source>Five cards</source>
        <translation>Cinq cartes</translation>
    </message>
    <message>
        <source>Five cards as rank and suit: ranks 2 to 10, T, J, Q, K, A; suits c, d, h, s or their symbols; apart by spaces or commas</source>
        <translation>Cinq cartes en rang et couleur, en lettres anglaises&#xa0;: rangs 2 à 10, T, J, Q, K, A&#xa0;; couleurs c, d, h, s ou leurs symboles&#xa0;; séparées par des espaces ou des virgules</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Cartes&#xa0;:</translation>
    </message>
    <message>
        <source>Pick five cards</source>
        <translation>Choisir cinq cartes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une carte</translation>
    </message>
    <message>
        <source>%1 twice</source>
        <translation>%1 en double</translation>
    </message>
    <message>
        <source>%1 cards: a hand has five</source>
        <translation>%1 cartes&#xa0;: une main en a cinq</translation>
    </message>
    <message>
        <source>Type five cards, such as Kh Kd 9c 8d 3d, or pick them below.</source>
        <translation>Tapez cinq cartes, par exemple Kh Kd 9c 8d 3d, ou choisissez-les ci-dessous.</translation>
    </message>
    <message>
        <source>Only 1 card</source>
        <translation>Une seule carte</translation>
    </message>
    <message>
        <source>Only %1 cards</source>
        <translation>Seulement %1 cartes</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Calcul du tableau de stratégie...</translation>
    </message>
</context>
<context>
    <name>TBankrollGraph</name>
    <message>
        <source>Credit: median</source>
        <translation>Crédit&#xa0;: médiane</translation>
    </message>
    <message>
        <source>Credit: %1%</source>
        <translation>Crédit&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Graph of the session</source>
        <translation>Graphique de la session</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mains jouées</translation>
    </message>
    <message>
        <source>Run out (%)</source>
        <translation>Ruine (%)</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Run out by this hand</source>
        <translation>Ruine avant cette main</translation>
    </message>
    <message>
        <source>Red: the chance of having run out by each hand. Blue: the credit along the way, its median bold, the middle half between the plain lines, nine in ten sessions between the dashed ones.</source>
        <translation>Rouge&#xa0;: la probabilité d’être ruiné à chaque main. Bleu&#xa0;: le crédit au fil de la session, la médiane en gras, la moitié centrale entre les traits pleins, neuf sessions sur dix entre les pointillés.</translation>
    </message>
    <message>
        <source>%1% by hand %2</source>
        <translation>%1&#xa0;% à la main %2</translation>
    </message>
    <message>
        <source>Chance of having run out: %1. Median credit after hand %2: %3.</source>
        <translation>Probabilité d’être ruiné&#xa0;: %1. Crédit médian après la main %2&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bet must be 1 to %1 credits.</source>
        <translation>La mise doit être de 1 à %1 crédits.</translation>
    </message>
    <message>
        <source>A credit of %1 does not cover the bet of %2: the session could not start.</source>
        <translation>Un crédit de %1 ne couvre pas la mise de %2&#xa0;: la session ne pourrait pas commencer.</translation>
    </message>
    <message>
        <source>The credit can be at most %1.</source>
        <translation>Le crédit peut être au plus de %1.</translation>
    </message>
    <message>
        <source>The session needs at least one hand.</source>
        <translation>La session doit compter au moins une main.</translation>
    </message>
    <message>
        <source>The session can be at most %1 hands.</source>
        <translation>La session peut compter au plus %1 mains.</translation>
    </message>
    <message>
        <source>These pays give no figures for a session.</source>
        <translation>Ces gains ne donnent aucun chiffre pour une session.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>Credit to start with</source>
        <translation>Crédit de départ</translation>
    </message>
    <message>
        <source>Hands to play</source>
        <translation>Mains à jouer</translation>
    </message>
    <message>
        <source>C&amp;redit:</source>
        <translation>C&amp;rédit&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Hands:</source>
        <translation>Ma&amp;ins&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Perfect play</source>
        <translation>&amp;Jeu parfait</translation>
    </message>
    <message>
        <source>By the &amp;strategy chart</source>
        <translation>Selon le tab&amp;leau de stratégie</translation>
    </message>
    <message>
        <source>Every hand held as the first matching line of the chart says, as people play</source>
        <translation>Chaque main gardée comme le dit la première ligne du tableau qui lui correspond, comme on joue vraiment</translation>
    </message>
    <message>
        <source>Working out the figures...</source>
        <translation>Calcul des chiffres...</translation>
    </message>
    <message>
        <source>median</source>
        <translation>médiane</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Royal flush before ruin:</source>
        <translation>Quinte flush royale avant la ruine&#xa0;:</translation>
    </message>
    <message>
        <source>Credit for a risk of ruin of %1:</source>
        <translation>Crédit pour un risque de ruine de %1&#xa0;:</translation>
    </message>
    <message>
        <source>These pays spread the credit too far to follow over a session this long.</source>
        <translation>Ces gains dispersent trop le crédit pour le suivre sur une session aussi longue.</translation>
    </message>
    <message>
        <source>Risk of ruin in the session:</source>
        <translation>Risque de ruine dans la session&#xa0;:</translation>
    </message>
    <message>
        <source>Royal flush in the session:</source>
        <translation>Quinte flush royale dans la session&#xa0;:</translation>
    </message>
    <message>
        <source>Finish the session ahead:</source>
        <translation>Gagnant en fin de session&#xa0;:</translation>
    </message>
    <message>
        <source>Credit at the session&apos;s end:</source>
        <translation>Crédit en fin de session&#xa0;:</translation>
    </message>
    <message>
        <source>Mean credit at the session&apos;s end:</source>
        <translation>Crédit moyen en fin de session&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TCardPanel</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, gardée</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>Strategy chart: hold what the first matching line says</source>
        <translation>Tableau de stratégie&#xa0;: gardez ce que dit la première ligne qui correspond</translation>
    </message>
    <message>
        <source>Hold the first of these the hand shows</source>
        <translation>Gardez la première ligne que montre la main</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Calcul du tableau de stratégie...</translation>
    </message>
    <message>
        <source>Played line by line this chart returns %1, perfect play %2: it gives up %3 of every bet.</source>
        <translation>Joué ligne par ligne, ce tableau rend %1 et le jeu parfait %2&#xa0;: il perd %3 de chaque mise.</translation>
    </message>
    <message>
        <source>Deal a hand: the line it matches is marked.</source>
        <translation>Distribuez une main&#xa0;: la ligne qui lui correspond est marquée.</translation>
    </message>
    <message>
        <source>Line %1 matches: %2.</source>
        <translation>La ligne %1 correspond&#xa0;: %2.</translation>
    </message>
    <message>
        <source> The best hold is %1, worth %2 credits more.</source>
        <translation> Le meilleur choix est %1, qui vaut %2 crédits de plus.</translation>
    </message>
</context>
<context>
    <name>TElapsedTimeLabel</name>
    <message>
        <source>Elapsed Time %1</source>
        <translation>Temps de jeu %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>HOLD</source>
        <translation>GARDÉE</translation>
    </message>
    <message>
        <source>Draw Zezuv</source>
        <translation>Draw Zezuv</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Valets ou mieux</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Current Bet  %1</source>
        <translation>Mise actuelle  %1</translation>
    </message>
    <message>
        <source>&amp;Payout</source>
        <translation>&amp;Paiement</translation>
    </message>
    <message>
        <source>B&amp;et</source>
        <translation>Mis&amp;e</translation>
    </message>
    <message>
        <source>Donate - Help support this program</source>
        <translation>Faire un don - Soutenez ce programme</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Tirer</translation>
    </message>
    <message>
        <source>&amp;Bet</source>
        <translation>&amp;Miser</translation>
    </message>
    <message>
        <source>Payout &amp;Table</source>
        <translation>Table des &amp;gains</translation>
    </message>
    <message>
        <source>Pause / Resume Game</source>
        <translation>Mettre en pause / reprendre la partie</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Mettre en pause</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l’imprimante</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Stratégie</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Partie en pause</translation>
    </message>
    <message>
        <source>%1 - Credit %2</source>
        <translation>%1 - Crédit %2</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  Close Program?</source>
        <translation>%1&#xa0;: une partie est en cours.  Quitter le programme&#xa0;?</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>Game Over.  Play Again?</source>
        <translation>Partie terminée.  Rejouer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  New Game?</source>
        <translation>%1&#xa0;: une partie est en cours.  Nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Gain %1</translation>
    </message>
    <message>
        <source>Click Game - New to play a new game</source>
        <translation>Pour rejouer, cliquez sur Partie - Nouvelle partie</translation>
    </message>
    <message>
        <source>Hands= %1</source>
        <translation>Mains= %1</translation>
    </message>
    <message>
        <source>AVG Win= %1</source>
        <translation>Gain moy.= %1</translation>
    </message>
    <message>
        <source>Hi Win= %1</source>
        <translation>Gain max= %1</translation>
    </message>
    <message>
        <source>Hi Score= %1</source>
        <translation>Crédit max= %1</translation>
    </message>
    <message>
        <source>Lo Score= %1</source>
        <translation>Crédit min= %1</translation>
    </message>
    <message>
        <source>Copyright %1</source>
        <translation>Copyright %1</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>Portable</source>
        <translation>Portable</translation>
    </message>
    <message>
        <source>Large Fonts</source>
        <translation>Grandes polices</translation>
    </message>
    <message>
        <source>Small Fonts</source>
        <translation>Petites polices</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Distribuées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Gardées&#xa0;: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1, win %2</source>
        <translation>%1, gain %2</translation>
    </message>
    <message>
        <source>%1, credit %2</source>
        <translation>%1, crédit %2</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>velPoker - Deck</source>
        <translation>velPoker - Jeu de cartes</translation>
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
        <translation>Draw Zezuv - Règles du jeu.
---------------------------

1. Choisissez le paiement. Ce jeu propose plusieurs tables de paiement courantes du vidéo poker. Le taux de retour est de 99,54&#xa0;% avec le paiement plein (9/6), de 98,45&#xa0;% avec (9/5) et de 98,39&#xa0;% avec (8/6). Il est de 97,30&#xa0;% avec (8/5), de 96,15&#xa0;% avec (7/5) et de 95,00&#xa0;% avec (6/5). Les deux nombres donnent respectivement les gains du full et de la couleur.

2. Choisissez le nombre de points à miser à chaque main. Par défaut, c’est 5. Vous pouvez choisir de 1 à 5.

3. Appuyez sur «&#xa0;Miser&#xa0;». Vous recevez 5 cartes. Choisissez les cartes à garder en cliquant dessus ou en appuyant sur les touches 1 à 5 du clavier.

4. Appuyez sur «&#xa0;Tirer&#xa0;». Les cartes que vous n’avez pas gardées sont remplacées, puis le jeu évalue votre main.

Le jeu utilise un seul jeu de 52 cartes, mélangé au début de chaque donne.

L’horloge du temps de jeu est mise à jour à la fin de chaque main ou quand vous cliquez dessus. Elle démarre avec la partie. Vous pouvez l’arrêter avec le bouton de pause, par Partie | Mettre en pause ou avec Ctrl+P, mais pas pendant la distribution des cartes.
==================================================
Valeur des cartes&#xa0;:

As 
Roi 
Dame 
Valet 
Dix 
Neuf 
Huit 
Sept 
Six 
Cinq 
Quatre 
Trois 
Deux 
As 

L’as compte comme carte basse (A, 2, 3, 4, 5) ou haute (10, V, D, R, A).
==================================================
Valeur des mains&#xa0;:

* Quinte flush royale - 250 / 800 x la mise (4000 pour une mise de 5 points).
  Dix, valet, dame, roi et as de la même couleur.
* Quinte flush - 50 x la mise.
  Cinq cartes qui se suivent, toutes de la même couleur.
* Carré - 25 x la mise.
  Quatre cartes de même valeur.
* Full - 8 x la mise.
  Un brelan et une paire.
* Couleur - 5 x la mise.
  Cinq cartes de la même couleur.
* Quinte - 4 x la mise.
  Cinq cartes qui se suivent, pas toutes de la même couleur.
* Brelan - 3 x la mise.
  Trois cartes de même valeur.
* Deux paires - 2 x la mise.
  Deux paires de valeurs différentes.
* Paire - 1 x la mise.
  La paire doit être de valets ou mieux.
* Aucune de ces mains - 0 point.
  Toute autre main.

Chaque tour coûte 5 points&#xa0;: une paire ne fait que vous rendre votre mise, et une main perdante vous coûte cinq points. Le jeu vous permet de miser de 1 à 5 points par donne.
==================================================
Options du programme.

Choisissez Partie | Options pour régler les couleurs des cadres des cartes et la main à partir de laquelle le jeu fête votre gain&#xa0;:

1 : Valets ou mieux
2 : Deux paires
3 : Brelan
4 : Quinte
5 : Couleur
6 : Full
7 : Carré
8 : Quinte flush
9 : Quinte flush royale
0 : Jamais

Par défaut, c’est le full.

Ces réglages sont enregistrés dans %1.
--------------------------------------------------
Origine des images des cartes&#xa0;:
le générateur de cartes du jeu lui-même (tools/cardgen).
</translation>
    </message>
    <message>
        <source>vel Zezuv - Help</source>
        <translation>vel Zezuv - Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>vel Zezuv - About</source>
        <translation>vel Zezuv - À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No FileVersionInfo found</source>
        <translation>Aucune information de version trouvée</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Deux paires</translation>
    </message>
    <message>
        <source>Pair of Jacks or Better</source>
        <translation>Paire de valets ou mieux</translation>
    </message>
    <message>
        <source>vel Zezuv - Payouts</source>
        <translation>vel Zezuv - Gains</translation>
    </message>
    <message>
        <source>Payouts per credit bet</source>
        <translation>Gains par crédit misé</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Gain</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Valets ou mieux</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Deux paires</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>vel Zezuv - Options</source>
        <translation>vel Zezuv - Options</translation>
    </message>
    <message>
        <source>Card Panel Color Options</source>
        <translation>Couleurs des cadres des cartes</translation>
    </message>
    <message>
        <source>Card Panel</source>
        <translation>Cadre des cartes</translation>
    </message>
    <message>
        <source>Hold Color</source>
        <translation>Carte gardée</translation>
    </message>
    <message>
        <source>Win Color</source>
        <translation>Carte gagnante</translation>
    </message>
    <message>
        <source>Celebrate &amp;On</source>
        <translation>&amp;Fêter dès</translation>
    </message>
    <message>
        <source>&amp;Scale Cards when using Large Fonts</source>
        <translation>&amp;Agrandir les cartes en grandes polices</translation>
    </message>
    <message>
        <source>This only affects systems running Large Fonts. When checked you get bigger cards but the graphics are not as sharp.</source>
        <translation>Ne concerne que les systèmes en grandes polices. Coché, les cartes sont plus grandes mais les images moins nettes.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Stratégie de Video Zezuv

 1. Carré, quinte flush, quinte flush royale
 2. 4 cartes de quinte flush royale
 3. Brelan, quinte, couleur, full
 4. 4 cartes de quinte flush
 5. Deux paires
 6. Paire haute
 7. 3 cartes de quinte flush royale
 8. 4 cartes de couleur
 9. Paire basse
10. 4 cartes de quinte ouverte
11. 2 cartes hautes de même couleur
12. 3 cartes de quinte flush
13. 2 cartes hautes de couleurs différentes (s’il y en a plus de 2, gardez les 2 plus basses)
14. 10/V, 10/D ou 10/R de même couleur
15. Une carte haute
16. Tout jeter

Partez du haut de la liste et arrêtez-vous à la première ligne qui correspond à votre main.

C’est une stratégie simple. Il existe des stratégies plus complexes qui rapportent un peu plus.
==================================================
Termes&#xa0;:

Carte haute&#xa0;: un valet, une dame, un roi ou un as. Elles valent la peine d’être gardées, car une paire de ces cartes vous rend votre mise.

Quinte ouverte&#xa0;: quatre cartes qui se suivent et sont ouvertes aux deux bouts, si bien que la quinte peut être complétée d’un côté comme de l’autre, par exemple 7, 8, 9, 10.

Quinte ventrale&#xa0;: quatre cartes d’une quinte auxquelles il manque une carte au milieu, par exemple 6, 7, 9, 10. A, 2, 3, 4 et V, D, R, A sont aussi des quintes ventrales, car elles sont tout au bout de l’échelle et ne peuvent être complétées que d’une seule façon.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Strategy</source>
        <translation>vel Zezuv - Stratégie</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Stratégie</translation>
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
        <translation>Si ce programme vous plaît et que vous souhaitez faire un don&#xa0;:

Envoyez 5,00 dollars ou plus par PayPal à %1.

Merci&#xa0;!

Ce programme est gratuit, mais les dons sont les bienvenus. PayPal prélève des frais sur les paiements par carte bancaire, si bien que d’un don de 5 dollars il ne resterait pas grand-chose une fois les frais déduits. Si vous n’aimez pas PayPal, écrivez-moi à %1 et nous trouverons une autre solution.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Donate</source>
        <translation>vel Zezuv - Faire un don</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
</context>
<context>
    <name>TGraphPage</name>
    <message>
        <source>Graph of this game</source>
        <translation>Graphique de cette partie</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Expected with the best holds</source>
        <translation>Espérance avec les meilleurs choix</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mains jouées</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>The graph starts with the first hand drawn while the advisor is open.</source>
        <translation>Le graphique commence à la première main tirée pendant que le conseiller est ouvert.</translation>
    </message>
    <message>
        <source>After hand %1: credit %2; expected with the best holds %3.</source>
        <translation>Après la main %1&#xa0;: crédit %2&#xa0;; espérance avec les meilleurs choix %3.</translation>
    </message>
</context>
<context>
    <name>THoldsTable</name>
    <message>
        <source>Keep %1</source>
        <translation>Garder %1</translation>
    </message>
    <message>
        <source>Holds, best first</source>
        <translation>Choix possibles, le meilleur d’abord</translation>
    </message>
    <message>
        <source>Every way to hold the hand, its expected return in credits and its loss against the best hold</source>
        <translation>Chaque façon de garder la main, son espérance en crédits et sa perte par rapport au meilleur choix</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Expected return</source>
        <translation>Espérance</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perte</translation>
    </message>
    <message>
        <source> (your hold)</source>
        <translation> (votre choix)</translation>
    </message>
</context>
<context>
    <name>TMistakesPage</name>
    <message>
        <source>&amp;View all holds</source>
        <translation>&amp;Voir tous les choix</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Cette partie</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Costliest first</source>
        <translation>Les plus coûteuses d’abord</translation>
    </message>
    <message>
        <source>In order of play</source>
        <translation>Dans l’ordre du jeu</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Distribuée</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Gardées</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>A&amp;fficher&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Listed:</source>
        <translation>&amp;Ordre&#xa0;:</translation>
    </message>
    <message>
        <source>No hands graded yet.</source>
        <translation>Aucune main évaluée pour l’instant.</translation>
    </message>
    <message>
        <source>No mistakes: well played.</source>
        <translation>Aucune erreur&#xa0;: bien joué.</translation>
    </message>
    <message>
        <source>Best hold: %1, %2 credits on average; yours returns %3.&lt;br&gt;%4</source>
        <translation>Meilleur choix&#xa0;: %1, %2 crédits en moyenne&#xa0;; le vôtre rapporte %3.&lt;br&gt;%4</translation>
    </message>
</context>
<context>
    <name>TOddsPage</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Valets ou mieux</translation>
    </message>
    <message>
        <source>Final hands with perfect play</source>
        <translation>Mains finales avec le jeu parfait</translation>
    </message>
    <message>
        <source>Final hand</source>
        <translation>Main finale</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilité</translation>
    </message>
    <message>
        <source>1 in</source>
        <translation>1 sur</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Paie</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Perfect play on %1 at a bet of %2</source>
        <translation>Jeu parfait sur %1 avec une mise de %2</translation>
    </message>
    <message>
        <source>Working out the odds of perfect play...</source>
        <translation>Calcul des probabilités du jeu parfait...</translation>
    </message>
    <message>
        <source>Return %1%. Variance %2 and standard deviation %3 per hand, in credits per credit bet. A royal flush every %4 hands on average.</source>
        <translation>Retour %1&#xa0;%. Variance %2 et écart type %3 par main, en crédits par crédit misé. Une quinte flush royale toutes les %4 mains en moyenne.</translation>
    </message>
</context>
<context>
    <name>TPayTableChoice</name>
    <message>
        <source>Pay table</source>
        <translation>Table des gains</translation>
    </message>
    <message>
        <source>Pay &amp;table:</source>
        <translation>Ta&amp;ble des gains&#xa0;:</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>&amp;Bet:</source>
        <translation>&amp;Mise&#xa0;:</translation>
    </message>
    <message>
        <source>Name to keep the pay table under</source>
        <translation>Nom sous lequel enregistrer la table des gains</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Keep this pay table under the name, to choose it again in later games</source>
        <translation>Enregistrer cette table des gains sous ce nom, pour la choisir à nouveau dans les parties suivantes</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Forget the kept pay table</source>
        <translation>Oublier la table des gains enregistrée</translation>
    </message>
    <message>
        <source>In force: %1</source>
        <translation>En jeu&#xa0;: %1</translation>
    </message>
    <message>
        <source>your own pay table</source>
        <translation>votre propre table des gains</translation>
    </message>
    <message>
        <source>Working out the break-even royal flush...</source>
        <translation>Calcul de la quinte flush royale d’équilibre...</translation>
    </message>
    <message>
        <source>Even a royal flush of %1 per credit leaves this table below 100%.</source>
        <translation>Même une quinte flush royale de %1 par crédit laisse cette table sous 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Even with a royal flush that pays nothing, perfect play returns %1%.</source>
        <translation>Même si la quinte flush royale ne paie rien, le jeu parfait rend %1&#xa0;%.</translation>
    </message>
    <message>
        <source>Break-even royal flush: %1 per credit at bet %2, where perfect play returns %3%.</source>
        <translation>Quinte flush royale d’équilibre&#xa0;: %1 par crédit avec une mise de %2, où le jeu parfait rend %3&#xa0;%.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
</context>
<context>
    <name>TPayTableEditor</name>
    <message>
        <source>Royal Flush at bet %1</source>
        <translation>Quinte flush royale, mise %1</translation>
    </message>
    <message>
        <source>Royal Flush at bets 1 to %1</source>
        <translation>Quinte flush royale, mises 1 à %1</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Valets ou mieux</translation>
    </message>
    <message>
        <source>%1, pays per credit</source>
        <translation>%1, gain par crédit</translation>
    </message>
    <message>
        <source>A pay must be a whole number from 0 to %1</source>
        <translation>Un gain doit être un nombre entier de 0 à %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TPracticePage</name>
    <message>
        <source>Every hand as it comes</source>
        <translation>Chaque main comme elle vient</translation>
    </message>
    <message>
        <source>Close calls only</source>
        <translation>Choix serrés seulement</translation>
    </message>
    <message>
        <source>Close calls: the best hold beats the next best by less than 0.1 credits per credit bet</source>
        <translation>Choix serrés&#xa0;: le meilleur choix devance le suivant de moins de 0,1 crédit par crédit misé</translation>
    </message>
    <message>
        <source>Graded on %1 at a bet of %2.</source>
        <translation>Évalué sur %1 avec une mise de %2.</translation>
    </message>
    <message>
        <source>D&amp;eal:</source>
        <translation>&amp;Donne&#xa0;:</translation>
    </message>
    <message>
        <source>Hold the cards you would keep (keys 1 to 5 or a click), then press Enter.</source>
        <translation>Gardez les cartes que vous garderiez (touches 1 à 5 ou un clic), puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Distribuées&#xa0;: %1</translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation>GARDÉE</translation>
    </message>
    <message>
        <source>Grade my hold (Enter)</source>
        <translation>Évaluer mon choix (Entrée)</translation>
    </message>
    <message>
        <source>Next hand (Enter)</source>
        <translation>Main suivante (Entrée)</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Gardées&#xa0;: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Your practice so far. %1</source>
        <translation>Votre exercice jusqu’ici. %1</translation>
    </message>
    <message>
        <source>Costliest mistakes:</source>
        <translation>Erreurs les plus coûteuses&#xa0;:</translation>
    </message>
    <message>
        <source>%1 held %2: %3 credits</source>
        <translation>%1, gardé %2&#xa0;: %3 crédits</translation>
    </message>
</context>
<context>
    <name>TablePrinter</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Aucune imprimante par défaut n’est sélectionnée.</translation>
    </message>
</context>
<context>
    <name>vel::AdvisorSession</name>
    <message>
        <source>Draw five new cards</source>
        <translation>Tirer cinq nouvelles cartes</translation>
    </message>
    <message>
        <source>draws five new cards</source>
        <translation>tire cinq nouvelles cartes</translation>
    </message>
    <message>
        <source>keeps %1</source>
        <translation>garde %1</translation>
    </message>
    <message>
        <source>This hold gives up %1 credits. The best hold %2.
Draw anyway?</source>
        <translation>Ce choix coûte %1 crédits. Le meilleur choix %2.
Tirer quand même&#xa0;?</translation>
    </message>
</context>
</TS>
