// The open plot file and its line buffer of 80-character records.
#pragma once

#include <cstddef>

#include "session/globals.h"

namespace vtx {

constexpr int kRecordLength = 80;

// Appends text to the line buffer; a record that would overflow is written
// out first, followed by a newline.
void qqbuff(Globals& g, const char* text);

// Writes the pending record: padded with blanks to the record length
// (binary formats) or followed by a newline.
void flushLineBuffer(Globals& g, bool padToRecord);

// Direct output to the plot file, bypassing the line buffer. After a failed
// write nothing more is written: the file is incomplete either way.
void outWrite(Globals& g, const void* data, size_t n);
void outPrintf(Globals& g, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The plot file could not be written in full: warning 36 with its name,
// given once per plot; vtxfin then does not name the file in the banner.
void reportFileError(Globals& g);

// Closes the plot file (standard output is only flushed); a failed close
// counts as a failed write.
void closePlotFile(Globals& g);

}  // namespace vtx
