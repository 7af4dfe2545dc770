<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <extracomment>Why a file could not be written: a folder has the file&apos;s name.</extracomment>
        <translation>ein gleichnamiger Ordner ist bereits vorhanden</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file was not read or written: it is a FIFO, a device or the like.</extracomment>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why a setting (the marble colour, the zoom) could not be saved. %1 is the path of the settings folder.</extracomment>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <extracomment>Why a setting could not be saved. %1 is the path of the settings file, %2 the reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>Why the stored marble colour cannot be removed. %1 is the path of the settings file.</extracomment>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <extracomment>Why the stored marble colour cannot be removed. %1 is the path of the settings file, %2 the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>%1 kann nicht entfernt werden (%2)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <extracomment>Why a game file cannot be opened.</extracomment>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <extracomment>Why a game file cannot be opened. Line 50 of a game file holds the clock&apos;s text.</extracomment>
        <translation>Zeile 50 (die Uhr) enthält Binärdaten</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <extracomment>Why a file cannot be opened: its name holds bytes that are not UTF-8 text, so the name cannot be shown or used exactly as it is.</extracomment>
        <translation>der Dateiname ist kein gültiger UTF-8-Text, daher kann die Datei nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <extracomment>Why a file cannot be read: there is none of that name.</extracomment>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <extracomment>Shown when a file is not a game file. %1 is the file&apos;s path, %2 why it is refused (one of the reasons above, starting in lower case). The line break stays.</extracomment>
        <translation>Die angegebene Datei hat kein gültiges Format.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <extracomment>Why a setting could not be saved. %1 is the path of the settings file, %2 why it cannot be read, such as &quot;Permission denied&quot;.</extracomment>
        <translation>%1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 is a link owned by another user, so nothing is written through it</source>
        <extracomment>Why a file was not written. %1 is the path of a link that another user of the computer made, which could point at any of the player&apos;s files.</extracomment>
        <translation>%1 ist ein Link, der einem anderen Benutzerkonto gehört, daher wird ihm beim Schreiben nicht gefolgt</translation>
    </message>
    <message numerus="yes">
        <source>only %1 of the %n bytes could be written; the disk may be full</source>
        <translation>
            <numerusform>das Schreiben brach nach %1 von %n Byte ab; der Datenträger ist möglicherweise voll</numerusform>
            <numerusform>das Schreiben brach nach %1 von %n Bytes ab; der Datenträger ist möglicherweise voll</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is empty, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49; lines 1 to 49 of a game file hold the 49 cells of the board.</extracomment>
        <translation>Zeile %1 ist leer, eine Feldzeile muss aber „1“ oder „-1“ lauten</translation>
    </message>
    <message>
        <source>line %1 holds binary data, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49.</extracomment>
        <translation>Zeile %1 enthält Binärdaten, eine Feldzeile muss aber „1“ oder „-1“ lauten</translation>
    </message>
    <message>
        <source>line %1 is &quot;%2&quot;, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49, %2 what the line holds (at most 20 characters, then &quot;...&quot;).</extracomment>
        <translation>Zeile %1 lautet „%2“, eine Feldzeile muss aber „1“ oder „-1“ lauten</translation>
    </message>
    <message>
        <source>line 51 is empty, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.</extracomment>
        <translation>Zeile 51 ist leer, die Murmelanzahl muss aber eine Zahl von 0 bis 255 sein</translation>
    </message>
    <message>
        <source>line 51 holds binary data, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.</extracomment>
        <translation>Zeile 51 enthält Binärdaten, die Murmelanzahl muss aber eine Zahl von 0 bis 255 sein</translation>
    </message>
    <message>
        <source>line 51 is &quot;%1&quot;, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles; %1 is what it holds instead (at most 20 characters, then &quot;...&quot;).</extracomment>
        <translation>Zeile 51 lautet „%1“, die Murmelanzahl muss aber eine Zahl von 0 bis 255 sein</translation>
    </message>
    <message numerus="yes">
        <source>a game file has 51 lines, but this file has only %n</source>
        <extracomment>Why a game file cannot be opened. %n is how many lines the file has, from 1 to 50; a game file always has 51.</extracomment>
        <translation>
            <numerusform>eine Spieldatei hat 51 Zeilen, diese Datei hat aber nur %n Zeile</numerusform>
            <numerusform>eine Spieldatei hat 51 Zeilen, diese Datei hat aber nur %n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is longer than 255 characters</source>
        <extracomment>Why a game file cannot be opened. %1 is 50 (the clock&apos;s line) or 51 (the marble count&apos;s line).</extracomment>
        <translation>Zeile %1 ist länger als 255 Zeichen</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <extracomment>Why a file cannot be read: its name is longer than the system allows.</extracomment>
        <translation>der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>%1: %2 is damaged, so the texts are in English.</source>
        <extracomment>One line on standard error when the program&apos;s translation file is damaged or does not match the list of sums the build wrote beside it. %1 is the program&apos;s name, %2 the file&apos;s path.</extracomment>
        <translation>%1: %2 ist beschädigt, daher werden die Texte auf Englisch angezeigt.</translation>
    </message>
    <message>
        <source>it is not a table of solutions</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>die Datei ist keine Lösungstabelle</translation>
    </message>
    <message>
        <source>it was made by another version of Pebblenix</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>die Datei stammt von einer anderen Version von Pebblenix</translation>
    </message>
    <message>
        <source>it has the wrong size</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>die Datei hat die falsche Größe</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>another copy of Pebblenix is writing it</source>
        <extracomment>Why a setting could not be saved; said inside a sentence about the settings file.</extracomment>
        <translation>eine andere Pebblenix-Instanz schreibt gerade in die Datei</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be used (%2), nor set aside (%3)</source>
        <extracomment>Why a file (the records, the settings) could not be written. %1 is the path of its lock file, which another copy of the game also uses, %2 why it cannot be used (such as &quot;it is a link&quot;), %3 why it could not be renamed (the system&apos;s reason, such as &quot;Permission denied&quot;).</extracomment>
        <translation>die zugehörige Sperrdatei %1 kann weder verwendet (%2) noch beiseitegelegt werden (%3)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>Von hier aus kann die letzte Murmel nicht mehr in der Mitte enden.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Die letzte Murmel kann noch in der Mitte enden.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <extracomment>The position the jumps start from (a new game, a game file) could never finish with the last marble in the centre.</extracomment>
        <translation>Dieses Spiel begann in einer Stellung, in der die letzte Murmel nicht in der Mitte enden kann.</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>Die letzte Murmel ist schon in der Mitte.</translation>
    </message>
