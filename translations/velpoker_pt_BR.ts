<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Dois</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatro</translation>
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
        <translation>Sete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Oito</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ás</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Ouros</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Copas</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Espadas</translation>
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
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Quadra</translation>
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
        <translation>Sequência</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Dois pares</translation>
    </message>
    <message>
        <source>High pair (jacks or better)</source>
        <translation>Par alto (valetes ou melhor)</translation>
    </message>
    <message>
        <source>Low pair (twos to tens)</source>
        <translation>Par baixo (de 2 a 10)</translation>
    </message>
    <message>
        <source>4 to a royal flush</source>
        <translation>4 para Royal Flush</translation>
    </message>
    <message>
        <source>3 to a royal flush</source>
        <translation>3 para Royal Flush</translation>
    </message>
    <message>
        <source>4 to a straight flush</source>
        <translation>4 para Straight Flush</translation>
    </message>
    <message>
        <source>4 to an outside straight flush</source>
        <translation>4 para Straight Flush aberto</translation>
    </message>
    <message>
        <source>4 to an inside straight flush</source>
        <translation>4 para Straight Flush interno</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, no gap</source>
        <translation>3 para Straight Flush, sem carta alta, sem buraco</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 1 gap</source>
        <translation>3 para Straight Flush, sem carta alta, 1 buraco</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 2 gaps</source>
        <translation>3 para Straight Flush, sem carta alta, 2 buracos</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, no gap</source>
        <translation>3 para Straight Flush, 1 carta alta, sem buraco</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 1 gap</source>
        <translation>3 para Straight Flush, 1 carta alta, 1 buraco</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 2 gaps</source>
        <translation>3 para Straight Flush, 1 carta alta, 2 buracos</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 1 gap</source>
        <translation>3 para Straight Flush, 2 cartas altas, 1 buraco</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 2 gaps</source>
        <translation>3 para Straight Flush, 2 cartas altas, 2 buracos</translation>
    </message>
    <message>
        <source>4 to a flush</source>
        <translation>4 para Flush</translation>
    </message>
    <message>
        <source>4 to a flush, no high card</source>
        <translation>4 para Flush, sem carta alta</translation>
    </message>
    <message>
        <source>4 to a flush, 1 high card</source>
        <translation>4 para Flush, 1 carta alta</translation>
    </message>
    <message>
        <source>4 to a flush, 2 high cards</source>
        <translation>4 para Flush, 2 cartas altas</translation>
    </message>
    <message>
        <source>4 to a flush, 3 high cards</source>
        <translation>4 para Flush, 3 cartas altas</translation>
    </message>
    <message>
        <source>4 to an outside straight</source>
        <translation>4 para sequência aberta</translation>
    </message>
    <message>
        <source>4 to an outside straight, no high card</source>
        <translation>4 para sequência aberta, sem carta alta</translation>
    </message>
    <message>
        <source>4 to an outside straight, 1 high card</source>
        <translation>4 para sequência aberta, 1 carta alta</translation>
    </message>
    <message>
        <source>4 to an outside straight, 2 high cards</source>
        <translation>4 para sequência aberta, 2 cartas altas</translation>
    </message>
    <message>
        <source>4 to an outside straight, 3 high cards (TJQK)</source>
        <translation>4 para sequência aberta, 3 cartas altas (10JQK)</translation>
    </message>
    <message>
        <source>4 to an inside straight</source>
        <translation>4 para sequência interna</translation>
    </message>
    <message>
        <source>4 to an inside straight, no high card</source>
        <translation>4 para sequência interna, sem carta alta</translation>
    </message>
    <message>
        <source>4 to an inside straight, 1 high card</source>
        <translation>4 para sequência interna, 1 carta alta</translation>
    </message>
    <message>
        <source>4 to an inside straight, 2 high cards</source>
        <translation>4 para sequência interna, 2 cartas altas</translation>
    </message>
    <message>
        <source>4 to an inside straight, 3 high cards</source>
        <translation>4 para sequência interna, 3 cartas altas</translation>
    </message>
    <message>
        <source>4 to an inside straight, 4 high cards (AKQJ)</source>
        <translation>4 para sequência interna, 4 cartas altas (AKQJ)</translation>
    </message>
    <message>
        <source>AK suited</source>
        <translation>AK do mesmo naipe</translation>
    </message>
    <message>
        <source>AQ suited</source>
        <translation>AQ do mesmo naipe</translation>
    </message>
    <message>
        <source>AJ suited</source>
        <translation>AJ do mesmo naipe</translation>
    </message>
    <message>
        <source>KQ suited</source>
        <translation>KQ do mesmo naipe</translation>
    </message>
    <message>
        <source>KJ suited</source>
        <translation>KJ do mesmo naipe</translation>
    </message>
    <message>
        <source>QJ suited</source>
        <translation>QJ do mesmo naipe</translation>
    </message>
    <message>
        <source>AT suited</source>
        <translation>A10 do mesmo naipe</translation>
    </message>
    <message>
        <source>KT suited</source>
        <translation>K10 do mesmo naipe</translation>
    </message>
    <message>
        <source>QT suited</source>
        <translation>Q10 do mesmo naipe</translation>
    </message>
    <message>
        <source>JT suited</source>
        <translation>J10 do mesmo naipe</translation>
    </message>
    <message>
        <source>AKQ unsuited</source>
        <translation>AKQ de naipes diferentes</translation>
    </message>
    <message>
        <source>AKJ unsuited</source>
        <translation>AKJ de naipes diferentes</translation>
    </message>
    <message>
        <source>AQJ unsuited</source>
        <translation>AQJ de naipes diferentes</translation>
    </message>
    <message>
        <source>KQJ unsuited</source>
        <translation>KQJ de naipes diferentes</translation>
    </message>
    <message>
        <source>QJ unsuited</source>
        <translation>QJ de naipes diferentes</translation>
    </message>
    <message>
        <source>KJ unsuited</source>
        <translation>KJ de naipes diferentes</translation>
    </message>
    <message>
        <source>KQ unsuited</source>
        <translation>KQ de naipes diferentes</translation>
    </message>
    <message>
        <source>AJ unsuited</source>
        <translation>AJ de naipes diferentes</translation>
    </message>
    <message>
        <source>AQ unsuited</source>
        <translation>AQ de naipes diferentes</translation>
    </message>
    <message>
        <source>AK unsuited</source>
        <translation>AK de naipes diferentes</translation>
    </message>
    <message>
        <source>J only</source>
        <translation>Só J</translation>
    </message>
    <message>
        <source>Q only</source>
        <translation>Só Q</translation>
    </message>
    <message>
        <source>K only</source>
        <translation>Só K</translation>
    </message>
    <message>
        <source>A only</source>
        <translation>Só A</translation>
    </message>
    <message>
        <source>3 to a flush</source>
        <translation>3 para Flush</translation>
    </message>
    <message>
        <source>3 to a flush, 1 high card</source>
        <translation>3 para Flush, 1 carta alta</translation>
    </message>
    <message>
        <source>3 to a flush, 2 high cards</source>
        <translation>3 para Flush, 2 cartas altas</translation>
    </message>
    <message>
        <source>Royal flush, straight flush or four of a kind</source>
        <translation>Royal Flush, Straight Flush ou Quadra</translation>
    </message>
    <message>
        <source>Full house, flush, straight or three of a kind</source>
        <translation>Full House, Flush, Sequência ou Trinca</translation>
    </message>
    <message>
        <source>3 to a straight flush, as many high cards as gaps or more</source>
        <translation>3 para Straight Flush, não mais buracos que cartas altas</translation>
    </message>
    <message>
        <source>3 to a straight flush, one gap more than high cards</source>
        <translation>3 para Straight Flush, 1 buraco a mais que cartas altas</translation>
    </message>
    <message>
        <source>KQ or KJ suited</source>
        <translation>KQ ou KJ do mesmo naipe</translation>
    </message>
    <message>
        <source>AK, AQ or AJ suited</source>
        <translation>AK, AQ ou AJ do mesmo naipe</translation>
    </message>
    <message>
        <source>KQ or KJ unsuited</source>
        <translation>KQ ou KJ de naipes diferentes</translation>
    </message>
    <message>
        <source>AK, AQ or AJ unsuited</source>
        <translation>AK, AQ ou AJ de naipes diferentes</translation>
    </message>
    <message>
        <source>Two unsuited high cards, the lowest two</source>
        <translation>2 cartas altas de naipes diferentes, as 2 mais baixas</translation>
    </message>
    <message>
        <source>One high card, the lowest</source>
        <translation>Uma carta alta, a mais baixa</translation>
    </message>
    <message>
        <source>Draw five (hold nothing)</source>
        <translation>Trocar as cinco (não manter nada)</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>draw five new cards</source>
        <translation>trocar as cinco cartas</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Certo: %1</translation>
    </message>
    <message>
        <source>Mistake, costs %1 credits: best is %2</source>
        <translation>Erro, custa %1 créditos: o melhor é %2</translation>
    </message>
    <message>
        <source>The chart of this pay table is still being worked out.</source>
        <translation>A tabela de estratégia desta tabela de pagamentos ainda está sendo calculada.</translation>
    </message>
    <message>
        <source>Chart line %1: %2.</source>
        <translation>Linha %1 da tabela: %2.</translation>
    </message>
    <message>
        <source>Hands: %1. Right: %2%. Lost per 100 hands: %3 credits.</source>
        <translation>Mãos: %1. Certas: %2%. Perda a cada 100 mãos: %3 créditos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right.&lt;/b&gt; %1 returns %2 credits on average: no hold returns more.</source>
        <translation>&lt;b&gt;Certo.&lt;/b&gt; %1 rende em média %2 créditos: nenhuma jogada rende mais.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mistake, it costs %1 credits.&lt;/b&gt; %2 returns %3 credits on average; the best hold, %4, returns %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;Erro, custa %1 créditos.&lt;/b&gt; %2 rende em média %3 créditos; a melhor jogada, %4, rende %5.&lt;br&gt;%6</translation>
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
        <translation>Par de Valetes</translation>
    </message>
    <message>
        <source>Pair of Queens</source>
        <translation>Par de Damas</translation>
    </message>
    <message>
        <source>Pair of Kings</source>
        <translation>Par de Reis</translation>
    </message>
    <message>
        <source>Pair of Aces</source>
        <translation>Par de Ases</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Dois Pares</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Sequência</translation>
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
        <translation>Quadra</translation>
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
        <translation>9 / 6 : Integral</translation>
    </message>
    <message>
        <source>8 / 6 - Med Pay</source>
        <translation>8 / 6 - Médio</translation>
    </message>
    <message>
        <source>6 / 5 : Low Pay</source>
        <translation>6 / 5 : Baixo</translation>
    </message>
