<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier du même nom est dans le passage</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written; the disk may be full</source>
        <translation>seuls %1 octets sur %2 ont pu être écrits ; le disque est peut-être plein</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <translation>%1 ne peut pas être supprimé (%2)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>des données binaires</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>line %1 is %2, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <translation>la ligne %1 vaut %2, mais une ligne de case doit valoir « 1 » ou « -1 »</translation>
    </message>
    <message>
        <source>the file has %1 lines, but a game file has %2</source>
        <translation>le fichier a %1 lignes, mais une partie en a %2</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>la ligne %1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <translation>la ligne 50, l’horloge, contient des données binaires</translation>
    </message>
    <message>
        <source>line 51 is %1, but the marble count must be a number from 0 to 255</source>
        <translation>la ligne 51 vaut %1, mais le nombre de billes doit être compris entre 0 et 255</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <translation>son nom n’est pas un texte UTF-8 valide, il ne peut donc pas être ouvert</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>le fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <translation>Le format de ce fichier n’est pas valide<byte value="xd"/>
%1 : %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 ne peut pas être lu (%2)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>D’ici, la dernière bille ne peut plus finir au centre.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>usage: pebblenix-solve FILE.pnx</source>
        <translation>usage : pebblenix-solve FICHIER.pnx</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>son dossier n’existe pas</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <translation>pebblenix-solve : la table des solutions est inutilisable : %1</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>La dernière bille est déjà au centre.</translation>
    </message>
    <message>
        <source>%1 marble left, in the centre.</source>
        <translation>%1 bille restante, au centre.</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>selected marble</source>
        <translation>bille sélectionnée</translation>
    </message>
    <message>
        <source>marble</source>
        <translation>bille</translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <translation>Revoir la partie</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Saut</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <translation>Billes restantes</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <translation>Fin au centre</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <translation>&amp;Revenir avant ce saut</translation>
    </message>
    <message>
        <source>possible</source>
        <translation>possible</translation>
    </message>
    <message>
        <source>not possible</source>
        <translation>impossible</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <translation>perdue par ce saut</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <translation>%1 l’aurait préservée.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2</source>
        <translation>%1, le saut qui a perdu la fin au centre. %2</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <translation>Aucun saut n’a été joué depuis cette position.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <translation>Cette partie a commencé d’une position où la dernière bille ne peut pas finir au centre.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <translation>Le saut %1, %2, a perdu la fin au centre.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>La dernière bille peut encore finir au centre.</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>À propos de MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;système...</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <translation>Les développeurs de Pebblenix</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <translation>Pebblenix peut être copié et donné librement, pourvu qu’il circule complet et inchangé, avec cette notice, et que personne ne le paie.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <translation>Écrivez aux développeurs de Pebblenix :</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <translation>Téléphone : +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <translation>Courriel : pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <translation>Site : https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <translation>À propos de Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <translation>La couleur de bille enregistrée ne peut être ni utilisée ni supprimée ; le jeu démarre donc en bleu foncé.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <translation>Une erreur inconnue s’est produite.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <translation>Déjà lassé ?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <translation>Commencer une nouvelle partie ?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <translation>La couleur des billes n’a pas pu être enregistrée ; le jeu continue dans sa couleur actuelle.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>The move was not made, because the undo file could not be written.</source>
        <translation>Le coup n’a pas été joué, car le fichier d’annulation n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <translation>Vous avez gagné la partie </translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <translation>Bien joué !! Essayez de finir avec la dernière bille<byte value="xd"/>
 dans la case centrale</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <translation>La partie n’a pas pu être enregistrée.<byte value="xd"/>
%1 : %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <translation>Les indices ne sont pas disponibles, car la table des solutions est inutilisable.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>La dernière bille peut encore finir au centre.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <translation>Cette partie a commencé d’une position où la dernière bille ne peut pas finir au centre ; il n’y a donc rien à rembobiner.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.</source>
        <translation>La partie n’a pas été rembobinée, car le fichier d’annulation n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>&amp;White</source>
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
        <translation>Fichiers Pebblenix (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <translation>Billes en jeu</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle</translation>
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
        <translation>&amp;Revenir à la dernière position gagnable</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <translation>Re&amp;voir la partie…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <translation>&amp;Couleur des billes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>À &amp;propos de Pebblenix</translation>
    </message>
</context>
</TS>
