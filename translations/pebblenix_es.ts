<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>hay una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written; the disk may be full</source>
        <translation>solo se pudieron escribir %1 de %2 bytes; puede que el disco esté lleno</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <translation>no se puede eliminar %1 (%2)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>datos binarios</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>line %1 is %2, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <translation>la línea %1 es %2, pero una línea de casilla debe ser «1» o «-1»</translation>
    </message>
    <message>
        <source>the file has %1 lines, but a game file has %2</source>
        <translation>el archivo tiene %1 líneas, pero una partida tiene %2</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>la línea %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <translation>la línea 50, el reloj, contiene datos binarios</translation>
    </message>
    <message>
        <source>line 51 is %1, but the marble count must be a number from 0 to 255</source>
        <translation>la línea 51 es %1, pero el número de canicas debe estar entre 0 y 255</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <translation>su nombre no es texto UTF-8 válido, así que no se puede abrir</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>no se puede leer el archivo (%1)</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <translation>Ha indicado un formato de archivo no válido<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>no se puede leer %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>Desde aquí, la última canica ya no puede terminar en el centro.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>usage: pebblenix-solve FILE.pnx</source>
        <translation>uso: pebblenix-solve ARCHIVO.pnx</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>su carpeta no existe</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <translation>pebblenix-solve: no se puede usar la tabla de soluciones: %1</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>La última canica ya está en el centro.</translation>
    </message>
    <message>
        <source>%1 marble left, in the centre.</source>
        <translation>Queda %1 canica, en el centro.</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>selected marble</source>
        <translation>canica seleccionada</translation>
    </message>
    <message>
        <source>marble</source>
        <translation>canica</translation>
    </message>
</context>
<context>
    <name>pebblenix::ReviewDialog</name>
    <message>
        <source>Review Game</source>
        <translation>Revisar partida</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <translation>Canicas restantes</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <translation>Final en el centro</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <translation>&amp;Volver a antes de este salto</translation>
    </message>
    <message>
        <source>possible</source>
        <translation>posible</translation>
    </message>
    <message>
        <source>not possible</source>
        <translation>imposible</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <translation>perdido con este salto</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <translation>%1 lo habría mantenido.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2</source>
        <translation>%1, el salto que perdió el final en el centro. %2</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <translation>No se ha hecho ningún salto desde esta posición.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <translation>Esta partida empezó en una posición desde la que la última canica no puede terminar en el centro.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <translation>El salto %1, %2, perdió el final en el centro.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Todavía puede terminar con la última canica en el centro.</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Acerca de MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info del &amp;sistema...</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <translation>Los desarrolladores de Pebblenix</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <translation>Pebblenix se puede copiar y regalar libremente, siempre que circule completo y sin cambios, con este aviso, y que nadie cobre por él.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <translation>Escriba a los desarrolladores de Pebblenix:</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <translation>Teléfono: +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <translation>Correo: pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <translation>Web: https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <translation>Acerca de Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <translation>El color de canica guardado no se puede usar ni eliminar, así que el juego empieza en azul oscuro.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <translation>Se ha producido un error desconocido.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <translation>¿Aburrido tan pronto?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <translation>¿Empezar una partida nueva?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <translation>No se pudo guardar el color de las canicas, así que el juego sigue con el color actual.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>The move was not made, because the undo file could not be written.</source>
        <translation>No se hizo el movimiento porque no se pudo escribir el archivo para deshacer.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Enhorabuena</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <translation>Ha ganado la partida </translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <translation>¡¡Bien jugado!! Intente dejar la última canica<byte value="xd"/>
 en la casilla central</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <translation>No se pudo guardar la partida.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <translation>Las pistas no están disponibles porque no se puede usar la tabla de soluciones.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Todavía puede terminar con la última canica en el centro.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <translation>Esta partida empezó en una posición desde la que la última canica no puede terminar en el centro, así que no hay adónde retroceder.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.</source>
        <translation>La partida no retrocedió porque no se pudo escribir el archivo para deshacer.</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Blanco</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Azul</translation>
    </message>
    <message>
        <source>&amp;Dark Blue</source>
        <translation>Azul &amp;oscuro</translation>
    </message>
    <message>
        <source>&amp;Sky Blue</source>
        <translation>Azul &amp;cielo</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>&amp;Military Green</source>
        <translation>Verde &amp;militar</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>Amar&amp;illo</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>Ro&amp;sa</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rojo</translation>
    </message>
    <message>
        <source>Purp&amp;le</source>
        <translation>Mora&amp;do</translation>
    </message>
    <message>
        <source>Br&amp;own</source>
        <translation>Marr&amp;ón</translation>
    </message>
    <message>
        <source>Blac&amp;k</source>
        <translation>&amp;Negro</translation>
    </message>
    <message>
        <source>Pebblenix Files (*.pnx)</source>
        <translation>Archivos de Pebblenix (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <translation>Canicas en el tablero</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Rewind to Last Winnable Position</source>
        <translation>&amp;Retroceder a la última posición ganable</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <translation>Re&amp;visar partida…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <translation>C&amp;olor de las canicas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>&amp;Acerca de Pebblenix</translation>
    </message>
</context>
</TS>
