<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutFrm</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game logo</source>
        <translation>Logo des Tallyfold-Zahlenspiels</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game</source>
        <translation>Das Tallyfold-Zahlenspiel</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1.
All rights reserved.</source>
        <translation>Copyright © 2026 %1.
Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>E-mail %1</source>
        <translation>E-Mail %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game: %1.%2</source>
        <translation>Das Tallyfold-Zahlenspiel: %1.%2</translation>
    </message>
    <message>
        <source>No mail program could be opened. You can write to %1 at:
%2</source>
        <extracomment>Shown when clicking the about window&apos;s mail link opens no mail program; %1 the author&apos;s name, %2 the mail address.</extracomment>
        <translation>Es konnte kein E-Mail-Programm geöffnet werden. Du kannst %1 schreiben an:
%2</translation>
    </message>
</context>
<context>
    <name>AnswerFrm</name>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Deine Lösung</translation>
    </message>
    <message>
        <source>Your numbers: %1    Target: %2</source>
        <translation>Deine Zahlen: %1    Ziel: %2</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <translation>&amp;Schrittweise</translation>
    </message>
    <message>
        <source>&amp;Type it</source>
        <translation>&amp;Eintippen</translation>
    </message>
    <message>
        <source>&amp;Declare</source>
        <translation>&amp;Ansagen</translation>
    </message>
    <message>
        <source>&amp;No answer</source>
        <translation>&amp;Keine Lösung</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Rechenschritte</translation>
    </message>
    <message>
        <source>&amp;Answer (digits, + - x / and parentheses):</source>
        <translation>Rechen&amp;weg (Ziffern, + - x / und Klammern):</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>Er&amp;gebnis kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>Ergebnis %1</translation>
    </message>
    <message>
        <source>Choose a number, or make a step, to declare.</source>
        <translation>Wähle zum Ansagen eine Zahl oder rechne einen Schritt.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Keine Lösung.</translation>
    </message>
    <message>
        <source>You reached %1 exactly.</source>
        <translation>Du hast genau %1 erreicht.</translation>
    </message>
    <message>
        <source>You reached %1, %2 away from %3.</source>
        <translation>Du hast %1 erreicht, %2 von %3 entfernt.</translation>
    </message>
    <message>
        <source>Best possible: %1, for example %2.</source>
        <translation>Bestmöglich: %1, zum Beispiel %2.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away, for example %3 = %4.</source>
        <translation>Bestmöglich: %1, %2 daneben, zum Beispiel %3 = %4.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>1 point.</source>
        <translation>1 Punkt.</translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n Punkt.</numerusform>
            <numerusform>%n Punkte.</numerusform>
        </translation>
    </message>
    <message>
        <source>The answer is empty.</source>
        <translation>Der Rechenweg ist leer.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; at character %2 is not a number, an operation or a bracket.</source>
        <translation>„%1“ an Stelle %2 ist weder Zahl noch Rechenzeichen noch Klammer.</translation>
    </message>
    <message>
        <source>A number is missing at the end.</source>
        <translation>Am Ende fehlt eine Zahl.</translation>
    </message>
    <message>
        <source>A number is missing before &apos;%1&apos; at character %2.</source>
        <translation>Vor „%1“ an Stelle %2 fehlt eine Zahl.</translation>
    </message>
    <message>
        <source>An operation is missing before &apos;%1&apos; at character %2.</source>
        <translation>Vor „%1“ an Stelle %2 fehlt ein Rechenzeichen.</translation>
    </message>
    <message>
        <source>The bracket at character %1 is never closed.</source>
        <translation>Die Klammer an Stelle %1 wird nie geschlossen.</translation>
    </message>
    <message>
        <source>The bracket at character %1 closes nothing.</source>
        <translation>Die Klammer an Stelle %1 schließt keine offene Klammer.</translation>
    </message>
    <message>
        <source>%1 is far too large to be one of your numbers.</source>
        <translation>%1 ist viel zu groß für eine deiner Zahlen.</translation>
    </message>
    <message>
        <source>%1 is not one of your numbers.</source>
        <translation>%1 ist keine deiner Zahlen.</translation>
    </message>
    <message>
        <source>%1 is used more often than you have it.</source>
        <translation>%1 kommt öfter vor, als du die Zahl hast.</translation>
    </message>
    <message>
        <source>Step %1, %2: the division is not exact.</source>
        <translation>Schritt %1, %2: Die Division geht nicht auf.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result must be a positive whole number.</source>
        <translation>Schritt %1, %2: Das Ergebnis muss eine positive ganze Zahl sein.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result is too large.</source>
        <translation>Schritt %1, %2: Das Ergebnis ist zu groß.</translation>
    </message>
    <message>
        <source>This board and target are rated %1.</source>
        <extracomment>%1: a rating, such as &quot;Hard&quot;.</extracomment>
        <translation>Diese Zahlen und dieses Ziel gelten als %1.</translation>
    </message>
    <message>
        <source>Time to solve: %1 seconds.</source>
        <extracomment>%1: seconds, with one decimal.</extracomment>
        <translation>Lösungszeit: %1 Sekunden.</translation>
    </message>
    <message>
        <source>1 hint taken: 1 point less.</source>
        <translation>1 Tipp genommen: 1 Punkt weniger.</translation>
    </message>
    <message numerus="yes">
        <source>%n hints taken: %n points less.</source>
        <translation>
            <numerusform>%n Tipp genommen: %n Punkt weniger.</numerusform>
            <numerusform>%n Tipps genommen: %n Punkte weniger.</numerusform>
        </translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares 1 of your steps.</source>
        <translation>Am nächsten an deiner: %1, mit 1 deiner Schritte.</translation>
    </message>
    <message numerus="yes">
        <source>Closest to yours: %1, which shares %n of your steps.</source>
        <translation>
            <numerusform>Am nächsten an deiner: %1, mit %n deiner Schritte.</numerusform>
            <numerusform>Am nächsten an deiner: %1, mit %n deiner Schritte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your step %1, %2, is where the two part: it takes %3.</source>
        <extracomment>%1: the step&apos;s number; %2: the player&apos;s step; %3: the answer&apos;s step instead.</extracomment>
        <translation>Bei deinem Schritt %1, %2, trennen sich die Wege: sie nimmt %3.</translation>
    </message>
    <message>
        <source>It takes all your steps, then %1.</source>
        <translation>Sie nimmt alle deine Schritte, dann %1.</translation>
    </message>
    <message>
        <source>Its first step is %1.</source>
        <translation>Ihr erster Schritt ist %1.</translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares none of your steps.</source>
        <extracomment>%1: an answer in the game&apos;s notation.</extracomment>
        <translation>Am nächsten an deiner: %1, ohne einen deiner Schritte.</translation>
    </message>
    <message>
        <source>&amp;Ready</source>
        <translation>&amp;Bereit</translation>
    </message>
