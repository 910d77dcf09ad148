#!/usr/bin/env bash
# The window as a screen reader meets it, on the display in $DISPLAY: the real program
# on its own D-Bus session and accessibility buses, read and worked through AT-SPI
# (pyatspi) as Orca would. Usage: a11y.sh PROGRAM
# Like e2e.sh it lays out its own medium and home, records what the program hands to
# the desktop with a stand-in xdg-open first on PATH, bounds every wait and ends
# every process it started, by its id.
set -u
program="$1"

# shellcheck source=tests/e2e/reader.sh
. "$(dirname "${BASH_SOURCE[0]}")/reader.sh"
need_reader_tools xdotool

work="$(mktemp -d)"
medium="$work/medium"
home="$work/home"
record="$work/xdg-open.calls"
mkdir -p "$medium" "$home/.config" "$work/bin"

cleanup() {
  stop_reader_session
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL [accessibility]: $*" >&2
  [ -s "$work/stdout" ] && sed 's/^/  program: /' "$work/stdout" >&2
  [ -s "$work/launcher" ] && sed 's/^/  at-spi: /' "$work/launcher" >&2
  exit 1
}

# shellcheck source=tests/e2e/medium.sh
. "$(dirname "${BASH_SOURCE[0]}")/medium.sh"
lay_medium
printf '<html><body>usage</body></html>\n' > "$medium/Presumptions.htm"
printf '%s\r\n' 2 '"index.htm","First entry"' '"second page.htm","Second entry"' > "$medium/info.txt"
# Leave this program running: the box is ticked and nothing ends the program under the reader.
printf '[Zezuzav]\nStartSide=index.htm\nLukVedStart=False\n' > "$home/.config/Varnholt Danmark.ini"

export HOME="$home" XDG_CONFIG_HOME="$home/.config"
export XDG_DATA_HOME="$home/.local/share" LANG=C.UTF-8 LC_ALL=C.UTF-8
start_reader_buses
PATH="$work/bin:$PATH" XDG_OPEN_RECORD="$record" start_for_reader "$medium/startprogram"

read_as_reader - "$app" <<'READER' || fail "the reader did not find what it looked for"
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib
from reader import find_application, list_entries

pid = int(sys.argv[1])


def say(text):
    print(text, flush=True)


def walk(node, depth, out):
    for child in node:
        if child is None:
            continue
        out.append((depth, child))
        # A list's own rows are the entries, not the window's controls.
        if child.getRole() not in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_MENU_BAR):
            walk(child, depth + 1, out)


def check(condition, message):
    if not condition:
        say("MISSING: " + message)
        sys.exit(1)


application, frame = find_application(pid)
check(frame is not None, 'no application with a frame named "Startprogram"')
say("application %r, frame %r" % (application.name, frame.name))

nodes = []
walk(frame, 0, nodes)
say("as the reader lists them, top to bottom:")
for depth, node in nodes:
    say("  %s%s %r" % ("  " * depth, node.getRoleName(), node.name))


def one(role, name=None):
    found = [n for _, n in nodes if n.getRole() == role and (name is None or n.name == name)]
    check(len(found) == 1, "%d of role %s named %r" % (len(found), role, name))
    return found[0]


for name in ("Go!", "Exit"):
    button = one(pyatspi.ROLE_PUSH_BUTTON, name)
    actions = button.queryAction()
    check(actions.nActions >= 1, "the button %s cannot be pressed" % name)

combo = one(pyatspi.ROLE_COMBO_BOX)
labels = [r for r in combo.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
check(len(labels) == 1 and labels[0].getNTargets() == 1, "the list has no label")
check(labels[0].getTarget(0).name == "Choose:", "the list is labelled %r" % labels[0].getTarget(0).name)
check(labels[0].getTarget(0).getRole() == pyatspi.ROLE_LABEL, "the list's label is no label")
entries = list_entries(frame)
check(entries == ["First entry", "Second entry"], "the list reads %r" % entries)

box = one(pyatspi.ROLE_CHECK_BOX, "Leave this program running")
check(box.getState().contains(pyatspi.STATE_CHECKED), "the check box does not read as ticked")

one(pyatspi.ROLE_IMAGE, "Zezuzav Quillmere")
help_text = [n for _, n in nodes if n.getRole() == pyatspi.ROLE_LABEL and "index.htm" in n.name]
check(len(help_text) == 1, "no help text naming the chosen file")

# The help text is read again when another entry is chosen: its new name is announced.
announced = []


def on_name(event):
    if event.source.getRole() == pyatspi.ROLE_LABEL and "second page.htm" in (event.source.name or ""):
        announced.append(event.source.name)


focused = []


def on_focus(event):
    try:
        if event.detail1 == 1 and event.source.get_process_id() == pid:
            focused.append(event.source.name)
    except Exception:  # an object gone meanwhile
        pass


def run_until(condition, seconds):
    deadline = time.monotonic() + seconds
    while not condition() and time.monotonic() < deadline:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.02)
    return condition()


pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
# Registered after the name listener: once the program announces its focus to this one, it
# has learnt of both, and its window has the keyboard.
pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Startprogram$"],
                        capture_output=True, text=True).stdout.split()
check(window, "no window to type into")
root = subprocess.run(["xdotool", "search", "--maxdepth", "0", ""], capture_output=True, text=True).stdout.split()
check(root, "no root window")
tries = 0
while tries < 20:
    tries += 1
    # Each time the window gains the keyboard, the program announces the focused control.
    subprocess.run(["xdotool", "windowfocus", root[0]], check=False)
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=False)
    if run_until(lambda: focused, 1):
        break
pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")
check(focused, "the program announced no focus to the reader")
say("focused: %r, after %d tries" % (focused[0], tries))
# Go, Exit, the check box, then the list: Down picks the second entry.
subprocess.run(["xdotool", "key", "--clearmodifiers", "Tab", "Tab", "Tab", "Down"], check=True)
run_until(lambda: announced, 10)
pyatspi.Registry.deregisterEventListener(on_name, "object:property-change:accessible-name")
check(announced, "choosing another entry announced no new help text")
say("announced: %r" % announced[0])

link = one(pyatspi.ROLE_LINK, "Introduction:")
actions = link.queryAction()
check(actions.nActions == 1, "the link has %d actions" % actions.nActions)
say("following the link by its action %r" % actions.getName(0))
check(actions.doAction(0), "the link's action was refused")
READER

for _ in $(seq 50); do [ -s "$record" ] && break; sleep 0.1; done
[ -s "$record" ] || fail "the link's action handed nothing to the desktop"
sleep 0.5 # one launch, not two
[ "$(cat "$record")" = "file://$medium/Presumptions.htm" ] || fail "handed over: $(cat "$record")"
kill -0 "$app" 2>/dev/null || fail "the program ended"
echo "PASS [accessibility]"
