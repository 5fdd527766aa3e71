"""Shapes measured by distance, so curves and thick strokes come out smooth
and identical on every run."""

import math


def arc(cx, cy, rx, ry, start_deg, end_deg, steps=24):
    """Points of an elliptical arc; angles in degrees, 0 to the right, 90 down."""
    points = []
    for i in range(steps + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
        points.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return points


def _segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    ex, ey = ax + t * dx - px, ay + t * dy - py
    return math.sqrt(ex * ex + ey * ey)


def polyline_distance(px, py, points):
    return min(_segment_distance(px, py, *points[i], *points[i + 1])
               for i in range(len(points) - 1))


def near_strokes(strokes, half_width):
    """A test for paint_where: within half_width of any of the polylines."""
    xs = [x for stroke in strokes for x, _ in stroke]
    ys = [y for stroke in strokes for _, y in stroke]
    left, right = min(xs) - half_width, max(xs) + half_width
    top, bottom = min(ys) - half_width, max(ys) + half_width

    def inside(x, y):
        if not (left <= x <= right and top <= y <= bottom):
            return False
        return any(polyline_distance(x, y, stroke) <= half_width for stroke in strokes)
    return inside


def in_disk(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_ring(cx, cy, inner, outer):
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        return inner * inner <= d2 <= outer * outer
    return inside
