<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Files</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>há uma pasta com esse nome no caminho</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written; the disk may be full</source>
        <translation>só foi possível gravar %1 de %2 bytes; o disco pode estar cheio</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>não é possível gravar %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 é uma pasta</translation>
    </message>
    <message>
        <source>%1 cannot be removed (%2)</source>
        <translation>não é possível remover %1 (%2)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>dados binários</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>line %1 is %2, but a cell line must be &quot;1&quot; or &quot;-1&quot;</source>
        <translation>a linha %1 é %2, mas uma linha de casa deve ser &quot;1&quot; ou &quot;-1&quot;</translation>
    </message>
    <message>
        <source>the file has %1 lines, but a game file has %2</source>
        <translation>o arquivo tem %1 linhas, mas uma partida tem %2</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>a linha %1 tem mais de %2 caracteres</translation>
    </message>
    <message>
        <source>line 50, the clock, holds binary data</source>
        <translation>a linha 50, o relógio, contém dados binários</translation>
    </message>
    <message>
        <source>line 51 is %1, but the marble count must be a number from 0 to 255</source>
        <translation>a linha 51 é %1, mas o número de bolinhas deve estar entre 0 e 255</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened</source>
        <translation>o nome dele não é um texto UTF-8 válido, então ele não pode ser aberto</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>não é possível ler o arquivo (%1)</translation>
    </message>
    <message>
        <source>You have provided an invalid file format<byte value="xd"/>
%1: %2.</source>
        <translation>Você forneceu um formato de arquivo inválido<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>não é possível ler %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No finish with the last marble in the centre is possible from here.</source>
        <translation>Daqui, a última bolinha não pode mais terminar no centro.</translation>
    </message>
</context>
<context>
    <name>Solve</name>
    <message>
        <source>usage: pebblenix-solve FILE.pnx</source>
        <translation>uso: pebblenix-solve ARQUIVO.pnx</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>a pasta dele não existe</translation>
    </message>
    <message>
        <source>pebblenix-solve: the table of solutions cannot be used: %1</source>
        <translation>pebblenix-solve: não é possível usar a tabela de soluções: %1</translation>
    </message>
    <message>
        <source>The last marble is already in the centre.</source>
        <translation>A última bolinha já está no centro.</translation>
    </message>
    <message>
        <source>%1 marble left, in the centre.</source>
        <translation>%1 bolinha restante, no centro.</translation>
    </message>
</context>
<context>
    <name>pebblenix::BoardCell</name>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>selected marble</source>
        <translation>bolinha selecionada</translation>
    </message>
    <message>
        <source>marble</source>
        <translation>bolinha</translation>
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
        <translation>Nº</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>Marbles left</source>
        <translation>Bolinhas restantes</translation>
    </message>
    <message>
        <source>Centre finish</source>
        <translation>Final no centro</translation>
    </message>
    <message>
        <source>&amp;Go Back to Before This Jump</source>
        <translation>&amp;Voltar para antes deste salto</translation>
    </message>
    <message>
        <source>possible</source>
        <translation>possível</translation>
    </message>
    <message>
        <source>not possible</source>
        <translation>impossível</translation>
    </message>
    <message>
        <source>lost by this jump</source>
        <translation>perdido por este salto</translation>
    </message>
    <message>
        <source>%1 would have kept it.</source>
        <translation>%1 o teria mantido.</translation>
    </message>
    <message>
        <source>%1, the jump that lost the centre finish. %2</source>
        <translation>%1, o salto que perdeu o final no centro. %2</translation>
    </message>
    <message>
        <source>No jumps have been made since this position was set.</source>
        <translation>Nenhum salto foi feito desde esta posição.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre.</source>
        <translation>Esta partida começou de uma posição em que a última bolinha não pode terminar no centro.</translation>
    </message>
    <message>
        <source>Jump %1, %2, lost the centre finish.</source>
        <translation>O salto %1, %2, perdeu o final no centro.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Você ainda pode terminar com a última bolinha no centro.</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Sobre o MyApp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info do &amp;sistema...</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>The Pebblenix developers</source>
        <translation>Os desenvolvedores do Pebblenix</translation>
    </message>
    <message>
        <source>Pebblenix is free to copy and give away, as long as it travels whole and unchanged, with this notice, and nobody is charged for it.</source>
        <translation>O Pebblenix pode ser copiado e distribuído livremente, desde que circule completo e sem alterações, com este aviso, e que ninguém cobre por ele.</translation>
    </message>
    <message>
        <source>Write to the Pebblenix developers at:</source>
        <translation>Escreva para os desenvolvedores do Pebblenix:</translation>
    </message>
    <message>
        <source>Phone: +1 555 0100</source>
        <translation>Telefone: +1 555 0100</translation>
    </message>
    <message>
        <source>E-mail: pebblenix@example.org</source>
        <translation>E-mail: pebblenix@example.org</translation>
    </message>
    <message>
        <source>Homepage: https://pebblenix.example.org</source>
        <translation>Site: https://pebblenix.example.org</translation>
    </message>
    <message>
        <source>About Pebblenix</source>
        <translation>Sobre o Pebblenix</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
