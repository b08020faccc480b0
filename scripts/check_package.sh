#!/usr/bin/env bash
# Builds the Debian package and checks it as a user's system would see it:
# its control fields and file list, the unpacked velmora-chart charting a
# date, the metainfo and the desktop entry validated, and lintian (errors fail;
# warnings are printed).
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(bash scripts/package.sh | tail -n 1)
echo "package: $deb"
fail() { echo "package: $*" >&2; exit 1; }

control=$(dpkg-deb -I "$deb")
for field in "Package: velmora" "Section: misc" "Maintainer: " "Homepage: " "Description: " "Depends: "; do
  grep -q "^ *$field" <<<"$control" || fail "control has no '$field'"
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libc6 tzdata fonts-arphic-uming; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/lib/velmora/velmora ./usr/lib/velmora/velmora-chart ./usr/lib/velmora/velmora-chart-draw \
            ./usr/lib/velmora/ProperN ./usr/lib/velmora/Mia ./usr/lib/velmora/Four ./usr/lib/velmora/Places \
            ./usr/bin/velmora \
            ./usr/bin/velmora-chart ./usr/share/applications/velmora.desktop \
            ./usr/share/icons/hicolor/scalable/apps/velmora.svg \
            ./usr/share/metainfo/com.velmoraproject.velmora.metainfo.xml \
            ./usr/share/man/man1/velmora.1.gz ./usr/share/man/man1/velmora-chart.1.gz \
            ./usr/share/doc/velmora/copyright ./usr/share/doc/velmora/changelog.gz; do
  grep -qxF "$path" <<<"$files" || fail "the package lacks $path"
done
if grep -E '_tests$|_bench$|/User$' <<<"$files"; then fail "the package holds test programs or a User file"; fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
grep -q '^Exec=/usr/bin/velmora$' "$root/usr/share/applications/velmora.desktop" || fail "the desktop entry does not start /usr/bin/velmora"
out=$("$root/usr/bin/velmora-chart" 1984-02-02 7 M)
grep -q '"lunar":\[1984,1,1\]' <<<"$out" || fail "the unpacked velmora-chart did not chart 1984-02-02: $out"
"$root/usr/bin/velmora-chart" --version | grep -q "^velmora-chart $(dpkg-deb -f "$deb" Version)$" \
  || fail "velmora-chart --version does not name the package's version"

desktop-file-validate "$root/usr/share/applications/velmora.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/com.velmoraproject.velmora.metainfo.xml" || \
  appstreamcli validate --no-net "$root/usr/share/metainfo/com.velmoraproject.velmora.metainfo.xml"

# lintian exits non-zero on errors; run as root it needs --allow-root.
lintian --allow-root --tag-display-limit 0 "$deb" || fail "lintian found errors (above)"
echo "package: all checks passed"
