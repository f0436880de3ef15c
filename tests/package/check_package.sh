#!/bin/sh
# Usage: check_package.sh BUILD_DIR VERSION APP_ID. Builds the Debian package of the build
# tree, unpacks it and checks its files, its version, the renderer and the validators.
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
  share/doc/vireflu/copyright share/mime/packages/$app_id.xml share/vireflu/vireflu.html; do
  [ -s "$file" ] || fail "missing /usr/$file"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "library dependencies"
[ "$(bin/vireflu-render --version)" = "vireflu-render $version" ] || fail "--version"
# The installed page, found beside the program, goes into a course's package.
VIREFLU_PAGE= bin/vireflu-render --scorm "$work/course.zip" --course glissement || fail "--scorm"
grep -q "<release version=\"$version\"" share/metainfo/$app_id.metainfo.xml || fail "release"
zcat share/man/man1/vireflu-render.1.gz | grep -q 'picture\\-size' || fail "man page"
desktop-file-validate share/applications/$app_id.desktop || fail "desktop file"
# The menu entry opens the type the package declares, which claims *.vireflu.
type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' share/applications/$app_id.desktop)
grep -q "type=\"$type\"" share/mime/packages/$app_id.xml || fail "setup type"
grep -q 'pattern="\*.vireflu"' share/mime/packages/$app_id.xml || fail "setup glob"
xmllint --noout share/mime/packages/$app_id.xml 2>/dev/null || [ ! -x /usr/bin/xmllint ] || fail "mime xml"
appstreamcli validate --no-net share/metainfo/$app_id.metainfo.xml || fail "metainfo"
exit $status
