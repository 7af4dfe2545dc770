<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <extracomment>Why a file could not be written: a folder has the file&apos;s name.</extracomment>
        <translation>en mapp med samma namn står i vägen</translation>
    </message>
    <message>
        <source>%1 is a link owned by another user, so nothing is written through it</source>
        <extracomment>Why a file was not written. %1 is the path of a link that another user of the computer made, which could point at any of the player&apos;s files.</extracomment>
        <translation>%1 är en länk som ägs av en annan användare, så inget skrivs via den</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file was not read or written: it is a FIFO, a device or the like.</extracomment>
        <translation>det är inte en vanlig fil</translation>
    </message>
    <message numerus="yes">
        <source>only %1 of the %n bytes could be written; the disk may be full</source>
        <translation>
            <numerusform>bara %1 av %n byte kunde skrivas; disken kan vara full</numerusform>
            <numerusform>bara %1 av %n byte kunde skrivas; disken kan vara full</numerusform>
        </translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>det är en mapp, inte en fil</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why a setting (the marble colour, the zoom) could not be saved. %1 is the path of the settings folder.</extracomment>
        <translation>mappen %1 kan inte skapas</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <extracomment>Why a setting could not be saved. %1 is the path of the settings file, %2 the reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>%1 kan inte skrivas (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>Why the stored marble colour cannot be removed. %1 is the path of the settings file.</extracomment>
        <translation>%1 är en mapp</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <extracomment>Why the stored marble colour cannot be removed. %1 is the path of the settings file, %2 the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>%1 kan inte tas bort (%2)</translation>
    </message>
    <message>
        <source>line %1 is empty, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49; lines 1 to 49 of a game file hold the 49 cells of the board.</extracomment>
        <translation>rad %1 är tom, men en cellrad måste vara ”1” eller ”-1”</translation>
    </message>
    <message>
        <source>line %1 holds binary data, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49.</extracomment>
        <translation>rad %1 innehåller binärdata, men en cellrad måste vara ”1” eller ”-1”</translation>
    </message>
    <message>
        <source>line %1 is &quot;%2&quot;, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49, %2 what the line holds (at most 20 characters, then &quot;...&quot;).</extracomment>
        <translation>rad %1 är ”%2”, men en cellrad måste vara ”1” eller ”-1”</translation>
    </message>
    <message>
        <source>line 51 is empty, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.</extracomment>
        <translation>rad 51 är tom, men antalet kulor måste vara ett tal från 0 till 255</translation>
    </message>
    <message>
        <source>line 51 holds binary data, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.</extracomment>
        <translation>rad 51 innehåller binärdata, men antalet kulor måste vara ett tal från 0 till 255</translation>
    </message>
    <message>
        <source>line 51 is &quot;%1&quot;, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles; %1 is what it holds instead (at most 20 characters, then &quot;...&quot;).</extracomment>
        <translation>rad 51 är ”%1”, men antalet kulor måste vara ett tal från 0 till 255</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <extracomment>Why a game file cannot be opened.</extracomment>
        <translation>filen är tom</translation>
    </message>
    <message numerus="yes">
        <source>a game file has 51 lines, but this file has only %n</source>
        <extracomment>Why a game file cannot be opened. %n is how many lines the file has, from 1 to 50; a game file always has 51.</extracomment>
        <translation>
            <numerusform>en spelfil har 51 rader, men den här filen har bara %n rad</numerusform>
            <numerusform>en spelfil har 51 rader, men den här filen har bara %n rader</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is longer than 255 characters</source>
        <extracomment>Why a game file cannot be opened. %1 is 50 (the clock&apos;s line) or 51 (the marble count&apos;s line).</extracomment>
        <translation>rad %1 är längre än 255 tecken</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <extracomment>Why a game file cannot be opened. Line 50 of a game file holds the clock&apos;s text.</extracomment>
        <translation>rad 50, klockan, innehåller binärdata</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <extracomment>Why a file cannot be read: its name is longer than the system allows.</extracomment>
        <translation>namnet är för långt</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <extracomment>Why a file cannot be read: there is none of that name.</extracomment>
        <translation>filen finns inte</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <extracomment>Why a file cannot be opened: its name holds bytes that are not UTF-8 text, so the name cannot be shown or used exactly as it is.</extracomment>
        <translation>namnet är inte giltig UTF-8-text, så filen kan inte öppnas</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <extracomment>Shown when a file is not a game file. %1 is the file&apos;s path, %2 why it is refused (one of the reasons above, starting in lower case). The line break stays.</extracomment>
        <translation>Filen har ett ogiltigt format.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <extracomment>Why a setting could not be saved. %1 is the path of the settings file, %2 why it cannot be read, such as &quot;Permission denied&quot;.</extracomment>
        <translation>%1 kan inte läsas (%2)</translation>
    </message>
    <message>
        <source>%1: %2 is damaged, so the texts are in English.</source>
        <extracomment>One line on standard error when the program&apos;s translation file is damaged or does not match the list of sums the build wrote beside it. %1 is the program&apos;s name, %2 the file&apos;s path.</extracomment>
        <translation>%1: %2 är skadad, så texterna visas på engelska.</translation>
    </message>
    <message>
        <source>it is not a table of solutions</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>det är ingen lösningstabell</translation>
    </message>
    <message>
        <source>it was made by another version of Pebblenix</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>den skapades av en annan version av Pebblenix</translation>
    </message>
    <message>
        <source>it has the wrong size</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>den har fel storlek</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>den är skadad</translation>
    </message>
    <message>
        <source>another copy of Pebblenix is writing it</source>
        <extracomment>Why a setting could not be saved; said inside a sentence about the settings file.</extracomment>
        <translation>en annan instans av Pebblenix skriver till den just nu</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be used (%2), nor set aside (%3)</source>
        <extracomment>Why a file (the records, the settings) could not be written. %1 is the path of its lock file, which another copy of the game also uses, %2 why it cannot be used (such as &quot;it is a link&quot;), %3 why it could not be renamed (the system&apos;s reason, such as &quot;Permission denied&quot;).</extracomment>
        <translation>låsfilen %1 kan varken användas (%2) eller läggas undan (%3)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>Härifrån går det inte att sluta med sista kulan i mitten.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Du kan fortfarande sluta med sista kulan i mitten.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <extracomment>The position the jumps start from (a new game, a game file) could never finish with the last marble in the centre.</extracomment>
        <translation>Det här partiet började i en ställning där sista kulan inte kan hamna i mitten.</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>Den sista kulan ligger redan i mitten.</translation>
    </message>
</context>
<context>
    <name>Moves</name>
    <message numerus="yes">
        <source>Moves: %n</source>
        <extracomment>View &gt; Show Moves, below the board: the moves made, where a move is one marble&apos;s chain of jumps. About 12 characters.</extracomment>
        <translation>
            <numerusform>Drag: %n</numerusform>
            <numerusform>Drag: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>No centre finish left</source>
        <extracomment>View &gt; Show Moves, below the board, right of the moves made: the last marble can no longer finish in the centre. About 24 characters.</extracomment>
        <translation>Avslut i mitten omöjligt</translation>
    </message>
    <message numerus="yes">
        <source>Fewest to finish: %n</source>
        <extracomment>View &gt; Show Moves, below the board, right of the moves made: the fewest moves that still end with the last marble in the centre. About 24 characters.</extracomment>
        <translation>
            <numerusform>Färst drag till mål: %n</numerusform>
            <numerusform>Färst drag till mål: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moves, on %1</source>
        <extracomment>In Records: %n the moves of a centre finish (a move is one marble&apos;s chain of jumps), %1 the date.</extracomment>
        <translation>
            <numerusform>%n drag, den %1</numerusform>
            <numerusform>%n drag, den %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Fewest moves:</source>
        <extracomment>In Records: the centre finish in the fewest moves, of a game played from the start (not opened from a file).</extracomment>
        <translation>Färst drag:</translation>
    </message>
    <message>
        <source>Fewest moves with help:</source>
        <extracomment>In Records: the same, with help (a hint, a rewind, Review Game, the winning line or the fewest moves shown by View &gt; Show Moves).</extracomment>
        <translation>Färst drag med hjälp:</translation>
    </message>
    <message numerus="yes">
        <source>From here %n moves were enough; after this move %1.</source>
        <translation>
            <numerusform>Härifrån räckte det med %n drag; efter det här draget behövdes %1.</numerusform>
            <numerusform>Härifrån räckte det med %n drag; efter det här draget behövdes %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, in the move that made the finish take more moves than needed: from here %n moves were enough; after this move %2.</source>
        <translation>
            <numerusform>%1, i draget som gjorde att avslutet krävde fler drag än nödvändigt: härifrån räckte det med %n drag; efter det här draget behövdes %2.</numerusform>
            <numerusform>%1, i draget som gjorde att avslutet krävde fler drag än nödvändigt: härifrån räckte det med %n drag; efter det här draget behövdes %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %1, %2, made the finish take more moves than needed: from here %n moves were enough; after this move %3.</source>
        <translation>
            <numerusform>Drag %1, %2, gjorde att avslutet krävde fler drag än nödvändigt: härifrån räckte det med %n drag; efter det här draget behövdes %3.</numerusform>
            <numerusform>Drag %1, %2, gjorde att avslutet krävde fler drag än nödvändigt: härifrån räckte det med %n drag; efter det här draget behövdes %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Any Line</source>
        <extracomment>Winning Line&apos;s choice: the line of jumps the hints follow, whatever its moves.</extracomment>
        <translation>&amp;Vilken väg som helst</translation>
    </message>
    <message>
        <source>Fewest &amp;Moves</source>
        <extracomment>Winning Line&apos;s choice: a line in the fewest moves, a move being one marble&apos;s chain of jumps.</extracomment>
        <translation>&amp;Färst drag</translation>
    </message>
    <message>
        <source>The choice of winning line could not be saved, so the next Winning Line opens with the one stored before.<byte value="xd"/>
%1.</source>
        <translation>Valet av vinstväg kunde inte sparas, så nästa gång öppnas Vinstväg med det tidigare sparade valet.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>Winning Line&apos;s column header with Fewest Moves: each row a move, &quot;d2 -&gt; d4 -&gt; d6&quot;.</extracomment>
        <translation>Drag</translation>
    </message>
    <message numerus="yes">
        <source>Moves to the last marble in the centre after the move under way: %n</source>
        <extracomment>Above the list of moves when its first row, without a number, goes on with the marble that has just jumped; the number of moves after it comes last.</extracomment>
        <translation>
            <numerusform>Drag kvar till sista kulan i mitten efter det pågående draget: %n</numerusform>
            <numerusform>Drag kvar till sista kulan i mitten efter det pågående draget: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moves to the last marble in the centre: %n</source>
        <translation>
            <numerusform>Drag kvar till sista kulan i mitten: %n</numerusform>
            <numerusform>Drag kvar till sista kulan i mitten: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The marble that has just jumped goes on: these jumps belong to the move under way.</source>
        <extracomment>The tip of Winning Line&apos;s first row when it has no number.</extracomment>
        <translation>Kulan som just hoppade fortsätter: de här hoppen hör till det pågående draget.</translation>
    </message>
    <message>
        <source>A line of the fewest moves is not available, because their table cannot be used: %1.</source>
        <extracomment>In Winning Line, when the table of fewest moves (a file installed with the game) cannot be used; %1 says why.</extracomment>
        <translation>En vinstväg med färst drag kan inte visas, eftersom tabellen över färst drag inte kan användas: %1.</translation>
    </message>
    <message>
        <source>From here one move was enough; after this move %1.</source>
        <extracomment>The tip of the jumps of the first move after which a centre finish took more moves than before it, when one move was enough from the position before that move: %1 the moves needed once it was made.</extracomment>
        <translation>Härifrån räckte det med ett drag; efter det här draget behövdes %1.</translation>
    </message>
    <message>
        <source>%1, in the move that made the finish take more moves than needed: from here one move was enough; after this move %2.</source>
        <extracomment>What a screen reader says of a jump of the first move that made the finish take more moves than needed, when one move was enough before it: %1 the jump (&quot;d4 -&gt; b4&quot;), %2 the moves needed after it.</extracomment>
        <translation>%1, i draget som gjorde att avslutet krävde fler drag än nödvändigt: härifrån räckte det med ett drag; efter det här draget behövdes %2.</translation>
    </message>
    <message>
        <source>Move %1, %2, made the finish take more moves than needed: from here one move was enough; after this move %3.</source>
        <extracomment>Review Game&apos;s summary, after what it says of the centre finish, when one move was enough before the move it names: %1 the move&apos;s number in the game, %2 the move (&quot;d2 -&gt; d4 -&gt; d6&quot;), %3 the moves needed once it was made.</extracomment>
        <translation>Drag %1, %2, gjorde att avslutet krävde fler drag än nödvändigt: härifrån räckte det med ett drag; efter det här draget behövdes %3.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>Cross</source>
        <extracomment>A problem&apos;s name. The problems are shapes of marbles to reduce to one marble in the centre; this one is a Latin cross of six marbles.</extracomment>
        <translation>Kors</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <extracomment>A problem&apos;s name: a snowflake-like star of eleven marbles, one in the centre.</extracomment>
        <translation>Snöflinga</translation>
    </message>
    <message>
        <source>Plus</source>
        <extracomment>A problem&apos;s name: a plus sign of nine marbles.</extracomment>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Kite</source>
        <extracomment>A problem&apos;s name: a kite on a string, ten marbles.</extracomment>
        <translation>Drake</translation>
    </message>
    <message>
        <source>Sword</source>
        <extracomment>A problem&apos;s name: a sword with its hilt, twelve marbles.</extracomment>
        <translation>Svärd</translation>
    </message>
    <message>
        <source>Trident</source>
        <extracomment>A problem&apos;s name: a three-pronged spear, eight marbles.</extracomment>
        <translation>Treudd</translation>
    </message>
    <message>
        <source>Gateway</source>
        <extracomment>A problem&apos;s name: a gate in a wall, ten marbles.</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Tuning Fork</source>
        <extracomment>A problem&apos;s name: the two-pronged fork musicians tune by, seven marbles.</extracomment>
        <translation>Stämgaffel</translation>
    </message>
    <message>
        <source>Small Diamond</source>
        <extracomment>A problem&apos;s name: a diamond (the shape) of twelve marbles around the empty centre.</extracomment>
        <translation>Liten romb</translation>
    </message>
    <message>
        <source>Hat</source>
        <extracomment>A problem&apos;s name: a hat with a brim, eleven marbles.</extracomment>
        <translation>Hatt</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>A problem&apos;s name: a table (the furniture) of twelve marbles.</extracomment>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Staircase</source>
        <extracomment>A problem&apos;s name: steps running down diagonally, eleven marbles.</extracomment>
        <translation>Trappa</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <extracomment>A problem&apos;s name: rows of one, three, five and seven marbles.</extracomment>
        <translation>Pyramid</translation>
    </message>
    <message>
        <source>Bird</source>
        <extracomment>A problem&apos;s name: a bird with its wings raised, fourteen marbles.</extracomment>
        <translation>Fågel</translation>
    </message>
    <message>
        <source>Heart</source>
        <extracomment>A problem&apos;s name: a heart (the shape), eighteen marbles.</extracomment>
        <translation>Hjärta</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A problem&apos;s name: a bell (the shape), eighteen marbles.</extracomment>
        <translation>Kyrkklocka</translation>
    </message>
    <message>
        <source>Mask</source>
        <extracomment>A problem&apos;s name: a face mask with two eye holes, nineteen marbles.</extracomment>
        <translation>Mask</translation>
    </message>
    <message>
        <source>Lantern</source>
        <extracomment>A problem&apos;s name: a lantern (the lamp), fifteen marbles.</extracomment>
        <translation>Lykta</translation>
    </message>
    <message>
        <source>Goblet</source>
        <extracomment>A problem&apos;s name: a drinking cup on a stem, fifteen marbles.</extracomment>
        <translation>Bägare</translation>
    </message>
    <message>
        <source>Crown</source>
        <extracomment>A problem&apos;s name: a king&apos;s crown, sixteen marbles.</extracomment>
        <translation>Krona</translation>
    </message>
    <message>
        <source>Tree</source>
        <extracomment>A problem&apos;s name: a fir tree on its trunk, sixteen marbles.</extracomment>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Arrow</source>
        <extracomment>A problem&apos;s name: an arrow pointing up, seventeen marbles.</extracomment>
        <translation>Pil</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>A problem&apos;s name: a window with panes, nineteen marbles.</extracomment>
        <translation>Fönster</translation>
    </message>
    <message>
        <source>Octagon</source>
        <extracomment>A problem&apos;s name: an eight-sided shape of twenty marbles around the empty centre.</extracomment>
        <translation>Åttahörning</translation>
    </message>
    <message>
        <source>Tower</source>
        <extracomment>A problem&apos;s name: a castle tower with battlements, twenty marbles.</extracomment>
        <translation>Torn</translation>
    </message>
    <message>
        <source>Diamond</source>
        <extracomment>A problem&apos;s name: a large diamond (the shape) of 24 marbles around the empty centre.</extracomment>
        <translation>Romb</translation>
    </message>
    <message>
        <source>Double Cross</source>
        <extracomment>A problem&apos;s name: an upright with two crossbars, thirteen marbles.</extracomment>
        <translation>Dubbelkors</translation>
    </message>
    <message>
        <source>Rocket</source>
        <extracomment>A problem&apos;s name: a space rocket, 21 marbles.</extracomment>
        <translation>Raket</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <extracomment>A problem&apos;s name: a mushroom with its cap and stem, 22 marbles.</extracomment>
        <translation>Svamp</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <extracomment>A problem&apos;s name: a fireplace, its chimney above, eleven marbles.</extracomment>
        <translation>Öppen spis</translation>
    </message>
    <message>
        <source>Keyhole</source>
        <extracomment>A problem&apos;s name: the top half of the board full but for the empty centre, one marble below it, 20 marbles.</extracomment>
        <translation>Nyckelhål</translation>
    </message>
    <message>
        <source>Moat</source>
        <extracomment>A problem&apos;s name: one marble in the centre cut off by an empty ring (the moat of a castle) from the four arms of the board, 25 marbles.</extracomment>
        <translation>Vallgrav</translation>
    </message>
    <message>
        <source>Full Board, d1 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but d1 (column d, row 1), which is empty. d1 is a hole&apos;s name, never translated.</extracomment>
        <translation>Fullt bräde, d1 tomt</translation>
    </message>
    <message>
        <source>Full Board, a4 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but a4, which is empty.</extracomment>
        <translation>Fullt bräde, a4 tomt</translation>
    </message>
    <message>
        <source>Full Board, g4 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but g4, which is empty.</extracomment>
        <translation>Fullt bräde, g4 tomt</translation>
    </message>
    <message>
        <source>Full Board, d7 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but d7, which is empty.</extracomment>
        <translation>Fullt bräde, d7 tomt</translation>
    </message>
    <message>
        <source>Ladder</source>
        <extracomment>A problem&apos;s name: a ladder of two rails and rungs down the middle column, 19 marbles.</extracomment>
        <translation>Stege</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A problem&apos;s grade: jumps made at random would finish with one marble in the centre at least once in 100 tries.</extracomment>
        <translation>Lätt</translation>
    </message>
    <message>
        <source>Moderate</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 100 to 1,000 tries.</extracomment>
        <translation>Medelsvår</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 1,000 to 10,000 tries.</extracomment>
        <translation>Svår</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 10,000 to 100,000 tries.</extracomment>
        <translation>Mycket svår</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 100,000 to a million tries.</extracomment>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <extracomment>A problem&apos;s grade, the hardest: random jumps finish in the centre less than once in a million tries.</extracomment>
        <translation>Mästare</translation>
    </message>
    <message>
        <source>With only %1 empty at the start, the last marble can never finish in the centre (the rule of three): it can only end on a hole whose row and column each differ from those of %1 by 0, 3 or 6, and the centre&apos;s do not.</source>
        <extracomment>Why a start with one empty hole has no finish in the centre. %1 is that hole, a column letter and a row number such as &quot;c1&quot; (never translated); the centre is d4. The rule of three is the usual name of this argument in peg solitaire.</extracomment>
        <translation>När bara %1 är tomt från början kan sista kulan aldrig sluta i mitten (treregeln): den kan bara sluta i ett hål vars rad och kolumn var för sig skiljer sig med 0, 3 eller 6 från raden och kolumnen för %1, och det gör inte mitthålets.</translation>
    </message>
    <message>
        <source>line %1 of the list of problems is not a problem</source>
        <extracomment>Why the list of problems cannot be read. %1 is the number of a line of the list&apos;s file, index.txt, that does not name a game file, a chance from 0 to 1, a number of moves and a name.</extracomment>
        <translation>rad %1 i problemlistan är inget problem</translation>
    </message>
    <message>
        <source>the list of problems is too long</source>
        <extracomment>Why the list of problems cannot be read: its file, index.txt, is larger than any list of problems.</extracomment>
        <translation>problemlistan är för lång</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>it is a link</source>
        <extracomment>Why the records file (or its lock) cannot be used; said inside a sentence about it.</extracomment>
        <translation>det är en länk</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>den tillhör en annan användare</translation>
    </message>
    <message>
        <source>it is far too long</source>
        <translation>den är alldeles för lång</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>den är skadad</translation>
    </message>
    <message>
        <source>Your records in %1 could not be used (%2). The file was set aside as %3, and new records begin.</source>
        <extracomment>%1 the records file, %2 why it could not be used (a phrase such as &quot;it is damaged&quot;), %3 the name it was given.</extracomment>
        <translation>Dina rekord i %1 kunde inte användas (%2). Filen har lagts undan som %3, och rekorden börjar om från början.</translation>
    </message>
    <message>
        <source>Your records in %1 cannot be used (%2), nor set aside (%3), so no game is recorded until it is moved.</source>
        <extracomment>%1 the records file, %2 why it cannot be used, %3 why it could not be renamed.</extracomment>
        <translation>Dina rekord i %1 kan varken användas (%2) eller läggas undan (%3), så inga partier registreras förrän filen har flyttats.</translation>
    </message>
    <message>
        <source>Your records could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 the records file, %2 why it could not be written.</extracomment>
        <translation>Dina rekord kunde inte sparas.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>låsfilen kan inte skapas</translation>
    </message>
    <message>
        <source>Your records are being written by another copy of Pebblenix; try again in a moment.</source>
        <translation>Dina rekord skrivs just nu av en annan instans av Pebblenix; försök igen om en stund.</translation>
    </message>
    <message>
        <source>Another copy of Pebblenix keeps your records in %1 locked. The games that end are kept, and written as soon as it lets go.</source>
        <extracomment>Told once when a game has ended while another running copy of the game has kept the records file locked for some seconds. %1 is the records file.</extracomment>
        <translation>En annan instans av Pebblenix håller låset på dina rekord i %1. Partier som avslutas under tiden sparas och skrivs in så snart låset släpps.</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Pebblenix kept the file locked until the end; games not recorded: %n</source>
        <extracomment>Why the records could not be written when the game closed: another copy of the game kept the file locked. %n is how many finished games are not recorded.</extracomment>
        <translation>
            <numerusform>en annan instans av Pebblenix höll filen låst ända till slutet; partier som inte registrerades: %n</numerusform>
            <numerusform>en annan instans av Pebblenix höll filen låst ända till slutet; partier som inte registrerades: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Your records in %1 were written by a newer version of Pebblenix, which this one cannot read. They are left as they are, and no game is recorded.</source>
        <extracomment>%1 the records file.</extracomment>
        <translation>Dina rekord i %1 har skrivits av en nyare version av Pebblenix, som den här versionen inte kan läsa. De lämnas orörda, och inga partier registreras.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>its folder does not exist</source>
        <translation>filens mapp finns inte</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <extracomment>%1 says why the table behind the hints cannot be used, for example that its file cannot be read or is damaged.</extracomment>
        <translation>pebblenix-solve: lösningstabellen kan inte användas: %1</translation>
    </message>
    <message>
        <source>One marble left, in the centre.</source>
        <extracomment>The last line after a list of jumps that ends with one marble in the centre hole.</extracomment>
        <translation>En kula kvar, i mitten.</translation>
    </message>
    <message>
        <source>pebblenix-solve: the output could not be written (%1)</source>
        <extracomment>Shown when the tool&apos;s answer could not be written out, for example to a full disk. %1 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>pebblenix-solve: utdata kunde inte skrivas (%1)</translation>
    </message>
    <message>
        <source>One move</source>
        <extracomment>The last line after a line of play of one move that ends with one marble in the centre hole.</extracomment>
        <translation>Ett drag</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <extracomment>The last line after a line of play that ends with one marble in the centre hole: its number of moves, each one marble&apos;s chain of jumps (never 1).</extracomment>
        <translation>
            <numerusform>%n drag</numerusform>
            <numerusform>%n drag</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: pebblenix-solve [--fewest-moves] FILE.pnx</source>
        <extracomment>Shown when the tool is started wrongly. FILE.pnx stands for the name of a game file; the command&apos;s name and its option stay as they are.</extracomment>
        <translation>användning: pebblenix-solve [--fewest-moves] FIL.pnx</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>One marble can still finish in the centre.</source>
        <extracomment>The position editor&apos;s verdict on the board being set up.</extracomment>
        <translation>Det går fortfarande att sluta med en kula i mitten.</translation>
    </message>
    <message>
        <source>One marble stands in the centre: this board is already solved.</source>
        <extracomment>The position editor&apos;s verdict on a board with one marble, in the centre.</extracomment>
        <translation>En kula ligger i mitten: brädet är redan löst.</translation>
    </message>
    <message>
        <source>There are no marbles on the board.</source>
        <extracomment>The position editor&apos;s verdict on an empty board.</extracomment>
        <translation>Det finns inga kulor på brädet.</translation>
    </message>
    <message>
        <source>The only marble stands on %1, not in the centre, and a lone marble cannot jump.</source>
        <extracomment>The position editor&apos;s verdict on a board with one marble. %1 is its hole, a column letter and a row number such as &quot;d1&quot; (never translated).</extracomment>
        <translation>Den enda kulan ligger på %1, inte i mitten, och en ensam kula kan inte hoppa.</translation>
    </message>
    <message>
        <source>No series of jumps can leave one marble in the centre (the rule of three): colour the holes in three colours along the diagonals, either way; every jump changes the number of marbles on each colour by one, so whether each colour holds an odd or even number flips for all three at once, and from this board it never matches a lone marble in the centre.</source>
        <extracomment>The position editor&apos;s verdict. The rule of three is the usual name of this argument in peg solitaire; the three colours are stripes running along the diagonals of the board.</extracomment>
        <translation>Ingen följd av hopp kan lämna en ensam kula i mitten (treregeln): färga hålen i tre färger längs diagonalerna, åt vilket håll som helst. Varje hopp ändrar antalet kulor på varje färg med ett, så för alla tre färgerna skiftar antalet mellan udda och jämnt på en gång, och från det här brädet stämmer det aldrig med en ensam kula i mitten.</translation>
    </message>
    <message>
        <source>The rule of three allows a finish in the centre, but no series of jumps from this board leads to one.</source>
        <extracomment>The position editor&apos;s verdict: the rule of three (see the other verdict) does not forbid a centre finish, but the exact search finds none.</extracomment>
        <translation>Treregeln tillåter ett avslut i mitten, men ingen följd av hopp från det här brädet leder dit.</translation>
    </message>
    <message>
        <source>One marble can still finish in the centre, in one move.</source>
        <extracomment>The position editor&apos;s verdict when one move (one marble&apos;s jumps made one after another) leaves one marble in the centre.</extracomment>
        <translation>Det går fortfarande att sluta med en kula i mitten, på ett drag.</translation>
    </message>
    <message numerus="yes">
        <source>One marble can still finish in the centre, in %n moves at the fewest.</source>
        <extracomment>The position editor&apos;s verdict. A move is one marble&apos;s jumps made one after another; %n is the fewest moves that leave one marble in the centre, always more than one.</extracomment>
        <translation>
            <numerusform>Det går fortfarande att sluta med en kula i mitten, på minst %n drag.</numerusform>
            <numerusform>Det går fortfarande att sluta med en kula i mitten, på minst %n drag.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>selected marble</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;): its marble is picked up, ready to jump.</extracomment>
        <translation>vald kula</translation>
    </message>
    <message>
        <source>marble</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;).</extracomment>
        <translation>kula</translation>
    </message>
    <message>
        <source>empty, a jump here keeps the centre finish</source>
        <extracomment>What a screen reader says of a hole after its name (&quot;d4, empty, a jump here keeps the centre finish&quot;) when Show Jumps marks it: the picked-up marble can jump here, and the last marble can then still finish in the centre hole.</extracomment>
        <translation>tomt, ett hopp hit håller avslutet i mitten möjligt</translation>
    </message>
    <message>
        <source>empty, a jump here loses the centre finish</source>
        <extracomment>As &quot;empty, a jump here keeps the centre finish&quot;, but after this jump the last marble can no longer finish in the centre hole.</extracomment>
        <translation>tomt, ett hopp hit gör avslutet i mitten omöjligt</translation>
    </message>
    <message>
        <source>empty, the picked-up marble can jump here</source>
        <extracomment>As &quot;empty, a jump here keeps the centre finish&quot;, when the game cannot tell whether the jump keeps a finish in the centre (its table of solutions is missing).</extracomment>
        <translation>tomt, den valda kulan kan hoppa hit</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;): it holds no marble.</extracomment>
        <translation>tomt</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardWidget</name>
    <message>
        <source>There is no marble on %1 to jump.</source>
        <extracomment>What a screen reader says when Shift and an arrow key are pressed on an empty hole; %1 names the hole (&quot;d4&quot;).</extracomment>
        <translation>Det finns ingen kula på %1 att hoppa med.</translation>
    </message>
    <message>
        <source>The marble on %1 cannot jump that way.</source>
        <extracomment>What a screen reader says when Shift and an arrow key ask for a jump the board does not allow; %1 names the hole (&quot;d4&quot;).</extracomment>
        <translation>Kulan på %1 kan inte hoppa åt det hållet.</translation>
    </message>
    <message numerus="yes">
        <source>The marble on %1 jumped over %2 to %3. %n marbles left.</source>
        <translation>
            <numerusform>Kulan på %1 hoppade över %2 till %3. %n kula kvar.</numerusform>
            <numerusform>Kulan på %1 hoppade över %2 till %3. %n kulor kvar.</numerusform>
        </translation>
    </message>
    <message>
        <source>The marble on %1 jumped over %2 to %3. One marble is left.</source>
        <extracomment>What a screen reader says after Shift and an arrow key made a jump: %1 the hole the marble left, %2 the one it jumped over, %3 the one it landed on (&quot;d2&quot;, &quot;d3&quot;, &quot;d4&quot;); %n the marbles now on the board, always more than one.</extracomment>
        <translation>Kulan på %1 hoppade över %2 till %3. En kula är kvar.</translation>
    </message>
