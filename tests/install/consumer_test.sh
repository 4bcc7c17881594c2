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
# Nothing but the libraries, their headers, the package, the renderer and the plugin.
unexpected=$(find . -type f | grep -v -E "^\./(include/GlossButton/.*\.h|lib/[^/]+\.a|lib/cmake/GlossButton/[^/]+\.cmake|bin/glossbutton-render|lib/$arch/qt6/plugins/designer/[^/]+\.so)$" || true)
[ -z "$unexpected" ] || fail "unexpected installed files: $unexpected"
for f in include/GlossButton/GlossButtonWidget.h include/GlossButton/GlossButton.h \
         lib/cmake/GlossButton/GlossButtonConfig.cmake lib/cmake/GlossButton/GlossButtonConfigVersion.cmake \
         bin/glossbutton-render; do
  [ -f "$f" ] || fail "$f not installed"
done
ls lib/$arch/qt6/plugins/designer/*.so >/dev/null 2>&1 || fail "no Designer plugin under lib/$arch/qt6/plugins/designer"
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
"$cmake" -S "$src" -B "$work/consumer" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$prefix" \
  "${launcher[@]}" >"$work/configure.log" || { cat "$work/configure.log"; fail "consumer does not configure"; }
"$cmake" --build "$work/consumer" >"$work/build.log" 2>&1 || { cat "$work/build.log"; fail "consumer does not build"; }
out=$("$work/consumer/consumer" --smoke) || fail "consumer run failed: $out"
[ "$out" = "clicks: 3 (last: Round)" ] || fail "consumer printed '$out'"
"$work/consumer/consumer-core" || fail "consumer-core failed"
echo "ok: installed into $prefix and built the consumer against it"
