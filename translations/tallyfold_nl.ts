<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutFrm</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game logo</source>
        <translation>Logo van Tallyfold, het getallenspel</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game</source>
        <translation>Tallyfold, het getallenspel</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1.
All rights reserved.</source>
        <translation>Copyright © 2026 %1.
Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
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
        <translation>Tallyfold, het getallenspel: %1.%2</translation>
    </message>
    <message>
        <source>No mail program could be opened. You can write to %1 at:
%2</source>
        <extracomment>Shown when clicking the about window&apos;s mail link opens no mail program; %1 the author&apos;s name, %2 the mail address.</extracomment>
        <translation>Er kon geen e-mailprogramma worden geopend. Je kunt %1 schrijven op:
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
        <translation>min</translation>
    </message>
    <message>
        <source>times</source>
        <translation>keer</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>gedeeld door</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Jouw antwoord</translation>
    </message>
    <message>
        <source>Your numbers: %1    Target: %2</source>
        <translation>Jouw getallen: %1    Doel: %2</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <translation>&amp;Stap voor stap</translation>
    </message>
    <message>
        <source>&amp;Type it</source>
        <translation>&amp;Typen</translation>
    </message>
    <message>
        <source>&amp;Declare</source>
        <translation>&amp;Inleveren</translation>
    </message>
    <message>
        <source>&amp;No answer</source>
        <translation>&amp;Geen antwoord</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Stappen</translation>
    </message>
    <message>
        <source>&amp;Answer (digits, + - x / and parentheses):</source>
        <translation>&amp;Antwoord (cijfers, + - x / en haakjes):</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwoord</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>&amp;Resultaat kopiëren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>Resultaat %1</translation>
    </message>
    <message>
        <source>Choose a number, or make a step, to declare.</source>
        <translation>Kies een getal of maak een stap om in te leveren.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Geen antwoord.</translation>
    </message>
    <message>
        <source>You reached %1 exactly.</source>
        <translation>Je hebt precies %1 bereikt.</translation>
    </message>
    <message>
        <source>You reached %1, %2 away from %3.</source>
        <translation>Je hebt %1 bereikt, %2 van %3 af.</translation>
    </message>
    <message>
        <source>Best possible: %1, for example %2.</source>
        <translation>Best mogelijk: %1, bijvoorbeeld %2.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away, for example %3 = %4.</source>
        <translation>Best mogelijk: %1, %2 ernaast, bijvoorbeeld %3 = %4.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> of </translation>
    </message>
    <message>
        <source>This board and target are rated %1.</source>
        <extracomment>%1: a rating, such as &quot;Hard&quot;.</extracomment>
        <translation>Deze opgave en dit doel zijn %1.</translation>
    </message>
    <message>
        <source>Time to solve: %1 seconds.</source>
        <extracomment>%1: seconds, with one decimal.</extracomment>
        <translation>Oplostijd: %1 seconden.</translation>
    </message>
    <message>
        <source>1 hint taken: 1 point less.</source>
        <translation>1 hint gebruikt: 1 punt minder.</translation>
    </message>
    <message numerus="yes">
        <source>%n hints taken: %n points less.</source>
        <translation>
            <numerusform>%n hint gebruikt: %n punt minder.</numerusform>
            <numerusform>%n hints gebruikt: %n punten minder.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 point.</source>
        <translation>1 punt.</translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n punt.</numerusform>
            <numerusform>%n punten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares none of your steps.</source>
        <extracomment>%1: an answer in the game&apos;s notation.</extracomment>
        <translation>Het dichtst bij het jouwe: %1, zonder een van je stappen.</translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares 1 of your steps.</source>
        <translation>Het dichtst bij het jouwe: %1, met 1 van je stappen.</translation>
    </message>
    <message numerus="yes">
        <source>Closest to yours: %1, which shares %n of your steps.</source>
        <translation>
            <numerusform>Het dichtst bij het jouwe: %1, met %n van je stappen.</numerusform>
            <numerusform>Het dichtst bij het jouwe: %1, met %n van je stappen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your step %1, %2, is where the two part: it takes %3.</source>
        <extracomment>%1: the step&apos;s number; %2: the player&apos;s step; %3: the answer&apos;s step instead.</extracomment>
        <translation>Bij jouw stap %1, %2, gaan de twee uiteen: het neemt %3.</translation>
    </message>
    <message>
        <source>It takes all your steps, then %1.</source>
        <translation>Het neemt al je stappen, dan %1.</translation>
    </message>
    <message>
        <source>Its first step is %1.</source>
        <translation>De eerste stap is %1.</translation>
    </message>
    <message>
        <source>The answer is empty.</source>
        <translation>Het antwoord is leeg.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; at character %2 is not a number, an operation or a bracket.</source>
        <translation>&apos;%1&apos; op teken %2 is geen getal, bewerking of haakje.</translation>
    </message>
    <message>
        <source>A number is missing at the end.</source>
        <translation>Aan het eind ontbreekt een getal.</translation>
    </message>
    <message>
        <source>A number is missing before &apos;%1&apos; at character %2.</source>
        <translation>Voor &apos;%1&apos; op teken %2 ontbreekt een getal.</translation>
    </message>
    <message>
        <source>An operation is missing before &apos;%1&apos; at character %2.</source>
        <translation>Voor &apos;%1&apos; op teken %2 ontbreekt een bewerking.</translation>
    </message>
    <message>
        <source>The bracket at character %1 is never closed.</source>
        <translation>Het haakje op teken %1 wordt nooit gesloten.</translation>
    </message>
    <message>
        <source>The bracket at character %1 closes nothing.</source>
        <translation>Het haakje op teken %1 sluit niets.</translation>
    </message>
    <message>
        <source>%1 is far too large to be one of your numbers.</source>
        <translation>%1 is veel te groot om een van je getallen te zijn.</translation>
    </message>
    <message>
        <source>%1 is not one of your numbers.</source>
        <translation>%1 is niet een van je getallen.</translation>
    </message>
    <message>
        <source>%1 is used more often than you have it.</source>
        <translation>%1 wordt vaker gebruikt dan je het hebt.</translation>
    </message>
    <message>
        <source>Step %1, %2: the division is not exact.</source>
        <translation>Stap %1, %2: de deling gaat niet op.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result must be a positive whole number.</source>
        <translation>Stap %1, %2: de uitkomst moet een positief geheel getal zijn.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result is too large.</source>
        <translation>Stap %1, %2: de uitkomst is te groot.</translation>
    </message>
    <message>
        <source>&amp;Ready</source>
        <translation>&amp;Klaar</translation>
    </message>
