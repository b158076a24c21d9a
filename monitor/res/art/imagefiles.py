"""BMP and ICO bytes for the resource compiler, written with struct alone."""
import struct
import zlib


def _padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def _info_header(width, height, bpp, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, image_size, 2835, 2835, 0, 0)


def bmp24_bytes(rows):
    """Bottom-up 24-bit BI_RGB bitmap from top-down rows of (r, g, b)."""
    height, width = len(rows), len(rows[0])
    pixels = b"".join(_padded(b"".join(struct.pack("BBB", b, g, r) for r, g, b in row))
                      for row in reversed(rows))
    header = _info_header(width, height, 24, len(pixels))
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    return file_header + header + pixels


def _icon_image(rows):
    """One icon image: 32-bit BGRA colour plane plus the 1-bit AND mask that
    older renderers use (set bits are transparent)."""
    height, width = len(rows), len(rows[0])
    colour = b"".join(struct.pack("BBBB", b, g, r, a) for row in reversed(rows) for r, g, b, a in row)
    mask = b""
    for row in reversed(rows):
        bits = 0
        for r, g, b, a in row:
            bits = (bits << 1) | (1 if a < 128 else 0)
        bits <<= -width % 8
        mask += _padded(bits.to_bytes((width + 7) // 8, "big"))
    return _info_header(width, height * 2, 32, len(colour) + len(mask)) + colour + mask


def ico_bytes(images):
    """Icon file from a list of top-down rows of (r, g, b, a), one per size."""
    blobs = [_icon_image(rows) for rows in images]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for rows, blob in zip(images, blobs):
        size = len(rows)
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return directory + b"".join(blobs)


def bmp_geometry(data):
    """(width, height, bits per pixel) of a BMP file's bytes, checking its layout."""
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    _, width, height, _, bpp = struct.unpack_from("<IiiHH", data, 14)
    stride = (width * bpp // 8 + 3) & ~3
    if magic != b"BM" or size != len(data) or offset + stride * abs(height) != len(data):
        raise ValueError("malformed bitmap")
    return width, height, bpp


def bmp_pixel(data, x, y):
    """(r, g, b) at top-down position x, y of a 24-bit bottom-up bitmap."""
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) & ~3
    b, g, r = data[offset + (height - 1 - y) * stride + x * 3:][:3]
    return r, g, b


def ico_geometry(data):
    """[(width, height, bits per pixel)] of an icon file's images, checking each entry."""
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    if kind != 1:
        raise ValueError("not an icon")
    sizes = []
    for i in range(count):
        w, h, _, _, _, bpp, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        _, iw, ih, _, ibpp = struct.unpack_from("<IiiHH", data, offset)
        w, h = w or 256, h or 256
        mask_stride = ((w + 31) // 32) * 4
        if (iw, ih, ibpp) != (w, 2 * h, bpp) or length != 40 + w * h * bpp // 8 + mask_stride * h \
                or offset + length > len(data):
            raise ValueError("malformed icon entry %d" % i)
        sizes.append((w, h, bpp))
    return sizes


def _png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def _filtered(rows, bpp):
    """Each scan line with the PNG filter (none, sub, up, average, Paeth) that
    leaves the smallest sum of bytes, the usual rule for a small file."""
    out, previous = [], bytes(len(rows[0]))
    for line in rows:
        candidates = []
        for kind in range(5):
            f = bytearray(len(line))
            for i, v in enumerate(line):
                a = line[i - bpp] if i >= bpp else 0
                b = previous[i]
                c = previous[i - bpp] if i >= bpp else 0
                if kind == 0:
                    pred = 0
                elif kind == 1:
                    pred = a
                elif kind == 2:
                    pred = b
                elif kind == 3:
                    pred = (a + b) // 2
                else:
                    p = a + b - c
                    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                    pred = a if pa <= pb and pa <= pc else b if pb <= pc else c
                f[i] = (v - pred) & 0xFF
            candidates.append((sum(min(x, 256 - x) for x in f), kind, bytes(f)))
        _, kind, best = min(candidates)
        out.append(bytes([kind]) + best)
        previous = line
    return b"".join(out)


def png_bytes(rows, palette=None):
    """PNG of top-down rows: (r, g, b) tuples, or palette indexes when a palette
    of (r, g, b) is given. The programs load it through the system's decoder."""
    height, width = len(rows), len(rows[0])
    if palette:
        lines, bpp, colour_type = [bytes(row) for row in rows], 1, 3
    else:
        lines, bpp, colour_type = [bytes(v for px in row for v in px) for row in rows], 3, 2
    chunks = _png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
    if palette:
        chunks += _png_chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    chunks += _png_chunk(b"IDAT", zlib.compress(_filtered(lines, bpp), 9))
    return b"\x89PNG\r\n\x1a\n" + chunks + _png_chunk(b"IEND", b"")


def png_geometry(data):
    """(width, height) of a PNG file's bytes, checking its signature and header."""
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG")
    return struct.unpack_from(">II", data, 16)
