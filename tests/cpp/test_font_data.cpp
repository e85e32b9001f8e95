#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "text/font_data.h"
#include "text/glyph_decode.h"

namespace vtx {
namespace {

using Point = std::pair<float, float>;
using Segment = std::tuple<float, float, float, float>;

GlyphTables tablesOf(const GlyphSet& s) {
  GlyphTables t;
  t.points = s.points;
  t.pointsY = s.pointsY;
  t.pointCount = s.pointCount;
  t.glyphs = s.glyphs;
  t.glyphWords = s.glyphWords;
  t.offsetUnit = s.packed ? 0.5f : 2.0f;
  return t;
}

std::vector<std::vector<Point>> strokesOf(const GlyphTables& t, int index) {
  std::vector<std::vector<Point>> strokes;
  EXPECT_TRUE(forEachGlyphPoint(t, index, [&](int s, int, float x, float y) {
    if (static_cast<int>(strokes.size()) <= s) strokes.emplace_back();
    strokes[s].emplace_back(x, y);
  })) << "index " << index;
  return strokes;
}

// Undirected segments of a glyph, for comparing shapes independent of how
// the strokes are split and ordered.
std::set<Segment> segmentsOf(const GlyphTables& t, int index) {
  std::set<Segment> out;
  for (const auto& s : strokesOf(t, index))
    for (size_t k = 1; k < s.size(); ++k) {
      Point a = s[k - 1], b = s[k];
      if (b < a) std::swap(a, b);
      out.insert({a.first, a.second, b.first, b.second});
    }
  return out;
}

const FontDefinition& font(int code) {
  const FontDefinition* f = findFont(code);
  EXPECT_NE(f, nullptr) << code;
  return *f;
}

int index(int code) { return code - 31; }

TEST(FontData, ComplexCapitalAIsTheWorkedExample) {
  const GlyphTables t = resolveAlphabet(font(3), kStandard);
  const int pos = findGlyphRecord(t, index('A'));
  ASSERT_GE(pos, 0);
  const std::vector<int> expected = {12, 2, 1, 3, 3, -2, 1, 24, 2, 6, 2, 8};
  ASSERT_EQ(t.glyphs[pos], 12);
  EXPECT_EQ(std::vector<int>(t.glyphs + pos, t.glyphs + pos + 12), expected);

  const std::vector<std::vector<Point>> strokes = {
      {{0, 0}, {6, 0}},
      {{2, 0}, {9, 21}, {16, 0}},
      {{12, 0}, {18, 0}},
      {{15, 0}, {9, 18}},
      {{4, 6}, {13, 6}},
  };
  EXPECT_EQ(strokesOf(t, index('A')), strokes);
  EXPECT_FLOAT_EQ(glyphWidth(t, index('A')), 18.0f);
}

TEST(FontData, FontTableMatchesTheFontList) {
  struct Row {
    int code;
    int standardChars;
    float units;
    float spacing;
    float blank;
  };
  const Row rows[] = {{1, 132, 6, 0.0f, 6},     {3, 209, 20, 0.25f, 9},  {4, 132, 20, 0.25f, 9},
                      {5, 132, 20, 0.25f, 9},   {6, 132, 20, 0.25f, 9},  {7, 95, 20, 0.25f, 9},
                      {11, 132, 200, 0.2f, 60}, {12, 132, 200, 0.2f, 60}, {14, 132, 200, 0.2f, 60}};
  EXPECT_EQ(findFont(2), nullptr);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.code);
    const FontDefinition& f = font(r.code);
    EXPECT_FLOAT_EQ(f.blankWidth, r.blank);
    const AlphabetRegistration& std = f.alphabets[kStandard];
    EXPECT_EQ(std.charCount, r.standardChars);
    EXPECT_FLOAT_EQ(std.unitsX, r.units);
    EXPECT_FLOAT_EQ(std.unitsY, r.units == 6 ? 7 : r.units == 20 ? 21 : 200);
    EXPECT_FLOAT_EQ(std.spacing, r.spacing);
    EXPECT_NE(std.pointCount, 0);
    EXPECT_NE(std.glyphWords, 0);
    EXPECT_EQ(std.pointCount < 0, f.kind == FontKind::Outline);

