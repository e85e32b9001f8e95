// Text fields of the global state record: fonts, character parameters,
// text and number modes, the instruction alphabet, and the state of the
// string being drawn.
#pragma once

#include <vector>

#include "text/font_data.h"

namespace vtx {

// Number of eushft languages (GERM DANI SPAN FREN ACUT GRAV CIRC).
constexpr int kShiftLanguages = 7;
constexpr int kMixSlots = 6;
constexpr int kPositionRegisters = 20;
constexpr int kInstructionLength = 20;

// Scale factors of one alphabet at the current height and width ratio.
struct AlphabetScale {
    float x = 0.0f, y = 0.0f;  // plot units per design unit
    float gap = 0.0f;          // space after each character
    bool valid = false;
};

// What the string being drawn keeps between its characters. Set up at the
// start of every string so that markup inside one string never leaks into
// the next.
struct TextRun {
    float penX = 0.0f, penY = 0.0f;      // text pen, plot coordinates
    float startX = 0.0f, startY = 0.0f;  // start point of the string
    float baseShift = 0.0f;              // base-line offset of U/D/E/I and mixalf
    float baseShift2 = 0.0f;             // second base-line offset (O)
    float lastGap = 0.0f;                // gap after the last character
    int measuring = 0;                   // advance the pen, draw nothing
    int previousFallback = 0;            // the last SCRIPT character came from STANDARD
    int startHeight = 36;
    int startColour = 0;
    int alphabet = 1;                    // current alphabet, 1..6
    int stringAlphabet = 1;              // alphabet to return to after a group (M)
    float width = 1.0f;                  // width ratio (W)
    float spacing = 0.0f;                // spacing (Y)
    float slant = 0.0f;                  // slant factor (Z)
    int fixedOn = 0;                     // fixed pitch (K)
    float fixedFactor = 0.0f;
    float registers[kPositionRegisters] = {};
    int activeSlot = -1;                 // smxalf group in progress, -1 none
    char instruction[kInstructionLength + 1] = {};
    int instructionLength = 0;
    float raised = 0.0f, lowered = 0.0f; // largest exponent/index extent, for text boxes
    int colourChanged = 0;
};

struct TextState {
    int height = 36;                       // height: character height in plot units
    int angle = 0;                         // angle in degrees
    float slant = 0.0f;                    // chaang, as tan(slant angle)
    float spacing = 0.0f;                  // chaspc
    float widthFactor = 1.0f;              // chawth
    float fixedPitch = 0.0f;               // fixspc factor
    int fixedOn = 0;                       // fixspc called
    float expShift = 0.6f;                 // setbas
    float expSize = 0.8f;                  // setexp
    int justify = 0;                       // txtjus
    int frameThickness = 0;                // frmess
    int frameColour = -1;                  // frmclr
    int numberFormat = 0;                  // numfmt: FLOA EXP FEXP LOG
    char numberMode[4] = {'.', 0, 0, 0};   // numode: decimal, thousands (0 none), sign (0 none), equal width
    int shadeChars = 0;                    // shdcha
    int codeTable = 0;                     // chacod: STAN ISO1 ISO2
    int texMode = 0, texOptions = 1;       // texmod, texopt (bit 0 LIMI, bit 1 ITAL)
    int hwFont = 0;                        // 0 vector, 1 PostScript, 2 X11/Windows, 3 bitmap
    char psFont[41] = "";
    int psFontIndex = -1;
    char pixelFontName[81] = "";           // x11fnt, winfnt, bmpfnt: the font asked for
    int pixelFontSized = 1;                // x11fnt: the font follows the character height
    int font = 0;                          // font code of the selected font, 0 none yet
    int baseAlphabet = 1;                  // basalf: 1 STANDARD .. 6 RUSSIAN
    int mixAlphabet = 0;                   // mixalf
    char mixChars[6] = "[]$/\\";          // setmix: EXP IND RES LEG TEX
    int euShift = 0;                       // eushft operators enabled
    char euShiftChars[8] = "";             // one per language, 0 none
    int mixSlots[6] = {};                  // smxalf: alphabet 1..7 per slot, 0 unused
    char mixShiftIn[6] = {}, mixShiftOut[6] = {};
    float lineSpacing = 1.5f;              // linesp
    float symbolAngle = 0.0f;              // symrot
    int symbolHeight = 36;                 // hsymbl

    // Registered alphabets of the selected font and their cached scales.
    AlphabetRegistration alphabets[kAlphabetCount] = {};
    AlphabetScale scales[kAlphabetCount] = {};
    FontKind fontKind = FontKind::Stroke;
    float blankWidth = 6.0f;
    int fixedWidth = 0;

    // User symbol of mysymb; number -1 when none is defined.
    int userSymbol = -1;
    int userSymbolFill = 0;
    std::vector<float> userSymbolX, userSymbolY;

    TextRun run;
    char requestBuffer[12] = "";           // string results of getalf
};

}  // namespace vtx
