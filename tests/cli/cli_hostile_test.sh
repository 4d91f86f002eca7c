#!/usr/bin/env bash
# talvora-cli in shared and hostile folders, with huge files and hostile text.
# Usage: cli_hostile_test.sh PROGRAM_DIR GOLDEN_DIR DATA_DIR
. "$(dirname "$0")/common.sh"
keys() { "$prog" --folder "$1" keys "${@:2}"; }
bad() { echo "FAILED: $1"; failed=$((failed + 1)); }
mkdir -p "$tmp/shared" "$tmp/p1" "$tmp/p2"
chmod 1777 "$tmp/shared"
# Wine shows a Unix link as the file it names, never as a link (a reparse point): the
# link cases are the Linux build's, and the Windows file layer's tests cover reparse points.
if $wine; then
    echo "skipped under Wine: key files reached through links"
    : > "$tmp/shared/key.dat"
else
    ln -s ../shared/key.dat "$tmp/p1/key.dat"
    ln -s ../shared/key.dat "$tmp/p2/key.dat"
fi

# Two program folders whose key.dat link to one file, saving at once: every key stays whole.
$wine || for round in 1 2 3 4 5; do
    : > "$tmp/shared/key.dat"
    pids=()
    for i in 0 1 2 3 4 5 6 7; do
        keys "$tmp/p$((i % 2 + 1))" save "s$i" 123456789 > /dev/null & pids+=($!)
    done
    status=0
    for p in "${pids[@]}"; do wait "$p" || status=1; done
    check "round $round: every save succeeds" $status 0
    [ "$(keys "$tmp/p1" list | sort | tr '\n' ' ')" = "s0 s1 s2 s3 s4 s5 s6 s7 " ] || bad "round $round: keys lost"
    grep -q '@@@@' "$tmp/shared/key.dat" && bad "round $round: records overwritten with @"
done

# A pipe named like a scratch file blocks nothing and is left alone; so is another user's
# file in the shared folder.
mkfifo "$tmp/p1/.key.dat.talvora-aaaaaaaaaaaa" "$tmp/shared/.key.dat.talvora-bbbbbbbbbbbb"
timeout 10 "$prog" --folder "$tmp/p1" keys list > /dev/null; check "list beside a planted pipe" $? 0
timeout 10 "$prog" --folder "$tmp/p1" keys save k 123456789 > /dev/null; check "save beside a planted pipe" $? 0
mkdir "$tmp/usb" && cp "$tmp/shared/key.dat" "$tmp/usb/" && mkfifo "$tmp/usb/.key.dat.talvora-cccccccccccc"
timeout 10 "$prog" --folder "$tmp/p2" keys restore --yes "$tmp/usb" > /dev/null; check "restore from a folder with a pipe" $? 0
[ -p "$tmp/p1/.key.dat.talvora-aaaaaaaaaaaa" ] && [ -p "$tmp/usb/.key.dat.talvora-cccccccccccc" ] || bad "a planted pipe was removed"
if [ "$(id -u)" = 0 ]; then
    printf 'not yours' > "$tmp/shared/.key.dat.talvora-dddddddddddd"
    chown 65534 "$tmp/shared/.key.dat.talvora-dddddddddddd" && chmod 666 "$tmp/shared/.key.dat.talvora-dddddddddddd"
    keys "$tmp/p1" save k2 123456789 > /dev/null
    [ "$(cat "$tmp/shared/.key.dat.talvora-dddddddddddd")" = "not yours" ] || bad "another user's file was overwritten"
else
    echo "skipped: another user's file (needs root to give a file away)"
fi

# Transfer never writes through a link; a copy left by a killed transfer goes at the next one.
mkdir -p "$tmp/home" "$tmp/stick" && printf 'my notes\n' > "$tmp/home/notes.txt"
if ! $wine; then
    ln -s ../home/notes.txt "$tmp/stick/key.dat"
    keys "$tmp/p1" transfer "$tmp/stick" > /dev/null 2> "$tmp/err"; check "transfer onto a link" $? 1
    has "the link is named" "$tmp/err" "key.dat\": it is a symbolic link"
    [ "$(cat "$tmp/home/notes.txt")" = "my notes" ] || bad "the link's target was written"
    rm "$tmp/stick/key.dat"
