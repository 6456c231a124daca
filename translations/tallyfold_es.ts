<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutFrm</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game logo</source>
        <translation>Logotipo de Tallyfold, el juego de números</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game</source>
        <translation>Tallyfold, el juego de números</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1.
All rights reserved.</source>
        <translation>Copyright © 2026 %1.
Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>E-mail %1</source>
        <translation>Escribe a %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game: %1.%2</source>
        <translation>Tallyfold, el juego de números: %1.%2</translation>
    </message>
    <message>
        <source>No mail program could be opened. You can write to %1 at:
%2</source>
        <extracomment>Shown when clicking the about window&apos;s mail link opens no mail program; %1 the author&apos;s name, %2 the mail address.</extracomment>
        <translation>No se pudo abrir ningún programa de correo. Puede escribir a %1 a:
%2</translation>
    </message>
</context>
<context>
    <name>AnswerFrm</name>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>Your numbers: %1    Target: %2</source>
        <translation>Tus números: %1    Objetivo: %2</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <translation>&amp;Paso a paso</translation>
    </message>
    <message>
        <source>&amp;Type it</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>&amp;Declare</source>
        <translation>&amp;Declarar</translation>
    </message>
    <message>
        <source>&amp;No answer</source>
        <translation>&amp;Sin respuesta</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>&amp;Answer (digits, + - x / and parentheses):</source>
        <translation>&amp;Respuesta (cifras, + - x / y paréntesis):</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>&amp;Copiar resultado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>Resultado %1</translation>
    </message>
    <message>
        <source>Choose a number, or make a step, to declare.</source>
        <translation>Elige un número o da un paso antes de declarar.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Sin respuesta.</translation>
    </message>
    <message>
        <source>You reached %1 exactly.</source>
        <translation>Has llegado exactamente a %1.</translation>
    </message>
    <message>
        <source>You reached %1, %2 away from %3.</source>
        <translation>Has llegado a %1, a %2 de %3.</translation>
    </message>
    <message>
        <source>Best possible: %1, for example %2.</source>
        <translation>Mejor resultado posible: %1, por ejemplo %2.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away, for example %3 = %4.</source>
        <translation>Mejor resultado posible: %1, a %2 del objetivo, por ejemplo %3 = %4.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>1 point.</source>
        <translation>1 punto.</translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n punto.</numerusform>
            <numerusform>%n puntos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The answer is empty.</source>
        <translation>La respuesta está vacía.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; at character %2 is not a number, an operation or a bracket.</source>
        <translation>«%1», en la posición %2, no es un número, una operación ni un paréntesis.</translation>
    </message>
    <message>
        <source>A number is missing at the end.</source>
        <translation>Falta un número al final.</translation>
    </message>
    <message>
        <source>A number is missing before &apos;%1&apos; at character %2.</source>
        <translation>Falta un número antes de «%1», en la posición %2.</translation>
    </message>
    <message>
        <source>An operation is missing before &apos;%1&apos; at character %2.</source>
        <translation>Falta una operación antes de «%1», en la posición %2.</translation>
    </message>
    <message>
        <source>The bracket at character %1 is never closed.</source>
        <translation>El paréntesis de la posición %1 nunca se cierra.</translation>
    </message>
    <message>
        <source>The bracket at character %1 closes nothing.</source>
        <translation>El paréntesis de la posición %1 no cierra ninguno abierto.</translation>
    </message>
    <message>
        <source>%1 is far too large to be one of your numbers.</source>
        <translation>%1 es demasiado grande para ser uno de tus números.</translation>
    </message>
    <message>
        <source>%1 is not one of your numbers.</source>
        <translation>%1 no es uno de tus números.</translation>
    </message>
    <message>
        <source>%1 is used more often than you have it.</source>
        <translation>%1 se usa más veces de las que lo tienes.</translation>
    </message>
    <message>
        <source>Step %1, %2: the division is not exact.</source>
        <translation>Paso %1, %2: la división no es exacta.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result must be a positive whole number.</source>
        <translation>Paso %1, %2: el resultado debe ser un número entero positivo.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result is too large.</source>
        <translation>Paso %1, %2: el resultado es demasiado grande.</translation>
    </message>
    <message>
        <source>This board and target are rated %1.</source>
        <extracomment>%1: a rating, such as &quot;Hard&quot;.</extracomment>
        <translation>Estos números y este objetivo se califican como %1.</translation>
    </message>
    <message>
        <source>Time to solve: %1 seconds.</source>
        <extracomment>%1: seconds, with one decimal.</extracomment>
        <translation>Tiempo de resolución: %1 segundos.</translation>
    </message>
    <message>
        <source>1 hint taken: 1 point less.</source>
        <translation>1 pista usada: 1 punto menos.</translation>
    </message>
    <message numerus="yes">
        <source>%n hints taken: %n points less.</source>
        <translation>
            <numerusform>%n pista usada: %n punto menos.</numerusform>
            <numerusform>%n pistas usadas: %n puntos menos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares 1 of your steps.</source>
        <translation>La más cercana a la tuya: %1, que comparte 1 de tus pasos.</translation>
    </message>
    <message numerus="yes">
        <source>Closest to yours: %1, which shares %n of your steps.</source>
        <translation>
            <numerusform>La más cercana a la tuya: %1, que comparte %n de tus pasos.</numerusform>
            <numerusform>La más cercana a la tuya: %1, que comparte %n de tus pasos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your step %1, %2, is where the two part: it takes %3.</source>
        <extracomment>%1: the step&apos;s number; %2: the player&apos;s step; %3: the answer&apos;s step instead.</extracomment>
        <translation>Tu paso %1, %2, es donde se separan: ella hace %3.</translation>
    </message>
    <message>
        <source>It takes all your steps, then %1.</source>
        <translation>Hace todos tus pasos y luego %1.</translation>
    </message>
    <message>
        <source>Its first step is %1.</source>
        <translation>Su primer paso es %1.</translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares none of your steps.</source>
        <extracomment>%1: an answer in the game&apos;s notation.</extracomment>
        <translation>La más cercana a la tuya: %1, que no comparte ninguno de tus pasos.</translation>
    </message>
    <message>
        <source>&amp;Ready</source>
        <translation>&amp;Listo</translation>
    </message>
