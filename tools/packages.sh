# Sourced by the set-up scripts: install_missing PACKAGE... installs through apt-get what
# a fresh Debian 12 machine lacks (as root, or with sudo).
install_missing() {
    local missing=() p sudo=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}

# The Hunspell dictionaries the program folder ships (CMakeLists.txt copies them there).
hunspell_packages=(hunspell-cs hunspell-da hunspell-de-de-frami hunspell-en-us hunspell-es
                   hunspell-fr-classical hunspell-it hunspell-nl hunspell-pl hunspell-sv)
