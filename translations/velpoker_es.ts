<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
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
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picas</translation>
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
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Póquer</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>High pair (jacks or better)</source>
        <translation>Pareja alta (jotas o mejor)</translation>
    </message>
    <message>
        <source>Low pair (twos to tens)</source>
        <translation>Pareja baja (de doses a dieces)</translation>
    </message>
    <message>
        <source>4 to a royal flush</source>
        <translation>4 cartas de escalera real</translation>
    </message>
    <message>
        <source>3 to a royal flush</source>
        <translation>3 cartas de escalera real</translation>
    </message>
    <message>
        <source>4 to a straight flush</source>
        <translation>4 cartas de escalera de color</translation>
    </message>
    <message>
        <source>4 to an outside straight flush</source>
        <translation>4 cartas de escalera de color abierta</translation>
    </message>
    <message>
        <source>4 to an inside straight flush</source>
        <translation>4 cartas de escalera de color interna</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, no gap</source>
        <translation>3 cartas de escalera de color, sin cartas altas, sin huecos</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 1 gap</source>
        <translation>3 cartas de escalera de color, sin cartas altas, 1 hueco</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 2 gaps</source>
        <translation>3 cartas de escalera de color, sin cartas altas, 2 huecos</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, no gap</source>
        <translation>3 cartas de escalera de color, 1 carta alta, sin huecos</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 1 gap</source>
        <translation>3 cartas de escalera de color, 1 carta alta, 1 hueco</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 2 gaps</source>
        <translation>3 cartas de escalera de color, 1 carta alta, 2 huecos</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 1 gap</source>
        <translation>3 cartas de escalera de color, 2 cartas altas, 1 hueco</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 2 gaps</source>
        <translation>3 cartas de escalera de color, 2 cartas altas, 2 huecos</translation>
    </message>
    <message>
        <source>4 to a flush</source>
        <translation>4 cartas de color</translation>
    </message>
    <message>
        <source>4 to a flush, no high card</source>
        <translation>4 cartas de color, sin cartas altas</translation>
    </message>
    <message>
        <source>4 to a flush, 1 high card</source>
        <translation>4 cartas de color, 1 carta alta</translation>
    </message>
    <message>
        <source>4 to a flush, 2 high cards</source>
        <translation>4 cartas de color, 2 cartas altas</translation>
    </message>
    <message>
        <source>4 to a flush, 3 high cards</source>
        <translation>4 cartas de color, 3 cartas altas</translation>
    </message>
    <message>
        <source>4 to an outside straight</source>
        <translation>4 cartas de escalera abierta</translation>
    </message>
    <message>
        <source>4 to an outside straight, no high card</source>
        <translation>4 cartas de escalera abierta, sin cartas altas</translation>
    </message>
    <message>
        <source>4 to an outside straight, 1 high card</source>
        <translation>4 cartas de escalera abierta, 1 carta alta</translation>
    </message>
    <message>
        <source>4 to an outside straight, 2 high cards</source>
        <translation>4 cartas de escalera abierta, 2 cartas altas</translation>
    </message>
    <message>
        <source>4 to an outside straight, 3 high cards (TJQK)</source>
        <translation>4 cartas de escalera abierta, 3 cartas altas (10JQK)</translation>
    </message>
    <message>
        <source>4 to an inside straight</source>
        <translation>4 cartas de escalera interna</translation>
    </message>
    <message>
        <source>4 to an inside straight, no high card</source>
        <translation>4 cartas de escalera interna, sin cartas altas</translation>
    </message>
    <message>
        <source>4 to an inside straight, 1 high card</source>
        <translation>4 cartas de escalera interna, 1 carta alta</translation>
    </message>
    <message>
        <source>4 to an inside straight, 2 high cards</source>
        <translation>4 cartas de escalera interna, 2 cartas altas</translation>
    </message>
    <message>
        <source>4 to an inside straight, 3 high cards</source>
        <translation>4 cartas de escalera interna, 3 cartas altas</translation>
    </message>
    <message>
        <source>4 to an inside straight, 4 high cards (AKQJ)</source>
        <translation>4 cartas de escalera interna, 4 cartas altas (AKQJ)</translation>
    </message>
    <message>
        <source>AK suited</source>
        <translation>AK del mismo palo</translation>
    </message>
    <message>
        <source>AQ suited</source>
        <translation>AQ del mismo palo</translation>
    </message>
    <message>
        <source>AJ suited</source>
        <translation>AJ del mismo palo</translation>
    </message>
    <message>
        <source>KQ suited</source>
        <translation>KQ del mismo palo</translation>
    </message>
    <message>
        <source>KJ suited</source>
        <translation>KJ del mismo palo</translation>
    </message>
    <message>
        <source>QJ suited</source>
        <translation>QJ del mismo palo</translation>
    </message>
    <message>
        <source>AT suited</source>
        <translation>A10 del mismo palo</translation>
    </message>
    <message>
        <source>KT suited</source>
        <translation>K10 del mismo palo</translation>
    </message>
    <message>
        <source>QT suited</source>
        <translation>Q10 del mismo palo</translation>
    </message>
    <message>
        <source>JT suited</source>
        <translation>J10 del mismo palo</translation>
    </message>
    <message>
        <source>AKQ unsuited</source>
        <translation>AKQ de palos distintos</translation>
    </message>
    <message>
        <source>AKJ unsuited</source>
        <translation>AKJ de palos distintos</translation>
    </message>
    <message>
        <source>AQJ unsuited</source>
        <translation>AQJ de palos distintos</translation>
    </message>
    <message>
        <source>KQJ unsuited</source>
        <translation>KQJ de palos distintos</translation>
    </message>
    <message>
        <source>QJ unsuited</source>
        <translation>QJ de palos distintos</translation>
    </message>
    <message>
        <source>KJ unsuited</source>
        <translation>KJ de palos distintos</translation>
    </message>
    <message>
        <source>KQ unsuited</source>
        <translation>KQ de palos distintos</translation>
    </message>
    <message>
        <source>AJ unsuited</source>
        <translation>AJ de palos distintos</translation>
    </message>
    <message>
        <source>AQ unsuited</source>
        <translation>AQ de palos distintos</translation>
    </message>
    <message>
        <source>AK unsuited</source>
        <translation>AK de palos distintos</translation>
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
        <translation>3 cartas de color</translation>
    </message>
    <message>
        <source>3 to a flush, 1 high card</source>
        <translation>3 cartas de color, 1 carta alta</translation>
    </message>
    <message>
        <source>3 to a flush, 2 high cards</source>
        <translation>3 cartas de color, 2 cartas altas</translation>
    </message>
    <message>
        <source>Royal flush, straight flush or four of a kind</source>
        <translation>Escalera real, escalera de color o póquer</translation>
    </message>
    <message>
        <source>Full house, flush, straight or three of a kind</source>
        <translation>Full, color, escalera o trío</translation>
    </message>
    <message>
        <source>3 to a straight flush, as many high cards as gaps or more</source>
        <translation>3 cartas de escalera de color, al menos tantas cartas altas como huecos</translation>
    </message>
    <message>
        <source>3 to a straight flush, one gap more than high cards</source>
        <translation>3 cartas de escalera de color, un hueco más que cartas altas</translation>
    </message>
    <message>
        <source>KQ or KJ suited</source>
        <translation>KQ o KJ del mismo palo</translation>
    </message>
    <message>
        <source>AK, AQ or AJ suited</source>
        <translation>AK, AQ o AJ del mismo palo</translation>
    </message>
    <message>
        <source>KQ or KJ unsuited</source>
        <translation>KQ o KJ de palos distintos</translation>
    </message>
    <message>
        <source>AK, AQ or AJ unsuited</source>
        <translation>AK, AQ o AJ de palos distintos</translation>
    </message>
    <message>
        <source>Two unsuited high cards, the lowest two</source>
        <translation>Dos cartas altas de palos distintos, las dos más bajas</translation>
    </message>
    <message>
        <source>One high card, the lowest</source>
        <translation>Una carta alta, la más baja</translation>
    </message>
    <message>
        <source>Draw five (hold nothing)</source>
        <translation>Cambiar las cinco (no retener nada)</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>draw five new cards</source>
        <translation>cambiar las cinco cartas</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Correcto: %1</translation>
    </message>
    <message>
        <source>Mistake, costs %1 credits: best is %2</source>
        <translation>Error, cuesta %1 créditos: lo mejor es %2</translation>
    </message>
    <message>
        <source>The chart of this pay table is still being worked out.</source>
        <translation>La tabla de estrategia de esta tabla de pagos aún se está calculando.</translation>
    </message>
    <message>
        <source>Chart line %1: %2.</source>
        <translation>Línea %1 de la tabla: %2.</translation>
    </message>
    <message>
        <source>Hands: %1. Right: %2%. Lost per 100 hands: %3 credits.</source>
        <translation>Manos: %1. Correctas: %2&#xa0;%. Pérdida por cada 100 manos: %3 créditos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right.&lt;/b&gt; %1 returns %2 credits on average: no hold returns more.</source>
        <translation>&lt;b&gt;Correcto.&lt;/b&gt; %1 devuelve %2 créditos de media: ninguna jugada devuelve más.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mistake, it costs %1 credits.&lt;/b&gt; %2 returns %3 credits on average; the best hold, %4, returns %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;Error, cuesta %1 créditos.&lt;/b&gt; %2 devuelve %3 créditos de media; la mejor jugada, %4, devuelve %5.&lt;br&gt;%6</translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Pair of Jacks</source>
        <translation>Pareja de jotas</translation>
    </message>
    <message>
        <source>Pair of Queens</source>
        <translation>Pareja de reinas</translation>
    </message>
    <message>
        <source>Pair of Kings</source>
        <translation>Pareja de reyes</translation>
    </message>
    <message>
        <source>Pair of Aces</source>
        <translation>Pareja de ases</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póquer</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>9 / 6 : Full Pay</source>
        <translation>9 / 6 : Alto</translation>
    </message>
    <message>
        <source>8 / 6 - Med Pay</source>
        <translation>8 / 6 - Medio</translation>
    </message>
    <message>
        <source>6 / 5 : Low Pay</source>
        <translation>6 / 5 : Bajo</translation>
    </message>