</context>
<context>
    <name>TAdvisorForm</name>
    <message>
        <source>Deal a hand and the advisor ranks all 32 ways to hold it by the credits each returns on average, best first.</source>
        <translation>Receba uma mão e o consultor classifica as 32 maneiras de mantê-la pelos créditos que cada uma rende em média, da melhor para a pior.</translation>
    </message>
    <message>
        <source>vel Zezuv - Advisor</source>
        <translation>vel Zezuv - Consultor</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Probabilidades</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>H&amp;old These</source>
        <translation>&amp;Manter estas</translation>
    </message>
    <message>
        <source>Hold the best cards on the table</source>
        <translation>Manter as melhores cartas da mesa</translation>
    </message>
    <message>
        <source>&amp;Warn before a costly draw</source>
        <translation>&amp;Avisar antes de uma troca cara</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Esta partida</translation>
    </message>
    <message>
        <source>Session ledger</source>
        <translation>Balanço da partida</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Sua mão: %1</translation>
    </message>
    <message>
        <source>Last hand as dealt: %1</source>
        <translation>Última mão recebida: %1</translation>
    </message>
    <message>
        <source>Best hold: %1, worth %2 credits on average.</source>
        <translation>Melhor jogada: %1, vale em média %2 créditos.</translation>
    </message>
    <message>
        <source>You played the best hold.</source>
        <translation>Você fez a melhor jogada.</translation>
    </message>
    <message>
        <source>Your hold gave up %1 credits against %2.</source>
        <translation>Sua jogada perdeu %1 créditos em relação a %2.</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mãos jogadas</translation>
    </message>
    <message>
        <source>Expected return of your holds</source>
        <translation>Retorno esperado das suas jogadas</translation>
    </message>
    <message>
        <source>Expected return of the best holds</source>
        <translation>Retorno esperado das melhores jogadas</translation>
    </message>
    <message>
        <source>Lost to mistakes</source>
        <translation>Perdido com erros</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganho</translation>
    </message>
    <message>
        <source>Luck (won less expected)</source>
        <translation>Sorte (ganho menos esperado)</translation>
    </message>
    <message>
        <source>Working out the return of perfect play...</source>
        <translation>Calculando o retorno do jogo perfeito...</translation>
    </message>
    <message>
        <source>Perfect play returns %1% on %2 at a bet of %3</source>
        <translation>O jogo perfeito retorna %1% em %2 com aposta de %3</translation>
    </message>
    <message>
        <source>Any Hand</source>
        <translation>Mão livre</translation>
    </message>
    <message>
        <source>Analyse on &amp;Any Hand</source>
        <translation>Anal&amp;isar em Mão livre</translation>
    </message>
    <message>
        <source>Take this hand to the Any Hand page, to try it with other pay tables</source>
        <translation>Levar esta mão para a página Mão livre, para testá-la com outras tabelas de pagamentos</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Prática</translation>
    </message>
    <message>
        <source>&amp;Mistakes</source>
        <translation>&amp;Erros</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>Grá&amp;fico</translation>
    </message>
    <message>
        <source>Tra&amp;ining</source>
        <translation>&amp;Treino</translation>
    </message>
    <message>
        <source>Mistake under review, hand %1 as dealt: %2</source>
        <translation>Erro em revisão, mão %1 como recebida: %2</translation>
    </message>
    <message>
        <source>This Hand</source>
        <translation>Esta mão</translation>
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
        <translation>Cinco cartas como valor e naipe, em letras inglesas: valores 2 a 10, T, J, Q, K, A; naipes c, d, h, s ou seus símbolos; separadas por espaços ou vírgulas</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Cartas:</translation>
    </message>
    <message>
        <source>Pick five cards</source>
        <translation>Escolher cinco cartas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card</source>
        <translation>“%1” não é uma carta</translation>
    </message>
    <message>
        <source>%1 twice</source>
        <translation>%1 repetida</translation>
    </message>
    <message>
        <source>%1 cards: a hand has five</source>
        <translation>%1 cartas: uma mão tem cinco</translation>
    </message>
    <message>
        <source>Type five cards, such as Kh Kd 9c 8d 3d, or pick them below.</source>
        <translation>Digite cinco cartas, como Kh Kd 9c 8d 3d, ou escolha-as abaixo.</translation>
    </message>
    <message>
        <source>Only 1 card</source>
        <translation>Só 1 carta</translation>
    </message>
    <message>
        <source>Only %1 cards</source>
        <translation>Só %1 cartas</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Calculando a tabela de estratégia...</translation>
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
        <translation>Gráfico da sessão</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mãos jogadas</translation>
    </message>
    <message>
        <source>Run out (%)</source>
        <translation>Quebra (%)</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Run out by this hand</source>
        <translation>Quebra até esta mão</translation>
    </message>
    <message>
        <source>Red: the chance of having run out by each hand. Blue: the credit along the way, its median bold, the middle half between the plain lines, nine in ten sessions between the dashed ones.</source>
        <translation>Vermelho: a chance de ter quebrado até cada mão. Azul: o saldo ao longo da sessão, a mediana em negrito, a metade central entre as linhas contínuas, nove em cada dez sessões entre as tracejadas.</translation>
    </message>
    <message>
        <source>%1% by hand %2</source>
        <translation>%1% até a mão %2</translation>
    </message>
    <message>
        <source>Chance of having run out: %1. Median credit after hand %2: %3.</source>
        <translation>Chance de ter quebrado: %1. Saldo mediano após a mão %2: %3.</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bet must be 1 to %1 credits.</source>
        <translation>A aposta deve ser de 1 a %1 créditos.</translation>
    </message>
    <message>
        <source>A credit of %1 does not cover the bet of %2: the session could not start.</source>
        <translation>Um saldo de %1 não cobre a aposta de %2: a sessão não poderia começar.</translation>
    </message>
    <message>
        <source>The credit can be at most %1.</source>
        <translation>O saldo pode ser no máximo %1.</translation>
    </message>
    <message>
        <source>The session needs at least one hand.</source>
        <translation>A sessão precisa de pelo menos uma mão.</translation>
    </message>
    <message>
        <source>The session can be at most %1 hands.</source>
        <translation>A sessão pode ter no máximo %1 mãos.</translation>
    </message>
    <message>
        <source>These pays give no figures for a session.</source>
        <translation>Estes pagamentos não dão números para uma sessão.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Parado.</translation>
    </message>
    <message>
        <source>Credit to start with</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>Hands to play</source>
        <translation>Mãos a jogar</translation>
    </message>
    <message>
        <source>C&amp;redit:</source>
        <translation>Sa&amp;ldo:</translation>
    </message>
    <message>
        <source>&amp;Hands:</source>
        <translation>Mã&amp;os:</translation>
    </message>
    <message>
        <source>&amp;Perfect play</source>
        <translation>&amp;Jogo perfeito</translation>
    </message>
    <message>
        <source>By the &amp;strategy chart</source>
        <translation>Pela tabela de est&amp;ratégia</translation>
    </message>
    <message>
        <source>Every hand held as the first matching line of the chart says, as people play</source>
        <translation>Cada mão mantida como diz a primeira linha da tabela que lhe corresponde, como se joga de verdade</translation>
    </message>
    <message>
        <source>Working out the figures...</source>
        <translation>Calculando os números...</translation>
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
        <translation>Royal Flush antes da quebra:</translation>
    </message>
    <message>
        <source>Credit for a risk of ruin of %1:</source>
        <translation>Saldo para um risco de quebra de %1:</translation>
    </message>
    <message>
        <source>These pays spread the credit too far to follow over a session this long.</source>
        <translation>Estes pagamentos espalham demais o saldo para acompanhá-lo em uma sessão tão longa.</translation>
    </message>
    <message>
        <source>Risk of ruin in the session:</source>
        <translation>Risco de quebra na sessão:</translation>
    </message>
    <message>
        <source>Royal flush in the session:</source>
        <translation>Royal Flush na sessão:</translation>
    </message>
    <message>
        <source>Finish the session ahead:</source>
        <translation>Terminar a sessão no lucro:</translation>
    </message>
    <message>
        <source>Credit at the session&apos;s end:</source>
        <translation>Saldo ao fim da sessão:</translation>
    </message>
    <message>
        <source>Mean credit at the session&apos;s end:</source>
        <translation>Saldo médio ao fim da sessão:</translation>
    </message>
