#!/usr/bin/env python3
"""Cuts faces down to the characters a program shows, so that a program that
brings its own faces (the browser build) carries kilobytes, not megabytes.

    subset-faces.py OUTDIR --faces FACE... --sources FILE... [--text TEXT]

The characters are the printable ASCII ones, every character of the source
files that is not ASCII (their texts are all the program writes itself), and
TEXT (texts that come from elsewhere, such as Qt's translations). Each face
is written to OUTDIR under its own file name. The same inputs give the same
bytes.
"""
import argparse
from pathlib import Path

from fontTools import subset


def shown_characters(sources, text):
    characters = {chr(c) for c in range(0x20, 0x7f)}
    for source in sources:
        characters.update(c for c in Path(source).read_text(encoding='utf-8') if ord(c) > 0x7f)
    characters.update(text)
    return ''.join(sorted(characters))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('outdir')
    parser.add_argument('--faces', nargs='+', required=True)
    parser.add_argument('--sources', nargs='+', required=True)
    parser.add_argument('--text', default='')
    args = parser.parse_args()

    options = subset.Options()
    # The names by which the program asks for the faces stay.
    options.name_IDs = ['*']
    options.name_languages = ['*']
    options.notdef_outline = True
    # Ume's grid-fitting table is longer than it says, which newer fontTools
    # refuse; the faces are drawn smoothed at every size all the same.
    options.drop_tables += ['gasp', 'mort']
    characters = shown_characters(args.sources, args.text)
    Path(args.outdir).mkdir(parents=True, exist_ok=True)
    for face in args.faces:
        font = subset.load_font(face, options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text=characters)
        subsetter.subset(font)
        subset.save_font(font, str(Path(args.outdir) / Path(face).name), options)


if __name__ == '__main__':
    main()
