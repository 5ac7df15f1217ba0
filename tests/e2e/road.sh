# shellcheck shell=bash
# The road of one contest through velmora.exe, worked through its windows with the probe, the test
# browser standing in for the user's browser. Sourced by scripts/win32-e2e after
# scripts/win32-smoke-lib.sh; uses root, work, app (set by prepare_app) and the lib's check.
# shellcheck disable=SC2154

e2e=$root/tests/e2e
today=$(date +%Y/%m/%d)
open_until=$(date -d '+20 days' +%Y/%m/%d)
ended=$(date -d '-1 day' +%Y/%m/%d)
url=http://a.example/x/

# Polls a command until it holds or the seconds have passed.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# A fresh program folder with the road's data files (code page 932) and the test programs.
prepare_app() {
    app=$work/$1
    mkdir -p "$app"
    cp "$exe_dir/frontends/win32/velmora.exe" "$exe_dir/tests/win32/velmora-probe.exe" \
        "$exe_dir/tests/win32/velmora-test-browser.exe" "$app/"
    for name in zov1 zov3 zov4; do
        to_cp932 <"$e2e/$name.ini.txt" >"$app/$name.ini"
    done
    : >"$app/zov5.ini"
    : >"$app/zov21.ini"
    sed -e "s#@S@#$(date -d '-5 days' +%Y/%m/%d)#; s#@A@#$open_until#; s#@B@#$ended#; s#@C@#$today#" \
        "$e2e/newsletter.txt" >"$app/newsletter.txt"
    browser_log=$app/browser-log.txt
    app_windows=$(windows_path "$app")
}

# The probe keeps a record of its clicks and keys, and so does the program when it is a diagnostic
# build (VELMORA_TRACE=ON); merged by time, they tell afterwards why a send typed nothing.
probe() { VELMORA_TRACE_FILE="$app_windows\\trace-probe.txt" wine "$app/velmora-probe.exe" "$@"; }

# Kept beside the screenshots when the road had failures ($2 = the failures before it began).
keep_trace() {
    local kept=$shots/velmora-e2e-trace-$1-$$.txt
    if ((failed > $2)); then
        sort -s -n -k1,1 "$app"/trace-*.txt >"$kept" 2>/dev/null || true
        echo "   record of activations, clicks and sends: $kept"
    fi
}

# The test browser opens .html files: per user as on Windows, and in the classes root that this
# Wine reads (it does not merge the user's classes in).
register_browser() {
    local command
    command="\"$(windows_path "${browser_dir:-$app}/velmora-test-browser.exe")\" \"%1\""
    for classes in 'HKCU\Software\Classes' 'HKCR'; do
        reg_add "$classes\\.html" /ve /d VelmoraTestPage
        reg_add "$classes\\VelmoraTestPage\\shell\\open\\command" /ve /d "$command"
    done
}

start_program() {
    (cd "$app" && VELMORA_TRACE_FILE="$app_windows\\trace-velmora.txt" exec wine velmora.exe \
        >"$work/velmora.log" 2>&1) &
    program_pid=$!
    probe wait '!ZOV' 60
}

log_has() { grep -qxF -- "$1" "$browser_log" 2>/dev/null; }
wait_log() { within "${2:-10}" log_has "$1"; }
# A send has arrived and the program has finished its run of sends (it answers messages again,
# whatever its caption has become meanwhile).
wait_sent() { wait_log "$1" 15 && probe settled VelmoraWindow 15; }

# The fields of one page as the browser received them, against the expected texts (1st, 2nd, ...).
page_fields_are() {
    local page=$1 i=1 expected=""
    shift
    for text in "$@"; do
        [[ -n $text ]] && expected+="page $page field $i $text"$'\n'
        i=$((i + 1))
    done
    diff <(printf '%s' "$expected") <(grep "^page $page field " "$browser_log")
}

box_says() {
    local answer=$1 expected=$2 said
    said=$(probe box 10 "$answer" | tr -d '\r\n')
    [[ $said == "$expected" ]] || { echo "box said: $said" && return 1; }
}

click_and_answer() {
    probe click "$1" "$2" &
    box_says "$3" "$4"
    wait $!
}

