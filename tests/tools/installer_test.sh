#!/usr/bin/env bash
# The Windows installer under Wine: what it puts where, what an update and an uninstall leave
# of the user's own files, and the icon of the programs it installs.
# Usage: installer_test.sh BUILD_WINDOWS_DIR ICON
# Exits 77 (skipped) when the installer has not been made (tools/windows.sh makes it).
set -u
out=$1
icon=$2
setup=$out/Talvora-Setup.exe
[ -e "$setup" ] || { echo "skipped: no $setup"; exit 77; }
export WINEPREFIX=${WINEPREFIX:-$out/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
dir=$WINEPREFIX/drive_c/talvora-installer-test
rm -rf "$dir"
trap 'rm -rf "$dir"' EXIT
passed=0 failed=0
ok() { if eval "$2"; then passed=$((passed + 1)); else echo "FAILED: $1"; failed=$((failed + 1)); fi; }

# A silent install into a folder of the test's own (/D comes last and unquoted).
"$wine" "$setup" /S '/D=C:\talvora-installer-test'
ok "installed" '[ -d "$dir" ]'
while IFS= read -r name; do
    ok "$name installed as packed" 'cmp -s "$out/package/Talvora/$name" "$dir/$name"'
done < <(cd "$out/package/Talvora" && find . -type f | sed 's|^\./||')
ok "the uninstaller" '[ -e "$dir/Uninstall.exe" ]'
ok "no key file shipped" '[ ! -e "$dir/key.dat" ]'
menu=$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Talvora/Talvora.lnk' | head -1)
ok "the Start-menu entry" '[ -n "$menu" ]'

# The installed command line works from its own folder, and what the user makes there stays.
printf 'ahoj\r\n' > "$dir/mine.txt"
"$wine" "$dir/talvora-cli.exe" keys save mine 123456789 > /dev/null
ok "a key saved in the installed folder" '[ -s "$dir/key.dat" ]'
dic=$(basename "$(ls "$dir"/*.dic | head -1)")
"$wine" "$dir/talvora-cli.exe" dict add "$dic" zzyzxtalvora > /dev/null
# Tidy finds the language's own dictionary in the installed folder: "nie" denies the verb
# "zrobił", which Polish writes apart from it.
printf 'niezrobił\r\n' > "$dir/nie.txt"
ok "Tidy reads the shipped Hunspell dictionaries" \
    '"$wine" "$dir/talvora-cli.exe" tidy -d Polish -i "C:\\talvora-installer-test\\nie.txt" 2>/dev/null | grep -q "nie zrobi"'
rm -f "$dir/nie.txt"
cp "$dir/key.dat" "$dir.key"
cp "$dir/$dic" "$dir.dic"

# An update over it keeps the keys and the words the user added.
"$wine" "$setup" /S '/D=C:\talvora-installer-test'
ok "update keeps key.dat" 'cmp -s "$dir/key.dat" "$dir.key"'
ok "update keeps an added word" 'cmp -s "$dir/$dic" "$dir.dic"'

# A silent uninstall answers No to deleting the keys (_? runs it in place and waits).
"$wine" "$dir/Uninstall.exe" /S '_?=C:\talvora-installer-test'
ok "uninstall keeps key.dat" 'cmp -s "$dir/key.dat" "$dir.key"'
ok "uninstall keeps the dictionaries" 'cmp -s "$dir/$dic" "$dir.dic"'
ok "uninstall keeps the user's files" '[ -e "$dir/mine.txt" ]'
ok "uninstall removes the programs" '[ ! -e "$dir/talvora-cli.exe" ] && [ ! -e "$dir/talvora.exe" ] && [ ! -e "$dir/hunspell" ]'
ok "uninstall removes the Start-menu entry" '[ ! -e "$menu" ]'
rm -f "$dir.key" "$dir.dic"

# The icon in each program: every size of the shipped .ico, the largest as a PNG.
expected=$(icotool -l "$icon" | sed 's/--index=[0-9]* //' | sort)
for exe in "$out/package/Talvora/talvora.exe" "$setup"; do
    [ -e "$exe" ] || continue
    rm -f "$dir.ico"
    wrestool -x --type=14 "$exe" > "$dir.ico" 2> /dev/null
    got=$(icotool -l "$dir.ico" 2> /dev/null | sed 's/--index=[0-9]* //' | sort)
    ok "$(basename "$exe") carries the icon" '[ "$got" = "$expected" ]'
    [ "$got" = "$expected" ] || diff <(echo "$got") <(echo "$expected") | head -5
done
rm -f "$dir.ico"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
