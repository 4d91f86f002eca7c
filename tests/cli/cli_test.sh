#!/usr/bin/env bash
# Drives talvora-cli on real files and compares with committed golden output.
# Usage: cli_test.sh PROGRAM_DIR GOLDEN_DIR DATA_DIR
set -u
prog=$1/talvora-cli
golden=$2
data=$3
export TALVORA_CODEPAGE=windows-1252
unset TALVORA_KEY
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
passed=0 failed=0
check() { # name, command status, expected status
    if [ "$2" = "$3" ]; then passed=$((passed + 1)); else echo "FAILED: $1 (status $2, expected $3)"; failed=$((failed + 1)); fi
}
same() { # name, file, golden
    if cmp -s "$2" "$3"; then passed=$((passed + 1)); else echo "FAILED: $1"; diff "$2" "$3" | head -5; failed=$((failed + 1)); fi
}

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
grep -qx "1 word was not found in the dictionary." "$tmp/err"; check "miss count" $? 0
echo x | "$prog" encode -d "$data/sample.dic" --key 0012 2> "$tmp/err"; check "unusable key" $? 1
"$prog" encode -d "$data/sample.dic" < /dev/null 2> /dev/null; check "no key is a usage error" $? 2
"$prog" encode -d "$tmp/none.dic" --key 12 < /dev/null 2> "$tmp/err"; check "missing dictionary" $? 1
grep -q "it does not exist" "$tmp/err"; check "missing dictionary message" $? 0
"$prog" --version > /dev/null; check version $? 0
"$prog" dict info "$data/sample.dic" > "$tmp/info"; check "dict info" $? 0
grep -q "^Words: 105$" "$tmp/info"; check "dict info count" $? 0

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
