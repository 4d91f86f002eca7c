#!/usr/bin/env bash
# Drives talvora-cli on real files and compares with committed golden output.
# Usage: cli_test.sh PROGRAM_DIR GOLDEN_DIR DATA_DIR
. "$(dirname "$0")/common.sh"

"$prog" inspect expand-key 123456789987654321 > "$tmp/expand"; check expand $? 0
same "key expansion" "$tmp/expand" "$golden/expand-123456789987654321.txt"
"$prog" inspect keyspace -d "$data/sample.dic" --key 918273645546372819 > "$tmp/ks"; check keyspace $? 0
same "keyspace" "$tmp/ks" "$golden/keyspace-sample-918273645546372819.txt"
"$prog" encode -d "$data/sample.dic" --key 55667788 -i "$golden/plain.txt" > "$tmp/enc"; check encode $? 0
same "encode" "$tmp/enc" "$golden/encoded-sample-55667788.txt"
echo 55667788 > "$tmp/key"
"$prog" decode -d "$data/sample.dic" --key-file "$tmp/key" -i "$golden/encoded-sample-55667788.txt" -o "$tmp/dec"; check decode $? 0
printf 'meet him at noon by the house the quick brown fox jumps over the lazy dog \r\n' > "$tmp/dec.expected"
same "decode to a file" "$tmp/dec" "$tmp/dec.expected"
TALVORA_KEY=55667788 "$prog" --folder "$data" decode -d sample.dic < "$golden/encoded-sample-55667788.txt" > "$tmp/dec2"; check "key from the environment" $? 0
printf 'meet him at noon by the house the quick brown fox jumps over the lazy dog \n' > "$tmp/dec2.expected"
same "decode from standard input" "$tmp/dec2" "$tmp/dec2.expected"

echo "Zorg the zorg!" | "$prog" encode -d "$data/sample.dic" --key 1234 > "$tmp/out" 2> "$tmp/err"; check "missing word" $? 1
printf "Cannot find the word 'zorg'.  Either it is a misspelling, or needs to be added to the dictionary.\nCannot find the word 'zorg'.  Either it is a misspelling, or needs to be added to the dictionary.\n" > "$tmp/err.expected"
same "missing word messages" "$tmp/err" "$tmp/err.expected"
[ -s "$tmp/out" ] && { echo "FAILED: output on refusal"; failed=$((failed + 1)); }
echo "dog nosuch" | "$prog" decode -d "$data/sample.dic" --key 1234 > /dev/null 2> "$tmp/err"; check "decode with a miss" $? 0
grep -qx "1 word was not found in the dictionary: nosuch." "$tmp/err"; check "miss count" $? 0
echo x | "$prog" encode -d "$data/sample.dic" --key 0012 2> "$tmp/err"; check "unusable key" $? 1
"$prog" encode -d "$data/sample.dic" < /dev/null 2> /dev/null; check "no key is a usage error" $? 2
"$prog" encode -d "$tmp/none.dic" --key 12 < /dev/null 2> "$tmp/err"; check "missing dictionary" $? 1
grep -q "it does not exist" "$tmp/err"; check "missing dictionary message" $? 0
"$prog" --version > /dev/null; check version $? 0
"$prog" dict info "$data/sample.dic" > "$tmp/info"; check "dict info" $? 0
grep -q "^Words: 105$" "$tmp/info"; check "dict info count" $? 0
mkdir -p "$tmp/prog" "$tmp/stick"
"$prog" --folder "$tmp/prog" keys save alpha 123456789123456789 > /dev/null; check "keys save" $? 0
"$prog" --folder "$tmp/prog" keys save zulu 987654321987654321 > /dev/null; check "keys save" $? 0
"$prog" --folder "$tmp/prog" keys transfer "$tmp/stick" > /dev/null; check "keys transfer" $? 0
"$prog" --folder "$tmp/prog" keys save yankee 111222333444555666 > /dev/null; check "keys save" $? 0
cp "$tmp/prog/key.dat" "$tmp/before"
"$prog" --folder "$tmp/prog" keys restore "$tmp/stick" < /dev/null > /dev/null 2> "$tmp/err"; check "restore dropping a key needs an answer" $? 3
same "restore refused leaves key.dat" "$tmp/prog/key.dat" "$tmp/before"
"$prog" --folder "$tmp/prog" keys restore --yes "$tmp/stick" > /dev/null; check "restore with --yes" $? 0
same "restored key.dat" "$tmp/prog/key.dat" "$tmp/stick/key.dat"
"$prog" --folder "$tmp/prog" keys restore "$tmp/stick" < /dev/null > /dev/null; check "restore losing nothing asks nothing" $? 0