</context>
<context>
    <name>CodeFrm</name>
    <message>
        <source>Play a board code</source>
        <translation>Een opgavecode spelen</translation>
    </message>
    <message>
        <source>&amp;Board code, as TF-98X-KKC:</source>
        <translation>&amp;Opgavecode, zoals TF-98X-KKC:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spelen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, does not belong there: a code starts with TF.</source>
        <extracomment>%1: the place of the character (from 1); %2: the character as typed.</extracomment>
        <translation>Teken %1, &apos;%2&apos;, hoort daar niet: een code begint met TF.</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, is not one a code has (it has 2 to 9 and the letters but I, L and O).</source>
        <translation>Teken %1, &apos;%2&apos;, komt in geen code voor (een code heeft 2 tot 9 en de letters behalve I, L en O).</translation>
    </message>
    <message>
        <source>A code has %1 characters after TF, this has %2.</source>
        <extracomment>%1: how many characters a code has after TF; %2: how many the text has.</extracomment>
        <translation>Een code heeft %1 tekens na TF, deze heeft er %2.</translation>
    </message>
    <message>
        <source>The check character does not match: a character is mistyped or two are swapped, but which cannot be told.</source>
        <translation>Het controleteken klopt niet: een teken is verkeerd getypt of twee zijn verwisseld, maar welke is niet te zeggen.</translation>
    </message>
    <message>
        <source>The check character matches, but the code names no board: more than one character is wrong.</source>
        <translation>Het controleteken klopt, maar de code hoort bij geen opgave: meer dan één teken is fout.</translation>
    </message>