<context>
    <name>pebblenix::frmgame</name>
    <message>
        <source>The stored marble colour cannot be used or removed, so the game starts in dark blue.<byte value="xd"/>
%1.</source>
        <translation>A cor de bolinha salva não pode ser usada nem removida, então o jogo começa em azul-escuro.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Unknown error has occured.</source>
        <translation>Ocorreu um erro desconhecido.</translation>
    </message>
    <message>
        <source>Bored So Early?</source>
        <translation>Cansou tão cedo?</translation>
    </message>
    <message>
        <source>Start A New Game?</source>
        <translation>Começar uma nova partida?</translation>
    </message>
    <message>
        <source>The marble colour could not be saved, so the game goes on in the colour it has.<byte value="xd"/>
%1.</source>
        <translation>Não foi possível salvar a cor das bolinhas, então o jogo continua com a cor atual.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>The move was not made, because the undo file could not be written.</source>
        <translation>A jogada não foi feita porque o arquivo para desfazer não pôde ser gravado.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <source>You won The Game </source>
        <translation>Você ganhou a partida </translation>
    </message>
    <message>
        <source>Well played !! try to get the last marble<byte value="xd"/>
 in  the center square</source>
        <translation>Muito bem!! Tente deixar a última bolinha<byte value="xd"/>
 na casa central</translation>
    </message>
    <message>
        <source>The game could not be saved.<byte value="xd"/>
%1: %2.</source>
        <translation>Não foi possível salvar a partida.<byte value="xd"/>
%1: %2.</translation>
    </message>
    <message>
        <source>Hints are not available, because the table of solutions cannot be used.<byte value="xd"/>
%1.</source>
        <translation>As dicas não estão disponíveis porque não é possível usar a tabela de soluções.<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>You can still finish with the last marble in the centre.</source>
        <translation>Você ainda pode terminar com a última bolinha no centro.</translation>
    </message>
    <message>
        <source>This game started from a position that cannot finish with the last marble in the centre, so there is nothing to rewind to.</source>
        <translation>Esta partida começou de uma posição em que a última bolinha não pode terminar no centro, então não há para onde voltar.</translation>
    </message>
    <message>
        <source>The game was not rewound, because the undo file could not be written.</source>
        <translation>A partida não voltou porque o arquivo para desfazer não pôde ser gravado.</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Branco</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>A&amp;zul</translation>
    </message>
    <message>
        <source>&amp;Dark Blue</source>
        <translation>Azul-&amp;escuro</translation>
    </message>
    <message>
        <source>&amp;Sky Blue</source>
        <translation>Azul-&amp;celeste</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>&amp;Military Green</source>
        <translation>Verde-mi&amp;litar</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Amarelo</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>&amp;Rosa</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>Ver&amp;melho</translation>
    </message>
    <message>
        <source>Purp&amp;le</source>
        <translation>Ro&amp;xo</translation>
    </message>
    <message>
        <source>Br&amp;own</source>
        <translation>Marr&amp;om</translation>
    </message>
    <message>
        <source>Blac&amp;k</source>
        <translation>&amp;Preto</translation>
    </message>
    <message>
        <source>Pebblenix Files (*.pnx)</source>
        <translation>Arquivos do Pebblenix (*.pnx)</translation>
    </message>
    <message>
        <source>Marbles On Board</source>
        <translation>Bolinhas no tabuleiro</translation>
    </message>
    <message>
        <source>Time on Hand</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salvar &amp;como</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;fazer</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>&amp;Rewind to Last Winnable Position</source>
        <translation>&amp;Voltar à última posição vencível</translation>
    </message>
    <message>
        <source>Re&amp;view Game…</source>
        <translation>&amp;Revisar partida…</translation>
    </message>
    <message>
        <source>Marble &amp;Color</source>
        <translation>C&amp;or das bolinhas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About Pebblenix</source>
        <translation>&amp;Sobre o Pebblenix</translation>
    </message>
</context>
</TS>
