#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# Builds the Debian package with the `package` preset in BUILD and checks it:
# lintian --pedantic finds no error, no warning and no missing hardening; the
# menu entry and the AppStream data validate; the files a player and a
# packager expect are where they belong.
# Usage: check_package.sh SOURCE_DIR BUILD
set -euo pipefail
source_dir=$1
build=$2
id=io.github.gloobvolleyball.GloobVolleyball
failures=0

fail() {
    echo "not ok: $*"
    failures=$((failures + 1))
}

quietly() {
    local log
    log=$(mktemp)
    if ! "$@" >"$log" 2>&1; then
        cat "$log"
        rm -f "$log"
        echo "failed: $*"
        exit 1
    fi
    rm -f "$log"
}

quietly cmake -S "$source_dir" -B "$build" --preset package
quietly cmake --build "$build" -j "$(nproc)"
rm -f "$build"/*.deb
(cd "$build" && quietly cpack -G DEB)
deb=$(ls "$build"/*.deb)
echo "package: $(basename "$deb")"

# Every tag lintian emits is shown; errors, warnings and missing hardening fail,
# unless overridden with its reason in packaging/debian/lintian-overrides.
lintian_log=$build/lintian.log
lintian --pedantic --display-info --display-experimental --show-overrides --fail-on none "$deb" \
    >"$lintian_log" 2>&1 || fail "lintian did not run"
sed 's/^/lintian: /' "$lintian_log"
if grep -qE '^[EW]: |^[^O]: .*hardening-no-' "$lintian_log"; then
    fail "lintian reports errors, warnings or missing hardening"
fi

contents=$build/contents
rm -rf "$contents"
dpkg-deb -x "$deb" "$contents"
for file in usr/games/gloob usr/games/gloob-sim \
    usr/share/man/man6/gloob.6.gz usr/share/man/man6/gloob-sim.6.gz \
    usr/share/doc/gloob-volleyball/copyright usr/share/doc/gloob-volleyball/changelog.Debian.gz \
    usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg; do
    [[ -f $contents/$file ]] || fail "no $file in the package"
done
for size in 16 24 32 48 64 128 256; do
    icon=usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [[ ! -f $contents/$icon ]]; then
        fail "no $icon in the package"
    elif [[ $(file -b "$contents/$icon") != *"$size x $size"* ]]; then
        fail "$icon is $(file -b "$contents/$icon")"
    fi
done

# The game's page in every language it speaks, read from its own help in
# that language: a page in English there would mean the catalogue was missed.
for catalogue in "$source_dir"/translations/gloob_*.ts; do
    language=${catalogue##*/gloob_}
    language=${language%.ts}
    page=$contents/usr/share/man/$language/man6/gloob.6.gz
    if [[ ! -f $page ]]; then
        fail "no man page in $language"
    elif zcat "$page" | grep -q 'Show this help'; then
        fail "the man page in $language is in English"
    fi
done

desktop-file-validate "$contents/usr/share/applications/$id.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$contents/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"

# The menu entry, the window and the AppStream data name the same application.
grep -qx "StartupWMClass=$id" "$contents/usr/share/applications/$id.desktop" ||
    fail "the menu entry's StartupWMClass is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$contents/usr/share/metainfo/$id.metainfo.xml" || fail "the AppStream data launch another entry"

[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] || fail "qt6-wayland is not recommended"
version=$(dpkg-deb -f "$deb" Version)
shown=$(env -u DISPLAY -u WAYLAND_DISPLAY "$contents/usr/games/gloob" --version) ||
    fail "the packaged gloob --version"
[[ $shown == "gloob ${version%-*}" ]] || fail "the packaged gloob says '$shown', the package is $version"

if ((failures)); then
    exit 1
fi
echo "the package passes the checks"
