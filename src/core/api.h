// Public routines of the control core: protocol, output selection, page and
// window settings and requests.
#pragma once

#include <cstdio>
#include <string>

#include "core/core_record.h"

namespace vtx {

// protocol
void errmod(const char* item, const char* mode);
void errdev(const char* destination);
void errfil(const char* name);
void winapp(const char* mode);
void unit(FILE* stream);

// output selection
void metafl(const char* keyword);
void setfil(const char* name);
void filmod(const char* mode);
// The finished plot file is handed to `command` after vtxfin, then kept
// ("KEEP") or deleted ("DELE"); "NONE" switches it off.
void symfil(const char* command, const char* keep);
// The module's form of dattim: the date "dd.mm.yyyy" and time "hh:mm:ss" of
// the protocol banner; the two string arguments are not read.
void dattim(const char* dateArg, const char* timeArg, std::string& date, std::string& time);

// page
void setpag(const char* keyword);
void page(int width, int height);
void units(const char* keyword);
void pagmod(const char* keyword);
void sclmod(const char* keyword);
void sclfac(float factor);
void scrmod(const char* keyword);
void hwpage(int width, int height);
void hworig(int x, int y);

// window placement and wait
void window(int x, int y, int width, int height);
void winsiz(int width, int height);
void winmod(const char* mode);
void x11mod(const char* mode);
void winkey(const char* key);
void winopt(int value, const char* keyword);

// requests
int getlev();
float getver();
std::string getfil();
std::string getmfl();
void getpag(int& width, int& height);
int getuni();
void getwin(int& x, int& y, int& width, int& height);

// internal: protocol destination chosen at vtxini and released at vtxfin
void openProtocol(CoreRecord& g);
bool closeProtocol(CoreRecord& g);

}  // namespace vtx
