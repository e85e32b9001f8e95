// File naming: default names, versioning of existing files.
#pragma once

#include "core/core_record.h"

namespace vtx {

// Applies the versioning mode of filmod to `name` (capacity `cap`) when a
// regular file of that name exists: deletes it, stops the process, or picks the first free
// name base_N.ext.
void gfilnn(CoreRecord& g, char* name, int cap);

bool fileExists(const char* name);

// True if `name` exists and is a regular file (not a device, pipe or directory).
bool isRegularFile(const char* name);

// The symfil command on the finished plot file, then the file kept or deleted.
void runFileCommand(CoreRecord& g);

}  // namespace vtx
