<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutFrm</name>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game logo</source>
        <translation>Logo Tallyfold – gry w liczby</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game</source>
        <translation>Tallyfold – gra w liczby</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1.
All rights reserved.</source>
        <translation>Copyright © 2026 %1.
Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
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
        <translation>Tallyfold – gra w liczby: %1.%2</translation>
    </message>
    <message>
        <source>No mail program could be opened. You can write to %1 at:
%2</source>
        <extracomment>Shown when clicking the about window&apos;s mail link opens no mail program; %1 the author&apos;s name, %2 the mail address.</extracomment>
        <translation>Nie udało się otworzyć programu pocztowego. Możesz napisać do autora (%1) na adres:
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
        <translation>razy</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>podzielić przez</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Twoja odpowiedź</translation>
    </message>
    <message>
        <source>Your numbers: %1    Target: %2</source>
        <translation>Twoje liczby: %1    Cel: %2</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <translation>&amp;Krok po kroku</translation>
    </message>
    <message>
        <source>&amp;Type it</source>
        <translation>&amp;Wpisz</translation>
    </message>
    <message>
        <source>&amp;Declare</source>
        <translation>&amp;Zgłoś</translation>
    </message>
    <message>
        <source>&amp;No answer</source>
        <translation>&amp;Brak odpowiedzi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Kroki</translation>
    </message>
    <message>
        <source>&amp;Answer (digits, + - x / and parentheses):</source>
        <translation>&amp;Odpowiedź (cyfry, + - x / i nawiasy):</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Odpowiedź</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>Ko&amp;piuj wynik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>Wynik %1</translation>
    </message>
    <message>
        <source>Choose a number, or make a step, to declare.</source>
        <translation>Aby zgłosić, wybierz liczbę albo wykonaj krok.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Brak odpowiedzi.</translation>
    </message>
    <message>
        <source>You reached %1 exactly.</source>
        <translation>Twój wynik to dokładnie %1.</translation>
    </message>
    <message>
        <source>You reached %1, %2 away from %3.</source>
        <translation>Twój wynik to %1, o %2 od %3.</translation>
    </message>
    <message>
        <source>Best possible: %1, for example %2.</source>
        <translation>Najlepszy możliwy: %1, na przykład %2.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away, for example %3 = %4.</source>
        <translation>Najlepszy możliwy: %1, o %2 od celu, na przykład %3 = %4.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> lub </translation>
    </message>
    <message>
        <source>This board and target are rated %1.</source>
        <extracomment>%1: a rating, such as &quot;Hard&quot;.</extracomment>
        <translation>To zadanie i ten cel mają poziom: %1.</translation>
    </message>
    <message>
        <source>Time to solve: %1 seconds.</source>
        <extracomment>%1: seconds, with one decimal.</extracomment>
        <translation>Czas rozwiązania: %1 s.</translation>
    </message>
    <message>
        <source>1 hint taken: 1 point less.</source>
        <translation>1 podpowiedź: 1 punkt mniej.</translation>
    </message>
    <message numerus="yes">
        <source>%n hints taken: %n points less.</source>
        <translation>
            <numerusform>%n podpowiedź: %n punkt mniej.</numerusform>
            <numerusform>%n podpowiedzi: %n punkty mniej.</numerusform>
            <numerusform>%n podpowiedzi: %n punktów mniej.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 point.</source>
        <translation>1 punkt.</translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n punkt.</numerusform>
            <numerusform>%n punkty.</numerusform>
            <numerusform>%n punktów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares none of your steps.</source>
        <extracomment>%1: an answer in the game&apos;s notation.</extracomment>
        <translation>Najbliższa twojej: %1, nie ma z nią wspólnych kroków.</translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares 1 of your steps.</source>
        <translation>Najbliższa twojej: %1, ma z nią 1 wspólny krok.</translation>
    </message>
    <message numerus="yes">
        <source>Closest to yours: %1, which shares %n of your steps.</source>
        <translation>
            <numerusform>Najbliższa twojej: %1, ma z nią %n wspólny krok.</numerusform>
            <numerusform>Najbliższa twojej: %1, ma z nią %n wspólne kroki.</numerusform>
            <numerusform>Najbliższa twojej: %1, ma z nią %n wspólnych kroków.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your step %1, %2, is where the two part: it takes %3.</source>
        <extracomment>%1: the step&apos;s number; %2: the player&apos;s step; %3: the answer&apos;s step instead.</extracomment>
        <translation>Twój krok %1, %2, to miejsce, gdzie się rozchodzą: ona robi %3.</translation>
    </message>
    <message>
        <source>It takes all your steps, then %1.</source>
        <translation>Robi wszystkie twoje kroki, potem %1.</translation>
    </message>
    <message>
        <source>Its first step is %1.</source>
        <translation>Jej pierwszy krok to %1.</translation>
    </message>
    <message>
        <source>The answer is empty.</source>
        <translation>Odpowiedź jest pusta.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; at character %2 is not a number, an operation or a bracket.</source>
        <translation>„%1” na pozycji %2 to nie liczba, działanie ani nawias.</translation>
    </message>
    <message>
        <source>A number is missing at the end.</source>
        <translation>Na końcu brakuje liczby.</translation>
    </message>
    <message>
        <source>A number is missing before &apos;%1&apos; at character %2.</source>
        <translation>Przed „%1” na pozycji %2 brakuje liczby.</translation>
    </message>
    <message>
        <source>An operation is missing before &apos;%1&apos; at character %2.</source>
        <translation>Przed „%1” na pozycji %2 brakuje działania.</translation>
    </message>
    <message>
        <source>The bracket at character %1 is never closed.</source>
        <translation>Nawias na pozycji %1 nigdy nie jest zamknięty.</translation>
    </message>
    <message>
        <source>The bracket at character %1 closes nothing.</source>
        <translation>Nawias na pozycji %1 niczego nie zamyka.</translation>
    </message>
    <message>
        <source>%1 is far too large to be one of your numbers.</source>
        <translation>%1 jest o wiele za duże, by być jedną z twoich liczb.</translation>
    </message>
    <message>
        <source>%1 is not one of your numbers.</source>
        <translation>%1 nie jest jedną z twoich liczb.</translation>
    </message>
    <message>
        <source>%1 is used more often than you have it.</source>
        <translation>%1 występuje częściej, niż masz tę liczbę.</translation>
    </message>
    <message>
        <source>Step %1, %2: the division is not exact.</source>
        <translation>Krok %1, %2: dzielenie nie jest dokładne.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result must be a positive whole number.</source>
        <translation>Krok %1, %2: wynik musi być dodatnią liczbą całkowitą.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result is too large.</source>
        <translation>Krok %1, %2: wynik jest za duży.</translation>
    </message>
    <message>
        <source>&amp;Ready</source>
        <translation>&amp;Gotowe</translation>
    </message>