</context>
<context>
    <name>DaysFrm</name>
    <message>
        <source>Past days</source>
        <translation>Eerdere dagen</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Volgende maand</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <extracomment>Under a day of the calendar: the points of its result, in short.</extracomment>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1: not played</source>
        <extracomment>%1: a date, as &quot;Friday, 11 December 2026&quot;.</extracomment>
        <translation>%1: niet gespeeld</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punten</translation>
    </message>
    <message>
        <source>%1: %2, no answer</source>
        <extracomment>%1: a date; %2: its points (&quot;0 points&quot;).</extracomment>
        <translation>%1: %2, geen antwoord</translation>
    </message>
    <message>
        <source>%1: %2, exact</source>
        <translation>%1: %2, precies</translation>
    </message>
    <message>
        <source>%1: %2, %3 away</source>
        <extracomment>%1: a date; %2: its points; %3: how far the answer was from the target.</extracomment>
        <translation>%1: %2, %3 ernaast</translation>
    </message>
</context>
<context>
    <name>FallChart</name>
    <message>
        <source>Best possible</source>
        <translation>Best mogelijk</translation>
    </message>
    <message>
        <source>1 to 5 off</source>
        <translation>1 tot 5 ernaast</translation>
    </message>
    <message>
        <source>6 to 10 off</source>
        <translation>6 tot 10 ernaast</translation>
    </message>
    <message>
        <source>Over 10 off</source>
        <translation>Meer dan 10 ernaast</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Geen antwoord</translation>
    </message>
    <message>
        <source>How far answers fell</source>
        <translation>Hoe ver antwoorden ernaast zaten</translation>
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
        <translation>STOP</translation>
    </message>
    <message>
        <source>PLAY AGAIN</source>
        <translation>OPNIEUW</translation>
    </message>
    <message>
        <source>Show Answer(s)</source>
        <translation>Oplossingen</translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Search Finished</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Zoeken...</translation>
    </message>
</context>
<context>
    <name>GameFrm</name>
    <message>
        <source>Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, the last row contains the numbers 25, 50, 75 and 100.</source>
        <translation>Kies hieronder 6 getallen. De eerste 2 rijen bevatten de getallen 1 tot 10, de laatste rij de getallen 25, 50, 75 en 100.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>&amp;Manual setup</source>
        <translation>&amp;Handmatig</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s board</source>
        <translation>&amp;Dagopgave</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>&amp;Statistieken</translation>
    </message>
    <message>
        <source>Past &amp;days</source>
        <translation>&amp;Eerdere dagen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Hi&amp;nt</translation>
    </message>
    <message>
        <source>Board &amp;codes</source>
        <translation>&amp;Codes</translation>
    </message>
    <message>
        <source>&amp;Copy board code</source>
        <translation>Code &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Play a board code...</source>
        <translation>Code &amp;spelen...</translation>
    </message>
    <message>
        <source>The Numbers Game</source>
        <translation>Het getallenspel</translation>
    </message>
    <message>
        <source>Chosen number %1</source>
        <translation>Gekozen getal %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Stand van het zoeken</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Oplossingen</translation>
    </message>
    <message>
        <source>Face-down tile %1, row %2</source>
        <translation>Verborgen tegel %1, rij %2</translation>
    </message>
    <message>
        <source>This try is not recorded; the day&apos;s first result is: %1</source>
        <translation>Deze poging telt niet mee; het eerste resultaat van vandaag is: %1</translation>
    </message>
    <message>
        <source>Time is up.</source>
        <translation>De tijd is om.</translation>
    </message>
    <message>
        <source>Clock: off</source>
        <translation>Klok: uit</translation>
    </message>
    <message>
        <source>This round is played without the clock.</source>
        <translation>Deze ronde wordt zonder klok gespeeld.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n seconds left</source>
        <translation>
            <numerusform>Klok: nog %n seconde</numerusform>
            <numerusform>Klok: nog %n seconden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n seconds</source>
        <translation>
            <numerusform>%1 van %n seconde</numerusform>
            <numerusform>%1 van %n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>T&amp;wo players</source>
        <translation>&amp;Twee spelers</translation>
    </message>
    <message>
        <source>&amp;End match</source>
        <translation>Wedstrijd &amp;beëindigen</translation>
    </message>
