#!/usr/bin/env python3
"""Writes a pseudo-translation of a Qt .ts file: every text 40 % longer and inside ⟦ ⟧, its
places (%1, %n, %Ln), mnemonics and line breaks kept, so a test can tell a translated text
from one that never went through tr().  pseudotranslation.py IN.ts OUT.ts"""
import re
import sys
import xml.etree.ElementTree as ET

KEPT = re.compile(r"%L?n|%\d|&|\n")


def pseudo(text):
    return "⟦" + text + "~" * max(1, round(len(KEPT.sub("", text)) * 0.4)) + "⟧"


tree = ET.parse(sys.argv[1])
tree.getroot().set("language", "en")
for message in tree.getroot().iter("message"):
    source = message.findtext("source") or ""
    translation = message.find("translation")
    translation.clear()
    if message.get("numerus") == "yes":
        for _ in range(2):
            ET.SubElement(translation, "numerusform").text = pseudo(source)
    else:
        translation.text = pseudo(source)
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
