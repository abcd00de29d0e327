#!/usr/bin/env bash
# The mutant sample: a fixed list of realistic single faults in the product and the stand-in
# (scripts/mutants.txt). For each one the script puts the fault into its file, builds the linux
# preset in a folder of its own, runs the whole suite with a time limit per test, and puts the
# file back. A mutant the suite notices is killed, one it misses survived; the score is the
# killed share of the mutants that applied. A maintainer's tool: the test command does not run it.
#
#   scripts/mutants.sh [options] [ID ...]     IDs may be patterns ('aol-*'); none means all
#     --list            the mutants, their files and what each gets wrong, and a count per layer
#     --check           only that each mutant still applies (its text is in its file exactly
#                       once) and compiles; runs no tests
#     --timeout SECS    the time limit per test (default 300); a test that reaches it, as a
#                       mutant that hangs a wait would make it, kills the mutant
#     --jobs N          build and test jobs (default 2)
#     --build-dir DIR   the build folder (default build/mutants; build/linux is left alone)
#
# A mutant whose text is no longer in its file, or is there more than once, is "not applicable";
# one that no longer compiles is a "build error". Neither counts in the score: re-aim it in
# scripts/mutants.txt. The mutated file is restored after each mutant, on Ctrl-C and on any
# error; a run killed outright leaves a note that the next run uses to restore it first.
# On a shared machine run it as `nice -n 10 scripts/mutants.sh`: the full sample takes about 40
# minutes with two jobs on two idle cores, longer on a busy machine.
#
# Exit status: 0 when every chosen mutant applied and built, 1 when one did not, 2 on a usage
# error or a tree that fails to build or pass its suite without any mutant.
set -uo pipefail
export LC_ALL=C
shopt -u patsub_replacement 2>/dev/null || true

cd "$(dirname "$0")/.." || exit 2
root=$PWD
data=scripts/mutants.txt
build=build/mutants
jobs=2
timeout=300
mode=run
patterns=()

usage() {
  sed -n '2,/^set -uo/p' "$0" | sed '$d' | sed 's/^# \{0,1\}//' >&2
  exit 2
}

while (($#)); do
  case $1 in
    --list) mode=list ;;
    --check) mode=check ;;
    --timeout)
      [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || usage
      timeout=$2
      shift
      ;;
    --jobs)
      [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || usage
      jobs=$2
      shift
      ;;
    --build-dir)
      [[ -n ${2:-} ]] || usage
      build=$2
      shift
      ;;
    -h | --help) usage ;;
    -*) usage ;;
    *) patterns+=("$1") ;;
  esac
  shift
done

# ---------------------------------------------------------------------------------------------
# The list. Blocks of "key: value" lines separated by blank lines; "#" starts a comment line.
# The one blank after the colon separates; anything after it is the value, byte for byte, so a
# repeated "from:" or "to:" line adds a line (with its indentation) to a text of several lines.

ids=() files=() whats=() froms=() tos=()
b_id='' b_file='' b_what='' b_from='' b_to='' b_nfrom=0 b_nto=0 b_line=0

fail_list() {
  echo "$data:$b_line: $*" >&2
  exit 2
}

end_block() {
  if [[ -z $b_id$b_file$b_what ]] && ((b_nfrom + b_nto == 0)); then return; fi
  [[ $b_id =~ ^[a-z]+-[a-z0-9-]+$ ]] || fail_list "id \"$b_id\" is not layer-words-with-dashes"
  [[ -n $b_file && -n $b_what ]] || fail_list "$b_id lacks its file or its description"
  ((b_nfrom > 0 && b_nto > 0)) || fail_list "$b_id lacks its from or its to"
  [[ -n $b_from ]] || fail_list "$b_id: the original text is empty"
  [[ $b_from != "$b_to" ]] || fail_list "$b_id: the replacement equals the original"
  local known
  for known in "${ids[@]}"; do
    [[ $known != "$b_id" ]] || fail_list "$b_id is defined twice"
  done
  ids+=("$b_id")
  files+=("$b_file")
  whats+=("$b_what")
  froms+=("$b_from")
  tos+=("$b_to")
  b_id='' b_file='' b_what='' b_from='' b_to='' b_nfrom=0 b_nto=0
}

load_list() {
  local line key value lineno=0
  [[ -f $data ]] || {
    echo "$data is missing" >&2
    exit 2
  }
  while IFS= read -r line || [[ -n $line ]]; do
    ((++lineno))
    if [[ -z $line ]]; then
      end_block
      continue
    fi
    [[ $line == '#'* ]] && continue
    ((b_nfrom + b_nto == 0)) && [[ -z $b_id$b_file$b_what ]] && b_line=$lineno
    key=${line%%:*}
    [[ $key != "$line" ]] || {
      b_line=$lineno
      fail_list "expected \"key: value\""
    }
    value=${line#*:}
    value=${value# }
    case $key in
      id) b_id=$value ;;
      file) b_file=$value ;;
      what) b_what=$value ;;
      from)
        if ((b_nfrom)); then b_from+=$'\n'$value; else b_from=$value; fi
        ((++b_nfrom))
        ;;
      to)
        if ((b_nto)); then b_to+=$'\n'$value; else b_to=$value; fi
        ((++b_nto))
        ;;
      *)
        b_line=$lineno
        fail_list "unknown key \"$key\""
        ;;
    esac
  done <"$data"
  end_block
}

