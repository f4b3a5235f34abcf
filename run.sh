#!/usr/bin/env bash
# Builds Termora (installing what it needs) and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
termora_install_packages
termora_build "$TERMORA_ROOT/build"
if [ -x "$TERMORA_ROOT/build/bin/termora" ]; then
  exec "$TERMORA_ROOT/build/bin/termora"
fi
# Until the window exists, show the dictionary at work in the terminal.
exec "$TERMORA_ROOT/build/bin/termora-lookup" "${1:-ram}"
