#!/usr/bin/env bash
# The program's speed measured from outside, next to a trivial Qt window:
# start-up, memory, key-to-pixel time, CPU per keystroke and idle CPU, under
# Xvfb without a window manager. Prints a Markdown table. RUNS=n repeats
# each measurement (default 5) and takes the median; CLAVORA=path measures
# another build of the program (an older one, say) against the same tools.
# INSTRUCTIONS=1 counts instead, under Callgrind, the user-space instructions
# a keystroke costs: the same on every run, where CPU time on a shared
# machine varies by a fifth.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-5}
seed=7
# The learner is at lesson 3, whose letter exercise needs 300 right keys to
# be done: every measured key is one of the exercise, none falls on the
# message that ends it.
lesson_position=5 # the direct lesson choice: lesson 3, letter exercise
keys_slow=120     # 10 s at 12 keys/s
keys_fast=270     # 3 s at 90 keys/s

need=()
packages=(libx11-dev libxtst-dev libxdamage-dev xvfb python3)
[ "${INSTRUCTIONS:-0}" = 1 ] && packages+=(valgrind)
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
./scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build build/dev --target clavora clavora-driver clavora-e2e clavora-reference-window >/dev/null
bin=build/dev/bin
program=${CLAVORA:-$bin/clavora}

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
sleep 1

# A learner "anna" at lesson 3, kept in a user file every run starts from.
learner=$work/learner
mkdir -p "$learner"
printf 'focus ComboBox1\ntype anna\nkey #13\nset ScrollBar1 %s\nclose\n' "$lesson_position" |
  "$bin/clavora-driver" --dir "$learner" --seed "$seed" >/dev/null
fresh_home() {
  local home
  home=$(mktemp -d -p "$work")
  cp -r "$learner"/. "$home"
  echo "$home"
}

# The letters the letter exercise will ask for with this seed, read from the
# driver, which draws them as the program does.
expected_keys() {
  local count=$1 dir
  dir=$(fresh_home)
  python3 - "$bin/clavora-driver" "$dir" "$seed" "$count" <<'PY'
import json, subprocess, sys
driver, folder, seed, count = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
p = subprocess.Popen([driver, "--dir", folder, "--seed", seed], stdin=subprocess.PIPE,
                     stdout=subprocess.PIPE, text=True)
def run(command, answer=False):
    p.stdin.write(command + "\n"); p.stdin.flush()
    return json.loads(p.stdout.readline()) if answer else None
for c in ["focus ComboBox1", "type anna", "key #13", "click BitBtn2", "click BitBtn3", "key a"]:
    run(c)
for _ in range(count):
    shown = run("get Panel1", True)["caption"].replace("&&", "&")
    key = " " if shown == "Space" else shown
    print("space" if key == " " else key)
    run("key #32" if key == " " else "key " + key)
faults = run("get Label26", True)["caption"]
p.stdin.close(); p.wait()
if faults != "Faults: 0":
    sys.exit("the driver's replay made faults: " + faults)
PY
}

setup_clavora="t:anna k:Return w:800 k:alt+s w:800 k:alt+s w:800 t:a w:500"
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
value() { grep "^$1=" | cut -d= -f2; }

row() { # label clavora reference goal
  local ratio="-"
  if awk -v c="$2" -v r="$3" 'BEGIN {exit !(c > 0 && r > 0)}'; then
    ratio=$(awk -v c="$2" -v r="$3" 'BEGIN {printf "%.2fx", c / r}')
  fi
  printf '| %s | %s | %s | %s | %s |\n' "$1" "$2" "$3" "$ratio" "$4"
}
declare -A figure
measure_startup() { # name program...
  local name=$1; shift
  : > "$work/$name.startup"
  for _ in $(seq "$runs"); do
    home=$(mktemp -d -p "$work")
    CLAVORA_HOME=$home "$bin/clavora-e2e" startup -- "$@" >> "$work/$name.startup" 2>/dev/null
  done
  for k in map_ms paint_ms hwm_map_kib hwm_idle_kib; do
    figure[$name.$k]=$(value "$k" < "$work/$name.startup" | median)
  done
}
measure_session() { # name rate keysfile setup program...
  local name=$1 rate=$2 keys=$3 setup=$4; shift 4
  : > "$work/$name.$rate"
  for _ in $(seq "$runs"); do
    home=$(fresh_home)
    CLAVORA_SEED=$seed CLAVORA_HOME=$home "$bin/clavora-e2e" session --setup "$setup" \
      --keys "$keys" --rate "$rate" --idle 10 -- "$@" >> "$work/$name.$rate" 2>/dev/null
  done
  for k in first_median_ms first_p90_ms last_median_ms pixels_median second_redraws \
           cpu_per_key_us idle_cpu_percent keys_without_redraw; do
    figure[$name.$rate.$k]=$(value "$k" < "$work/$name.$rate" | median)
  done
}

