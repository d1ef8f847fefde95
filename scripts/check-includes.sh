#!/usr/bin/env bash
# Checks the sources of src/ and tests/ against cmake/Layers.cmake and the facts that have one home (it needs
# no build). Every include is first resolved to the file it names, as the compiler finds it (a quoted name
# beside the including file first, then below src/ and the tests' include folders), so that "../" or angle
# brackets lead nowhere else; a quoted include that names no file of the tree, or one whose name is not spelt
# out (a macro), is refused. Then:
# - a file may include its own folder and the folders its folder uses; a test, the folders of the libraries
#   it is built with; src/ never includes tests/; <sqlite3.h> belongs to src/platform/sqlite (and its tests);
# - every folder that holds sources is declared: a layer or a part of one (PARTS) in src/, a test folder or
#   one that mirrors src/ in tests/, so that a new sub-folder never joins its parent's layer unnoticed;
# - every use that cmake/Layers.cmake declares is made by an include of the using folder's sources, so that
#   the declaration, and the libraries' links made from it, say what is used; and the uses never go round,
#   so that the layers stay one way;
# - in src/, what has one home is done there alone (the table `homes` below): the environment is read and
#   set by the programs' main() (the whole environment, `environ` or platform::EnvironmentWithout, only
#   where it is handed on; nor `__environ` or /proc/self/environ elsewhere), /proc/self/exe read by
#   platform::RunningProgramFile (also spelt as adjacent texts), files written through
#   platform::WriteFileWhole (or platform::WriteOutputFile, for an output the user names: no ofstream,
#   fstream, ios::out, fopen for writing, open() with a writing flag or a filesystem copy elsewhere; the
#   few files written otherwise have their homes below), registry keys and
#   MachineSetup.h's names spelt in their homes. The table `allowed` lists the uses that still stand outside
#   their home; an entry that no longer matches anything is refused too, so that the list only shrinks.
# Directives and rules are looked for outside comments, however they are spelt ("# include", "%:include",
# "#/**/include"). Prints each offending line and exits 1 when there is one.
# Usage: check-includes.sh [source tree]   (default: this repository)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# rule, home (a file, or a folder ending in "/"), and what stands there.
homes='
environment  src/app/                                 the programs'"'"' main(), which hand what they read down
environment  src/platform/ui/qt/QtApplicationStart.cpp  the Qt start, which hands Qt the platform and runtime folder it was handed
environment  src/platform/Spawn.h                     platform::EnvironmentWithout, the one reader of the whole environment
environment  src/platform/Spawn.cpp                   platform::EnvironmentWithout, and a child that inherits the environment
environment  src/platform/com/PrivateBus.cpp          the bus daemon, started with the environment less the bus'"'"'s own variables
environment  src/tools/lns/InitCommand.cpp            lns init, whose bus start is handed the environment less the bus'"'"'s variables
program-file src/platform/MachineRoot.cpp             platform::RunningProgramFile
file-write   src/platform/WriteFileWhole.cpp          platform::WriteFileWhole, for the files the system keeps
file-write   src/platform/WriteOutputFile.cpp         platform::WriteOutputFile, for an output the user names
file-write   src/platform/Spawn.cpp                   a child'"'"'s output and error output, redirected into files
file-write   src/platform/com/BusFolderLock.cpp       the lock file of the machine root'"'"'s bus folder
file-write   src/platform/sqlite/                     the SQLite wrapper, which opens the files beside a database
registry     src/platform/registry/MachineSetup.h     the machine'"'"'s keys and value names
registry     src/identity/PlugInIdentity.h           the plug-in'"'"'s own key
registry     src/platform/com/ClassRegistration.cpp   the COM classes'"'"' key
'
# rule, file: the uses outside their home that the "one home per fact" rework removes, and why each stands.
allowed='
'

