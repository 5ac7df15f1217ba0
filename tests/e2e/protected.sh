# shellcheck shell=bash
# The ID book with protected passwords, and a flowchart run that the user stops with a key of
# their own, through velmora.exe under Wine. Sourced by scripts/win32-e2e after road.sh; the test
# browser lives outside the program's folder here, so that its record of the typed fields is not
# one of the files beside the program that must not hold the password.
# shellcheck disable=SC2154

# A password that no base64 text can hold, so that finding it means finding it in plain text.
secret='Kuji%(42)^Himitsu!'

browser_apart() {
    browser_dir=$work/browser-$1
    mkdir -p "$browser_dir"
    mv "$app/velmora-test-browser.exe" "$browser_dir/"
    browser_log=$browser_dir/browser-log.txt
}

# No file beside the program holds the password as it was typed (code page 932 and UTF-8 give the
# same bytes for it); grep prints nothing either way.
no_plain_password() {
    ! grep -rqF -- "$secret" "$app"
}

register_protected_id() {
    probe click "$1" 複 && probe rclick "$1" ID && probe type "$1" '' "懸賞サイト"$'\n'"taro"$'\n'"$secret"$'\n' &&
        within 5 file_is zov4.ini '既存サイト/old/' '懸賞サイト/taro/'
}

open_contest() {
    printf '%s\n' "$2" >"$app/clip.txt"
    probe clip "$(windows_path "$app/clip.txt")" && probe click "$1" ブラウザ && wait_log "$3" 20
}

restart_program() {
    probe close "$1" && probe gone "$1" 20 && wait "$program_pid" && start_program
}

# As soon as the browser has the second field, the user presses Shift (through XTest, so that
# Wine takes it for a key of the keyboard's own).
press_key_when() {
    within 30 log_has "$1" && xdotool key shift
}

stopped_by_key() {
    local main=$1 page=$2
    # The hand-over before it may still be ending: its caption comes back once it has.
    probe wait "$main" 10 && probe click "$main" 複 && probe click "$main" At || return 1
    press_key_when "page $page field 2 太郎+次郎" &
    local presser=$!
    probe dblrow "$main" 0
    wait $presser || return 1
    probe wait 入力を中止 15 && probe settled VelmoraWindow 30
}

protected() {
    local main='!ZOV' up="$today UP"
    check "パスワードを保護する turns the protection on" eval 'probe menu "$main" 0 2 &&
        within 5 file_is zov4.ini "既存サイト/old/" && test -s "$app/zov4p.ini"'
    check "an ID is registered into the protected book" register_protected_id "$main"
    check "no file beside the program holds the password in plain text" no_plain_password
    check "velmora.exe starts again with the protected book" restart_program "$main"
    check "a contest opens in the browser" open_contest "$main" http://p.example/ 'page 1 start http://p.example/'
    check "the protected ID entry types its ID and password" eval 'probe click "$main" ID && probe dblrow "$main" 1 &&
        wait_sent "page 1 field 1 taro" && wait_sent "page 1 field 2 $secret"'
    check "the entry's send records the contest" eval 'within 5 file_is zov21.ini "$today${today}1aaaahttp://p.example/"'
    check "still no file beside the program holds the password" no_plain_password
    check "the next contest opens in the running browser" open_contest "$up" http://q.example/ \
        'page 2 enter http://q.example/'
    check "a key of the user's own stops a long flowchart" stopped_by_key "$main" 2
    check "the browser has only the fields typed before the key" eval 'log_has "page 2 field 1 山田" &&
        ! grep -E "^page 2 field ([4-9]) " "$browser_log"'
    check "the stopped run recorded no history" file_is zov21.ini "$today${today}1aaaahttp://p.example/"
    check "closing the main window ends the program" close_all 入力を中止
    check "zov4.ini keeps title and ID only" file_is zov4.ini '既存サイト/old/' '懸賞サイト/taro/'
    check "at the end no file beside the program holds the password" no_plain_password
}
