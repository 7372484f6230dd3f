"""Block pictures (96 x 96, "Img/State/<Kind>.png" with their "_on"/"_off" states), palette icons
(32 x 32, "Img/State/icons/<Kind>.png"), the exit overlays "pos0" to "pos3" and the yes/no labels.

A block's body fills 19 to 77 of its picture, inside its 60-unit cell (18 to 78), so the lines of
neighbouring tiles (which end one unit past the cell border) meet its edges. Actions with a parameter keep
a white band (BAND_TOP to 77) at the bottom of the card, where the canvas writes the parameter, centred in
the band and at most 50 units wide (editor/BlockDrawing.cpp keeps the same numbers).
Conditions are diamonds; their exits are marked by the overlays. A detector's and a variable test's
comparison is written on a white plate over the diamond's upper half, which no exit mark uses but an upward one.
"""

from palette import (ACTION, MACRO, SENSOR, VARIABLE, START, STOP, PLACEHOLDER, INK, WHITE, YES, NO,
                     darker, lighter)
import svg
import tiles

SIZE = 96
ICON = 32
LO, HI = 19, 77
BAND_TOP = 54


# ---- bodies -------------------------------------------------------------------------------------

def card(colour, band):
    parts = [svg.rect(LO, LO, HI - LO, HI - LO, colour, rx=10)]
    if band:
        parts.append(svg.path("M%d,%d H%d V%d A10,10 0 0 1 %d,%d H%d A10,10 0 0 1 %d,%d Z"
                              % (LO, BAND_TOP, HI, HI - 10, HI - 10, HI, LO + 10, LO, HI - 10), fill=WHITE))
    parts.append(svg.rect(LO + 0.75, LO + 0.75, HI - LO - 1.5, HI - LO - 1.5, "none", rx=9.5,
                          stroke=darker(colour), stroke_width=1.5))
    return "".join(parts)


def diamond(colour):
    c = 48
    points = [(c, LO), (HI, c), (c, HI), (LO, c)]
    return svg.polygon(points, colour, stroke=darker(colour), stroke_width=1.5)


def disc(colour):
    return svg.circle(48, 48, 29, colour, stroke=darker(colour), stroke_width=1.5)


def octagon(colour):
    k = 9
    pts = [(LO + k, LO), (HI - k, LO), (HI, LO + k), (HI, HI - k), (HI - k, HI), (LO + k, HI), (LO, HI - k),
           (LO, LO + k)]
    return svg.polygon(pts, colour, stroke=darker(colour), stroke_width=1.5)


def place(glyph, cx, cy, scale=1.0):
    """A 32 x 32 pictogram centred at (cx, cy)."""
    return svg.group(glyph, transform="translate(%g,%g) scale(%g)" % (cx - 16 * scale, cy - 16 * scale, scale))


# ---- pictograms, drawn in a 32 x 32 box ----------------------------------------------------------

def clock(ink):
    return (svg.circle(16, 18, 11, "none", stroke=ink, stroke_width=3) + svg.rect(13, 2, 6, 3, ink, rx=1)
            + svg.line(16, 5, 16, 7, ink, 2.5) + svg.line(16, 18, 16, 11, ink, 2.5) + svg.line(16, 18, 21, 20, ink, 2.5))


def speaker(ink, sounding):
    body = svg.path("M4,12 H10 L17,6 V26 L10,20 H4 Z", fill=ink, stroke=ink, stroke_width=1.5)
    if sounding:
        return (body + svg.path("M21,11 Q25,16 21,21", stroke=ink, stroke_width=2.5)
                + svg.path("M24.5,7 Q31,16 24.5,25", stroke=ink, stroke_width=2.5))
    return body + svg.line(21, 12, 28, 20, ink, 2.5) + svg.line(28, 12, 21, 20, ink, 2.5)


def led(ink, lit):
    dome = "#FF3B30" if lit else "#8C3B36"
    parts = []
    if lit:
        for x1, y1, x2, y2 in ((16, 1, 16, 4), (5, 5, 7.5, 7.5), (27, 5, 24.5, 7.5), (2, 14, 5, 14), (30, 14, 27, 14)):
            parts.append(svg.line(x1, y1, x2, y2, "#FFE27A", 2.2))
    parts.append(svg.path("M10,21 V14 A6,6 0 0 1 22,14 V21 Z", fill=dome, stroke=ink, stroke_width=1.8))
    if lit:
        parts.append(svg.path("M13,14 A3,3 0 0 1 16,11", stroke=lighter(dome, 0.7), stroke_width=1.6))
    parts.append(svg.rect(8, 20, 16, 3.5, ink, rx=1))
    parts.append(svg.line(13, 23, 13, 30, ink, 2) + svg.line(19, 23, 19, 28, ink, 2))
    return "".join(parts)


