<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Card</name>
    <message>
        <source>J</source>
        <comment>corner index of a jack</comment>
        <translation>В</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>corner index of a queen</comment>
        <translation>Д</translation>
    </message>
    <message>
        <source>K</source>
        <comment>corner index of a king</comment>
        <translation>К</translation>
    </message>
    <message>
        <source>A</source>
        <comment>corner index of an ace</comment>
        <translation>Т</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Двойка</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Тройка</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Четвёрка</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Пятёрка</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Шестёрка</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Семёрка</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Восьмёрка</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Девятка</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Десятка</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Валет</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Дама</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Король</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Туз</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>бубен</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>червей</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>пик</translation>
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
        <translation>Роял-флеш</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Стрит-флеш</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Фулл-хаус</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Флеш</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Стрит</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Тройка</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Две пары</translation>
    </message>
    <message>
        <source>High pair (jacks or better)</source>
        <translation>Старшая пара (валеты или выше)</translation>
    </message>
    <message>
        <source>Low pair (twos to tens)</source>
        <translation>Младшая пара (от двоек до десяток)</translation>
    </message>
    <message>
        <source>4 to a royal flush</source>
        <translation>4 к роял-флешу</translation>
    </message>
    <message>
        <source>3 to a royal flush</source>
        <translation>3 к роял-флешу</translation>
    </message>
    <message>
        <source>4 to a straight flush</source>
        <translation>4 к стрит-флешу</translation>
    </message>
    <message>
        <source>4 to an outside straight flush</source>
        <translation>4 к открытому стрит-флешу</translation>
    </message>
    <message>
        <source>4 to an inside straight flush</source>
        <translation>4 к внутреннему стрит-флешу</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, no gap</source>
        <translation>3 к стрит-флешу, без старших карт, без пропусков</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 1 gap</source>
        <translation>3 к стрит-флешу, без старших карт, 1 пропуск</translation>
    </message>
    <message>
        <source>3 to a straight flush, no high card, 2 gaps</source>
        <translation>3 к стрит-флешу, без старших карт, 2 пропуска</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, no gap</source>
        <translation>3 к стрит-флешу, 1 старшая карта, без пропусков</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 1 gap</source>
        <translation>3 к стрит-флешу, 1 старшая карта, 1 пропуск</translation>
    </message>
    <message>
        <source>3 to a straight flush, 1 high card, 2 gaps</source>
        <translation>3 к стрит-флешу, 1 старшая карта, 2 пропуска</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 1 gap</source>
        <translation>3 к стрит-флешу, 2 старшие карты, 1 пропуск</translation>
    </message>
    <message>
        <source>3 to a straight flush, 2 high cards, 2 gaps</source>
        <translation>3 к стрит-флешу, 2 старшие карты, 2 пропуска</translation>
    </message>
    <message>
        <source>4 to a flush</source>
        <translation>4 к флешу</translation>
    </message>
    <message>
        <source>4 to a flush, no high card</source>
        <translation>4 к флешу, без старших карт</translation>
    </message>
    <message>
        <source>4 to a flush, 1 high card</source>
        <translation>4 к флешу, 1 старшая карта</translation>
    </message>
    <message>
        <source>4 to a flush, 2 high cards</source>
        <translation>4 к флешу, 2 старшие карты</translation>
    </message>
    <message>
        <source>4 to a flush, 3 high cards</source>
        <translation>4 к флешу, 3 старшие карты</translation>
    </message>
    <message>
        <source>4 to an outside straight</source>
        <translation>4 к открытому стриту</translation>
    </message>
    <message>
        <source>4 to an outside straight, no high card</source>
        <translation>4 к открытому стриту, без старших карт</translation>
    </message>
    <message>
        <source>4 to an outside straight, 1 high card</source>
        <translation>4 к открытому стриту, 1 старшая карта</translation>
    </message>
    <message>
        <source>4 to an outside straight, 2 high cards</source>
        <translation>4 к открытому стриту, 2 старшие карты</translation>
    </message>
    <message>
        <source>4 to an outside straight, 3 high cards (TJQK)</source>
        <translation>4 к открытому стриту, 3 старшие карты (10ВДК)</translation>
    </message>
    <message>
        <source>4 to an inside straight</source>
        <translation>4 к внутреннему стриту</translation>
    </message>
    <message>
        <source>4 to an inside straight, no high card</source>
        <translation>4 к внутреннему стриту, без старших карт</translation>
    </message>
    <message>
        <source>4 to an inside straight, 1 high card</source>
        <translation>4 к внутреннему стриту, 1 старшая карта</translation>
    </message>
    <message>
        <source>4 to an inside straight, 2 high cards</source>
        <translation>4 к внутреннему стриту, 2 старшие карты</translation>
    </message>
    <message>
        <source>4 to an inside straight, 3 high cards</source>
        <translation>4 к внутреннему стриту, 3 старшие карты</translation>
    </message>
    <message>
        <source>4 to an inside straight, 4 high cards (AKQJ)</source>
        <translation>4 к внутреннему стриту, 4 старшие карты (ТКДВ)</translation>
    </message>
    <message>
        <source>AK suited</source>
        <translation>ТК одной масти</translation>
    </message>
    <message>
        <source>AQ suited</source>
        <translation>ТД одной масти</translation>
    </message>
    <message>
        <source>AJ suited</source>
        <translation>ТВ одной масти</translation>
    </message>
    <message>
        <source>KQ suited</source>
        <translation>КД одной масти</translation>
    </message>
    <message>
        <source>KJ suited</source>
        <translation>КВ одной масти</translation>
    </message>
    <message>
        <source>QJ suited</source>
        <translation>ДВ одной масти</translation>
    </message>
    <message>
        <source>AT suited</source>
        <translation>Т10 одной масти</translation>
    </message>
    <message>
        <source>KT suited</source>
        <translation>К10 одной масти</translation>
    </message>
    <message>
        <source>QT suited</source>
        <translation>Д10 одной масти</translation>
    </message>
    <message>
        <source>JT suited</source>
        <translation>В10 одной масти</translation>
    </message>
    <message>
        <source>AKQ unsuited</source>
        <translation>ТКД разной масти</translation>
    </message>
    <message>
        <source>AKJ unsuited</source>
        <translation>ТКВ разной масти</translation>
    </message>
    <message>
        <source>AQJ unsuited</source>
        <translation>ТДВ разной масти</translation>
    </message>
    <message>
        <source>KQJ unsuited</source>
        <translation>КДВ разной масти</translation>
    </message>
    <message>
        <source>QJ unsuited</source>
        <translation>ДВ разной масти</translation>
    </message>
    <message>
        <source>KJ unsuited</source>
        <translation>КВ разной масти</translation>
    </message>
    <message>
        <source>KQ unsuited</source>
        <translation>КД разной масти</translation>
    </message>
    <message>
        <source>AJ unsuited</source>
        <translation>ТВ разной масти</translation>
    </message>
    <message>
        <source>AQ unsuited</source>
        <translation>ТД разной масти</translation>
    </message>
    <message>
        <source>AK unsuited</source>
        <translation>ТК разной масти</translation>
    </message>
    <message>
        <source>J only</source>
        <translation>Только В</translation>
    </message>
    <message>
        <source>Q only</source>
        <translation>Только Д</translation>
    </message>
    <message>
        <source>K only</source>
        <translation>Только К</translation>
    </message>
    <message>
        <source>A only</source>
        <translation>Только Т</translation>
    </message>
    <message>
        <source>3 to a flush</source>
        <translation>3 к флешу</translation>
    </message>
    <message>
        <source>3 to a flush, 1 high card</source>
        <translation>3 к флешу, 1 старшая карта</translation>
    </message>
    <message>
        <source>3 to a flush, 2 high cards</source>
        <translation>3 к флешу, 2 старшие карты</translation>
    </message>
    <message>
        <source>Royal flush, straight flush or four of a kind</source>
        <translation>Роял-флеш, стрит-флеш или каре</translation>
    </message>
    <message>
        <source>Full house, flush, straight or three of a kind</source>
        <translation>Фулл-хаус, флеш, стрит или тройка</translation>
    </message>
    <message>
        <source>3 to a straight flush, as many high cards as gaps or more</source>
        <translation>3 к стрит-флешу, старших карт не меньше пропусков</translation>
    </message>
    <message>
        <source>3 to a straight flush, one gap more than high cards</source>
        <translation>3 к стрит-флешу, пропусков на 1 больше старших карт</translation>
    </message>
    <message>
        <source>KQ or KJ suited</source>
        <translation>КД или КВ одной масти</translation>
    </message>
    <message>
        <source>AK, AQ or AJ suited</source>
        <translation>ТК, ТД или ТВ одной масти</translation>
    </message>
    <message>
        <source>KQ or KJ unsuited</source>
        <translation>КД или КВ разной масти</translation>
    </message>
    <message>
        <source>AK, AQ or AJ unsuited</source>
        <translation>ТК, ТД или ТВ разной масти</translation>
    </message>
    <message>
        <source>Two unsuited high cards, the lowest two</source>
        <translation>Две старшие карты разной масти, младшие</translation>
    </message>
    <message>
        <source>One high card, the lowest</source>
        <translation>Одна старшая карта, самая младшая</translation>
    </message>
    <message>
        <source>Draw five (hold nothing)</source>
        <translation>Сменить все пять (ничего не оставлять)</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>draw five new cards</source>
        <translation>сменить все пять карт</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Верно: %1</translation>
    </message>
    <message>
        <source>Mistake, costs %1 credits: best is %2</source>
        <translation>Ошибка, потеря %1 кредита; лучший вариант: %2</translation>
    </message>
    <message>
        <source>The chart of this pay table is still being worked out.</source>
        <translation>Таблица стратегии для этой таблицы выплат ещё рассчитывается.</translation>
    </message>
    <message>
        <source>Chart line %1: %2.</source>
        <translation>Строка %1 таблицы: %2.</translation>
    </message>
    <message>
        <source>Hands: %1. Right: %2%. Lost per 100 hands: %3 credits.</source>
        <translation>Раздач: %1. Верно: %2%. Потеря на 100 раздач: %3 кредита.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right.&lt;/b&gt; %1 returns %2 credits on average: no hold returns more.</source>
        <translation>&lt;b&gt;Верно.&lt;/b&gt; %1 в среднем даёт %2 кредита: ни один вариант не даёт больше.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mistake, it costs %1 credits.&lt;/b&gt; %2 returns %3 credits on average; the best hold, %4, returns %5.&lt;br&gt;%6</source>
        <translation>&lt;b&gt;Ошибка, она стоит %1 кредита.&lt;/b&gt; %2 в среднем даёт %3 кредита; лучший вариант, %4, даёт %5.&lt;br&gt;%6</translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>Nothing</source>
        <translation>Ничего</translation>
    </message>
    <message>
        <source>Pair of Jacks</source>
        <translation>Пара валетов</translation>
    </message>
    <message>
        <source>Pair of Queens</source>
        <translation>Пара дам</translation>
    </message>
    <message>
        <source>Pair of Kings</source>
        <translation>Пара королей</translation>
    </message>
    <message>
        <source>Pair of Aces</source>
        <translation>Пара тузов</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Две пары</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Тройка</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Стрит</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Флеш</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Фулл-хаус</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Стрит-флеш</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Роял-флеш</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>9 / 6 : Full Pay</source>
        <translation>9 / 6 : Полная</translation>
    </message>
    <message>
        <source>6 / 5 : Low Pay</source>
        <translation>6 / 5 : Низкая</translation>
    </message>
    <message>
        <source>8 / 6 - Med Pay</source>
        <translation>8 / 6 - Сред.</translation>
    </message>
