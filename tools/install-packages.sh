# The Debian packages Ornel needs to build, run and be tested, installed
# when missing.  Sourced by ./ornel.sh and ./test.sh; as root it installs,
# otherwise it names what is missing and stops.
#
# tzdata: the tests set TZ=Asia/Tokyo, which without the zone files would
# silently be UTC.  jlha-utils: an LHA archiver ("lha"), so the tests can
# read archives packed the way users' archives are.  tmux: a terminal the
# tests run the terminal front end in.
ornel_packages=(g++ cmake ninja-build pkg-config libgtest-dev liblhasa-dev libncurses-dev tzdata jlha-utils tmux)

install_missing_packages() {
  local who=$1
  local missing=()
  for p in "${ornel_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
      echo "$who: missing packages: ${missing[*]} (run as root to install them)" >&2
      exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  fi
}
