#!/usr/bin/env python3
"""Draws the designer's 16 x 16 action images as XPM text files.

Each image is a rounded tile in the colour of its family with a two-letter
mark; the variants that work on named objects instead of paths carry a white
corner. Run it after changing a mark or a colour; the XPM files and
icons.qrc it writes are kept in the tree so that a build needs no Python.
"""
import os

GLYPHS = {
    "A": [".##.", "#..#", "####", "#..#", "#..#"],
    "B": ["###.", "#..#", "###.", "#..#", "###."],
    "C": [".###", "#...", "#...", "#...", ".###"],
    "E": ["####", "#...", "###.", "#...", "####"],
    "F": ["####", "#...", "###.", "#...", "#..."],
    "G": [".###", "#...", "#.##", "#..#", ".###"],
    "I": ["###", ".#.", ".#.", ".#.", "###"],
    "K": ["#..#", "#.#.", "##..", "#.#.", "#..#"],
    "L": ["#...", "#...", "#...", "#...", "####"],
    "M": ["#...#", "##.##", "#.#.#", "#...#", "#...#"],
    "N": ["#..#", "##.#", "#.##", "#..#", "#..#"],
    "O": [".##.", "#..#", "#..#", "#..#", ".##."],
    "P": ["###.", "#..#", "###.", "#...", "#..."],
    "S": [".###", "#...", ".##.", "...#", "###."],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "U": ["#..#", "#..#", "#..#", "#..#", ".##."],
}

# Family: (fill, border, highlight)
FAMILIES = {
    "element": ("#3465a4", "#204a87", "#729fcf"),
    "configspec": ("#5d6468", "#2e3436", "#a0a8ac"),
    "label": ("#4e9a06", "#2f5f04", "#8ae234"),
    "attribute": ("#06989a", "#05676a", "#5fd3d5"),
    "lock": ("#c4620b", "#8f4504", "#fcaf3e"),
    "ucm": ("#75507b", "#5c3566", "#ad7fa8"),
    "logo": ("#1c2f4f", "#0b1424", "#4a6a9a"),
}

# Type identifier: (family, mark, works on objects)
ICONS = {
    "CC_UPDATE": ("element", "UP", False),
    "CC_CHECKOUT": ("element", "CO", False),
    "CC_CHECKIN": ("element", "CI", False),
    "CC_UNCHECKOUT": ("element", "UN", False),
    "CC_FINDCHECKOUTS": ("element", "FC", False),
    "CC_MKELEM": ("element", "ME", False),
    "CC_MKLBTYPE": ("label", "LT", False),
    "CC_LABEL": ("label", "LB", False),
    "CC_MKATTRTYPE": ("attribute", "AT", False),
    "CC_APPLYATTR": ("attribute", "AA", False),
    "CC_APPLYATTR_OBJ": ("attribute", "AA", True),
    "CC_LOCK": ("lock", "LK", False),
    "CC_UNLOCK": ("lock", "UL", False),
    "CC_LOCK_OBJ": ("lock", "LK", True),
    "CC_UNLOCK_OBJ": ("lock", "UL", True),
    "CC_GENERIC": ("configspec", "CT", False),
    "CC_GETCONFIGSPEC": ("configspec", "GC", False),
    "CC_SETCONFIGSPEC": ("configspec", "SC", False),
    "UCM_MAKEACTIVITY": ("ucm", "MA", False),
    "UCM_SETACTIVITY": ("ucm", "SA", False),
    "UCM_CHECKIN": ("ucm", "CI", False),
    "UCM_UNCHECKOUT": ("ucm", "UN", False),
    "UCM_MAKEBL": ("ucm", "MB", False),
    "UCM_MAKEBL_LABEL": ("ucm", "BL", False),
    "CC_CHANGEBASELINE": ("ucm", "CB", False),
    "CC_CHANGESTREAM": ("ucm", "CS", False),
    "CC_LOGO": ("logo", "CC", False),
}

SIZE = 16
MARK_COLOUR = {"logo": "#fce94f"}


def draw(family, mark, objects):
    fill, border, highlight = FAMILIES[family]
    ink = MARK_COLOUR.get(family, "#ffffff")
    grid = [[" "] * SIZE for _ in range(SIZE)]
    # The tile: border on rows/columns 1 and 14, corners cut for roundness.
    for y in range(1, 15):
        for x in range(1, 15):
            corner = (x in (1, 14)) and (y in (1, 14))
            if corner:
                continue
            edge = x in (1, 14) or y in (1, 14)
            grid[y][x] = "b" if edge else "f"
    for x in range(2, 14):
        grid[2][x] = "h"
    if objects:
        for (x, y) in ((11, 2), (12, 2), (13, 2), (12, 3), (13, 3), (13, 4)):
            grid[y][x] = "w"
    glyphs = [GLYPHS[c] for c in mark]
    width = sum(len(g[0]) for g in glyphs) + len(glyphs) - 1
    x0 = (SIZE - width) // 2
    y0 = 6
    for g in glyphs:
        for dy, row in enumerate(g):
            for dx, pixel in enumerate(row):
                if pixel == "#":
                    grid[y0 + dy][x0 + dx] = "m"
        x0 += len(g[0]) + 1
    colours = {" ": "None", "b": border, "f": fill, "h": highlight, "w": "#ffffff", "m": ink}
    return grid, colours


def write_xpm(path, name, grid, colours):
    used = sorted({c for row in grid for c in row})
    lines = ["/* XPM */", "static const char *%s[] = {" % name.lower(),
             '"%d %d %d 1",' % (SIZE, SIZE, len(used))]
    lines += ['"%s c %s",' % (c, colours[c]) for c in used]
    rows = ['"%s"' % "".join(row) for row in grid]
    lines += [r + "," for r in rows[:-1]] + [rows[-1], "};"]
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, (family, mark, objects) in ICONS.items():
        grid, colours = draw(family, mark, objects)
        write_xpm(os.path.join(here, name + ".xpm"), name, grid, colours)
    with open(os.path.join(here, "icons.qrc"), "w") as out:
        out.write('<RCC>\n  <qresource prefix="/icons">\n')
        for name in ICONS:
            out.write("    <file>%s.xpm</file>\n" % name)
        out.write("  </qresource>\n</RCC>\n")


if __name__ == "__main__":
    main()
