#!/bin/sh
# CI: builds the Debian package, unpacks it into a temporary root and checks
# what it installs: the layout, the desktop entry, the AppStream data, lintian.
set -eu
cd "$(dirname "$0")/.."
TARVENOR_EXTRA_PACKAGES="lintian desktop-file-utils appstream" ./scripts/package.sh
deb=$(ls build/tarvenor_*_amd64.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

fail=0
for f in usr/lib/tarvenor/tarvenor usr/lib/tarvenor/tarvenor-update usr/lib/tarvenor/db/database.sqlite \
         usr/lib/tarvenor/db/termene-uzuale etc/tarvenor/trusted-keys etc/tarvenor/zile-nelucratoare \
         usr/share/man/man1/tarvenor-update.1.gz usr/lib/tarvenor/db/installed \
         usr/lib/tarvenor/db/schema.sql usr/share/applications/tarvenor.desktop \
         usr/share/metainfo/ro.tarvenor.Tarvenor.metainfo.xml usr/share/man/man1/tarvenor.1.gz \
         usr/share/icons/hicolor/48x48/apps/tarvenor.png usr/share/icons/hicolor/256x256/apps/tarvenor.png \
         usr/share/doc/tarvenor/copyright; do
  [ -e "$root/$f" ] || { echo "missing from the package: /$f"; fail=1; }
done
for p in tarvenor tarvenor-update; do
  [ "$(readlink "$root/usr/bin/$p")" = "../lib/tarvenor/$p" ] || { echo "/usr/bin/$p is not the program's link"; fail=1; }
done
dpkg-deb -e "$deb" "$root/DEBIAN"
grep -qx /etc/tarvenor/trusted-keys "$root/DEBIAN/conffiles" || { echo "trusted-keys is no conffile"; fail=1; }
ls "$root"/usr/lib/tarvenor/Docs/*.rtf >/dev/null || fail=1
# The catalogue ships with its search index (users cannot build it there).
[ "$(sqlite3 "$root/usr/lib/tarvenor/db/database.sqlite" "select count(*) from cautare_titlu")" -gt 0 ] ||
  { echo "the package's catalogue has no search index"; fail=1; }
desktop-file-validate "$root/usr/share/applications/tarvenor.desktop" || fail=1
appstreamcli validate --no-net "$root/usr/share/metainfo/ro.tarvenor.Tarvenor.metainfo.xml" || fail=1
for lib in libqt6widgets6 fonts-dejavu-core libsodium23 libical3 libpq5 libstemmer0d libcups2; do
  dpkg-deb -f "$deb" Depends | grep -q "$lib" || { echo "Depends lacks $lib"; fail=1; }
done
# lintian's errors fail the check; its warnings are shown.
lintian --fail-on error "$deb" || fail=1
[ "$fail" -eq 0 ] && echo "package checks passed: $deb"
exit "$fail"
