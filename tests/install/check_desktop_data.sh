#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# The menu entry and the AppStream description pass the desktop's own validators, and what
# they name (the program, the icon, the binaries) is really installed.
# Usage: check_desktop_data.sh STAGE APP_ID SOURCE_DIR
source "$(dirname "$0")/common.sh"
stage=$1 id=$2 source_dir=$3
prefix=$stage/usr
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml

field()
{
    sed -n "s/^$1=//p" "$desktop"
}

echo "desktop-file-validate $desktop"
expect_silent desktop-file-validate "$desktop"

[ "$(field Name)" = "The Drelk" ] || fail "Name is '$(field Name)', not 'The Drelk'"
[ "$(field Terminal)" = "false" ] || fail "Terminal is '$(field Terminal)', not false"
# The program takes no arguments and refuses any, so the menu must start it bare.
exec_line=$(field Exec)
[ -x "$prefix/bin/$exec_line" ] ||
    fail "Exec '$exec_line' is not an installed program taking no arguments"
icon=$(field Icon)
for file in "icons/hicolor/32x32/apps/$icon.png" "icons/hicolor/scalable/apps/$icon.svg"; do
    [ -f "$prefix/share/$file" ] || fail "Icon '$icon' has no share/$file"
done

# The screensavers' entries: MATE's and Xfce's desktop entry passes the same validator (its
# one hint, that a screensaver is in no menu category, is the point), xscreensaver's XML is
# read by libxml2 as xscreensaver's settings read it, and both start the installed drelk
# with --root under the program's name.
saver_desktop=$prefix/share/applications/screensavers/drelk.desktop
saver_xml=$prefix/share/xscreensaver/config/drelk.xml
echo "desktop-file-validate $saver_desktop"
out=$(desktop-file-validate "$saver_desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$(grep -v 'does not contain a registered main category' <<<"$out")" ] ||
    fail "desktop-file-validate $saver_desktop reported:"$'\n'"$out"
[ "$(sed -n 's/^Exec=//p' "$saver_desktop")" = "drelk --root" ] && [ -x "$prefix/bin/drelk" ] ||
    fail "$saver_desktop does not start the installed drelk with --root"
grep -qx 'Categories=Screensaver;' "$saver_desktop" || fail "$saver_desktop is not a Screensaver"
echo "xmllint $saver_xml"
expect_silent xmllint --noout "$saver_xml"
[ "$(xmllint --xpath 'string(/screensaver/@name)' "$saver_xml")" = drelk ] &&
    [ "$(xmllint --xpath 'string(/screensaver/command/@arg)' "$saver_xml")" = --root ] ||
    fail "$saver_xml does not describe drelk run with --root"
# The settings leave a value at its default off the command line: the choice that writes
# nothing must be the one drelk takes with --root.
choices='/screensaver/select[@id="rescatter"]/option'
period=$(xmllint --xpath "string($choices[not(@arg-set)]/@id)" "$saver_xml")
[ "$(xmllint --xpath "count($choices[not(@arg-set)])" "$saver_xml")" = 1 ] &&
    [[ $(LC_ALL=C "$prefix/bin/drelk" --help | tr -s ' \n' '  ') == *"the default is $period."* ]] ||
    fail "$saver_xml: the rescatter choice without arguments, '$period', is not drelk's with --root"

# --strict fails on anything but pedantic notes, which are shown for the record.
# AppStream 1.0 (Debian 13) names the developer in <developer>, which replaced
# <developer_name>; AppStream 0.16 (Debian 12) does not know the tag yet, so there an
# unknown tag is only a note. The newer validator still fails on any unknown tag.
known=()
[[ $(appstreamcli --version) == *"version: 0."* ]] && known=(--override=unknown-tag=pedantic)
appstream_check()
{
    local out
    echo "appstreamcli $* --no-net --strict --pedantic ${known[*]}"
    out=$(appstreamcli "$@" --no-net --strict --pedantic "${known[@]}" 2>&1) ||
        fail "appstreamcli $* reported:"$'\n'"$out"
    echo "$out"
}
appstream_check validate "$metainfo"
# The whole tree: the metainfo's launchable must name an installed menu entry.
appstream_check validate-tree "$stage"

# Every language of translations/metainfo has each translated text of the description:
# the summary, its paragraphs, the screenshot's caption and the release notes, in as many
# pieces as the English. The name is the window's title, the same in every language.
count()
{
    xmllint --xpath "count($1)" "$metainfo"
}
for language in $(grep -v '^#' "$source_dir/translations/metainfo/LINGUAS"); do
    for text in /component/summary /component/description/p \
        /component/screenshots/screenshot/caption /component/releases/release/description/p; do
        english=$(count "$text[not(@xml:lang)]") translated=$(count "$text[@xml:lang='$language']")
        [ "$english" -gt 0 ] && [ "$translated" = "$english" ] ||
            fail "the metainfo has $translated $text in '$language' for $english in English"
    done
done
[ "$(count '/component/name[@xml:lang]')" = 0 ] || fail "the metainfo translates the name"

binaries=$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo")
[ -n "$binaries" ] || fail "the metainfo provides no binary"
for binary in $binaries; do
    [ -x "$prefix/bin/$binary" ] || fail "the metainfo provides '$binary', which is not installed"
done
for binary in "$prefix"/bin/*; do
    grep -qx "${binary##*/}" <<<"$binaries" ||
        fail "the installed program '${binary##*/}' is missing from the metainfo's provides"
done

# The screenshot is published from the repository: its address must name a file in it.
url=$(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' "$metainfo")
[ -f "$source_dir/${url#*/main/}" ] || fail "the screenshot $url is not a file of the repository"
