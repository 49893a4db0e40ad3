#!/usr/bin/env bash
# Prints which folders of src/ include which, and fails when the folders do not stack: an
# include that points back up, directly or round a circle.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src"

edges="$(grep -rHoE '^#include "[a-z0-9_]+/' --include='*.h' --include='*.cpp' . |
  sed -E 's#^\./([^/]+)/[^:]*:\#include "([^/]+)/#\1 \2#' | awk '$1 != $2' | sort -u)"
awk '{ deps[$1] = deps[$1] " " $2 } END { for (f in deps) print f ":" deps[f] }' <<<"$edges" | sort
# tsort names the folders of a circle when they cannot be put in one order.
loops="$(tsort <<<"$edges" 2>&1 >/dev/null || true)"
if [ -n "$loops" ]; then
  echo "$loops" >&2
  echo "check-includes: the folders of src/ include each other round a circle" >&2
  exit 1
fi
echo "check-includes: the folders stack, every include points down"
