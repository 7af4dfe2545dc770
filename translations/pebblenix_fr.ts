<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <extracomment>Why a file could not be written: a folder has the file&apos;s name.</extracomment>
        <translation>un dossier porte déjà ce nom</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file was not read or written: it is a FIFO, a device or the like.</extracomment>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why a setting (the marble colour, the zoom) could not be saved. %1 is the path of the settings folder.</extracomment>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <extracomment>Why a setting could not be saved. %1 is the path of the settings file, %2 the reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>%1 ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>Why the stored marble colour cannot be removed. %1 is the path of the settings file.</extracomment>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <extracomment>Why the stored marble colour cannot be removed. %1 is the path of the settings file, %2 the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>%1 ne peut pas être supprimé (%2)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <extracomment>Why a game file cannot be opened.</extracomment>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <extracomment>Why a game file cannot be opened. Line 50 of a game file holds the clock&apos;s text.</extracomment>
        <translation>la ligne 50, celle de l’horloge, contient des données binaires</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <extracomment>Why a file cannot be opened: its name holds bytes that are not UTF-8 text, so the name cannot be shown or used exactly as it is.</extracomment>
        <translation>son nom n’est pas un texte UTF-8 valide, il ne peut donc pas être ouvert</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <extracomment>Why a file cannot be read: there is none of that name.</extracomment>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <extracomment>Shown when a file is not a game file. %1 is the file&apos;s path, %2 why it is refused (one of the reasons above, starting in lower case). The line break stays.</extracomment>
        <translation>Le format de ce fichier n’est pas valide<byte value="xd"/>
%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <extracomment>Why a setting could not be saved. %1 is the path of the settings file, %2 why it cannot be read, such as &quot;Permission denied&quot;.</extracomment>
        <translation>%1 ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>%1 is a link owned by another user, so nothing is written through it</source>
        <extracomment>Why a file was not written. %1 is the path of a link that another user of the computer made, which could point at any of the player&apos;s files.</extracomment>
        <translation>%1 est un lien symbolique appartenant à un autre utilisateur, rien n’est donc écrit à travers lui</translation>
    </message>
    <message numerus="yes">
        <source>only %1 of the %n bytes could be written; the disk may be full</source>
        <translation>
            <numerusform>écriture incomplète (%1 sur %n octet)&#x202f;; le disque est peut-être plein</numerusform>
            <numerusform>écriture incomplète (%1 sur %n octets)&#x202f;; le disque est peut-être plein</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is empty, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49; lines 1 to 49 of a game file hold the 49 cells of the board.</extracomment>
        <translation>la ligne %1 est vide, mais une ligne de case doit contenir «&#xa0;1&#xa0;» ou «&#xa0;-1&#xa0;»</translation>
    </message>
    <message>
        <source>line %1 holds binary data, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49.</extracomment>
        <translation>la ligne %1 contient des données binaires, mais une ligne de case doit contenir «&#xa0;1&#xa0;» ou «&#xa0;-1&#xa0;»</translation>
    </message>
    <message>
        <source>line %1 is &quot;%2&quot;, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49, %2 what the line holds (at most 20 characters, then &quot;...&quot;).</extracomment>
        <translation>la ligne %1 contient «&#xa0;%2&#xa0;», mais une ligne de case doit contenir «&#xa0;1&#xa0;» ou «&#xa0;-1&#xa0;»</translation>
    </message>
    <message>
        <source>line 51 is empty, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.</extracomment>
        <translation>la ligne 51 est vide, mais le nombre de billes doit être un entier compris entre 0 et 255</translation>
    </message>
    <message>
        <source>line 51 holds binary data, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.</extracomment>
        <translation>la ligne 51 contient des données binaires, mais le nombre de billes doit être un entier compris entre 0 et 255</translation>
    </message>
    <message>
        <source>line 51 is &quot;%1&quot;, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles; %1 is what it holds instead (at most 20 characters, then &quot;...&quot;).</extracomment>
        <translation>la ligne 51 contient «&#xa0;%1&#xa0;», mais le nombre de billes doit être un entier compris entre 0 et 255</translation>
    </message>
    <message numerus="yes">
        <source>a game file has 51 lines, but this file has only %n</source>
        <extracomment>Why a game file cannot be opened. %n is how many lines the file has, from 1 to 50; a game file always has 51.</extracomment>
        <translation>
            <numerusform>un fichier de partie compte 51 lignes, mais celui-ci n’en a que %n</numerusform>
            <numerusform>un fichier de partie compte 51 lignes, mais celui-ci n’en a que %n</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is longer than 255 characters</source>
        <extracomment>Why a game file cannot be opened. %1 is 50 (the clock&apos;s line) or 51 (the marble count&apos;s line).</extracomment>
        <translation>la ligne %1 dépasse 255 caractères</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <extracomment>Why a file cannot be read: its name is longer than the system allows.</extracomment>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>%1: %2 is damaged, so the texts are in English.</source>
        <extracomment>One line on standard error when the program&apos;s translation file is damaged or does not match the list of sums the build wrote beside it. %1 is the program&apos;s name, %2 the file&apos;s path.</extracomment>
        <translation>%1&#xa0;: %2 est endommagé, les textes sont donc en anglais.</translation>
    </message>
    <message>
        <source>it is not a table of solutions</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>ce n’est pas une table de solutions</translation>
    </message>
    <message>
        <source>it was made by another version of Pebblenix</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>il a été créé par une autre version de Pebblenix</translation>
    </message>
    <message>
        <source>it has the wrong size</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>sa taille est incorrecte</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>another copy of Pebblenix is writing it</source>
        <extracomment>Why a setting could not be saved; said inside a sentence about the settings file.</extracomment>
        <translation>une autre instance de Pebblenix est en train de l’écrire</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be used (%2), nor set aside (%3)</source>
        <extracomment>Why a file (the records, the settings) could not be written. %1 is the path of its lock file, which another copy of the game also uses, %2 why it cannot be used (such as &quot;it is a link&quot;), %3 why it could not be renamed (the system&apos;s reason, such as &quot;Permission denied&quot;).</extracomment>
        <translation>son fichier de verrouillage %1 ne peut être ni utilisé (%2) ni mis de côté (%3)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>D’ici, la dernière bille ne peut plus finir au centre.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>La dernière bille peut encore finir au centre.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <extracomment>The position the jumps start from (a new game, a game file) could never finish with the last marble in the centre.</extracomment>
        <translation>Cette partie a débuté sur une position où la dernière bille ne peut pas finir au centre.</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>La dernière bille est déjà au centre.</translation>
    </message>