TALVORA_CODEPAGE=bogus "$prog" dict info "$data/sample.dic" > "$tmp/out" 2> "$tmp/err"; check "unusable code page" $? 2
[ "$(wc -l < "$tmp/err")" = 1 ] && grep -q "TALVORA_CODEPAGE.*\"bogus\" is not known.*windows-1252" "$tmp/err"; check "code page message" $? 0
[ -s "$tmp/out" ] && { echo "FAILED: output with an unusable code page"; failed=$((failed + 1)); }
TALVORA_CODEPAGE=cp874 "$prog" dict info "$data/sample.dic" > /dev/null 2> "$tmp/err"; check "code page with two bytes of one character" $? 2
grep -q '"cp874" reads the bytes 0xA0 and 0xE8 as the same character' "$tmp/err"; check "cp874 message" $? 0

# Refused inputs and names shown safely.
{ printf '%1001s\n' | tr ' ' 1; echo 1234; } > "$tmp/longkey"
echo x | "$prog" encode -d "$data/sample.dic" --key-file "$tmp/longkey" 2> "$tmp/err"; check "long key line" $? 1
grep -q "its first line is longer than 1000 characters" "$tmp/err"; check "long key line message" $? 0
mkfifo "$tmp/fifo"
echo x | "$prog" encode -d "$data/sample.dic" --key 12 -i "$tmp/fifo" 2> "$tmp/err"; check "pipe as input file" $? 1
grep -q "not a regular file" "$tmp/err"; check "pipe message" $? 0
mkdir -p "$tmp/prog"
printf 'bad\033[2Jname%29s12%16s' > "$tmp/prog/key.dat"
"$prog" --folder "$tmp/prog" keys list > "$tmp/names"; check "list a control character" $? 0
printf 'bad\\x1b[2Jname\n' > "$tmp/names.expected"
same "control character shown escaped" "$tmp/names" "$tmp/names.expected"
"$prog" --folder "$tmp/prog" keys save "$(printf 'new\nname')" 12 2> "$tmp/err"; check "name with a line break" $? 1
grep -q "cannot hold a control character" "$tmp/err"; check "name message" $? 0
printf 'a\r\nb\r\n' > "$tmp/d.dic"
"$prog" dict add "$tmp/d.dic" "$(printf 'c\nd')" 2> "$tmp/err"; check "word with a line break" $? 1
printf 'a\r\nb\r\n' > "$tmp/d.expected"
same "dictionary untouched" "$tmp/d.dic" "$tmp/d.expected"
"$prog" encode -d "$data/sample.dic" --key 55667788 -i "$golden/plain.txt" -o "$tmp/secret.txt"; check "output file" $? 0
# Windows keeps it owner-only through its access list, which test_windows checks.
if ! $wine; then
    [ "$(stat -c %a "$tmp/secret.txt")" = 600 ]; check "output file owner-only" $? 0
fi

