<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutFrm</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game logo</source>
        <translation>Logotipo de Tallyfold, o jogo dos números</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game</source>
        <translation>Tallyfold, o jogo dos números</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1.
All rights reserved.</source>
        <translation>Copyright © 2026 %1.
Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>E-mail %1</source>
        <translation>E-mail %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game: %1.%2</source>
        <translation>Tallyfold, o jogo dos números: %1.%2</translation>
    </message>
    <message>
        <source>No mail program could be opened. You can write to %1 at:
%2</source>
        <extracomment>Shown when clicking the about window&apos;s mail link opens no mail program; %1 the author&apos;s name, %2 the mail address.</extracomment>
        <translation>Não foi possível abrir um programa de e-mail. Você pode escrever para %1 no endereço:
%2</translation>
    </message>
</context>
<context>
    <name>AnswerFrm</name>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Sua resposta</translation>
    </message>
    <message>
        <source>Your numbers: %1    Target: %2</source>
        <translation>Seus números: %1    Alvo: %2</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <translation>&amp;Passo a passo</translation>
    </message>
    <message>
        <source>&amp;Type it</source>
        <translation>&amp;Digitar</translation>
    </message>
    <message>
        <source>&amp;Declare</source>
        <translation>&amp;Anunciar</translation>
    </message>
    <message>
        <source>&amp;No answer</source>
        <translation>&amp;Nenhuma resposta</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;fazer</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passos</translation>
    </message>
    <message>
        <source>&amp;Answer (digits, + - x / and parentheses):</source>
        <translation>&amp;Resposta (algarismos, + - x / e parênteses):</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>&amp;Copiar resultado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>Resultado %1</translation>
    </message>
    <message>
        <source>Choose a number, or make a step, to declare.</source>
        <translation>Para anunciar, escolha um número ou faça um passo.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Nenhuma resposta.</translation>
    </message>
    <message>
        <source>You reached %1 exactly.</source>
        <translation>Você chegou exatamente a %1.</translation>
    </message>
    <message>
        <source>You reached %1, %2 away from %3.</source>
        <translation>Você chegou a %1, a %2 de %3.</translation>
    </message>
    <message>
        <source>Best possible: %1, for example %2.</source>
        <translation>O melhor possível: %1, por exemplo %2.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away, for example %3 = %4.</source>
        <translation>O melhor possível: %1, a %2 do alvo, por exemplo %3 = %4.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>This board and target are rated %1.</source>
        <extracomment>%1: a rating, such as &quot;Hard&quot;.</extracomment>
        <translation>Este desafio e este alvo são de nível %1.</translation>
    </message>
    <message>
        <source>Time to solve: %1 seconds.</source>
        <extracomment>%1: seconds, with one decimal.</extracomment>
        <translation>Tempo para resolver: %1 segundos.</translation>
    </message>
    <message>
        <source>1 hint taken: 1 point less.</source>
        <translation>1 dica usada: 1 ponto a menos.</translation>
    </message>
    <message numerus="yes">
        <source>%n hints taken: %n points less.</source>
        <translation>
            <numerusform>%n dica usada: %n ponto a menos.</numerusform>
            <numerusform>%n dicas usadas: %n pontos a menos.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 point.</source>
        <translation>1 ponto.</translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n ponto.</numerusform>
            <numerusform>%n pontos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares none of your steps.</source>
        <extracomment>%1: an answer in the game&apos;s notation.</extracomment>
        <translation>A mais próxima da sua: %1, que não tem nenhum dos seus passos.</translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares 1 of your steps.</source>
        <translation>A mais próxima da sua: %1, que tem 1 dos seus passos.</translation>
    </message>
    <message numerus="yes">
        <source>Closest to yours: %1, which shares %n of your steps.</source>
        <translation>
            <numerusform>A mais próxima da sua: %1, que tem %n dos seus passos.</numerusform>
            <numerusform>A mais próxima da sua: %1, que tem %n dos seus passos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your step %1, %2, is where the two part: it takes %3.</source>
        <extracomment>%1: the step&apos;s number; %2: the player&apos;s step; %3: the answer&apos;s step instead.</extracomment>
        <translation>Seu passo %1, %2, é onde as duas se separam: ela faz %3.</translation>
    </message>
    <message>
        <source>It takes all your steps, then %1.</source>
        <translation>Ela faz todos os seus passos, depois %1.</translation>
    </message>
    <message>
        <source>Its first step is %1.</source>
        <translation>O primeiro passo dela é %1.</translation>
    </message>
    <message>
        <source>The answer is empty.</source>
        <translation>A resposta está vazia.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; at character %2 is not a number, an operation or a bracket.</source>
        <translation>“%1” no caractere %2 não é um número, uma operação nem um parêntese.</translation>
    </message>
    <message>
        <source>A number is missing at the end.</source>
        <translation>Falta um número no final.</translation>
    </message>
    <message>
        <source>A number is missing before &apos;%1&apos; at character %2.</source>
        <translation>Falta um número antes de “%1” no caractere %2.</translation>
    </message>
    <message>
        <source>An operation is missing before &apos;%1&apos; at character %2.</source>
        <translation>Falta uma operação antes de “%1” no caractere %2.</translation>
    </message>
    <message>
        <source>The bracket at character %1 is never closed.</source>
        <translation>O parêntese no caractere %1 nunca é fechado.</translation>
    </message>
    <message>
        <source>The bracket at character %1 closes nothing.</source>
        <translation>O parêntese no caractere %1 não fecha nada.</translation>
    </message>
    <message>
        <source>%1 is far too large to be one of your numbers.</source>
        <translation>%1 é grande demais para ser um dos seus números.</translation>
    </message>
    <message>
        <source>%1 is not one of your numbers.</source>
        <translation>%1 não é um dos seus números.</translation>
    </message>
    <message>
        <source>%1 is used more often than you have it.</source>
        <translation>%1 é usado mais vezes do que você o tem.</translation>
    </message>
    <message>
        <source>Step %1, %2: the division is not exact.</source>
        <translation>Passo %1, %2: a divisão não é exata.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result must be a positive whole number.</source>
        <translation>Passo %1, %2: o resultado deve ser um número inteiro positivo.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result is too large.</source>
        <translation>Passo %1, %2: o resultado é grande demais.</translation>
    </message>
    <message>
        <source>&amp;Ready</source>
        <translation>&amp;Pronto</translation>
    </message>