</context>
<context>
    <name>GameHints</name>
    <message>
        <source>This board has no target rated %1: this one is %2, the nearest.</source>
        <extracomment>%1: the rating asked for in the settings; %2: the one the roll took.</extracomment>
        <translation>Deze getallen hebben geen doel dat %1 is: dit is %2, het dichtstbij.</translation>
    </message>
    <message>
        <source>Hint 3: the first step is %1.</source>
        <extracomment>%1: a step such as &quot;100 + 5 = 105&quot;.</extracomment>
        <translation>Hint 3: de eerste stap is %1.</translation>
    </message>
    <message>
        <source>Hint 3: the answer is one of your numbers.</source>
        <translation>Hint 3: het antwoord is een van je getallen.</translation>
    </message>
    <message>
        <source>1 number</source>
        <translation>1 getal</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n getal</numerusform>
            <numerusform>%n getallen</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint 1: the target can be reached exactly, with %1.</source>
        <extracomment>%1: how many numbers, as &quot;3 numbers&quot;.</extracomment>
        <translation>Hint 1: het doel is precies te halen, met %1.</translation>
    </message>
    <message>
        <source>Hint 1: the target cannot be reached; the nearest is %1, %2 away, with %3.</source>
        <extracomment>%1: the nearest value; %2: how far it is from the target; %3: &quot;3 numbers&quot;.</extracomment>
        <translation>Hint 1: het doel is niet te halen; het dichtstbij is %1, %2 ernaast, met %3.</translation>
    </message>
    <message>
        <source>Hint 2: no operation is needed, only %1.</source>
        <extracomment>%1: the one number that is already the answer.</extracomment>
        <translation>Hint 2: er is geen bewerking nodig, alleen %1.</translation>
    </message>
    <message>
        <source>Hint 2: it takes %1, with %2.</source>
        <extracomment>%1: operations such as &quot;+ and x&quot;; %2: numbers such as &quot;100, 5 and 3&quot;.</extracomment>
        <translation>Hint 2: het vraagt %1, met %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two items of a list: &quot;100, 5 and 3&quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
</context>
<context>
    <name>GameStatus</name>
    <message>
        <source>Searching... %1</source>
        <extracomment>%1: how many combinations the running search has tried so far.</extracomment>
        <translation>Zoeken... %1</translation>
    </message>
    <message numerus="yes">
        <source>%n answers found.</source>
        <extracomment>The second line of the status after a search; English says &quot;1 answers found.&quot; too.</extracomment>
        <translation>
            <numerusform>%n oplossing gevonden.</numerusform>
            <numerusform>%n oplossingen gevonden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Board code %1 copied.</source>
        <extracomment>%1: a board code such as TF-98X-KKC, now on the clipboard.</extracomment>
        <translation>Opgavecode %1 gekopieerd.</translation>
    </message>
    <message>
        <source>Search Stopped at combination %1
%2</source>
        <translation>Zoeken gestopt bij combinatie %1
%2</translation>
    </message>
    <message>
        <source>Searched %1 combinations: 
%2</source>
        <translation>%1 combinaties doorzocht: 
%2</translation>
    </message>
    <message>
        <source>A complete search found 1 answer.</source>
        <translation>Een volledige zoektocht vond 1 oplossing.</translation>
    </message>
    <message numerus="yes">
        <source>A complete search found %n answers.</source>
        <translation>
            <numerusform>Een volledige zoektocht vond %n oplossing.</numerusform>
            <numerusform>Een volledige zoektocht vond %n oplossingen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 or %2 (%3 away).</source>
        <translation>Geen precieze oplossing: het dichtstbij zijn %1 en %2 (%3 ernaast).</translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 (%2 away).</source>
        <translation>Geen precieze oplossing: het dichtstbij is %1 (%2 ernaast).</translation>
    </message>
