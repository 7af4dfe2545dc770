<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <extracomment>Why a file could not be written: a folder has the file&apos;s name.</extracomment>
        <translation>уже існує тека з такою самою назвою</translation>
    </message>
    <message>
        <source>%1 is a link owned by another user, so nothing is written through it</source>
        <extracomment>Why a file was not written. %1 is the path of a link that another user of the computer made, which could point at any of the player&apos;s files.</extracomment>
        <translation>%1 — посилання, що належить іншому користувачеві, тому через нього нічого не записується</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file was not read or written: it is a FIFO, a device or the like.</extracomment>
        <translation>це не звичайний файл</translation>
    </message>
    <message numerus="yes">
        <source>only %1 of the %n bytes could be written; the disk may be full</source>
        <translation>
            <numerusform>вдалося записати лише %1 з %n байта; можливо, диск заповнено</numerusform>
            <numerusform>вдалося записати лише %1 з %n байтів; можливо, диск заповнено</numerusform>
            <numerusform>вдалося записати лише %1 з %n байтів; можливо, диск заповнено</numerusform>
        </translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>це тека, а не файл</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why a setting (the marble colour, the zoom) could not be saved. %1 is the path of the settings folder.</extracomment>
        <translation>не вдається створити теку %1</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <extracomment>Why a setting could not be saved. %1 is the path of the settings file, %2 the reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>не вдається записати %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>Why the stored marble colour cannot be removed. %1 is the path of the settings file.</extracomment>
        <translation>%1 — це тека</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <extracomment>Why the stored marble colour cannot be removed. %1 is the path of the settings file, %2 the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>не вдається вилучити %1 (%2)</translation>
    </message>
    <message>
        <source>line %1 is empty, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49; lines 1 to 49 of a game file hold the 49 cells of the board.</extracomment>
        <translation>рядок %1 порожній, а рядок клітинки має містити «1» або «-1»</translation>
    </message>
    <message>
        <source>line %1 holds binary data, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49.</extracomment>
        <translation>рядок %1 містить двійкові дані, а рядок клітинки має містити «1» або «-1»</translation>
    </message>
    <message>
        <source>line %1 is &quot;%2&quot;, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49, %2 what the line holds (at most 20 characters, then &quot;...&quot;).</extracomment>
        <translation>рядок %1 містить «%2», а рядок клітинки має містити «1» або «-1»</translation>
    </message>
    <message>
        <source>line 51 is empty, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.</extracomment>
        <translation>рядок 51 порожній, а кількість кульок має бути числом від 0 до 255</translation>
    </message>
    <message>
        <source>line 51 holds binary data, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.</extracomment>
        <translation>рядок 51 містить двійкові дані, а кількість кульок має бути числом від 0 до 255</translation>
    </message>
    <message>
        <source>line 51 is &quot;%1&quot;, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles; %1 is what it holds instead (at most 20 characters, then &quot;...&quot;).</extracomment>
        <translation>рядок 51 містить «%1», а кількість кульок має бути числом від 0 до 255</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <extracomment>Why a game file cannot be opened.</extracomment>
        <translation>файл порожній</translation>
    </message>
    <message numerus="yes">
        <source>a game file has 51 lines, but this file has only %n</source>
        <extracomment>Why a game file cannot be opened. %n is how many lines the file has, from 1 to 50; a game file always has 51.</extracomment>
        <translation>
            <numerusform>файл гри має 51 рядок, а цей файл — лише %n рядок</numerusform>
            <numerusform>файл гри має 51 рядок, а цей файл — лише %n рядки</numerusform>
            <numerusform>файл гри має 51 рядок, а цей файл — лише %n рядків</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is longer than 255 characters</source>
        <extracomment>Why a game file cannot be opened. %1 is 50 (the clock&apos;s line) or 51 (the marble count&apos;s line).</extracomment>
        <translation>рядок %1 довший за 255 символів</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <extracomment>Why a game file cannot be opened. Line 50 of a game file holds the clock&apos;s text.</extracomment>
        <translation>рядок 50 (годинник) містить двійкові дані</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <extracomment>Why a file cannot be read: its name is longer than the system allows.</extracomment>
        <translation>назва файлу надто довга</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <extracomment>Why a file cannot be read: there is none of that name.</extracomment>
        <translation>файлу не існує</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <extracomment>Why a file cannot be opened: its name holds bytes that are not UTF-8 text, so the name cannot be shown or used exactly as it is.</extracomment>
        <translation>назва файлу не є коректним текстом UTF-8, тому його неможливо відкрити</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <extracomment>Shown when a file is not a game file. %1 is the file&apos;s path, %2 why it is refused (one of the reasons above, starting in lower case). The line break stays.</extracomment>
        <translation>Файл має неправильний формат.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <extracomment>Why a setting could not be saved. %1 is the path of the settings file, %2 why it cannot be read, such as &quot;Permission denied&quot;.</extracomment>
        <translation>не вдається прочитати %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 is damaged, so the texts are in English.</source>
        <extracomment>One line on standard error when the program&apos;s translation file is damaged or does not match the list of sums the build wrote beside it. %1 is the program&apos;s name, %2 the file&apos;s path.</extracomment>
        <translation>%1: файл %2 пошкоджено, тому тексти показано англійською.</translation>
    </message>
    <message>
        <source>it is not a table of solutions</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>це не таблиця розв’язків</translation>
    </message>
    <message>
        <source>it was made by another version of Pebblenix</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>файл створено іншою версією Pebblenix</translation>
    </message>
    <message>
        <source>it has the wrong size</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>файл має неправильний розмір</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>файл пошкоджено</translation>
    </message>
    <message>
        <source>another copy of Pebblenix is writing it</source>
        <extracomment>Why a setting could not be saved; said inside a sentence about the settings file.</extracomment>
        <translation>його саме записує інший примірник Pebblenix</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be used (%2), nor set aside (%3)</source>
        <extracomment>Why a file (the records, the settings) could not be written. %1 is the path of its lock file, which another copy of the game also uses, %2 why it cannot be used (such as &quot;it is a link&quot;), %3 why it could not be renamed (the system&apos;s reason, such as &quot;Permission denied&quot;).</extracomment>
        <translation>його файл блокування %1 не можна ні використати (%2), ні перейменувати (%3)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>З цієї позиції вже неможливо завершити гру з останньою кулькою в центрі.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Ще можна завершити гру з останньою кулькою в центрі.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <extracomment>The position the jumps start from (a new game, a game file) could never finish with the last marble in the centre.</extracomment>
        <translation>Ця гра почалася з позиції, з якої неможливо завершити її з останньою кулькою в центрі.</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>Остання кулька вже в центрі.</translation>
    </message>
