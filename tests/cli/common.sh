# Sourced by the command-line test scripts: arguments, a scratch folder and the checks.
# Usage of a script: SCRIPT PROGRAM_DIR GOLDEN_DIR DATA_DIR
set -u
prog=$1/talvora-cli
golden=$2
data=$3
export TALVORA_CODEPAGE=windows-1252
unset TALVORA_KEY
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
wine=false
if [ ! -e "$prog" ] && [ -e "$prog.exe" ]; then
    wine=true
    # The Windows build, through Wine: the same arguments, bytes and exit status.
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "%s" "$@"\n' "$prog.exe" >"$tmp/talvora-cli"
    chmod +x "$tmp/talvora-cli"
    prog=$tmp/talvora-cli
    export WINEDEBUG=-all
fi
passed=0 failed=0
# A message with the scratch folder shown as TMP. Under Wine the scratch folder is a Unix path
# and the program joins names to it with "\", as Windows users see it: shown as "/" here.
tmpnames() {
    if $wine; then
        sed -e "s|$tmp|TMP|g" -e ':a' -e 's|\(TMP[^"\\]*\)\\|\1/|' -e 'ta'
    else
        sed "s|$tmp|TMP|g"
    fi
}
check() { # name, command status, expected status
    if [ "$2" = "$3" ]; then passed=$((passed + 1)); else echo "FAILED: $1 (status $2, expected $3)"; failed=$((failed + 1)); fi
}
same() { # name, file, expected file
    if cmp -s "$2" "$3"; then passed=$((passed + 1)); else echo "FAILED: $1"; diff "$2" "$3" | head -5; failed=$((failed + 1)); fi
}
has() { # name, file, fixed text expected on a line of it
    if grep -qF -- "$3" "$2"; then passed=$((passed + 1)); else echo "FAILED: $1: no \"$3\" in"; head -5 "$2"; failed=$((failed + 1)); fi
}
