// The core's part of the process-wide state record: control, protocol and
// output settings. The complete record derives from CoreRecord and adds the
// state of every subsystem; it is defined above all of them and installs its
// factory here, so that the first call of any routine, core routines included,
// creates the complete record without the core knowing its type.
#pragma once

#include "core/control_state.h"

namespace vtx {

struct CoreRecord {
    ControlState ctl;      // level, device, counters, running routine and message
    ProtocolState prot;    // warning switches and the protocol stream
    OutputState out;       // file, page, window and file-format settings
};

// How the complete record is made and freed; installed once, before any routine runs.
using RecordFactory = CoreRecord* (*)();
using RecordDestroyer = void (*)(CoreRecord*);
void installRecordFactory(RecordFactory create, RecordDestroyer destroy);

// Creates the record on first use (mode 0; returns 1 if it already existed,
// 0 if it was just created) or frees it (mode 1).
int qqsglb(int mode);

// The record, or null before the first public call.
CoreRecord* coreRecord();

}  // namespace vtx
