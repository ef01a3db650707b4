#!/bin/sh
# Builds the Debian package from a clean copy of the tree (lintian must pass
# it), installs it into this machine with apt-get, plays it through the
# installed launcher with the package's own smoke test, and purges it: no file
# or folder the package brought may be left. Skipped (77) where a package
# cannot be built or installed; the machine is left as it was found.
# Usage: package_test.sh SOURCE_DIR OUT_DIR
set -eu
src=$1
out=$(realpath -m "$2")
skip() {
  echo "SKIPPED: $*"
  exit 77
}
[ "$(id -u)" -eq 0 ] || skip "installing the package needs root"
for tool in dpkg-buildpackage dh lintian apt-get; do
  command -v "$tool" >/dev/null || skip "$tool is missing (scripts/ensure-deps installs it)"
done
if dpkg -s kravex2 >/dev/null 2>&1; then
  skip "kravex2 is already known to dpkg here; the test would replace and purge it"
fi

mkdir -p "$out"
"$src/scripts/package" "$out" >"$out/build.log" 2>&1 || { tail -n 40 "$out/build.log"; exit 1; }
echo "lintian: $(cat "$out/lintian.txt")"
deb=$(ls "$out"/kravex2_*.deb)

# The package's paths that are not on the machine yet: all must go again.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep . |
  while read -r path; do
    [ -e "$path" ] || [ -L "$path" ] || echo "$path"
  done >"$out/new-paths"

# Other users of the machine may hold dpkg's lock for a while. What apt and
# dpkg say is shown only when they fail.
apt_get() {
  DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=300 "$@" >>"$out/apt.log" 2>&1 ||
    { tail -n 20 "$out/apt.log"; return 1; }
}
rm -f "$out/apt.log"
trap 'apt_get purge kravex2 || true' EXIT
apt_get install --no-install-recommends "$deb"
played=0
rm -rf "$out/smoke"
mkdir -p "$out/smoke"
AUTOPKGTEST_TMP="$out/smoke" "$src/debian/tests/smoke" || played=$?
apt_get purge kravex2
trap - EXIT

left=0
while read -r path; do
  if [ -e "$path" ] || [ -L "$path" ]; then
    echo "FAIL: left behind after purge: $path"
    left=1
  fi
done <"$out/new-paths"
[ "$played" -eq 0 ] && [ "$left" -eq 0 ] || exit 1
echo "package: built, lintian-clean, installed, played and purged without a trace"