fi
cp "$tmp/shared/key.dat" "$tmp/stick/.key.dat.talvora-eeeeeeeeeeee"
keys "$tmp/p1" transfer "$tmp/stick" > /dev/null; check "transfer" $? 0
[ -e "$tmp/stick/.key.dat.talvora-eeeeeeeeeeee" ] && bad "a killed transfer's copy stays"
echo "secret" > "$tmp/.plain.txt.talvora-ffffffffffff"
echo "a b" | "$prog" decode -d "$data/sample.dic" --key 55667788 -o "$tmp/plain.txt" 2> /dev/null
[ -e "$tmp/.plain.txt.talvora-ffffffffffff" ] && bad "a killed decode's copy stays"

# A key file larger than any real one is refused with a message.
truncate -s 1000M "$tmp/p2/big" && mkdir "$tmp/p3" && mv "$tmp/p2/big" "$tmp/p3/key.dat"
keys "$tmp/p3" list > /dev/null 2> "$tmp/err"; check "a huge key file" $? 1
has "refused by size" "$tmp/err" "it is larger than 16 MB"

# dict add at once: each word once, none joined to another, no empty line.
printf 'alpha\r\nbeta' > "$tmp/add.dic"
pids=()
for i in 1 2 3 4 5 6; do
    "$prog" dict add "$tmp/add.dic" same > /dev/null 2>&1 & pids+=($!)
    "$prog" dict add "$tmp/add.dic" "w$i" > /dev/null 2>&1 & pids+=($!)
done
for p in "${pids[@]}"; do wait "$p"; done
[ "$(tr -d '\r' < "$tmp/add.dic" | sort | tr '\n' ' ')" = "alpha beta same w1 w2 w3 w4 w5 w6 " ] ||
    { bad "adds at once"; tr -d '\r' < "$tmp/add.dic" | head -20; }

# Control characters of the input are shown escaped, never sent to the terminal.
printf 'alpha \033red\n' > "$tmp/esc.txt"
"$prog" encode -d "$tmp/add.dic" --key 55667788 -i "$tmp/esc.txt" > /dev/null 2> "$tmp/err"
has "encode escapes" "$tmp/err" "Cannot find the word '\\x1bred'"
"$prog" tidy -d "$tmp/add.dic" -i "$tmp/esc.txt" > /dev/null 2> "$tmp/err"
grep -q $'\033' "$tmp/err" && bad "tidy's report holds an escape"

# A byte the code page leaves unassigned: the dictionary is refused, and info counts it.
printf 'alpha\r\n\xd2beta\r\n' > "$tmp/greek.dic"
echo alpha | TALVORA_CODEPAGE=windows-1253 "$prog" encode -d "$tmp/greek.dic" --key 5566 -o "$tmp/g.txt" 2> "$tmp/err"
check "a dictionary with an unassigned byte" $? 1
has "the line and byte are named" "$tmp/err" "line 2 holds the byte 0xD2, which the code page windows-1253 leaves unassigned"
TALVORA_CODEPAGE=windows-1253 "$prog" dict info "$tmp/greek.dic" > "$tmp/info"
has "info counts it" "$tmp/info" "Entries that cannot round-trip: 1 "

# A 100 MB dictionary of words sharing no prefixes, tidied within 1.5 GB: fewer suggestions,
# never a failure. Skipped under AddressSanitizer, which needs far more address space.
if ldd "$prog" | grep -q asan; then
    echo "skipped: the memory bound (AddressSanitizer reserves more address space than the limit)"
else
    head -c 75000000 /dev/urandom | base64 -w 160 | tr 'A-Z0-9+/' 'a-za-l' > "$tmp/big.dic"
    # Wine reserves its address space at start, beyond any such limit.
    $wine && limit=unlimited || limit=1500000
    (ulimit -v $limit; echo "qwertyuiop" | "$prog" tidy -d "$tmp/big.dic" > /dev/null 2> "$tmp/err")
    check "tidy with a 100 MB dictionary" $? 1
    has "the unknown word reported" "$tmp/err" "qwertyuiop	1	"
fi

# A program copied out of its folder, without the word forms beside it: Tidy says so and
# still tidies what needs none of them.
if ! $wine; then
    mkdir "$tmp/lone" && cp "$prog" "$tmp/lone/"
    printf 'Het is 5 uur\n' | "$tmp/lone/talvora-cli" tidy -d "$data/nl.dic" --no-suggestions > "$tmp/out" 2> "$tmp/err"
    check "tidy without the word forms" $? 0
    has "the missing word forms named" "$tmp/err" "warning: The program folder lacks hunspell/nl_NL.dic"
    has "the text still tidied" "$tmp/out" "Het is vijf uur"
fi

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
