#!/usr/bin/env bash
# Signs a copy of the release with Authenticode. The unsigned build/windows-x86/setup.exe stays
# as it is: it is the reproducible artifact, and the signature goes on a copy.
#   usage: scripts/sign-release.sh CERTIFICATE.pem KEY.pem [SIGNED.exe] [TIMESTAMP-URL]
#   CERTIFICATE.pem may hold the whole chain; KEY.pem is asked for its pass phrase if it has one
#   (or give it in SIGN_PASSWORD).
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 2 ] || { sed -n '2,7p' "$0"; exit 2; }
. scripts/ensure-packages.sh
EnsurePackages osslsigncode
certificate=$1 key=$2 signed=${3:-build/windows-x86/setup-signed.exe} timestamp=${4:-}
release=build/windows-x86/setup.exe
[ -f "$release" ] || { echo "build the release first: bash scripts/build-release.sh --no-demo"; exit 1; }
options=(-certs "$certificate" -key "$key" -h sha256 -n "Quorvane Server 12 update")
[ -n "${SIGN_PASSWORD:-}" ] && options+=(-pass "$SIGN_PASSWORD")
[ -n "$timestamp" ] && options+=(-ts "$timestamp")
rm -f "$signed"
osslsigncode sign "${options[@]}" -in "$release" -out "$signed" >/dev/null
echo "signed:  $signed"
echo "sha256:  $(sha256sum "$signed" | cut -d' ' -f1)"