    // The slanted alphabet follows STANDARD's units; the common sets do not.
    const AlphabetRegistration& ital = f.alphabets[kItalic];
    EXPECT_FLOAT_EQ(ital.unitsX, std.unitsX);
    EXPECT_FLOAT_EQ(ital.spacing, std.spacing);
    EXPECT_EQ(ital.charCount, r.code == 7 ? 95 : 102);
    const bool ownItalic = r.code == 3 || r.code == 7;
    EXPECT_EQ(ital.glyphWords == 0, !ownItalic);
    for (int a : {kMathematic, kScript, kRussian}) {
      if (r.code == 7 && a == kScript) continue;
      EXPECT_FLOAT_EQ(f.alphabets[a].unitsX, 20.0f);
      EXPECT_FLOAT_EQ(f.alphabets[a].unitsY, 21.0f);
      EXPECT_FLOAT_EQ(f.alphabets[a].spacing, 0.25f);
    }
    EXPECT_EQ(f.alphabets[kGreek].charCount, 95);
    EXPECT_EQ(f.alphabets[kMathematic].charCount, 95);
    EXPECT_EQ(f.alphabets[kScript].charCount, 102);
    EXPECT_EQ(f.alphabets[kRussian].charCount, 95);
  }
  // Own GREEK sets share the point table of STANDARD.
  for (int code : {1, 4}) {
    EXPECT_EQ(font(code).alphabets[kGreek].pointCount, 0);
    EXPECT_NE(font(code).alphabets[kGreek].glyphWords, 0);
  }
  EXPECT_FLOAT_EQ(font(1).alphabets[kGreek].unitsX, 6.0f);
  EXPECT_EQ(font(1).fixedWidth, 6);
}

TEST(FontData, EveryRecordOfEveryTableWalksCleanly) {
  for (const GlyphSet* s : kGlyphSets) {
    SCOPED_TRACE(s->name);
    int pos = 0, records = 0;
    while (pos < s->glyphWords) {
      const int n = s->glyphs[pos];
      ASSERT_GE(n, 1) << "record " << records;
      ASSERT_LE(pos + n, s->glyphWords) << "record " << records << " runs past the table";
      int q = pos + 1;
      while (q < pos + n) {
        const int count = s->glyphs[q];
        ASSERT_NE(count, 0);
        const int words = count < 0 ? 3 : 2;
        ASSERT_LE(q + words, pos + n) << "stroke runs past record " << records;
        const int start = s->glyphs[q + 1];
        ASSERT_GE(start, 1);
        ASSERT_LE(start - 1 + std::abs(count), s->pointCount);
        q += words;
      }
      ASSERT_EQ(q, pos + n);
      pos += n;
      ++records;
    }
    EXPECT_EQ(records, s->recordCount);

    // The reader finds every record and walks it without complaint.
    const GlyphTables t = tablesOf(*s);
    for (int i = 2; i <= s->recordCount + 1; ++i) {
      ASSERT_GE(findGlyphRecord(t, i), 0);
      EXPECT_TRUE(forEachGlyphPoint(t, i, [](int, int, float, float) {}));
    }
    EXPECT_EQ(findGlyphRecord(t, s->recordCount + 2), -1);
  }
}

TEST(FontData, AlphabetsDefineEveryMappedIndex) {
  // STANDARD: every index up to the character count; the letter sets:
  // 'A'..'Z' and 'a'..'z' at 2..53, SCRIPT also the umlauts and sharp s,
  // RUSSIAN the indices 2..67.
  for (const FontDefinition& f : kFontDefinitions) {
    SCOPED_TRACE(f.name);
    const int lastOf[kAlphabetCount] = {f.alphabets[kStandard].charCount, 53, 53, 0, 60, 67};
    for (int a = 0; a < kAlphabetCount; ++a) {
      const GlyphTables t = resolveAlphabet(f, a);
      int last = lastOf[a];
      if (a == kItalic) last = f.code == 3 ? 30 : f.code == 7 ? 53 : lastOf[0];
      for (int i = 2; i <= last; ++i)
        EXPECT_FALSE(strokesOf(t, i).empty()) << "alphabet " << a << " index " << i;
    }
  }
}

