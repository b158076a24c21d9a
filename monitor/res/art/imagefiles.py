"""BMP and ICO bytes for the resource compiler, written with struct alone."""
import struct


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
