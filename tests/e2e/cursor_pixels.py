#!/usr/bin/env python3
"""Prints how many pixels of the pointer's current picture are not fully
transparent, as the X server shows it now (XFixes): 0 when the pointer is
hidden. Usage: cursor_pixels.py"""
import ctypes
import sys

xlib = ctypes.CDLL("libX11.so.6")
xfixes = ctypes.CDLL("libXfixes.so.3")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
xlib.XFree.argtypes = [ctypes.c_void_p]


class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong),
                ("pixels", ctypes.POINTER(ctypes.c_ulong)),  # ARGB in longs
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]


def main():
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("cursor_pixels: cannot open the display")
    image = xfixes.XFixesGetCursorImage(display)
    if not image:
        sys.exit("cursor_pixels: no cursor image (XFixes missing?)")
    cursor = image.contents
    visible = sum(1 for i in range(cursor.width * cursor.height)
                  if (cursor.pixels[i] >> 24) & 0xFF)
    print(visible)
    xlib.XFree(image)
    xlib.XCloseDisplay(display)


if __name__ == "__main__":
    main()
