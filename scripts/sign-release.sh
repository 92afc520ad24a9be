#!/usr/bin/env bash
# Signs a release file for the update check and prints the line for the product-information
# page: <META HTTP-EQUIV="signature" CONTENT="...128 hex digits...">
#
#   scripts/sign-release.sh PRIVATE-KEY.pem FILE
#   scripts/sign-release.sh --public PRIVATE-KEY.pem    # the 32 public bytes, in hex
#
# The private key is kept outside the repository (the script refuses one inside it). To make
# one, once:
#   openssl genpkey -algorithm ed25519 -out ~/quennary-release.pem
# and put its public half (from --public) into ReleasePublicKey() in update/web_file_info.cpp.
# Needs the openssl and xxd commands.
set -euo pipefail

usage() { echo "usage: $0 PRIVATE-KEY.pem FILE | --public PRIVATE-KEY.pem" >&2; exit 2; }

public_hex() { openssl pkey -in "$1" -pubout -outform DER | tail -c 32 | xxd -p -c 64; }

if [ "${1:-}" = "--public" ]; then
  [ $# -eq 2 ] || usage
  public_hex "$2"
  exit 0
fi
[ $# -eq 2 ] || usage
key=$1
file=$2
[ -f "$key" ] || { echo "no key file: $key" >&2; exit 2; }
[ -f "$file" ] || { echo "no file to sign: $file" >&2; exit 2; }

# A private key inside the work tree is one "git add -A" away from being published.
repo=$(cd "$(dirname "$0")/.." && pwd -P)
keydir=$(cd "$(dirname "$key")" && pwd -P)
case "$keydir/" in
  "$repo"/*) echo "refusing a private key inside the repository: keep it elsewhere" >&2; exit 2 ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
openssl pkeyutl -sign -inkey "$key" -rawin -in "$file" -out "$work/sig"
# Checked with the public half before anyone publishes it.
openssl pkey -in "$key" -pubout -out "$work/pub.pem"
openssl pkeyutl -verify -pubin -inkey "$work/pub.pem" -rawin -in "$file" \
  -sigfile "$work/sig" >/dev/null
echo "<META HTTP-EQUIV=\"signature\" CONTENT=\"$(xxd -p -c 128 "$work/sig")\">"
