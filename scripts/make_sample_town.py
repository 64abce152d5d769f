#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the sample town: examples/sample-town.osm and examples/sample-town.gpx.

Harrowby is an invented fjord town on open ocean, far from any land: a bay with a beach and a
harbour, a lake with an islet, a river that is also the border, woods, a park, an airfield, a
motorway with an interchange, streets and houses, tracks and trails up a mountain with a small
glacier, contours on the mountain and depth contours in the bay. Every feature of the theme
catalogue occurs in it. Standard library only; the output is the same on every run.

    python3 scripts/make_sample_town.py [OUTPUT_FOLDER]
"""

import math
import os
import random
import sys

# Where the invented town lies: open Atlantic water, nowhere near real land.
ORIGIN_LAT = 60.5
ORIGIN_LON = -25.0
METRES_PER_DEGREE = 111320.0

rng = random.Random(19)


class Town:
    """OpenStreetMap objects in local metres (x east, y north of the origin)."""

    def __init__(self):
        self.nodes = {}  # (x, y) rounded to 0.1 m -> id: ways meeting there share the node
        self.node_list = []
        self.ways = []
        self.relations = []
        self.next_way = 1
        self.next_relation = 1

    def node(self, x, y):
        key = (round(x, 1), round(y, 1))
        if key not in self.nodes:
            self.nodes[key] = len(self.node_list) + 1
            self.node_list.append(key)
        return self.nodes[key]

    def way(self, points, tags, closed=False):
        if closed and crosses_itself(points):
            raise ValueError(f"a ring that crosses itself: {tags}")
        refs = [self.node(x, y) for x, y in points]
        if closed and refs[0] != refs[-1]:
            refs.append(refs[0])
        self.ways.append((self.next_way, refs, tags))
        self.next_way += 1
        return self.next_way - 1

    def area(self, points, tags):
        return self.way(points, tags, closed=True)

    def relation(self, members, tags):
        self.relations.append((self.next_relation, members, tags))
        self.next_relation += 1

    def write(self, path):
        lines = ['<?xml version="1.0" encoding="UTF-8"?>',
                 '<osm version="0.6" generator="make_sample_town.py">',
                 "<!-- Harrowby: an invented town made for Quorvane's map. No real data. -->"]
        for number, (x, y) in enumerate(self.node_list, start=1):
            lat, lon = degrees(x, y)
            lines.append(f'<node id="{number}" lat="{lat:.6f}" lon="{lon:.6f}"/>')
        for number, refs, tags in self.ways:
            lines.append(f'<way id="{number}">')
            lines.extend(f'<nd ref="{ref}"/>' for ref in refs)
            lines.extend(tag_lines(tags))
            lines.append("</way>")
        for number, members, tags in self.relations:
            lines.append(f'<relation id="{number}">')
            lines.extend(f'<member type="way" ref="{ref}" role="{role}"/>' for ref, role in members)
            lines.extend(tag_lines(tags))
            lines.append("</relation>")
        lines.append("</osm>")
        with open(path, "w", encoding="utf-8", newline="\n") as out:
            out.write("\n".join(lines) + "\n")


def crosses_itself(ring):
    """Whether two edges of a closed ring cross: such an area cannot be assembled."""
    def turn(a, b, c):
        return (c[1] - a[1]) * (b[0] - a[0]) > (b[1] - a[1]) * (c[0] - a[0])

    edges = list(zip(ring, ring[1:] + ring[:1]))
    for i, (a, b) in enumerate(edges):
        for j in range(i + 2, len(edges)):
            if i == 0 and j == len(edges) - 1:
                continue
            c, d = edges[j]
            if turn(a, c, d) != turn(b, c, d) and turn(a, b, c) != turn(a, b, d):
                return True
    return False


def degrees(x, y):
    lat = ORIGIN_LAT + y / METRES_PER_DEGREE
    lon = ORIGIN_LON + x / (METRES_PER_DEGREE * math.cos(math.radians(ORIGIN_LAT)))
    return lat, lon


def tag_lines(tags):
    for key, value in tags.items():
        yield f'<tag k="{key}" v="{value}"/>'


def tags(text):
    """'highway=residential name=Mill Lane' style, with ';' between tags."""
    return dict(part.split("=", 1) for part in text.split(";"))


# --- shapes -------------------------------------------------------------------------------------

def blob(cx, cy, rx, ry, count, wobble, turn=0.0):
    """A closed irregular oval, anticlockwise."""
    points = []
    for k in range(count):
        a = 2 * math.pi * k / count
        r = 1 + wobble * (rng.random() - 0.5)
        x, y = rx * r * math.cos(a), ry * r * math.sin(a)
        points.append((cx + x * math.cos(turn) - y * math.sin(turn),
                       cy + x * math.sin(turn) + y * math.cos(turn)))
    return points


def rectangle(cx, cy, width, depth, angle):
    c, s = math.cos(angle), math.sin(angle)
    corners = [(-width / 2, -depth / 2), (width / 2, -depth / 2), (width / 2, depth / 2),
               (-width / 2, depth / 2)]
    return [(cx + x * c - y * s, cy + x * s + y * c) for x, y in corners]


def along(points, step):
    """The polyline with points added so that none is further than `step` from the next."""
    out = [points[0]]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        n = max(1, int(math.hypot(x1 - x0, y1 - y0) / step))
        out.extend((x0 + (x1 - x0) * k / n, y0 + (y1 - y0) * k / n) for k in range(1, n + 1))
    return out


def offset(points, distance):
    """The polyline moved sideways (left of its direction for a positive distance)."""
    out = []
    for k, (x, y) in enumerate(points):
        x0, y0 = points[max(0, k - 1)]
        x1, y1 = points[min(len(points) - 1, k + 1)]
        length = math.hypot(x1 - x0, y1 - y0) or 1
        out.append((x - (y1 - y0) / length * distance, y + (x1 - x0) / length * distance))
    return out


def band(points, width):
    """A closed area round a polyline."""
    return offset(points, width / 2) + list(reversed(offset(points, -width / 2)))


def coast_y(x):
    """The shore, west to east: a bay in the middle, a headland in the east."""
    y = -620 + 110 * math.sin((x + 400) / 800) + 35 * math.sin(x / 170)
    y -= 260 * math.exp(-((x - 2150) / 220) ** 2)  # the headland
    y += 90 * math.exp(-((x - 100) / 260) ** 2)  # the harbour cove
    return y


# The frame of the data, 1.6 times as wide as high like a screen: the bay, the woods and the
# roads reach its edges.
WEST, EAST = -2950, 2950
SOUTH, NORTH = -1750, 1950


def coast(x0=WEST, x1=EAST, step=80):
    n = int((x1 - x0) / step)
    return [(x0 + (x1 - x0) * k / n, coast_y(x0 + (x1 - x0) * k / n)) for k in range(n + 1)]



def smooth(points, per_segment=4):
    """A Catmull-Rom curve through the points: roads and shores bend rather than kink."""
    if len(points) < 3:
        return list(points)
    padded = [points[0]] + list(points) + [points[-1]]
    out = []
    for k in range(1, len(padded) - 2):
        p0, p1, p2, p3 = padded[k - 1], padded[k], padded[k + 1], padded[k + 2]
        for step in range(per_segment):
            t = step / per_segment
            out.append(tuple(0.5 * (2 * p1[i] + (-p0[i] + p2[i]) * t
                                    + (2 * p0[i] - 5 * p1[i] + 4 * p2[i] - p3[i]) * t * t
                                    + (-p0[i] + 3 * p1[i] - 3 * p2[i] + p3[i]) * t * t * t)
                             for i in range(2)))
    out.append(points[-1])
    return out


def simplified(points, tolerance):
    """Douglas-Peucker: fewer points, the same line within `tolerance` metres."""
    if len(points) < 3:
        return points
    (x0, y0), (x1, y1) = points[0], points[-1]
    length = math.hypot(x1 - x0, y1 - y0)
    far, at = -1.0, 0
    for k in range(1, len(points) - 1):
        x, y = points[k]
        if length == 0:
            d = math.hypot(x - x0, y - y0)
        else:
            d = abs((x1 - x0) * (y0 - y) - (x0 - x) * (y1 - y0)) / length
        if d > far:
            far, at = d, k
    if far <= tolerance:
        return [points[0], points[-1]]
    return simplified(points[:at + 1], tolerance)[:-1] + simplified(points[at:], tolerance)


def height(x, y):
    """The invented terrain: metres above the sea, below 0 in the bay."""
    d = y - coast_y(x)
    if d < 0:
        return -70 * (1 - math.exp(d / 520)) - 4 * math.sin(x / 310)
    h = 3 + 0.018 * d + 6 * math.sin(x / 230) * math.sin(y / 190)
    for cx, cy, top, rx, ry in ((1550, 1600, 700, 520, 430), (2350, 1750, 380, 300, 260),
                                (950, 1300, 160, 260, 200), (-2250, 950, 190, 420, 330),
                                (-600, 1750, 120, 380, 260)):
        h += top * math.exp(-(((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2) / 2)
    return h


def contours(level, x0, y0, x1, y1, cell):
    """The lines where the terrain is at `level`, by marching squares, joined end to end."""
    nx, ny = int((x1 - x0) / cell), int((y1 - y0) / cell)
    grid = [[height(x0 + i * cell, y0 + j * cell) for i in range(nx + 1)] for j in range(ny + 1)]

    def cross(i0, j0, i1, j1):
        a, b = grid[j0][i0], grid[j1][i1]
        t = (level - a) / (b - a)
        return (round(x0 + (i0 + (i1 - i0) * t) * cell, 1), round(y0 + (j0 + (j1 - j0) * t) * cell, 1))

    segments = []
    for j in range(ny):
        for i in range(nx):
            corners = [(i, j), (i + 1, j), (i + 1, j + 1), (i, j + 1)]
            edges = []
            for k in range(4):
                (ia, ja), (ib, jb) = corners[k], corners[(k + 1) % 4]
                if (grid[ja][ia] >= level) != (grid[jb][ib] >= level):
                    edges.append(cross(ia, ja, ib, jb))
            if len(edges) == 2:
                segments.append(tuple(edges))
            elif len(edges) == 4:
                segments.append((edges[0], edges[1]))
                segments.append((edges[2], edges[3]))
    ends = {}
    for k, (a, b) in enumerate(segments):
        ends.setdefault(a, []).append(k)
        ends.setdefault(b, []).append(k)
    used = [False] * len(segments)
    lines = []
    for start in range(len(segments)):
        if used[start]:
            continue
        used[start] = True
        line = list(segments[start])
        for forward in (True, False):
            while True:
                tip = line[-1] if forward else line[0]
                nxt = next((k for k in ends[tip] if not used[k]), None)
                if nxt is None:
                    break
                used[nxt] = True
                a, b = segments[nxt]
                point = b if a == tip else a
                if forward:
                    line.append(point)
                else:
                    line.insert(0, point)
        lines.append(line)
    return lines

# --- the town -----------------------------------------------------------------------------------

def wobbly(points, amount, closed=True):
    """Control points joined by a smooth curve with a little noise: a natural edge."""
    curve = smooth(points + points[:1] if closed else points, 3)
    # Never more than a third of the gap between points, so that the edge cannot cross itself.
    gap = min(math.hypot(x1 - x0, y1 - y0) for (x0, y0), (x1, y1) in zip(curve, curve[1:]))
    amount = min(amount, gap / 3)
    out = [(x + amount * (rng.random() - 0.5), y + amount * (rng.random() - 0.5)) for x, y in curve]
    return out[:-1] if closed else out


def build(town):
    routes = {}

    # The bay, its depths from the same terrain as the contours, an island and reefs.
    shore = coast()
    town.area(shore + [(EAST, SOUTH), (WEST, SOUTH)], tags("natural=bay;name=Harrow Bay"))
    for depth in (5, 10, 20, 50):
        for line in contours(-depth, WEST, SOUTH, EAST, -300, 50):
            line = simplified(line, 6)
            if len(line) > 3:
                town.way(line, tags(f"contour=depth;depth={depth}"))
    island = wobbly(blob(-700, -1320, 230, 130, 9, 0.2), 10)
    town.area(island, tags("place=island;name=Gull Island"))
    town.area(rectangle(-620, -1300, 12, 12, 0.3), tags("building=yes;man_made=lighthouse"))
    town.way([(-820, -1340), (-720, -1320), (-620, -1310)], tags("highway=footway"))
    for cx, cy in ((2230, -1040), (2330, -980), (2120, -1100), (-1500, -900)):
        town.area(blob(cx, cy, 40, 25, 7, 0.4), tags("natural=reef"))

    # The beach west of the harbour, the harbour, the pier and the breakwater.
    beach_top = [(x, y + 55 + 15 * math.sin(x / 90)) for x, y in coast(-1050, -230, 60)]
    beach_sea = list(reversed(coast(-1050, -230, 60)))
    town.area(beach_top + beach_sea, tags("natural=beach;name=Long Strand"))
    harbour_shore = coast(-160, 380, 60)
    basin = [(x, y - 8) for x, y in harbour_shore] + [(380, -720), (-160, -720)]
    town.area(basin, tags("leisure=marina;name=Harrowby Harbour"))
    town.way([(60, coast_y(60)), (60, -700)], tags("man_made=pier"))
    town.way([(180, coast_y(180)), (180, -690)], tags("man_made=pier"))
    town.area(band(smooth([(-200, -745), (120, -790), (420, -760)]), 14), tags("man_made=breakwater"))

    # The river, which is also the border, its mouth, the marsh, and the lake it comes from.
    river = smooth([(-1350, 860), (-1480, 640), (-1560, 380), (-1720, 150), (-1790, -120),
                    (-1940, -330), (-2040, coast_y(-2040) + 10), (-2080, coast_y(-2080) - 60)], 3)
    town.way(river, tags("waterway=river;name=Harrow Water"))
    lower = [p for p in river if p[1] < -120]
    town.area(band(lower, 45), tags("natural=water;water=river"))
    town.area(wobbly(blob(-1880, -470, 150, 80, 8, 0.2, 0.5), 5), tags("natural=wetland;name=Harrow Marsh"))
    town.area(wobbly(blob(-1640, -440, 90, 50, 7, 0.2, -0.4), 10), tags("natural=wetland"))
    town.way(smooth([(-1320, NORTH), (-1270, 1650), (-1300, 1420), (-1270, 1290)]), tags("waterway=stream"))
    town.way(smooth([(-300, 1650), (-450, 1450), (-640, 1280), (-860, 1150)]), tags("waterway=stream;name=Fell Beck"))
    town.way(smooth([(1150, 1050), (800, 760), (430, 740)]), tags("waterway=stream"))
    border = river[:-1] + [(-2140, coast_y(-2140) - 400), (-2240, SOUTH)]
    town.way(border, tags("boundary=administrative;admin_level=2"))
    town.way(smooth([(-1350, 860), (-1380, 1250), (-1300, NORTH)]), tags("boundary=administrative;admin_level=2"))
    town.way([(2500, SOUTH), (2520, coast_y(2520)), (2450, 600), (2500, NORTH)],
             tags("boundary=administrative;admin_level=4"))
    # The town's own boundary: a relation of three ways.
    parish = [town.way(smooth([(-1900, -1000), (-1720, 250), (-1600, 1450)]), tags("boundary=administrative")),
              town.way(smooth([(-1600, 1450), (400, 1620), (2050, 1500)]), tags("boundary=administrative")),
              town.way(smooth([(2050, 1500), (2150, 300), (2050, -1080)]) + [(-1900, -1000)],
                       tags("boundary=administrative"))]
    town.relation([(w, "outer") for w in parish],
                  tags("type=boundary;boundary=administrative;admin_level=8;name=Harrowby"))

    lake = wobbly(blob(-1150, 1080, 330, 200, 10, 0.2, 0.2), 12)
    islet = wobbly(blob(-1090, 1100, 70, 40, 6, 0.2), 6)
    outer = town.way(lake, {}, closed=True)
    inner = town.area(islet, tags("place=islet;name=Heron Holm"))
    town.relation([(outer, "outer"), (inner, "inner")],
                  tags("type=multipolygon;natural=water;name=Mirror Lake"))

    # The terrain's contours every 25 m, a glacier on the summit, bare rock and a quarry.
    for level in range(25, 725, 25):
        for line in contours(level, WEST, -900, EAST, NORTH, 45):
            line = simplified(line, 9)
            if len(line) > 3:
                closed = line[0] == line[-1]
                town.way(line[:-1] if closed else line, tags(f"contour=elevation;ele={level}"), closed)
    town.area(wobbly(blob(1580, 1660, 150, 90, 8, 0.3, 0.4), 15), tags("natural=glacier;name=Harrow Fonn"))
    town.area(wobbly(blob(1380, 1480, 90, 45, 7, 0.4, -0.3), 10), tags("natural=bare_rock"))
    town.area(wobbly(blob(2230, 1680, 80, 50, 7, 0.4), 10), tags("natural=scree"))
    town.area(wobbly(blob(900, 900, 110, 70, 8, 0.2, 0.4), 8), tags("landuse=quarry;name=Crag Quarry"))

    # Woods round the lake and on the lower slopes, with a clearing; scrub and copses.
    woods_edge = [(WEST, NORTH)] + wobbly([(WEST, 760), (-2500, 700), (-2100, 560), (-1650, 520),
                                           (-1300, 700), (-900, 780), (-450, 880), (100, 1000),
                                           (500, 1100), (800, 1250), (1000, 1500), (950, 1780),
                                           (700, NORTH)], 30, closed=False)
    woods_outer = town.way(woods_edge, {}, closed=True)
    clearing = town.way(wobbly(blob(-250, 1480, 160, 100, 7, 0.2), 12), tags("landuse=meadow"), closed=True)
    town.relation([(woods_outer, "outer"), (clearing, "inner")],
                  tags("type=multipolygon;landuse=forest;name=Harrow Wood"))
    town.area(wobbly(blob(-2300, -150, 200, 150, 8, 0.3), 20), tags("natural=scrub"))
    town.area(wobbly(blob(-1450, 320, 140, 100, 7, 0.3), 15), tags("natural=wood"))
    town.area(wobbly(blob(1900, 700, 260, 150, 8, 0.3, 0.3), 25), tags("natural=wood;leaf_type=needleleaved"))
    town.area(wobbly(blob(-2350, 300, 160, 120, 7, 0.3), 15), tags("landuse=forest"))

    # The town's land use.
    town.area([(-1150, -420), (-380, -420), (-380, 600), (-1150, 600)], tags("landuse=residential;name=Westgate"))
    town.area([(380, -330), (980, -330), (980, 600), (380, 600)], tags("landuse=residential;name=Eastgate"))
    town.area([(-380, -420), (380, -420), (380, 200), (-380, 200)], tags("landuse=commercial;name=Harrowby Centre"))
    town.area([(-380, 200), (380, 200), (380, 600), (-380, 600)], tags("landuse=residential"))
    town.area([(-2450, -80), (-2200, -60), (-2150, 150), (-2450, 150)], tags("landuse=residential;name=Ferry End"))
    town.area([(420, -560), (880, -560), (880, -330), (420, -330)], tags("landuse=industrial;name=Harbour Works"))
    town.area([(-300, 240), (-80, 240), (-80, 420), (-300, 420)], tags("leisure=park;name=Town Park"))
    town.area([(-260, 260), (-200, 260), (-200, 300), (-260, 300)], tags("leisure=playground"))
    town.area([(120, 380), (300, 380), (300, 520), (120, 520)], tags("landuse=cemetery"))
    town.area([(-1000, 470), (-820, 470), (-820, 590), (-1000, 590)], tags("amenity=school;name=Harrowby School"))
    town.area([(150, -400), (300, -400), (300, -300), (150, -300)], tags("amenity=parking"))
    town.area(wobbly(blob(300, 840, 110, 60, 8, 0.15), 8), tags("landuse=reservoir;name=Town Reservoir"))
    town.area(wobbly(blob(2150, -640, 170, 110, 8, 0.2), 10), tags("landuse=military;name=Harrow Head Radar"))
    town.area([(1100, 250), (1350, 250), (1350, 450), (1100, 450)], tags("landuse=construction;name=Fell View"))

    # The airfield on the flat land east of the town.
    field = [(1050, -470), (2000, -420), (2000, -130), (1050, -170)]
    town.area(field, tags("aeroway=aerodrome;name=Harrowby Airfield"))
    town.way([(1150, -300), (1900, -270)], tags("aeroway=runway;width=30;ref=08/26"))
    town.area([(1380, -230), (1560, -222), (1560, -165), (1380, -172)], tags("aeroway=apron"))
    town.area(rectangle(1470, -135, 70, 25, 0.02), tags("building=terminal;name=Terminal"))
    town.area(rectangle(1620, -180, 40, 30, 0.02), tags("building=hangar"))
    town.way([(1470, -122), (1470, -60)], tags("highway=service"))

    # Roads.
    motorway = smooth([(WEST, 640), (-1400, 690), (-600, 720), (0, 720), (800, 690), (1700, 610),
                       (EAST, 560)], 4)
    town.way(motorway, tags("highway=motorway;ref=E 19"))
    for points in ([(-300, 735), (-120, 780), (-30, 700), (-10, 600)],
                   [(10, 600), (60, 680), (160, 700), (320, 713)],
                   [(320, 703), (140, 650), (40, 560), (10, 480)],
                   [(-10, 480), (-60, 620), (-160, 700), (-300, 725)]):
        town.way(smooth(points, 3), tags("highway=motorway_link"))
    main_street = [(0, coast_y(0) + 20), (0, -420), (0, -290), (0, -160), (0, -30), (0, 90),
                   (0, 210), (0, 330), (0, 450), (0, 560), (0, 600)]
    town.way(main_street, tags("highway=primary;name=Main Street"))
    lake_road = smooth([(0, 600), (-150, 860), (-600, 930), (-840, 1000), (-780, 1250), (-1000, 1370),
                        (-1300, 1420), (-1700, 1520), (-2150, 1650), (WEST, 1700)], 4)
    town.way(lake_road, tags("highway=secondary;name=Lake Road"))
    west_road = smooth([(WEST, -170), (-2200, -100), (-1790, -60), (-1500, -130), (-1150, -160)], 4)
    town.way(west_road + [(-380, -160), (0, -160)], tags("highway=trunk;name=West Coast Road"))
    town.way(smooth([(380, -160), (700, -140), (1000, -50), (1500, -10), (2100, 20), (EAST, 40)], 4),
             tags("highway=trunk;motorroad=yes;name=Airfield Expressway"))
    town.way([(-380, -160), (-380, 200), (-380, 600), (0, 600), (380, 600), (380, 200),
              (380, -160)], tags("highway=tertiary;name=Ring Road"))
    town.way([(-1150, -420), (-380, -420), (-100, -420), (0, -420), (200, -420), (380, -420),
              (880, -440)], tags("highway=tertiary;name=Harbour Street"))
    town.way([(0, coast_y(0) + 20), (-100, -420)], tags("highway=service"))

    # Streets: a grid in Westgate, gentler curves in Eastgate, a few in the centre and by the river.
    streets = []
    for y in (-290, -30, 150, 330, 470):
        streets.append([(-1150, y), (-380, y)])
    for x in (-1050, -760, -480):
        streets.append([(x, -420), (x, 600)])
    for y in (-30, 90, 210, 330, 470):
        streets.append(smooth([(380, y), (600, y + 25), (780, y + 10), (980, y - 10)], 3))
    for x in (560, 800):
        streets.append(smooth([(x, -160), (x + 15, 200), (x - 10, 600)], 3))
    for y in (-290, -30, 90, 330, 470):
        streets.append([(-380, y), (0, y), (380, y)])
    streets.append(smooth([(-2450, 40), (-2300, 70), (-2180, 20)], 3))
    streets.append(smooth([(-2330, -120), (-2320, 140)], 3))
    names = ["Mill Lane", "Fish Row", "Church Street", "Elm Road", "Rope Walk", "Sail Street",
             "Netters Way", "Gull Road", "Ash Grove", "Pier Road", "Kelp Lane", "Salt Street",
             "Oak Way", "Tide Road", "Cliff Lane", "Quay Row", "Mast Lane", "Anchor Road",
             "Beacon Street", "Bell Lane", "Ferry Lane", "Moss Way", "Heron Close", "Fell Road"]
    for k, street in enumerate(streets):
        town.way(street, tags(f"highway=residential;name={names[k % len(names)]}"))
    town.way(smooth([(980, 90), (1100, 130), (1250, 250)], 3), tags("highway=residential;surface=gravel"))
    town.way([(1100, 330), (1350, 330)], tags("highway=construction;construction=residential"))
    town.way([(980, 470), (1080, 530)], tags("highway=service;access=private"))
    for x in (-905, -620):
        town.way([(x, -290), (x, 470)], tags("highway=service;service=alley"))
    town.way([(-190, -290), (-190, 190)], tags("highway=service;service=alley"))
    town.way([(190, -290), (190, 190)], tags("highway=service;service=alley"))

    # Tracks and trails.
    switchbacks = [(750, 700), (1100, 780), (820, 900), (1180, 1000), (900, 1120), (1250, 1230),
                   (1050, 1330), (1400, 1440), (1550, 1600)]
    town.way(smooth([(380, 600), (600, 650), (750, 700)], 3), tags("highway=track"))
    town.way(smooth(switchbacks, 3), tags("highway=track;tracktype=grade3"))
    town.way(smooth([(820, 900), (900, 900)], 2), tags("highway=track"))
    town.way(smooth([(-600, 930), (-450, 1200), (-250, 1480), (0, 1700), (300, NORTH)], 4), tags("highway=track"))
    lake_path = wobbly(blob(-1150, 1080, 385, 255, 12, 0.05, 0.2), 6)
    town.way(lake_path + lake_path[:1], tags("highway=path;name=Lake Walk"))
    coast_path = [(x, y + 95) for x, y in coast(-1700, -250, 100)]
    town.way(coast_path, tags("highway=footway;name=Strand Path"))
    town.way(smooth([(-290, 330), (-190, 290), (-90, 330)], 3), tags("highway=footway"))
    town.way(smooth([(1550, 1600), (1700, 1750), (1850, NORTH)], 3), tags("highway=path;sac_scale=mountain_hiking"))
    town.way([(600, 650), (700, 665)], tags("highway=steps"))
    town.way(smooth([(-1790, -60), (-2000, 300), (-2250, 700), (WEST, 950)], 4), tags("highway=track"))

    # The railway along the coast, through the station, on towards the airfield.
    railway = smooth([(WEST, -300), (-1800, -260), (-1000, -240), (-400, -240), (0, -250),
                      (600, -250), (1000, -210), (1500, -100), (2100, -70), (EAST, -50)], 4)
    town.way(railway, tags("railway=rail;name=Coast Line"))

    # A power line and a chair lift.
    town.way(smooth([(-380, 600), (300, 1000), (1000, 1200), (EAST, 1350)], 2), tags("power=line"))
    town.way([(700, 700), (1380, 1440)], tags("aerialway=chair_lift;name=Fonn Lift"))

    # Buildings: a terrace of shops along Main Street, public buildings, houses along the streets.
    occupied = []

    def free(x, y, r):
        return all(math.hypot(x - ox, y - oy) > r + orr for ox, oy, orr in occupied)

    def place(cx, cy, width, depth, angle, kind, force=False):
        r = math.hypot(width, depth) / 2 * 0.9
        if force or free(cx, cy, r):
            occupied.append((cx, cy, r))
            town.area(rectangle(cx, cy, width, depth, angle), tags(f"building={kind}"))

    for (x, y), kind, w, d in (((-290, -90), "retail", 70, 50), ((290, -90), "commercial", 60, 50),
                               ((-280, 150), "church", 40, 22), ((280, 140), "town_hall", 50, 35),
                               ((-300, -215), "train_station", 90, 18), ((560, -470), "industrial", 100, 50),
                               ((760, -440), "warehouse", 70, 45), ((-910, 530), "school", 100, 30),
                               ((250, -600), "yes", 30, 20), ((650, -380), "industrial", 60, 30)):
        place(x, y, w, d, 0, kind)
    for side in (1, -1):
        for y0 in range(-400, 580, 24):
            if any(abs(y0 - y) < 14 for y in (-420, -290, -160, -30, 90, 210, 330, 470)):
                continue
            if 240 < y0 < 420 and side < 0:
                continue
            place(side * 24, y0, 22, 22 + rng.random() * 6, 0, "retail" if y0 < 200 else "house")
    for street in streets:
        for (x0, y0), (x1, y1) in zip(street, street[1:]):
            length = math.hypot(x1 - x0, y1 - y0)
            if length < 30:
                continue
            angle = math.atan2(y1 - y0, x1 - x0)
            ux, uy = (x1 - x0) / length, (y1 - y0) / length
            # Terraces in the old town west of the centre, detached houses elsewhere.
            terrace = max(x0, x1) <= -380 and min(y0, y1) >= -420
            for side in (1, -1):
                s = 24 + rng.random() * 16
                while s < length - 18:
                    cx = x0 + ux * s - uy * side * 20
                    cy = y0 + uy * s + ux * side * 20
                    if not (-300 < cx < -80 and 240 < cy < 420) and not (120 < cx < 300 and 380 < cy < 520):
                        if terrace:
                            place(cx, cy, 30 + rng.random() * 8, 10, angle, "terrace")
                        else:
                            place(cx, cy, 10 + rng.random() * 5, 8 + rng.random() * 4, angle, "house")
                    s += (54 if terrace else 80) + rng.random() * 16
    for k in range(10):
        x = -2420 + k * 45 + rng.random() * 10
        place(x, -75 + rng.random() * 30, 10, 8, 0.05, "house")

    # The GPX routes and tracks follow the roads and paths above.
    routes["active"] = [p for p in motorway if -1400 <= p[0] <= -300] + [
        (-300, 735), (-120, 780), (-30, 700), (-10, 600), (0, 480), (0, 250), (0, -30), (0, -300),
        (0, coast_y(0) + 20)]
    routes["inactive"] = [(0, -160), (380, -160), (700, -140), (1000, -50), (1470, -15), (1470, -122)]
    routes["poi"] = [(380, 600), (600, 650)] + smooth(switchbacks, 3)
    routes["hike"] = lake_path + lake_path[:1]
    routes["walk"] = coast_path
    return routes


def write_gpx(path, routes):
    def points(name, line):
        return "\n".join(f'<{name} lat="{lat:.6f}" lon="{lon:.6f}"/>'
                         for lat, lon in (degrees(x, y) for x, y in along(line, 60)))

    text = f"""<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="make_sample_town.py" xmlns="http://www.topografix.com/GPX/1/1">
<metadata><name>Harrowby</name><desc>Invented routes and tracks for Quorvane's sample town.</desc></metadata>
<rte><name>Into town</name>
{points("rtept", routes["active"])}
</rte>
<rte><name>To the airfield</name>
{points("rtept", routes["inactive"])}
</rte>
<rte><name>Summit viewpoint</name><type>poi</type>
{points("rtept", routes["poi"])}
</rte>
<trk><name>Round the lake</name><trkseg>
{points("trkpt", routes["hike"])}
</trkseg></trk>
<trk><name>Strand walk</name><trkseg>
{points("trkpt", routes["walk"])}
</trkseg></trk>
</gpx>
"""
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..",
                                                                   "examples")
    town = Town()
    routes = build(town)
    town.write(os.path.join(folder, "sample-town.osm"))
    write_gpx(os.path.join(folder, "sample-town.gpx"), routes)


if __name__ == "__main__":
    main()