</context>
<context>
    <name>CodeFrm</name>
    <message>
        <source>Play a board code</source>
        <translation>Jogar um código</translation>
    </message>
    <message>
        <source>&amp;Board code, as TF-98X-KKC:</source>
        <translation>&amp;Código do desafio, como TF-98X-KKC:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, does not belong there: a code starts with TF.</source>
        <extracomment>%1: the place of the character (from 1); %2: the character as typed.</extracomment>
        <translation>O caractere %1, “%2”, não pertence a esse lugar: um código começa com TF.</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, is not one a code has (it has 2 to 9 and the letters but I, L and O).</source>
        <translation>O caractere %1, “%2”, não existe em um código (ele tem de 2 a 9 e as letras exceto I, L e O).</translation>
    </message>
    <message>
        <source>A code has %1 characters after TF, this has %2.</source>
        <extracomment>%1: how many characters a code has after TF; %2: how many the text has.</extracomment>
        <translation>Um código tem %1 caracteres depois de TF, este tem %2.</translation>
    </message>
    <message>
        <source>The check character does not match: a character is mistyped or two are swapped, but which cannot be told.</source>
        <translation>O caractere de controle não confere: um caractere foi digitado errado ou dois foram trocados, mas não dá para saber quais.</translation>
    </message>
    <message>
        <source>The check character matches, but the code names no board: more than one character is wrong.</source>
        <translation>O caractere de controle confere, mas o código não indica nenhum desafio: mais de um caractere está errado.</translation>
    </message>