</context>
<context>
    <name>Moves</name>
    <message numerus="yes">
        <source>Moves: %n</source>
        <extracomment>View &gt; Show Moves, below the board: the moves made, where a move is one marble&apos;s chain of jumps. About 12 characters.</extracomment>
        <translation>
            <numerusform>Züge: %n</numerusform>
            <numerusform>Züge: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>No centre finish left</source>
        <extracomment>View &gt; Show Moves, below the board, right of the moves made: the last marble can no longer finish in the centre. About 24 characters.</extracomment>
        <translation>Kein Ende in der Mitte mehr</translation>
    </message>
    <message numerus="yes">
        <source>Fewest to finish: %n</source>
        <extracomment>View &gt; Show Moves, below the board, right of the moves made: the fewest moves that still end with the last marble in the centre. About 24 characters.</extracomment>
        <translation>
            <numerusform>Noch mindestens: %n</numerusform>
            <numerusform>Noch mindestens: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moves, on %1</source>
        <extracomment>In Records: %n the moves of a centre finish (a move is one marble&apos;s chain of jumps), %1 the date.</extracomment>
        <translation>
            <numerusform>%n Zug, am %1</numerusform>
            <numerusform>%n Züge, am %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Fewest moves:</source>
        <extracomment>In Records: the centre finish in the fewest moves, of a game played from the start (not opened from a file).</extracomment>
        <translation>Wenigste Züge:</translation>
    </message>
    <message>
        <source>Fewest moves with help:</source>
        <extracomment>In Records: the same, with help (a hint, a rewind, Review Game, the winning line or the fewest moves shown by View &gt; Show Moves).</extracomment>
        <translation>Wenigste Züge mit Hilfe:</translation>
    </message>
    <message numerus="yes">
        <source>From here %n moves were enough; after this move %1.</source>
        <translation>
            <numerusform>Von hier aus hätte %n Zug genügt; nach diesem Zug waren es %1.</numerusform>
            <numerusform>Von hier aus hätten %n Züge genügt; nach diesem Zug waren es %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, in the move that made the finish take more moves than needed: from here %n moves were enough; after this move %2.</source>
        <translation>
            <numerusform>%1, im Zug, der den Weg zum Ende in der Mitte unnötig verlängert hat: Von hier aus hätte %n Zug genügt; nach diesem Zug waren es %2.</numerusform>
            <numerusform>%1, im Zug, der den Weg zum Ende in der Mitte unnötig verlängert hat: Von hier aus hätten %n Züge genügt; nach diesem Zug waren es %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %1, %2, made the finish take more moves than needed: from here %n moves were enough; after this move %3.</source>
        <translation>
            <numerusform>Zug %1, %2, hat den Weg zum Ende in der Mitte unnötig verlängert: Von hier aus hätte %n Zug genügt; nach diesem Zug waren es %3.</numerusform>
            <numerusform>Zug %1, %2, hat den Weg zum Ende in der Mitte unnötig verlängert: Von hier aus hätten %n Züge genügt; nach diesem Zug waren es %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Any Line</source>
        <extracomment>Winning Line&apos;s choice: the line of jumps the hints follow, whatever its moves.</extracomment>
        <translation>&amp;Beliebiger Weg</translation>
    </message>
    <message>
        <source>Fewest &amp;Moves</source>
        <extracomment>Winning Line&apos;s choice: a line in the fewest moves, a move being one marble&apos;s chain of jumps.</extracomment>
        <translation>&amp;Wenigste Züge</translation>
    </message>
    <message>
        <source>The choice of winning line could not be saved, so the next Winning Line opens with the one stored before.<byte value="xd"/>
