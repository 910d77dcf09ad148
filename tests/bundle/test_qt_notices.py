#!/usr/bin/python3
"""scripts/qt-notices on a small lean-Qt folder and link map: the third-party parts that the linked
objects hold (compiled on their own, in a bundled library, included by a Qt object as a ninja
dependency log records it, generated from a Wayland protocol) get their entry and licence text, the
rest none, and a map without Qt fails.
Usage: test_qt_notices.py
"""
import json
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "qt-notices"
failures = []


def expect(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def write(path, text):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text, encoding="utf-8")


def attribution(module, folder, entries, sources, files=()):
    where = qt / "attributions" / module / folder
    write(where / "qt_attribution.json", json.dumps(entries))
    write(where / "sources.txt", "".join(s + "\n" for s in sources))
    for name in files:
        write(where / name, f"text of {folder}/{name}\n")


work = pathlib.Path(tempfile.mkdtemp())
qt = work / "qt"
write(qt / "stamp", "key 0123abcd\nmanifest feedbeef\nqt6-base 6.4.2+dfsg-10\nqt6-wayland 6.4.2-1\n")
for module, name in [("qtbase", "LGPL-3.0-only"), ("qtbase", "GPL-3.0-only"), ("qtbase", "BSD-2-Clause")]:
    write(qt / "attributions" / module / "LICENSES" / f"{name}.txt", f"{name} text\n")
write(qt / "attributions/qtwayland/includes.txt", "")
attribution("qtbase", "src/3rdparty/libpng",
            {"Id": "libpng", "Name": "libpng", "Version": "1.6", "LicenseId": "libpng-2.0", "LicenseFile": "LICENSE",
             "Copyright": "Copyright (c) 1995 Guy Eric Schalnat\nCopyright (c) 1998 Glenn Randers-Pehrson"},
            ["png.c", "pngread.c", "LICENSE"], ["LICENSE"])
attribution("qtbase", "src/3rdparty/sha3", [
    {"Id": "sha3_keccak", "Name": "SHA-3 Keccak", "LicenseId": "BSD-2-Clause", "LicenseFile": "GONE",
     "Files": "KeccakSponge.c KeccakSponge.h", "Copyright": "Guido Bertoni"},
    {"Id": "sha3_endian", "Name": "SHA-3 endian", "LicenseId": "BSD-2-Clause", "LicenseFile": "BRG",
     "Files": "brg_endian.h", "Copyright": "Brian Gladman"}], ["KeccakSponge.c", "brg_endian.h"], ["BRG"])
attribution("qtbase", "src/3rdparty/md4c", {"Id": "md4c", "Name": "MD4C", "LicenseId": "MIT", "LicenseFile": "LICENSE"},
            ["md4c.c", "LICENSE"], ["LICENSE"])
attribution("qtwayland", "src/3rdparty/protocol", [
    {"Id": "xdg-shell", "Name": "Wayland xdg-shell", "LicenseId": "MIT", "LicenseFile": "MIT.txt",
     "Files": "xdg-shell.xml", "Copyright": "Copyright 2013 Intel"},
    {"Id": "ivi", "Name": "IVI", "LicenseId": "MIT", "LicenseFile": "MIT.txt", "Files": "ivi-application.xml"}],
            ["xdg-shell.xml", "ivi-application.xml"], ["MIT.txt"])

# The Qt build's ninja dependency log (version 4): path records, then each object's inputs.
paths = ["src/corelib/CMakeFiles/Core.dir/tools/qcryptographichash.cpp.o", "/src/qtbase/src/corelib/tools/x.cpp",
         "/src/qtbase/src/3rdparty/sha3/KeccakSponge.c", "/usr/include/stdio.h"]
log = b"# ninjadeps\n" + struct.pack("<i", 4)
for number, path in enumerate(paths):
    raw = path.encode() + b"\0" * (-len(path) % 4)
    log += struct.pack("<I", len(raw) + 4) + raw + struct.pack("<I", ~number & 0xFFFFFFFF)
log += struct.pack("<I", 0x80000000 | 24) + struct.pack("<iIIiii", 0, 0, 0, 1, 2, 3)
(work / "build").mkdir()
(work / "build" / ".ninja_deps").write_bytes(log)
write(work / "build/src/gui/.rcc/qpdf.qrc",
      '<RCC><qresource prefix="/p"><file alias="png.c">/src/qtbase/src/3rdparty/libpng/png.c</file></qresource></RCC>')
