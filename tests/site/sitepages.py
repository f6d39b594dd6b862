"""Reading the guides' pages and pictures for the site checks: a strict page
parser that turns a page into a tree and notes every fault of its markup, and
readers of the sizes and pixels of the pictures."""

import struct
from html.parser import HTMLParser
from pathlib import Path

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source", "track", "wbr"}

# The four pages the game's menus open, with their language and their twin.
PAGES = {
    "programs/km_levels_eng.htm": ("en", "programs/km_levels.htm"),
    "programs/km_levels.htm": ("ru", "programs/km_levels_eng.htm"),
    "programs/km_skins_eng.htm": ("en", "programs/km_skins.htm"),
    "programs/km_skins.htm": ("ru", "programs/km_skins_eng.htm"),
}
# The other guide in the same language.
OTHER_GUIDE = {
    "programs/km_levels_eng.htm": "programs/km_skins_eng.htm",
    "programs/km_levels.htm": "programs/km_skins.htm",
    "programs/km_skins_eng.htm": "programs/km_levels_eng.htm",
    "programs/km_skins.htm": "programs/km_levels.htm",
}


class Element:
    def __init__(self, tag, attrs, parent):
        self.tag = tag
        self.attrs = dict(attrs)
        self.parent = parent
        self.children = []  # Elements and strings, in order

    def iter(self, tag=None):
        for child in self.children:
            if isinstance(child, Element):
                if tag is None or child.tag == tag:
                    yield child
                yield from child.iter(tag)

    def text(self):
        return "".join(c if isinstance(c, str) else c.text() for c in self.children)

    def elements(self):
        return [c for c in self.children if isinstance(c, Element)]

    def language(self):
        """The language in force for this element (its own lang or an ancestor's)."""
        element = self
        while element is not None:
            if "lang" in element.attrs:
                return element.attrs["lang"]
            element = element.parent
        return None


class PageParser(HTMLParser):
    """Builds the tree and records faults: unbalanced or stray tags, a missing
    doctype, anything after the closing </html>."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.root = Element("#document", [], None)
        self.open = [self.root]
        self.faults = []
        self.doctype = None
        self.closed = False

    def where(self):
        return "line %d" % self.getpos()[0]

    def handle_decl(self, decl):
        self.doctype = decl

    def handle_starttag(self, tag, attrs):
        if self.closed:
            self.faults.append("%s: <%s> after </html>" % (self.where(), tag))
        element = Element(tag, attrs, self.open[-1])
        self.open[-1].children.append(element)
        if tag not in VOID:
            self.open.append(element)

    def handle_startendtag(self, tag, attrs):
        if tag not in VOID:
            self.faults.append("%s: <%s/> is not a void element" % (self.where(), tag))
        self.open[-1].children.append(Element(tag, attrs, self.open[-1]))

    def handle_endtag(self, tag):
        if tag in VOID:
            self.faults.append("%s: </%s> closes a void element" % (self.where(), tag))
            return
        if len(self.open) == 1 or self.open[-1].tag != tag:
            self.faults.append("%s: </%s> does not close <%s>" % (self.where(), tag, self.open[-1].tag))
            return
        self.open.pop()
        if tag == "html":
            self.closed = True

    def handle_data(self, data):
        if self.closed and data.strip():
            self.faults.append("%s: text after </html>" % self.where())
        self.open[-1].children.append(data)

    def close(self):
        super().close()
        for element in self.open[1:]:
            self.faults.append("<%s> is never closed" % element.tag)


def parse_page(path):
    """The page's tree and the faults of its markup. The page must be UTF-8."""
    text = Path(path).read_bytes().decode("utf-8")
    parser = PageParser()
    parser.feed(text)
    parser.close()
    return parser.root, parser.doctype, parser.faults


def picture_size(path):
    """Width and height of a PNG or BMP file."""
    data = Path(path).read_bytes()
    if data[:8] == b"\x89PNG\r\n\x1a\n":
        return struct.unpack(">II", data[16:24])
    if data[:2] == b"BM":
        width, height = struct.unpack("<ii", data[18:26])
        return width, abs(height)
    raise ValueError("%s is neither PNG nor BMP" % path)


def bmp_pixels(path):
    """The pixels of an uncompressed 4, 8 or 24-bit BMP as rows of (r, g, b), top row first."""
    data = Path(path).read_bytes()
    offset, header = struct.unpack("<I", data[10:14])[0], struct.unpack("<I", data[14:18])[0]
    width, height, _, bits, compression = struct.unpack("<iiHHI", data[18:34])
    if compression != 0 or bits not in (4, 8, 24):
        raise ValueError("%s: only plain 4, 8 and 24-bit pictures are read here" % path)
    palette = []
    if bits <= 8:
        start = 14 + header
        palette = [(data[i + 2], data[i + 1], data[i]) for i in range(start, offset, 4)]
    stride = (width * bits + 31) // 32 * 4
    rows = []
    for y in range(abs(height)):
        stored = y if height < 0 else abs(height) - 1 - y
        row = data[offset + stored * stride: offset + (stored + 1) * stride]
        if bits == 24:
            rows.append([(row[3 * x + 2], row[3 * x + 1], row[3 * x]) for x in range(width)])
        elif bits == 8:
            rows.append([palette[row[x]] for x in range(width)])
        else:
            rows.append([palette[(row[x // 2] >> (0 if x % 2 else 4)) & 15] for x in range(width)])
    return rows