</context>
<context>
    <name>CodeFrm</name>
    <message>
        <source>Play a board code</source>
        <translation>Zagraj z kodu</translation>
    </message>
    <message>
        <source>&amp;Board code, as TF-98X-KKC:</source>
        <translation>&amp;Kod zadania, np. TF-98X-KKC:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Graj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, does not belong there: a code starts with TF.</source>
        <extracomment>%1: the place of the character (from 1); %2: the character as typed.</extracomment>
        <translation>Znak %1, „%2”, nie pasuje w tym miejscu: kod zaczyna się od TF.</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, is not one a code has (it has 2 to 9 and the letters but I, L and O).</source>
        <translation>Znaku %1, „%2”, nie ma w kodach (są w nich cyfry od 2 do 9 i litery oprócz I, L i O).</translation>
    </message>
    <message>
        <source>A code has %1 characters after TF, this has %2.</source>
        <extracomment>%1: how many characters a code has after TF; %2: how many the text has.</extracomment>
        <translation>Kod ma %1 znaków po TF, ten ma %2.</translation>
    </message>
    <message>
        <source>The check character does not match: a character is mistyped or two are swapped, but which cannot be told.</source>
        <translation>Znak kontrolny się nie zgadza: jeden znak jest błędny albo dwa są zamienione, ale nie wiadomo które.</translation>
    </message>
    <message>
        <source>The check character matches, but the code names no board: more than one character is wrong.</source>
        <translation>Znak kontrolny się zgadza, ale kod nie wskazuje żadnego zadania: błędny jest więcej niż jeden znak.</translation>
    </message>
