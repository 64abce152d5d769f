#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from the build tree, then checks what it holds, what it declares
# and that the programs run from an unpacked copy.
# Usage: check_deb.sh CPACK BUILD_DIR SCRATCH_FOLDER VERSION WITH_GUI APP_ID
set -eu
cpack=$1 build=$2 scratch=$3 version=$4 with_gui=$5 app_id=$6

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    fail "cpack -G DEB failed"
fi
deb=$scratch/out/quorvane_$version-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$scratch/out")"

dpkg-deb -c "$deb" | awk '{ print $6 }' >"$scratch/contents"
expected="usr/bin/quorvane-cli usr/share/applications/$app_id.desktop
usr/share/mime/packages/quorvane.xml usr/share/icons/hicolor/scalable/apps/$app_id.svg
usr/share/metainfo/$app_id.metainfo.xml usr/share/doc/quorvane/README.md
usr/share/man/man1/quorvane.1.gz usr/share/man/man1/quorvane-cli.1.gz
usr/share/bash-completion/completions/quorvane usr/share/bash-completion/completions/quorvane-cli
usr/share/doc/quorvane/copyright
usr/share/quorvane/map-features.txt usr/share/quorvane/sample-town.osm
usr/share/quorvane/sample-town.gpx"
if [ "$with_gui" = 1 ]; then
    expected="$expected usr/bin/quorvane"
fi
for side in 16 22 24 32 48 64 128 256; do
    expected="$expected usr/share/icons/hicolor/${side}x${side}/apps/$app_id.png"
done
for path in $expected; do
    grep -qx "\./$path" "$scratch/contents" || fail "the package lacks $path"
done
# The caches belong to other packages and are rebuilt by their triggers; shipping one would
# clash with them. Nothing may land outside /usr either.
if grep -E -e '^\./usr/share/mime/[^p]' -e 'mimeinfo\.cache$' -e 'icon-theme\.cache$' \
        -e '^\./[^u]' "$scratch/contents"; then
    fail "the package holds the files above, which it must not"
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvane ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "Version: $(field Version)"
[ "$(field Section)" = graphics ] || fail "Section: $(field Section)"
[ "$(field Homepage)" = https://quorvane.example/ ] || fail "Homepage: $(field Homepage)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
# The standard dialogs in the user's language come with Qt's own translations.
case ", $(field Recommends)," in
*", qt6-translations-l10n,"*) ;;
*) fail "Recommends lacks qt6-translations-l10n: $(field Recommends)" ;;
esac
# The dependencies come from the libraries the programs link, not from a list kept by hand.
depends=$(field Depends)
libraries="libc6 libqt6core6 libqt6gui6"
if [ "$with_gui" = 1 ]; then
    libraries="$libraries libqt6widgets6"
fi
for library in $libraries; do
    case ", $depends" in
    *", $library"*) ;;
    *) fail "Depends lacks $library: $depends" ;;
    esac
done

root=$scratch/root
dpkg -x "$deb" "$root"
[ -x "$root/usr/bin/quorvane-cli" ] || fail "usr/bin/quorvane-cli is not executable"
"$root/usr/bin/quorvane-cli" --help >/dev/null || fail "quorvane-cli --help exited $?"
gzip -t "$root"/usr/share/man/man1/*.gz || fail "a manual page is not valid gzip"
# The unpacked program finds its map files beside it: the sample town draws.
printf '<GARMIN_MAP_THEME><PRESENTATION ID="GUIDANCE"><STYLELIST>\r\n</STYLELIST></PRESENTATION></GARMIN_MAP_THEME>\r\n' \
    >"$scratch/empty.kmtf"
"$root/usr/bin/quorvane-cli" render-map "$scratch/empty.kmtf" "$scratch/town.png" --size 64x40 ||
    fail "quorvane-cli render-map of the sample town exited $?"
grep -q "GNU GENERAL PUBLIC LICENSE" "$root/usr/share/doc/quorvane/copyright" ||
    fail "the copyright file lacks the license"
# The software-centre entry together with the menu entry and icons it refers to.
appstreamcli validate-tree --no-net "$root" ||
    fail "appstreamcli validate-tree"
rm -rf "$scratch"
echo "$(basename "$deb"): all checks passed"
