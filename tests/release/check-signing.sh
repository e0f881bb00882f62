#!/usr/bin/env bash
# Signs a copy of the release with a throwaway self-signed certificate and verifies the
# Authenticode signature; the unsigned release must stay untouched.
set -euo pipefail
cd "$(dirname "$0")/../.."
work=$(mktemp -d /tmp/setup-signing.XXXXXX)
trap 'rm -rf "$work"' EXIT
before=$(sha256sum build/windows-x86/setup.exe | cut -d' ' -f1)
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Quorvane test signing" \
    -keyout "$work/key.pem" -out "$work/certificate.pem" >/dev/null 2>&1
bash scripts/sign-release.sh "$work/certificate.pem" "$work/key.pem" "$work/setup-signed.exe" >/dev/null
verified=$(osslsigncode verify -CAfile "$work/certificate.pem" -in "$work/setup-signed.exe" 2>&1) || {
    echo "$verified"
    echo "FAIL: the signature does not verify"
    exit 1
}
grep -q 'Signature verification: ok' <<<"$verified" || { echo "$verified"; echo "FAIL: no verified signature"; exit 1; }
[ "$(sha256sum build/windows-x86/setup.exe | cut -d' ' -f1)" = "$before" ] || { echo "FAIL: the release was changed"; exit 1; }
echo "signing: a signed copy verifies with osslsigncode; the unsigned release is unchanged"
