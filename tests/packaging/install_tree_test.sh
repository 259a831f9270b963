#!/usr/bin/env bash
# Installs into a scratch DESTDIR under a prefix other than the default and
# checks the tree: every file in place, the desktop entry and the AppStream
# data valid and naming each other, paths free of the DESTDIR.
#   install_tree_test.sh BUILD_FOLDER PROJECT_VERSION
set -euo pipefail
build=$1
version=$2
id=io.github.transcalc.Transcalc
prefix=/opt/transcalc

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$scratch/dest" cmake --install "$build" --prefix "$prefix" >"$scratch/install.log"
root="$scratch/dest$prefix"

for path in bin/transcalc bin/transcalc-cli libexec/transcalc/transcalc-in-state-folder \
            libexec/transcalc/transcalc-report; do
    [ -x "$root/$path" ] || fail "$path is not installed as a program"
done
for path in share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
            share/metainfo/$id.metainfo.xml share/man/man1/transcalc-cli.1.gz \
            share/mime/packages/$id.xml \
            share/icons/hicolor/scalable/mimetypes/application-x-transcalc-design.svg; do
    [ -f "$root/$path" ] || fail "$path is not installed"
done

desktop="$root/share/applications/$id.desktop"
metainfo="$root/share/metainfo/$id.metainfo.xml"
# Hints count too: one of them is a menu entry shown twice.
report=$(desktop-file-validate "$desktop") || fail "desktop-file-validate rejects the entry: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"

# The installed files name the prefix, never the DESTDIR they were staged in.
grep -qx "Exec=$prefix/libexec/transcalc/transcalc-in-state-folder %f" "$desktop" \
    || fail "Exec does not name the installed launcher: $(grep '^Exec=' "$desktop")"
grep -qx "exec \"$prefix/bin/transcalc\" \"\$@\"" \
    "$root/libexec/transcalc/transcalc-in-state-folder" \
    || fail "the launcher does not start $prefix/bin/transcalc"
grep -qx "Icon=$id" "$desktop" || fail "Icon is not the application id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch the desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" \
    || fail "the metainfo's release is not version $version"

# Design files: the desktop entry opens their MIME type, which the shared MIME
# database learns from the installed XML with its glob and icon.
grep -qx "MimeType=application/x-transcalc-design;" "$desktop" \
    || fail "the desktop entry opens no design files: $(grep '^MimeType=' "$desktop")"
cp -r "$root/share/mime" "$scratch/mime"
update-mime-database "$scratch/mime" || fail "update-mime-database rejects the MIME type"
grep -qx "50:application/x-transcalc-design:\*\.transcalc" "$scratch/mime/globs2" \
    || fail "no *.transcalc glob: $(cat "$scratch/mime/globs2")"
grep -qx "application/x-transcalc-design:application-x-transcalc-design" \
    "$scratch/mime/generic-icons" || fail "the MIME type has no icon"

# The installed command line finds the installed report program under this prefix.
(cd "$scratch" && env -u DISPLAY XDG_RUNTIME_DIR="$scratch" "$root/bin/transcalc-cli" --separator , \
    --core ring --d1 20 --d2 10 --h 10 --gap 0.5 --mu 2000 --db 0.3 --mode choke --turns 20 \
    --report "$scratch/r.pdf" >/dev/null 2>&1) \
    || fail "the installed transcalc-cli wrote no report"
pdftotext "$scratch/r.pdf" - | grep -q "Магнитопровод кольцо" || fail "the report lacks its results"

man_page=$(zcat "$root/share/man/man1/transcalc-cli.1.gz")
grep -q '^\.TH TRANSCALC-CLI "1" .*"transcalc-cli '"$version"'"' <<<"$man_page" \
    || fail "the man page has no title line for transcalc-cli $version"
grep -q '"Обратноходовой"' <<<"$man_page" || fail "the man page lost the Cyrillic mode names"
echo "install tree under $prefix: complete and valid"