load_list

chosen=()
if ((${#patterns[@]} == 0)); then
  chosen=("${!ids[@]}")
else
  for pattern in "${patterns[@]}"; do
    matched=0
    for i in "${!ids[@]}"; do
      # shellcheck disable=SC2053  # the pattern is meant to glob
      [[ ${ids[i]} == $pattern ]] || continue
      matched=1
      [[ " ${chosen[*]} " == *" $i "* ]] || chosen+=("$i")
    done
    ((matched)) || {
      echo "no mutant matches \"$pattern\" (scripts/mutants.sh --list names them)" >&2
      exit 2
    }
  done
fi

layer_counts() {
  local i layer
  declare -A count=()
  local order=()
  for i in "${chosen[@]}"; do
    layer=${ids[i]%%-*}
    [[ -n ${count[$layer]:-} ]] || order+=("$layer")
    count[$layer]=$((${count[$layer]:-0} + 1))
  done
  printf '%s mutants:' "${#chosen[@]}"
  for layer in "${order[@]}"; do printf ' %s %s,' "$layer" "${count[$layer]}"; done | sed 's/,$//'
  echo
}

if [[ $mode == list ]]; then
  for i in "${chosen[@]}"; do
    printf '%-34s %-38s %s\n' "${ids[i]}" "${files[i]}" "${whats[i]}"
  done
  layer_counts
  exit 0
fi

# ---------------------------------------------------------------------------------------------
# Putting a fault in and taking it out again.

state=$build/mutants-state
logs=$state/logs
mkdir -p "$logs" || exit 2
pending=$state/pending # names the file that is mutated right now
original=$state/original
child=0

# Ninja rebuilds a file only when it is newer than its object: the pause keeps a file put back
# (or a fault put in) right after a compile from sharing the object's time stamp.
settle() {
  sleep 1
}

restore_file() {
  [[ -f $pending ]] || return 0
  local file
  file=$(<"$pending")
  settle
  if cp -- "$original" "$root/$file"; then
    rm -f -- "$pending" "$original"
  else
    echo "could not restore $file: its original is in $original" >&2
    return 1
  fi
}

on_signal() {
  trap - INT TERM HUP
  if ((child)); then
    kill -TERM -- "-$child" 2>/dev/null
    wait "$child" 2>/dev/null
  fi
  local file=''
  [[ -f $pending ]] && file=$(<"$pending")
  restore_file && [[ -n $file ]] && echo "interrupted; $file restored" >&2
  exit 130
}
trap on_signal INT TERM HUP
trap restore_file EXIT

if [[ -f $pending ]]; then
  file=$(<"$pending")
  restore_file || exit 2
  echo "restored $file, left mutated by a run that was killed"
fi

# Sets `reason` when the mutant cannot be applied.
apply_mutant() {
  local i=$1 path=$root/${files[$1]} content rest count
  reason=''
  if [[ ! -f $path ]]; then
    reason="${files[i]} is gone"
    return 1
  fi
  IFS= read -r -d '' content <"$path"
  rest=${content//"${froms[i]}"/}
  count=$(((${#content} - ${#rest}) / ${#froms[i]}))
  if ((count != 1)); then
    if ((count == 0)); then
      reason="the original text is no longer in ${files[i]}"
    else
      reason="the original text is in ${files[i]} $count times"
    fi
    return 1
  fi
  settle
  cp -- "$path" "$original" || return 2
  printf '%s\n' "${files[i]}" >"$pending" || return 2
  printf '%s' "${content/"${froms[i]}"/"${tos[i]}"}" >"$path" || return 2
}

# Runs a command in a process group of its own, its output appended to a log, so that an
# interrupt can end a build or a test run with all its children.
run_logged() {
  local log=$1
  shift
  setsid "$@" >>"$log" 2>&1 &
  child=$!
  wait "$child"
  local rc=$?
  child=0
  return "$rc"
}

build_tree() {
  run_logged "$1" cmake --build "$build" -j "$jobs"
}

# Compiles only the object of the mutated source, which is all --check needs; a header is built
# with everything that includes it.
compile_file() {
  local i=$1 log=$2
  if [[ ${files[i]} == *.cpp ]]; then
    run_logged "$log" ninja -C "$build" "$root/${files[i]}^"
  else
    build_tree "$log"
  fi
}

run_suite() {
  local log=$1
  shift
  run_logged "$log" ctest --test-dir "$build" -j "$jobs" --timeout "$timeout" \
    --output-on-failure "$@"
}

# Every test that failed, and whether one ran out of time. The whole list goes to the results:
# it shows which tests catch each fault, so a test whose faults others catch too can go.
failures() {
  local log=$1 failed
  failed=$(sed 's/^[0-9]*://' "$build/Testing/Temporary/LastTestsFailed.log" 2>/dev/null |
    paste -sd ' ')
  if grep -q -- '\*\*\*Timeout' "$log"; then
    printf 'timeout\t%s' "$failed"
  else
    printf 'failed\t%s' "$failed"
  fi
}

duration() {
  local s=$1
  if ((s >= 3600)); then
    printf '%dh%02dm' $((s / 3600)) $((s % 3600 / 60))
  elif ((s >= 60)); then
    printf '%dm%02ds' $((s / 60)) $((s % 60))
  else
    printf '%ds' "$s"
  fi
}

# ---------------------------------------------------------------------------------------------
# The run.

start_all=$SECONDS
commit=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)
branch=$(git rev-parse --abbrev-ref HEAD 2>/dev/null || echo unknown)
dirty=''
[[ -z $(git status --porcelain --untracked-files=no 2>/dev/null) ]] || dirty=' with uncommitted changes'
echo "mutants on $commit ($branch)$dirty; $(layer_counts)"
if [[ $mode == check ]]; then
  echo "check only: each mutant applies once and compiles"
else
  echo "per-test limit ${timeout}s, $jobs jobs, logs in $logs"
fi

baseline=$logs/baseline.log
: >"$baseline"
t0=$SECONDS
if ! run_logged "$baseline" cmake --preset linux -B "$build" || ! build_tree "$baseline"; then
  echo "the tree does not build without a mutant; see $baseline" >&2
  exit 2
fi
echo "baseline: built in $(duration $((SECONDS - t0)))"
if [[ $mode == run ]]; then
  t0=$SECONDS
  if ! run_suite "$baseline"; then
    echo "the suite fails without a mutant; see $baseline" >&2
    exit 2
  fi
  echo "baseline: the suite passes in $(duration $((SECONDS - t0)))"
fi

results=$state/results.txt
printf '# %s %s%s %s\n' "$(date '+%Y-%m-%d %H:%M')" "$commit" "$dirty" "$mode" >"$results"
killed=() survived=() inapplicable=() broken=()
n=0
for i in "${chosen[@]}"; do
  ((++n))
  id=${ids[i]}
  log=$logs/$id.log
  printf 'mutant %s in %s: %s\n' "$id" "${files[i]}" "${whats[i]}" >"$log"
  t0=$SECONDS
  detail=''
  apply_mutant "$i"
  rc=$?
  if ((rc == 2)); then
    echo "could not write ${files[i]}" >&2
    exit 2
  elif ((rc == 1)); then
    result='not applicable'
    detail=$reason
    inapplicable+=("$i")
  elif [[ $mode == check ]]; then
    if compile_file "$i" "$log"; then
      result='applies'
    else
      result='build error'
      broken+=("$i")
    fi
  elif ! build_tree "$log"; then
    result='build error'
    broken+=("$i")
  elif run_suite "$log"; then
    result='survived'
    survived+=("$i")
  else
    IFS=$'\t' read -r how detail < <(failures "$log")
    result=killed
    [[ $how == timeout ]] && result='killed (timeout)'
    killed+=("$i")
  fi
  restore_file || exit 2
  [[ $result == 'build error' ]] && detail="see $log"
  printf '[%3d/%d] %-34s %-16s %7s  %s\n' "$n" "${#chosen[@]}" "$id" "$result" \
    "$(duration $((SECONDS - t0)))" "$detail"
  printf '%s\t%s\t%s\t%s\n' "$id" "$result" "$((SECONDS - t0))" "$detail" >>"$results"
done

echo
list_of() {
  local i
  for i in "$@"; do printf '  %-34s %-38s %s\n' "${ids[i]}" "${files[i]}" "${whats[i]}"; done
}
if [[ $mode == run ]]; then
  applicable=$((${#killed[@]} + ${#survived[@]}))
  if ((applicable > 0)); then
    score=$(awk -v k="${#killed[@]}" -v a="$applicable" 'BEGIN { printf "%.1f", 100 * k / a }')
    echo "score: ${#killed[@]} killed of $applicable applicable ($score%)"
  else
    echo "score: no mutant applied"
  fi
  if ((${#survived[@]})); then
    echo "survived (${#survived[@]}):"
    list_of "${survived[@]}"
  fi
else
  echo "$((${#chosen[@]} - ${#inapplicable[@]} - ${#broken[@]})) of ${#chosen[@]} apply and compile"
fi
if ((${#inapplicable[@]})); then
  echo "not applicable (${#inapplicable[@]}; re-aim them in $data):"
  list_of "${inapplicable[@]}"
fi
if ((${#broken[@]})); then
  echo "build error (${#broken[@]}; a realistic mutant compiles: fix it in $data):"
  list_of "${broken[@]}"
fi
echo "wall time $(duration $((SECONDS - start_all))); results in $results"
((${#inapplicable[@]} + ${#broken[@]} == 0))