</context>
<context>
    <name>TAdvisorForm</name>
    <message>
        <source>Deal a hand and the advisor ranks all 32 ways to hold it by the credits each returns on average, best first.</source>
        <translation>Сдайте карты, и советник расставит все 32 способа их оставить по среднему выигрышу в кредитах, начиная с лучшего.</translation>
    </message>
    <message>
        <source>vel Zezuv - Advisor</source>
        <translation>vel Zezuv - Советник</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Шансы</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>H&amp;old These</source>
        <translation>&amp;Оставить эти</translation>
    </message>
    <message>
        <source>Hold the best cards on the table</source>
        <translation>Оставить лучшие карты на столе</translation>
    </message>
    <message>
        <source>&amp;Warn before a costly draw</source>
        <translation>&amp;Предупреждать о плохом обмене</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Эта игра</translation>
    </message>
    <message>
        <source>Session ledger</source>
        <translation>Итоги игры</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Ваши карты: %1</translation>
    </message>
    <message>
        <source>Last hand as dealt: %1</source>
        <translation>Последняя раздача: %1</translation>
    </message>
    <message>
        <source>Best hold: %1, worth %2 credits on average.</source>
        <translation>Лучший вариант: %1, в среднем %2 кредита.</translation>
    </message>
    <message>
        <source>You played the best hold.</source>
        <translation>Вы выбрали лучший вариант.</translation>
    </message>
    <message>
        <source>Your hold gave up %1 credits against %2.</source>
        <translation>Ваш выбор потерял %1 кредита; лучший вариант: %2.</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Сыграно раздач</translation>
    </message>
    <message>
        <source>Expected return of your holds</source>
        <translation>Ожидаемый выигрыш ваших вариантов</translation>
    </message>
    <message>
        <source>Expected return of the best holds</source>
        <translation>Ожидаемый выигрыш лучших вариантов</translation>
    </message>
    <message>
        <source>Lost to mistakes</source>
        <translation>Потеряно из-за ошибок</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Выиграно</translation>
    </message>
    <message>
        <source>Luck (won less expected)</source>
        <translation>Удача (выигрыш минус ожидание)</translation>
    </message>
    <message>
        <source>Working out the return of perfect play...</source>
        <translation>Расчёт отдачи при идеальной игре...</translation>
    </message>
    <message>
        <source>Perfect play returns %1% on %2 at a bet of %3</source>
        <translation>Идеальная игра даёт отдачу %1% (таблица %2, ставка %3)</translation>
    </message>
    <message>
        <source>Any Hand</source>
        <translation>Любая рука</translation>
    </message>
    <message>
        <source>Analyse on &amp;Any Hand</source>
        <translation>Разобрать как &amp;любую руку</translation>
    </message>
    <message>
        <source>Take this hand to the Any Hand page, to try it with other pay tables</source>
        <translation>Перенести эту руку на страницу «Любая рука», чтобы проверить её с другими таблицами выплат</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Банкролл</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Практика</translation>
    </message>
    <message>
        <source>&amp;Mistakes</source>
        <translation>О&amp;шибки</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;График</translation>
    </message>
    <message>
        <source>Tra&amp;ining</source>
        <translation>Тре&amp;нинг</translation>
    </message>
    <message>
        <source>Mistake under review, hand %1 as dealt: %2</source>
        <translation>Разбор ошибки, раздача %1, как сдано: %2</translation>
    </message>
    <message>
        <source>This Hand</source>
        <translation>Раздача</translation>
    </message>
