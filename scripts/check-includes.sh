#!/usr/bin/env bash
# Checks every include of src/ and tests/ against the layers that cmake/Layers.cmake declares (it needs no
# build): a file may include its own folder and the folders its folder uses; a test, the folders of the
# libraries it is built with; <sqlite3.h> belongs to src/platform/sqlite (and its tests) alone. Includes
# are found however they are spelt ("#include", "# include", <...> or "..."). Prints each offending line
# and exits 1 when there is one.
# Usage: check-includes.sh [source tree]   (default: this repository)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

{
  # The declaration, without comments, as one line; then every include line of the sources.
  sed 's/#.*//' cmake/Layers.cmake | tr '\n' ' '
  echo
  grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' --include=*.h --include=*.cpp src tests || true
} | awk '
NR == 1 {
  rest = $0
  while (match(rest, /qvr_(layer|test_folder)\([^)]*\)/)) {
    call = substr(rest, RSTART, RLENGTH)
    rest = substr(rest, RSTART + RLENGTH)
    kind = (call ~ /^qvr_layer\(/) ? "src" : "tests"
    sub(/^[a-z_]*\(/, "", call)
    sub(/\)$/, "", call)
    n = split(call, word, /[ \t]+/)
    first = (word[1] == "") ? 2 : 1
    folder = word[first]
    if (kind == "src") srcFolder[folder] = 1; else testFolder[folder] = 1
    key = "LIBRARY"
    for (i = first + 1; i <= n; i++) {
      if (word[i] == "") continue
      if (word[i] ~ /^(LIBRARY|USES|LINKS)$/) { key = word[i]; continue }
      if (kind == "src" && key == "LIBRARY") library[folder] = word[i]
      if (kind == "src" && key == "USES") uses[folder, word[i]] = 1
      if (kind == "tests" && key == "USES") testUses[folder, word[i]] = 1
      if (kind == "tests" && key == "LINKS") testLinks[folder] = testLinks[folder] " " word[i]
    }
  }
  # Which library links which: the libraries of the folders its folders use.
  for (pair in uses) {
    split(pair, part, SUBSEP)
    from = library[part[1]]; to = library[part[2]]
    if (from != "" && to != "" && from != to) links[from, to] = 1
  }
  next
}

# The longest declared folder (of `known`) that holds `path`.
function folderOf(path, known,    folder, best) {
  best = ""
  for (folder in known)
    if (index(path, folder "/") == 1 && length(folder) > length(best)) best = folder
  return best
}

# Marks in `reach` every library that `library` links, itself included.
function closure(lib, reach,    pair, part) {
  if (lib in reach) return
  reach[lib] = 1
  for (pair in links) {
    split(pair, part, SUBSEP)
    if (part[1] == lib) closure(part[2], reach)
  }
}

function refuse(message) {
  print where ": " message
  failed = 1
}

{
  split($0, field, ":")
  file = field[1]
  where = file ":" field[2]
  target = $0
  sub(/^[^:]*:[^:]*:[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]/, "", target)
  sub(/[>"].*/, "", target)
  inTests = (file ~ /^tests\//)
  path = file
  sub(/^(src|tests)\//, "", path)

  if (target == "sqlite3.h" && folderOf(path, srcFolder) != "platform/sqlite")
    refuse("<sqlite3.h> belongs to the SQLite wrapper (src/platform/sqlite) alone")

  to = folderOf(target, srcFolder)
  if (to == "") next  # the same folder, or not a header of src/

  if (!inTests) {
    from = folderOf(path, srcFolder)
    if (from == "") refuse(file " lies in no folder that cmake/Layers.cmake declares")
    else if (from != to && !((from, to) in uses)) refuse(from " may not include " target)
    next
  }

  # A test: its own folder of tests/, or else the src/ folder it mirrors, names what it is built with.
  testOwn = folderOf(path, testFolder)
  mirrored = folderOf(path, srcFolder)
  if (length(mirrored) > length(testOwn)) testOwn = ""
  split("", reach)
  if (testOwn != "") {
    count = split(testLinks[testOwn], linked, " ")
    for (i = 1; i <= count; i++) closure(linked[i], reach)
    if ((testOwn, to) in testUses) next
  } else if (mirrored != "") {
    closure(library[mirrored], reach)
  } else {
    refuse(file " lies in no test folder that cmake/Layers.cmake declares or that mirrors src/")
    next
  }
  if (!(library[to] in reach)) refuse("this test is not built with " to " (" library[to] ") but includes " target)
}

END { exit failed }
'