recorded = subprocess.run(["/usr/bin/python3", str(SCRIPT), "--record-includes", str(qt), "qtbase", str(work / "build"),
                           "/src/qtbase"], capture_output=True, text=True)
expect(recorded.returncode == 0 and (qt / "attributions/qtbase/includes.txt").read_text()
       == "qcryptographichash.cpp.o src/3rdparty/sha3/KeccakSponge.c\nqrc_qpdf.cpp.o src/3rdparty/libpng/png.c\n",
       f"the record of included and embedded files ({recorded.stderr})")

lib = qt / "lib"
linked = f"""Archive member included to satisfy reference by file (symbol)

{lib}/libQt6Core.a(qcryptographichash.cpp.o)
                              main.cpp.o (_ZN18QCryptographicHash4hashE)
{lib}/libQt6BundledLibpng.a(png.c.o)
                              {lib}/libQt6Gui.a(qpnghandler.cpp.o) (png_create_read_struct)
{qt}/plugins/platforms/libqwayland-generic.a(qwayland-xdg-shell.cpp.o)
                              main.cpp.o (qt_static_plugin)
/usr/lib/x86_64-linux-gnu/libother.a(md4c.c.o)
                              main.cpp.o (md_parse)
"""
run = {}
for case, text in [("linked", linked), ("no Qt", "LOAD /usr/lib/x86_64-linux-gnu/libc.so\n/usr/lib/libother.a(png.c.o)\n"),
                   ("gradients", linked + f"{lib}/libQt6Gui.a(webgradients.cpp.o)\n")]:
    write(work / f"{case}.map", text)
    out = work / case.replace(" ", "-")
    run[case] = subprocess.run(["/usr/bin/python3", str(SCRIPT), str(qt), str(work / f"{case}.map"), str(out),
                                "--maker", "MAKER A/S", "--department", "Dept", "--mail", "a@b.example"],
                               capture_output=True, text=True)

done = run["linked"]
expect(done.returncode == 0, f"a map of a Qt program gives notices ({done.stderr.strip()})")
text = done.stdout
licences = work / "linked" / "licenses"
for component, licence, holds in [("libpng, version 1.6 (libpng)", "qt-libpng.txt", "text of src/3rdparty/libpng/LICENSE"),
                                  ("SHA-3 Keccak (sha3_keccak)", "qt-sha3_keccak.txt", "BSD-2-Clause text"),
                                  ("Wayland xdg-shell (xdg-shell)", "qt-xdg-shell.txt", "MIT.txt"),
                                  (None, "Qt-LGPL-3.0-only.txt", "LGPL-3.0-only text"),
                                  (None, "Qt-GPL-3.0-only.txt", "GPL-3.0-only text")]:
    if component:
        expect(f"\n{component}\n" in text and f"Its text: licenses/{licence}" in text, f"the notices list {component}")
    path = licences / licence
    expect(path.is_file() and holds in path.read_text(), f"licenses/{licence} holds {holds}")
for absent in ["sha3_endian", "md4c", "ivi"]:
    expect(f"({absent})" not in text and not (licences / f"qt-{absent}.txt").exists(),
           f"{absent}, not linked, has no entry and no licence file")
order = [text.find(f"\n{name}") for name in ("libpng", "SHA-3 Keccak", "Wayland xdg-shell")]
expect(-1 not in order and order == sorted(order), "the entries are in the order of their names")
for said in ["qt6-base 6.4.2+dfsg-10", "qt6-wayland 6.4.2-1", "lean Qt 0123abcd", "feedbeef",
             "scripts/lean-qt --source DIR", "scripts/bundle --lean-qt QTDIR", "MAKER A/S, Dept", "a@b.example",
             "  Copyright (c) 1998 Glenn Randers-Pehrson\n"]:
    expect(said in text, f"the section says {said!r}")
for case, said in [("no Qt", "names no member of a Qt archive"), ("gradients", "generated from webgradients.css")]:
    failed = run[case]
    expect(failed.returncode == 1 and said in failed.stderr and not failed.stdout,
           f"a map {case} fails ({failed.stderr.strip()})")

shutil.rmtree(work)
sys.exit(1 if failures else 0)
