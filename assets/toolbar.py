"""Toolbar pictures (32 x 32 under "Img/Icons/"), each in its normal look, greyed ("_g") and, for
the tools that show a choice, active ("_on"). A picture is drawn from a few role colours, so the
greyed look is the same drawing in greys."""

from palette import (ACTION, MACRO, SENSOR, START, STOP, VARIABLE, INK, WHITE, GREY, GREY_DARK, ACTIVE_FILL,
                     ACTIVE_EDGE, LINE)
import svg

SIZE = 32
NORMAL = {"main": ACTION, "accent": SENSOR, "go": START, "halt": STOP, "ink": INK, "paper": WHITE, "line": LINE,
          "mode": VARIABLE, "macro": MACRO}
GREYED = {k: (GREY if k not in ("ink", "paper", "line") else GREY_DARK) for k in NORMAL}
GREYED["paper"] = "#E4E7EA"


def new_document(c):
    return (svg.path("M7,3 H19 L26,10 V29 H7 Z", fill=c["paper"], stroke=c["ink"], stroke_width=1.8)
            + svg.path("M19,3 V10 H26", stroke=c["ink"], stroke_width=1.8)
            + svg.circle(24, 24, 6.5, c["go"]) + svg.line(24, 20.5, 24, 27.5, WHITE, 2.4)
            + svg.line(20.5, 24, 27.5, 24, WHITE, 2.4))


def open_folder(c):
    return (svg.path("M3,8 H12 L15,11 H27 V26 H3 Z", fill=c["accent"], stroke=c["ink"], stroke_width=1.6)
            + svg.path("M3,26 L7,15 H31 L27,26 Z", fill=c["paper"], stroke=c["ink"], stroke_width=1.6))


def save(c):
    return (svg.rect(4, 4, 24, 24, c["main"], rx=3, stroke=c["ink"], stroke_width=1.6)
            + svg.rect(9, 4.8, 14, 8, c["paper"]) + svg.rect(18, 6, 3, 5, c["ink"])
            + svg.rect(8, 17, 16, 10, c["paper"], rx=1) + svg.line(11, 21, 21, 21, c["line"], 1.4)
            + svg.line(11, 24, 21, 24, c["line"], 1.4))


def printer(c):
    return (svg.rect(9, 3, 14, 9, c["paper"], stroke=c["ink"], stroke_width=1.6)
            + svg.rect(3, 11, 26, 12, c["main"], rx=3, stroke=c["ink"], stroke_width=1.6)
            + svg.rect(9, 18, 14, 11, c["paper"], stroke=c["ink"], stroke_width=1.6)
            + svg.line(12, 22, 20, 22, c["line"], 1.4) + svg.line(12, 25, 20, 25, c["line"], 1.4)
            + svg.circle(25, 15, 1.5, c["accent"]))


def undo(c, mirrored=False):
    glyph = (svg.path("M9,13 H20 A7,7 0 0 1 20,27 H12", stroke=c["main"], stroke_width=4)
             + svg.polygon([(2, 13), (11, 5), (11, 21)], c["main"]))
    return glyph if not mirrored else svg.group(glyph, transform="translate(32,0) scale(-1,1)")


def arrow_pointer(c):
    return svg.path("M9,3 V25 L14,20 L18,29 L22,27 L18,18 H25 Z", fill=c["paper"], stroke=c["ink"], stroke_width=1.8)


def move_arrows(c):
    head = lambda: svg.polygon([(16, 1.5), (21.5, 8), (10.5, 8)], c["main"])
    arms = svg.line(16, 6, 16, 26, c["main"], 3) + svg.line(6, 16, 26, 16, c["main"], 3)
    heads = "".join(svg.group(head(), transform="rotate(%d 16 16)" % a) for a in (0, 90, 180, 270))
    return arms + heads + svg.circle(16, 16, 3, c["ink"])


def magnifier(c):
    return (svg.line(20, 20, 28, 28, c["ink"], 4.5) + svg.circle(13, 13, 9.5, c["paper"], stroke=c["main"], stroke_width=3)
            + svg.line(9, 13, 17, 13, c["ink"], 2.4) + svg.line(13, 9, 13, 17, c["ink"], 2.4))


def chain(c):
    return (svg.rect(5, 5, 9, 9, c["main"], rx=2) + svg.rect(18, 18, 9, 9, c["accent"], rx=2)
            + svg.path("M9.5,14 V22.5 H18", stroke=c["line"], stroke_width=2.8, cap="butt")
            + svg.polygon([(19, 18), (19, 27), (24, 22.5)], c["line"]))


def play(c):
    return svg.polygon([(9, 5), (26, 16), (9, 27)], c["go"], stroke=c["go"], stroke_width=2)


def step(c):
    return svg.polygon([(6, 6), (20, 16), (6, 26)], c["go"], stroke=c["go"], stroke_width=2) + svg.rect(22, 6, 5, 20, c["go"], rx=1)