</context>
<context>
    <name>DaysFrm</name>
    <message>
        <source>Past days</source>
        <translation>Minione dni</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Poprzedni miesiąc</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Następny miesiąc</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <extracomment>Under a day of the calendar: the points of its result, in short.</extracomment>
        <translation>%1 pkt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1: not played</source>
        <extracomment>%1: a date, as &quot;Friday, 11 December 2026&quot;.</extracomment>
        <translation>%1: nie zagrano</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 pkt</translation>
    </message>
    <message>
        <source>%1: %2, no answer</source>
        <extracomment>%1: a date; %2: its points (&quot;0 points&quot;).</extracomment>
        <translation>%1: %2, brak odpowiedzi</translation>
    </message>
    <message>
        <source>%1: %2, exact</source>
        <translation>%1: %2, dokładnie</translation>
    </message>
    <message>
        <source>%1: %2, %3 away</source>
        <extracomment>%1: a date; %2: its points; %3: how far the answer was from the target.</extracomment>
        <translation>%1: %2, o %3 od celu</translation>
    </message>
</context>
<context>
    <name>FallChart</name>
    <message>
        <source>Best possible</source>
        <translation>Najlepszy możliwy</translation>
    </message>
    <message>
        <source>1 to 5 off</source>
        <translation>Różnica od 1 do 5</translation>
    </message>
    <message>
        <source>6 to 10 off</source>
        <translation>Różnica od 6 do 10</translation>
    </message>
    <message>
        <source>Over 10 off</source>
        <translation>Różnica ponad 10</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Brak odpowiedzi</translation>
    </message>
    <message>
        <source>How far answers fell</source>
        <translation>Jak daleko od celu</translation>
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
        <translation>JESZCZE RAZ</translation>
    </message>
    <message>
        <source>Show Answer(s)</source>
        <translation>Rozwiązania</translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>Search Finished</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Szukam...</translation>
    </message>
</context>
<context>
    <name>GameFrm</name>
    <message>
        <source>Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, the last row contains the numbers 25, 50, 75 and 100.</source>
        <translation>Wybierz poniżej 6 liczb. Pierwsze 2 rzędy zawierają liczby od 1 do 10, ostatni rząd liczby 25, 50, 75 i 100.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Manual setup</source>
        <translation>Wybór &amp;ręczny</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O grze</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s board</source>
        <translation>Zadanie &amp;dnia</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>&amp;Statystyki</translation>
    </message>
    <message>
        <source>Past &amp;days</source>
        <translation>&amp;Minione dni</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>Board &amp;codes</source>
        <translation>&amp;Kody</translation>
    </message>
    <message>
        <source>&amp;Copy board code</source>
        <translation>&amp;Kopiuj kod zadania</translation>
    </message>
    <message>
        <source>&amp;Play a board code...</source>
        <translation>&amp;Graj z kodu...</translation>
    </message>
    <message>
        <source>The Numbers Game</source>
        <translation>Gra w liczby</translation>
    </message>
    <message>
        <source>Chosen number %1</source>
        <translation>Wybrana liczba %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Stan wyszukiwania</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Rozwiązania</translation>
    </message>
    <message>
        <source>Face-down tile %1, row %2</source>
        <translation>Zakryta płytka %1, rząd %2</translation>
    </message>
    <message>
        <source>This try is not recorded; the day&apos;s first result is: %1</source>
        <translation>Ta próba nie jest zapisywana; pierwszy wynik dnia to: %1</translation>
    </message>
    <message>
        <source>Time is up.</source>
        <translation>Czas minął.</translation>
    </message>
    <message>
        <source>Clock: off</source>
        <translation>Zegar: wyłączony</translation>
    </message>
    <message>
        <source>This round is played without the clock.</source>
        <translation>Ta runda jest bez zegara.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n seconds left</source>
        <translation>
            <numerusform>Zegar: została %n sekunda</numerusform>
            <numerusform>Zegar: zostały %n sekundy</numerusform>
            <numerusform>Zegar: zostało %n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n seconds</source>
        <translation>
            <numerusform>%1 z %n sekundy</numerusform>
            <numerusform>%1 z %n sekund</numerusform>
            <numerusform>%1 z %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>T&amp;wo players</source>
        <translation>Dwóch &amp;graczy</translation>
    </message>
    <message>
        <source>&amp;End match</source>
        <translation>Zakończ m&amp;ecz</translation>
    </message>
