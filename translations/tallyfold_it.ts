<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutFrm</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game logo</source>
        <translation>Logo di Tallyfold, il gioco dei numeri</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game</source>
        <translation>Tallyfold, il gioco dei numeri</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1.
All rights reserved.</source>
        <translation>Copyright © 2026 %1.
Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
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
        <translation>Tallyfold, il gioco dei numeri: %1.%2</translation>
    </message>
    <message>
        <source>No mail program could be opened. You can write to %1 at:
%2</source>
        <extracomment>Shown when clicking the about window&apos;s mail link opens no mail program; %1 the author&apos;s name, %2 the mail address.</extracomment>
        <translation>Non è stato possibile aprire un programma di posta. Puoi scrivere a %1 all&apos;indirizzo:
%2</translation>
    </message>
</context>
<context>
    <name>AnswerFrm</name>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>diviso</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>La tua risposta</translation>
    </message>
    <message>
        <source>Your numbers: %1    Target: %2</source>
        <translation>I tuoi numeri: %1    Obiettivo: %2</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <translation>&amp;Passo passo</translation>
    </message>
    <message>
        <source>&amp;Type it</source>
        <translation>&amp;Scrivila</translation>
    </message>
    <message>
        <source>&amp;Declare</source>
        <translation>&amp;Dichiara</translation>
    </message>
    <message>
        <source>&amp;No answer</source>
        <translation>&amp;Nessuna risposta</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passaggi</translation>
    </message>
    <message>
        <source>&amp;Answer (digits, + - x / and parentheses):</source>
        <translation>&amp;Risposta (cifre, + - x / e parentesi):</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>&amp;Copia risultato</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>Risultato %1</translation>
    </message>
    <message>
        <source>Choose a number, or make a step, to declare.</source>
        <translation>Per dichiarare, scegli un numero o fai un passaggio.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Nessuna risposta.</translation>
    </message>
    <message>
        <source>You reached %1 exactly.</source>
        <translation>Hai raggiunto esattamente %1.</translation>
    </message>
    <message>
        <source>You reached %1, %2 away from %3.</source>
        <translation>Hai raggiunto %1, a %2 da %3.</translation>
    </message>
    <message>
        <source>Best possible: %1, for example %2.</source>
        <translation>Il meglio possibile: %1, per esempio %2.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away, for example %3 = %4.</source>
        <translation>Il meglio possibile: %1, a %2, per esempio %3 = %4.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>This board and target are rated %1.</source>
        <extracomment>%1: a rating, such as &quot;Hard&quot;.</extracomment>
        <translation>Questa sfida e questo obiettivo sono di livello %1.</translation>
    </message>
    <message>
        <source>Time to solve: %1 seconds.</source>
        <extracomment>%1: seconds, with one decimal.</extracomment>
        <translation>Tempo di soluzione: %1 secondi.</translation>
    </message>
    <message>
        <source>1 hint taken: 1 point less.</source>
        <translation>1 indizio usato: 1 punto in meno.</translation>
    </message>
    <message numerus="yes">
        <source>%n hints taken: %n points less.</source>
        <translation>
            <numerusform>%n indizio usato: %n punto in meno.</numerusform>
            <numerusform>%n indizi usati: %n punti in meno.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 point.</source>
        <translation>1 punto.</translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n punto.</numerusform>
            <numerusform>%n punti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares none of your steps.</source>
        <extracomment>%1: an answer in the game&apos;s notation.</extracomment>
        <translation>La più vicina alla tua: %1, che non ha in comune nessuno dei tuoi passaggi.</translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares 1 of your steps.</source>
        <translation>La più vicina alla tua: %1, che ha in comune 1 dei tuoi passaggi.</translation>
    </message>
    <message numerus="yes">
        <source>Closest to yours: %1, which shares %n of your steps.</source>
        <translation>
            <numerusform>La più vicina alla tua: %1, che ha in comune %n dei tuoi passaggi.</numerusform>
            <numerusform>La più vicina alla tua: %1, che ha in comune %n dei tuoi passaggi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your step %1, %2, is where the two part: it takes %3.</source>
        <extracomment>%1: the step&apos;s number; %2: the player&apos;s step; %3: the answer&apos;s step instead.</extracomment>
        <translation>Il tuo passaggio %1, %2, è dove le due si separano: lei fa %3.</translation>
    </message>
    <message>
        <source>It takes all your steps, then %1.</source>
        <translation>Fa tutti i tuoi passaggi, poi %1.</translation>
    </message>
    <message>
        <source>Its first step is %1.</source>
        <translation>Il suo primo passaggio è %1.</translation>
    </message>
    <message>
        <source>The answer is empty.</source>
        <translation>La risposta è vuota.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; at character %2 is not a number, an operation or a bracket.</source>
        <translation>«%1» al carattere %2 non è un numero, un&apos;operazione o una parentesi.</translation>
    </message>
    <message>
        <source>A number is missing at the end.</source>
        <translation>Manca un numero alla fine.</translation>
    </message>
    <message>
        <source>A number is missing before &apos;%1&apos; at character %2.</source>
        <translation>Manca un numero prima di «%1» al carattere %2.</translation>
    </message>
    <message>
        <source>An operation is missing before &apos;%1&apos; at character %2.</source>
        <translation>Manca un&apos;operazione prima di «%1» al carattere %2.</translation>
    </message>
    <message>
        <source>The bracket at character %1 is never closed.</source>
        <translation>La parentesi al carattere %1 non viene mai chiusa.</translation>
    </message>
    <message>
        <source>The bracket at character %1 closes nothing.</source>
        <translation>La parentesi al carattere %1 non chiude nulla.</translation>
    </message>
    <message>
        <source>%1 is far too large to be one of your numbers.</source>
        <translation>%1 è troppo grande per essere uno dei tuoi numeri.</translation>
    </message>
    <message>
        <source>%1 is not one of your numbers.</source>
        <translation>%1 non è uno dei tuoi numeri.</translation>
    </message>
    <message>
        <source>%1 is used more often than you have it.</source>
        <translation>%1 è usato più volte di quante lo hai.</translation>
    </message>
    <message>
        <source>Step %1, %2: the division is not exact.</source>
        <translation>Passaggio %1, %2: la divisione non è esatta.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result must be a positive whole number.</source>
        <translation>Passaggio %1, %2: il risultato deve essere un numero intero positivo.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result is too large.</source>
        <translation>Passaggio %1, %2: il risultato è troppo grande.</translation>
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
        <translation>Gioca un codice sfida</translation>
    </message>
    <message>
        <source>&amp;Board code, as TF-98X-KKC:</source>
        <translation>&amp;Codice sfida, come TF-98X-KKC:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, does not belong there: a code starts with TF.</source>
        <extracomment>%1: the place of the character (from 1); %2: the character as typed.</extracomment>
        <translation>Il carattere %1, «%2», non va lì: un codice inizia con TF.</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, is not one a code has (it has 2 to 9 and the letters but I, L and O).</source>
        <translation>Il carattere %1, «%2», non è tra quelli di un codice (da 2 a 9 e le lettere tranne I, L e O).</translation>
    </message>
    <message>
        <source>A code has %1 characters after TF, this has %2.</source>
        <extracomment>%1: how many characters a code has after TF; %2: how many the text has.</extracomment>
        <translation>Un codice ha %1 caratteri dopo TF, questo ne ha %2.</translation>
    </message>
    <message>
        <source>The check character does not match: a character is mistyped or two are swapped, but which cannot be told.</source>
        <translation>Il carattere di controllo non corrisponde: un carattere è sbagliato o due sono invertiti, ma non si può dire quali.</translation>
    </message>
    <message>
        <source>The check character matches, but the code names no board: more than one character is wrong.</source>
        <translation>Il carattere di controllo corrisponde, ma il codice non indica nessuna sfida: più di un carattere è sbagliato.</translation>
    </message>
