# Every translation keeps what the code relies on in its source text: the placeholders (%1,
# %2), the number of line breaks, a line break at either end, and a single space at either end
# (where the code joins texts). Prints each text that does not; exit status 1 if any.
import re
import sys
import xml.etree.ElementTree as ET


def space(text, edge):
    """The spaces at one end: "none", "one" (a join) or "padding" (alignment, free to vary)."""
    stripped = text.lstrip(" ") if edge == 0 else text.rstrip(" ")
    n = len(text) - len(stripped)
    return "none" if n == 0 else "one" if n == 1 else "padding"


def spaces_differ(source, translation):
    for edge in (0, 1):
        s, t = space(source, edge), space(translation, edge)
        if s != "padding" and (s == "none") != (t == "none"):
            return True
    return False


def faults(source, translation):
    found = []
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
        found.append("placeholders")
    if source.count("\n") != translation.count("\n"):
        found.append("line breaks")
    if (source.startswith("\n"), source.endswith("\n")) != \
            (translation.startswith("\n"), translation.endswith("\n")):
        found.append("line breaks at the ends")
    if spaces_differ(source, translation):
        found.append("spaces at the ends")
    return found


status = 0
for path in sys.argv[1:]:
    for message in ET.parse(path).getroot().iter("message"):
        source = message.findtext("source") or ""
        element = message.find("translation")
        # A plural text holds one form per number class of the language, each checked alone.
        forms = element.findall("numerusform") if message.get("numerus") == "yes" else [element]
        for form in forms:
            translation = form.text or ""
            for fault in faults(source, translation):
                print(f"{path}: {fault} differ: {source!r} -> {translation!r}")
                status = 1
sys.exit(status)