</context>
<context>
    <name>CodeFrm</name>
    <message>
        <source>Play a board code</source>
        <translation>Einen Code spielen</translation>
    </message>
    <message>
        <source>&amp;Board code, as TF-98X-KKC:</source>
        <translation>&amp;Code, etwa TF-98X-KKC:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, does not belong there: a code starts with TF.</source>
        <extracomment>%1: the place of the character (from 1); %2: the character as typed.</extracomment>
        <translation>Zeichen %1, „%2“, gehört nicht dorthin: Ein Code beginnt mit TF.</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, is not one a code has (it has 2 to 9 and the letters but I, L and O).</source>
        <translation>Zeichen %1, „%2“, kommt in keinem Code vor (er hat 2 bis 9 und die Buchstaben außer I, L und O).</translation>
    </message>
    <message>
        <source>A code has %1 characters after TF, this has %2.</source>
        <extracomment>%1: how many characters a code has after TF; %2: how many the text has.</extracomment>
        <translation>Ein Code hat %1 Zeichen nach TF, dieser hat %2.</translation>
    </message>
    <message>
        <source>The check character does not match: a character is mistyped or two are swapped, but which cannot be told.</source>
        <translation>Das Prüfzeichen passt nicht: Ein Zeichen ist vertippt oder zwei sind vertauscht, aber welche, lässt sich nicht sagen.</translation>
    </message>
    <message>
        <source>The check character matches, but the code names no board: more than one character is wrong.</source>
        <translation>Das Prüfzeichen passt, aber der Code nennt keine Zahlen: Mehr als ein Zeichen ist falsch.</translation>
    </message>