</context>
<context>
    <name>DaysFrm</name>
    <message>
        <source>Past days</source>
        <translation>Giorni passati</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <extracomment>Under a day of the calendar: the points of its result, in short.</extracomment>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1: not played</source>
        <extracomment>%1: a date, as &quot;Friday, 11 December 2026&quot;.</extracomment>
        <translation>%1: non giocato</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punti</translation>
    </message>
    <message>
        <source>%1: %2, no answer</source>
        <extracomment>%1: a date; %2: its points (&quot;0 points&quot;).</extracomment>
        <translation>%1: %2, nessuna risposta</translation>
    </message>
    <message>
        <source>%1: %2, exact</source>
        <translation>%1: %2, esatto</translation>
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
        <translation>Il meglio possibile</translation>
    </message>
    <message>
        <source>1 to 5 off</source>
        <translation>Da 1 a 5 di scarto</translation>
    </message>
    <message>
        <source>6 to 10 off</source>
        <translation>Da 6 a 10 di scarto</translation>
    </message>
    <message>
        <source>Over 10 off</source>
        <translation>Oltre 10 di scarto</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Nessuna risposta</translation>
    </message>
    <message>
        <source>How far answers fell</source>
        <translation>Lo scarto delle risposte</translation>
    </message>
</context>
<context>
    <name>GameCaptions</name>
    <message>
        <source>START</source>
        <translation>VIA</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>PLAY AGAIN</source>
        <translation>RIGIOCA</translation>
    </message>
    <message>
        <source>Show Answer(s)</source>
        <translation>Soluzioni</translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Search Finished</source>
        <translation>Finito</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Ricerca...</translation>
    </message>
