#!/usr/bin/env bash
# Plays the walkthrough session and copies six of its pictures into docs/screenshots,
# where the README shows them, and the column's results window and the study window (the
# weir height from 0.02 to 0.08 m) of the bubble-cap variant as the variant runner
# pictures them. Needs a build (bash scripts/build build).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$build/tools/walkthrough" "$out" >/dev/null
mkdir -p docs/screenshots
cp "$out"/*-start-screen.png docs/screenshots/start-screen.png
cp "$out"/*-kinetic-line-table.png docs/screenshots/kinetic-line-table.png
cp "$out"/*-tray-by-tray-table.png docs/screenshots/tray-by-tray-table.png
cp "$out"/*-report-tray-by-tray-1.png docs/screenshots/report-tray-by-tray.png
cp "$out"/*-diagram-tray-by-tray.png docs/screenshots/diagram-tray-by-tray.png
cp "$out"/*-reflux-study.png docs/screenshots/reflux-study.png
"$build/tools/variant-run" tools/variants/bubble-cap.txt "$out/variant" --study p36:0.02:0.08:41 >/dev/null
cp "$out"/variant/column.png docs/screenshots/column-results.png
cp "$out"/variant/study.png docs/screenshots/input-study.png
ls -l docs/screenshots
