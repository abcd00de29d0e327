#!/usr/bin/env bash
# The import check (scripts/check-imports.sh) must bite: each case below is an exe that objdump
# describes (a fake objdump reads canned output beside a fake exe of the right size) and the
# verdict the check must give. A check that passes everything, or fails everything, fails here.
#
#   check_imports_test.sh [EXE...]
# With real executables it also removes, one exe at a time, the table row of an import the exe
# really has, and expects the check to name it: so the real tables are read, not skipped.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
check=$root/scripts/check-imports.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/objdump" <<'EOF'
#!/usr/bin/env bash
# -f, -p or -d FILE: the canned output FILE.f, FILE.p or FILE.d.
flag=$1
file=${*: -1}
cat "$file.${flag#-}"
EOF
chmod +x "$work/objdump"

cat >"$work/table.md" <<'EOF'
| dll | function | 9x | NT | source |
|---|---|---|---|---|
| kernel32.dll | CloseHandle | 95 | 3.1 | a page |
| msvcrt.dll | malloc | 98 SE | 5.0 | a page |
| kernel32.dll | GetFileSizeEx | ME | 5.0 | a page |
| kernel32.dll | OnlyOn98AndXp | 98 | 5.1 | a page |
| kernel32.dll | FlsAlloc | - | 5.2 | a page |
| kernel32.dll | GetTickCount64 | - | 6.0 | a page |
EOF

# make_exe NAME FORMAT OS SUBSYSTEM BYTES IMPORTS CODE: IMPORTS as "dll:function ...".
make_exe() {
  local exe=$work/$1
  truncate -s "$5" "$exe"
  printf '%s:     file format %s\n' "$exe" "$2" >"$exe.f"
  {
    printf 'MajorOSystemVersion\t%s\nMinorOSystemVersion\t%s\n' "${3%.*}" "${3#*.}"
    printf 'MajorSubsystemVersion\t%s\nMinorSubsystemVersion\t%s\n\n' "${4%.*}" "${4#*.}"
    local dll=""
    for import in $6; do
      if [ "${import%%:*}" != "$dll" ]; then
        dll=${import%%:*}
        printf '\n\tDLL Name: %s\n\tvma:  Hint/Ord Member-Name Bound-To\n' "$dll"
      fi
      printf '\t8230\t  486  %s\n' "${import#*:}"
    done
    printf '\n'
  } >"$exe.p"
  printf '  401000:\t%s\n' "$7" >"$exe.d"
}

failed=0
expect() {  # name, expected exit code, expected text, check arguments...
  local name=$1 code=$2 text=$3 out rc=0
  shift 3
  out=$(OBJDUMP=$work/objdump "$check" "$@" 2>&1) || rc=$?
  if [ "$rc" -ne "$code" ] || ! grep -qE -- "$text" <<<"$out"; then
    printf 'FAILED: %s\n  expected exit %s and /%s/, got exit %s:\n%s\n' "$name" "$code" "$text" \
      "$rc" "$out"
    failed=$((failed + 1))
  fi
}

i686=pei-i386
x64=pei-x86-64
limit=1048576
# name | format | OS | subsystem | bytes | imports | code | exit | output
while IFS='|' read -r name format os sub bytes imports code rc text; do
  [ -n "$name" ] || continue
  make_exe case.exe "$format" "$os" "$sub" "$bytes" "$imports" "$code"
  expect "$name" "$rc" "$text" --table "$work/table.md" "$work/case.exe"