%1.</source>
        <translation>Die Auswahl des Lösungswegs konnte nicht gespeichert werden, daher gilt beim nächsten Öffnen des Lösungswegs die zuvor gespeicherte.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>Winning Line&apos;s column header with Fewest Moves: each row a move, &quot;d2 -&gt; d4 -&gt; d6&quot;.</extracomment>
        <translation>Zug</translation>
    </message>
    <message numerus="yes">
        <source>Moves to the last marble in the centre after the move under way: %n</source>
        <extracomment>Above the list of moves when its first row, without a number, goes on with the marble that has just jumped; the number of moves after it comes last.</extracomment>
        <translation>
            <numerusform>Züge bis zur letzten Murmel in der Mitte nach dem laufenden Zug: %n</numerusform>
            <numerusform>Züge bis zur letzten Murmel in der Mitte nach dem laufenden Zug: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moves to the last marble in the centre: %n</source>
        <translation>
            <numerusform>Züge bis zur letzten Murmel in der Mitte: %n</numerusform>
            <numerusform>Züge bis zur letzten Murmel in der Mitte: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The marble that has just jumped goes on: these jumps belong to the move under way.</source>
        <extracomment>The tip of Winning Line&apos;s first row when it has no number.</extracomment>
        <translation>Die Murmel, die gerade gesprungen ist, springt weiter: Diese Sprünge gehören zum laufenden Zug.</translation>
    </message>
    <message>
        <source>A line of the fewest moves is not available, because their table cannot be used: %1.</source>
        <extracomment>In Winning Line, when the table of fewest moves (a file installed with the game) cannot be used; %1 says why.</extracomment>
        <translation>Ein Lösungsweg mit den wenigsten Zügen ist nicht verfügbar, weil die Tabelle der wenigsten Züge nicht verwendet werden kann: %1.</translation>
    </message>
    <message>
        <source>From here one move was enough; after this move %1.</source>
        <extracomment>The tip of the jumps of the first move after which a centre finish took more moves than before it, when one move was enough from the position before that move: %1 the moves needed once it was made.</extracomment>
        <translation>Von hier aus hätte ein Zug genügt; nach diesem Zug waren es %1.</translation>
    </message>
    <message>
        <source>%1, in the move that made the finish take more moves than needed: from here one move was enough; after this move %2.</source>
        <extracomment>What a screen reader says of a jump of the first move that made the finish take more moves than needed, when one move was enough before it: %1 the jump (&quot;d4 -&gt; b4&quot;), %2 the moves needed after it.</extracomment>
        <translation>%1, im Zug, der den Weg zum Ende in der Mitte unnötig verlängert hat: Von hier aus hätte ein Zug genügt; nach diesem Zug waren es %2.</translation>
    </message>
    <message>
        <source>Move %1, %2, made the finish take more moves than needed: from here one move was enough; after this move %3.</source>
        <extracomment>Review Game&apos;s summary, after what it says of the centre finish, when one move was enough before the move it names: %1 the move&apos;s number in the game, %2 the move (&quot;d2 -&gt; d4 -&gt; d6&quot;), %3 the moves needed once it was made.</extracomment>
        <translation>Zug %1, %2, hat den Weg zum Ende in der Mitte unnötig verlängert: Von hier aus hätte ein Zug genügt; nach diesem Zug waren es %3.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>Cross</source>
        <extracomment>A problem&apos;s name. The problems are shapes of marbles to reduce to one marble in the centre; this one is a Latin cross of six marbles.</extracomment>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <extracomment>A problem&apos;s name: a snowflake-like star of eleven marbles, one in the centre.</extracomment>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <source>Plus</source>
        <extracomment>A problem&apos;s name: a plus sign of nine marbles.</extracomment>
        <translation>Pluszeichen</translation>
    </message>
    <message>
        <source>Kite</source>
        <extracomment>A problem&apos;s name: a kite on a string, ten marbles.</extracomment>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>Sword</source>
        <extracomment>A problem&apos;s name: a sword with its hilt, twelve marbles.</extracomment>
        <translation>Schwert</translation>
    </message>
    <message>
        <source>Trident</source>
        <extracomment>A problem&apos;s name: a three-pronged spear, eight marbles.</extracomment>
        <translation>Dreizack</translation>
    </message>
    <message>
        <source>Gateway</source>
        <extracomment>A problem&apos;s name: a gate in a wall, ten marbles.</extracomment>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Tuning Fork</source>
        <extracomment>A problem&apos;s name: the two-pronged fork musicians tune by, seven marbles.</extracomment>
        <translation>Stimmgabel</translation>
    </message>
    <message>
        <source>Small Diamond</source>
        <extracomment>A problem&apos;s name: a diamond (the shape) of twelve marbles around the empty centre.</extracomment>
        <translation>Kleine Raute</translation>
    </message>
    <message>
        <source>Hat</source>
        <extracomment>A problem&apos;s name: a hat with a brim, eleven marbles.</extracomment>
        <translation>Hut</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>A problem&apos;s name: a table (the furniture) of twelve marbles.</extracomment>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Staircase</source>
        <extracomment>A problem&apos;s name: steps running down diagonally, eleven marbles.</extracomment>
        <translation>Treppe</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <extracomment>A problem&apos;s name: rows of one, three, five and seven marbles.</extracomment>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Bird</source>
        <extracomment>A problem&apos;s name: a bird with its wings raised, fourteen marbles.</extracomment>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>Heart</source>
        <extracomment>A problem&apos;s name: a heart (the shape), eighteen marbles.</extracomment>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A problem&apos;s name: a bell (the shape), eighteen marbles.</extracomment>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Mask</source>
        <extracomment>A problem&apos;s name: a face mask with two eye holes, nineteen marbles.</extracomment>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Lantern</source>
        <extracomment>A problem&apos;s name: a lantern (the lamp), fifteen marbles.</extracomment>
        <translation>Laterne</translation>
    </message>
    <message>
        <source>Goblet</source>
        <extracomment>A problem&apos;s name: a drinking cup on a stem, fifteen marbles.</extracomment>
        <translation>Kelch</translation>
    </message>
    <message>
        <source>Crown</source>
        <extracomment>A problem&apos;s name: a king&apos;s crown, sixteen marbles.</extracomment>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Tree</source>
        <extracomment>A problem&apos;s name: a fir tree on its trunk, sixteen marbles.</extracomment>
        <translation>Tanne</translation>
    </message>
    <message>
        <source>Arrow</source>
        <extracomment>A problem&apos;s name: an arrow pointing up, seventeen marbles.</extracomment>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>A problem&apos;s name: a window with panes, nineteen marbles.</extracomment>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Octagon</source>
        <extracomment>A problem&apos;s name: an eight-sided shape of twenty marbles around the empty centre.</extracomment>
        <translation>Achteck</translation>
    </message>
    <message>
        <source>Tower</source>
        <extracomment>A problem&apos;s name: a castle tower with battlements, twenty marbles.</extracomment>
        <translation>Turm</translation>
    </message>
    <message>
        <source>Diamond</source>
        <extracomment>A problem&apos;s name: a large diamond (the shape) of 24 marbles around the empty centre.</extracomment>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Double Cross</source>
        <extracomment>A problem&apos;s name: an upright with two crossbars, thirteen marbles.</extracomment>
        <translation>Doppelkreuz</translation>
    </message>
    <message>
        <source>Rocket</source>
        <extracomment>A problem&apos;s name: a space rocket, 21 marbles.</extracomment>
        <translation>Rakete</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <extracomment>A problem&apos;s name: a mushroom with its cap and stem, 22 marbles.</extracomment>
        <translation>Pilz</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <extracomment>A problem&apos;s name: a fireplace, its chimney above, eleven marbles.</extracomment>
        <translation>Kamin</translation>
    </message>
    <message>
        <source>Keyhole</source>
        <extracomment>A problem&apos;s name: the top half of the board full but for the empty centre, one marble below it, 20 marbles.</extracomment>
        <translation>Schlüsselloch</translation>
    </message>
    <message>
        <source>Moat</source>
        <extracomment>A problem&apos;s name: one marble in the centre cut off by an empty ring (the moat of a castle) from the four arms of the board, 25 marbles.</extracomment>
        <translation>Burggraben</translation>
    </message>
    <message>
        <source>Full Board, d1 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but d1 (column d, row 1), which is empty. d1 is a hole&apos;s name, never translated.</extracomment>
        <translation>Volles Brett, d1 leer</translation>
    </message>
    <message>
        <source>Full Board, a4 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but a4, which is empty.</extracomment>
        <translation>Volles Brett, a4 leer</translation>
    </message>
    <message>
        <source>Full Board, g4 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but g4, which is empty.</extracomment>
        <translation>Volles Brett, g4 leer</translation>
    </message>
    <message>
        <source>Full Board, d7 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but d7, which is empty.</extracomment>
        <translation>Volles Brett, d7 leer</translation>
    </message>
    <message>
        <source>Ladder</source>
        <extracomment>A problem&apos;s name: a ladder of two rails and rungs down the middle column, 19 marbles.</extracomment>
        <translation>Leiter</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A problem&apos;s grade: jumps made at random would finish with one marble in the centre at least once in 100 tries.</extracomment>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Moderate</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 100 to 1,000 tries.</extracomment>
        <translation>Mittelschwer</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 1,000 to 10,000 tries.</extracomment>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 10,000 to 100,000 tries.</extracomment>
        <translation>Sehr schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 100,000 to a million tries.</extracomment>
        <translation>Expertenstufe</translation>
    </message>
    <message>
        <source>Master</source>
        <extracomment>A problem&apos;s grade, the hardest: random jumps finish in the centre less than once in a million tries.</extracomment>
        <translation>Meisterstufe</translation>
    </message>
    <message>
        <source>With only %1 empty at the start, the last marble can never finish in the centre (the rule of three): it can only end on a hole whose row and column each differ from those of %1 by 0, 3 or 6, and the centre&apos;s do not.</source>
        <extracomment>Why a start with one empty hole has no finish in the centre. %1 is that hole, a column letter and a row number such as &quot;c1&quot; (never translated); the centre is d4. The rule of three is the usual name of this argument in peg solitaire.</extracomment>
        <translation>Ist zu Beginn nur %1 leer, kann die letzte Murmel nie in der Mitte enden (Dreierregel): Sie kann nur in einem Loch enden, dessen Reihe und Spalte sich jeweils um 0, 3 oder 6 von denen des Lochs %1 unterscheiden, und für die Mitte trifft das nicht zu.</translation>
    </message>
    <message>
        <source>line %1 of the list of problems is not a problem</source>
        <extracomment>Why the list of problems cannot be read. %1 is the number of a line of the list&apos;s file, index.txt, that does not name a game file, a chance from 0 to 1, a number of moves and a name.</extracomment>
        <translation>Zeile %1 der Aufgabenliste ist keine Aufgabe</translation>
    </message>
    <message>
        <source>the list of problems is too long</source>
        <extracomment>Why the list of problems cannot be read: its file, index.txt, is larger than any list of problems.</extracomment>
        <translation>die Aufgabenliste ist zu lang</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>it is a link</source>
        <extracomment>Why the records file (or its lock) cannot be used; said inside a sentence about it.</extracomment>
        <translation>die Datei ist ein Link</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>die Datei gehört einem anderen Benutzerkonto</translation>
    </message>
    <message>
        <source>it is far too long</source>
        <translation>die Datei ist viel zu groß</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>Your records in %1 could not be used (%2). The file was set aside as %3, and new records begin.</source>
        <extracomment>%1 the records file, %2 why it could not be used (a phrase such as &quot;it is damaged&quot;), %3 the name it was given.</extracomment>
        <translation>Ihre Rekorde in %1 konnten nicht verwendet werden (%2). Die Datei wurde als %3 beiseitegelegt, und die Rekorde beginnen von vorn.</translation>
    </message>
    <message>
        <source>Your records in %1 cannot be used (%2), nor set aside (%3), so no game is recorded until it is moved.</source>
        <extracomment>%1 the records file, %2 why it cannot be used, %3 why it could not be renamed.</extracomment>
        <translation>Ihre Rekorde in %1 können weder verwendet (%2) noch beiseitegelegt werden (%3). Bis die Datei verschoben wird, werden keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>Your records could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 the records file, %2 why it could not be written.</extracomment>
        <translation>Ihre Rekorde konnten nicht gespeichert werden.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>die zugehörige Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Your records are being written by another copy of Pebblenix; try again in a moment.</source>
        <translation>Ihre Rekorde werden gerade von einer anderen laufenden Pebblenix-Instanz gespeichert; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Another copy of Pebblenix keeps your records in %1 locked. The games that end are kept, and written as soon as it lets go.</source>
        <extracomment>Told once when a game has ended while another running copy of the game has kept the records file locked for some seconds. %1 is the records file.</extracomment>
        <translation>Eine andere Pebblenix-Instanz hält Ihre Rekorde in %1 gesperrt. Beendete Spiele werden vorgemerkt und gespeichert, sobald die Sperre aufgehoben ist.</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Pebblenix kept the file locked until the end; games not recorded: %n</source>
        <extracomment>Why the records could not be written when the game closed: another copy of the game kept the file locked. %n is how many finished games are not recorded.</extracomment>
        <translation>
            <numerusform>eine andere Pebblenix-Instanz hielt die Datei bis zuletzt gesperrt; nicht aufgezeichnete Spiele: %n</numerusform>
            <numerusform>eine andere Pebblenix-Instanz hielt die Datei bis zuletzt gesperrt; nicht aufgezeichnete Spiele: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Your records in %1 were written by a newer version of Pebblenix, which this one cannot read. They are left as they are, and no game is recorded.</source>
        <extracomment>%1 the records file.</extracomment>
        <translation>Ihre Rekorde in %1 stammen von einer neueren Version von Pebblenix und können von dieser Version nicht gelesen werden. Die Datei bleibt unverändert, und es werden keine Spiele aufgezeichnet.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>its folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <extracomment>%1 says why the table behind the hints cannot be used, for example that its file cannot be read or is damaged.</extracomment>
        <translation>pebblenix-solve: die Lösungstabelle kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>One marble left, in the centre.</source>
        <extracomment>The last line after a list of jumps that ends with one marble in the centre hole.</extracomment>
        <translation>Eine Murmel übrig, in der Mitte.</translation>
    </message>
    <message>
        <source>pebblenix-solve: the output could not be written (%1)</source>
        <extracomment>Shown when the tool&apos;s answer could not be written out, for example to a full disk. %1 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>pebblenix-solve: die Ausgabe konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>One move</source>
        <extracomment>The last line after a line of play of one move that ends with one marble in the centre hole.</extracomment>
        <translation>Ein Zug</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <extracomment>The last line after a line of play that ends with one marble in the centre hole: its number of moves, each one marble&apos;s chain of jumps (never 1).</extracomment>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: pebblenix-solve [--fewest-moves] FILE.pnx</source>
        <extracomment>Shown when the tool is started wrongly. FILE.pnx stands for the name of a game file; the command&apos;s name and its option stay as they are.</extracomment>
        <translation>Aufruf: pebblenix-solve [--fewest-moves] DATEI.pnx</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>One marble can still finish in the centre.</source>
        <extracomment>The position editor&apos;s verdict on the board being set up.</extracomment>
        <translation>Die letzte Murmel kann noch in der Mitte enden.</translation>
    </message>
    <message>
        <source>One marble stands in the centre: this board is already solved.</source>
        <extracomment>The position editor&apos;s verdict on a board with one marble, in the centre.</extracomment>
        <translation>Eine einzelne Murmel liegt in der Mitte: Diese Stellung ist bereits gelöst.</translation>
    </message>
    <message>
        <source>There are no marbles on the board.</source>
        <extracomment>The position editor&apos;s verdict on an empty board.</extracomment>
        <translation>Es liegen keine Murmeln auf dem Brett.</translation>
    </message>
    <message>
        <source>The only marble stands on %1, not in the centre, and a lone marble cannot jump.</source>
        <extracomment>The position editor&apos;s verdict on a board with one marble. %1 is its hole, a column letter and a row number such as &quot;d1&quot; (never translated).</extracomment>
        <translation>Die einzige Murmel liegt auf %1, nicht in der Mitte, und eine einzelne Murmel kann nicht springen.</translation>
    </message>
    <message>
        <source>No series of jumps can leave one marble in the centre (the rule of three): colour the holes in three colours along the diagonals, either way; every jump changes the number of marbles on each colour by one, so whether each colour holds an odd or even number flips for all three at once, and from this board it never matches a lone marble in the centre.</source>
        <extracomment>The position editor&apos;s verdict. The rule of three is the usual name of this argument in peg solitaire; the three colours are stripes running along the diagonals of the board.</extracomment>
        <translation>Keine Folge von Sprüngen lässt eine einzelne Murmel in der Mitte übrig (Dreierregel): Färbt man die Löcher entlang der Diagonalen (in einer der beiden Richtungen) reihum in drei Farben, ändert jeder Sprung die Zahl der Murmeln auf jeder Farbe um eins. Ob diese Zahl gerade oder ungerade ist, wechselt also bei allen drei Farben zugleich, und von diesem Brett aus passt das nie zu einer einzelnen Murmel in der Mitte.</translation>
    </message>
    <message>
        <source>The rule of three allows a finish in the centre, but no series of jumps from this board leads to one.</source>
        <extracomment>The position editor&apos;s verdict: the rule of three (see the other verdict) does not forbid a centre finish, but the exact search finds none.</extracomment>
        <translation>Die Dreierregel erlaubt ein Ende in der Mitte, aber keine Folge von Sprüngen führt von diesem Brett aus dorthin.</translation>
    </message>
    <message>
        <source>One marble can still finish in the centre, in one move.</source>
        <extracomment>The position editor&apos;s verdict when one move (one marble&apos;s jumps made one after another) leaves one marble in the centre.</extracomment>
        <translation>Die letzte Murmel kann noch in der Mitte enden, in einem einzigen Zug.</translation>
    </message>
    <message numerus="yes">
        <source>One marble can still finish in the centre, in %n moves at the fewest.</source>
        <extracomment>The position editor&apos;s verdict. A move is one marble&apos;s jumps made one after another; %n is the fewest moves that leave one marble in the centre, always more than one.</extracomment>
        <translation>
            <numerusform>Die letzte Murmel kann noch in der Mitte enden, in mindestens %n Zug.</numerusform>
            <numerusform>Die letzte Murmel kann noch in der Mitte enden, in mindestens %n Zügen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>empty</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;): it holds no marble.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>selected marble</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;): its marble is picked up, ready to jump.</extracomment>
        <translation>ausgewählte Murmel</translation>
    </message>
    <message>
        <source>marble</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;).</extracomment>
        <translation>Murmel</translation>
    </message>
    <message>
        <source>empty, a jump here keeps the centre finish</source>
        <extracomment>What a screen reader says of a hole after its name (&quot;d4, empty, a jump here keeps the centre finish&quot;) when Show Jumps marks it: the picked-up marble can jump here, and the last marble can then still finish in the centre hole.</extracomment>
        <translation>leer, nach einem Sprung hierher bleibt das Ende in der Mitte möglich</translation>
    </message>
    <message>
        <source>empty, a jump here loses the centre finish</source>
        <extracomment>As &quot;empty, a jump here keeps the centre finish&quot;, but after this jump the last marble can no longer finish in the centre hole.</extracomment>
        <translation>leer, ein Sprung hierher verspielt das Ende in der Mitte</translation>
    </message>
    <message>
        <source>empty, the picked-up marble can jump here</source>
        <extracomment>As &quot;empty, a jump here keeps the centre finish&quot;, when the game cannot tell whether the jump keeps a finish in the centre (its table of solutions is missing).</extracomment>
        <translation>leer, die ausgewählte Murmel kann hierher springen</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardWidget</name>
    <message>
        <source>There is no marble on %1 to jump.</source>
        <extracomment>What a screen reader says when Shift and an arrow key are pressed on an empty hole; %1 names the hole (&quot;d4&quot;).</extracomment>
        <translation>Auf %1 liegt keine Murmel, die springen könnte.</translation>
    </message>
    <message>
        <source>The marble on %1 cannot jump that way.</source>
        <extracomment>What a screen reader says when Shift and an arrow key ask for a jump the board does not allow; %1 names the hole (&quot;d4&quot;).</extracomment>
        <translation>Die Murmel auf %1 kann nicht in diese Richtung springen.</translation>
    </message>
    <message numerus="yes">
        <source>The marble on %1 jumped over %2 to %3. %n marbles left.</source>
        <translation>
            <numerusform>Die Murmel auf %1 ist über %2 nach %3 gesprungen. %n Murmel übrig.</numerusform>
            <numerusform>Die Murmel auf %1 ist über %2 nach %3 gesprungen. %n Murmeln übrig.</numerusform>
        </translation>
    </message>
    <message>
        <source>The marble on %1 jumped over %2 to %3. One marble is left.</source>
        <extracomment>What a screen reader says after Shift and an arrow key made a jump: %1 the hole the marble left, %2 the one it jumped over, %3 the one it landed on (&quot;d2&quot;, &quot;d3&quot;, &quot;d4&quot;); %n the marbles now on the board, always more than one.</extracomment>
        <translation>Die Murmel auf %1 ist über %2 nach %3 gesprungen. Eine Murmel übrig.</translation>
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
        <translation>Aufgabe des Tages (%1)</translation>
    </message>
    <message>
        <source>The position could not be saved.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the game file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Die Stellung konnte nicht gespeichert werden.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>&amp;Problems…</source>
        <extracomment>Opens the list of problems: shapes of marbles to reduce to one marble in the centre.</extracomment>
        <translation>&amp;Aufgaben…</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Problem</source>
        <extracomment>Starts the problem of the day, the same for every player that day.</extracomment>
        <translation>Aufgabe &amp;des Tages</translation>
    </message>
    <message>
        <source>Set Up Pos&amp;ition…</source>
        <extracomment>Opens a board on which the player puts and takes marbles, to play from there.</extracomment>
        <translation>Stellun&amp;g aufbauen…</translation>
    </message>
