<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutFrm</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game logo</source>
        <translation>Logo de Tallyfold, le jeu des nombres</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game</source>
        <translation>Tallyfold, le jeu des nombres</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1.
All rights reserved.</source>
        <translation>Copyright © 2026 %1.
Tous droits réservés.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>E-mail %1</source>
        <translation>E-mail&#xa0;: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Tallyfold Numbers Game: %1.%2</source>
        <translation>Tallyfold, le jeu des nombres&#xa0;: %1.%2</translation>
    </message>
    <message>
        <source>No mail program could be opened. You can write to %1 at:
%2</source>
        <extracomment>Shown when clicking the about window&apos;s mail link opens no mail program; %1 the author&apos;s name, %2 the mail address.</extracomment>
        <translation>Aucun programme de messagerie n&apos;a pu être ouvert. Vous pouvez écrire à %1 à l&apos;adresse&#xa0;:
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
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <source>Your numbers: %1    Target: %2</source>
        <translation>Vos nombres&#xa0;: %1    Cible&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <translation>&amp;Pas à pas</translation>
    </message>
    <message>
        <source>&amp;Type it</source>
        <translation>&amp;Saisie</translation>
    </message>
    <message>
        <source>&amp;Declare</source>
        <translation>A&amp;nnoncer</translation>
    </message>
    <message>
        <source>&amp;No answer</source>
        <translation>&amp;Aucune réponse</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Annu&amp;ler</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>&amp;Answer (digits, + - x / and parentheses):</source>
        <translation>&amp;Réponse (chiffres, + - x / et parenthèses)&#xa0;:</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>&amp;Copier le résultat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>Résultat %1</translation>
    </message>
    <message>
        <source>Choose a number, or make a step, to declare.</source>
        <translation>Pour annoncer, choisissez un nombre ou effectuez une opération.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Aucune réponse.</translation>
    </message>
    <message>
        <source>You reached %1 exactly.</source>
        <translation>Vous avez atteint %1 exactement.</translation>
    </message>
    <message>
        <source>You reached %1, %2 away from %3.</source>
        <translation>Vous avez atteint %1, à %2 de %3.</translation>
    </message>
    <message>
        <source>Best possible: %1, for example %2.</source>
        <translation>Au mieux&#xa0;: %1, par exemple %2.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away, for example %3 = %4.</source>
        <translation>Au mieux&#xa0;: %1, à %2 de la cible, par exemple %3 = %4.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>1 point.</source>
        <translation>1 point.</translation>
    </message>
    <message numerus="yes">
        <source>%n points.</source>
        <translation>
            <numerusform>%n point.</numerusform>
            <numerusform>%n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>The answer is empty.</source>
        <translation>La réponse est vide.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; at character %2 is not a number, an operation or a bracket.</source>
        <translation>«&#xa0;%1&#xa0;» (position %2) n’est ni un nombre, ni une opération, ni une parenthèse.</translation>
    </message>
    <message>
        <source>A number is missing at the end.</source>
        <translation>Il manque un nombre à la fin.</translation>
    </message>
    <message>
        <source>A number is missing before &apos;%1&apos; at character %2.</source>
        <translation>Il manque un nombre avant «&#xa0;%1&#xa0;» en position %2.</translation>
    </message>
    <message>
        <source>An operation is missing before &apos;%1&apos; at character %2.</source>
        <translation>Il manque une opération avant «&#xa0;%1&#xa0;» en position %2.</translation>
    </message>
    <message>
        <source>The bracket at character %1 is never closed.</source>
        <translation>La parenthèse en position %1 n’est jamais fermée.</translation>
    </message>
    <message>
        <source>The bracket at character %1 closes nothing.</source>
        <translation>La parenthèse en position %1 ne ferme rien.</translation>
    </message>
    <message>
        <source>%1 is far too large to be one of your numbers.</source>
        <translation>%1 est bien trop grand pour être l’un de vos nombres.</translation>
    </message>
    <message>
        <source>%1 is not one of your numbers.</source>
        <translation>%1 ne fait pas partie de vos nombres.</translation>
    </message>
    <message>
        <source>%1 is used more often than you have it.</source>
        <translation>%1 est utilisé plus de fois que vous ne l’avez.</translation>
    </message>
    <message>
        <source>Step %1, %2: the division is not exact.</source>
        <translation>Étape %1, %2&#xa0;: la division ne tombe pas juste.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result must be a positive whole number.</source>
        <translation>Étape %1, %2&#xa0;: le résultat doit être un entier positif.</translation>
    </message>
    <message>
        <source>Step %1, %2: the result is too large.</source>
        <translation>Étape %1, %2&#xa0;: le résultat est trop grand.</translation>
    </message>
    <message>
        <source>This board and target are rated %1.</source>
        <extracomment>%1: a rating, such as &quot;Hard&quot;.</extracomment>
        <translation>Ce tirage et cette cible sont classés %1.</translation>
    </message>
    <message>
        <source>Time to solve: %1 seconds.</source>
        <extracomment>%1: seconds, with one decimal.</extracomment>
        <translation>Temps de résolution : %1 secondes.</translation>
    </message>
    <message>
        <source>1 hint taken: 1 point less.</source>
        <translation>1 indice pris : 1 point de moins.</translation>
    </message>
    <message numerus="yes">
        <source>%n hints taken: %n points less.</source>
        <translation>
            <numerusform>%n indice pris : %n point de moins.</numerusform>
            <numerusform>%n indices pris : %n points de moins.</numerusform>
        </translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares 1 of your steps.</source>
        <translation>La plus proche de la vôtre : %1, qui partage 1 de vos étapes.</translation>
    </message>
    <message numerus="yes">
        <source>Closest to yours: %1, which shares %n of your steps.</source>
        <translation>
            <numerusform>La plus proche de la vôtre : %1, qui partage %n de vos étapes.</numerusform>
            <numerusform>La plus proche de la vôtre : %1, qui partage %n de vos étapes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your step %1, %2, is where the two part: it takes %3.</source>
        <extracomment>%1: the step&apos;s number; %2: the player&apos;s step; %3: the answer&apos;s step instead.</extracomment>
        <translation>Votre étape %1, %2, est celle où les deux se séparent : elle fait %3.</translation>
    </message>
    <message>
        <source>It takes all your steps, then %1.</source>
        <translation>Elle reprend toutes vos étapes, puis %1.</translation>
    </message>
    <message>
        <source>Its first step is %1.</source>
        <translation>Sa première étape est %1.</translation>
    </message>
    <message>
        <source>Closest to yours: %1, which shares none of your steps.</source>
        <extracomment>%1: an answer in the game&apos;s notation.</extracomment>
        <translation>La plus proche de la vôtre : %1, qui ne partage aucune de vos étapes.</translation>
    </message>
    <message>
        <source>&amp;Ready</source>
        <translation>&amp;Prêt</translation>
    </message>
