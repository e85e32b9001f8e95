#include "text/glyph_decode.h"

namespace vtx {

namespace {

int signedByte(int v) { return v >= 128 ? v - 256 : v; }

}  // namespace

GlyphTables resolveAlphabet(const FontDefinition& font, int alphabet) {
  const AlphabetRegistration& base = font.alphabets[kStandard];
  const AlphabetRegistration& reg = font.alphabets[alphabet];
  const AlphabetRegistration& pts = reg.pointCount != 0 ? reg : base;
  GlyphTables t;
  t.points = pts.points;
  t.pointsY = pts.pointCount < 0 ? pts.points2 : nullptr;
  t.pointCount = pts.pointCount < 0 ? -pts.pointCount : pts.pointCount;
  const AlphabetRegistration& gl = reg.glyphWords != 0 ? reg : base;
  t.glyphs = gl.glyphs;
  t.glyphWords = gl.glyphWords;
  t.offsetUnit = t.packed() ? 0.5f : 2.0f;
  return t;
}

int findGlyphRecord(const GlyphTables& tables, int index) {
  if (index < 2) return -1;
  int pos = 0;
  for (int i = 2; i < index; ++i) {
    if (pos >= tables.glyphWords || tables.glyphs[pos] <= 0) return -1;
    pos += tables.glyphs[pos];
  }
  if (pos >= tables.glyphWords || tables.glyphs[pos] <= 0 ||
      pos + tables.glyphs[pos] > tables.glyphWords)
    return -1;
  return pos;
}

StrokeReader::StrokeReader(const GlyphTables& tables, int recordPos)
    : tables_(tables), pos_(recordPos + 1), end_(recordPos + tables.glyphs[recordPos]) {}

bool StrokeReader::next(GlyphStroke& stroke) {
  if (malformed_ || pos_ >= end_) return false;
  const int count = tables_.glyphs[pos_];
  const int words = count < 0 ? 3 : 2;
  if (count == 0 || pos_ + words > end_) {
    malformed_ = true;
    return false;
  }
  stroke.pointCount = count < 0 ? -count : count;
  stroke.firstPoint = tables_.glyphs[pos_ + 1] - 1;
  stroke.dx = stroke.dy = 0.0f;
  if (count < 0) {
    const int word = static_cast<std::uint16_t>(tables_.glyphs[pos_ + 2]);
    stroke.dx = signedByte(word & 0xFF) * tables_.offsetUnit;
    stroke.dy = signedByte(word >> 8) * tables_.offsetUnit;
  }
  if (stroke.firstPoint < 0 || stroke.firstPoint + stroke.pointCount > tables_.pointCount) {
    malformed_ = true;
    return false;
  }
  pos_ += words;
  return true;
}

void strokePoint(const GlyphTables& tables, const GlyphStroke& stroke, int k, float& x,
                 float& y) {
  const int p = stroke.firstPoint + k;
  if (tables.packed()) {
    const int word = static_cast<std::uint16_t>(tables.points[p]);
    x = static_cast<float>(signedByte(word & 0xFF));
    y = static_cast<float>(signedByte(word >> 8));
  } else {
    x = tables.points[p];
    y = tables.pointsY[p];
  }
  x += stroke.dx;
  y += stroke.dy;
}

float glyphWidth(const GlyphTables& tables, int index) {
  float width = 0.0f;
  forEachGlyphPoint(tables, index, [&](int, int, float x, float) {
    if (x > width) width = x;
  });
  return width;
}

}  // namespace vtx
