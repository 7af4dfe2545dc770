#!/usr/bin/env bash
# Fails on an include against the layers. Each folder may include only the folders below
# it: the core (game/, then files/), then the seam and the drawing (seam/, resources/, side
# by side), the About box (about/), the main window (app/), and the tools (tools/). And
# QMessageBox, QFileDialog and QProcess appear only in the seam (seam/uiseam.cpp).
set -u
cd "${1:-.}" || exit 2
declare -A rank=([game]=0 [files]=1 [seam]=2 [resources]=2 [about]=3 [app]=4 [tools]=5)
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
if hits=$(grep -lE 'QMessageBox|QFileDialog|QProcess' $(ls {game,files,seam,app,about,resources,tools}/*.{cpp,h} main.cpp 2>/dev/null) | grep -v '^seam/uiseam.cpp$'); then
    echo "boxes, dialogs or programs outside the seam: $hits"
    status=1
fi
[ "$status" -eq 0 ] && echo "layers: every include points down"
exit "$status"
