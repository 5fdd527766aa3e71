"""The toolbar bitmaps: every button in the four looks the program picks from
the Windows version, each in its three states."""

from canvas import (Canvas, BLACK, BLUE, GREY, NAVY, SILVER, WHITE, AQUA,
                    dither, luminance)
import glyphs

HEIGHT = 20
COMMANDS = ('DataW', 'Read', 'Corrt', 'AnaW', 'SaveAs', 'Error', 'About', 'Help', 'Exit')
FILLERS = {'Gap': 16, 'Space': 2000}
BASE_NAMES = ('Gap',) + COMMANDS + ('Space',)
STYLE_LETTERS = ('', '9', '8', 'X')
STATES = ('Up', 'Dn', 'In')


def width_of(base_name):
    return FILLERS.get(base_name, 32)


def _is_ink(colour):
    # What survives greying: outlines and dark strokes. Light fills fall away,
    # which keeps a greyed picture a drawing rather than a blot.
    return luminance(colour) <= 128


def _centre(canvas, picture, shift):
    x = (canvas.width - picture.width) // 2 + shift
    y = (canvas.height - picture.height) // 2 + shift
    canvas.blit(picture, x, y)


def _embossed(picture):
    """The greyed picture of the 3-D looks: dark strokes in shadow grey, each
    with a white highlight below and to the right, as if etched into the face."""
    etched = Canvas(picture.width + 1, picture.height + 1)
    ink = picture.map(lambda c: c if _is_ink(c) else None)
    etched.blit(ink.map(lambda c: WHITE), 1, 1)
    etched.blit(ink.map(lambda c: GREY), 0, 0)
    return etched


# --- Windows 98 / ME: the plain grey bevel ---------------------------------

def _classic(picture, state, canvas):
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, SILVER)
    if state == 'Dn':
        canvas.frame(0, 0, w - 1, h - 1, BLACK, WHITE)
        canvas.frame(1, 1, w - 2, h - 2, GREY, SILVER)
    else:
        canvas.frame(0, 0, w - 1, h - 1, WHITE, BLACK)
        canvas.frame(1, 1, w - 2, h - 2, SILVER, GREY)
    if picture is not None:
        if state == 'In':
            _centre(canvas, _embossed(picture), 0)
        else:
            _centre(canvas, picture, 1 if state == 'Dn' else 0)


def _classic_strip(canvas, left_end):
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, SILVER)
    canvas.hline(0, w - 1, 0, WHITE)
    canvas.hline(0, w - 1, h - 1, GREY)
    if left_end:
        canvas.vline(0, 0, h - 2, WHITE)
        for x in (4, 8):                      # two raised grip bars
            canvas.frame(x, 3, x + 2, h - 4, WHITE, GREY)


# --- Windows 2000: flatter, thinner edges, a soft shadow -----------------------

def _w2k(picture, state, canvas):
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, SILVER)
    if state == 'Up':
        canvas.frame(0, 0, w - 1, h - 1, WHITE, GREY)
        # Half-tone inner shadow: the softer edge of this generation.
        for x in range(1, w - 1):
            canvas.put(x, h - 2, dither(x, h - 2, 0.5, SILVER, GREY))
        for y in range(1, h - 1):
            canvas.put(w - 2, y, dither(w - 2, y, 0.5, SILVER, GREY))
    elif state == 'Dn':
        canvas.frame(0, 0, w - 1, h - 1, GREY, WHITE)
        for x in range(1, w - 1):
            canvas.put(x, 1, dither(x, 1, 0.5, SILVER, GREY))
        for y in range(1, h - 1):
            canvas.put(1, y, dither(1, y, 0.5, SILVER, GREY))
    # A disabled button of this generation lies flat on the strip: no edge.
    if picture is not None:
        if state == 'In':
            _centre(canvas, _embossed(picture), 0)
        else:
            _centre(canvas, picture, 1 if state == 'Dn' else 0)


def _w2k_strip(canvas, left_end):
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, SILVER)
    canvas.hline(0, w - 1, 0, WHITE)
    canvas.hline(0, w - 1, h - 1, GREY)
    if left_end:
        canvas.frame(4, 3, 6, h - 4, WHITE, GREY)   # one slim grip bar


# --- Windows XP: rounded, bluish, lit from above -------------------------------

def _xp_gradient(h):
    """The share of silver down the strip: white at the top, silver at the
    bottom, mixed only in between so the light parts stay clean."""
    return lambda x, y: max(0.0, min(1.0, (y - 3) / (h - 7)))


