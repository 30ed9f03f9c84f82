#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs:
# both programs, the launcher, the icon, the metainfo (validated when a
# validator is installed) and the pictures, and that the installed program
# answers --version and --help without a display.
set -euo pipefail
build=$1
prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
fail=0
for f in bin/tavrel bin/tavrel-cli share/applications/org.tavrel.tavrel.desktop \
         share/metainfo/org.tavrel.tavrel.metainfo.xml \
         share/icons/hicolor/256x256/apps/tavrel.png share/icons/hicolor/48x48/apps/tavrel.png \
         share/tavrel/resources/up.png share/tavrel/resources/met@2x.png; do
  [ -e "$prefix/$f" ] || { echo "missing: $f"; fail=1; }
done
# Answered without a window: with no display reachable, opening one would abort.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
"${nodisplay[@]}" "$prefix/bin/tavrel" --version | grep -q '^tavrel [0-9]' || { echo "tavrel --version"; fail=1; }
"${nodisplay[@]}" "$prefix/bin/tavrel" --help | grep -q '^Usage: tavrel' || { echo "tavrel --help"; fail=1; }
metainfo=$prefix/share/metainfo/org.tavrel.tavrel.metainfo.xml
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" || fail=1
elif command -v appstream-util >/dev/null; then
  appstream-util validate-relax --nonet "$metainfo" || fail=1
else
  echo "no AppStream validator installed; metainfo not validated"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.tavrel.tavrel.desktop" || fail=1
fi
exit $fail