</context>
<context>
    <name>pebblenix::ChallengeCommands</name>
    <message>
        <source>%1 - %2</source>
        <extracomment>The main window&apos;s title while a problem is played: %1 is what is played (&quot;Cross&quot;, &quot;Today&apos;s Problem (Hard)&quot;), %2 the program&apos;s name.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Today&apos;s Problem (%1)</source>
        <extracomment>The main window&apos;s title names it so while it is played. %1 is its grade, such as &quot;Hard&quot;.</extracomment>
        <translation>Dagens problem (%1)</translation>
    </message>
    <message>
        <source>The position could not be saved.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the game file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Ställningen kunde inte sparas.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>&amp;Problems…</source>
        <extracomment>Opens the list of problems: shapes of marbles to reduce to one marble in the centre.</extracomment>
        <translation>&amp;Problem…</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Problem</source>
        <extracomment>Starts the problem of the day, the same for every player that day.</extracomment>
        <translation>&amp;Dagens problem</translation>
    </message>
    <message>
        <source>Set Up Pos&amp;ition…</source>
        <extracomment>Opens a board on which the player puts and takes marbles, to play from there.</extracomment>
        <translation>&amp;Lägg upp ställning…</translation>
    </message>
</context>
<context>
    <name>pebblenix::GameSession</name>
    <message>
        <source>The move was not made, because the undo file could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the undo file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Hoppet gjordes inte, eftersom filen för Ångra inte kunde skrivas.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the undo file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Partiet backades inte, eftersom filen för Ångra inte kunde skrivas.<byte value="xd"/>