</context>
<context>
    <name>DaysFrm</name>
    <message>
        <source>Past days</source>
        <translation>Vergangene Tage</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <extracomment>Under a day of the calendar: the points of its result, in short.</extracomment>
        <translation>%1 P.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1: not played</source>
        <extracomment>%1: a date, as &quot;Friday, 11 December 2026&quot;.</extracomment>
        <translation>%1: nicht gespielt</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 Punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>%1: %2, no answer</source>
        <extracomment>%1: a date; %2: its points (&quot;0 points&quot;).</extracomment>
        <translation>%1: %2, keine Lösung</translation>
    </message>
    <message>
        <source>%1: %2, exact</source>
        <translation>%1: %2, genau</translation>
    </message>
    <message>
        <source>%1: %2, %3 away</source>
        <extracomment>%1: a date; %2: its points; %3: how far the answer was from the target.</extracomment>
        <translation>%1: %2, %3 daneben</translation>
    </message>
</context>
<context>
    <name>FallChart</name>
    <message>
        <source>Best possible</source>
        <translation>Bestmöglich</translation>
    </message>
    <message>
        <source>1 to 5 off</source>
        <translation>1 bis 5 daneben</translation>
    </message>
    <message>
        <source>6 to 10 off</source>
        <translation>6 bis 10 daneben</translation>
    </message>
    <message>
        <source>Over 10 off</source>
        <translation>Über 10 daneben</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Keine Lösung</translation>
    </message>
    <message>
        <source>How far answers fell</source>
        <translation>Abstand zum Ziel</translation>
    </message>
</context>
<context>
    <name>GameCaptions</name>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>PLAY AGAIN</source>
        <translation>NOCHMAL</translation>
    </message>
    <message>
        <source>Show Answer(s)</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Search Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
</context>
<context>
    <name>GameFrm</name>
    <message>
        <source>Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, the last row contains the numbers 25, 50, 75 and 100.</source>
        <translation>Wähle unten 6 Zahlen aus. Die ersten 2 Reihen enthalten die Zahlen 1 bis 10, die letzte Reihe enthält die Zahlen 25, 50, 75 und 100.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Manual setup</source>
        <translation>&amp;Manuelle Eingabe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s board</source>
        <translation>&amp;Tagesaufgabe</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>The Numbers Game</source>
        <translation>Das Zahlenspiel</translation>
    </message>
    <message>
        <source>Chosen number %1</source>
        <translation>Gewählte Zahl %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Zielzahl</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Stand der Suche</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Face-down tile %1, row %2</source>
        <translation>Verdecktes Plättchen %1, Reihe %2</translation>
    </message>
    <message>
        <source>Time is up.</source>
        <translation>Die Zeit ist um.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n seconds left</source>
        <translation>
            <numerusform>Uhr: noch %n Sekunde</numerusform>
            <numerusform>Uhr: noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n seconds</source>
        <translation>
            <numerusform>%1 von %n Sekunde</numerusform>
            <numerusform>%1 von %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>This try is not recorded; the day&apos;s first result is: %1</source>
        <translation>Dieser Versuch wird nicht gezählt; das erste Ergebnis des Tages ist: %1</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Ti&amp;pp</translation>
    </message>
    <message>
        <source>Clock: off</source>
        <translation>Uhr: aus</translation>
    </message>
    <message>
        <source>This round is played without the clock.</source>
        <translation>Diese Runde wird ohne Uhr gespielt.</translation>
    </message>
    <message>
        <source>Board &amp;codes</source>
        <translation>&amp;Codes</translation>
    </message>
    <message>
        <source>&amp;Copy board code</source>
        <translation>Code &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Play a board code...</source>
        <translation>Einen Code &amp;spielen...</translation>
    </message>
    <message>
        <source>Past &amp;days</source>
        <translation>&amp;Vergangene Tage</translation>
    </message>
    <message>
        <source>T&amp;wo players</source>
        <translation>&amp;Zu zweit</translation>
    </message>
    <message>
        <source>&amp;End match</source>
        <translation>Match &amp;abbrechen</translation>
    </message>
