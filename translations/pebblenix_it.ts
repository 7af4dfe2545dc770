<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>una cartella con quel nome è d’intralcio</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written; the disk may be full</source>
        <translation>è stato possibile scrivere solo %1 byte su %2; il disco potrebbe essere pieno</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>impossibile scrivere %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 è una cartella</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <translation>impossibile rimuovere %1 (%2)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>dati binari</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>line %1 is %2, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <translation>la riga %1 è %2, ma una riga di casella deve essere «1» o «-1»</translation>
    </message>
    <message>
        <source>the file has %1 lines, but a game file has %2</source>
        <translation>il file ha %1 righe, ma una partita ne ha %2</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>la riga %1 supera i %2 caratteri</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <translation>la riga 50, l’orologio, contiene dati binari</translation>
    </message>
    <message>
        <source>line 51 is %1, but the marble count must be a number from 0 to 255</source>
        <translation>la riga 51 è %1, ma il numero di biglie deve essere compreso tra 0 e 255</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <translation>il suo nome non è testo UTF-8 valido, quindi non può essere aperto</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>impossibile leggere il file (%1)</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <translation>Il formato del file indicato non è valido<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>impossibile leggere %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>Da qui l’ultima biglia non può più finire al centro.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>usage: pebblenix-solve FILE.pnx</source>
        <translation>uso: pebblenix-solve FILE.pnx</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>la sua cartella non esiste</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <translation>pebblenix-solve: impossibile usare la tabella delle soluzioni: %1</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>L’ultima biglia è già al centro.</translation>
    </message>
    <message>
        <source>%1 marble left, in the centre.</source>
        <translation>%1 biglia rimasta, al centro.</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>selected marble</source>
        <translation>biglia selezionata</translation>
    </message>
    <message>
        <source>marble</source>
        <translation>biglia</translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <translation>Rivedi partita</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <translation>Biglie rimaste</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <translation>Finale al centro</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <translation>&amp;Torna a prima di questo salto</translation>
    </message>
    <message>
        <source>possible</source>
        <translation>possibile</translation>
    </message>
    <message>
        <source>not possible</source>
        <translation>impossibile</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <translation>perso con questo salto</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <translation>%1 lo avrebbe mantenuto.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2</source>
        <translation>%1, il salto che ha perso il finale al centro. %2</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <translation>Nessun salto è stato fatto da questa posizione.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <translation>Questa partita è cominciata da una posizione in cui l’ultima biglia non può finire al centro.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <translation>Il salto %1, %2, ha perso il finale al centro.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Puoi ancora finire con l’ultima biglia al centro.</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Informazioni su MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info di &amp;sistema...</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <translation>Gli sviluppatori di Pebblenix</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <translation>Pebblenix si può copiare e regalare liberamente, purché circoli completo e invariato, con questo avviso, e nessuno lo faccia pagare.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <translation>Scrivi agli sviluppatori di Pebblenix:</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <translation>Telefono: +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <translation>E-mail: pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <translation>Sito: https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <translation>Informazioni su Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili al momento</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <translation>Il colore delle biglie salvato non può essere usato né rimosso, quindi il gioco parte in blu scuro.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <translation>Si è verificato un errore sconosciuto.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <translation>Già annoiato?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <translation>Iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <translation>Impossibile salvare il colore delle biglie, quindi il gioco continua con il colore attuale.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>The move was not made, because the undo file could not be written.</source>
        <translation>La mossa non è stata fatta perché non è stato possibile scrivere il file per annullare.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Congratulazioni</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <translation>Hai vinto la partita </translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <translation>Ben giocato!! Prova a portare l’ultima biglia<byte value="xd"/>
 nella casella centrale</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <translation>Impossibile salvare la partita.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <translation>I suggerimenti non sono disponibili perché non è possibile usare la tabella delle soluzioni.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Puoi ancora finire con l’ultima biglia al centro.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <translation>Questa partita è cominciata da una posizione in cui l’ultima biglia non può finire al centro, quindi non c’è niente a cui tornare.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.</source>
        <translation>La partita non è stata riportata indietro perché non è stato possibile scrivere il file per annullare.</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Bianco</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>B&amp;lu</translation>
    </message>
    <message>
        <source>&amp;Dark Blue</source>
        <translation>Blu &amp;scuro</translation>
    </message>
    <message>
        <source>&amp;Sky Blue</source>
        <translation>&amp;Azzurro</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>&amp;Military Green</source>
        <translation>Verde &amp;militare</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Giallo</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>&amp;Rosa</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>Ross&amp;o</translation>
    </message>
    <message>
        <source>Purp&amp;le</source>
        <translation>V&amp;iola</translation>
    </message>
    <message>
        <source>Br&amp;own</source>
        <translation>Marro&amp;ne</translation>
    </message>
    <message>
        <source>Blac&amp;k</source>
        <translation>N&amp;ero</translation>
    </message>
    <message>
        <source>Pebblenix Files (*.pnx)</source>
        <translation>File di Pebblenix (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <translation>Biglie in gioco</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <translation>Tempo rimasto</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salva &amp;con nome</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Su&amp;ggerimento</translation>
    </message>
    <message>
        <source>&amp;Rewind to Last Winnable Position</source>
        <translation>&amp;Torna all’ultima posizione vincente</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <translation>Ri&amp;vedi partita…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <translation>C&amp;olore delle biglie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>&amp;Informazioni su Pebblenix</translation>
    </message>
</context>
</TS>
