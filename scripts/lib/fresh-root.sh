# Sourced by the fresh-machine checks (scripts/fresh-debian-check,
# scripts/fresh-package-check): a minimal Debian 12 root made with
# debootstrap, with /proc, /sys and /dev mounted until the script ends, and
# in_root to run a command in it with a clean environment.
# Needs root; the caller sets `root` (the folder) and `log` (debootstrap's log).

mirror="${ZEF_DEBIAN_MIRROR:-http://deb.debian.org/debian}"
root_env=(HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb)
mounted=()

unmount_root() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
}
trap unmount_root EXIT

step() { echo "== $* ($(date +%T))"; }

in_root() { chroot "$root" /usr/bin/env -i "${root_env[@]}" "$@"; }

make_root() {
  step "debootstrap bookworm (minbase) into $root"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$log" 2>&1 || { tail -20 "$log"; exit 1; }
  # The root's own folder is its "/": made by mktemp it is closed to all but
  # root, and a user inside could reach no file at all.
  chmod 755 "$root"
  for m in proc sys dev dev/pts; do
    mkdir -p "$root/$m"
    case $m in
      proc) mount -t proc proc "$root/proc" ;;
      sys) mount -t sysfs sys "$root/sys" ;;
      *) mount --bind "/$m" "$root/$m" ;;
    esac
    mounted+=("$root/$m")
  done
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}