</context>
<context>
    <name>GameFrm</name>
    <message>
        <source>Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, the last row contains the numbers 25, 50, 75 and 100.</source>
        <translation>Scegli 6 numeri qui sotto. Le prime 2 file contengono i numeri da 1 a 10, l&apos;ultima fila i numeri 25, 50, 75 e 100.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>Impo&amp;stazioni</translation>
    </message>
    <message>
        <source>&amp;Manual setup</source>
        <translation>Scelta &amp;manuale</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s board</source>
        <translation>Sfida del &amp;giorno</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>S&amp;tatistiche</translation>
    </message>
    <message>
        <source>Past &amp;days</source>
        <translation>Giorni &amp;passati</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>In&amp;dizio</translation>
    </message>
    <message>
        <source>Board &amp;codes</source>
        <translation>&amp;Codici</translation>
    </message>
    <message>
        <source>&amp;Copy board code</source>
        <translation>&amp;Copia codice sfida</translation>
    </message>
    <message>
        <source>&amp;Play a board code...</source>
        <translation>&amp;Gioca un codice sfida...</translation>
    </message>
    <message>
        <source>The Numbers Game</source>
        <translation>Il gioco dei numeri</translation>
    </message>
    <message>
        <source>Chosen number %1</source>
        <translation>Numero scelto %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Stato della ricerca</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Soluzioni</translation>
    </message>
    <message>
        <source>Face-down tile %1, row %2</source>
        <translation>Tessera coperta %1, fila %2</translation>
    </message>
    <message>
        <source>This try is not recorded; the day&apos;s first result is: %1</source>
        <translation>Questo tentativo non viene registrato; il primo risultato del giorno è: %1</translation>
    </message>
    <message>
        <source>Time is up.</source>
        <translation>Il tempo è scaduto.</translation>
    </message>
    <message>
        <source>Clock: off</source>
        <translation>Orologio: spento</translation>
    </message>
    <message>
        <source>This round is played without the clock.</source>
        <translation>Questa manche si gioca senza orologio.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n seconds left</source>
        <translation>
            <numerusform>Orologio: manca %n secondo</numerusform>
            <numerusform>Orologio: mancano %n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n seconds</source>
        <translation>
            <numerusform>%1 di %n secondo</numerusform>
            <numerusform>%1 di %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>T&amp;wo players</source>
        <translation>In d&amp;ue</translation>
    </message>
    <message>
        <source>&amp;End match</source>
        <translation>Termina inc&amp;ontro</translation>
    </message>
