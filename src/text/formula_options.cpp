// The formula switches texmod and texopt.
#include "session/globals.h"
#include "text/api.h"

namespace vtx {

void texmod(const char* mode) {
    Globals* g = chkini("texmod");
    const int k = jqqind("OFF +ON  ", 2, mode);
    if (k != 0) g->text.texMode = k - 1;
}

void texopt(const char* mode, const char* option) {
    Globals* g = chkini("texopt");
    const int on = jqqind("OFF +ON  ", 2, mode);
    const int which = jqqind("LIMI+ITAL", 2, option);
    if (on == 0 || which == 0) return;
    const int bit = which == 1 ? 1 : 2;
    if (on == 2) g->text.texOptions |= bit;
    else g->text.texOptions &= ~bit;
}

}  // namespace vtx
