#!/bin/sh
# Compiles a manifest, dumps the document (Binary values as files, then as
# hex:) and compiles the dumps again: every document must be byte-identical.
#   roundtrip.sh SKINC SKINDUMP MANIFEST WORKDIR
set -eu
skinc=$1 skindump=$2 manifest=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
"$skinc" "$manifest" -o "$work/a.skin"

"$skindump" "$work/a.skin" --files "$work/files" -o "$work/files.manifest"
"$skinc" "$work/files.manifest" -o "$work/b.skin"
cmp "$work/a.skin" "$work/b.skin"

(cd "$work" && "$skindump" a.skin >hex.manifest)
"$skinc" "$work/hex.manifest" -o "$work/c.skin"
cmp "$work/a.skin" "$work/c.skin"

# The dump of a recompiled document is the same text.
"$skindump" "$work/c.skin" -o "$work/hex2.manifest"
cmp "$work/hex.manifest" "$work/hex2.manifest"
echo "round trip of $manifest: $(wc -c <"$work/a.skin") bytes identical"
