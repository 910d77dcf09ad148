#!/usr/bin/env bash
# The program linked to the lean Qt, unstripped as its build leaves it: every plugin it
# must carry is linked in (a missing one fails only on the desktop that needs it: the
# Wayland decoration only where the compositor leaves decorations to the program), Qt's
# prefix is the fixed one that no machine has, and no folder of the build machine is in it.
# Usage: lean-program.sh PROGRAM LEAN_QT SOURCE BUILD
set -u
program="$1"
lean_qt="$2"
source="$3"
build="$4"
fail() { echo "FAIL [lean program]: $*" >&2; exit 1; }
symbols="$(nm -C "$program" 2>/dev/null)" || fail "no symbols in $program"
for plugin in QXcbIntegrationPlugin QWaylandIntegrationPlugin QWaylandXdgShellIntegrationPlugin \
  QWaylandBradientDecorationPlugin QGifPlugin QJpegPlugin QICOPlugin \
  QComposePlatformInputContextPlugin QIbusPlatformInputContextPlugin; do
  grep -q " qt_static_plugin_$plugin()" <<<"$symbols" || fail "the plugin $plugin is not linked in"
done
text="$(strings -n 6 "$program")"
grep -qx 'qt_prfxpath=/nonexistent/startprogram-lean-qt' <<<"$text" ||
  fail "Qt's prefix is not the fixed one: $(grep -m1 qt_prfxpath <<<"$text")"
for folder in "$lean_qt" "$source" "$build" "${HOME:-/root}/" /home/ .cache/startprogram; do
  found="$(grep -m1 -F -- "$folder" <<<"$text")" && fail "the program holds the folder $folder: $found"
done
echo "PASS [lean program]: 9 plugins linked in, prefix /nonexistent/startprogram-lean-qt, no folder of this machine"
