#!/usr/bin/env bash
# Installs a built package into a clean Debian 12 system made with debootstrap
# and starts the gallery the way the desktop menu does: the Exec line of its
# desktop entry, on the display given (an X server of the host, whose socket
# is shared with the chroot). Needs root and network access.
# Usage: try_in_chroot.sh <package.deb> <chroot dir> [display, default :0]
set -euo pipefail
deb=$(realpath "$1")
root=$2
display=${3:-:0}

if [[ ! -x $root/usr/bin/apt-get ]]; then
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
mounts=(proc sys dev tmp/.X11-unix)
mkdir -p "$root/tmp/.X11-unix"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
cleanup() {
  for m in "${mounts[@]}"; do umount -R "$root/$m" 2>/dev/null || umount -l "$root/$m" || true; done
}
trap cleanup EXIT

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }
in_root apt-get update -q
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "/tmp/$(basename "$deb")"

entry=/usr/share/applications/formprograms.desktop
exec_line=$(sed -n 's/^Exec=//p' "$root$entry")
echo "Starting '$exec_line' from $entry on $display"
# A session of its own, so that stopping it stops everything it started.
setsid chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root DISPLAY="$display" \
  LANG=C.UTF-8 sh -c "$exec_line" &
gallery=$!
sleep "${RT_CHROOT_WAIT:-8}"
if kill -0 "$gallery" 2>/dev/null; then
  echo "The gallery is running (pid $gallery)."
  [[ -n ${RT_CHROOT_SHOT:-} ]] && DISPLAY=$display import -window root "$RT_CHROOT_SHOT"
  kill -- -"$gallery"
  wait "$gallery" 2>/dev/null || true
else
  wait "$gallery" || { echo "The gallery ended at once: $?" >&2; exit 1; }
fi
