#!/usr/bin/python3
"""Marks a linked Windows program to run from the swap file.

Usage: pe-run-from-swap.py EXE

Windows pages a program's code in from the file it was started from: a program started
from a disc, a stick or a network share that goes away while it runs dies at its next
page fault. With IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP and IMAGE_FILE_NET_RUN_FROM_SWAP in
the COFF header, Windows copies the image to the swap file at start. GNU ld has no switch
for them, so they are set here, after linking and before any signing. The PE checksum
stays as the linker left it: 0 stays 0, any other value is computed afresh.
"""
import struct
import sys

RUN_FROM_SWAP = 0x0400 | 0x0800  # removable media, network


def checksum(data, field):
    """The PE checksum: 16-bit words summed with end-around carry, the checksum field
    counted as 0, plus the file's length."""
    length = len(data)
    if length % 2:
        data += b"\0"
    total = 0
    for (word,) in struct.iter_unpack("<H", data):
        total += word
    for (word,) in struct.iter_unpack("<H", data[field:field + 4]):
        total -= word
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + length


def main(path):
    with open(path, "rb") as f:
        data = bytearray(f.read())
    if data[:2] != b"MZ":
        sys.exit(f"{path}: not a Windows program")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        sys.exit(f"{path}: no PE header")
    characteristics_at = pe + 4 + 18
    checksum_at = pe + 4 + 20 + 64  # the same place in PE32 and PE32+ optional headers
    characteristics = struct.unpack_from("<H", data, characteristics_at)[0]
    struct.pack_into("<H", data, characteristics_at, characteristics | RUN_FROM_SWAP)
    if struct.unpack_from("<I", data, checksum_at)[0] != 0:
        struct.pack_into("<I", data, checksum_at, checksum(bytes(data), checksum_at))
    with open(path, "r+b") as f:
        f.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
