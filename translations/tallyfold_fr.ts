<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutFrm</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 %1.
All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game: %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerFrm</name>
    <message>
        <source>plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>divided by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your numbers: %1    Target: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Declare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Answer (digits, + - x / and parentheses):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a number, or make a step, to declare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You reached %1 exactly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You reached %1, %2 away from %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best possible: %1, for example %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away, for example %3 = %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The answer is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; at character %2 is not a number, an operation or a bracket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number is missing at the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number is missing before &apos;%1&apos; at character %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An operation is missing before &apos;%1&apos; at character %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bracket at character %1 is never closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bracket at character %1 closes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is far too large to be one of your numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not one of your numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is used more often than you have it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1, %2: the division is not exact.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1, %2: the result must be a positive whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1, %2: the result is too large.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FallChart</name>
    <message>
        <source>Best possible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 to 5 off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 to 10 off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over 10 off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far answers fell</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameCaptions</name>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLAY AGAIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Answer(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameFrm</name>
    <message>
        <source>Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, the last row contains the numbers 25, 50, 75 and 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today&apos;s board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Numbers Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face-down tile %1, row %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n seconds left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameStatus</name>
    <message>
        <source>Searching... %1</source>
        <extracomment>%1: how many combinations the running search has tried so far.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n answers found.</source>
        <extracomment>The second line of the status after a search; English says &quot;1 answers found.&quot; too.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Search Stopped at combination %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searched %1 combinations: 
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A complete search found 1 answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A complete search found %n answers.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 or %2 (%3 away).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 (%2 away).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManualFrm</name>
    <message>
        <source>Manual Overide</source>
        <extracomment>Title of the window where the player sets up six numbers and a target by hand.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select 6 numbers to use: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Target (between 101 and 999):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A target from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target must be %1 or less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target must be more than 101</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must choose 6 numbers to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More numbers required</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerStats</name>
    <message>
        <source>1 point</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 away</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Tallyfold %1: %2, %3, %n seconds left</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard: %1 the date (YYYY-MM-DD), %2 the points (&quot;9 points&quot;), %3 how far (&quot;exact&quot;, &quot;1 away&quot;, &quot;no answer&quot;), %n the seconds left on the clock.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingFrm</name>
    <message>
        <source> Difficulty </source>
        <extracomment>A tab of the settings window; the spaces around it keep it off the tab&apos;s edges.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Timing </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> General </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Lowest value must be less than the Highest value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Number Properties:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time allowed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview of the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tallyfold Seconds </source>
        <extracomment>Shows or hides the count of seconds on the clock; the text stands left of its box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off sounds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust the clock to synchronize with the music. Use the slider to slow down or quicken the clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please note that the Tallyfold music will only be audible during the last 30 seconds of the Tallyfold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search every way when no answer is found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play for points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only targets the numbers can reach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatsFrm</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset all statistics to zero?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far answers fell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games scored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers declared: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best possible reached: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points: %1 in all, %2 a game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best possible in a row: %1 now, %2 at most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board of the day: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VelCProg</name>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