</context>
<context>
    <name>GameHints</name>
    <message>
        <source>This board has no target rated %1: this one is %2, the nearest.</source>
        <extracomment>%1: the rating asked for in the settings; %2: the one the roll took.</extracomment>
        <translation>Te liczby nie mają celu o poziomie %1: ten ma poziom %2, najbliższy.</translation>
    </message>
    <message>
        <source>Hint 3: the first step is %1.</source>
        <extracomment>%1: a step such as &quot;100 + 5 = 105&quot;.</extracomment>
        <translation>Podpowiedź 3: pierwszy krok to %1.</translation>
    </message>
    <message>
        <source>Hint 3: the answer is one of your numbers.</source>
        <translation>Podpowiedź 3: odpowiedzią jest jedna z twoich liczb.</translation>
    </message>
    <message>
        <source>1 number</source>
        <translation>1 liczba</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n liczba</numerusform>
            <numerusform>%n liczby</numerusform>
            <numerusform>%n liczb</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint 1: the target can be reached exactly, with %1.</source>
        <extracomment>%1: how many numbers, as &quot;3 numbers&quot;.</extracomment>
        <translation>Podpowiedź 1: cel można osiągnąć dokładnie (%1).</translation>
    </message>
    <message>
        <source>Hint 1: the target cannot be reached; the nearest is %1, %2 away, with %3.</source>
        <extracomment>%1: the nearest value; %2: how far it is from the target; %3: &quot;3 numbers&quot;.</extracomment>
        <translation>Podpowiedź 1: celu nie da się osiągnąć; najbliżej jest %1, o %2 od celu (%3).</translation>
    </message>
    <message>
        <source>Hint 2: no operation is needed, only %1.</source>
        <extracomment>%1: the one number that is already the answer.</extracomment>
        <translation>Podpowiedź 2: nie trzeba działań, wystarczy %1.</translation>
    </message>
    <message>
        <source>Hint 2: it takes %1, with %2.</source>
        <extracomment>%1: operations such as &quot;+ and x&quot;; %2: numbers such as &quot;100, 5 and 3&quot;.</extracomment>
        <translation>Podpowiedź 2: potrzeba działań %1, z liczbami %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two items of a list: &quot;100, 5 and 3&quot;.</extracomment>
        <translation>%1 i %2</translation>
    </message>
</context>
<context>
    <name>GameStatus</name>
    <message>
        <source>Searching... %1</source>
        <extracomment>%1: how many combinations the running search has tried so far.</extracomment>
        <translation>Szukam... %1</translation>
    </message>
    <message numerus="yes">
        <source>%n answers found.</source>
        <extracomment>The second line of the status after a search; English says &quot;1 answers found.&quot; too.</extracomment>
        <translation>
            <numerusform>Znaleziono %n rozwiązanie.</numerusform>
            <numerusform>Znaleziono %n rozwiązania.</numerusform>
            <numerusform>Znaleziono %n rozwiązań.</numerusform>
        </translation>
    </message>
    <message>
        <source>Board code %1 copied.</source>
        <extracomment>%1: a board code such as TF-98X-KKC, now on the clipboard.</extracomment>
        <translation>Skopiowano kod zadania %1.</translation>
    </message>
    <message>
        <source>Search Stopped at combination %1
%2</source>
        <translation>Wyszukiwanie przerwane na kombinacji %1
%2</translation>
    </message>
    <message>
        <source>Searched %1 combinations: 
%2</source>
        <translation>Po sprawdzeniu %1 kombinacji: 
%2</translation>
    </message>
    <message>
        <source>A complete search found 1 answer.</source>
        <translation>Pełne wyszukiwanie znalazło 1 rozwiązanie.</translation>
    </message>
    <message numerus="yes">
        <source>A complete search found %n answers.</source>
        <translation>
            <numerusform>Pełne wyszukiwanie znalazło %n rozwiązanie.</numerusform>
            <numerusform>Pełne wyszukiwanie znalazło %n rozwiązania.</numerusform>
            <numerusform>Pełne wyszukiwanie znalazło %n rozwiązań.</numerusform>
        </translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 or %2 (%3 away).</source>
        <translation>Brak dokładnego rozwiązania: najbliżej są %1 i %2 (o %3 od celu).</translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 (%2 away).</source>
        <translation>Brak dokładnego rozwiązania: najbliżej jest %1 (o %2 od celu).</translation>
    </message>
