// Public routines of map axis systems: projections, coastlines, grids and
// curves in longitude and latitude.
#pragma once

#include "maps/map_geometry.h"

namespace vtx {

// settings
void projct(const char* keyword);
void mappol(float lon, float lat);
void mapref(float lat1, float lat2);
void mapsph(float radius);
void mapbas(const char* keyword);
void mapfil(const char* file, const char* format);
void maplev(const char* keyword);
void mapmod(const char* keyword);

// grid labels around elliptical and azimuthal-cap frames (written by gridmp)
void mpaepl(int mode);
void mplsiz(int height);
void mplclr(int colour, int background);
void mplpos(int lonOffset, int latOffset);
void mplang(float angle);

// the map axis system and what is drawn in it
void grafmp(float xa, float xe, float xor_, float xstp, float ya, float ye, float yor, float ystp);
void world();
void gridmp(int ixgrd, int iygrd);
// A map axis with degree labels where the meridians (xaxmap) or parallels
// (yaxmap) meet it: across the map at plot y `ny` or plot x `nx`; side 0
// labels below (x) or right (y), 1 above or left.
void xaxmap(float a, float e, float or_, float step, const char* name, int side, int ny);
void yaxmap(float a, float e, float or_, float step, const char* name, int side, int nx);
void curvmp(const float* x, const float* y, int n);
// Fills land areas of the base map (ALL, ANTA, AFRI, EURA, AUST, EURO, NORT,
// SOUT, LAKE) with the current pattern and colour.
void shdmap(const char* keyword);
// Fill European countries (shdeur) or US states (shdusa): entry i fills area
// inray[i] (README lists the indices) with pattern ipat[i] and colour icol[i].
void shdeur(const int* inray, const long* ipat, const int* icol, int n);
void shdusa(const int* inray, const long* ipat, const int* icol, int n);

// The projection of MYPR maps, for the life of the process (null: none).
// It maps a user point to plot offsets from the map origin, x to the right
// and y upwards; grafmp takes the one registered when it is called.
void usrprj(UserProjection fn);

}  // namespace vtx