</context>
<context>
    <name>TAdvisorForm</name>
    <message>
        <source>Deal a hand and the advisor ranks all 32 ways to hold it by the credits each returns on average, best first.</source>
        <translation>Reparta una mano y el asesor ordenará las 32 formas de jugarla según los créditos que devuelve cada una de media, de mejor a peor.</translation>
    </message>
    <message>
        <source>vel Zezuv - Advisor</source>
        <translation>vel Zezuv - Asesor</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Probabilidades</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>H&amp;old These</source>
        <translation>&amp;Retener estas</translation>
    </message>
    <message>
        <source>Hold the best cards on the table</source>
        <translation>Retener las mejores cartas de la mesa</translation>
    </message>
    <message>
        <source>&amp;Warn before a costly draw</source>
        <translation>&amp;Avisar antes de un cambio costoso</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Esta partida</translation>
    </message>
    <message>
        <source>Session ledger</source>
        <translation>Balance de la partida</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Su mano: %1</translation>
    </message>
    <message>
        <source>Last hand as dealt: %1</source>
        <translation>Última mano repartida: %1</translation>
    </message>
    <message>
        <source>Best hold: %1, worth %2 credits on average.</source>
        <translation>Mejor jugada: %1, vale %2 créditos de media.</translation>
    </message>
    <message>
        <source>You played the best hold.</source>
        <translation>Ha hecho la mejor jugada.</translation>
    </message>
    <message>
        <source>Your hold gave up %1 credits against %2.</source>
        <translation>Su jugada ha perdido %1 créditos frente a %2.</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Manos jugadas</translation>
    </message>
    <message>
        <source>Expected return of your holds</source>
        <translation>Valor esperado de sus jugadas</translation>
    </message>
    <message>
        <source>Expected return of the best holds</source>
        <translation>Valor esperado de las mejores jugadas</translation>
    </message>
    <message>
        <source>Lost to mistakes</source>
        <translation>Perdido por errores</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganado</translation>
    </message>
    <message>
        <source>Luck (won less expected)</source>
        <translation>Suerte (ganado menos esperado)</translation>
    </message>
    <message>
        <source>Working out the return of perfect play...</source>
        <translation>Calculando el retorno del juego perfecto...</translation>
    </message>
    <message>
        <source>Perfect play returns %1% on %2 at a bet of %3</source>
        <translation>El juego perfecto devuelve un %1&#xa0;% en %2 con una apuesta de %3</translation>
    </message>
    <message>
        <source>Any Hand</source>
        <translation>Mano libre</translation>
    </message>
    <message>
        <source>Analyse on &amp;Any Hand</source>
        <translation>Analizar en &amp;Mano libre</translation>
    </message>
    <message>
        <source>Take this hand to the Any Hand page, to try it with other pay tables</source>
        <translation>Llevar esta mano a la página Mano libre, para probarla con otras tablas de pagos</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Banca</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>&amp;Mistakes</source>
        <translation>&amp;Fallos</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>Gráf&amp;ico</translation>
    </message>
    <message>
        <source>Tra&amp;ining</source>
        <translation>&amp;Entreno</translation>
    </message>
    <message>
        <source>Mistake under review, hand %1 as dealt: %2</source>
        <translation>Error en revisión, mano %1 tal como se repartió: %2</translation>
    </message>
    <message>
        <source>This Hand</source>
        <translation>Esta mano</translation>
    </message>