</context>
<context>
    <name>ManualFrm</name>
    <message>
        <source>Manual Overide</source>
        <extracomment>Title of the window where the player sets up six numbers and a target by hand.</extracomment>
        <translation>Wybór ręczny</translation>
    </message>
    <message>
        <source>Select 6 numbers to use: </source>
        <translation>Wybierz 6 liczb do gry: </translation>
    </message>
    <message>
        <source>Enter the Target (between 101 and 999):</source>
        <translation>Wpisz cel (od 101 do 999):</translation>
    </message>
    <message>
        <source>A target from %1 to %2</source>
        <translation>Cel od %1 do %2</translation>
    </message>
    <message>
        <source>Find Answers</source>
        <translation>Znajdź rozwiązania</translation>
    </message>
    <message>
        <source>The target must be %1 or less</source>
        <translation>Cel może wynosić najwyżej %1</translation>
    </message>
    <message>
        <source>The target must be more than 101</source>
        <translation>Cel musi wynosić co najmniej 101</translation>
    </message>
    <message>
        <source>Invalid Target.</source>
        <translation>Nieprawidłowy cel.</translation>
    </message>
    <message>
        <source>You must choose 6 numbers to use.</source>
        <translation>Musisz wybrać 6 liczb do gry.</translation>
    </message>
    <message>
        <source>More numbers required</source>
        <translation>Potrzeba więcej liczb</translation>
    </message>
</context>
<context>
    <name>MatchFrm</name>
    <message>
        <source>Two players</source>
        <translation>Dwóch graczy</translation>
    </message>
    <message>
        <source>Player &amp;1:</source>
        <translation>Gracz &amp;1:</translation>
    </message>
    <message>
        <source>Player &amp;2:</source>
        <translation>Gracz &amp;2:</translation>
    </message>
    <message>
        <source>&amp;Rounds (1 to 15):</source>
        <translation>&amp;Rundy (od 1 do 15):</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Sześć liczb</translation>
    </message>
    <message>
        <source>&amp;Dealt at random</source>
        <translation>&amp;Losowo rozdane</translation>
    </message>
    <message>
        <source>&amp;Picked in turns, a tile each</source>
        <extracomment>The first player of a round picks the 1st, 3rd and 5th tile.</extracomment>
        <translation>&amp;Wybierane na zmianę, po jednej płytce</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>PlayerStats</name>
    <message>
        <source>1 point</source>
        <translation>1 punkt</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punkt</numerusform>
            <numerusform>%n punkty</numerusform>
            <numerusform>%n punktów</numerusform>
        </translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>brak odpowiedzi</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>dokładnie</translation>
    </message>
    <message>
        <source>%1 away</source>
        <translation>o %1 od celu</translation>
    </message>
    <message>
        <source>Tallyfold %1: %2, %3, without the clock</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard for a game played without the clock: %1 the date, %2 the points, %3 how far.</extracomment>
        <translation>Tallyfold %1: %2, %3, bez zegara</translation>
    </message>
    <message numerus="yes">
        <source>Tallyfold %1: %2, %3, %n seconds left</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard: %1 the date (YYYY-MM-DD), %2 the points (&quot;9 points&quot;), %3 how far (&quot;exact&quot;, &quot;1 away&quot;, &quot;no answer&quot;), %n the seconds left on the clock.</extracomment>
        <translation>
            <numerusform>Tallyfold %1: %2, %3, została %n sekunda</numerusform>
            <numerusform>Tallyfold %1: %2, %3, zostały %n sekundy</numerusform>
            <numerusform>Tallyfold %1: %2, %3, zostało %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (board %2)</source>
        <extracomment>A day&apos;s result line, then %2 the code of that day&apos;s board (TF-98X-KKC).</extracomment>
        <translation>%1 (zadanie %2)</translation>
    </message>
</context>
<context>
    <name>RatingNames</name>
    <message>
        <source>Any</source>
        <extracomment>The difficulty choice: the roll may stop on any target.</extracomment>
        <translation>Dowolny</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Very hard</source>
        <translation>Bardzo trudny</translation>
    </message>