</context>
<context>
    <name>CodeFrm</name>
    <message>
        <source>Play a board code</source>
        <translation>Jugar un código</translation>
    </message>
    <message>
        <source>&amp;Board code, as TF-98X-KKC:</source>
        <translation>&amp;Código de la partida, como TF-98X-KKC:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, does not belong there: a code starts with TF.</source>
        <extracomment>%1: the place of the character (from 1); %2: the character as typed.</extracomment>
        <translation>El carácter %1, «%2», no va ahí: un código empieza por TF.</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, is not one a code has (it has 2 to 9 and the letters but I, L and O).</source>
        <translation>El carácter %1, «%2», no está en ningún código (tiene del 2 al 9 y las letras menos I, L y O).</translation>
    </message>
    <message>
        <source>A code has %1 characters after TF, this has %2.</source>
        <extracomment>%1: how many characters a code has after TF; %2: how many the text has.</extracomment>
        <translation>Un código tiene %1 caracteres tras TF, este tiene %2.</translation>
    </message>
    <message>
        <source>The check character does not match: a character is mistyped or two are swapped, but which cannot be told.</source>
        <translation>El carácter de control no coincide: hay un carácter mal escrito o dos intercambiados, pero no se puede saber cuáles.</translation>
    </message>
    <message>
        <source>The check character matches, but the code names no board: more than one character is wrong.</source>
        <translation>El carácter de control coincide, pero el código no corresponde a ninguna partida: hay más de un carácter mal.</translation>
    </message>
