#!/usr/bin/env bash
# Builds the suite when needed and runs it: zelmview when a display is present, otherwise the
# zelm model on the English design example, showing its report.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh" >&2

if [ -x "$BUILD_DIR/bin/zelmview" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$BUILD_DIR/bin/zelmview"
fi

cd "$BUILD_DIR/examples"
"$BUILD_DIR/bin/zelm" hillcrest-design
cat hillcrest-design.OTR