</context>
<context>
    <name>CodeFrm</name>
    <message>
        <source>Play a board code</source>
        <translation>Jouer un code</translation>
    </message>
    <message>
        <source>&amp;Board code, as TF-98X-KKC:</source>
        <translation>&amp;Code du tirage, comme TF-98X-KKC&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, does not belong there: a code starts with TF.</source>
        <extracomment>%1: the place of the character (from 1); %2: the character as typed.</extracomment>
        <translation>Le caractère %1, «&#xa0;%2&#xa0;», n&apos;a pas sa place ici&#xa0;: un code commence par TF.</translation>
    </message>
    <message>
        <source>Character %1, &apos;%2&apos;, is not one a code has (it has 2 to 9 and the letters but I, L and O).</source>
        <translation>Le caractère %1, «&#xa0;%2&#xa0;», n&apos;est pas de ceux d&apos;un code (il a 2 à 9 et les lettres sauf I, L et O).</translation>
    </message>
    <message>
        <source>A code has %1 characters after TF, this has %2.</source>
        <extracomment>%1: how many characters a code has after TF; %2: how many the text has.</extracomment>
        <translation>Un code a %1 caractères après TF, celui-ci en a %2.</translation>
    </message>
    <message>
        <source>The check character does not match: a character is mistyped or two are swapped, but which cannot be told.</source>
        <translation>Le caractère de contrôle ne correspond pas&#xa0;: un caractère est mal tapé ou deux sont inversés, sans qu&apos;on puisse dire lesquels.</translation>
    </message>
    <message>
        <source>The check character matches, but the code names no board: more than one character is wrong.</source>
        <translation>Le caractère de contrôle correspond, mais le code ne désigne aucun tirage&#xa0;: plus d&apos;un caractère est faux.</translation>
    </message>
