"""Text showcase: every font and alphabet, the accented letters, the 24 plot
symbols, instruction-alphabet strings and a page of formulas.

Writes text_fonts and text_markup as PNG, EPS, PDF and SVG into the current directory:
    PYTHONPATH=build/python python3 examples/text_showcase.py
"""
import vantix as v

FONTS = ["vtxalf", "complx", "simplx", "duplx", "triplx", "gothic", "helve", "helves", "serif"]
ALPHABETS = ["STAN", "GREE", "MATH", "ITAL", "SCRI", "RUSS"]
SAMPLE = "ABCDEFGHIJKLM abcdefghijklm 0123456789 +-*/=()"
ACCENTED = "ÄÖÜäöüß ÅØÆåøæ Ññ Çç ËÏëï ÁÉÍÓÚáéíóú ÀÈÌÒÙàèìòù ÂÊÎÔÛâêîôû ¡¿"


def fonts_page():
    y = 60
    v.height(30)
    for font in FONTS:
        getattr(v, font)()
        v.messag("%-7s %s" % (font, SAMPLE), 60, y)
        y += 55
    v.complx()
    for alphabet in ALPHABETS:
        v.basalf(alphabet)
        v.messag("ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 123", 60, y)
        y += 55
    v.basalf("STAN")
    v.chacod("ISO1")
    v.messag(ACCENTED, 60, y)
    v.chacod("STAN")
    y += 55
    v.eushft("GERM", "!")
    v.messag("eushft: Gr!o!se, !Uber, Stra!se", 60, y)
    y += 80
    v.reset("EUSH")
    v.hsymbl(60)
    for n in range(24):
        row, col = divmod(n, 12)
        v.symbol(n, 120 + col * 160, y + row * 150)
        v.number(float(n), -1, 100 + col * 160, y + row * 150 + 50)
    v.symrot(30)
    v.mysymb([-1.0, 1.0, 0.0, -1.0], [-1.0, -1.0, 1.0, -1.0], 4, 24, 0)
    v.symbol(24, 120, y + 300)
    v.symrot(0)


def markup_page():
    v.complx()
    v.height(40)
    v.smxalf("INST", "{", "}", 1)
    v.smxalf("GREE", "<", ">", 2)
    lines = [
        "Instructions: x{E}2{R} + y{I}i{R}, {H0.6}small{HX} {N2}red{NX} {K}fixed pitch{KX}",
        "{P}underlined{L} {P2}double{J2} {P3}struck through{V3}, symbols {S3}{S11}{S16}",
        "Greek by shift: <abgdp> and {M2}ABGD{MX} back, slanted {Z20}italic{ZX}",
    ]
    y = 80
    for line in lines:
        v.messag(line, 60, y)
        y += 90
    v.smxalf("INST", "{", "}", 1)
    v.mixalf()
    v.messag("mixalf: x[2$ + y]i$ = E = mc[2$", 60, y)
    y += 90
    v.numfmt("EXP")
    v.number(6.02214e23, 3, 60, y)
    v.numfmt("LOG")
    v.number(2.0, -1, 700, y)
    v.numfmt("FLOA")
    v.numode("COMM", "POIN", "PLUS", "NOEQ")
    v.number(1234567.5, 1, 1000, y)
    v.numode("POIN", "NONE", "NONE", "NOEQ")
    y += 100
    v.texmod("ON")
    formulas = [
        r"$\sqrt[3]{x^2_i + 1} = \frac{\alpha + \beta}{\gamma_0^2}$",
        r"$\sum_{i=1}^n \frac{1}{i^2} \to \frac{\pi^2}{6}$ and $\int_0^\infty e^{-x^2} dx = \frac{\sqrt{\pi}}{2}$",
        r"$\lim_{x \to 0} \frac{\sin x}{x} = 1, \quad \vec{F} = m \vec{a}, \quad \overline{z} \neq z$",
        r"$\Gamma(n) = (n-1)!, \quad \red{A} \cup \blue{B} \subset \Omega , \quad \Large{X} \small{x}$",
    ]
    for text in formulas:
        v.messag(text, 60, y)
        y += 150
    v.texmod("OFF")


def showcase(device, name, draw):
    v.metafl(device)
    v.setfil(name)
    v.filmod("delete")
    v.vtxini()
    draw()
    v.vtxfin()


if __name__ == "__main__":
    for device, extension in (("PNG", "png"), ("EPS", "eps"), ("PDF", "pdf"), ("SVG", "svg")):
        showcase(device, "text_fonts." + extension, fonts_page)
        showcase(device, "text_markup." + extension, markup_page)
