#!/bin/sh
# Fails when a file under src/ includes a project header against the layer
# direction store <- controls <- shell <- {catalogue, agenda, contracts} <- ui <- main,
# when one subsystem includes another, or when modules include each other in a loop.
set -eu
cd "$(dirname "$0")/../src"

rank() {
  case "$1" in
    store) echo 0 ;;
    controls) echo 1 ;;
    shell) echo 2 ;;
    catalogue | agenda | contracts) echo 3 ;;
    ui) echo 4 ;;
    main.cpp | tarvenor_update.cpp) echo 5 ;;
    *) echo "" ;;
  esac
}

status=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
for file in $(find . -name '*.cpp' -o -name '*.h' | sed 's#^\./##' | sort); do
  from=${file%%/*}
  from_rank=$(rank "$from")
  if [ -z "$from_rank" ]; then
    echo "$file: not in a known layer"
    status=1
    continue
  fi
  for inc in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
    to=${inc%%/*}
    to_rank=$(rank "$to")
    if [ -z "$to_rank" ] || [ "$inc" = "$to" ]; then
      echo "$file: includes \"$inc\", which is not a layer's header"
      status=1
    elif [ "$to_rank" -gt "$from_rank" ] || { [ "$to_rank" -eq "$from_rank" ] && [ "$to" != "$from" ]; }; then
      echo "$file: includes \"$inc\" against the layer direction ($from may not use $to)"
      status=1
    fi
    # A module is a header and its source; an edge to itself is no loop.
    echo "${file%.*} ${inc%.*}" >>"$edges"
  done
done
if ! tsort "$edges" >/dev/null 2>"$edges.err"; then
  echo "Modules include each other in a loop:"
  head -n 20 "$edges.err"
  status=1
fi
rm -f "$edges.err"
[ "$status" -eq 0 ] && echo "Include direction: ok"
exit "$status"
