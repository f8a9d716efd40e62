#!/usr/bin/env bash
# Unpacked into a throw-away root, the package's programs run: the menu entry's Exec line
# names a program that answers --version and keeps its window up until it is stopped, and
# drelk-sim flies a tick. The libraries come from this machine, as apt would provide them.
# Usage: check_deb_runs.sh OUT_DIR VERSION
source "$(dirname "$0")/common.sh"
out=$1 version=$2
deb=$out/drelk_${version}_$(dpkg --print-architecture).deb
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

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
exec_line=$(sed -n 's/^Exec=//p' "${desktops[0]}")
program=$bin/$exec_line
[ -x "$program" ] || fail "the menu entry's Exec '$exec_line' is not in the package"

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$root/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
answer=$(timeout 20 "$program" --version) || fail "$exec_line --version failed"
echo "$exec_line --version: $answer"
[ "$answer" = "Drelk 1.00" ] || fail "$exec_line --version says '$answer', not 'Drelk 1.00'"

# Started as the menu starts it, the program keeps running until it is told to stop.
status=0
timeout 3 "$program" || status=$?
[ $status -eq 124 ] || fail "$exec_line, started from the menu entry, ended with status $status"

rows=$(timeout 20 "$bin/drelk-sim" --ticks 1 --seed 1 | wc -l) || fail "drelk-sim failed"
[ "$rows" -eq 3 ] || fail "drelk-sim --ticks 1 printed $rows lines, not a header and two rows"
