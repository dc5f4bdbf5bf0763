#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Sourced by run.sh and test.sh; pass extra package names as arguments.
ensure_packages() {
    local wanted=(cmake g++ ninja-build pkg-config fonts-dejavu-core
                  qt6-base-dev qt6-base-dev-tools libgl-dev
                  libgtest-dev libgmock-dev "$@")
    local missing=()
    local p
    for p in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Missing packages (${missing[*]}) and not root: install them and run again." >&2
            return 1
        fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq || true
    "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
