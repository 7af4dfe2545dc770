<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <extracomment>Why a file could not be written: a folder has the file&apos;s name.</extracomment>
        <translation>已存在同名文件夹</translation>
    </message>
    <message>
        <source>%1 is a link owned by another user, so nothing is written through it</source>
        <extracomment>Why a file was not written. %1 is the path of a link that another user of the computer made, which could point at any of the player&apos;s files.</extracomment>
        <translation>%1 是属于其他用户的链接，因此不会经由它写入任何内容</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file was not read or written: it is a FIFO, a device or the like.</extracomment>
        <translation>不是普通文件</translation>
    </message>
    <message numerus="yes">
        <source>only %1 of the %n bytes could be written; the disk may be full</source>
        <translation>
            <numerusform>共 %n 字节，只写入了 %1 字节；磁盘可能已满</numerusform>
        </translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>这是文件夹，而不是文件</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why a setting (the marble colour, the zoom) could not be saved. %1 is the path of the settings folder.</extracomment>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <extracomment>Why a setting could not be saved. %1 is the path of the settings file, %2 the reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>无法写入 %1（%2）</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>Why the stored marble colour cannot be removed. %1 is the path of the settings file.</extracomment>
        <translation>%1 是文件夹</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <extracomment>Why the stored marble colour cannot be removed. %1 is the path of the settings file, %2 the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>无法删除 %1（%2）</translation>
    </message>
    <message>
        <source>line %1 is empty, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49; lines 1 to 49 of a game file hold the 49 cells of the board.</extracomment>
        <translation>第 %1 行为空，但表示格子的行必须为“1”或“-1”</translation>
    </message>
    <message>
        <source>line %1 holds binary data, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49.</extracomment>
        <translation>第 %1 行包含二进制数据，但表示格子的行必须为“1”或“-1”</translation>
    </message>
    <message>
        <source>line %1 is &quot;%2&quot;, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <extracomment>Why a game file cannot be opened. %1 is the number of the line, from 1 to 49, %2 what the line holds (at most 20 characters, then &quot;...&quot;).</extracomment>
        <translation>第 %1 行为“%2”，但表示格子的行必须为“1”或“-1”</translation>
    </message>
    <message>
        <source>line 51 is empty, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.</extracomment>
        <translation>第 51 行为空，但弹珠数必须是 0 到 255 之间的数字</translation>
    </message>
    <message>
        <source>line 51 holds binary data, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles.</extracomment>
        <translation>第 51 行包含二进制数据，但弹珠数必须是 0 到 255 之间的数字</translation>
    </message>
    <message>
        <source>line 51 is &quot;%1&quot;, but the marble count must be a number from 0 to 255</source>
        <extracomment>Why a game file cannot be opened. Line 51 of a game file holds the number of marbles; %1 is what it holds instead (at most 20 characters, then &quot;...&quot;).</extracomment>
        <translation>第 51 行为“%1”，但弹珠数必须是 0 到 255 之间的数字</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <extracomment>Why a game file cannot be opened.</extracomment>
        <translation>文件为空</translation>
    </message>
    <message numerus="yes">
        <source>a game file has 51 lines, but this file has only %n</source>
        <extracomment>Why a game file cannot be opened. %n is how many lines the file has, from 1 to 50; a game file always has 51.</extracomment>
        <translation>
            <numerusform>对局文件应有 51 行，但此文件只有 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is longer than 255 characters</source>
        <extracomment>Why a game file cannot be opened. %1 is 50 (the clock&apos;s line) or 51 (the marble count&apos;s line).</extracomment>
        <translation>第 %1 行超过 255 个字符</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <extracomment>Why a game file cannot be opened. Line 50 of a game file holds the clock&apos;s text.</extracomment>
        <translation>第 50 行（计时器）包含二进制数据</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <extracomment>Why a file cannot be read: its name is longer than the system allows.</extracomment>
        <translation>文件名过长</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <extracomment>Why a file cannot be read: there is none of that name.</extracomment>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <extracomment>Why a file cannot be opened: its name holds bytes that are not UTF-8 text, so the name cannot be shown or used exactly as it is.</extracomment>
        <translation>文件名不是有效的 UTF-8 文本，因此无法打开</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <extracomment>Shown when a file is not a game file. %1 is the file&apos;s path, %2 why it is refused (one of the reasons above, starting in lower case). The line break stays.</extracomment>
        <translation>文件格式无效。<byte value="xd"/>
%1：%2。</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <extracomment>Why a setting could not be saved. %1 is the path of the settings file, %2 why it cannot be read, such as &quot;Permission denied&quot;.</extracomment>
        <translation>无法读取 %1（%2）</translation>
    </message>
    <message>
        <source>%1: %2 is damaged, so the texts are in English.</source>
        <extracomment>One line on standard error when the program&apos;s translation file is damaged or does not match the list of sums the build wrote beside it. %1 is the program&apos;s name, %2 the file&apos;s path.</extracomment>
        <translation>%1：%2 已损坏，因此界面文字使用英文。</translation>
    </message>
    <message>
        <source>it is not a table of solutions</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>不是解法表</translation>
    </message>
    <message>
        <source>it was made by another version of Pebblenix</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>由其他版本的 Pebblenix 生成</translation>
    </message>
    <message>
        <source>it has the wrong size</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>大小不正确</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <extracomment>Why the table of solutions behind the hints cannot be used.</extracomment>
        <translation>文件已损坏</translation>
    </message>
    <message>
        <source>another copy of Pebblenix is writing it</source>
        <extracomment>Why a setting could not be saved; said inside a sentence about the settings file.</extracomment>
        <translation>另一个 Pebblenix 实例正在写入该文件</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be used (%2), nor set aside (%3)</source>
        <extracomment>Why a file (the records, the settings) could not be written. %1 is the path of its lock file, which another copy of the game also uses, %2 why it cannot be used (such as &quot;it is a link&quot;), %3 why it could not be renamed (the system&apos;s reason, such as &quot;Permission denied&quot;).</extracomment>
        <translation>无法使用其锁文件 %1（%2），也无法将其重命名（%3）</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>从当前局面已无法让最后一颗弹珠停在中心。</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>仍可让最后一颗弹珠停在中心。</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <extracomment>The position the jumps start from (a new game, a game file) could never finish with the last marble in the centre.</extracomment>
        <translation>本局的起始局面就无法让最后一颗弹珠停在中心。</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>最后一颗弹珠已经在中心了。</translation>
    </message>
</context>
<context>
    <name>Moves</name>
    <message numerus="yes">
        <source>Moves: %n</source>
        <extracomment>View &gt; Show Moves, below the board: the moves made, where a move is one marble&apos;s chain of jumps. About 12 characters.</extracomment>
        <translation>
            <numerusform>步数：%n</numerusform>
        </translation>
    </message>
    <message>
        <source>No centre finish left</source>
        <extracomment>View &gt; Show Moves, below the board, right of the moves made: the last marble can no longer finish in the centre. About 24 characters.</extracomment>
        <translation>已无法中心收官</translation>
    </message>
    <message numerus="yes">
        <source>Fewest to finish: %n</source>
        <extracomment>View &gt; Show Moves, below the board, right of the moves made: the fewest moves that still end with the last marble in the centre. About 24 characters.</extracomment>
        <translation>
            <numerusform>最少还需 %n 步</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moves, on %1</source>
        <extracomment>In Records: %n the moves of a centre finish (a move is one marble&apos;s chain of jumps), %1 the date.</extracomment>
        <translation>
            <numerusform>%n 步（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Fewest moves:</source>
        <extracomment>In Records: the centre finish in the fewest moves, of a game played from the start (not opened from a file).</extracomment>
        <translation>最少步数：</translation>
    </message>
    <message>
        <source>Fewest moves with help:</source>
        <extracomment>In Records: the same, with help (a hint, a rewind, Review Game, the winning line or the fewest moves shown by View &gt; Show Moves).</extracomment>
        <translation>最少步数（使用辅助）：</translation>
    </message>
    <message numerus="yes">
        <source>From here %n moves were enough; after this move %1.</source>
        <translation>
            <numerusform>此前 %n 步即可中心收官；走完这一步后需要 %1 步。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, in the move that made the finish take more moves than needed: from here %n moves were enough; after this move %2.</source>
        <translation>
            <numerusform>%1，属于让中心收官所需步数增加的那一步：此前 %n 步即可，走完这一步后需要 %2 步。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %1, %2, made the finish take more moves than needed: from here %n moves were enough; after this move %3.</source>
        <translation>
            <numerusform>第 %1 步（%2）让中心收官所需步数增加了：此前 %n 步即可，走完这一步后需要 %3 步。</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Any Line</source>
        <extracomment>Winning Line&apos;s choice: the line of jumps the hints follow, whatever its moves.</extracomment>
        <translation>任意路线(&amp;A)</translation>
    </message>
    <message>
        <source>Fewest &amp;Moves</source>
        <extracomment>Winning Line&apos;s choice: a line in the fewest moves, a move being one marble&apos;s chain of jumps.</extracomment>
        <translation>最少步数(&amp;M)</translation>
    </message>
    <message>
        <source>The choice of winning line could not be saved, so the next Winning Line opens with the one stored before.<byte value="xd"/>