</context>
<context>
    <name>Moves</name>
    <message numerus="yes">
        <source>Moves: %n</source>
        <extracomment>View &gt; Show Moves, below the board: the moves made, where a move is one marble&apos;s chain of jumps. About 12 characters.</extracomment>
        <translation>
            <numerusform>Coups&#xa0;: %n</numerusform>
            <numerusform>Coups&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>No centre finish left</source>
        <extracomment>View &gt; Show Moves, below the board, right of the moves made: the last marble can no longer finish in the centre. About 24 characters.</extracomment>
        <translation>Fin au centre impossible</translation>
    </message>
    <message numerus="yes">
        <source>Fewest to finish: %n</source>
        <extracomment>View &gt; Show Moves, below the board, right of the moves made: the fewest moves that still end with the last marble in the centre. About 24 characters.</extracomment>
        <translation>
            <numerusform>Minimum pour finir&#xa0;: %n</numerusform>
            <numerusform>Minimum pour finir&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moves, on %1</source>
        <extracomment>In Records: %n the moves of a centre finish (a move is one marble&apos;s chain of jumps), %1 the date.</extracomment>
        <translation>
            <numerusform>%n coup, le %1</numerusform>
            <numerusform>%n coups, le %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Fewest moves:</source>
        <extracomment>In Records: the centre finish in the fewest moves, of a game played from the start (not opened from a file).</extracomment>
        <translation>Minimum de coups&#xa0;:</translation>
    </message>
    <message>
        <source>Fewest moves with help:</source>
        <extracomment>In Records: the same, with help (a hint, a rewind, Review Game, the winning line or the fewest moves shown by View &gt; Show Moves).</extracomment>
        <translation>Minimum de coups avec aide&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>From here %n moves were enough; after this move %1.</source>
        <translation>
            <numerusform>D’ici, %n coup suffisait&#x202f;; après ce coup, il en fallait %1.</numerusform>
            <numerusform>D’ici, %n coups suffisaient&#x202f;; après ce coup, il en fallait %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, in the move that made the finish take more moves than needed: from here %n moves were enough; after this move %2.</source>
        <translation>
            <numerusform>%1, dans le coup qui a rendu la fin au centre plus longue que nécessaire&#xa0;: d’ici, %n coup suffisait&#x202f;; après ce coup, il en fallait %2.</numerusform>
            <numerusform>%1, dans le coup qui a rendu la fin au centre plus longue que nécessaire&#xa0;: d’ici, %n coups suffisaient&#x202f;; après ce coup, il en fallait %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %1, %2, made the finish take more moves than needed: from here %n moves were enough; after this move %3.</source>
        <translation>
            <numerusform>Le coup %1, %2, a rendu la fin au centre plus longue que nécessaire&#xa0;: d’ici, %n coup suffisait&#x202f;; après ce coup, il en fallait %3.</numerusform>
            <numerusform>Le coup %1, %2, a rendu la fin au centre plus longue que nécessaire&#xa0;: d’ici, %n coups suffisaient&#x202f;; après ce coup, il en fallait %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Any Line</source>
        <extracomment>Winning Line&apos;s choice: the line of jumps the hints follow, whatever its moves.</extracomment>
        <translation>&amp;Suite quelconque</translation>
    </message>
    <message>
        <source>Fewest &amp;Moves</source>
        <extracomment>Winning Line&apos;s choice: a line in the fewest moves, a move being one marble&apos;s chain of jumps.</extracomment>
        <translation>&amp;Minimum de coups</translation>
    </message>
    <message>
        <source>The choice of winning line could not be saved, so the next Winning Line opens with the one stored before.<byte value="xd"/>
