#!/usr/bin/env bash
# Signs a release file for the update check: prints the Ed25519 signature, in hex, to put in
# the product-information page as <META HTTP-EQUIV="signature" CONTENT="...">.
#
#   scripts/sign-release.sh PRIVATE-KEY.pem FILE
#
# The private key stays outside the repository. To make one, once:
#   openssl genpkey -algorithm ed25519 -out quennary-release.pem
# and put its public half (printed by `scripts/sign-release.sh --public KEY.pem`) into
# ReleasePublicKey() in update/web_file_info.cpp.
set -euo pipefail
if [ "${1:-}" = "--public" ]; then
  openssl pkey -in "$2" -pubout -outform DER | tail -c 32 | xxd -p -c 64
  exit 0
fi
[ $# -eq 2 ] || { echo "usage: $0 PRIVATE-KEY.pem FILE | --public PRIVATE-KEY.pem" >&2; exit 2; }
openssl pkeyutl -sign -inkey "$1" -rawin -in "$2" | xxd -p -c 128
