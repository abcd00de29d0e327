#!/usr/bin/env bash
# Fails when a Windows build of drelm-idle.exe could not start on the oldest Windows it supports:
#   i686    Windows 98 SE (and 2000 on the NT line): every import must exist there, the PE header
#           may ask for no more than 4.0, and the code may use no SSE/SSE2 (Pentium II, K6);
#   x86_64  Windows XP x64 / Server 2003 SP1 (NT 5.2): every import must exist there, the PE
#           header may ask for no more than 5.2.
# Every import must also be a row of the table of allowed imports (docs/imports.md), which says
# for each function the oldest Windows of each line that has it working and where that is
# written. And every exe must stay under 1 MiB.
#
#   scripts/check-imports.sh [--table FILE] EXE...
#
# OBJDUMP names the objdump to use (default: MinGW's x86_64-w64-mingw32-objdump, which reads
# both PE formats). Prints one line per exe; exits 1 when anything fails.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
table=$root/docs/imports.md
if [ "${1:-}" = "--table" ]; then
  table=$2
  shift 2
fi
[ $# -gt 0 ] || {
  echo "usage: $0 [--table FILE] EXE..." >&2
  exit 2
}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
readonly max_bytes=1048576

# The table's rows as "dll function 9x nt", one a line, DLL names in lower case. A row whose
# versions cannot be read, or that names no source, fails the whole check: a row nobody can
# verify is no better than a missing one.
read_table() {
  awk -F'|' '
    function trim(s) { gsub(/^[ \t`]+|[ \t`]+$/, "", s); return s }
    /^\|/ && NF >= 7 {
      dll = tolower(trim($2)); fn = trim($3); w9x = trim($4); nt = trim($5); src = trim($6)
      if (dll == "dll" || dll ~ /^-+$/) next
      ok9x = (w9x == "95" || w9x == "98" || w9x == "98 SE" || w9x == "ME" || w9x == "-")
      oknt = (nt == "-" || nt ~ /^[0-9]+\.[0-9]+$/)
      if (dll == "" || fn == "" || !ok9x || !oknt || src == "") {
        printf "bad row in the import table: %s\n", $0 > "/dev/stderr"; bad = 1; next
      }
      if ((dll SUBSEP fn) in seen) {
        printf "row listed twice in the import table: %s %s\n", dll, fn > "/dev/stderr"; bad = 1
      }
      seen[dll, fn] = 1
      gsub(/ /, "_", w9x)
      print dll, fn, w9x, nt
    }
    END { exit bad }' "$table"
}

# The imports of one exe as "dll function", DLL names in lower case; a function imported by
# ordinal only is "#ordinal".
list_imports() {
  "$objdump" -p "$1" | awk '
    /^\tDLL Name: / { dll = tolower($3); next }
    /^[ \t]*$/ { dll = ""; next }
    dll != "" && /^\t[0-9a-fA-F]+\t +[0-9]+ +[^ ]+/ {
      name = $3
      if (name == "<none>") name = "#" $2
      print dll, name
    }'
}

# "major.minor" of the header field pair, e.g. OSystem or Subsystem.
header_version() {  # objdump -p output, field
  awk -v f="$2" '
    $1 == "Major" f "Version" { major = $2 }
    $1 == "Minor" f "Version" { minor = $2 }
    END { printf "%d.%d", major, minor }' <<<"$1"
}

