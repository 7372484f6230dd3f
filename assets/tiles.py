"""The three tile sets: blue (a block's connections), red (the current block) and link (a link piece).

A tile is 96 x 96 units; blocks stand 60 units apart, so the cell of a tile is the square from 18
to 78 around its centre (48, 48). Every line runs on the centre line of its side and ends one unit
past the cell border, so the lines of two neighbours overlap by two units and join without a seam,
and nothing of a tile reaches into the body of a neighbouring block (20 to 76 of that block).
"""

from palette import LINE, LINE_WIDTH, HIGHLIGHT, WHITE
import svg

SIZE = 96
CENTRE = 48
NEAR, FAR = 17, 79  # the line ends, one unit past the cell borders 18 and 78

# (top, right, bottom, left) of every tile with a file of its own.
SHAPES = ["0002", "0010", "0012", "0021", "0022", "0100", "0102", "0110", "0112", "0120", "0122",
          "0201", "0202", "0210", "0212", "0220", "0221", "1002", "1020", "1022", "1200", "1202",
          "1220", "1222", "2000", "2001", "2002", "2010", "2011", "2012", "2020", "2021", "2100",
          "2101", "2102", "2110", "2120", "2200", "2201", "2210", "2212", "2221", "2112"]
HALF_SHAPES = ["0102", "2010"]

# Unit vector of each side: top, right, bottom, left.
SIDES = [(0, -1), (1, 0), (0, 1), (-1, 0)]


def file_name(shape, half=False):
    t, r, b, l = shape
    return "top%sright%sbottom%sleft%s%s.png" % (t, r, b, l, "_half" if half else "")


def _end(side):
    dx, dy = SIDES[side]
    reach = CENTRE - NEAR
    return CENTRE + dx * reach, CENTRE + dy * reach


def _lines(shape, colour, width):
    parts = []
    for side, value in enumerate(shape):
        if value != "0":
            x, y = _end(side)
            parts.append(svg.line(CENTRE, CENTRE, x, y, colour, width, cap="butt"))
    if parts:
        parts.append(svg.circle(CENTRE, CENTRE, width / 2, colour))
    return parts


def _arrow(side, colour):
    """A small head on an exit, two thirds of the way from the centre to the cell border."""
    dx, dy = SIDES[side]
    tip = 22
    base = 13
    wing = 6.5
    tx, ty = CENTRE + dx * tip, CENTRE + dy * tip
    bx, by = CENTRE + dx * base, CENTRE + dy * base
    px, py = -dy * wing, dx * wing
    return svg.polygon([(tx, ty), (bx + px, by + py), (bx - px, by - py)], colour)


def blue_tile(shape, half=False):
    return svg.document(SIZE, SIZE, "\n".join(_lines(shape, LINE, LINE_WIDTH)))


def red_tile(shape, half=False):
    # A ring three units wide around the block's body (19 to 77).
    halo = svg.rect(16, 16, 64, 64, HIGHLIGHT, rx=15)
    return svg.document(SIZE, SIZE, "\n".join([halo] + _lines(shape, HIGHLIGHT, LINE_WIDTH + 2)))


def link_tile(shape, half=False):
    parts = _lines(shape, LINE, LINE_WIDTH)
    # A half piece is a short straight between close neighbours: no arrow head.
    if not half:
        parts += [_arrow(side, LINE) for side, value in enumerate(shape) if value == "1"]
    # A joint of three or four lines gets a round hub so the branching point reads clearly.
    if sum(1 for v in shape if v != "0") >= 3:
        parts.append(svg.circle(CENTRE, CENTRE, LINE_WIDTH, LINE))
        parts.append(svg.circle(CENTRE, CENTRE, LINE_WIDTH / 2 - 0.5, WHITE))
    return svg.document(SIZE, SIZE, "\n".join(parts))


def pictures():
    out = {}
    for folder, make in (("background_blue", blue_tile), ("background_red", red_tile), ("link", link_tile)):
        for shape in SHAPES:
            out["Img/State/%s/%s" % (folder, file_name(shape))] = (make(shape), SIZE, SIZE)
        for shape in HALF_SHAPES:
            out["Img/State/%s/%s" % (folder, file_name(shape, True))] = (make(shape, True), SIZE, SIZE)
    return out
