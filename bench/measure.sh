#!/usr/bin/env bash
# Measures Quimbo beside a bare Qt window under its own Xvfb and prints the results as Markdown.
#
# Usage: bench/measure.sh <build-dir>     (RUNS=n sets the runs per program, 5 by default)
#
# For each program, run by run and side by side: the time from launch to its first window on
# screen, its peak memory once settled, and its CPU time and wake-ups over a stretch of idling.
# For the game alone: how late its timers fire while a few rounds are played, and the computer-move
# benchmark, and the CPU the game uses while the computer's reply to a move is pending (its timer
# armed, nothing else to do). Needs bash 5, Xvfb, xev, xdotool and ImageMagick's import; gives the
# programs a session bus of their own when dbus-daemon is installed.
set -euo pipefail
export LC_ALL=C

build_dir="${1:?usage: $0 <build-dir>}"
runs="${RUNS:-5}"
settle_seconds="${SETTLE_SECONDS:-4}"     # the splash's three seconds and a margin
idle_seconds="${IDLE_SECONDS:-10}"
play_steps="${PLAY_STEPS:-12}"            # timer expiries to collect while playing
play_budget_seconds="${PLAY_BUDGET_SECONDS:-150}"

bare="$build_dir/bench/quimbo_bare_window"
game="$build_dir/quimbo"
move_bench="$build_dir/bench/quimbo_computer_move_bench"
main_caption="Quimbo v1.0"

work="$(mktemp -d)"
started_pids=()   # every process this script started, stopped again on the way out

cleanup() {
  local status=$? i
  for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
    kill "${started_pids[i]}" 2>/dev/null || true
  done
  for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
    wait "${started_pids[i]}" 2>/dev/null || true
  done
  if [[ $status -ne 0 && -n "${KEEP_LOGS:-}" ]]; then
    echo "logs kept in $work" >&2
  else
    rm -rf "$work"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

die() {
  echo "measure.sh: $*" >&2
  exit 1
}
note() { echo "measure.sh: $*" >&2; }

forget_pid() {
  local pid="$1" i
  for i in "${!started_pids[@]}"; do
    [[ ${started_pids[i]} == "$pid" ]] && unset 'started_pids[i]'
  done
  started_pids=("${started_pids[@]}")
}

# Microseconds since the epoch, without a fork.
now_us() { echo "${EPOCHREALTIME/./}"; }

# The median of numbers read one a line, whole or to one decimal.
median() {
  sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) exit 1
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf (m == int(m)) ? "%d\n" : "%.1f\n", m
  }'
}

# quimbo / bare, or a dash when the floor is zero.
ratio() { awk -v q="$2" -v b="$1" 'BEGIN { if (b == 0) print "–"; else printf "%.2f\n", q / b }'; }

# --- the X server and the map watcher ----------------------------------------------------------

start_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  started_pids+=($!)
  local _
  for _ in $(seq 200); do [[ -s $work/display ]] && break; sleep 0.05; done
  [[ -s $work/display ]] || die "Xvfb did not start"
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY
  unset QT_QPA_PLATFORM
}

# A session bus of our own, as a desktop has: without one, every Qt program here would start
# dbus-launch (and a bus that outlives it) the first time it looks for one.
start_session_bus() {
  if ! command -v dbus-daemon >/dev/null; then
    session_bus="none"
    return 0
  fi
  dbus-daemon --session --nofork --nopidfile --print-address=5 5>"$work/bus" 2>"$work/bus.log" &
  started_pids+=($!)
  local _
  for _ in $(seq 100); do [[ -s $work/bus ]] && break; sleep 0.05; done
  [[ -s $work/bus ]] || die "the session bus did not start"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
  export DBUS_SESSION_BUS_ADDRESS
  session_bus="a private session bus"
}

# Reads xev's report and writes "<µs since epoch> <window>" for every top-level window mapped,
# stamped the moment the event arrives.
stamp_map_events() {
  local line stamp="" window
  while IFS= read -r line; do
    case $line in
      MapNotify*) stamp=${EPOCHREALTIME/./} ;;
      *" window "*)
        if [[ -n $stamp ]]; then
          window=${line#*, window }
          echo "$stamp ${window%%,*}"
          stamp=""
        fi
        ;;
    esac
  done
}

