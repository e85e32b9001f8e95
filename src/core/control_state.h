// Control, protocol and output fields of the global state record.
#pragma once

#include <cstdio>

namespace vtx {

constexpr int kNameLen = 256;  // longest file name kept

struct ControlState {
    int level = 0;               // call-order level 0..3
    int device = 0;              // output device number, 0 = none chosen
    char deviceKey[5] = "";      // device keyword, upper case
    int deviceChosen = 0;        // metafl or setpag selected a device
    int warnings = 0;            // warning counter since vtxini
    char routine[10] = "";       // running routine, named in messages
    char message[81] = "";       // text of the current message
    long vectors = 0;            // vectors drawn since vtxini
    int pages = 0;               // page counter
    int finished = 0;            // vtxfin has run
};

struct ProtocolState {
    int warnOn = 1;              // errmod "WARN"
    int checkOn = 1;             // errmod "CHEC": report points outside the scaling
    int protOn = 1;              // errmod "PROT": print the end banner
    int toFile = 0;              // errdev: 0 console, 1 file
    int winApp = 0;              // winapp: 0 console program, 1 window program
    char fileName[kNameLen + 1] = "";  // errfil
    int fileNameSet = 0;
    int unit = 6;                // 0 none, 6 standard output, 17 protocol file, 1 user stream
    FILE* stream = nullptr;      // the protocol stream (null means standard output)
    FILE* fileStream = nullptr;  // protocol file stream chosen at vtxini (null: stdout)
    int usingFile = 0;           // the protocol file was opened at vtxini
    char usedName[kNameLen + 1] = "";  // versioned name of the protocol file
};

struct OutputState {
    // plot file
    char fileName[kNameLen + 1] = "";   // setfil, then the versioned name after vtxini
    char savedName[kNameLen + 1] = "";  // name kept for later plots
    int fileState = 0;           // 0 default, 1 set by setfil, 2 set and saved
    int fileMode = 0;            // filmod: 0 COUN, 1 DELE, 2 BREA
    char fileCommand[kNameLen + 1] = "";  // symfil: run on the finished file ("" none)
    int fileCommandDeletes = 0;           // symfil DELE: remove the file afterwards
    FILE* file = nullptr;        // open plot file
    int toStdout = 0;            // the plot goes to standard output (terminals)
    int fileError = 0;           // 0 fine, 1 a write or the close failed, 2 that warned already
    char lineBuf[82] = "";       // output line buffer, record length 80
    int lineLen = 0;

    // page
    char pageKey[5] = "DA4L";
    float pageW = 2969.0f, pageH = 2099.0f;  // (size - 1) * unit factor
    int nxPage = 2969, nyPage = 2099;        // page in plot units, size - 1
    float unitFactor = 1.0f;
    int scaleMode = 0;           // sclmod: 0 DOWN, 1 FULL, 2 NONE
    float scaleFactor = 1.0f;    // sclfac
    int pageMode = 0;            // pagmod: 0 landscape, 1 turned, 2 none
    int screenModeSet = 4;       // scrmod as set, 4 AUTO
    int screenMode = 0;          // scrmod in effect after vtxini
    int hwPageSet = 0, hwPageW = 0, hwPageH = 0;
    int hwOrigSet = 0, hwOrigX = 0, hwOrigY = 0;
    float deviceScale = 1.0f;    // plot units to device units
    float metaOffset = 0.0f;     // added to x (or y) before scaling: metafiles

    // window placement and wait
    int winPlace = 0;            // 0 none, 1 position and size, 2 size only
    int winX = 0, winY = 0, winW = 0, winH = 0;
    int winWait = 0;             // winmod: FULL NOER NONE NOHO DELA NOMB
    int winKey = 0;              // winkey: NONE RETU ESCA
    int winDelay = 10;           // winopt

    // file format settings
    int cgmPicture = 0;          // cgmpic name flag
    char cgmPictureName[kNameLen + 1] = "";
    int cgmVersion = 1;          // 1 CALS, 4 WebCGM
    int wmfStandardHeader = 0;   // wmfmod FORMAT: 0 placeable header, 1 standard header only
    int wmfFontText = 0;         // wmfmod TEXT: 0 vector text, 1 device fonts as text records
    int cgmBgd[3] = {255, 255, 255};  // cgmbgd as bytes
    int cgmBgdSet = 0;
    int tiffRes = 100;           // tifmod resolution
    int tiffUnit = 0;            // 0 per inch, 1 per centimetre
    int pdfMode = 1;             // bit 0 compression, bit 1 keep in memory
    int pngMode = 0;             // pngmod bits
    int gifMode = 0;             // gifmod bits
    int wmfMode = 0;
    int imageFormat = 0;         // imgfmt: 0 index, 1 RGB
    int x11Mode = 2;             // x11mod: STOR NOST AUTO PIXM
    char winTitle[kNameLen + 1] = "";  // wintit: the windows' own title, empty for the library's
    int externalId = -1;         // setxid: an X window or pixmap drawn into instead of an own window
    int externalKind = 0;        // setxid: 0 none, 1 window, 2 pixmap, 3 widget's window
    int cursorUnit = 0;          // csruni: PLOT PIXE
    int cursorShape = 0;         // csrtyp: NONE CROS ARRO VARR
    int fileBoxSet = 0, fileBox[4] = {};  // filbox: where an included metafile goes
};

// The window of a plot that window and winsiz did not place: at the top
// left, 853 by 603 pixels for a landscape page and 603 by 853 otherwise.
inline void placeDefaultWindow(OutputState& o) {
    const bool landscape = o.nxPage > o.nyPage;
    o.winX = o.winY = 0;
    o.winW = landscape ? 853 : 603;
    o.winH = landscape ? 603 : 853;
}

}  // namespace vtx