</context>
<context>
    <name>DaysFrm</name>
    <message>
        <source>Past days</source>
        <translation>Jours passés</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <extracomment>Under a day of the calendar: the points of its result, in short.</extracomment>
        <translation>%1 pts</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1: not played</source>
        <extracomment>%1: a date, as &quot;Friday, 11 December 2026&quot;.</extracomment>
        <translation>%1&#xa0;: pas joué</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>%1: %2, no answer</source>
        <extracomment>%1: a date; %2: its points (&quot;0 points&quot;).</extracomment>
        <translation>%1&#xa0;: %2, aucune réponse</translation>
    </message>
    <message>
        <source>%1: %2, exact</source>
        <translation>%1&#xa0;: %2, exact</translation>
    </message>
    <message>
        <source>%1: %2, %3 away</source>
        <extracomment>%1: a date; %2: its points; %3: how far the answer was from the target.</extracomment>
        <translation>%1&#xa0;: %2, à %3</translation>
    </message>
</context>
<context>
    <name>FallChart</name>
    <message>
        <source>Best possible</source>
        <translation>Meilleur résultat</translation>
    </message>
    <message>
        <source>1 to 5 off</source>
        <translation>Écart de 1 à 5</translation>
    </message>
    <message>
        <source>6 to 10 off</source>
        <translation>Écart de 6 à 10</translation>
    </message>
    <message>
        <source>Over 10 off</source>
        <translation>Écart de plus de 10</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Aucune réponse</translation>
    </message>
    <message>
        <source>How far answers fell</source>
        <translation>Écart des réponses</translation>
    </message>
</context>
<context>
    <name>GameCaptions</name>
    <message>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>PLAY AGAIN</source>
        <translation>REJOUER</translation>
    </message>
    <message>
        <source>Show Answer(s)</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Stop Search</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Search Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche...</translation>
    </message>
</context>
<context>
    <name>GameFrm</name>
    <message>
        <source>Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, the last row contains the numbers 25, 50, 75 and 100.</source>
        <translation>Choisissez 6 nombres ci-dessous. Les 2 premières rangées contiennent les nombres de 1 à 10, la dernière les nombres 25, 50, 75 et 100.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Manual setup</source>
        <translation>Tirage &amp;manuel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s board</source>
        <translation>Tirage du &amp;jour</translation>
    </message>
    <message>
        <source>Stat&amp;istics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>The Numbers Game</source>
        <translation>Le jeu des nombres</translation>
    </message>
    <message>
        <source>Chosen number %1</source>
        <translation>Nombre choisi %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>État de la recherche</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Face-down tile %1, row %2</source>
        <translation>Plaque %1 face cachée, rangée %2</translation>
    </message>
    <message>
        <source>Time is up.</source>
        <translation>Temps écoulé.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n seconds left</source>
        <translation>
            <numerusform>Horloge&#xa0;: %n seconde restante</numerusform>
            <numerusform>Horloge&#xa0;: %n secondes restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n seconds</source>
        <translation>
            <numerusform>%1 sur %n seconde</numerusform>
            <numerusform>%1 sur %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>This try is not recorded; the day&apos;s first result is: %1</source>
        <translation>Cet essai n&apos;est pas enregistré&#xa0;; le premier résultat du jour est&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Clock: off</source>
        <translation>Horloge : arrêtée</translation>
    </message>
    <message>
        <source>This round is played without the clock.</source>
        <translation>Cette manche se joue sans horloge.</translation>
    </message>
    <message>
        <source>Board &amp;codes</source>
        <translation>&amp;Codes</translation>
    </message>
    <message>
        <source>&amp;Copy board code</source>
        <translation>&amp;Copier le code du tirage</translation>
    </message>
    <message>
        <source>&amp;Play a board code...</source>
        <translation>&amp;Jouer un code...</translation>
    </message>
    <message>
        <source>Past &amp;days</source>
        <translation>&amp;Archives</translation>
    </message>
    <message>
        <source>T&amp;wo players</source>
        <translation>&amp;Deux joueurs</translation>
    </message>
    <message>
        <source>&amp;End match</source>
        <translation>&amp;Terminer le match</translation>
    </message>