</context>
<context>
    <name>GameHints</name>
    <message>
        <source>This board has no target rated %1: this one is %2, the nearest.</source>
        <extracomment>%1: the rating asked for in the settings; %2: the one the roll took.</extracomment>
        <translation>Questi numeri non hanno un obiettivo di livello %1: questo è %2, il più vicino.</translation>
    </message>
    <message>
        <source>Hint 3: the first step is %1.</source>
        <extracomment>%1: a step such as &quot;100 + 5 = 105&quot;.</extracomment>
        <translation>Indizio 3: il primo passaggio è %1.</translation>
    </message>
    <message>
        <source>Hint 3: the answer is one of your numbers.</source>
        <translation>Indizio 3: la risposta è uno dei tuoi numeri.</translation>
    </message>
    <message>
        <source>1 number</source>
        <translation>1 numero</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n numero</numerusform>
            <numerusform>%n numeri</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint 1: the target can be reached exactly, with %1.</source>
        <extracomment>%1: how many numbers, as &quot;3 numbers&quot;.</extracomment>
        <translation>Indizio 1: l&apos;obiettivo si può raggiungere esattamente, con %1.</translation>
    </message>
    <message>
        <source>Hint 1: the target cannot be reached; the nearest is %1, %2 away, with %3.</source>
        <extracomment>%1: the nearest value; %2: how far it is from the target; %3: &quot;3 numbers&quot;.</extracomment>
        <translation>Indizio 1: l&apos;obiettivo non si può raggiungere; il più vicino è %1, a %2, con %3.</translation>
    </message>
    <message>
        <source>Hint 2: no operation is needed, only %1.</source>
        <extracomment>%1: the one number that is already the answer.</extracomment>
        <translation>Indizio 2: non serve nessuna operazione, solo %1.</translation>
    </message>
    <message>
        <source>Hint 2: it takes %1, with %2.</source>
        <extracomment>%1: operations such as &quot;+ and x&quot;; %2: numbers such as &quot;100, 5 and 3&quot;.</extracomment>
        <translation>Indizio 2: servono %1, con %2.</translation>
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
        <translation>Ricerca... %1</translation>
    </message>
    <message numerus="yes">
        <source>%n answers found.</source>
        <extracomment>The second line of the status after a search; English says &quot;1 answers found.&quot; too.</extracomment>
        <translation>
            <numerusform>%n soluzione trovata.</numerusform>
            <numerusform>%n soluzioni trovate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Board code %1 copied.</source>
        <extracomment>%1: a board code such as TF-98X-KKC, now on the clipboard.</extracomment>
        <translation>Codice sfida %1 copiato.</translation>
    </message>
    <message>
        <source>Search Stopped at combination %1
%2</source>
        <translation>Ricerca interrotta alla combinazione %1
%2</translation>
    </message>
    <message>
        <source>Searched %1 combinations: 
%2</source>
        <translation>%1 combinazioni provate: 
%2</translation>
    </message>
    <message>
        <source>A complete search found 1 answer.</source>
        <translation>Una ricerca completa ha trovato 1 soluzione.</translation>
    </message>
    <message numerus="yes">
        <source>A complete search found %n answers.</source>
        <translation>
            <numerusform>Una ricerca completa ha trovato %n soluzione.</numerusform>
            <numerusform>Una ricerca completa ha trovato %n soluzioni.</numerusform>
        </translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 or %2 (%3 away).</source>
        <translation>Nessuna soluzione esatta: i più vicini sono %1 e %2 (a %3).</translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 (%2 away).</source>
        <translation>Nessuna soluzione esatta: il più vicino è %1 (a %2).</translation>
    </message>