</context>
<context>
    <name>Moves</name>
    <message numerus="yes">
        <source>Moves: %n</source>
        <extracomment>View &gt; Show Moves, below the board: the moves made, where a move is one marble&apos;s chain of jumps. About 12 characters.</extracomment>
        <translation>
            <numerusform>Ходів: %n</numerusform>
            <numerusform>Ходів: %n</numerusform>
            <numerusform>Ходів: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>No centre finish left</source>
        <extracomment>View &gt; Show Moves, below the board, right of the moves made: the last marble can no longer finish in the centre. About 24 characters.</extracomment>
        <translation>Фініш у центрі неможливий</translation>
    </message>
    <message numerus="yes">
        <source>Fewest to finish: %n</source>
        <extracomment>View &gt; Show Moves, below the board, right of the moves made: the fewest moves that still end with the last marble in the centre. About 24 characters.</extracomment>
        <translation>
            <numerusform>Найменше ходів до фінішу: %n</numerusform>
            <numerusform>Найменше ходів до фінішу: %n</numerusform>
            <numerusform>Найменше ходів до фінішу: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moves, on %1</source>
        <extracomment>In Records: %n the moves of a centre finish (a move is one marble&apos;s chain of jumps), %1 the date.</extracomment>
        <translation>
            <numerusform>%n хід, %1</numerusform>
            <numerusform>%n ходи, %1</numerusform>
            <numerusform>%n ходів, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Fewest moves:</source>
        <extracomment>In Records: the centre finish in the fewest moves, of a game played from the start (not opened from a file).</extracomment>
        <translation>Найменше ходів:</translation>
    </message>
    <message>
        <source>Fewest moves with help:</source>
        <extracomment>In Records: the same, with help (a hint, a rewind, Review Game, the winning line or the fewest moves shown by View &gt; Show Moves).</extracomment>
        <translation>Найменше ходів із допомогою:</translation>
    </message>
    <message numerus="yes">
        <source>From here %n moves were enough; after this move %1.</source>
        <translation>
            <numerusform>Звідси можна було фінішувати за %n хід; після цього ходу — вже за %1.</numerusform>
            <numerusform>Звідси можна було фінішувати за %n ходи; після цього ходу — вже за %1.</numerusform>
            <numerusform>Звідси можна було фінішувати за %n ходів; після цього ходу — вже за %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, in the move that made the finish take more moves than needed: from here %n moves were enough; after this move %2.</source>
        <translation>
            <numerusform>%1 — частина ходу, що зробив фініш довшим, ніж треба: звідси можна було фінішувати за %n хід; після цього ходу — вже за %2.</numerusform>
            <numerusform>%1 — частина ходу, що зробив фініш довшим, ніж треба: звідси можна було фінішувати за %n ходи; після цього ходу — вже за %2.</numerusform>
            <numerusform>%1 — частина ходу, що зробив фініш довшим, ніж треба: звідси можна було фінішувати за %n ходів; після цього ходу — вже за %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %1, %2, made the finish take more moves than needed: from here %n moves were enough; after this move %3.</source>
        <translation>
            <numerusform>Хід %1 (%2) зробив фініш довшим, ніж треба: звідси можна було фінішувати за %n хід; після цього ходу — вже за %3.</numerusform>
            <numerusform>Хід %1 (%2) зробив фініш довшим, ніж треба: звідси можна було фінішувати за %n ходи; після цього ходу — вже за %3.</numerusform>
            <numerusform>Хід %1 (%2) зробив фініш довшим, ніж треба: звідси можна було фінішувати за %n ходів; після цього ходу — вже за %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Any Line</source>
        <extracomment>Winning Line&apos;s choice: the line of jumps the hints follow, whatever its moves.</extracomment>
        <translation>&amp;Будь-який шлях</translation>
    </message>
    <message>
        <source>Fewest &amp;Moves</source>
        <extracomment>Winning Line&apos;s choice: a line in the fewest moves, a move being one marble&apos;s chain of jumps.</extracomment>
        <translation>Найменше &amp;ходів</translation>
    </message>
    <message>
        <source>The choice of winning line could not be saved, so the next Winning Line opens with the one stored before.<byte value="xd"/>
