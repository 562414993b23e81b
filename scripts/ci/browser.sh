#!/usr/bin/env bash
# The venue's pages in Debian's Chromium (Playwright, pinned by tests/browser/package-lock.json):
# five judges' pads and the referee's screen against merrith-cli serve on 127.0.0.1. Then the
# seat cards, photographed by Chromium, are read back by a QR reader (zbarimg): every card's code
# holds its seat's address. With MERRITH_SCREENSHOTS=FOLDER the pad and the referee's screen are
# photographed there, and the scoreboard and the live results after the round.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/deps core browser

# The Linux build of scripts/test's ci stage, configured here when this stage runs alone.
[[ -f build/ci/CMakeCache.txt ]] || cmake --preset ci >/dev/null
cmake --build --preset ci --target merrith-cli >/dev/null
cli=$PWD/build/ci/app/merrith-cli
(cd tests/browser && MERRITH_CLI="$cli" npx --no-install playwright test)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp tests/ui/synchro_pair.txt "$work/pair.txt"
printf 'Event: synchro-women-3m\nPanel: 11\n\nDiver: Ann Example / Bea Example\nSheet: pair.txt\n' \
  >"$work/final.txt"
"$cli" serve --address 127.0.0.1 --port 0 --cards "$work/cards.htm" "$work/final.txt" \
  >"$work/listening.json" 2>/dev/null &
server=$!
for _ in $(seq 100); do [[ -s "$work/listening.json" ]] && break; sleep 0.1; done
kill -TERM "$server"
wait "$server"
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --window-size=1000,2200 --screenshot="$work/cards.png" "file://$work/cards.htm" 2>/dev/null
zbarimg -q --raw "$work/cards.png" 2>/dev/null | sort >"$work/read.txt"
grep -o '"url":"[^"]*#[^"]*"\|"referee":"[^"]*"' "$work/listening.json" |
  sed 's/^"[a-z]*":"//; s/"$//' | sort >"$work/written.txt"
diff "$work/written.txt" "$work/read.txt"
echo "seat cards: $(wc -l <"$work/read.txt") QR codes read back as their seats' addresses"