</context>
<context>
    <name>TAnyHandPage</name>
    <message>
        <source>Five cards</source>
        <translation>Cinco cartas</translation>
    </message>
    <message>
        <source>Five cards as rank and suit: ranks 2 to 10, T, J, Q, K, A; suits c, d, h, s or their symbols; apart by spaces or commas</source>
        <translation>Cinco cartas como valor y palo, en letras inglesas: valores 2 a 10, T, J, Q, K, A; palos c, d, h, s o sus símbolos; separadas por espacios o comas</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Cartas:</translation>
    </message>
    <message>
        <source>Pick five cards</source>
        <translation>Elegir cinco cartas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card</source>
        <translation>«%1» no es una carta</translation>
    </message>
    <message>
        <source>%1 twice</source>
        <translation>%1 repetida</translation>
    </message>
    <message>
        <source>%1 cards: a hand has five</source>
        <translation>%1 cartas: una mano tiene cinco</translation>
    </message>
    <message>
        <source>Type five cards, such as Kh Kd 9c 8d 3d, or pick them below.</source>
        <translation>Escriba cinco cartas, como Kh Kd 9c 8d 3d, o elíjalas abajo.</translation>
    </message>
    <message>
        <source>Only 1 card</source>
        <translation>Solo 1 carta</translation>
    </message>
    <message>
        <source>Only %1 cards</source>
        <translation>Solo %1 cartas</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Calculando la tabla de estrategia...</translation>
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
        <translation>Saldo: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Graph of the session</source>
        <translation>Gráfico de la sesión</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Manos jugadas</translation>
    </message>
    <message>
        <source>Run out (%)</source>
        <translation>Ruina (%)</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Run out by this hand</source>
        <translation>Ruina hasta esta mano</translation>
    </message>
    <message>
        <source>Red: the chance of having run out by each hand. Blue: the credit along the way, its median bold, the middle half between the plain lines, nine in ten sessions between the dashed ones.</source>
        <translation>Rojo: la probabilidad de haberse arruinado en cada mano. Azul: el saldo a lo largo de la sesión, su mediana en negrita, la mitad central entre las líneas continuas, nueve de cada diez sesiones entre las discontinuas.</translation>
    </message>
    <message>
        <source>%1% by hand %2</source>
        <translation>%1&#xa0;% hasta la mano %2</translation>
    </message>
    <message>
        <source>Chance of having run out: %1. Median credit after hand %2: %3.</source>
        <translation>Probabilidad de haberse arruinado: %1. Saldo mediano tras la mano %2: %3.</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bet must be 1 to %1 credits.</source>
        <translation>La apuesta debe ser de 1 a %1 créditos.</translation>
    </message>
    <message>
        <source>A credit of %1 does not cover the bet of %2: the session could not start.</source>
        <translation>Un saldo de %1 no cubre la apuesta de %2: la sesión no podría empezar.</translation>
    </message>
    <message>
        <source>The credit can be at most %1.</source>
        <translation>El saldo puede ser como mucho %1.</translation>
    </message>
    <message>
        <source>The session needs at least one hand.</source>
        <translation>La sesión necesita al menos una mano.</translation>
    </message>
    <message>
        <source>The session can be at most %1 hands.</source>
        <translation>La sesión puede tener como mucho %1 manos.</translation>
    </message>
    <message>
        <source>These pays give no figures for a session.</source>
        <translation>Estos pagos no dan cifras para una sesión.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
    <message>
        <source>Credit to start with</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>Hands to play</source>
        <translation>Manos por jugar</translation>
    </message>
    <message>
        <source>C&amp;redit:</source>
        <translation>&amp;Saldo:</translation>
    </message>
    <message>
        <source>&amp;Hands:</source>
        <translation>Man&amp;os:</translation>
    </message>
    <message>
        <source>&amp;Perfect play</source>
        <translation>&amp;Juego perfecto</translation>
    </message>
    <message>
        <source>By the &amp;strategy chart</source>
        <translation>Según &amp;la tabla de estrategia</translation>
    </message>
    <message>
        <source>Every hand held as the first matching line of the chart says, as people play</source>
        <translation>Cada mano jugada como indica la primera línea de la tabla que coincide, como se juega de verdad</translation>
    </message>
    <message>
        <source>Working out the figures...</source>
        <translation>Calculando las cifras...</translation>
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
        <translation>Escalera real antes de la ruina:</translation>
    </message>
    <message>
        <source>Credit for a risk of ruin of %1:</source>
        <translation>Saldo para un riesgo de ruina del %1:</translation>
    </message>
    <message>
        <source>These pays spread the credit too far to follow over a session this long.</source>
        <translation>Estos pagos dispersan demasiado el saldo para seguirlo en una sesión tan larga.</translation>
    </message>
    <message>
        <source>Risk of ruin in the session:</source>
        <translation>Riesgo de ruina en la sesión:</translation>
    </message>
    <message>
        <source>Royal flush in the session:</source>
        <translation>Escalera real en la sesión:</translation>
    </message>
    <message>
        <source>Finish the session ahead:</source>
        <translation>Acabar la sesión ganando:</translation>
    </message>
    <message>
        <source>Credit at the session&apos;s end:</source>
        <translation>Saldo al final de la sesión:</translation>
    </message>
    <message>
        <source>Mean credit at the session&apos;s end:</source>
        <translation>Saldo medio al final de la sesión:</translation>
    </message>
