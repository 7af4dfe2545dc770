<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>er staat een map met die naam in de weg</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written; the disk may be full</source>
        <translation>slechts %1 van %2 bytes konden worden geschreven; de schijf is misschien vol</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>de map %1 kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 kan niet worden geschreven (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 is een map</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <translation>%1 kan niet worden verwijderd (%2)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>binaire gegevens</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>line %1 is %2, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <translation>regel %1 is %2, maar een vakregel moet &quot;1&quot; of &quot;-1&quot; zijn</translation>
    </message>
    <message>
        <source>the file has %1 lines, but a game file has %2</source>
        <translation>het bestand heeft %1 regels, maar een spelbestand heeft er %2</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>regel %1 is langer dan %2 tekens</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <translation>regel 50, de klok, bevat binaire gegevens</translation>
    </message>
    <message>
        <source>line 51 is %1, but the marble count must be a number from 0 to 255</source>
        <translation>regel 51 is %1, maar het aantal knikkers moet een getal van 0 tot 255 zijn</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <translation>de naam is geen geldige UTF-8-tekst, dus het kan niet worden geopend</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>het bestand kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <translation>U hebt een ongeldige bestandsindeling opgegeven<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 kan niet worden gelezen (%2)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>Vanaf hier kan de laatste knikker niet meer in het midden eindigen.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>usage: pebblenix-solve FILE.pnx</source>
        <translation>gebruik: pebblenix-solve BESTAND.pnx</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>de map ervan bestaat niet</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <translation>pebblenix-solve: de oplossingentabel kan niet worden gebruikt: %1</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>De laatste knikker staat al in het midden.</translation>
    </message>
    <message>
        <source>%1 marble left, in the centre.</source>
        <translation>%1 knikker over, in het midden.</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>selected marble</source>
        <translation>gekozen knikker</translation>
    </message>
    <message>
        <source>marble</source>
        <translation>knikker</translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <translation>Partij nakijken</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Sprong</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <translation>Knikkers over</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <translation>Eindigen in het midden</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <translation>&amp;Terug naar vóór deze sprong</translation>
    </message>
    <message>
        <source>possible</source>
        <translation>mogelijk</translation>
    </message>
    <message>
        <source>not possible</source>
        <translation>niet mogelijk</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <translation>door deze sprong verloren</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <translation>Met %1 was het mogelijk gebleven.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2</source>
        <translation>%1, de sprong waardoor eindigen in het midden verloren ging. %2</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <translation>Sinds deze stelling is er nog niet gesprongen.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <translation>Deze partij begon in een stelling waarin de laatste knikker niet in het midden kan eindigen.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <translation>Door sprong %1, %2, ging eindigen in het midden verloren.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>De laatste knikker kan nog in het midden eindigen.</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Over MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminfo...</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <translation>De Pebblenix-ontwikkelaars</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <translation>Pebblenix mag vrij worden gekopieerd en weggegeven, zolang het volledig en ongewijzigd met deze mededeling wordt doorgegeven en niemand ervoor hoeft te betalen.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <translation>Schrijf naar de Pebblenix-ontwikkelaars:</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <translation>Telefoon: +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <translation>E-mail: pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <translation>Website: https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <translation>Over Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is op dit moment niet beschikbaar</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <translation>De opgeslagen knikkerkleur kan niet worden gebruikt of verwijderd, dus het spel begint in donkerblauw.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <translation>Er is een onbekende fout opgetreden.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <translation>Nu al verveeld?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <translation>Een nieuw spel beginnen?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <translation>De knikkerkleur kon niet worden opgeslagen, dus het spel gaat verder in de huidige kleur.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>The move was not made, because the undo file could not be written.</source>
        <translation>De zet is niet gedaan, omdat het bestand voor ongedaan maken niet kon worden geschreven.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <translation>U hebt het spel gewonnen </translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <translation>Goed gespeeld!! Probeer de laatste knikker<byte value="xd"/>
 in het middelste vak te krijgen</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <translation>Het spel kon niet worden opgeslagen.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <translation>Tips zijn niet beschikbaar, omdat de oplossingentabel niet kan worden gebruikt.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>De laatste knikker kan nog in het midden eindigen.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <translation>Deze partij begon in een stelling waarin de laatste knikker niet in het midden kan eindigen, dus er is niets om naar terug te spoelen.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.</source>
        <translation>Het spel is niet teruggespoeld, omdat het bestand voor ongedaan maken niet kon worden geschreven.</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Wit</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blauw</translation>
    </message>
    <message>
        <source>&amp;Dark Blue</source>
        <translation>&amp;Donkerblauw</translation>
    </message>
    <message>
        <source>&amp;Sky Blue</source>
        <translation>&amp;Hemelsblauw</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Groen</translation>
    </message>
    <message>
        <source>&amp;Military Green</source>
        <translation>&amp;Legergroen</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>G&amp;eel</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>R&amp;oze</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rood</translation>
    </message>
    <message>
        <source>Purp&amp;le</source>
        <translation>&amp;Paars</translation>
    </message>
    <message>
        <source>Br&amp;own</source>
        <translation>Br&amp;uin</translation>
    </message>
    <message>
        <source>Blac&amp;k</source>
        <translation>&amp;Zwart</translation>
    </message>
    <message>
        <source>Pebblenix Files (*.pnx)</source>
        <translation>Pebblenix-bestanden (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <translation>Knikkers op het bord</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <translation>Resterende tijd</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Opslaan a&amp;ls</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>On&amp;gedaan maken</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>&amp;Rewind to Last Winnable Position</source>
        <translation>Te&amp;rug naar laatste winbare stelling</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <translation>Partij nak&amp;ijken…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <translation>Knikker&amp;kleur</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>&amp;Over Pebblenix</translation>
    </message>
</context>
</TS>