TEST(FontData, AccentedLettersContainTheirBaseLetter) {
  const GlyphTables t = resolveAlphabet(font(3), kStandard);
  struct Case {
    int code;
    char base;
    bool below;
  };
  const Case cases[] = {{127, 'A', false}, {131, 'o', false}, {140, 'N', false},
                        {142, 'C', true},  {143, 'c', true},  {149, 'E', false},
                        {166, 'o', false}, {172, 'U', false}, {191, 'A', true},
                        {199, 'Z', false}, {206, 's', true},  {222, 'R', false},
                        {239, 'u', false}, {240, 't', true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const std::set<Segment> base = segmentsOf(t, index(c.base));
    const std::set<Segment> letter = segmentsOf(t, index(c.code));
    EXPECT_TRUE(std::includes(letter.begin(), letter.end(), base.begin(), base.end()));
    EXPECT_GT(letter.size(), base.size());
    float baseLow = 1e9f, baseHigh = -1e9f, low = 1e9f, high = -1e9f;
    forEachGlyphPoint(t, index(c.base), [&](int, int, float, float y) {
      baseLow = std::min(baseLow, y);
      baseHigh = std::max(baseHigh, y);
    });
    forEachGlyphPoint(t, index(c.code), [&](int, int, float, float y) {
      low = std::min(low, y);
      high = std::max(high, y);
    });
    if (c.below)
      EXPECT_LT(low, baseLow);
    else
      EXPECT_GT(high, baseHigh);
  }
  // Every internal code up to 240 has a glyph of its own.
  std::set<std::set<Segment>> shapes;
  for (int code = 127; code <= 240; ++code) shapes.insert(segmentsOf(t, index(code)));
  EXPECT_EQ(shapes.size(), 114u);
}

TEST(FontData, DesignUnitsMatchTheLetterHeights) {
  auto heightOfH = [](int code) {
    const GlyphTables t = resolveAlphabet(font(code), kStandard);
    float low = 1e9f, high = -1e9f;
    forEachGlyphPoint(t, index('H'), [&](int, int, float, float y) {
      low = std::min(low, y);
      high = std::max(high, y);
    });
    return std::make_pair(low, high);
  };
  EXPECT_EQ(heightOfH(1), std::make_pair(0.0f, 7.0f));
  for (int code : {3, 4, 5, 6}) EXPECT_EQ(heightOfH(code), std::make_pair(0.0f, 21.0f)) << code;
  for (int code : {11, 12, 14}) EXPECT_EQ(heightOfH(code), std::make_pair(0.0f, 200.0f)) << code;

  // The fixed-pitch font stays inside its 6-unit cell.
  const GlyphTables t = resolveAlphabet(font(1), kStandard);
  for (int i = 2; i <= 132; ++i) {
    EXPECT_LE(glyphWidth(t, i), 6.0f) << i;
  }
}

TEST(FontData, OutlineGlyphsAreClosedPolygonsThatFitTheFiller) {
  for (int code : {11, 12, 14}) {
    const GlyphTables t = resolveAlphabet(font(code), kStandard);
    ASSERT_FALSE(t.packed());
    for (int i = 2; i <= 132; ++i) {
      SCOPED_TRACE(testing::Message() << code << " index " << i);
      const auto contours = strokesOf(t, i);
      ASSERT_FALSE(contours.empty());
      size_t total = contours.size() - 1;  // one return point per further contour
      for (const auto& c : contours) {
        ASSERT_GE(c.size(), 4u);
        EXPECT_EQ(c.front(), c.back());
        total += c.size();
      }
      EXPECT_LE(total, 200u);
    }
  }
  // 'O' of the sans font has an outer and an inner contour.
  EXPECT_EQ(strokesOf(resolveAlphabet(font(11), kStandard), index('O')).size(), 2u);
}

TEST(FontData, PostScriptWidthsFollowTheMetricFiles) {
  std::set<std::string> names;
  for (const PsFontMetrics& m : kPsFonts) names.insert(m.name);
  EXPECT_EQ(names.size(), 35u);
  ASSERT_EQ(psFontIndex("Times-Roman"), 0);
  EXPECT_EQ(psFontIndex("Helvetica-Bold"), 5);
  EXPECT_EQ(psFontIndex("Symbol"), 34);
  EXPECT_EQ(psFontIndex("Times"), -1);

  const int times = psFontIndex("Times-Roman");
  EXPECT_EQ(psCharWidth(times, 'A'), 722);
  EXPECT_EQ(psCharWidth(times, '\''), 333);  // quoteright
  EXPECT_EQ(psCharWidth(times, 130), 444);   // adieresis
  EXPECT_EQ(psCharWidth(times, 186), 444);   // questiondown
  EXPECT_EQ(psCharWidth(times, 200), psCharWidth(times, ' '));
  const int helvBold = psFontIndex("Helvetica-Bold");
  EXPECT_EQ(psCharWidth(helvBold, 'A'), 722);
  EXPECT_EQ(psCharWidth(helvBold, 133), 611);  // germandbls
  EXPECT_EQ(psCharWidth(psFontIndex("Symbol"), 'a'), 631);  // alpha
  const int courier = psFontIndex("Courier");
  for (int code = kPsFirstCode; code <= kPsLastCode; ++code)
    EXPECT_EQ(psCharWidth(courier, code), 600) << code;
}

}  // namespace
}  // namespace vtx