</context>
<context>
    <name>TCardPanel</name>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, mantida</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>Strategy chart: hold what the first matching line says</source>
        <translation>Tabela de estratégia: mantenha o que diz a primeira linha que corresponder</translation>
    </message>
    <message>
        <source>Hold the first of these the hand shows</source>
        <translation>Mantenha o primeiro destes que a mão tiver</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Calculando a tabela de estratégia...</translation>
    </message>
    <message>
        <source>Played line by line this chart returns %1, perfect play %2: it gives up %3 of every bet.</source>
        <translation>Jogada linha por linha, esta tabela retorna %1, o jogo perfeito %2: ela perde %3 de cada aposta.</translation>
    </message>
    <message>
        <source>Deal a hand: the line it matches is marked.</source>
        <translation>Receba uma mão: a linha correspondente fica marcada.</translation>
    </message>
    <message>
        <source>Line %1 matches: %2.</source>
        <translation>A linha %1 corresponde: %2.</translation>
    </message>
    <message>
        <source> The best hold is %1, worth %2 credits more.</source>
        <translation> A melhor jogada é %1, que vale %2 créditos a mais.</translation>
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
        <translation>MANTER</translation>
    </message>
    <message>
        <source>Draw Zezuv</source>
        <translation>Draw Zezuv</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Valetes ou Melhor</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Current Bet  %1</source>
        <translation>Aposta  %1</translation>
    </message>
    <message>
        <source>&amp;Payout</source>
        <translation>Pa&amp;gamento</translation>
    </message>
    <message>
        <source>B&amp;et</source>
        <translation>Apo&amp;sta</translation>
    </message>
    <message>
        <source>Donate - Help support this program</source>
        <translation>Doar - Ajude a manter este programa</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Trocar</translation>
    </message>
    <message>
        <source>&amp;Bet</source>
        <translation>&amp;Apostar</translation>
    </message>
    <message>
        <source>Payout &amp;Table</source>
        <translation>&amp;Pagamentos</translation>
    </message>
    <message>
        <source>Pause / Resume Game</source>
        <translation>Pausar / continuar jogo</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Pausar jogo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impressora</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Estratégia</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Jogo pausado</translation>
    </message>
    <message>
        <source>%1 - Credit %2</source>
        <translation>%1 - Saldo %2</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  Close Program?</source>
        <translation>%1: jogo em andamento.  Fechar o programa?</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1</translation>
    </message>
    <message>
        <source>Game Over.  Play Again?</source>
        <translation>Fim de jogo.  Jogar de novo?</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  New Game?</source>
        <translation>%1: jogo em andamento.  Novo jogo?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Pago %1</translation>
    </message>
    <message>
        <source>Click Game - New to play a new game</source>
        <translation>Clique em Jogo - Novo para começar um novo jogo</translation>
    </message>
    <message>
        <source>Hands= %1</source>
        <translation>Mãos= %1</translation>
    </message>
    <message>
        <source>AVG Win= %1</source>
        <translation>Ganho médio= %1</translation>
    </message>
    <message>
        <source>Hi Win= %1</source>
        <translation>Maior ganho= %1</translation>
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
        <translation>Fontes grandes</translation>
    </message>
    <message>
        <source>Small Fonts</source>
        <translation>Fontes pequenas</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Recebidas: %1</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Mantidas: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1, win %2</source>
        <translation>%1, ganho %2</translation>
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
        <translation>velPoker - Baralho</translation>
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
        <translation>Draw Zezuv - Como jogar.