%1: %2.</translation>
    </message>
</context>
<context>
    <name>pebblenix::HowToPlayDialog</name>
    <message>
        <source>How to Play</source>
        <extracomment>The title of Help &gt; How to Play.</extracomment>
        <translation>Så spelar du</translation>
    </message>
    <message>
        <source>The game</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Spelet</translation>
    </message>
    <message>
        <source>Pebblenix is peg solitaire on a board of 33 holes in the shape of a cross. A new game has a marble in every hole but the centre one.</source>
        <extracomment>How to Play, on the rules. Each paragraph is translated whole; the menu names in these paragraphs are the menus&apos; own, as translated.</extracomment>
        <translation>Pebblenix är solitär med kulor på ett korsformat bräde med 33 hål. Ett nytt parti har en kula i varje hål utom mitthålet.</translation>
    </message>
    <message>
        <source>A marble jumps over a marble beside it, in its row or its column, into the empty hole just beyond, and the marble it jumped over is taken off the board. Marbles never jump diagonally.</source>
        <translation>En kula hoppar över en kula bredvid sig, i samma rad eller kolumn, ner i det tomma hålet precis bakom, och kulan som den hoppade över tas bort från brädet. Kulorna hoppar aldrig diagonalt.</translation>
    </message>
    <message>
        <source>The game is over when no jump is left. The fewer marbles are left, the better: one marble left in the centre hole wins the game.</source>
        <translation>Partiet är slut när inga hopp finns kvar. Ju färre kulor som är kvar, desto bättre: med en enda kula kvar i mitthålet har du vunnit.</translation>
    </message>
    <message>
        <source>The clock counts down 120 seconds from your first click on the board. It only tells you how fast you are: when it shows TimeOut!!, you can play on.</source>
        <extracomment>&quot;TimeOut!!&quot; is what the clock shows, the same in every language.</extracomment>
        <translation>Klockan räknar ned 120 sekunder från ditt första klick på brädet. Den visar bara hur snabb du är: när den visar TimeOut!! kan du spela vidare.</translation>
    </message>
    <message>
        <source>Moving a marble</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Så flyttar du en kula</translation>
    </message>
    <message>
        <source>With the mouse, click a marble to pick it up, then click the empty hole two holes away where it should land. A click anywhere else puts it down again. You can also drag a marble onto the hole it jumps to.</source>
        <translation>Med musen klickar du på en kula för att välja den och sedan på det tomma hålet två hål bort där den ska landa. Ett klick någon annanstans lägger tillbaka den. Du kan också dra en kula till hålet som den hoppar till.</translation>
    </message>
    <message>
        <source>With the keyboard, the arrow keys move a dashed box from hole to hole, and Space or Enter acts as a click on the hole in the box. Shift and an arrow key jump the marble in the box two holes that way at once, and the box goes with it: Shift+Down on d2 jumps it over d3 to d4. A screen reader says what each jump did.</source>
        <extracomment>Shift and the arrow keys jump a marble; the arrow keys alone move the box.</extracomment>
        <translation>Med tangentbordet flyttar du en streckad ruta från hål till hål med piltangenterna, och Blanksteg eller Retur fungerar som ett klick på hålet i rutan. Med Skift och en piltangent hoppar kulan i rutan två hål åt det hållet på en gång, och rutan följer med: Skift+Nedpil på d2 låter kulan hoppa över d3 till d4. En skärmläsare berättar vad varje hopp gjorde.</translation>
    </message>
    <message>
        <source>The holes are named by their column, a to g from the left, and their row, 1 to 7 from the top, so d4 is the centre; hints and lists name a jump by its two holes, as in d2 -&gt; d4. View ▸ Show Coordinates shows the letters and numbers beside the board.</source>
        <translation>Hålen har namn efter sin kolumn, a till g från vänster, och sin rad, 1 till 7 uppifrån, så d4 är mitten; tips och listor anger ett hopp med dess två hål, som i d2 -&gt; d4. Visa ▸ Visa koordinater visar bokstäverna och siffrorna intill brädet.</translation>
    </message>
    <message>
        <source>The marks on the board</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Markeringarna på brädet</translation>
    </message>
    <message>
        <source>With View ▸ Show Jumps on, the marble you pick up has a ring round it, and each hole it can jump to is marked:</source>
        <translation>När Visa ▸ Visa hopp är påslaget får kulan du väljer en ring runt sig, och varje hål som den kan hoppa till markeras:</translation>
    </message>
    <message>
        <source>The picked-up marble, ringed.</source>
        <translation>Den valda kulan, inringad.</translation>
    </message>
    <message>
        <source>A ring with a tick: after this jump the last marble can still finish in the centre.</source>
        <extracomment>What Show Jumps&apos; ring with a tick means.</extracomment>
        <translation>En ring med bock: efter det här hoppet kan sista kulan fortfarande sluta i mitten.</translation>
    </message>
    <message>
        <source>A cross: this jump loses the finish in the centre.</source>
        <extracomment>What Show Jumps&apos; cross means.</extracomment>
        <translation>Ett kryss: det här hoppet gör avslutet i mitten omöjligt.</translation>
    </message>
    <message>
        <source>A small dot: the marble can jump here, but whether that keeps the finish is not known yet, while the table of solutions loads or when it cannot be read.</source>
        <extracomment>What Show Jumps&apos; small dot means.</extracomment>
        <translation>En liten prick: kulan kan hoppa hit, men spelet vet inte än om avslutet i mitten då förblir möjligt, eftersom lösningstabellen håller på att läsas in eller inte kan läsas.</translation>
    </message>
    <message>
        <source>A framed hole: one of the two holes of the jump chosen in Review Game or Winning Line.</source>
        <extracomment>The frame round the two holes of a jump chosen in a list.</extracomment>
        <translation>Ett inramat hål: ett av de två hålen i hoppet som du har valt i Granska partiet eller Vinstväg.</translation>
    </message>
    <message>
        <source>Help when you want it</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Hjälp när du vill ha den</translation>
    </message>
    <message>
        <source>Every help the game gives is exact: it knows for every position whether the last marble can still finish in the centre. A game finished after a hint, a rewind, Review Game, Winning Line or Show Jumps&apos; marks counts as played with help.</source>
        <translation>All hjälp som spelet ger är exakt: det vet för varje ställning om sista kulan fortfarande kan sluta i mitten. Ett parti som avslutas efter ett tips, en backning, Granska partiet, Vinstväg eller markeringarna från Visa hopp räknas som spelat med hjälp.</translation>
    </message>
    <message>
        <source>Game ▸ Hint (Ctrl+H) picks up a marble whose jump keeps the centre finish and blinks the hole it should jump to, or says that no such finish is left.</source>
        <translation>Spel ▸ Tips (Ctrl+H) väljer en kula vars hopp håller avslutet i mitten möjligt och blinkar med hålet som den ska hoppa till, eller säger att inget sådant avslut längre är möjligt.</translation>
    </message>
    <message>
        <source>Game ▸ Review Game lists your jumps and shows the one after which the centre finish was lost, with a jump that would have kept it. Go Back to Before This Jump takes the board back to the chosen row.</source>
        <translation>Spel ▸ Granska partiet listar dina hopp och visar hoppet som gjorde avslutet i mitten omöjligt, tillsammans med ett hopp som hade hållit det möjligt. Backa till läget före det här hoppet tar brädet tillbaka till den valda raden.</translation>
    </message>
    <message>
        <source>Game ▸ Rewind to Last Winnable Position (Ctrl+R) takes the board back to just before the jump that lost the centre finish. Undo (Ctrl+Z) takes back the last jump, or the rewind.</source>
        <translation>Spel ▸ Backa till senaste vinnbara ställning (Ctrl+R) tar brädet tillbaka till läget precis före hoppet som gjorde avslutet i mitten omöjligt. Ångra (Ctrl+Z) tar tillbaka det senaste hoppet eller backningen.</translation>
    </message>
    <message>
        <source>Game ▸ Winning Line (Ctrl+L) lists the jumps that take the board in front of you to one marble in the centre; Play Next Jump makes the first of them. Its Fewest Moves choice shows a line with the fewest moves, a run of jumps by one marble counting as one move.</source>
        <translation>Spel ▸ Vinstväg (Ctrl+L) listar hoppen som leder från brädet framför dig till en kula i mitten; Gör nästa hopp gör det första av dem. Valet Färst drag visar en väg med så få drag som möjligt, där en serie hopp med samma kula räknas som ett drag.</translation>
    </message>
    <message>
        <source>View ▸ Show Moves shows the moves you have made and the fewest moves that can still finish in the centre.</source>
        <translation>Visa ▸ Visa drag visar dragen du har gjort och det minsta antal drag som fortfarande räcker till ett avslut i mitten.</translation>
    </message>
    <message>
        <source>Game ▸ Tell Me When It Ends says when no jump is left and how many marbles remain, and stops the clock at the end of every game.</source>
        <translation>Spel ▸ Säg till när partiet är slut säger till när inga hopp finns kvar och hur många kulor som återstår, och stoppar klockan i slutet av varje parti.</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Game ▸ Records shows the games you have played, those finished in the centre, your best finish and your fastest centre finish. The bests of games played with help are kept apart from the others.</source>
        <translation>Spel ▸ Rekord visar hur många partier du har spelat, hur många som slutade i mitten, ditt bästa resultat och ditt snabbaste avslut i mitten. Rekorden från partier som spelats med hjälp hålls isär från de övriga.</translation>
    </message>
    <message>
        <source>Problems</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Game ▸ Problems offers positions to bring down to one marble in the centre, from easy to very hard. Game ▸ Set Up Position lets you place the marbles yourself, and Game ▸ Today&apos;s Problem is a new problem every day, the same for every player. The same exact help works on all of them.</source>
        <translation>Spel ▸ Problem erbjuder ställningar att spela ner till en kula i mitten, från lätta till mycket svåra. Med Spel ▸ Lägg upp ställning placerar du kulorna själv, och Spel ▸ Dagens problem är ett nytt problem varje dag, samma för alla spelare. Samma exakta hjälp fungerar för dem alla.</translation>
    </message>
