#!/bin/sh
# Checks the compiled default skin against the vocabulary, once the skin's
# real source has replaced the placeholder manifest.
#   check-default-skin.sh SKINDUMP MANIFEST DOC
set -eu
if head -n 1 "$2" | grep -q '^# placeholder'; then
  echo "the default skin is still the placeholder"
  exit 77
fi
exec "$1" --check "$3"