</context>
<context>
    <name>DaysFrm</name>
    <message>
        <source>Past days</source>
        <translation>Dias anteriores</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <extracomment>Under a day of the calendar: the points of its result, in short.</extracomment>
        <translation>%1 pts</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1: not played</source>
        <extracomment>%1: a date, as &quot;Friday, 11 December 2026&quot;.</extracomment>
        <translation>%1: não jogado</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 ponto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 pontos</translation>
    </message>
    <message>
        <source>%1: %2, no answer</source>
        <extracomment>%1: a date; %2: its points (&quot;0 points&quot;).</extracomment>
        <translation>%1: %2, nenhuma resposta</translation>
    </message>
    <message>
        <source>%1: %2, exact</source>
        <translation>%1: %2, exata</translation>
    </message>
    <message>
        <source>%1: %2, %3 away</source>
        <extracomment>%1: a date; %2: its points; %3: how far the answer was from the target.</extracomment>
        <translation>%1: %2, %3 de diferença</translation>
    </message>
</context>
<context>
    <name>FallChart</name>
    <message>
        <source>Best possible</source>
        <translation>O melhor possível</translation>
    </message>
    <message>
        <source>1 to 5 off</source>
        <translation>1 a 5 de diferença</translation>
    </message>
    <message>
        <source>6 to 10 off</source>
        <translation>6 a 10 de diferença</translation>
    </message>
    <message>
        <source>Over 10 off</source>
        <translation>Mais de 10 de diferença</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Nenhuma resposta</translation>
    </message>
    <message>
        <source>How far answers fell</source>
        <translation>A que distância ficaram as respostas</translation>
    </message>
</context>
<context>
    <name>GameCaptions</name>
    <message>
        <source>START</source>
        <translation>INICIAR</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>PLAY AGAIN</source>
        <translation>DE NOVO</translation>
    </message>
    <message>
        <source>Show Answer(s)</source>
        <translation>Soluções</translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation>Parar busca</translation>
    </message>
    <message>
        <source>Search Finished</source>
        <translation>Concluída</translation>
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
        <translation>Escolha 6 números abaixo. As 2 primeiras fileiras contêm os números de 1 a 10, a última fileira contém os números 25, 50, 75 e 100.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Manual setup</source>
        <translation>Escolha &amp;manual</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s board</source>
        <translation>&amp;Desafio do dia</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>&amp;Estatísticas</translation>
    </message>
    <message>
        <source>Past &amp;days</source>
        <translation>Dias &amp;passados</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>D&amp;ica</translation>
    </message>
    <message>
        <source>Board &amp;codes</source>
        <translation>&amp;Códigos</translation>
    </message>
    <message>
        <source>&amp;Copy board code</source>
        <translation>&amp;Copiar código do desafio</translation>
    </message>
    <message>
        <source>&amp;Play a board code...</source>
        <translation>&amp;Jogar um código...</translation>
    </message>
    <message>
        <source>The Numbers Game</source>
        <translation>O jogo dos números</translation>
    </message>
    <message>
        <source>Chosen number %1</source>
        <translation>Número escolhido %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Estado da busca</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Soluções</translation>
    </message>
    <message>
        <source>Face-down tile %1, row %2</source>
        <translation>Peça virada %1, fileira %2</translation>
    </message>
    <message>
        <source>This try is not recorded; the day&apos;s first result is: %1</source>
        <translation>Esta tentativa não é registrada; o primeiro resultado do dia é: %1</translation>
    </message>
    <message>
        <source>Time is up.</source>
        <translation>O tempo acabou.</translation>
    </message>
    <message>
        <source>Clock: off</source>
        <translation>Relógio: desligado</translation>
    </message>
    <message>
        <source>This round is played without the clock.</source>
        <translation>Esta rodada é jogada sem o relógio.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n seconds left</source>
        <translation>
            <numerusform>Relógio: falta %n segundo</numerusform>
            <numerusform>Relógio: faltam %n segundos</numerusform>
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
        <source>T&amp;wo players</source>
        <translation>Dois &amp;jogadores</translation>
    </message>
    <message>
        <source>&amp;End match</source>
        <translation>&amp;Terminar disputa</translation>
    </message>
