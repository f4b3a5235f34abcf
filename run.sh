#!/usr/bin/env bash
# Builds Termora (installing what it needs) and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
termora_install_packages
termora_build "$TERMORA_ROOT/build"
exec "$TERMORA_ROOT/build/bin/termora"
