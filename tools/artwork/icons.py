"""The program icon: roots on the unit circle of the complex plane, on a white
tile so it reads on light and dark title bars alike."""

import math

from canvas import Canvas, BLUE, GREY, MAROON, NAVY, RED, SILVER, WHITE
import geometry


def _rounded_square(size, inset, radius):
    """A test for paint_where: inside the square of the given inset with its
    corners rounded."""
    low, high = inset + radius, size - inset - radius

    def inside(x, y):
        qx = max(low - x, x - high, 0.0)
        qy = max(low - y, y - high, 0.0)
        return qx * qx + qy * qy <= radius * radius
    return inside


def _icon(size, unit, count, bead, ring):
    canvas = Canvas(size, size)
    corner = size / 6
    canvas.paint_where(_rounded_square(size, 0, corner), NAVY)
    canvas.paint_where(_rounded_square(size, 1, corner - 1), WHITE)
    # The axes run through the middle pixel; the picture centres on it.
    middle = size // 2 - 1
    c = middle + 0.5
    canvas.hline(2, size - 3, middle, GREY)
    canvas.vline(middle, 2, size - 3, GREY)
    canvas.paint_where(geometry.in_ring(c, c, unit - ring / 2, unit + ring / 2), BLUE)
    for k in range(count):
        a = 2 * math.pi * k / count
        rx, ry = c + unit * math.cos(a), c - unit * math.sin(a)
        canvas.paint_where(geometry.in_disk(rx, ry, bead), MAROON)
        canvas.paint_where(geometry.in_disk(rx - 0.5, ry - 0.5, bead - 0.6), RED)
    return canvas


def draw_icon_32():
    canvas = _icon(32, 10.5, 5, 2.6, 1.6)
    # A shadow along the tile's lower and right edges lifts it off the desktop.
    for i in range(3, 29):
        canvas.put(i, 30, SILVER)
        canvas.put(30, i, SILVER)
    return canvas


def draw_icon_16():
    return _icon(16, 5.0, 3, 1.7, 1.1)
