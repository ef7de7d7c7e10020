#!/usr/bin/env bash
# Rewrites the golden drawing dumps and machine passes from the current code. Review
# `git diff tests/golden` before committing: a golden change is a change of what the program
# draws or of the passes it gives the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
BRONTAXE_ACCEPT_GOLDEN=1 build/bin/brontaxe_tests --gtest_filter='Golden*' >/dev/null
git status --short tests/golden