</context>
<context>
    <name>GameHints</name>
    <message>
        <source>This board has no target rated %1: this one is %2, the nearest.</source>
        <extracomment>%1: the rating asked for in the settings; %2: the one the roll took.</extracomment>
        <translation>Estes números não têm alvo de nível %1: este é %2, o mais próximo.</translation>
    </message>
    <message>
        <source>Hint 3: the first step is %1.</source>
        <extracomment>%1: a step such as &quot;100 + 5 = 105&quot;.</extracomment>
        <translation>Dica 3: o primeiro passo é %1.</translation>
    </message>
    <message>
        <source>Hint 3: the answer is one of your numbers.</source>
        <translation>Dica 3: a resposta é um dos seus números.</translation>
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
        <translation>Dica 1: o alvo pode ser alcançado exatamente, com %1.</translation>
    </message>
    <message>
        <source>Hint 1: the target cannot be reached; the nearest is %1, %2 away, with %3.</source>
        <extracomment>%1: the nearest value; %2: how far it is from the target; %3: &quot;3 numbers&quot;.</extracomment>
        <translation>Dica 1: o alvo não pode ser alcançado; o mais próximo é %1, a %2, com %3.</translation>
    </message>
    <message>
        <source>Hint 2: no operation is needed, only %1.</source>
        <extracomment>%1: the one number that is already the answer.</extracomment>
        <translation>Dica 2: nenhuma operação é necessária, só %1.</translation>
    </message>
    <message>
        <source>Hint 2: it takes %1, with %2.</source>
        <extracomment>%1: operations such as &quot;+ and x&quot;; %2: numbers such as &quot;100, 5 and 3&quot;.</extracomment>
        <translation>Dica 2: são necessárias %1, com %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two items of a list: &quot;100, 5 and 3&quot;.</extracomment>
        <translation>%1 e %2</translation>
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
            <numerusform>%n solução encontrada.</numerusform>
            <numerusform>%n soluções encontradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Board code %1 copied.</source>
        <extracomment>%1: a board code such as TF-98X-KKC, now on the clipboard.</extracomment>
        <translation>Código do desafio %1 copiado.</translation>
    </message>
    <message>
        <source>Search Stopped at combination %1
%2</source>
        <translation>Busca interrompida na combinação %1
%2</translation>
    </message>
    <message>
        <source>Searched %1 combinations: 
%2</source>
        <translation>%1 combinações testadas: 
%2</translation>
    </message>
    <message>
        <source>A complete search found 1 answer.</source>
        <translation>Uma busca completa encontrou 1 solução.</translation>
    </message>
    <message numerus="yes">
        <source>A complete search found %n answers.</source>
        <translation>
            <numerusform>Uma busca completa encontrou %n solução.</numerusform>
            <numerusform>Uma busca completa encontrou %n soluções.</numerusform>
        </translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 or %2 (%3 away).</source>
        <translation>Nenhuma solução exata: os mais próximos são %1 e %2 (a %3).</translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 (%2 away).</source>
        <translation>Nenhuma solução exata: o mais próximo é %1 (a %2).</translation>
    </message>
