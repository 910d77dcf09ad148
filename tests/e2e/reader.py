"""The program's window as a screen reader finds it through AT-SPI (pyatspi).

Run as a script, reader.py PID prints the entries the list of the program with that process id
shows, one a line; exit status 1 when there is no such window.
"""
import sys
import time

import pyatspi


def find_application(pid):
    """The application of that process and its frame "Startprogram", waiting up to 20 s for them."""
    for _ in range(200):
        desktop = pyatspi.Registry.getDesktop(0)
        for application in desktop:
            if application is not None and application.get_process_id() == pid:
                for frame in application:
                    if frame is not None and frame.getRole() == pyatspi.ROLE_FRAME and frame.name == "Startprogram":
                        return application, frame
        time.sleep(0.1)
    return None, None


def list_entries(frame):
    """The lines of the window's list (its one combo box), in their order."""
    combo = pyatspi.findDescendant(frame, lambda n: n is not None and n.getRole() == pyatspi.ROLE_COMBO_BOX)
    rows = combo and pyatspi.findDescendant(combo, lambda n: n is not None and n.getRole() == pyatspi.ROLE_LIST)
    return [row.name for row in rows if row is not None] if rows else None


if __name__ == "__main__":
    _, window = find_application(int(sys.argv[1]))
    entries = list_entries(window) if window else None
    if entries is None:
        print("no window with a list for process %s" % sys.argv[1], file=sys.stderr)
        sys.exit(1)
    print("\n".join(entries))