</context>
<context>
    <name>TAnyHandPage</name>
    <message>
        <source>Five cards</source>
        <translation>Пять карт</translation>
    </message>
    <message>
        <source>Five cards as rank and suit: ranks 2 to 10, T, J, Q, K, A; suits c, d, h, s or their symbols; apart by spaces or commas</source>
        <translation>Пять карт как достоинство и масть английскими буквами: достоинства 2–10, T, J, Q, K, A; масти c, d, h, s или их символы; через пробел или запятую</translation>
    </message>
    <message>
        <source>&amp;Cards:</source>
        <translation>&amp;Карты:</translation>
    </message>
    <message>
        <source>Pick five cards</source>
        <translation>Выбрать пять карт</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a card</source>
        <translation>«%1» — не карта</translation>
    </message>
    <message>
        <source>%1 twice</source>
        <translation>%1 дважды</translation>
    </message>
    <message>
        <source>%1 cards: a hand has five</source>
        <translation>Карт: %1, а в руке их пять</translation>
    </message>
    <message>
        <source>Type five cards, such as Kh Kd 9c 8d 3d, or pick them below.</source>
        <translation>Введите пять карт, например Kh Kd 9c 8d 3d, или выберите их ниже.</translation>
    </message>
    <message>
        <source>Only 1 card</source>
        <translation>Только 1 карта</translation>
    </message>
    <message>
        <source>Only %1 cards</source>
        <translation>Мало карт: %1</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Расчёт таблицы стратегии...</translation>
    </message>
