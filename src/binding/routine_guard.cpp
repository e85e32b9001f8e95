#include "binding/routine_guard.h"

#include "core/messages.h"

namespace vtx::py {

void warnNoMemory() { warnin(Warning::NoMemory); }

}  // namespace vtx::py
