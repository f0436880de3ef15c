#!/bin/sh
# Builds the Debian package from the build tree, unpacks it into a scratch folder and checks
# it as a user's system would see it: the files in place, one version everywhere, the
# renderer running, the desktop file and the AppStream metainfo valid.
# Usage: check_package.sh BUILD_DIR VERSION APP_ID
set -eu
build=$1 version=$2 app_id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"
cd "$work/root/usr"
status=0
fail() { echo "FAIL: $*"; status=1; }

for file in bin/vireflu bin/vireflu-render share/applications/$app_id.desktop \
  share/icons/hicolor/scalable/apps/$app_id.svg share/metainfo/$app_id.metainfo.xml \
  share/man/man1/vireflu-render.1.gz share/bash-completion/completions/vireflu-render \
  share/doc/vireflu/copyright; do
  [ -s "$file" ] || fail "missing /usr/$file"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "library dependencies"
[ "$(bin/vireflu-render --version)" = "vireflu-render $version" ] || fail "--version"
grep -q "<release version=\"$version\"" share/metainfo/$app_id.metainfo.xml || fail "release"
zcat share/man/man1/vireflu-render.1.gz | grep -q 'picture\\-size' || fail "man page"
bash -n share/bash-completion/completions/vireflu-render || fail "completion"
desktop-file-validate share/applications/$app_id.desktop || fail "desktop file"
appstreamcli validate --no-net share/metainfo/$app_id.metainfo.xml || fail "metainfo"
exit $status
