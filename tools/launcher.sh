#!/bin/sh
# Starts Talvora from its program folder, wherever the launcher is called from.
dir=$(dirname "$(readlink -f "$0" 2>/dev/null || echo "$0")")
exec "$dir/talvora" "$@"
