#pragma once

// Reading glyph records: locating the record of a glyph index and walking its
// strokes and points.  Nothing here allocates; the glyph drawing code walks a
// record once per character.

#include <cstdint>

#include "text/font_data.h"

namespace vtx {

// The tables of one alphabet with the reuse rules of the registration
// resolved (point count 0: alphabet 1's points; glyph words 0: alphabet 1's
// glyphs).
struct GlyphTables {
  const std::int16_t* points = nullptr;   // packed words, or x coordinates
  const std::int16_t* pointsY = nullptr;  // y coordinates; nullptr when packed
  int pointCount = 0;
  const std::int16_t* glyphs = nullptr;
  int glyphWords = 0;
  float offsetUnit = 0.5f;  // design units per step of a stroke offset

  bool packed() const { return pointsY == nullptr; }
};

// alphabet is 0-based (kStandard .. kRussian).
GlyphTables resolveAlphabet(const FontDefinition& font, int alphabet);

// Word position of the record of glyph index (2 and up), or -1 when the
// table ends first or a length word is not positive.
int findGlyphRecord(const GlyphTables& tables, int index);

struct GlyphStroke {
  int pointCount = 0;
  int firstPoint = 0;  // 0-based position in the point table
  float dx = 0.0f;     // offset added to every point, in design units
  float dy = 0.0f;
};

// Walks the strokes of the record at a word position.  next() returns false
// at the end of the record; a stroke that runs past the record or points
// outside the point table ends the walk with malformed() set.
class StrokeReader {
 public:
  StrokeReader(const GlyphTables& tables, int recordPos);
  bool next(GlyphStroke& stroke);
  bool malformed() const { return malformed_; }

 private:
  const GlyphTables& tables_;
  int pos_;
  int end_;
  bool malformed_ = false;
};

// Point k (0-based) of a stroke, in design units with the offset applied.
void strokePoint(const GlyphTables& tables, const GlyphStroke& stroke, int k, float& x,
                 float& y);

// Calls fn(strokeNumber, pointNumber, x, y) for every point of glyph index;
// returns false when the glyph has no record or the record is malformed.
template <class Fn>
bool forEachGlyphPoint(const GlyphTables& tables, int index, Fn&& fn) {
  const int pos = findGlyphRecord(tables, index);
  if (pos < 0) return false;
  StrokeReader reader(tables, pos);
  GlyphStroke stroke;
  for (int s = 0; reader.next(stroke); ++s) {
    for (int k = 0; k < stroke.pointCount; ++k) {
      float x, y;
      strokePoint(tables, stroke, k, x, y);
      fn(s, k, x, y);
    }
  }
  return !reader.malformed();
}

// Largest x of all points of a glyph (its width in design units); 0 for a
// glyph without strokes or without a record.
float glyphWidth(const GlyphTables& tables, int index);

}  // namespace vtx
