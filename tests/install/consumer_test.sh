#!/usr/bin/env bash
# consumer_test.sh CMAKE BUILD_DIR CONSUMER_SRC MULTIARCH
# Installs the Development component of BUILD_DIR into a fresh prefix, checks what landed there,
# then configures, builds and runs the consumer example against that prefix only.
set -euo pipefail
cmake=$1 build=$2 src=$3 arch=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

"$cmake" --install "$build" --prefix "$prefix" --component Development >"$work/install.log"

fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$prefix"
# Nothing but the libraries, their headers, the package, the renderer, the plugins and the Python module.
unexpected=$(find . -type f | grep -v -E "^\./(include/GlossButton/.*\.h|lib/[^/]+\.a|lib/libGlossButtonWidget\.so\.[0-9.]+|lib/cmake/GlossButton/[^/]+\.cmake|bin/glossbutton-render|lib/$arch/qt6/plugins/designer/[^/]+\.so|lib/python3/dist-packages/GlossButton[^/]*\.so|lib/qml/GlossButton/(qmldir|korvane_quick\.qmltypes|libglossbuttonplugin\.so))$" || true)
[ -z "$unexpected" ] || fail "unexpected installed files: $unexpected"
# The widget's public face: its own header, the version and export headers, nothing of the host.
[ ! -e include/GlossButton/host ] || fail "the Qt host's internal headers are installed"
# The Qt-free core's public face: the control, its host, window, bag and value types, no more.
[ ! -e include/GlossButton/hook ] || fail "the subclass engine's headers are installed"
[ ! -e include/GlossButton/glossbutton/render/Surface.h ] || fail "the drawing surface's header is installed"
core_headers=$(find include/GlossButton/glossbutton include/GlossButton/platform -name '*.h' | wc -l)
[ "$core_headers" -le 11 ] || fail "$core_headers core headers installed, more than the public face"
widget_includes=$(grep -hoE '#include [<"][^>"]+[>"]' include/GlossButton/GlossButtonWidget.h | grep -v -E '<Q[A-Za-z]*>|<memory>|<GlossButton/(GlossButtonVersion|glossbutton_widget_export)\.h>' || true)
[ -z "$widget_includes" ] || fail "GlossButtonWidget.h includes $widget_includes"
for f in include/GlossButton/GlossButtonWidget.h include/GlossButton/GlossButton.h \
         include/GlossButton/GlossButtonVersion.h include/GlossButton/glossbutton_widget_export.h \
         lib/cmake/GlossButton/GlossButtonConfig.cmake lib/cmake/GlossButton/GlossButtonConfigVersion.cmake \
         bin/glossbutton-render; do
  [ -f "$f" ] || fail "$f not installed"
done
ls lib/$arch/qt6/plugins/designer/*.so >/dev/null 2>&1 || fail "no Designer plugin under lib/$arch/qt6/plugins/designer"
[ -L lib/libGlossButtonWidget.so.0 ] || fail "the shared widget library has no SONAME link"
# Installed headers name only installed headers.
if grep -rhoE '#include "[^"]+"' include/GlossButton | sed -E 's/#include "(.*)"/\1/' | sort -u |
    while read -r h; do [ -f "include/GlossButton/$h" ] || echo "$h"; done | grep .; then
  fail "installed headers include files that are not installed"
fi
# The package must not point back into the source or build tree.
root=$(cd "$src/../.." && pwd)
if grep -rlF -e "$root" -e "$build" lib/cmake/GlossButton; then fail "package refers to the build or source tree"; fi

launcher=()
[ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER")
# The same consumer against the static widget library and, with BUILD_SHARED_LIBS, the shared one.
for kind in static shared; do
  out_dir=$work/consumer-$kind
  shared=OFF
  [ "$kind" = shared ] && shared=ON
  "$cmake" -S "$src" -B "$out_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$prefix" \
    -DBUILD_SHARED_LIBS=$shared "${launcher[@]}" >"$work/configure.log" ||
    { cat "$work/configure.log"; fail "consumer ($kind) does not configure"; }
  "$cmake" --build "$out_dir" >"$work/build.log" 2>&1 || { cat "$work/build.log"; fail "consumer ($kind) does not build"; }
  needs=$(readelf -d "$out_dir/consumer" | grep -c 'libGlossButtonWidget.so.0' || true)
  [ "$kind" = shared ] && [ "$needs" -ne 1 ] && fail "the shared consumer does not load libGlossButtonWidget.so.0"
  [ "$kind" = static ] && [ "$needs" -ne 0 ] && fail "the static consumer loads libGlossButtonWidget.so.0"
  out=$("$out_dir/consumer" --smoke) || fail "consumer ($kind) run failed: $out"
  [ "$out" = "clicks: 3 (last: Round)" ] || fail "consumer ($kind) printed '$out'"
done
out=$("$work/consumer-static/consumer-core") || fail "consumer-core failed: $out"
[ "$out" = "clicks: 1, image: 100x30" ] || fail "consumer-core printed '$out'"
echo "ok: installed into $prefix and built the consumer against it, static and shared"
