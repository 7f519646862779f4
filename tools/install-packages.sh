# The Debian packages Ornel needs to build, run and be tested, installed
# when missing.  Sourced by ./ornel.sh and ./test.sh; as root it installs,
# otherwise it names what is missing and stops.
#
# tzdata: the tests set TZ=Asia/Tokyo, which without the zone files would
# silently be UTC.  jlha-utils: an LHA archiver ("lha"), so the tests can
# read archives packed the way users' archives are.  tmux: a terminal the
# tests run the terminal front end in.
ornel_packages=(g++ cmake ninja-build pkg-config libgtest-dev liblhasa-dev libncurses-dev tzdata jlha-utils tmux)
# The Windows build, for the tests only: MinGW-w64 (posix threads) cross
# compiles it, Wine runs it under the ja_JP.UTF-8 locale.
ornel_windows_packages=(g++-mingw-w64-x86-64-posix wine wine64 locales)

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "$1: $2 (run as root to install them)" >&2
    exit 1
  fi
}

install_missing_packages() {
  local who=$1
  local missing=($(missing_packages "${ornel_packages[@]}"))
  if [ ${#missing[@]} -gt 0 ]; then
    need_root "$who" "missing packages: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  fi
}

install_missing_windows_packages() {
  local who=$1
  local missing=($(missing_packages "${ornel_windows_packages[@]}"))
  if [ ${#missing[@]} -gt 0 ]; then
    need_root "$who" "missing packages: ${missing[*]}"
    apt-get update
    # Wine's recommendations (sound, fonts, Vulkan) are of no use headless.
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
  # Code page 932 is Wine's ANSI code page under the ja_JP.UTF-8 locale.
  if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    need_root "$who" "the ja_JP.UTF-8 locale is missing"
    sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen
  fi
}