</context>
<context>
    <name>TCardPanel</name>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, retenida</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>Strategy chart: hold what the first matching line says</source>
        <translation>Tabla de estrategia: retenga lo que indique la primera línea que coincida</translation>
    </message>
    <message>
        <source>Hold the first of these the hand shows</source>
        <translation>Retenga la primera línea que muestre la mano</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Calculando la tabla de estrategia...</translation>
    </message>
    <message>
        <source>Played line by line this chart returns %1, perfect play %2: it gives up %3 of every bet.</source>
        <translation>Jugada línea a línea, esta tabla devuelve %1 y el juego perfecto %2: pierde %3 de cada apuesta.</translation>
    </message>
    <message>
        <source>Deal a hand: the line it matches is marked.</source>
        <translation>Reparta una mano: se marcará la línea que le corresponde.</translation>
    </message>
    <message>
        <source>Line %1 matches: %2.</source>
        <translation>Coincide la línea %1: %2.</translation>
    </message>
    <message>
        <source> The best hold is %1, worth %2 credits more.</source>
        <translation> La mejor jugada es %1, que vale %2 créditos más.</translation>
    </message>
</context>
<context>
    <name>TElapsedTimeLabel</name>
    <message>
        <source>Elapsed Time %1</source>
        <translation>Tiempo %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>HOLD</source>
        <translation>RETENER</translation>
    </message>
    <message>
        <source>Draw Zezuv</source>
        <translation>Draw Zezuv</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Jotas o mejor</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Current Bet  %1</source>
        <translation>Apuesta actual  %1</translation>
    </message>
    <message>
        <source>&amp;Payout</source>
        <translation>&amp;Pagos</translation>
    </message>
    <message>
        <source>B&amp;et</source>
        <translation>Apu&amp;esta</translation>
    </message>
    <message>
        <source>Donate - Help support this program</source>
        <translation>Donar - Ayude a mantener este programa</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Robar</translation>
    </message>
    <message>
        <source>&amp;Bet</source>
        <translation>&amp;Apostar</translation>
    </message>
    <message>
        <source>Payout &amp;Table</source>
        <translation>&amp;Tabla de pagos</translation>
    </message>
    <message>
        <source>Pause / Resume Game</source>
        <translation>Pausar / reanudar la partida</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Pausar la partida</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Estrategia</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Partida en pausa</translation>
    </message>
    <message>
        <source>%1 - Credit %2</source>
        <translation>%1 - Saldo %2</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  Close Program?</source>
        <translation>%1: hay una partida en curso.  ¿Cerrar el programa?</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Game Over.  Play Again?</source>
        <translation>Fin de la partida.  ¿Jugar otra vez?</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  New Game?</source>
        <translation>%1: hay una partida en curso.  ¿Nueva partida?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Gana %1</translation>
    </message>
    <message>
        <source>Click Game - New to play a new game</source>
        <translation>Pulse Partida - Nueva para jugar una partida nueva</translation>
    </message>
    <message>
        <source>Hands= %1</source>
        <translation>Manos= %1</translation>
    </message>
    <message>
        <source>AVG Win= %1</source>
        <translation>Premio medio= %1</translation>
    </message>
    <message>
        <source>Hi Win= %1</source>
        <translation>Premio máx.= %1</translation>
    </message>
    <message>
        <source>Hi Score= %1</source>
        <translation>Saldo máx.= %1</translation>
    </message>
    <message>
        <source>Lo Score= %1</source>
        <translation>Saldo mín.= %1</translation>
    </message>
    <message>
        <source>Copyright %1</source>
        <translation>Copyright %1</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>Portable</source>
        <translation>Portátil</translation>
    </message>
    <message>
        <source>Large Fonts</source>
        <translation>Fuentes grandes</translation>
    </message>
    <message>
        <source>Small Fonts</source>
        <translation>Fuentes pequeñas</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Repartidas: %1</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Retenidas: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1, win %2</source>
        <translation>%1, gana %2</translation>
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
        <translation>velPoker - Baraja</translation>
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
        <translation>Draw Zezuv - Cómo jugar.
