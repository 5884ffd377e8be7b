# shellcheck shell=bash
# Shared by scripts/run and scripts/test; sourced, not run.

# What each part of the work needs, as Debian packages and as the commands
# that show it present where there is no dpkg to ask:
#   native  the portable core and its GoogleTests, built with g++
#   fuzz    the libFuzzer targets (clang)
#   cross   the Windows program, the probe and the Win32 tests, with MinGW-w64
#   run     the Windows program under Wine on a private X display
#   e2e     run, plus what the end-to-end tests build and the locales they use
#   package the portable zip
declare -gA PEL_STAGE_PACKAGES=(
    [native]="cmake ninja-build g++ libgtest-dev googletest"
    [fuzz]="clang"
    [cross]="cmake ninja-build g++-mingw-w64-x86-64-posix googletest"
    [run]="wine wine64 xvfb xdotool imagemagick x11-utils python3 fonts-liberation"
    [e2e]="wine wine64 xvfb xdotool imagemagick x11-utils python3 fonts-liberation
           gcc libx11-dev locales"
    [package]="g++-mingw-w64-x86-64-posix python3"
)
declare -gA PEL_STAGE_TOOLS=(
    [native]="cmake ninja g++"
    [fuzz]="clang++"
    [cross]="cmake ninja x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres"
    [run]="wine wineserver Xvfb xdotool xdpyinfo xprop convert import python3"
    [e2e]="wine wineserver Xvfb xdotool xdpyinfo xprop convert import python3 cc"
    [package]="x86_64-w64-mingw32-objdump python3"
)

# Locales the end-to-end tests start the program under, to give it another
# ANSI code page (Wine takes it from the locale, and only from one the system has).
PEL_LOCALES=(ja_JP.UTF-8)

# pel_install_packages STAGE...: installs whatever the named stages (see
# PEL_STAGE_PACKAGES) lack. A machine that has everything needs neither root
# nor the network, so a second run is quick. Without dpkg nothing is installed:
# the missing commands are named and the call fails, so that the run stops
# before a build that could not work.
pel_install_packages() {
    local stage word packages=() tools=()
    local -A seen=()
    for stage in "$@"; do
        if [ -z "${PEL_STAGE_PACKAGES[$stage]+set}" ]; then
            echo "pel_install_packages: no stage $stage" >&2
            return 1
        fi
        for word in ${PEL_STAGE_PACKAGES[$stage]}; do
            [ -n "${seen[p:$word]+set}" ] || packages+=("$word")
            seen[p:$word]=1
        done
        for word in ${PEL_STAGE_TOOLS[$stage]}; do
            [ -n "${seen[t:$word]+set}" ] || tools+=("$word")
            seen[t:$word]=1
        done
    done
    if ! command -v dpkg >/dev/null 2>&1; then
        pel_check_tools "${tools[@]}" || return 1
    else
        pel_install_debian_packages "${packages[@]}" || return 1
    fi
    if [ -n "${seen[p:locales]+set}" ]; then
        pel_make_locales
    fi
}

# Names every command of the arguments that is not on PATH; fails if any is not.
pel_check_tools() {
    local tool missing=()
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    if [ ${#missing[@]} -ne 0 ]; then
        echo "No dpkg to install packages with, and these commands are missing: ${missing[*]}" >&2
        echo "Install them with the system's package manager and run again." >&2
        return 1
    fi
}

pel_install_debian_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg -s "$package" 2>/dev/null | grep -q '^Status: install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q || return 1
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q "${missing[@]}" </dev/null
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
