"""A strict reader of binary CGM files: every element is decoded from its
header, checked against the elements this library may write and against
the order a metafile must have, and the 80-byte records must end in blanks."""
import struct

RECORD = 80

# (class, id) -> name, and the parameter length each fixed-size element must have.
ELEMENTS = {
    (0, 1): "BEGIN METAFILE", (0, 2): "END METAFILE", (0, 3): "BEGIN PICTURE",
    (0, 4): "BEGIN PICTURE BODY", (0, 5): "END PICTURE",
    (1, 1): "METAFILE VERSION", (1, 2): "METAFILE DESCRIPTION", (1, 11): "METAFILE ELEMENT LIST",
    (2, 1): "SCALING MODE", (2, 2): "COLOUR SELECTION MODE", (2, 6): "VDC EXTENT", (2, 7): "BACKGROUND COLOUR",
    (4, 1): "POLYLINE", (4, 9): "CELL ARRAY", (5, 4): "LINE COLOUR",
}
FIXED_LENGTH = {
    "END METAFILE": 0, "BEGIN PICTURE BODY": 0, "END PICTURE": 0, "METAFILE VERSION": 2,
    "METAFILE ELEMENT LIST": 6, "SCALING MODE": 6, "COLOUR SELECTION MODE": 2, "VDC EXTENT": 8,
    "BACKGROUND COLOUR": 4, "LINE COLOUR": 3,
}
STRING_ELEMENTS = {"BEGIN METAFILE", "METAFILE DESCRIPTION", "BEGIN PICTURE"}
PICTURE_HEAD = ["COLOUR SELECTION MODE", "VDC EXTENT", "BACKGROUND COLOUR", "BEGIN PICTURE BODY"]


class Element:
    def __init__(self, name, data, offset, long_form):
        self.name, self.data, self.offset, self.long_form = name, data, offset, long_form

    def string(self):
        return self.data[1:1 + self.data[0]].decode("latin-1")

    def words(self):
        return list(struct.unpack(">%dh" % (len(self.data) // 2), self.data[:len(self.data) // 2 * 2]))

    def points(self):
        w = self.words()
        return list(zip(w[0::2], w[1::2]))

    def cells(self):
        """A packed 8-bit direct-colour cell array: corners P, Q, R and the rows of (r, g, b)."""
        w = struct.unpack(">10h", self.data[:20])
        corners, nx, ny, precision, mode = list(zip(w[0:6:2], w[1:6:2])), w[6], w[7], w[8], w[9]
        assert precision == 8 and mode == 1, (precision, mode)
        stride = (3 * nx + 1) // 2 * 2
        assert len(self.data) == 20 + stride * ny
        rows = [[tuple(self.data[20 + r * stride + 3 * c:23 + r * stride + 3 * c]) for c in range(nx)]
                for r in range(ny)]
        return corners, rows

    def __repr__(self):
        return "%s(%s)" % (self.name, self.data.hex())


def elements(raw):
    """Decodes the elements of a CGM file, checking headers, lengths and padding."""
    assert len(raw) % RECORD == 0, "file is not made of 80-byte records: %d bytes" % len(raw)
    out, pos = [], 0
    while True:
        assert pos + 2 <= len(raw), "file ends inside an element header at %d" % pos
        (word,) = struct.unpack(">H", raw[pos:pos + 2])
        offset, pos = pos, pos + 2
        cls, ident, length = word >> 12, (word >> 5) & 0x7F, word & 0x1F
        name = ELEMENTS.get((cls, ident))
        assert name, "unknown element class %d id %d at %d" % (cls, ident, offset)
        long_form = length == 31
        if long_form:
            # Only a cell array may split its parameters into partitions.
            data, more = b"", True
            while more:
                (word,) = struct.unpack(">H", raw[pos:pos + 2])
                pos += 2
                more, part = word & 0x8000, word & 0x7FFF
                assert not more or name == "CELL ARRAY", "partitioned parameter list at %d" % offset
                assert pos + part <= len(raw), "%s at %d runs past the end" % (name, offset)
                data += raw[pos:pos + part]
                pos += part + (part & 1)
            length = len(data)
        else:
            assert pos + length <= len(raw), "%s at %d runs past the end" % (name, offset)
            data = raw[pos:pos + length]
            pos += length + (length & 1)
        if name in FIXED_LENGTH:
            assert length == FIXED_LENGTH[name], "%s with %d parameter bytes" % (name, length)
        if name in STRING_ELEMENTS:
            assert long_form and length >= 1 and data[0] < 255 and length == data[0] + 1, \
                "%s: bad string parameter %r" % (name, data)
        if name == "POLYLINE":
            assert long_form and length % 4 == 0 and length >= 8, "POLYLINE with %d bytes" % length
        out.append(Element(name, data, offset, long_form))
        if name == "END METAFILE":
            break
    assert set(raw[pos:]) <= {0x20}, "the last record is not padded with blanks"
    check_order([e.name for e in out])
    return out


def check_order(names):
    """BEGIN METAFILE, its descriptor, then pictures, then END METAFILE."""
    assert names[:4] == ["BEGIN METAFILE", "METAFILE VERSION", "METAFILE DESCRIPTION", "METAFILE ELEMENT LIST"], names
    assert names[-1] == "END METAFILE" and names.count("END METAFILE") == 1
    i = 4
    while names[i] != "END METAFILE":
        assert names[i] == "BEGIN PICTURE", names[i:]
        i += 1
        if names[i] == "SCALING MODE":
            i += 1
        assert names[i:i + 4] == PICTURE_HEAD, names[i:]
        i += 4
        while names[i] in ("POLYLINE", "LINE COLOUR", "CELL ARRAY"):
            i += 1
        assert names[i] == "END PICTURE", names[i:]
        i += 1


def read(path):
    with open(path, "rb") as f:
        return elements(f.read())