</context>
<context>
    <name>pebblenix::GameSession</name>
    <message>
        <source>The move was not made, because the undo file could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the undo file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Der Sprung wurde nicht ausgeführt, weil die Datei zum Rückgängigmachen nicht geschrieben werden konnte.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the undo file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Das Spiel wurde nicht auf die frühere Stellung zurückgesetzt, weil die Datei zum Rückgängigmachen nicht geschrieben werden konnte.<byte value="xd"/>
%1: %2.</translation>
    </message>
</context>
<context>
    <name>pebblenix::HowToPlayDialog</name>
    <message>
        <source>How to Play</source>
        <extracomment>The title of Help &gt; How to Play.</extracomment>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>The game</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Das Spiel</translation>
    </message>
    <message>
        <source>Pebblenix is peg solitaire on a board of 33 holes in the shape of a cross. A new game has a marble in every hole but the centre one.</source>
        <extracomment>How to Play, on the rules. Each paragraph is translated whole; the menu names in these paragraphs are the menus&apos; own, as translated.</extracomment>
        <translation>Pebblenix ist das Brettspiel Solitär, auch Steckhalma genannt, auf einem kreuzförmigen Brett mit 33 Löchern. Zu Beginn eines neuen Spiels liegt in jedem Loch eine Murmel, nur die Mitte ist frei.</translation>
    </message>
    <message>
        <source>A marble jumps over a marble beside it, in its row or its column, into the empty hole just beyond, and the marble it jumped over is taken off the board. Marbles never jump diagonally.</source>
        <translation>Eine Murmel springt über eine benachbarte Murmel in ihrer Reihe oder Spalte in das leere Loch direkt dahinter, und die übersprungene Murmel wird vom Brett genommen. Diagonal wird nie gesprungen.</translation>
    </message>
    <message>
        <source>The game is over when no jump is left. The fewer marbles are left, the better: one marble left in the centre hole wins the game.</source>
        <translation>Das Spiel ist vorbei, wenn kein Sprung mehr möglich ist. Je weniger Murmeln übrig sind, desto besser: Bleibt zuletzt eine einzige Murmel in der Mitte übrig, ist das Spiel gewonnen.</translation>
    </message>
    <message>
        <source>The clock counts down 120 seconds from your first click on the board. It only tells you how fast you are: when it shows TimeOut!!, you can play on.</source>
        <extracomment>&quot;TimeOut!!&quot; is what the clock shows, the same in every language.</extracomment>
        <translation>Die Uhr zählt ab Ihrem ersten Klick auf das Brett 120 Sekunden herunter. Sie zeigt nur, wie schnell Sie sind: Wenn sie „TimeOut!!“ anzeigt, können Sie weiterspielen.</translation>
    </message>
    <message>
        <source>Moving a marble</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Murmeln bewegen</translation>
    </message>
    <message>
        <source>With the mouse, click a marble to pick it up, then click the empty hole two holes away where it should land. A click anywhere else puts it down again. You can also drag a marble onto the hole it jumps to.</source>
        <translation>Klicken Sie mit der Maus auf eine Murmel, um sie auszuwählen, und dann auf das leere Loch zwei Löcher weiter, in dem sie landen soll. Ein Klick auf eine andere Stelle hebt die Auswahl wieder auf. Sie können eine Murmel auch auf das Loch ziehen, in das sie springt.</translation>
    </message>
    <message>
        <source>With the keyboard, the arrow keys move a dashed box from hole to hole, and Space or Enter acts as a click on the hole in the box. Shift and an arrow key jump the marble in the box two holes that way at once, and the box goes with it: Shift+Down on d2 jumps it over d3 to d4. A screen reader says what each jump did.</source>
        <extracomment>Shift and the arrow keys jump a marble; the arrow keys alone move the box.</extracomment>
        <translation>Mit der Tastatur bewegen die Pfeiltasten einen gestrichelten Rahmen von Loch zu Loch, und die Leertaste oder die Eingabetaste wirkt wie ein Klick auf das Loch im Rahmen. Umschalt und eine Pfeiltaste lassen die Murmel im Rahmen sofort zwei Löcher weit in diese Richtung springen, und der Rahmen geht mit: Umschalt+Pfeil nach unten auf d2 lässt sie über d3 nach d4 springen. Ein Screenreader sagt an, was jeder Sprung bewirkt hat.</translation>
    </message>
    <message>
        <source>The holes are named by their column, a to g from the left, and their row, 1 to 7 from the top, so d4 is the centre; hints and lists name a jump by its two holes, as in d2 -&gt; d4. View ▸ Show Coordinates shows the letters and numbers beside the board.</source>
        <translation>Die Löcher werden nach ihrer Spalte, a bis g von links, und ihrer Reihe, 1 bis 7 von oben, benannt, d4 ist also die Mitte; Tipps und Listen nennen einen Sprung nach seinen beiden Löchern, etwa d2 -&gt; d4. Ansicht ▸ Koordinaten anzeigen zeigt die Buchstaben und Zahlen am Rand des Bretts an.</translation>
    </message>
    <message>
        <source>The marks on the board</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Die Markierungen auf dem Brett</translation>
    </message>
    <message>
        <source>With View ▸ Show Jumps on, the marble you pick up has a ring round it, and each hole it can jump to is marked:</source>
        <translation>Ist Ansicht ▸ Sprünge anzeigen eingeschaltet, hat die ausgewählte Murmel einen Ring, und jedes Loch, in das sie springen kann, ist markiert:</translation>
    </message>
    <message>
        <source>The picked-up marble, ringed.</source>
        <translation>Die ausgewählte Murmel mit ihrem Ring.</translation>
    </message>
    <message>
        <source>A ring with a tick: after this jump the last marble can still finish in the centre.</source>
        <extracomment>What Show Jumps&apos; ring with a tick means.</extracomment>
        <translation>Ein Ring mit Häkchen: Nach diesem Sprung kann die letzte Murmel noch in der Mitte enden.</translation>
    </message>
    <message>
        <source>A cross: this jump loses the finish in the centre.</source>
        <extracomment>What Show Jumps&apos; cross means.</extracomment>
        <translation>Ein Kreuz: Dieser Sprung verspielt das Ende in der Mitte.</translation>
    </message>
    <message>
        <source>A small dot: the marble can jump here, but whether that keeps the finish is not known yet, while the table of solutions loads or when it cannot be read.</source>
        <extracomment>What Show Jumps&apos; small dot means.</extracomment>
        <translation>Ein kleiner Punkt: Die Murmel kann hierher springen; ob das Ende in der Mitte dann möglich bleibt, ist aber noch nicht bekannt, weil die Lösungstabelle noch geladen wird oder nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>A framed hole: one of the two holes of the jump chosen in Review Game or Winning Line.</source>
        <extracomment>The frame round the two holes of a jump chosen in a list.</extracomment>
        <translation>Ein umrahmtes Loch: eines der beiden Löcher des Sprungs, der im Spielverlauf oder im Lösungsweg ausgewählt ist.</translation>
    </message>
    <message>
        <source>Help when you want it</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Hilfe, wenn Sie sie brauchen</translation>
    </message>
    <message>
        <source>Every help the game gives is exact: it knows for every position whether the last marble can still finish in the centre. A game finished after a hint, a rewind, Review Game, Winning Line or Show Jumps&apos; marks counts as played with help.</source>
        <translation>Jede Hilfe ist exakt: Das Spiel weiß für jede Stellung, ob die letzte Murmel noch in der Mitte enden kann. Ein Spiel, das nach einem Tipp, einem Zurückgehen, dem Spielverlauf, dem Lösungsweg oder den Markierungen von „Sprünge anzeigen“ endet, zählt als mit Hilfe gespielt.</translation>
    </message>
    <message>
        <source>Game ▸ Hint (Ctrl+H) picks up a marble whose jump keeps the centre finish and blinks the hole it should jump to, or says that no such finish is left.</source>
        <translation>Spiel ▸ Tipp (Strg+H) wählt eine Murmel aus, nach deren Sprung das Ende in der Mitte möglich bleibt, und lässt das Loch blinken, in das sie springen sollte, oder meldet, dass kein Ende in der Mitte mehr möglich ist.</translation>
    </message>
    <message>
        <source>Game ▸ Review Game lists your jumps and shows the one after which the centre finish was lost, with a jump that would have kept it. Go Back to Before This Jump takes the board back to the chosen row.</source>
        <translation>Spiel ▸ Spielverlauf listet Ihre Sprünge auf und zeigt den Sprung, der das Ende in der Mitte verspielt hat, sowie einen, mit dem es möglich geblieben wäre. „Zurück vor diesen Sprung“ bringt das Brett auf den Stand vor dem ausgewählten Sprung.</translation>
    </message>
    <message>
        <source>Game ▸ Rewind to Last Winnable Position (Ctrl+R) takes the board back to just before the jump that lost the centre finish. Undo (Ctrl+Z) takes back the last jump, or the rewind.</source>
        <translation>Spiel ▸ Zurück zur letzten gewinnbaren Stellung (Strg+R) bringt das Brett auf den Stand kurz vor dem Sprung, der das Ende in der Mitte verspielt hat. Rückgängig (Strg+Z) macht den letzten Sprung rückgängig, ebenso das Zurückgehen.</translation>
    </message>
    <message>
        <source>Game ▸ Winning Line (Ctrl+L) lists the jumps that take the board in front of you to one marble in the centre; Play Next Jump makes the first of them. Its Fewest Moves choice shows a line with the fewest moves, a run of jumps by one marble counting as one move.</source>
        <translation>Spiel ▸ Lösungsweg (Strg+L) listet die Sprünge auf, die vom aktuellen Brett zu einer einzelnen Murmel in der Mitte führen; „Nächsten Sprung ausführen“ führt den ersten davon aus. Mit der Auswahl „Wenigste Züge“ zeigt er einen Weg mit den wenigsten Zügen, wobei mehrere Sprünge derselben Murmel hintereinander als ein Zug zählen.</translation>
    </message>
    <message>
        <source>View ▸ Show Moves shows the moves you have made and the fewest moves that can still finish in the centre.</source>
        <translation>Ansicht ▸ Züge anzeigen zeigt Ihre bisherigen Züge und die wenigsten Züge, mit denen die letzte Murmel noch in der Mitte enden kann.</translation>
    </message>
    <message>
        <source>Game ▸ Tell Me When It Ends says when no jump is left and how many marbles remain, and stops the clock at the end of every game.</source>
        <translation>Spiel ▸ Spielende melden sagt an, wenn kein Sprung mehr möglich ist und wie viele Murmeln übrig sind, und hält am Ende jedes Spiels die Uhr an.</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Game ▸ Records shows the games you have played, those finished in the centre, your best finish and your fastest centre finish. The bests of games played with help are kept apart from the others.</source>
        <translation>Spiel ▸ Rekorde zeigt, wie viele Spiele Sie gespielt und wie viele Sie in der Mitte beendet haben, Ihr bestes Ergebnis und Ihr schnellstes Ende in der Mitte. Die Bestwerte von Spielen mit Hilfe werden getrennt von den anderen geführt.</translation>
    </message>
    <message>
        <source>Problems</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Game ▸ Problems offers positions to bring down to one marble in the centre, from easy to very hard. Game ▸ Set Up Position lets you place the marbles yourself, and Game ▸ Today&apos;s Problem is a new problem every day, the same for every player. The same exact help works on all of them.</source>
        <translation>Spiel ▸ Aufgaben bietet Stellungen, die auf eine einzelne Murmel in der Mitte zu bringen sind, von leicht bis sehr schwer. Mit Spiel ▸ Stellung aufbauen setzen Sie die Murmeln selbst, und Spiel ▸ Aufgabe des Tages bringt jeden Tag eine neue Aufgabe, für alle gleich. Bei allen hilft das Spiel ebenso exakt.</translation>
    </message>