</context>
<context>
    <name>DaysFrm</name>
    <message>
        <source>Past days</source>
        <translation>Días anteriores</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <extracomment>Under a day of the calendar: the points of its result, in short.</extracomment>
        <translation>%1 pts</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1: not played</source>
        <extracomment>%1: a date, as &quot;Friday, 11 December 2026&quot;.</extracomment>
        <translation>%1: sin jugar</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>%1: %2, no answer</source>
        <extracomment>%1: a date; %2: its points (&quot;0 points&quot;).</extracomment>
        <translation>%1: %2, sin respuesta</translation>
    </message>
    <message>
        <source>%1: %2, exact</source>
        <translation>%1: %2, exacto</translation>
    </message>
    <message>
        <source>%1: %2, %3 away</source>
        <extracomment>%1: a date; %2: its points; %3: how far the answer was from the target.</extracomment>
        <translation>%1: %2, a %3</translation>
    </message>
</context>
<context>
    <name>FallChart</name>
    <message>
        <source>Best possible</source>
        <translation>Lo mejor posible</translation>
    </message>
    <message>
        <source>1 to 5 off</source>
        <translation>De 1 a 5</translation>
    </message>
    <message>
        <source>6 to 10 off</source>
        <translation>De 6 a 10</translation>
    </message>
    <message>
        <source>Over 10 off</source>
        <translation>Más de 10</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Sin respuesta</translation>
    </message>
    <message>
        <source>How far answers fell</source>
        <translation>Distancia de las respuestas</translation>
    </message>
</context>
<context>
    <name>GameCaptions</name>
    <message>
        <source>START</source>
        <translation>EMPEZAR</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>PLAY AGAIN</source>
        <translation>OTRA VEZ</translation>
    </message>
    <message>
        <source>Show Answer(s)</source>
        <translation>Ver soluciones</translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation>Parar búsqueda</translation>
    </message>
    <message>
        <source>Search Finished</source>
        <translation>Fin de búsqueda</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
</context>
<context>
    <name>GameFrm</name>
    <message>
        <source>Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, the last row contains the numbers 25, 50, 75 and 100.</source>
        <translation>Elige 6 números de abajo. Las 2 primeras filas tienen los números del 1 al 10; la última, los números 25, 50, 75 y 100.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Manual setup</source>
        <translation>Partida &amp;manual</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s board</source>
        <translation>Partida de &amp;hoy</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>The Numbers Game</source>
        <translation>El juego de números</translation>
    </message>
    <message>
        <source>Chosen number %1</source>
        <translation>Número elegido %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Estado de la búsqueda</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>Face-down tile %1, row %2</source>
        <translation>Ficha boca abajo %1, fila %2</translation>
    </message>
    <message>
        <source>Time is up.</source>
        <translation>Se acabó el tiempo.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n seconds left</source>
        <translation>
            <numerusform>Reloj: queda %n segundo</numerusform>
            <numerusform>Reloj: quedan %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n seconds</source>
        <translation>
            <numerusform>%1 de %n segundo</numerusform>
            <numerusform>%1 de %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>This try is not recorded; the day&apos;s first result is: %1</source>
        <translation>Este intento no se registra; el primer resultado del día es: %1</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Clock: off</source>
        <translation>Reloj: apagado</translation>
    </message>
    <message>
        <source>This round is played without the clock.</source>
        <translation>Esta ronda se juega sin reloj.</translation>
    </message>
    <message>
        <source>Board &amp;codes</source>
        <translation>&amp;Códigos</translation>
    </message>
    <message>
        <source>&amp;Copy board code</source>
        <translation>&amp;Copiar el código de la partida</translation>
    </message>
    <message>
        <source>&amp;Play a board code...</source>
        <translation>&amp;Jugar un código...</translation>
    </message>
    <message>
        <source>Past &amp;days</source>
        <translation>&amp;Días pasados</translation>
    </message>
    <message>
        <source>T&amp;wo players</source>
        <translation>D&amp;uelo</translation>
    </message>
    <message>
        <source>&amp;End match</source>
        <translation>&amp;Terminar duelo</translation>
    </message>