</context>
<context>
    <name>GameHints</name>
    <message>
        <source>This board has no target rated %1: this one is %2, the nearest.</source>
        <extracomment>%1: the rating asked for in the settings; %2: the one the roll took.</extracomment>
        <translation>Diese Zahlen haben kein Ziel der Stufe %1: dieses ist %2, die nächste.</translation>
    </message>
    <message>
        <source>Hint 3: the first step is %1.</source>
        <extracomment>%1: a step such as &quot;100 + 5 = 105&quot;.</extracomment>
        <translation>Tipp 3: Der erste Schritt ist %1.</translation>
    </message>
    <message>
        <source>Hint 3: the answer is one of your numbers.</source>
        <translation>Tipp 3: Die Lösung ist eine deiner Zahlen.</translation>
    </message>
    <message>
        <source>1 number</source>
        <translation>1 Zahl</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n Zahl</numerusform>
            <numerusform>%n Zahlen</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint 1: the target can be reached exactly, with %1.</source>
        <extracomment>%1: how many numbers, as &quot;3 numbers&quot;.</extracomment>
        <translation>Tipp 1: Das Ziel ist genau erreichbar, mit %1.</translation>
    </message>
    <message>
        <source>Hint 1: the target cannot be reached; the nearest is %1, %2 away, with %3.</source>
        <extracomment>%1: the nearest value; %2: how far it is from the target; %3: &quot;3 numbers&quot;.</extracomment>
        <translation>Tipp 1: Das Ziel ist nicht erreichbar; am nächsten kommt %1, %2 daneben, mit %3.</translation>
    </message>
    <message>
        <source>Hint 2: no operation is needed, only %1.</source>
        <extracomment>%1: the one number that is already the answer.</extracomment>
        <translation>Tipp 2: Keine Rechnung nötig, nur %1.</translation>
    </message>
    <message>
        <source>Hint 2: it takes %1, with %2.</source>
        <extracomment>%1: operations such as &quot;+ and x&quot;; %2: numbers such as &quot;100, 5 and 3&quot;.</extracomment>
        <translation>Tipp 2: Es braucht %1, mit %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two items of a list: &quot;100, 5 and 3&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>GameStatus</name>
    <message>
        <source>Searching... %1</source>
        <extracomment>%1: how many combinations the running search has tried so far.</extracomment>
        <translation>Suche läuft... %1</translation>
    </message>
    <message numerus="yes">
        <source>%n answers found.</source>
        <extracomment>The second line of the status after a search; English says &quot;1 answers found.&quot; too.</extracomment>
        <translation>
            <numerusform>%n Lösung gefunden.</numerusform>
            <numerusform>%n Lösungen gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Search Stopped at combination %1
%2</source>
        <translation>Suche bei Kombination %1 abgebrochen
%2</translation>
    </message>
    <message>
        <source>Searched %1 combinations: 
%2</source>
        <translation>%1 Kombinationen durchsucht: 
%2</translation>
    </message>
    <message>
        <source>A complete search found 1 answer.</source>
        <translation>Die vollständige Suche fand 1 Lösung.</translation>
    </message>
    <message numerus="yes">
        <source>A complete search found %n answers.</source>
        <translation>
            <numerusform>Die vollständige Suche fand %n Lösung.</numerusform>
            <numerusform>Die vollständige Suche fand %n Lösungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 or %2 (%3 away).</source>
        <translation>Keine genaue Lösung: Am nächsten kommen %1 und %2 (je %3 daneben).</translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 (%2 away).</source>
        <translation>Keine genaue Lösung: Am nächsten kommt %1 (%2 daneben).</translation>
    </message>
    <message>
        <source>Board code %1 copied.</source>
        <extracomment>%1: a board code such as TF-98X-KKC, now on the clipboard.</extracomment>
        <translation>Code %1 kopiert.</translation>
    </message>
