// Public routines of the control core: protocol, output selection, page and
// window settings, initialisation and termination, defaults and requests.
#pragma once

#include <cstdio>
#include <string>

#include "core/globals.h"

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
void winkey(const char* key);
void winopt(int value, const char* keyword);

// lifecycle
void vtxini();
void vtxfin();
// A plot still open when the program ends is finished as by vtxfin, after a
// line on the protocol that says so.
void finishOpenPlot();
void erase();
void newpag();
void sendbf();

// defaults
void resall(Globals& g);
void reset(const char* name);

// requests
int getlev();
float getver();
std::string getfil();
std::string getmfl();
void getpag(int& width, int& height);
int getuni();
void getwin(int& x, int& y, int& width, int& height);

// internal: protocol destination chosen at vtxini and released at vtxfin
void openProtocol(Globals& g);
bool closeProtocol(Globals& g);

}  // namespace vtx
