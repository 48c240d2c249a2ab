#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, checks it with lintian, installs it on this machine (apt-get, through sudo when not root),
# checks the installed files, then starts the installed game under Xvfb the way its desktop
# entry does, from another folder and as an ordinary user when run as root, checks that its
# window opens without an error or warning box, closes it from its menu and finds the settings and the
# trace in that user's folders. The package is removed at the end unless
# KORNIBELLE_KEEP_INSTALLED=1.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

app_id=io.github.kornibelle.Kornibelle
fail() {
    echo "package-test: $*" >&2
    exit 1
}
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Inside the display: start the game as its desktop entry says, then close it.
if [ "${1:-}" = --on-display ]; then
    desktop=$2
    exe=$(sed -n 's/^Exec=//p' "$desktop")
    folder=$(sed -n 's/^Path=//p' "$desktop")
    home=$(mktemp -d)
    chmod 755 "$home"
    # The user gets the display's cookie in its own home, as a desktop session gives it.
    cp "$XAUTHORITY" "$home/.Xauthority"
    run=(env -u XDG_CONFIG_HOME -u XDG_STATE_HOME HOME="$home" XAUTHORITY="$home/.Xauthority"
        DISPLAY="$DISPLAY")
    if [ "$(id -u)" -eq 0 ]; then
        chown -R nobody "$home"
        run=(runuser -u nobody -- "${run[@]}")
    fi
    cd "$home"
    if ! "${run[@]}" xdpyinfo >/dev/null; then
        ls -ld /tmp /tmp/.X11-unix /tmp/.X11-unix/* "$home" "$home/.Xauthority" >&2 || true
        fail "the game's user ($("${run[@]}" id -un)) cannot open the display $DISPLAY"
    fi
    (cd "$folder" && exec "${run[@]}" "$exe") &
    game=$!
    trap 'kill $game 2>/dev/null || true' EXIT

    still_fine() {
        xdotool search --onlyvisible --name '^(Erreur|Avertissement)$' >/dev/null &&
            fail "the game shows an error or warning box"
        kill -0 "$game" 2>/dev/null || fail "the game ended before it was closed"
    }
    window=
    for _ in $(seq 60); do
        still_fine
        window=$(xdotool search --onlyvisible --name '^Kornibelle$' | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 1
    done
    [ -n "$window" ] || fail "no window titled Kornibelle appeared"
    # Its first paint may still raise an error box.
    sleep 2
    still_fine
    echo "The installed game opened its window ($window); closing it from its menu."
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$window" key --clearmodifiers alt+f q || true
        timeout 20 tail --pid="$game" -f /dev/null && break
    done
    kill -0 "$game" 2>/dev/null && fail "the game did not close from its menu"
    trap - EXIT
    status=0
    wait "$game" || status=$?
    [ "$status" -eq 0 ] || fail "the game ended with status $status"
    echo "The game closed normally."
    # The installed folders cannot be written: the settings and the trace are the user's own.
    grep -q '^\[Jeu\]' "$home/.config/kornibelle/kornibelle.INI" ||
        fail "no settings written to ~/.config/kornibelle/kornibelle.INI"
    [ -s "$home/.local/state/kornibelle/espion.log" ] ||
        fail "no trace written to ~/.local/state/kornibelle/espion.log"
    exit 0
fi

# The packaged program keeps Debian's hardening: position independent, its relocations bound
# at start then read-only, a stack protector, fortified libc calls.
check_hardening() {
    local program=$1 dynamic symbols
    dynamic=$(readelf -d -W "$program")
    grep -q 'FLAGS_1.*PIE' <<<"$dynamic" || fail "$program is not position independent"
    readelf -l -W "$program" | grep -q GNU_RELRO || fail "$program has no read-only relocations"
    grep -Eq '\(BIND_NOW\)|FLAGS.*\bNOW\b' <<<"$dynamic" || fail "$program is not bound at start"
    symbols=$(readelf --dyn-syms -W "$program")
    grep -q '__stack_chk_fail' <<<"$symbols" || fail "$program has no stack protector"
    grep -Eq '__[a-z0-9_]+_chk\b' <<<"$symbols" || fail "$program calls no fortified libc function"
}

scripts/setup.sh
PRESET=dev scripts/build.sh
rm -f build/kornibelle_*.deb
(cd build && cpack -G DEB)
deb=$(echo "$PWD"/build/kornibelle_*.deb)

unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
check_hardening "$unpacked/usr/games/kornibelle"
rm -rf "$unpacked"

# Debian's own checker: no error, no warning, and not even an informational hardening tag.
lintian_status=0
lintian_output=$(lintian --fail-on error,warning --display-info "$deb") || lintian_status=$?
echo "$lintian_output"
[ "$lintian_status" -eq 0 ] || fail "lintian finds errors or warnings in $deb"
grep -q ' hardening-' <<<"$lintian_output" && fail "lintian finds the program less hardened"

# Every library the program links must come from a package it depends on.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in qt6-qpa-plugins qt6-translations-l10n; do
    [[ $depends == *"$needed"* ]] || fail "no dependency on $needed: $depends"
done
for library in $(objdump -p build/bin/kornibelle | awk '/NEEDED/ {print $2}'); do
    path=$(ldd build/bin/kornibelle | awk -v l="$library" '$1 == l {print $3}')
    owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(readlink -f "$path")") ||
        fail "no package provides $library"
    package=${owner%%:*}
    [[ $depends == *"$package"* ]] || fail "$library comes from $package, not a dependency: $depends"
done

echo "== Installing $deb"
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$deb"
if [ "${KORNIBELLE_KEEP_INSTALLED:-0}" != 1 ]; then
    trap 'as_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q kornibelle >/dev/null' EXIT
fi

files=$(dpkg -L kornibelle)
desktop=$(grep "/applications/$app_id.desktop$" <<<"$files") || fail "no desktop entry installed"
metainfo=$(grep "/metainfo/$app_id.metainfo.xml$" <<<"$files") || fail "no AppStream metadata installed"
for icon in scalable/apps/$app_id.svg 48x48/apps/$app_id.png 256x256/apps/$app_id.png; do
    grep -q "/icons/hicolor/$icon$" <<<"$files" || fail "icon $icon not installed"
done
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
pack=$(sed -n 's/^Path=//p' "$desktop")
[ -d "$pack" ] || fail "the desktop entry starts the game in $pack, which is missing"
[ -n "$(ls -A "$pack")" ] || fail "the pictures and sounds are not installed in $pack"

echo "== Starting the installed game"
# -noreset: a server left by its last client resets, and refuses whoever connects meanwhile (the
# game starting while xdotool looks for its window).
xvfb-run -a -s "-screen 0 1280x1024x24 -ac -noreset" "$0" --on-display "$desktop"