</context>
<context>
    <name>ManualFrm</name>
    <message>
        <source>Manual Overide</source>
        <extracomment>Title of the window where the player sets up six numbers and a target by hand.</extracomment>
        <translation>Escolha manual</translation>
    </message>
    <message>
        <source>Select 6 numbers to use: </source>
        <translation>Escolha 6 números para usar: </translation>
    </message>
    <message>
        <source>Enter the Target (between 101 and 999):</source>
        <translation>Digite o alvo (entre 101 e 999):</translation>
    </message>
    <message>
        <source>A target from %1 to %2</source>
        <translation>Um alvo de %1 a %2</translation>
    </message>
    <message>
        <source>Find Answers</source>
        <translation>Buscar soluções</translation>
    </message>
    <message>
        <source>The target must be %1 or less</source>
        <translation>O alvo deve ser no máximo %1</translation>
    </message>
    <message>
        <source>The target must be more than 101</source>
        <translation>O alvo deve ser no mínimo 101</translation>
    </message>
    <message>
        <source>Invalid Target.</source>
        <translation>Alvo inválido.</translation>
    </message>
    <message>
        <source>You must choose 6 numbers to use.</source>
        <translation>Você deve escolher 6 números para usar.</translation>
    </message>
    <message>
        <source>More numbers required</source>
        <translation>Faltam números</translation>
    </message>
</context>
<context>
    <name>MatchFrm</name>
    <message>
        <source>Two players</source>
        <translation>Dois jogadores</translation>
    </message>
    <message>
        <source>Player &amp;1:</source>
        <translation>Jogador &amp;1:</translation>
    </message>
    <message>
        <source>Player &amp;2:</source>
        <translation>Jogador &amp;2:</translation>
    </message>
    <message>
        <source>&amp;Rounds (1 to 15):</source>
        <translation>&amp;Rodadas (1 a 15):</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Os seis números</translation>
    </message>
    <message>
        <source>&amp;Dealt at random</source>
        <translation>Distribuídos ao &amp;acaso</translation>
    </message>
    <message>
        <source>&amp;Picked in turns, a tile each</source>
        <extracomment>The first player of a round picks the 1st, 3rd and 5th tile.</extracomment>
        <translation>&amp;Escolhidos na vez de cada um, uma peça por vez</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>1 ponto</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nenhuma resposta</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exata</translation>
    </message>
    <message>
        <source>%1 away</source>
        <translation>%1 de diferença</translation>
    </message>
    <message>
        <source>Tallyfold %1: %2, %3, without the clock</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard for a game played without the clock: %1 the date, %2 the points, %3 how far.</extracomment>
        <translation>Tallyfold %1: %2, %3, sem o relógio</translation>
    </message>
    <message numerus="yes">
        <source>Tallyfold %1: %2, %3, %n seconds left</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard: %1 the date (YYYY-MM-DD), %2 the points (&quot;9 points&quot;), %3 how far (&quot;exact&quot;, &quot;1 away&quot;, &quot;no answer&quot;), %n the seconds left on the clock.</extracomment>
        <translation>
            <numerusform>Tallyfold %1: %2, %3, falta %n segundo</numerusform>
            <numerusform>Tallyfold %1: %2, %3, faltam %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (board %2)</source>
        <extracomment>A day&apos;s result line, then %2 the code of that day&apos;s board (TF-98X-KKC).</extracomment>
        <translation>%1 (desafio %2)</translation>
    </message>
</context>
<context>
    <name>RatingNames</name>
    <message>
        <source>Any</source>
        <extracomment>The difficulty choice: the roll may stop on any target.</extracomment>
        <translation>Qualquer</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Very hard</source>
        <translation>Muito difícil</translation>
    </message>