</context>
<context>
    <name>ManualFrm</name>
    <message>
        <source>Manual Overide</source>
        <extracomment>Title of the window where the player sets up six numbers and a target by hand.</extracomment>
        <translation>Handmatige opgave</translation>
    </message>
    <message>
        <source>Select 6 numbers to use: </source>
        <translation>Kies 6 getallen: </translation>
    </message>
    <message>
        <source>Enter the Target (between 101 and 999):</source>
        <translation>Voer het doel in (tussen 101 en 999):</translation>
    </message>
    <message>
        <source>A target from %1 to %2</source>
        <translation>Een doel van %1 tot %2</translation>
    </message>
    <message>
        <source>Find Answers</source>
        <translation>Oplossingen zoeken</translation>
    </message>
    <message>
        <source>The target must be %1 or less</source>
        <translation>Het doel mag hoogstens %1 zijn</translation>
    </message>
    <message>
        <source>The target must be more than 101</source>
        <translation>Het doel moet minstens 101 zijn</translation>
    </message>
    <message>
        <source>Invalid Target.</source>
        <translation>Ongeldig doel.</translation>
    </message>
    <message>
        <source>You must choose 6 numbers to use.</source>
        <translation>Je moet 6 getallen kiezen.</translation>
    </message>
    <message>
        <source>More numbers required</source>
        <translation>Meer getallen nodig</translation>
    </message>
</context>
<context>
    <name>MatchFrm</name>
    <message>
        <source>Two players</source>
        <translation>Twee spelers</translation>
    </message>
    <message>
        <source>Player &amp;1:</source>
        <translation>Speler &amp;1:</translation>
    </message>
    <message>
        <source>Player &amp;2:</source>
        <translation>Speler &amp;2:</translation>
    </message>
    <message>
        <source>&amp;Rounds (1 to 15):</source>
        <translation>&amp;Rondes (1 tot 15):</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>De zes getallen</translation>
    </message>
    <message>
        <source>&amp;Dealt at random</source>
        <translation>&amp;Willekeurig gedeeld</translation>
    </message>
    <message>
        <source>&amp;Picked in turns, a tile each</source>
        <extracomment>The first player of a round picks the 1st, 3rd and 5th tile.</extracomment>
        <translation>&amp;Om de beurt gekozen, één tegel per keer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>PlayerStats</name>
    <message>
        <source>1 point</source>
        <translation>1 punt</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>geen antwoord</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>precies</translation>
    </message>
    <message>
        <source>%1 away</source>
        <translation>%1 ernaast</translation>
    </message>
    <message>
        <source>Tallyfold %1: %2, %3, without the clock</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard for a game played without the clock: %1 the date, %2 the points, %3 how far.</extracomment>
        <translation>Tallyfold %1: %2, %3, zonder klok</translation>
    </message>
    <message numerus="yes">
        <source>Tallyfold %1: %2, %3, %n seconds left</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard: %1 the date (YYYY-MM-DD), %2 the points (&quot;9 points&quot;), %3 how far (&quot;exact&quot;, &quot;1 away&quot;, &quot;no answer&quot;), %n the seconds left on the clock.</extracomment>
        <translation>
            <numerusform>Tallyfold %1: %2, %3, nog %n seconde</numerusform>
            <numerusform>Tallyfold %1: %2, %3, nog %n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (board %2)</source>
        <extracomment>A day&apos;s result line, then %2 the code of that day&apos;s board (TF-98X-KKC).</extracomment>
        <translation>%1 (opgave %2)</translation>
    </message>
</context>
<context>
    <name>RatingNames</name>
    <message>
        <source>Any</source>
        <extracomment>The difficulty choice: the roll may stop on any target.</extracomment>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Very hard</source>
        <translation>Heel moeilijk</translation>
    </message>
