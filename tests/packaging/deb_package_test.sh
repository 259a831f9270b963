#!/usr/bin/env bash
# Builds the Debian package with cpack into a scratch folder, checks its
# control fields and files, unpacks it and runs the unpacked transcalc-cli.
#   deb_package_test.sh BUILD_FOLDER PROJECT_VERSION
set -euo pipefail
build=$1
version=$2
id=io.github.transcalc.Transcalc

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if ! (cd "$build" && cpack -G DEB -B "$scratch/out") >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    fail "cpack failed"
fi
deb="$scratch/out/transcalc_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$scratch/out")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = transcalc ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
[ "$(field Section)" = electronics ] || fail "Section is $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is $(field Maintainer)"
[ -n "$(field Description | sed -n 2p)" ] || fail "the description has no long text"
# dpkg-shlibdeps finds the linked libraries; the plugins and fonts are added by name.
depends=",$(field Depends | tr -d ' '),"
for package in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins \
               fonts-liberation; do
    [[ "$depends" == *",$package,"* || "$depends" == *",$package("* ]] || fail "Depends lacks $package: $(field Depends)"
done

contents=$(dpkg-deb --contents "$deb")
for path in usr/bin/transcalc usr/bin/transcalc-cli \
            usr/libexec/transcalc/transcalc-in-state-folder usr/libexec/transcalc/transcalc-report \
            usr/share/mime/packages/$id.xml \
            usr/share/icons/hicolor/scalable/mimetypes/application-x-transcalc-design.svg \
            usr/share/applications/$id.desktop usr/share/icons/hicolor/scalable/apps/$id.svg \
            usr/share/metainfo/$id.metainfo.xml usr/share/man/man1/transcalc-cli.1.gz \
            usr/share/doc/transcalc/copyright usr/share/doc/transcalc/catalogue/LICENSE \
            usr/share/doc/transcalc/catalogue/NOTICE; do
    grep -q " \./$path\$" <<<"$contents" || fail "the package lacks /$path"
done
awk '$2 != "root/root" { exit 1 }' <<<"$contents" || fail "files not owned by root"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
grep -qx "Exec=/usr/libexec/transcalc/transcalc-in-state-folder %f" \
    "$root/usr/share/applications/$id.desktop" || fail "the packaged Exec is not the launcher"
grep -qx 'exec "/usr/bin/transcalc" "$@"' "$root/usr/libexec/transcalc/transcalc-in-state-folder" \
    || fail "the packaged launcher does not start /usr/bin/transcalc"

for program in bin/transcalc bin/transcalc-cli libexec/transcalc/transcalc-report; do
    sections=$(readelf --dynamic --section-headers "$root/usr/$program")
    ! grep -qE '\((RPATH|RUNPATH)\)' <<<"$sections" || fail "$program carries a RUNPATH"
    ! grep -q '\.debug_info' <<<"$sections" || fail "$program is not stripped"
done

output=$("$root/usr/bin/transcalc-cli" --separator , --core ring --d1 20 --d2 10 --h 10 \
    --gap 0.5 --mu 2000 --db 0.3 --mode choke --turns 20) || fail "the unpacked transcalc-cli failed"
[ "$(tail -n 1 <<<"$output")" = "Внимание: магнитопровод кольцо. Точно есть зазор=0,5 мм?" ] \
    || fail "the unpacked transcalc-cli printed: $output"
echo "$(basename "$deb"): complete"
