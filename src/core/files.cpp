#include "core/files.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/checks.h"

namespace vtx {

bool fileExists(const char* name) {
    struct stat st;
    return ::stat(name, &st) == 0;
}

bool isRegularFile(const char* name) {
    struct stat st;
    return ::stat(name, &st) == 0 && S_ISREG(st.st_mode);
}

namespace {

[[noreturn]] void stop(const char* first, const char* second) {
    std::fputs(first, stdout);
    std::fputs(second, stdout);
    std::fflush(stdout);
    std::exit(0);
}

}  // namespace

void gfilnn(CoreRecord& g, char* name, int cap) {
    // A device such as /dev/null, a pipe or a directory is opened (or
    // refused) under its own name, never versioned or deleted.
    if (!isRegularFile(name)) return;
    if (g.out.fileMode == 1) {
        std::remove(name);
        return;
    }
    if (g.out.fileMode == 2) {
        std::string line = std::string("File: ") + name + " existiert!\n";
        stop("<<<< STOP in VTXINI <<<<\n", line.c_str());
    }
    const std::string full(name);
    size_t slash = full.rfind('/');
    size_t baseStart = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = full.find('.', baseStart);
    std::string dir = full.substr(0, baseStart);
    std::string base = full.substr(baseStart, dot == std::string::npos ? std::string::npos : dot - baseStart);
    std::string ext = dot == std::string::npos ? "" : full.substr(dot);
    for (int n = 1; n <= 9999; ++n) {
        std::string suffix = "_" + std::to_string(n);
        size_t keep = 8 > suffix.size() ? 8 - suffix.size() : 0;
        std::string candidate = dir + base.substr(0, keep) + suffix + ext;
        if (!fileExists(candidate.c_str())) {
            qqcopy(name, candidate.c_str(), cap);
            return;
        }
    }
    stop("     <<<< STOP in VTXINI <<<<\n", "     More than 9999 file versions!\n");
}

}  // namespace vtx
