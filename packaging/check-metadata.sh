#!/bin/sh
# Validates the desktop entry and the AppStream metadata where the validators are installed;
# exit 77 tells CTest the check was skipped.
set -e
dir=$(dirname "$0")
id=org.example.pebblenix.Pebblenix
if ! command -v desktop-file-validate >/dev/null || ! command -v appstreamcli >/dev/null; then
    echo "SKIP: desktop-file-validate or appstreamcli is not installed"
    exit 77
fi
desktop-file-validate "$dir/$id.desktop"
appstreamcli validate --no-net "$dir/$id.metainfo.xml"
if command -v xmllint >/dev/null; then
    xmllint --noout "$dir/$id.xml"
fi
echo "metadata valid"
