"""4-bit Windows bitmaps and icons, written byte by byte so that the same
picture always gives the same file."""

import struct

from canvas import PALETTE

_INFO_HEADER_SIZE = 40


def _colour_table():
    # RGBQUAD order is blue, green, red, reserved.
    return b''.join(bytes((b, g, r, 0)) for r, g, b in PALETTE)


def _row_bytes(bits_per_pixel, width):
    """Bytes of one stored row: every row is padded to a multiple of 4."""
    return (bits_per_pixel * width + 31) // 32 * 4


def _pack_4bit(rows, width):
    """Pixel rows (palette indices, top row first) as bottom-up 4-bit rows."""
    stride = _row_bytes(4, width)
    out = bytearray()
    for row in reversed(rows):
        packed = bytearray(stride)
        for x, index in enumerate(row):
            if x % 2 == 0:
                packed[x // 2] = index << 4
            else:
                packed[x // 2] |= index
        out += packed
    return bytes(out)


def _pack_mask(mask_rows, width):
    """Icon AND mask, bottom-up, one bit per pixel: 1 where the screen shows through."""
    stride = _row_bytes(1, width)
    out = bytearray()
    for row in reversed(mask_rows):
        packed = bytearray(stride)
        for x, transparent in enumerate(row):
            if transparent:
                packed[x // 8] |= 0x80 >> (x % 8)
        out += packed
    return bytes(out)


def _info_header(width, height, image_size):
    return struct.pack('<IiiHHIIiiII', _INFO_HEADER_SIZE, width, height, 1, 4, 0,
                       image_size, 0, 0, 16, 0)


def bmp_bytes(canvas):
    """A complete .bmp file: 16 colours, uncompressed, bottom-up."""
    bits = _pack_4bit(canvas.opaque(), canvas.width)
    offset = 14 + _INFO_HEADER_SIZE + 16 * 4
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset)
    return file_header + _info_header(canvas.width, canvas.height, len(bits)) + _colour_table() + bits


def ico_bytes(canvases):
    """A complete .ico file holding one 16-colour image per canvas; transparent
    pixels are black in the colour image and set in the mask, as Windows expects."""
    images = []
    for canvas in canvases:
        bits = _pack_4bit(canvas.opaque(), canvas.width)
        mask = _pack_mask([[c is None for c in row] for row in canvas.pixels], canvas.width)
        # An icon image's header counts the colour rows and the mask rows together.
        header = _info_header(canvas.width, 2 * canvas.height, len(bits) + len(mask))
        images.append(header + _colour_table() + bits + mask)
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    for canvas, image in zip(canvases, images):
        entries += struct.pack('<BBBBHHII', canvas.width, canvas.height, 16, 0, 1, 4,
                               len(image), offset)
        offset += len(image)
    return directory + entries + b''.join(images)
