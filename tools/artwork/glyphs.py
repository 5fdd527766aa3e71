"""The pictures on the nine command buttons, drawn pixel by pixel. Each fits in
20 x 15 so it clears every button frame, pressed or not."""

from canvas import Canvas

# Input Coefficients: the grid of Re/Im fields the coefficients are typed into.
DATAW = (
    'KKKKKKKKKKKKKKKKKK',
    'KssdnnnnnndnnnnnnK',
    'KddddddddddddddddK',
    'KssdWWWWWWdWWWWWWK',
    'KsndWnnnnWdWnnnWWK',
    'KssdWWWWWWdWWWWWWK',
    'KddddddddddddddddK',
    'KssdWWWWWWdWWWWWWK',
    'KsndWnnnWWdWnnnnWK',
    'KssdWWWWWWdWWWWWWK',
    'KddddddddddddddddK',
    'KssdWWWRWWdWWWWWWK',
    'KsndWnnRWWdWWWWWWK',
    'KssdWWWRWWdWWWWWWK',
    'KKKKKKKKKKKKKKKKKK',
)

# Read Data: an open folder.
READ = (
    '..................',
    '..KKKK............',
    '.KoYYoK...........',
    'KoYYYYoKKKKKKK....',
    'KoYWWYYYYYYYYoK...',
    'KoYWYYYYYYYYYoK...',
    'KoYWYKKKKKKKKKKKKK',
    'KoYYKWWWWWWWWWWWoK',
    'KoYKWYYYYYYYYYYoK.',
    'KoYKYYYYYYYYYYYoK.',
    'KoKWYYYYYYYYYYoK..',
    'KoKYYYYYYYYYYYoK..',
    'KKooooooooooooK...',
    'KKKKKKKKKKKKKK....',
)

# Setting: three sliders, the controls of a settings dialog.
CORRT = (
    '.....KKKK.........',
    '.....KWWK.........',
    'BBBBBKWWKdddddddd.',
    '.....KWWK.........',
    '.....KKKKKKKK.....',
    '..........KWWK....',
    'BBBBBBBBBBKWWKddd.',
    '..........KWWK....',
    '..KKKK....KKKK....',
    '..KWWK............',
    'BBKWWKdddddddddddd',
    '..KWWK............',
    '..KKKK............',
)

# Solution: a root sign over x.
ANAW = (
    '.......nnnnnnnnnnnn',
    '.......nnnnnnnnnnnn',
    '.......nn..........',
    '......nn...........',
    '......nn.RR....RR..',
    '......nn..RR..RR...',
    '.nn..nn....RRRR....',
    'nnnn.nn.....RR.....',
    '..nn.nn....RRRR....',
    '..nnnn....RR..RR...',
    '...nnn...RR....RR..',
    '...nnn.............',
    '....n..............',
)

# Save Data: a diskette.
SAVEAS = (
    'KKKKKKKKKKKKKKK',
    'KnnWWWWWWWWWnnK',
    'KnnWddddddWWnnK',
    'KnnWWWWWWWWWnnK',
    'KnnWddddWWWWnnK',
    'KnnWWWWWWWWWnnK',
    'KnnnnnnnnnnnnnK',
    'KnnnnnnnnnnnnnK',
    'KnnnssssssssnnK',
    'KnnnssKKssssnnK',
    'KnnnssKKssssnnK',
    'KnnnssKKssssnnK',
    '.KnnssssssssnnK',
    '..KKKKKKKKKKKKK',
)

# Error: plus-minus, the error figure of each root.
ERROR = (
    '.....rrr.....',
    '.....RRr.....',
    '.....RRr.....',
    '.....RRr.....',
    'rrrrrRRrrrrr.',
    'RRRRRRRRRRRRr',
    'RRRRRRRRRRRRr',
    '.....RRr.....',
    '.....RRr.....',
    '.....RRr.....',
    '.............',
    'rrrrrrrrrrrr.',
    'RRRRRRRRRRRRr',
    'RRRRRRRRRRRRr',
)

# About: "i" for information.
ABOUT = (
    '....nnnnnn....',
    '..nnBBBBBBnn..',
    '.nBBBBWWBBBBn.',
    '.nBBBBWWBBBBn.',
    'nBBBBBBBBBBBBn',
    'nBBBBWWWBBBBBn',
    'nBBBBBWWBBBBBn',
    'nBBBBBWWBBBBBn',
    'nBBBBBWWBBBBBn',
    'nBBBBBWWBBBBBn',
    '.nBBBWWWWBBBn.',
    '.nBBBBBBBBBBn.',
    '..nnBBBBBBnn..',
    '....nnnnnn....',
)

# Help: a question mark.
HELP = (
    '...BBBBBB...',
    '..BBnnnnBBn.',
    '.BBBn...BBBn',
    '.BBBn...BBBn',
    '..nn...BBBnn',
    '......BBBnn.',
    '.....BBBnn..',
    '.....BBBn...',
    '.....BBBn...',
    '......nnn...',
    '............',
    '.....BBB....',
    '.....BBBn...',
    '......nnn...',
)

# Exit: a door left open and an arrow on its way out.
EXIT = (
    'KKKKKKKKKK........',
    'KrrKnnnnnK........',
    'KrrrKnnnnK...K....',
    'KrrrrKnnnK...KK...',
    'KrrrrKnnnKKKKKGK..',
    'KrrrrKnnKGGGGGGGK.',
    'KrrYrKnnKGGGGGGGGK',
    'KrrrrKnnKGGGGGGGK.',
    'KrrrrKnnnKKKKKGK..',
    'KrrrrKnnnK...KK...',
    'KrrrrKnnnK...K....',
    'KrrrKnnnnK........',
    'KrrKnnnnnK........',
    'KKKKKKKKKK........',
)

COMMAND_GLYPHS = {
    'DataW': DATAW, 'Read': READ, 'Corrt': CORRT, 'AnaW': ANAW, 'SaveAs': SAVEAS,
    'Error': ERROR, 'About': ABOUT, 'Help': HELP, 'Exit': EXIT,
}


def glyph(base_name):
    return Canvas.from_art(COMMAND_GLYPHS[base_name])
