// Public data utilities: coordinate conversions, histograms, Bezier curves,
// calendar arithmetic, gridding of scattered points and triangulation.
// They compute on the caller's arrays and draw nothing.
#pragma once

namespace vtx {

// coordinates: conversions in place between the systems named by keyword
void trfco1(float* x, int n, const char* from, const char* to);
void trfco2(float* x, float* y, int n, const char* from, const char* to);
void trfco3(float* x, float* y, float* z, int n, const char* from, const char* to);

// histogram: the distinct values of x ascending, with their counts
void histog(const float* x, int n, float* values, float* counts, int& classes);

// bezier: m points of the Bezier curve of n control points
void bezier(const float* xray, const float* yray, int n, float* x, float* y, int m);

// dates, relative to the base date set by basdat
void basdat(int day, int month, int year);
int incdat(int day, int month, int year);
void trfdat(int dayNumber, int& day, int& month, int& year);
int nwkday(int day, int month, int year);

// gridding of scattered points by inverse-distance weighting
void mdfmat(int radiusX, int radiusY, float exponent);
void getmat(const float* x, const float* y, const float* z, int n, float* zmat, int nx, int ny, float zval,
            int* imat, float* wmat);

// Delaunay triangulation; x and y hold room for n + 3 values
int triang(float* x, float* y, int n, int* i1, int* i2, int* i3, int nmax);

// binary files by unit (0..99): 0 or a count on success, -1 for a unit that
// is not open, a failed call or a second open of one unit
int openfl(const char* name, int unit, int mode);
int closfl(int unit);
int readfl(int unit, unsigned char* buffer, int n);
int writfl(int unit, const unsigned char* buffer, int n);
int skipfl(int unit, int n);
int tellfl(int unit);
int posifl(int unit, int position);

// bit fields: output with nbits bits of input copied, bit 0 the most significant
int bitsi2(int nbits, int input, int inPos, int output, int outPos);
int bitsi4(int nbits, int input, int inPos, int output, int outPos);

}  // namespace vtx