%1.</source>
        <translation>无法保存所选的制胜路线类型，下次打开“制胜路线”时将沿用之前保存的选择。<byte value="xd"/>
%1。</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>Winning Line&apos;s column header with Fewest Moves: each row a move, &quot;d2 -&gt; d4 -&gt; d6&quot;.</extracomment>
        <translation>步</translation>
    </message>
    <message numerus="yes">
        <source>Moves to the last marble in the centre after the move under way: %n</source>
        <extracomment>Above the list of moves when its first row, without a number, goes on with the marble that has just jumped; the number of moves after it comes last.</extracomment>
        <translation>
            <numerusform>走完当前这一步后，让最后一颗弹珠停在中心所需步数：%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moves to the last marble in the centre: %n</source>
        <translation>
            <numerusform>让最后一颗弹珠停在中心所需步数：%n</numerusform>
        </translation>
    </message>
    <message>
        <source>The marble that has just jumped goes on: these jumps belong to the move under way.</source>
        <extracomment>The tip of Winning Line&apos;s first row when it has no number.</extracomment>
        <translation>刚跳过的弹珠继续跳：这些跳跃都属于当前这一步。</translation>
    </message>
    <message>
        <source>A line of the fewest moves is not available, because their table cannot be used: %1.</source>
        <extracomment>In Winning Line, when the table of fewest moves (a file installed with the game) cannot be used; %1 says why.</extracomment>
        <translation>无法使用最少步数表，因此无法给出步数最少的路线：%1。</translation>
    </message>
    <message>
        <source>From here one move was enough; after this move %1.</source>
        <extracomment>The tip of the jumps of the first move after which a centre finish took more moves than before it, when one move was enough from the position before that move: %1 the moves needed once it was made.</extracomment>
        <translation>此前一步即可中心收官；走完这一步后需要 %1 步。</translation>
    </message>
    <message>
        <source>%1, in the move that made the finish take more moves than needed: from here one move was enough; after this move %2.</source>
        <extracomment>What a screen reader says of a jump of the first move that made the finish take more moves than needed, when one move was enough before it: %1 the jump (&quot;d4 -&gt; b4&quot;), %2 the moves needed after it.</extracomment>
        <translation>%1，属于让中心收官所需步数增加的那一步：此前一步即可，走完这一步后需要 %2 步。</translation>
    </message>
    <message>
        <source>Move %1, %2, made the finish take more moves than needed: from here one move was enough; after this move %3.</source>
        <extracomment>Review Game&apos;s summary, after what it says of the centre finish, when one move was enough before the move it names: %1 the move&apos;s number in the game, %2 the move (&quot;d2 -&gt; d4 -&gt; d6&quot;), %3 the moves needed once it was made.</extracomment>
        <translation>第 %1 步（%2）让中心收官所需步数增加了：此前一步即可，走完这一步后需要 %3 步。</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>Cross</source>
        <extracomment>A problem&apos;s name. The problems are shapes of marbles to reduce to one marble in the centre; this one is a Latin cross of six marbles.</extracomment>
        <translation>十字架</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <extracomment>A problem&apos;s name: a snowflake-like star of eleven marbles, one in the centre.</extracomment>
        <translation>雪花</translation>
    </message>
    <message>
        <source>Plus</source>
        <extracomment>A problem&apos;s name: a plus sign of nine marbles.</extracomment>
        <translation>加号</translation>
    </message>
    <message>
        <source>Kite</source>
        <extracomment>A problem&apos;s name: a kite on a string, ten marbles.</extracomment>
        <translation>风筝</translation>
    </message>
    <message>
        <source>Sword</source>
        <extracomment>A problem&apos;s name: a sword with its hilt, twelve marbles.</extracomment>
        <translation>宝剑</translation>
    </message>
    <message>
        <source>Trident</source>
        <extracomment>A problem&apos;s name: a three-pronged spear, eight marbles.</extracomment>
        <translation>三叉戟</translation>
    </message>
    <message>
        <source>Gateway</source>
        <extracomment>A problem&apos;s name: a gate in a wall, ten marbles.</extracomment>
        <translation>城门</translation>
    </message>
    <message>
        <source>Tuning Fork</source>
        <extracomment>A problem&apos;s name: the two-pronged fork musicians tune by, seven marbles.</extracomment>
        <translation>音叉</translation>
    </message>
    <message>
        <source>Small Diamond</source>
        <extracomment>A problem&apos;s name: a diamond (the shape) of twelve marbles around the empty centre.</extracomment>
        <translation>小菱形</translation>
    </message>
    <message>
        <source>Hat</source>
        <extracomment>A problem&apos;s name: a hat with a brim, eleven marbles.</extracomment>
        <translation>礼帽</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>A problem&apos;s name: a table (the furniture) of twelve marbles.</extracomment>
        <translation>桌子</translation>
    </message>
    <message>
        <source>Staircase</source>
        <extracomment>A problem&apos;s name: steps running down diagonally, eleven marbles.</extracomment>
        <translation>阶梯</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <extracomment>A problem&apos;s name: rows of one, three, five and seven marbles.</extracomment>
        <translation>金字塔</translation>
    </message>
    <message>
        <source>Bird</source>
        <extracomment>A problem&apos;s name: a bird with its wings raised, fourteen marbles.</extracomment>
        <translation>飞鸟</translation>
    </message>
    <message>
        <source>Heart</source>
        <extracomment>A problem&apos;s name: a heart (the shape), eighteen marbles.</extracomment>
        <translation>爱心</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A problem&apos;s name: a bell (the shape), eighteen marbles.</extracomment>
        <translation>铃铛</translation>
    </message>
    <message>
        <source>Mask</source>
        <extracomment>A problem&apos;s name: a face mask with two eye holes, nineteen marbles.</extracomment>
        <translation>面具</translation>
    </message>
    <message>
        <source>Lantern</source>
        <extracomment>A problem&apos;s name: a lantern (the lamp), fifteen marbles.</extracomment>
        <translation>灯笼</translation>
    </message>
    <message>
        <source>Goblet</source>
        <extracomment>A problem&apos;s name: a drinking cup on a stem, fifteen marbles.</extracomment>
        <translation>高脚杯</translation>
    </message>
    <message>
        <source>Crown</source>
        <extracomment>A problem&apos;s name: a king&apos;s crown, sixteen marbles.</extracomment>
        <translation>王冠</translation>
    </message>
    <message>
        <source>Tree</source>
        <extracomment>A problem&apos;s name: a fir tree on its trunk, sixteen marbles.</extracomment>
        <translation>松树</translation>
    </message>
    <message>
        <source>Arrow</source>
        <extracomment>A problem&apos;s name: an arrow pointing up, seventeen marbles.</extracomment>
        <translation>箭头</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>A problem&apos;s name: a window with panes, nineteen marbles.</extracomment>
        <translation>窗户</translation>
    </message>
    <message>
        <source>Octagon</source>
        <extracomment>A problem&apos;s name: an eight-sided shape of twenty marbles around the empty centre.</extracomment>
        <translation>八边形</translation>
    </message>
    <message>
        <source>Tower</source>
        <extracomment>A problem&apos;s name: a castle tower with battlements, twenty marbles.</extracomment>
        <translation>塔楼</translation>
    </message>
    <message>
        <source>Diamond</source>
        <extracomment>A problem&apos;s name: a large diamond (the shape) of 24 marbles around the empty centre.</extracomment>
        <translation>大菱形</translation>
    </message>
    <message>
        <source>Double Cross</source>
        <extracomment>A problem&apos;s name: an upright with two crossbars, thirteen marbles.</extracomment>
        <translation>双十字</translation>
    </message>
    <message>
        <source>Rocket</source>
        <extracomment>A problem&apos;s name: a space rocket, 21 marbles.</extracomment>
        <translation>火箭</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <extracomment>A problem&apos;s name: a mushroom with its cap and stem, 22 marbles.</extracomment>
        <translation>蘑菇</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <extracomment>A problem&apos;s name: a fireplace, its chimney above, eleven marbles.</extracomment>
        <translation>壁炉</translation>
    </message>
    <message>
        <source>Keyhole</source>
        <extracomment>A problem&apos;s name: the top half of the board full but for the empty centre, one marble below it, 20 marbles.</extracomment>
        <translation>钥匙孔</translation>
    </message>
    <message>
        <source>Moat</source>
        <extracomment>A problem&apos;s name: one marble in the centre cut off by an empty ring (the moat of a castle) from the four arms of the board, 25 marbles.</extracomment>
        <translation>护城河</translation>
    </message>
    <message>
        <source>Full Board, d1 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but d1 (column d, row 1), which is empty. d1 is a hole&apos;s name, never translated.</extracomment>
        <translation>满盘（d1 空）</translation>
    </message>
    <message>
        <source>Full Board, a4 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but a4, which is empty.</extracomment>
        <translation>满盘（a4 空）</translation>
    </message>
    <message>
        <source>Full Board, g4 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but g4, which is empty.</extracomment>
        <translation>满盘（g4 空）</translation>
    </message>
    <message>
        <source>Full Board, d7 Empty</source>
        <extracomment>A problem&apos;s name: every hole holds a marble but d7, which is empty.</extracomment>
        <translation>满盘（d7 空）</translation>
    </message>
    <message>
        <source>Ladder</source>
        <extracomment>A problem&apos;s name: a ladder of two rails and rungs down the middle column, 19 marbles.</extracomment>
        <translation>梯子</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A problem&apos;s grade: jumps made at random would finish with one marble in the centre at least once in 100 tries.</extracomment>
        <translation>简单</translation>
    </message>
    <message>
        <source>Moderate</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 100 to 1,000 tries.</extracomment>
        <translation>中等</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 1,000 to 10,000 tries.</extracomment>
        <translation>困难</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 10,000 to 100,000 tries.</extracomment>
        <translation>非常困难</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>A problem&apos;s grade: random jumps finish in the centre once in 100,000 to a million tries.</extracomment>
        <translation>专家</translation>
    </message>
    <message>
        <source>Master</source>
        <extracomment>A problem&apos;s grade, the hardest: random jumps finish in the centre less than once in a million tries.</extracomment>
        <translation>大师</translation>
    </message>
    <message>
        <source>With only %1 empty at the start, the last marble can never finish in the centre (the rule of three): it can only end on a hole whose row and column each differ from those of %1 by 0, 3 or 6, and the centre&apos;s do not.</source>
        <extracomment>Why a start with one empty hole has no finish in the centre. %1 is that hole, a column letter and a row number such as &quot;c1&quot; (never translated); the centre is d4. The rule of three is the usual name of this argument in peg solitaire.</extracomment>
        <translation>开局只空出 %1 时，最后一颗弹珠永远无法停在中心（隔三法则）：它只能停在行号和列号与 %1 分别相差 0、3 或 6 的孔上，而中心孔并不满足这一条件。</translation>
    </message>
    <message>
        <source>line %1 of the list of problems is not a problem</source>
        <extracomment>Why the list of problems cannot be read. %1 is the number of a line of the list&apos;s file, index.txt, that does not name a game file, a chance from 0 to 1, a number of moves and a name.</extracomment>
        <translation>谜题列表的第 %1 行不是有效的谜题</translation>
    </message>
    <message>
        <source>the list of problems is too long</source>
        <extracomment>Why the list of problems cannot be read: its file, index.txt, is larger than any list of problems.</extracomment>
        <translation>谜题列表过长</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>it is a link</source>
        <extracomment>Why the records file (or its lock) cannot be used; said inside a sentence about it.</extracomment>
        <translation>该文件是链接</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>该文件属于其他用户</translation>
    </message>
    <message>
        <source>it is far too long</source>
        <translation>该文件过大</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>该文件已损坏</translation>
    </message>
    <message>
        <source>Your records in %1 could not be used (%2). The file was set aside as %3, and new records begin.</source>
        <extracomment>%1 the records file, %2 why it could not be used (a phrase such as &quot;it is damaged&quot;), %3 the name it was given.</extracomment>
        <translation>无法使用 %1 中的战绩（%2）。该文件已重命名为 %3，战绩将重新开始记录。</translation>
    </message>
    <message>
        <source>Your records in %1 cannot be used (%2), nor set aside (%3), so no game is recorded until it is moved.</source>
        <extracomment>%1 the records file, %2 why it cannot be used, %3 why it could not be renamed.</extracomment>
        <translation>无法使用 %1 中的战绩（%2），也无法将其重命名（%3）；在移走该文件之前，不会记录任何对局。</translation>
    </message>
    <message>
        <source>Your records could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 the records file, %2 why it could not be written.</extracomment>
        <translation>无法写入战绩。<byte value="xd"/>