</context>
<context>
    <name>ManualFrm</name>
    <message>
        <source>Manual Overide</source>
        <extracomment>Title of the window where the player sets up six numbers and a target by hand.</extracomment>
        <translation>Scelta manuale</translation>
    </message>
    <message>
        <source>Select 6 numbers to use: </source>
        <translation>Scegli 6 numeri da usare: </translation>
    </message>
    <message>
        <source>Enter the Target (between 101 and 999):</source>
        <translation>Inserisci l&apos;obiettivo (tra 101 e 999):</translation>
    </message>
    <message>
        <source>A target from %1 to %2</source>
        <translation>Un obiettivo da %1 a %2</translation>
    </message>
    <message>
        <source>Find Answers</source>
        <translation>Trova soluzioni</translation>
    </message>
    <message>
        <source>The target must be %1 or less</source>
        <translation>L&apos;obiettivo deve essere al massimo %1</translation>
    </message>
    <message>
        <source>The target must be more than 101</source>
        <translation>L&apos;obiettivo deve essere almeno 101</translation>
    </message>
    <message>
        <source>Invalid Target.</source>
        <translation>Obiettivo non valido.</translation>
    </message>
    <message>
        <source>You must choose 6 numbers to use.</source>
        <translation>Devi scegliere 6 numeri da usare.</translation>
    </message>
    <message>
        <source>More numbers required</source>
        <translation>Servono altri numeri</translation>
    </message>
</context>
<context>
    <name>MatchFrm</name>
    <message>
        <source>Two players</source>
        <translation>Due giocatori</translation>
    </message>
    <message>
        <source>Player &amp;1:</source>
        <translation>Giocatore &amp;1:</translation>
    </message>
    <message>
        <source>Player &amp;2:</source>
        <translation>Giocatore &amp;2:</translation>
    </message>
    <message>
        <source>&amp;Rounds (1 to 15):</source>
        <translation>&amp;Round (da 1 a 15):</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>I sei numeri</translation>
    </message>
    <message>
        <source>&amp;Dealt at random</source>
        <translation>&amp;Distribuiti a caso</translation>
    </message>
    <message>
        <source>&amp;Picked in turns, a tile each</source>
        <extracomment>The first player of a round picks the 1st, 3rd and 5th tile.</extracomment>
        <translation>&amp;Scelti a turno, una tessera a testa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>esatto</translation>
    </message>
    <message>
        <source>%1 away</source>
        <translation>a %1</translation>
    </message>
    <message>
        <source>Tallyfold %1: %2, %3, without the clock</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard for a game played without the clock: %1 the date, %2 the points, %3 how far.</extracomment>
        <translation>Tallyfold %1: %2, %3, senza orologio</translation>
    </message>
    <message numerus="yes">
        <source>Tallyfold %1: %2, %3, %n seconds left</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard: %1 the date (YYYY-MM-DD), %2 the points (&quot;9 points&quot;), %3 how far (&quot;exact&quot;, &quot;1 away&quot;, &quot;no answer&quot;), %n the seconds left on the clock.</extracomment>
        <translation>
            <numerusform>Tallyfold %1: %2, %3, manca %n secondo</numerusform>
            <numerusform>Tallyfold %1: %2, %3, mancano %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (board %2)</source>
        <extracomment>A day&apos;s result line, then %2 the code of that day&apos;s board (TF-98X-KKC).</extracomment>
        <translation>%1 (sfida %2)</translation>
    </message>
</context>
<context>
    <name>RatingNames</name>
    <message>
        <source>Any</source>
        <extracomment>The difficulty choice: the roll may stop on any target.</extracomment>
        <translation>Qualsiasi</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very hard</source>
        <translation>Molto difficile</translation>
    </message>
</context>
<context>
    <name>RecordMessage</name>
    <message>
        <source>The disk is full.</source>
        <translation>Il disco è pieno.</translation>
    </message>
    <message>
        <source>The game is not allowed to write in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Il gioco non ha il permesso di scrivere in %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept it busy for too long.</source>
        <translation>Un&apos;altra copia del gioco lo ha tenuto occupato troppo a lungo.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Non è possibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>It could not be written in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Non è stato possibile scrivere in %1.</translation>
    </message>
    <message>
        <source>Your record of games could not be read, so a new one was started. The damaged one was kept beside it in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Non è stato possibile leggere il registro delle tue partite, quindi ne è stato iniziato uno nuovo. Quello danneggiato è stato conservato accanto, in %1.</translation>
    </message>
    <message>
        <source>Your record of games cannot be opened, so games are not recorded until the game is started again.</source>
        <translation>Non è possibile aprire il registro delle tue partite, quindi le partite non vengono registrate finché il gioco non viene riavviato.</translation>
    </message>
    <message>
        <source>This game could not be added to your record of games.</source>
        <translation>Non è stato possibile aggiungere questa partita al registro delle tue partite.</translation>
    </message>
    <message>
        <source>Record not saved</source>
        <translation>Registro non salvato</translation>
    </message>
