<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AnswerFrm</name>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n point.</numerusform>
            <numerusform>%n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hints taken: %n points less.</source>
        <translation>
            <numerusform>%n hint taken: %n point less.</numerusform>
            <numerusform>%n hints taken: %n points less.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Closest to yours: %1, which shares %n of your steps.</source>
        <translation>
            <numerusform>Closest to yours: %1, which shares %n of your steps.</numerusform>
            <numerusform>Closest to yours: %1, which shares %n of your steps.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameFrm</name>
    <message numerus="yes">
        <source>Clock: %n seconds left</source>
        <translation>
            <numerusform>Clock: %n second left</numerusform>
            <numerusform>Clock: %n seconds left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n seconds</source>
        <translation>
            <numerusform>%1 of %n second</numerusform>
            <numerusform>%1 of %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameHints</name>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n number</numerusform>
            <numerusform>%n numbers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameStatus</name>
    <message numerus="yes">
        <source>%n answers found.</source>
        <extracomment>The second line of the status after a search; English says &quot;1 answers found.&quot; too.</extracomment>
        <translation>
            <numerusform>%n answers found.</numerusform>
            <numerusform>%n answers found.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A complete search found %n answers.</source>
        <translation>
            <numerusform>A complete search found %n answers.</numerusform>
            <numerusform>A complete search found %n answers.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerStats</name>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tallyfold %1: %2, %3, %n seconds left</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard: %1 the date (YYYY-MM-DD), %2 the points (&quot;9 points&quot;), %3 how far (&quot;exact&quot;, &quot;1 away&quot;, &quot;no answer&quot;), %n the seconds left on the clock.</extracomment>
        <translation>
            <numerusform>Tallyfold %1: %2, %3, %n second left</numerusform>
            <numerusform>Tallyfold %1: %2, %3, %n seconds left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TwoPlayerMatch</name>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
</context>
</TS>