------------------------

1. Escolha a tabela de pagamento. Este jogo oferece várias tabelas de pagamento comuns de vídeo pôquer. A tabela integral (9/6) retorna 99,54%, a (9/5) retorna 98,45% e a (8/6) retorna 98,39%. A (8/5) retorna 97,30%, a (7/5) retorna 96,15% e a (6/5) retorna 95,00%. Os dois números indicam os pagamentos do Full House e do Flush, respectivamente.

2. Escolha quantos pontos apostar em cada mão. O padrão é 5. Você pode escolher de 1 a 5.

3. Pressione Apostar. Você recebe 5 cartas. Escolha as cartas que deseja manter clicando nelas ou pressionando as teclas de 1 a 5.

4. Pressione Trocar. As cartas que você não manteve são substituídas e o jogo avalia a sua mão.

O jogo usa um baralho de 52 cartas, que é embaralhado no início de cada rodada.

O relógio do tempo de jogo é atualizado no fim de cada mão ou quando você clica nele. Ele começa a contar quando o jogo começa. Você pode pausá-lo com o botão de pausa, em Jogo | Pausar jogo ou com Ctrl+P, mas não enquanto as cartas estão sendo distribuídas.
==================================================
Ordem das cartas:

Ás 
Rei 
Dama 
Valete 
Dez 
Nove 
Oito 
Sete 
Seis 
Cinco 
Quatro 
Três 
Dois 
Ás 

