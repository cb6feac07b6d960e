#!/usr/bin/env python3
"""Fails when a message of a .ts file has no finished translation.

Usage: check_translations.py FILE.ts [PENDING]
PENDING is a semicolon-separated list of contexts whose unfinished messages are only
listed (texts whose translation is still being written); every other context must be complete.
A translation must also keep the source's %1, %2... markers, or the values would be lost.
"""
import re
import sys
import xml.etree.ElementTree as ET

MARKER = re.compile(r"%[1-9]")


def text_of(element):
    """The element's text, with lupdate's <byte value="xd"/> read back as a CR."""
    if element is None:
        return ""
    text = element.text or ""
    for child in element:
        text += ("\r" if child.tag == "byte" else "") + (child.tail or "")
    return text


def problems(ts_path, pending):
    found, waiting = [], []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            text = text_of(translation)
            # A plural message holds its translations in <numerusform>s; each must be written.
            forms = [] if translation is None else translation.findall("numerusform")
            if forms:
                text = "" if any(not text_of(f).strip() for f in forms) else text_of(forms[0])
            unfinished = translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete")
            if unfinished or not text.strip():
                (waiting if name in pending else found).append(f"{name}: unfinished: {source!r}")
            elif sorted(MARKER.findall(source)) != sorted(MARKER.findall(text)):
                found.append(f"{name}: markers differ: {source!r} -> {text!r}")
    return found, waiting


def main():
    ts_path = sys.argv[1]
    pending = {c for c in (sys.argv[2] if len(sys.argv) > 2 else "").split(";") if c}
    found, waiting = problems(ts_path, pending)
    for line in waiting:
        print("pending", line)
    for line in found:
        print(line)
    print(f"{len(found)} problem(s), {len(waiting)} pending")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