</context>
<context>
    <name>GameHints</name>
    <message>
        <source>This board has no target rated %1: this one is %2, the nearest.</source>
        <extracomment>%1: the rating asked for in the settings; %2: the one the roll took.</extracomment>
        <translation>Estos números no tienen objetivo de nivel %1: este es %2, el más cercano.</translation>
    </message>
    <message>
        <source>Hint 3: the first step is %1.</source>
        <extracomment>%1: a step such as &quot;100 + 5 = 105&quot;.</extracomment>
        <translation>Pista 3: el primer paso es %1.</translation>
    </message>
    <message>
        <source>Hint 3: the answer is one of your numbers.</source>
        <translation>Pista 3: la respuesta es uno de tus números.</translation>
    </message>
    <message>
        <source>1 number</source>
        <translation>1 número</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n número</numerusform>
            <numerusform>%n números</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint 1: the target can be reached exactly, with %1.</source>
        <extracomment>%1: how many numbers, as &quot;3 numbers&quot;.</extracomment>
        <translation>Pista 1: el objetivo se puede alcanzar exactamente, con %1.</translation>
    </message>
    <message>
        <source>Hint 1: the target cannot be reached; the nearest is %1, %2 away, with %3.</source>
        <extracomment>%1: the nearest value; %2: how far it is from the target; %3: &quot;3 numbers&quot;.</extracomment>
        <translation>Pista 1: el objetivo no se puede alcanzar; lo más cercano es %1, a %2, con %3.</translation>
    </message>
    <message>
        <source>Hint 2: no operation is needed, only %1.</source>
        <extracomment>%1: the one number that is already the answer.</extracomment>
        <translation>Pista 2: no hace falta ninguna operación, solo %1.</translation>
    </message>
    <message>
        <source>Hint 2: it takes %1, with %2.</source>
        <extracomment>%1: operations such as &quot;+ and x&quot;; %2: numbers such as &quot;100, 5 and 3&quot;.</extracomment>
        <translation>Pista 2: hace falta %1, con %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two items of a list: &quot;100, 5 and 3&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>GameStatus</name>
    <message>
        <source>Searching... %1</source>
        <extracomment>%1: how many combinations the running search has tried so far.</extracomment>
        <translation>Buscando... %1</translation>
    </message>
    <message numerus="yes">
        <source>%n answers found.</source>
        <extracomment>The second line of the status after a search; English says &quot;1 answers found.&quot; too.</extracomment>
        <translation>
            <numerusform>%n solución encontrada.</numerusform>
            <numerusform>%n soluciones encontradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Search Stopped at combination %1
%2</source>
        <translation>Búsqueda detenida en la combinación %1
%2</translation>
    </message>
    <message>
        <source>Searched %1 combinations: 
%2</source>
        <translation>%1 combinaciones probadas: 
%2</translation>
    </message>
    <message>
        <source>A complete search found 1 answer.</source>
        <translation>Búsqueda completa: 1 solución.</translation>
    </message>
    <message numerus="yes">
        <source>A complete search found %n answers.</source>
        <translation>
            <numerusform>Búsqueda completa: %n solución.</numerusform>
            <numerusform>Búsqueda completa: %n soluciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 or %2 (%3 away).</source>
        <translation>Sin solución exacta; lo más cercano: %1 o %2 (a %3).</translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 (%2 away).</source>
        <translation>Sin solución exacta; lo más cercano: %1 (a %2).</translation>
    </message>
    <message>
        <source>Board code %1 copied.</source>
        <extracomment>%1: a board code such as TF-98X-KKC, now on the clipboard.</extracomment>
        <translation>Código de la partida %1 copiado.</translation>
    </message>
