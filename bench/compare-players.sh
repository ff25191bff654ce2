#!/usr/bin/env bash
# The whole player against mpv on the same minute of MP3: CPU time (user+sys)
# and peak memory of each, playing the file to its end.
#
# The player runs under Xvfb with the silent output and is driven like a user:
# a click on the Local button, the file's path typed into the file dialog,
# Enter. Its process is read from /proc from the moment the file starts (the
# window title changes) until it has played the file through (the title moves
# on to the one other file in the folder). mpv runs under /usr/bin/time -v.
#
#   bench/compare-players.sh [RUNS]        (default 3; RUNS of each player)
#
# Environment: MEASURE_BUILD (default build/measure), IDLE_SECONDS (default 10),
# KEEP_WORK=1 keeps the scratch folder with its screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-3}
build=${MEASURE_BUILD:-build/measure}
idle_seconds=${IDLE_SECONDS:-10}
track_seconds=60
ticks_per_second=$(getconf CLK_TCK)

# Measurement tools, not the project's own dependencies.
missing=()
command -v mpv > /dev/null || missing+=(mpv)
command -v xdotool > /dev/null || missing+=(xdotool)
command -v Xvfb > /dev/null || missing+=(xvfb)
command -v xwd > /dev/null || missing+=(x11-apps)
[ -x /usr/bin/time ] || missing+=(time)
[ -x /usr/bin/convert ] || missing+=(imagemagick)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing ${missing[*]} ..."
    sudo_prefix=()
    [ "$(id -u)" -eq 0 ] || sudo_prefix=(sudo)
    "${sudo_prefix[@]}" apt-get install -y --no-install-recommends "${missing[@]}" > /dev/null
fi

player=$build/app/melovia
maker=$build/bench/make-minute-mp3
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
fi
if ! cmake --build "$build" -j2 --target melovia make-minute-mp3 > "$build/compare-players-build.log" 2>&1; then
    # Someone's half-done change must not stop a measurement of the last good build.
    if [ ! -x "$player" ] || [ ! -x "$maker" ]; then cat "$build/compare-players-build.log"; exit 1; fi
    echo "Build failed (see $build/compare-players-build.log); measuring the binaries already built."
fi

player=$(realpath "$player")
work=$(mktemp -d /tmp/melovia-compare.XXXXXX)
started=()  # every process this script starts and has not stopped yet
stop_started() {
    local pid
    for pid in "${started[@]}"; do kill -TERM "$pid" 2> /dev/null || true; done
    for pid in "${started[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2> /dev/null || true
        wait "$pid" 2> /dev/null || true
    done
    started=()
}
cleanup() {
    stop_started
    if [ "${KEEP_WORK:-0}" = 1 ]; then echo "Scratch folder kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The folder holds the minute and one short file: when the minute ends the
# player moves on to the other row, whichever order the folder lists them in.
mkdir -p "$work/music" "$work/tmp"
track=$work/music/minute.mp3
"$maker" "$track" "$track_seconds"
"$maker" "$work/music/next.mp3" 3

now() { date +%s.%N; }
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }  # utime + stime
peak_kb() { awk '/^VmHWM:/ {print $2}' "/proc/$1/status"; }
seconds_of() { awk -v t="$1" -v hz="$ticks_per_second" 'BEGIN {printf "%.2f", t / hz}'; }
screenshot() { xwd -root -display "$DISPLAY" 2> /dev/null | /usr/bin/convert xwd:- "$work/$1.png" 2> /dev/null || true; }
fail() {
    screenshot failure
    echo "$1 (screenshot: $work/failure.png)" >&2
    KEEP_WORK=1
    exit 1
}
# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local deadline
    deadline=$(awk -v n="$(now)" -v s="$1" 'BEGIN {printf "%.3f", n + s}')
    shift
    until "$@"; do
        awk -v n="$(now)" -v d="$deadline" 'BEGIN {exit !(n > d)}' && return 1
        sleep 0.05
    done
}

free_display() {
    local d
    for d in $(seq 90 199); do
        if [ ! -e "/tmp/.X11-unix/X$d" ] && [ ! -e "/tmp/.X$d-lock" ]; then echo "$d"; return; fi
    done
    return 1
}

