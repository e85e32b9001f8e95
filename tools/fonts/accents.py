"""Accented letters of the internal codes 127..240 and their composition.

COMPOSED maps an internal code to (base letter, accent).  The letters that
are not a base plus a mark (sharp s, ligatures, slashed and barred letters,
inverted punctuation) are listed with the accent None and built by hand in
the generator.
"""

_ACUTE = 'AEIOUaeiou'

COMPOSED = {
    127: ('A', 'dieresis'), 128: ('O', 'dieresis'), 129: ('U', 'dieresis'),
    130: ('a', 'dieresis'), 131: ('o', 'dieresis'), 132: ('u', 'dieresis'),
    133: ('germandbls', None), 134: ('A', 'ring'), 135: ('Oslash', None),
    136: ('AE', None), 137: ('a', 'ring'), 138: ('oslash', None),
    139: ('ae', None), 140: ('N', 'tilde'), 141: ('n', 'tilde'),
    142: ('C', 'cedilla'), 143: ('c', 'cedilla'), 144: ('E', 'dieresis'),
    145: ('I', 'dieresis'), 146: ('e', 'dieresis'), 147: ('i', 'dieresis'),
    178: ('A', 'tilde'), 179: ('a', 'tilde'), 180: ('O', 'tilde'),
    181: ('o', 'tilde'), 182: ('Y', 'acute'), 183: ('y', 'acute'),
    184: ('y', 'dieresis'), 185: ('exclamdown', None),
    186: ('questiondown', None), 187: ('Eth', None), 188: ('eth', None),
    189: ('Thorn', None), 190: ('thorn', None), 191: ('A', 'ogonek'),
    192: ('Lslash', None), 193: ('L', 'apostrophe'), 194: ('S', 'acute'),
    195: ('S', 'caron'), 196: ('S', 'cedilla'), 197: ('T', 'caron'),
    198: ('Z', 'acute'), 199: ('Z', 'caron'), 200: ('Z', 'dotaccent'),
    201: ('a', 'ogonek'), 202: ('lslash', None), 203: ('l', 'apostrophe'),
    204: ('s', 'acute'), 205: ('s', 'caron'), 206: ('s', 'cedilla'),
    207: ('t', 'apostrophe'), 208: ('z', 'acute'), 209: ('z', 'caron'),
    210: ('z', 'dotaccent'), 211: ('R', 'acute'), 212: ('A', 'breve'),
    213: ('L', 'acute'), 214: ('C', 'acute'), 215: ('C', 'caron'),
    216: ('E', 'ogonek'), 217: ('E', 'caron'), 218: ('D', 'caron'),
    219: ('N', 'acute'), 220: ('N', 'caron'), 221: ('O', 'hungarumlaut'),
    222: ('R', 'caron'), 223: ('U', 'ring'), 224: ('U', 'hungarumlaut'),
    225: ('T', 'cedilla'), 226: ('r', 'acute'), 227: ('a', 'breve'),
    228: ('l', 'acute'), 229: ('c', 'acute'), 230: ('c', 'caron'),
    231: ('e', 'ogonek'), 232: ('e', 'caron'), 233: ('d', 'apostrophe'),
    234: ('n', 'acute'), 235: ('n', 'caron'), 236: ('o', 'hungarumlaut'),
    237: ('r', 'caron'), 238: ('u', 'ring'), 239: ('u', 'hungarumlaut'),
    240: ('t', 'cedilla'),
}
for _k, _c in enumerate(_ACUTE):
    COMPOSED[148 + _k] = (_c, 'acute')
    COMPOSED[158 + _k] = (_c, 'grave')
    COMPOSED[168 + _k] = (_c, 'circumflex')

# Glyph names of the internal codes 127..186 in the outline fonts and in the
# re-encoded PostScript fonts (the same order as the re-encoding vector).
LATIN_NAMES = [
    'Adieresis', 'Odieresis', 'Udieresis', 'adieresis', 'odieresis',
    'udieresis', 'germandbls', 'Aring', 'Oslash', 'AE', 'aring', 'oslash',
    'ae', 'Ntilde', 'ntilde', 'Ccedilla', 'ccedilla', 'Edieresis',
    'Idieresis', 'edieresis', 'idieresis', 'Aacute', 'Eacute', 'Iacute',
    'Oacute', 'Uacute', 'aacute', 'eacute', 'iacute', 'oacute', 'uacute',
    'Agrave', 'Egrave', 'Igrave', 'Ograve', 'Ugrave', 'agrave', 'egrave',
    'igrave', 'ograve', 'ugrave', 'Acircumflex', 'Ecircumflex',
    'Icircumflex', 'Ocircumflex', 'Ucircumflex', 'acircumflex',
    'ecircumflex', 'icircumflex', 'ocircumflex', 'ucircumflex', 'Atilde',
    'atilde', 'Otilde', 'otilde', 'Yacute', 'yacute', 'ydieresis',
    'exclamdown', 'questiondown',
]
assert len(LATIN_NAMES) == 60

# Glyph names of ASCII 32..126 as the standard text encoding of the
# PostScript fonts has them (39 and 96 are the typographic quotes there).
ASCII_NAMES = [
    'space', 'exclam', 'quotedbl', 'numbersign', 'dollar', 'percent',
    'ampersand', 'quoteright', 'parenleft', 'parenright', 'asterisk', 'plus',
    'comma', 'hyphen', 'period', 'slash', 'zero', 'one', 'two', 'three',
    'four', 'five', 'six', 'seven', 'eight', 'nine', 'colon', 'semicolon',
    'less', 'equal', 'greater', 'question', 'at'] + [chr(c) for c in range(65, 91)] + [
    'bracketleft', 'backslash', 'bracketright', 'asciicircum', 'underscore',
    'quoteleft'] + [chr(c) for c in range(97, 123)] + [
    'braceleft', 'bar', 'braceright', 'asciitilde']
assert len(ASCII_NAMES) == 95