</context>
<context>
    <name>ManualFrm</name>
    <message>
        <source>Manual Overide</source>
        <extracomment>Title of the window where the player sets up six numbers and a target by hand.</extracomment>
        <translation>Configuración manual</translation>
    </message>
    <message>
        <source>Select 6 numbers to use: </source>
        <translation>Elige los 6 números para jugar: </translation>
    </message>
    <message>
        <source>Enter the Target (between 101 and 999):</source>
        <translation>Escribe el objetivo (entre 101 y 999):</translation>
    </message>
    <message>
        <source>A target from %1 to %2</source>
        <translation>Un objetivo entre %1 y %2</translation>
    </message>
    <message>
        <source>Find Answers</source>
        <translation>Buscar soluciones</translation>
    </message>
    <message>
        <source>The target must be %1 or less</source>
        <translation>El objetivo debe ser %1 o menos</translation>
    </message>
    <message>
        <source>The target must be more than 101</source>
        <translation>El objetivo debe ser 101 o más</translation>
    </message>
    <message>
        <source>Invalid Target.</source>
        <translation>Objetivo no válido.</translation>
    </message>
    <message>
        <source>You must choose 6 numbers to use.</source>
        <translation>Tienes que elegir 6 números.</translation>
    </message>
    <message>
        <source>More numbers required</source>
        <translation>Faltan números</translation>
    </message>
</context>
<context>
    <name>MatchFrm</name>
    <message>
        <source>Two players</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>Player &amp;1:</source>
        <translation>Jugador &amp;1:</translation>
    </message>
    <message>
        <source>Player &amp;2:</source>
        <translation>Jugador &amp;2:</translation>
    </message>
    <message>
        <source>&amp;Rounds (1 to 15):</source>
        <translation>&amp;Rondas (1 a 15):</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Los seis números</translation>
    </message>
    <message>
        <source>&amp;Dealt at random</source>
        <translation>Repartidos al &amp;azar</translation>
    </message>
    <message>
        <source>&amp;Picked in turns, a tile each</source>
        <extracomment>The first player of a round picks the 1st, 3rd and 5th tile.</extracomment>
        <translation>&amp;Elegidos por turnos, una ficha cada uno</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PlayerStats</name>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exacto</translation>
    </message>
    <message>
        <source>%1 away</source>
        <translation>a %1 del objetivo</translation>
    </message>
    <message numerus="yes">
        <source>Tallyfold %1: %2, %3, %n seconds left</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard: %1 the date (YYYY-MM-DD), %2 the points (&quot;9 points&quot;), %3 how far (&quot;exact&quot;, &quot;1 away&quot;, &quot;no answer&quot;), %n the seconds left on the clock.</extracomment>
        <translation>
            <numerusform>Tallyfold %1: %2, %3, queda %n segundo</numerusform>
            <numerusform>Tallyfold %1: %2, %3, quedan %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Tallyfold %1: %2, %3, without the clock</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard for a game played without the clock: %1 the date, %2 the points, %3 how far.</extracomment>
        <translation>Tallyfold %1: %2, %3, sin reloj</translation>
    </message>
    <message>
        <source>%1 (board %2)</source>
        <extracomment>A day&apos;s result line, then %2 the code of that day&apos;s board (TF-98X-KKC).</extracomment>
        <translation>%1 (partida %2)</translation>
    </message>
</context>
<context>
    <name>RatingNames</name>
    <message>
        <source>Any</source>
        <extracomment>The difficulty choice: the roll may stop on any target.</extracomment>
        <translation>Cualquiera</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Very hard</source>
        <translation>Muy difícil</translation>
    </message>
</context>
<context>
    <name>RecordMessage</name>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The game is not allowed to write in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>El juego no tiene permiso para escribir en %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept it busy for too long.</source>
        <translation>Otra copia del juego lo mantuvo ocupado demasiado tiempo.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>It could not be written in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>No se pudo escribir en %1.</translation>
    </message>
    <message>
        <source>Your record of games could not be read, so a new one was started. The damaged one was kept beside it in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>No se pudo leer tu historial de partidas, así que se ha empezado uno nuevo. El dañado se ha conservado al lado, en %1.</translation>
    </message>
    <message>
        <source>Your record of games cannot be opened, so games are not recorded until the game is started again.</source>
        <translation>No se puede abrir tu historial de partidas, así que las partidas no se registran hasta que se vuelva a iniciar el juego.</translation>
    </message>
    <message>
        <source>This game could not be added to your record of games.</source>
        <translation>Esta partida no se pudo añadir a tu historial de partidas.</translation>
    </message>
    <message>
        <source>Record not saved</source>
        <translation>Historial no guardado</translation>
    </message>
