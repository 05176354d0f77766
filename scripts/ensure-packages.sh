#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are not installed yet.
# Packages with an ":i386" suffix bring in the i386 architecture first.
set -euo pipefail

missing=()
for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root, or install them)" >&2
    exit 1
fi
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
   ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# A mirror caught mid-sync fails one index or another; the install below still
# works from the lists that did arrive, and says so itself when it cannot.
apt-get update -qq || echo "apt-get update failed for some lists; installing from those it has" >&2
apt-get install -y -qq "${missing[@]}"
