#!/usr/bin/env bash
# docs_test.sh DOXYGEN DOCS_DIR CLASS...
# Builds the reference from DOCS_DIR/Doxyfile into a scratch folder. Fails on any Doxygen warning,
# and unless the Qt help file registers in a help collection and has a page for each CLASS (as
# qualified in the headers).
set -euo pipefail
doxygen=$1 docs=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

{ cat "$docs/Doxyfile"; echo "OUTPUT_DIRECTORY = $work"; echo "WARN_LOGFILE = $work/warnings.log"; } |
  "$doxygen" - >"$work/doxygen.out" 2>&1 || { cat "$work/doxygen.out" "$work/warnings.log" 2>/dev/null; fail "doxygen failed"; }
[ ! -s "$work/warnings.log" ] || { cat "$work/warnings.log"; fail "Doxygen warnings"; }
[ -f "$work/html/index.html" ] || fail "no HTML"
[ -f "$work/GlossButton.qch" ] || fail "no GlossButton.qch"

# Qt's help engine takes it into a collection, as Qt Creator and Qt Assistant do when it is added.
qhg=$(sed -n 's/^QHG_LOCATION *= *//p' "$docs/Doxyfile")
printf '<?xml version="1.0" encoding="utf-8" ?>\n<QHelpCollectionProject version="1.0"><docFiles><register><file>GlossButton.qch</file></register></docFiles></QHelpCollectionProject>\n' >"$work/c.qhcp"
"$qhg" "$work/c.qhcp" -o "$work/c.qhc" >"$work/qhg.out" 2>&1 || { cat "$work/qhg.out"; fail "the .qch does not register"; }
python3 -c 'import sqlite3, sys; sys.exit(0 if sqlite3.connect(sys.argv[1]).execute("SELECT COUNT(*) FROM NamespaceTable").fetchone()[0] == 1 else 1)' "$work/c.qhc" ||
  fail "the collection holds no GlossButton namespace"

# The help file's index: each class has a keyword that leads to a page of its own.
python3 - "$work/GlossButton.qch" "$@" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
pages = dict(db.execute("SELECT FileId, Name FROM FileNameTable"))
missing = []
for cls in sys.argv[2:]:
    rows = db.execute("SELECT FileId FROM IndexTable WHERE Identifier = ? OR Name = ?", (cls, cls)).fetchall()
    if not any(pages.get(r[0], "").startswith(("class", "struct")) for r in rows):
        missing.append(cls)
if missing:
    sys.exit("FAIL: no page in the .qch for " + ", ".join(missing))
print("ok: %d pages, a page for each of %d classes" % (len(pages), len(sys.argv) - 2))
PY