O Ás conta como carta baixa (A, 2, 3, 4, 5) ou alta (10, J, Q, K, A).
==================================================
Ordem das mãos:

* Royal Flush - 250 / 800 x aposta (4000 com aposta de 5 pontos).
  Dez, Valete, Dama, Rei e Ás do mesmo naipe.
* Straight Flush - 50 x aposta.
  Cinco cartas em sequência, todas do mesmo naipe.
* Quadra - 25 x aposta.
  Quatro cartas do mesmo valor.
* Full House - 8 x aposta.
  Uma trinca e um par.
* Flush - 5 x aposta.
  Cinco cartas do mesmo naipe.
* Sequência - 4 x aposta.
  Cinco cartas em sequência, nem todas do mesmo naipe.
* Trinca - 3 x aposta.
  Três cartas do mesmo valor.
* Dois Pares - 2 x aposta.
  Dois pares de valores diferentes.
* Par - 1 x aposta.
  O par tem de ser de Valetes ou melhor.
* Nenhuma das anteriores - 0 pontos.
  Qualquer outra mão.

Cada rodada custa 5 pontos, então um par só devolve a sua aposta e com uma mão perdedora você perde cinco pontos. O jogo permite apostar de 1 a 5 pontos por rodada.
==================================================
Opções do programa.

