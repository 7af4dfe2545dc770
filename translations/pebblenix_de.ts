<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein Ordner dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written; the disk may be full</source>
        <translation>nur %1 von %2 Bytes konnten geschrieben werden; der Datenträger ist vielleicht voll</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <translation>%1 kann nicht entfernt werden (%2)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>Binärdaten</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>line %1 is %2, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <translation>Zeile %1 ist %2, aber eine Feldzeile muss „1“ oder „-1“ sein</translation>
    </message>
    <message>
        <source>the file has %1 lines, but a game file has %2</source>
        <translation>die Datei hat %1 Zeilen, eine Spieldatei aber %2</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>Zeile %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <translation>Zeile 50, die Uhr, enthält Binärdaten</translation>
    </message>
    <message>
        <source>line 51 is %1, but the marble count must be a number from 0 to 255</source>
        <translation>Zeile 51 ist %1, aber die Zahl der Murmeln muss zwischen 0 und 255 liegen</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <translation>ihr Name ist kein gültiger UTF-8-Text, daher kann sie nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <translation>Sie haben ein ungültiges Dateiformat angegeben<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 kann nicht gelesen werden (%2)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>Von hier aus kann die letzte Murmel nicht mehr in der Mitte enden.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>usage: pebblenix-solve FILE.pnx</source>
        <translation>Aufruf: pebblenix-solve DATEI.pnx</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>ihr Ordner existiert nicht</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <translation>pebblenix-solve: die Lösungstabelle kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>Die letzte Murmel ist schon in der Mitte.</translation>
    </message>
    <message>
        <source>%1 marble left, in the centre.</source>
        <translation>%1 Murmel übrig, in der Mitte.</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>selected marble</source>
        <translation>gewählte Murmel</translation>
    </message>
    <message>
        <source>marble</source>
        <translation>Murmel</translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <translation>Partie durchsehen</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Sprung</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <translation>Murmeln übrig</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <translation>Ende in der Mitte</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <translation>&amp;Zurück vor diesen Sprung</translation>
    </message>
    <message>
        <source>possible</source>
        <translation>möglich</translation>
    </message>
    <message>
        <source>not possible</source>
        <translation>nicht möglich</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <translation>durch diesen Sprung verloren</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <translation>Mit %1 wäre es möglich geblieben.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2</source>
        <translation>%1, der Sprung, der das Ende in der Mitte verspielt hat. %2</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <translation>Seit dieser Stellung wurde noch kein Sprung gemacht.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <translation>Diese Partie begann in einer Stellung, in der die letzte Murmel nicht in der Mitte enden kann.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <translation>Sprung %1, %2, hat das Ende in der Mitte verspielt.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Die letzte Murmel kann noch in der Mitte enden.</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Über MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <translation>Die Pebblenix-Entwickler</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <translation>Pebblenix darf frei kopiert und weitergegeben werden, solange es vollständig und unverändert mit diesem Hinweis weitergegeben wird und niemand dafür bezahlen muss.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <translation>Schreiben Sie den Pebblenix-Entwicklern:</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <translation>Telefon: +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <translation>E-Mail: pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <translation>Webseite: https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <translation>Über Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <translation>Die gespeicherte Murmelfarbe kann weder verwendet noch entfernt werden, daher beginnt das Spiel in Dunkelblau.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <translation>Schon gelangweilt?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <translation>Ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <translation>Die Murmelfarbe konnte nicht gespeichert werden, daher geht das Spiel in der bisherigen Farbe weiter.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>The move was not made, because the undo file could not be written.</source>
        <translation>Der Zug wurde nicht ausgeführt, weil die Datei zum Rückgängigmachen nicht geschrieben werden konnte.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Glückwunsch</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <translation>Sie haben das Spiel gewonnen </translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <translation>Gut gespielt!! Versuchen Sie, die letzte Murmel<byte value="xd"/>
 ins Mittelfeld zu bringen</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <translation>Das Spiel konnte nicht gespeichert werden.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <translation>Tipps sind nicht verfügbar, weil die Lösungstabelle nicht verwendet werden kann.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Die letzte Murmel kann noch in der Mitte enden.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <translation>Diese Partie begann in einer Stellung, in der die letzte Murmel nicht in der Mitte enden kann; es gibt also nichts, wohin zurückgespult werden könnte.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.</source>
        <translation>Das Spiel wurde nicht zurückgespult, weil die Datei zum Rückgängigmachen nicht geschrieben werden konnte.</translation>
    </message>
    <message>
        <source>&amp;White</source>
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
        <translation>Pebblenix-Dateien (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <translation>Murmeln auf dem Brett</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>&amp;Game</source>
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
        <translation>Zur &amp;letzten gewinnbaren Stellung</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <translation>Partie &amp;durchsehen…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <translation>&amp;Murmelfarbe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>Ü&amp;ber Pebblenix</translation>
    </message>
</context>
</TS>
