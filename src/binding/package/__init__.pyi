# Type stubs of the module vantix, written by tools/gen_stubs.py from the
# routine table and its documentation table; edit those and run the script.
from collections.abc import Callable, MutableSequence, Sequence
from typing import Any

from numpy.typing import ArrayLike, NDArray


def abs3pt(x: float, y: float, z: float, /) -> tuple[float, float]:
    """Returns the plot coordinates of a point of the 3-D box."""

def addlab(text: str | bytes, value: float, tick: int, axis: str | bytes, /) -> None:
    """Adds a label at a user value of an axis."""

def angle(degrees: int, /) -> None:
    """Sets the angle of texts and numbers in degrees."""

def arcell(nx: int, ny: int, na: int, nb: int, alpha: float, beta: float, theta: float, /) -> None:
    """Draws an elliptical arc in plot coordinates."""

def areaf(nx: Sequence[int] | ArrayLike, ny: Sequence[int] | ArrayLike, n: int, /) -> None:
    """Draws a filled polygon in plot coordinates."""

def autres(nx: int, ny: int, /) -> None:
    """Computes the size of colour rectangles from the matrix size."""

def ax2grf() -> None:
    """Makes the next axis system draw only its lower x axis and left y axis."""

def ax3len(nx: int, ny: int, nz: int, /) -> None:
    """Sets the axis lengths of a 3-D colour system."""

