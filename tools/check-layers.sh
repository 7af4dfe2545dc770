#!/usr/bin/env bash
# Fails on an include against the layers. Each folder may include only the folders below
# it: the core (game/, then files/, then startup/, session/ and view/ side by side), then
# the seam and the drawing (seam/, drawing/, side by side), the About box (about/), the
# main window (app/), and the tools (tools/). The core uses nothing of Qt beyond Qt Core.
# And QMessageBox, QFileDialog and QProcess appear only in the seam (seam/uiseam.cpp).
set -u
cd "${1:-.}" || exit 2
declare -A rank=([game]=0 [files]=1 [startup]=2 [session]=2 [view]=2 [seam]=3 [drawing]=3 [about]=4
    [app]=5 [tools]=6)
status=0
for a in "${!rank[@]}"; do
    for b in $(grep -hoE '#include "[a-z]+/' "$a"/*.cpp "$a"/*.h 2>/dev/null | sort -u |
        sed -E 's|#include "||; s|/$||'); do
        [ "$b" = "$a" ] && continue
        if [ -z "${rank[$b]:-}" ] || [ "${rank[$b]}" -ge "${rank[$a]}" ]; then
            echo "$a/ includes from $b/, which is not below it:" \
                $(grep -lE "#include \"$b/" "$a"/*.cpp "$a"/*.h 2>/dev/null)
            status=1
        fi
    done
done
core=$(ls {game,files,startup,session,view}/*.{cpp,h} 2>/dev/null)
if hits=$(grep -lE '#include <Qt(Gui|Widgets)|#include <Q(Widget|Pixmap|Image|Font|Painter|Application|GuiApplication)\b' $core); then
    echo "the core uses more of Qt than Qt Core: $hits"
    status=1
fi
if hits=$(grep -lE 'QMessageBox|QFileDialog|QProcess' $(ls {game,files,startup,session,view,seam,app,about,drawing,tools}/*.{cpp,h} main.cpp 2>/dev/null) | grep -v '^seam/uiseam.cpp$'); then
    echo "boxes, dialogs or programs outside the seam: $hits"
    status=1
fi
[ "$status" -eq 0 ] && echo "layers: every include points down"
exit "$status"