------------------------

1. Elija el pago. Este juego ofrece varias tablas de pagos habituales del videopóquer. El retorno es del 99,54&#xa0;% con el pago alto (9/6), del 98,45&#xa0;% con (9/5) y del 98,39&#xa0;% con (8/6). Es del 97,30&#xa0;% con (8/5), del 96,15&#xa0;% con (7/5) y del 95,00&#xa0;% con (6/5). Los dos números indican el pago del full y del color, respectivamente.

2. Elija cuántos puntos apostar en cada mano. El valor predeterminado es 5. Puede elegir de 1 a 5.

3. Pulse «Apostar». Recibirá 5 cartas. Elija las cartas que quiere retener haciendo clic en ellas o pulsando las teclas 1 a 5 del teclado.

4. Pulse «Robar». Recibirá cartas nuevas en lugar de las que no haya retenido y el juego evaluará su mano.

El juego usa una sola baraja de 52 cartas, que se mezcla al principio de cada jugada.

El reloj del tiempo de juego se actualiza al final de cada mano o al hacer clic en él. Empieza a contar al empezar el juego. Puede pausarlo con el botón de pausa, con Partida | Pausar la partida o con Ctrl+P, pero no mientras se reparten las cartas.
==================================================
Valor de las cartas:

As 
Rey 
Reina 
Jota 
Diez 
Nueve 
Ocho 
Siete 
Seis 
Cinco 
Cuatro 
Tres 
Dos 
As 

