# shellcheck shell=bash
# Shared by scripts/run and scripts/test; sourced, not run.

PEL_PACKAGES=(
    cmake ninja-build g++ libgtest-dev googletest
    g++-mingw-w64-x86-64-posix
    wine wine64 xvfb xdotool imagemagick x11-utils libx11-dev
    clang python3 fonts-liberation locales
)

# Locales the end-to-end tests start the program under, to give it another
# ANSI code page (Wine takes it from the locale, and only from one the system has).
PEL_LOCALES=(ja_JP.UTF-8)

# Installs whatever is missing. A machine that has everything needs neither
# root nor the network, so a second run is quick.
pel_install_packages() {
    local missing=() package
    for package in "${PEL_PACKAGES[@]}"; do
        if ! dpkg -s "$package" 2>/dev/null | grep -q '^Status: install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        pel_make_locales
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q || return 1
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q "${missing[@]}" </dev/null || return 1
    pel_make_locales
}

# Makes each of PEL_LOCALES that the system lacks; quick when all are there.
pel_make_locales() {
    local name sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    for name in "${PEL_LOCALES[@]}"; do
        # `locale -a` spells UTF-8 as utf8.
        if ! locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}"; then
            echo "Making locale $name"
            # Without it the tests that need it say so and are skipped.
            "${sudo[@]}" localedef -i "${name%%.*}" -f "${name#*.}" "$name" ||
                echo "could not make locale $name" >&2
        fi
    done
}

# Configures (when needed) and builds the MinGW cross build in build/win64.
pel_cross_build() {
    cmake -S . -B build/win64 -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=Release &&
        ninja -C build/win64 "$@"
}

# Prints the path of a program the cross build made (each lands at the top of
# build/win64); fails when it is not there.
pel_cross_output() {
    local path="build/win64/$1"
    [ -f "$path" ] && echo "$path"
}

pel_now() {
    date +%s
}