def motor(ink, number, colour, turning):
    parts = [svg.circle(16, 16, 9.5, ink), svg.text(16, 20.5, number, 12, colour)]
    if turning:
        parts.append(svg.path("M4,11 A13,13 0 0 1 21,3.5", stroke=ink, stroke_width=2.4))
        parts.append(svg.polygon([(24.5, 5), (19, 0.5), (18.5, 7)], ink))
        parts.append(svg.path("M28,21 A13,13 0 0 1 11,28.5", stroke=ink, stroke_width=2.4))
        parts.append(svg.polygon([(7.5, 27), (13, 31.5), (13.5, 25)], ink))
    return "".join(parts)


def servo(ink, number, colour):
    return (svg.rect(3, 13, 20, 14, ink, rx=2.5) + svg.text(13, 24.5, number, 10, colour)
            + svg.line(22, 11, 29, 4, ink, 3) + svg.circle(22, 11, 3.5, ink)
            + svg.path("M29,13 A8,8 0 0 0 24,3", stroke=ink, stroke_width=1.5, stroke_dasharray="2,2"))


def loop_arrows(ink):
    return (svg.path("M6,17 A10,10 0 0 1 24,10", stroke=ink, stroke_width=3)
            + svg.polygon([(28, 7), (27, 15), (20, 12)], ink)
            + svg.path("M26,15 A10,10 0 0 1 8,22", stroke=ink, stroke_width=3)
            + svg.polygon([(4, 25), (5, 17), (12, 20)], ink))


def straight_arrow(ink, up):
    d = "M16,3 L28,15 H20.5 V29 H11.5 V15 H4 Z"
    return svg.path(d, fill=ink, transform=None if up else "rotate(180 16 16)")


def turn_arrow(ink, left):
    glyph = (svg.path("M21,29 V17 Q21,10 14,10 H10", stroke=ink, stroke_width=4.5, cap="butt")
             + svg.polygon([(2, 10), (11, 2.5), (11, 17.5)], ink))
    return glyph if left else svg.group(glyph, transform="translate(32,0) scale(-1,1)")


def play(ink):
    return svg.polygon([(11, 6), (26, 16), (11, 26)], ink, stroke=ink, stroke_width=2)


def push_button(ink, pressed):
    cap_y = 13 if pressed else 7
    cap_h = 6 if pressed else 11
    parts = [svg.rect(9, cap_y, 14, cap_h, ink, rx=2.5), svg.rect(4, 19, 24, 7, ink, rx=2)]
    if pressed:
        parts.append(svg.polygon([(16, 11), (11, 4), (21, 4)], ink))
    return "".join(parts)


def eye(ink, colour):
    return (svg.path("M2,16 Q16,3 30,16 Q16,29 2,16 Z", fill=ink)
            + svg.circle(16, 16, 6, colour) + svg.circle(16, 16, 2.8, ink))


# ---- the kinds -----------------------------------------------------------------------------------

def action(colour, glyph, band=True):
    """An action card with its pictogram above the parameter band."""
    return card(colour, band) + (place(glyph, 48, 36.5, 0.9) if band else place(glyph, 48, 48))


def condition(colour, glyph, number=None, ink=INK):
    # The number sits above the bottom tip, where the exit overlay of a downward exit is drawn.
    parts = [diamond(colour), place(glyph, 48, 41 if number else 48, 0.62 if number else 0.8)]
    if number:
        parts.append(svg.text(48, 62.5, number, 10, ink))
    return "".join(parts)


