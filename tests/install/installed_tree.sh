#!/usr/bin/env bash
# Installs the build into a temporary root and checks what a desktop and a package manager read:
# the desktop entry, the metainfo, the MIME type, the icons, the man pages, and a runnable CLI.
# Usage: installed_tree.sh BUILD_DIR
set -euo pipefail
build="$1"
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (scripts/setup.sh installs it)"
        exit 77
    fi
done
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

share="$root/usr/share"
id=org.duvere.Raruduz
for f in "$root/usr/bin/raruduz" "$root/usr/bin/raruduz-cli" \
    "$share/applications/$id.desktop" "$share/metainfo/$id.metainfo.xml" \
    "$share/mime/packages/$id.xml" "$share/icons/hicolor/scalable/apps/$id.svg" \
    "$share/man/man6/raruduz.6" "$share/man/man6/raruduz-cli.6"; do
    [ -f "$f" ] || { echo "missing: ${f#"$root"}"; exit 1; }
done
for size in 16 32 48 64 128 256; do
    icon="$share/icons/hicolor/${size}x$size/apps/$id.png"
    [ -f "$icon" ] || { echo "missing: ${icon#"$root"}"; exit 1; }
    # The PNG header's width must match the folder the icon is installed in.
    width=$(od -An -tu1 -j16 -N4 "$icon" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
    [ "$width" = "$size" ] || { echo "${icon#"$root"} is $width pixels wide"; exit 1; }
done

desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null
grep -q '^Exec=raruduz %f$' "$share/applications/$id.desktop"
grep -q 'MimeType=application/x-raruduz-puzzle;' "$share/applications/$id.desktop"
grep -q 'glob pattern="\*.sdk"' "$share/mime/packages/$id.xml"

help="$("$root/usr/bin/raruduz-cli" --help)"
[[ "$help" == "Usage: raruduz-cli COMMAND"* ]] || { echo "installed raruduz-cli --help: $help"; exit 1; }
echo "installed tree OK"
