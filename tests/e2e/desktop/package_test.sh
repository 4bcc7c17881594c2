#!/usr/bin/env bash
# The Debian package as a user gets it: built by CPack from BUILD, accepted by Debian's checker
# (lintian: no error, no warning), unpacked into a scratch root (dpkg -x), its files checked by the
# desktop's own validators, and the program started from there under Xvfb until it shows the portal. The installed program's address is compiled in (port 8421):
# when another portal holds that port the start is not checked (exit 77).
#   package_test.sh BUILD SAMPLE_PORTAL BACKGROUND_BMP
set -euo pipefail
build=$1 portal=$2 background=$3
. "$(dirname "$0")/lib.sh"

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || fail "no package version in $build/CPackConfig.cmake"
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
  fail "cpack failed: $(tail -20 "$work/cpack.log")"
deb="$work/out/korvane_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb: $(ls "$work/out")"
ok "built $(basename "$deb")"

# Tags go to the output; the errors stream holds only lintian's own notes (running as root).
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>"$work/lintian.err" ||
  fail "lintian failed: $(cat "$work/lintian.log" "$work/lintian.err")"
[ ! -s "$work/lintian.log" ] || fail "lintian: $(cat "$work/lintian.log")"
ok "lintian reports nothing"

# Computed dependencies: the Qt libraries the program links, plus the engine's run-time parts.
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6webenginecore6 libqt6widgets6 libc6 libqt6webenginecore6-bin; do
  grep -qE "(^|, )$d( |,|$)" <<<"$depends" || fail "Depends lacks $d: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = korvane ] || fail "package name: $(dpkg-deb -f "$deb" Package)"

root="$work/root"
dpkg -x "$deb" "$root"
(cd "$root" && find . -type f | sort) >"$work/files"
# The program is stripped; its symbols are in the separate debug package beside it.
for f in usr/games/korvane usr/lib/games/korvane/korvane-panes.so; do
  file "$root/$f" | grep -q ', stripped' || fail "the packaged $f is not stripped"
done
# The window comes up before the web engine's libraries are loaded: only the module links them.
! readelf -d "$root/usr/games/korvane" | grep -q 'NEEDED.*WebEngine' ||
  fail "the program links the web engine: $(readelf -d "$root/usr/games/korvane" | grep NEEDED)"
readelf -d "$root/usr/lib/games/korvane/korvane-panes.so" | grep -q 'NEEDED.*libQt6WebEngineCore' ||
  fail "the pane module does not link the web engine"
[ -f "$work/out/korvane-dbgsym_${version}_amd64.ddeb" ] || fail "no debug package: $(ls "$work/out")"
for f in ./usr/games/korvane ./usr/lib/games/korvane/korvane-panes.so ./usr/share/applications/korvane.desktop ./usr/share/man/man6/korvane.6.gz \
         ./usr/share/doc/korvane/copyright ./usr/share/doc/korvane/changelog.gz \
         ./usr/share/icons/hicolor/64x64/apps/korvane.png ./usr/share/icons/hicolor/256x256/apps/korvane.png \
         ./usr/share/metainfo/org.korvane.Korvane.metainfo.xml; do
  grep -qxF "$f" "$work/files" || fail "the package lacks $f"
done
! grep -qE 'sample-portal|\.a$|\.h$|/include/|/cmake/|designer' "$work/files" ||
  fail "the package holds more than the program: $(grep -E 'sample-portal|\.a$|\.h$|/include/|/cmake/|designer' "$work/files")"
[ "$(identify -format %wx%h "$root/usr/share/icons/hicolor/256x256/apps/korvane.png")" = 256x256 ] || fail "256 px icon is not 256 x 256"
desktop-file-validate "$root/usr/share/applications/korvane.desktop" || fail "desktop entry refused"
grep -qx 'Categories=Game;' "$root/usr/share/applications/korvane.desktop" || fail "desktop entry is not in Game"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.korvane.Korvane.metainfo.xml" >"$work/as.log" 2>&1 ||
  fail "metainfo refused: $(cat "$work/as.log")"
ok "package files: program, its pane module, desktop entry, icons and metainfo, all valid; nothing else"

if ! start_portal 8421; then
  echo "SKIP: port 8421 is taken; the installed program's start was not checked"
  exit 77
fi
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
mark
start "$root/usr/games/korvane"
installed=$run_pid
wait_portal 'seen\?visits=1' || fail "the installed program never showed the start page: $(cat "$run_err")"
wait_window || fail "the installed program has no window"
# Its first portal frame: the pane no longer shows the background's loading frame.
convert "$background" -crop 200x300+4+40 +repage "$work/loading.png"
shown=0
for _ in $(seq 100); do
  import -window root -crop 200x300+607+137 +repage "$work/shot.png"
  diff=$(compare -metric AE "$work/shot.png" "$work/loading.png" null: 2>&1 || true)
  [ "${diff%% *}" -gt 20000 ] 2>/dev/null && { shown=1; break; }
  sleep 0.2
done
[ $shown = 1 ] || fail "the installed program's portal pane still shows the loading frame"
close_button
wait_end $installed || fail "the installed program did not end at its close button"
[ "$status" = 0 ] || fail "the installed program ended with $status"
ok "the installed program painted the portal and closed"