</context>
<context>
    <name>SettingFrm</name>
    <message>
        <source> Difficulty </source>
        <extracomment>A tab of the settings window; the spaces around it keep it off the tab&apos;s edges.</extracomment>
        <translation> Dificultad </translation>
    </message>
    <message>
        <source> Timing </source>
        <translation> Tiempo </translation>
    </message>
    <message>
        <source> General </source>
        <translation> General </translation>
    </message>
    <message>
        <source>The Lowest value must be less than the Highest value.</source>
        <translation>El valor mínimo debe ser menor que el valor máximo.</translation>
    </message>
    <message>
        <source>Invalid values.</source>
        <translation>Valores no válidos.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Target Number Properties:</source>
        <translation>Propiedades del número objetivo:</translation>
    </message>
    <message>
        <source>Lowest Value:</source>
        <translation>Valor mínimo:</translation>
    </message>
    <message>
        <source>Highest Value:</source>
        <translation>Valor máximo:</translation>
    </message>
    <message>
        <source>Time allowed:</source>
        <translation>Tiempo límite:</translation>
    </message>
    <message>
        <source>Preview of the clock</source>
        <translation>Vista previa del reloj</translation>
    </message>
    <message>
        <source>Show Tallyfold Seconds </source>
        <extracomment>Shows or hides the count of seconds on the clock; the text stands left of its box.</extracomment>
        <translation>Ver segundos Tallyfold </translation>
    </message>
    <message>
        <source>Turn off sounds:</source>
        <translation>Silenciar sonidos:</translation>
    </message>
    <message>
        <source>Adjust the clock to synchronize with the music. Use the slider to slow down or quicken the clock.</source>
        <translation>Ajusta el reloj para sincronizarlo con la música. Usa la barra para ralentizar o acelerar el reloj.</translation>
    </message>
    <message>
        <source>Please note that the Tallyfold music will only be audible during the last 30 seconds of the Tallyfold.</source>
        <translation>Ten en cuenta que la música del Tallyfold solo se oirá durante los últimos 30 segundos del Tallyfold.</translation>
    </message>
    <message>
        <source>Search every way when no answer is found</source>
        <translation>Probar todas las combinaciones si no hay solución</translation>
    </message>
    <message>
        <source>Play for points</source>
        <translation>Jugar por puntos</translation>
    </message>
    <message>
        <source>Only targets the numbers can reach</source>
        <translation>Solo objetivos alcanzables con los números</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1, so they last only until the game is closed.</source>
        <extracomment>%1: where the settings are kept (a file, or the registry&apos;s key).</extracomment>
        <translation>No se pudo guardar su configuración en %1; solo vale hasta que se cierre el juego.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Configuración no guardada</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The game is not allowed to write there.</source>
        <translation>El juego no tiene permiso para escribir allí.</translation>
    </message>
    <message>
        <source>Target &amp;rating:</source>
        <translation>&amp;Dificultad:</translation>
    </message>
    <message>
        <source>Play without the clock</source>
        <translation>Jugar sin reloj</translation>
    </message>
