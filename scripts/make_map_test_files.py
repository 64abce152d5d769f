#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the binary map files of the tests from tests/data/map/tiny-town.osm.

tiny-town.osm.pbf    the same town as OpenStreetMap's binary format
bad-block.osm.pbf    its data block's compressed bytes damaged
truncated.osm.pbf    cut off in the middle of its data block
truncated.osm.bz2    the XML compressed with bzip2 and cut in half

Standard library only: the protocol buffers are written by hand, which the format's few
messages make easy. The output is the same on every run.

    python3 scripts/make_map_test_files.py
"""

import bz2
import os
import struct
import xml.etree.ElementTree as ElementTree
import zlib

FOLDER = os.path.join(os.path.dirname(__file__), "..", "tests", "data", "map")


def varint(value):
    out = bytearray()
    while True:
        byte = value & 0x7F
        value >>= 7
        if value:
            out.append(byte | 0x80)
        else:
            out.append(byte)
            return bytes(out)


def zigzag(value):
    return (value << 1) ^ (value >> 63)


def field(number, wire, payload):
    return varint(number << 3 | wire) + payload


def message(number, body):
    return field(number, 2, varint(len(body)) + body)


def number_field(number, value):
    return field(number, 0, varint(value))


def packed(number, values, signed=False, delta=False):
    body = b""
    previous = 0
    for value in values:
        if delta:
            value, previous = value - previous, value
        body += varint(zigzag(value) if signed else value)
    return message(number, body)


def blob(kind, data, compress=True):
    if compress:
        body = number_field(2, len(data)) + message(3, zlib.compress(data, 9))
    else:
        body = message(1, data)
    header = message(1, kind.encode()) + number_field(3, len(body))
    return struct.pack(">I", len(header)) + header + body


def primitive_block(osm):
    strings = [""]

    def string(text):
        if text not in strings:
            strings.append(text)
        return strings.index(text)

    nodes = osm.findall("node")
    ids = [int(n.get("id")) for n in nodes]
    lats = [round(float(n.get("lat")) * 1e7) for n in nodes]
    lons = [round(float(n.get("lon")) * 1e7) for n in nodes]
    dense = packed(1, ids, True, True) + packed(8, lats, True, True) + packed(9, lons, True, True)
    ways = b""
    for way in osm.findall("way"):
        tags = way.findall("tag")
        keys = [string(t.get("k")) for t in tags]
        values = [string(t.get("v")) for t in tags]
        refs = [int(nd.get("ref")) for nd in way.findall("nd")]
        ways += message(3, number_field(1, int(way.get("id"))) + packed(2, keys) + packed(3, values)
                        + packed(8, refs, True, True))
    group = message(2, dense) + ways
    table = b"".join(message(1, s.encode()) for s in strings)
    return message(1, table) + message(2, group)


def main():
    source = os.path.join(FOLDER, "tiny-town.osm")
    osm = ElementTree.parse(source).getroot()
    header = message(4, b"OsmSchema-V0.6") + message(4, b"DenseNodes")
    head = blob("OSMHeader", header)
    data = blob("OSMData", primitive_block(osm))
    with open(os.path.join(FOLDER, "tiny-town.osm.pbf"), "wb") as out:
        out.write(head + data)
    # The damage falls inside the zlib stream, past its two-byte header.
    damaged = bytearray(data)
    middle = len(damaged) // 2
    damaged[middle:middle + 8] = b"\xff" * 8
    with open(os.path.join(FOLDER, "bad-block.osm.pbf"), "wb") as out:
        out.write(head + bytes(damaged))
    with open(os.path.join(FOLDER, "truncated.osm.pbf"), "wb") as out:
        out.write(head + data[:len(data) // 2])
    with open(source, "rb") as xml:
        packed_xml = bz2.compress(xml.read(), 9)
    with open(os.path.join(FOLDER, "truncated.osm.bz2"), "wb") as out:
        out.write(packed_xml[:len(packed_xml) // 2])


if __name__ == "__main__":
    main()