%1.</source>
        <translation>Не вдалося зберегти вибір шляху до перемоги, тому наступного разу вікно «Шлях до перемоги» відкриється з попереднім збереженим вибором.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>Winning Line&apos;s column header with Fewest Moves: each row a move, &quot;d2 -&gt; d4 -&gt; d6&quot;.</extracomment>
        <translation>Хід</translation>
    </message>
    <message numerus="yes">
        <source>Moves to the last marble in the centre after the move under way: %n</source>
        <extracomment>Above the list of moves when its first row, without a number, goes on with the marble that has just jumped; the number of moves after it comes last.</extracomment>
        <translation>
            <numerusform>Ходів до останньої кульки в центрі після поточного ходу: %n</numerusform>
            <numerusform>Ходів до останньої кульки в центрі після поточного ходу: %n</numerusform>
            <numerusform>Ходів до останньої кульки в центрі після поточного ходу: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moves to the last marble in the centre: %n</source>
        <translation>
            <numerusform>Ходів до останньої кульки в центрі: %n</numerusform>
            <numerusform>Ходів до останньої кульки в центрі: %n</numerusform>
            <numerusform>Ходів до останньої кульки в центрі: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The marble that has just jumped goes on: these jumps belong to the move under way.</source>
        <extracomment>The tip of Winning Line&apos;s first row when it has no number.</extracomment>
        <translation>Кулька, що щойно перестрибнула, стрибає далі: ці стрибки належать до поточного ходу.</translation>
    </message>
    <message>
        <source>A line of the fewest moves is not available, because their table cannot be used: %1.</source>
        <extracomment>In Winning Line, when the table of fewest moves (a file installed with the game) cannot be used; %1 says why.</extracomment>
        <translation>Шлях із найменшою кількістю ходів недоступний, бо не вдається використати таблицю ходів: %1.</translation>
    </message>
    <message>
        <source>From here one move was enough; after this move %1.</source>
        <extracomment>The tip of the jumps of the first move after which a centre finish took more moves than before it, when one move was enough from the position before that move: %1 the moves needed once it was made.</extracomment>
        <translation>Звідси можна було фінішувати за один хід; після цього ходу — вже за %1.</translation>
    </message>
    <message>
        <source>%1, in the move that made the finish take more moves than needed: from here one move was enough; after this move %2.</source>
        <extracomment>What a screen reader says of a jump of the first move that made the finish take more moves than needed, when one move was enough before it: %1 the jump (&quot;d4 -&gt; b4&quot;), %2 the moves needed after it.</extracomment>
        <translation>%1 — частина ходу, що зробив фініш довшим, ніж треба: звідси можна було фінішувати за один хід; після цього ходу — вже за %2.</translation>
    </message>
    <message>
        <source>Move %1, %2, made the finish take more moves than needed: from here one move was enough; after this move %3.</source>
        <extracomment>Review Game&apos;s summary, after what it says of the centre finish, when one move was enough before the move it names: %1 the move&apos;s number in the game, %2 the move (&quot;d2 -&gt; d4 -&gt; d6&quot;), %3 the moves needed once it was made.</extracomment>
        <translation>Хід %1 (%2) зробив фініш довшим, ніж треба: звідси можна було фінішувати за один хід; після цього ходу — вже за %3.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>Cross</source>
        <extracomment>A problem&apos;s name. The problems are shapes of marbles to reduce to one marble in the centre; this one is a Latin cross of six marbles.</extracomment>
        <translation>Хрест</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <extracomment>A problem&apos;s name: a snowflake-like star of eleven marbles, one in the centre.</extracomment>
        <translation>Сніжинка</translation>
    </message>
    <message>
        <source>Plus</source>
        <extracomment>A problem&apos;s name: a plus sign of nine marbles.</extracomment>
        <translation>Плюс</translation>
    </message>
    <message>
        <source>Kite</source>
        <extracomment>A problem&apos;s name: a kite on a string, ten marbles.</extracomment>
        <translation>Повітряний змій</translation>
    </message>
    <message>
        <source>Sword</source>
        <extracomment>A problem&apos;s name: a sword with its hilt, twelve marbles.</extracomment>
        <translation>Меч</translation>
    </message>
    <message>
        <source>Trident</source>
        <extracomment>A problem&apos;s name: a three-pronged spear, eight marbles.</extracomment>
        <translation>Тризуб</translation>
    </message>
    <message>
        <source>Gateway</source>
        <extracomment>A problem&apos;s name: a gate in a wall, ten marbles.</extracomment>
        <translation>Брама</translation>
    </message>
    <message>
        <source>Tuning Fork</source>
        <extracomment>A problem&apos;s name: the two-pronged fork musicians tune by, seven marbles.</extracomment>
        <translation>Камертон</translation>
    </message>
    <message>
        <source>Small Diamond</source>
        <extracomment>A problem&apos;s name: a diamond (the shape) of twelve marbles around the empty centre.</extracomment>
        <translation>Малий ромб</translation>
    </message>
    <message>
        <source>Hat</source>
        <extracomment>A problem&apos;s name: a hat with a brim, eleven marbles.</extracomment>
        <translation>Капелюх</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>A problem&apos;s name: a table (the furniture) of twelve marbles.</extracomment>
        <translation>Стіл</translation>
    </message>
    <message>
        <source>Staircase</source>
        <extracomment>A problem&apos;s name: steps running down diagonally, eleven marbles.</extracomment>
        <translation>Сходи</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <extracomment>A problem&apos;s name: rows of one, three, five and seven marbles.</extracomment>
        <translation>Піраміда</translation>
    </message>
    <message>
        <source>Bird</source>
        <extracomment>A problem&apos;s name: a bird with its wings raised, fourteen marbles.</extracomment>
        <translation>Птах</translation>
    </message>
    <message>
        <source>Heart</source>
        <extracomment>A problem&apos;s name: a heart (the shape), eighteen marbles.</extracomment>
        <translation>Серце</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A problem&apos;s name: a bell (the shape), eighteen marbles.</extracomment>
        <translation>Дзвін</translation>
    </message>
    <message>
        <source>Mask</source>
        <extracomment>A problem&apos;s name: a face mask with two eye holes, nineteen marbles.</extracomment>
        <translation>Маска</translation>
    </message>
    <message>
        <source>Lantern</source>
        <extracomment>A problem&apos;s name: a lantern (the lamp), fifteen marbles.</extracomment>
        <translation>Ліхтар</translation>
    </message>
    <message>
        <source>Goblet</source>
        <extracomment>A problem&apos;s name: a drinking cup on a stem, fifteen marbles.</extracomment>
        <translation>Келих</translation>
    </message>
    <message>
        <source>Crown</source>
        <extracomment>A problem&apos;s name: a king&apos;s crown, sixteen marbles.</extracomment>
        <translation>Корона</translation>
    </message>
    <message>
        <source>Tree</source>
        <extracomment>A problem&apos;s name: a fir tree on its trunk, sixteen marbles.</extracomment>
        <translation>Ялинка</translation>
    </message>
    <message>
        <source>Arrow</source>
        <extracomment>A problem&apos;s name: an arrow pointing up, seventeen marbles.</extracomment>
        <translation>Стріла</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>A problem&apos;s name: a window with panes, nineteen marbles.</extracomment>
        <translation>Вікно</translation>
    </message>
    <message>
        <source>Octagon</source>
        <extracomment>A problem&apos;s name: an eight-sided shape of twenty marbles around the empty centre.</extracomment>
        <translation>Восьмикутник</translation>
    </message>
    <message>
        <source>Tower</source>
        <extracomment>A problem&apos;s name: a castle tower with battlements, twenty marbles.</extracomment>
        <translation>Вежа</translation>
    </message>
    <message>
        <source>Diamond</source>
        <extracomment>A problem&apos;s name: a large diamond (the shape) of 24 marbles around the empty centre.</extracomment>
        <translation>Ромб</translation>
    </message>
    <message>
        <source>Double Cross</source>
        <extracomment>A problem&apos;s name: an upright with two crossbars, thirteen marbles.</extracomment>
        <translation>Подвійний хрест</translation>
    </message>
    <message>
        <source>Rocket</source>
        <extracomment>A problem&apos;s name: a space rocket, 21 marbles.</extracomment>
        <translation>Ракета</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <extracomment>A problem&apos;s name: a mushroom with its cap and stem, 22 marbles.</extracomment>
        <translation>Гриб</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <extracomment>A problem&apos;s name: a fireplace, its chimney above, eleven marbles.</extracomment>
        <translation>Камін</translation>
    </message>
    <message>
        <source>Keyhole</source>
        <extracomment>A problem&apos;s name: the top half of the board full but for the empty centre, one marble below it, 20 marbles.</extracomment>
        <translation>Замкова шпарина</translation>
    </message>
    <message>
        <source>Moat</source>
        <extracomment>A problem&apos;s name: one marble in the centre cut off by an empty ring (the moat of a castle) from the four arms of the board, 25 marbles.</extracomment>
        <translation>Рів</translation>
    </message>
    <message>
        <source>Full Board, d1 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but d1 (column d, row 1), which is empty. d1 is a hole&apos;s name, never translated.</extracomment>
        <translation>Повна дошка, d1 порожня</translation>
    </message>
    <message>
        <source>Full Board, a4 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but a4, which is empty.</extracomment>
        <translation>Повна дошка, a4 порожня</translation>
    </message>
    <message>
        <source>Full Board, g4 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but g4, which is empty.</extracomment>
        <translation>Повна дошка, g4 порожня</translation>
    </message>
    <message>
        <source>Full Board, d7 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but d7, which is empty.</extracomment>
        <translation>Повна дошка, d7 порожня</translation>
    </message>
    <message>
        <source>Ladder</source>
        <extracomment>A problem&apos;s name: a ladder of two rails and rungs down the middle column, 19 marbles.</extracomment>
        <translation>Драбина</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A problem&apos;s grade: jumps made at random would finish with one marble in the centre at least once in 100 tries.</extracomment>
        <translation>Легка</translation>
    </message>
    <message>
        <source>Moderate</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 100 to 1,000 tries.</extracomment>
        <translation>Середня</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 1,000 to 10,000 tries.</extracomment>
        <translation>Складна</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 10,000 to 100,000 tries.</extracomment>
        <translation>Дуже складна</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 100,000 to a million tries.</extracomment>
        <translation>Для експертів</translation>
    </message>
    <message>
        <source>Master</source>
        <extracomment>A problem&apos;s grade, the hardest: random jumps finish in the centre less than once in a million tries.</extracomment>
        <translation>Для майстрів</translation>
    </message>
    <message>
        <source>With only %1 empty at the start, the last marble can never finish in the centre (the rule of three): it can only end on a hole whose row and column each differ from those of %1 by 0, 3 or 6, and the centre&apos;s do not.</source>
        <extracomment>Why a start with one empty hole has no finish in the centre. %1 is that hole, a column letter and a row number such as &quot;c1&quot; (never translated); the centre is d4. The rule of three is the usual name of this argument in peg solitaire.</extracomment>
        <translation>Якщо на початку порожня лише лунка %1, остання кулька ніколи не фінішує в центрі (правило трьох): вона може опинитися лише в лунці, рядок і стовпець якої відрізняються від рядка й стовпця %1 на 0, 3 або 6, а центр цієї умови не задовольняє.</translation>
    </message>
    <message>
        <source>line %1 of the list of problems is not a problem</source>
        <extracomment>Why the list of problems cannot be read. %1 is the number of a line of the list&apos;s file, index.txt, that does not name a game file, a chance from 0 to 1, a number of moves and a name.</extracomment>
        <translation>рядок %1 у списку задач не описує задачу</translation>
    </message>
    <message>
        <source>the list of problems is too long</source>
        <extracomment>Why the list of problems cannot be read: its file, index.txt, is larger than any list of problems.</extracomment>
        <translation>список задач надто довгий</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>it is a link</source>
        <extracomment>Why the records file (or its lock) cannot be used; said inside a sentence about it.</extracomment>
        <translation>це посилання</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>файл належить іншому користувачеві</translation>
    </message>
    <message>
        <source>it is far too long</source>
        <translation>файл надто великий</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>файл пошкоджено</translation>
    </message>
    <message>
        <source>Your records in %1 could not be used (%2). The file was set aside as %3, and new records begin.</source>
        <extracomment>%1 the records file, %2 why it could not be used (a phrase such as &quot;it is damaged&quot;), %3 the name it was given.</extracomment>
        <translation>Не вдалося використати ваші рекорди у файлі %1 (%2). Файл перейменовано на %3, а рекорди починаються заново.</translation>
    </message>
    <message>
        <source>Your records in %1 cannot be used (%2), nor set aside (%3), so no game is recorded until it is moved.</source>
        <extracomment>%1 the records file, %2 why it cannot be used, %3 why it could not be renamed.</extracomment>
        <translation>Ваші рекорди у файлі %1 не можна ні використати (%2), ні перейменувати (%3), тому ігри не записуватимуться, доки цей файл не буде переміщено.</translation>
    </message>
    <message>
        <source>Your records could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 the records file, %2 why it could not be written.</extracomment>
        <translation>Не вдалося записати ваші рекорди.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>не вдається створити файл блокування</translation>
    </message>
    <message>
        <source>Your records are being written by another copy of Pebblenix; try again in a moment.</source>
        <translation>Ваші рекорди саме записує інший примірник Pebblenix; спробуйте ще раз за мить.</translation>
    </message>
    <message>
        <source>Another copy of Pebblenix keeps your records in %1 locked. The games that end are kept, and written as soon as it lets go.</source>
        <extracomment>Told once when a game has ended while another running copy of the game has kept the records file locked for some seconds. %1 is the records file.</extracomment>
        <translation>Файл ваших рекордів %1 заблоковано іншим примірником Pebblenix. Завершені ігри не пропадуть: їх буде записано, щойно блокування знімуть.</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Pebblenix kept the file locked until the end; games not recorded: %n</source>
        <extracomment>Why the records could not be written when the game closed: another copy of the game kept the file locked. %n is how many finished games are not recorded.</extracomment>
        <translation>
            <numerusform>файл до кінця залишався заблокованим іншим примірником Pebblenix; не записано ігор: %n</numerusform>
            <numerusform>файл до кінця залишався заблокованим іншим примірником Pebblenix; не записано ігор: %n</numerusform>
            <numerusform>файл до кінця залишався заблокованим іншим примірником Pebblenix; не записано ігор: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Your records in %1 were written by a newer version of Pebblenix, which this one cannot read. They are left as they are, and no game is recorded.</source>
        <extracomment>%1 the records file.</extracomment>
        <translation>Ваші рекорди у файлі %1 записано новішою версією Pebblenix, і ця версія не може їх прочитати. Файл залишено без змін, а ігри не записуватимуться.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>its folder does not exist</source>
        <translation>теки, вказаної в шляху до файлу, не існує</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <extracomment>%1 says why the table behind the hints cannot be used, for example that its file cannot be read or is damaged.</extracomment>
        <translation>pebblenix-solve: не вдається використати таблицю розв’язків: %1</translation>
    </message>
    <message>
        <source>One marble left, in the centre.</source>
        <extracomment>The last line after a list of jumps that ends with one marble in the centre hole.</extracomment>
        <translation>Залишилася одна кулька — у центрі.</translation>
    </message>
    <message>
        <source>pebblenix-solve: the output could not be written (%1)</source>
        <extracomment>Shown when the tool&apos;s answer could not be written out, for example to a full disk. %1 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>pebblenix-solve: не вдалося записати результат (%1)</translation>
    </message>
    <message>
        <source>One move</source>
        <extracomment>The last line after a line of play of one move that ends with one marble in the centre hole.</extracomment>
        <translation>Один хід</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <extracomment>The last line after a line of play that ends with one marble in the centre hole: its number of moves, each one marble&apos;s chain of jumps (never 1).</extracomment>
        <translation>
            <numerusform>%n хід</numerusform>
            <numerusform>%n ходи</numerusform>
            <numerusform>%n ходів</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: pebblenix-solve [--fewest-moves] FILE.pnx</source>
        <extracomment>Shown when the tool is started wrongly. FILE.pnx stands for the name of a game file; the command&apos;s name and its option stay as they are.</extracomment>
        <translation>використання: pebblenix-solve [--fewest-moves] ФАЙЛ.pnx</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>One marble can still finish in the centre.</source>
        <extracomment>The position editor&apos;s verdict on the board being set up.</extracomment>
        <translation>Ще можна залишити одну кульку в центрі.</translation>
    </message>
    <message>
        <source>One marble stands in the centre: this board is already solved.</source>
        <extracomment>The position editor&apos;s verdict on a board with one marble, in the centre.</extracomment>
        <translation>Єдина кулька стоїть у центрі: цю позицію вже розв’язано.</translation>
    </message>
    <message>
        <source>There are no marbles on the board.</source>
        <extracomment>The position editor&apos;s verdict on an empty board.</extracomment>
        <translation>На дошці немає кульок.</translation>
    </message>
    <message>
        <source>The only marble stands on %1, not in the centre, and a lone marble cannot jump.</source>
        <extracomment>The position editor&apos;s verdict on a board with one marble. %1 is its hole, a column letter and a row number such as &quot;d1&quot; (never translated).</extracomment>
        <translation>Єдина кулька стоїть у лунці %1, а не в центрі, і їй нема через що перестрибнути.</translation>
    </message>
    <message>
        <source>No series of jumps can leave one marble in the centre (the rule of three): colour the holes in three colours along the diagonals, either way; every jump changes the number of marbles on each colour by one, so whether each colour holds an odd or even number flips for all three at once, and from this board it never matches a lone marble in the centre.</source>
        <extracomment>The position editor&apos;s verdict. The rule of three is the usual name of this argument in peg solitaire; the three colours are stripes running along the diagonals of the board.</extracomment>
        <translation>Жодна послідовність стрибків не залишить одну кульку в центрі (правило трьох): розфарбуйте лунки трьома кольорами смугами вздовж діагоналей (будь-якого з двох напрямків); кожен стрибок змінює на одиницю кількість кульок кожного кольору, тож парність усіх трьох кількостей змінюється одночасно, і з цієї позиції вона ніколи не збіжеться з парністю для єдиної кульки в центрі.</translation>
    </message>
    <message>
        <source>The rule of three allows a finish in the centre, but no series of jumps from this board leads to one.</source>
        <extracomment>The position editor&apos;s verdict: the rule of three (see the other verdict) does not forbid a centre finish, but the exact search finds none.</extracomment>
        <translation>Правило трьох допускає фініш у центрі, але жодна послідовність стрибків із цієї позиції до нього не веде.</translation>
    </message>
    <message>
        <source>One marble can still finish in the centre, in one move.</source>
        <extracomment>The position editor&apos;s verdict when one move (one marble&apos;s jumps made one after another) leaves one marble in the centre.</extracomment>
        <translation>Ще можна залишити одну кульку в центрі — за один хід.</translation>
    </message>
    <message numerus="yes">
        <source>One marble can still finish in the centre, in %n moves at the fewest.</source>
        <extracomment>The position editor&apos;s verdict. A move is one marble&apos;s jumps made one after another; %n is the fewest moves that leave one marble in the centre, always more than one.</extracomment>
        <translation>
            <numerusform>Ще можна залишити одну кульку в центрі — щонайменше за %n хід.</numerusform>
            <numerusform>Ще можна залишити одну кульку в центрі — щонайменше за %n ходи.</numerusform>
            <numerusform>Ще можна залишити одну кульку в центрі — щонайменше за %n ходів.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>selected marble</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;): its marble is picked up, ready to jump.</extracomment>
        <translation>піднята кулька</translation>
    </message>
    <message>
        <source>marble</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;).</extracomment>
        <translation>кулька</translation>
    </message>
    <message>
        <source>empty, a jump here keeps the centre finish</source>
        <extracomment>What a screen reader says of a hole after its name (&quot;d4, empty, a jump here keeps the centre finish&quot;) when Show Jumps marks it: the picked-up marble can jump here, and the last marble can then still finish in the centre hole.</extracomment>
        <translation>порожня, стрибок сюди зберігає фініш у центрі</translation>
    </message>
    <message>
        <source>empty, a jump here loses the centre finish</source>
        <extracomment>As &quot;empty, a jump here keeps the centre finish&quot;, but after this jump the last marble can no longer finish in the centre hole.</extracomment>
        <translation>порожня, після стрибка сюди фініш у центрі буде втрачено</translation>
    </message>
    <message>
        <source>empty, the picked-up marble can jump here</source>
        <extracomment>As &quot;empty, a jump here keeps the centre finish&quot;, when the game cannot tell whether the jump keeps a finish in the centre (its table of solutions is missing).</extracomment>
        <translation>порожня, сюди може перестрибнути піднята кулька</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;): it holds no marble.</extracomment>
        <translation>порожня</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardWidget</name>
    <message>
        <source>There is no marble on %1 to jump.</source>
        <extracomment>What a screen reader says when Shift and an arrow key are pressed on an empty hole; %1 names the hole (&quot;d4&quot;).</extracomment>
        <translation>У лунці %1 немає кульки для стрибка.</translation>
    </message>
    <message>
        <source>The marble on %1 cannot jump that way.</source>
        <extracomment>What a screen reader says when Shift and an arrow key ask for a jump the board does not allow; %1 names the hole (&quot;d4&quot;).</extracomment>
        <translation>Кулька з лунки %1 не може перестрибнути в цей бік.</translation>
    </message>
    <message numerus="yes">
        <source>The marble on %1 jumped over %2 to %3. %n marbles left.</source>
        <translation>
            <numerusform>Кулька з лунки %1 перестрибнула через %2 у %3. Залишилася %n кулька.</numerusform>
            <numerusform>Кулька з лунки %1 перестрибнула через %2 у %3. Залишилося %n кульки.</numerusform>
            <numerusform>Кулька з лунки %1 перестрибнула через %2 у %3. Залишилося %n кульок.</numerusform>
        </translation>
    </message>
    <message>
        <source>The marble on %1 jumped over %2 to %3. One marble is left.</source>
        <extracomment>What a screen reader says after Shift and an arrow key made a jump: %1 the hole the marble left, %2 the one it jumped over, %3 the one it landed on (&quot;d2&quot;, &quot;d3&quot;, &quot;d4&quot;); %n the marbles now on the board, always more than one.</extracomment>
        <translation>Кулька з лунки %1 перестрибнула через %2 у %3. Залишилася одна кулька.</translation>
    </message>