</context>
<context>
    <name>ManualFrm</name>
    <message>
        <source>Manual Overide</source>
        <extracomment>Title of the window where the player sets up six numbers and a target by hand.</extracomment>
        <translation>Manuelle Eingabe</translation>
    </message>
    <message>
        <source>Select 6 numbers to use: </source>
        <translation>Wähle 6 Zahlen aus: </translation>
    </message>
    <message>
        <source>Enter the Target (between 101 and 999):</source>
        <translation>Gib die Zielzahl ein (zwischen 101 und 999):</translation>
    </message>
    <message>
        <source>A target from %1 to %2</source>
        <translation>Eine Zielzahl von %1 bis %2</translation>
    </message>
    <message>
        <source>Find Answers</source>
        <translation>Lösungen suchen</translation>
    </message>
    <message>
        <source>The target must be %1 or less</source>
        <translation>Die Zielzahl darf höchstens %1 sein</translation>
    </message>
    <message>
        <source>The target must be more than 101</source>
        <translation>Die Zielzahl muss mindestens 101 sein</translation>
    </message>
    <message>
        <source>Invalid Target.</source>
        <translation>Ungültige Zielzahl.</translation>
    </message>
    <message>
        <source>You must choose 6 numbers to use.</source>
        <translation>Du musst 6 Zahlen auswählen.</translation>
    </message>
    <message>
        <source>More numbers required</source>
        <translation>Weitere Zahlen nötig</translation>
    </message>
</context>
<context>
    <name>MatchFrm</name>
    <message>
        <source>Two players</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>Player &amp;1:</source>
        <translation>Spieler &amp;1:</translation>
    </message>
    <message>
        <source>Player &amp;2:</source>
        <translation>Spieler &amp;2:</translation>
    </message>
    <message>
        <source>&amp;Rounds (1 to 15):</source>
        <translation>&amp;Runden (1 bis 15):</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Die sechs Zahlen</translation>
    </message>
    <message>
        <source>&amp;Dealt at random</source>
        <translation>&amp;Zufällig ausgeteilt</translation>
    </message>
    <message>
        <source>&amp;Picked in turns, a tile each</source>
        <extracomment>The first player of a round picks the 1st, 3rd and 5th tile.</extracomment>
        <translation>&amp;Abwechselnd gewählt, je ein Plättchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PlayerStats</name>
    <message>
        <source>1 point</source>
        <translation>1 Punkt</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Lösung</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>genau</translation>
    </message>
    <message>
        <source>%1 away</source>
        <translation>%1 daneben</translation>
    </message>
    <message numerus="yes">
        <source>Tallyfold %1: %2, %3, %n seconds left</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard: %1 the date (YYYY-MM-DD), %2 the points (&quot;9 points&quot;), %3 how far (&quot;exact&quot;, &quot;1 away&quot;, &quot;no answer&quot;), %n the seconds left on the clock.</extracomment>
        <translation>
            <numerusform>Tallyfold %1: %2, %3, noch %n Sekunde</numerusform>
            <numerusform>Tallyfold %1: %2, %3, noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Tallyfold %1: %2, %3, without the clock</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard for a game played without the clock: %1 the date, %2 the points, %3 how far.</extracomment>
        <translation>Tallyfold %1: %2, %3, ohne Uhr</translation>
    </message>
    <message>
        <source>%1 (board %2)</source>
        <extracomment>A day&apos;s result line, then %2 the code of that day&apos;s board (TF-98X-KKC).</extracomment>
        <translation>%1 (Code %2)</translation>
    </message>
</context>
<context>
    <name>RatingNames</name>
    <message>
        <source>Any</source>
        <extracomment>The difficulty choice: the roll may stop on any target.</extracomment>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Very hard</source>
        <translation>Sehr schwer</translation>
    </message>
