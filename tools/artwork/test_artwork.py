"""Checks the generated artwork as the resource compiler and Windows will read
it: every resource the program loads by name, 16-colour files Windows can
load, states and looks that can be told apart, and the same bytes on every run.
The files are parsed here independently of the writer."""

import os
import struct
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))

# What the program asks for: base name and width, left to right on the strip.
BUTTONS = [('Gap', 16), ('DataW', 32), ('Read', 32), ('Corrt', 32), ('AnaW', 32),
           ('SaveAs', 32), ('Error', 32), ('About', 32), ('Help', 32), ('Exit', 32),
           ('Space', 2000)]
COMMANDS = [name for name, width in BUTTONS if width == 32]
LETTERS = ['', '9', '8', 'X']
STATES = ['Up', 'Dn', 'In']

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def run_generator(out_dir, hash_seed):
    # A different hash seed per run exposes any output that hangs on the
    # iteration order of a set or a dict of strings.
    env = dict(os.environ, PYTHONHASHSEED=str(hash_seed))
    return subprocess.Popen([sys.executable, '-B', os.path.join(HERE, 'generate.py'), out_dir], env=env)


def read_rc(path):
    """{name: (type, file)} from the generated resource lines."""
    entries = {}
    with open(path) as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith('/*'):
                continue
            name, kind, quoted = line.split(None, 2)
            assert quoted.startswith('"') and quoted.endswith('"'), line
            assert name not in entries, 'listed twice: ' + name
            entries[name] = (kind, quoted[1:-1])
    return entries


def parse_dib(data, offset):
    """(width, height, bits per pixel, colour table, header size) of a DIB."""
    (size, width, height, planes, bpp, compression, image_size,
     _, _, used, _) = struct.unpack_from('<IiiHHIIiiII', data, offset)
    assert size == 40 and planes == 1 and compression == 0, (size, planes, compression)
    colours = used or (1 << bpp)
    table = [tuple(data[offset + 40 + 4 * i + k] for k in (2, 1, 0)) for i in range(colours)]
    return width, height, bpp, table, 40 + 4 * colours


