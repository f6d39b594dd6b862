#!/usr/bin/env python3
"""The guides' pages must show in any browser without a network: well-formed
UTF-8 HTML in the right language, no script, nothing fetched from elsewhere,
every link and picture present in the site, and each page tied to its twin in
the other language and to the other guide.

usage: check_pages.py SITE_FOLDER"""

import re
import sys
from pathlib import Path

from sitepages import OTHER_GUIDE, PAGES, parse_page, picture_size

SCHEME = re.compile(r"^([a-zA-Z][a-zA-Z0-9+.-]*:|//)")
CSS_URL = re.compile(r"url\(\s*['\"]?([^'\")]*)['\"]?\s*\)|@import", re.IGNORECASE)
CYRILLIC = re.compile("[\u0400-\u04ff]")


class Site:
    def __init__(self, root):
        self.root = Path(root).resolve()
        self.faults = []
        self.used = set()  # every file of the site something points at
        self.pages = {}
        self.ids = {}

    def fault(self, where, what):
        self.faults.append("%s: %s" % (where, what))

    def resolve(self, where, base, url):
        """The site file a reference names, or None after noting why it is wrong."""
        if SCHEME.match(url):
            self.fault(where, "%r points outside the site" % url)
            return None
        path, _, anchor = url.partition("#")
        target = (base.parent / path).resolve() if path else base
        if self.root not in target.parents:
            self.fault(where, "%r leaves the site folder" % url)
            return None
        if not target.is_file():
            self.fault(where, "%r names no file of the site" % url)
            return None
        self.used.add(target)
        name = target.relative_to(self.root).as_posix()
        if anchor and name in self.ids and anchor not in self.ids[name]:
            self.fault(where, "%r names no anchor of %s" % (url, name))
        return name

    def check_css(self, path):
        where = path.relative_to(self.root).as_posix()
        for match in CSS_URL.finditer(path.read_text(encoding="utf-8")):
            if match.group(1) is None:
                self.fault(where, "@import fetches another style sheet")
            else:
                self.resolve(where, path, match.group(1))


def check_markup(site, name, root, doctype, faults):
    for fault in faults:
        site.fault(name, fault)
    if (doctype or "").lower() != "doctype html":
        site.fault(name, "the page does not start with <!DOCTYPE html>")
    html = [e for e in root.elements() if e.tag == "html"]
    if len(html) != 1:
        site.fault(name, "the page needs exactly one <html>")
        return
    language = PAGES[name][0]
    if html[0].attrs.get("lang") != language:
        site.fault(name, "<html lang> is %r, not %r" % (html[0].attrs.get("lang"), language))
    heads = list(root.iter("head"))
    first = heads[0].elements()[0] if heads and heads[0].elements() else None
    if first is None or first.tag != "meta" or first.attrs.get("charset", "").lower() != "utf-8":
        site.fault(name, '<meta charset="utf-8"> must open the head')
    titles = list(root.iter("title"))
    if len(titles) != 1 or not titles[0].text().strip():
        site.fault(name, "the page needs one title with text")
    if len(list(root.iter("h1"))) != 1:
        site.fault(name, "the page needs one h1")


def check_no_script(site, name, root):
    for element in root.iter():
        if element.tag in ("script", "iframe", "object", "embed", "base"):
            site.fault(name, "<%s> is not allowed" % element.tag)
        for attribute, value in element.attrs.items():
            if attribute.startswith("on"):
                site.fault(name, "<%s %s> runs script" % (element.tag, attribute))
            if value and "javascript:" in value.lower():
                site.fault(name, "<%s %s> runs script" % (element.tag, attribute))


def check_references(site, name, root, path):
    links = set()
    for element in root.iter():
        for attribute in ("href", "src"):
            url = element.attrs.get(attribute)
            if url is None:
                continue
            if not url:
                site.fault(name, "<%s> has an empty %s" % (element.tag, attribute))
            elif url.startswith("#"):
                if url[1:] not in site.ids[name]:
                    site.fault(name, "the anchor %r is not on the page" % url)
            else:
                target = site.resolve(name, path, url)
                if target and element.tag == "a":
                    links.add(target)
                if target and element.tag == "img":
                    check_picture(site, name, element, target)
        for url in CSS_URL.findall(element.attrs.get("style") or ""):
            site.resolve(name, path, url)
    return links


def check_picture(site, name, img, target):
    if not img.attrs.get("alt", "").strip():
        site.fault(name, "the picture %s has no alt text" % target)
    size = picture_size(site.root / target)
    stated = (img.attrs.get("width"), img.attrs.get("height"))
    if stated != (str(size[0]), str(size[1])):
        site.fault(name, "%s is %d x %d, the page says %s x %s" % (target, size[0], size[1], *stated))


def check_language(site, name, root):
    """An English page holds Russian only where it says so; a Russian page is in Russian."""
    language = PAGES[name][0]
    body = next(root.iter("body"), None)
    if body is None:
        site.fault(name, "the page has no body")
        return
    if language == "ru" and len(CYRILLIC.findall(body.text())) < 500:
        site.fault(name, "a Russian page with hardly any Russian text")
    if language != "en":
        return
    for element in root.iter():
        own = "".join(c for c in element.children if isinstance(c, str)) + " ".join(element.attrs.values())
        if CYRILLIC.search(own) and element.language() != "ru":
            site.fault(name, "Russian text in <%s> not marked lang=\"ru\": %r" % (element.tag, own.strip()[:40]))


def twin_outline(root):
    """What a page and its translation share: its sections and its pictures."""
    sections = [s.attrs.get("id") for s in root.iter("section")]
    pictures = [i.attrs.get("src", "").replace("_eng.", ".") for i in root.iter("img")]
    downloads = [a.attrs["href"] for a in root.iter("a") if not re.search(r"(^#|\.htm)", a.attrs.get("href", "#"))]
    return sections, pictures, downloads


def main(folder):
    site = Site(folder)
    for name in PAGES:
        path = site.root / name
        if not path.is_file():
            site.fault(name, "the page is missing")
            continue
        root, doctype, faults = parse_page(path)
        site.pages[name] = (path, root, doctype, faults)
        site.ids[name] = [e.attrs["id"] for e in root.iter() if "id" in e.attrs]
        if len(set(site.ids[name])) != len(site.ids[name]):
            site.fault(name, "an id is used twice")
    for css in site.root.rglob("*.css"):
        site.check_css(css)

    for name, (path, root, doctype, faults) in site.pages.items():
        check_markup(site, name, root, doctype, faults)
        check_no_script(site, name, root)
        links = check_references(site, name, root, path)
        check_language(site, name, root)
        twin = PAGES[name][1]
        for wanted in (twin, OTHER_GUIDE[name]):
            if wanted not in links:
                site.fault(name, "does not link to %s" % wanted)
        if twin in site.pages and twin_outline(root) != twin_outline(site.pages[twin][1]):
            site.fault(name, "its sections, pictures or downloads differ from those of %s" % twin)
        english_pictures = [i.attrs.get("src", "") for i in root.iter("img") if "_eng." in i.attrs.get("src", "")]
        if PAGES[name][0] == "ru" and english_pictures:
            site.fault(name, "shows the English pictures %s" % english_pictures)

    for stray in sorted(p for p in site.root.rglob("*") if p.is_file() and p.resolve() not in site.used):
        site.fault(stray.relative_to(site.root).as_posix(), "no page uses this file")

    for fault in site.faults:
        print(fault)
    print("%d pages checked, %d faults" % (len(site.pages), len(site.faults)))
    return 1 if site.faults else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