</context>
<context>
    <name>TBankrollGraph</name>
    <message>
        <source>Credit: median</source>
        <translation>Счёт: медиана</translation>
    </message>
    <message>
        <source>Credit: %1%</source>
        <translation>Счёт: %1%</translation>
    </message>
    <message>
        <source>Graph of the session</source>
        <translation>График сессии</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Сыграно раздач</translation>
    </message>
    <message>
        <source>Run out (%)</source>
        <translation>Разорение (%)</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Run out by this hand</source>
        <translation>Разорение к этой раздаче</translation>
    </message>
    <message>
        <source>Red: the chance of having run out by each hand. Blue: the credit along the way, its median bold, the middle half between the plain lines, nine in ten sessions between the dashed ones.</source>
        <translation>Красный: вероятность разориться к каждой раздаче. Синий: счёт по ходу сессии, медиана жирным, средняя половина между сплошными линиями, девять сессий из десяти между пунктирными.</translation>
    </message>
    <message>
        <source>%1% by hand %2</source>
        <translation>%1% к раздаче %2</translation>
    </message>
    <message>
        <source>Chance of having run out: %1. Median credit after hand %2: %3.</source>
        <translation>Вероятность разориться: %1. Медиана счёта после раздачи %2: %3.</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bet must be 1 to %1 credits.</source>
        <translation>Ставка должна быть от 1 до %1.</translation>
    </message>
    <message>
        <source>A credit of %1 does not cover the bet of %2: the session could not start.</source>
        <translation>Счёт %1 не покрывает ставку %2: сессия не смогла бы начаться.</translation>
    </message>
    <message>
        <source>The credit can be at most %1.</source>
        <translation>Счёт может быть не больше %1.</translation>
    </message>
    <message>
        <source>The session needs at least one hand.</source>
        <translation>В сессии нужна хотя бы одна раздача.</translation>
    </message>
    <message>
        <source>The session can be at most %1 hands.</source>
        <translation>Раздач в сессии: не больше %1.</translation>
    </message>
    <message>
        <source>These pays give no figures for a session.</source>
        <translation>Эти выплаты не дают результатов для сессии.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Остановлено.</translation>
    </message>
    <message>
        <source>Credit to start with</source>
        <translation>Начальный счёт</translation>
    </message>
    <message>
        <source>Hands to play</source>
        <translation>Сколько раздач сыграть</translation>
    </message>
    <message>
        <source>C&amp;redit:</source>
        <translation>С&amp;чёт:</translation>
    </message>
    <message>
        <source>&amp;Hands:</source>
        <translation>&amp;Раздачи:</translation>
    </message>
    <message>
        <source>&amp;Perfect play</source>
        <translation>Ид&amp;еальная игра</translation>
    </message>
    <message>
        <source>By the &amp;strategy chart</source>
        <translation>По таблице стр&amp;атегии</translation>
    </message>
    <message>
        <source>Every hand held as the first matching line of the chart says, as people play</source>
        <translation>Каждая раздача разыграна по первой подходящей строке таблицы, как играют люди</translation>
    </message>
    <message>
        <source>Working out the figures...</source>
        <translation>Расчёт результатов...</translation>
    </message>
    <message>
        <source>median</source>
        <translation>медиана</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Royal flush before ruin:</source>
        <translation>Роял-флеш до разорения:</translation>
    </message>
    <message>
        <source>Credit for a risk of ruin of %1:</source>
        <translation>Счёт для риска разорения %1:</translation>
    </message>
    <message>
        <source>These pays spread the credit too far to follow over a session this long.</source>
        <translation>Эти выплаты слишком сильно разбрасывают счёт, чтобы проследить его за такую длинную сессию.</translation>
    </message>
    <message>
        <source>Risk of ruin in the session:</source>
        <translation>Риск разорения за сессию:</translation>
    </message>
    <message>
        <source>Royal flush in the session:</source>
        <translation>Роял-флеш за сессию:</translation>
    </message>
    <message>
        <source>Finish the session ahead:</source>
        <translation>Сессия закончена в плюсе:</translation>
    </message>
    <message>
        <source>Credit at the session&apos;s end:</source>
        <translation>Счёт в конце сессии:</translation>
    </message>
    <message>
        <source>Mean credit at the session&apos;s end:</source>
        <translation>Средний счёт в конце сессии:</translation>
    </message>
