#!/usr/bin/env bash
# Fails when a part's state is named outside the files of its part: each part writes its own state
# and the others ask it through its functions. Only the dispatcher (app/) hands a part its state, and
# only app/ knows the whole program: no part below it names App.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src"

# member of AppState, then the files (a prefix of their path) that own it
owners=(
  "snap overlay/smart_snap"
  "screenshots capture/screenshots"
  "hotkeys hotkeys/hotkeys"
)
status=0
# A member of AppState without an owner here would go unchecked.
for member in $(sed -n '/^struct AppState {/,/^};/p' core/state.h | grep -oE '[A-Za-z]+;' | tr -d ';'); do
  if ! printf '%s\n' "${owners[@]}" | grep -q "^${member} "; then
    echo "check-state-owners: state.${member} has no owner listed here" >&2
    status=1
  fi
done
for entry in "${owners[@]}"; do
  read -r member owner <<<"$entry"
  hits="$(grep -rnE "\bstate\.${member}\b" --include='*.h' --include='*.cpp' . | sed 's#^\./##' |
    grep -vE "^(${owner}\.(h|cpp)|app/)" || true)"
  if [ -n "$hits" ]; then
    echo "$hits"
    echo "check-state-owners: state.${member} is used outside ${owner}" >&2
    status=1
  fi
done
hits="$(grep -rnwE 'App|AppState' --include='*.h' --include='*.cpp' . | sed 's#^\./##' | grep -v '^app/' || true)"
if [ -n "$hits" ]; then
  echo "$hits"
  echo "check-state-owners: a part below app/ reaches the whole program" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "check-state-owners: each part's state is used only by its own part, and only app/ names App"
exit "$status"