# xev on the root window sees every top-level window being mapped; its stamped events come to
# this script through a pipe on descriptor 4, where waiting for one blocks instead of polling.
# A throwaway window of its own, shown until one is seen, proves the watcher is listening before
# anything is measured.
start_map_watcher() {
  mkfifo "$work/xev.fifo" "$work/maps.fifo"
  exec 4<>"$work/maps.fifo"
  stdbuf -oL xev -root -event substructure >"$work/xev.fifo" 2>"$work/xev.log" &
  started_pids+=($!)
  stamp_map_events <"$work/xev.fifo" >"$work/maps.fifo" &
  started_pids+=($!)
  local probe _ heard=no
  for _ in 1 2 3 4 5; do
    xev -geometry 8x8+0+0 -name quimbo-measure-probe >/dev/null 2>&1 &
    probe=$!
    started_pids+=("$probe")
    next_map 2 >/dev/null && heard=yes
    kill "$probe" 2>/dev/null || true
    wait "$probe" 2>/dev/null || true
    forget_pid "$probe"
    [[ $heard == yes ]] && return 0
  done
  die "the map watcher saw no window being mapped"
}

# The next window mapped, "<µs since epoch> <window>", waiting at most the seconds given.
next_map() {
  local line
  IFS= read -r -t "$1" -u 4 line || return 1
  echo "$line"
}

# Forgets the windows mapped so far.
drain_maps() {
  local _
  while IFS= read -r -t 0.05 -u 4 _; do :; done
  return 0
}

# --- one program at a time ----------------------------------------------------------------------

# Starts a program with the clock read right before; sets launched_pid and launched_at_us.
launch() {
  local program="$1" log="$2"
  drain_maps
  launched_at_us=${EPOCHREALTIME/./}
  "$program" >"$log" 2>&1 &
  launched_pid=$!
  started_pids+=("$launched_pid")
}

# Stops a program and gives the X server and the kernel a moment to tear it down, so that the next
# launch does not pay for it.
stop_program() {
  local pid="$1"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  forget_pid "$pid"
  sleep 1
}

# CPU time of all the threads of a process so far, in milliseconds, by the scheduler's clock.
cpu_ms_so_far() {
  local task ns total=0
  for task in /proc/"$1"/task/*; do
    read -r ns _ 2>/dev/null <"$task/schedstat" || continue
    total=$((total + ns))
  done
  awk -v ns="$total" 'BEGIN { printf "%.1f\n", ns / 1e6 }'
}

# "<ms> <CPU ms>": the time from launch to the program's first top-level window being mapped, and
# the CPU time the program had used by then (read the moment the map is seen).
time_to_first_map_ms() {
  local line cpu
  line=$(next_map 20) || return 1
  cpu=$(cpu_ms_so_far "$launched_pid")
  awk -v mapped="${line%% *}" -v launched="$launched_at_us" -v cpu="$cpu" \
    'BEGIN { printf "%.1f %s\n", (mapped - launched) / 1000, cpu }'
}

sleep_until_settled() {
  local left_us=$((launched_at_us + settle_seconds * 1000000 - $(now_us)))
  ((left_us > 0)) && sleep "$(awk -v us="$left_us" 'BEGIN { printf "%.3f", us / 1e6 }')"
  return 0
}

# VmHWM, the resident set's high-water mark, in MiB.
peak_memory_mib() {
  awk '/^VmHWM:/ { printf "%.1f\n", $2 / 1024; found = 1 } END { exit !found }' "/proc/$1/status"
}

# utime + stime of the whole process (all its threads), in clock ticks.
cpu_ticks() {
  local stat fields
  stat=$(<"/proc/$1/stat")
  # The fields after the name in parentheses, from the state (field 3) on: utime is field 14.
  read -r -a fields <<<"${stat##*) }"
  echo $((fields[11] + fields[12]))
}

# Per thread: "<tid> <name> <context switches> <ns on the CPU>", one line each; the main thread
# goes by one name for both programs.
thread_counters() {
  local task name switches ns
  for task in /proc/"$1"/task/*; do
    # A thread may end while it is being read: it is then left out.
    name=$(tr ' ' '_' 2>/dev/null <"$task/comm") || continue
    switches=$(awk '/ctxt_switches/ { n += $2 } END { print n + 0 }' "$task/status" 2>/dev/null) || continue
    read -r ns _ 2>/dev/null <"$task/schedstat" || continue
    [[ ${task##*/} == "$1" ]] && name="(main_thread)"
    echo "${task##*/} $name $switches $ns"
  done
}