</context>
<context>
    <name>TCardPanel</name>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, карта оставлена</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>Strategy chart: hold what the first matching line says</source>
        <translation>Таблица стратегии: оставьте то, что указано в первой подходящей строке</translation>
    </message>
    <message>
        <source>Hold the first of these the hand shows</source>
        <translation>Оставьте первое из списка, что есть в раздаче</translation>
    </message>
    <message>
        <source>Working out the strategy chart...</source>
        <translation>Расчёт таблицы стратегии...</translation>
    </message>
    <message>
        <source>Played line by line this chart returns %1, perfect play %2: it gives up %3 of every bet.</source>
        <translation>При игре строго по строкам таблица даёт отдачу %1, идеальная игра — %2: потеря %3 каждой ставки.</translation>
    </message>
    <message>
        <source>Deal a hand: the line it matches is marked.</source>
        <translation>Сдайте карты: подходящая строка будет выделена.</translation>
    </message>
    <message>
        <source>Line %1 matches: %2.</source>
        <translation>Подходит строка %1: %2.</translation>
    </message>
    <message>
        <source> The best hold is %1, worth %2 credits more.</source>
        <translation> Лучший вариант — %1, он приносит на %2 кредита больше.</translation>
    </message>
</context>
<context>
    <name>TElapsedTimeLabel</name>
    <message>
        <source>Elapsed Time %1</source>
        <translation>Время игры %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>HOLD</source>
        <translation>ДЕРЖАТЬ</translation>
    </message>
    <message>
        <source>Draw Zezuv</source>
        <translation>Draw Zezuv</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Валеты или выше</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Current Bet  %1</source>
        <translation>Ставка  %1</translation>
    </message>
    <message>
        <source>&amp;Payout</source>
        <translation>&amp;Выплаты</translation>
    </message>
    <message>
        <source>B&amp;et</source>
        <translation>Ст&amp;авка</translation>
    </message>
    <message>
        <source>Donate - Help support this program</source>
        <translation>Пожертвование - поддержите эту программу</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Пожертвование</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Обмен</translation>
    </message>
    <message>
        <source>&amp;Bet</source>
        <translation>С&amp;дать</translation>
    </message>
    <message>
        <source>Payout &amp;Table</source>
        <translation>&amp;Таблица выплат</translation>
    </message>
    <message>
        <source>Pause / Resume Game</source>
        <translation>Пауза / продолжение игры</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Настройка принтера</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Стратегия</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Игра на паузе</translation>
    </message>
    <message>
        <source>%1 - Credit %2</source>
        <translation>%1 - Счёт %2</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  Close Program?</source>
        <translation>%1: Идёт игра.  Закрыть программу?</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся записать файл %1</translation>
    </message>
    <message>
        <source>Game Over.  Play Again?</source>
        <translation>Игра окончена.  Сыграть ещё раз?</translation>
    </message>
    <message>
        <source>%1 Game in Progress.  New Game?</source>
        <translation>%1: Идёт игра.  Начать новую игру?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Приз %1</translation>
    </message>
    <message>
        <source>Click Game - New to play a new game</source>
        <translation>Выберите Игра - Новая игра, чтобы начать новую игру</translation>
    </message>
    <message>
        <source>Hands= %1</source>
        <translation>Раздачи= %1</translation>
    </message>
    <message>
        <source>AVG Win= %1</source>
        <translation>Ср. выигр.= %1</translation>
    </message>
    <message>
        <source>Hi Win= %1</source>
        <translation>Макс. выигр.= %1</translation>
    </message>
    <message>
        <source>Hi Score= %1</source>
        <translation>Макс. счёт= %1</translation>
    </message>
    <message>
        <source>Lo Score= %1</source>
        <translation>Мин. счёт= %1</translation>
    </message>
    <message>
        <source>Copyright %1</source>
        <translation>Copyright %1</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Установлена</translation>
    </message>
    <message>
        <source>Portable</source>
        <translation>Портативная</translation>
    </message>
    <message>
        <source>Large Fonts</source>
        <translation>Крупный шрифт</translation>
    </message>
    <message>
        <source>Small Fonts</source>
        <translation>Мелкий шрифт</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Сдано: %1</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Оставлено: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>ничего</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1, win %2</source>
        <translation>%1, выигрыш %2</translation>
    </message>
    <message>
        <source>%1, credit %2</source>
        <translation>%1, счёт %2</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>velPoker - Deck</source>
        <translation>velPoker - Колода</translation>
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
        <translation>Draw Zezuv - Как играть.
------------------------

1. Выберите таблицу выплат. В игре есть несколько распространённых таблиц выплат видеопокера. Отдача полной таблицы (9/6) составляет 99,54%, таблицы (9/5) — 98,45%, таблицы (8/6) — 98,39%. Отдача таблицы (8/5) составляет 97,30%, (7/5) — 96,15%, (6/5) — 95,00%. Два числа — это выплаты за фулл-хаус и флеш соответственно.

2. Выберите, сколько очков ставить на каждую раздачу. По умолчанию — 5. Можно выбрать от 1 до 5.