</context>
<context>
    <name>RecordMessage</name>
    <message>
        <source>The disk is full.</source>
        <translation>Dysk jest pełny.</translation>
    </message>
    <message>
        <source>The game is not allowed to write in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Gra nie ma prawa zapisu w %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept it busy for too long.</source>
        <translation>Inna kopia gry zajmowała go zbyt długo.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>It could not be written in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Nie udało się zapisać w %1.</translation>
    </message>
    <message>
        <source>Your record of games could not be read, so a new one was started. The damaged one was kept beside it in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Nie udało się odczytać zapisu twoich gier, więc rozpoczęto nowy. Uszkodzony zachowano obok, w %1.</translation>
    </message>
    <message>
        <source>Your record of games cannot be opened, so games are not recorded until the game is started again.</source>
        <translation>Nie można otworzyć zapisu twoich gier, więc gry nie będą zapisywane aż do ponownego uruchomienia gry.</translation>
    </message>
    <message>
        <source>This game could not be added to your record of games.</source>
        <translation>Nie udało się dodać tej gry do zapisu twoich gier.</translation>
    </message>
    <message>
        <source>Record not saved</source>
        <translation>Zapis nie został zachowany</translation>
    </message>
</context>
<context>
    <name>SettingFrm</name>
    <message>
        <source> Difficulty </source>
        <extracomment>A tab of the settings window; the spaces around it keep it off the tab&apos;s edges.</extracomment>
        <translation> Trudność </translation>
    </message>
    <message>
        <source> Timing </source>
        <translation> Czas </translation>
    </message>
    <message>
        <source> General </source>
        <translation> Ogólne </translation>
    </message>
    <message>
        <source>The Lowest value must be less than the Highest value.</source>
        <translation>Minimum musi być mniejsze od maksimum.</translation>
    </message>
    <message>
        <source>Invalid values.</source>
        <translation>Nieprawidłowe wartości.</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1, so they last only until the game is closed.</source>
        <extracomment>%1: where the settings are kept (a file, or the registry&apos;s key).</extracomment>
        <translation>Nie udało się zapisać twoich ustawień w %1, więc obowiązują tylko do zamknięcia gry.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Dysk jest pełny.</translation>
    </message>
    <message>
        <source>The game is not allowed to write there.</source>
        <translation>Gra nie ma prawa zapisu w tym miejscu.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Ustawienia nie zostały zapisane</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Target Number Properties:</source>
        <translation>Zakres celu:</translation>
    </message>
    <message>
        <source>Lowest Value:</source>
        <translation>Minimum:</translation>
    </message>
    <message>
        <source>Highest Value:</source>
        <translation>Maksimum:</translation>
    </message>
    <message>
        <source>Target &amp;rating:</source>
        <translation>&amp;Poziom celu:</translation>
    </message>
    <message>
        <source>Time allowed:</source>
        <translation>Limit czasu:</translation>
    </message>
    <message>
        <source>Preview of the clock</source>
        <translation>Podgląd zegara</translation>
    </message>
    <message>
        <source>Show Tallyfold Seconds </source>
        <extracomment>Shows or hides the count of seconds on the clock; the text stands left of its box.</extracomment>
        <translation>Pokazuj sekundy </translation>
    </message>
    <message>
        <source>Turn off sounds:</source>
        <translation>Wyłącz dźwięki:</translation>
    </message>
    <message>
        <source>Adjust the clock to synchronize with the music. Use the slider to slow down or quicken the clock.</source>
        <translation>Dopasuj zegar do muzyki. Suwakiem spowolnisz lub przyspieszysz zegar.</translation>
    </message>
    <message>
        <source>Please note that the Tallyfold music will only be audible during the last 30 seconds of the Tallyfold.</source>
        <translation>Uwaga: muzykę Tallyfold słychać tylko przez ostatnie 30 sekund odliczania.</translation>
    </message>
    <message>
        <source>Search every way when no answer is found</source>
        <translation>Szukaj wszystkimi drogami, gdy brak rozwiązania</translation>
    </message>
    <message>
        <source>Play for points</source>
        <translation>Graj o punkty</translation>
    </message>
    <message>
        <source>Only targets the numbers can reach</source>
        <translation>Tylko cele osiągalne z tych liczb</translation>
    </message>
    <message>
        <source>Play without the clock</source>
        <translation>Graj bez zegara</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
