#!/usr/bin/env python3
"""Checks the two built user manuals against the program they describe.

    docs/check_manuals.py PROGRAM_DIR [SOURCE_DIR]

PROGRAM_DIR holds DROVU_E.PDF and DROVU_J.PDF (beside DROVU_95.EXE, where
Help looks for them). The manuals must be real documents with their
pictures, and every text the program shows a user (the English and Japanese
text tables of the sources and the settings dialog's labels) must appear in
the manual of its language, so that a message changed in the program cannot
leave its manual behind. Both manuals also name every example data file that
goes out with the program.
"""

import html.parser
import os
import re
import subprocess
import sys
import unicodedata

MIN_PAGES = 12

# A C string literal, and a run of them that the compiler joins into one.
LITERAL = r'"(?:[^"\\\n]|\\.)*"'
LITERALS = rf'{LITERAL}(?:\s*{LITERAL})*'
# One {English, Japanese} pair of a text table.
PAIR = re.compile(rf'\{{\s*({LITERALS})\s*,\s*({LITERALS})\s*\}}')
# printf conversions stand for numbers the manual cannot know.
CONVERSION = re.compile(r'%[-+ #0]*\d*(?:\.\d+)?(?:l|ll|h)?[diouxXeEfgGs]')


def unquote(literals):
    """The text of a run of C string literals (UTF-8 source)."""
    text = ''.join(re.findall(r'"((?:[^"\\\n]|\\.)*)"', literals))
    escapes = {'n': '\n', 't': '\t', '"': '"', '\\': '\\', "'": "'"}
    return re.sub(r'\\(.)', lambda m: escapes.get(m.group(1), m.group(1)), text)


def source_texts(source_dir):
    """(English, Japanese) pairs of every text table of the program."""
    pairs = []
    for folder in ('solver', 'entry', 'files', 'shell', 'dialogs'):
        root = os.path.join(source_dir, folder)
        if not os.path.isdir(root):
            continue
        for name in sorted(os.listdir(root)):
            if not name.endswith(('.h', '.cpp')):
                continue
            path = os.path.join(root, name)
            with open(path, encoding='utf-8') as f:
                code = f.read()
            if 'TextPair' not in code:
                continue
            for m in PAIR.finditer(code):
                pairs.append((unquote(m.group(1)), unquote(m.group(2)), f'{folder}/{name}'))
    return pairs


def settings_dialog_texts(source_dir):
    """The labels of the settings dialog templates: (language, text, where)."""
    texts = []
    rc_dir = os.path.join(source_dir, 'resources')
    if not os.path.isdir(rc_dir):
        return texts
    block = re.compile(r'^(CORRECT_DLG(?:_J)?)\s+DIALOG\b(.*?)^END\b', re.S | re.M)
    label = re.compile(rf'^\s*(?:CAPTION|CONTROL|GROUPBOX|PUSHBUTTON|DEFPUSHBUTTON)\s+({LITERAL})',
                       re.M)
    for name in sorted(os.listdir(rc_dir)):
        if not name.endswith(('.rc', '.rc2')):
            continue
        with open(os.path.join(rc_dir, name), encoding='utf-8') as f:
            script = f.read()
        for m in block.finditer(script):
            language = 'ja' if m.group(1).endswith('_J') else 'en'
            for t in label.findall(m.group(2)):
                texts.append((language, unquote(t), f'resources/{name} {m.group(1)}'))
    return texts


def squeeze(text, language):
    """Compares texts whatever the line breaks and the glyph forms (full- and
    half-width forms, ligatures) of the PDF's text layer. English keeps its
    word breaks as single blanks; Japanese, whose text layer has blanks
    wherever the typesetting put space between glyphs, loses them all."""
    text = unicodedata.normalize('NFKC', text)
    return re.sub(r'\s+', ' ' if language == 'en' else '', text).strip()


def pdf_text(path):
    return subprocess.run(['pdftotext', '-enc', 'UTF-8', path, '-'], check=True,
                          capture_output=True, text=True).stdout


def pdf_pages(path):
    info = subprocess.run(['pdfinfo', path], check=True, capture_output=True, text=True).stdout
    return int(re.search(r'^Pages:\s+(\d+)', info, re.M).group(1))


def pdf_images(path):
    listing = subprocess.run(['pdfimages', '-list', path], check=True, capture_output=True,
                             text=True).stdout
    return max(0, len(listing.splitlines()) - 2)


class ImageSources(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.sources = []

    def handle_starttag(self, tag, attrs):
        if tag == 'img':
            self.sources.append(dict(attrs).get('src', ''))


def html_images(path):
    parser = ImageSources()
    with open(path, encoding='utf-8') as f:
        parser.feed(f.read())
    return parser.sources


def present(needle, haystack, language):
    """True when every piece of needle between printf conversions is in haystack."""
    pieces = (squeeze(piece, language) for piece in CONVERSION.split(needle))
    return all(piece in haystack for piece in pieces if piece)


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    program_dir = sys.argv[1]
    source_dir = sys.argv[2] if len(sys.argv) == 3 else os.path.dirname(
        os.path.dirname(os.path.abspath(__file__)))
    docs_dir = os.path.join(source_dir, 'docs')
    failures = []

    manuals = {'en': ('DROVU_E.PDF', 'drovu_e.html'), 'ja': ('DROVU_J.PDF', 'drovu_j.html')}
    texts = {}
    for language, (pdf, source) in manuals.items():
        path = os.path.join(program_dir, pdf)
        if not os.path.isfile(path):
            failures.append(f'{pdf}: not built (looked in {program_dir})')
            continue
        pages = pdf_pages(path)
        if pages < MIN_PAGES:
            failures.append(f'{pdf}: {pages} pages, a manual has at least {MIN_PAGES}')
        pictures = html_images(os.path.join(docs_dir, source))
        for src in pictures:
            if not os.path.isfile(os.path.join(docs_dir, src)):
                failures.append(f'{source}: picture {src} does not exist')
        embedded = pdf_images(path)
        if embedded < len(pictures):
            failures.append(f'{pdf}: {embedded} pictures embedded, the source has {len(pictures)}')
        texts[language] = squeeze(pdf_text(path), language)

    pairs = source_texts(source_dir)
    dialog = settings_dialog_texts(source_dir)
    if len(pairs) < 20:
        failures.append(f'only {len(pairs)} text pairs found in the sources: has the table form changed?')
    wanted = [(t_en, 'en', where) for t_en, _, where in pairs]
    wanted += [(t_ja, 'ja', where) for _, t_ja, where in pairs]
    wanted += [(t, language, where) for language, t, where in dialog]
    for text, language, where in wanted:
        if language in texts and not present(text, texts[language], language):
            pdf = manuals[language][0]
            failures.append(f'{pdf} lacks the text {text!r} ({where})')

    examples_dir = os.path.join(source_dir, 'examples')
    examples = sorted(n for n in os.listdir(examples_dir) if n.endswith('.txt')) \
        if os.path.isdir(examples_dir) else []
    for name in examples:
        for language, text in texts.items():
            if squeeze(name, language) not in text:
                failures.append(f'{manuals[language][0]} does not name the example file {name}')

    for failure in failures:
        print(f'FAIL {failure}')
    checked = len(wanted)
    if failures:
        print(f'manuals: {len(failures)} problem(s)')
        return 1
    print(f'manuals: both built, {checked} program texts found in them')
    return 0


if __name__ == '__main__':
    sys.exit(main())