</context>
<context>
    <name>GameHints</name>
    <message>
        <source>This board has no target rated %1: this one is %2, the nearest.</source>
        <extracomment>%1: the rating asked for in the settings; %2: the one the roll took.</extracomment>
        <translation>Ce tirage n&apos;a pas de cible classée %1 : celle-ci est %2, la plus proche.</translation>
    </message>
    <message>
        <source>Hint 3: the first step is %1.</source>
        <extracomment>%1: a step such as &quot;100 + 5 = 105&quot;.</extracomment>
        <translation>Indice 3 : la première étape est %1.</translation>
    </message>
    <message>
        <source>Hint 3: the answer is one of your numbers.</source>
        <translation>Indice 3 : la réponse est l&apos;un de vos nombres.</translation>
    </message>
    <message>
        <source>1 number</source>
        <translation>1 nombre</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n nombre</numerusform>
            <numerusform>%n nombres</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint 1: the target can be reached exactly, with %1.</source>
        <extracomment>%1: how many numbers, as &quot;3 numbers&quot;.</extracomment>
        <translation>Indice 1 : la cible peut être atteinte exactement, avec %1.</translation>
    </message>
    <message>
        <source>Hint 1: the target cannot be reached; the nearest is %1, %2 away, with %3.</source>
        <extracomment>%1: the nearest value; %2: how far it is from the target; %3: &quot;3 numbers&quot;.</extracomment>
        <translation>Indice 1 : la cible ne peut pas être atteinte ; le plus proche est %1, à %2, avec %3.</translation>
    </message>
    <message>
        <source>Hint 2: no operation is needed, only %1.</source>
        <extracomment>%1: the one number that is already the answer.</extracomment>
        <translation>Indice 2 : aucune opération n&apos;est nécessaire, seulement %1.</translation>
    </message>
    <message>
        <source>Hint 2: it takes %1, with %2.</source>
        <extracomment>%1: operations such as &quot;+ and x&quot;; %2: numbers such as &quot;100, 5 and 3&quot;.</extracomment>
        <translation>Indice 2 : il faut %1, avec %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two items of a list: &quot;100, 5 and 3&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>GameStatus</name>
    <message>
        <source>Searching... %1</source>
        <extracomment>%1: how many combinations the running search has tried so far.</extracomment>
        <translation>Recherche... %1</translation>
    </message>
    <message numerus="yes">
        <source>%n answers found.</source>
        <extracomment>The second line of the status after a search; English says &quot;1 answers found.&quot; too.</extracomment>
        <translation>
            <numerusform>%n solution trouvée.</numerusform>
            <numerusform>%n solutions trouvées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Search Stopped at combination %1
%2</source>
        <translation>Recherche arrêtée à la combinaison %1
%2</translation>
    </message>
    <message>
        <source>Searched %1 combinations: 
%2</source>
        <translation>%1 combinaisons essayées&#xa0;: 
%2</translation>
    </message>
    <message>
        <source>A complete search found 1 answer.</source>
        <translation>Une recherche complète a trouvé 1 solution.</translation>
    </message>
    <message numerus="yes">
        <source>A complete search found %n answers.</source>
        <translation>
            <numerusform>Une recherche complète a trouvé %n solution.</numerusform>
            <numerusform>Une recherche complète a trouvé %n solutions.</numerusform>
        </translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 or %2 (%3 away).</source>
        <translation>Aucune solution exacte&#xa0;: au plus près, %1 ou %2 (écart de %3).</translation>
    </message>
    <message>
        <source>No exact answer: the nearest is %1 (%2 away).</source>
        <translation>Aucune solution exacte&#xa0;: au plus près, %1 (écart de %2).</translation>
    </message>
    <message>
        <source>Board code %1 copied.</source>
        <extracomment>%1: a board code such as TF-98X-KKC, now on the clipboard.</extracomment>
        <translation>Code du tirage %1 copié.</translation>
    </message>