rows_are() {
    diff <(printf '%s\n' "${@:2}") <(probe list "$1" | tr -d '\r')
}

# A menu choice opens a window, which then takes the program's messages.
menu_opens() {
    probe menu "$1" "$2" && probe wait "$3" 15 && probe idle "$3" 5
}

file_is() {
    diff <(printf '%s\n' "${@:2}") <(from_cp932 <"$app/$1")
}

stock_check() {
    click_and_answer ZOV-mail '連続取込' no "応募期限が切れています|${ended}が締切です。応募しますか？" &&
        probe control ZOV-mail '2 stock' 10
}

record_flowchart() {
    local main=$1
    probe menu "$main" 0 0 && probe click "$main" At && probe click "$main" '一括入力' &&
        probe click "$main" '03(1234)5678' && probe click "$main" TAB && probe click "$main" '~^[x]' &&
        probe click "$main" TAB && probe type "$main" 'タイトル' '電話の手順' && probe click "$main" END &&
        within 5 probe size "$main" 155 355
}

register_id() {
    probe click "$1" 複 && probe rclick "$1" ID && probe type "$1" '' $'懸賞サイト\ntaro{1}+%\np(a)ss%^~\n' &&
        within 5 file_has zov4.ini '懸賞サイト'
}

# The data file (code page 932) has a line holding this text, read afresh at every call.
file_has() {
    from_cp932 <"$app/$1" | grep -qF -- "$2"
}

# The road; $1 = the page on which the contest opens (1 when launched, 2 after a hand-off);
# $2 = the item of 項目抽出 that reads the newsletter: 0 自動判別, 2 猫招く懸賞読本 itself.
road() {
    local page=$1 pick=$2 main='!ZOV' up="$today UP"
    check "a newsletter on the clipboard" probe clip "$(windows_path "$app/newsletter.txt")"
    check "Mail opens the extraction window" menu_opens "$main" 2 ZOV-mail
    check "$( ((pick == 0)) && echo 自動判別 || echo 猫招く懸賞読本) lists the three contests" eval 'probe menu ZOV-mail 2 '"$pick"' &&
        within 5 rows_are ZOV-mail "  01 旅行券10万円" "  02 図書カード" "  03 お米"'
    ((pick != 0)) || check "自動判別 names the format it chose" probe control ZOV-mail 猫招く懸賞読本 5
    check "a click on a title shows its status" eval 'probe row ZOV-mail 1 && probe control ZOV-mail "応募終了！" 5'
    check "すべて選択 selects every title (asking about ended ones)" eval 'probe menu ZOV-mail 1 4 && probe idle ZOV-mail 5 &&
        probe click ZOV-mail すべて選択 && rows_are ZOV-mail "* 01 旅行券10万円" "* 02 図書カード" "* 03 お米"'
    check "連続取込 asks about the ended contest; two are stocked" stock_check
    check "zov5.ini holds the two open contests" file_is zov5.ini "$open_until$url" "${today}http://c.example/"
    check "back returns to the main window" probe_close_returns ZOV-mail "$main"
    check "St shows the stock" eval 'menu_opens "$main" 1 "Stock mode" &&
        rows_are "Stock mode" "  $open_until$url" "  ${today}http://c.example/"'
    check "a double click opens the contest in the browser" eval 'probe dblrow "Stock mode" 0 &&
        wait_log "page '"$page"' $( ((page == 1)) && echo start || echo handoff) $url" 20'
    check "the opened contest has left the stock" file_is zov5.ini "${today}http://c.example/"
    check "結 types the joined name" eval 'probe clickn "$main" 結 0 && wait_sent "page $page field 1 山田太郎+次郎"'
    check "the first send records the contest in zov21.ini" eval 'within 5 file_is zov21.ini \
        "$today${open_until}0aaaa$url" && probe wait "$up" 5'
    check "入 types the parts with the separator" eval 'probe clickn "$up" 入 1 &&
        wait_sent "page $page field 2 東京都%千代田区(1-1)%{本郷}"'
    check "別 types the parts one by one" eval 'probe clickn "$up" 別 2 && wait_sent "page $page field 4 100%当選"'
    check "a flowchart is recorded by clicking fields" record_flowchart "$up"
    check "zov3.ini holds the recorded flowchart" eval 'grep -qxF "電話の手順%016%T17%T" <(from_cp932 <"$app/zov3.ini")'
    check "the recorded flowchart fills the next fields" eval 'probe dblrow "$up" 1 && wait_sent "page $page field 6 ~^[x]"'
    check "an ID is registered through the entry boxes" register_id "$up"
    check "a double click on it types ID and password" eval 'probe dblrow "$up" 1 &&
        wait_sent "page $page field 8 p(a)ss%^~"'
    check "the browser received every field literally" page_fields_are "$page" '山田太郎+次郎' \
        '東京都%千代田区(1-1)%{本郷}' 'taro+prize@example.jp' '100%当選' '03(1234)5678' '~^[x]' \
        'taro{1}+%' 'p(a)ss%^~'
    check "the history holds the record once" file_is zov21.ini "$today${open_until}0aaaa$url"
    echo "$open_until$url" >"$app/clip.txt"
    check "the contest again: warned as applied for" eval 'probe clip "$(windows_path "$app/clip.txt")" &&
        click_and_answer "$up" ブラウザ yes "Velmora|$today に応募済みです$open_until が締切なので応募の必要はありませんそれでも表示しますか？"'
    check "the running browser loads it (Alt+D, Ctrl+V, Enter)" wait_log "page $((page + 1)) enter $url"
    check "the status line shows the applied date" probe wait "$today" 5
}