</context>
<context>
    <name>StatsFrm</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Reset all statistics to zero?</source>
        <translation>¿Poner a cero todas las estadísticas?</translation>
    </message>
    <message>
        <source>How far answers fell:</source>
        <translation>Distancia de las respuestas:</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>&amp;Copiar resultado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Games scored: %1</source>
        <translation>Partidas puntuadas: %1</translation>
    </message>
    <message>
        <source>Answers declared: %1</source>
        <translation>Respuestas declaradas: %1</translation>
    </message>
    <message>
        <source>Best possible reached: %1</source>
        <translation>Mejor resultado posible logrado: %1</translation>
    </message>
    <message>
        <source>Points: %1 in all, %2 a game</source>
        <translation>Puntos: %1 en total, %2 por partida</translation>
    </message>
    <message>
        <source>Best possible in a row: %1 now, %2 at most</source>
        <translation>Racha de mejores resultados: %1 actual, %2 máxima</translation>
    </message>
    <message>
        <source>Board of the day: %1</source>
        <translation>Partida del día: %1</translation>
    </message>
    <message>
        <source>On the clock: %1, without the clock: %2</source>
        <translation>Con reloj: %1, sin reloj: %2</translation>
    </message>
    <message>
        <source>Hints taken: %1</source>
        <translation>Pistas usadas: %1</translation>
    </message>
    <message>
        <source>Time to solve: %1 s as a rule (median), %2 s at best</source>
        <extracomment>The times from the target standing still to Declare, of the best possible answers in games on the clock: %1 the median, %2 the best.</extracomment>
        <translation>Tiempo de resolución: %1 s por lo general (mediana), %2 s como mejor</translation>
    </message>
    <message>
        <source>Days played: %1, in a row: %2</source>
        <extracomment>The days whose board of the day was played, and the run of them up to today.</extracomment>
        <translation>Días jugados: %1, seguidos: %2</translation>
    </message>
    <message>
        <source>Matches played: %1</source>
        <extracomment>Two-player matches played to their last round.</extracomment>
        <translation>Duelos jugados: %1</translation>
    </message>
</context>
<context>
    <name>TwoPlayerMatch</name>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 - %3 %4</source>
        <extracomment>The match&apos;s score: &quot;Ann 3 - Ben 2&quot;.</extracomment>
        <translation>%1 %2 - %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 - %3 %4, round %5 of %6</source>
        <extracomment>The running score: &quot;Ann 2 - Ben 1, round 4 of 5&quot;.</extracomment>
        <translation>%1 %2 - %3 %4, ronda %5 de %6</translation>
    </message>
    <message>
        <source>Pass the keyboard to %1.</source>
        <translation>Pasa el teclado a %1.</translation>
    </message>
    <message>
        <source>%1 picks tile %2 of 6.</source>
        <extracomment>%1: a player&apos;s name; %2: the tile&apos;s number in the six, from 1.</extracomment>
        <translation>%1 elige la ficha %2 de 6.</translation>
    </message>
    <message>
        <source>%1: no answer.</source>
        <translation>%1: sin respuesta.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, exactly: %4.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: the points, &quot;10 points&quot;.</extracomment>
        <translation>%1: %2 = %3, exacto: %4.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, %4 away: %5.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: how far from the target; %5: the points.</extracomment>
        <translation>%1: %2 = %3, a %4 del objetivo: %5.</translation>
    </message>
    <message>
        <source>Round %1, target %2:</source>
        <extracomment>%1: the round&apos;s number; %2: its target.</extracomment>
        <translation>Ronda %1, objetivo %2:</translation>
    </message>
    <message>
        <source>Best possible: %1 exactly.</source>
        <translation>Mejor resultado posible: exactamente %1.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away.</source>
        <translation>Mejor resultado posible: %1, a %2 del objetivo.</translation>
    </message>
    <message>
        <source>The round is a tie.</source>
        <translation>La ronda termina en empate.</translation>
    </message>
    <message>
        <source>%1 wins the round.</source>
        <translation>%1 gana la ronda.</translation>
    </message>
    <message>
        <source>The match was ended at %1.</source>
        <extracomment>A match left before its last round, at its score: &quot;Ann 2 - Ben 1&quot;.</extracomment>
        <translation>El duelo terminó antes de tiempo: %1.</translation>
    </message>
    <message>
        <source>The match is a draw, %1 - %2.</source>
        <translation>El duelo termina en empate, %1 - %2.</translation>
    </message>
    <message>
        <source>%1 wins the match %2 - %3.</source>
        <translation>%1 gana el duelo %2 - %3.</translation>
    </message>
</context>
<context>
    <name>VelCProg</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
</TS>
