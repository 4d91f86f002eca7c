#!/usr/bin/env bash
# talvora-cli keys: a change that loses or replaces a stored key needs --replace or --yes
# without a terminal, and ends with status 3 having changed nothing; the messages are golden.
# Usage: cli_keys_test.sh PROGRAM_DIR GOLDEN_DIR DATA_DIR
. "$(dirname "$0")/common.sh"

mkdir -p "$tmp/prog" "$tmp/stick"
keys() { "$prog" --folder "$tmp/prog" keys "$@" < /dev/null > "$tmp/out" 2>> "$tmp/err"; }
unchanged() { same "$1 leaves key.dat" "$tmp/prog/key.dat" "$tmp/expected"; }
one=123456789123456789 two=987654321987654321
printf '%-40s%-18s' ALPHA $two > "$tmp/expected"

keys save alpha $one; check "save" $? 0
keys save ALPHA $two; check "another key needs --replace" $? 3
keys save Alpha $one; check "the same key asks nothing" $? 0
keys save ALPHA $two --replace; check "save --replace" $? 0
unchanged "replace in place"
keys save beta "$(printf '%0200d' 0 | tr 0 1)"; check "a 200-digit key is a usage error" $? 2
[ -s "$tmp/out" ] && { echo "FAILED: output on refusal"; failed=$((failed + 1)); }
keys remove --yes alpha; check "remove of a name stored in another case" $? 3
keys remove ALPHA; check "remove needs --yes" $? 3
echo y | "$prog" --folder "$tmp/prog" keys remove ALPHA > /dev/null 2>&1; check "a piped y is no answer" $? 3
unchanged "refused save and remove"

keys transfer "$tmp/stick"; check "transfer to an empty folder" $? 0
keys save zulu $one; check "save zulu" $? 0
keys transfer "$tmp/stick"; check "a differing key.dat needs --replace" $? 3
same "refused transfer leaves the copy" "$tmp/stick/key.dat" "$tmp/expected"
keys transfer --replace "$tmp/stick"; check "transfer --replace" $? 0
keys transfer "$tmp/stick"; check "the same key.dat asks nothing" $? 0
printf '%-40s%-18s' ALPHA $one > "$tmp/stick/key.dat"
keys restore "$tmp/stick"; check "restore needs --yes" $? 3
keys restore --yes "$tmp/stick"; check "restore --yes" $? 0
same "restored" "$tmp/prog/key.dat" "$tmp/stick/key.dat"

tmpnames < "$tmp/err" > "$tmp/messages"
same "messages" "$tmp/messages" "$golden/keys-questions.txt"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
