#!/usr/bin/env bash
# Installs what is missing, builds in Release with the tests and runs every
# test headless. Exits non-zero when any test fails.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
qvo_install_packages
qvo_build -DBUILD_TESTING=ON
ctest --test-dir "$QVO_BUILD" --output-on-failure --timeout 300
