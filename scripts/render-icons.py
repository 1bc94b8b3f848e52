#!/usr/bin/env python3
"""Renders the SVG icons of data/ to PNG, for Qt installations without an SVG reader.

Run after changing an icon: python3 scripts/render-icons.py
Needs only the librsvg and cairo shared libraries that most desktops carry.
"""
import ctypes
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
rsvg = ctypes.CDLL("librsvg-2.so.2")
cairo = ctypes.CDLL("libcairo.so.2")


class RsvgRectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_double), ("y", ctypes.c_double),
                ("width", ctypes.c_double), ("height", ctypes.c_double)]


rsvg.rsvg_handle_new_from_file.restype = ctypes.c_void_p
rsvg.rsvg_handle_new_from_file.argtypes = [ctypes.c_char_p, ctypes.c_void_p]
rsvg.rsvg_handle_render_document.argtypes = [ctypes.c_void_p, ctypes.c_void_p,
                                             ctypes.POINTER(RsvgRectangle), ctypes.c_void_p]
cairo.cairo_image_surface_create.restype = ctypes.c_void_p
cairo.cairo_create.restype = ctypes.c_void_p
cairo.cairo_create.argtypes = [ctypes.c_void_p]
cairo.cairo_surface_write_to_png.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
cairo.cairo_destroy.argtypes = [ctypes.c_void_p]
cairo.cairo_surface_destroy.argtypes = [ctypes.c_void_p]


def render(svg: pathlib.Path, png: pathlib.Path, size: int) -> None:
    handle = rsvg.rsvg_handle_new_from_file(str(svg).encode(), None)
    if not handle:
        raise SystemExit(f"cannot read {svg}")
    surface = cairo.cairo_image_surface_create(0, size, size)  # ARGB32
    cr = cairo.cairo_create(surface)
    viewport = RsvgRectangle(0, 0, size, size)
    if not rsvg.rsvg_handle_render_document(handle, cr, ctypes.byref(viewport), None):
        raise SystemExit(f"cannot render {svg}")
    png.parent.mkdir(parents=True, exist_ok=True)
    cairo.cairo_surface_write_to_png(surface, str(png).encode())
    cairo.cairo_destroy(cr)
    cairo.cairo_surface_destroy(surface)


for svg in sorted((ROOT / "data/icons").glob("*.svg")):
    for size in (24, 48):
        render(svg, ROOT / f"data/icons/png/{svg.stem}-{size}.png", size)
for size in (16, 32, 48, 64, 128, 256):
    render(ROOT / "data/vorbix.svg", ROOT / f"data/icons/png/vorbix-{size}.png", size)
