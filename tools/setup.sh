# Shared by ./run and ./test: installs what the build needs on a fresh Debian machine.
# Sourced, not run.

vemtor_packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
                 fonts-liberation2)

# Installs the packages of the build and the given ones that are missing.
vemtor_install_missing() {
    local missing=()
    for package in "${vemtor_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installerar: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    # The package lists once per script: ./test installs in three rounds on a fresh machine.
    if [ -z "${vemtor_lists_updated:-}" ]; then
        $sudo apt-get update -qq
        vemtor_lists_updated=1
    fi
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# clang, and the runtime of its sanitizers and libFuzzer for the version that is installed.
vemtor_install_clang() {
    vemtor_install_missing clang
    local major
    major=$(clang -dumpversion | cut -d. -f1)
    vemtor_install_missing "libclang-rt-$major-dev"
}

# True when Qt has somewhere to show windows.
vemtor_has_display() {
    [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]
}
