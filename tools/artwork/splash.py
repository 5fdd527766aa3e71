"""The start-up picture: the program's name over the complex plane, with the
seventh roots of unity on the unit circle."""

import math

from canvas import (Canvas, BLACK, BLUE, GREY, MAROON, NAVY, RED, SILVER, WHITE,
                    YELLOW)
import font
import geometry

WIDTH, HEIGHT = 253, 221
VERSION = '1.0'

_BANNER_BOTTOM = 72
_CAP = 32            # height of the capital D
_X_HEIGHT = 22
_STROKE = 2.7        # half the pen width of the title
_SLANT = 0.18        # the title leans forward by this much per pixel of height


def _title_letters():
    """(polylines, advance) for each letter of the name, in a box whose top is
    the capital height and whose bottom is the baseline (y grows downwards)."""
    cap, xh = _CAP, _X_HEIGHT
    top = cap - xh
    d = ([[(0, 0), (0, cap)],
          [(0, 0), (7, 0)] + geometry.arc(7, cap / 2, 14, cap / 2, -90, 90) + [(7, cap), (0, cap)]],
         21)
    r = ([[(0, top), (0, cap)], geometry.arc(11, top + 11, 11, 11, 180, 275)], 12)
    o = ([geometry.arc(9.5, cap - xh / 2, 9.5, xh / 2, 0, 360, 48)], 19)
    v = ([[(0, top), (8.5, cap), (17, top)]], 17)
    u = ([[(0, top), (0, cap - 8.5)] + geometry.arc(8.5, cap - 8.5, 8.5, 8.5, 180, 0),
          [(17, top), (17, cap)]], 17)
    return [d, r, o, v, u]


def _title_strokes(left, top):
    gap = 2 * _STROKE + 5
    strokes = []
    x = left
    for polylines, advance in _title_letters():
        for line in polylines:
            strokes.append([(x + px + (_CAP - py) * _SLANT, top + py) for px, py in line])
        x += advance + gap
    return strokes, x - gap - left


def _draw_title(canvas):
    _, width = _title_strokes(0, 0)
    left = (WIDTH - width - _CAP * _SLANT) / 2
    strokes, _ = _title_strokes(left, 8)
    shadow = [[(x + 2, y + 2) for x, y in s] for s in strokes]
    canvas.paint_where(geometry.near_strokes(shadow, _STROKE), BLACK)
    inside = geometry.near_strokes(strokes, _STROKE)
    canvas.paint_where(inside, WHITE)
    # A warm glint along the lower edge of every stroke.
    canvas.paint_where(lambda x, y: inside(x, y) and not inside(x, y + 1.2), YELLOW)


def _draw_banner(canvas):
    canvas.shade(0, 0, WIDTH, _BANNER_BOTTOM, NAVY, BLUE,
                 lambda x, y: min(1.0, y / (_BANNER_BOTTOM - 8)))
    _draw_title(canvas)
    font.draw_centred(canvas, WIDTH // 2, 48, 'Roots of polynomial equations', WHITE, NAVY)
    font.draw_centred(canvas, WIDTH // 2, 59, 'with complex coefficients', WHITE, NAVY)
    canvas.hline(0, WIDTH - 1, _BANNER_BOTTOM, NAVY)


def _draw_plane(canvas):
    cx, cy, unit = 126, 141, 52
    # Grid every half unit, dotted so that it stays in the background.
    for k in (-2, -1, 1, 2):
        for t in range(-58, 59, 2):
            canvas.put(cx + k * unit // 2, cy + t, SILVER)
        for t in range(-78, 79, 2):
            canvas.put(cx + t, cy + k * unit // 2, SILVER)
    # Axes with arrow heads.
    canvas.hline(cx - 80, cx + 84, cy, GREY)
    canvas.vline(cx, cy - 62, cy + 62, GREY)
    for i in range(1, 4):
        canvas.vline(cx + 84 - i, cy - i, cy + i, GREY)
        canvas.hline(cx - i, cx + i, cy - 62 + i, GREY)
    font.draw_text(canvas, cx + 72, cy + 4, 'Re', GREY)
    font.draw_text(canvas, cx + 6, cy - 62, 'Im', GREY)
    # The unit circle.
    canvas.paint_where(geometry.in_ring(cx + 0.5, cy + 0.5, unit - 1.0, unit + 1.0), BLUE)
    # The seven roots of z^7 = 1, each a lit red bead.
    for k in range(7):
        a = 2 * math.pi * k / 7
        rx, ry = cx + 0.5 + unit * math.cos(a), cy + 0.5 - unit * math.sin(a)
        canvas.paint_where(geometry.in_disk(rx, ry, 4.6), MAROON)
        canvas.paint_where(geometry.in_disk(rx - 0.4, ry - 0.4, 3.6), RED)
        canvas.put(int(rx) - 2, int(ry) - 2, WHITE)
    font.draw_text(canvas, cx + unit + 7, cy + 4, '1', NAVY)
    x = font.draw_text(canvas, cx + 42, cy + 50, 'z', NAVY)
    x = font.draw_superscript(canvas, x, cy + 50, '7', NAVY)
    font.draw_text(canvas, x + 2, cy + 50, '= 1', NAVY)


def _draw_footer(canvas):
    font.draw_text(canvas, 6, HEIGHT - 12, 'Degree 1 to 29', GREY)
    text = 'Version ' + VERSION
    font.draw_text(canvas, WIDTH - 6 - font.text_width(text), HEIGHT - 12, text, GREY)


def draw_splash():
    canvas = Canvas(WIDTH, HEIGHT, WHITE)
    _draw_banner(canvas)
    _draw_plane(canvas)
    _draw_footer(canvas)
    canvas.frame(0, 0, WIDTH - 1, HEIGHT - 1, NAVY, NAVY)
    return canvas
