#!/bin/sh
# Brings the translations up to date with the texts in the code:
#   translations/lupdate.sh           adds new texts to canquorvex_ru.ts and canquorvex_en.ts (to be
#                                     translated with Qt Linguist) and drops those no longer used
#   translations/lupdate.sh --check   changes nothing; fails when a text of the code is missing from a
#                                     translation or a translation has an unfinished entry
set -eu
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$LUPDATE" ] || LUPDATE=$(command -v lupdate)
# Every folder with texts the user reads; tests, fuzzers and benchmarks are not translated.
folders="app bushealth can core device monitor params profile serial session sim slcan slcandll
         socketcand tools/cli trace traceview trend ui"
ts="canquorvex_ru.ts canquorvex_en.ts"

run() { # $1: folder of the .ts files to update
    (cd "$top" && "$LUPDATE" -silent -I "$top" -locations none -no-obsolete -no-ui-lines $folders \
        -ts $(for t in $ts; do echo "$1/$t"; done))
    # The English of a text written in English is the text itself: such entries of the English
    # translation are finished with their source. What needs an English translator is left
    # unfinished: the fixed captions (some are Russian) and texts with plural forms (%n).
    python3 - "$1/canquorvex_en.ts" <<'PY'
import re, sys
path = sys.argv[1]
text = open(path, encoding="utf-8").read()
def context(m):
    if "<name>FixedCaption</name>" in m.group(0):
        return m.group(0)
    return re.sub(r'(<message>\s*<source>([^<]*)</source>(?:\s*<(comment|extracomment)>[^<]*</\3>)*\s*)'
                  r'<translation type="unfinished">[^<]*</translation>',
                  lambda x: x.group(1) + "<translation>" + x.group(2) + "</translation>", m.group(0))
new = re.sub(r"<context>.*?</context>", context, text, flags=re.S)
if new != text:
    open(path, "w", encoding="utf-8").write(new)
PY
}

if [ "${1:-}" != "--check" ]; then
    run "$here"
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for t in $ts; do cp "$here/$t" "$work/$t"; done
run "$work" >/dev/null
bad=0
for t in $ts; do
    n=$(grep -c 'type="unfinished"' "$work/$t" || true)
    if [ "$n" -ne 0 ]; then
        echo "translations/$t: $n text(s) without a finished translation:" >&2
        # The source texts of the unfinished entries (the line before each unfinished translation).
        grep -B1 'type="unfinished"' "$work/$t" | grep -o '<source>.*</source>' | sed 's/^/  /' | head -40 >&2
        bad=1
    fi
done
[ "$bad" -eq 0 ] && echo "translations: every text of the code is translated (ru, en)"
exit "$bad"
