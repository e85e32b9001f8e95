// symfil: a command run on the finished plot file, started directly (never
// through a shell, so file names need no quoting), then the file kept or
// deleted.
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/api.h"
#include "core/checks.h"
#include "core/files.h"
#include "core/messages.h"

extern char** environ;

namespace vtx {

void symfil(const char* command, const char* keep) {
    CoreRecord* g = coreLevel(0, 0, "symfil");
    if (!g) return;
    const int k = jqqind("KEEP+DELE", 2, keep);
    if (k == 0) return;
    if (std::strlen(command) > size_t(kNameLen)) {
        warnc1(Warning::IncorrectParameter, command);
        return;
    }
    char upper[5] = {};
    for (int i = 0; i < 4 && command[i]; ++i) upper[i] = upperAscii(command[i]);
    const bool none = std::strcmp(upper, "NONE") == 0 && command[4] == '\0';
    qqcopy(g->out.fileCommand, none ? "" : command, kNameLen);
    g->out.fileCommandDeletes = none ? 0 : k - 1;
}

// The command's words (split at blanks) followed by the file name; waits for
// the command so that a deleted file was seen by it first.
void runFileCommand(CoreRecord& g) {
    if (!g.out.fileCommand[0] || !g.out.fileName[0]) return;
    char words[kNameLen + 1];
    qqcopy(words, g.out.fileCommand, kNameLen);
    std::vector<char*> argv;
    for (char* w = std::strtok(words, " \t"); w; w = std::strtok(nullptr, " \t")) argv.push_back(w);
    if (argv.empty()) return;
    argv.push_back(g.out.fileName);
    argv.push_back(nullptr);
    pid_t child = 0;
    std::fflush(nullptr);
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    } else {
        warnText(101, "the command of symfil cannot be started");
    }
    if (g.out.fileCommandDeletes) std::remove(g.out.fileName);
}

void dattim(const char*, const char*, std::string& date, std::string& time) {
    coreLevel(0, 3, "dattim");
    char d[11], t[9];
    currentDateTime(d, t);
    date = d, time = t;
}

}  // namespace vtx