def axclrs(colour: int, keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets the colour of axis lines, ticks, labels or names."""

def axends(keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets which end labels of the axes are drawn."""

def axgit() -> None:
    """Draws the lines x = 0 and y = 0 across the axis system where 0 lies in the scaling."""

def axis3d(x: float, y: float, z: float, /) -> None:
    """Sets the lengths of the 3-D box."""

def axsbgd(colour: int, /) -> None:
    """Fills the background of the axis system with a colour."""

def axslen(nx: int, ny: int, /) -> None:
    """Sets the axis lengths in plot units."""

def axsorg(x: int, y: int, /) -> None:
    """Sets the centre of the axis system."""

def axspos(x: int, y: int, /) -> None:
    """Sets the lower left corner of the axis system."""

def axsscl(keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets the scaling of the named axes: linear or logarithmic."""

def axstyp(keyword: str | bytes, /) -> None:
    """Sets the axis-system type: rectangular or crossed axes."""

def barbor(colour: int, /) -> None:
    """Sets the colour of bar outlines."""

def barclr(front: int, side: int, top: int, /) -> None:
    """Sets the colours of the front, side and top of 3-D bars."""

def bargrp(n: int, gap: float, /) -> None:
    """Groups bars with a gap between them."""

def barmod(keyword: str | bytes, object: str | bytes, /) -> None:
    """Sets the width mode of bars: fixed, or variable from the neighbours."""

def baropt(depth: float, angle: float, /) -> None:
    """Sets the depth and angle of 3-D bars."""

def barpos(keyword: str | bytes, /) -> None:
    """Sets the positions of bars: at the axis labels, on the axis or both."""

def bars(x: MutableSequence[float] | NDArray[Any], y1: MutableSequence[float] | NDArray[Any], y2: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws a bar graph."""

def bars3d(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z1: Sequence[float] | ArrayLike, z2: Sequence[float] | ArrayLike, xw: Sequence[float] | ArrayLike, yw: Sequence[float] | ArrayLike, colours: Sequence[int] | ArrayLike, n: int, /) -> None:
    """Draws 3-D bars in the 3-D box."""

def bartyp(keyword: str | bytes, /) -> None:
    """Sets the bar direction: vertical, horizontal or 3-D."""

def barwth(width: float, /) -> None:
    """Sets the width of bars."""

def basalf(keyword: str | bytes, /) -> None:
    """Sets the base alphabet of texts."""

def basdat(day: int, month: int, year: int, /) -> None:
    """Sets the base date of date axes."""

def bezier(xray: Sequence[float] | ArrayLike, yray: Sequence[float] | ArrayLike, n: int, x: MutableSequence[float] | NDArray[Any], y: MutableSequence[float] | NDArray[Any], m: int, /) -> None:
    """Computes a Bezier curve through the control points."""

def bitsi2(nbits: int, input: int, in_pos: int, output: int, out_pos: int, /) -> int:
    """Copies a field of bits between 16-bit words."""

def bitsi4(nbits: int, input: int, in_pos: int, output: int, out_pos: int, /) -> int:
    """Copies a field of bits between 32-bit words."""

def bmpfnt(font: str | bytes, /) -> None:
    """Selects a bitmap font for raster and window output."""

def box2d() -> None:
    """Draws a frame around the current axis rectangle with the frame thickness."""

def box3d() -> None:
    """Draws the 12 edges of the 3-D box."""

def center() -> None:
    """Centres the next axis system on the page."""

def cgmbgd(red: float, green: float, blue: float, /) -> None:
    """Sets the background colour of CGM files."""

def cgmpic(name: str | bytes, /) -> None:
    """Sets the picture name written into CGM files."""

def cgmver(version: int, /) -> None:
    """Sets the CGM version written."""

def chaang(degrees: float, /) -> None:
    """Sets the slant angle of characters."""

def chacod(keyword: str | bytes, /) -> None:
    """Sets the input code table of texts."""

def chaspc(spacing: float, /) -> None:
    """Sets the extra spacing between characters."""

def chawth(ratio: float, /) -> None:
    """Sets the width ratio of characters."""

def chnatt() -> None:
    """Advances the curve attributes (colour, line style) as the cycling mode says."""

def chnbar(keyword: str | bytes, /) -> None:
    """Sets which attributes change from bar group to bar group."""

def chncrv(mode: str | bytes, /) -> None:
    """Sets which attributes change automatically from curve to curve."""

def chndot() -> None:
    """Sets the dash-dot line style."""

def chndsh() -> None:
    """Sets the dash-dotted line style with long dashes."""

def chnpie(keyword: str | bytes, /) -> None:
    """Sets which attributes change from pie segment to pie segment."""

def circ3p(x1: float, y1: float, x2: float, y2: float, x3: float, y3: float, /) -> tuple[float, float, float]:
    """Returns the centre and radius of the circle through three points."""

def circle(nx: int, ny: int, nr: int, /) -> None:
    """Draws a circle in plot coordinates."""

def circsp(n: int, /) -> None:
    """Sets the point spacing used to draw circles and arcs."""

def clip3d(keyword: str | bytes, /) -> None:
    """Sets the clipping of 3-D output: none, in 2-D or in 3-D."""

def closfl(unit: int, /) -> int:
    """Closes a file unit opened with openfl."""

def clpbor(keyword: str | bytes, /) -> None:
    """Sets the clipping border: the axis system or the page."""

def clpmod(keyword: str | bytes, /) -> None:
    """Sets the clipping mode of axis systems."""

def clpwin(nx: int, ny: int, nw: int, nh: int, /) -> None:
    """Sets the user clipping window."""

def clrcyc(index: int, colour: int, /) -> None:
    """Sets an entry of the colour cycle of curves."""

def clrmod(mode: str | bytes, /) -> None:
    """Sets the colour mode of the output before vtxini."""

def clswin(n: int, /) -> None:
    """Closes an output window."""

def color(name: str | bytes, /) -> None:
    """Sets the current colour by name."""

def colran(first: int, last: int, /) -> None:
    """Sets the range of colours used by colour plots."""

def colray(z: Sequence[float] | ArrayLike, colours: MutableSequence[int] | NDArray[Any], n: int, /) -> None:
    """Converts z values to colour indices."""

def complx() -> None:
    """Selects the complex vector font."""

def conclr(colours: Sequence[int] | ArrayLike, n: int, /) -> None:
    """Sets the colours of shaded contours."""

def concrv(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, n: int, zlev: float, /) -> None:
    """Draws a contour line given by its points."""

def confll(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[float] | ArrayLike, n: int, i1: Sequence[int] | ArrayLike, i2: Sequence[int] | ArrayLike, i3: Sequence[int] | ArrayLike, ntri: int, zlev: Sequence[float] | ArrayLike, nlev: int, /) -> None:
    """Draws shaded contours of a triangulated surface."""

def congap(xfac: float, /) -> None:
    """Sets the gap around contour labels."""

def conlab(text: str | bytes, /) -> None:
    """Sets the text of contour labels of the CONL type."""

def conmat(zmat: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, n: int, m: int, zlev: float, /) -> None:
    """Draws a contour line of a matrix over the axis range."""

def conmod(xfac: float, xquot: float, /) -> None:
    """Sets the spacing of contour labels."""

def conn3d(x: float, y: float, z: float, /) -> None:
    """Draws a line to a point in 3-D user coordinates."""

def connpt(x: float, y: float, /) -> None:
    """Draws a line to a point in plot coordinates."""

def conpts(x: Sequence[float] | ArrayLike, n: int, y: Sequence[float] | ArrayLike, m: int, z: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, zlev: float, xpts: MutableSequence[float] | NDArray[Any], ypts: MutableSequence[float] | NDArray[Any], maxpts: int, nptray: MutableSequence[int] | NDArray[Any], maxray: int, /) -> int:
    """Computes the points of a contour line of a matrix."""

def conshade(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, levels: Sequence[float] | ArrayLike, /) -> None:
    """Draws shaded contours of a matrix in one call."""

def conshd(x: Sequence[float] | ArrayLike, n: int, y: Sequence[float] | ArrayLike, m: int, z: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, zlev: Sequence[float] | ArrayLike, nlev: int, /) -> None:
    """Draws shaded contours of a matrix."""

def contour(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, levels: Sequence[float] | ArrayLike, /) -> None:
    """Draws contour lines of a matrix in one call."""

def contri(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[float] | ArrayLike, n: int, i1: Sequence[int] | ArrayLike, i2: Sequence[int] | ArrayLike, i3: Sequence[int] | ArrayLike, ntri: int, zlev: float, /) -> None:
    """Draws a contour line of a triangulated surface."""

def contur(x: Sequence[float] | ArrayLike, nx: int, y: Sequence[float] | ArrayLike, ny: int, z: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, zlev: float, /) -> None:
    """Draws a contour line of a matrix."""

def cross() -> None:
    """Draws the lines y = 0 and x = 0 across the current axis system."""

def crvmat(zmat: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, nx: int, ny: int, ixpts: int, iypts: int, /) -> None:
    """Draws a colour plot of a matrix."""

def crvtri(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[float] | ArrayLike, n: int, i1: Sequence[int] | ArrayLike, i2: Sequence[int] | ArrayLike, i3: Sequence[int] | ArrayLike, ntri: int, /) -> None:
    """Draws a colour surface of triangles."""

def csrmov(x: MutableSequence[int] | NDArray[Any], y: MutableSequence[int] | NDArray[Any], nmax: int, /) -> int:
    """Collects a path drawn with the mouse."""

def csrpt1() -> tuple[int, int]:
    """Waits for a click of mouse button 1 and returns its position."""

def csrpts(x: MutableSequence[int] | NDArray[Any], y: MutableSequence[int] | NDArray[Any], nmax: int, /) -> int:
    """Collects points clicked with the mouse."""

def csrtyp(shape: str | bytes, /) -> None:
    """Sets the cursor shape for cursor input."""

def csruni(unit: str | bytes, /) -> None:
    """Sets the unit of cursor positions: plot coordinates or pixels."""

def curv3d(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws a curve in the 3-D box."""

def curve(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws a curve of n points into the current axis system."""

def curve3(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws coloured rectangles at points in a 3-D colour system."""

def curvmp(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws a curve into a map system."""

def curvx3(x: Sequence[float] | ArrayLike, y: float, z: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws coloured rectangles along a row at a fixed y."""

def curvy3(x: float, y: Sequence[float] | ArrayLike, z: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws coloured rectangles along a column at a fixed x."""

def dash() -> None:
    """Sets the dashed line style."""

def dashl() -> None:
    """Sets the long-dashed line style."""

def dashm() -> None:
    """Sets the medium-dashed line style."""

def dattim(date_arg: str | bytes, time_arg: str | bytes, /) -> tuple[str, str]:
    """Returns the current date and time (its two arguments are not read)."""

def digits(digits: int, axes: str | bytes, /) -> None:
    """Sets the number of decimals of the labels of the named axes."""

def dot() -> None:
    """Sets the dotted line style."""

def dotl() -> None:
    """Sets the long-dotted line style."""

def duplx() -> None:
    """Selects the duplex vector font."""

def dwgbut(question: str | bytes, default: int, /) -> int:
    """Asks a yes/no question in a dialog and returns 1 for yes, 0 for no."""

def dwgfil(label: str | bytes, file: str | bytes, mask: str | bytes, /) -> str:
    """Lets the user choose a file in a dialog."""

def dwglis(label: str | bytes, items: str | bytes, selected: int, /) -> int:
    """Lets the user choose an item of a list in a dialog."""

def dwgmsg(text: str | bytes, /) -> None:
    """Shows a message in a dialog box and waits for OK."""

def dwgtxt(label: str | bytes, default: str | bytes, /) -> str:
    """Asks for a text in a dialog."""

def ellips(nx: int, ny: int, na: int, nb: int, /) -> None:
    """Draws an ellipse in plot coordinates."""

def endgrf() -> None:
    """Ends the current axis system and returns to level 1."""

def erase() -> None:
    """Clears the screen or the image."""

def errbar(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, e1: Sequence[float] | ArrayLike, e2: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws error bars."""

def errdev(destination: str | bytes, /) -> None:
    """Sends the protocol to the console or to a file."""

def errfil(name: str | bytes, /) -> None:
    """Sets the name of the protocol file."""

def errmod(item: str | bytes, mode: str | bytes, /) -> None:
    """Switches warnings, checks or the protocol on or off."""

def eushft(language: str | bytes, character: str | bytes, /) -> None:
    """Sets the shift character of the accented letters of a language."""

def expzlb(keyword: str | bytes, /) -> None:
    """Sets the decade extension of logarithmic colour bars."""

def fcha(value: float, ndig: int, /) -> str:
    """Formats a number with a number of decimals."""

def field(x1: Sequence[float] | ArrayLike, y1: Sequence[float] | ArrayLike, x2: Sequence[float] | ArrayLike, y2: Sequence[float] | ArrayLike, n: int, code: int, /) -> None:
    """Draws a vector field of arrows."""

def filbox(x: int, y: int, w: int, h: int, /) -> None:
    """Sets the rectangle into which incfil places an included picture."""

def filclr(colour: str | bytes, /) -> None:
    """Sets the colour of fills: the current colour, the background or a named colour."""

def filmod(mode: str | bytes, /) -> None:
    """Sets what happens when the plot file exists: new version, overwrite or break."""

def fixspc(factor: float, /) -> None:
    """Switches fixed-pitch characters on with a cell factor."""

def flab3d() -> None:
    """Makes 3-D axes also label the first values where two axes meet."""

def flen(value: float, ndig: int, /) -> int:
    """Returns the number of characters of a formatted number."""

def frame(thickness: int, /) -> None:
    """Sets the thickness of frames."""

def frmclr(colour: int, /) -> None:
    """Sets the colour of frames."""

def frmess(thickness: int, /) -> None:
    """Sets the thickness of frames around texts."""

def gapcrv(distance: float, /) -> None:
    """Breaks curves where consecutive x values are further apart than a distance."""

def getalf() -> str:
    """Returns the name of the base alphabet."""

def getang() -> int:
    """Returns the current text angle."""

def getbpp() -> int:
    """Returns the bits per pixel of the X screen."""

def getclp() -> tuple[int, int, int, int]:
    """Returns the clipping window."""

def getclr() -> int:
    """Returns the current colour index."""

def getdig() -> tuple[int, int, int]:
    """Returns the number of decimals of the x, y and z labels."""

def getdsp() -> str:
    """Returns "XWIN" when an X display can be opened, else "NONE"."""

def getfil() -> str:
    """Returns the name of the plot file."""

def getgrf(axis: str | bytes, /) -> tuple[float, float, float, float]:
    """Returns the scaling of an axis: start, end, first label and step."""

def gethgt() -> int:
    """Returns the current character height."""

def getind(index: int, /) -> tuple[float, float, float]:
    """Returns the RGB values of a colour table entry."""

def getlab() -> tuple[str, str, str]:
    """Returns the label types of the x, y and z axes."""

def getlen() -> tuple[int, int, int]:
    """Returns the axis lengths."""

def getlev() -> int:
    """Returns the current level."""

def getlin() -> int:
    """Returns the current line width."""

def getlit(x: float, y: float, z: float, xn: float, yn: float, zn: float, /) -> int:
    """Returns the colour index that lighting gives a point of a surface."""

def getmat(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[float] | ArrayLike, n: int, zmat: MutableSequence[float] | NDArray[Any], nx: int, ny: int, zval: float, /) -> None:
    """Computes a matrix on a grid from scattered points."""

def getmfl() -> str:
    """Returns the keyword of the output device."""

def getmix(keyword: str | bytes, /) -> str:
    """Returns a shift character of mixed alphabets."""

def getor() -> tuple[int, int]:
    """Returns the origin of the axis system."""

def getpag() -> tuple[int, int]:
    """Returns the page size in plot units."""

def getpat() -> int:
    """Returns the current shading pattern."""

def getpos() -> tuple[int, int]:
    """Returns the position of the axis system."""

def getran() -> tuple[int, int]:
    """Returns the colour range."""

def getres() -> tuple[int, int]:
    """Returns the size of colour rectangles."""

def getrgb() -> tuple[float, float, float]:
    """Returns the current colour as red, green and blue in 0 to 1."""

def getscl() -> tuple[int, int, int]:
    """Returns the scaling types of the x, y and z axes (0 linear, 1 logarithmic)."""

def getscr() -> tuple[int, int]:
    """Returns the size of the X screen in pixels."""

def getshf(language: str | bytes, /) -> str:
    """Returns the shift character of a language."""

def getsp1() -> tuple[int, int, int]:
    """Returns the distances between axes and labels."""

def getsp2() -> tuple[int, int, int]:
    """Returns the distances between axes and names."""

def getsym() -> tuple[int, int]:
    """Returns the symbol number and the symbol height."""

def gettcl() -> tuple[int, int]:
    """Returns the lengths of major and minor ticks."""

def gettic() -> tuple[int, int, int]:
    """Returns the number of ticks of the x, y and z axes."""

def gettyp() -> int:
    """Returns the current line style."""

def getuni() -> int:
    """Returns the protocol unit."""

def getver() -> float:
    """Returns the version of the library."""

def getvk() -> tuple[int, int, int]:
    """Returns the title shift and the shifts of the colour bar."""

def getvlt() -> str:
    """Returns the name of the colour table."""

def getwid() -> int:
    """Returns the width of colour bars."""

def getwin() -> tuple[int, int, int, int]:
    """Returns the position and size of the output window."""

def getxid(kind: str | bytes, /) -> int:
    """Returns the identifier of the X window or pixmap."""

def gifmod(on_off: str | bytes, what: str | bytes, /) -> None:
    """Sets GIF options such as background transparency."""

def gmxalf(alphabet: str | bytes, /) -> tuple[str, str, int]:
    """Returns the shift characters of a mixed alphabet and its number."""

def gothic() -> None:
    """Selects the gothic vector font."""

def grace(margin: int, /) -> None:
    """Widens the clipping window of the axis system by a margin."""

def graf(xa: float, xe: float, xor: float, xstep: float, ya: float, ye: float, yor: float, ystep: float, /) -> None:
    """Defines a 2-D axis system, draws its axes and enters level 2."""

def graf3(xa: float, xe: float, xor: float, xstep: float, ya: float, ye: float, yor: float, ystep: float, za: float, ze: float, zor: float, zstep: float, /) -> None:
    """Defines a 3-D colour axis system and enters level 3."""

def graf3d(xa: float, xe: float, xor: float, xstep: float, ya: float, ye: float, yor: float, ystep: float, za: float, ze: float, zor: float, zstep: float, /) -> None:
    """Defines a 3-D axis system and enters level 3."""

def grafmp(xa: float, xe: float, xor: float, xstp: float, ya: float, ye: float, yor: float, ystp: float, /) -> None:
    """Defines a map axis system and enters level 2."""

def grdpol(ncircles: int, nrays: int, /) -> None:
    """Draws a polar grid of circles and rays."""

def grffin() -> None:
    """Ends a 2-D axis system placed in a plane of the 3-D box and returns to the 3-D system."""

def grfini(x1: float, y1: float, z1: float, x2: float, y2: float, z2: float, x3: float, y3: float, z3: float, /) -> None:
    """Places a 2-D axis system in a plane of the 3-D box given by three points."""

def grid(ix: int, iy: int, /) -> None:
    """Draws a grid across the axis system."""

def grid3d(nx: int, ny: int, option: str | bytes, /) -> None:
    """Draws grid lines on the walls of the 3-D box."""

def gridmp(ixgrd: int, iygrd: int, /) -> None:
    """Draws meridians and parallels on a map."""

def gwgatt(id: int, option: str | bytes, /) -> int:
    """Returns an attribute of a widget."""

def gwgbox(id: int, /) -> int:
    """Returns the selection of a box widget."""

def gwgbut(id: int, /) -> int:
    """Returns the state of a toggle button."""

def gwgfil(id: int, /) -> str:
    """Returns the file name of a file widget."""

def gwglis(id: int, /) -> int:
    """Returns the selection of a list widget."""

def gwgscl(id: int, /) -> float:
    """Returns the value of a scale widget."""

def gwgtxt(id: int, /) -> str:
    """Returns the text of a text widget."""

def gwgxid(id: int, /) -> int:
    """Returns the X window identifier of a widget."""

def height(h: int, /) -> None:
    """Sets the character height in plot units."""

def helve() -> None:
    """Selects the Helvetica-like outline font."""

def helves() -> None:
    """Selects the shaded Helvetica-like outline font."""

def histog(x: Sequence[float] | ArrayLike, n: int, xhist: MutableSequence[float] | NDArray[Any], yhist: MutableSequence[float] | NDArray[Any], /) -> int:
    """Computes a histogram."""

def hname(height: int, /) -> None:
    """Sets the height of axis names."""

def hsvrgb(hue: float, saturation: float, value: float, /) -> tuple[float, float, float]:
    """Converts a colour from HSV to RGB."""

def hsymbl(size: int, /) -> None:
    """Sets the height of plot symbols."""

def htitle(h: int, /) -> None:
    """Sets the height of title lines."""

def hwfont() -> None:
    """Selects the hardware font of the current device."""

def hworig(x: int, y: int, /) -> None:
    """Sets the hardware origin of the page."""

def hwpage(width: int, height: int, /) -> None:
    """Sets the hardware page size."""

def imgbox(x: int, y: int, width: int, height: int, /) -> None:
    """Sets the rectangle of the picture saved from the raster image."""

def imgfin() -> None:
    """Closes access to the pixels of the raster image."""

def imgfmt(mode: str | bytes, /) -> None:
    """Sets the pixel mode of raster output: palette indices or RGB."""

def imgini() -> None:
    """Opens access to the pixels of the raster image."""

def imgmod(mode: str | bytes, /) -> None:
    """Sets the pixel mode of pixel access: palette indices or RGB."""

def imgsiz(width: int, height: int, /) -> None:
    """Sets the size of pictures saved from the raster image."""

def inccrv(count: int, /) -> None:
    """Sets after how many curves the curve attributes change."""

def incdat(day: int, month: int, year: int, /) -> int:
    """Returns the day number of a date, counted from the base date."""

def incfil(name: str | bytes, /) -> None:
    """Includes a metafile or an image file into the current plot."""

def incmrk(interval: int, /) -> None:
    """Sets the interval of plot symbols on curves."""

def intax() -> None:
    """Labels all axes with integers."""

def intcha(value: int, /) -> str:
    """Formats an integer."""

def intlen(value: int, /) -> int:
    """Returns the number of characters of an integer."""

def itmcat(items: str | bytes, item: str | bytes, /) -> str:
    """Appends an item to a list string."""

def itmcnt(items: str | bytes, /) -> int:
    """Returns the number of items of a list string."""

def itmstr(items: str | bytes, n: int, /) -> str:
    """Returns an item of a list string."""

def labclr(colour: int, object: str | bytes, /) -> None:
    """Sets the colour of axis labels or other objects."""

def labdig(digits: int, axes: str | bytes, /) -> None:
    """Sets the number of decimals of axis labels."""

def labdis(distance: int, axes: str | bytes, /) -> None:
    """Sets the distance between axes and labels."""

def labels(keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets the label type of the named axes."""

def labjus(keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets the justification of axis labels."""

def labl3d(keyword: str | bytes, /) -> None:
    """Sets the orientation of 3-D axis labels: horizontal or parallel to the axis."""

def labmod(key: str | bytes, keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets the form of date labels of the named axes."""

def labpos(keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets the position of axis labels: at ticks or between them."""

def labtyp(keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets the orientation of axis labels."""

def legclr() -> None:
    """Makes legend texts take the colours of their curves."""

def legend(cbuf: str | bytes, corner: int, /) -> None:
    """Draws the legend at a corner (cbuf: the legend buffer; from Python any string)."""

def legini(cbuf: str | bytes, nlin: int, nmaxln: int, /) -> None:
    """Starts a legend of nlin lines of at most nmaxln characters in the buffer cbuf (from Python any string: the module keeps the buffer)."""

def leglin(cbuf: str | bytes, text: str | bytes, line: int, /) -> None:
    """Sets the text of legend line line (cbuf: the legend buffer; from Python any string)."""

def legopt(sample_length: float, margin: float, sub_line_spacing: float, /) -> None:
    """Sets the sample length and spacings of legends."""

def legpat(style: int, thickness: int, symbol: int, colour: int, pattern: int, line: int, /) -> None:
    """Sets the line style, symbol, colour and pattern of a legend line."""

def legpos(x: int, y: int, /) -> None:
    """Sets the upper left corner of the legend."""

def legtit(text: str | bytes, /) -> None:
    """Sets the legend title."""

def lfttit() -> None:
    """Justifies the title lines to the left."""

def light(mode: str | bytes, /) -> None:
    """Switches lighting of shaded surfaces on or off."""

def lincyc(index: int, style: int, /) -> None:
    """Sets an entry of the line-style cycle of curves."""

def line(nx1: int, ny1: int, nx2: int, ny2: int, /) -> None:
    """Draws a line between two points in plot coordinates."""

def linesp(factor: float, /) -> None:
    """Sets the line spacing factor of titles and framed texts."""

def lintyp(n: int, /) -> None:
    """Sets the line style by number."""

def linwid(n: int, /) -> None:
    """Sets the line width."""

def litmod(light: int, mode: str | bytes, /) -> None:
    """Switches a light source on or off."""

def litopt(light: int, value: float, option: str | bytes, /) -> None:
    """Sets an intensity or attenuation of a light source."""

def litpos(light: int, x: float, y: float, z: float, mode: str | bytes, /) -> None:
    """Sets the position of a light source."""

def lncap(keyword: str | bytes, /) -> None:
    """Sets the line cap of thick lines."""

def lnjoin(keyword: str | bytes, /) -> None:
    """Sets the line join of thick lines."""

def lnmlt(x: float, /) -> None:
    """Sets the miter limit of thick lines."""

def logtic(keyword: str | bytes, /) -> None:
    """Sets the minor ticks of logarithmic axes."""

def mapbas(keyword: str | bytes, /) -> None:
    """Sets the base map data."""

def mapfil(file: str | bytes, format: str | bytes, /) -> None:
    """Sets a map data file and its format."""

def maplev(keyword: str | bytes, /) -> None:
    """Sets which map data levels are drawn (land, lakes)."""

def mapmod(keyword: str | bytes, /) -> None:
    """Sets how map curves are joined: connected or by points."""

def mappol(lon: float, lat: float, /) -> None:
    """Sets the centre of the map projection."""

def mapref(lat1: float, lat2: float, /) -> None:
    """Sets the standard parallels of conical map projections."""

def mapsph(radius: float, /) -> None:
    """Sets the visible radius of azimuthal map projections."""

def marker(symbol: int, /) -> None:
    """Sets the plot symbol of curves."""

def matopt(value: float, option: str | bytes, /) -> None:
    """Sets a reflectance of the surface material."""

def mdfmat(radius_x: int, radius_y: int, exponent: float, /) -> None:
    """Sets the gridding parameters of getmat."""

def messag(text: str | bytes, x: int, y: int, /) -> None:
    """Draws a text at a point in plot coordinates."""

def metafl(device: str | bytes, /) -> None:
    """Selects the output device and file format before vtxini."""

def mixalf() -> None:
    """Switches on the exponent, index and reset characters in texts."""

def mixleg() -> None:
    """Allows several lines per legend entry, separated by the legend character."""

def moment(x: Sequence[float] | ArrayLike, n: int, keyword: str | bytes, /) -> float:
    """Returns a statistical moment of an array: mean, standard deviation, ..."""

def mpaepl(mode: int, /) -> None:
    """Switches the labels of map plots on (1) or off (0)."""

def mplang(angle: float, /) -> None:
    """Sets the angle of map labels."""

def mplclr(colour: int, background: int, /) -> None:
    """Sets the colour and the background colour of map labels."""

def mplpos(lon_offset: int, lat_offset: int, /) -> None:
    """Shifts map labels in longitude and latitude direction."""

def mplsiz(height: int, /) -> None:
    """Sets the height of map labels."""

def msgbox(text: str | bytes, /) -> None:
    """Shows a message dialog."""

def mshclr(colour: int, /) -> None:
    """Sets the colour of surface grid lines."""

def mylab(text: str | bytes, index: int, axes: str | bytes, /) -> None:
    """Sets a user label of the named axes."""

def myline(pattern: Sequence[int] | ArrayLike, n: int, /) -> None:
    """Defines a user line style."""

def mypat(angle: int, type: int, density: int, cross: int, /) -> None:
    """Defines a shading pattern."""

def mysymb(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, n: int, number: int, fill: int, /) -> None:
    """Defines a user plot symbol."""

def myvlt(red: Sequence[float] | ArrayLike, green: Sequence[float] | ArrayLike, blue: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Defines a colour table from red, green and blue values."""

def namdis(distance: int, axes: str | bytes, /) -> None:
    """Sets the distance between axes and names."""

def name(text: str | bytes, axes: str | bytes, /) -> None:
    """Sets the name of the named axes."""

def namjus(keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets the justification of axis names."""

def neglog(eps: float, /) -> None:
    """Plots non-positive values on logarithmic axes at eps instead of refusing them."""

def newmix() -> None:
    """Sets the shift characters of mixed alphabets to their defaults (^ _ %)."""

def newpag() -> None:
    """Starts a new page."""

def nlmess(text: str | bytes, /) -> int:
    """Returns the length of a text in plot units."""

def nlnumb(value: float, ndig: int, /) -> int:
    """Returns the length of a formatted number in plot units."""

def noarln() -> None:
    """Draws polygons of areaf without outlines."""

def nobar() -> None:
    """Makes the next 3-D colour system draw no colour bar."""

def nobgd() -> None:
    """Leaves the background of legends and colour bars unfilled."""

def nochek() -> None:
    """Stops the report of points outside the axis scaling."""

def noclip() -> None:
    """Switches off clipping to the axis system."""

def nofill() -> None:
    """Draws polygons, bars, pies and figures as outlines only."""

def nograf() -> None:
    """Makes the next graf call scale without drawing the axes."""

def nohide() -> None:
    """Switches off hidden-line elimination for surfaces."""

def noline(axes: str | bytes, /) -> None:
    """Draws the named axes without their axis lines."""

def number(value: float, ndig: int, x: int, y: int, /) -> None:
    """Draws a number at a point in plot coordinates."""

def numfmt(keyword: str | bytes, /) -> None:
    """Sets the number format of number and labels."""

def numode(decimal: str | bytes, thousands: str | bytes, sign: str | bytes, width: str | bytes, /) -> None:
    """Sets the decimal character, thousands separator and sign of numbers."""

def nwkday(day: int, month: int, year: int, /) -> int:
    """Returns the weekday of a date (1 Monday to 7 Sunday)."""

def nxlegn(cbuf: str | bytes, /) -> int:
    """Returns the width of the legend in plot units (cbuf: the legend buffer; from Python any string)."""

def nxposn(x: float, /) -> int:
    """Returns the plot x coordinate of a user x value."""

def nylegn(cbuf: str | bytes, /) -> int:
    """Returns the height of the legend in plot units (cbuf: the legend buffer; from Python any string)."""

def nyposn(y: float, /) -> int:
    """Returns the plot y coordinate of a user y value."""

def nzposn(z: float, /) -> int:
    """Returns the colour index of a z value."""

def openfl(name: str | bytes, unit: int, mode: int, /) -> int:
    """Opens a binary file as a unit for reading, writing or appending."""

def opnwin(n: int, /) -> None:
    """Opens an additional output window."""

def origin(nx: int, ny: int, /) -> None:
    """Sets the origin of the axis system."""

def page(width: int, height: int, /) -> None:
    """Sets the page size."""

def pagera() -> None:
    """Draws a border around the page."""

def pagfll(colour: int, /) -> None:
    """Fills the page with a colour."""

def paghdr(prefix: str | bytes, suffix: str | bytes, corner: int, direction: int, /) -> None:
    """Writes a page header with date, time and file name."""

def pagmod(keyword: str | bytes, /) -> None:
    """Sets the page orientation."""

def pagorg(keyword: str | bytes, /) -> None:
    """Sets the origin of page coordinates: top or bottom."""

def patcyc(index: int, pattern: int, /) -> None:
    """Sets an entry of the pattern cycle."""

def pdfbuf(size: int, /) -> tuple[bytes, int]:
    """Copies the PDF file held in memory."""

def pdfmod(mode: str | bytes, option: str | bytes, /) -> None:
    """Sets PDF options: compression or output into memory."""

def penwid(x: float, /) -> None:
    """Sets the pen width in fractional units."""

def pie(nx: int, ny: int, nr: int, alpha: float, beta: float, /) -> None:
    """Draws a pie segment in plot coordinates."""

def piebor(colour: int, /) -> None:
    """Sets the colour of pie outlines."""

def pieclr(segment: Sequence[int] | ArrayLike, label: Sequence[int] | ArrayLike, n: int, /) -> None:
    """Sets the colours of pie segments and their labels."""

def pieexp() -> None:
    """Draws every pie segment pulled out of the pie."""

def piegrf(cbuf: str | bytes, nlin: int, values: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws a pie chart of n values with a legend of nlin lines (cbuf: the legend buffer; from Python any string)."""

def pielab(text: str | bytes, side: str | bytes, /) -> None:
    """Sets the label text of pie segments."""

def pieopt(thickness: float, angle: float, /) -> None:
    """Sets the thickness and angle of 3-D pies."""

def pietyp(keyword: str | bytes, /) -> None:
    """Sets the pie type: 2-D or 3-D."""

def pievec(code: int, mode: str | bytes, /) -> None:
    """Sets the vectors that connect pie labels with their segments."""

def plot(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, /) -> None:
    """Plots y against x in one call."""

def plot3(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[float] | ArrayLike, /) -> None:
    """Draws coloured points of x, y and z in one call."""

def pngmod(on_off: str | bytes, what: str | bytes, /) -> None:
    """Sets PNG options such as background transparency."""

def point(nx: int, ny: int, nb: int, nh: int, ncol: int, /) -> None:
    """Draws a filled box centred on a point in plot coordinates."""

def polar(xe: float, xor: float, xstep: float, yor: float, ystep: float, /) -> None:
    """Defines a polar axis system and enters level 2."""

def polcrv(mode: str | bytes, /) -> None:
    """Sets the interpolation of curves: lines, steps, bars, stems, stairs or splines."""

def polmod(zero: str | bytes, sense: str | bytes, /) -> None:
    """Sets the zero direction and the sense of angles of polar systems."""

def pos2pt(x: float, y: float, /) -> tuple[float, float]:
    """Returns the plot coordinates of a user point."""

def pos3pt(x: float, y: float, z: float, /) -> tuple[float, float, float]:
    """Returns the box coordinates of a 3-D user point."""

def posifl(unit: int, position: int, /) -> int:
    """Moves a file unit to a position."""

def projct(keyword: str | bytes, /) -> None:
    """Sets the map projection."""

def psfont(name: str | bytes, /) -> None:
    """Selects a PostScript font for PostScript, PDF and SVG output."""

def qplbar(values: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws a bar graph in one call."""

def qplclr(zmat: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, n: int, m: int, /) -> None:
    """Draws a colour plot of a matrix in one call."""

def qplcon(zmat: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, n: int, m: int, levels: int, /) -> None:
    """Draws contours of a matrix in one call."""

def qplot(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws a curve in one call."""

def qplpie(values: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws a pie chart in one call."""

def qplsca(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws a scatter plot in one call."""

def qplsur(zmat: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, n: int, m: int, /) -> None:
    """Draws a surface of a matrix in one call."""

def rbfpng(size: int, /) -> tuple[bytes, int]:
    """Copies the PNG file held in memory."""

def rbmp(file: str | bytes, /) -> None:
    """Saves the raster image as a BMP file."""

def readfl(unit: int, n: int, /) -> tuple[bytes, int]:
    """Reads bytes from a file unit."""

def reawgt() -> None:
    """Realises the widget window without entering its event loop."""

def recfll(nx: int, ny: int, nw: int, nh: int, ncol: int, /) -> None:
    """Draws a rectangle filled with a colour."""

def rectan(nx: int, ny: int, nw: int, nh: int, /) -> None:
    """Draws a rectangle in plot coordinates."""

def rel3pt(x: float, y: float, z: float, /) -> tuple[float, float]:
    """Returns the plot coordinates of a 3-D user point."""

def resatt() -> None:
    """Restarts the cycling of curve colours, line styles and symbols."""

def reset(name: str | bytes, /) -> None:
    """Resets a parameter (or all with "ALL") to its default."""

def revscr() -> None:
    """Swaps the background and foreground colours."""

def rgbhsv(red: float, green: float, blue: float, /) -> tuple[float, float, float]:
    """Converts a colour from RGB to HSV."""

def rgif(file: str | bytes, /) -> None:
    """Saves the raster image as a GIF file."""

def rgtlab() -> None:
    """Sets the labels of right-hand y axes flush right."""

def rimage(file: str | bytes, /) -> None:
    """Saves the raster image as a raw image file."""

def rlarc(xm: float, ym: float, a: float, b: float, alpha: float, beta: float, theta: float, /) -> None:
    """Draws an elliptical arc in user coordinates."""

def rlarea(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, n: int, /) -> None:
    """Draws a filled polygon in user coordinates."""

def rlcirc(xm: float, ym: float, r: float, /) -> None:
    """Draws a circle in user coordinates."""

def rlconn(x: float, y: float, /) -> None:
    """Draws a line to a point in user coordinates."""

def rlell(xm: float, ym: float, a: float, b: float, /) -> None:
    """Draws an ellipse in user coordinates."""

def rline(x1: float, y1: float, x2: float, y2: float, /) -> None:
    """Draws a line between two points in user coordinates."""

def rlmess(text: str | bytes, x: float, y: float, /) -> None:
    """Draws a text at a point in user coordinates."""

def rlnumb(value: float, ndig: int, x: float, y: float, /) -> None:
    """Draws a number at a point in user coordinates."""

def rlpie(xm: float, ym: float, r: float, alpha: float, beta: float, /) -> None:
    """Draws a pie segment in user coordinates."""

def rlpoin(x: float, y: float, nb: int, nh: int, ncol: int, /) -> None:
    """Draws a filled box centred on a point in user coordinates."""

def rlrec(x: float, y: float, w: float, h: float, /) -> None:
    """Draws a rectangle in user coordinates."""

def rlrnd(x: float, y: float, w: float, h: float, iopt: int, /) -> None:
    """Draws a rectangle with rounded corners in user coordinates."""

def rlsec(xm: float, ym: float, r1: float, r2: float, alpha: float, beta: float, ncol: int, /) -> None:
    """Draws a filled ring segment in user coordinates."""

def rlstrt(x: float, y: float, /) -> None:
    """Moves the pen to a point in user coordinates."""

def rlsymb(symbol: int, x: float, y: float, /) -> None:
    """Draws a plot symbol at a point in user coordinates."""

def rlvec(x1: float, y1: float, x2: float, y2: float, code: int, /) -> None:
    """Draws a vector between two points in user coordinates."""

def rlwind(speed: float, x: float, y: float, length: int, angle: float, /) -> None:
    """Draws a wind barb at a point in user coordinates."""

def rndrec(nx: int, ny: int, nw: int, nh: int, iopt: int, /) -> None:
    """Draws a rectangle with rounded corners."""

def rpixel(x: int, y: int, /) -> int:
    """Returns a pixel of the raster image."""

def rpixls(x: int, y: int, width: int, height: int, /) -> bytes:
    """Reads a rectangle of pixels of the raster image."""

def rpng(file: str | bytes, /) -> None:
    """Saves the raster image as a PNG file."""

def rppm(file: str | bytes, /) -> None:
    """Saves the raster image as a PPM file."""

def rpxrow(x: int, y: int, n: int, /) -> bytes:
    """Reads a row of pixels of the raster image."""

def rtiff(file: str | bytes, /) -> None:
    """Saves the raster image as a TIFF file."""

def rvynam() -> None:
    """Turns the name of right-hand y axes to read upward."""

def scale(keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets the scaling of the named axes: linear or logarithmic."""

def scattr(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, /) -> None:
    """Draws a scatter plot in one call."""

def sclfac(factor: float, /) -> None:
    """Sets the scaling factor of the page."""

def sclmod(keyword: str | bytes, /) -> None:
    """Sets how the page is fitted to the device."""

def scrmod(keyword: str | bytes, /) -> None:
    """Sets the screen mode: erase, reverse (black on white) or automatic."""

def sector(nx: int, ny: int, nr1: int, nr2: int, alpha: float, beta: float, ncol: int, /) -> None:
    """Draws a filled ring segment in plot coordinates."""

def selwin(n: int, /) -> None:
    """Selects an open output window for further output."""

def sendbf() -> None:
    """Flushes buffered output to the screen or file."""

def sendmb() -> None:
    """Ends a wait of the graphics window for a mouse button."""

def sendok() -> None:
    """Copies the text values of the widgets and ends the widget loop, as OK does."""

def serif() -> None:
    """Selects the serif outline font."""

def setbas(factor: float, /) -> None:
    """Sets the shift factor of exponents and indices."""

def setclr(index: int, /) -> None:
    """Sets the current colour by index."""

def setexp(factor: float, /) -> None:
    """Sets the size factor of exponents and indices."""

def setfil(name: str | bytes, /) -> None:
    """Sets the name of the plot file."""

def setgrf(lower_x: str | bytes, left_y: str | bytes, upper_x: str | bytes, right_y: str | bytes, /) -> None:
    """Sets what the four axes of an axis system draw."""

def setind(index: int, red: float, green: float, blue: float, /) -> None:
    """Changes one entry of the colour table."""

def setmix(character: str | bytes, keyword: str | bytes, /) -> None:
    """Sets a shift character of mixed alphabets."""

def setpag(keyword: str | bytes, /) -> None:
    """Selects a predefined page format."""

def setres(width: int, height: int, /) -> None:
    """Sets the size of colour rectangles."""

def setrgb(red: float, green: float, blue: float, /) -> None:
    """Sets the current colour to the table entry nearest an RGB value."""

def setscl(values: Sequence[float] | ArrayLike, n: int, axes: str | bytes, /) -> None:
    """Scales the named axes automatically from data."""

def setvar(name: str | bytes, value: int | float | str, /) -> None:
    """Sets a plot variable that the quick plots apply."""

def setvlt(name: str | bytes, /) -> None:
    """Selects a colour table."""

def setxid(id: int, kind: str | bytes, /) -> None:
    """Draws into an existing X window or pixmap."""

def shdcha() -> None:
    """Fills the characters of outline fonts."""

def shdcrv(x1: Sequence[float] | ArrayLike, y1: Sequence[float] | ArrayLike, n1: int, x2: Sequence[float] | ArrayLike, y2: Sequence[float] | ArrayLike, n2: int, /) -> None:
    """Fills the area between two curves."""

def shdeur(inray: Sequence[int] | ArrayLike, ipat: Sequence[int] | ArrayLike, icol: Sequence[int] | ArrayLike, n: int, /) -> None:
    """Shades countries of Europe."""

def shdmap(keyword: str | bytes, /) -> None:
    """Shades a continent of the map."""

def shdmod(mode: str | bytes, object: str | bytes, /) -> None:
    """Sets the shading mode of contours and surfaces."""

def shdpat(n: int, /) -> None:
    """Sets the shading pattern."""

def shdusa(inray: Sequence[int] | ArrayLike, ipat: Sequence[int] | ArrayLike, icol: Sequence[int] | ArrayLike, n: int, /) -> None:
    """Shades states of the USA."""

def shield(group: str | bytes, mode: str | bytes, /) -> None:
    """Sets the automatic shielding of a group of objects."""

def shlcir(nx: int, ny: int, nr: int, /) -> None:
    """Defines a circular shielding region."""

def shldel(id: int, /) -> None:
    """Deletes a shielding region."""

def shlell(nx: int, ny: int, na: int, nb: int, angle: float, /) -> None:
    """Defines an elliptical shielding region."""

def shlind() -> int:
    """Returns the number of shielding regions defined."""

def shlpie(nx: int, ny: int, nr: int, alpha: float, beta: float, /) -> None:
    """Defines a pie-segment shielding region."""

def shlpol(nx: Sequence[int] | ArrayLike, ny: Sequence[int] | ArrayLike, n: int, /) -> None:
    """Defines a polygonal shielding region."""

def shlrct(nx: int, ny: int, nw: int, nh: int, angle: float, /) -> None:
    """Defines a rotated rectangular shielding region."""

def shlrec(nx: int, ny: int, nw: int, nh: int, /) -> None:
    """Defines a rectangular shielding region."""

def shlres(n: int, /) -> None:
    """Deletes the last user shielding regions."""

def shlsur() -> None:
    """Makes the surface routines protect what they draw with shielding regions."""

def shlvis(id: int, mode: str | bytes, /) -> None:
    """Makes a shielding region active or inactive."""

def simplx() -> None:
    """Selects the simplex vector font."""

def skipfl(unit: int, n: int, /) -> int:
    """Skips bytes of a file unit."""

def smxalf(alphabet: str | bytes, shift_in: str | bytes, shift_out: str | bytes, slot: int, /) -> None:
    """Defines a mixed alphabet with its shift characters."""

def solid() -> None:
    """Sets the solid line style."""

def sortr1(x: MutableSequence[float] | NDArray[Any], n: int, order: str | bytes, /) -> None:
    """Sorts an array in ascending or descending order."""

def sortr2(x: MutableSequence[float] | NDArray[Any], y: MutableSequence[float] | NDArray[Any], n: int, order: str | bytes, /) -> None:
    """Sorts points by their x values."""

def sphe3d(xm: float, ym: float, zm: float, r: float, n: int, m: int, /) -> None:
    """Draws a sphere in 3-D user coordinates."""

def spline(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, n: int, xray: MutableSequence[float] | NDArray[Any], yray: MutableSequence[float] | NDArray[Any], /) -> int:
    """Computes spline points through data points."""

def splmod(degree: int, points: int, /) -> None:
    """Sets the spline degree and the number of interpolated points."""

def strt3d(x: float, y: float, z: float, /) -> None:
    """Moves the pen to a point in 3-D user coordinates."""

def strtpt(x: float, y: float, /) -> None:
    """Moves the pen to a point in plot coordinates."""

def surclr(top: int, bottom: int, /) -> None:
    """Sets the colours of the top and bottom of surfaces."""

def surf3(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, /) -> None:
    """Draws a colour plot of a matrix in one call."""

def surface(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, /) -> None:
    """Draws a mesh surface of a matrix in one call."""

def surfce(xray: Sequence[float] | ArrayLike, nx: int, yray: Sequence[float] | ArrayLike, ny: int, zmat: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, /) -> None:
    """Draws a mesh surface of a matrix."""

def surfcp(function: Callable[[float, float, int], float], amin: float, amax: float, adelta: float, bmin: float, bmax: float, bdelta: float, /) -> None:
    """Draws a parametric surface of a function."""

def surfun(function: Callable[[float, float], float], ixpts: int, xdelta: float, iypts: int, ydelta: float, /) -> None:
    """Draws a surface of a function z = f(x, y)."""

def suriso(x: Sequence[float] | ArrayLike, nx: int, y: Sequence[float] | ArrayLike, ny: int, z: Sequence[float] | ArrayLike, nz: int, w: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, wlev: float, /) -> None:
    """Draws an isosurface of a three-dimensional matrix."""

def surmat(zmat: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, nx: int, ny: int, ixpts: int, iypts: int, /) -> None:
    """Draws a mesh surface of a matrix over the axis range."""

def surmsh(keyword: str | bytes, /) -> None:
    """Sets the grid on shaded surfaces: off, on or the grid only."""

def suropt(keyword: str | bytes, /) -> None:
    """Sets the mesh directions of surfaces: both, constant x or constant y."""

def surshade(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, /) -> None:
    """Draws a shaded surface of a matrix in one call."""

def surshd(xray: Sequence[float] | ArrayLike, nx: int, yray: Sequence[float] | ArrayLike, ny: int, zmat: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, /) -> None:
    """Draws a shaded surface of a matrix."""

def sursze(xmin: float, xmax: float, ymin: float, ymax: float, /) -> None:
    """Sets the extent of a matrix given without coordinates."""

def surtri(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[float] | ArrayLike, n: int, i1: Sequence[int] | ArrayLike, i2: Sequence[int] | ArrayLike, i3: Sequence[int] | ArrayLike, ntri: int, /) -> None:
    """Draws a surface of triangles."""

def survis(keyword: str | bytes, /) -> None:
    """Sets the visible sides of surfaces: both, top or bottom."""

def swgatt(id: int, value: str | bytes, option: str | bytes, /) -> None:
    """Sets an attribute of a widget: its state or its list items."""

def swgbox(id: int, selected: int, /) -> None:
    """Sets the selection of a box widget."""

def swgbut(id: int, state: int, /) -> None:
    """Sets the state of a toggle button."""

def swgcb(id: int, function: Callable[[int, Any], object], data: Any, /) -> None:
    """Registers a function called with the widget's identifier and user data."""

def swgcbk(id: int, function: Callable[[int], object], /) -> None:
    """Registers a function called with the widget's identifier when it is activated."""

def swgclr(red: float, green: float, blue: float, option: str | bytes, /) -> None:
    """Sets a colour of widget windows."""

def swgdrw(ratio: float, /) -> None:
    """Sets the height ratio of drawing-area widgets."""

def swgfil(id: int, file: str | bytes, /) -> None:
    """Sets the file name of a file widget."""

def swgfnt(font: str | bytes, size: int, /) -> None:
    """Sets the font of widgets."""

def swghlp(text: str | bytes, /) -> None:
    """Sets the help text of widget windows."""

def swgjus(value: str | bytes, option: str | bytes, /) -> None:
    """Sets the justification of labels or buttons in widgets."""

def swglis(id: int, selected: int, /) -> None:
    """Sets the selection of a list widget."""

def swgmix(character: str | bytes, option: str | bytes, /) -> None:
    """Sets the item separator character of widget lists."""

def swgmod(mode: str | bytes, /) -> None:
    """Sets how widgets and dialogs run: automatic, X only or terminal only."""

def swgmrg(value: int, option: str | bytes, /) -> None:
    """Sets a margin of widget windows."""

def swgoff(x: int, y: int, /) -> None:
    """Sets the offset of widget windows."""

def swgopt(value: str | bytes, option: str | bytes, /) -> None:
    """Sets options of widget windows: centring or file masks."""

def swgpop(option: str | bytes, /) -> None:
    """Removes or restores the OK, Quit and Help menu entries."""

def swgpos(x: int, y: int, /) -> None:
    """Sets the position of widget windows."""

def swgscl(id: int, value: float, /) -> None:
    """Sets the value of a scale widget."""

def swgsiz(width: int, height: int, /) -> None:
    """Sets the size of widget windows."""

def swgspc(x: float, y: float, /) -> None:
    """Sets the horizontal and vertical spacing of widgets."""

def swgstp(step: float, /) -> None:
    """Sets the step of scale widgets."""

def swgtit(title: str | bytes, /) -> None:
    """Sets the title of widget windows."""

def swgtxt(id: int, text: str | bytes, /) -> None:
    """Sets the text of a text widget."""

def swgtyp(value: str | bytes, option: str | bytes, /) -> None:
    """Sets the type of lists, boxes or scales in widgets."""

def swgwin(x: int, y: int, width: int, height: int, /) -> None:
    """Sets the position and size of widget windows."""

def swgwth(width: int, /) -> None:
    """Sets the default width of widgets."""

def symbol(number: int, x: int, y: int, /) -> None:
    """Draws a plot symbol at a point in plot coordinates."""

def symfil(command: str | bytes, keep: str | bytes, /) -> None:
    """Hands the finished plot file to a command, then keeps or deletes it."""

def symrot(degrees: float, /) -> None:
    """Sets the rotation of plot symbols."""

def tellfl(unit: int, /) -> int:
    """Returns the position of a file unit."""

def texmod(mode: str | bytes, /) -> None:
    """Switches TeX-like formula mode of texts on or off."""

def texopt(mode: str | bytes, option: str | bytes, /) -> None:
    """Sets options of formula mode: limits above and below, italic letters."""

def thkcrv(n: int, /) -> None:
    """Sets the thickness of curves."""

def ticks(count: int, axes: str | bytes, /) -> None:
    """Sets the number of ticks between labels of the named axes."""

def ticlen(major: int, minor: int, /) -> None:
    """Sets the lengths of major and minor ticks."""

def ticmod(keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets the ticks of date axes."""

def ticpos(keyword: str | bytes, axes: str | bytes, /) -> None:
    """Sets the position of ticks: on the label side, reversed or centred."""

def tifmod(resolution: int, unit: str | bytes, what: str | bytes, /) -> None:
    """Sets the resolution of TIFF files."""

def tiforg(x: int, y: int, /) -> None:
    """Sets the origin of pictures saved as TIFF."""

def tifwin(x: int, y: int, width: int, height: int, /) -> None:
    """Sets the rectangle saved as TIFF."""

def timopt() -> None:
    """Writes time labels with colons between hours, minutes and seconds."""

def titjus(mode: str | bytes, /) -> None:
    """Sets the justification of title lines."""

def title() -> None:
    """Draws the title lines above or below the axis system."""

def titlin(text: str | bytes, line: int, /) -> None:
    """Sets a title line."""

def titpos(mode: str | bytes, /) -> None:
    """Puts the title above or below the axis system."""

def trfco1(x: MutableSequence[float] | NDArray[Any], n: int, source: str | bytes, target: str | bytes, /) -> None:
    """Converts angles between degrees and radians."""

def trfco2(x: MutableSequence[float] | NDArray[Any], y: MutableSequence[float] | NDArray[Any], n: int, source: str | bytes, target: str | bytes, /) -> None:
    """Converts points between rectangular and polar coordinates."""

def trfco3(x: MutableSequence[float] | NDArray[Any], y: MutableSequence[float] | NDArray[Any], z: MutableSequence[float] | NDArray[Any], n: int, source: str | bytes, target: str | bytes, /) -> None:
    """Converts points between rectangular, spherical and cylindrical coordinates."""

def trfdat(day_number: int, /) -> tuple[int, int, int]:
    """Returns the date that lies a number of days after the base date."""

def trfmat(zmat: Sequence[Sequence[float]] | Sequence[float] | ArrayLike, nx: int, ny: int, zmat2: MutableSequence[float] | NDArray[Any], mx: int, my: int, /) -> None:
    """Resamples a matrix to another size."""

def trfrel(x: MutableSequence[float] | NDArray[Any], y: MutableSequence[float] | NDArray[Any], n: int, /) -> None:
    """Converts user points to plot coordinates in place."""

def trfres() -> None:
    """Ends the user transformation of plot coordinates."""

def trfrot(angle: float, nx: int, ny: int, /) -> None:
    """Rotates all later output about a point."""

def trfscl(xscale: float, yscale: float, /) -> None:
    """Scales all later output."""

def trfshf(nx: int, ny: int, /) -> None:
    """Shifts all later output by a number of plot units."""

def triang(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, n: int, i1: MutableSequence[int] | NDArray[Any], i2: MutableSequence[int] | NDArray[Any], i3: MutableSequence[int] | NDArray[Any], nmax: int, /) -> int:
    """Computes the Delaunay triangulation of points."""

def trifll(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, /) -> None:
    """Draws a filled triangle in user coordinates."""

def triplx() -> None:
    """Selects the triplex vector font."""

def tripts(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[float] | ArrayLike, n: int, i1: Sequence[int] | ArrayLike, i2: Sequence[int] | ArrayLike, i3: Sequence[int] | ArrayLike, ntri: int, zlev: float, xpts: MutableSequence[float] | NDArray[Any], ypts: MutableSequence[float] | NDArray[Any], maxpts: int, nptray: MutableSequence[int] | NDArray[Any], maxray: int, /) -> int:
    """Computes the points of contour lines of a triangulated surface."""

def trmlen(text: str | bytes, /) -> int:
    """Returns the length of a string without trailing blanks."""

def txtjus(keyword: str | bytes, /) -> None:
    """Sets the justification of messag and number."""

def unit(stream: int, /) -> None:
    """Switches the protocol output off (0) or on."""

def units(keyword: str | bytes, /) -> None:
    """Sets the unit of page sizes: centimetres, inches, points or twips."""

def upstr(text: str | bytes, /) -> str:
    """Converts a string to upper case."""

def usrprj(function: Callable[[float, float], tuple[float, float]] | None, /) -> None:
    """Registers the user map projection MYPR: function(lon, lat) returns the plot offsets; None removes it."""

def vang3d(angle: float, /) -> None:
    """Sets the view angle of 3-D projections."""

def vclp3d(front: float, back: float, /) -> None:
    """Sets the front and back clipping planes of 3-D projections."""

def vector(nx1: int, ny1: int, nx2: int, ny2: int, code: int, /) -> None:
    """Draws a vector (arrow) between two points in plot coordinates."""

def vectr3(x1: float, y1: float, z1: float, x2: float, y2: float, z2: float, code: int, /) -> None:
    """Draws a vector between two points in 3-D user coordinates."""

def vfoc3d(x: float, y: float, z: float, mode: str | bytes, /) -> None:
    """Sets the focus point of 3-D projections."""

def view3d(x: float, y: float, z: float, mode: str | bytes, /) -> None:
    """Sets the viewpoint of 3-D projections."""

def vkxbar(shift: int, /) -> None:
    """Shifts the colour bar to the right."""

def vkybar(shift: int, /) -> None:
    """Shifts the colour bar upward."""

def vkytit(shift: int, /) -> None:
    """Shifts the title vertically."""

def vtxalf() -> None:
    """Selects the library's default vector alphabet."""

def vtxfin() -> None:
    """Finishes the plot: writes or closes the output, prints the end banner, returns to level 0."""

def vtxini() -> None:
    """Opens the output device, sets all defaults and enters level 1."""

def vup3d(angle: float, /) -> None:
    """Sets the view-up direction of 3-D projections."""

def wgapp(menu: int, label: str | bytes, /) -> int:
    """Adds an entry to a pull-down menu."""

def wgbas(parent: int, layout: str | bytes, /) -> int:
    """Creates a container widget."""

def wgbox(parent: int, items: str | bytes, selected: int, /) -> int:
    """Creates a box of radio buttons."""

def wgbut(parent: int, text: str | bytes, state: int, /) -> int:
    """Creates a toggle button."""

def wgcmd(parent: int, text: str | bytes, command: str | bytes, /) -> int:
    """Creates a button that runs a command."""

def wgdlis(parent: int, items: str | bytes, selected: int, /) -> int:
    """Creates a drop-down list."""

def wgdraw(parent: int, /) -> int:
    """Creates a drawing area."""

def wgfil(parent: int, label: str | bytes, file: str | bytes, mask: str | bytes, /) -> int:
    """Creates a file field with a file-selection button."""

def wgfin() -> None:
    """Shows the widget window and runs its event loop until OK or Quit."""

def wgini(layout: str | bytes, /) -> int:
    """Starts a widget window and returns its identifier."""

def wglab(parent: int, text: str | bytes, /) -> int:
    """Creates a label."""

def wglis(parent: int, items: str | bytes, selected: int, /) -> int:
    """Creates a list."""

def wgltxt(parent: int, label: str | bytes, text: str | bytes, percent: int, /) -> int:
    """Creates a labelled text field."""

def wgok(parent: int, /) -> int:
    """Creates an OK button."""

def wgpbut(parent: int, text: str | bytes, /) -> int:
    """Creates a push button."""

def wgpop(parent: int, label: str | bytes, /) -> int:
    """Creates a pull-down menu."""

def wgquit(parent: int, /) -> int:
    """Creates a Quit button."""

def wgscl(parent: int, label: str | bytes, minimum: float, maximum: float, value: float, decimals: int, /) -> int:
    """Creates a scale."""

def wgstxt(parent: int, size: int, max_lines: int, /) -> int:
    """Creates a scrolled text."""

def wgtxt(parent: int, text: str | bytes, /) -> int:
    """Creates a text field."""

def widbar(width: int, /) -> None:
    """Sets the width of colour bars."""

def wimage(file: str | bytes, /) -> None:
    """Writes the raster image as a raw image file."""

def winapp(mode: str | bytes, /) -> None:
    """Declares the program a console or a window application."""

def windbr(speed: float, nx: int, ny: int, length: int, angle: float, /) -> None:
    """Draws a wind barb at a point in plot coordinates."""

def window(x: int, y: int, width: int, height: int, /) -> None:
    """Sets the position and size of the output window."""

def winfnt(font: str | bytes, /) -> None:
    """Selects a font of the windowing system for window output."""

def winid() -> int:
    """Returns the number of the current window."""

def winkey(key: str | bytes, /) -> None:
    """Sets the key that ends the wait of the window at vtxfin."""

def winmod(mode: str | bytes, /) -> None:
    """Sets how the window waits at vtxfin."""

def winopt(value: int, keyword: str | bytes, /) -> None:
    """Sets the delay of the window wait mode DELA."""

def winsiz(width: int, height: int, /) -> None:
    """Sets the size of the output window."""

def wintit(title: str | bytes, /) -> None:
    """Sets the title of the output window."""

def wmfmod(value: str | bytes, key: str | bytes, /) -> None:
    """Sets options of Windows Metafile output."""

def world() -> None:
    """Draws the coastlines of the world into the map system."""

def wpixel(x: int, y: int, colour: int, /) -> None:
    """Writes one pixel of the raster image."""

def wpixls(data: bytes | bytearray | memoryview, x: int, y: int, width: int, height: int, /) -> None:
    """Writes a rectangle of pixels into the raster image."""

def wpxrow(data: bytes | bytearray | memoryview, x: int, y: int, n: int, /) -> None:
    """Writes a row of pixels into the raster image."""

def writfl(unit: int, data: bytes | bytearray | memoryview, n: int, /) -> int:
    """Writes bytes to a file unit."""

def wtiff(file: str | bytes, /) -> None:
    """Writes the raster image as a TIFF file."""

def x11fnt(font: str | bytes, option: str | bytes, /) -> None:
    """Selects an X11 font for window output."""

def x11mod(mode: str | bytes, /) -> None:
    """Sets how the X window is drawn: directly or through a pixmap."""

def x2dpos(x: float, y: float, /) -> float:
    """Returns the plot x coordinate of a user point."""

def x3dabs(x: float, y: float, z: float, /) -> float:
    """Returns the plot x coordinate of a point of the 3-D box."""

def x3dpos(x: float, y: float, z: float, /) -> float:
    """Returns the box x coordinate of a 3-D user point."""

def x3drel(x: float, y: float, z: float, /) -> float:
    """Returns the plot x coordinate of a 3-D user point."""

def xaxgit() -> None:
    """Draws the line y = 0 across the axis system."""

def xaxis(a: float, e: float, origin: float, step: float, length: int, text: str | bytes, side: int, x: int, y: int, /) -> None:
    """Draws a stand-alone linear x axis."""

def xaxlg(a: float, e: float, origin: float, step: float, length: int, text: str | bytes, side: int, x: int, y: int, /) -> None:
    """Draws a stand-alone logarithmic x axis."""

def xaxmap(a: float, e: float, origin: float, step: float, text: str | bytes, side: int, ny: int, /) -> None:
    """Draws a stand-alone map x axis with degree labels."""

def xcross() -> None:
    """Draws the line y = 0 across the current axis system."""

def xdraw(x: float, y: float, /) -> None:
    """Draws a line to a point in plot coordinates."""

def xinvrs(nx: int, /) -> float:
    """Returns the user x value of a plot x coordinate."""

def xmove(x: float, y: float, /) -> None:
    """Moves the pen to a point in plot coordinates."""

def xposn(x: float, /) -> float:
    """Returns the plot x coordinate of a user x value."""

def y2dpos(x: float, y: float, /) -> float:
    """Returns the plot y coordinate of a user point."""

def y3dabs(x: float, y: float, z: float, /) -> float:
    """Returns the plot y coordinate of a point of the 3-D box."""

def y3dpos(x: float, y: float, z: float, /) -> float:
    """Returns the box y coordinate of a 3-D user point."""

def y3drel(x: float, y: float, z: float, /) -> float:
    """Returns the plot y coordinate of a 3-D user point."""

def yaxgit() -> None:
    """Draws the line x = 0 across the axis system."""

def yaxis(a: float, e: float, origin: float, step: float, length: int, text: str | bytes, side: int, x: int, y: int, /) -> None:
    """Draws a stand-alone linear y axis."""

def yaxlg(a: float, e: float, origin: float, step: float, length: int, text: str | bytes, side: int, x: int, y: int, /) -> None:
    """Draws a stand-alone logarithmic y axis."""

def yaxmap(a: float, e: float, origin: float, step: float, text: str | bytes, side: int, nx: int, /) -> None:
    """Draws a stand-alone map y axis with degree labels."""

def ycross() -> None:
    """Draws the line x = 0 across the current axis system."""

def yinvrs(ny: int, /) -> float:
    """Returns the user y value of a plot y coordinate."""

def yposn(y: float, /) -> float:
    """Returns the plot y coordinate of a user y value."""

def z3dpos(x: float, y: float, z: float, /) -> float:
    """Returns the box z coordinate of a 3-D user point."""

def zaxis(za: float, ze: float, zorigin: float, zstep: float, length: int, name: str | bytes, side: int, horizontal: int, nxa: int, nya: int, /) -> None:
    """Draws a stand-alone linear colour bar."""

def zaxlg(za: float, ze: float, zorigin: float, zstep: float, length: int, name: str | bytes, side: int, horizontal: int, nxa: int, nya: int, /) -> None:
    """Draws a stand-alone logarithmic colour bar."""

def zbffin() -> None:
    """Closes the z-buffer."""

def zbfini() -> int:
    """Opens the z-buffer and returns its status."""

def zbflin(x1: float, y1: float, z1: float, x2: float, y2: float, z2: float, /) -> None:
    """Draws a depth-tested line into the z-buffer."""

def zbftri(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, z: Sequence[float] | ArrayLike, ic: Sequence[int] | ArrayLike, /) -> None:
    """Draws a depth-tested triangle with corner colours into the z-buffer."""

def zscale(zmin: float, zmax: float, /) -> None:
    """Fixes the z range of shaded surfaces and contours."""