{
  echo "@layers"
  sed 's/#.*//' cmake/Layers.cmake | tr '\n' ' '
  echo
  echo "@homes"
  echo "$homes"
  echo "@allowed"
  echo "$allowed"
  # The tests' include folders, as tests/CMakeLists.txt adds them.
  echo "@testIncludes"
  grep -E 'target_include_directories' tests/CMakeLists.txt | grep -oE 'CMAKE_CURRENT_SOURCE_DIR}/[A-Za-z0-9_/]+' |
    sed 's|.*}/|tests/|' || true
  # The names MachineSetup.h declares, as spelt there.
  echo "@machineNames"
  sed -nE 's/.*constexpr[^=]*=[[:space:]]*("([^"\\]|\\.)*").*/\1/p' src/platform/registry/MachineSetup.h
  echo "@files"
  find src tests -type f
  echo "@lines"
  grep -rn '' --include=*.h --include=*.hh --include=*.hpp --include=*.hxx --include=*.inc --include=*.ipp \
    --include=*.c --include=*.cc --include=*.cpp --include=*.cxx src tests || true
} | awk '
BEGIN {
  environmentCall = "(^|[^A-Za-z0-9_])(secure_getenv|getenv|setenv|unsetenv|putenv|clearenv|qgetenv|qputenv|" \
                    "qunsetenv|qEnvironmentVariable[A-Za-z]*|systemEnvironment|_?_?environ|EnvironmentWithout)" \
                    "([^A-Za-z0-9_]|$)"
  fileWriter = "(^|[^A-Za-z0-9_])(w?o?fstream|basic_o?fstream|ios(_base)?::(out|app|trunc))([^A-Za-z0-9_]|$)"
  # open() with a flag that writes, creat() and the copies of std::filesystem write files too.
  writingCall = "(^|[^A-Za-z0-9_])((O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|copy_file|copy_symlink)" \
                "([^A-Za-z0-9_]|$)|(creat|(filesystem|fs)::copy)[ \t]*\\()"
  # fopen and its kin with any mode but reading.
  cFileOpen = "(^|[^A-Za-z0-9_])(fopen|freopen|fdopen|_wfopen)[ \t]*\\("
  readMode = "\\([^;]*\"r[be]*\"[ \t]*\\)"
}

/^@[a-zA-Z]+$/ && section != "lines" { section = substr($0, 2); next }

section == "layers" {
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
    if (kind == "src") layerOf[folder] = folder; else testFolder[folder] = 1
    key = "LIBRARY"
    for (i = first + 1; i <= n; i++) {
      if (word[i] == "") continue
      if (word[i] ~ /^(LIBRARY|USES|LINKS|PARTS)$/) { key = word[i]; continue }
      if (kind == "src" && key == "LIBRARY") library[folder] = word[i]
      if (kind == "src" && key == "USES") uses[folder, word[i]] = 1
      if (kind == "src" && key == "PARTS") partOf[folder "/" word[i]] = folder
      if (kind == "tests" && key == "USES") testUses[folder, word[i]] = 1
      if (kind == "tests" && key == "LINKS") testLinks[folder] = testLinks[folder] " " word[i]
    }
  }
  next
}
section == "homes" && NF >= 2 { home[$1, $2] = 1; next }
section == "allowed" && NF >= 2 { allowedUse[$1, $2] = 1; next }
section == "testIncludes" && NF { testIncludes[++testIncludeCount] = $0; next }
section == "machineNames" && NF { machineName[$0] = 1; next }
section == "files" { exists[$0] = 1; next }
section != "lines" { next }

# Which library links which: the libraries of the folders its folders use; parts belong to their layer.
!started {
  started = 1
  for (part in partOf) layerOf[part] = partOf[part]
  for (pair in uses) {
    split(pair, half, SUBSEP)
    from = library[half[1]]; to = library[half[2]]
    if (from != "" && to != "" && from != to) links[from, to] = 1
  }
}

# The layer that a folder of src/ belongs to ("" for none), without adding it to layerOf.
function layer(dir) {
  return (dir in layerOf) ? layerOf[dir] : ""
}

