#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# Unpacked into a throw-away root, the package's programs run: the menu entry's Exec line
# names a program that answers --version and, on an X display of its own (Xvfb), shows its
# window and keeps it up, with the window class that the entry names; drelk-sim flies a
# tick. The libraries come from this machine, as apt would provide them.
# Usage: check_deb_runs.sh OUT_DIR VERSION
source "$(dirname "$0")/common.sh"
out=$1 version=$2
deb=$out/drelk_${version}_$(dpkg --print-architecture).deb
root=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$root"' EXIT

dpkg -x "$deb" "$root"
bin=$root/usr/bin
for program in "$bin"/*; do
    # A path into the build tree would load the build's libraries, not the system's.
    if readelf -d "$program" | grep -E 'R(UN)?PATH'; then
        fail "${program##*/} carries a library search path"
    fi
    missing=$(ldd "$program" | grep 'not found' || true)
    [ -z "$missing" ] || fail "${program##*/} lacks libraries:"$'\n'"$missing"
done

desktops=("$root"/usr/share/applications/*.desktop)
[ ${#desktops[@]} -eq 1 ] || fail "the package holds ${#desktops[@]} menu entries, not one"
entry()
{
    sed -n "s/^$1=//p" "${desktops[0]}"
}
exec_line=$(entry Exec)
program=$bin/$exec_line
[ -x "$program" ] || fail "the menu entry's Exec '$exec_line' is not in the package"

export XDG_RUNTIME_DIR=$root/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
answer=$(QT_QPA_PLATFORM=offscreen timeout 20 "$program" --version) ||
    fail "$exec_line --version failed"
echo "$exec_line --version: $answer"
[ "$answer" = "Drelk $version" ] || fail "$exec_line --version says '$answer', not 'Drelk $version'"

# Started as the menu starts it, on a display of its own. Xvfb picks a free display number
# and writes it once it accepts clients. Task bars tie the window to the menu entry (name,
# icon) through its class, which must be the entry's StartupWMClass.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$root/display" 2>"$root/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$root/display" ] && break
    sleep 0.1
done
[ -s "$root/display" ] || fail "Xvfb did not start: $(cat "$root/xvfb.log")"
DISPLAY=:$(cat "$root/display")
export DISPLAY
"$program" 2>"$root/drelk.log" &
drelk=$!
pids+=("$drelk")
window=$(timeout 20 xdotool search --sync --name '^The Drelk$' | head -1) ||
    fail "$exec_line showed no window titled 'The Drelk': $(cat "$root/drelk.log")"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
echo "$exec_line shows 'The Drelk', window class '$class'"
[ "$class" = "$(entry StartupWMClass)" ] ||
    fail "the window's class '$class' is not the entry's StartupWMClass '$(entry StartupWMClass)'"
sleep 1
kill "$drelk" 2>/dev/null || fail "$exec_line ended by itself: $(cat "$root/drelk.log")"

rows=$(timeout 20 "$bin/drelk-sim" --ticks 1 --seed 1 | wc -l) || fail "drelk-sim failed"
[ "$rows" -eq 3 ] || fail "drelk-sim --ticks 1 printed $rows lines, not a header and two rows"

# Installed, each program finds drelk's catalogue for the language the locale names.
in_language()
{
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=$1 "${@:2}" 2>&1 || true
}
said=$(in_language de_DE.UTF-8 "$bin/drelk-sim" --ticks x)
[ "$said" = "drelk-sim: --ticks: 'x' ist keine ganze Zahl von Takten" ] ||
    fail "drelk-sim does not speak German: $said"
said=$(in_language fr_FR.UTF-8 "$program" --bogus)
[ "$said" = "drelk: option inconnue '--bogus' (voir drelk --help)" ] ||
    fail "$exec_line does not speak French: $said"
