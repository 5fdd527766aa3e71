"""A 16-colour drawing surface: palette indices, a few primitives and ordered
dithering, which is how a 16-colour picture suggests the shades it lacks."""

# The 16 colours every Windows display can show, in the order Windows puts
# them in a 4-bit bitmap's colour table.
PALETTE = (
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
)

BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

# One letter per colour for pictures drawn as text; '.' is transparent.
ART_COLOURS = {
    'K': BLACK, 'r': MAROON, 'g': GREEN, 'o': OLIVE, 'n': NAVY, 'p': PURPLE,
    't': TEAL, 's': SILVER, 'd': GREY, 'R': RED, 'G': LIME, 'Y': YELLOW,
    'B': BLUE, 'M': FUCHSIA, 'C': AQUA, 'W': WHITE,
}

# 4x4 Bayer matrix: thresholds spread evenly, so a mix of two colours looks
# like one shade instead of a blotch.
_BAYER = ((0, 8, 2, 10), (12, 4, 14, 6), (3, 11, 1, 9), (15, 7, 13, 5))


def luminance(colour):
    r, g, b = PALETTE[colour]
    return (299 * r + 587 * g + 114 * b) // 1000


def dither(x, y, fraction, first, second):
    """The colour at (x, y) of an even mix: `fraction` (0..1) of `second`."""
    return second if (_BAYER[y & 3][x & 3] + 0.5) / 16 < fraction else first


class Canvas:
    """Pixels as palette indices, row by row from the top; None is transparent."""

    def __init__(self, width, height, fill=None):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    @classmethod
    def from_art(cls, rows):
        """A picture written as text, one string per row, ART_COLOURS letters."""
        width = max(len(row) for row in rows)
        canvas = cls(width, len(rows))
        for y, row in enumerate(rows):
            for x, letter in enumerate(row):
                if letter != '.':
                    canvas.pixels[y][x] = ART_COLOURS[letter]
        return canvas

    def get(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.pixels[y][x]
        return None

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height and colour is not None:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle from (x0, y0) up to, not including, (x1, y1)."""
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                self.pixels[y][x] = colour

    def hline(self, x0, x1, y, colour):
        self.fill(x0, y, x1 + 1, y + 1, colour)

    def vline(self, x, y0, y1, colour):
        self.fill(x, y0, x + 1, y1 + 1, colour)

    def frame(self, x0, y0, x1, y1, top_left, bottom_right):
        """A one-pixel edge of the rectangle with corners (x0, y0) and (x1, y1),
        both inside: the lit colour along the top and left, the shaded one along
        the bottom and right, as Windows draws its 3-D edges."""
        self.hline(x0, x1 - 1, y0, top_left)
        self.vline(x0, y0, y1 - 1, top_left)
        self.hline(x0, x1, y1, bottom_right)
        self.vline(x1, y0, y1, bottom_right)

    def line(self, x0, y0, x1, y1, colour):
        """Bresenham's line, both ends drawn."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def shade(self, x0, y0, x1, y1, first, second, fraction_at):
        """Fills a rectangle with a dithered mix whose share of `second` is
        fraction_at(x, y): gradients and tints in 16 colours."""
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                self.pixels[y][x] = dither(x, y, fraction_at(x, y), first, second)

    def paint_where(self, inside, colour):
        """Sets every pixel whose centre satisfies inside(x + 0.5, y + 0.5)."""
        for y in range(self.height):
            for x in range(self.width):
                if inside(x + 0.5, y + 0.5):
                    self.pixels[y][x] = colour

    def blit(self, source, x0, y0):
        """Copies the opaque pixels of `source` with its corner at (x0, y0)."""
        for y in range(source.height):
            for x in range(source.width):
                self.put(x0 + x, y0 + y, source.pixels[y][x])

    def map(self, recolour):
        """A copy with every opaque pixel replaced by recolour(colour), which may
        return None to make it transparent."""
        copy = Canvas(self.width, self.height)
        copy.pixels = [[None if c is None else recolour(c) for c in row] for row in self.pixels]
        return copy

    def opaque(self):
        """Rows of indices with every transparent pixel as 0, for writing out."""
        return [[0 if c is None else c for c in row] for row in self.pixels]
