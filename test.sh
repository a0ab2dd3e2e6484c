#!/usr/bin/env bash
# Builds the suite when needed and runs every test. Widgets are tested offscreen, with a
# throw-away settings folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
XDG_CONFIG_HOME="$(mktemp -d)"
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