</context>
<context>
    <name>pebblenix::JumpListDialog</name>
    <message>
        <source>No.</source>
        <extracomment>The columns of Review Game and Winning Line: the jump&apos;s number (1, 2, ...),</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>the jump (&quot;d2 -&gt; d4&quot;: column letter and row number of the two holes),</extracomment>
        <translation>Sprung</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <extracomment>and the marbles left on the board after it.</extracomment>
        <translation>Murmeln übrig</translation>
    </message>
</context>
<context>
    <name>pebblenix::ProblemsDialog</name>
    <message>
        <source>Problems</source>
        <extracomment>The title of the list of problems.
----------
The list&apos;s name for a screen reader.</extracomment>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>The columns of the list of problems: the problem&apos;s name, its grade (Easy to Master), the marbles it starts with, the fewest moves that solve it (a move is one marble&apos;s jumps one after another), and whether the player has solved it.</extracomment>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Murmeln</translation>
    </message>
    <message>
        <source>Fewest Moves</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Full Board, %1 Empty</source>
        <extracomment>A row of the list of problems: the full board with one hole empty, from which the last marble can never finish in the centre. %1 is the hole, such as &quot;c1&quot; (never translated).</extracomment>
        <translation>Volles Brett, %1 leer</translation>
    </message>
    <message>
        <source>No centre finish</source>
        <extracomment>Shown in the Grade column of a start that cannot be solved.</extracomment>
        <translation>Kein Ende in der Mitte</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>Starts the chosen problem, as Game &gt; New starts a game.</extracomment>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Next &amp;Unsolved</source>
        <extracomment>Goes to the next problem in the list not yet solved without help.</extracomment>
        <translation>&amp;Nächste ungelöste</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Noch nicht</translation>
    </message>
    <message numerus="yes">
        <source>In %n moves</source>
        <extracomment>In the Solved column: the player solved the problem without help, in %n moves at the fewest (never fewer than 5, so English needs no singular).</extracomment>
        <translation>
            <numerusform>In %n Zug</numerusform>
            <numerusform>In %n Zügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With help, in %n moves</source>
        <extracomment>In the Solved column: solved only with help (a hint, the winning line...).</extracomment>
        <translation>
            <numerusform>Mit Hilfe, in %n Zug</numerusform>
            <numerusform>Mit Hilfe, in %n Zügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Jumps made at random finish in the centre about once in %1 games.</source>
        <extracomment>%1 is a large number, such as &quot;64&quot; or &quot;74,000,000&quot;: how many games of random jumps it takes on average to see one finish in the centre.</extracomment>
        <translation>Zufällige Sprünge enden etwa in einem von %1 Spielen in der Mitte.</translation>
    </message>
    <message numerus="yes">
        <source>You solved it without help in %n moves, on %1.</source>
        <extracomment>%1 the date.</extracomment>
        <translation>
            <numerusform>Sie haben sie am %1 ohne Hilfe in %n Zug gelöst.</numerusform>
            <numerusform>Sie haben sie am %1 ohne Hilfe in %n Zügen gelöst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You solved it with help in %n moves, on %1.</source>
        <extracomment>With help: after a hint, the winning line, Review Game or a rewind. %1 the date.</extracomment>
        <translation>
            <numerusform>Sie haben sie am %1 mit Hilfe in %n Zug gelöst.</numerusform>
            <numerusform>Sie haben sie am %1 mit Hilfe in %n Zügen gelöst.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have solved every problem without help.</source>
        <extracomment>Next Unsolved found no problem left to solve without help.</extracomment>
        <translation>Sie haben alle Aufgaben ohne Hilfe gelöst.</translation>
    </message>
    <message>
        <source>The list of problems cannot be read.</source>
        <extracomment>Above the reason, a file&apos;s path and what is wrong with it.</extracomment>
        <translation>Die Aufgabenliste kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>pebblenix::RecordsDialog</name>
    <message>
        <source>None yet</source>
        <translation>Noch keines</translation>
    </message>
    <message>
        <source>The last marble in the centre, on %1</source>
        <extracomment>%1 the date.</extracomment>
        <translation>Letzte Murmel in der Mitte, am %1</translation>
    </message>
    <message>
        <source>One marble, not in the centre, on %1</source>
        <extracomment>%1 the date.</extracomment>
        <translation>Eine Murmel, nicht in der Mitte, am %1</translation>
    </message>
    <message numerus="yes">
        <source>%n marbles left, on %1</source>
        <extracomment>%n the marbles left on a board with no jump left, %1 the date.</extracomment>
        <translation>
            <numerusform>%n Murmel übrig, am %1</numerusform>
            <numerusform>%n Murmeln übrig, am %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Over time, on %1</source>
        <extracomment>The clock had run out before the centre finish; %1 the date.</extracomment>
        <translation>Zeit überschritten, am %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of 120 seconds, on %1</source>
        <extracomment>%n seconds of the game&apos;s 120-second clock, %1 the date.</extracomment>
        <translation>
            <numerusform>%n von 120 Sekunden, am %1</numerusform>
            <numerusform>%n von 120 Sekunden, am %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Gespielte Spiele:</translation>
    </message>
    <message>
        <source>Finished in the centre:</source>
        <translation>In der Mitte beendet:</translation>
    </message>
    <message>
        <source>Best finish:</source>
        <translation>Bestes Ergebnis:</translation>
    </message>
    <message>
        <source>Best finish with help:</source>
        <extracomment>With help: after a hint, a rewind, Review Game or the winning line.</extracomment>
        <translation>Bestes Ergebnis mit Hilfe:</translation>
    </message>
    <message>
        <source>Fastest centre finish:</source>
        <translation>Schnellstes Ende in der Mitte:</translation>
    </message>
    <message>
        <source>Fastest with help:</source>
        <translation>Schnellstes Ende mit Hilfe:</translation>
    </message>
    <message>
        <source>&amp;Reset Records…</source>
        <translation>Rekorde &amp;zurücksetzen…</translation>
    </message>
    <message>
        <source>Reset all your records? They cannot be brought back.</source>
        <translation>Alle Ihre Rekorde zurücksetzen? Sie können nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Problems solved:</source>
        <extracomment>Problems of Game &gt; Problems finished with one marble in the centre.</extracomment>
        <translation>Gelöste Aufgaben:</translation>
    </message>
    <message>
        <source>Today&apos;s Problem, days in a row:</source>
        <extracomment>Today&apos;s Problem solved on this many days in a row, up to today or yesterday.</extracomment>
        <translation>Aufgabe des Tages, Tage in Folge:</translation>
    </message>
    <message>
        <source>%1, of which %2 without help</source>
        <extracomment>%1 how many problems the player has solved, %2 how many of them without help.</extracomment>
        <translation>%1, davon %2 ohne Hilfe</translation>
    </message>
    <message numerus="yes">
        <source>%n (your longest run: %1)</source>
        <extracomment>%n the days in a row up to today, %1 the most days in a row so far.</extracomment>
        <translation>
            <numerusform>%n (Ihre längste Serie: %1)</numerusform>
            <numerusform>%n (Ihre längste Serie: %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <extracomment>The title of the window that lists the game&apos;s jumps (Game &gt; Review Game).</extracomment>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <extracomment>Review Game&apos;s last column: whether the last marble could still finish in the centre after the jump.</extracomment>
        <translation>Ende in der Mitte</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <extracomment>Review Game&apos;s button: takes the board back to before the selected jump.</extracomment>
        <translation>&amp;Zurück vor diesen Sprung</translation>
    </message>
    <message>
        <source>possible</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column.</extracomment>
        <translation>möglich</translation>
    </message>
    <message>
        <source>not possible</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column.</extracomment>
        <translation>nicht möglich</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column, in bold, beside the jump after which the last marble could no longer finish in the centre.</extracomment>
        <translation>durch diesen Sprung verspielt</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <extracomment>A tooltip on the jump that lost the centre finish; %1 is a jump that would have kept it (&quot;d2 -&gt; d4&quot;).</extracomment>
        <translation>Mit %1 wäre das Ende in der Mitte möglich geblieben.</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <extracomment>Review Game&apos;s summary above the list.</extracomment>
        <translation>Seit dieser Stellung wurde noch kein Sprung ausgeführt.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <extracomment>Review Game&apos;s summary above the list: %1 is the jump&apos;s number in the game, %2 the jump (&quot;d4 -&gt; b4&quot;).</extracomment>
        <translation>Sprung %1, %2, hat das Ende in der Mitte verspielt.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2 would have kept it.</source>
        <extracomment>What a screen reader says of the jump that lost the centre finish (%1, &quot;d4 -&gt; b4&quot;), with one that would have kept it (%2).</extracomment>
        <translation>%1, der Sprung, der das Ende in der Mitte verspielt hat. Mit %2 wäre es möglich geblieben.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish.</source>
        <extracomment>What a screen reader says of the jump that lost the centre finish (%1, &quot;d4 -&gt; b4&quot;).</extracomment>
        <translation>%1, der Sprung, der das Ende in der Mitte verspielt hat.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish. %3 would have kept it.</source>
        <extracomment>Review Game&apos;s summary above the list: %1 is the jump&apos;s number in the game, %2 the jump (&quot;d4 -&gt; b4&quot;), %3 a jump that would have kept the finish.</extracomment>
        <translation>Sprung %1, %2, hat das Ende in der Mitte verspielt. Mit %3 wäre es möglich geblieben.</translation>
    </message>
</context>
<context>
    <name>pebblenix::SetUpDialog</name>
    <message>
        <source>Set Up Position</source>
        <extracomment>The title of the position editor, where the player puts and takes marbles.</extracomment>
        <translation>Stellung aufbauen</translation>
    </message>
    <message>
        <source>Board to set up</source>
        <extracomment>The board of the position editor, for a screen reader: a click, Space or Enter on a hole puts a marble in it or takes it out.</extracomment>
        <translation>Brett zum Aufbauen der Stellung</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>Takes every marble off the board being set up.</extracomment>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Full</source>
        <extracomment>Puts a marble in every hole of the board being set up.</extracomment>
        <translation>&amp;Füllen</translation>
    </message>
    <message>
        <source>&amp;Play From Here</source>
        <extracomment>Starts a game from the board set up, as Game &gt; New starts one.</extracomment>
        <translation>Von hier aus &amp;spielen</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <extracomment>Saves the board set up as a game file.</extracomment>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message numerus="yes">
        <source>Marbles on the board: %n</source>
        <extracomment>Above the verdict of the position editor: how many marbles the board holds.</extracomment>
        <translation>
            <numerusform>Murmeln auf dem Brett: %n</numerusform>
            <numerusform>Murmeln auf dem Brett: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::WindowExtras</name>
    <message>
        <source>Tell Me &amp;When It Ends</source>
        <extracomment>A Game menu option, off until chosen: when no jump is left the game says so, and the clock stops at the end of every game.</extracomment>
        <translation>S&amp;pielende melden</translation>
    </message>
    <message>
        <source>When no jump is left, says so and how many marbles remain; at the end of every game the clock stops.</source>
        <extracomment>The tip of Game &gt; Tell Me When It Ends.</extracomment>
        <translation>Meldet, wenn kein Sprung mehr möglich ist und wie viele Murmeln übrig sind; am Ende jedes Spiels hält die Uhr an.</translation>
    </message>
    <message>
        <source>Marks the holes the picked-up marble can jump to: a ring with a tick where the jump keeps a finish with the last marble in the centre possible, a cross where it loses it, and a small dot while the game cannot tell. The picked-up marble has a ring round it.</source>
        <extracomment>The tip of View &gt; Show Jumps: the marks differ by shape.</extracomment>
        <translation>Markiert die Löcher, in die die ausgewählte Murmel springen kann: ein Ring mit Häkchen, wo das Ende mit der letzten Murmel in der Mitte nach dem Sprung möglich bleibt, ein Kreuz, wo der Sprung es verspielt, und ein kleiner Punkt, solange das Spiel es nicht beurteilen kann. Die ausgewählte Murmel hat einen Ring.</translation>
    </message>
    <message>
        <source>Show &amp;Coordinates</source>
        <extracomment>A View menu option: the columns&apos; letters and the rows&apos; numbers around the board.</extracomment>
        <translation>Koor&amp;dinaten anzeigen</translation>
    </message>
    <message>
        <source>Shows the columns&apos; letters, a to g, and the rows&apos; numbers, 1 to 7, around the board: the names hints and lists give the holes.</source>
        <extracomment>The tip of View &gt; Show Coordinates.</extracomment>
        <translation>Zeigt die Buchstaben der Spalten, a bis g, und die Zahlen der Reihen, 1 bis 7, am Rand des Bretts: die Namen, mit denen Tipps und Listen die Löcher bezeichnen.</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <extracomment>Opens the rules and the ways to play, with what each mark on the board means.</extracomment>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message numerus="yes">
        <source>No jump is left: %n marbles remain.</source>
        <extracomment>Told when Game &gt; Tell Me When It Ends is on and a jump leaves no jump on the board; %n the marbles left, always more than one.</extracomment>
        <translation>
            <numerusform>Kein Sprung mehr möglich: %n Murmel bleibt übrig.</numerusform>
            <numerusform>Kein Sprung mehr möglich: %n Murmeln bleiben übrig.</numerusform>
        </translation>
    </message>
    <message>
        <source>The Game menu&apos;s setting could not be saved, so the next game opens with the one stored before.<byte value="xd"/>
%1.</source>
        <extracomment>After a change of Game &gt; Tell Me When It Ends. %1 says which file could not be written and why.</extracomment>
        <translation>Die Einstellung im Menü „Spiel“ konnte nicht gespeichert werden, daher startet das nächste Spiel mit der zuvor gespeicherten.<byte value="xd"/>
%1.</translation>
    </message>
</context>
<context>
    <name>pebblenix::WinningLineDialog</name>
    <message>
        <source>Winning Line</source>
        <translation>Lösungsweg</translation>
    </message>
    <message>
        <source>&amp;Play Next Jump</source>
        <translation>&amp;Nächsten Sprung ausführen</translation>
    </message>
    <message>
        <source>Rewind to Last Winnable Position (Ctrl+R) goes back to before the jump that lost it.</source>
        <translation>„Zurück zur letzten gewinnbaren Stellung“ (Strg+R) führt zurück vor den Sprung, der das Ende in der Mitte verspielt hat.</translation>
    </message>
    <message numerus="yes">
        <source>Jumps to the last marble in the centre: %n</source>
        <extracomment>Above the list of jumps; the number of jumps comes last.</extracomment>
        <translation>
            <numerusform>Sprünge bis zur letzten Murmel in der Mitte: %n</numerusform>
            <numerusform>Sprünge bis zur letzten Murmel in der Mitte: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <extracomment>A placeholder title the About box has while it is built; &quot;About Pebblenix&quot; replaces it before the box is shown.</extracomment>
        <translation>Über MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s button that closes it.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>The About box&apos;s button that starts the system&apos;s information tool.</extracomment>
        <translation>&amp;Systeminfo…</translation>
    </message>
    <message>
        <source>Author</source>
        <extracomment>The About box&apos;s label before the authors&apos; name.</extracomment>
        <translation>Autor</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <extracomment>The About box&apos;s authors&apos; name, in a box of its own beside &quot;Author&quot;.</extracomment>
        <translation>Die Pebblenix-Entwickler</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <extracomment>The About box&apos;s distribution notice, one paragraph; it wraps in the box.</extracomment>
        <translation>Pebblenix darf frei kopiert und verschenkt werden, solange es vollständig und unverändert mit diesem Hinweis weitergegeben wird und niemand dafür bezahlen muss.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <extracomment>In the About box, above the developers&apos; postal address (kept in English).</extracomment>
        <translation>Schreiben Sie an die Pebblenix-Entwickler:</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <extracomment>In the About box; keep the number as it is.</extracomment>
        <translation>Telefon: +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <extracomment>In the About box; keep the address as it is.</extracomment>
        <translation>E-Mail: pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <extracomment>In the About box; keep the address as it is.</extracomment>
        <translation>Website: https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <extracomment>The About box&apos;s title.</extracomment>
        <translation>Über Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <extracomment>A message box when the About box&apos;s System Info button finds no system-information tool to start (on Linux: no desktop&apos;s own tool is installed).</extracomment>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <extracomment>%1 names the settings file and why it cannot be removed.</extracomment>
        <translation>Die gespeicherte Murmelfarbe kann weder verwendet noch entfernt werden, daher beginnt das Spiel in Dunkelblau.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <extracomment>Shown when the stored marble colour cannot be used; the game then ends. The English misspelling is kept as written on purpose.</extracomment>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <extracomment>Asked with Yes and No before the game window closes: Yes closes it.</extracomment>
        <translation>Schon gelangweilt?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <extracomment>Asked with Yes and No by Game &gt; New, and by a colour chosen during a game.</extracomment>
        <translation>Ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <extracomment>%1 names the settings file and why it cannot be written.</extracomment>
        <translation>Die Murmelfarbe konnte nicht gespeichert werden, daher geht das Spiel in der bisherigen Farbe weiter.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <extracomment>The title of the two messages at the end of a game.</extracomment>
        <translation>Herzlichen Glückwunsch</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <extracomment>The last marble stands in the centre. The capitals and the space at the end are kept as written on purpose.</extracomment>
        <translation>Sie haben das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <extracomment>One marble is left, but not in the centre. The line break, the double space and the spelling are kept as written on purpose.</extracomment>
        <translation>Gut gespielt! Versuchen Sie, die letzte Murmel<byte value="xd"/>
in die Mitte zu bringen.</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the game file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Das Spiel konnte nicht gespeichert werden.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <extracomment>%1 says why the table of solutions (a file installed with the game) cannot be used.</extracomment>
        <translation>Tipps sind nicht verfügbar, weil die Lösungstabelle nicht verwendet werden kann.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <extracomment>Game &gt; Rewind: no jump lost the centre finish, because there never was one.</extracomment>
        <translation>Dieses Spiel begann in einer Stellung, in der die letzte Murmel nicht in der Mitte enden kann; es gibt also keine gewinnbare Stellung, zu der Sie zurückkehren könnten.</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <extracomment>The first of twelve marble colours in Game &gt; Marble Color. The letter after &amp; is its access key: each colour needs its own, typed without AltGr.</extracomment>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <source>&amp;Dark Blue</source>
        <translation>&amp;Dunkelblau</translation>
    </message>
    <message>
        <source>&amp;Sky Blue</source>
        <translation>&amp;Himmelblau</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Grün</translation>
    </message>
    <message>
        <source>&amp;Military Green</source>
        <translation>&amp;Olivgrün</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>G&amp;elb</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>&amp;Rosa</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>Ro&amp;t</translation>
    </message>
    <message>
        <source>Purp&amp;le</source>
        <translation>&amp;Lila</translation>
    </message>
    <message>
        <source>Br&amp;own</source>
        <translation>Bra&amp;un</translation>
    </message>
    <message>
        <source>Blac&amp;k</source>
        <translation>&amp;Schwarz</translation>
    </message>
    <message>
        <source>Pebblenix Files (*.pnx)</source>
        <extracomment>The file type in the Open and Save dialogs; keep &quot;(*.pnx)&quot; as it is.</extracomment>
        <translation>Pebblenix-Dateien (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <extracomment>The caption above the marble count in the main window: two lines of about ten characters, three at most.</extracomment>
        <translation>Murmeln auf dem Brett</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <extracomment>The caption above the countdown clock in the main window: one line of about thirteen characters, two at most.</extracomment>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>The first menu of the menu bar. The letter after &amp; is the access key (Alt and that letter): the menu bar&apos;s keys and each menu&apos;s keys must differ from one another and be typed without AltGr.</extracomment>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Rewind to Last Winnable Position</source>
        <extracomment>Takes the board back to just before the jump after which the last marble could no longer finish in the centre.</extracomment>
        <translation>&amp;Zurück zur letzten gewinnbaren Stellung</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <extracomment>Opens a list of the game&apos;s jumps that shows which one lost the centre finish.</extracomment>
        <translation>Spiel&amp;verlauf…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <extracomment>A submenu of Game: the twelve marble colours.</extracomment>
        <translation>&amp;Murmelfarbe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The last menu of the menu bar; its access key must differ from Game&apos;s and View&apos;s.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>Ü&amp;ber Pebblenix</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says for the clock or the count: %1 is its caption (&quot;Time on Hand&quot;), %2 the value shown (&quot;087&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Winning &amp;Line…</source>
        <translation>&amp;Lösungsweg…</translation>
    </message>
    <message>
        <source>R&amp;ecords…</source>
        <translation>R&amp;ekorde…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Show &amp;Jumps</source>
        <translation>Sprünge &amp;anzeigen</translation>
    </message>
    <message>
        <source>The View menu&apos;s setting could not be saved, so the next game opens with the one stored before.<byte value="xd"/>
%1.</source>
        <extracomment>After a change in the View menu (the zoom, Show Jumps, Show Coordinates). %1 says which file could not be written and why.</extracomment>
        <translation>Die Einstellung im Menü „Ansicht“ konnte nicht gespeichert werden, daher startet das nächste Spiel mit der zuvor gespeicherten.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Show &amp;Moves</source>
        <extracomment>Shows below the board the moves made and the fewest moves that still finish.</extracomment>
        <translation>&amp;Züge anzeigen</translation>
    </message>
    <message>
        <source>Shows the moves made, a chain of jumps by one marble counting once, and the fewest moves that still finish with the last marble in the centre.</source>
        <extracomment>Shown as the tip of the View menu&apos;s Show Moves item.</extracomment>
        <translation>Zeigt die bisherigen Züge, wobei mehrere Sprünge derselben Murmel hintereinander als ein Zug zählen, und die wenigsten Züge, mit denen die letzte Murmel noch in der Mitte enden kann.</translation>
    </message>
</context>
</TS>
