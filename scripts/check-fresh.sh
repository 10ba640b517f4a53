#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves the README's commands on a machine nobody touched: makes a fresh minimal Debian 12
# chroot from this machine's own Debian mirror, clones the repository into it and runs the
# README's test command there from the start (install, build, lint, every test, the sanitizer
# tests, the fuzzing step). Then it builds the Debian package in that chroot, installs it into
# a second fresh chroot with apt and runs the installed programs once.
#   scripts/check-fresh.sh [--no-package | --package-only] [--keep]
# --no-package   stop after the test command
# --package-only skip the test command: build the package and try it in the second chroot
# --keep         leave the chroots in place (their paths are printed)
# Needs root, debootstrap (installed when missing) and the network to the Debian mirror; takes
# tens of minutes, so it is not part of CI. It clones what is committed: commit first.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

run_tests=1
run_package=1
keep=0
for arg in "$@"; do
  case "$arg" in
    --no-package) run_package=0 ;;
    --package-only) run_tests=0 ;;
    --keep) keep=1 ;;
    *)
      echo "usage: scripts/check-fresh.sh [--no-package | --package-only] [--keep]" >&2
      exit 2
      ;;
  esac
done
if [[ $(id -u) -ne 0 ]]; then
  echo "check-fresh.sh: needs root (debootstrap, chroot and mounts)" >&2
  exit 2
fi
if ! command -v debootstrap >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
fi

# The first bookworm archive this machine's apt uses.
mirror=$(grep -rhoE 'https?://[^ ]+/debian/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/*.sources \
  /etc/apt/sources.list.d/*.list 2>/dev/null | head -n 1 | tr -d ' ' || true)
mirror=${mirror:-http://deb.debian.org/debian}

started=$(date +%s)
work=$(mktemp -d /var/tmp/zerkon-fresh.XXXXXX)
mounted=()
cleanup() {
  local m
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    m=${mounted[i]}
    umount -l "$m" 2>/dev/null || true
  done
  if [[ $keep -eq 0 ]]; then
    rm -rf --one-file-system "$work"
  else
    echo "check-fresh.sh: chroots kept in $work"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

elapsed() {
  local s=$(($(date +%s) - started))
  printf '%dm%02ds' $((s / 60)) $((s % 60))
}

# A fresh minimal system with this machine's apt sources and settings, its kernel file
# systems mounted.
fresh_root() {
  local root=$1
  echo "check-fresh.sh: debootstrap --variant=minbase bookworm $root ($mirror)"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
    tail -n 20 "$root.debootstrap.log" >&2
    echo "check-fresh.sh: debootstrap failed" >&2
    exit 1
  }
  rm -f "$root/etc/apt/sources.list"
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list; do
    [[ -f $f ]] && grep -q 'debian' "$f" && cp "$f" "$root$f"
  done
  for f in /etc/apt/apt.conf.d/*; do
    [[ -f $f ]] && grep -q '^Acquire::' "$f" && cp "$f" "$root$f"
  done
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  # Certificate authorities this machine adds to the system's own (a network that inspects
  # https, say): node, which npm runs on, is told of them, as this machine's node is.
  if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
    cat /usr/local/share/ca-certificates/*.crt >"$root/etc/zerkon-host-ca.pem"
  fi
  mount -t proc proc "$root/proc" && mounted+=("$root/proc")
  mount -t sysfs sysfs "$root/sys" && mounted+=("$root/sys")
  mount --bind /dev "$root/dev" && mounted+=("$root/dev")
  mount -t devpts devpts "$root/dev/pts" -o newinstance,ptmxmode=0666 && mounted+=("$root/dev/pts")
  mount -t tmpfs tmpfs "$root/dev/shm" && mounted+=("$root/dev/shm")
  mount -t tmpfs tmpfs "$root/tmp" && mounted+=("$root/tmp")
}

# A command in a chroot with a clean environment, as a fresh login has it.
in_root() {
  local root=$1
  shift
  local extra=()
  [[ -f $root/etc/zerkon-host-ca.pem ]] && extra+=(NODE_EXTRA_CA_CERTS=/etc/zerkon-host-ca.pem)
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 CI=true "${extra[@]}" bash -c "$*"
}

build_root=$work/build
fresh_root "$build_root"
git clone -q "$repo" "$build_root/src"
echo "check-fresh.sh: cloned $(git -C "$repo" rev-parse --short HEAD) into the chroot ($(elapsed))"
in_root "$build_root" 'apt-get update -qq'

if [[ $run_tests -eq 1 ]]; then
  echo "check-fresh.sh: bash scripts/dev.sh test"
  if ! in_root "$build_root" 'cd /src && bash scripts/dev.sh test' </dev/null >"$work/test.log" 2>&1; then
    tail -n 60 "$work/test.log"
    echo "check-fresh.sh: FAILED: the README's test command in a fresh chroot ($(elapsed)); log: $work/test.log"
    keep=1
    exit 1
  fi
  grep -E 'tests passed|Total Test time|fuzz: |lint.sh:|stat::number_of_executed_units' "$work/test.log" | tail -n 12
  echo "check-fresh.sh: the README's test command passed in a fresh chroot ($(elapsed))"
fi

if [[ $run_package -eq 1 ]]; then
  echo "check-fresh.sh: bash scripts/check-package.sh"
  if ! in_root "$build_root" 'cd /src && bash scripts/check-package.sh' </dev/null >"$work/package.log" 2>&1; then
    tail -n 40 "$work/package.log"
    echo "check-fresh.sh: FAILED: building the package ($(elapsed)); log: $work/package.log"
    keep=1
    exit 1
  fi
  deb=$(cd "$build_root/src" && ls -t build-release/zerkon_*.deb | head -n 1)
  user_root=$work/user
  fresh_root "$user_root"
  cp "$build_root/src/$deb" "$user_root/tmp/"
  name=$(basename "$deb")
  echo "check-fresh.sh: apt-get install ./$name in a second fresh chroot"
  if ! in_root "$user_root" "cd /tmp && apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq ./$name >/tmp/install.log 2>&1 && zerkon --version && \
      zerkon-cli verify | tail -n 1 && zerkon-cli render - >/tmp/frame.png && \
      head -c 8 /tmp/frame.png | od -An -c && \
      echo \"zerkon-cli render -: \$(stat -c %s /tmp/frame.png) bytes of PNG\" && \
      zerkon --help >/dev/null && test -f /usr/share/man/man1/zerkon.1.gz" </dev/null; then
    in_root "$user_root" 'tail -n 20 /tmp/install.log' || true
    echo "check-fresh.sh: FAILED: the installed package ($(elapsed))"
    keep=1
    exit 1
  fi
  echo "check-fresh.sh: the package installs and runs in a fresh chroot ($(elapsed))"
fi
echo "check-fresh.sh: PASSED in $(elapsed)"
