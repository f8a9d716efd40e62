#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""Every text of the current sources has a finished translation in each of drelk's
catalogues, with the same placeholders as its English and in one line where it is, or is one
of Qt's own texts that Qt's catalogue for that language translates.

Usage: check_catalogues.py LUPDATE LCONVERT QTPATHS SOURCES_LIST [LUPDATE_OPTION...] -- TS...

The catalogues are brought up to date, as update_translations does, in copies: a text
added to the code since the last update shows as unfinished here, and the files in the
tree are left alone."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

DONE = (None, "finished")


def messages(ts_path):
    """(context, source, translations, type) of every message in a .ts file: one translation,
    or one for each plural form of a text with a count (%n) in it."""
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = ([form.text or "" for form in translation.iter("numerusform")]
                     if message.get("numerus") == "yes" else [translation.text or ""])
            yield name, message.findtext("source"), forms, translation.get("type")


def placeholders(text):
    return sorted(set(re.findall(r"%[1-9n]", text)))


def lines(text):
    """Whether a text has more than one line, and whether it ends one: a message told in one
    line stays one line in every language, and a help that ends a line still does."""
    return "\n" in text.rstrip("\n"), text.endswith("\n")


def main():
    lupdate, lconvert, qtpaths, sources_list = sys.argv[1:5]
    split = sys.argv.index("--")
    options, catalogues = sys.argv[5:split], sys.argv[split + 1:]
    qt_folder = subprocess.run([qtpaths, "--query", "QT_INSTALL_TRANSLATIONS"], check=True,
                               capture_output=True, text=True).stdout.strip()
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = [shutil.copy(catalogue, scratch) for catalogue in catalogues]
        subprocess.run([lupdate, "-silent", "@" + sources_list, *options, "-ts", *copies],
                       check=True)
        for copy in copies:
            language = re.fullmatch(r"drelk_(.+)\.ts", os.path.basename(copy)).group(1)
            qt_done = set()
            qt_catalogue = os.path.join(qt_folder, f"qtbase_{language}.qm")
            if os.path.exists(qt_catalogue):
                qt_ts = os.path.join(scratch, f"qtbase_{language}.ts")
                subprocess.run([lconvert, "-i", qt_catalogue, "-o", qt_ts], check=True)
                qt_done = {(c, s) for c, s, t, kind in messages(qt_ts) if all(t) and kind in DONE}
            for context, source, forms, kind in messages(copy):
                where = f"drelk_{language}.ts: {context}: {source!r}"
                if kind not in DONE or not all(forms):
                    if (context, source) not in qt_done:
                        faults.append(f"{where} is not translated")
                    continue
                for translation in forms:
                    if placeholders(translation) != placeholders(source):
                        faults.append(f"{where} has the placeholders {placeholders(translation)}")
                    elif lines(translation) != lines(source):
                        faults.append(f"{where} breaks its lines otherwise: {translation!r}")
    for fault in faults:
        print(fault)
    if faults:
        print("Bring the catalogues up to date (cmake --build --preset release --target "
              "update_translations) and translate what is unfinished.")
        return 1
    print(f"{len(catalogues)} catalogues, every text translated")
    return 0


if __name__ == "__main__":
    sys.exit(main())