</context>
<context>
    <name>pebblenix::ChallengeCommands</name>
    <message>
        <source>%1 - %2</source>
        <extracomment>The main window&apos;s title while a problem is played: %1 is what is played (&quot;Cross&quot;, &quot;Today&apos;s Problem (Hard)&quot;), %2 the program&apos;s name.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Today&apos;s Problem (%1)</source>
        <extracomment>The main window&apos;s title names it so while it is played. %1 is its grade, such as &quot;Hard&quot;.</extracomment>
        <translation>Задача дня (%1)</translation>
    </message>
    <message>
        <source>The position could not be saved.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the game file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Не вдалося зберегти позицію.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>&amp;Problems…</source>
        <extracomment>Opens the list of problems: shapes of marbles to reduce to one marble in the centre.</extracomment>
        <translation>Зада&amp;чі…</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Problem</source>
        <extracomment>Starts the problem of the day, the same for every player that day.</extracomment>
        <translation>Задача &amp;дня</translation>
    </message>
    <message>
        <source>Set Up Pos&amp;ition…</source>
        <extracomment>Opens a board on which the player puts and takes marbles, to play from there.</extracomment>
        <translation>Розс&amp;тавити позицію…</translation>
    </message>
</context>
<context>
    <name>pebblenix::GameSession</name>
    <message>
        <source>The move was not made, because the undo file could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the undo file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Стрибок не зроблено, бо не вдалося записати файл скасування.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the undo file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Гру не повернуто назад, бо не вдалося записати файл скасування.<byte value="xd"/>