%1：%2。</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>无法创建锁文件</translation>
    </message>
    <message>
        <source>Your records are being written by another copy of Pebblenix; try again in a moment.</source>
        <translation>另一个 Pebblenix 实例正在写入战绩，请稍后再试。</translation>
    </message>
    <message>
        <source>Another copy of Pebblenix keeps your records in %1 locked. The games that end are kept, and written as soon as it lets go.</source>
        <extracomment>Told once when a game has ended while another running copy of the game has kept the records file locked for some seconds. %1 is the records file.</extracomment>
        <translation>另一个 Pebblenix 实例锁定了 %1 中的战绩。已结束的对局会保留下来，待其解除锁定后立即写入。</translation>
    </message>
    <message numerus="yes">
        <source>another copy of Pebblenix kept the file locked until the end; games not recorded: %n</source>
        <extracomment>Why the records could not be written when the game closed: another copy of the game kept the file locked. %n is how many finished games are not recorded.</extracomment>
        <translation>
            <numerusform>另一个 Pebblenix 实例一直锁定着该文件，有 %n 局未能记录</numerusform>
        </translation>
    </message>
    <message>
        <source>Your records in %1 were written by a newer version of Pebblenix, which this one cannot read. They are left as they are, and no game is recorded.</source>
        <extracomment>%1 the records file.</extracomment>
        <translation>%1 中的战绩由更新版本的 Pebblenix 写入，当前版本无法读取。该文件将保持原样，不会记录任何对局。</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>its folder does not exist</source>
        <translation>所在文件夹不存在</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <extracomment>%1 says why the table behind the hints cannot be used, for example that its file cannot be read or is damaged.</extracomment>
        <translation>pebblenix-solve：无法使用解法表：%1</translation>
    </message>
    <message>
        <source>One marble left, in the centre.</source>
        <extracomment>The last line after a list of jumps that ends with one marble in the centre hole.</extracomment>
        <translation>只剩一颗弹珠，位于中心。</translation>
    </message>
    <message>
        <source>pebblenix-solve: the output could not be written (%1)</source>
        <extracomment>Shown when the tool&apos;s answer could not be written out, for example to a full disk. %1 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>pebblenix-solve：无法写入输出（%1）</translation>
    </message>
    <message>
        <source>One move</source>
        <extracomment>The last line after a line of play of one move that ends with one marble in the centre hole.</extracomment>
        <translation>一步</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <extracomment>The last line after a line of play that ends with one marble in the centre hole: its number of moves, each one marble&apos;s chain of jumps (never 1).</extracomment>
        <translation>
            <numerusform>%n 步</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: pebblenix-solve [--fewest-moves] FILE.pnx</source>
        <extracomment>Shown when the tool is started wrongly. FILE.pnx stands for the name of a game file; the command&apos;s name and its option stay as they are.</extracomment>
        <translation>用法：pebblenix-solve [--fewest-moves] 文件.pnx</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>One marble can still finish in the centre.</source>
        <extracomment>The position editor&apos;s verdict on the board being set up.</extracomment>
        <translation>仍可让最后一颗弹珠停在中心。</translation>
    </message>
    <message>
        <source>One marble stands in the centre: this board is already solved.</source>
        <extracomment>The position editor&apos;s verdict on a board with one marble, in the centre.</extracomment>
        <translation>只剩一颗弹珠，且位于中心：此局面已经解开。</translation>
    </message>
    <message>
        <source>There are no marbles on the board.</source>
        <extracomment>The position editor&apos;s verdict on an empty board.</extracomment>
        <translation>棋盘上没有弹珠。</translation>
    </message>
    <message>
        <source>The only marble stands on %1, not in the centre, and a lone marble cannot jump.</source>
        <extracomment>The position editor&apos;s verdict on a board with one marble. %1 is its hole, a column letter and a row number such as &quot;d1&quot; (never translated).</extracomment>
        <translation>唯一的一颗弹珠在 %1，不在中心，而单独一颗弹珠无法跳。</translation>
    </message>
    <message>
        <source>No series of jumps can leave one marble in the centre (the rule of three): colour the holes in three colours along the diagonals, either way; every jump changes the number of marbles on each colour by one, so whether each colour holds an odd or even number flips for all three at once, and from this board it never matches a lone marble in the centre.</source>
        <extracomment>The position editor&apos;s verdict. The rule of three is the usual name of this argument in peg solitaire; the three colours are stripes running along the diagonals of the board.</extracomment>
        <translation>无论怎样跳，都不能只剩一颗弹珠停在中心（隔三法则）：沿对角线方向（两个方向均可）用三种颜色依次给各孔着色；每跳一次，每种颜色上的弹珠数都会增加或减少一颗，因此三种颜色上弹珠数的奇偶性同时翻转，而从这个局面出发，奇偶性永远无法与中心只剩一颗弹珠时相同。</translation>
    </message>
    <message>
        <source>The rule of three allows a finish in the centre, but no series of jumps from this board leads to one.</source>
        <extracomment>The position editor&apos;s verdict: the rule of three (see the other verdict) does not forbid a centre finish, but the exact search finds none.</extracomment>
        <translation>隔三法则并不排除中心收官，但从这个局面出发，无论怎样跳都无法做到。</translation>
    </message>
    <message>
        <source>One marble can still finish in the centre, in one move.</source>
        <extracomment>The position editor&apos;s verdict when one move (one marble&apos;s jumps made one after another) leaves one marble in the centre.</extracomment>
        <translation>仍可让最后一颗弹珠停在中心，只需一步。</translation>
    </message>
    <message numerus="yes">
        <source>One marble can still finish in the centre, in %n moves at the fewest.</source>
        <extracomment>The position editor&apos;s verdict. A move is one marble&apos;s jumps made one after another; %n is the fewest moves that leave one marble in the centre, always more than one.</extracomment>
        <translation>
            <numerusform>仍可让最后一颗弹珠停在中心，最少需要 %n 步。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>selected marble</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;): its marble is picked up, ready to jump.</extracomment>
        <translation>选中的弹珠</translation>
    </message>
    <message>
        <source>marble</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;).</extracomment>
        <translation>弹珠</translation>
    </message>
    <message>
        <source>empty, a jump here keeps the centre finish</source>
        <extracomment>What a screen reader says of a hole after its name (&quot;d4, empty, a jump here keeps the centre finish&quot;) when Show Jumps marks it: the picked-up marble can jump here, and the last marble can then still finish in the centre hole.</extracomment>
        <translation>空，跳到这里仍可中心收官</translation>
    </message>
    <message>
        <source>empty, a jump here loses the centre finish</source>
        <extracomment>As &quot;empty, a jump here keeps the centre finish&quot;, but after this jump the last marble can no longer finish in the centre hole.</extracomment>
        <translation>空，跳到这里将无法中心收官</translation>
    </message>
    <message>
        <source>empty, the picked-up marble can jump here</source>
        <extracomment>As &quot;empty, a jump here keeps the centre finish&quot;, when the game cannot tell whether the jump keeps a finish in the centre (its table of solutions is missing).</extracomment>
        <translation>空，选中的弹珠可以跳到这里</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a screen reader says of a hole of the board after its name (&quot;d4&quot;): it holds no marble.</extracomment>
        <translation>空</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardWidget</name>
    <message>
        <source>There is no marble on %1 to jump.</source>
        <extracomment>What a screen reader says when Shift and an arrow key are pressed on an empty hole; %1 names the hole (&quot;d4&quot;).</extracomment>
        <translation>%1 上没有可以跳的弹珠。</translation>
    </message>
    <message>
        <source>The marble on %1 cannot jump that way.</source>
        <extracomment>What a screen reader says when Shift and an arrow key ask for a jump the board does not allow; %1 names the hole (&quot;d4&quot;).</extracomment>
        <translation>%1 上的弹珠不能往那个方向跳。</translation>
    </message>
    <message numerus="yes">
        <source>The marble on %1 jumped over %2 to %3. %n marbles left.</source>
        <translation>
            <numerusform>%1 上的弹珠跳过 %2，落到 %3。剩 %n 颗弹珠。</numerusform>
        </translation>
    </message>
    <message>
        <source>The marble on %1 jumped over %2 to %3. One marble is left.</source>
        <extracomment>What a screen reader says after Shift and an arrow key made a jump: %1 the hole the marble left, %2 the one it jumped over, %3 the one it landed on (&quot;d2&quot;, &quot;d3&quot;, &quot;d4&quot;); %n the marbles now on the board, always more than one.</extracomment>
        <translation>%1 上的弹珠跳过 %2，落到 %3。只剩一颗弹珠。</translation>
    </message>
