#!/usr/bin/env bash
# Fetches Debian's libpng1.6 source package (upstream tarball plus Debian's own
# patches, security fixes included), unpacks it with dpkg-source and prints the
# unpacked source folder on stdout. Everything lives in a cache folder outside
# the repository, so a second run downloads nothing.
#
# The download uses a private apt state (its own sources list with deb-src
# entries derived from the machine's deb entries, its own lists and archives),
# so the system's apt configuration is left untouched.
#
# Cache: $TINTORA_CACHE_DIR, else $XDG_CACHE_HOME/tintora, else ~/.cache/tintora.
set -euo pipefail

package=libpng1.6
upstream_version=1.6.39
orig_tarball="${package}_${upstream_version}.orig.tar.gz"
# SHA-256 of the upstream tarball as Debian ships it; identical for every
# Debian revision of this upstream version.
orig_sha256=a00e9d2f2f664186e4202db9299397f851aea71b36a35e74910b8820e380d441

cache_root="${TINTORA_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tintora}"
work="$cache_root/libpng"
apt_dir="$work/apt"
mkdir -p "$work"

log() { echo "fetch-libpng: $*" >&2; }

# One fetch at a time: two configure runs may ask at once.
exec 9>"$work/.lock"
flock 9

# Already unpacked by an earlier run: nothing to do.
if [ -f "$work/source.ready" ]; then
  src="$(cat "$work/source.ready")"
  if [ -f "$src/png.h" ] && [ -f "$src/CMakeLists.txt" ]; then
    echo "$src"
    exit 0
  fi
  rm -f "$work/source.ready"
fi

verify_orig() {
  echo "$orig_sha256  $1" | sha256sum --check --status
}

# deb-src lines for this distribution's own deb entries, in one-line format.
write_sources_list() {
  local codename
  codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
  [ -n "$codename" ] || { log "cannot tell the distribution's codename"; return 1; }
  local signed=""
  [ -f /usr/share/keyrings/debian-archive-keyring.gpg ] &&
    signed=" [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]"
  apt-get indextargets --no-release-info \
      --format '$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT)' 2>/dev/null |
    awk -v c="$codename" -v s="$signed" '
      $1 == "deb" && NF == 4 && ($3 == c || index($3, c "-") == 1) {
        line = "deb-src" s " " $2 " " $3 " " $4
        if (!(line in seen)) { seen[line] = 1; print line }
      }' > "$apt_dir/sources.list.new"
  [ -s "$apt_dir/sources.list.new" ] || { log "no deb entries for $codename found"; return 1; }
  mv "$apt_dir/sources.list.new" "$apt_dir/sources.list"
}

apt_opts=()
setup_private_apt() {
  mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  write_sources_list
  apt_opts=(
    -o "Dir::Etc::sourcelist=$apt_dir/sources.list"
    -o "Dir::Etc::sourceparts=$apt_dir/sources.list.d"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache=$apt_dir/cache"
    -o "Dir::Cache::pkgcache="
    -o "Dir::Cache::srcpkgcache="
    -o "Acquire::Languages=none"
  )
  # As root apt downloads as _apt, which cannot write into a private home cache.
  [ "$(id -u)" -ne 0 ] || apt_opts+=(-o "APT::Sandbox::User=root")
}

# Debian revisions of the pinned upstream version, newest first.
candidate_versions() {
  apt-cache "${apt_opts[@]}" showsrc --only-source "$package" 2>/dev/null |
    awk '/^Version: /{print $2}' | sort -u |
    while read -r v; do
      case "$v" in "$upstream_version"-*|*:"$upstream_version"-*) echo "$v" ;; esac
    done |
    # insertion sort with dpkg's own version comparison, newest first
    {
      sorted=()
      while read -r v; do
        out=(); placed=0
        for s in "${sorted[@]}"; do
          if [ $placed -eq 0 ] && dpkg --compare-versions "$v" gt "$s"; then out+=("$v"); placed=1; fi
          out+=("$s")
        done
        [ $placed -eq 1 ] || out+=("$v")
        sorted=("${out[@]}")
      done
      printf '%s\n' "${sorted[@]}"
    }
}

download_dir="$work/download"
mkdir -p "$download_dir"

setup_private_apt
log "updating the private source index"
if ! apt-get "${apt_opts[@]}" -qq update >&2; then
  log "apt-get update reported errors; trying with what was fetched"
fi

mapfile -t versions < <(candidate_versions)
[ ${#versions[@]} -gt 0 ] && [ -n "${versions[0]}" ] || {
  log "no $package $upstream_version source package is known to apt"
  exit 1
}

dsc=""
for v in "${versions[@]}"; do
  log "trying $package $v"
  if (cd "$download_dir" &&
      apt-get "${apt_opts[@]}" -qq source --download-only "$package=$v" >&2); then
    noepoch="${v#*:}"
    dsc="$download_dir/${package}_${noepoch}.dsc"
    [ -f "$dsc" ] && break
  fi
  log "$package $v could not be fetched, trying an older revision"
  dsc=""
done
[ -n "$dsc" ] || { log "no revision of $package could be fetched"; exit 1; }

if ! verify_orig "$download_dir/$orig_tarball"; then
  log "$orig_tarball does not match the pinned SHA-256"
  rm -f "$download_dir/$orig_tarball"
  exit 1
fi

src="$work/${package}-${upstream_version}"
rm -rf "$src" "$src.tmp"
log "unpacking $(basename "$dsc")"
dpkg-source --no-copy -x "$dsc" "$src.tmp" >&2
mv "$src.tmp" "$src"
echo "$src" > "$work/source.ready"
echo "$src"