# Idles for idle_seconds and writes "<ticks> <µs on the CPU> <wake-ups>" to stdout and the
# wake-ups of each thread, "<name> <count>", to the file given.
measure_idle() {
  local pid="$1" by_thread="$2" ticks_before ticks_after before after
  before="$work/threads.before"
  after="$work/threads.after"
  ticks_before=$(cpu_ticks "$pid")
  thread_counters "$pid" >"$before"
  sleep "$idle_seconds"
  ticks_after=$(cpu_ticks "$pid")
  thread_counters "$pid" >"$after"
  kill -0 "$pid" 2>/dev/null || return 1
  # Threads that came and went in between are not seen; a thread that is new counts from zero.
  awk 'NR == FNR { s[$1] = $3; c[$1] = $4; next }
       { ds = $3 - s[$1]; dc = $4 - c[$1]; by[$2] += ds; switches += ds; cpu += dc }
       END { for (n in by) print n, by[n] > "/dev/stderr"; printf "%.0f %d\n", cpu / 1000, switches }' \
    "$before" "$after" 2>"$by_thread" |
    { read -r cpu_us switches; echo "$((ticks_after - ticks_before)) $cpu_us $switches"; }
}

game_main_window() { xdotool search --onlyvisible --name "$main_caption" 2>/dev/null | head -n 1; }

# The game has settled once its main window is up and the splash has gone.
check_game_settled() {
  local pid="$1" _ visible
  for _ in $(seq 40); do
    visible=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)
    [[ -n $(game_main_window) && $visible -eq 1 ]] && return 0
    sleep 0.05
  done
  die "the game had not replaced its splash by its main window after ${settle_seconds} s"
}

# One run of one program: appends "<start-up ms> <start-up CPU ms> <peak MiB> <idle ticks>
# <idle CPU µs> <idle wake-ups>" to the program's results and its threads' wake-ups to its thread file.
measure_run() {
  local name="$1" program="$2" run="$3" startup peak idle
  launch "$program" "$work/$name.$run.log"
  startup=$(time_to_first_map_ms) || die "$name never mapped a window (run $run)"
  sleep_until_settled
  kill -0 "$launched_pid" 2>/dev/null || die "$name ended by itself (run $run)"
  [[ $name == quimbo ]] && check_game_settled "$launched_pid"
  peak=$(peak_memory_mib "$launched_pid") || die "no VmHWM for $name (run $run)"
  idle=$(measure_idle "$launched_pid" "$work/$name.$run.threads") || die "$name ended while idling (run $run)"
  sed "s/^/$run /" "$work/$name.$run.threads" >>"$work/$name.threads"
  stop_program "$launched_pid"
  echo "$startup $peak $idle" >>"$work/$name.results"
  note "$name run $run: first map after ms/CPU ms ${startup}, VmHWM ${peak} MiB, idle ticks/µs/wake-ups ${idle}"
}

# A launch left out of the results, so that the first measured run does not pay for loading the
# libraries from disk.
warm_up() {
  local name="$1" program="$2"
  launch "$program" "$work/$name.warm-up.log"
  time_to_first_map_ms >/dev/null || die "$name never mapped a window (warm-up)"
  stop_program "$launched_pid"
}

# The median of one column of a program's results.
result_median() { awk -v c="$2" '{ print $c }' "$work/$1.results" | median; }

# --- playing the game ---------------------------------------------------------------------------

timing_lines() { grep -c 'quimbo-timing: fired' "$work/play.log" || true; }

wait_for_timing_lines() {
  local wanted="$1" timeout_ms="$2" deadline
  deadline=$(($(now_us) + timeout_ms * 1000))
  while (($(now_us) < deadline)); do
    (($(timing_lines) >= wanted)) && return 0
    sleep 0.05
  done
  return 1
}

# A checksum of what one cell of the board shows.
cell_picture() {
  local window="$1" x="$2" y="$3"
  import -window "$window" -crop "49x47+$x+$y" +repage rgb:- 2>/dev/null | md5sum
}

# The announcement panels: any visible window of the game other than its main window.
announcement_window() {
  local main="$1" window
  for window in $(xdotool search --onlyvisible --pid "$2" 2>/dev/null); do
    [[ $window != "$main" ]] && { echo "$window"; return 0; }
  done
  return 1
}

acknowledge_announcement() {
  local panel="$1"
  eval "$(xdotool getwindowgeometry --shell "$panel")"
  xdotool mousemove --window "$panel" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
  note "play: acknowledged a ${WIDTH}x${HEIGHT} announcement"
  # The next round is prepared a second later.
  wait_for_timing_lines $(($(timing_lines) + 1)) 1600 || true
  sleep 0.1
}