done <<EOF
an i686 exe within its floor passes|$i686|4.0|4.0|$((limit - 1))|kernel32.dll:CloseHandle msvcrt.dll:malloc|mov %eax,%ebx|0|2 imports checked.*: ok
DLL names compare without case|$i686|4.0|4.0|1000|KERNEL32.dll:CloseHandle|nop|0|: ok
an import missing from the table fails|$i686|4.0|4.0|1000|kernel32.dll:CreateFileW|nop|1|not in the table: kernel32.dll CreateFileW
an import newer than 98 SE fails the i686 build|$i686|4.0|4.0|1000|kernel32.dll:GetFileSizeEx|nop|1|newer than Windows 98 SE: kernel32.dll GetFileSizeEx
an import 98 has and 2000 lacks fails the i686 build|$i686|4.0|4.0|1000|kernel32.dll:OnlyOn98AndXp|nop|1|newer than NT 5.0
an XP x64 import passes the x86_64 build|$x64|5.2|5.2|1000|kernel32.dll:FlsAlloc|nop|0|: ok
a Vista import fails the x86_64 build|$x64|5.2|5.2|1000|kernel32.dll:GetTickCount64|nop|1|newer than NT 5.2: kernel32.dll GetTickCount64
an i686 header asking for Windows 5.0 fails|$i686|5.0|4.0|1000|kernel32.dll:CloseHandle|nop|1|operating system version 5.0, above 4.0
an x86_64 subsystem 6.0 fails|$x64|5.2|6.0|1000|kernel32.dll:CloseHandle|nop|1|subsystem version 6.0, above 5.2
an xmm register in i686 code fails|$i686|4.0|4.0|1000|kernel32.dll:CloseHandle|movaps %xmm0,(%eax)|1|SSE/SSE2
an SSE fence in i686 code fails|$i686|4.0|4.0|1000|kernel32.dll:CloseHandle|sfence|1|SSE/SSE2
xmm registers are fine in x86_64 code|$x64|5.2|5.2|1000|kernel32.dll:CloseHandle|movaps %xmm0,(%rax)|0|: ok
an exe of 1 MiB fails|$i686|4.0|4.0|$limit|kernel32.dll:CloseHandle|nop|1|$limit bytes
an exe whose imports cannot be read fails|$i686|4.0|4.0|1000||nop|1|no imports read
EOF

# The linker's map marks where the code ends; the exception tables after it are data.
make_exe mapped.exe "$i686" 4.0 4.0 1000 kernel32.dll:CloseHandle nop
printf '                0x00402000                ___CTOR_LIST__ = .\n' >"$work/mapped.map"
for code in 'nop|movaps %xmm0,(%eax)|0|SSE none' 'movaps %xmm0,(%eax)|nop|1|SSE/SSE2'; do
  IFS='|' read -r first second rc text <<<"$code"
  printf '  401000:\t%s\n  402000:\t%s\n' "$first" "$second" >"$work/mapped.exe.d"
  expect "with '$second' past the map's end of code, the SSE verdict is: $text" "$rc" "$text" \
    --table "$work/table.md" "$work/mapped.exe"
done

make_exe good.exe "$i686" 4.0 4.0 1000 kernel32.dll:CloseHandle nop
for row in '| kernel32.dll | ReadFile | 95 | 3.1 | |' '| kernel32.dll | ReadFile | 2000 | 5.0 | a page |' \
  '| kernel32.dll | CloseHandle | 95 | 3.1 | a page |'; do
  { cat "$work/table.md" && echo "$row"; } >"$work/bad-table.md"
  expect "the table row '$row' fails the check" 1 "bad row|listed twice" \
    --table "$work/bad-table.md" "$work/good.exe"
done

# The real executables: the row of the first import each really has, taken out of the table.
for exe in "$@"; do
  first=$("${OBJDUMP:-x86_64-w64-mingw32-objdump}" -p "$exe" |
    awk '/^\tDLL Name: / { dll = tolower($3); next }
         dll != "" && !found && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+/ { print dll, $3; found = 1 }')
  grep -viE "^\| *${first% *} *\| *${first#* } *\|" "$root/docs/imports.md" >"$work/real-table.md"
  out=$("$check" --table "$work/real-table.md" "$exe" 2>&1) && rc=0 || rc=$?
  if [ "$rc" -ne 1 ] || ! grep -qF "not in the table: $first" <<<"$out"; then
    printf 'FAILED: without its row, %s of %s must fail the check; got exit %s:\n%s\n' \
      "$first" "$exe" "$rc" "$out"
    failed=$((failed + 1))
  fi
done

[ "$failed" -eq 0 ] && echo "import check self-test: every case gave its verdict"
exit $((failed > 0))