def pause(c):
    return svg.rect(8, 6, 6, 20, c["accent"], rx=1.5) + svg.rect(18, 6, 6, 20, c["accent"], rx=1.5)


def stop(c):
    return svg.rect(7, 7, 18, 18, c["halt"], rx=3)


def ghost(c):
    return (svg.path("M6,28 V14 A10,10 0 0 1 26,14 V28 L22.5,25 L19,28 L16,25 L13,28 L9.5,25 Z",
                     fill=c["paper"], stroke=c["mode"], stroke_width=2)
            + svg.circle(12.5, 14, 2.2, c["ink"]) + svg.circle(19.5, 14, 2.2, c["ink"]))


def joystick(c):
    return (svg.rect(4, 21, 24, 8, c["main"], rx=3, stroke=c["ink"], stroke_width=1.5)
            + svg.line(16, 21, 12, 10, c["ink"], 3) + svg.circle(11.5, 8.5, 4.5, c["halt"])
            + svg.circle(23, 25, 1.8, c["accent"]))


def robot(c):
    return (svg.line(16, 3, 16, 8, c["ink"], 2) + svg.circle(16, 3, 2, c["halt"])
            + svg.rect(5, 8, 22, 15, c["macro"], rx=4, stroke=c["ink"], stroke_width=1.5)
            + svg.circle(11.5, 15.5, 3, c["paper"]) + svg.circle(20.5, 15.5, 3, c["paper"])
            + svg.circle(11.5, 15.5, 1.3, c["ink"]) + svg.circle(20.5, 15.5, 1.3, c["ink"])
            + svg.rect(4, 24, 9, 5, c["ink"], rx=2) + svg.rect(19, 24, 9, 5, c["ink"], rx=2))


def gear(c):
    teeth = "".join(svg.rect(13.5, 1.5, 5, 7, c["main"], rx=1, transform="rotate(%d 16 16)" % a)
                    for a in range(0, 360, 45))
    return teeth + svg.circle(16, 16, 10, c["main"]) + svg.circle(16, 16, 4.2, c["paper"])


def stop_actuator(c):
    k = 7
    pts = [(4 + k, 4), (28 - k, 4), (28, 4 + k), (28, 28 - k), (28 - k, 28), (4 + k, 28), (4, 28 - k), (4, 4 + k)]
    return (svg.polygon(pts, c["halt"], stroke=WHITE, stroke_width=1.5)
            + svg.circle(16, 16, 6.5, "none", stroke=WHITE, stroke_width=2.4)
            + svg.line(16, 16, 16, 9, WHITE, 2.4))


def usb(c):
    ink = c["ink"]
    return (svg.line(16, 6, 16, 28, ink, 2.6) + svg.polygon([(16, 1.5), (21, 8), (11, 8)], ink)
            + svg.path("M16,22 L8,16 V12", stroke=ink, stroke_width=2.4) + svg.circle(8, 11, 2.6, ink)
            + svg.path("M16,19 L24,14 V11", stroke=ink, stroke_width=2.4) + svg.rect(21.5, 7, 5, 5, ink)
            + svg.circle(16, 28, 3, ink))


def active_background():
    return svg.rect(1, 1, 30, 30, ACTIVE_FILL, rx=6, stroke=ACTIVE_EDGE, stroke_width=1.5)


# name: (drawing, variants); every picture is "<name>-ico.png", the greyed one "<name>-ico_g.png".
PLAIN = {"nouveau2": new_document, "open": open_folder, "save": save, "print": printer, "undo": undo,
         "redo": lambda c: undo(c, True), "play": play, "suivant": step, "pause": pause, "stop": stop,
         "setting": gear, "stop_off": stop_actuator, "usb": usb}
MODES = {"ghost": ghost, "pilotage": joystick, "automate": robot}
TOOLS = {"arrow": arrow_pointer, "move": move_arrows, "zoom": magnifier, "link": chain}


def doc(body):
    return (svg.document(SIZE, SIZE, body), SIZE, SIZE)


def pictures():
    out = {}
    for name, draw in list(PLAIN.items()) + list(MODES.items()):
        out["Img/Icons/%s-ico.png" % name] = doc(draw(NORMAL))
        out["Img/Icons/%s-ico_g.png" % name] = doc(draw(GREYED))
    for name, draw in MODES.items():
        out["Img/Icons/%s_on-ico.png" % name] = doc(active_background() + draw(NORMAL))
    for name, draw in TOOLS.items():
        out["Img/Icons/%s_on-ico.png" % name] = doc(active_background() + draw(NORMAL))
        out["Img/Icons/%s_off-ico.png" % name] = doc(draw(NORMAL))
        out["Img/Icons/%s_off_g-ico.png" % name] = doc(draw(GREYED))
    # The move tool's chooser picture is its plain look under the name the toolbar uses.
    out["Img/Icons/move_off_g-ico.png"] = doc(move_arrows(NORMAL))
    return out