%1.</source>
        <translation>Le choix de suite gagnante n’a pas pu être enregistré&#x202f;; la prochaine fenêtre Suite gagnante s’ouvrira avec le choix précédent.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>Winning Line&apos;s column header with Fewest Moves: each row a move, &quot;d2 -&gt; d4 -&gt; d6&quot;.</extracomment>
        <translation>Coup</translation>
    </message>
    <message numerus="yes">
        <source>Moves to the last marble in the centre after the move under way: %n</source>
        <extracomment>Above the list of moves when its first row, without a number, goes on with the marble that has just jumped; the number of moves after it comes last.</extracomment>
        <translation>
            <numerusform>Coup restant jusqu’à la fin au centre après le coup en cours&#xa0;: %n</numerusform>
            <numerusform>Coups restants jusqu’à la fin au centre après le coup en cours&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moves to the last marble in the centre: %n</source>
        <translation>
            <numerusform>Coup restant jusqu’à la fin au centre&#xa0;: %n</numerusform>
            <numerusform>Coups restants jusqu’à la fin au centre&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The marble that has just jumped goes on: these jumps belong to the move under way.</source>
        <extracomment>The tip of Winning Line&apos;s first row when it has no number.</extracomment>
        <translation>La bille qui vient de sauter continue&#xa0;: ces sauts font partie du coup en cours.</translation>
    </message>
    <message>
        <source>A line of the fewest moves is not available, because their table cannot be used: %1.</source>
        <extracomment>In Winning Line, when the table of fewest moves (a file installed with the game) cannot be used; %1 says why.</extracomment>
        <translation>Aucune suite en un minimum de coups n’est disponible, car la table du minimum de coups est inutilisable&#xa0;: %1.</translation>
    </message>
    <message>
        <source>From here one move was enough; after this move %1.</source>
        <extracomment>The tip of the jumps of the first move after which a centre finish took more moves than before it, when one move was enough from the position before that move: %1 the moves needed once it was made.</extracomment>
        <translation>D’ici, un seul coup suffisait&#x202f;; après ce coup, il en fallait %1.</translation>
    </message>
    <message>
        <source>%1, in the move that made the finish take more moves than needed: from here one move was enough; after this move %2.</source>
        <extracomment>What a screen reader says of a jump of the first move that made the finish take more moves than needed, when one move was enough before it: %1 the jump (&quot;d4 -&gt; b4&quot;), %2 the moves needed after it.</extracomment>
        <translation>%1, dans le coup qui a rendu la fin au centre plus longue que nécessaire&#xa0;: d’ici, un seul coup suffisait&#x202f;; après ce coup, il en fallait %2.</translation>
    </message>
    <message>
        <source>Move %1, %2, made the finish take more moves than needed: from here one move was enough; after this move %3.</source>
        <extracomment>Review Game&apos;s summary, after what it says of the centre finish, when one move was enough before the move it names: %1 the move&apos;s number in the game, %2 the move (&quot;d2 -&gt; d4 -&gt; d6&quot;), %3 the moves needed once it was made.</extracomment>
        <translation>Le coup %1, %2, a rendu la fin au centre plus longue que nécessaire&#xa0;: d’ici, un seul coup suffisait&#x202f;; après ce coup, il en fallait %3.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>Cross</source>
        <extracomment>A problem&apos;s name. The problems are shapes of marbles to reduce to one marble in the centre; this one is a Latin cross of six marbles.</extracomment>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <extracomment>A problem&apos;s name: a snowflake-like star of eleven marbles, one in the centre.</extracomment>
        <translation>Flocon</translation>
    </message>
    <message>
        <source>Plus</source>
        <extracomment>A problem&apos;s name: a plus sign of nine marbles.</extracomment>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Kite</source>
        <extracomment>A problem&apos;s name: a kite on a string, ten marbles.</extracomment>
        <translation>Cerf-volant</translation>
    </message>
    <message>
        <source>Sword</source>
        <extracomment>A problem&apos;s name: a sword with its hilt, twelve marbles.</extracomment>
        <translation>Épée</translation>
    </message>
    <message>
        <source>Trident</source>
        <extracomment>A problem&apos;s name: a three-pronged spear, eight marbles.</extracomment>
        <translation>Trident</translation>
    </message>
    <message>
        <source>Gateway</source>
        <extracomment>A problem&apos;s name: a gate in a wall, ten marbles.</extracomment>
        <translation>Portail</translation>
    </message>
    <message>
        <source>Tuning Fork</source>
        <extracomment>A problem&apos;s name: the two-pronged fork musicians tune by, seven marbles.</extracomment>
        <translation>Diapason</translation>
    </message>
    <message>
        <source>Small Diamond</source>
        <extracomment>A problem&apos;s name: a diamond (the shape) of twelve marbles around the empty centre.</extracomment>
        <translation>Petit losange</translation>
    </message>
    <message>
        <source>Hat</source>
        <extracomment>A problem&apos;s name: a hat with a brim, eleven marbles.</extracomment>
        <translation>Chapeau</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>A problem&apos;s name: a table (the furniture) of twelve marbles.</extracomment>
        <translation>Table</translation>
    </message>
    <message>
        <source>Staircase</source>
        <extracomment>A problem&apos;s name: steps running down diagonally, eleven marbles.</extracomment>
        <translation>Escalier</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <extracomment>A problem&apos;s name: rows of one, three, five and seven marbles.</extracomment>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Bird</source>
        <extracomment>A problem&apos;s name: a bird with its wings raised, fourteen marbles.</extracomment>
        <translation>Oiseau</translation>
    </message>
    <message>
        <source>Heart</source>
        <extracomment>A problem&apos;s name: a heart (the shape), eighteen marbles.</extracomment>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A problem&apos;s name: a bell (the shape), eighteen marbles.</extracomment>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Mask</source>
        <extracomment>A problem&apos;s name: a face mask with two eye holes, nineteen marbles.</extracomment>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Lantern</source>
        <extracomment>A problem&apos;s name: a lantern (the lamp), fifteen marbles.</extracomment>
        <translation>Lanterne</translation>
    </message>
    <message>
        <source>Goblet</source>
        <extracomment>A problem&apos;s name: a drinking cup on a stem, fifteen marbles.</extracomment>
        <translation>Coupe</translation>
    </message>
    <message>
        <source>Crown</source>
        <extracomment>A problem&apos;s name: a king&apos;s crown, sixteen marbles.</extracomment>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Tree</source>
        <extracomment>A problem&apos;s name: a fir tree on its trunk, sixteen marbles.</extracomment>
        <translation>Sapin</translation>
    </message>
    <message>
        <source>Arrow</source>
        <extracomment>A problem&apos;s name: an arrow pointing up, seventeen marbles.</extracomment>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>A problem&apos;s name: a window with panes, nineteen marbles.</extracomment>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Octagon</source>
        <extracomment>A problem&apos;s name: an eight-sided shape of twenty marbles around the empty centre.</extracomment>
        <translation>Octogone</translation>
    </message>
    <message>
        <source>Tower</source>
        <extracomment>A problem&apos;s name: a castle tower with battlements, twenty marbles.</extracomment>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Diamond</source>
        <extracomment>A problem&apos;s name: a large diamond (the shape) of 24 marbles around the empty centre.</extracomment>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Double Cross</source>
        <extracomment>A problem&apos;s name: an upright with two crossbars, thirteen marbles.</extracomment>
        <translation>Double croix</translation>
    </message>
    <message>
        <source>Rocket</source>
        <extracomment>A problem&apos;s name: a space rocket, 21 marbles.</extracomment>
        <translation>Fusée</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <extracomment>A problem&apos;s name: a mushroom with its cap and stem, 22 marbles.</extracomment>
        <translation>Champignon</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <extracomment>A problem&apos;s name: a fireplace, its chimney above, eleven marbles.</extracomment>
        <translation>Cheminée</translation>
    </message>
    <message>
        <source>Keyhole</source>
        <extracomment>A problem&apos;s name: the top half of the board full but for the empty centre, one marble below it, 20 marbles.</extracomment>
        <translation>Trou de serrure</translation>
    </message>
    <message>
        <source>Moat</source>
        <extracomment>A problem&apos;s name: one marble in the centre cut off by an empty ring (the moat of a castle) from the four arms of the board, 25 marbles.</extracomment>
        <translation>Douves</translation>
    </message>
    <message>
        <source>Full Board, d1 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but d1 (column d, row 1), which is empty. d1 is a hole&apos;s name, never translated.</extracomment>
        <translation>Plateau plein, d1 vide</translation>
    </message>
    <message>
        <source>Full Board, a4 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but a4, which is empty.</extracomment>
        <translation>Plateau plein, a4 vide</translation>
    </message>
    <message>
        <source>Full Board, g4 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but g4, which is empty.</extracomment>
        <translation>Plateau plein, g4 vide</translation>
    </message>
    <message>
        <source>Full Board, d7 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but d7, which is empty.</extracomment>
        <translation>Plateau plein, d7 vide</translation>
    </message>
    <message>
        <source>Ladder</source>
        <extracomment>A problem&apos;s name: a ladder of two rails and rungs down the middle column, 19 marbles.</extracomment>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A problem&apos;s grade: jumps made at random would finish with one marble in the centre at least once in 100 tries.</extracomment>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Moderate</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 100 to 1,000 tries.</extracomment>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 1,000 to 10,000 tries.</extracomment>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 10,000 to 100,000 tries.</extracomment>
        <translation>Très difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 100,000 to a million tries.</extracomment>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <extracomment>A problem&apos;s grade, the hardest: random jumps finish in the centre less than once in a million tries.</extracomment>
        <translation>Maître</translation>
    </message>
    <message>
        <source>With only %1 empty at the start, the last marble can never finish in the centre (the rule of three): it can only end on a hole whose row and column each differ from those of %1 by 0, 3 or 6, and the centre&apos;s do not.</source>
        <extracomment>Why a start with one empty hole has no finish in the centre. %1 is that hole, a column letter and a row number such as &quot;c1&quot; (never translated); the centre is d4. The rule of three is the usual name of this argument in peg solitaire.</extracomment>
        <translation>Si seul le trou %1 est vide au départ, la dernière bille ne peut jamais finir au centre (règle des trois couleurs)&#xa0;: elle ne peut finir que sur un trou dont la rangée et la colonne diffèrent chacune de celles de %1 de 0, 3 ou 6, ce qui n’est pas le cas du centre.</translation>
    </message>
    <message>
        <source>line %1 of the list of problems is not a problem</source>
        <extracomment>Why the list of problems cannot be read. %1 is the number of a line of the list&apos;s file, index.txt, that does not name a game file, a chance from 0 to 1, a number of moves and a name.</extracomment>
        <translation>la ligne %1 de la liste des problèmes ne décrit pas un problème</translation>
    </message>
    <message>
        <source>the list of problems is too long</source>
        <extracomment>Why the list of problems cannot be read: its file, index.txt, is larger than any list of problems.</extracomment>
        <translation>la liste des problèmes est trop longue</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>it is a link</source>
        <extracomment>Why the records file (or its lock) cannot be used; said inside a sentence about it.</extracomment>
        <translation>c’est un lien symbolique</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it is far too long</source>
        <translation>il est beaucoup trop volumineux</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>Your records in %1 could not be used (%2). The file was set aside as %3, and new records begin.</source>
        <extracomment>%1 the records file, %2 why it could not be used (a phrase such as &quot;it is damaged&quot;), %3 the name it was given.</extracomment>
        <translation>Le fichier de vos records, %1, n’a pas pu être utilisé (%2). Il a été mis de côté sous le nom %3, et vos records repartent de zéro.</translation>
    </message>
    <message>
        <source>Your records in %1 cannot be used (%2), nor set aside (%3), so no game is recorded until it is moved.</source>
        <extracomment>%1 the records file, %2 why it cannot be used, %3 why it could not be renamed.</extracomment>
        <translation>Le fichier de vos records, %1, ne peut être ni utilisé (%2) ni mis de côté (%3)&#x202f;; aucune partie ne sera donc comptée dans vos records tant qu’il n’aura pas été déplacé.</translation>
    </message>
    <message>
        <source>Your records could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 the records file, %2 why it could not be written.</extracomment>
        <translation>Vos records n’ont pas pu être enregistrés.<byte value="xd"/>
