// Text fields of the global state record: fonts, character parameters,
// text and number modes, the instruction alphabet.
#pragma once

namespace vtx {

struct TextState {
    int height = 36;                       // height: character height in plot units
    int angle = 0;                         // angle in degrees
    float slant = 0.0f;                    // chaang
    float spacing = 0.0f;                  // chaspc
    float widthFactor = 1.0f;              // chawth
    float fixedPitch = 0.0f;               // fixspc, 0 proportional
    float expShift = 0.6f;                 // setbas
    float expSize = 0.8f;                  // setexp
    int justify = 0;                       // txtjus
    int frameThickness = 0;                // frmess
    int frameColour = -1;                  // frmclr
    int numberFormat = 0;                  // numfmt
    char numberMode[4] = {'.', ' ', ' ', 0};  // numode: decimal, thousands, sign, equal width
    int shadeChars = 0;                    // shdcha
    int codeTable = 0;                     // chacod
    int texMode = 0, texOptions = 1;       // texmod, texopt
    int hwFont = 0;                        // psfont / bmpfnt / hwfont active
    char psFont[41] = "";
    int font = 0;                          // font code: 0 vtxalf
    int baseAlphabet = 1;                  // basalf: 1 STANDARD .. 6 RUSSIAN
    int mixAlphabet = 0;                   // mixalf
    char mixChars[6] = "[]$/\\";          // setmix: EXP IND RES LEG TEX
    int euShift = 0;                       // eushft operators enabled
    char euShiftChars[8] = "";
    int mixSlots[6] = {};                  // smxalf: alphabet per slot, 0 unused
    char mixShiftIn[6] = {}, mixShiftOut[6] = {};
    float lineSpacing = 1.5f;              // linesp
    float symbolAngle = 0.0f;              // symrot
};

}  // namespace vtx
