#!/usr/bin/env bash
# On a clean Debian 12 (a minimal debootstrap chroot, made once and copied afresh for every run):
# installs the package with apt-get, starts `telvo-vocabulary` from PATH under Xvfb and waits for
# its window, checks the menu entry, the icon and the program's own files, then removes the
# package and checks nothing of it is left. Needs root (chroot) and the network to a Debian mirror.
#   scripts/test-clean-install.sh [PACKAGE.deb]     (without one, scripts/package.sh builds it)
# TELVO_DEBIAN_BASE: where the untouched chroot is kept (default build/debian12-base);
# TELVO_DEBIAN_MIRROR: the mirror (default http://deb.debian.org/debian);
# The sign recordings and the manual must be found when the build tree has them beside its
# executable (BUILD_DIR, default build/): a build that makes them and a package that lacks them fail.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "needs root (chroot)" >&2; exit 2; }
deb=${1:-$(scripts/package.sh | tail -n1)}
deb=$(realpath "$deb")
base=${TELVO_DEBIAN_BASE:-$PWD/build/debian12-base}
mirror=${TELVO_DEBIAN_MIRROR:-http://deb.debian.org/debian}
allow_missing=""
for entry in znaki_trans user_manual; do
    [ -e "${BUILD_DIR:-build}/bin/$entry" ] || allow_missing+=" $entry"
done

if [ ! -e "$base/.complete" ]; then
    command -v debootstrap >/dev/null || scripts/install-deps.sh
    rm -rf "$base"
    debootstrap --variant=minbase bookworm "$base" "$mirror"
    touch "$base/.complete"
fi

root=$(mktemp -d /tmp/telvo-clean.XXXXXX)
cleanup() {
    umount "$root/dev/pts" "$root/dev" "$root/proc" 2>/dev/null || true
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
rm -f "$root/.complete"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
cat > "$root/tmp/check.sh" <<INNER
#!/bin/bash
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
fail() { echo "FAIL: \$*" >&2; exit 1; }
allow_missing=" $allow_missing "
apt-get update -q >/dev/null
echo "== apt-get install ./$(basename "$deb")"
cd /tmp && apt-get install -y -q ./$(basename "$deb") | tail -n 3
# The tools of the check come after the package, so the package alone had to bring what it needs.
apt-get install -y -q xvfb xauth xdotool x11-utils desktop-file-utils >/dev/null

[ "\$(command -v telvo-vocabulary)" = /usr/bin/telvo-vocabulary ] || fail "not on PATH"
desktop-file-validate /usr/share/applications/org.telvolab.Vocabulary.desktop
[ -f /usr/share/icons/hicolor/48x48/apps/org.telvolab.Vocabulary.png ] || fail "no icon"
folder=\$(telvo-vocabulary --program-folder)
[ "\$folder" = /usr/share/telvo-vocabulary ] || fail "program folder is \$folder"
check_entry() {
    if [ ! -e "\$folder/\$1" ]; then
        case "\$allow_missing" in *" \${1%%/*} "*) echo "absent (allowed): \$1"; return ;; esac
        fail "the program folder lacks \$1"
    fi
    echo "found: \$folder/\$1 (\$2)"
}
check_entry znaki_trans "\$(ls "\$folder/znaki_trans" 2>/dev/null | grep -c '\.wav$' || true) recordings"
check_entry user_manual/User_manual_telvo_vocabulary.pdf manual
[ "\$(ls "\$folder/znaki_trans" 2>/dev/null | grep -c '\.wav$' || true)" -eq 41 ] ||
    case "\$allow_missing" in *" znaki_trans "*) ;; *) fail "not 41 recordings" ;; esac

echo "== start under Xvfb"
useradd -m learner
su learner -c 'cd ~ && xvfb-run -a -s "-screen 0 1280x900x24" sh -c "
    telvo-vocabulary & pid=\\\$!
    w=\\\$(timeout 60 xdotool search --sync --onlyvisible --class telvo-vocabulary | head -n1)
    xprop -id \\\$w WM_CLASS
    kill \\\$pid
    [ -n \"\\\$w\" ]"' || fail "no window"
[ -f /home/learner/.local/share/Telvo_Lab/Telvo_Vocabulary_02/Vocabulary.dictdat ] ||
    fail "the data folder was not made"

echo "== remove"
dpkg -L telvo-vocabulary > /tmp/files
apt-get purge -y -q telvo-vocabulary >/dev/null
dpkg -s telvo-vocabulary >/dev/null 2>&1 && fail "still installed"
while read -r f; do
    [ -f "\$f" ] && fail "left behind: \$f"
    case "\$f" in /usr/share/telvo-vocabulary*) [ -e "\$f" ] && fail "left behind: \$f" ;; esac
done < /tmp/files
echo "clean install OK"
INNER
chmod +x "$root/tmp/check.sh"
chroot "$root" /tmp/check.sh
