#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and runs the
# installed programs from there: the files are where they belong, the CLI
# reads an installed example, and the man page and the completion know every
# command the CLI lists.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/out/*.deb)
dpkg-deb --info "$deb" >"$work/info"
grep -q "postinst" "$work/info" || fail "no postinst in the package"
grep -q "Depends:.*libqt6" "$work/info" || fail "no Qt dependency found by shlibdeps"
root=$work/root
dpkg -x "$deb" "$root"

for f in usr/bin/skelmora usr/bin/skelmora-cli usr/bin/vistrel-register; do
  [ -x "$root/$f" ] || fail "missing $f"
done
for f in usr/lib/libvistrel.so usr/share/applications/skelmora.desktop \
         usr/share/mime/packages/skelmora.xml \
         usr/share/icons/hicolor/scalable/apps/skelmora.svg \
         usr/share/man/man1/skelmora.1 usr/share/man/man1/skelmora-cli.1 \
         usr/share/bash-completion/completions/skelmora-cli; do
  [ -e "$root/$f" ] || fail "missing $f"
done
examples=("$root"/usr/share/skelmora/examples/*.s98)
[ -e "${examples[0]}" ] || fail "no examples installed"

cli=$root/usr/bin/skelmora-cli
"$cli" info "${examples[0]}" >"$work/out.txt" || fail "skelmora-cli info failed on ${examples[0]}"
grep -q "lastColumn" "$work/out.txt" || fail "info printed no design"

man=$root/usr/share/man/man1/skelmora-cli.1
completion=$root/usr/share/bash-completion/completions/skelmora-cli
offered=$(bash -c "source '$completion'; COMP_WORDS=(skelmora-cli ''); COMP_CWORD=1; _skelmora_cli; echo \${COMPREPLY[*]}")
for command in $("$cli" --help | awk 'NR > 1 && /^  [a-z]/ {print $1}' | sort -u); do
  grep -q "^\.B $command\b" "$man" || fail "the man page does not list $command"
  grep -q "Example: .*skelmora-cli $command\b" "$man" || fail "the man page has no example of $command"
  [[ " $offered " == *" $command "* ]] || fail "the completion does not offer $command"
done
echo "package: $(basename "$deb") installs and runs"
