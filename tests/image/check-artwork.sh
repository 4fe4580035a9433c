#!/usr/bin/env bash
# check-artwork.sh <orvantis-artwork> <image-dir>
#
# Redraws all artwork into a fresh folder and insists that the committed
# pictures are exactly what the generator draws: same bytes, none missing,
# none left over, and each one compiled into the resources.
set -uo pipefail

generator="$1"
committed="$2"
resources="$committed/CMakeLists.txt"

out="$(mktemp -d "${TMPDIR:-/tmp}/artwork-check.XXXXXX")"
trap 'rm -rf "$out"' EXIT

export QT_QPA_PLATFORM=offscreen
if ! "$generator" "$out" >"$out.log" 2>&1; then
    echo "FAIL: $generator exited with an error:" >&2
    cat "$out.log" >&2
    rm -f "$out.log"
    exit 1
fi
rm -f "$out.log"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

checked=0
while IFS= read -r -d '' f; do
    rel="${f#"$out/"}"
    checked=$((checked + 1))
    if [[ ! -f "$committed/$rel" ]]; then
        fail "image/$rel is drawn by the generator but not committed"
    elif ! cmp -s "$f" "$committed/$rel"; then
        fail "image/$rel differs from what the generator draws"
    fi
    if ! grep -qF "\"$rel\"" "$resources"; then
        fail "image/$rel is not listed in image/CMakeLists.txt, so the program cannot load it"
    fi
done < <(find "$out" -type f -print0 | sort -z)

while IFS= read -r -d '' f; do
    rel="${f#"$committed/"}"
    [[ -f "$out/$rel" ]] || fail "image/$rel is committed but the generator no longer draws it"
done < <(find "$committed/watermarkimages" "$committed/ferravel_images" -type f -name '*.png' -print0 2>/dev/null | sort -z)

if ((checked == 0)); then
    fail "the generator wrote no files"
fi

if ((failures > 0)); then
    echo "$failures problem(s) in $checked generated files; run scripts/make-artwork and commit the result" >&2
    exit 1
fi
echo "artwork: all $checked generated files match the committed ones"
