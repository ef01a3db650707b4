#!/bin/sh
# Installs the game into a temporary prefix and plays it through the launcher
# as a player would, headless, with an unknown option: the game must start
# and end cleanly from a per-user folder, leave the installed tree exactly as
# installed, and keep on a second run what it and the player left in dat/.
# Usage: launcher_test.sh CMAKE BUILD_DIR
set -eu
cmake=$1
build=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/kravex-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
home="$work/home"
mkdir -p "$home"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log"
# Every path with its type, size, time, mode and link target.
tree() { (cd "$prefix" && find . "$@" -printf '%p %y %s %T@ %m %l\n' | sort); }
tree >"$work/tree.before"
[ -x "$prefix/bin/kravex2" ] || fail "no launcher in bin/"
[ -x "$prefix/lib/kravex2/kravex" ] || fail "no game in lib/kravex2/"
for dir in pics sounds music texts; do
  [ -n "$(ls "$prefix/share/kravex2/$dir")" ] || fail "share/kravex2/$dir is empty"
done
[ ! -e "$prefix/share/kravex2/dat" ] || fail "a dat/ was installed"
grep -qF "$prefix/share/kravex2" "$prefix/share/man/man6/kravex2.6" ||
  fail "the manual page does not name the installed data folder"
[ ! -e "$prefix/share/kravex2/texts/config.dat" ] || fail "the build's own settings were installed"

# The game without a keyboard, ended as a logout or `kill` ends it: SIGTERM
# a few seconds in, on whatever screen it has reached (how long it takes to
# leave each screen is timed by the game's own tests).
play() {
  HOME="$home" timeout 120 "$prefix/bin/kravex2" "$@" &
  pid=$!
  sleep 4
  kill -TERM "$pid"
  wait "$pid"
}

# The banner, the complaint about the option, and the exit handler's lines.
check_output() {
  out=$1
  [ "$(sed -n 1p "$out")" = "Kravex II for Linux, Version 1.1L" ] || fail "banner: $(sed -n 1p "$out")"
  [ "$(sed -n 2p "$out")" = "Unknown parameter --bogus" ] || fail "option line: $(sed -n 2p "$out")"
  [ "$(tail -n 2 "$out" | tr '\n' '|')" = "Cleaning up..|Have a nice day!|" ] ||
    fail "clean-up lines: $(tail -n 2 "$out" | tr '\n' '|')"
}

own="$home/.local/share/kravex2"
(unset XDG_DATA_HOME; play --bogus >"$work/run1.out") || fail "first run ended with status $?"
check_output "$work/run1.out"
for dir in pics sounds music; do
  [ "$(readlink "$own/$dir")" = "$prefix/share/kravex2/$dir" ] || fail "$dir is not a link to the install"
done
[ -d "$own/dat" ] && [ ! -L "$own/dat" ] || fail "dat/ is not a folder of its own"
for text in "$prefix"/share/kravex2/texts/*; do
  cmp -s "$text" "$own/dat/${text##*/}" || fail "${text##*/} was not seeded"
done
[ -s "$own/dat/config.dat" ] || fail "the game wrote no settings into dat/"
[ -s "$own/dat/hiscore_1.dat" ] || fail "the game wrote no high-score table into dat/"

# Between the runs: what the game wrote is kept, and a shipped text the
# player changed must not be seeded over.
cp "$own/dat/hiscore_1.dat" "$work/hiscore_1.dat"
cp "$own/dat/general01.dat" "$own/dat/general04.dat"
(unset XDG_DATA_HOME; play --bogus >"$work/run2.out") || fail "second run ended with status $?"
check_output "$work/run2.out"
cmp -s "$work/hiscore_1.dat" "$own/dat/hiscore_1.dat" || fail "the high-score table changed"
cmp -s "$own/dat/general01.dat" "$own/dat/general04.dat" || fail "a text in dat/ was overwritten"

# A player's XDG_DATA_HOME is the folder's parent; a relative one is ignored.
XDG_DATA_HOME="$home/xdg" play --bogus >"$work/run3.out" || fail "run with XDG_DATA_HOME: status $?"
check_output "$work/run3.out"
[ -s "$home/xdg/kravex2/dat/config.dat" ] || fail "XDG_DATA_HOME was not used"
rm -rf "$home/rel" "$home/.local/share/kravex2/dat/config.dat"
(cd "$home" && XDG_DATA_HOME=rel play --bogus >"$work/run4.out") || fail "relative XDG_DATA_HOME: status $?"
[ ! -e "$home/rel" ] && [ -s "$own/dat/config.dat" ] || fail "a relative XDG_DATA_HOME was used"

# A claimed score is checked from wherever the player keeps the file.
cp "$(dirname "$0")/../data/replays/one-player.rpl" "$work/claimed.rpl"
(cd "$work" && HOME="$home" timeout 120 "$prefix/bin/kravex2" --replay claimed.rpl >"$work/proof.out" 2>&1) ||
  fail "a replay named from the player's own folder: status $?: $(cat "$work/proof.out")"

tree >"$work/tree.after"
diff "$work/tree.before" "$work/tree.after" || fail "the installed tree changed"

# Installed into ~/.local, the installed data folder is the per-user folder:
# its pictures, sounds and music are used in place, the player's dat/ sits
# beside them, and no installed file changes (the folder itself gains dat/).
prefix="$home/.local"
rm -rf "$home/.local"
"$cmake" --install "$build" --prefix "$prefix" >"$work/install-local.log"
tree ! -type d >"$work/local.before"
(unset XDG_DATA_HOME; play --bogus >"$work/run5.out") || fail "run installed in ~/.local: status $?"
check_output "$work/run5.out"
for dir in pics sounds music; do
  [ -d "$own/$dir" ] && [ ! -L "$own/$dir" ] || fail "~/.local: $dir is not the installed folder"
done
[ -s "$own/dat/config.dat" ] && [ -s "$own/dat/general01.dat" ] || fail "~/.local: dat/ was not made"
tree ! -type d ! -path './share/kravex2/dat/*' >"$work/local.after"
diff "$work/local.before" "$work/local.after" || fail "~/.local: an installed file changed"

[ "$failures" -eq 0 ] || { cat "$work"/run*.out; exit 1; }
echo "install and launcher: all checks passed"