El as cuenta como carta baja (A, 2, 3, 4, 5) o alta (10, J, Q, K, A).
==================================================
Valor de las manos:

* Escalera real - 250 / 800 x apuesta (4000 con una apuesta de 5 puntos).
  Diez, jota, reina, rey y as del mismo palo.
* Escalera de color - 50 x apuesta.
  Cinco cartas consecutivas, todas del mismo palo.
* Póquer - 25 x apuesta.
  Cuatro cartas del mismo valor.
* Full - 8 x apuesta.
  Un trío y una pareja.
* Color - 5 x apuesta.
  Cinco cartas del mismo palo.
* Escalera - 4 x apuesta.
  Cinco cartas consecutivas, no todas del mismo palo.
* Trío - 3 x apuesta.
  Tres cartas del mismo valor.
* Doble pareja - 2 x apuesta.
  Dos parejas de distinto valor.
* Pareja - 1 x apuesta.
  La pareja debe ser de jotas o mejor.
* Ninguna de las anteriores - 0 puntos.
  Cualquier otra mano.

Cada turno cuesta 5 puntos, así que una pareja solo le devuelve la apuesta y una mano perdedora le cuesta cinco puntos. El juego permite apostar de 1 a 5 puntos por jugada.
==================================================
Opciones del programa.

Elija Partida | Opciones para escoger los colores de los marcos de las cartas y la mano a partir de la cual el juego celebra su premio:

1 : Jotas o mejor
2 : Doble pareja
3 : Trío
4 : Escalera
5 : Color
6 : Full
7 : Póquer
8 : Escalera de color
9 : Escalera real
0 : Nunca

El valor predeterminado es Full.

Esta configuración se guarda en %1.
--------------------------------------------------
Origen de las imágenes de las cartas:
el propio generador de cartas del juego (tools/cardgen).
</translation>
    </message>
    <message>
        <source>vel Zezuv - Help</source>
        <translation>vel Zezuv - Ayuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>vel Zezuv - About</source>
        <translation>vel Zezuv - Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No FileVersionInfo found</source>
        <translation>No se encontró información de versión</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póquer</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Pair of Jacks or Better</source>
        <translation>Pareja de jotas o mejor</translation>
    </message>
    <message>
        <source>vel Zezuv - Payouts</source>
        <translation>vel Zezuv - Pagos</translation>
    </message>
    <message>
        <source>Payouts per credit bet</source>
        <translation>Pagos por crédito apostado</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Pago</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Jotas o mejor</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póquer</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>vel Zezuv - Options</source>
        <translation>vel Zezuv - Opciones</translation>
    </message>
    <message>
        <source>Card Panel Color Options</source>
        <translation>Colores de los marcos de las cartas</translation>
    </message>
    <message>
        <source>Card Panel</source>
        <translation>Marco de carta</translation>
    </message>
    <message>
        <source>Hold Color</source>
        <translation>Carta retenida</translation>
    </message>
    <message>
        <source>Win Color</source>
        <translation>Carta ganadora</translation>
    </message>
    <message>
        <source>Celebrate &amp;On</source>
        <translation>&amp;Celebrar con</translation>
    </message>
    <message>
        <source>&amp;Scale Cards when using Large Fonts</source>
        <translation>&amp;Ampliar las cartas con fuentes grandes</translation>
    </message>
    <message>
        <source>This only affects systems running Large Fonts. When checked you get bigger cards but the graphics are not as sharp.</source>
        <translation>Solo afecta a sistemas con fuentes grandes. Si se marca, las cartas son más grandes, pero las imágenes menos nítidas.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Inicial</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Estrategia de Video Zezuv

 1. Póquer, escalera de color, escalera real
 2. 4 cartas de escalera real
 3. Trío, escalera, color, full
 4. 4 cartas de escalera de color
 5. Doble pareja
 6. Pareja alta
 7. 3 cartas de escalera real
 8. 4 cartas de color
 9. Pareja baja
10. 4 cartas de escalera abierta
11. 2 cartas altas del mismo palo
12. 3 cartas de escalera de color
13. 2 cartas altas de palos distintos (si hay más de 2, retenga las 2 más bajas)
14. 10/J, 10/Q o 10/K del mismo palo
15. Una carta alta
16. Descartarlo todo

