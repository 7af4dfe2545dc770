#!/bin/sh
# Validates the desktop entry, the AppStream metadata and the file type where the
# validators are installed; exit 77 tells CTest the check was skipped.
# Usage: check-metadata.sh DESKTOP-FILE METAINFO-FILE MIME-FILE
set -e
if ! command -v desktop-file-validate >/dev/null || ! command -v appstreamcli >/dev/null; then
    echo "SKIP: desktop-file-validate or appstreamcli is not installed"
    exit 77
fi
desktop-file-validate "$1"
appstreamcli validate --no-net "$2"
if command -v xmllint >/dev/null; then
    xmllint --noout "$3"
fi
echo "metadata valid"