</context>
<context>
    <name>pebblenix::JumpListDialog</name>
    <message>
        <source>No.</source>
        <extracomment>The columns of Review Game and Winning Line: the jump&apos;s number (1, 2, ...),</extracomment>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>the jump (&quot;d2 -&gt; d4&quot;: column letter and row number of the two holes),</extracomment>
        <translation>Hopp</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <extracomment>and the marbles left on the board after it.</extracomment>
        <translation>Kulor kvar</translation>
    </message>
</context>
<context>
    <name>pebblenix::ProblemsDialog</name>
    <message>
        <source>Problems</source>
        <extracomment>The title of the list of problems.
----------
The list&apos;s name for a screen reader.</extracomment>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>The columns of the list of problems: the problem&apos;s name, its grade (Easy to Master), the marbles it starts with, the fewest moves that solve it (a move is one marble&apos;s jumps one after another), and whether the player has solved it.</extracomment>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Svårighet</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Kulor</translation>
    </message>
    <message>
        <source>Fewest Moves</source>
        <translation>Färst drag</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Löst</translation>
    </message>
    <message>
        <source>Full Board, %1 Empty</source>
        <extracomment>A row of the list of problems: the full board with one hole empty, from which the last marble can never finish in the centre. %1 is the hole, such as &quot;c1&quot; (never translated).</extracomment>
        <translation>Fullt bräde, %1 tomt</translation>
    </message>
    <message>
        <source>No centre finish</source>
        <extracomment>Shown in the Grade column of a start that cannot be solved.</extracomment>
        <translation>Inget avslut i mitten</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>Starts the chosen problem, as Game &gt; New starts a game.</extracomment>
        <translation>&amp;Spela</translation>
    </message>
    <message>
        <source>Next &amp;Unsolved</source>
        <extracomment>Goes to the next problem in the list not yet solved without help.</extracomment>
        <translation>Nästa &amp;olösta</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Inte än</translation>
    </message>
    <message numerus="yes">
        <source>In %n moves</source>
        <extracomment>In the Solved column: the player solved the problem without help, in %n moves at the fewest (never fewer than 5, so English needs no singular).</extracomment>
        <translation>
            <numerusform>På %n drag</numerusform>
            <numerusform>På %n drag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With help, in %n moves</source>
        <extracomment>In the Solved column: solved only with help (a hint, the winning line...).</extracomment>
        <translation>
            <numerusform>Med hjälp, på %n drag</numerusform>
            <numerusform>Med hjälp, på %n drag</numerusform>
        </translation>
    </message>
    <message>
        <source>Jumps made at random finish in the centre about once in %1 games.</source>
        <extracomment>%1 is a large number, such as &quot;64&quot; or &quot;74,000,000&quot;: how many games of random jumps it takes on average to see one finish in the centre.</extracomment>
        <translation>Slumpmässiga hopp slutar i mitten ungefär en gång på %1 partier.</translation>
    </message>
    <message numerus="yes">
        <source>You solved it without help in %n moves, on %1.</source>
        <extracomment>%1 the date.</extracomment>
        <translation>
            <numerusform>Du löste det utan hjälp på %n drag, den %1.</numerusform>
            <numerusform>Du löste det utan hjälp på %n drag, den %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You solved it with help in %n moves, on %1.</source>
        <extracomment>With help: after a hint, the winning line, Review Game or a rewind. %1 the date.</extracomment>
        <translation>
            <numerusform>Du löste det med hjälp på %n drag, den %1.</numerusform>
            <numerusform>Du löste det med hjälp på %n drag, den %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have solved every problem without help.</source>
        <extracomment>Next Unsolved found no problem left to solve without help.</extracomment>
        <translation>Du har löst alla problem utan hjälp.</translation>
    </message>
    <message>
        <source>The list of problems cannot be read.</source>
        <extracomment>Above the reason, a file&apos;s path and what is wrong with it.</extracomment>
        <translation>Problemlistan kan inte läsas.</translation>
    </message>
