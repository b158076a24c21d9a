"""Our own lettering: two pixel fonts (rows of '#') and an angular stroke face
for the large banner letters."""

PIXEL_5X7 = {
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "N": ["#...#", "##..#", "##..#", "#.#.#", "#..##", "#..##", "#...#"],
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
}

PIXEL_3X5 = {
    "M": ["#...#", "##.##", "#.#.#", "#...#", "#...#"],
    "S": [".##", "#..", ".#.", "..#", "##."],
    "F": ["###", "#..", "##.", "#..", "#.."],
    "U": ["#.#", "#.#", "#.#", "#.#", "###"],
    "N": ["#..#", "##.#", "#.##", "#..#", "#..#"],
    "I": ["#", "#", "#", "#", "#"],
    "C": [".##", "#..", "#..", "#..", ".##"],
    "E": ["###", "#..", "##.", "#..", "###"],
    "W": ["#...#", "#...#", "#.#.#", "##.##", "#...#"],
    "O": [".#.", "#.#", "#.#", "#.#", ".#."],
    "X": ["#.#", "#.#", ".#.", "#.#", "#.#"],
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
}

# Polylines on a 4 x 6 grid; chamfered corners give the letters their hard edge.
STROKES = {
    "K": [[(0, 0), (0, 6)], [(0, 3), (1.3, 3)], [(4, 0), (1.3, 3), (4, 6)]],
    "E": [[(4, 0), (0.9, 0), (0, 0.9), (0, 5.1), (0.9, 6), (4, 6)], [(0, 3), (3, 3)]],
    "L": [[(0, 0), (0, 5.1), (0.9, 6), (4, 6)]],
    "V": [[(0, 0), (0, 3.6), (2, 6), (4, 3.6), (4, 0)]],
    "A": [[(0, 6), (0, 1.2), (1.2, 0), (2.8, 0), (4, 1.2), (4, 6)], [(0, 3.4), (4, 3.4)]],
    "N": [[(0, 6), (0, 0), (4, 6), (4, 0)]],
}


def text_width(font, text, scale=1, gap=1):
    return sum((len(font[ch][0]) + gap) * scale for ch in text) - gap * scale


def text_cells(font, text, x, y, scale=1, gap=1):
    """Pixel cells covered by text whose top-left corner is at x, y."""
    cells = []
    for ch in text:
        glyph = font[ch]
        for row, line in enumerate(glyph):
            for col, bit in enumerate(line):
                if bit == "#":
                    cells += [(x + col * scale + i, y + row * scale + j)
                              for j in range(scale) for i in range(scale)]
        x += (len(glyph[0]) + gap) * scale
    return cells


def stroke_paths(ch, x, y, sx, sy):
    """The letter's polylines placed with the grid origin at x, y."""
    return [[(x + px * sx, y + py * sy) for px, py in path] for path in STROKES[ch]]
