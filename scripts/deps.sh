#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need; does nothing when all are present.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libjpeg62-turbo-dev libgtest-dev libbenchmark-dev fonts-dejavu-core
    xvfb xauth openbox xdotool x11-utils
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    if [[ $status != "install ok installed" ]]; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    echo "deps: all ${#packages[@]} packages are installed, nothing to do."
    exit 0
fi

if ((EUID == 0)); then
    apt_get=(env DEBIAN_FRONTEND=noninteractive apt-get)
elif command -v sudo >/dev/null; then
    # sudo drops the caller's environment, so the frontend is passed on the command line.
    apt_get=(sudo env DEBIAN_FRONTEND=noninteractive apt-get)
else
    echo "deps: missing ${missing[*]}; run as root or install sudo." >&2
    exit 1
fi

echo "deps: installing ${missing[*]}"
"${apt_get[@]}" update
"${apt_get[@]}" install -y "${missing[@]}"