# The folder of a path ("" for a file at the top).
function dirOf(path) {
  return (path ~ /\//) ? substr(path, 1, match(path, /\/[^\/]*$/) - 1) : ""
}

# `path` without "." and with ".." taken back; "" when it climbs out of the tree or is absolute.
function normal(path,    n, part, i, k, out) {
  if (path ~ /^\//) return ""
  n = split(path, part, "/")
  k = 0
  for (i = 1; i <= n; i++) {
    if (part[i] == "" || part[i] == ".") continue
    if (part[i] == "..") { if (k == 0) return ""; k--; continue }
    kept[++k] = part[i]
  }
  out = ""
  for (i = 1; i <= k; i++) out = out (i > 1 ? "/" : "") kept[i]
  return out
}

# The file of the tree that an include of `target` in `file` names ("" for none): a quoted name is looked
# for beside the file first; then below src/ and, from a test, the tests'"'"' include folders.
function resolve(file, target, quoted,    candidate, i) {
  if (quoted) {
    candidate = normal(dirOf(file) "/" target)
    if (candidate in exists) return candidate
  }
  candidate = normal("src/" target)
  if (candidate in exists) return candidate
  if (file !~ /^tests\//) return ""
  for (i = 1; i <= testIncludeCount; i++) {
    candidate = normal(testIncludes[i] "/" target)
    if (candidate in exists) return candidate
  }
  return ""
}

# The libraries in `reach` that `lib` links, itself included.
function closure(lib, reach,    pair, half) {
  if (lib in reach) return
  reach[lib] = 1
  for (pair in links) {
    split(pair, half, SUBSEP)
    if (half[1] == lib) closure(half[2], reach)
  }
}

function refuse(message) {
  print where ": " message
  failed = 1
}

# True when `file` is a home of `rule`; counts an allowed use, which is then not refused.
function inHome(rule, file,    dir) {
  if ((rule, file) in home) return 1
  for (dir = dirOf(file); dir != ""; dir = dirOf(dir))
    if ((rule, dir "/") in home) return 1
  if ((rule, file) in allowedUse) { allowedUsed[rule, file] = 1; return 1 }
  return 0
}

# The line without its comments (a comment opened on an earlier line counts) and, in `bare`, also without
# the contents of its string and character literals.
function strip(line,    token, out, closer) {
  out = ""; bare = ""
  while (line != "") {
    if (rawEnd != "") {
      closer = index(line, rawEnd)
      if (!closer) return out
      line = substr(line, closer + length(rawEnd)); rawEnd = ""; out = out "\"\""; bare = bare "\"\""
      continue
    }
    if (inComment) {
      closer = index(line, "*/")
      if (!closer) return out
      line = substr(line, closer + 2); inComment = 0; out = out " "; bare = bare " "
      continue
    }
    if (!match(line, /R"[^(" ]*\(|\/\*|\/\/|"|'"'"'/)) { out = out line; bare = bare line; break }
    out = out substr(line, 1, RSTART - 1); bare = bare substr(line, 1, RSTART - 1)
    token = substr(line, RSTART, RLENGTH)
    line = substr(line, RSTART + RLENGTH)
    if (token == "//") break
    if (token == "/*") { inComment = 1; continue }
    if (token ~ /^R/) { rawEnd = ")" substr(token, 3, length(token) - 3) "\""; continue }
    if (token == "\"" && match(line, /^([^"\\]|\\.)*"/) || token == "'"'"'" && match(line, /^([^'"'"'\\]|\\.)*'"'"'/)) {
      out = out token substr(line, 1, RLENGTH); bare = bare token token
      line = substr(line, RLENGTH + 1)
    } else {
      out = out token line; bare = bare token token; line = ""
    }
  }
  return out
}

# A file in a folder that cmake/Layers.cmake neither declares nor mirrors.
function checkFolder(    dir) {
  dir = dirOf(path)
  if (!inTests && !(dir in layerOf)) {
    where = file ":1"
    refuse(file " lies in a folder that cmake/Layers.cmake does not declare (a layer, or a PARTS of one)")
  } else if (inTests && !(dir in testFolder) && !(dir in layerOf)) {
    where = file ":1"
    refuse(file " lies in a test folder that cmake/Layers.cmake does not declare and that mirrors no folder of src/")
  }
}

# Judges the include of `target` (quoted or not) on the current line.
function checkInclude(target, quoted,    resolved, to, from, dir, own, count, linked, i, reach) {
  if (target ~ /(^|\/)sqlite3\.h$/) {
    if (layer(dirOf(path)) != "platform/sqlite")
      refuse("<sqlite3.h> belongs to the SQLite wrapper (src/platform/sqlite) alone")
    return
  }
  resolved = resolve(file, target, quoted)
  if (resolved == "") {
    if (quoted) refuse("\"" target "\" names no file of this source tree")
    return  # a header of the system or of a library
  }
  dir = dirOf(path)
  if (resolved ~ /^tests\//) {
    if (!inTests) refuse("src/ may not include the tests'"'"' " resolved)
    return
  }
  to = layer(dirOf(substr(resolved, 5)))
  if (to == "") return  # its own folder is refused as undeclared
  if (!inTests) {
    from = layer(dir)
    if (from != "" && from != to && !((from, to) in uses)) refuse(from " may not include " resolved)
    if (from != "") made[from, to] = 1
    return
  }
  # A test: its declared test folder, or else the src/ folder it mirrors, names what it is built with.
  split("", reach)
  if (dir in testFolder) {
    if ((dir, to) in testUses) return
    count = split(testLinks[dir], linked, " ")
    for (i = 1; i <= count; i++) closure(linked[i], reach)
  } else if (dir in layerOf) {
    closure(library[layerOf[dir]], reach)
  } else {
    return
  }
  if (!(library[to] in reach)) refuse("this test is not built with " to " (" library[to] ") but includes " resolved)
}

# The facts with one home, in src/.
function checkHomes(code, bare, directive,    literal, rest, joined) {
  if (bare ~ environmentCall && !inHome("environment", file))
    refuse("the environment is read and set in the programs'"'"' main() alone (src/app); hand the value down")
  joined = code
  gsub(/"[ \t]*"/, "", joined)  # adjacent texts are one text
  if (joined ~ /\/proc\/[^\/"]*\/environ/ && !inHome("environment", file))
    refuse("the environment is read and set in the programs'"'"' main() alone (src/app); hand the value down")
  if (joined ~ /\/proc\/self\/exe/ && !inHome("program-file", file))
    refuse("the running program'"'"'s file is read by platform::RunningProgramFile alone")
  if ((!directive && (bare ~ fileWriter || bare ~ writingCall) || code ~ cFileOpen && code !~ readMode) &&
      !inHome("file-write", file))
    refuse("files are written through platform::WriteFileWhole (or WriteOutputFile for an output the user names)")
  rest = code
  while (match(rest, /"([^"\\]|\\.)*"/)) {
    literal = substr(rest, RSTART, RLENGTH)
    rest = substr(rest, RSTART + RLENGTH)
    if ((literal in machineName || tolower(literal) ~ /^"(software|control panel)\\\\/) && !inHome("registry", file)) {
      refuse("registry key and value names are spelt in their home (platform/registry/MachineSetup.h) alone: " literal)
      break
    }
  }
}

{
  colon = index($0, ":")
  file = substr($0, 1, colon - 1)
  rest = substr($0, colon + 1)
  colon = index(rest, ":")
  where = file ":" substr(rest, 1, colon - 1)
  line = substr(rest, colon + 1)
  if (file != lastFile) {
    lastFile = file; inComment = 0; rawEnd = ""
    inTests = (file ~ /^tests\//)
    path = substr(file, inTests ? 7 : 5)
    checkFolder()
    where = file ":" substr(rest, 1, colon - 1)
  }
  code = strip(line)
  isDirective = match(code, /^[ \t]*(#|%:)[ \t]*include(_next)?([^A-Za-z0-9_]|$)/)
  if (isDirective) {
    directive = substr(code, RSTART + RLENGTH - 1)
    if (match(directive, /^[ \t]*"[^"]*"/)) {
      target = substr(directive, RSTART, RLENGTH); sub(/^[ \t]*"/, "", target); sub(/"$/, "", target)
      checkInclude(target, 1)
    } else if (match(directive, /^[ \t]*<[^>]*>/)) {
      target = substr(directive, RSTART, RLENGTH); sub(/^[ \t]*</, "", target); sub(/>$/, "", target)
      checkInclude(target, 0)
    } else {
      refuse("an include must spell its file out, on its line, so that it can be checked")
    }
  }
  if (!inTests) checkHomes(code, bare, isDirective)
}

# Walks the declared uses from `folder`; a use that leads back to a folder on the way is a cycle.
function walkUses(folder, depth,    pair, half, i, chain) {
  walking[folder] = 1
  onPath[depth] = folder
  for (pair in uses) {
    split(pair, half, SUBSEP)
    if (half[1] != folder) continue
    if (!(half[2] in walking)) {
      walkUses(half[2], depth + 1)
    } else if (walking[half[2]] == 1) {
      chain = ""
      for (i = 1; i <= depth; i++) if (chain != "" || onPath[i] == half[2]) chain = chain onPath[i] " uses "
      print "cmake/Layers.cmake: the declared uses go round: " chain half[2]
      failed = 1
    }
  }
  walking[folder] = 2
}

END {
  for (folder in layerOf) if (!(folder in walking)) walkUses(folder, 1)
  for (pair in uses) {
    if (pair in made) continue
    split(pair, half, SUBSEP)
    if (!(half[1] in layerOf) || half[1] in partOf) continue
    print "cmake/Layers.cmake: " half[1] " declares a use of " half[2] " that no include of its sources makes"
    failed = 1
  }
  for (entry in allowedUse) {
    if (entry in allowedUsed) continue
    split(entry, half, SUBSEP)
    print half[2] ": allowed outside its home (" half[1] ") but no longer used there: remove it from `allowed`"
    failed = 1
  }
  exit failed
}
'
