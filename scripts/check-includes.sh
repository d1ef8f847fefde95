#!/usr/bin/env bash
# Checks that every #include "…" in src/ points the allowed way between folders (docs/ARCHITECTURE.md,
# "Dependencies"). Prints each offending line and exits 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/../src"

# folder -> folders it may include (besides itself); a file belongs to the longest folder that holds it.
declare -A allowed=(
  [platform/runtime platform/eventloop]="platform"
  [platform/eventloop]="platform platform/runtime"
  [platform/sqlite]="platform platform/runtime platform/eventloop"
  [platform/registry]="platform platform/runtime platform/eventloop platform/sqlite"
  [platform/ui/qt]="platform platform/runtime platform/eventloop platform/ui"
  [platform/ui]="platform platform/runtime platform/eventloop"
  [platform/lns]="platform platform/runtime platform/eventloop platform/sqlite platform/registry"
  [platform/com]="platform platform/runtime platform/eventloop platform/registry platform/ui"
  [server/dbus]="platform platform/runtime platform/eventloop platform/registry platform/ui platform/com tools/lns framework
                 mainwindow"
  [tools/lns]="platform platform/runtime platform/eventloop platform/sqlite platform/registry platform/ui platform/lns platform/com
               framework mainwindow"
  [platform]="platform/runtime platform/eventloop"
  [formats]="platform platform/runtime"
  [texts]="platform platform/runtime platform/eventloop platform/ui platform/registry framework"
  [datapoints]="platform platform/runtime platform/eventloop platform/ui platform/lns devicemodel framework"
  [devicemodel]="platform platform/runtime platform/eventloop platform/registry platform/ui datapoints framework mainwindow texts"
  [mainwindow/editors]="platform platform/runtime platform/eventloop platform/ui datapoints devicemodel framework mainwindow"
  [mainwindow]="formats platform platform/runtime platform/eventloop platform/ui platform/lns platform/registry datapoints devicemodel mainwindow/editors
                framework texts"
  [framework]="formats platform platform/runtime platform/eventloop platform/ui platform/lns platform/registry platform/com datapoints
               devicemodel mainwindow texts"
  [app]="platform platform/runtime platform/eventloop platform/ui platform/ui/qt tools/lns platform/com
         server/dbus framework mainwindow"
)

folder_of() { # the known folder that holds path $1 (longest match)
  local path=$1 best=""
  for folder in "${!allowed[@]}"; do
    case "$path" in "$folder"/*) [ ${#folder} -gt ${#best} ] && best=$folder ;; esac
  done
  echo "$best"
}

status=0
while IFS=: read -r file line text; do
  target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$text")
  [[ "$target" == */* ]] || continue # same-folder include
  from=$(folder_of "$file")
  to=$(folder_of "$target")
  [ -z "$to" ] && to=$(dirname "$target")
  [ "$from" = "$to" ] && continue
  list=" $(tr -s ' \n' '  ' <<<"${allowed[$from]:-}") "
  if [[ "$list" != *" $to "* ]]; then
    echo "src/$file:$line: $from may not include $target"
    status=1
  fi
done < <(grep -rnE '^#include "' --include=*.h --include=*.cpp .  | sed 's#^\./##')
exit $status