</context>
<context>
    <name>RecordMessage</name>
    <message>
        <source>The disk is full.</source>
        <translation>O disco está cheio.</translation>
    </message>
    <message>
        <source>The game is not allowed to write in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>O jogo não tem permissão para gravar em %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept it busy for too long.</source>
        <translation>Outra cópia do jogo o manteve ocupado por tempo demais.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>A pasta %1 não pode ser criada.</translation>
    </message>
    <message>
        <source>It could not be written in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Não foi possível gravar em %1.</translation>
    </message>
    <message>
        <source>Your record of games could not be read, so a new one was started. The damaged one was kept beside it in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Não foi possível ler seu histórico de partidas, então um novo foi iniciado. O danificado foi guardado ao lado, em %1.</translation>
    </message>
    <message>
        <source>Your record of games cannot be opened, so games are not recorded until the game is started again.</source>
        <translation>Não é possível abrir seu histórico de partidas, então as partidas não serão registradas até que o jogo seja iniciado de novo.</translation>
    </message>
    <message>
        <source>This game could not be added to your record of games.</source>
        <translation>Não foi possível adicionar esta partida ao seu histórico de partidas.</translation>
    </message>
    <message>
        <source>Record not saved</source>
        <translation>Histórico não salvo</translation>
    </message>
</context>
<context>
    <name>SettingFrm</name>
    <message>
        <source> Difficulty </source>
        <extracomment>A tab of the settings window; the spaces around it keep it off the tab&apos;s edges.</extracomment>
        <translation> Dificuldade </translation>
    </message>
    <message>
        <source> Timing </source>
        <translation> Tempo </translation>
    </message>
    <message>
        <source> General </source>
        <translation> Geral </translation>
    </message>
    <message>
        <source>The Lowest value must be less than the Highest value.</source>
        <translation>O valor mínimo deve ser menor que o valor máximo.</translation>
    </message>
    <message>
        <source>Invalid values.</source>
        <translation>Valores inválidos.</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1, so they last only until the game is closed.</source>
        <extracomment>%1: where the settings are kept (a file, or the registry&apos;s key).</extracomment>
        <translation>Não foi possível salvar suas configurações em %1, então elas só valem até o jogo ser fechado.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>O disco está cheio.</translation>
    </message>
    <message>
        <source>The game is not allowed to write there.</source>
        <translation>O jogo não tem permissão para gravar ali.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Configurações não salvas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Target Number Properties:</source>
        <translation>Número-alvo:</translation>
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
        <source>Target &amp;rating:</source>
        <translation>&amp;Nível do alvo:</translation>
    </message>
    <message>
        <source>Time allowed:</source>
        <translation>Tempo limite:</translation>
    </message>
    <message>
        <source>Preview of the clock</source>
        <translation>Prévia do relógio</translation>
    </message>
    <message>
        <source>Show Tallyfold Seconds </source>
        <extracomment>Shows or hides the count of seconds on the clock; the text stands left of its box.</extracomment>
        <translation>Mostrar os segundos </translation>
    </message>
    <message>
        <source>Turn off sounds:</source>
        <translation>Desligar os sons:</translation>
    </message>
    <message>
        <source>Adjust the clock to synchronize with the music. Use the slider to slow down or quicken the clock.</source>
        <translation>Ajuste o relógio para acompanhar a música. Use o controle deslizante para atrasar ou adiantar o relógio.</translation>
    </message>
    <message>
        <source>Please note that the Tallyfold music will only be audible during the last 30 seconds of the Tallyfold.</source>
        <translation>Observação: a música de Tallyfold só toca nos últimos 30 segundos da contagem.</translation>
    </message>
    <message>
        <source>Search every way when no answer is found</source>
        <translation>Buscar todos os caminhos quando não houver solução</translation>
    </message>
    <message>
        <source>Play for points</source>
        <translation>Jogar por pontos</translation>
    </message>
    <message>
        <source>Only targets the numbers can reach</source>
        <translation>Só alvos que os números alcançam</translation>
    </message>
    <message>
        <source>Play without the clock</source>
        <translation>Jogar sem o relógio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>StatsFrm</name>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Reset all statistics to zero?</source>
        <translation>Zerar todas as estatísticas?</translation>
    </message>
    <message>
        <source>How far answers fell:</source>
        <translation>A que distância ficaram as respostas:</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>&amp;Copiar resultado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Games scored: %1</source>
        <translation>Partidas pontuadas: %1</translation>
    </message>
    <message>
        <source>Answers declared: %1</source>
        <translation>Respostas anunciadas: %1</translation>
    </message>
    <message>
        <source>Best possible reached: %1</source>
        <translation>Melhor possível alcançado: %1</translation>
    </message>
    <message>
        <source>Points: %1 in all, %2 a game</source>
        <translation>Pontos: %1 no total, %2 por partida</translation>
    </message>
    <message>
        <source>Best possible in a row: %1 now, %2 at most</source>
        <translation>Melhor possível em sequência: %1 agora, %2 no máximo</translation>
    </message>
    <message>
        <source>On the clock: %1, without the clock: %2</source>
        <translation>Com o relógio: %1, sem o relógio: %2</translation>
    </message>
    <message>
        <source>Days played: %1, in a row: %2</source>
        <extracomment>The days whose board of the day was played, and the run of them up to today.</extracomment>
        <translation>Dias jogados: %1, em sequência: %2</translation>
    </message>
    <message>
        <source>Hints taken: %1</source>
        <translation>Dicas usadas: %1</translation>
    </message>
    <message>
        <source>Time to solve: %1 s as a rule (median), %2 s at best</source>
        <extracomment>The times from the target standing still to Declare, of the best possible answers in games on the clock: %1 the median, %2 the best.</extracomment>
        <translation>Tempo para resolver: %1 s em geral (mediana), %2 s no melhor caso</translation>
    </message>
    <message>
        <source>Board of the day: %1</source>
        <translation>Desafio do dia: %1</translation>
    </message>
    <message>
        <source>Matches played: %1</source>
        <extracomment>Two-player matches played to their last round.</extracomment>
        <translation>Disputas jogadas: %1</translation>
    </message>
