// The PDF document kept in memory for pdfbuf.
#pragma once

#include <cstddef>

#include "session/globals.h"

namespace vtx {

// The finished document kept in memory (pdfmod BUFF), or false if none.
bool pdfMemoryDocument(const Globals& g, const char*& data, size_t& size);

}  // namespace vtx
