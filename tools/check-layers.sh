#!/usr/bin/env bash
# Fails on an include against the layers: game/ and files/ (the core) include nothing of
# the user interface or the tools, no two folders include each other, and QMessageBox,
# QFileDialog and QProcess appear only in the seam (app/uiseam.cpp).
set -u
cd "${1:-.}" || exit 2
folders="game files app about resources tools"
status=0
includes() { # folder that $1 includes from folder $2
    grep -lE "#include [<\"]$2/" "$1"/*.cpp "$1"/*.h 2>/dev/null
}
for core in game files; do
    for ui in app about resources tools; do
        if hits=$(includes "$core" "$ui"); then
            echo "core includes from $ui/: $hits"
            status=1
        fi
    done
done
for a in $folders; do
    for b in $folders; do
        [[ "$a" < "$b" ]] || continue
        if includes "$a" "$b" >/dev/null && includes "$b" "$a" >/dev/null; then
            echo "$a/ and $b/ include each other"
            status=1
        fi
    done
done
if hits=$(grep -lE 'QMessageBox|QFileDialog|QProcess' $(ls {game,files,app,about,resources,tools}/*.{cpp,h} main.cpp 2>/dev/null) | grep -v '^app/uiseam.cpp$'); then
    echo "boxes, dialogs or programs outside the seam: $hits"
    status=1
fi
[ "$status" -eq 0 ] && echo "layers: every include runs one way"
exit "$status"