Empiece por el principio de la lista y deténgase en la primera línea que coincida con su mano.

Es una estrategia sencilla. Hay estrategias más complejas que devuelven algo más.
==================================================
Términos:

Carta alta: una jota, una reina, un rey o un as. Vale la pena retenerlas, porque una pareja de ellas le devuelve la apuesta.

Escalera abierta: cuatro cartas consecutivas abiertas por ambos extremos, de modo que la escalera puede completarse por cualquiera de los dos, por ejemplo 7, 8, 9, 10.

Escalera interna: cuatro cartas de una escalera a la que le falta una carta en medio, por ejemplo 6, 7, 9, 10. A, 2, 3, 4 y J, Q, K, A también son escaleras internas, porque están en un extremo y solo pueden completarse de una manera.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Strategy</source>
        <translation>vel Zezuv - Estrategia</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Estrategia</translation>
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
        <translation>Si le gusta este programa y desea hacer un donativo:

Envíe 5,00 dólares o más por PayPal a %1.

¡Gracias!

Este programa es gratuito, pero los donativos son bienvenidos. PayPal cobra una comisión por los pagos con tarjeta de crédito, así que de un donativo de 5 dólares quedaría poco después de las comisiones. Si no le gusta PayPal, escríbame a %1 y buscaremos otra forma.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Donate</source>
        <translation>vel Zezuv - Donar</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
</context>
<context>
    <name>TGraphPage</name>
    <message>
        <source>Graph of this game</source>
        <translation>Gráfico de esta partida</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Expected with the best holds</source>
        <translation>Esperado con las mejores jugadas</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Manos jugadas</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>The graph starts with the first hand drawn while the advisor is open.</source>
        <translation>El gráfico empieza con la primera mano robada con el asesor abierto.</translation>
    </message>
    <message>
        <source>After hand %1: credit %2; expected with the best holds %3.</source>
        <translation>Tras la mano %1: saldo %2; esperado con las mejores jugadas %3.</translation>
    </message>
</context>
<context>
    <name>THoldsTable</name>
    <message>
        <source>Keep %1</source>
        <translation>Retener %1</translation>
    </message>
    <message>
        <source>Holds, best first</source>
        <translation>Jugadas, de mejor a peor</translation>
    </message>
    <message>
        <source>Every way to hold the hand, its expected return in credits and its loss against the best hold</source>
        <translation>Cada forma de jugar la mano, su valor esperado en créditos y su pérdida frente a la mejor jugada</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Retener</translation>
    </message>
    <message>
        <source>Expected return</source>
        <translation>Valor esperado</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source> (your hold)</source>
        <translation> (su jugada)</translation>
    </message>
</context>
<context>
    <name>TMistakesPage</name>
    <message>
        <source>&amp;View all holds</source>
        <translation>&amp;Ver todas las jugadas</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Esta partida</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Costliest first</source>
        <translation>Las más caras primero</translation>
    </message>
    <message>
        <source>In order of play</source>
        <translation>En orden de juego</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Repartida</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Retenidas</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Historial:</translation>
    </message>
    <message>
        <source>&amp;Listed:</source>
        <translation>Or&amp;den:</translation>
    </message>
    <message>
        <source>No hands graded yet.</source>
        <translation>Aún no hay manos evaluadas.</translation>
    </message>
    <message>
        <source>No mistakes: well played.</source>
        <translation>Sin errores: bien jugado.</translation>
    </message>
    <message>
        <source>Best hold: %1, %2 credits on average; yours returns %3.&lt;br&gt;%4</source>
        <translation>Mejor jugada: %1, %2 créditos de media; la suya devuelve %3.&lt;br&gt;%4</translation>
    </message>
</context>
<context>
    <name>TOddsPage</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Jotas o mejor</translation>
    </message>
    <message>
        <source>Final hands with perfect play</source>
        <translation>Manos finales con juego perfecto</translation>
    </message>
    <message>
        <source>Final hand</source>
        <translation>Mano final</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Prob.</translation>
    </message>
    <message>
        <source>1 in</source>
        <translation>1 de cada</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Paga</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retorno</translation>
    </message>
    <message>
        <source>Perfect play on %1 at a bet of %2</source>
        <translation>Juego perfecto en %1 con una apuesta de %2</translation>
    </message>
    <message>
        <source>Working out the odds of perfect play...</source>
        <translation>Calculando las probabilidades del juego perfecto...</translation>
    </message>
    <message>
        <source>Return %1%. Variance %2 and standard deviation %3 per hand, in credits per credit bet. A royal flush every %4 hands on average.</source>
        <translation>Retorno del %1&#xa0;%. Varianza %2 y desviación típica %3 por mano, en créditos por crédito apostado. Una escalera real cada %4 manos de media.</translation>
    </message>
