// Numbered warnings and the protocol stream.
#pragma once

#include <cstdarg>
#include <ctime>

#include "core/core_record.h"

namespace vtx {

constexpr float kVersion = 8.2f;
constexpr int kPatchLevel = 0;

// The warnings of the message table (warnings.def), by name.
enum class Warning : int {
#define WARNING(number, name, text) name = number,
#include "core/warnings.def"
};

// Counts a warning and copies its table text into the current message.
void errmes(CoreRecord& g, int number);

// " <<<< Warning %3d: %s in %s!" and its forms with an integer or a string value.
void warnin(Warning w);
void warni1(Warning w, int value);
void warnc1(Warning w, const char* value);

// A warning numbered above 100 with a text of its own, optionally with a value.
void warnText(int number, const char* text);
void warnText(int number, const char* text, int value);

// Stores the text of a following warning numbered above 100.
void qqserr(const char* text);

// The forms by number raise any number, also one outside the table. Library
// code names its warnings instead, so only the message code and the tests
// (which define VANTIX_NUMBERED_WARNINGS) see them.
#ifdef VANTIX_NUMBERED_WARNINGS
void warnin(int number);
void warni1(int number, int value);
void warnc1(int number, const char* value);
#endif

// True when protocol output is enabled (unit not 0).
bool protocolOpen(const CoreRecord& g);

// printf to the protocol stream, flushed; does nothing when the unit is 0.
void protocolPrintf(CoreRecord& g, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The stream behind the current protocol unit (never null when the unit is not 0).
FILE* protocolStream(const CoreRecord& g);

// Usage log: one line per process in vantix.log of the installation directory.
void vtxlog(const char* argument);

// The end banner with the file mode (0/1 plot file written, +10 protocol file kept).
void dprcol(CoreRecord& g, int fileMode);

// Installation directory: $VANTIX, else /usr/local/vantix.
const char* installDirectory();

// Local date "dd.mm.yyyy" and time "hh:mm:ss".
void currentDateTime(char date[11], char time[9]);
// The date and time stamped into files and the banner: local time, or the
// moment given by SOURCE_DATE_EPOCH (UTC) when that is set.
std::tm wallClock();

}  // namespace vtx
