#!/usr/bin/python3
"""Small pictures of the gallery for the README, from the PNG files that
`make demo` writes into out/:

    make demo && /usr/bin/python3 tools/make_thumbnails.py

Each picture is scaled to 300 pixels wide and stored with a 256-colour
palette in docs/gallery/, where the README's gallery table shows it.
"""
import os
import sys

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WIDTH = 300

# The pictures of the README's gallery, in its order: (file in out/, the script that draws it).
PICTURES = [
    ("demo", "demo.py"), ("gallery_curves", "gallery_2d.py"), ("gallery_polar", "gallery_2d.py"),
    ("gallery_time", "gallery_2d.py"), ("contour_labels", "gallery_colour.py"),
    ("contour_bands", "gallery_colour.py"), ("gallery_mesh", "gallery_3d.py"), ("gallery_lit", "gallery_3d.py"),
    ("gallery_map_elliptical", "gallery_maps.py"), ("gallery_map_pacific", "gallery_maps.py"),
    ("gallery_pies", "gallery_business.py"), ("gallery_bars3d", "gallery_business.py"),
    ("gallery_figures", "gallery_business.py"), ("gallery_fields", "gallery_business.py"),
    ("text_markup", "text_showcase.py"), ("widgets_demo", "widgets_demo.py"),
]


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "out")
    target = os.path.join(ROOT, "docs", "gallery")
    os.makedirs(target, exist_ok=True)
    for name, _ in PICTURES:
        picture = Image.open(os.path.join(source, name + ".png")).convert("RGB")
        height = round(picture.size[1] * WIDTH / picture.size[0])
        small = picture.resize((WIDTH, height), Image.LANCZOS).quantize(256)
        small.save(os.path.join(target, name + ".png"), optimize=True)
    print("%d pictures in %s" % (len(PICTURES), target))


if __name__ == "__main__":
    main()
