<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>мешает папка с таким именем</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written; the disk may be full</source>
        <translation>удалось записать только %1 из %2 байт; возможно, диск заполнен</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>не удаётся записать %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 — это папка</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <translation>не удаётся удалить %1 (%2)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пустая</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>двоичные данные</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>line %1 is %2, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <translation>строка %1 — %2, но строка клетки должна быть «1» или «-1»</translation>
    </message>
    <message>
        <source>the file has %1 lines, but a game file has %2</source>
        <translation>в файле %1 строк, а в файле игры их %2</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>строка %1 длиннее %2 символов</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <translation>строка 50, часы, содержит двоичные данные</translation>
    </message>
    <message>
        <source>line 51 is %1, but the marble count must be a number from 0 to 255</source>
        <translation>строка 51 — %1, но число шариков должно быть от 0 до 255</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <translation>его имя — не допустимый текст UTF-8, поэтому его нельзя открыть</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>не удаётся прочитать файл (%1)</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <translation>Указан файл недопустимого формата<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>не удаётся прочитать %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>Отсюда последний шарик уже не может закончить в центре.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>usage: pebblenix-solve FILE.pnx</source>
        <translation>использование: pebblenix-solve ФАЙЛ.pnx</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>его папка не существует</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <translation>pebblenix-solve: таблицу решений нельзя использовать: %1</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>Последний шарик уже в центре.</translation>
    </message>
    <message>
        <source>%1 marble left, in the centre.</source>
        <translation>Остался %1 шарик, в центре.</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>selected marble</source>
        <translation>выбранный шарик</translation>
    </message>
    <message>
        <source>marble</source>
        <translation>шарик</translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <translation>Разбор партии</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Прыжок</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <translation>Осталось шариков</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <translation>Финиш в центре</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <translation>&amp;Вернуться к позиции до этого прыжка</translation>
    </message>
    <message>
        <source>possible</source>
        <translation>возможен</translation>
    </message>
    <message>
        <source>not possible</source>
        <translation>невозможен</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <translation>упущен этим прыжком</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <translation>Ход %1 сохранил бы его.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2</source>
        <translation>%1 — прыжок, упустивший финиш в центре. %2</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <translation>С этой позиции ещё не сделано ни одного прыжка.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <translation>Эта партия началась с позиции, из которой последний шарик не может закончить в центре.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <translation>Прыжок %1, %2, упустил финиш в центре.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Последний шарик ещё может закончить в центре.</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>О программе MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;О системе...</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Автор</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <translation>Разработчики Pebblenix</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <translation>Pebblenix можно свободно копировать и раздавать, если он распространяется целиком и без изменений, с этим уведомлением, и никто не берёт за него плату.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <translation>Пишите разработчикам Pebblenix:</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <translation>Телефон: +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <translation>Эл. почта: pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <translation>Сайт: https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <translation>О программе Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Сведения о системе сейчас недоступны</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <translation>Сохранённый цвет шариков нельзя ни использовать, ни удалить, поэтому игра начинается в тёмно-синем.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <translation>Произошла неизвестная ошибка.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <translation>Уже надоело?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <translation>Начать новую игру?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <translation>Не удалось сохранить цвет шариков, поэтому игра продолжается в прежнем цвете.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>The move was not made, because the undo file could not be written.</source>
        <translation>Ход не сделан: не удалось записать файл отмены.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Поздравляем</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <translation>Вы выиграли партию </translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <translation>Хорошо сыграно!! Попробуйте закончить последним шариком<byte value="xd"/>
 в центральной клетке</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <translation>Не удалось сохранить игру.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <translation>Подсказки недоступны: таблицу решений нельзя использовать.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Последний шарик ещё может закончить в центре.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <translation>Эта партия началась с позиции, из которой последний шарик не может закончить в центре, так что возвращаться некуда.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.</source>
        <translation>Партия не возвращена: не удалось записать файл отмены.</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Белый</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Синий</translation>
    </message>
    <message>
        <source>&amp;Dark Blue</source>
        <translation>&amp;Тёмно-синий</translation>
    </message>
    <message>
        <source>&amp;Sky Blue</source>
        <translation>&amp;Голубой</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Зелёный</translation>
    </message>
    <message>
        <source>&amp;Military Green</source>
        <translation>&amp;Хаки</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Жёлтый</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>Р&amp;озовый</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Красный</translation>
    </message>
    <message>
        <source>Purp&amp;le</source>
        <translation>&amp;Фиолетовый</translation>
    </message>
    <message>
        <source>Br&amp;own</source>
        <translation>Кори&amp;чневый</translation>
    </message>
    <message>
        <source>Blac&amp;k</source>
        <translation>Чёр&amp;ный</translation>
    </message>
    <message>
        <source>Pebblenix Files (*.pnx)</source>
        <translation>Файлы Pebblenix (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <translation>Шариков на доске</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Сохранить &amp;как</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Отм&amp;енить</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;Rewind to Last Winnable Position</source>
        <translation>&amp;Вернуться к последней выигрышной позиции</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <translation>&amp;Разбор партии…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <translation>&amp;Цвет шариков</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>&amp;О программе Pebblenix</translation>
    </message>
</context>
</TS>