</context>
<context>
    <name>SettingFrm</name>
    <message>
        <source> Difficulty </source>
        <extracomment>A tab of the settings window; the spaces around it keep it off the tab&apos;s edges.</extracomment>
        <translation> Difficoltà </translation>
    </message>
    <message>
        <source> Timing </source>
        <translation> Tempo </translation>
    </message>
    <message>
        <source> General </source>
        <translation> Generale </translation>
    </message>
    <message>
        <source>The Lowest value must be less than the Highest value.</source>
        <translation>Il valore minimo deve essere minore del valore massimo.</translation>
    </message>
    <message>
        <source>Invalid values.</source>
        <translation>Valori non validi.</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1, so they last only until the game is closed.</source>
        <extracomment>%1: where the settings are kept (a file, or the registry&apos;s key).</extracomment>
        <translation>Non è stato possibile salvare le tue impostazioni in %1, quindi valgono solo finché il gioco resta aperto.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Il disco è pieno.</translation>
    </message>
    <message>
        <source>The game is not allowed to write there.</source>
        <translation>Il gioco non ha il permesso di scrivere lì.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Impostazioni non salvate</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Target Number Properties:</source>
        <translation>Numero obiettivo:</translation>
    </message>
    <message>
        <source>Lowest Value:</source>
        <translation>Valore minimo:</translation>
    </message>
    <message>
        <source>Highest Value:</source>
        <translation>Valore massimo:</translation>
    </message>
    <message>
        <source>Target &amp;rating:</source>
        <translation>&amp;Livello dell&apos;obiettivo:</translation>
    </message>
    <message>
        <source>Time allowed:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Preview of the clock</source>
        <translation>Anteprima dell&apos;orologio</translation>
    </message>
    <message>
        <source>Show Tallyfold Seconds </source>
        <extracomment>Shows or hides the count of seconds on the clock; the text stands left of its box.</extracomment>
        <translation>Mostra i secondi </translation>
    </message>
    <message>
        <source>Turn off sounds:</source>
        <translation>Disattiva i suoni:</translation>
    </message>
    <message>
        <source>Adjust the clock to synchronize with the music. Use the slider to slow down or quicken the clock.</source>
        <translation>Regola l&apos;orologio per sincronizzarlo con la musica. Usa il cursore per rallentare o accelerare l&apos;orologio.</translation>
    </message>
    <message>
        <source>Please note that the Tallyfold music will only be audible during the last 30 seconds of the Tallyfold.</source>
        <translation>Nota: la musica di Tallyfold si sente solo negli ultimi 30 secondi del conto alla rovescia.</translation>
    </message>
    <message>
        <source>Search every way when no answer is found</source>
        <translation>Cerca ogni via se non si trova nessuna soluzione</translation>
    </message>
    <message>
        <source>Play for points</source>
        <translation>Gioca a punti</translation>
    </message>
    <message>
        <source>Only targets the numbers can reach</source>
        <translation>Solo obiettivi raggiungibili con i numeri</translation>
    </message>
    <message>
        <source>Play without the clock</source>
        <translation>Gioca senza orologio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