# Clicks a cell; when the click took (the cell changed), waits for the answer a second later,
# adding the game's CPU time and the time waited to $work/pending ("<CPU ms> <wall ms>" a line).
# Returns non-zero when the click was ignored.
play_cell() {
  local main="$1" pid="$2" x="$3" y="$4" before after lines cpu_from from_us
  lines=$(timing_lines)
  before=$(cell_picture "$main" "$x" "$y")
  xdotool mousemove --window "$main" $((x + 24)) $((y + 23)) click 1
  sleep 0.1
  after=$(cell_picture "$main" "$x" "$y")
  [[ $before != "$after" ]] || return 1
  cpu_from=$(cpu_ms_so_far "$pid")
  from_us=$(now_us)
  wait_for_timing_lines $((lines + 1)) 1600 || true
  awk -v from="$cpu_from" -v to="$(cpu_ms_so_far "$pid")" -v us=$(($(now_us) - from_us)) \
    'BEGIN { printf "%.1f %.1f\n", to - from, us / 1000 }' >>"$work/pending"
  sleep 0.15
  return 0
}

# Plays rounds against the computer with the timing log on, until play_steps timers have fired.
play_game() {
  local main menu cell x y took panel deadline
  QUIMBO_TIMING_LOG=1 "$game" >"$work/play.log" 2>&1 &
  local pid=$!
  started_pids+=("$pid")
  sleep "$settle_seconds"
  check_game_settled "$pid"
  main=$(game_main_window)
  eval "$(xdotool getwindowgeometry --shell "$main")"
  menu=$((HEIGHT - 293))
  local lines_before_play
  lines_before_play=$(timing_lines)
  xdotool mousemove --window "$main" 113 $((menu + 112)) click 1
  deadline=$(($(now_us) + play_budget_seconds * 1000000))
  while (($(timing_lines) - lines_before_play < play_steps)); do
    (($(now_us) < deadline)) || die "only $(($(timing_lines) - lines_before_play)) timers fired in ${play_budget_seconds} s of play"
    kill -0 "$pid" 2>/dev/null || die "the game ended while being played"
    took=0
    for cell in 1 2 3 4 5 6 7 8 9; do
      if panel=$(announcement_window "$main" "$pid"); then
        acknowledge_announcement "$panel"
        took=1
        break
      fi
      x=$((24 + 64 * ((cell - 1) % 3)))
      y=$((menu + 24 + 64 * ((cell - 1) / 3)))
      if play_cell "$main" "$pid" "$x" "$y"; then
        note "play: cell $cell taken, $(($(timing_lines) - lines_before_play)) timers fired"
        took=1
        break
      fi
    done
    # Nothing took: the board is locked for a pending step, or a new match waits for "Jugar".
    if ((took == 0)); then
      note "play: no cell free, pressing Jugar"
      xdotool mousemove --window "$main" 113 $((menu + 112)) click 1
      sleep 0.3
    fi
  done
  stop_program "$pid"
  grep 'quimbo-timing: fired' "$work/play.log" | tail -n +"$((lines_before_play + 1))" |
    sed -E 's/.*fired (-?[0-9]+) ms.*/\1/' >"$work/lateness"
  [[ -s $work/lateness ]] || die "the timing log had no readable line"
}

# --- the report ---------------------------------------------------------------------------------

