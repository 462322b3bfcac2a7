#!/usr/bin/env bash
# Installs what is missing, builds in Release with the tests and runs every
# test: the headless ones, the installation check and the real-window smoke
# test. Then builds the same sources with AddressSanitizer and
# UndefinedBehaviorSanitizer (the asan preset, in build-asan/) and runs the
# tests again under them, leaks reported. Exits non-zero when any test fails.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
qvo_install_packages

failed=()

qvo_build -DBUILD_TESTING=ON
ctest --test-dir "$QVO_BUILD" --output-on-failure --timeout 300 || failed+=("release")

cd "$QVO_ROOT"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan || failed+=("asan")

if [ ${#failed[@]} -gt 0 ]; then
    echo "scripts/test.sh: tests failed in: ${failed[*]}" >&2
    exit 1
fi