%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>son fichier de verrouillage ne peut pas être créé</translation>
    </message>
    <message>
        <source>Your records are being written by another copy of Pebblenix; try again in a moment.</source>
        <translation>Une autre instance de Pebblenix enregistre actuellement vos records&#x202f;; réessayez dans un moment.</translation>
    </message>
    <message>
        <source>Another copy of Pebblenix keeps your records in %1 locked. The games that end are kept, and written as soon as it lets go.</source>
        <extracomment>Told once when a game has ended while another running copy of the game has kept the records file locked for some seconds. %1 is the records file.</extracomment>
        <translation>Une autre instance de Pebblenix garde verrouillé le fichier de vos records, %1. Les parties terminées sont conservées et y seront enregistrées dès qu’elle le libérera.</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Pebblenix kept the file locked until the end; games not recorded: %n</source>
        <extracomment>Why the records could not be written when the game closed: another copy of the game kept the file locked. %n is how many finished games are not recorded.</extracomment>
        <translation>
            <numerusform>une autre instance de Pebblenix a gardé le fichier verrouillé jusqu’à la fermeture du jeu&#x202f;; parties non enregistrées&#xa0;: %n</numerusform>
            <numerusform>une autre instance de Pebblenix a gardé le fichier verrouillé jusqu’à la fermeture du jeu&#x202f;; parties non enregistrées&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Your records in %1 were written by a newer version of Pebblenix, which this one cannot read. They are left as they are, and no game is recorded.</source>
        <extracomment>%1 the records file.</extracomment>
        <translation>Le fichier de vos records, %1, a été écrit par une version plus récente de Pebblenix, que celle-ci ne sait pas lire. Il est laissé tel quel, et aucune partie ne sera comptée dans vos records.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>its folder does not exist</source>
        <translation>son dossier n’existe pas</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <extracomment>%1 says why the table behind the hints cannot be used, for example that its file cannot be read or is damaged.</extracomment>
        <translation>pebblenix-solve&#xa0;: la table des solutions est inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>One marble left, in the centre.</source>
        <extracomment>The last line after a list of jumps that ends with one marble in the centre hole.</extracomment>
        <translation>Il reste une bille, au centre.</translation>
    </message>
    <message>
        <source>pebblenix-solve: the output could not be written (%1)</source>
        <extracomment>Shown when the tool&apos;s answer could not be written out, for example to a full disk. %1 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>pebblenix-solve&#xa0;: la sortie n’a pas pu être écrite (%1)</translation>
    </message>
    <message>
        <source>One move</source>
        <extracomment>The last line after a line of play of one move that ends with one marble in the centre hole.</extracomment>
        <translation>Un coup</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <extracomment>The last line after a line of play that ends with one marble in the centre hole: its number of moves, each one marble&apos;s chain of jumps (never 1).</extracomment>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: pebblenix-solve [--fewest-moves] FILE.pnx</source>
        <extracomment>Shown when the tool is started wrongly. FILE.pnx stands for the name of a game file; the command&apos;s name and its option stay as they are.</extracomment>
        <translation>utilisation&#xa0;: pebblenix-solve [--fewest-moves] FICHIER.pnx</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>One marble can still finish in the centre.</source>
        <extracomment>The position editor&apos;s verdict on the board being set up.</extracomment>
        <translation>Il est encore possible de finir avec une seule bille au centre.</translation>
    </message>
    <message>
        <source>One marble stands in the centre: this board is already solved.</source>
        <extracomment>The position editor&apos;s verdict on a board with one marble, in the centre.</extracomment>
        <translation>Il ne reste qu’une bille, au centre&#xa0;: ce plateau est déjà résolu.</translation>
    </message>
    <message>
        <source>There are no marbles on the board.</source>
        <extracomment>The position editor&apos;s verdict on an empty board.</extracomment>
        <translation>Il n’y a aucune bille sur le plateau.</translation>
    </message>
    <message>
        <source>The only marble stands on %1, not in the centre, and a lone marble cannot jump.</source>
        <extracomment>The position editor&apos;s verdict on a board with one marble. %1 is its hole, a column letter and a row number such as &quot;d1&quot; (never translated).</extracomment>
        <translation>L’unique bille est en %1, hors du centre, et une bille seule ne peut pas sauter.</translation>
    </message>
    <message>
        <source>No series of jumps can leave one marble in the centre (the rule of three): colour the holes in three colours along the diagonals, either way; every jump changes the number of marbles on each colour by one, so whether each colour holds an odd or even number flips for all three at once, and from this board it never matches a lone marble in the centre.</source>
        <extracomment>The position editor&apos;s verdict. The rule of three is the usual name of this argument in peg solitaire; the three colours are stripes running along the diagonals of the board.</extracomment>
        <translation>Aucune série de sauts ne peut laisser une seule bille au centre (règle des trois couleurs)&#xa0;: coloriez les trous en trois couleurs le long des diagonales, dans un sens ou dans l’autre&#x202f;; chaque saut modifie d’une unité le nombre de billes de chaque couleur, si bien que la parité (pair ou impair) des trois couleurs s’inverse en même temps, et depuis ce plateau elle ne correspond jamais à celle d’une bille seule au centre.</translation>
    </message>
    <message>
        <source>The rule of three allows a finish in the centre, but no series of jumps from this board leads to one.</source>
        <extracomment>The position editor&apos;s verdict: the rule of three (see the other verdict) does not forbid a centre finish, but the exact search finds none.</extracomment>
        <translation>La règle des trois couleurs permet une fin au centre, mais aucune série de sauts depuis ce plateau n’y mène.</translation>
    </message>
    <message>
        <source>One marble can still finish in the centre, in one move.</source>
        <extracomment>The position editor&apos;s verdict when one move (one marble&apos;s jumps made one after another) leaves one marble in the centre.</extracomment>
        <translation>Il est encore possible de finir avec une seule bille au centre, en un coup.</translation>
    </message>
    <message numerus="yes">
        <source>One marble can still finish in the centre, in %n moves at the fewest.</source>
        <extracomment>The position editor&apos;s verdict. A move is one marble&apos;s jumps made one after another; %n is the fewest moves that leave one marble in the centre, always more than one.</extracomment>
        <translation>
            <numerusform>Il est encore possible de finir avec une seule bille au centre, en %n coup au minimum.</numerusform>
            <numerusform>Il est encore possible de finir avec une seule bille au centre, en %n coups au minimum.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>empty</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;): it holds no marble.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>selected marble</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;): its marble is picked up, ready to jump.</extracomment>
        <translation>bille sélectionnée</translation>
    </message>
    <message>
        <source>marble</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;).</extracomment>
        <translation>bille</translation>
    </message>
    <message>
        <source>empty, a jump here keeps the centre finish</source>
        <extracomment>What a screen reader says of a hole after its name (&quot;d4, empty, a jump here keeps the centre finish&quot;) when Show Jumps marks it: the picked-up marble can jump here, and the last marble can then still finish in the centre hole.</extracomment>
        <translation>vide, un saut ici préserve la fin au centre</translation>
    </message>
    <message>
        <source>empty, a jump here loses the centre finish</source>
        <extracomment>As &quot;empty, a jump here keeps the centre finish&quot;, but after this jump the last marble can no longer finish in the centre hole.</extracomment>
        <translation>vide, un saut ici fait perdre la fin au centre</translation>
    </message>
    <message>
        <source>empty, the picked-up marble can jump here</source>
        <extracomment>As &quot;empty, a jump here keeps the centre finish&quot;, when the game cannot tell whether the jump keeps a finish in the centre (its table of solutions is missing).</extracomment>
        <translation>vide, la bille sélectionnée peut sauter ici</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardWidget</name>
    <message>
        <source>There is no marble on %1 to jump.</source>
        <extracomment>What a screen reader says when Shift and an arrow key are pressed on an empty hole; %1 names the hole (&quot;d4&quot;).</extracomment>
        <translation>Il n’y a pas de bille à faire sauter en %1.</translation>
    </message>
    <message>
        <source>The marble on %1 cannot jump that way.</source>
        <extracomment>What a screen reader says when Shift and an arrow key ask for a jump the board does not allow; %1 names the hole (&quot;d4&quot;).</extracomment>
        <translation>La bille en %1 ne peut pas sauter dans cette direction.</translation>
    </message>
    <message numerus="yes">
        <source>The marble on %1 jumped over %2 to %3. %n marbles left.</source>
        <translation>
            <numerusform>La bille en %1 a sauté par-dessus %2 et atterri en %3. Il reste %n bille.</numerusform>
            <numerusform>La bille en %1 a sauté par-dessus %2 et atterri en %3. Il reste %n billes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The marble on %1 jumped over %2 to %3. One marble is left.</source>
        <extracomment>What a screen reader says after Shift and an arrow key made a jump: %1 the hole the marble left, %2 the one it jumped over, %3 the one it landed on (&quot;d2&quot;, &quot;d3&quot;, &quot;d4&quot;); %n the marbles now on the board, always more than one.</extracomment>
        <translation>La bille en %1 a sauté par-dessus %2 et atterri en %3. Il ne reste qu’une bille.</translation>
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
        <translation>Problème du jour (%1)</translation>
    </message>
    <message>
        <source>The position could not be saved.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the game file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>La position n’a pas pu être enregistrée.<byte value="xd"/>
%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&amp;Problems…</source>
        <extracomment>Opens the list of problems: shapes of marbles to reduce to one marble in the centre.</extracomment>
        <translation>&amp;Problèmes…</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Problem</source>
        <extracomment>Starts the problem of the day, the same for every player that day.</extracomment>
        <translation>Problème du &amp;jour</translation>
    </message>
    <message>
        <source>Set Up Pos&amp;ition…</source>
        <extracomment>Opens a board on which the player puts and takes marbles, to play from there.</extracomment>
        <translation>Composer une posi&amp;tion…</translation>
    </message>
</context>
<context>
    <name>pebblenix::GameSession</name>
    <message>
        <source>The move was not made, because the undo file could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the undo file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Le saut n’a pas été joué, car le fichier d’annulation n’a pas pu être écrit.<byte value="xd"/>