Escolha Jogo | Opções para definir as cores dos painéis das cartas e a mão a partir da qual o jogo comemora a sua vitória:

1 : Valetes ou Melhor
2 : Dois Pares
3 : Trinca
4 : Sequência
5 : Flush
6 : Full House
7 : Quadra
8 : Straight Flush
9 : Royal Flush
0 : Nunca

O padrão é Full House.

Essas configurações são salvas em %1.
--------------------------------------------------
Origem das imagens das cartas:
O gerador de cartas do próprio jogo (tools/cardgen).
</translation>
    </message>
    <message>
        <source>vel Zezuv - Help</source>
        <translation>vel Zezuv - Ajuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>vel Zezuv - About</source>
        <translation>vel Zezuv - Sobre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No FileVersionInfo found</source>
        <translation>Nenhuma informação de versão encontrada</translation>
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
        <translation>Quadra</translation>
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
        <translation>Sequência</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Dois Pares</translation>
    </message>
    <message>
        <source>Pair of Jacks or Better</source>
        <translation>Par de Valetes ou Melhor</translation>
    </message>
    <message>
        <source>vel Zezuv - Payouts</source>
        <translation>vel Zezuv - Pagamentos</translation>
    </message>
    <message>
        <source>Payouts per credit bet</source>
        <translation>Pagamentos por crédito apostado</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mão</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Pagamento</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Valetes ou Melhor</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Dois Pares</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Sequência</translation>
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
        <translation>Quadra</translation>
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
        <translation>Nunca</translation>
    </message>
    <message>
        <source>vel Zezuv - Options</source>
        <translation>vel Zezuv - Opções</translation>
    </message>
    <message>
        <source>Card Panel Color Options</source>
        <translation>Cores dos painéis das cartas</translation>
    </message>
    <message>
        <source>Card Panel</source>
        <translation>Painel da carta</translation>
    </message>
    <message>
        <source>Hold Color</source>
        <translation>Cor ao manter</translation>
    </message>
    <message>
        <source>Win Color</source>
        <translation>Cor do ganho</translation>
    </message>
    <message>
        <source>Celebrate &amp;On</source>
        <translation>&amp;Comemorar</translation>
    </message>
    <message>
        <source>&amp;Scale Cards when using Large Fonts</source>
        <translation>&amp;Ampliar as cartas com fontes grandes</translation>
    </message>
    <message>
        <source>This only affects systems running Large Fonts. When checked you get bigger cards but the graphics are not as sharp.</source>
        <translation>Só vale para sistemas com fontes grandes. Quando marcado, as cartas ficam maiores, mas as imagens ficam menos nítidas.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Padrão</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Estratégia do Video Zezuv

 1. Quadra, Straight Flush, Royal Flush
 2. 4 cartas para Royal Flush
 3. Trinca, Sequência, Flush, Full House
 4. 4 cartas para Straight Flush
 5. Dois Pares
 6. Par alto
 7. 3 cartas para Royal Flush
 8. 4 cartas para Flush
 9. Par baixo
10. 4 cartas para sequência aberta
11. 2 cartas altas do mesmo naipe
12. 3 cartas para Straight Flush
13. 2 cartas altas de naipes diferentes (se houver mais de 2, fique com as 2 mais baixas)
14. 10/J, 10/Q ou 10/K do mesmo naipe
15. Uma carta alta
16. Descarte tudo

