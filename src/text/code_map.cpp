#include "text/code_map.h"

#include <cstring>

namespace vtx {

namespace {

// ISO-8859-1 bytes 191..255 (inverted question mark and the letters);
// multiplication and division signs have no glyph.
const unsigned char kIso1[65] = {
    186, 158, 148, 168, 178, 127, 134, 136, 142, 159, 149, 169, 144, 160, 150, 170,
    145, 187, 140, 161, 151, 171, 180, 128, 32,  135, 162, 152, 172, 129, 182, 189,
    133, 163, 153, 173, 179, 130, 137, 139, 143, 164, 154, 174, 146, 165, 155, 175,
    147, 188, 141, 166, 156, 176, 181, 131, 32,  138, 167, 157, 177, 132, 183, 190,
    184,
};

// ISO-8859-2 bytes 160..255; letters shared with ISO-8859-1 reach the same
// internal codes.
const unsigned char kIso2[96] = {
    32,  191, 32,  192, 32,  193, 194, 32,  32,  195, 196, 197, 198, 32,  199, 200,
    32,  201, 32,  202, 32,  203, 204, 32,  32,  205, 206, 207, 208, 32,  209, 210,
    211, 148, 168, 212, 127, 213, 214, 142, 215, 149, 216, 144, 217, 150, 170, 218,
    32,  219, 220, 151, 171, 221, 128, 32,  222, 223, 152, 224, 129, 182, 225, 133,
    226, 153, 173, 227, 130, 228, 229, 143, 230, 154, 231, 146, 232, 155, 175, 233,
    32,  234, 235, 156, 176, 236, 131, 32,  237, 238, 157, 239, 132, 183, 240, 32,
};

// Letters of each language and their internal codes.
struct ShiftLanguage {
    const char* letters;
    unsigned char codes[10];
};

const ShiftLanguage kLanguages[7] = {
    {"AOUaous", {127, 128, 129, 130, 131, 132, 133}},
    {"AOEaoe", {134, 135, 136, 137, 138, 139}},
    {"Nn!?", {140, 141, 185, 186}},
    {"CcEIei", {142, 143, 144, 145, 146, 147}},
    {"AEIOUaeiou", {148, 149, 150, 151, 152, 153, 154, 155, 156, 157}},
    {"AEIOUaeiou", {158, 159, 160, 161, 162, 163, 164, 165, 166, 167}},
    {"AEIOUaeiou", {168, 169, 170, 171, 172, 173, 174, 175, 176, 177}},
};

// ISO-8859-1 code of internal codes 127..186, for shift sequences typed
// under an ISO input table.
const unsigned char kInternalToIso1[60] = {
    196, 214, 220, 228, 246, 252, 223, 197, 216, 198, 229, 248, 230, 209, 241,
    199, 231, 203, 207, 235, 239, 193, 201, 205, 211, 218, 225, 233, 237, 243,
    250, 192, 200, 204, 210, 217, 224, 232, 236, 242, 249, 194, 202, 206, 212,
    219, 226, 234, 238, 244, 251, 195, 227, 213, 245, 221, 253, 255, 161, 191,
};

}  // namespace

int internalCode(int table, int code) {
    if (code < 32) return 32;
    if (code < 127 || table == kCodeStandard) return code;
    if (table == kCodeIso1) {
        if (code == 161) return 185;
        if (code >= 191 && code <= 255) return kIso1[code - 191];
        return 32;
    }
    if (code >= 160 && code <= 255) return kIso2[code - 160];
    return 32;
}

AlphabetGlyph mapAlphabetIndex(int fontCode, int alphabet, int index) {
    AlphabetGlyph r;
    r.index = index;
    auto undefined = [&](bool questionMark) {
        r.fromStandard = true;
        if (questionMark) r.index = '?' - 31;
        return r;
    };
    if (alphabet == 6) {  // RUSSIAN
        if (index >= 5 && index <= 7) r.index = index - 3;
        else if (index >= 29 && index <= 31) r.index = index - 24;
        else if (index >= 34 && index <= 63) r.index = index - 26;
        else if (index >= 66 && index <= 95) r.index = index - 28;
        else return undefined(index >= 96);
        return r;
    }
    if (alphabet == 4 && fontCode == 3) {  // the italic set of complx
        if (index >= 66 && index <= 91) r.index = index - 64;
        else if (index >= 99 && index <= 101) r.index = index - 71;
        else return undefined(false);
        return r;
    }
    // GREEK, MATHEMATIC, SCRIPT and the italic set of gothic
    if (index >= 34 && index <= 59) r.index = index - 32;
    else if (index >= 66 && index <= 91) r.index = index - 38;
    else if (alphabet == 5 && index >= 96) r.index = index - 42;
    else return undefined(index >= 96);
    return r;
}

int shiftedCode(int language, char letter, bool isoInput) {
    if (language < 0 || language >= 7 || letter == '\0') return 0;
    const ShiftLanguage& l = kLanguages[language];
    const char* p = std::strchr(l.letters, letter);
    if (!p) return 0;
    int code = l.codes[p - l.letters];
    return isoInput ? kInternalToIso1[code - 127] : code;
}

void applyShiftSequences(char* text, const char shiftChars[7], bool isoInput, int* badCount) {
    char* out = text;
    for (const char* in = text; *in;) {
        int language = -1;
        for (int k = 0; k < 7; ++k)
            if (shiftChars[k] != '\0' && *in == shiftChars[k]) language = k;
        if (language < 0) {
            *out++ = *in++;
            continue;
        }
        if (in[1] == *in) {  // doubled: the character itself
            *out++ = *in;
            in += 2;
            continue;
        }
        int code = shiftedCode(language, in[1], isoInput);
        if (code == 0) {
            if (badCount) ++*badCount;
            *out++ = *in++;
            continue;
        }
        *out++ = static_cast<char>(code);
        in += 2;
    }
    *out = '\0';
}

}  // namespace vtx
