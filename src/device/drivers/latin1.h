// The byte that the text writers of SVG and PDF write for a character code.
#pragma once

namespace vtx {

// The accented characters 127..186 become their ISO-8859-1 codes, control
// characters and codes above 186 a blank.
int latin1Code(int code);

}  // namespace vtx