expected_keys $keys_slow > "$work/slow.keys"
expected_keys $keys_fast > "$work/fast.keys"
# The reference shows each key as a big letter: two keys in turn change it.
printf 'a\ns\n%.0s' $(seq $((keys_slow / 2))) > "$work/ref_slow.keys"
printf 'a\ns\n%.0s' $(seq $((keys_fast / 2))) > "$work/ref_fast.keys"

# Two sessions of 40 and 100 keys at 6 keys/s (Callgrind runs the program
# some fifty times slower), the difference over the 60 keys between them.
instructions_per_key() { # setup keys program...
  local setup=$1 keys=$2 n home totals=()
  shift 2
  for n in 40 100; do
    head -n "$n" "$keys" > "$work/counted.keys"
    home=$(fresh_home)
    CLAVORA_SEED=$seed CLAVORA_HOME=$home "$bin/clavora-e2e" session --setup "$setup" \
      --keys "$work/counted.keys" --rate 6 --idle 0 -- \
      valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.$n" "$@" >/dev/null 2>&1
    totals+=("$(callgrind_annotate "$work/callgrind.$n" | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}')")
  done
  echo $(((totals[1] - totals[0]) / 60))
}
if [ "${INSTRUCTIONS:-0}" = 1 ]; then
  slow_setup="w:4000 t:anna k:Return w:4000 k:alt+s w:3000 k:alt+s w:3000 t:a w:3000"
  echo "| Figure (Callgrind) | Clavora | Reference | Ratio | Goal |"
  echo "|---|---|---|---|---|"
  row "user-space instructions per right key" \
    "$(instructions_per_key "$slow_setup" "$work/slow.keys" "$program")" \
    "$(instructions_per_key "w:4000" "$work/ref_slow.keys" "$bin/clavora-reference-window")" "-"
  exit 0
fi

measure_startup clavora "$program"
measure_startup reference "$bin/clavora-reference-window"
measure_session clavora 12 "$work/slow.keys" "$setup_clavora" "$program"
measure_session clavora 90 "$work/fast.keys" "$setup_clavora" "$program"
measure_session reference 12 "$work/ref_slow.keys" "w:300" "$bin/clavora-reference-window"
measure_session reference 90 "$work/ref_fast.keys" "w:300" "$bin/clavora-reference-window"
measure_session still 12 "$work/ref_slow.keys" "w:300" "$bin/clavora-reference-window" --still
measure_session still 90 "$work/ref_fast.keys" "w:300" "$bin/clavora-reference-window" --still

mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }

echo "| Figure (median of $runs runs) | Clavora | Reference | Ratio | Goal |"
echo "|---|---|---|---|---|"
row "start-up, exec to window mapped (ms)" "${figure[clavora.map_ms]}" "${figure[reference.map_ms]}" "≤ 40"
row "start-up, exec to first paint (ms)" "${figure[clavora.paint_ms]}" "${figure[reference.paint_ms]}" "-"
row "memory at map, VmHWM (MiB)" "$(mib "${figure[clavora.hwm_map_kib]}")" "$(mib "${figure[reference.hwm_map_kib]}")" "≤ 35"
row "memory after 3 s, VmHWM (MiB)" "$(mib "${figure[clavora.hwm_idle_kib]}")" "$(mib "${figure[reference.hwm_idle_kib]}")" "≤ 35"
row "CPU per keystroke at 90 keys/s (µs)" "${figure[clavora.90.cpu_per_key_us]}" "${figure[reference.90.cpu_per_key_us]}" "≤ 300"
row "CPU per keystroke at 12 keys/s (µs)" "${figure[clavora.12.cpu_per_key_us]}" "${figure[reference.12.cpu_per_key_us]}" "≤ 300"
row "key to first screen update, median (ms)" "${figure[clavora.12.first_median_ms]}" "${figure[reference.12.first_median_ms]}" "-"
row "key to first screen update, p90 (ms)" "${figure[clavora.12.first_p90_ms]}" "${figure[reference.12.first_p90_ms]}" "≤ 3"
row "key to last update of its burst, median (ms)" "${figure[clavora.12.last_median_ms]}" "${figure[reference.12.last_median_ms]}" "-"
row "pixels redrawn per right key, median" "${figure[clavora.12.pixels_median]}" "${figure[reference.12.pixels_median]}" "what changed"
row "keys with a second redraw (of $keys_slow)" "${figure[clavora.12.second_redraws]}" "${figure[reference.12.second_redraws]}" "0"
row "keys with no redraw at all (of $keys_slow)" "${figure[clavora.12.keys_without_redraw]}" "${figure[reference.12.keys_without_redraw]}" "0"
row "CPU per keystroke of a window that draws nothing, 90 keys/s (µs)" "-" "${figure[still.90.cpu_per_key_us]}" "-"
row "CPU per keystroke of a window that draws nothing, 12 keys/s (µs)" "-" "${figure[still.12.cpu_per_key_us]}" "-"
row "idle CPU in a running exercise (%)" "${figure[clavora.12.idle_cpu_percent]}" "${figure[reference.12.idle_cpu_percent]}" "≤ 0.05"
