#!/usr/bin/env bash
# talvora-cli: encode --dress and --strict, the check's warning, and dict diff.
# Usage: cli_dress_test.sh PROGRAM_DIR GOLDEN_DIR DATA_DIR
. "$(dirname "$0")/common.sh"

# Dressed: sentences, to standard output and to a file; both decode as the plain output.
enc() { "$prog" encode -d "$data/sample.dic" --key 55667788 -i "$golden/plain.txt" "$@"; }
enc --dress > "$tmp/dressed" 2> "$tmp/err"; check "encode --dress" $? 0
[ -s "$tmp/err" ] && { echo "FAILED: dressing a clean text warned"; failed=$((failed + 1)); }
grep -q '^[A-Z].*[.?!]$' "$tmp/dressed"; check "a capital first, a full stop last" $? 0
# Paragraph breaks reach standard output as LF alone: a long text is all but sure to hold one.
for i in $(seq 40); do cat "$golden/plain.txt"; done > "$tmp/long.txt"
"$prog" encode -d "$data/sample.dic" --key 55667788 -i "$tmp/long.txt" --dress > "$tmp/long.out"
grep -qx '' "$tmp/long.out"; check "a paragraph break on standard output" $? 0
grep -q $'\r' "$tmp/long.out"; check "no CR on standard output" $? 1
enc --dress -o "$tmp/dressed.txt"; check "encode --dress to a file" $? 0
dec() { "$prog" decode -d "$data/sample.dic" --key 55667788 "$@"; }
dec -i "$golden/encoded-sample-55667788.txt" > "$tmp/plain.dec"
dec < "$tmp/dressed" > "$tmp/dressed.dec"; same "dressed decodes as plain" "$tmp/dressed.dec" "$tmp/plain.dec"
dec -i "$tmp/dressed.txt" > "$tmp/dressed2.dec"; same "dressed file decodes as plain" "$tmp/dressed2.dec" "$tmp/plain.dec"
enc --dress > "$tmp/dressed.b"
cmp -s "$tmp/dressed" "$tmp/dressed.b" && enc --dress | cmp -s - "$tmp/dressed" && { echo "FAILED: three dressings alike"; failed=$((failed + 1)); }
enc --strict > "$tmp/strict"; check "--strict on a clean dictionary" $? 0
same "--strict writes what encode writes" "$tmp/strict" "$golden/encoded-sample-55667788.txt"

# A dictionary with a blank entry, a separator entry, a twin and an empty line: one warning
# line naming them, the output still written; --strict turns it into status 3.
printf 'alpha\r\nbeta\r\ngamma\r\nred sky\r\ndelta\r\nx-ray\r\nepsilon\r\nbeta\r\n\r\nzeta\r\neta\r\ntheta\r\n' > "$tmp/bad.dic"
text="theta theta theta theta theta theta theta theta theta theta theta theta"
echo "$text" | "$prog" encode -d "$tmp/bad.dic" --key 123456789 > "$tmp/out" 2> "$tmp/err"; check "flawed dictionary still encodes" $? 0
[ -s "$tmp/out" ]; check "output written despite the warning" $? 0
[ "$(wc -l < "$tmp/err")" = 1 ]; check "one warning line" $? 0
has "warning names the blank entry" "$tmp/err" 'line 4 "red sky"'
has "warning names the separator entry" "$tmp/err" 'line 6 "x-ray"'
has "warning names the empty entry" "$tmp/err" 'line 9 (empty)'
has "warning names the twin" "$tmp/err" '"beta" (also on line'
echo "$text" | "$prog" encode -d "$tmp/bad.dic" --key 123456789 --strict > "$tmp/out2" 2> /dev/null; check "--strict" $? 3
same "--strict still writes the output" "$tmp/out2" "$tmp/out"
# delta encodes to one of the twins, the one a lookup finds first: it decodes.
echo "delta" | "$prog" encode -d "$tmp/bad.dic" --key 123456789 --strict > /dev/null 2> "$tmp/err"; check "a text that survives" $? 0
[ -s "$tmp/err" ] && { echo "FAILED: warned on a text that decodes"; failed=$((failed + 1)); }
"$prog" decode -d "$data/sample.dic" --key 1 --dress < /dev/null 2> /dev/null; check "decode has no --dress" $? 2

# dict diff
cp "$data/sample.dic" "$tmp/a.dic"
cp "$data/sample.dic" "$tmp/b.dic"
"$prog" dict diff "$tmp/a.dic" "$tmp/b.dic" > "$tmp/diff"; check "identical files" $? 0
fp=$("$prog" dict info "$tmp/a.dic" | sed -n 's/^Fingerprint: //p')
printf 'identical\nFingerprint: %s\n' "$fp" > "$tmp/diff.expected"
same "identical report" "$tmp/diff" "$tmp/diff.expected"

sed '5s/.*/Jumped\r/' "$tmp/a.dic" > "$tmp/changed.dic"
"$prog" dict diff "$tmp/a.dic" "$tmp/changed.dic" > "$tmp/diff"; check "a changed line" $? 3
has "first differing line" "$tmp/diff" "First differing line: 5"
has "entry of the first file" "$tmp/diff" "$tmp/a.dic: \"jumps\""
has "entry of the second file, as loaded" "$tmp/diff" "$tmp/changed.dic: \"jumped\""
has "fingerprint of the first" "$tmp/diff" "Fingerprint of $tmp/a.dic: $fp"
has "fingerprint of the second" "$tmp/diff" "Fingerprint of $tmp/changed.dic: "

printf 'zebra\r\n' | cat "$tmp/a.dic" - > "$tmp/longer.dic"
"$prog" dict diff "$tmp/longer.dic" "$tmp/a.dic" > "$tmp/diff"; check "an added line" $? 3
has "line only in one" "$tmp/diff" "Line 106 is only in $tmp/longer.dic (1 line)."
grep -q "First differing line" "$tmp/diff" && { echo "FAILED: shared lines reported as differing"; failed=$((failed + 1)); }

sed 's/\r$//' "$tmp/a.dic" > "$tmp/lf.dic"
"$prog" dict diff "$tmp/a.dic" "$tmp/lf.dic" > "$tmp/diff"; check "LF line ends load the same entries" $? 0
has "still identical" "$tmp/diff" "identical"
has "line ends named" "$tmp/diff" "Line ends: $tmp/a.dic CR LF, $tmp/lf.dic LF."
tr a-z A-Z < "$tmp/a.dic" > "$tmp/upper.dic"
"$prog" dict diff "$tmp/a.dic" "$tmp/upper.dic" > "$tmp/diff"; check "capitals load the same entries" $? 0
has "capitals: identical" "$tmp/diff" "identical"
has "capitals: not the same bytes" "$tmp/diff" "not byte for byte the same"
# A file with a CR anywhere keeps its lone LFs inside entries: the lines run together.
{ head -n 3 "$tmp/a.dic"; tail -n +4 "$tmp/lf.dic"; } > "$tmp/mixed.dic"
"$prog" dict diff "$tmp/a.dic" "$tmp/mixed.dic" > "$tmp/diff"; check "mixed line ends" $? 3
has "mixed named" "$tmp/diff" "$tmp/mixed.dic mixed (3 CR LF, 102 LF)"
has "the run-together entry shows its LFs" "$tmp/diff" '"fox\njumps\nover\n'
"$prog" dict diff "$tmp/a.dic" "$tmp/none.dic" 2> "$tmp/err"; check "a missing file" $? 1

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