</context>
<context>
    <name>RecordMessage</name>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The game is not allowed to write in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Das Spiel darf nicht in %1 schreiben.</translation>
    </message>
    <message>
        <source>Another copy of the game kept it busy for too long.</source>
        <translation>Eine andere Kopie des Spiels hat sie zu lange belegt.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>It could not be written in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Es konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Your record of games could not be read, so a new one was started. The damaged one was kept beside it in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Deine Spielaufzeichnung konnte nicht gelesen werden, deshalb wurde eine neue begonnen. Die beschädigte wurde daneben in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Your record of games cannot be opened, so games are not recorded until the game is started again.</source>
        <translation>Deine Spielaufzeichnung kann nicht geöffnet werden; Spiele werden erst nach einem Neustart des Spiels wieder aufgezeichnet.</translation>
    </message>
    <message>
        <source>This game could not be added to your record of games.</source>
        <translation>Dieses Spiel konnte deiner Spielaufzeichnung nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Record not saved</source>
        <translation>Aufzeichnung nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>SettingFrm</name>
    <message>
        <source> Difficulty </source>
        <extracomment>A tab of the settings window; the spaces around it keep it off the tab&apos;s edges.</extracomment>
        <translation> Schwierigkeit </translation>
    </message>
    <message>
        <source> Timing </source>
        <translation> Zeit </translation>
    </message>
    <message>
        <source> General </source>
        <translation> Allgemein </translation>
    </message>
    <message>
        <source>The Lowest value must be less than the Highest value.</source>
        <translation>Das Minimum muss kleiner als das Maximum sein.</translation>
    </message>
    <message>
        <source>Invalid values.</source>
        <translation>Ungültige Werte.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Target Number Properties:</source>
        <translation>Bereich der Zielzahl:</translation>
    </message>
    <message>
        <source>Lowest Value:</source>
        <translation>Minimum:</translation>
    </message>
    <message>
        <source>Highest Value:</source>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>Time allowed:</source>
        <translation>Bedenkzeit:</translation>
    </message>
    <message>
        <source>Preview of the clock</source>
        <translation>Vorschau der Uhr</translation>
    </message>
    <message>
        <source>Show Tallyfold Seconds </source>
        <extracomment>Shows or hides the count of seconds on the clock; the text stands left of its box.</extracomment>
        <translation>Sekunden anzeigen </translation>
    </message>
    <message>
        <source>Turn off sounds:</source>
        <translation>Ton ausschalten:</translation>
    </message>
    <message>
        <source>Adjust the clock to synchronize with the music. Use the slider to slow down or quicken the clock.</source>
        <translation>Stimme die Uhr auf die Musik ab. Mit dem Regler läuft die Uhr langsamer oder schneller.</translation>
    </message>
    <message>
        <source>Please note that the Tallyfold music will only be audible during the last 30 seconds of the Tallyfold.</source>
        <translation>Hinweis: Die Tallyfold-Musik ist nur in den letzten 30 Sekunden der Tallyfold-Runde zu hören.</translation>
    </message>
    <message>
        <source>Search every way when no answer is found</source>
        <translation>Ohne Lösung alle Rechenwege durchsuchen</translation>
    </message>
    <message>
        <source>Play for points</source>
        <translation>Um Punkte spielen</translation>
    </message>
    <message>
        <source>Only targets the numbers can reach</source>
        <translation>Nur erreichbare Zielzahlen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1, so they last only until the game is closed.</source>
        <extracomment>%1: where the settings are kept (a file, or the registry&apos;s key).</extracomment>
        <translation>Deine Einstellungen konnten nicht in %1 gespeichert werden; sie gelten nur, bis das Spiel beendet wird.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The game is not allowed to write there.</source>
        <translation>Das Spiel darf dort nicht schreiben.</translation>
    </message>
    <message>
        <source>Target &amp;rating:</source>
        <translation>&amp;Schwierigkeit:</translation>
    </message>
    <message>
        <source>Play without the clock</source>
        <translation>Ohne Uhr spielen</translation>
    </message>