%1: %2.</translation>
    </message>
</context>
<context>
    <name>pebblenix::HowToPlayDialog</name>
    <message>
        <source>How to Play</source>
        <extracomment>The title of Help &gt; How to Play.</extracomment>
        <translation>Як грати</translation>
    </message>
    <message>
        <source>The game</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Гра</translation>
    </message>
    <message>
        <source>Pebblenix is peg solitaire on a board of 33 holes in the shape of a cross. A new game has a marble in every hole but the centre one.</source>
        <extracomment>How to Play, on the rules. Each paragraph is translated whole; the menu names in these paragraphs are the menus&apos; own, as translated.</extracomment>
        <translation>Pebblenix — це солітер на хрестоподібній дошці з 33 лунками. На початку нової гри кульки стоять у всіх лунках, крім центральної.</translation>
    </message>
    <message>
        <source>A marble jumps over a marble beside it, in its row or its column, into the empty hole just beyond, and the marble it jumped over is taken off the board. Marbles never jump diagonally.</source>
        <translation>Кулька перестрибує через сусідню кульку в тому самому рядку чи стовпці в порожню лунку одразу за нею, а кульку, через яку вона перестрибнула, знімають із дошки. По діагоналі кульки не стрибають.</translation>
    </message>
    <message>
        <source>The game is over when no jump is left. The fewer marbles are left, the better: one marble left in the centre hole wins the game.</source>
        <translation>Гра закінчується, коли не залишається жодного стрибка. Що менше кульок залишилося, то краще: одна кулька в центральній лунці — це перемога.</translation>
    </message>
    <message>
        <source>The clock counts down 120 seconds from your first click on the board. It only tells you how fast you are: when it shows TimeOut!!, you can play on.</source>
        <extracomment>&quot;TimeOut!!&quot; is what the clock shows, the same in every language.</extracomment>
        <translation>Годинник відлічує 120 секунд від вашого першого клацання на дошці. Він лише показує, як швидко ви граєте: коли на ньому з’явиться TimeOut!!, можна грати далі.</translation>
    </message>
    <message>
        <source>Moving a marble</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Як стрибати кулькою</translation>
    </message>
    <message>
        <source>With the mouse, click a marble to pick it up, then click the empty hole two holes away where it should land. A click anywhere else puts it down again. You can also drag a marble onto the hole it jumps to.</source>
        <translation>Мишею: клацніть кульку, щоб підняти її, а потім клацніть порожню лунку через одну, куди вона має перестрибнути. Клацання в будь-якому іншому місці кладе її назад. Кульку можна також перетягнути в лунку, куди вона стрибає.</translation>
    </message>
    <message>
        <source>With the keyboard, the arrow keys move a dashed box from hole to hole, and Space or Enter acts as a click on the hole in the box. Shift and an arrow key jump the marble in the box two holes that way at once, and the box goes with it: Shift+Down on d2 jumps it over d3 to d4. A screen reader says what each jump did.</source>
        <extracomment>Shift and the arrow keys jump a marble; the arrow keys alone move the box.</extracomment>
        <translation>Клавіатурою: клавіші зі стрілками пересувають пунктирну рамку від лунки до лунки, а пробіл або Enter діє як клацання на лунці в рамці. Shift зі стрілкою одразу переносить кульку з рамки стрибком на дві лунки в той бік, і рамка переходить разом із нею: Shift+стрілка вниз на d2 перестрибує нею через d3 у d4. Програма читання з екрана повідомляє, що зробив кожен стрибок.</translation>
    </message>
    <message>
        <source>The holes are named by their column, a to g from the left, and their row, 1 to 7 from the top, so d4 is the centre; hints and lists name a jump by its two holes, as in d2 -&gt; d4. View ▸ Show Coordinates shows the letters and numbers beside the board.</source>
        <translation>Лунки названо за стовпцем (від a до g зліва направо) і рядком (від 1 до 7 згори донизу), тож d4 — це центр; підказки й списки називають стрибок двома його лунками, наприклад d2 -&gt; d4. Вигляд ▸ Показувати координати показує ці літери й цифри біля дошки.</translation>
    </message>
    <message>
        <source>The marks on the board</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Позначки на дошці</translation>
    </message>
    <message>
        <source>With View ▸ Show Jumps on, the marble you pick up has a ring round it, and each hole it can jump to is marked:</source>
        <translation>Коли ввімкнено Вигляд ▸ Показувати стрибки, піднята кулька обведена кільцем, а кожну лунку, куди вона може перестрибнути, позначено:</translation>
    </message>
    <message>
        <source>The picked-up marble, ringed.</source>
        <translation>Піднята кулька в кільці.</translation>
    </message>
    <message>
        <source>A ring with a tick: after this jump the last marble can still finish in the centre.</source>
        <extracomment>What Show Jumps&apos; ring with a tick means.</extracomment>
        <translation>Кільце з галочкою: після цього стрибка остання кулька ще може фінішувати в центрі.</translation>
    </message>
    <message>
        <source>A cross: this jump loses the finish in the centre.</source>
        <extracomment>What Show Jumps&apos; cross means.</extracomment>
        <translation>Хрестик: після цього стрибка фініш у центрі буде втрачено.</translation>
    </message>
    <message>
        <source>A small dot: the marble can jump here, but whether that keeps the finish is not known yet, while the table of solutions loads or when it cannot be read.</source>
        <extracomment>What Show Jumps&apos; small dot means.</extracomment>
        <translation>Маленька крапка: кулька може перестрибнути сюди, але чи збереже це фініш, поки невідомо — доки завантажується таблиця розв’язків або якщо її не вдається прочитати.</translation>
    </message>
    <message>
        <source>A framed hole: one of the two holes of the jump chosen in Review Game or Winning Line.</source>
        <extracomment>The frame round the two holes of a jump chosen in a list.</extracomment>
        <translation>Лунка в рамці: одна з двох лунок стрибка, вибраного у вікні «Розбір гри» чи «Шлях до перемоги».</translation>
    </message>
    <message>
        <source>Help when you want it</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Допомога, коли вона потрібна</translation>
    </message>
    <message>
        <source>Every help the game gives is exact: it knows for every position whether the last marble can still finish in the centre. A game finished after a hint, a rewind, Review Game, Winning Line or Show Jumps&apos; marks counts as played with help.</source>
        <translation>Уся допомога гри точна: для кожної позиції гра знає, чи може остання кулька ще фінішувати в центрі. Гру, завершену після підказки, повернення, розбору гри, шляху до перемоги чи позначок «Показувати стрибки», зараховують як зіграну з допомогою.</translation>
    </message>
    <message>
        <source>Game ▸ Hint (Ctrl+H) picks up a marble whose jump keeps the centre finish and blinks the hole it should jump to, or says that no such finish is left.</source>
        <translation>Гра ▸ Підказка (Ctrl+H) піднімає кульку, стрибок якої зберігає фініш у центрі, і змушує блимати лунку, куди їй слід перестрибнути, або повідомляє, що такого фінішу вже не буде.</translation>
    </message>
    <message>
        <source>Game ▸ Review Game lists your jumps and shows the one after which the centre finish was lost, with a jump that would have kept it. Go Back to Before This Jump takes the board back to the chosen row.</source>
        <translation>Гра ▸ Розбір гри показує список ваших стрибків і той, після якого фініш у центрі було втрачено, разом зі стрибком, що зберіг би його. Кнопка «Повернутися до позиції перед цим стрибком» повертає дошку до вибраного рядка.</translation>
    </message>
    <message>
        <source>Game ▸ Rewind to Last Winnable Position (Ctrl+R) takes the board back to just before the jump that lost the centre finish. Undo (Ctrl+Z) takes back the last jump, or the rewind.</source>
        <translation>Гра ▸ Повернутися до останньої виграшної позиції (Ctrl+R) повертає дошку до позиції перед стрибком, яким втрачено фініш у центрі. Гра ▸ Скасувати (Ctrl+Z) скасовує останній стрибок або таке повернення.</translation>
    </message>
    <message>
        <source>Game ▸ Winning Line (Ctrl+L) lists the jumps that take the board in front of you to one marble in the centre; Play Next Jump makes the first of them. Its Fewest Moves choice shows a line with the fewest moves, a run of jumps by one marble counting as one move.</source>
        <translation>Гра ▸ Шлях до перемоги (Ctrl+L) показує стрибки, що ведуть від позиції на дошці до однієї кульки в центрі; кнопка «Зробити наступний стрибок» робить перший із них. Варіант «Найменше ходів» показує шлях із найменшою кількістю ходів, де серія стрибків однієї кульки вважається одним ходом.</translation>
    </message>
    <message>
        <source>View ▸ Show Moves shows the moves you have made and the fewest moves that can still finish in the centre.</source>
        <translation>Вигляд ▸ Показувати ходи показує, скільки ходів ви зробили і за скільки ходів щонайменше ще можна фінішувати в центрі.</translation>
    </message>
    <message>
        <source>Game ▸ Tell Me When It Ends says when no jump is left and how many marbles remain, and stops the clock at the end of every game.</source>
        <translation>Якщо ввімкнено Гра ▸ Повідомляти про кінець гри, програма каже, коли не залишилося жодного стрибка і скільки кульок лишилося, а наприкінці кожної гри зупиняє годинник.</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Game ▸ Records shows the games you have played, those finished in the centre, your best finish and your fastest centre finish. The bests of games played with help are kept apart from the others.</source>
        <translation>Гра ▸ Рекорди показує, скільки ігор ви зіграли і скільки з них завершили фінішем у центрі, ваш найкращий результат і найшвидший фініш у центрі. Рекорди ігор, зіграних із допомогою, зберігаються окремо від інших.</translation>
    </message>
    <message>
        <source>Problems</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>Задачі</translation>
    </message>
    <message>
        <source>Game ▸ Problems offers positions to bring down to one marble in the centre, from easy to very hard. Game ▸ Set Up Position lets you place the marbles yourself, and Game ▸ Today&apos;s Problem is a new problem every day, the same for every player. The same exact help works on all of them.</source>
        <translation>Гра ▸ Задачі пропонує позиції, які треба звести до однієї кульки в центрі, від легких до дуже складних. Гра ▸ Розставити позицію дає змогу розставити кульки самостійно, а Гра ▸ Задача дня — це щодня нова задача, однакова для всіх. Та сама точна допомога діє в усіх них.</translation>
    </message>
