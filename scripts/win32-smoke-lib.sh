# shellcheck shell=bash
# Helpers of the Wine scripts (win32-smoke, win32-e2e, win32-run): tools, the virtual screen and
# Wine prefix, the probe, checks. Sourced, not run; the script sets root (the source tree), shots
# (the screenshot folder) and app (the program's folder) before it calls them.
# shellcheck disable=SC2154

passed=0
failed=0
work=""
xvfb_pid=""
program_pid=""
dpi=96
desktop_size=1024x768

ensure_tools() {
    "$root/scripts/install-deps" windows >/dev/null
}

# Everything the run started ends with it, also when it is interrupted: the programs of its Wine
# prefix and their server, the script's own background jobs, the virtual screen, the work folder.
cleanup() {
    local status=$? job
    trap - EXIT INT TERM HUP
    if [[ -n $work && -d $work/prefix ]]; then
        WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
        WINEPREFIX=$work/prefix timeout 30 wineserver -w 2>/dev/null || true
    fi
    for job in $(jobs -p) $program_pid; do
        kill "$job" 2>/dev/null || true
    done
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [[ -n $work ]]; then
        rm -rf "$work"
    fi
    exit "$status"
}

step_failed() {
    echo "$0: \"$1\" failed (line $2)" >&2
    if [[ -s $work/wine.log ]]; then
        tail -n 20 "$work/wine.log" >&2
    fi
}

# A virtual screen of 1024 x 768 pixels or the size given (xvfb_pid; DISPLAY names it), started
# only once it takes clients: the X server picks a free display itself and writes its number into
# FILE when ready. Anything started on it before then fails ("no driver could be loaded").
start_virtual_screen() {
    local file=$1 screen=${2:-1024x768} tries=300 display
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$file" >/dev/null 2>&1 &
    xvfb_pid=$!
    until [[ -s $file ]]; do
        if ! kill -0 "$xvfb_pid" 2>/dev/null || ((--tries == 0)); then
            echo "the virtual screen did not start" >&2
            return 1
        fi
        sleep 0.1
    done
    display=$(tr -d '[:space:]' <"$file")
    export DISPLAY=":$display"
}

# A fresh virtual screen (1024 x 768, or the size given) and Wine prefix, both gone when the
# script ends.
start_desktop() {
    local screen=${1:-1024x768}
    work=$(mktemp -d /tmp/velmora-smoke.XXXXXX)
    trap cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM HUP
    # A step of the script itself that fails ends the run; say which one.
    set -o errtrace
    trap 'step_failed "$BASH_COMMAND" "$LINENO"' ERR
    start_virtual_screen "$work/display" "$screen"
    export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    echo "== new Wine prefix on display $DISPLAY"
    wineboot -i >"$work/wineboot.log" 2>&1 || { tail -n 20 "$work/wineboot.log" >&2 && return 1; }
    wineserver -w
    # Every program of the prefix runs in one virtual desktop, which draws the window frames (there
    # is no window manager) and lets the probe see the program's windows.
    reg_add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
    reg_add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768
    wineserver -w
}

# A value in the prefix's registry. Starting a Wine program just after the server has ended now and
# then fails at once ("ShellExecuteEx failed"): then once more after a moment.
reg_add() {
    wine reg add "$@" /f >>"$work/wine.log" 2>&1 || { sleep 1 && wine reg add "$@" /f >>"$work/wine.log" 2>&1; }
}

# The screen density of the programs started from now on (Wine reads LogPixels when a program
# starts), with a virtual desktop as much larger as a screen of that density is: 1024 x 768 at
# 96 DPI, 1536 x 1152 at 144.
use_dpi() {
    dpi=$1
    desktop_size="$((1024 * dpi / 96))x$((768 * dpi / 96))"
    reg_add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
    reg_add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop_size"
    wineserver -w
}

# Twips in the pixels of the run's screen: twips x DPI / 1440, to the nearest pixel (the program's
# own rule; 2325 twips are 155 pixels at 96 DPI, 233 at 144).
px() { echo $((($1 * dpi + 720) / 1440)); }

# The Windows name of a file: the prefix's drive Z: is the root of the file system. (Worked out
# here rather than by starting winepath, one Wine process fewer that could fail on a busy machine.)
windows_path() {
    local path
    path=$(realpath -m -- "$1")
    printf 'Z:%s\n' "${path//\//\\}"
}

