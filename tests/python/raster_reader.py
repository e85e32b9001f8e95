"""Small readers for the raster tests: PNG chunks and the GIF code stream."""
import struct
import zlib


def png_chunks(data):
    """(type, data) of every chunk, checking each CRC on the way."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, out = 8, []
    while pos < len(data):
        (n,) = struct.unpack(">I", data[pos:pos + 4])
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + n]
        assert struct.unpack(">I", data[pos + 8 + n:pos + 12 + n])[0] == zlib.crc32(kind + body)
        out.append((kind.decode(), body))
        pos += 12 + n
    return out


def gif_codes(data):
    """The LZW codes of the first image of a GIF, read as a decoder reads them."""
    pos = 13 + (3 << ((data[10] & 7) + 1) if data[10] & 0x80 else 0)
    while data[pos] == 0x21:  # extensions
        pos += 2
        while data[pos]:
            pos += data[pos] + 1
        pos += 1
    assert data[pos] == 0x2C and data[pos + 9] & 0x80 == 0
    minimum = data[pos + 10]
    pos += 11
    stream = bytearray()
    while data[pos]:
        stream += data[pos + 1:pos + 1 + data[pos]]
        pos += data[pos] + 1
    clear, end = 1 << minimum, (1 << minimum) + 1
    bits = int.from_bytes(stream, "little")
    codes, at, width, next_code, first = [], 0, minimum + 1, end + 1, True
    while at + width <= len(stream) * 8:
        code = (bits >> at) & ((1 << width) - 1)
        at += width
        codes.append(code)
        if code == end:
            break
        if code == clear:
            width, next_code, first = minimum + 1, end + 1, True
            continue
        if not first and next_code < 4096:
            next_code += 1
        first = False
        if next_code == 1 << width and width < 12:
            width += 1
    return codes