</context>
<context>
    <name>ManualFrm</name>
    <message>
        <source>Manual Overide</source>
        <extracomment>Title of the window where the player sets up six numbers and a target by hand.</extracomment>
        <translation>Tirage manuel</translation>
    </message>
    <message>
        <source>Select 6 numbers to use: </source>
        <translation>Choisissez 6 nombres&#xa0;: </translation>
    </message>
    <message>
        <source>Enter the Target (between 101 and 999):</source>
        <translation>Entrez la cible (entre 101 et 999)&#xa0;:</translation>
    </message>
    <message>
        <source>A target from %1 to %2</source>
        <translation>Une cible de %1 à %2</translation>
    </message>
    <message>
        <source>Find Answers</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>The target must be %1 or less</source>
        <translation>La cible doit être au plus %1</translation>
    </message>
    <message>
        <source>The target must be more than 101</source>
        <translation>La cible doit être supérieure à 101</translation>
    </message>
    <message>
        <source>Invalid Target.</source>
        <translation>Cible non valide.</translation>
    </message>
    <message>
        <source>You must choose 6 numbers to use.</source>
        <translation>Vous devez choisir 6 nombres.</translation>
    </message>
    <message>
        <source>More numbers required</source>
        <translation>Il manque des nombres</translation>
    </message>
</context>
<context>
    <name>MatchFrm</name>
    <message>
        <source>Two players</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>Player &amp;1:</source>
        <translation>Joueur &amp;1 :</translation>
    </message>
    <message>
        <source>Player &amp;2:</source>
        <translation>Joueur &amp;2 :</translation>
    </message>
    <message>
        <source>&amp;Rounds (1 to 15):</source>
        <translation>&amp;Manches (1 à 15) :</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Les six nombres</translation>
    </message>
    <message>
        <source>&amp;Dealt at random</source>
        <translation>&amp;Distribués au hasard</translation>
    </message>
    <message>
        <source>&amp;Picked in turns, a tile each</source>
        <extracomment>The first player of a round picks the 1st, 3rd and 5th tile.</extracomment>
        <translation>&amp;Choisis à tour de rôle, une plaque chacun</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PlayerStats</name>
    <message>
        <source>1 point</source>
        <translation>1 point</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>aucune réponse</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>%1 away</source>
        <translation>écart de %1</translation>
    </message>
    <message numerus="yes">
        <source>Tallyfold %1: %2, %3, %n seconds left</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard: %1 the date (YYYY-MM-DD), %2 the points (&quot;9 points&quot;), %3 how far (&quot;exact&quot;, &quot;1 away&quot;, &quot;no answer&quot;), %n the seconds left on the clock.</extracomment>
        <translation>
            <numerusform>Tallyfold %1&#xa0;: %2, %3, %n seconde restante</numerusform>
            <numerusform>Tallyfold %1&#xa0;: %2, %3, %n secondes restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>Tallyfold %1: %2, %3, without the clock</source>
        <extracomment>The line &quot;Copy result&quot; puts on the clipboard for a game played without the clock: %1 the date, %2 the points, %3 how far.</extracomment>
        <translation>Tallyfold %1 : %2, %3, sans horloge</translation>
    </message>
    <message>
        <source>%1 (board %2)</source>
        <extracomment>A day&apos;s result line, then %2 the code of that day&apos;s board (TF-98X-KKC).</extracomment>
        <translation>%1 (tirage %2)</translation>
    </message>
</context>
<context>
    <name>RatingNames</name>
    <message>
        <source>Any</source>
        <extracomment>The difficulty choice: the roll may stop on any target.</extracomment>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very hard</source>
        <translation>Très difficile</translation>
    </message>