</context>
<context>
    <name>pebblenix::JumpListDialog</name>
    <message>
        <source>No.</source>
        <extracomment>The columns of Review Game and Winning Line: the jump&apos;s number (1, 2, ...),</extracomment>
        <translation>№</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>the jump (&quot;d2 -&gt; d4&quot;: column letter and row number of the two holes),</extracomment>
        <translation>Стрибок</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <extracomment>and the marbles left on the board after it.</extracomment>
        <translation>Залишилося кульок</translation>
    </message>
</context>
<context>
    <name>pebblenix::ProblemsDialog</name>
    <message>
        <source>Problems</source>
        <extracomment>The title of the list of problems.
----------
The list&apos;s name for a screen reader.</extracomment>
        <translation>Задачі</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>The columns of the list of problems: the problem&apos;s name, its grade (Easy to Master), the marbles it starts with, the fewest moves that solve it (a move is one marble&apos;s jumps one after another), and whether the player has solved it.</extracomment>
        <translation>Задача</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Складність</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Кульок</translation>
    </message>
    <message>
        <source>Fewest Moves</source>
        <translation>Найменше ходів</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Розв’язано</translation>
    </message>
    <message>
        <source>Full Board, %1 Empty</source>
        <extracomment>A row of the list of problems: the full board with one hole empty, from which the last marble can never finish in the centre. %1 is the hole, such as &quot;c1&quot; (never translated).</extracomment>
        <translation>Повна дошка, %1 порожня</translation>
    </message>
    <message>
        <source>No centre finish</source>
        <extracomment>Shown in the Grade column of a start that cannot be solved.</extracomment>
        <translation>Без фінішу в центрі</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>Starts the chosen problem, as Game &gt; New starts a game.</extracomment>
        <translation>&amp;Грати</translation>
    </message>
    <message>
        <source>Next &amp;Unsolved</source>
        <extracomment>Goes to the next problem in the list not yet solved without help.</extracomment>
        <translation>&amp;Наступна нерозв’язана</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Ще ні</translation>
    </message>
    <message numerus="yes">
        <source>In %n moves</source>
        <extracomment>In the Solved column: the player solved the problem without help, in %n moves at the fewest (never fewer than 5, so English needs no singular).</extracomment>
        <translation>
            <numerusform>За %n хід</numerusform>
            <numerusform>За %n ходи</numerusform>
            <numerusform>За %n ходів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With help, in %n moves</source>
        <extracomment>In the Solved column: solved only with help (a hint, the winning line...).</extracomment>
        <translation>
            <numerusform>З допомогою, за %n хід</numerusform>
            <numerusform>З допомогою, за %n ходи</numerusform>
            <numerusform>З допомогою, за %n ходів</numerusform>
        </translation>
    </message>
    <message>
        <source>Jumps made at random finish in the centre about once in %1 games.</source>
        <extracomment>%1 is a large number, such as &quot;64&quot; or &quot;74,000,000&quot;: how many games of random jumps it takes on average to see one finish in the centre.</extracomment>
        <translation>Випадкові стрибки завершуються фінішем у центрі приблизно в одній грі з %1.</translation>
    </message>
    <message numerus="yes">
        <source>You solved it without help in %n moves, on %1.</source>
        <extracomment>%1 the date.</extracomment>
        <translation>
            <numerusform>Ви розв’язали її без допомоги за %n хід, %1.</numerusform>
            <numerusform>Ви розв’язали її без допомоги за %n ходи, %1.</numerusform>
            <numerusform>Ви розв’язали її без допомоги за %n ходів, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You solved it with help in %n moves, on %1.</source>
        <extracomment>With help: after a hint, the winning line, Review Game or a rewind. %1 the date.</extracomment>
        <translation>
            <numerusform>Ви розв’язали її з допомогою за %n хід, %1.</numerusform>
            <numerusform>Ви розв’язали її з допомогою за %n ходи, %1.</numerusform>
            <numerusform>Ви розв’язали її з допомогою за %n ходів, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have solved every problem without help.</source>
        <extracomment>Next Unsolved found no problem left to solve without help.</extracomment>
        <translation>Ви розв’язали без допомоги всі задачі.</translation>
    </message>
    <message>
        <source>The list of problems cannot be read.</source>
        <extracomment>Above the reason, a file&apos;s path and what is wrong with it.</extracomment>
        <translation>Не вдається прочитати список задач.</translation>
    </message>