# Another window comes to the front while a long flowchart is being typed: the sending stops and
# nothing more is typed anywhere, not even once the browser is in front again. $3 = the main
# window's caption once the run has ended.
steal_during_run() {
    local page=$1 main=$2 after=$3
    probe click "$main" 複 && probe click "$main" At || return 1
    (cd "$app" && exec wine velmora-test-browser.exe --title Other --log other-log.txt) &
    probe wait Other 20 || return 1
    probe steal "$(windows_path "$browser_log")" "page $page field 2 太郎+次郎" Other 30 &
    local stealer=$!
    probe dblrow "$main" 0
    wait $stealer || return 1
    # A send that was under way when the window changed can hold the program for a moment (Wine
    # waits up to 2 s for the input hooks); it still answers messages meanwhile, so the end of the
    # run is told by its caption, not by the program answering.
    probe front 'Velmora Test Browser' && probe wait "$after" 15 && probe settled VelmoraWindow 30
}

safety() {
    local page=$1 main=$2 after=$3
    check "a long flowchart runs while another window comes to the front" steal_during_run "$page" "$main" "$after"
    check "the browser has only the fields typed before the switch" eval \
        '! grep -E "^page $page field ([4-9]) " "$browser_log"'
    check "nothing reached the other window" eval '! grep -q field "$app/other-log.txt"'
    probe close Other >/dev/null || true
}

close_all() {
    local status=0
    probe close "$1" || { echo "no window is titled \"$1\""; return 1; }
    probe gone "$1" 20 || { echo "\"$1\" stayed open"; return 1; }
    probe close 'Velmora Test Browser' || { echo "the test browser was not running"; return 1; }
    wait "$program_pid" || status=$?
    ((status == 0)) || echo "velmora.exe ended with status $status"
    return "$status"
}

# Whatever a failed road left running ends here, so that the next road starts on an empty desktop.
end_road() {
    if probe wait 'Velmora Test Browser' 1 || kill -0 "$program_pid" 2>/dev/null; then
        wineserver -k 2>/dev/null || true
        wineserver -w
    fi
}

# The files at shutdown: profile unchanged, the recorded flowchart and the registered ID kept.
# $1 = the main window's caption by then.
data_files() {
    check "closing the main window ends the program" close_all "$1"
    check "zov1.ini kept through code page 932" same_text "$app/zov1.ini" "$e2e/zov1.ini.txt"
    check "zov3.ini holds both flowcharts" file_is zov3.ini "$(cat "$e2e/zov3.ini.txt")" '電話の手順%016%T17%T'
    check "zov4.ini holds both IDs" file_is zov4.ini "$(cat "$e2e/zov4.ini.txt")" '懸賞サイト/taro{1}+%/p(a)ss%^~'
    check "zov21.ini holds the one record" file_is zov21.ini "$today${open_until}0aaaa$url"
}