</context>
<context>
    <name>StatsFrm</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Reset all statistics to zero?</source>
        <translation>Azzerare tutte le statistiche?</translation>
    </message>
    <message>
        <source>How far answers fell:</source>
        <translation>Lo scarto delle risposte:</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>&amp;Copia risultato</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Games scored: %1</source>
        <translation>Partite a punti: %1</translation>
    </message>
    <message>
        <source>Answers declared: %1</source>
        <translation>Risposte dichiarate: %1</translation>
    </message>
    <message>
        <source>Best possible reached: %1</source>
        <translation>Il meglio possibile raggiunto: %1</translation>
    </message>
    <message>
        <source>Points: %1 in all, %2 a game</source>
        <translation>Punti: %1 in tutto, %2 a partita</translation>
    </message>
    <message>
        <source>Best possible in a row: %1 now, %2 at most</source>
        <translation>Il meglio possibile di fila: %1 ora, %2 al massimo</translation>
    </message>
    <message>
        <source>On the clock: %1, without the clock: %2</source>
        <translation>Con l&apos;orologio: %1, senza orologio: %2</translation>
    </message>
    <message>
        <source>Days played: %1, in a row: %2</source>
        <extracomment>The days whose board of the day was played, and the run of them up to today.</extracomment>
        <translation>Giorni giocati: %1, di fila: %2</translation>
    </message>
    <message>
        <source>Hints taken: %1</source>
        <translation>Indizi usati: %1</translation>
    </message>
    <message>
        <source>Time to solve: %1 s as a rule (median), %2 s at best</source>
        <extracomment>The times from the target standing still to Declare, of the best possible answers in games on the clock: %1 the median, %2 the best.</extracomment>
        <translation>Tempo di soluzione: %1 s di solito (mediana), %2 s al meglio</translation>
    </message>
    <message>
        <source>Board of the day: %1</source>
        <translation>Sfida del giorno: %1</translation>
    </message>
    <message>
        <source>Matches played: %1</source>
        <extracomment>Two-player matches played to their last round.</extracomment>
        <translation>Incontri giocati: %1</translation>
    </message>
</context>
<context>
    <name>TwoPlayerMatch</name>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
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
        <translation>%1 %2 - %3 %4, round %5 di %6</translation>
    </message>
    <message>
        <source>Pass the keyboard to %1.</source>
        <translation>Passa la tastiera a %1.</translation>
    </message>
    <message>
        <source>%1 picks tile %2 of 6.</source>
        <extracomment>%1: a player&apos;s name; %2: the tile&apos;s number in the six, from 1.</extracomment>
        <translation>%1 sceglie la tessera %2 di 6.</translation>
    </message>
    <message>
        <source>%1: no answer.</source>
        <translation>%1: nessuna risposta.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, exactly: %4.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: the points, &quot;10 points&quot;.</extracomment>
        <translation>%1: %2 = %3, esatto: %4.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, %4 away: %5.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: how far from the target; %5: the points.</extracomment>
        <translation>%1: %2 = %3, a %4 dall&apos;obiettivo: %5.</translation>
    </message>
    <message>
        <source>Round %1, target %2:</source>
        <extracomment>%1: the round&apos;s number; %2: its target.</extracomment>
        <translation>Round %1, obiettivo %2:</translation>
    </message>
    <message>
        <source>Best possible: %1 exactly.</source>
        <translation>Il meglio possibile: esattamente %1.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away.</source>
        <translation>Il meglio possibile: %1, a %2 dall&apos;obiettivo.</translation>
    </message>
    <message>
        <source>The round is a tie.</source>
        <translation>Il round finisce in parità.</translation>
    </message>
    <message>
        <source>%1 wins the round.</source>
        <translation>%1 vince il round.</translation>
    </message>
    <message>
        <source>The match was ended at %1.</source>
        <extracomment>A match left before its last round, at its score: &quot;Ann 2 - Ben 1&quot;.</extracomment>
        <translation>L&apos;incontro è stato interrotto sul %1.</translation>
    </message>
    <message>
        <source>The match is a draw, %1 - %2.</source>
        <translation>L&apos;incontro finisce in parità, %1 - %2.</translation>
    </message>
    <message>
        <source>%1 wins the match %2 - %3.</source>
        <translation>%1 vince l&apos;incontro %2 - %3.</translation>
    </message>
</context>
<context>
    <name>VelCProg</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
</context>
</TS>