</context>
<context>
    <name>pebblenix::RecordsDialog</name>
    <message>
        <source>None yet</source>
        <translation>Поки немає</translation>
    </message>
    <message>
        <source>The last marble in the centre, on %1</source>
        <extracomment>%1 the date.</extracomment>
        <translation>Остання кулька в центрі, %1</translation>
    </message>
    <message>
        <source>One marble, not in the centre, on %1</source>
        <extracomment>%1 the date.</extracomment>
        <translation>Одна кулька, не в центрі, %1</translation>
    </message>
    <message numerus="yes">
        <source>%n marbles left, on %1</source>
        <extracomment>%n the marbles left on a board with no jump left, %1 the date.</extracomment>
        <translation>
            <numerusform>Залишилася %n кулька, %1</numerusform>
            <numerusform>Залишилося %n кульки, %1</numerusform>
            <numerusform>Залишилося %n кульок, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Over time, on %1</source>
        <extracomment>The clock had run out before the centre finish; %1 the date.</extracomment>
        <translation>Після закінчення часу, %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of 120 seconds, on %1</source>
        <extracomment>%n seconds of the game&apos;s 120-second clock, %1 the date.</extracomment>
        <translation>
            <numerusform>%n з 120 секунд, %1</numerusform>
            <numerusform>%n з 120 секунд, %1</numerusform>
            <numerusform>%n з 120 секунд, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Зіграно ігор:</translation>
    </message>
    <message>
        <source>Finished in the centre:</source>
        <translation>Фінішів у центрі:</translation>
    </message>
    <message>
        <source>Best finish:</source>
        <translation>Найкращий результат:</translation>
    </message>
    <message>
        <source>Best finish with help:</source>
        <extracomment>With help: after a hint, a rewind, Review Game or the winning line.</extracomment>
        <translation>Найкращий результат із допомогою:</translation>
    </message>
    <message>
        <source>Fastest centre finish:</source>
        <translation>Найшвидший фініш у центрі:</translation>
    </message>
    <message>
        <source>Fastest with help:</source>
        <translation>Найшвидший фініш із допомогою:</translation>
    </message>
    <message>
        <source>&amp;Reset Records…</source>
        <translation>&amp;Скинути рекорди…</translation>
    </message>
    <message>
        <source>Reset all your records? They cannot be brought back.</source>
        <translation>Скинути всі ваші рекорди? Їх не можна буде відновити.</translation>
    </message>
    <message>
        <source>Problems solved:</source>
        <extracomment>Problems of Game &gt; Problems finished with one marble in the centre.</extracomment>
        <translation>Розв’язано задач:</translation>
    </message>
    <message>
        <source>Today&apos;s Problem, days in a row:</source>
        <extracomment>Today&apos;s Problem solved on this many days in a row, up to today or yesterday.</extracomment>
        <translation>Задача дня, днів поспіль:</translation>
    </message>
    <message>
        <source>%1, of which %2 without help</source>
        <extracomment>%1 how many problems the player has solved, %2 how many of them without help.</extracomment>
        <translation>%1, з них %2 без допомоги</translation>
    </message>
    <message numerus="yes">
        <source>%n (your longest run: %1)</source>
        <extracomment>%n the days in a row up to today, %1 the most days in a row so far.</extracomment>
        <translation>
            <numerusform>%n (найдовша серія: %1)</numerusform>
            <numerusform>%n (найдовша серія: %1)</numerusform>
            <numerusform>%n (найдовша серія: %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <extracomment>The title of the window that lists the game&apos;s jumps (Game &gt; Review Game).</extracomment>
        <translation>Розбір гри</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <extracomment>Review Game&apos;s last column: whether the last marble could still finish in the centre after the jump.</extracomment>
        <translation>Фініш у центрі</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <extracomment>Review Game&apos;s button: takes the board back to before the selected jump.</extracomment>
        <translation>&amp;Повернутися до позиції перед цим стрибком</translation>
    </message>
    <message>
        <source>possible</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column.</extracomment>
        <translation>можливий</translation>
    </message>
    <message>
        <source>not possible</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column.</extracomment>
        <translation>неможливий</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column, in bold, beside the jump after which the last marble could no longer finish in the centre.</extracomment>
        <translation>втрачений цим стрибком</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <extracomment>A tooltip on the jump that lost the centre finish; %1 is a jump that would have kept it (&quot;d2 -&gt; d4&quot;).</extracomment>
        <translation>Стрибок %1 зберіг би фініш у центрі.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2 would have kept it.</source>
        <extracomment>What a screen reader says of the jump that lost the centre finish (%1, &quot;d4 -&gt; b4&quot;), with one that would have kept it (%2).</extracomment>
        <translation>%1 — стрибок, яким втрачено фініш у центрі. Стрибок %2 зберіг би його.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish.</source>
        <extracomment>What a screen reader says of the jump that lost the centre finish (%1, &quot;d4 -&gt; b4&quot;).</extracomment>
        <translation>%1 — стрибок, яким втрачено фініш у центрі.</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <extracomment>Review Game&apos;s summary above the list.</extracomment>
        <translation>Відтоді як цю позицію встановлено, не зроблено жодного стрибка.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish. %3 would have kept it.</source>
        <extracomment>Review Game&apos;s summary above the list: %1 is the jump&apos;s number in the game, %2 the jump (&quot;d4 -&gt; b4&quot;), %3 a jump that would have kept the finish.</extracomment>
        <translation>Стрибком %1 (%2) втрачено фініш у центрі. Стрибок %3 зберіг би його.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <extracomment>Review Game&apos;s summary above the list: %1 is the jump&apos;s number in the game, %2 the jump (&quot;d4 -&gt; b4&quot;).</extracomment>
        <translation>Стрибком %1 (%2) втрачено фініш у центрі.</translation>
    </message>
</context>
<context>
    <name>pebblenix::SetUpDialog</name>
    <message>
        <source>Set Up Position</source>
        <extracomment>The title of the position editor, where the player puts and takes marbles.</extracomment>
        <translation>Розстановка позиції</translation>
    </message>
    <message>
        <source>Board to set up</source>
        <extracomment>The board of the position editor, for a screen reader: a click, Space or Enter on a hole puts a marble in it or takes it out.</extracomment>
        <translation>Дошка для розстановки</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>Takes every marble off the board being set up.</extracomment>
        <translation>&amp;Очистити</translation>
    </message>
    <message>
        <source>&amp;Full</source>
        <extracomment>Puts a marble in every hole of the board being set up.</extracomment>
        <translation>&amp;Заповнити</translation>
    </message>
    <message>
        <source>&amp;Play From Here</source>
        <extracomment>Starts a game from the board set up, as Game &gt; New starts one.</extracomment>
        <translation>&amp;Грати звідси</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <extracomment>Saves the board set up as a game file.</extracomment>
        <translation>Зберегти &amp;як…</translation>
    </message>
    <message numerus="yes">
        <source>Marbles on the board: %n</source>
        <extracomment>Above the verdict of the position editor: how many marbles the board holds.</extracomment>
        <translation>
            <numerusform>Кульок на дошці: %n</numerusform>
            <numerusform>Кульок на дошці: %n</numerusform>
            <numerusform>Кульок на дошці: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::WindowExtras</name>
    <message>
        <source>Tell Me &amp;When It Ends</source>
        <extracomment>A Game menu option, off until chosen: when no jump is left the game says so, and the clock stops at the end of every game.</extracomment>
        <translation>Повідомляти про кінець &amp;гри</translation>
    </message>
    <message>
        <source>When no jump is left, says so and how many marbles remain; at the end of every game the clock stops.</source>
        <extracomment>The tip of Game &gt; Tell Me When It Ends.</extracomment>
        <translation>Коли не залишається жодного стрибка, повідомляє про це й про кількість кульок, що лишилися; наприкінці кожної гри годинник зупиняється.</translation>
    </message>
    <message>
        <source>Marks the holes the picked-up marble can jump to: a ring with a tick where the jump keeps a finish with the last marble in the centre possible, a cross where it loses it, and a small dot while the game cannot tell. The picked-up marble has a ring round it.</source>
        <extracomment>The tip of View &gt; Show Jumps: the marks differ by shape.</extracomment>
        <translation>Позначає лунки, куди може перестрибнути піднята кулька: кільце з галочкою — стрибок зберігає можливість завершити гру з останньою кулькою в центрі, хрестик — стрибок цю можливість втрачає, маленька крапка — гра поки не може цього визначити. Піднята кулька обведена кільцем.</translation>
    </message>
    <message>
        <source>Show &amp;Coordinates</source>
        <extracomment>A View menu option: the columns&apos; letters and the rows&apos; numbers around the board.</extracomment>
        <translation>Показувати &amp;координати</translation>
    </message>
    <message>
        <source>Shows the columns&apos; letters, a to g, and the rows&apos; numbers, 1 to 7, around the board: the names hints and lists give the holes.</source>
        <extracomment>The tip of View &gt; Show Coordinates.</extracomment>
        <translation>Показує навколо дошки літери стовпців (від a до g) і номери рядків (від 1 до 7) — назви лунок, якими користуються підказки й списки.</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <extracomment>Opens the rules and the ways to play, with what each mark on the board means.</extracomment>
        <translation>&amp;Як грати</translation>
    </message>
    <message numerus="yes">
        <source>No jump is left: %n marbles remain.</source>
        <extracomment>Told when Game &gt; Tell Me When It Ends is on and a jump leaves no jump on the board; %n the marbles left, always more than one.</extracomment>
        <translation>
            <numerusform>Стрибків більше немає: залишилася %n кулька.</numerusform>
            <numerusform>Стрибків більше немає: залишилося %n кульки.</numerusform>
            <numerusform>Стрибків більше немає: залишилося %n кульок.</numerusform>
        </translation>
    </message>
    <message>
        <source>The Game menu&apos;s setting could not be saved, so the next game opens with the one stored before.<byte value="xd"/>
%1.</source>
        <extracomment>After a change of Game &gt; Tell Me When It Ends. %1 says which file could not be written and why.</extracomment>
        <translation>Не вдалося зберегти параметр меню «Гра», тому наступна гра відкриється з попереднім збереженим значенням.<byte value="xd"/>
%1.</translation>
    </message>
</context>
<context>
    <name>pebblenix::WinningLineDialog</name>
    <message>
        <source>Winning Line</source>
        <translation>Шлях до перемоги</translation>
    </message>
    <message>
        <source>&amp;Play Next Jump</source>
        <translation>&amp;Зробити наступний стрибок</translation>
    </message>
    <message>
        <source>Rewind to Last Winnable Position (Ctrl+R) goes back to before the jump that lost it.</source>
        <translation>Команда «Повернутися до останньої виграшної позиції» (Ctrl+R) поверне гру в стан перед стрибком, яким цю можливість було втрачено.</translation>
    </message>
    <message numerus="yes">
        <source>Jumps to the last marble in the centre: %n</source>
        <extracomment>Above the list of jumps; the number of jumps comes last.</extracomment>
        <translation>
            <numerusform>Стрибків до останньої кульки в центрі: %n</numerusform>
            <numerusform>Стрибків до останньої кульки в центрі: %n</numerusform>
            <numerusform>Стрибків до останньої кульки в центрі: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <extracomment>A placeholder title the About box has while it is built; &quot;About Pebblenix&quot; replaces it before the box is shown.</extracomment>
        <translation>Про MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s button that closes it.</extracomment>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>The About box&apos;s button that starts the system&apos;s information tool.</extracomment>
        <translation>&amp;Відомості про систему…</translation>
    </message>
    <message>
        <source>Author</source>
        <extracomment>The About box&apos;s label before the authors&apos; name.</extracomment>
        <translation>Автори</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <extracomment>The About box&apos;s authors&apos; name, in a box of its own beside &quot;Author&quot;.</extracomment>
        <translation>Розробники Pebblenix</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <extracomment>The About box&apos;s distribution notice, one paragraph; it wraps in the box.</extracomment>
        <translation>Pebblenix можна вільно копіювати й передавати іншим, якщо він поширюється повністю й без змін, разом із цим повідомленням, і ніхто не бере за нього плати.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <extracomment>In the About box, above the developers&apos; postal address (kept in English).</extracomment>
        <translation>Пишіть розробникам Pebblenix за адресою:</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <extracomment>In the About box; keep the number as it is.</extracomment>
        <translation>Телефон: +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <extracomment>In the About box; keep the address as it is.</extracomment>
        <translation>Ел. пошта: pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <extracomment>In the About box; keep the address as it is.</extracomment>
        <translation>Сайт: https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <extracomment>The About box&apos;s title.</extracomment>
        <translation>Про Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <extracomment>A message box when the About box&apos;s System Info button finds no system-information tool to start (on Linux: no desktop&apos;s own tool is installed).</extracomment>
        <translation>Відомості про систему зараз недоступні</translation>
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
        <translation>Збережений колір кульок не вдається ні використати, ні вилучити, тому гра почнеться з темно-синіми кульками.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <extracomment>Shown when the stored marble colour cannot be used; the game then ends. The English misspelling is kept as written on purpose.</extracomment>
        <translation>Сталася невідома помилка.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <extracomment>Asked with Yes and No before the game window closes: Yes closes it.</extracomment>
        <translation>Уже набридло?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <extracomment>Asked with Yes and No by Game &gt; New, and by a colour chosen during a game.</extracomment>
        <translation>Почати нову гру?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <extracomment>%1 names the settings file and why it cannot be written.</extracomment>
        <translation>Не вдалося зберегти колір кульок, тому гра триває з поточним кольором.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <extracomment>The title of the two messages at the end of a game.</extracomment>
        <translation>Вітаємо</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <extracomment>The last marble stands in the centre. The capitals and the space at the end are kept as written on purpose.</extracomment>
        <translation>Ви виграли!</translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <extracomment>One marble is left, but not in the centre. The line break, the double space and the spelling are kept as written on purpose.</extracomment>
        <translation>Добре зіграно! Спробуйте залишити останню кульку<byte value="xd"/>
в центральній лунці.</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the game file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Не вдалося зберегти гру.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <extracomment>%1 says why the table of solutions (a file installed with the game) cannot be used.</extracomment>
        <translation>Підказки недоступні, бо не вдається використати таблицю розв’язків.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <extracomment>Game &gt; Rewind: no jump lost the centre finish, because there never was one.</extracomment>
        <translation>Ця гра почалася з позиції, з якої неможливо завершити її з останньою кулькою в центрі, тож повертатися нема до чого.</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <extracomment>The first of twelve marble colours in Game &gt; Marble Color. The letter after &amp; is its access key: each colour needs its own, typed without AltGr.</extracomment>
        <translation>&amp;Білий</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Синій</translation>
    </message>
    <message>
        <source>&amp;Dark Blue</source>
        <translation>&amp;Темно-синій</translation>
    </message>
    <message>
        <source>&amp;Sky Blue</source>
        <translation>Бл&amp;акитний</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Зелений</translation>
    </message>
    <message>
        <source>&amp;Military Green</source>
        <translation>&amp;Хакі</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Жовтий</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>&amp;Рожевий</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Червоний</translation>
    </message>
    <message>
        <source>Purp&amp;le</source>
        <translation>&amp;Фіолетовий</translation>
    </message>
    <message>
        <source>Br&amp;own</source>
        <translation>&amp;Коричневий</translation>
    </message>
    <message>
        <source>Blac&amp;k</source>
        <translation>Ч&amp;орний</translation>
    </message>
    <message>
        <source>Pebblenix Files (*.pnx)</source>
        <extracomment>The file type in the Open and Save dialogs; keep &quot;(*.pnx)&quot; as it is.</extracomment>
        <translation>Файли Pebblenix (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <extracomment>The caption above the marble count in the main window: two lines of about ten characters, three at most.</extracomment>
        <translation>Кульок на дошці</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <extracomment>The caption above the countdown clock in the main window: one line of about thirteen characters, two at most.</extracomment>
        <translation>Залишок часу</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>The first menu of the menu bar. The letter after &amp; is the access key (Alt and that letter): the menu bar&apos;s keys and each menu&apos;s keys must differ from one another and be typed without AltGr.</extracomment>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Відкрити</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Зберегти &amp;як</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Підказка</translation>
    </message>
    <message>
        <source>&amp;Rewind to Last Winnable Position</source>
        <extracomment>Takes the board back to just before the jump after which the last marble could no longer finish in the centre.</extracomment>
        <translation>Повернутися до &amp;останньої виграшної позиції</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <extracomment>Opens a list of the game&apos;s jumps that shows which one lost the centre finish.</extracomment>
        <translation>&amp;Розбір гри…</translation>
    </message>
    <message>
        <source>Winning &amp;Line…</source>
        <translation>&amp;Шлях до перемоги…</translation>
    </message>
    <message>
        <source>R&amp;ecords…</source>
        <translation>Р&amp;екорди…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <extracomment>A submenu of Game: the twelve marble colours.</extracomment>
        <translation>&amp;Колір кульок</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ви&amp;йти</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Збільшити</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>З&amp;меншити</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Справжній розмір</translation>
    </message>
    <message>
        <source>Show &amp;Jumps</source>
        <translation>Показувати с&amp;трибки</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The last menu of the menu bar; its access key must differ from Game&apos;s and View&apos;s.</extracomment>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>&amp;Про Pebblenix</translation>
    </message>
    <message>
        <source>The View menu&apos;s setting could not be saved, so the next game opens with the one stored before.<byte value="xd"/>
%1.</source>
        <extracomment>After a change in the View menu (the zoom, Show Jumps, Show Coordinates). %1 says which file could not be written and why.</extracomment>
        <translation>Не вдалося зберегти параметр меню «Вигляд», тому наступна гра відкриється з попереднім збереженим значенням.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Show &amp;Moves</source>
        <extracomment>Shows below the board the moves made and the fewest moves that still finish.</extracomment>
        <translation>Показувати &amp;ходи</translation>
    </message>
    <message>
        <source>Shows the moves made, a chain of jumps by one marble counting once, and the fewest moves that still finish with the last marble in the centre.</source>
        <extracomment>Shown as the tip of the View menu&apos;s Show Moves item.</extracomment>
        <translation>Показує зроблені ходи (серія стрибків однієї кульки вважається одним ходом) і найменшу кількість ходів, за яку ще можна завершити гру з останньою кулькою в центрі.</translation>
    </message>
</context>
</TS>
