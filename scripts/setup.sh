#!/usr/bin/env bash
# Installs the Debian packages the suite needs (when any is missing) and builds it into build/.
# Sourced by run.sh and test.sh; BUILD_DIR and CMAKE_ARGS may be set by the caller.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

PACKAGES=(
  build-essential cmake pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libqcustomplot-dev libgl-dev
  desktop-file-utils appstream libxml2-utils man-db dpkg-dev
)

install_missing_packages() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_suite() {
  mkdir -p "$BUILD_DIR"
  cmake -S "$ROOT" -B "$BUILD_DIR" ${CMAKE_ARGS:-} > "$BUILD_DIR/configure.log" 2>&1 || {
    cat "$BUILD_DIR/configure.log"; return 1; }
  cmake --build "$BUILD_DIR" -j"$(nproc)"
}

install_missing_packages
build_suite
