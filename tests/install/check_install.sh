#!/usr/bin/env bash
# Checks of the installed program, run by ctest (see CMakeLists.txt beside it):
#   check_install.sh install ROOT BUILD              installs the build into ROOT (DESTDIR, prefix /usr)
#   check_install.sh CHECK ROOT BUILD SOURCE         runs one check on that install
# The program is started offscreen with private data and home folders, and
# TEEBOOK_TEST_ANSWERS answers its questions (see app/scripted_answers.h).
set -euo pipefail

step=$1 root=$2 build=$3 source=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/stderr" ] && sed 's/^/  teebook: /' "$work/stderr" >&2
    exit 1
}

# run_teebook PROGRAM ANSWERS [ARGS...]: its exit status is left in $status.
run_teebook() {
    local program=$1 answers=$2
    shift 2
    status=0
    TEEBOOK_TEST_ANSWERS=$answers XDG_DATA_HOME="$work/data" HOME="$work/home" \
        timeout 60 "$program" "$@" 2>"$work/stderr" || status=$?
}

asked() { grep -q "^question: $1" "$work/stderr"; }

has_table() { [ "$(sqlite3 "$1" "SELECT count(*) FROM sqlite_master WHERE name = '$2'")" = 1 ]; }

teebook=$root/usr/bin/teebook
user_book=$work/data/teebook/teedat2000.mdb

case $step in
install)
    rm -rf "$root"
    DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
    ;;

tree)
    share=$root/usr/share
    for file in usr/bin/teebook usr/bin/teeguide \
        usr/share/teebook/golfswng.wav usr/share/teebook/cup.wav usr/share/teebook/Help.INI \
        usr/share/applications/org.teebook.Teebook.desktop usr/share/applications/org.teebook.Teeguide.desktop \
        usr/share/icons/hicolor/scalable/apps/org.teebook.Teebook.svg \
        usr/share/metainfo/org.teebook.Teebook.metainfo.xml; do
        [ -f "$root/$file" ] || fail "$file is not installed"
    done
    [ -x "$root/usr/bin/teebook" ] && [ -x "$root/usr/bin/teeguide" ] || fail "the programs cannot be run"
    if [ -e "$build/bin/teebook-cli" ]; then
        [ -x "$root/usr/bin/teebook-cli" ] || fail "teebook-cli is not installed"
    fi
    # Every document the help index names is there.
    while read -r target; do
        [ -f "$share/teebook/$target" ] || fail "help document $target is not installed"
    done < <(sed -n 's/^ListTarget=\(.*[^[:space:]]\)[[:space:]]*$/\1/p' "$share/teebook/Help.INI" | grep -v '^<NONE>$')
    # Nobody's scorebook, and no portable marker, comes with the program.
    [ -z "$(find "$root" -name 'teedat2000.mdb*' -o -name 'teebook.portable')" ] ||
        fail "a scorebook or the portable marker is installed"
    desktop-file-validate "$share/applications/org.teebook.Teebook.desktop" \
        "$share/applications/org.teebook.Teeguide.desktop" || fail "desktop entries are not valid"
    grep -qx 'NoDisplay=true' "$share/applications/org.teebook.Teeguide.desktop" ||
        fail "the help viewer is listed in the menu"
    grep -qx 'Icon=org.teebook.Teebook' "$share/applications/org.teebook.Teebook.desktop" ||
        fail "the menu entry does not name the installed icon"
    appstreamcli validate --no-net "$share/metainfo/org.teebook.Teebook.metainfo.xml" >"$work/stderr" 2>&1 ||
        fail "the metainfo is not valid"
    ;;

