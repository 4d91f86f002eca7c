#!/usr/bin/env bash
# Messages in the user's language on a terminal only: a pipe, a file or LC_ALL=C keeps the
# English texts that scripts read.
# Usage: cli_language_test.sh PROGRAM_DIR GOLDEN_DIR DATA_DIR
. "$(dirname "$0")/common.sh"

missing="$tmp/none.dic"
english="talvora-cli: Cannot load the dictionary \"$missing\": it does not exist."
# locale settings, standard error a terminal (yes/no), expected line
while IFS='|' read -r locale terminal expected; do
    command=("env" "-u" "LANGUAGE" "LC_ALL=" "LC_MESSAGES=" $locale "$prog" encode -d "$missing" --key 918273645546372819)
    if [ "$terminal" = yes ]; then
        # script gives the program a terminal; its own output is that terminal's text
        script -qec "$(printf '%q ' "${command[@]}") < /dev/null" /dev/null < /dev/null > "$tmp/err"
    else
        "${command[@]}" < /dev/null 2> "$tmp/err"
    fi
    if $wine && [ "$terminal" = yes ]; then
        # Wine's console draws the text letter by letter, a blank as a step right, wraps it
        # at 80 columns and, where the Unix locale is not installed, shows each byte of a
        # letter beyond ASCII as "?".
        sed -e 's/\x1b\[K\x1b\[1C/ /g' -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' "$tmp/err" | tr -d '\r\n' > "$tmp/err.txt"
        locale -a | sed "s/utf8$/UTF-8/" | grep -qix "${locale#*=}" || expected=$(printf '%s' "$expected" | LC_ALL=C sed 's/[\x80-\xff]/?/g')
    else
        tr -d '\r' < "$tmp/err" > "$tmp/err.txt"
    fi
    has "$locale, terminal $terminal" "$tmp/err.txt" "${expected//@/$missing}"
done <<CASES
LANG=de_DE.UTF-8|no|${english//$missing/@}
LANG=de_DE.UTF-8|yes|talvora-cli: Das Wörterbuch "@" kann nicht geladen werden: sie existiert nicht.
LANG=fr_FR.UTF-8|yes|talvora-cli: Impossible de charger le dictionnaire "@" : il n'existe pas.
LC_ALL=C|yes|${english//$missing/@}
LANG=pt_BR.UTF-8|yes|${english//$missing/@}
CASES

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