</context>
<context>
    <name>StatsFrm</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Reset all statistics to zero?</source>
        <translation>Die gesamte Statistik auf null zurücksetzen?</translation>
    </message>
    <message>
        <source>How far answers fell:</source>
        <translation>Abstand zum Ziel:</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>Er&amp;gebnis kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Games scored: %1</source>
        <translation>Gewertete Spiele: %1</translation>
    </message>
    <message>
        <source>Answers declared: %1</source>
        <translation>Angesagte Lösungen: %1</translation>
    </message>
    <message>
        <source>Best possible reached: %1</source>
        <translation>Bestmöglich erreicht: %1</translation>
    </message>
    <message>
        <source>Points: %1 in all, %2 a game</source>
        <translation>Punkte: %1 insgesamt, %2 pro Spiel</translation>
    </message>
    <message>
        <source>Best possible in a row: %1 now, %2 at most</source>
        <translation>Bestmöglich in Folge: aktuell %1, höchstens %2</translation>
    </message>
    <message>
        <source>Board of the day: %1</source>
        <translation>Tagesaufgabe: %1</translation>
    </message>
    <message>
        <source>On the clock: %1, without the clock: %2</source>
        <translation>Mit Uhr: %1, ohne Uhr: %2</translation>
    </message>
    <message>
        <source>Hints taken: %1</source>
        <translation>Genommene Tipps: %1</translation>
    </message>
    <message>
        <source>Time to solve: %1 s as a rule (median), %2 s at best</source>
        <extracomment>The times from the target standing still to Declare, of the best possible answers in games on the clock: %1 the median, %2 the best.</extracomment>
        <translation>Lösungszeit: meist %1 s (Median), bestenfalls %2 s</translation>
    </message>
    <message>
        <source>Days played: %1, in a row: %2</source>
        <extracomment>The days whose board of the day was played, and the run of them up to today.</extracomment>
        <translation>Gespielte Tage: %1, in Folge: %2</translation>
    </message>
    <message>
        <source>Matches played: %1</source>
        <extracomment>Two-player matches played to their last round.</extracomment>
        <translation>Gespielte Matches: %1</translation>
    </message>
</context>
<context>
    <name>TwoPlayerMatch</name>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 Punkt</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
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
        <translation>%1 %2 - %3 %4, Runde %5 von %6</translation>
    </message>
    <message>
        <source>Pass the keyboard to %1.</source>
        <translation>Gib die Tastatur an %1 weiter.</translation>
    </message>
    <message>
        <source>%1 picks tile %2 of 6.</source>
        <extracomment>%1: a player&apos;s name; %2: the tile&apos;s number in the six, from 1.</extracomment>
        <translation>%1 wählt Plättchen %2 von 6.</translation>
    </message>
    <message>
        <source>%1: no answer.</source>
        <translation>%1: keine Lösung.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, exactly: %4.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: the points, &quot;10 points&quot;.</extracomment>
        <translation>%1: %2 = %3, genau: %4.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, %4 away: %5.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: how far from the target; %5: the points.</extracomment>
        <translation>%1: %2 = %3, %4 daneben: %5.</translation>
    </message>
    <message>
        <source>Round %1, target %2:</source>
        <extracomment>%1: the round&apos;s number; %2: its target.</extracomment>
        <translation>Runde %1, Zielzahl %2:</translation>
    </message>
    <message>
        <source>Best possible: %1 exactly.</source>
        <translation>Bestmöglich: genau %1.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away.</source>
        <translation>Bestmöglich: %1, %2 daneben.</translation>
    </message>
    <message>
        <source>The round is a tie.</source>
        <translation>Die Runde endet unentschieden.</translation>
    </message>
    <message>
        <source>%1 wins the round.</source>
        <translation>%1 gewinnt die Runde.</translation>
    </message>
    <message>
        <source>The match was ended at %1.</source>
        <extracomment>A match left before its last round, at its score: &quot;Ann 2 - Ben 1&quot;.</extracomment>
        <translation>Das Match wurde beim Stand %1 abgebrochen.</translation>
    </message>
    <message>
        <source>The match is a draw, %1 - %2.</source>
        <translation>Das Match endet unentschieden, %1 - %2.</translation>
    </message>
    <message>
        <source>%1 wins the match %2 - %3.</source>
        <translation>%1 gewinnt das Match %2 - %3.</translation>
    </message>
</context>
<context>
    <name>VelCProg</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
</TS>
