"""What every gallery script shares: one page of drawing written to one file
of one device, black on white."""
import vantix as v


def page(device, filename, draw, exact_colours=True):
    """Runs draw() on a fresh plot of `device` written to `filename`.
    exact_colours keeps red, green and blue per pixel in the PNG instead of
    the nearest palette entry."""
    v.metafl(device)
    v.setfil(filename)
    v.filmod("delete")
    if device == "png":
        v.scrmod("REVERS")   # black on white
        if exact_colours:
            v.imgfmt("RGB")
    v.vtxini()
    v.errmod("PROT", "OFF")
    v.complx()
    draw()
    v.vtxfin()
    v.scrmod("AUTO")
    v.imgfmt("IND")


def write_pages(pages, extensions, exact_colours=True):
    """Every (name, draw) page in every format: name.png, name.pdf ..."""
    for ext in extensions:
        for name, draw in pages:
            page(ext, name + "." + ext, draw, exact_colours)