# Tidy: the text on standard output; on standard error each change, then the words still
# unknown.
"$prog" tidy -d "$data/sample.dic" --language English < "$golden/messy.txt" > "$tmp/tidy" 2> "$tmp/tidy.err"; check "tidy leaving unknown words" $? 1
same "tidied text" "$tmp/tidy" "$golden/tidy-sample.txt"
cat "$golden/tidy-sample-changes.txt" "$golden/tidy-sample-report.txt" > "$tmp/tidy.expected"
same "tidy report" "$tmp/tidy.err" "$tmp/tidy.expected"
"$prog" tidy -d "$data/sample.dic" --language English --no-suggestions < "$golden/messy.txt" > "$tmp/tidy-ns" 2> "$tmp/tidy-ns.err"; check "tidy without suggestions" $? 1
same "the same text without suggestions" "$tmp/tidy-ns" "$golden/tidy-sample.txt"
{ cat "$golden/tidy-sample-changes.txt"; cut -f1,2 "$golden/tidy-sample-report.txt" | sed 's/$/\t/'; } > "$tmp/tidy-ns.expected"
same "words and counts only" "$tmp/tidy-ns.err" "$tmp/tidy-ns.expected"
"$prog" tidy -d "$data/sample.dic" --language English < "$golden/messy-encodable.txt" > "$tmp/tidy2" 2> "$tmp/tidy2.err"; check "tidy of an encodable result" $? 0
same "its changes only" "$tmp/tidy2.err" "$golden/tidy-encodable-changes.txt"
"$prog" tidy -d "$data/sample.dic" -i "$golden/plain.txt" > "$tmp/tidy3" 2> "$tmp/tidy3.err"; check "tidy of a text that encodes" $? 0
[ -s "$tmp/tidy3.err" ] && { echo "FAILED: a change listed for a text that encodes"; failed=$((failed + 1)); }
tr -d '\r' < "$golden/plain.txt" > "$tmp/plain.lf"
same "a text that encodes is not touched" "$tmp/tidy3" "$tmp/plain.lf"
"$prog" encode --tidy -d "$data/sample.dic" --language English --key 55667788 < "$golden/messy-encodable.txt" > "$tmp/enc-tidy" 2> "$tmp/enc-tidy.err"; check "encode --tidy" $? 0
same "encode --tidy" "$tmp/enc-tidy" "$golden/encoded-tidy-sample-55667788.txt"
same "encode --tidy tells its changes" "$tmp/enc-tidy.err" "$golden/tidy-encodable-changes.txt"
"$prog" encode -d "$data/sample.dic" --key 55667788 < "$tmp/tidy2" > "$tmp/enc-tidied"; check "encode of the tidied text" $? 0
same "encode --tidy encodes the tidied text" "$tmp/enc-tidied" "$golden/encoded-tidy-sample-55667788.txt"
"$prog" encode --tidy -d "$data/sample.dic" --key 55667788 -i "$golden/plain.txt" > "$tmp/enc-plain"; check "encode --tidy of a text that encodes" $? 0
printf 'Then Qwyzzor met us\n' | "$prog" tidy -d "$data/eng.dic" --spell-names > "$tmp/spell" 2> "$tmp/spell.err"; check "tidy --spell-names" $? 0
printf 'Then Q w y z z o r met us\n' > "$tmp/spell.expected"
same "a name letter by letter" "$tmp/spell" "$tmp/spell.expected"
same "and listed as a change" "$tmp/spell.err" "$golden/tidy-spell-names.txt"
printf 'then qwyzzor and pasword\n' | "$prog" tidy -d "$data/eng.dic" --spell-words --no-suggestions > "$tmp/spellw" 2> /dev/null; check "tidy --spell-words with a typo" $? 1
printf 'then q w y z z o r and pasword\n' > "$tmp/spellw.expected"
same "any word letter by letter, a typo left for its suggestion" "$tmp/spellw" "$tmp/spellw.expected"
printf 'then qwyzzor and pasword\n' | "$prog" tidy -d "$data/eng.dic" --spell-names --no-suggestions > "$tmp/spelln" 2> /dev/null; check "tidy --spell-names with a typo" $? 1
same "a name in small letters too, a typo left for its suggestion" "$tmp/spelln" "$tmp/spellw.expected"
same "encode --tidy changes nothing that encodes" "$tmp/enc-plain" "$golden/encoded-sample-55667788.txt"

# A shipped Czech file reads in windows-1250 although the program's code page is windows-1252.
mkdir "$tmp/cs"
printf 'k\xf9\xf2\r\np\xf8\xedli\x9a\r\n' > "$tmp/cs/Czech.dic" # kůň, příliš
"$prog" --folder "$tmp/cs" dict info Czech > "$tmp/info"; check "dict info Czech" $? 0
grep -qx "Code page: windows-1250" "$tmp/info"; check "Czech code page" $? 0
"$prog" dict info "$data/sample.dic" | grep -qx "Code page: windows-1252"; check "other file in the program's code page" $? 0
"$prog" --folder "$tmp/cs" dict search Czech PŘ > "$tmp/hits"; check "dict search Czech" $? 0
printf 'příliš\n' > "$tmp/hits.expected"
same "Czech word read in windows-1250" "$tmp/hits" "$tmp/hits.expected"
"$prog" --folder "$tmp/cs" dict add Czech Čaj > /dev/null; check "dict add Czech" $? 0
printf 'k\xf9\xf2\r\np\xf8\xedli\x9a\r\n\xe8aj\r\n' > "$tmp/cs.expected"
same "Czech word appended in windows-1250" "$tmp/cs/Czech.dic" "$tmp/cs.expected"
echo "Příliš kůň" | "$prog" --folder "$tmp/cs" encode -d Czech --key 1234 > /dev/null; check "encode with Czech" $? 0

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