%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the undo file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Impossible de revenir en arrière, car le fichier d’annulation n’a pas pu être écrit.<byte value="xd"/>
%1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>pebblenix::HowToPlayDialog</name>
    <message>
        <source>How to Play</source>
        <extracomment>The title of Help &gt; How to Play.</extracomment>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>The game</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Le jeu</translation>
    </message>
    <message>
        <source>Pebblenix is peg solitaire on a board of 33 holes in the shape of a cross. A new game has a marble in every hole but the centre one.</source>
        <extracomment>How to Play, on the rules. Each paragraph is translated whole; the menu names in these paragraphs are the menus&apos; own, as translated.</extracomment>
        <translation>Pebblenix est un solitaire à billes sur un plateau de 33 trous en forme de croix. Au début d’une partie, chaque trou contient une bille, sauf celui du centre.</translation>
    </message>
    <message>
        <source>A marble jumps over a marble beside it, in its row or its column, into the empty hole just beyond, and the marble it jumped over is taken off the board. Marbles never jump diagonally.</source>
        <translation>Une bille saute par-dessus une bille voisine, sur sa rangée ou sa colonne, jusque dans le trou vide juste derrière, et la bille sautée est retirée du plateau. Les billes ne sautent jamais en diagonale.</translation>
    </message>
    <message>
        <source>The game is over when no jump is left. The fewer marbles are left, the better: one marble left in the centre hole wins the game.</source>
        <translation>La partie est finie quand plus aucun saut n’est possible. Moins il reste de billes, mieux c’est&#xa0;: vous gagnez la partie si la dernière bille finit dans le trou central.</translation>
    </message>
    <message>
        <source>The clock counts down 120 seconds from your first click on the board. It only tells you how fast you are: when it shows TimeOut!!, you can play on.</source>
        <extracomment>&quot;TimeOut!!&quot; is what the clock shows, the same in every language.</extracomment>
        <translation>L’horloge décompte 120 secondes à partir de votre premier clic sur le plateau. Elle indique seulement votre rapidité&#xa0;: quand elle affiche TimeOut!!, vous pouvez continuer à jouer.</translation>
    </message>
    <message>
        <source>Moving a marble</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Déplacer une bille</translation>
    </message>
    <message>
        <source>With the mouse, click a marble to pick it up, then click the empty hole two holes away where it should land. A click anywhere else puts it down again. You can also drag a marble onto the hole it jumps to.</source>
        <translation>À la souris, cliquez sur une bille pour la sélectionner, puis sur le trou vide, deux trous plus loin, où elle doit atterrir. Un clic ailleurs annule la sélection. Vous pouvez aussi faire glisser une bille jusqu’au trou où elle saute.</translation>
    </message>
    <message>
        <source>With the keyboard, the arrow keys move a dashed box from hole to hole, and Space or Enter acts as a click on the hole in the box. Shift and an arrow key jump the marble in the box two holes that way at once, and the box goes with it: Shift+Down on d2 jumps it over d3 to d4. A screen reader says what each jump did.</source>
        <extracomment>Shift and the arrow keys jump a marble; the arrow keys alone move the box.</extracomment>
        <translation>Au clavier, les flèches déplacent un cadre en pointillés d’un trou à l’autre, et Espace ou Entrée agit comme un clic sur le trou encadré. Maj et une flèche font sauter directement la bille encadrée de deux trous dans cette direction, et le cadre la suit&#xa0;: Maj+Bas en d2 la fait sauter par-dessus d3 jusqu’en d4. Un lecteur d’écran annonce le résultat de chaque saut.</translation>
    </message>
    <message>
        <source>The holes are named by their column, a to g from the left, and their row, 1 to 7 from the top, so d4 is the centre; hints and lists name a jump by its two holes, as in d2 -&gt; d4. View ▸ Show Coordinates shows the letters and numbers beside the board.</source>
        <translation>Les trous sont désignés par leur colonne, de a à g depuis la gauche, et leur rangée, de 1 à 7 depuis le haut&#xa0;: d4 est donc le centre&#x202f;; les indices et les listes désignent un saut par ses deux trous, par exemple d2 -&gt; d4. Affichage ▸ Afficher les coordonnées montre les lettres et les chiffres autour du plateau.</translation>
    </message>
    <message>
        <source>The marks on the board</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Les marques sur le plateau</translation>
    </message>
    <message>
        <source>With View ▸ Show Jumps on, the marble you pick up has a ring round it, and each hole it can jump to is marked:</source>
        <translation>Quand Affichage ▸ Afficher les sauts est activé, la bille que vous sélectionnez est entourée d’un anneau, et chaque trou où elle peut sauter est marqué&#xa0;:</translation>
    </message>
    <message>
        <source>The picked-up marble, ringed.</source>
        <translation>La bille sélectionnée, entourée d’un anneau.</translation>
    </message>
    <message>
        <source>A ring with a tick: after this jump the last marble can still finish in the centre.</source>
        <extracomment>What Show Jumps&apos; ring with a tick means.</extracomment>
        <translation>Un anneau avec une coche&#xa0;: après ce saut, la dernière bille peut encore finir au centre.</translation>
    </message>
    <message>
        <source>A cross: this jump loses the finish in the centre.</source>
        <extracomment>What Show Jumps&apos; cross means.</extracomment>
        <translation>Une croix&#xa0;: ce saut fait perdre la fin au centre.</translation>
    </message>
    <message>
        <source>A small dot: the marble can jump here, but whether that keeps the finish is not known yet, while the table of solutions loads or when it cannot be read.</source>
        <extracomment>What Show Jumps&apos; small dot means.</extracomment>
        <translation>Un petit point&#xa0;: la bille peut sauter ici, mais on ne sait pas encore si ce saut préserve la fin au centre, pendant le chargement de la table des solutions ou si elle ne peut pas être lue.</translation>
    </message>
    <message>
        <source>A framed hole: one of the two holes of the jump chosen in Review Game or Winning Line.</source>
        <extracomment>The frame round the two holes of a jump chosen in a list.</extracomment>
        <translation>Un trou encadré&#xa0;: l’un des deux trous du saut choisi dans Revoir la partie ou Suite gagnante.</translation>
    </message>
    <message>
        <source>Help when you want it</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>De l’aide à la demande</translation>
    </message>
    <message>
        <source>Every help the game gives is exact: it knows for every position whether the last marble can still finish in the centre. A game finished after a hint, a rewind, Review Game, Winning Line or Show Jumps&apos; marks counts as played with help.</source>
        <translation>Toute l’aide du jeu est exacte&#xa0;: il sait, pour chaque position, si la dernière bille peut encore finir au centre. Une partie terminée après un indice, un retour en arrière, Revoir la partie, Suite gagnante ou les marques d’Afficher les sauts compte comme jouée avec aide.</translation>
    </message>
    <message>
        <source>Game ▸ Hint (Ctrl+H) picks up a marble whose jump keeps the centre finish and blinks the hole it should jump to, or says that no such finish is left.</source>
        <translation>Partie ▸ Indice (Ctrl+H) sélectionne une bille dont le saut préserve la fin au centre et fait clignoter le trou où elle doit sauter, ou indique que la fin au centre n’est plus possible.</translation>
    </message>
    <message>
        <source>Game ▸ Review Game lists your jumps and shows the one after which the centre finish was lost, with a jump that would have kept it. Go Back to Before This Jump takes the board back to the chosen row.</source>
        <translation>Partie ▸ Revoir la partie liste vos sauts et montre celui après lequel la fin au centre a été perdue, avec un saut qui l’aurait préservée. «&#xa0;Revenir avant ce saut&#xa0;» ramène le plateau juste avant le saut de la ligne choisie.</translation>
    </message>
    <message>
        <source>Game ▸ Rewind to Last Winnable Position (Ctrl+R) takes the board back to just before the jump that lost the centre finish. Undo (Ctrl+Z) takes back the last jump, or the rewind.</source>
        <translation>Partie ▸ Revenir à la dernière position gagnable (Ctrl+R) ramène le plateau juste avant le saut qui a fait perdre la fin au centre. Annuler (Ctrl+Z) reprend le dernier saut, ou ce retour en arrière.</translation>
    </message>
    <message>
        <source>Game ▸ Winning Line (Ctrl+L) lists the jumps that take the board in front of you to one marble in the centre; Play Next Jump makes the first of them. Its Fewest Moves choice shows a line with the fewest moves, a run of jumps by one marble counting as one move.</source>
        <translation>Partie ▸ Suite gagnante (Ctrl+L) liste les sauts qui mènent le plateau actuel à une seule bille au centre&#x202f;; «&#xa0;Jouer le saut suivant&#xa0;» joue le premier d’entre eux. Son choix «&#xa0;Minimum de coups&#xa0;» montre une suite en un minimum de coups, un enchaînement de sauts d’une même bille comptant pour un seul coup.</translation>
    </message>
    <message>
        <source>View ▸ Show Moves shows the moves you have made and the fewest moves that can still finish in the centre.</source>
        <translation>Affichage ▸ Afficher les coups montre les coups que vous avez joués et le minimum de coups qui permet encore de finir au centre.</translation>
    </message>
    <message>
        <source>Game ▸ Tell Me When It Ends says when no jump is left and how many marbles remain, and stops the clock at the end of every game.</source>
        <translation>Partie ▸ Signaler la fin de partie indique quand plus aucun saut n’est possible et combien de billes il reste, et arrête l’horloge à la fin de chaque partie.</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Records</translation>
    </message>
    <message>
        <source>Game ▸ Records shows the games you have played, those finished in the centre, your best finish and your fastest centre finish. The bests of games played with help are kept apart from the others.</source>
        <translation>Partie ▸ Records montre les parties que vous avez jouées, celles terminées au centre, votre meilleur résultat et votre fin au centre la plus rapide. Les records des parties jouées avec aide sont tenus à part des autres.</translation>
    </message>
    <message>
        <source>Problems</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Game ▸ Problems offers positions to bring down to one marble in the centre, from easy to very hard. Game ▸ Set Up Position lets you place the marbles yourself, and Game ▸ Today&apos;s Problem is a new problem every day, the same for every player. The same exact help works on all of them.</source>
        <translation>Partie ▸ Problèmes propose des positions à réduire à une seule bille au centre, des plus faciles aux plus difficiles. Partie ▸ Composer une position vous permet de placer les billes vous-même, et Partie ▸ Problème du jour propose chaque jour un nouveau problème, le même pour tout le monde. La même aide exacte fonctionne pour tous.</translation>
    </message>
