#!/usr/bin/env python3
"""Writes the seed pictures of the bitmap fuzz target into corpus/bmp/.

Each is a tiny picture of another depth, header or compression, so that the
fuzzer starts from every path through the reader. Run once; the output is
checked in.
"""
import pathlib
import struct


def bmp(width, height, bits, pixels, *, header=40, compression=0, palette=(), colours_used=0, masks=()):
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
        entries = b"".join(bytes((b, g, r)) for r, g, b in palette)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, compression,
                           len(pixels), 2835, 2835, colours_used, 0)
        mask_bytes = b"".join(struct.pack("<I", m) for m in masks)
        if header == 40:
            info += mask_bytes
        else:
            info = (info + mask_bytes)[:header].ljust(header, b"\0")
        entries = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + len(info) + len(entries)
    return b"BM" + struct.pack("<IIi", offset + len(pixels), 0, offset) + info + entries + bytes(pixels)


LEVEL = [(0, 0, 0), (128, 128, 128), (192, 192, 192), (255, 255, 255)]
SIXTEEN = [(17 * i, 255 - 17 * i, 128) for i in range(16)]

PICTURES = {
    "paletted1.bmp": bmp(9, 2, 1, [0xaa, 0x80, 0, 0, 0x55, 0x00, 0, 0], palette=LEVEL[:2]),
    "paletted4-core.bmp": bmp(3, 2, 4, [0x01, 0x20, 0, 0, 0xfe, 0xd0, 0, 0], header=12, palette=SIXTEEN),
    "paletted8-topdown.bmp": bmp(3, -2, 8, [0, 1, 2, 0, 3, 2, 9, 0], palette=LEVEL, colours_used=4),
    "rle8.bmp": bmp(6, 5, 8, [3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 2, 2, 0, 0, 1, 3, 0, 2, 3, 1, 2, 1, 0, 1],
                    compression=1, palette=LEVEL, colours_used=4),
    "rle4.bmp": bmp(7, 2, 4, [0, 5, 0x12, 0x31, 0x20, 0, 2, 0x30, 0, 0, 0, 2, 2, 0, 3, 0x21, 0, 1],
                    compression=2, palette=LEVEL, colours_used=4),
    "rgb555.bmp": bmp(2, 2, 16, [0x00, 0x00, 0xef, 0x3d, 0xff, 0x7f, 0x17, 0x5e]),
    "rgb565-v3.bmp": bmp(2, 1, 16, [0x00, 0xf8, 0xe0, 0x07], header=56, compression=3,
                         masks=(0xf800, 0x07e0, 0x001f, 0)),
    "bgr24-v4.bmp": bmp(2, -2, 24, [0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 192, 192, 192, 0, 0], header=108),
    "argb32-alpha.bmp": bmp(1, 2, 32, [1, 2, 3, 4, 5, 6, 7, 8], compression=6,
                            masks=(0xff00, 0xff0000, 0xff000000, 0xff)),
    "rgb30-v5.bmp": bmp(2, 1, 32, [0xff, 0x03, 0x08, 0x00, 0x00, 0x00, 0xf0, 0x3f], header=124, compression=3,
                        masks=(0x3ff, 0xffc00, 0x3ff00000, 0)),
}

if __name__ == "__main__":
    folder = pathlib.Path(__file__).resolve().parent / "corpus" / "bmp"
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in PICTURES.items():
        (folder / name).write_bytes(data)