</context>
<context>
    <name>TPayTableChoice</name>
    <message>
        <source>Pay table</source>
        <translation>Tabla de pagos</translation>
    </message>
    <message>
        <source>Pay &amp;table:</source>
        <translation>&amp;Pagos:</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>&amp;Bet:</source>
        <translation>Ap&amp;uesta:</translation>
    </message>
    <message>
        <source>Name to keep the pay table under</source>
        <translation>Nombre con el que guardar la tabla de pagos</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Keep this pay table under the name, to choose it again in later games</source>
        <translation>Guardar esta tabla de pagos con ese nombre, para elegirla de nuevo en partidas posteriores</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Forget the kept pay table</source>
        <translation>Olvidar la tabla de pagos guardada</translation>
    </message>
    <message>
        <source>In force: %1</source>
        <translation>En juego: %1</translation>
    </message>
    <message>
        <source>your own pay table</source>
        <translation>su propia tabla de pagos</translation>
    </message>
    <message>
        <source>Working out the break-even royal flush...</source>
        <translation>Calculando la escalera real de equilibrio...</translation>
    </message>
    <message>
        <source>Even a royal flush of %1 per credit leaves this table below 100%.</source>
        <translation>Incluso una escalera real de %1 por crédito deja esta tabla por debajo del 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Even with a royal flush that pays nothing, perfect play returns %1%.</source>
        <translation>Aunque la escalera real no pague nada, el juego perfecto devuelve un %1&#xa0;%.</translation>
    </message>
    <message>
        <source>Break-even royal flush: %1 per credit at bet %2, where perfect play returns %3%.</source>
        <translation>Escalera real de equilibrio: %1 por crédito con una apuesta de %2, donde el juego perfecto devuelve un %3&#xa0;%.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizada</translation>
    </message>
</context>
<context>
    <name>TPayTableEditor</name>
    <message>
        <source>Royal Flush at bet %1</source>
        <translation>Escalera real con apuesta %1</translation>
    </message>
    <message>
        <source>Royal Flush at bets 1 to %1</source>
        <translation>Escalera real con apuestas de 1 a %1</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Jotas o mejor</translation>
    </message>
    <message>
        <source>%1, pays per credit</source>
        <translation>%1, pago por crédito</translation>
    </message>
    <message>
        <source>A pay must be a whole number from 0 to %1</source>
        <translation>Un pago debe ser un número entero de 0 a %1</translation>
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
        <translation>Cada mano tal como sale</translation>
    </message>
    <message>
        <source>Close calls only</source>
        <translation>Solo jugadas reñidas</translation>
    </message>
    <message>
        <source>Close calls: the best hold beats the next best by less than 0.1 credits per credit bet</source>
        <translation>Jugadas reñidas: la mejor jugada supera a la siguiente por menos de 0,1 créditos por crédito apostado</translation>
    </message>
    <message>
        <source>Graded on %1 at a bet of %2.</source>
        <translation>Evaluado con %1 y una apuesta de %2.</translation>
    </message>
    <message>
        <source>D&amp;eal:</source>
        <translation>Repar&amp;to:</translation>
    </message>
    <message>
        <source>Hold the cards you would keep (keys 1 to 5 or a click), then press Enter.</source>
        <translation>Retenga las cartas que conservaría (teclas 1 a 5 o un clic) y pulse Intro.</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Repartidas: %1</translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation>RETENER</translation>
    </message>
    <message>
        <source>Grade my hold (Enter)</source>
        <translation>Evaluar mi jugada (Intro)</translation>
    </message>
    <message>
        <source>Next hand (Enter)</source>
        <translation>Mano siguiente (Intro)</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Retenidas: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Your practice so far. %1</source>
        <translation>Su práctica hasta ahora. %1</translation>
    </message>
    <message>
        <source>Costliest mistakes:</source>
        <translation>Errores más caros:</translation>
    </message>
    <message>
        <source>%1 held %2: %3 credits</source>
        <translation>%1, retenidas %2: %3 créditos</translation>
    </message>
</context>
<context>
    <name>TablePrinter</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>No hay ninguna impresora predeterminada seleccionada.</translation>
    </message>
</context>
<context>
    <name>vel::AdvisorSession</name>
    <message>
        <source>Draw five new cards</source>
        <translation>Cambiar las cinco cartas</translation>
    </message>
    <message>
        <source>draws five new cards</source>
        <translation>cambia las cinco cartas</translation>
    </message>
    <message>
        <source>keeps %1</source>
        <translation>retiene %1</translation>
    </message>
    <message>
        <source>This hold gives up %1 credits. The best hold %2.
Draw anyway?</source>
        <translation>Esta jugada pierde %1 créditos. La mejor jugada %2.
¿Cambiar de todos modos?</translation>
    </message>
</context>
</TS>
