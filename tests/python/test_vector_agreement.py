"""One drawing through PNG, EPS, PDF and SVG, rendered by Pillow, Ghostscript,
pdftoppm and rsvg-convert: after scaling to one size the pictures agree."""
import itertools
import subprocess

from PIL import Image, ImageChops, ImageFilter

DRAWING = """
for i, c in enumerate([(1, 0, 0), (0, 0.6, 0), (0, 0, 1), (0, 0, 0)]):
    v.setrgb(*c)
    v.line(200, 200 + 150 * i, 2700, 300 + 150 * i)
v.dash(); v.line(200, 900, 2700, 1900); v.solid()
v.linwid(3); v.setrgb(1, 0.5, 0); v.line(200, 1900, 2700, 900)
v.linwid(1); v.dot(); v.line(1450, 100, 1450, 2000); v.solid()
v.setrgb(0, 0, 0)
for k in range(40):
    v.line(2300, 1300 + k * 5, 2800, 1300 + k * 5)
v.shdpat(16); v.areaf([300, 900, 600], [1200, 1300, 1800], 3)
v.setrgb(0, 0, 1); v.shdpat(5); v.areaf([1000, 1400, 1200], [1300, 1300, 1900], 3)
v.setrgb(0, 0, 0); v.height(80); v.complx(); v.messag("Vector 123", 1700, 1500)
if v.getmfl() == "PNG":
    v.helve(); v.shdcha()  # raster devices have no PostScript fonts: the filled outline font stands in
else:
    v.psfont("Helvetica")
v.messag("Device text", 1700, 1700)
"""

SIZE = (300, 212)
DEVICE_TEXT_BOX = (165, 155, 300, 185)  # where "Device text" lands at SIZE


def render(tmp_path, device):
    path = tmp_path / ("drawing." + device)
    png = tmp_path / (device + ".png")
    if device == "eps":
        cmd = ["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=png16m", "-dEPSCrop", "-r72",
               "-sOutputFile=%s" % png, str(path)]
    elif device == "png":
        png = path
    elif device == "pdf":
        cmd = ["pdftoppm", "-png", "-r", "72", "-singlefile", str(path), str(png)[:-4]]
    else:
        cmd = ["rsvg-convert", "-b", "white", "-o", str(png), str(path)]
    if device != "png":
        subprocess.run(cmd, check=True, capture_output=True, timeout=60)
    image = Image.open(png).convert("L")
    if device == "eps":  # the landscape page lies turned on the EPS paper
        image = image.rotate(-90, expand=True)
    return image.resize(SIZE, Image.BOX).filter(ImageFilter.GaussianBlur(1.5))


def test_png_eps_pdf_and_svg_draw_the_same_picture(run, tmp_path):
    devices = ("png", "eps", "pdf", "svg")
    for device in devices:
        run("v.metafl('%s'); v.setfil('drawing.%s'); v.scrmod('reverse'); v.vtxini(); v.errmod('prot', 'off')\n"
            "%s\nv.vtxfin()\n" % (device, device, DRAWING))
    images = {d: render(tmp_path, d) for d in devices}
    for a, b in itertools.combinations(images, 2):
        first, second = images[a], images[b]
        if "png" in (a, b):
            # the raster draws the device text with a vector font of another shape
            first, second = first.copy(), second.copy()
            for image in (first, second):
                image.paste(255, DEVICE_TEXT_BOX)
        histogram = ImageChops.difference(first, second).histogram()
        worst = max(i for i, n in enumerate(histogram) if n)
        # SVG stroke widths are SVG pixels, not plot units, so its thick line is wider.
        assert worst <= 64, (a, b, worst)
        assert sum(histogram[24:]) <= 0.01 * SIZE[0] * SIZE[1], (a, b)
    # a picture that is not blank at all: the lines are really there
    assert images["pdf"].getextrema()[0] < 128