</context>
<context>
    <name>pebblenix::ChallengeCommands</name>
    <message>
        <source>%1 - %2</source>
        <extracomment>The main window&apos;s title while a problem is played: %1 is what is played (&quot;Cross&quot;, &quot;Today&apos;s Problem (Hard)&quot;), %2 the program&apos;s name.</extracomment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Today&apos;s Problem (%1)</source>
        <extracomment>The main window&apos;s title names it so while it is played. %1 is its grade, such as &quot;Hard&quot;.</extracomment>
        <translation>今日谜题（%1）</translation>
    </message>
    <message>
        <source>The position could not be saved.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the game file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>无法保存局面。<byte value="xd"/>
%1：%2。</translation>
    </message>
    <message>
        <source>&amp;Problems…</source>
        <extracomment>Opens the list of problems: shapes of marbles to reduce to one marble in the centre.</extracomment>
        <translation>谜题(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Problem</source>
        <extracomment>Starts the problem of the day, the same for every player that day.</extracomment>
        <translation>今日谜题(&amp;T)</translation>
    </message>
    <message>
        <source>Set Up Pos&amp;ition…</source>
        <extracomment>Opens a board on which the player puts and takes marbles, to play from there.</extracomment>
        <translation>布置局面(&amp;I)…</translation>
    </message>
</context>
<context>
    <name>pebblenix::GameSession</name>
    <message>
        <source>The move was not made, because the undo file could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the undo file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>无法写入撤销文件，因此这一跳没有执行。<byte value="xd"/>
%1：%2。</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the undo file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>无法写入撤销文件，因此未能回退。<byte value="xd"/>
%1：%2。</translation>
    </message>
</context>
<context>
    <name>pebblenix::HowToPlayDialog</name>
    <message>
        <source>How to Play</source>
        <extracomment>The title of Help &gt; How to Play.</extracomment>
        <translation>玩法说明</translation>
    </message>
    <message>
        <source>The game</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>游戏规则</translation>
    </message>
    <message>
        <source>Pebblenix is peg solitaire on a board of 33 holes in the shape of a cross. A new game has a marble in every hole but the centre one.</source>
        <extracomment>How to Play, on the rules. Each paragraph is translated whole; the menu names in these paragraphs are the menus&apos; own, as translated.</extracomment>
        <translation>Pebblenix 是一款独立钻石棋游戏，棋盘呈十字形，共有 33 个孔。新游戏开始时，除中心孔外，每个孔里都有一颗弹珠。</translation>
    </message>
    <message>
        <source>A marble jumps over a marble beside it, in its row or its column, into the empty hole just beyond, and the marble it jumped over is taken off the board. Marbles never jump diagonally.</source>
        <translation>弹珠沿所在的行或列，跳过紧挨着它的一颗弹珠，落入紧接其后的空孔，被跳过的弹珠随即从棋盘上移走。弹珠不能斜着跳。</translation>
    </message>
    <message>
        <source>The game is over when no jump is left. The fewer marbles are left, the better: one marble left in the centre hole wins the game.</source>
        <translation>无处可跳时，游戏结束。剩下的弹珠越少越好：最后只剩一颗弹珠并停在中心孔，就赢得了这一局。</translation>
    </message>
    <message>
        <source>The clock counts down 120 seconds from your first click on the board. It only tells you how fast you are: when it shows TimeOut!!, you can play on.</source>
        <extracomment>&quot;TimeOut!!&quot; is what the clock shows, the same in every language.</extracomment>
        <translation>从您第一次点击棋盘起，计时器开始倒数 120 秒。它只用来告诉您速度有多快：显示 TimeOut!! 之后，您仍可继续玩。</translation>
    </message>
    <message>
        <source>Moving a marble</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>移动弹珠</translation>
    </message>
    <message>
        <source>With the mouse, click a marble to pick it up, then click the empty hole two holes away where it should land. A click anywhere else puts it down again. You can also drag a marble onto the hole it jumps to.</source>
        <translation>使用鼠标时，点击一颗弹珠将其选中，再点击它要落入的空孔（与它相隔一个孔）。点击其他任何地方会取消选中。您也可以把弹珠直接拖到它要跳到的孔上。</translation>
    </message>
    <message>
        <source>With the keyboard, the arrow keys move a dashed box from hole to hole, and Space or Enter acts as a click on the hole in the box. Shift and an arrow key jump the marble in the box two holes that way at once, and the box goes with it: Shift+Down on d2 jumps it over d3 to d4. A screen reader says what each jump did.</source>
        <extracomment>Shift and the arrow keys jump a marble; the arrow keys alone move the box.</extracomment>
        <translation>使用键盘时，方向键可让虚线框在各孔之间移动，空格键或回车键相当于点击框中的孔。按 Shift 加方向键，框中的弹珠会立即朝该方向跳到两个孔之外，虚线框也随之移动：在 d2 上按 Shift+下方向键，弹珠会跳过 d3 落到 d4。屏幕阅读器会读出每一跳的结果。</translation>
    </message>
    <message>
        <source>The holes are named by their column, a to g from the left, and their row, 1 to 7 from the top, so d4 is the centre; hints and lists name a jump by its two holes, as in d2 -&gt; d4. View ▸ Show Coordinates shows the letters and numbers beside the board.</source>
        <translation>每个孔以所在的列和行命名：列从左到右为 a 到 g，行从上到下为 1 到 7，因此 d4 就是中心孔；提示和列表用起止两个孔来表示一跳，例如 d2 -&gt; d4。“视图 ▸ 显示坐标”会在棋盘旁显示这些字母和数字。</translation>
    </message>
    <message>
        <source>The marks on the board</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>棋盘上的标记</translation>
    </message>
    <message>
        <source>With View ▸ Show Jumps on, the marble you pick up has a ring round it, and each hole it can jump to is marked:</source>
        <translation>开启“视图 ▸ 显示可跳位置”后，选中的弹珠周围会出现一个圆环，它能跳到的每个孔都会带有标记：</translation>
    </message>
    <message>
        <source>The picked-up marble, ringed.</source>
        <translation>选中的弹珠，周围有圆环。</translation>
    </message>
    <message>
        <source>A ring with a tick: after this jump the last marble can still finish in the centre.</source>
        <extracomment>What Show Jumps&apos; ring with a tick means.</extracomment>
        <translation>带勾的圆环：跳到这里后，仍可让最后一颗弹珠停在中心。</translation>
    </message>
    <message>
        <source>A cross: this jump loses the finish in the centre.</source>
        <extracomment>What Show Jumps&apos; cross means.</extracomment>
        <translation>叉号：这一跳会断送中心收官的可能。</translation>
    </message>
    <message>
        <source>A small dot: the marble can jump here, but whether that keeps the finish is not known yet, while the table of solutions loads or when it cannot be read.</source>
        <extracomment>What Show Jumps&apos; small dot means.</extracomment>
        <translation>小圆点：弹珠可以跳到这里，但解法表正在加载或无法读取，因此暂时不知道这一跳能否保住中心收官。</translation>
    </message>
    <message>
        <source>A framed hole: one of the two holes of the jump chosen in Review Game or Winning Line.</source>
        <extracomment>The frame round the two holes of a jump chosen in a list.</extracomment>
        <translation>带框的孔：在“复盘”或“制胜路线”中所选那一跳的两个孔之一。</translation>
    </message>
    <message>
        <source>Help when you want it</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>需要时的辅助</translation>
    </message>
    <message>
        <source>Every help the game gives is exact: it knows for every position whether the last marble can still finish in the centre. A game finished after a hint, a rewind, Review Game, Winning Line or Show Jumps&apos; marks counts as played with help.</source>
        <translation>游戏提供的每种辅助都是精确的：对任何局面，它都知道最后一颗弹珠还能否停在中心。在使用提示、回退、复盘、制胜路线或“显示可跳位置”的标记之后结束的对局，记为使用辅助。</translation>
    </message>
    <message>
        <source>Game ▸ Hint (Ctrl+H) picks up a marble whose jump keeps the centre finish and blinks the hole it should jump to, or says that no such finish is left.</source>
        <translation>“游戏 ▸ 提示”（Ctrl+H）会选中一颗跳后仍能保住中心收官的弹珠，并让它应跳到的孔闪烁；如果已无法中心收官，则会告诉您。</translation>
    </message>
    <message>
        <source>Game ▸ Review Game lists your jumps and shows the one after which the centre finish was lost, with a jump that would have kept it. Go Back to Before This Jump takes the board back to the chosen row.</source>
        <translation>“游戏 ▸ 复盘”列出您的每一跳，指出断送中心收官的那一跳，并给出本可保住的一跳。“回到这一跳之前”可让棋盘退回到所选那一跳之前。</translation>
    </message>
    <message>
        <source>Game ▸ Rewind to Last Winnable Position (Ctrl+R) takes the board back to just before the jump that lost the centre finish. Undo (Ctrl+Z) takes back the last jump, or the rewind.</source>
        <translation>“游戏 ▸ 回退到最后一个可胜局面”（Ctrl+R）会让棋盘回到断送中心收官的那一跳之前。“撤销”（Ctrl+Z）可撤回上一跳或这次回退。</translation>
    </message>
    <message>
        <source>Game ▸ Winning Line (Ctrl+L) lists the jumps that take the board in front of you to one marble in the centre; Play Next Jump makes the first of them. Its Fewest Moves choice shows a line with the fewest moves, a run of jumps by one marble counting as one move.</source>
        <translation>“游戏 ▸ 制胜路线”（Ctrl+L）列出从当前局面到只剩一颗弹珠停在中心的各跳；“执行下一跳”会替您跳出其中的第一跳。若选择“最少步数”，则显示步数最少的路线，同一颗弹珠的连续跳跃算作一步。</translation>
    </message>
    <message>
        <source>View ▸ Show Moves shows the moves you have made and the fewest moves that can still finish in the centre.</source>
        <translation>“视图 ▸ 显示步数”会显示您已走的步数，以及仍可中心收官的最少步数。</translation>
    </message>
    <message>
        <source>Game ▸ Tell Me When It Ends says when no jump is left and how many marbles remain, and stops the clock at the end of every game.</source>
        <translation>“游戏 ▸ 结束时提醒我”会在无处可跳时告诉您，并说明还剩几颗弹珠；每局结束时计时器都会停止。</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>战绩</translation>
    </message>
    <message>
        <source>Game ▸ Records shows the games you have played, those finished in the centre, your best finish and your fastest centre finish. The bests of games played with help are kept apart from the others.</source>
        <translation>“游戏 ▸ 战绩”显示您已玩的局数、中心收官的局数、最佳结果和最快中心收官。使用辅助的对局，其最佳成绩与其他对局分开记录。</translation>
    </message>
    <message>
        <source>Problems</source>
        <extracomment>A heading in How to Play.</extracomment>
        <translation>谜题</translation>
    </message>
    <message>
        <source>Game ▸ Problems offers positions to bring down to one marble in the centre, from easy to very hard. Game ▸ Set Up Position lets you place the marbles yourself, and Game ▸ Today&apos;s Problem is a new problem every day, the same for every player. The same exact help works on all of them.</source>
        <translation>“游戏 ▸ 谜题”提供一系列局面，目标是只剩一颗弹珠并停在中心，难度从简单到非常困难。“游戏 ▸ 布置局面”让您自己摆放弹珠，“游戏 ▸ 今日谜题”每天一道新题，所有玩家都一样。同样精确的辅助对它们全都适用。</translation>
    </message>
</context>
<context>
    <name>pebblenix::JumpListDialog</name>
    <message>
        <source>No.</source>
        <extracomment>The columns of Review Game and Winning Line: the jump&apos;s number (1, 2, ...),</extracomment>
        <translation>序号</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>the jump (&quot;d2 -&gt; d4&quot;: column letter and row number of the two holes),</extracomment>
        <translation>跳跃</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <extracomment>and the marbles left on the board after it.</extracomment>
        <translation>棋盘上剩余弹珠</translation>
    </message>
</context>
<context>
    <name>pebblenix::ProblemsDialog</name>
    <message>
        <source>Problems</source>
        <extracomment>The title of the list of problems.
----------
The list&apos;s name for a screen reader.</extracomment>
        <translation>谜题</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>The columns of the list of problems: the problem&apos;s name, its grade (Easy to Master), the marbles it starts with, the fewest moves that solve it (a move is one marble&apos;s jumps one after another), and whether the player has solved it.</extracomment>
        <translation>谜题</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>弹珠</translation>
    </message>
    <message>
        <source>Fewest Moves</source>
        <translation>最少步数</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>解题情况</translation>
    </message>
    <message>
        <source>Full Board, %1 Empty</source>
        <extracomment>A row of the list of problems: the full board with one hole empty, from which the last marble can never finish in the centre. %1 is the hole, such as &quot;c1&quot; (never translated).</extracomment>
        <translation>满盘（%1 空）</translation>
    </message>
    <message>
        <source>No centre finish</source>
        <extracomment>Shown in the Grade column of a start that cannot be solved.</extracomment>
        <translation>无法中心收官</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>Starts the chosen problem, as Game &gt; New starts a game.</extracomment>
        <translation>开始(&amp;P)</translation>
    </message>
    <message>
        <source>Next &amp;Unsolved</source>
        <extracomment>Goes to the next problem in the list not yet solved without help.</extracomment>
        <translation>下一个未解(&amp;U)</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>尚未解出</translation>
    </message>
    <message numerus="yes">
        <source>In %n moves</source>
        <extracomment>In the Solved column: the player solved the problem without help, in %n moves at the fewest (never fewer than 5, so English needs no singular).</extracomment>
        <translation>
            <numerusform>%n 步</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>With help, in %n moves</source>
        <extracomment>In the Solved column: solved only with help (a hint, the winning line...).</extracomment>
        <translation>
            <numerusform>使用辅助，%n 步</numerusform>
        </translation>
    </message>
    <message>
        <source>Jumps made at random finish in the centre about once in %1 games.</source>
        <extracomment>%1 is a large number, such as &quot;64&quot; or &quot;74,000,000&quot;: how many games of random jumps it takes on average to see one finish in the centre.</extracomment>
        <translation>随机跳跃时，平均约每 %1 局才有一局能中心收官。</translation>
    </message>
    <message numerus="yes">
        <source>You solved it without help in %n moves, on %1.</source>
        <extracomment>%1 the date.</extracomment>
        <translation>
            <numerusform>您于 %1 未使用辅助解出此题，用了 %n 步。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You solved it with help in %n moves, on %1.</source>
        <extracomment>With help: after a hint, the winning line, Review Game or a rewind. %1 the date.</extracomment>
        <translation>
            <numerusform>您于 %1 使用辅助解出此题，用了 %n 步。</numerusform>
        </translation>
    </message>
    <message>
        <source>You have solved every problem without help.</source>
        <extracomment>Next Unsolved found no problem left to solve without help.</extracomment>
        <translation>您已在未使用辅助的情况下解出了全部谜题。</translation>
    </message>
    <message>
        <source>The list of problems cannot be read.</source>
        <extracomment>Above the reason, a file&apos;s path and what is wrong with it.</extracomment>
        <translation>无法读取谜题列表。</translation>
    </message>
</context>
<context>
    <name>pebblenix::RecordsDialog</name>
    <message>
        <source>None yet</source>
        <translation>暂无</translation>
    </message>
    <message>
        <source>The last marble in the centre, on %1</source>
        <extracomment>%1 the date.</extracomment>
        <translation>最后一颗弹珠停在中心（%1）</translation>
    </message>
    <message>
        <source>One marble, not in the centre, on %1</source>
        <extracomment>%1 the date.</extracomment>
        <translation>剩一颗弹珠，不在中心（%1）</translation>
    </message>
    <message numerus="yes">
        <source>%n marbles left, on %1</source>
        <extracomment>%n the marbles left on a board with no jump left, %1 the date.</extracomment>
        <translation>
            <numerusform>剩 %n 颗弹珠（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Over time, on %1</source>
        <extracomment>The clock had run out before the centre finish; %1 the date.</extracomment>
        <translation>超时（%1）</translation>
    </message>
    <message numerus="yes">
        <source>%n of 120 seconds, on %1</source>
        <extracomment>%n seconds of the game&apos;s 120-second clock, %1 the date.</extracomment>
        <translation>
            <numerusform>120 秒中用时 %n 秒（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>Records</source>
        <translation>战绩</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>已玩局数：</translation>
    </message>
    <message>
        <source>Finished in the centre:</source>
        <translation>中心收官次数：</translation>
    </message>
    <message>
        <source>Best finish:</source>
        <translation>最佳结果：</translation>
    </message>
    <message>
        <source>Best finish with help:</source>
        <extracomment>With help: after a hint, a rewind, Review Game or the winning line.</extracomment>
        <translation>最佳结果（使用辅助）：</translation>
    </message>
    <message>
        <source>Fastest centre finish:</source>
        <translation>最快中心收官：</translation>
    </message>
    <message>
        <source>Fastest with help:</source>
        <translation>最快中心收官（使用辅助）：</translation>
    </message>
    <message>
        <source>&amp;Reset Records…</source>
        <translation>重置战绩(&amp;R)…</translation>
    </message>
    <message>
        <source>Reset all your records? They cannot be brought back.</source>
        <translation>要重置全部战绩吗？重置后将无法恢复。</translation>
    </message>
    <message>
        <source>Problems solved:</source>
        <extracomment>Problems of Game &gt; Problems finished with one marble in the centre.</extracomment>
        <translation>已解谜题：</translation>
    </message>
    <message>
        <source>Today&apos;s Problem, days in a row:</source>
        <extracomment>Today&apos;s Problem solved on this many days in a row, up to today or yesterday.</extracomment>
        <translation>今日谜题连续解出：</translation>
    </message>
    <message>
        <source>%1, of which %2 without help</source>
        <extracomment>%1 how many problems the player has solved, %2 how many of them without help.</extracomment>
        <translation>%1 道（其中 %2 道未使用辅助）</translation>
    </message>
    <message numerus="yes">
        <source>%n (your longest run: %1)</source>
        <extracomment>%n the days in a row up to today, %1 the most days in a row so far.</extracomment>
        <translation>
            <numerusform>%n 天（最长连续 %1 天）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <extracomment>The title of the window that lists the game&apos;s jumps (Game &gt; Review Game).</extracomment>
        <translation>复盘</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <extracomment>Review Game&apos;s last column: whether the last marble could still finish in the centre after the jump.</extracomment>
        <translation>中心收官</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <extracomment>Review Game&apos;s button: takes the board back to before the selected jump.</extracomment>
        <translation>回到这一跳之前(&amp;G)</translation>
    </message>
    <message>
        <source>possible</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column.</extracomment>
        <translation>可能</translation>
    </message>
    <message>
        <source>not possible</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column.</extracomment>
        <translation>不可能</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <extracomment>In Review Game&apos;s &quot;Centre finish&quot; column, in bold, beside the jump after which the last marble could no longer finish in the centre.</extracomment>
        <translation>断送于这一跳</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <extracomment>A tooltip on the jump that lost the centre finish; %1 is a jump that would have kept it (&quot;d2 -&gt; d4&quot;).</extracomment>
        <translation>改走 %1 本可保住。</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2 would have kept it.</source>
        <extracomment>What a screen reader says of the jump that lost the centre finish (%1, &quot;d4 -&gt; b4&quot;), with one that would have kept it (%2).</extracomment>
        <translation>%1，这一跳断送了中心收官的可能。改走 %2 本可保住。</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish.</source>
        <extracomment>What a screen reader says of the jump that lost the centre finish (%1, &quot;d4 -&gt; b4&quot;).</extracomment>
        <translation>%1，这一跳断送了中心收官的可能。</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <extracomment>Review Game&apos;s summary above the list.</extracomment>
        <translation>自设定此局面以来，尚未进行任何跳跃。</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish. %3 would have kept it.</source>
        <extracomment>Review Game&apos;s summary above the list: %1 is the jump&apos;s number in the game, %2 the jump (&quot;d4 -&gt; b4&quot;), %3 a jump that would have kept the finish.</extracomment>
        <translation>第 %1 跳（%2）断送了中心收官的可能。改走 %3 本可保住。</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <extracomment>Review Game&apos;s summary above the list: %1 is the jump&apos;s number in the game, %2 the jump (&quot;d4 -&gt; b4&quot;).</extracomment>
        <translation>第 %1 跳（%2）断送了中心收官的可能。</translation>
    </message>
</context>
<context>
    <name>pebblenix::SetUpDialog</name>
    <message>
        <source>Set Up Position</source>
        <extracomment>The title of the position editor, where the player puts and takes marbles.</extracomment>
        <translation>布置局面</translation>
    </message>
    <message>
        <source>Board to set up</source>
        <extracomment>The board of the position editor, for a screen reader: a click, Space or Enter on a hole puts a marble in it or takes it out.</extracomment>
        <translation>待布置的棋盘</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>Takes every marble off the board being set up.</extracomment>
        <translation>清空(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Full</source>
        <extracomment>Puts a marble in every hole of the board being set up.</extracomment>
        <translation>摆满(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Play From Here</source>
        <extracomment>Starts a game from the board set up, as Game &gt; New starts one.</extracomment>
        <translation>从此局面开始(&amp;P)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <extracomment>Saves the board set up as a game file.</extracomment>
        <translation>另存为(&amp;A)…</translation>
    </message>
    <message numerus="yes">
        <source>Marbles on the board: %n</source>
        <extracomment>Above the verdict of the position editor: how many marbles the board holds.</extracomment>
        <translation>
            <numerusform>盘上弹珠：%n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::WindowExtras</name>
    <message>
        <source>Tell Me &amp;When It Ends</source>
        <extracomment>A Game menu option, off until chosen: when no jump is left the game says so, and the clock stops at the end of every game.</extracomment>
        <translation>结束时提醒我(&amp;W)</translation>
    </message>
    <message>
        <source>When no jump is left, says so and how many marbles remain; at the end of every game the clock stops.</source>
        <extracomment>The tip of Game &gt; Tell Me When It Ends.</extracomment>
        <translation>无处可跳时告诉您，并说明还剩几颗弹珠；每局结束时计时器都会停止。</translation>
    </message>
    <message>
        <source>Marks the holes the picked-up marble can jump to: a ring with a tick where the jump keeps a finish with the last marble in the centre possible, a cross where it loses it, and a small dot while the game cannot tell. The picked-up marble has a ring round it.</source>
        <extracomment>The tip of View &gt; Show Jumps: the marks differ by shape.</extracomment>
        <translation>标出选中的弹珠能跳到的孔：带勾的圆环表示跳过去后仍可让最后一颗弹珠停在中心，叉号表示会断送这种可能，游戏尚无法判断时则显示小圆点。选中的弹珠周围有一个圆环。</translation>
    </message>
    <message>
        <source>Show &amp;Coordinates</source>
        <extracomment>A View menu option: the columns&apos; letters and the rows&apos; numbers around the board.</extracomment>
        <translation>显示坐标(&amp;C)</translation>
    </message>
    <message>
        <source>Shows the columns&apos; letters, a to g, and the rows&apos; numbers, 1 to 7, around the board: the names hints and lists give the holes.</source>
        <extracomment>The tip of View &gt; Show Coordinates.</extracomment>
        <translation>在棋盘周围显示列字母 a 到 g 和行号 1 到 7，即提示和列表中各孔的名称。</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <extracomment>Opens the rules and the ways to play, with what each mark on the board means.</extracomment>
        <translation>玩法说明(&amp;H)</translation>
    </message>
    <message numerus="yes">
        <source>No jump is left: %n marbles remain.</source>
        <extracomment>Told when Game &gt; Tell Me When It Ends is on and a jump leaves no jump on the board; %n the marbles left, always more than one.</extracomment>
        <translation>
            <numerusform>已无处可跳：还剩 %n 颗弹珠。</numerusform>
        </translation>
    </message>
    <message>
        <source>The Game menu&apos;s setting could not be saved, so the next game opens with the one stored before.<byte value="xd"/>
%1.</source>
        <extracomment>After a change of Game &gt; Tell Me When It Ends. %1 says which file could not be written and why.</extracomment>
        <translation>无法保存“游戏”菜单的设置，下次打开游戏时将沿用之前保存的设置。<byte value="xd"/>
%1。</translation>
    </message>
</context>
<context>
    <name>pebblenix::WinningLineDialog</name>
    <message>
        <source>Winning Line</source>
        <translation>制胜路线</translation>
    </message>
    <message>
        <source>&amp;Play Next Jump</source>
        <translation>执行下一跳(&amp;P)</translation>
    </message>
    <message>
        <source>Rewind to Last Winnable Position (Ctrl+R) goes back to before the jump that lost it.</source>
        <translation>使用“回退到最后一个可胜局面”（Ctrl+R）可回到断送中心收官的那一跳之前。</translation>
    </message>
    <message numerus="yes">
        <source>Jumps to the last marble in the centre: %n</source>
        <extracomment>Above the list of jumps; the number of jumps comes last.</extracomment>
        <translation>
            <numerusform>让最后一颗弹珠停在中心所需跳跃次数：%n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <extracomment>A placeholder title the About box has while it is built; &quot;About Pebblenix&quot; replaces it before the box is shown.</extracomment>
        <translation>关于 MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s button that closes it.</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>The About box&apos;s button that starts the system&apos;s information tool.</extracomment>
        <translation>系统信息(&amp;S)…</translation>
    </message>
    <message>
        <source>Author</source>
        <extracomment>The About box&apos;s label before the authors&apos; name.</extracomment>
        <translation>作者</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <extracomment>The About box&apos;s authors&apos; name, in a box of its own beside &quot;Author&quot;.</extracomment>
        <translation>Pebblenix 开发者</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <extracomment>The About box&apos;s distribution notice, one paragraph; it wraps in the box.</extracomment>
        <translation>Pebblenix 可以自由复制和分发，前提是保持完整、不作改动、附带本声明，且不向任何人收取费用。</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <extracomment>In the About box, above the developers&apos; postal address (kept in English).</extracomment>
        <translation>来信请寄 Pebblenix 开发者：</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <extracomment>In the About box; keep the number as it is.</extracomment>
        <translation>电话：+1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <extracomment>In the About box; keep the address as it is.</extracomment>
        <translation>电子邮件：pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <extracomment>In the About box; keep the address as it is.</extracomment>
        <translation>主页：https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <extracomment>The About box&apos;s title.</extracomment>
        <translation>关于 Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <extracomment>A message box when the About box&apos;s System Info button finds no system-information tool to start (on Linux: no desktop&apos;s own tool is installed).</extracomment>
        <translation>系统信息暂时不可用</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says for the clock or the count: %1 is its caption (&quot;Time on Hand&quot;), %2 the value shown (&quot;087&quot;).</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <extracomment>%1 names the settings file and why it cannot be removed.</extracomment>
        <translation>无法使用或删除已保存的弹珠颜色，因此游戏将使用深蓝色。<byte value="xd"/>
%1。</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <extracomment>Shown when the stored marble colour cannot be used; the game then ends. The English misspelling is kept as written on purpose.</extracomment>
        <translation>发生未知错误。</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <extracomment>Asked with Yes and No before the game window closes: Yes closes it.</extracomment>
        <translation>这么快就玩腻了？</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <extracomment>Asked with Yes and No by Game &gt; New, and by a colour chosen during a game.</extracomment>
        <translation>开始新游戏？</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <extracomment>%1 names the settings file and why it cannot be written.</extracomment>
        <translation>无法保存弹珠颜色，游戏将继续使用当前颜色。<byte value="xd"/>
%1。</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <extracomment>The title of the two messages at the end of a game.</extracomment>
        <translation>恭喜</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <extracomment>The last marble stands in the centre. The capitals and the space at the end are kept as written on purpose.</extracomment>
        <translation>您赢了！</translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <extracomment>One marble is left, but not in the centre. The line break, the double space and the spelling are kept as written on purpose.</extracomment>
        <translation>玩得好！再试试让最后一颗弹珠<byte value="xd"/>
停在中心孔里。</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <extracomment>%1 is the game file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>无法保存对局。<byte value="xd"/>
%1：%2。</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <extracomment>%1 says why the table of solutions (a file installed with the game) cannot be used.</extracomment>
        <translation>无法使用解法表，因此提示不可用。<byte value="xd"/>
%1。</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <extracomment>Game &gt; Rewind: no jump lost the centre finish, because there never was one.</extracomment>
        <translation>本局的起始局面就无法让最后一颗弹珠停在中心，因此没有可以回退到的局面。</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <extracomment>The first of twelve marble colours in Game &gt; Marble Color. The letter after &amp; is its access key: each colour needs its own, typed without AltGr.</extracomment>
        <translation>白色(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>蓝色(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Dark Blue</source>
        <translation>深蓝色(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Sky Blue</source>
        <translation>天蓝色(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>绿色(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Military Green</source>
        <translation>军绿色(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>黄色(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>粉色(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>红色(&amp;R)</translation>
    </message>
    <message>
        <source>Purp&amp;le</source>
        <translation>紫色(&amp;L)</translation>
    </message>
    <message>
        <source>Br&amp;own</source>
        <translation>棕色(&amp;O)</translation>
    </message>
    <message>
        <source>Blac&amp;k</source>
        <translation>黑色(&amp;K)</translation>
    </message>
    <message>
        <source>Pebblenix Files (*.pnx)</source>
        <extracomment>The file type in the Open and Save dialogs; keep &quot;(*.pnx)&quot; as it is.</extracomment>
        <translation>Pebblenix 对局文件 (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <extracomment>The caption above the marble count in the main window: two lines of about ten characters, three at most.</extracomment>
        <translation>盘上弹珠</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <extracomment>The caption above the countdown clock in the main window: one line of about thirteen characters, two at most.</extracomment>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>The first menu of the menu bar. The letter after &amp; is the access key (Alt and that letter): the menu bar&apos;s keys and each menu&apos;s keys must differ from one another and be typed without AltGr.</extracomment>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>另存为(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>提示(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Rewind to Last Winnable Position</source>
        <extracomment>Takes the board back to just before the jump after which the last marble could no longer finish in the centre.</extracomment>
        <translation>回退到最后一个可胜局面(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <extracomment>Opens a list of the game&apos;s jumps that shows which one lost the centre finish.</extracomment>
        <translation>复盘(&amp;V)…</translation>
    </message>
    <message>
        <source>Winning &amp;Line…</source>
        <translation>制胜路线(&amp;L)…</translation>
    </message>
    <message>
        <source>R&amp;ecords…</source>
        <translation>战绩(&amp;E)…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <extracomment>A submenu of Game: the twelve marble colours.</extracomment>
        <translation>弹珠颜色(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>Show &amp;Jumps</source>
        <translation>显示可跳位置(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The last menu of the menu bar; its access key must differ from Game&apos;s and View&apos;s.</extracomment>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>关于 Pebblenix(&amp;A)</translation>
    </message>
    <message>
        <source>The View menu&apos;s setting could not be saved, so the next game opens with the one stored before.<byte value="xd"/>
%1.</source>
        <extracomment>After a change in the View menu (the zoom, Show Jumps, Show Coordinates). %1 says which file could not be written and why.</extracomment>
        <translation>无法保存“视图”菜单的设置，下次打开游戏时将沿用之前保存的设置。<byte value="xd"/>
%1。</translation>
    </message>
    <message>
        <source>Show &amp;Moves</source>
        <extracomment>Shows below the board the moves made and the fewest moves that still finish.</extracomment>
        <translation>显示步数(&amp;M)</translation>
    </message>
    <message>
        <source>Shows the moves made, a chain of jumps by one marble counting once, and the fewest moves that still finish with the last marble in the centre.</source>
        <extracomment>Shown as the tip of the View menu&apos;s Show Moves item.</extracomment>
        <translation>显示已走的步数（同一颗弹珠的连续跳跃算作一步），以及仍可让最后一颗弹珠停在中心的最少步数。</translation>
    </message>
</context>
</TS>
