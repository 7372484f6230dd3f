"""Cursors, slider thumbs, the simulator's pictures, the splash picture and the window icon."""

from palette import ACTION, MACRO, SENSOR, START, STOP, VARIABLE, INK, WHITE, LINE, HIGHLIGHT, PAPER, darker, lighter
import blocks
import svg
import toolbar


def doc(width, height, body):
    return (svg.document(width, height, body), width, height)


def cursors():
    """32 x 32 cursors; the canvas puts their hot spots at the arrows' crossing (move), the lens
    centre (zoom, at 13, 13) and the pointer's tip (link, at 2, 2)."""
    outline = lambda body: svg.group(body, stroke=WHITE, stroke_width=3, fill=WHITE) + body
    move = toolbar.move_arrows({"main": INK, "ink": INK})
    zoom = toolbar.magnifier({"main": INK, "ink": INK, "paper": WHITE})
    pointer = svg.path("M2,2 V22 L7,17 L11,26 L15,24 L11,15 H18 Z", fill=WHITE, stroke=INK, stroke_width=1.6)
    link = (pointer + svg.rect(17, 19, 6, 6, ACTION, rx=1.5) + svg.rect(25, 25, 6, 6, SENSOR, rx=1.5)
            + svg.path("M20,25 V28 H25", stroke=INK, stroke_width=1.8))
    return {"Img/Icons/move_cursor.png": doc(32, 32, svg.group(move, opacity="1")),
            "Img/Icons/zoom.png": doc(32, 32, zoom),
            "Img/Icons/mouse_link.png": doc(32, 32, link)}


def sliders():
    """Thumbs of the calibration sliders, 14 x 14: "down" points at the track from above, "up" from below."""
    def thumb(up, hover):
        fill = SENSOR if hover else ACTION
        pts = [(7, 1), (13, 13), (1, 13)] if up else [(1, 1), (13, 1), (7, 13)]
        return doc(14, 14, svg.polygon(pts, fill, stroke=darker(fill, 0.6), stroke_width=1.2))
    return {"Img/Icons/slider_up.png": thumb(True, False), "Img/Icons/slider_down.png": thumb(False, False),
            "Img/Icons/slider_Hover_up.png": thumb(True, True), "Img/Icons/slider_Hover_down.png": thumb(False, True)}


def simulator():
    """48 x 48 pictures of the run window's status light, push buttons, buzzer and detector."""
    def framed(body):
        return doc(48, 48, svg.rect(1, 1, 46, 46, "#E8ECEF", rx=8, stroke="#B8C0C8", stroke_width=1.5)
                   + svg.group(body, transform="translate(8,8)"))
    out = {}
    for on in (False, True):
        state = "IOn" if on else "IOff"
        out["Img/Simulator/DEL Rouge/%s.png" % state] = framed(blocks.led(INK, on))
        out["Img/Simulator/Bouton poussoir/%s.png" % state] = framed(blocks.push_button(INK, on))
        out["Img/Simulator/Buzzer/%s.png" % state] = framed(blocks.speaker(INK, on))
        out["Img/Simulator/Detecteur passif/%s.png" % state] = framed(blocks.eye(INK, SENSOR if on else "#C9CED3"))
    return out


def robot_face(scale=1.0):
    """The Tamek robot's head, drawn in a 64 x 64 box."""
    return svg.group(
        svg.line(32, 4, 32, 13, INK, 3) + svg.circle(32, 5, 4, STOP)
        + svg.rect(8, 13, 48, 36, MACRO, rx=10, stroke=darker(MACRO), stroke_width=2)
        + svg.rect(15, 20, 34, 19, WHITE, rx=7)
        + svg.circle(24, 29.5, 5, INK) + svg.circle(40, 29.5, 5, INK)
        + svg.circle(25.5, 28, 1.6, WHITE) + svg.circle(41.5, 28, 1.6, WHITE)
        + svg.path("M26,44 Q32,48 38,44", stroke=WHITE, stroke_width=2.5)
        + svg.rect(3, 26, 6, 12, darker(MACRO), rx=2) + svg.rect(55, 26, 6, 12, darker(MACRO), rx=2)
        + svg.rect(14, 50, 12, 10, INK, rx=3) + svg.rect(38, 50, 12, 10, INK, rx=3),
        transform="scale(%g)" % scale)


def splash():
    w, h = 480, 300
    flow = []
    # A little flowchart: start, an action, a condition with its two ways and the loop back.
    x, y = 330, 60
    flow.append(svg.path("M%d,%d V%d" % (x, y, y + 150), stroke=LINE, stroke_width=5))
    flow.append(svg.path("M%d,%d H%d V%d H%d" % (x, y + 111, x + 60, y + 26, x), stroke=LINE, stroke_width=5))
    flow.append(svg.circle(x, y, 16, START) + svg.polygon([(x - 5, y - 8), (x + 9, y), (x - 5, y + 8)], WHITE))
    flow.append(svg.rect(x - 17, y + 38, 34, 34, ACTION, rx=7))
    flow.append(svg.polygon([(x, y + 92), (x + 19, y + 111), (x, y + 130), (x - 19, y + 111)], SENSOR))
    flow.append(svg.rect(x - 17, y + 150, 34, 34, STOP, rx=7))
    body = (svg.rect(0, 0, w, h, PAPER) + svg.rect(0, 0, w, 8, ACTION) + svg.rect(0, h - 8, w, 8, SENSOR)
            + svg.group(robot_face(), transform="translate(40,70) scale(1.6)")
            + svg.text(40, 235, "Tamek", 46, INK, anchor="start")
            + svg.text(42, 262, "Programmeer de Tamek-robot met een stroomschema", 13, LINE, weight="normal", anchor="start")
            + "".join(flow))
    return {"Img/Tamek-Splash.png": doc(w, h, body)}


def window_icon_sources():
    """PNG pictures of the window icon; the build joins the three small ones into Img/Tamek.ico, and
    the larger ones are the icon that menus and software centres show."""
    return {"Img/Tamek-%d.png" % s: (svg.document(s, s, robot_face(), "0 0 64 64"), s, s)
            for s in (16, 32, 48, 128, 256)}


def pictures():
    out = {}
    for part in (cursors(), sliders(), simulator(), splash(), window_icon_sources()):
        out.update(part)
    return out
