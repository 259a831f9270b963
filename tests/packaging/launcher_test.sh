#!/usr/bin/env bash
# Runs the installed menu launcher with a stand-in for the window program that
# records where and how it was started.
#   launcher_test.sh BUILD_FOLDER
set -euo pipefail
build=$1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$scratch/prefix" >"$scratch/install.log"
launcher="$scratch/prefix/libexec/transcalc/transcalc-in-state-folder"
record="$scratch/record"
cat >"$scratch/prefix/bin/transcalc" <<'PROGRAM'
#!/bin/sh
{ echo "$$"; pwd; printf '%s\n' "$@"; } >"$TRANSCALC_TEST_RECORD"
PROGRAM

# Runs the launcher from a neutral folder with HOME and XDG_STATE_HOME as given
# ("-" leaves the variable unset) and checks the folder the program started in.
expect_start_in() {
    local home=$1 state_home=$2 expected=$3
    local -a environment=(env -i -C "$scratch/elsewhere" PATH=/usr/bin:/bin
                          TRANSCALC_TEST_RECORD="$record")
    [ "$home" = - ] || environment+=(HOME="$home")
    [ "$state_home" = - ] || environment+=(XDG_STATE_HOME="$state_home")
    rm -f "$record"
    "${environment[@]}" "$launcher" \
        || fail "the launcher failed with HOME=$home XDG_STATE_HOME=$state_home"
    [ "$(sed -n 2p "$record")" = "$expected" ] \
        || fail "HOME=$home XDG_STATE_HOME=$state_home: started in $(sed -n 2p "$record"), not $expected"
}
mkdir -p "$scratch/elsewhere" "$scratch/home"

home="$scratch/home"
expect_start_in "$home" - "$home/.local/state/transcalc"
[ "$(stat -c %a "$home/.local/state/transcalc")" = 700 ] || fail "the state folder is not private"
expect_start_in "$home" "" "$home/.local/state/transcalc"
expect_start_in "$home" "relative/state" "$home/.local/state/transcalc"
[ ! -e "$scratch/elsewhere/relative" ] || fail "a relative XDG_STATE_HOME was used"
expect_start_in "$home" "$scratch/state" "$scratch/state/transcalc"
# A folder from an earlier start, with the state file in it, is used as it is.
echo kept >"$scratch/state/transcalc/zentu.pallomir"
expect_start_in "$home" "$scratch/state" "$scratch/state/transcalc"
[ "$(cat "$scratch/state/transcalc/zentu.pallomir")" = kept ] || fail "the state file was touched"

# The program replaces the launcher (same process) and gets its arguments.
rm -f "$record"
env -C "$scratch/elsewhere" HOME="$home" TRANSCALC_TEST_RECORD="$record" \
    "$launcher" "two words" "" last &
launcher_pid=$!
wait "$launcher_pid"
[ "$(sed -n 1p "$record")" = "$launcher_pid" ] || fail "the program was not exec'd by the launcher"
[ "$(sed -n '3,$p' "$record")" = $'two words\n\nlast' ] || fail "arguments were not passed on"

# A design file named relative to where the launcher starts is passed on by
# its full name; other arguments stay as they are.
mkdir -p "$scratch/elsewhere/designs"
touch "$scratch/elsewhere/designs/Дроссель 1.transcalc"
rm -f "$record"
env -C "$scratch/elsewhere" HOME="$home" TRANSCALC_TEST_RECORD="$record" \
    "$launcher" "designs/Дроссель 1.transcalc" "$scratch/abs.transcalc" missing.transcalc
[ "$(sed -n '3,$p' "$record")" = "$scratch/elsewhere/designs/Дроссель 1.transcalc
$scratch/abs.transcalc
missing.transcalc" ] || fail "design files were not passed on: $(sed -n '3,$p' "$record")"

# Without a usable state folder the program is not started anywhere else.
for case in "no HOME" "state folder blocked"; do
    rm -f "$record"
    touch "$scratch/blocked"
    if [ "$case" = "no HOME" ]; then
        environment=(env -i -C "$scratch/elsewhere" PATH=/usr/bin:/bin
                     TRANSCALC_TEST_RECORD="$record")
    else
        environment=(env -i -C "$scratch/elsewhere" PATH=/usr/bin:/bin
                     TRANSCALC_TEST_RECORD="$record" HOME="$home" XDG_STATE_HOME="$scratch/blocked")
    fi
    if "${environment[@]}" "$launcher" 2>/dev/null; then
        fail "$case: the launcher succeeded"
    fi
    [ ! -e "$record" ] || fail "$case: the program was started in $(sed -n 2p "$record")"
done
echo "launcher: starts the program in the state folder"