</context>
<context>
    <name>RecordMessage</name>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The game is not allowed to write in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Le jeu n&apos;a pas le droit d&apos;écrire dans %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept it busy for too long.</source>
        <translation>Une autre copie du jeu l&apos;a occupé trop longtemps.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>It could not be written in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Il n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Your record of games could not be read, so a new one was started. The damaged one was kept beside it in %1.</source>
        <extracomment>%1: the folder the record is kept in.</extracomment>
        <translation>Votre historique de parties n&apos;a pas pu être lu ; un nouveau a donc été commencé. L&apos;ancien, endommagé, a été conservé à côté, dans %1.</translation>
    </message>
    <message>
        <source>Your record of games cannot be opened, so games are not recorded until the game is started again.</source>
        <translation>Votre historique de parties ne peut pas être ouvert ; les parties ne sont pas enregistrées tant que le jeu n&apos;est pas relancé.</translation>
    </message>
    <message>
        <source>This game could not be added to your record of games.</source>
        <translation>Cette partie n&apos;a pas pu être ajoutée à votre historique de parties.</translation>
    </message>
    <message>
        <source>Record not saved</source>
        <translation>Historique non enregistré</translation>
    </message>
</context>
<context>
    <name>SettingFrm</name>
    <message>
        <source> Difficulty </source>
        <extracomment>A tab of the settings window; the spaces around it keep it off the tab&apos;s edges.</extracomment>
        <translation> Difficulté </translation>
    </message>
    <message>
        <source> Timing </source>
        <translation> Temps </translation>
    </message>
    <message>
        <source> General </source>
        <translation> Général </translation>
    </message>
    <message>
        <source>The Lowest value must be less than the Highest value.</source>
        <translation>Le minimum doit être inférieur au maximum.</translation>
    </message>
    <message>
        <source>Invalid values.</source>
        <translation>Valeurs non valides.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Target Number Properties:</source>
        <translation>Nombre à trouver&#xa0;:</translation>
    </message>
    <message>
        <source>Lowest Value:</source>
        <translation>Minimum&#xa0;:</translation>
    </message>
    <message>
        <source>Highest Value:</source>
        <translation>Maximum&#xa0;:</translation>
    </message>
    <message>
        <source>Time allowed:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Preview of the clock</source>
        <translation>Aperçu de l’horloge</translation>
    </message>
    <message>
        <source>Show Tallyfold Seconds </source>
        <extracomment>Shows or hides the count of seconds on the clock; the text stands left of its box.</extracomment>
        <translation>Afficher les secondes </translation>
    </message>
    <message>
        <source>Turn off sounds:</source>
        <translation>Couper le son&#xa0;:</translation>
    </message>
    <message>
        <source>Adjust the clock to synchronize with the music. Use the slider to slow down or quicken the clock.</source>
        <translation>Réglez l’horloge pour la caler sur la musique. Le curseur ralentit ou accélère l’horloge.</translation>
    </message>
    <message>
        <source>Please note that the Tallyfold music will only be audible during the last 30 seconds of the Tallyfold.</source>
        <translation>La musique de Tallyfold ne s’entend que pendant les 30 dernières secondes du compte à rebours.</translation>
    </message>
    <message>
        <source>Search every way when no answer is found</source>
        <translation>Recherche exhaustive si aucune solution n’est trouvée</translation>
    </message>
    <message>
        <source>Play for points</source>
        <translation>Jouer aux points</translation>
    </message>
    <message>
        <source>Only targets the numbers can reach</source>
        <translation>Uniquement des cibles atteignables</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1, so they last only until the game is closed.</source>
        <extracomment>%1: where the settings are kept (a file, or the registry&apos;s key).</extracomment>
        <translation>Vos réglages n&apos;ont pas pu être enregistrés dans %1&#xa0;; ils ne valent que jusqu&apos;à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Réglages non enregistrés</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The game is not allowed to write there.</source>
        <translation>Le jeu n&apos;a pas le droit d&apos;y écrire.</translation>
    </message>
    <message>
        <source>Target &amp;rating:</source>
        <translation>&amp;Difficulté :</translation>
    </message>
    <message>
        <source>Play without the clock</source>
        <translation>Jouer sans horloge</translation>
    </message>