def _rounded_outline(canvas, colour):
    """A one-pixel outline with the corners cut by two pixels; the pixels
    outside it keep the strip behind."""
    w, h = canvas.width, canvas.height
    canvas.hline(2, w - 3, 0, colour)
    canvas.hline(2, w - 3, h - 1, colour)
    canvas.vline(0, 2, h - 3, colour)
    canvas.vline(w - 1, 2, h - 3, colour)
    for x, y in ((1, 1), (w - 2, 1), (1, h - 2), (w - 2, h - 2)):
        canvas.put(x, y, colour)


def _xp(picture, state, canvas):
    w, h = canvas.width, canvas.height
    canvas.shade(0, 0, w, h, WHITE, SILVER, _xp_gradient(h))
    if state == 'Up':
        # White at the top turning to silver: the glossy face, with the pale
        # blue rim of the theme along its lower and right edges.
        canvas.shade(1, 1, w - 1, h - 1, WHITE, SILVER,
                     lambda x, y: max(0.0, (y - 3) / (h - 5)))
        canvas.hline(2, w - 3, 1, WHITE)
        canvas.vline(1, 2, h - 3, WHITE)
        canvas.shade(2, h - 2, w - 2, h - 1, WHITE, BLUE, lambda x, y: 0.5)
        canvas.shade(w - 2, 2, w - 1, h - 2, WHITE, BLUE, lambda x, y: 0.5)
        _rounded_outline(canvas, NAVY)
    elif state == 'Dn':
        # Pressed in: darker at the top, lit at the bottom, a blue rim inside.
        canvas.shade(1, 1, w - 1, h - 1, SILVER, WHITE, lambda x, y: y / (h - 2))
        canvas.hline(2, w - 3, 1, GREY)
        canvas.vline(1, 2, h - 3, GREY)
        canvas.hline(2, w - 3, h - 2, BLUE)
        canvas.vline(w - 2, 2, h - 3, BLUE)
        _rounded_outline(canvas, NAVY)
    else:
        _rounded_outline(canvas, SILVER)
    if picture is not None:
        if state == 'In':
            flat = picture.map(lambda c: GREY if _is_ink(c) else None)
            _centre(canvas, flat, 0)
        else:
            _centre(canvas, picture, 1 if state == 'Dn' else 0)


def _xp_strip(canvas, left_end):
    w, h = canvas.width, canvas.height
    canvas.shade(0, 0, w, h, WHITE, SILVER, _xp_gradient(h))
    canvas.hline(0, w - 1, h - 1, GREY)
    if left_end:
        for y in range(3, h - 4, 3):           # the dotted grip
            canvas.put(6, y, BLUE)
            canvas.put(7, y, NAVY)
            canvas.put(6, y + 1, NAVY)
            canvas.put(7, y + 1, WHITE)


# --- Later Windows: flat tiles on white -----------------------------------------

def _modern(picture, state, canvas):
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, WHITE)
    canvas.hline(0, w - 1, h - 1, SILVER)
    if state == 'Up':
        canvas.frame(1, 1, w - 2, h - 3, SILVER, GREY)
    elif state == 'Dn':
        canvas.shade(2, 2, w - 2, h - 3, WHITE, AQUA, lambda x, y: 0.25)
        canvas.frame(1, 1, w - 2, h - 3, BLUE, BLUE)
    if picture is not None:
        if state == 'In':
            _centre(canvas, picture.map(lambda c: WHITE if c == WHITE else SILVER), 0)
        else:
            _centre(canvas, picture, 0)


def _modern_strip(canvas, left_end):
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, WHITE)
    canvas.hline(0, w - 1, h - 1, SILVER)


LOOKS = {'9': (_classic, _classic_strip), '8': (_w2k, _w2k_strip),
         'X': (_xp, _xp_strip), '': (_modern, _modern_strip)}


def draw_button(base_name, style, state):
    """The bitmap for one button, look and state."""
    button, strip = LOOKS[style]
    canvas = Canvas(width_of(base_name), HEIGHT)
    if base_name in FILLERS:
        # The fillers are always disabled, so their greyed image is what the
        # strip shows: its bare background, closed on the left by a grip. The
        # other two are blank buttons, drawn only for completeness.
        if state == 'In':
            strip(canvas, base_name == 'Gap')
        else:
            button(None, state, canvas)
    else:
        button(glyphs.glyph(base_name), state, canvas)
    return canvas


def resource_name(base_name, style, state):
    return (base_name + style + state).upper()


def all_buttons():
    """(resource name, canvas) for every base name, look and state."""
    for base_name in BASE_NAMES:
        for style in STYLE_LETTERS:
            for state in STATES:
                yield resource_name(base_name, style, state), draw_button(base_name, style, state)
