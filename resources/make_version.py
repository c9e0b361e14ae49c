#!/usr/bin/env python3
"""Writes the program's version block as a raw RT_VERSION resource.

usage: make_version.py OUTPUT BUILD_TIME

The resource compiler cannot store the string block's parent key in upper
case nor fill in the file date, so the block is laid out here, byte for
byte: VS_VERSIONINFO with its VS_FIXEDFILEINFO, one string table and the
translation."""

import struct
import sys

FILE_VERSION = (0, 1, 0, 0)
PRODUCT_VERSION = (0, 1, 0, 0)
FILE_FLAGS_MASK = 0x3F
FILE_FLAGS = 0
VOS_NT_WINDOWS32 = 0x00040004
VFT_APP = 0x00000001
FILE_SUBTYPE = 0

STRING_FILE_INFO_KEY = "STRINGFILEINFO"
STRING_TABLE_KEY = "040904b0"
STRINGS = [
    ("CompanyName", "Quellwerk Softwareentwicklung"),
    ("FileDescription", ""),
    ("FileVersion", "1.0"),
    ("InternalName", ""),
    ("OriginalFilename", ""),
    ("ProductName", ""),
    ("ProductVersion", "1.0"),
]
TRANSLATION = (0x0409, 0x04B0)


def pad4(data):
    return data + bytes(-len(data) % 4)


def utf16z(text):
    return (text + "\0").encode("utf-16-le")


def node(key, value=b"", value_length=0, text=False, children=()):
    """One version node: wLength, wValueLength, wType, key, value, children,
    each of the last three starting on a 32-bit boundary. wLength leaves out
    the padding after the node itself."""
    data = bytes(6) + utf16z(key)
    if value:
        data = pad4(data) + value
    for child in children:
        data = pad4(data) + child
    return struct.pack("<HHH", len(data), value_length, 1 if text else 0) + data[6:]


def version_words(v):
    return (v[0] << 16) | v[1], (v[2] << 16) | v[3]


def fixed_file_info(build_time):
    file_ms, file_ls = version_words(FILE_VERSION)
    product_ms, product_ls = version_words(PRODUCT_VERSION)
    return struct.pack(
        "<13I",
        0xFEEF04BD,  # signature
        0x00010000,  # structure version 1.0
        file_ms, file_ls, product_ms, product_ls,
        FILE_FLAGS_MASK, FILE_FLAGS, VOS_NT_WINDOWS32, VFT_APP, FILE_SUBTYPE,
        0,           # file date, most significant part
        build_time,  # file date, least significant part: seconds since 1970
    )


def version_block(build_time):
    strings = [node(name, utf16z(value), len(value) + 1, text=True) for name, value in STRINGS]
    table = node(STRING_TABLE_KEY, text=True, children=strings)
    string_info = node(STRING_FILE_INFO_KEY, text=True, children=[table])
    translation = node("Translation", struct.pack("<HH", *TRANSLATION), 4)
    var_info = node("VarFileInfo", text=True, children=[translation])
    fixed = fixed_file_info(build_time)
    return node("VS_VERSION_INFO", fixed, len(fixed), children=[string_info, var_info])


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__.splitlines()[2] + "\n")
        return 2
    build_time = int(argv[2])
    if not 0 <= build_time <= 0xFFFFFFFF:
        sys.stderr.write("build time out of range: %d\n" % build_time)
        return 2
    data = version_block(build_time)
    with open(argv[1], "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