</context>
<context>
    <name>StatsFrm</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Reset all statistics to zero?</source>
        <translation>Remettre toutes les statistiques à zéro&#xa0;?</translation>
    </message>
    <message>
        <source>How far answers fell:</source>
        <translation>Écart des réponses&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Copy result</source>
        <translation>&amp;Copier le résultat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Games scored: %1</source>
        <translation>Parties comptées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Answers declared: %1</source>
        <translation>Réponses annoncées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Best possible reached: %1</source>
        <translation>Meilleur résultat atteint&#xa0;: %1</translation>
    </message>
    <message>
        <source>Points: %1 in all, %2 a game</source>
        <translation>Points&#xa0;: %1 au total, %2 par partie</translation>
    </message>
    <message>
        <source>Best possible in a row: %1 now, %2 at most</source>
        <translation>Meilleurs résultats d’affilée&#xa0;: %1 en cours, record %2</translation>
    </message>
    <message>
        <source>Board of the day: %1</source>
        <translation>Tirage du jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>On the clock: %1, without the clock: %2</source>
        <translation>Avec horloge : %1, sans horloge : %2</translation>
    </message>
    <message>
        <source>Hints taken: %1</source>
        <translation>Indices pris : %1</translation>
    </message>
    <message>
        <source>Time to solve: %1 s as a rule (median), %2 s at best</source>
        <extracomment>The times from the target standing still to Declare, of the best possible answers in games on the clock: %1 the median, %2 the best.</extracomment>
        <translation>Temps de résolution : %1 s en général (médiane), %2 s au mieux</translation>
    </message>
    <message>
        <source>Days played: %1, in a row: %2</source>
        <extracomment>The days whose board of the day was played, and the run of them up to today.</extracomment>
        <translation>Jours joués&#xa0;: %1, d&apos;affilée&#xa0;: %2</translation>
    </message>
    <message>
        <source>Matches played: %1</source>
        <extracomment>Two-player matches played to their last round.</extracomment>
        <translation>Matchs joués : %1</translation>
    </message>
</context>
<context>
    <name>TwoPlayerMatch</name>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 point</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
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
        <translation>%1 %2 - %3 %4, manche %5 sur %6</translation>
    </message>
    <message>
        <source>Pass the keyboard to %1.</source>
        <translation>Passez le clavier à %1.</translation>
    </message>
    <message>
        <source>%1 picks tile %2 of 6.</source>
        <extracomment>%1: a player&apos;s name; %2: the tile&apos;s number in the six, from 1.</extracomment>
        <translation>%1 choisit la plaque %2 sur 6.</translation>
    </message>
    <message>
        <source>%1: no answer.</source>
        <translation>%1 : aucune réponse.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, exactly: %4.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: the points, &quot;10 points&quot;.</extracomment>
        <translation>%1 : %2 = %3, exactement : %4.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, %4 away: %5.</source>
        <extracomment>%1: a player; %2: the answer; %3: its value; %4: how far from the target; %5: the points.</extracomment>
        <translation>%1 : %2 = %3, à %4 de la cible : %5.</translation>
    </message>
    <message>
        <source>Round %1, target %2:</source>
        <extracomment>%1: the round&apos;s number; %2: its target.</extracomment>
        <translation>Manche %1, cible %2 :</translation>
    </message>
    <message>
        <source>Best possible: %1 exactly.</source>
        <translation>Au mieux : %1 exactement.</translation>
    </message>
    <message>
        <source>Best possible: %1, %2 away.</source>
        <translation>Au mieux : %1, à %2 de la cible.</translation>
    </message>
    <message>
        <source>The round is a tie.</source>
        <translation>La manche se termine par une égalité.</translation>
    </message>
    <message>
        <source>%1 wins the round.</source>
        <translation>%1 remporte la manche.</translation>
    </message>
    <message>
        <source>The match was ended at %1.</source>
        <extracomment>A match left before its last round, at its score: &quot;Ann 2 - Ben 1&quot;.</extracomment>
        <translation>Le match a été arrêté à %1.</translation>
    </message>
    <message>
        <source>The match is a draw, %1 - %2.</source>
        <translation>Le match se termine par une égalité, %1 - %2.</translation>
    </message>
    <message>
        <source>%1 wins the match %2 - %3.</source>
        <translation>%1 remporte le match %2 - %3.</translation>
    </message>
</context>
<context>
    <name>VelCProg</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
</TS>