</context>
<context>
    <name>pebblenix::JumpListDialog</name>
    <message>
        <source>No.</source>
        <extracomment>The columns of Review Game and Winning Line: the jump&apos;s number (1, 2, ...),</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>the jump (&quot;d2 -&gt; d4&quot;: column letter and row number of the two holes),</extracomment>
        <translation>Saut</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <extracomment>and the marbles left on the board after it.</extracomment>
        <translation>Billes restantes</translation>
    </message>
</context>
<context>
    <name>pebblenix::ProblemsDialog</name>
    <message>
        <source>Problems</source>
        <extracomment>The title of the list of problems.
----------
The list&apos;s name for a screen reader.</extracomment>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>The columns of the list of problems: the problem&apos;s name, its grade (Easy to Master), the marbles it starts with, the fewest moves that solve it (a move is one marble&apos;s jumps one after another), and whether the player has solved it.</extracomment>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Billes</translation>
    </message>
    <message>
        <source>Fewest Moves</source>
        <translation>Minimum de coups</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Résolu</translation>
    </message>
    <message>
        <source>Full Board, %1 Empty</source>
        <extracomment>A row of the list of problems: the full board with one hole empty, from which the last marble can never finish in the centre. %1 is the hole, such as &quot;c1&quot; (never translated).</extracomment>
        <translation>Plateau plein, %1 vide</translation>
    </message>
    <message>
        <source>No centre finish</source>
        <extracomment>Shown in the Grade column of a start that cannot be solved.</extracomment>
        <translation>Fin au centre impossible</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>Starts the chosen problem, as Game &gt; New starts a game.</extracomment>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Next &amp;Unsolved</source>
        <extracomment>Goes to the next problem in the list not yet solved without help.</extracomment>
        <translation>Suivant non &amp;résolu</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Pas encore</translation>
    </message>
    <message numerus="yes">
        <source>In %n moves</source>
        <extracomment>In the Solved column: the player solved the problem without help, in %n moves at the fewest (never fewer than 5, so English needs no singular).</extracomment>
        <translation>
            <numerusform>En %n coup</numerusform>
            <numerusform>En %n coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With help, in %n moves</source>
        <extracomment>In the Solved column: solved only with help (a hint, the winning line...).</extracomment>
        <translation>
            <numerusform>Avec aide, en %n coup</numerusform>
            <numerusform>Avec aide, en %n coups</numerusform>
        </translation>
    </message>
    <message>
        <source>Jumps made at random finish in the centre about once in %1 games.</source>
        <extracomment>%1 is a large number, such as &quot;64&quot; or &quot;74,000,000&quot;: how many games of random jumps it takes on average to see one finish in the centre.</extracomment>
        <translation>En jouant au hasard, on finit au centre environ une partie sur %1.</translation>
    </message>
    <message numerus="yes">
        <source>You solved it without help in %n moves, on %1.</source>
        <extracomment>%1 the date.</extracomment>
        <translation>
            <numerusform>Vous l’avez résolu sans aide en %n coup, le %1.</numerusform>
            <numerusform>Vous l’avez résolu sans aide en %n coups, le %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You solved it with help in %n moves, on %1.</source>
        <extracomment>With help: after a hint, the winning line, Review Game or a rewind. %1 the date.</extracomment>
        <translation>
            <numerusform>Vous l’avez résolu avec aide en %n coup, le %1.</numerusform>
            <numerusform>Vous l’avez résolu avec aide en %n coups, le %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have solved every problem without help.</source>
        <extracomment>Next Unsolved found no problem left to solve without help.</extracomment>
        <translation>Vous avez résolu tous les problèmes sans aide.</translation>
    </message>
    <message>
        <source>The list of problems cannot be read.</source>
        <extracomment>Above the reason, a file&apos;s path and what is wrong with it.</extracomment>
        <translation>Impossible de lire la liste des problèmes.</translation>
    </message>