# The data files are in code page 932 with CR LF, as users' files are.
to_cp932() { iconv -f UTF-8 -t CP932 | sed 's/$/\r/'; }
from_cp932() { iconv -f CP932 -t UTF-8 | tr -d '\r'; }

check() {
    local name=$1
    shift
    if "$@" >>"$work/checks.log" 2>&1; then
        passed=$((passed + 1))
        echo "ok      $name"
    else
        failed=$((failed + 1))
        echo "FAILED  $name"
        tail -n 25 "$work/checks.log" | sed 's/^/        /'
    fi
    : >"$work/checks.log"
}

# The virtual desktop, which lies at the top left of the screen, once the windows have been drawn.
shoot() {
    sleep 0.5
    import -window root -crop "$desktop_size+0+0" +repage "$shots/$1.png"
}

probe() { wine "$app/velmora-probe.exe" "$@"; }
probe_at() { probe place "$1" "$2" "$3"; }

# The window's controls as the probe sees them, kept beside the screenshots.
probe_show() {
    probe show "$1" | tee "$shots/$2.txt"
    return "${PIPESTATUS[0]}"
}

# The probe's listing of a window shows exactly one password box.
one_password_box() {
    [[ "$(grep -c '(password)' "$1")" == 1 ]]
}

probe_menu_opens() {
    probe menu "$1" "$2" && probe wait "$3" 15 && sleep 1
}

probe_menu_hides() {
    probe menu "$1" "$2" && probe gone "$1" 10
}

probe_tray_ignored() {
    probe tray "$1" "$2" && sleep 1 && probe gone "$1" 1
}

probe_tray_restores() {
    probe tray "$1" "$2" && probe wait "$1" 10 && probe size "$1" "$(px 2325)" "$(px 5325)" &&
        probe place "$1" "$(px 9000)" "$(px 3000)"
}

# The window's first visible list holds exactly these rows ("* " marks a selected row).
# The list's rows as expected; a click's effects may still be on their way, so it asks again
# for a few seconds before it reports the difference.
list_is() {
    local title=$1 name=$2 tries=20
    shift 2
    while true; do
        probe list "$title" | tr -d '\r' >"$shots/$name.txt"
        if diff -q <(printf '%s\n' "$@") "$shots/$name.txt" >/dev/null || ((--tries == 0)); then
            break
        fi
        sleep 0.25
    done
    diff <(printf '%s\n' "$@") "$shots/$name.txt"
}

probe_wide() {
    probe size "$1" "$(px 7600)" "$(px 5325)" && probe place "$1" "$(px $((9000 - 5275)))" "$(px 3000)"
}

# The window's size and place, given in twips, in the pixels of the run's screen.
probe_sized_at() {
    probe size "$1" "$(px "$2")" "$(px "$3")" && probe place "$1" "$(px "$4")" "$(px "$5")"
}

# The calendar's window: at least the model's size (twips), grown to what the calendar needs.
probe_calendar() {
    probe calendar "$(px "$1")" "$(px "$2")" | tee "$shots/calendar.txt"
    return "${PIPESTATUS[0]}"
}

probe_close_returns() {
    probe close "$1" && probe gone "$1" 15 && probe wait "$2" 15
}

# The program is gone when every process of this Wine prefix has ended (the virtual desktop
# closes by itself once the program's windows are gone).
close_main() {
    probe close "$1" && probe gone "$1" 20 && timeout 30 wineserver -w
}

platform_checks() {
    (cd "$app" && wine velmora-platform-check.exe) | tee "$shots/platform.txt"
    return "${PIPESTATUS[0]}"
}

written_since_start() {
    [[ -s $1 && $1 -nt $work/started ]]
}

same_text() {
    diff <(from_cp932 <"$1") "$2"
}

finish() {
    echo "screenshots and control lists: $shots"
    echo "$passed passed, $failed failed"
    ((failed == 0))
}

# A second velmora.exe from the same folder must end by itself at once, leaving the first one
# (and its main window) as they were.
second_start() {
    (cd "$app" && timeout 30 wine velmora.exe) && probe wait "$1" 5
}
