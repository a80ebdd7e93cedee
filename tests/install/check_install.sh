#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build given as $1 into a scratch prefix and checks the tree a desktop needs:
# both programs, the menu entry, the icon (SVG and PNGs in the hicolor layout), the AppStream
# file, the manual page and the Tab completion, with the desktop's own validators passing on
# them.
set -euo pipefail
build=$1
id=example.korvanel.Tunecarver
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

for f in bin/tunecarver bin/tunecarver-cli; do
    [ -x "$prefix/$f" ] || fail "$f is not installed as a program"
done
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
man=$prefix/share/man/man1/tunecarver-cli.1.gz
bash_completion=$prefix/share/bash-completion/completions/tunecarver-cli
zsh_completion=$prefix/share/zsh/vendor-completions/_tunecarver-cli
for f in "$desktop" "$metainfo" "$man" "$prefix/share/icons/hicolor/scalable/apps/$id.svg" \
    "$bash_completion" "$zsh_completion"; do
    [ -f "$f" ] || fail "missing ${f#"$prefix"/}"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" 2>/dev/null |
        awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }') || true
    [ "${width:-}x${height:-}" = "${size}x${size}" ] ||
        fail "icon ${size}x${size}: found ${width:-nothing}x${height:-nothing}"
done

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli rejects the metainfo"
grep -qx "Exec=tunecarver %F" "$desktop" || fail "the menu entry does not start tunecarver with %F"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the menu entry"
warnings=$(zcat "$man" | groff -man -ww -z 2>&1) || fail "the manual page does not render"
[ -z "$warnings" ] || fail "the manual page: $warnings"
bash -n "$bash_completion" || fail "bash cannot read the completion"
[ "$failed" -eq 0 ] && echo "install tree under $prefix: complete"
exit "$failed"