3. Нажмите «Сдать». Вам сдаются 5 карт. Отметьте карты, которые хотите оставить, щёлкнув по ним или нажав на клавиатуре клавиши от 1 до 5.

4. Нажмите «Обмен». Карты, которые вы не оставили, будут заменены, и игра оценит вашу комбинацию.

В игре используется одна колода из 52 карт, которая тасуется перед каждой раздачей.

Часы времени игры обновляются в конце каждой раздачи или при щелчке по ним. Они запускаются с началом игры. Их можно приостановить кнопкой паузы, командой Игра | Пауза или клавишами Ctrl+P, но не во время сдачи карт.
==================================================
Старшинство карт:

Туз 
Король 
Дама 
Валет 
Десятка 
Девятка 
Восьмёрка 
Семёрка 
Шестёрка 
Пятёрка 
Четвёрка 
Тройка 
Двойка 
Туз 

Туз может быть младшей картой (Т, 2, 3, 4, 5) или старшей (10, В, Д, К, Т).
==================================================
Старшинство комбинаций:

* Роял-флеш - 250 / 800 x ставка (4000 при ставке 5 очков).
  Десятка, валет, дама, король и туз одной масти.
* Стрит-флеш - 50 x ставка.
  Пять карт подряд одной масти.
* Каре - 25 x ставка.
  Четыре карты одного достоинства.
* Фулл-хаус - 8 x ставка.
  Тройка и пара.
* Флеш - 5 x ставка.
  Пять карт одной масти.
* Стрит - 4 x ставка.
  Пять карт подряд, не все одной масти.
* Тройка - 3 x ставка.
  Три карты одного достоинства.
* Две пары - 2 x ставка.
  Две пары разного достоинства.
* Пара - 1 x ставка.
  Пара должна быть из валетов или старше.
* Ничего из перечисленного - 0 очков.
  Любая другая комбинация.

Каждый кон стоит 5 очков, так что пара лишь возвращает ставку, а проигрышная комбинация отнимает пять очков. Игра позволяет ставить от 1 до 5 очков за раздачу.
==================================================
Параметры программы.

Выберите Игра | Параметры, чтобы задать цвета полей карт и комбинацию, начиная с которой игра празднует ваш выигрыш:

1 : Валеты или выше
2 : Две пары
3 : Тройка
4 : Стрит
5 : Флеш
6 : Фулл-хаус
7 : Каре
8 : Стрит-флеш
9 : Роял-флеш
0 : Никогда

По умолчанию — фулл-хаус.

Эти настройки сохраняются в %1.
--------------------------------------------------
Источник изображений карт:
Собственный генератор карт игры (tools/cardgen).
</translation>
    </message>
    <message>
        <source>vel Zezuv - Help</source>
        <translation>vel Zezuv - Справка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>vel Zezuv - About</source>
        <translation>vel Zezuv - О программе</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No FileVersionInfo found</source>
        <translation>Сведения о версии не найдены</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Royal Flush</source>
        <translation>Роял-флеш</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Стрит-флеш</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Фулл-хаус</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Флеш</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Стрит</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Тройка</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Две пары</translation>
    </message>
    <message>
        <source>Pair of Jacks or Better</source>
        <translation>Пара валетов или выше</translation>
    </message>
    <message>
        <source>vel Zezuv - Payouts</source>
        <translation>vel Zezuv - Выплаты</translation>
    </message>
    <message>
        <source>Payouts per credit bet</source>
        <translation>Выплаты на кредит ставки</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Комбинация</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Выплата</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Валеты или выше</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Две пары</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Тройка</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Стрит</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Флеш</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Фулл-хаус</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Стрит-флеш</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Роял-флеш</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Никогда</translation>
    </message>
    <message>
        <source>vel Zezuv - Options</source>
        <translation>vel Zezuv - Параметры</translation>
    </message>
    <message>
        <source>Card Panel Color Options</source>
        <translation>Цвета полей карт</translation>
    </message>
    <message>
        <source>Card Panel</source>
        <translation>Поле карты</translation>
    </message>
    <message>
        <source>Hold Color</source>
        <translation>Оставленная</translation>
    </message>
    <message>
        <source>Win Color</source>
        <translation>Выигрышная</translation>
    </message>
    <message>
        <source>Celebrate &amp;On</source>
        <translation>&amp;Праздновать</translation>
    </message>
    <message>
        <source>&amp;Scale Cards when using Large Fonts</source>
        <translation>&amp;Масштабировать карты при крупном шрифте</translation>
    </message>
    <message>
        <source>This only affects systems running Large Fonts. When checked you get bigger cards but the graphics are not as sharp.</source>
        <translation>Влияет только на системы с крупным шрифтом. Если включено, карты крупнее, но изображение менее чёткое.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сброс</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Стратегия Video Zezuv

 1. Каре, стрит-флеш, роял-флеш
 2. 4 к роял-флешу
 3. Тройка, стрит, флеш, фулл-хаус
 4. 4 к стрит-флешу
 5. Две пары
 6. Старшая пара
 7. 3 к роял-флешу
 8. 4 к флешу
 9. Младшая пара