Comece pelo topo da lista e pare na primeira linha que corresponder à sua mão.

Esta é uma estratégia simples. Existem estratégias mais complexas que rendem um pouco mais.
==================================================
Termos:

Carta alta: um Valete, uma Dama, um Rei ou um Ás. Vale a pena mantê-las, porque um par delas devolve a sua aposta.

Sequência aberta: quatro cartas em sequência, abertas nas duas pontas, de modo que a sequência pode ser completada em qualquer uma delas, como 7, 8, 9, 10.

Sequência interna: quatro cartas de uma sequência com uma carta faltando no meio, como 6, 7, 9, 10. A, 2, 3, 4 e J, Q, K, A também são sequências internas, porque ficam numa ponta e só podem ser completadas de um jeito.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Strategy</source>
        <translation>vel Zezuv - Estratégia</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Estratégia</translation>
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
        <translation>Se você gosta deste programa e quer fazer uma doação:

Envie 5,00 dólares ou mais pelo PayPal para %1.

Obrigado!

Este programa é gratuito, mas doações são bem-vindas. O PayPal cobra uma taxa sobre pagamentos com cartão de crédito, então de uma doação de 5 dólares sobraria pouco depois das taxas. Se você não gosta do PayPal, escreva para mim em %1 e combinamos outra forma.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Donate</source>
        <translation>vel Zezuv - Doação</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
</context>
<context>
    <name>TGraphPage</name>
    <message>
        <source>Graph of this game</source>
        <translation>Gráfico desta partida</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Expected with the best holds</source>
        <translation>Esperado com as melhores jogadas</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mãos jogadas</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>The graph starts with the first hand drawn while the advisor is open.</source>
        <translation>O gráfico começa na primeira mão trocada com o consultor aberto.</translation>
    </message>
    <message>
        <source>After hand %1: credit %2; expected with the best holds %3.</source>
        <translation>Após a mão %1: saldo %2; esperado com as melhores jogadas %3.</translation>
    </message>
</context>
<context>
    <name>THoldsTable</name>
    <message>
        <source>Keep %1</source>
        <translation>Manter %1</translation>
    </message>
    <message>
        <source>Holds, best first</source>
        <translation>Jogadas, da melhor para a pior</translation>
    </message>
    <message>
        <source>Every way to hold the hand, its expected return in credits and its loss against the best hold</source>
        <translation>Cada maneira de manter a mão, seu retorno esperado em créditos e sua perda em relação à melhor jogada</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Jogada</translation>
    </message>
    <message>
        <source>Expected return</source>
        <translation>Retorno esperado</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perda</translation>
    </message>
    <message>
        <source> (your hold)</source>
        <translation> (a sua)</translation>
    </message>
</context>
<context>
    <name>TMistakesPage</name>
    <message>
        <source>&amp;View all holds</source>
        <translation>&amp;Ver todas as jogadas</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Esta partida</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Prática</translation>
    </message>
    <message>
        <source>Costliest first</source>
        <translation>Mais caros primeiro</translation>
    </message>
    <message>
        <source>In order of play</source>
        <translation>Na ordem do jogo</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mão</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Recebida</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Mantidas</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Custo</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Histórico:</translation>
    </message>
    <message>
        <source>&amp;Listed:</source>
        <translation>Or&amp;dem:</translation>
    </message>
    <message>
        <source>No hands graded yet.</source>
        <translation>Nenhuma mão avaliada ainda.</translation>
    </message>
    <message>
        <source>No mistakes: well played.</source>
        <translation>Nenhum erro: bem jogado.</translation>
    </message>
    <message>
        <source>Best hold: %1, %2 credits on average; yours returns %3.&lt;br&gt;%4</source>
        <translation>Melhor jogada: %1, %2 créditos em média; a sua rende %3.&lt;br&gt;%4</translation>
    </message>
</context>
<context>
    <name>TOddsPage</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Valetes ou Melhor</translation>
    </message>
    <message>
        <source>Final hands with perfect play</source>
        <translation>Mãos finais com jogo perfeito</translation>
    </message>
    <message>
        <source>Final hand</source>
        <translation>Mão final</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Probabilidade</translation>
    </message>
    <message>
        <source>1 in</source>
        <translation>1 em</translation>
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
        <translation>Jogo perfeito em %1 com aposta de %2</translation>
    </message>
    <message>
        <source>Working out the odds of perfect play...</source>
        <translation>Calculando as probabilidades do jogo perfeito...</translation>
    </message>
    <message>
        <source>Return %1%. Variance %2 and standard deviation %3 per hand, in credits per credit bet. A royal flush every %4 hands on average.</source>
        <translation>Retorno de %1%. Variância %2 e desvio padrão %3 por mão, em créditos por crédito apostado. Em média, um Royal Flush a cada %4 mãos.</translation>
    </message>
