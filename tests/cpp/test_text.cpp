// Text: input code tables, alphabet index rules, shift sequences, number
// texts and the measuring of characters on the process-wide record.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "session/globals.h"
#include "text/api.h"
#include "text/code_map.h"
#include "text/fonts.h"
#include "text/glyph_draw.h"
#include "text/number_format.h"
#include "text/strings.h"

namespace vtx {
namespace {

TEST(InputCodes, Iso1AndIso2ShareTheLatinLetters) {
    EXPECT_EQ(internalCode(kCodeIso1, 0xC4), 127);   // Ä
    EXPECT_EQ(internalCode(kCodeIso2, 0xC4), 127);
    EXPECT_EQ(internalCode(kCodeIso1, 0xDF), 133);   // ß
    EXPECT_EQ(internalCode(kCodeIso1, 161), 185);    // ¡
    EXPECT_EQ(internalCode(kCodeIso1, 191), 186);    // ¿
    EXPECT_EQ(internalCode(kCodeIso1, 0xD7), 32);    // × has no glyph
    EXPECT_EQ(internalCode(kCodeIso1, 0xA9), 32);    // © neither
    EXPECT_EQ(internalCode(kCodeIso2, 0xA1), 191);   // Ą
    EXPECT_EQ(internalCode(kCodeIso2, 0xFE), 240);   // ţ
    EXPECT_EQ(internalCode(kCodeStandard, 0xC4), 0xC4);
    EXPECT_EQ(internalCode(kCodeIso1, 7), 32);
    EXPECT_EQ(internalCode(kCodeIso1, 'A'), 'A');
}

TEST(AlphabetRules, GreekAndMathematicMapLettersOnly) {
    EXPECT_EQ(mapAlphabetIndex(3, 2, 'A' - 31).index, 2);
    EXPECT_EQ(mapAlphabetIndex(3, 2, 'a' - 31).index, 28);
    AlphabetGlyph digit = mapAlphabetIndex(3, 2, '1' - 31);
    EXPECT_TRUE(digit.fromStandard);
    EXPECT_EQ(digit.index, '1' - 31);
    AlphabetGlyph accent = mapAlphabetIndex(3, 3, 130 - 31);
    EXPECT_TRUE(accent.fromStandard);
    EXPECT_EQ(accent.index, '?' - 31);
    EXPECT_EQ(mapAlphabetIndex(3, 5, 130 - 31).index, 130 - 31 - 42);  // SCRIPT has its umlauts
}

TEST(AlphabetRules, RussianAndComplexItalic) {
    EXPECT_EQ(mapAlphabetIndex(3, 6, '$' - 31).index, '$' - 31 - 3);
    EXPECT_EQ(mapAlphabetIndex(3, 6, '=' - 31).index, '=' - 31 - 24);
    EXPECT_EQ(mapAlphabetIndex(3, 6, '^' - 31).index, '^' - 31 - 26);
    EXPECT_EQ(mapAlphabetIndex(3, 6, '~' - 31).index, '~' - 31 - 28);
    EXPECT_TRUE(mapAlphabetIndex(3, 6, '1' - 31).fromStandard);
    EXPECT_EQ(mapAlphabetIndex(3, 4, 'z' - 31).index, 'z' - 31 - 64);
    EXPECT_EQ(mapAlphabetIndex(3, 4, 132 - 31).index, 132 - 31 - 71);
    EXPECT_TRUE(mapAlphabetIndex(3, 4, 'A' - 31).fromStandard);
}

TEST(ShiftSequences, LettersDoubledAndUnknown) {
    char shift[7] = {'!', 0, 0, 0, 0, 0, 0};
    char text[32] = "!a!!x!q!";
    int bad = 0;
    applyShiftSequences(text, shift, false, &bad);
    EXPECT_EQ(std::string(text), std::string("\x82!x!q!"));
    EXPECT_EQ(bad, 2);  // !q and the trailing !
    char iso[8] = "!A";
    applyShiftSequences(iso, shift, true, &bad);
    EXPECT_EQ(static_cast<unsigned char>(iso[0]), 0xC4);
    char accents[7] = {0, 0, 0, 0, '/', '`', 0};
    char french[8] = "/e`a";
    applyShiftSequences(french, accents, false, nullptr);
    EXPECT_EQ(static_cast<unsigned char>(french[0]), 154);
    EXPECT_EQ(static_cast<unsigned char>(french[1]), 163);
}

std::string floa(float v, int ndig) {
    char buf[kNumberTextSize];
    formatFloa(v, ndig, buf, sizeof buf);
    return buf;
}

TEST(Numbers, FloaLengthsAndRounding) {
    EXPECT_EQ(floa(3.14159f, 2), "3.14");
    EXPECT_EQ(floa(3.14159f, -1), "3");
    EXPECT_EQ(floa(-0.5f, -1), "-1");
    EXPECT_EQ(floa(9.96f, 1), "10.0");
    EXPECT_EQ(floa(0.0f, 0), " 0");
    EXPECT_EQ(floa(1e30f, -1).size(), 31u);
    EXPECT_EQ(floa(__builtin_nanf(""), 2), "NaN");
}

TEST(Numbers, FormatsAndModes) {
    TextState t;
    NumberText n;
    t.numberFormat = 2;
    formatNumber(t, 1500.0f, 2, n);
    EXPECT_STREQ(n.text, "1.50E3");
    t.numberFormat = 1;
    formatNumber(t, -0.00123f, 1, n);
    EXPECT_STREQ(n.text, "-1.2*10[-3$");
    EXPECT_TRUE(n.needsMix);
    t.numberFormat = 3;
    formatNumber(t, 2.0f, -1, n);
    EXPECT_STREQ(n.text, "10[2$");
    t.numberFormat = 0;
    t.numberMode[0] = ',', t.numberMode[1] = '.', t.numberMode[2] = '+';
    formatNumber(t, 1234567.5f, 1, n);
    EXPECT_STREQ(n.text, "+1.234.567,5");
    formatNumber(t, 0.1234567f, 7, n);
    EXPECT_STREQ(n.text, "+0,123.456.7");
}

// A record at level 1 with the default font, for measuring.
Globals& textRecord() {
    jqqlev(0, 3, "test");
    Globals& g = *qqgglb();
    g.ctl.level = 1;
    g.prot.unit = 0;
    g.text.height = 36;
    resetTextDefaults(g);
    return g;
}

TEST(Measuring, VtxalfCellsAndComplexGaps) {
    Globals& g = textRecord();
    EXPECT_EQ(measureString(g, "iii"), 105);
    EXPECT_EQ(measureString(g, "MMM"), 105);
    selectFont(g, 3);
    // complx 'A' is 18 units wide: 18 x 35 / 20, plus the gaps between characters
    EXPECT_EQ(measureString(g, "A"), 32);
    EXPECT_EQ(measureString(g, "AA"), static_cast<int>(2 * 31.5f + 9.0f + 0.5f));
    EXPECT_EQ(measureString(g, "   "), 0);
    g.text.widthFactor = 2.0f;
    EXPECT_EQ(measureString(g, "A"), 63);
}

TEST(Measuring, HardTextDoesNotCrash) {
    Globals& g = textRecord();
    std::string huge(5000, 'W');
    EXPECT_GT(measureString(g, huge.c_str()), 0);
    std::string bytes;
    for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
    for (int font : {1, 3, 4, 5, 6, 7, 11, 12, 14}) {
        selectFont(g, font);
        for (int alphabet = 1; alphabet <= 6; ++alphabet) {
            g.text.baseAlphabet = alphabet;
            for (int table = 0; table < 3; ++table) {
                g.text.codeTable = table;
                EXPECT_GE(measureString(g, bytes.c_str()), 0);
            }
        }
    }
    g.text.baseAlphabet = 1, g.text.codeTable = 0;
}

}  // namespace
}  // namespace vtx
