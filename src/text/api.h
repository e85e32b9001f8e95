// Public routines of the text subsystem: fonts, character parameters,
// symbols, strings and numbers, mixed alphabets and formulas.
#pragma once

#include <string>

namespace vtx {

// font selection
void vtxalf();
void complx();
void simplx();
void duplx();
void triplx();
void gothic();
void helve();
void helves();
void serif();
void psfont(const char* name);
void hwfont();
// Device fonts of the window: a font of the X server by name or pattern,
// "SCALE" (its size follows the character height) or "FIXED" (as named);
// a font family of the usual window systems (Arial, Times New Roman,
// Courier New, ...) taken from the X server's fonts.
void x11fnt(const char* name, const char* option);
void winfnt(const char* family);
// A bitmap font file <installation directory>/fonts/<family>.bdf on the
// window and the raster images.
void bmpfnt(const char* family);

// character parameters
void height(int h);
void angle(int degrees);
void chawth(float ratio);
void chaspc(float spacing);
void chaang(float degrees);
void fixspc(float factor);
void basalf(const char* keyword);
void chacod(const char* keyword);
void eushft(const char* language, const char* character);
void shdcha();
void linesp(float factor);

// requests
std::string getalf();
int gethgt();
int getang();
std::string getshf(const char* language);

// symbols
void hsymbl(int size);
void symrot(float degrees);
void mysymb(const float* x, const float* y, int n, int number, int fill);
void symbol(int number, int x, int y);

// strings and numbers
void messag(const char* text, int x, int y);
void number(float value, int ndig, int x, int y);
int nlmess(const char* text);
int nlnumb(float value, int ndig);
std::string fcha(float value, int ndig);
std::string intcha(int value);
int flen(float value, int ndig);    // characters of fcha(value, ndig)
int intlen(int value);               // characters of an integer, sign included
int trmlen(const char* text);        // length without trailing blanks
void txtjus(const char* keyword);
void frmess(int thickness);
void numfmt(const char* keyword);
void numode(const char* decimal, const char* thousands, const char* sign, const char* width);

// exponents, indices and mixed alphabets
void mixalf();
void setmix(const char* character, const char* keyword);
void newmix();
std::string getmix(const char* keyword);
void setbas(float factor);
void setexp(float factor);
void smxalf(const char* alphabet, const char* shiftIn, const char* shiftOut, int slot);
int gmxalf(const char* alphabet, std::string& shiftIn, std::string& shiftOut);

// formulas
void texmod(const char* mode);
void texopt(const char* mode, const char* option);

}  // namespace vtx