</context>
<context>
    <name>pebblenix::RecordsDialog</name>
    <message>
        <source>None yet</source>
        <translation>Pas encore</translation>
    </message>
    <message>
        <source>The last marble in the centre, on %1</source>
        <extracomment>%1 the date.</extracomment>
        <translation>La dernière bille au centre, le %1</translation>
    </message>
    <message>
        <source>One marble, not in the centre, on %1</source>
        <extracomment>%1 the date.</extracomment>
        <translation>Une bille, hors du centre, le %1</translation>
    </message>
    <message numerus="yes">
        <source>%n marbles left, on %1</source>
        <extracomment>%n the marbles left on a board with no jump left, %1 the date.</extracomment>
        <translation>
            <numerusform>%n bille restante, le %1</numerusform>
            <numerusform>%n billes restantes, le %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Over time, on %1</source>
        <extracomment>The clock had run out before the centre finish; %1 the date.</extracomment>
        <translation>Hors délai, le %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of 120 seconds, on %1</source>
        <extracomment>%n seconds of the game&apos;s 120-second clock, %1 the date.</extracomment>
        <translation>
            <numerusform>%n seconde sur 120, le %1</numerusform>
            <numerusform>%n secondes sur 120, le %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Parties jouées&#xa0;:</translation>
    </message>
    <message>
        <source>Finished in the centre:</source>
        <translation>Parties terminées au centre&#xa0;:</translation>
    </message>
    <message>
        <source>Best finish:</source>
        <translation>Meilleur résultat&#xa0;:</translation>
    </message>
    <message>
        <source>Best finish with help:</source>
        <extracomment>With help: after a hint, a rewind, Review Game or the winning line.</extracomment>
        <translation>Meilleur résultat avec aide&#xa0;:</translation>
    </message>
    <message>
        <source>Fastest centre finish:</source>
        <translation>Fin au centre la plus rapide&#xa0;:</translation>
    </message>
    <message>
        <source>Fastest with help:</source>
        <translation>La plus rapide avec aide&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Reset Records…</source>
        <translation>&amp;Réinitialiser les records…</translation>
    </message>
    <message>
        <source>Reset all your records? They cannot be brought back.</source>
        <translation>Réinitialiser tous vos records&#x202f;? Ils ne pourront pas être récupérés.</translation>
    </message>
    <message>
        <source>Problems solved:</source>
        <extracomment>Problems of Game &gt; Problems finished with one marble in the centre.</extracomment>
        <translation>Problèmes résolus&#xa0;:</translation>
    </message>
    <message>
        <source>Today&apos;s Problem, days in a row:</source>
        <extracomment>Today&apos;s Problem solved on this many days in a row, up to today or yesterday.</extracomment>
        <translation>Problème du jour, jours d’affilée&#xa0;:</translation>
    </message>
    <message>
        <source>%1, of which %2 without help</source>
        <extracomment>%1 how many problems the player has solved, %2 how many of them without help.</extracomment>
        <translation>%1, dont %2 sans aide</translation>
    </message>
    <message numerus="yes">
        <source>%n (your longest run: %1)</source>
        <extracomment>%n the days in a row up to today, %1 the most days in a row so far.</extracomment>
        <translation>
            <numerusform>%n (votre plus longue série&#xa0;: %1)</numerusform>
            <numerusform>%n (votre plus longue série&#xa0;: %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <extracomment>The title of the window that lists the game&apos;s jumps (Game &gt; Review Game).</extracomment>
        <translation>Revoir la partie</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <extracomment>Review Game&apos;s last column: whether the last marble could still finish in the centre after the jump.</extracomment>
        <translation>Fin au centre</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <extracomment>Review Game&apos;s button: takes the board back to before the selected jump.</extracomment>
        <translation>&amp;Revenir avant ce saut</translation>
    </message>
    <message>
        <source>possible</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column.</extracomment>
        <translation>possible</translation>
    </message>
    <message>
        <source>not possible</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column.</extracomment>
        <translation>impossible</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column, in bold, beside the jump after which the last marble could no longer finish in the centre.</extracomment>
        <translation>perdue par ce saut</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <extracomment>A tooltip on the jump that lost the centre finish; %1 is a jump that would have kept it (&quot;d2 -&gt; d4&quot;).</extracomment>
        <translation>%1 l’aurait préservée.</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <extracomment>Review Game&apos;s summary above the list.</extracomment>
        <translation>Aucun saut n’a encore été joué depuis cette position.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <extracomment>Review Game&apos;s summary above the list: %1 is the jump&apos;s number in the game, %2 the jump (&quot;d4 -&gt; b4&quot;).</extracomment>
        <translation>Le saut %1, %2, a fait perdre la fin au centre.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2 would have kept it.</source>
        <extracomment>What a screen reader says of the jump that lost the centre finish (%1, &quot;d4 -&gt; b4&quot;), with one that would have kept it (%2).</extracomment>
        <translation>%1, le saut qui a fait perdre la fin au centre. %2 l’aurait préservée.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish.</source>
        <extracomment>What a screen reader says of the jump that lost the centre finish (%1, &quot;d4 -&gt; b4&quot;).</extracomment>
        <translation>%1, le saut qui a fait perdre la fin au centre.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish. %3 would have kept it.</source>
        <extracomment>Review Game&apos;s summary above the list: %1 is the jump&apos;s number in the game, %2 the jump (&quot;d4 -&gt; b4&quot;), %3 a jump that would have kept the finish.</extracomment>
        <translation>Le saut %1, %2, a fait perdre la fin au centre. %3 l’aurait préservée.</translation>
    </message>
</context>
<context>
    <name>pebblenix::SetUpDialog</name>
    <message>
        <source>Set Up Position</source>
        <extracomment>The title of the position editor, where the player puts and takes marbles.</extracomment>
        <translation>Composer une position</translation>
    </message>
    <message>
        <source>Board to set up</source>
        <extracomment>The board of the position editor, for a screen reader: a click, Space or Enter on a hole puts a marble in it or takes it out.</extracomment>
        <translation>Plateau à composer</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>Takes every marble off the board being set up.</extracomment>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>&amp;Full</source>
        <extracomment>Puts a marble in every hole of the board being set up.</extracomment>
        <translation>&amp;Remplir</translation>
    </message>
    <message>
        <source>&amp;Play From Here</source>
        <extracomment>Starts a game from the board set up, as Game &gt; New starts one.</extracomment>
        <translation>&amp;Jouer à partir d’ici</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <extracomment>Saves the board set up as a game file.</extracomment>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message numerus="yes">
        <source>Marbles on the board: %n</source>
        <extracomment>Above the verdict of the position editor: how many marbles the board holds.</extracomment>
        <translation>
            <numerusform>Billes sur le plateau&#xa0;: %n</numerusform>
            <numerusform>Billes sur le plateau&#xa0;: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::WindowExtras</name>
    <message>
        <source>Tell Me &amp;When It Ends</source>
        <extracomment>A Game menu option, off until chosen: when no jump is left the game says so, and the clock stops at the end of every game.</extracomment>
        <translation>Signaler la &amp;fin de partie</translation>
    </message>
    <message>
        <source>When no jump is left, says so and how many marbles remain; at the end of every game the clock stops.</source>
        <extracomment>The tip of Game &gt; Tell Me When It Ends.</extracomment>
        <translation>Signale quand plus aucun saut n’est possible et combien de billes il reste&#x202f;; l’horloge s’arrête à la fin de chaque partie.</translation>
    </message>
    <message>
        <source>Marks the holes the picked-up marble can jump to: a ring with a tick where the jump keeps a finish with the last marble in the centre possible, a cross where it loses it, and a small dot while the game cannot tell. The picked-up marble has a ring round it.</source>
        <extracomment>The tip of View &gt; Show Jumps: the marks differ by shape.</extracomment>
        <translation>Marque les trous où la bille sélectionnée peut sauter&#xa0;: un anneau avec une coche là où le saut permet encore de finir avec la dernière bille au centre, une croix là où il fait perdre la fin au centre, et un petit point tant que le jeu ne peut pas le déterminer. La bille sélectionnée est entourée d’un anneau.</translation>
    </message>
    <message>
        <source>Show &amp;Coordinates</source>
        <extracomment>A View menu option: the columns&apos; letters and the rows&apos; numbers around the board.</extracomment>
        <translation>Afficher les coor&amp;données</translation>
    </message>
    <message>
        <source>Shows the columns&apos; letters, a to g, and the rows&apos; numbers, 1 to 7, around the board: the names hints and lists give the holes.</source>
        <extracomment>The tip of View &gt; Show Coordinates.</extracomment>
        <translation>Affiche autour du plateau les lettres des colonnes, de a à g, et les numéros des rangées, de 1 à 7&#xa0;: les noms que les indices et les listes donnent aux trous.</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <extracomment>Opens the rules and the ways to play, with what each mark on the board means.</extracomment>
        <translation>Comment &amp;jouer</translation>
    </message>
    <message numerus="yes">
        <source>No jump is left: %n marbles remain.</source>
        <extracomment>Told when Game &gt; Tell Me When It Ends is on and a jump leaves no jump on the board; %n the marbles left, always more than one.</extracomment>
        <translation>
            <numerusform>Plus aucun saut possible&#xa0;: il reste %n bille.</numerusform>
            <numerusform>Plus aucun saut possible&#xa0;: il reste %n billes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The Game menu&apos;s setting could not be saved, so the next game opens with the one stored before.<byte value="xd"/>
%1.</source>
        <extracomment>After a change of Game &gt; Tell Me When It Ends. %1 says which file could not be written and why.</extracomment>
        <translation>Le réglage du menu Partie n’a pas pu être enregistré&#x202f;; la prochaine partie s’ouvrira avec le réglage précédent.<byte value="xd"/>
%1.</translation>
    </message>
</context>
<context>
    <name>pebblenix::WinningLineDialog</name>
    <message>
        <source>Winning Line</source>
        <translation>Suite gagnante</translation>
    </message>
    <message>
        <source>&amp;Play Next Jump</source>
        <translation>&amp;Jouer le saut suivant</translation>
    </message>
    <message>
        <source>Rewind to Last Winnable Position (Ctrl+R) goes back to before the jump that lost it.</source>
        <translation>«&#xa0;Revenir à la dernière position gagnable&#xa0;» (Ctrl+R) ramène la partie juste avant le saut qui a fait perdre la fin au centre.</translation>
    </message>
    <message numerus="yes">
        <source>Jumps to the last marble in the centre: %n</source>
        <extracomment>Above the list of jumps; the number of jumps comes last.</extracomment>
        <translation>
            <numerusform>Saut restant jusqu’à la fin au centre&#xa0;: %n</numerusform>
            <numerusform>Sauts restants jusqu’à la fin au centre&#xa0;: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <extracomment>A placeholder title the About box has while it is built; &quot;About Pebblenix&quot; replaces it before the box is shown.</extracomment>
        <translation>À propos de MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s button that closes it.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>The About box&apos;s button that starts the system&apos;s information tool.</extracomment>
        <translation>Info &amp;système…</translation>
    </message>
    <message>
        <source>Author</source>
        <extracomment>The About box&apos;s label before the authors&apos; name.</extracomment>
        <translation>Auteurs</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <extracomment>The About box&apos;s authors&apos; name, in a box of its own beside &quot;Author&quot;.</extracomment>
        <translation>Les développeurs de Pebblenix</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <extracomment>The About box&apos;s distribution notice, one paragraph; it wraps in the box.</extracomment>
        <translation>Pebblenix peut être copié et donné librement, à condition qu’il circule complet et inchangé, accompagné du présent avis, et que personne n’ait à payer pour l’obtenir.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <extracomment>In the About box, above the developers&apos; postal address (kept in English).</extracomment>
        <translation>Pour écrire aux développeurs de Pebblenix&#xa0;:</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <extracomment>In the About box; keep the number as it is.</extracomment>
        <translation>Téléphone&#xa0;: +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <extracomment>In the About box; keep the address as it is.</extracomment>
        <translation>Courriel&#xa0;: pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <extracomment>In the About box; keep the address as it is.</extracomment>
        <translation>Site web&#xa0;: https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <extracomment>The About box&apos;s title.</extracomment>
        <translation>À propos de Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <extracomment>A message box when the About box&apos;s System Info button finds no system-information tool to start (on Linux: no desktop&apos;s own tool is installed).</extracomment>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <extracomment>%1 names the settings file and why it cannot be removed.</extracomment>
        <translation>La couleur des billes enregistrée ne peut être ni utilisée ni supprimée&#x202f;; le jeu démarre donc en bleu foncé.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <extracomment>Shown when the stored marble colour cannot be used; the game then ends. The English misspelling is kept as written on purpose.</extracomment>
        <translation>Une erreur inconnue s’est produite.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <extracomment>Asked with Yes and No before the game window closes: Yes closes it.</extracomment>
        <translation>Vous vous ennuyez déjà&#x202f;?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <extracomment>Asked with Yes and No by Game &gt; New, and by a colour chosen during a game.</extracomment>
        <translation>Commencer une nouvelle partie&#x202f;?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <extracomment>%1 names the settings file and why it cannot be written.</extracomment>
        <translation>La couleur des billes n’a pas pu être enregistrée&#x202f;; la partie continue avec la couleur actuelle.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <extracomment>The title of the two messages at the end of a game.</extracomment>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <extracomment>The last marble stands in the centre. The capitals and the space at the end are kept as written on purpose.</extracomment>
        <translation>Vous avez gagné la partie&#x202f;!</translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <extracomment>One marble is left, but not in the centre. The line break, the double space and the spelling are kept as written on purpose.</extracomment>
        <translation>Bien joué&#x202f;! Essayez maintenant de finir avec la dernière bille<byte value="xd"/>
dans le trou central.</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the game file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>La partie n’a pas pu être enregistrée.<byte value="xd"/>
%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <extracomment>%1 says why the table of solutions (a file installed with the game) cannot be used.</extracomment>
        <translation>Les indices ne sont pas disponibles, car la table des solutions est inutilisable.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <extracomment>Game &gt; Rewind: no jump lost the centre finish, because there never was one.</extracomment>
        <translation>Cette partie a débuté sur une position où la dernière bille ne peut pas finir au centre&#x202f;; il n’y a donc aucune position gagnable où revenir.</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <extracomment>The first of twelve marble colours in Game &gt; Marble Color. The letter after &amp; is its access key: each colour needs its own, typed without AltGr.</extracomment>
        <translation>&amp;Blanc</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>B&amp;leu</translation>
    </message>
    <message>
        <source>&amp;Dark Blue</source>
        <translation>Bleu &amp;foncé</translation>
    </message>
    <message>
        <source>&amp;Sky Blue</source>
        <translation>Bleu &amp;ciel</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Vert</translation>
    </message>
    <message>
        <source>&amp;Military Green</source>
        <translation>Vert &amp;kaki</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Jaune</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>&amp;Rose</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>Ro&amp;uge</translation>
    </message>
    <message>
        <source>Purp&amp;le</source>
        <translation>Vi&amp;olet</translation>
    </message>
    <message>
        <source>Br&amp;own</source>
        <translation>&amp;Marron</translation>
    </message>
    <message>
        <source>Blac&amp;k</source>
        <translation>&amp;Noir</translation>
    </message>
    <message>
        <source>Pebblenix Files (*.pnx)</source>
        <extracomment>The file type in the Open and Save dialogs; keep &quot;(*.pnx)&quot; as it is.</extracomment>
        <translation>Fichiers Pebblenix (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <extracomment>The caption above the marble count in the main window: two lines of about ten characters, three at most.</extracomment>
        <translation>Billes en jeu</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <extracomment>The caption above the countdown clock in the main window: one line of about thirteen characters, two at most.</extracomment>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>The first menu of the menu bar. The letter after &amp; is the access key (Alt and that letter): the menu bar&apos;s keys and each menu&apos;s keys must differ from one another and be typed without AltGr.</extracomment>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Rewind to Last Winnable Position</source>
        <extracomment>Takes the board back to just before the jump after which the last marble could no longer finish in the centre.</extracomment>
        <translation>&amp;Revenir à la dernière position gagnable</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <extracomment>Opens a list of the game&apos;s jumps that shows which one lost the centre finish.</extracomment>
        <translation>Re&amp;voir la partie…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <extracomment>A submenu of Game: the twelve marble colours.</extracomment>
        <translation>Couleur des &amp;billes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The last menu of the menu bar; its access key must differ from Game&apos;s and View&apos;s.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>À &amp;propos de Pebblenix</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says for the clock or the count: %1 is its caption (&quot;Time on Hand&quot;), %2 the value shown (&quot;087&quot;).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Winning &amp;Line…</source>
        <translation>Suite &amp;gagnante…</translation>
    </message>
    <message>
        <source>R&amp;ecords…</source>
        <translation>Re&amp;cords…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>Show &amp;Jumps</source>
        <translation>Afficher les &amp;sauts</translation>
    </message>
    <message>
        <source>The View menu&apos;s setting could not be saved, so the next game opens with the one stored before.<byte value="xd"/>
%1.</source>
        <extracomment>After a change in the View menu (the zoom, Show Jumps, Show Coordinates). %1 says which file could not be written and why.</extracomment>
        <translation>Le réglage du menu Affichage n’a pas pu être enregistré&#x202f;; la prochaine partie s’ouvrira avec le réglage précédent.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Show &amp;Moves</source>
        <extracomment>Shows below the board the moves made and the fewest moves that still finish.</extracomment>
        <translation>Afficher les &amp;coups</translation>
    </message>
    <message>
        <source>Shows the moves made, a chain of jumps by one marble counting once, and the fewest moves that still finish with the last marble in the centre.</source>
        <extracomment>Shown as the tip of the View menu&apos;s Show Moves item.</extracomment>
        <translation>Affiche les coups joués, un enchaînement de sauts d’une même bille comptant pour un seul coup, et le minimum de coups qui permet encore de finir avec la dernière bille au centre.</translation>
    </message>
</context>
</TS>
