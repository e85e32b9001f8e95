// Line styles: dash patterns, widths, caps, joins and curve thickness.
#pragma once

namespace vtx {

struct Globals;
struct LineState;

// The miter limit as the devices state it: the limit times the line width
// (at least 5 pen units), in pen units.
float miterLength(const LineState& line);

// Selects the dash pattern of line type n (0..7) without a level check.
void setLineType(Globals& g, int n);

void myline(const int* pattern, int n);
void lintyp(int n);
void solid();
void dot();
void dash();
void chndsh();
void chndot();
void dashm();
void dotl();
void dashl();

void linwid(int n);
void penwid(float x);
void lncap(const char* keyword);
void lnjoin(const char* keyword);
void lnmlt(float x);
void thkcrv(int n);

int gettyp();
int getlin();

}  // namespace vtx
