#!/usr/bin/env bash
# Runs a command in a fresh clone of this checkout's HEAD (its committed state)
# inside a brand-new minimal Debian root (mmdebstrap's apt variant: the
# essential packages and apt, nothing else), as root, and exits with the
# command's status. This is how to check that a new machine needs nothing but
# the README's commands.
#
# Usage: scripts/fresh-root.sh [--release 12|13] [--keep] COMMAND...
#   e.g. scripts/fresh-root.sh --release 13 ./scripts/test.sh
# COMMAND is run by bash in the clone's top folder. --release picks Debian 12
# (bookworm, the default) or 13 (trixie). The root is built from this machine's
# own apt sources, with their suites renamed to the release's, and removed
# afterwards (--keep leaves it, unmounted, and prints where).
# BRENNWICK_ROOT_PARENT picks where it is made (/var/tmp).
set -euo pipefail

readonly -A CODENAME_OF=([12]=bookworm [13]=trixie)
readonly CLONE=/root/brennwick

usage() {
    sed -n '/^# Usage:/,/^[^#]/s/^# \{0,1\}//p' "$0"
}

say() { echo "fresh-root: $*" >&2; }

# ---- What this machine needs to make a root -----------------------------------
host_tools() {
    local -A package_of=([mmdebstrap]=mmdebstrap [git]=git [mount]=mount [findmnt]=util-linux
        [chroot]=coreutils [sed]=sed)
    local tool missing=()
    for tool in "${!package_of[@]}"; do
        command -v "$tool" >/dev/null || missing+=("${package_of[$tool]}")
    done
    if ((${#missing[@]})); then
        say "installing on this machine: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# This machine's apt sources (both the one-line and the deb822 format).
machine_sources() {
    local file
    for file in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list /etc/apt/sources.list; do
        [[ -f $file ]] || continue
        grep -qE '^[[:space:]]*(deb|Types:)' "$file" || continue
        echo "$file"
    done
}

# The release's codename that the machine's sources name ($@), if any.
codename_in() {
    local codename
    for codename in "${CODENAME_OF[@]}"; do
        if grep -qwE "$codename(-updates|-security)?" "$@"; then
            echo "$codename"
            return 0
        fi
    done
    return 1
}

# The machine's sources with their suites renamed to $suite, as files below
# $work that mmdebstrap pastes into the root; prints their names. The mirrors
# and keys stay the machine's own.
apt_sources() {
    local file copy from
    mapfile -t machine < <(machine_sources)
    ((${#machine[@]})) || return 0
    from=$(codename_in "${machine[@]}") || return 0
    mkdir -p "$work/sources"
    for file in "${machine[@]}"; do
        copy=$work/sources/$(basename "$file")
        sed -E "s/\b$from(-updates|-security)?\b/$suite\1/g" "$file" >"$copy"
        grep -qw "$suite" "$copy" && echo "$copy"
    done
}

# The few apt settings of this machine that decide whether its sources can be
# reached and trusted at all (a proxy, a snapshot's expired Release files).
apt_options() {
    local name value
    for name in Acquire::http::Proxy Acquire::https::Proxy Acquire::Check-Valid-Until; do
        value=$(apt-config dump --no-empty --format '%v' "$name" 2>/dev/null | head -n 1)
        [[ -n $value ]] && echo "$name \"$value\";"
    done
    return 0
}

# ---- The root and its mounts --------------------------------------------------
# Every mount point at or below folder $1, the deepest first.
mounts_below() {
    findmnt --raw --noheadings --output TARGET | while read -r target; do
        if [[ $target == "$1" || $target == "$1/"* ]]; then echo "$target"; fi
    done | sort -r
}

# Processes whose root directory is the new root: whatever the command left behind.
root_processes() {
    find /proc -mindepth 2 -maxdepth 2 -name root \( -lname "$root" -o -lname "$root/*" \) \
        -printf '%h\n' 2>/dev/null | sed 's|^/proc/||'
}

stop_root_processes() {
    local signal pids
    for signal in TERM KILL; do
        mapfile -t pids < <(root_processes)
        ((${#pids[@]})) || return 0
        say "stopping what is still running in the root (SIG$signal): ${pids[*]}"
        kill "-$signal" "${pids[@]}" 2>/dev/null || true
        sleep 2
    done
}

# Several passes: a mount hidden under another one is reached only once the
# upper one is gone.
unmount_root() {
    local pass target
    for pass in 1 2 3 4 5; do
        [[ -n $(mounts_below "$root") ]] || return 0
        while read -r target; do
            umount "$target" 2>/dev/null || umount --lazy "$target" 2>/dev/null || true
        done < <(mounts_below "$root")
    done
    [[ -z $(mounts_below "$root") ]] || say "could not unmount everything below $root"
}

# Deletes folder $1 only when nothing is mounted below it any more: a recursive
# delete through a bound /dev would delete this machine's device nodes.
remove_tree() {
    local left
    [[ -e $1 ]] || return 0
    left=$(mounts_below "$1")
    if [[ -n $left ]]; then
        say "NOT removing $1: still mounted below it:"
        echo "$left" >&2
        say "unmount those, then: rm -rf --one-file-system $1"
        return 1
    fi
    rm -rf --one-file-system "$1"
}

cleanup() {
    local status=$?
    trap '' INT TERM
    set +e
    stop_root_processes
    unmount_root
    if ((keep)) && [[ -d $root ]]; then
        if [[ -z $(mounts_below "$root") ]]; then say "kept the root (unmounted): $root"; fi
    else
        remove_tree "$work"
    fi
    exit "$status"
}

is_network_error() {
    grep -qiE 'Temporary failure resolving|Could not resolve|Could not connect|Connection (failed|timed out|refused|reset)|Unable to connect|Network is unreachable|No route to host|Failed to fetch|Some index files failed to download|Hash Sum mismatch|File has unexpected size|Undetermined Error|Unable to fetch some archives' "$1"
}

create_root() {
    local attempt made log=$work/mmdebstrap.log sources options=()
    mapfile -t sources < <(apt_sources)
    if ((${#sources[@]} == 0)); then
        say "this machine has no apt sources naming a Debian release this script knows" \
            "(${CODENAME_OF[*]}) in /etc/apt/sources.list.d/*.sources, *.list or /etc/apt/sources.list"
        return 1
    fi
    while read -r option; do
        [[ -n $option ]] && options+=(--aptopt="$option")
    done < <(apt_options)

    for attempt in 1 2; do
        say "making a Debian $release root ($suite; mmdebstrap, apt variant) (try $attempt of 2)"
        made=0
        mmdebstrap --mode=root --variant=apt --format=directory "${options[@]}" \
            "$suite" "$root" "${sources[@]}" 2>&1 | tee "$log" >&2 || made=$?
        if ((made == 0)) && [[ -x $root/usr/bin/apt-get ]]; then
            return 0
        fi
        unmount_root
        remove_tree "$root" || return 1
        if ! is_network_error "$log"; then
            tail -n 20 "$log" >&2
            say "mmdebstrap failed (not a network error; its last lines are above)"
            return 1
        fi
        if ((attempt == 1)); then
            say "network error while making the root; trying once more in 15 s"
            sleep 15
        fi
    done
    grep -iE 'Temporary failure|resolve|connect|unreachable|route|fetch|mismatch|unexpected size' "$log" |
        head -n 5 >&2
    say "FAILED: could not make the Debian $release root: this machine's apt sources could not be" \
        "reached (network error, twice)"
    return 1
}

mount_inside() {
    mount -t proc proc "$root/proc"
    mount --bind /dev "$root/dev"
    # Nothing mounted below the root's /dev may reach this machine's /dev.
    mount --make-private "$root/dev"
    if [[ -d $root/dev/shm ]]; then
        mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"
    fi
    mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/tmp"
    # X servers listen on abstract sockets too, which the root shares with this
    # machine: it must see which display numbers are taken here, or an X server
    # started inside answers for a display of this machine's and its clients
    # talk to a stranger.
    if [[ ! -d /tmp/.X11-unix ]]; then
        install -d -m 1777 /tmp/.X11-unix
    fi
    mkdir -p "$root/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
}

clone_checkout() {
    git -c safe.directory='*' clone --quiet --no-checkout "$repo" "$root$CLONE"
    git -C "$root$CLONE" -c advice.detachedHead=false checkout --quiet --detach "$commit"
    say "cloned $commit into the root's $CLONE"
}

seconds_since() { echo $((SECONDS - $1)); }

# The whole run in one function, read by bash before it starts: editing this
# file while it runs cannot change what it does.
main() {
    if [[ $(id -u) -ne 0 ]]; then
        if command -v sudo >/dev/null; then
            exec sudo --preserve-env=BRENNWICK_ROOT_PARENT "$0" "$@"
        fi
        say "needs root (mmdebstrap, mount, chroot); run it as root"
        exit 2
    fi
    keep=0
    release=12
    while (($#)); do
        case $1 in
            --keep) keep=1; shift ;;
            --release)
                release=${2:-}
                shift $(($# > 1 ? 2 : 1))
                ;;
            -h | --help) usage; exit 0 ;;
            --) shift; break ;;
            -*) usage >&2; exit 2 ;;
            *) break ;;
        esac
    done
    if (($# == 0)); then
        usage >&2
        exit 2
    fi
    command_line="$*"
    if [[ -z ${CODENAME_OF[$release]:-} ]]; then
        say "unknown release '$release': this script makes Debian ${!CODENAME_OF[*]}"
        exit 2
    fi
    suite=${CODENAME_OF[$release]}

    host_tools
    repo=$(git -c safe.directory='*' -C "$(dirname "$0")/.." rev-parse --show-toplevel)
    commit=$(git -c safe.directory='*' -C "$repo" rev-parse HEAD)
    if [[ -n $(git -c safe.directory='*' -C "$repo" status --porcelain --untracked-files=no) ]]; then
        say "note: uncommitted changes are not checked; the root gets commit $commit"
    fi

    parent=${BRENNWICK_ROOT_PARENT:-/var/tmp}
    work=$(mktemp -d "$parent/brennwick-root.XXXXXX")
    work=$(realpath "$work")
    if [[ ! $work =~ ^[A-Za-z0-9._/-]+$ ]]; then
        say "refusing to work in $work: only plain path names are handled safely"
        rmdir "$work"
        exit 2
    fi
    chmod 0755 "$work" # apt's download user reads the root's lists below it
    root=$work/root
    trap cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM

    start=$SECONDS
    create_root
    say "root made in $(seconds_since "$start") s"
    if [[ ! -s $root/etc/resolv.conf && -f /etc/resolv.conf ]]; then
        cp --dereference /etc/resolv.conf "$root/etc/resolv.conf"
    fi
    mount_inside
    clone_checkout

    say "running as root in $CLONE: $command_line"
    start=$SECONDS
    # Its own process group, so that Ctrl+C is not ignored by it and only this
    # script's trap decides how it ends.
    set -m
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c 'cd "$1" && eval "$2"' bash "$CLONE" "$command_line" &
    set +m
    status=0
    wait "$!" || status=$?
    say "the command ended with status $status after $(seconds_since "$start") s"
    exit "$status"
}

main "$@"