def read_bmp(path):
    """(width, height, bpp, colour table, rows of palette indices, top row first)."""
    with open(path, 'rb') as f:
        data = f.read()
    magic, file_size, _, _, bits_at = struct.unpack_from('<2sIHHI', data, 0)
    assert magic == b'BM' and file_size == len(data), path
    width, height, bpp, table, _ = parse_dib(data, 14)
    stride = (width * bpp + 31) // 32 * 4
    assert bits_at + stride * height == len(data), path
    rows = []
    for y in range(height):
        row = data[bits_at + (height - 1 - y) * stride:][:stride]
        rows.append([(row[x // 2] >> (4 if x % 2 == 0 else 0)) & 15 for x in range(width)])
    return width, height, bpp, table, rows


class GeneratedArtwork(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.TemporaryDirectory()
        cls.first = os.path.join(cls.work.name, 'first')
        cls.second = os.path.join(cls.work.name, 'second')
        runs = [run_generator(cls.first, 1), run_generator(cls.second, 2)]
        if any(run.wait() != 0 for run in runs):
            raise RuntimeError('the generator failed')
        cls.rc = read_rc(os.path.join(cls.first, 'artwork.rc'))
        cls.bitmaps = {name: read_bmp(path) for name, (kind, path) in cls.rc.items() if kind == 'BITMAP'}

    @classmethod
    def tearDownClass(cls):
        cls.work.cleanup()

    def test_every_resource_the_program_loads_is_listed(self):
        expected = {(base + letter + state).upper(): 'BITMAP'
                    for base, _ in BUTTONS for letter in LETTERS for state in STATES}
        self.assertEqual(len(expected), 132)
        expected.update({'ICON_1': 'ICON', '181': 'ICON', 'IBMP_1': 'BITMAP'})
        self.assertEqual({name: kind for name, (kind, _) in self.rc.items()}, expected)
        for name, (_, path) in self.rc.items():
            self.assertTrue(os.path.isabs(path) and '\\' not in path, name)
            self.assertTrue(os.path.isfile(path), name)

    def test_bitmaps_are_16_colour_in_the_sizes_the_strip_needs(self):
        sizes = {(base + letter + state).upper(): (width, 20)
                 for base, width in BUTTONS for letter in LETTERS for state in STATES}
        sizes['IBMP_1'] = (253, 221)
        for name, (width, height, bpp, table, _) in self.bitmaps.items():
            with self.subTest(name=name):
                self.assertEqual((width, height), sizes[name])
                self.assertEqual(bpp, 4)
                self.assertEqual(table, VGA)

    def test_states_of_a_button_can_be_told_apart(self):
        for base, _ in BUTTONS:
            for letter in LETTERS:
                pictures = [self.bitmaps[(base + letter + state).upper()][4] for state in STATES]
                with self.subTest(button=base + letter):
                    self.assertNotEqual(pictures[0], pictures[1], 'Up and Dn')
                    self.assertNotEqual(pictures[0], pictures[2], 'Up and In')
                    self.assertNotEqual(pictures[1], pictures[2], 'Dn and In')

    def test_greyed_buttons_lose_their_colour(self):
        neutral = {0, 7, 8, 15}          # black, silver, grey, white
        for base in COMMANDS:
            for letter in LETTERS:
                name = (base + letter).upper()
                used = {state: {i for row in self.bitmaps[name + state.upper()][4] for i in row}
                        for state in STATES}
                with self.subTest(button=name):
                    self.assertLessEqual(used['In'], neutral)
                    self.assertTrue(used['Up'] - neutral, 'the picture is in colour')

    def test_each_look_is_its_own(self):
        for base in COMMANDS:
            for state in STATES:
                pictures = [self.bitmaps[(base + letter + state).upper()][4] for letter in LETTERS]
                with self.subTest(button=base + state):
                    for i in range(4):
                        for j in range(i + 1, 4):
                            self.assertNotEqual(pictures[i], pictures[j], (LETTERS[i], LETTERS[j]))

    def test_commands_show_different_pictures(self):
        for letter in LETTERS:
            for state in STATES:
                pictures = [self.bitmaps[(base + letter + state).upper()][4] for base in COMMANDS]
                for i in range(len(COMMANDS)):
                    for j in range(i + 1, len(COMMANDS)):
                        self.assertNotEqual(pictures[i], pictures[j], (COMMANDS[i], COMMANDS[j], letter, state))

    def test_fillers_show_one_background_at_any_width(self):
        # Space is cut to the screen's width: its columns must repeat, and it
        # must continue the background Gap shows on the left end (both start on
        # a multiple of 4, so a dithered background lines up).
        for letter in LETTERS:
            with self.subTest(look=letter):
                space = self.bitmaps[('Space' + letter + 'In').upper()][4]
                gap = self.bitmaps[('Gap' + letter + 'In').upper()][4]
                for x in range(4, 2000):
                    self.assertEqual([row[x] for row in space], [row[x - 4] for row in space], x)
                for x in range(12, 16):
                    self.assertEqual([row[x] for row in gap], [row[x] for row in space], x)

    def test_splash_is_a_picture(self):
        _, _, _, _, rows = self.bitmaps['IBMP_1']
        used = {index for row in rows for index in row}
        self.assertGreaterEqual(len(used), 8)

    def test_icons_hold_a_large_and_a_small_image_with_masks(self):
        for name in ('ICON_1', '181'):
            with open(self.rc[name][1], 'rb') as f:
                data = f.read()
            reserved, kind, count = struct.unpack_from('<HHH', data, 0)
            self.assertEqual((reserved, kind, count), (0, 1, 2))
            sizes = []
            for i in range(count):
                w, h, colours, _, planes, bpp, length, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
                self.assertEqual((colours, planes, bpp), (16, 1, 4))
                self.assertLessEqual(offset + length, len(data))
                width, height, dib_bpp, table, header = parse_dib(data, offset)
                self.assertEqual((width, height, dib_bpp, table), (w, 2 * h, 4, VGA))
                colour_stride = (w * 4 + 31) // 32 * 4
                mask_stride = (w + 31) // 32 * 4
                self.assertEqual(length, header + (colour_stride + mask_stride) * h)
                colour = data[offset + header:][:colour_stride * h]
                mask = data[offset + header + colour_stride * h:][:mask_stride * h]
                transparent = opaque = 0
                for y in range(h):
                    for x in range(w):
                        see_through = mask[y * mask_stride + x // 8] >> (7 - x % 8) & 1
                        index = colour[y * colour_stride + x // 2] >> (4 if x % 2 == 0 else 0) & 15
                        if see_through:
                            transparent += 1
                            # The colour image is XORed onto the screen where the mask is set.
                            self.assertEqual(index, 0, (name, w, x, y))
                        else:
                            opaque += 1
                self.assertTrue(transparent and opaque, (name, w))
                sizes.append(w)
            self.assertEqual(sorted(sizes), [16, 32])

    def test_every_run_draws_the_same_bytes(self):
        names = sorted(os.listdir(self.first))
        self.assertEqual(names, sorted(os.listdir(self.second)))
        for name in names:
            if name == 'artwork.rc':
                continue
            with open(os.path.join(self.first, name), 'rb') as a, open(os.path.join(self.second, name), 'rb') as b:
                self.assertEqual(a.read(), b.read(), name)


class PictureFont(unittest.TestCase):

    def test_glyphs_are_rectangles(self):
        # A row of another length shifts every letter after it on the splash.
        sys.path.insert(0, HERE)
        import font
        for char, rows in font.GLYPHS.items():
            self.assertEqual(len(rows), 9, char)
            self.assertEqual(len({len(row) for row in rows}), 1, char)
        for char, rows in font.SMALL_GLYPHS.items():
            self.assertEqual(len(rows), 5, char)
            self.assertEqual(len({len(row) for row in rows}), 1, char)


if __name__ == '__main__':
    unittest.main()
