#!/usr/bin/env bash
# python_test.sh CMAKE BUILD_DIR SOURCE_DIR PYTHON_DIR PYTHON
# Installs the Development component of BUILD_DIR into a fresh prefix and uses the GlossButton
# Python module from there alone (PYTHON_DIR below the prefix, no library path): the example in
# examples/python with --smoke, then the module's tests.
set -euo pipefail
cmake=$1 build=$2 src=$3 pydir=$4 python=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" --component Development >"$work/install.log"
ls "$prefix/$pydir"/GlossButton*.so >/dev/null 2>&1 || fail "no GlossButton module in $prefix/$pydir"

unset LD_LIBRARY_PATH
export PYTHONPATH="$prefix/$pydir" PYTHONDONTWRITEBYTECODE=1
cd "$work"
"$python" -c 'import GlossButton, sys; sys.exit(0 if GlossButton.__file__.startswith(sys.argv[1]) else 1)' "$prefix" ||
  fail "GlossButton was not imported from the prefix"
out=$("$python" "$src/examples/python/glossbutton_demo.py" --smoke) || fail "the example failed: $out"
[ "$out" = "clicks: 3 (last: Round)" ] || fail "the example printed '$out'"
"$python" "$src/tests/install/python_bindings_test.py" -v