</context>
<context>
    <name>pebblenix::RecordsDialog</name>
    <message>
        <source>None yet</source>
        <translation>Inget ännu</translation>
    </message>
    <message>
        <source>The last marble in the centre, on %1</source>
        <extracomment>%1 the date.</extracomment>
        <translation>Sista kulan i mitten, den %1</translation>
    </message>
    <message>
        <source>One marble, not in the centre, on %1</source>
        <extracomment>%1 the date.</extracomment>
        <translation>En kula, inte i mitten, den %1</translation>
    </message>
    <message numerus="yes">
        <source>%n marbles left, on %1</source>
        <extracomment>%n the marbles left on a board with no jump left, %1 the date.</extracomment>
        <translation>
            <numerusform>%n kula kvar, den %1</numerusform>
            <numerusform>%n kulor kvar, den %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Over time, on %1</source>
        <extracomment>The clock had run out before the centre finish; %1 the date.</extracomment>
        <translation>Tiden överskriden, den %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of 120 seconds, on %1</source>
        <extracomment>%n seconds of the game&apos;s 120-second clock, %1 the date.</extracomment>
        <translation>
            <numerusform>%n av 120 sekunder, den %1</numerusform>
            <numerusform>%n av 120 sekunder, den %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Spelade partier:</translation>
    </message>
    <message>
        <source>Finished in the centre:</source>
        <translation>Slutade i mitten:</translation>
    </message>
    <message>
        <source>Best finish:</source>
        <translation>Bästa resultat:</translation>
    </message>
    <message>
        <source>Best finish with help:</source>
        <extracomment>With help: after a hint, a rewind, Review Game or the winning line.</extracomment>
        <translation>Bästa resultat med hjälp:</translation>
    </message>
    <message>
        <source>Fastest centre finish:</source>
        <translation>Snabbaste avslut i mitten:</translation>
    </message>
    <message>
        <source>Fastest with help:</source>
        <translation>Snabbaste med hjälp:</translation>
    </message>
    <message>
        <source>&amp;Reset Records…</source>
        <translation>&amp;Nollställ rekord…</translation>
    </message>
    <message>
        <source>Reset all your records? They cannot be brought back.</source>
        <translation>Vill du nollställa alla dina rekord? De går inte att få tillbaka.</translation>
    </message>
    <message>
        <source>Problems solved:</source>
        <extracomment>Problems of Game &gt; Problems finished with one marble in the centre.</extracomment>
        <translation>Lösta problem:</translation>
    </message>
    <message>
        <source>Today&apos;s Problem, days in a row:</source>
        <extracomment>Today&apos;s Problem solved on this many days in a row, up to today or yesterday.</extracomment>
        <translation>Dagens problem, dagar i rad:</translation>
    </message>
    <message>
        <source>%1, of which %2 without help</source>
        <extracomment>%1 how many problems the player has solved, %2 how many of them without help.</extracomment>
        <translation>%1, varav %2 utan hjälp</translation>
    </message>
    <message numerus="yes">
        <source>%n (your longest run: %1)</source>
        <extracomment>%n the days in a row up to today, %1 the most days in a row so far.</extracomment>
        <translation>
            <numerusform>%n (din längsta svit: %1)</numerusform>
            <numerusform>%n (din längsta svit: %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <extracomment>The title of the window that lists the game&apos;s jumps (Game &gt; Review Game).</extracomment>
        <translation>Granska partiet</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <extracomment>Review Game&apos;s last column: whether the last marble could still finish in the centre after the jump.</extracomment>
        <translation>Avslut i mitten</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <extracomment>Review Game&apos;s button: takes the board back to before the selected jump.</extracomment>
        <translation>&amp;Backa till läget före det här hoppet</translation>
    </message>
    <message>
        <source>possible</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column.</extracomment>
        <translation>möjligt</translation>
    </message>
    <message>
        <source>not possible</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column.</extracomment>
        <translation>omöjligt</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column, in bold, beside the jump after which the last marble could no longer finish in the centre.</extracomment>
        <translation>förlorat genom det här hoppet</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <extracomment>A tooltip on the jump that lost the centre finish; %1 is a jump that would have kept it (&quot;d2 -&gt; d4&quot;).</extracomment>
        <translation>Med %1 hade avslutet i mitten fortfarande varit möjligt.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2 would have kept it.</source>
        <extracomment>What a screen reader says of the jump that lost the centre finish (%1, &quot;d4 -&gt; b4&quot;), with one that would have kept it (%2).</extracomment>
        <translation>%1, hoppet som gjorde avslutet i mitten omöjligt. Med %2 hade det fortfarande varit möjligt.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish.</source>
        <extracomment>What a screen reader says of the jump that lost the centre finish (%1, &quot;d4 -&gt; b4&quot;).</extracomment>
        <translation>%1, hoppet som gjorde avslutet i mitten omöjligt.</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <extracomment>Review Game&apos;s summary above the list.</extracomment>
        <translation>Inga hopp har gjorts sedan den här ställningen lades upp.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish. %3 would have kept it.</source>
        <extracomment>Review Game&apos;s summary above the list: %1 is the jump&apos;s number in the game, %2 the jump (&quot;d4 -&gt; b4&quot;), %3 a jump that would have kept the finish.</extracomment>
        <translation>Hopp %1, %2, gjorde avslutet i mitten omöjligt. Med %3 hade det fortfarande varit möjligt.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <extracomment>Review Game&apos;s summary above the list: %1 is the jump&apos;s number in the game, %2 the jump (&quot;d4 -&gt; b4&quot;).</extracomment>
        <translation>Hopp %1, %2, gjorde avslutet i mitten omöjligt.</translation>
    </message>
</context>
<context>
    <name>pebblenix::SetUpDialog</name>
    <message>
        <source>Set Up Position</source>
        <extracomment>The title of the position editor, where the player puts and takes marbles.</extracomment>
        <translation>Lägg upp ställning</translation>
    </message>
    <message>
        <source>Board to set up</source>
        <extracomment>The board of the position editor, for a screen reader: a click, Space or Enter on a hole puts a marble in it or takes it out.</extracomment>
        <translation>Bräde för uppläggning</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>Takes every marble off the board being set up.</extracomment>
        <translation>&amp;Töm</translation>
    </message>
    <message>
        <source>&amp;Full</source>
        <extracomment>Puts a marble in every hole of the board being set up.</extracomment>
        <translation>&amp;Fyll</translation>
    </message>
    <message>
        <source>&amp;Play From Here</source>
        <extracomment>Starts a game from the board set up, as Game &gt; New starts one.</extracomment>
        <translation>&amp;Spela härifrån</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <extracomment>Saves the board set up as a game file.</extracomment>
        <translation>Spara so&amp;m…</translation>
    </message>
    <message numerus="yes">
        <source>Marbles on the board: %n</source>
        <extracomment>Above the verdict of the position editor: how many marbles the board holds.</extracomment>
        <translation>
            <numerusform>Kulor på brädet: %n</numerusform>
            <numerusform>Kulor på brädet: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::WindowExtras</name>
    <message>
        <source>Tell Me &amp;When It Ends</source>
        <extracomment>A Game menu option, off until chosen: when no jump is left the game says so, and the clock stops at the end of every game.</extracomment>
        <translation>Säg till när partiet är sl&amp;ut</translation>
    </message>
    <message>
        <source>When no jump is left, says so and how many marbles remain; at the end of every game the clock stops.</source>
        <extracomment>The tip of Game &gt; Tell Me When It Ends.</extracomment>
        <translation>Säger till när inga hopp finns kvar och hur många kulor som återstår; i slutet av varje parti stannar klockan.</translation>
    </message>
    <message>
        <source>Marks the holes the picked-up marble can jump to: a ring with a tick where the jump keeps a finish with the last marble in the centre possible, a cross where it loses it, and a small dot while the game cannot tell. The picked-up marble has a ring round it.</source>
        <extracomment>The tip of View &gt; Show Jumps: the marks differ by shape.</extracomment>
        <translation>Markerar hålen som den valda kulan kan hoppa till: en ring med bock där hoppet håller avslutet med sista kulan i mitten möjligt, ett kryss där det gör avslutet omöjligt och en liten prick så länge spelet inte kan avgöra det. Den valda kulan får en ring runt sig.</translation>
    </message>
    <message>
        <source>Show &amp;Coordinates</source>
        <extracomment>A View menu option: the columns&apos; letters and the rows&apos; numbers around the board.</extracomment>
        <translation>Visa &amp;koordinater</translation>
    </message>
    <message>
        <source>Shows the columns&apos; letters, a to g, and the rows&apos; numbers, 1 to 7, around the board: the names hints and lists give the holes.</source>
        <extracomment>The tip of View &gt; Show Coordinates.</extracomment>
        <translation>Visar kolumnernas bokstäver, a till g, och radernas siffror, 1 till 7, runt brädet: de namn som tips och listor ger hålen.</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <extracomment>Opens the rules and the ways to play, with what each mark on the board means.</extracomment>
        <translation>&amp;Så spelar du</translation>
    </message>
    <message numerus="yes">
        <source>No jump is left: %n marbles remain.</source>
        <extracomment>Told when Game &gt; Tell Me When It Ends is on and a jump leaves no jump on the board; %n the marbles left, always more than one.</extracomment>
        <translation>
            <numerusform>Inga hopp kvar: %n kula återstår.</numerusform>
            <numerusform>Inga hopp kvar: %n kulor återstår.</numerusform>
        </translation>
    </message>
    <message>
        <source>The Game menu&apos;s setting could not be saved, so the next game opens with the one stored before.<byte value="xd"/>
%1.</source>
        <extracomment>After a change of Game &gt; Tell Me When It Ends. %1 says which file could not be written and why.</extracomment>
        <translation>Inställningen i Spel-menyn kunde inte sparas, så nästa gång startar spelet med den tidigare sparade inställningen.<byte value="xd"/>
%1.</translation>
    </message>
</context>
<context>
    <name>pebblenix::WinningLineDialog</name>
    <message>
        <source>Winning Line</source>
        <translation>Vinstväg</translation>
    </message>
    <message>
        <source>&amp;Play Next Jump</source>
        <translation>&amp;Gör nästa hopp</translation>
    </message>
    <message>
        <source>Rewind to Last Winnable Position (Ctrl+R) goes back to before the jump that lost it.</source>
        <translation>Med ”Backa till senaste vinnbara ställning” (Ctrl+R) går du tillbaka till läget före hoppet som gjorde avslutet i mitten omöjligt.</translation>
    </message>
    <message numerus="yes">
        <source>Jumps to the last marble in the centre: %n</source>
        <extracomment>Above the list of jumps; the number of jumps comes last.</extracomment>
        <translation>
            <numerusform>Hopp kvar till sista kulan i mitten: %n</numerusform>
            <numerusform>Hopp kvar till sista kulan i mitten: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <extracomment>A placeholder title the About box has while it is built; &quot;About Pebblenix&quot; replaces it before the box is shown.</extracomment>
        <translation>Om MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s button that closes it.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>The About box&apos;s button that starts the system&apos;s information tool.</extracomment>
        <translation>&amp;Systeminformation…</translation>
    </message>
    <message>
        <source>Author</source>
        <extracomment>The About box&apos;s label before the authors&apos; name.</extracomment>
        <translation>Författare</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <extracomment>The About box&apos;s authors&apos; name, in a box of its own beside &quot;Author&quot;.</extracomment>
        <translation>Pebblenix-utvecklarna</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <extracomment>The About box&apos;s distribution notice, one paragraph; it wraps in the box.</extracomment>
        <translation>Pebblenix får fritt kopieras och ges bort, så länge det sprids helt och oförändrat, tillsammans med den här texten, och ingen tar betalt för det.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <extracomment>In the About box, above the developers&apos; postal address (kept in English).</extracomment>
        <translation>Skriv till Pebblenix-utvecklarna på adressen:</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <extracomment>In the About box; keep the number as it is.</extracomment>
        <translation>Telefon: +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <extracomment>In the About box; keep the address as it is.</extracomment>
        <translation>E-post: pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <extracomment>In the About box; keep the address as it is.</extracomment>
        <translation>Webbplats: https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <extracomment>The About box&apos;s title.</extracomment>
        <translation>Om Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <extracomment>A message box when the About box&apos;s System Info button finds no system-information tool to start (on Linux: no desktop&apos;s own tool is installed).</extracomment>
        <translation>Systeminformation är inte tillgänglig just nu</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says for the clock or the count: %1 is its caption (&quot;Time on Hand&quot;), %2 the value shown (&quot;087&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <extracomment>%1 names the settings file and why it cannot be removed.</extracomment>
        <translation>Den sparade kulfärgen kan varken användas eller tas bort, så spelet startar med mörkblå kulor.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <extracomment>Shown when the stored marble colour cannot be used; the game then ends. The English misspelling is kept as written on purpose.</extracomment>
        <translation>Ett okänt fel har inträffat.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <extracomment>Asked with Yes and No before the game window closes: Yes closes it.</extracomment>
        <translation>Tröttnat redan?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <extracomment>Asked with Yes and No by Game &gt; New, and by a colour chosen during a game.</extracomment>
        <translation>Starta ett nytt parti?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <extracomment>%1 names the settings file and why it cannot be written.</extracomment>
        <translation>Kulfärgen kunde inte sparas, så spelet behåller sin nuvarande färg.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <extracomment>The title of the two messages at the end of a game.</extracomment>
        <translation>Grattis</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <extracomment>The last marble stands in the centre. The capitals and the space at the end are kept as written on purpose.</extracomment>
        <translation>Du vann!</translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <extracomment>One marble is left, but not in the centre. The line break, the double space and the spelling are kept as written on purpose.</extracomment>
        <translation>Bra spelat! Försök nu att få den sista kulan<byte value="xd"/>
i mitthålet.</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the game file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Partiet kunde inte sparas.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <extracomment>%1 says why the table of solutions (a file installed with the game) cannot be used.</extracomment>
        <translation>Tips är inte tillgängliga, eftersom lösningstabellen inte kan användas.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <extracomment>Game &gt; Rewind: no jump lost the centre finish, because there never was one.</extracomment>
        <translation>Det här partiet började i en ställning där sista kulan inte kan hamna i mitten, så det finns inget att backa till.</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <extracomment>The first of twelve marble colours in Game &gt; Marble Color. The letter after &amp; is its access key: each colour needs its own, typed without AltGr.</extracomment>
        <translation>&amp;Vit</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blå</translation>
    </message>
    <message>
        <source>&amp;Dark Blue</source>
        <translation>&amp;Mörkblå</translation>
    </message>
    <message>
        <source>&amp;Sky Blue</source>
        <translation>&amp;Himmelsblå</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Grön</translation>
    </message>
    <message>
        <source>&amp;Military Green</source>
        <translation>M&amp;ilitärgrön</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>G&amp;ul</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>&amp;Rosa</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>Rö&amp;d</translation>
    </message>
    <message>
        <source>Purp&amp;le</source>
        <translation>&amp;Lila</translation>
    </message>
    <message>
        <source>Br&amp;own</source>
        <translation>Bru&amp;n</translation>
    </message>
    <message>
        <source>Blac&amp;k</source>
        <translation>&amp;Svart</translation>
    </message>
    <message>
        <source>Pebblenix Files (*.pnx)</source>
        <extracomment>The file type in the Open and Save dialogs; keep &quot;(*.pnx)&quot; as it is.</extracomment>
        <translation>Pebblenix-filer (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <extracomment>The caption above the marble count in the main window: two lines of about ten characters, three at most.</extracomment>
        <translation>Kulor på brädet</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <extracomment>The caption above the countdown clock in the main window: one line of about thirteen characters, two at most.</extracomment>
        <translation>Tid kvar</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>The first menu of the menu bar. The letter after &amp; is the access key (Alt and that letter): the menu bar&apos;s keys and each menu&apos;s keys must differ from one another and be typed without AltGr.</extracomment>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nytt parti</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öppna</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Spara so&amp;m</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tips</translation>
    </message>
    <message>
        <source>&amp;Rewind to Last Winnable Position</source>
        <extracomment>Takes the board back to just before the jump after which the last marble could no longer finish in the centre.</extracomment>
        <translation>&amp;Backa till senaste vinnbara ställning</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <extracomment>Opens a list of the game&apos;s jumps that shows which one lost the centre finish.</extracomment>
        <translation>&amp;Granska partiet…</translation>
    </message>
    <message>
        <source>Winning &amp;Line…</source>
        <translation>&amp;Vinstväg…</translation>
    </message>
    <message>
        <source>R&amp;ecords…</source>
        <translation>&amp;Rekord…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <extracomment>A submenu of Game: the twelve marble colours.</extracomment>
        <translation>&amp;Kulfärg</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zooma &amp;in</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zooma &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Normal storlek</translation>
    </message>
    <message>
        <source>Show &amp;Jumps</source>
        <translation>Visa &amp;hopp</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The last menu of the menu bar; its access key must differ from Game&apos;s and View&apos;s.</extracomment>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>&amp;Om Pebblenix</translation>
    </message>
    <message>
        <source>The View menu&apos;s setting could not be saved, so the next game opens with the one stored before.<byte value="xd"/>
%1.</source>
        <extracomment>After a change in the View menu (the zoom, Show Jumps, Show Coordinates). %1 says which file could not be written and why.</extracomment>
        <translation>Inställningen i Visa-menyn kunde inte sparas, så nästa gång startar spelet med den tidigare sparade inställningen.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Show &amp;Moves</source>
        <extracomment>Shows below the board the moves made and the fewest moves that still finish.</extracomment>
        <translation>Visa &amp;drag</translation>
    </message>
    <message>
        <source>Shows the moves made, a chain of jumps by one marble counting once, and the fewest moves that still finish with the last marble in the centre.</source>
        <extracomment>Shown as the tip of the View menu&apos;s Show Moves item.</extracomment>
        <translation>Visar dragen du har gjort, där en serie hopp med samma kula räknas som ett drag, och det minsta antal drag som fortfarande räcker för att sluta med sista kulan i mitten.</translation>
    </message>
</context>
</TS>
