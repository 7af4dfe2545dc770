<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>przeszkadza folder o tej nazwie</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written; the disk may be full</source>
        <translation>udało się zapisać tylko %1 z %2 bajtów; dysk może być pełny</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>to jest folder, a nie plik</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>nie można zapisać %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 jest folderem</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <translation>nie można usunąć %1 (%2)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>pusty</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>dane binarne</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>line %1 is %2, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <translation>wiersz %1 to %2, a wiersz pola musi mieć wartość „1” lub „-1”</translation>
    </message>
    <message>
        <source>the file has %1 lines, but a game file has %2</source>
        <translation>plik ma %1 wierszy, a plik gry ma ich %2</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>wiersz %1 ma więcej niż %2 znaków</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <translation>wiersz 50, zegar, zawiera dane binarne</translation>
    </message>
    <message>
        <source>line 51 is %1, but the marble count must be a number from 0 to 255</source>
        <translation>wiersz 51 to %1, a liczba kulek musi być liczbą od 0 do 255</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <translation>jego nazwa nie jest poprawnym tekstem UTF-8, więc nie można go otworzyć</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>nie można odczytać pliku (%1)</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <translation>Podano nieprawidłowy format pliku<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>nie można odczytać %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>Stąd ostatnia kulka nie może już skończyć na środku.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>usage: pebblenix-solve FILE.pnx</source>
        <translation>użycie: pebblenix-solve PLIK.pnx</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>jego folder nie istnieje</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <translation>pebblenix-solve: nie można użyć tablicy rozwiązań: %1</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>Ostatnia kulka jest już na środku.</translation>
    </message>
    <message>
        <source>%1 marble left, in the centre.</source>
        <translation>Została %1 kulka, na środku.</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>selected marble</source>
        <translation>wybrana kulka</translation>
    </message>
    <message>
        <source>marble</source>
        <translation>kulka</translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <translation>Przegląd partii</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Skok</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <translation>Pozostałe kulki</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <translation>Koniec na środku</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <translation>&amp;Wróć do chwili przed tym skokiem</translation>
    </message>
    <message>
        <source>possible</source>
        <translation>możliwy</translation>
    </message>
    <message>
        <source>not possible</source>
        <translation>niemożliwy</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <translation>utracony przez ten skok</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <translation>%1 by go zachował.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2</source>
        <translation>%1, skok, który przekreślił koniec na środku. %2</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <translation>Od tego ustawienia nie wykonano żadnego skoku.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <translation>Ta partia zaczęła się od ustawienia, z którego ostatnia kulka nie może skończyć na środku.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <translation>Skok %1, %2, przekreślił koniec na środku.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Ostatnia kulka wciąż może skończyć na środku.</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>O programie MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info o &amp;systemie...</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <translation>Twórcy Pebblenix</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <translation>Pebblenix można swobodnie kopiować i rozdawać, o ile jest przekazywany w całości i bez zmian, z tą informacją, i nikt nie pobiera za niego opłat.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <translation>Napisz do twórców Pebblenix:</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <translation>Telefon: +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <translation>E-mail: pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <translation>Strona: https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <translation>O programie Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są obecnie niedostępne</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <translation>Zapisanego koloru kulek nie można użyć ani usunąć, więc gra zaczyna się w kolorze ciemnoniebieskim.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <translation>Wystąpił nieznany błąd.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <translation>Już się nudzisz?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <translation>Zacząć nową grę?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <translation>Nie udało się zapisać koloru kulek, więc gra toczy się dalej w obecnym kolorze.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>The move was not made, because the undo file could not be written.</source>
        <translation>Ruch nie został wykonany, bo nie udało się zapisać pliku cofania.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gratulacje</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <translation>Wygrałeś grę </translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <translation>Dobrze zagrane!! Spróbuj umieścić ostatnią kulkę<byte value="xd"/>
 na środkowym polu</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <translation>Nie udało się zapisać gry.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <translation>Podpowiedzi są niedostępne, bo nie można użyć tablicy rozwiązań.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Ostatnia kulka wciąż może skończyć na środku.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <translation>Ta partia zaczęła się od ustawienia, z którego ostatnia kulka nie może skończyć na środku, więc nie ma do czego wracać.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.</source>
        <translation>Gra nie została cofnięta, bo nie udało się zapisać pliku cofania.</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Biały</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Niebieski</translation>
    </message>
    <message>
        <source>&amp;Dark Blue</source>
        <translation>&amp;Ciemnoniebieski</translation>
    </message>
    <message>
        <source>&amp;Sky Blue</source>
        <translation>B&amp;łękitny</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Zielony</translation>
    </message>
    <message>
        <source>&amp;Military Green</source>
        <translation>Zielony w&amp;ojskowy</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>Żół&amp;ty</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>Ró&amp;żowy</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>Cz&amp;erwony</translation>
    </message>
    <message>
        <source>Purp&amp;le</source>
        <translation>&amp;Fioletowy</translation>
    </message>
    <message>
        <source>Br&amp;own</source>
        <translation>Brązo&amp;wy</translation>
    </message>
    <message>
        <source>Blac&amp;k</source>
        <translation>Cza&amp;rny</translation>
    </message>
    <message>
        <source>Pebblenix Files (*.pnx)</source>
        <translation>Pliki Pebblenix (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <translation>Kulki na planszy</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <translation>Pozostały czas</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Zapisz &amp;jako</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>&amp;Rewind to Last Winnable Position</source>
        <translation>&amp;Wróć do ostatniej wygrywającej pozycji</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <translation>P&amp;rzegląd partii…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <translation>Ko&amp;lor kulek</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>&amp;O programie Pebblenix</translation>
    </message>
</context>
</TS>