# One run of the player, into idle click_cpu start_cpu end_cpu peak played xvfb_cpu
# (CPU in clock ticks). It runs in this shell so the trap sees what it starts.
measure_player() {
    local display xvfb pid x y t_start t_end
    display=$(free_display) || fail "No free X display."
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
    xvfb=$!
    started+=("$xvfb")
    export DISPLAY=":$display"
    wait_for 10 xdotool getdisplaygeometry > /dev/null 2>&1 || fail "Xvfb did not start."

    (cd "$work" && TMPDIR=$work/tmp MELOVIA_AUDIO_OUTPUT=silent exec "$player") \
        > "$work/player.log" 2>&1 &
    pid=$!
    started+=("$pid")
    main_window() { window=$(xdotool search --onlyvisible --pid "$pid" --name '^Melovia$' 2> /dev/null | head -1) && [ -n "$window" ]; }
    wait_for 20 main_window || fail "The player's window did not appear."
    eval "$(xdotool getwindowgeometry --shell "$window")"
    x=$X y=$Y

    # Idle: started up and shown, nothing playing.
    sleep 2
    local idle_from
    idle_from=$(cpu_ticks "$pid")
    sleep "$idle_seconds"
    click_cpu=$(cpu_ticks "$pid")
    idle=$((click_cpu - idle_from))
    screenshot idle

    # LocalButton is 50 x 20 at (273, 8) on the header page, which sits 4 px
    # down in the client area; aim at its middle.
    xdotool mousemove $((x + 273 + 25)) $((y + 4 + 8 + 10)) click 1
    # The dialog: another visible window of the player, not the screen-sized one.
    open_dialog() {
        local w
        for w in $(xdotool search --onlyvisible --pid "$pid" --name '' 2> /dev/null); do
            [ "$w" != "$window" ] || continue
            [ "$(xdotool getwindowgeometry "$w" | awk '/Geometry/ {print $2}')" != 1024x768 ] || continue
            dialog=$w
            return 0
        done
        return 1
    }
    wait_for 10 open_dialog || fail "The file dialog did not open."
    screenshot dialog
    xdotool windowfocus --sync "$dialog" 2> /dev/null || true
    xdotool type --delay 2 "$track"
    xdotool key Return

    title_is() { title=$(xdotool getwindowname "$window" 2> /dev/null) && [[ $title == $1* ]]; }
    wait_for 10 title_is minute.mp3 || fail "The player did not start the file (title: $title)."
    t_start=$(now)
    start_cpu=$(cpu_ticks "$pid")
    screenshot playing
    local xvfb_from
    xvfb_from=$(cpu_ticks "$xvfb")

    wait_for $((track_seconds + 20)) title_is next.mp3 || fail "The minute did not end (title: $title)."
    t_end=$(now)
    end_cpu=$(cpu_ticks "$pid")
    peak=$(peak_kb "$pid")
    xvfb_cpu=$(($(cpu_ticks "$xvfb") - xvfb_from))
    played=$(awk -v a="$t_start" -v b="$t_end" 'BEGIN {printf "%.2f", b - a}')
    stop_started
}

# One run of mpv, into mpv_cpu (seconds) mpv_peak (kB) mpv_elapsed (seconds).
measure_mpv() {
    /usr/bin/time -v -o "$work/mpv-time.txt" mpv --no-config --no-video --ao=null --really-quiet "$track" \
        > "$work/mpv.log" 2>&1 || fail "mpv failed (see $work/mpv.log)."
    awk -F': ' '
        /User time/ {u = $2} /System time/ {s = $2} /Maximum resident/ {m = $2}
        /Elapsed/ {n = split($2, p, ":"); e = 0; for (i = 1; i <= n; i++) e = e * 60 + p[i]}
        END {printf "%.2f %d %.2f\n", u + s, m, e}' "$work/mpv-time.txt" > "$work/mpv-figures.txt"
    read -r mpv_cpu mpv_peak mpv_elapsed < "$work/mpv-figures.txt"
}

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

printf '%-4s | %-48s | %s\n' run "player: idle/${idle_seconds}s total since-click playing peak  played" \
    "mpv: cpu peak elapsed"
: > "$work/results.txt"
for run in $(seq "$runs"); do
    measure_player
    measure_mpv
    total=$(seconds_of "$end_cpu")
    since_click=$(seconds_of $((end_cpu - click_cpu)))
    playing=$(seconds_of $((end_cpu - start_cpu)))
    printf '%-4s | %5ss %6ss %6ss %6ss %6d kB %6ss | %5ss %6d kB %6ss  (Xvfb %ss)\n' "$run" \
        "$(seconds_of "$idle")" "$total" "$since_click" "$playing" "$peak" "$played" \
        "$mpv_cpu" "$mpv_peak" "$mpv_elapsed" "$(seconds_of "$xvfb_cpu")"
    echo "$(seconds_of "$idle") $total $since_click $playing $peak $played $mpv_cpu $mpv_peak" >> "$work/results.txt"
done

column_median() { awk -v c="$1" '{print $c}' "$work/results.txt" | median; }
idle_m=$(column_median 1) total_m=$(column_median 2) click_m=$(column_median 3) playing_m=$(column_median 4)
peak_m=$(column_median 5) mpv_cpu_m=$(column_median 7) mpv_peak_m=$(column_median 8)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.1f", a / b; else print "n/a"}'; }
echo
echo "Medians of $runs runs (${track_seconds} s MP3 played to its end):"
echo "  player CPU: ${total_m} s in all, ${click_m} s from the click on (start-up and idle taken off)," \
    "${playing_m} s while the file played; idle ${idle_m} s per ${idle_seconds} s"
echo "  player peak memory (VmHWM): ${peak_m} kB"
echo "  mpv CPU: ${mpv_cpu_m} s, peak memory (max RSS): ${mpv_peak_m} kB"
echo "  player/mpv CPU: $(ratio "$click_m" "$mpv_cpu_m") (from the click), $(ratio "$total_m" "$mpv_cpu_m") (in all);" \
    "memory: $(ratio "$peak_m" "$mpv_peak_m")"