# The check of one exe against the table. Prints what fails, and a summary line.
check_exe() {  # exe, table rows
  local exe=$1 rows=$2
  if [ ! -f "$exe" ]; then
    echo "FAIL $exe: not built"
    return 1
  fi
  local format arch floor_9x floor_nt header_floor
  format=$("$objdump" -f "$exe" | awk '/file format/ { print $NF; exit }')
  case "$format" in
    pei-i386) arch=i686 floor_9x=98_SE floor_nt=5.0 header_floor=4.0 ;;
    pei-x86-64) arch=x86_64 floor_9x= floor_nt=5.2 header_floor=5.2 ;;
    *)
      echo "FAIL $exe: not a Windows executable objdump knows (format '$format')"
      return 1
      ;;
  esac

  local failures=0 fail
  fail() {
    echo "FAIL $exe ($arch): $*"
    failures=$((failures + 1))
  }

  local size
  size=$(stat -c %s "$exe")
  [ "$size" -lt "$max_bytes" ] || fail "$size bytes, the limit is under $max_bytes"

  local headers os subsystem
  headers=$("$objdump" -p "$exe")
  os=$(header_version "$headers" OSystem)
  subsystem=$(header_version "$headers" Subsystem)
  for pair in "operating system:$os" "subsystem:$subsystem"; do
    awk -v v="${pair#*:}" -v f="$header_floor" 'BEGIN {
      split(v, a, "."); split(f, b, ".")
      exit !(a[1] + 0 > b[1] + 0 || (a[1] + 0 == b[1] + 0 && a[2] + 0 > b[2] + 0)) }' &&
      fail "the PE header asks for ${pair%%:*} version ${pair#*:}, above $header_floor"
  done

  # Each import against the table: missing, or newer than the floor on either line.
  local imports verdicts count
  imports=$(list_imports "$exe")
  count=$(grep -c . <<<"$imports" || true)
  [ "$count" -gt 0 ] || fail "no imports read (is this objdump's output format?)"
  verdicts=$(awk -v floor9x="$floor_9x" -v floornt="$floor_nt" '
    function rank9x(v) { return v == "95" ? 1 : v == "98" ? 2 : v == "98_SE" ? 3 : v == "ME" ? 4 : 99 }
    function newer_nt(v, f,   a, b) {
      if (v == "-") return 1
      split(v, a, "."); split(f, b, ".")
      return a[1] + 0 > b[1] + 0 || (a[1] + 0 == b[1] + 0 && a[2] + 0 > b[2] + 0)
    }
    FNR == NR { w9x[$1, $2] = $3; nt[$1, $2] = $4; next }
    {
      key = $1 SUBSEP $2
      if (!(key in nt)) { print "import not in the table: " $1 " " $2; next }
      if (floor9x != "" && rank9x(w9x[key]) > rank9x(floor9x)) {
        v = w9x[key]; gsub(/_/, " ", v)
        print "import newer than Windows 98 SE: " $1 " " $2 " (9x: " v ")"
      }
      if (newer_nt(nt[key], floornt))
        print "import newer than NT " floornt ": " $1 " " $2 " (NT: " nt[key] ")"
    }' <(printf '%s\n' "$rows") <(printf '%s\n' "$imports"))
  while IFS= read -r line; do
    [ -n "$line" ] && fail "$line"
  done <<<"$verdicts"

  local sse=none
  if [ "$arch" = i686 ]; then
    # SSE and SSE2 work on xmm registers, and the few that do not (fences, prefetches,
    # non-temporal stores, the MXCSR) are named here: none of them runs on a Pentium II or K6.
    # The code ends where the linker's map (beside the exe, when the build wrote one) puts the
    # constructor list: what follows in .text is data (exception tables), and so is not looked at.
    local hits code_end="" map="${exe%.*}.map"
    if [ -f "$map" ] && [ ! "$map" -ot "$exe" ]; then
      code_end=$(awk '$2 ~ /^_*CTOR_LIST__$/ && $3 == "=" { print $1; exit }' "$map")
    fi
    hits=$("$objdump" -d --no-show-raw-insn "$exe" | awk -v end="$code_end" '
      function key(a) { sub(/^0x/, "", a); a = tolower(a); while (length(a) < 16) a = "0" a; return a }
      end != "" && /^ *[0-9a-fA-F]+:/ { a = $1; sub(/:$/, "", a); if (key(a) >= key(end)) exit }
      /%xmm|[[:space:]](ldmxcsr|stmxcsr|[slm]fence|prefetch(nta|t[012])|movnt[a-z]*|maskmovq|clflush)([[:space:]]|$)/' || true)
    if [ -n "$hits" ]; then
      fail "$(grep -c . <<<"$hits") SSE/SSE2 instructions, the first: $(head -n 1 <<<"$hits" | tr -s '\t ' ' ')"
      sse=found
    fi
    [ -n "$code_end" ] && sse="$sse (code up to $code_end)"
  else
    sse="allowed (x86_64)"
  fi

  local verdict=ok
  [ "$failures" -eq 0 ] || verdict="$failures failures"
  printf '%s (%s): %s bytes, %s imports checked, OS %s, subsystem %s, SSE %s: %s\n' \
    "$exe" "$arch" "$size" "$count" "$os" "$subsystem" "$sse" "$verdict"
  [ "$failures" -eq 0 ]
}

rows=$(read_table) || exit 1
status=0
for exe in "$@"; do
  check_exe "$exe" "$rows" || status=1
done
exit $status