10. 4 к открытому стриту
11. 2 старшие карты одной масти
12. 3 к стрит-флешу
13. 2 старшие карты разной масти (если их больше 2, оставьте 2 младшие)
14. 10/В, 10/Д или 10/К одной масти
15. Одна старшая карта
16. Сменить все карты

Начните с верха списка и остановитесь на первой строке, подходящей к вашим картам.

Это простая стратегия. Есть более сложные стратегии, которые дают немного больше.
==================================================
Термины:

Старшая карта: валет, дама, король или туз. Их стоит оставлять, потому что пара из них возвращает ставку.

Открытый стрит: четыре карты подряд, открытые с обоих концов, так что стрит можно собрать с любого конца, например 7, 8, 9, 10.

Внутренний стрит: четыре карты к стриту, среди которых не хватает карты в середине, например 6, 7, 9, 10. Т, 2, 3, 4 и В, Д, К, Т — тоже внутренние стриты, потому что они стоят на самом краю и собрать их можно только одним способом.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Strategy</source>
        <translation>vel Zezuv - Стратегия</translation>
    </message>
    <message>
        <source>Strategy</source>
        <translation>Стратегия</translation>
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
        <translation>Если вам нравится эта программа и вы хотите сделать пожертвование:

Пожалуйста, отправьте от 5,00 USD через PayPal на адрес %1.

Спасибо!

Программа бесплатна, но пожертвования приветствуются. PayPal берёт комиссию с платежей по кредитным картам, так что от пожертвования в 5 USD после вычета комиссии осталось бы немного. Если вы не любите PayPal, напишите мне на адрес %1, и мы договоримся о другом способе.
</translation>
    </message>
    <message>
        <source>vel Zezuv - Donate</source>
        <translation>vel Zezuv - Пожертвование</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Пожертвование</translation>
    </message>
</context>
<context>
    <name>TGraphPage</name>
    <message>
        <source>Graph of this game</source>
        <translation>График этой игры</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Expected with the best holds</source>
        <translation>Ожидание при лучших вариантах</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Сыграно раздач</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Кредиты</translation>
    </message>
    <message>
        <source>The graph starts with the first hand drawn while the advisor is open.</source>
        <translation>График начинается с первой раздачи, сыгранной при открытом советнике.</translation>
    </message>
    <message>
        <source>After hand %1: credit %2; expected with the best holds %3.</source>
        <translation>После раздачи %1: счёт %2; ожидание при лучших вариантах %3.</translation>
    </message>
</context>
<context>
    <name>THoldsTable</name>
    <message>
        <source>Keep %1</source>
        <translation>Оставить: %1</translation>
    </message>
    <message>
        <source>Holds, best first</source>
        <translation>Варианты, начиная с лучшего</translation>
    </message>
    <message>
        <source>Every way to hold the hand, its expected return in credits and its loss against the best hold</source>
        <translation>Каждый способ оставить карты, его ожидаемый выигрыш в кредитах и потеря относительно лучшего варианта</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Expected return</source>
        <translation>В среднем</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Потеря</translation>
    </message>
    <message>
        <source> (your hold)</source>
        <translation> (ваш выбор)</translation>
    </message>
</context>
<context>
    <name>TMistakesPage</name>
    <message>
        <source>&amp;View all holds</source>
        <translation>Показать &amp;все варианты</translation>
    </message>
    <message>
        <source>This game</source>
        <translation>Эта игра</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Практика</translation>
    </message>
    <message>
        <source>Costliest first</source>
        <translation>Сначала самые дорогие</translation>
    </message>
    <message>
        <source>In order of play</source>
        <translation>В порядке игры</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Ошибки</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Раздача</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Сдано</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Оставлено</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Журнал:</translation>
    </message>
    <message>
        <source>&amp;Listed:</source>
        <translation>Пор&amp;ядок:</translation>
    </message>
    <message>
        <source>No hands graded yet.</source>
        <translation>Оценённых раздач пока нет.</translation>
    </message>
    <message>
        <source>No mistakes: well played.</source>
        <translation>Ошибок нет: хорошая игра.</translation>
    </message>
    <message>
        <source>Best hold: %1, %2 credits on average; yours returns %3.&lt;br&gt;%4</source>
        <translation>Лучший вариант: %1, в среднем %2 кредита; ваш даёт %3.&lt;br&gt;%4</translation>
    </message>
</context>
<context>
    <name>TOddsPage</name>
    <message>
        <source>Jacks or Better</source>
        <translation>Валеты или выше</translation>
    </message>
    <message>
        <source>Final hands with perfect play</source>
        <translation>Итоговые комбинации при идеальной игре</translation>
    </message>
    <message>
        <source>Final hand</source>
        <translation>Комбинация</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Вероятн.</translation>
    </message>
    <message>
        <source>1 in</source>
        <translation>1 из</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Приз</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Отдача</translation>
    </message>
    <message>
        <source>Perfect play on %1 at a bet of %2</source>
        <translation>Идеальная игра: таблица %1, ставка %2</translation>
    </message>
    <message>
        <source>Working out the odds of perfect play...</source>
        <translation>Расчёт шансов при идеальной игре...</translation>
    </message>
    <message>
        <source>Return %1%. Variance %2 and standard deviation %3 per hand, in credits per credit bet. A royal flush every %4 hands on average.</source>
        <translation>Отдача %1%. Дисперсия %2 и стандартное отклонение %3 на раздачу, в кредитах на кредит ставки. Среднее число раздач на один роял-флеш: %4.</translation>
    </message>