machine_line() {
  local cpu cores memory qt
  cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
  cores=$(nproc)
  memory=$(awk '/^MemTotal:/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
  qt=$(qtpaths6 --qt-version 2>/dev/null || dpkg-query -W -f '${Version}' libqt6core6 2>/dev/null || echo unknown)
  echo "${cpu:-unknown CPU}, ${cores} cores, ${memory} RAM, Linux $(uname -r), Qt ${qt}; $(date '+%Y-%m-%d %H:%M %Z')"
}

table_row() {
  local label="$1" column="$2" b q
  b=$(result_median bare "$column")
  q=$(result_median quimbo "$column")
  echo "| $label | $b | $q | $(ratio "$b" "$q") |"
}

lateness_row() {
  local min med max verdict
  min=$(sort -g "$work/lateness" | head -n 1)
  max=$(sort -g "$work/lateness" | tail -n 1)
  med=$(median <"$work/lateness")
  if ((min >= 0 && max <= 20)); then verdict="all within 0..20 ms"; else verdict="**outside 0..20 ms**"; fi
  echo "| timer lateness in play, min / median / max of $(wc -l <"$work/lateness") (ms) | – | $min / $med / $max | $verdict |"
}

# The game's CPU while the computer's replies were pending, in per cent of one core, beside the
# bare window's CPU while idle.
pending_row() {
  local idle_us pending
  idle_us=$(result_median bare 5)
  pending=$(awk '{ cpu += $1; wall += $2 } END { if (wall > 0) printf "%.2f", 100 * cpu / wall }' "$work/pending")
  echo "| CPU while a reply is pending, over $(wc -l <"$work/pending") replies (% of one core) | $(awk -v us="$idle_us" -v s="$idle_seconds" 'BEGIN { printf "%.2f", us / (s * 10000) }') (idle) | $pending | aim: under 2 % |"
}

# The median wake-ups of each thread over the runs, as "<name> <bare> <quimbo>".
thread_wakeup_rows() {
  local name
  for name in bare quimbo; do
    awk -v p="$name" '{ sum[$1 " " $2] += $3 } END { for (k in sum) { split(k, a, " "); print p, a[2], sum[k] } }' "$work/$name.threads"
  done | awk -v runs="$runs" '
    { seen[$2] = 1; v[$1, $2, ++n[$1, $2]] = $3 }
    function med(p, t,    k, i, j, tmp, m) {
      m = n[p, t] + 0
      for (i = m + 1; i <= runs; i++) v[p, t, i] = 0   # a run without that thread woke it 0 times
      if (m < runs) m = runs
      for (i = 1; i <= m; i++) tmp[i] = v[p, t, i]
      for (i = 2; i <= m; i++) for (j = i; j > 1 && tmp[j - 1] > tmp[j]; j--) { k = tmp[j]; tmp[j] = tmp[j - 1]; tmp[j - 1] = k }
      return (m % 2) ? tmp[(m + 1) / 2] : (tmp[m / 2] + tmp[m / 2 + 1]) / 2
    }
    END { for (t in seen) printf "| %s | %s | %s |\n", t, (("bare", t) in n) ? med("bare", t) : "–", (("quimbo", t) in n) ? med("quimbo", t) : "–" }' |
    sort
}

benchmark_rows() {
  "$move_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '$1 ~ /_median$/ { name = $1; sub(/_median$/, "", name); printf "| %s | %s %s | %s %s |\n", name, $2, $3, $4, $5; found = 1 }
         END { exit !found }'
}

print_report() {
  local ticks_ms
  ticks_ms=$((1000 / $(getconf CLK_TCK)))
  echo "### Quimbo beside a bare Qt window"
  echo
  echo "$(machine_line). Xvfb with ${session_bus}; runs of each program: $runs, medians; idle over ${idle_seconds} s once settled (${settle_seconds} s after launch)."
  echo
  echo "| measure | bare window | quimbo | quimbo / bare |"
  echo "| --- | ---: | ---: | ---: |"
  table_row "start-up, launch to first window mapped (ms)" 1
  table_row "CPU used by then, all threads (ms)" 2
  table_row "peak memory, VmHWM once settled (MiB)" 3
  table_row "CPU while idle, utime+stime (ticks of ${ticks_ms} ms)" 4
  table_row "CPU while idle, scheduler clock (µs)" 5
  table_row "wake-ups while idle, context switches of all threads" 6
  lateness_row
  pending_row
  echo
  echo "Wake-ups while idle by thread (median over the runs):"
  echo
  echo "| thread | bare window | quimbo |"
  echo "| --- | ---: | ---: |"
  thread_wakeup_rows
  echo
  echo "Computer move (Google Benchmark, median of 3 repetitions):"
  echo
  echo "| position | time | CPU |"
  echo "| --- | ---: | ---: |"
  echo "$benchmark_table"
}

# --- the run ------------------------------------------------------------------------------------

main() {
  local program run
  for program in "$bare" "$game" "$move_bench"; do
    [[ -x $program ]] || die "$program is missing: build $build_dir first"
  done
  [[ $runs =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive whole number"
  for program in Xvfb xev xdotool import stdbuf; do
    command -v "$program" >/dev/null || die "$program is not installed"
  done

  start_display
  start_session_bus
  start_map_watcher
  warm_up bare "$bare"
  warm_up quimbo "$game"
  for ((run = 1; run <= runs; run++)); do
    measure_run bare "$bare" "$run"
    measure_run quimbo "$game" "$run"
  done
  play_game
  note "lateness of play timers (ms): $(tr '\n' ' ' <"$work/lateness")"
  benchmark_table=$(benchmark_rows) || die "the computer-move benchmark printed no median"
  print_report
}

main