</context>
<context>
    <name>StatsFrm</name>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Reset all statistics to zero?</source>
        <translation>Wyzerować wszystkie statystyki?</translation>
    </message>
    <message>
        <source>How far answers fell:</source>
        <translation>Jak daleko od celu:</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wyzeruj</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>&amp;Kopiuj wynik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Games scored: %1</source>
        <translation>Gry o punkty: %1</translation>
    </message>
    <message>
        <source>Answers declared: %1</source>
        <translation>Zgłoszone odpowiedzi: %1</translation>
    </message>
    <message>
        <source>Best possible reached: %1</source>
        <translation>Najlepszy możliwy wynik: %1</translation>
    </message>
    <message>
        <source>Points: %1 in all, %2 a game</source>
        <translation>Punkty: %1 łącznie, %2 na grę</translation>
    </message>
    <message>
        <source>Best possible in a row: %1 now, %2 at most</source>
        <translation>Najlepszy możliwy z rzędu: %1 teraz, %2 najwięcej</translation>
    </message>
    <message>
        <source>On the clock: %1, without the clock: %2</source>
        <translation>Z zegarem: %1, bez zegara: %2</translation>
    </message>
    <message>
        <source>Days played: %1, in a row: %2</source>
        <extracomment>The days whose board of the day was played, and the run of them up to today.</extracomment>
        <translation>Dni zagrane: %1, z rzędu: %2</translation>
    </message>
    <message>
        <source>Hints taken: %1</source>
        <translation>Wzięte podpowiedzi: %1</translation>
    </message>
    <message>
        <source>Time to solve: %1 s as a rule (median), %2 s at best</source>
        <extracomment>The times from the target standing still to Declare, of the best possible answers in games on the clock: %1 the median, %2 the best.</extracomment>
        <translation>Czas rozwiązania: zwykle %1 s (mediana), najlepiej %2 s</translation>
    </message>
    <message>
        <source>Board of the day: %1</source>
        <translation>Zadanie dnia: %1</translation>
    </message>
    <message>
        <source>Matches played: %1</source>
        <extracomment>Two-player matches played to their last round.</extracomment>
        <translation>Rozegrane mecze: %1</translation>
    </message>
</context>
<context>
    <name>TwoPlayerMatch</name>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punkt</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punkt</numerusform>
            <numerusform>%n punkty</numerusform>
            <numerusform>%n punktów</numerusform>
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
        <translation>%1 %2 - %3 %4, runda %5 z %6</translation>
    </message>
    <message>
        <source>Pass the keyboard to %1.</source>
        <translation>Przekaż klawiaturę: %1.</translation>
    </message>
    <message>
        <source>%1 picks tile %2 of 6.</source>
        <extracomment>%1: a player&apos;s name; %2: the tile&apos;s number in the six, from 1.</extracomment>
        <translation>%1 wybiera płytkę %2 z 6.</translation>
    </message>
    <message>
        <source>%1: no answer.</source>
        <translation>%1: brak odpowiedzi.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, exactly: %4.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: the points, &quot;10 points&quot;.</extracomment>
        <translation>%1: %2 = %3, dokładnie: %4.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, %4 away: %5.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: how far from the target; %5: the points.</extracomment>
        <translation>%1: %2 = %3, o %4 od celu: %5.</translation>
    </message>
    <message>
        <source>Round %1, target %2:</source>
        <extracomment>%1: the round&apos;s number; %2: its target.</extracomment>
        <translation>Runda %1, cel %2:</translation>
    </message>
    <message>
        <source>Best possible: %1 exactly.</source>
        <translation>Najlepszy możliwy: dokładnie %1.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away.</source>
        <translation>Najlepszy możliwy: %1, o %2 od celu.</translation>
    </message>
    <message>
        <source>The round is a tie.</source>
        <translation>Runda kończy się remisem.</translation>
    </message>
    <message>
        <source>%1 wins the round.</source>
        <translation>Rundę wygrywa %1.</translation>
    </message>
    <message>
        <source>The match was ended at %1.</source>
        <extracomment>A match left before its last round, at its score: &quot;Ann 2 - Ben 1&quot;.</extracomment>
        <translation>Mecz przerwano przy stanie %1.</translation>
    </message>
    <message>
        <source>The match is a draw, %1 - %2.</source>
        <translation>Mecz kończy się remisem, %1 - %2.</translation>
    </message>
    <message>
        <source>%1 wins the match %2 - %3.</source>
        <translation>Mecz wygrywa %1, %2 - %3.</translation>
    </message>
</context>
<context>
    <name>VelCProg</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
</context>
</TS>
