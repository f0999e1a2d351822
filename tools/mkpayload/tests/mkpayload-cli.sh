#!/bin/bash
# mkpayload from the command line: pack, list and extract a small folder with
# Chinese names; refuse a hostile archive, a truncated one and a name GBK
# cannot write, each with a non-zero exit and a message.
set -euo pipefail
MK="$1"
T="$(mktemp -d)"
trap 'rm -rf "$T"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$T/in/Qelvane/Config" "$T/in/Qelvane/Users" "$T/in/Qelvane/文档/深/层"
printf '<users/>' > "$T/in/Qelvane/Config/LogedinUsers.XML"
printf '[user]\n' > "$T/in/Qelvane/Users/default.ini"
: > "$T/in/Qelvane/empty.dat"
printf 'read me\n' > "$T/in/Qelvane/readme.txt"
printf '说明' > "$T/in/Qelvane/文档/深/层/说明.txt"

"$MK" "$T/in" -o "$T/p.bin"
[ "$(head -c 2 "$T/p.bin" | od -An -tx1 | tr -d ' ')" = 789c ] || fail "not a zlib stream of the default level"

"$MK" --list "$T/p.bin" > "$T/list.txt"
printf '%s\t%s\n' 'Qelvane\Config\LogedinUsers.XML' 8 'Qelvane\Users\default.ini' 7 'Qelvane\empty.dat' 0 \
  'Qelvane\readme.txt' 8 'Qelvane\文档\深\层\说明.txt' 6 > "$T/expected.txt"
diff "$T/expected.txt" "$T/list.txt" || fail "listing differs"

"$MK" --extract "$T/p.bin" "$T/out"
diff -r "$T/in" "$T/out" || fail "extracted files differ"

# Truncated stream.
head -c 40 "$T/p.bin" > "$T/short.bin"
if "$MK" --extract "$T/short.bin" "$T/short" 2> "$T/err.txt"; then fail "truncated archive extracted"; fi
grep -q 'damaged or truncated' "$T/err.txt" || fail "no message for a truncated archive: $(cat "$T/err.txt")"
[ ! -e "$T/short" ] || fail "something was written for a truncated archive"

# A hostile archive: one entry "..\evil.txt", packed by hand as a zlib stream
# with one stored deflate block (header 78 01, block 01 LEN ~LEN, Adler-32).
raw='\x01\x00''\x0b\x00\x10\x00\x00\x00\x04\x00\x00\x00\x1b\x00\x00\x00''..\\evil.txt''evil'
a=1 b=0
for byte in $(printf "$raw" | od -An -tu1 -v); do
  a=$(((a + byte) % 65521))
  b=$(((b + a) % 65521))
done
{
  printf '\x78\x01\x01\x1f\x00\xe0\xff'
  printf "$raw"
  printf "\\x$(printf %02x $((b >> 8)))\\x$(printf %02x $((b & 255)))"
  printf "\\x$(printf %02x $((a >> 8)))\\x$(printf %02x $((a & 255)))"
} > "$T/evil.bin"
mkdir "$T/victim"
if "$MK" --extract "$T/evil.bin" "$T/victim/inside" 2> "$T/err.txt"; then fail "hostile archive extracted"; fi
grep -q 'refused.*"\.\." component' "$T/err.txt" || fail "no refusal message: $(cat "$T/err.txt")"
[ -z "$(ls -A "$T/victim")" ] || fail "something was written for a hostile archive"

# A name GBK cannot write.
mkdir -p "$T/bad/Qelvane"
printf x > "$T/bad/Qelvane/smile-😀.txt"
if "$MK" "$T/bad" -o "$T/bad.bin" 2> "$T/err.txt"; then fail "unencodable name packed"; fi
grep -q 'smile-😀.txt: the name cannot be written in GBK' "$T/err.txt" || fail "no message naming the file: $(cat "$T/err.txt")"
[ ! -e "$T/bad.bin" ] && [ ! -e "$T/bad.bin.part" ] || fail "output left behind"
echo "mkpayload pack, list, extract and refusals: ok"
