#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
qvo_install_packages
qvo_build -DBUILD_TESTING=OFF
exec "$QVO_BUILD/bin/qv-orbalin"