</context>
<context>
    <name>TwoPlayerMatch</name>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 ponto</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
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
        <translation>%1 %2 - %3 %4, rodada %5 de %6</translation>
    </message>
    <message>
        <source>Pass the keyboard to %1.</source>
        <translation>Passe o teclado para %1.</translation>
    </message>
    <message>
        <source>%1 picks tile %2 of 6.</source>
        <extracomment>%1: a player&apos;s name; %2: the tile&apos;s number in the six, from 1.</extracomment>
        <translation>%1 escolhe a peça %2 de 6.</translation>
    </message>
    <message>
        <source>%1: no answer.</source>
        <translation>%1: nenhuma resposta.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, exactly: %4.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: the points, &quot;10 points&quot;.</extracomment>
        <translation>%1: %2 = %3, exato: %4.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, %4 away: %5.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: how far from the target; %5: the points.</extracomment>
        <translation>%1: %2 = %3, a %4 do alvo: %5.</translation>
    </message>
    <message>
        <source>Round %1, target %2:</source>
        <extracomment>%1: the round&apos;s number; %2: its target.</extracomment>
        <translation>Rodada %1, alvo %2:</translation>
    </message>
    <message>
        <source>Best possible: %1 exactly.</source>
        <translation>O melhor possível: exatamente %1.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away.</source>
        <translation>O melhor possível: %1, a %2 do alvo.</translation>
    </message>
    <message>
        <source>The round is a tie.</source>
        <translation>A rodada termina empatada.</translation>
    </message>
    <message>
        <source>%1 wins the round.</source>
        <translation>%1 vence a rodada.</translation>
    </message>
    <message>
        <source>The match was ended at %1.</source>
        <extracomment>A match left before its last round, at its score: &quot;Ann 2 - Ben 1&quot;.</extracomment>
        <translation>A disputa foi encerrada em %1.</translation>
    </message>
    <message>
        <source>The match is a draw, %1 - %2.</source>
        <translation>A disputa termina empatada, %1 - %2.</translation>
    </message>
    <message>
        <source>%1 wins the match %2 - %3.</source>
        <translation>%1 vence a disputa por %2 - %3.</translation>
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
