// From input bytes to glyphs: the input code tables, the index rules of the
// alphabets that share one glyph numbering, and the eushft shift sequences.
#pragma once

namespace vtx {

enum CodeTable { kCodeStandard = 0, kCodeIso1 = 1, kCodeIso2 = 2 };

// Internal character code of an input code (32..240). Codes below 32
// become the blank; above 126 they pass through the ISO tables.
int internalCode(int table, int code);

// Where a glyph index of an alphabet other than STANDARD is found.
struct AlphabetGlyph {
    int index = 1;          // glyph index in the set to draw from
    bool fromStandard = false;  // the alphabet does not define it
};

// fontCode decides whether ITALIC and SCRIPT have sets of their own.
// alphabet is 1-based (1 STANDARD .. 6 RUSSIAN).
AlphabetGlyph mapAlphabetIndex(int fontCode, int alphabet, int index);

// Internal code (or ISO-8859-1 code when isoInput) that `shift` followed
// by `letter` stands for in language 0..6; 0 if the letter has none.
int shiftedCode(int language, char letter, bool isoInput);

// Replaces the shift sequences of every enabled language in text (in
// place, NUL-terminated). A shift character before a letter without a
// replacement is counted in *badCount and left as it is.
void applyShiftSequences(char* text, const char shiftChars[7], bool isoInput, int* badCount);

}  // namespace vtx