</context>
<context>
    <name>TPayTableChoice</name>
    <message>
        <source>Pay table</source>
        <translation>Таблица выплат</translation>
    </message>
    <message>
        <source>Pay &amp;table:</source>
        <translation>&amp;Таблица выплат:</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Ставка</translation>
    </message>
    <message>
        <source>&amp;Bet:</source>
        <translation>&amp;Ставка:</translation>
    </message>
    <message>
        <source>Name to keep the pay table under</source>
        <translation>Имя, под которым сохранить таблицу выплат</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Keep this pay table under the name, to choose it again in later games</source>
        <translation>Сохранить эту таблицу выплат под этим именем, чтобы выбирать её в следующих играх</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Forget the kept pay table</source>
        <translation>Забыть сохранённую таблицу выплат</translation>
    </message>
    <message>
        <source>In force: %1</source>
        <translation>В игре: %1</translation>
    </message>
    <message>
        <source>your own pay table</source>
        <translation>ваша</translation>
    </message>
    <message>
        <source>Working out the break-even royal flush...</source>
        <translation>Расчёт безубыточного роял-флеша...</translation>
    </message>
    <message>
        <source>Even a royal flush of %1 per credit leaves this table below 100%.</source>
        <translation>Даже роял-флеш по %1 за кредит оставляет эту таблицу ниже 100%.</translation>
    </message>
    <message>
        <source>Even with a royal flush that pays nothing, perfect play returns %1%.</source>
        <translation>Даже если роял-флеш ничего не платит, идеальная игра даёт отдачу %1%.</translation>
    </message>
    <message>
        <source>Break-even royal flush: %1 per credit at bet %2, where perfect play returns %3%.</source>
        <translation>Безубыточный роял-флеш: %1 за кредит при ставке %2; идеальная игра тогда даёт отдачу %3%.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Своя</translation>
    </message>
</context>
<context>
    <name>TPayTableEditor</name>
    <message>
        <source>Royal Flush at bet %1</source>
        <translation>Роял-флеш при ставке %1</translation>
    </message>
    <message>
        <source>Royal Flush at bets 1 to %1</source>
        <translation>Роял-флеш при ставках 1–%1</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <translation>Валеты или выше</translation>
    </message>
    <message>
        <source>%1, pays per credit</source>
        <translation>%1, выплата за кредит</translation>
    </message>
    <message>
        <source>A pay must be a whole number from 0 to %1</source>
        <translation>Выплата должна быть целым числом от 0 до %1</translation>
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
        <translation>Все раздачи подряд</translation>
    </message>
    <message>
        <source>Close calls only</source>
        <translation>Только трудные решения</translation>
    </message>
    <message>
        <source>Close calls: the best hold beats the next best by less than 0.1 credits per credit bet</source>
        <translation>Трудные решения: лучший вариант опережает следующий меньше чем на 0,1 кредита на кредит ставки</translation>
    </message>
    <message>
        <source>Graded on %1 at a bet of %2.</source>
        <translation>Оценка: таблица %1, ставка %2.</translation>
    </message>
    <message>
        <source>D&amp;eal:</source>
        <translation>С&amp;дача:</translation>
    </message>
    <message>
        <source>Hold the cards you would keep (keys 1 to 5 or a click), then press Enter.</source>
        <translation>Оставьте карты, которые сохранили бы (клавиши 1–5 или щелчок), затем нажмите Enter.</translation>
    </message>
    <message>
        <source>Dealt: %1</source>
        <translation>Сдано: %1</translation>
    </message>
    <message>
        <source>HOLD</source>
        <translation>ДЕРЖАТЬ</translation>
    </message>
    <message>
        <source>Grade my hold (Enter)</source>
        <translation>Оценить мой выбор (Enter)</translation>
    </message>
    <message>
        <source>Next hand (Enter)</source>
        <translation>Следующая раздача (Enter)</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Оставлено: %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>ничего</translation>
    </message>
    <message>
        <source>Your practice so far. %1</source>
        <translation>Итоги практики. %1</translation>
    </message>
    <message>
        <source>Costliest mistakes:</source>
        <translation>Самые дорогие ошибки:</translation>
    </message>
    <message>
        <source>%1 held %2: %3 credits</source>
        <translation>%1, оставлено %2: %3 кредита</translation>
    </message>
</context>
<context>
    <name>TablePrinter</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Принтер по умолчанию не выбран.</translation>
    </message>
</context>
<context>
    <name>vel::AdvisorSession</name>
    <message>
        <source>Draw five new cards</source>
        <translation>Сменить все пять карт</translation>
    </message>
    <message>
        <source>draws five new cards</source>
        <translation>меняет все пять карт</translation>
    </message>
    <message>
        <source>keeps %1</source>
        <translation>оставляет %1</translation>
    </message>
    <message>
        <source>This hold gives up %1 credits. The best hold %2.
Draw anyway?</source>
        <translation>Этот вариант теряет %1 кредита. Лучший вариант %2.
Всё равно менять?</translation>
    </message>
</context>
</TS>