</context>
<context>
    <name>TPayTableChoice</name>
    <message>
        <source>Pay table</source>
        <translation>Tabela de pagamentos</translation>
    </message>
    <message>
        <source>Pay &amp;table:</source>
        <translation>Pa&amp;gamentos:</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Aposta</translation>
    </message>
    <message>
        <source>&amp;Bet:</source>
        <translation>A&amp;posta:</translation>
    </message>
    <message>
        <source>Name to keep the pay table under</source>
        <translation>Nome com que salvar a tabela de pagamentos</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Keep this pay table under the name, to choose it again in later games</source>
        <translation>Salvar esta tabela de pagamentos com o nome, para escolhê-la de novo em jogos futuros</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Forget the kept pay table</source>
        <translation>Esquecer a tabela de pagamentos salva</translation>
    </message>
    <message>
        <source>In force: %1</source>
        <translation>Em jogo: %1</translation>
    </message>
    <message>
        <source>your own pay table</source>
        <translation>sua própria tabela de pagamentos</translation>
    </message>
    <message>
        <source>Working out the break-even royal flush...</source>
        <translation>Calculando o Royal Flush de equilíbrio...</translation>
    </message>
    <message>
        <source>Even a royal flush of %1 per credit leaves this table below 100%.</source>
        <translation>Mesmo um Royal Flush de %1 por crédito deixa esta tabela abaixo de 100%.</translation>
    </message>
    <message>
        <source>Even with a royal flush that pays nothing, perfect play returns %1%.</source>
        <translation>Mesmo com um Royal Flush que não paga nada, o jogo perfeito retorna %1%.</translation>
    </message>
    <message>
        <source>Break-even royal flush: %1 per credit at bet %2, where perfect play returns %3%.</source>
        <translation>Royal Flush de equilíbrio: %1 por crédito com aposta de %2, onde o jogo perfeito retorna %3%.</translation>
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
        <translation>Royal Flush com aposta %1</translation>
    </message>
    <message>
        <source>Royal Flush at bets 1 to %1</source>
        <translation>Royal Flush com apostas de 1 a %1</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Valetes ou Melhor</translation>
    </message>
    <message>
        <source>%1, pays per credit</source>
        <translation>%1, pagamento por crédito</translation>
    </message>
    <message>
        <source>A pay must be a whole number from 0 to %1</source>
        <translation>Um pagamento deve ser um número inteiro de 0 a %1</translation>
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
        <translation>Cada mão como vier</translation>
    </message>
    <message>
        <source>Close calls only</source>
        <translation>Só decisões apertadas</translation>
    </message>
    <message>
        <source>Close calls: the best hold beats the next best by less than 0.1 credits per credit bet</source>
        <translation>Decisões apertadas: a melhor jogada supera a seguinte por menos de 0,1 crédito por crédito apostado</translation>
    </message>
    <message>
        <source>Graded on %1 at a bet of %2.</source>
        <translation>Avaliado em %1 com aposta de %2.</translation>
    </message>
    <message>
        <source>D&amp;eal:</source>
        <translation>Distri&amp;buição:</translation>
    </message>
    <message>
        <source>Hold the cards you would keep (keys 1 to 5 or a click), then press Enter.</source>
        <translation>Mantenha as cartas que você manteria (teclas 1 a 5 ou um clique) e pressione Enter.</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Recebidas: %1</translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation>MANTER</translation>
    </message>
    <message>
        <source>Grade my hold (Enter)</source>
        <translation>Avaliar minha jogada (Enter)</translation>
    </message>
    <message>
        <source>Next hand (Enter)</source>
        <translation>Próxima mão (Enter)</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Mantidas: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Your practice so far. %1</source>
        <translation>Sua prática até agora. %1</translation>
    </message>
    <message>
        <source>Costliest mistakes:</source>
        <translation>Erros mais caros:</translation>
    </message>
    <message>
        <source>%1 held %2: %3 credits</source>
        <translation>%1, mantidas %2: %3 créditos</translation>
    </message>
</context>
<context>
    <name>TablePrinter</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Nenhuma impressora padrão está selecionada no momento.</translation>
    </message>
</context>
<context>
    <name>vel::AdvisorSession</name>
    <message>
        <source>Draw five new cards</source>
        <translation>Trocar as cinco cartas</translation>
    </message>
    <message>
        <source>draws five new cards</source>
        <translation>troca as cinco cartas</translation>
    </message>
    <message>
        <source>keeps %1</source>
        <translation>mantém %1</translation>
    </message>
    <message>
        <source>This hold gives up %1 credits. The best hold %2.
Draw anyway?</source>
        <translation>Esta jogada perde %1 créditos. A melhor jogada %2.
Trocar mesmo assim?</translation>
    </message>
</context>
</TS>