def kind_bodies(band):
    """Every kind's body, and its on/off states: name -> {"": main, "_on": ..., "_off": ...}."""
    w = WHITE
    k = {}
    k["Fake"] = {"": svg.rect(LO + 1, LO + 1, 54, 54, "#E3E7EB", rx=10, stroke=PLACEHOLDER, stroke_width=2,
                              stroke_dasharray="5,4") + svg.text(48, 58, "?", 28, PLACEHOLDER)}
    k["Start"] = {"": disc(START) + place(play(w), 48, 48, 1.05)}
    k["Stop"] = {"": octagon(STOP) + svg.rect(38, 38, 20, 20, w, rx=3)}
    k["Wait"] = {"": action(ACTION, clock(w), band)}
    k["Buzzer"] = {"": action(ACTION, speaker(w, False), band), "_off": action(ACTION, speaker(w, False), band),
                   "_on": action(ACTION, speaker(w, True), band)}
    k["DelR"] = {"": action(ACTION, led(w, False), band), "_off": action(ACTION, led(w, False), band),
                 "_on": action(ACTION, led(w, True), band)}
    for n in ("1", "2"):
        k["Motor" + n] = {"": action(ACTION, motor(w, n, ACTION, False), band),
                          "_off": action(ACTION, motor(w, n, ACTION, False), band),
                          "_on": action(ACTION, motor(w, n, ACTION, True), band)}
        k["Servo" + n] = {"": action(ACTION, servo(w, n, ACTION), band)}
    k["Repeat"] = {"": action(MACRO, loop_arrows(w), band)}
    k["Forward"] = {"": action(MACRO, straight_arrow(w, True), band)}
    k["Backward"] = {"": action(MACRO, straight_arrow(w, False), band)}
    k["TurnLeft"] = {"": action(MACRO, turn_arrow(w, True), band)}
    k["TurnRight"] = {"": action(MACRO, turn_arrow(w, False), band)}
    for n in ("1", "2", "3"):
        k["Switch" + n] = {"": condition(SENSOR, push_button(INK, False), n),
                           "_off": condition(SENSOR, push_button(INK, False), n),
                           "_on": condition(SENSOR, push_button(INK, True), n)}
    for n in ("1", "2"):
        k["Detector" + n] = {"": condition(SENSOR, eye(INK, SENSOR), n)}
    # A variable block writes its assignment in the band, as an action its parameter.
    k["Var"] = {"": card(VARIABLE, band) + (svg.text(48, 47, "x=", 18, w) if band else svg.text(48, 56, "x=", 22, w))}
    k["VarIf"] = {"": diamond(VARIABLE) + svg.text(48, 55, "x?", 17, w)}
    return k


LINK_KINDS = {"LinkFullH": 0x90, "LinkFullV": 0x06, "LinkTopLeft": 0x14, "LinkTopRight": 0x84,
              "LinkBottomRight": 0x82, "LinkBottomLeft": 0x12}


def mask_shape(mask):
    """A connector mask as the (top, right, bottom, left) digits of a tile name."""
    return "%d%d%d%d" % (mask & 3, (mask >> 4) & 3, (mask >> 2) & 3, (mask >> 6) & 3)


def overlay(direction):
    """The mark of a condition's exit on the diamond's tip: 0 down, 1 up, 2 right, 3 left."""
    dx, dy = [(0, 1), (0, -1), (1, 0), (-1, 0)][direction]
    tip, base, wing = 27, 17, 7
    tx, ty = 48 + dx * tip, 48 + dy * tip
    bx, by = 48 + dx * base, 48 + dy * base
    px, py = -dy * wing, dx * wing
    return svg.document(SIZE, SIZE, svg.polygon([(tx, ty), (bx + px, by + py), (bx - px, by - py)], INK,
                                                stroke=WHITE, stroke_width=1.5))


def label(yes):
    colour = YES if yes else NO
    mark = (svg.path("M15,13.5 L18.5,17 L25,9.5", stroke=WHITE, stroke_width=3) if yes else
            svg.line(16, 9, 24, 17, WHITE, 3) + svg.line(24, 9, 16, 17, WHITE, 3))
    return svg.document(ICON, ICON, svg.circle(20, 13, 10, colour, stroke=WHITE, stroke_width=1.5) + mark)


def pictures():
    out = {}
    canvas = kind_bodies(True)
    icons = kind_bodies(False)
    for name, states in canvas.items():
        for suffix, body in states.items():
            out["Img/State/%s%s.png" % (name, suffix)] = (svg.document(SIZE, SIZE, body), SIZE, SIZE)
        out["Img/State/icons/%s.png" % name] = (svg.document(ICON, ICON, icons[name][""], "18 18 60 60"), ICON, ICON)
    for name, mask in LINK_KINDS.items():
        doc = tiles.link_tile(mask_shape(mask))
        out["Img/State/%s.png" % name] = (doc, SIZE, SIZE)
        out["Img/State/icons/%s.png" % name] = (doc.replace('viewBox="0 0 96 96"', 'viewBox="14 14 68 68"')
                                                .replace('width="96" height="96"', 'width="32" height="32"'),
                                                ICON, ICON)
    for d in range(4):
        out["Img/State/pos%d.png" % d] = (overlay(d), SIZE, SIZE)
    out["Img/State/oui.png"] = (label(True), ICON, ICON)
    out["Img/State/non.png"] = (label(False), ICON, ICON)
    varadd = (card(VARIABLE, False) + svg.text(44, 57, "x", 24, WHITE)
              + svg.circle(66, 66, 10, YES, stroke=WHITE, stroke_width=2)
              + svg.line(66, 60, 66, 72, WHITE, 3) + svg.line(60, 66, 72, 66, WHITE, 3))
    out["Img/State/icons/varadd.png"] = (svg.document(ICON, ICON, varadd, "18 18 60 60"), ICON, ICON)
    return out
