# Shared by scripts/run and scripts/test: installs the Debian packages that
# Tessaly needs, skipping those already present. Source it, then call
# ensure_packages NAME...
# ccache and lld are optional to the build, which uses them when present
# (cmake/Build_Speed.cmake); a second checkout on the machine reuses ccache's
# objects, and lld links several times faster than GNU ld.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libxcb1-dev
                fonts-liberation fonts-comic-neue ccache lld)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang-format qt6-base-private-dev
               xvfb xauth x11-apps imagemagick dbus-daemon)
# clang-14 builds the sanitized tests and the fuzz targets, with its libFuzzer
# and sanitizer runtimes; llvm-14's symbolizer names the lines in a report.
CLANG_PACKAGES=(clang-14 libclang-rt-14-dev llvm-14)
CLANG_SYMBOLIZER=/usr/lib/llvm-14/bin/llvm-symbolizer

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