first-start)
    run_teebook "$teebook" No
    [ "$status" = 1 ] || fail "answering No did not end the program (status $status)"
    [ ! -e "$user_book" ] || fail "answering No made a scorebook"

    run_teebook "$teebook" Yes
    [ "$status" = 0 ] || fail "the first start failed (status $status)"
    asked "Scorebook Not Found" || fail "the first start did not ask to make the scorebook"
    grep -qF "$work/data/teebook" "$work/stderr" || fail "the question does not name the user's folder"
    [ -f "$user_book" ] || fail "no scorebook in the user's data folder"
    has_table "$user_book" tee_ratings || fail "the new scorebook lacks the later tables"
    [ -z "$(find "$root" -name 'teedat2000.mdb*')" ] || fail "a scorebook was made in the install folder"

    run_teebook "$teebook" No
    [ "$status" = 0 ] && ! asked "" || fail "the second start did not simply open the scorebook"
    [ -z "$(find "$work/data" -name '*.bak-*')" ] || fail "a new scorebook was backed up"
    if [ -x "$root/usr/bin/teebook-cli" ]; then
        XDG_DATA_HOME="$work/data" HOME="$work/home" "$root/usr/bin/teebook-cli" export golfers "$work/golfers.csv" \
            >/dev/null 2>&1 || fail "the installed teebook-cli did not read the user's scorebook"
    fi
    ;;

scorebook-option)
    mkdir -p "$work/here"
    (cd "$work/here" && run_teebook "$teebook" Yes --scorebook club/book.db && exit "$status") ||
        fail "starting with --scorebook failed"
    grep -q "book.db is not in the folder" "$work/stderr" || fail "the question does not name the chosen file"
    [ -f "$work/here/club/book.db" ] || fail "the chosen scorebook was not made"
    [ ! -e "$work/data/teebook" ] || fail "the user's folder was used despite --scorebook"
    ;;

portable)
    [ -f "$build/bin/teebook.portable" ] || fail "the build's program folder is not marked portable"
    # A portable folder with only the marker: the scorebook is made beside the program.
    mkdir -p "$work/stick" "$work/other"
    cp "$build/bin/teebook" "$work/stick/"
    touch "$work/stick/teebook.portable"
    run_teebook "$work/stick/teebook" Yes
    [ "$status" = 0 ] || fail "the portable start failed (status $status)"
    [ -f "$work/stick/teedat2000.mdb" ] || fail "the portable folder did not get its scorebook"
    [ ! -e "$work/data/teebook" ] || fail "the portable program used the user's folder"
    # A folder that holds a scorebook uses it, marker or not.
    mv "$work/stick/teedat2000.mdb" "$work/other/"
    mv "$work/stick/teebook" "$work/other/"
    run_teebook "$work/other/teebook" No
    [ "$status" = 0 ] && ! asked "" || fail "the scorebook beside the program was not used"
    [ ! -e "$work/data/teebook" ] || fail "the program beside a scorebook used the user's folder"
    ;;

backup)
    book=$work/old.mdb
    sqlite3 "$book" <"$source/core/scorebook/schema.sql"
    sqlite3 "$book" "INSERT INTO golfers (golfer_name) VALUES ('Ann')"
    run_teebook "$teebook" No --scorebook "$book"
    [ "$status" = 0 ] || fail "the older scorebook was not opened (status $status)"
    mapfile -t copies < <(find "$work" -maxdepth 1 -name 'old.mdb.bak-*')
    [ ${#copies[@]} = 1 ] || fail "expected one backup, found ${#copies[@]}"
    [[ ${copies[0]} =~ /old\.mdb\.bak-[0-9]{8}$ ]] || fail "the backup is called ${copies[0]}"
    has_table "$book" tee_ratings && has_table "$book" round_details || fail "the layout was not brought up to date"
    ! has_table "${copies[0]}" tee_ratings || fail "the backup was made after the change"
    [ "$(sqlite3 "${copies[0]}" "SELECT golfer_name FROM golfers")" = Ann ] || fail "the backup lost a golfer"
    before=$(md5sum <"${copies[0]}")
    run_teebook "$teebook" No --scorebook "$book"
    [ "$(find "$work" -maxdepth 1 -name 'old.mdb.bak-*' | wc -l)" = 1 ] || fail "a second start made another backup"
    [ "$(md5sum <"${copies[0]}")" = "$before" ] || fail "the backup was changed"
    ;;

*)
    fail "unknown check $step"
    ;;
esac
