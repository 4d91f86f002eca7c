#!/usr/bin/env bash
# Usage errors that name what was wrong, the help's one place for the environment and exit
# statuses, and what the command line says about words it cannot use.
# Usage: cli_usage_test.sh PROGRAM_DIR GOLDEN_DIR DATA_DIR
. "$(dirname "$0")/common.sh"

: > "$tmp/file"
# arguments, expected status, expected first line of standard error
while IFS='|' read -r args status first; do
    # shellcheck disable=SC2086 # the arguments are words
    "$prog" $args < /dev/null > "$tmp/out" 2> "$tmp/err"; check "$args" $? "$status"
    [ "$(head -1 "$tmp/err")" = "$first" ]; check "$args: message" $? 0
done <<CASES
frobnicate|2|talvora-cli: "frobnicate" is not a command; the commands are encode, decode, tidy, inspect, dict, keys.
keys frobnicate|2|talvora-cli: "frobnicate" is not a command of keys; the commands are list, show, generate, save, remove, transfer, restore, wipe.
dict|2|talvora-cli: dict needs a command; the commands are list, info, search, diff, add.
encode --frob|2|talvora-cli: "--frob" is not an option of encode.
--folder /nonexistent dict list|1|talvora-cli: the program folder /nonexistent does not exist.
--folder $tmp/file keys list|1|talvora-cli: the program folder $tmp/file is not a folder.
CASES

"$prog" --help > "$tmp/help"; check "help" $? 0
for line in "  TALVORA_CODEPAGE  code page of text files," "Exit status:" "  0  done" "  1  the command failed:" \
    "  2  the command line is wrong:" "  3  stopped on a finding:" \
    "keys                        List, show, generate, save, remove, transfer, restore and wipe stored keys"; do
    has "help" "$tmp/help" "$line"
done

# Entries no text can hold are named; Add refuses such a word and leaves the file.
printf "a\r\ndon't stop\r\n\r\nb\r\na\r\n" > "$tmp/d.dic"
cp "$tmp/d.dic" "$tmp/d.before"
"$prog" dict info "$tmp/d.dic" > "$tmp/info"; check "dict info" $? 0
tail -4 "$tmp/info" > "$tmp/named"
cat > "$tmp/named.expected" <<'INFO'
Entries that cannot round-trip: 3 (empty 1, duplicated 1, holding a blank or separator 1, holding a byte the code page leaves unassigned 0)
  line 2: "don't stop": it holds a blank, and a text is cut into words at every blank
  line 3: "": empty
  line 5: "a": repeats line 1
INFO
same "dict info names the entries" "$tmp/named" "$tmp/named.expected"
"$prog" dict add "$tmp/d.dic" x-ray > /dev/null 2> "$tmp/err"; check "dict add x-ray" $? 1
has "dict add message" "$tmp/err" "\"x-ray\" cannot be a word of the dictionary: it holds \"-\", which is dropped from every text, so it could never be encoded.  Nothing was added."
same "dictionary untouched" "$tmp/d.dic" "$tmp/d.before"

echo "dog nosuch zorg nosuch" | "$prog" decode -d "$data/sample.dic" --key 1234 > /dev/null 2> "$tmp/err"; check "decode with misses" $? 0
echo "1 2 3 4 5 6 7 8 9 10 11 12" | "$prog" decode -d "$data/sample.dic" --key 1234 > /dev/null 2>> "$tmp/err"
cat > "$tmp/err.expected" <<'MISSES'
3 words were not found in the dictionary: nosuch (2 times), zorg.
12 words were not found in the dictionary: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more.
MISSES
same "decode names the misses" "$tmp/err" "$tmp/err.expected"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