</context>
<context>
    <name>RecordMessage</name>
    <message>
        <source>The disk is full.</source>
        <translation>De schijf is vol.</translation>
    </message>
    <message>
        <source>The game is not allowed to write in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Het spel mag niet schrijven in %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept it busy for too long.</source>
        <translation>Een ander exemplaar van het spel hield het te lang bezet.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>De map %1 kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>It could not be written in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Er kon niet worden geschreven in %1.</translation>
    </message>
    <message>
        <source>Your record of games could not be read, so a new one was started. The damaged one was kept beside it in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Je spelgeschiedenis kon niet worden gelezen, dus is er een nieuwe begonnen. De beschadigde is ernaast bewaard in %1.</translation>
    </message>
    <message>
        <source>Your record of games cannot be opened, so games are not recorded until the game is started again.</source>
        <translation>Je spelgeschiedenis kan niet worden geopend, dus worden spellen pas weer bijgehouden als het spel opnieuw is gestart.</translation>
    </message>
    <message>
        <source>This game could not be added to your record of games.</source>
        <translation>Dit spel kon niet aan je spelgeschiedenis worden toegevoegd.</translation>
    </message>
    <message>
        <source>Record not saved</source>
        <translation>Geschiedenis niet opgeslagen</translation>
    </message>
</context>
<context>
    <name>SettingFrm</name>
    <message>
        <source> Difficulty </source>
        <extracomment>A tab of the settings window; the spaces around it keep it off the tab&apos;s edges.</extracomment>
        <translation> Moeilijkheid </translation>
    </message>
    <message>
        <source> Timing </source>
        <translation> Tijd </translation>
    </message>
    <message>
        <source> General </source>
        <translation> Algemeen </translation>
    </message>
    <message>
        <source>The Lowest value must be less than the Highest value.</source>
        <translation>De laagste waarde moet kleiner zijn dan de hoogste waarde.</translation>
    </message>
    <message>
        <source>Invalid values.</source>
        <translation>Ongeldige waarden.</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1, so they last only until the game is closed.</source>
        <extracomment>%1: where the settings are kept (a file, or the registry&apos;s key).</extracomment>
        <translation>Je instellingen konden niet worden opgeslagen in %1; ze gelden alleen tot het spel wordt gesloten.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>De schijf is vol.</translation>
    </message>
    <message>
        <source>The game is not allowed to write there.</source>
        <translation>Het spel mag daar niet schrijven.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Instellingen niet opgeslagen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Target Number Properties:</source>
        <translation>Bereik van het doel:</translation>
    </message>
    <message>
        <source>Lowest Value:</source>
        <translation>Laagste waarde:</translation>
    </message>
    <message>
        <source>Highest Value:</source>
        <translation>Hoogste waarde:</translation>
    </message>
    <message>
        <source>Target &amp;rating:</source>
        <translation>&amp;Moeilijkheid van het doel:</translation>
    </message>
    <message>
        <source>Time allowed:</source>
        <translation>Beschikbare tijd:</translation>
    </message>
    <message>
        <source>Preview of the clock</source>
        <translation>Voorbeeld van de klok</translation>
    </message>
    <message>
        <source>Show Tallyfold Seconds </source>
        <extracomment>Shows or hides the count of seconds on the clock; the text stands left of its box.</extracomment>
        <translation>Seconden tonen </translation>
    </message>
    <message>
        <source>Turn off sounds:</source>
        <translation>Geluid uit:</translation>
    </message>
    <message>
        <source>Adjust the clock to synchronize with the music. Use the slider to slow down or quicken the clock.</source>
        <translation>Stem de klok af op de muziek. Met de schuif loopt de klok langzamer of sneller.</translation>
    </message>
    <message>
        <source>Please note that the Tallyfold music will only be audible during the last 30 seconds of the Tallyfold.</source>
        <translation>Let op: de muziek van Tallyfold is alleen te horen in de laatste 30 seconden van de klok.</translation>
    </message>
    <message>
        <source>Search every way when no answer is found</source>
        <translation>Alle wegen doorzoeken als er geen oplossing is</translation>
    </message>
    <message>
        <source>Play for points</source>
        <translation>Om punten spelen</translation>
    </message>
    <message>
        <source>Only targets the numbers can reach</source>
        <translation>Alleen doelen die de getallen halen</translation>
    </message>
    <message>
        <source>Play without the clock</source>
        <translation>Spelen zonder klok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
