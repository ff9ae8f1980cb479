#!/usr/bin/env python3
"""Converts the pictures the native build drew into the page's own: each in
two sizes, NAME.EXT as the window shows it at 100 percent and NAME@2x.EXT for
sharp screens, as WebP (or PNG for the icons), and pictures.json with each
picture's size at 100 percent and its file type.

    pictures.py NATIVE_BUILD_FOLDER OUTPUT_FOLDER
"""
import json
import pathlib
import subprocess
import sys

# Drawn at twice the size they take in the window.
GAME_PICTURES = [f'Card{face}.bmp' for face in range(1, 27)] + [
    'CardBack1.bmp', 'CardBack2.bmp', 'Winner.bmp', 'Depressed.bmp', 'Frustrated.bmp', 'Trophy.bmp', 'Mouse.jpg',
    'Pig.jpg']
LAYOUT_PICTURES = ['GameBoard.png', 'PlayerPanel.png', 'CardSlot.png', 'ResultStart.png']
ICONS = ['icon-64.png', 'icon-128.png', 'icon-256.png']
PHOTOGRAPHS = {'Mouse', 'Pig', 'GameBoard', 'PlayerPanel'}


def size_of(path):
    out = subprocess.run(['identify', '-format', '%w %h', str(path)], check=True, capture_output=True, text=True)
    width, height = out.stdout.split()
    return int(width), int(height)


def convert(source, target, half, photograph):
    command = ['convert', str(source), '-strip']
    if half:
        command += ['-filter', 'Lanczos', '-resize', '50%']
    command += ['-quality', '82' if photograph else '90', '-define', 'webp:method=6', str(target)]
    subprocess.run(command, check=True)


def main():
    if len(sys.argv) != 3:
        sys.exit('usage: pictures.py NATIVE_BUILD_FOLDER OUTPUT_FOLDER')
    build, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    output.mkdir(parents=True, exist_ok=True)
    sizes = {}
    sources = [(build / 'bin' / name) for name in GAME_PICTURES]
    sources += [(build / 'layout-pictures-x2' / name) for name in LAYOUT_PICTURES]
    for source in sources:
        if not source.exists():
            sys.exit(f'pictures.py: {source} is missing; build the native game first')
        name = source.stem
        photograph = name in PHOTOGRAPHS
        convert(source, output / f'{name}@2x.webp', False, photograph)
        convert(source, output / f'{name}.webp', True, photograph)
        width, height = size_of(source)
        sizes[name] = [width // 2, height // 2, 'webp']
    for icon in ICONS:
        source = build / 'layout-pictures' / icon
        subprocess.run(['convert', str(source), '-strip', str(output / icon)], check=True)
    (output / 'pictures.json').write_text(json.dumps(sizes, separators=(',', ':')), encoding='utf-8')


if __name__ == '__main__':
    main()
