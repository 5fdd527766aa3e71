"""Lays the generated pictures out on sheets for looking at them, enlarged:

    contact_sheet.py OUTPUT_DIRECTORY

look-9.png, look-8.png, look-X.png, look-plain.png hold every button of one
look in rows Up, Dn, In and, under them, the strip as the program shows it;
pictures.png the splash and both icon sizes. ImageMagick does the enlarging."""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import buttons                                   # noqa: E402
import formats                                   # noqa: E402
import icons                                     # noqa: E402
import splash                                    # noqa: E402
from canvas import Canvas, FUCHSIA, TEAL, WHITE  # noqa: E402

SPACE_SAMPLE = 64


def _look_sheet(style):
    pad = 3
    widths = [min(buttons.width_of(b), SPACE_SAMPLE) for b in buttons.BASE_NAMES]
    sheet = Canvas(sum(widths) + pad * (len(widths) + 1), 4 * (buttons.HEIGHT + pad) + 2 * pad, FUCHSIA)
    for row, state in enumerate(buttons.STATES):
        x = pad
        for base, width in zip(buttons.BASE_NAMES, widths):
            sheet.blit(buttons.draw_button(base, style, state), x, pad + row * (buttons.HEIGHT + pad))
            x += width + pad
    # The strip in use: Read Data pressed, Save Data and Error greyed.
    y = 3 * (buttons.HEIGHT + pad) + 2 * pad
    sheet.fill(0, y - pad, sheet.width, sheet.height, WHITE)
    x = 0
    for base, width in zip(buttons.BASE_NAMES, widths):
        state = {'Gap': 'In', 'Space': 'In', 'Read': 'Dn', 'SaveAs': 'In', 'Error': 'In'}.get(base, 'Up')
        sheet.blit(buttons.draw_button(base, style, state), x, y)
        x += width
    return sheet


def _pictures_sheet():
    picture = splash.draw_splash()
    big, small = icons.draw_icon_32(), icons.draw_icon_16()
    sheet = Canvas(picture.width + 60, picture.height + 8, TEAL)
    sheet.blit(picture, 4, 4)
    sheet.blit(big, picture.width + 16, 20)
    sheet.blit(small, picture.width + 24, 70)
    return sheet


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    sheets = {'look-' + (style or 'plain'): _look_sheet(style) for style in buttons.STYLE_LETTERS}
    sheets['pictures'] = _pictures_sheet()
    with tempfile.TemporaryDirectory() as work:
        for name, sheet in sheets.items():
            bmp = os.path.join(work, name + '.bmp')
            with open(bmp, 'wb') as f:
                f.write(formats.bmp_bytes(sheet))
            zoom = '200%' if name == 'pictures' else '400%'
            subprocess.run(['convert', bmp, '-scale', zoom, os.path.join(out_dir, name + '.png')], check=True)
    print(out_dir)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'build/artwork-sheets')