</context>
<context>
    <name>StatsFrm</name>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Reset all statistics to zero?</source>
        <translation>Alle statistieken op nul zetten?</translation>
    </message>
    <message>
        <source>How far answers fell:</source>
        <translation>Hoe ver antwoorden ernaast zaten:</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>&amp;Resultaat kopiëren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Games scored: %1</source>
        <translation>Spellen met punten: %1</translation>
    </message>
    <message>
        <source>Answers declared: %1</source>
        <translation>Ingeleverde antwoorden: %1</translation>
    </message>
    <message>
        <source>Best possible reached: %1</source>
        <translation>Best mogelijk gehaald: %1</translation>
    </message>
    <message>
        <source>Points: %1 in all, %2 a game</source>
        <translation>Punten: %1 in totaal, %2 per spel</translation>
    </message>
    <message>
        <source>Best possible in a row: %1 now, %2 at most</source>
        <translation>Best mogelijk op rij: %1 nu, %2 op zijn hoogst</translation>
    </message>
    <message>
        <source>On the clock: %1, without the clock: %2</source>
        <translation>Met klok: %1, zonder klok: %2</translation>
    </message>
    <message>
        <source>Days played: %1, in a row: %2</source>
        <extracomment>The days whose board of the day was played, and the run of them up to today.</extracomment>
        <translation>Gespeelde dagen: %1, op rij: %2</translation>
    </message>
    <message>
        <source>Hints taken: %1</source>
        <translation>Gebruikte hints: %1</translation>
    </message>
    <message>
        <source>Time to solve: %1 s as a rule (median), %2 s at best</source>
        <extracomment>The times from the target standing still to Declare, of the best possible answers in games on the clock: %1 the median, %2 the best.</extracomment>
        <translation>Oplostijd: meestal %1 s (mediaan), op zijn best %2 s</translation>
    </message>
    <message>
        <source>Board of the day: %1</source>
        <translation>Dagopgave: %1</translation>
    </message>
    <message>
        <source>Matches played: %1</source>
        <extracomment>Two-player matches played to their last round.</extracomment>
        <translation>Gespeelde wedstrijden: %1</translation>
    </message>
</context>
<context>
    <name>TwoPlayerMatch</name>
    <message>
        <source>Player %1</source>
        <translation>Speler %1</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punt</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
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
        <translation>%1 %2 - %3 %4, ronde %5 van %6</translation>
    </message>
    <message>
        <source>Pass the keyboard to %1.</source>
        <translation>Geef het toetsenbord aan %1.</translation>
    </message>
    <message>
        <source>%1 picks tile %2 of 6.</source>
        <extracomment>%1: a player&apos;s name; %2: the tile&apos;s number in the six, from 1.</extracomment>
        <translation>%1 kiest tegel %2 van 6.</translation>
    </message>
    <message>
        <source>%1: no answer.</source>
        <translation>%1: geen antwoord.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, exactly: %4.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: the points, &quot;10 points&quot;.</extracomment>
        <translation>%1: %2 = %3, precies: %4.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, %4 away: %5.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: how far from the target; %5: the points.</extracomment>
        <translation>%1: %2 = %3, %4 ernaast: %5.</translation>
    </message>
    <message>
        <source>Round %1, target %2:</source>
        <extracomment>%1: the round&apos;s number; %2: its target.</extracomment>
        <translation>Ronde %1, doel %2:</translation>
    </message>
    <message>
        <source>Best possible: %1 exactly.</source>
        <translation>Best mogelijk: precies %1.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away.</source>
        <translation>Best mogelijk: %1, %2 ernaast.</translation>
    </message>
    <message>
        <source>The round is a tie.</source>
        <translation>De ronde eindigt gelijk.</translation>
    </message>
    <message>
        <source>%1 wins the round.</source>
        <translation>%1 wint de ronde.</translation>
    </message>
    <message>
        <source>The match was ended at %1.</source>
        <extracomment>A match left before its last round, at its score: &quot;Ann 2 - Ben 1&quot;.</extracomment>
        <translation>De wedstrijd is gestopt bij %1.</translation>
    </message>
    <message>
        <source>The match is a draw, %1 - %2.</source>
        <translation>De wedstrijd eindigt gelijk, %1 - %2.</translation>
    </message>
    <message>
        <source>%1 wins the match %2 - %3.</source>
        <translation>%1 wint de wedstrijd %2 - %3.</translation>
    </message>
</context>
<context>
    <name>VelCProg</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
</context>
</TS>
