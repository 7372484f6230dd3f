"""Small helpers that write SVG text."""


def document(width, height, body, view_box=None):
    box = view_box or "0 0 %g %g" % (width, height)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%g" height="%g" viewBox="%s">\n%s\n</svg>\n'
            % (width, height, box, body))


def attrs(**kw):
    return " ".join('%s="%s"' % (k.rstrip("_").replace("_", "-"), v) for k, v in kw.items() if v is not None)


def line(x1, y1, x2, y2, stroke, width, cap="round", **kw):
    return "<line %s/>" % attrs(x1=x1, y1=y1, x2=x2, y2=y2, stroke=stroke, stroke_width=width,
                                 stroke_linecap=cap, **kw)


def rect(x, y, w, h, fill, rx=0, stroke=None, stroke_width=None, **kw):
    return "<rect %s/>" % attrs(x=x, y=y, width=w, height=h, rx=rx, fill=fill, stroke=stroke,
                                 stroke_width=stroke_width, **kw)


def circle(cx, cy, r, fill, stroke=None, stroke_width=None, **kw):
    return "<circle %s/>" % attrs(cx=cx, cy=cy, r=r, fill=fill, stroke=stroke, stroke_width=stroke_width, **kw)


def path(d, fill="none", stroke=None, stroke_width=None, join="round", cap="round", **kw):
    return "<path %s/>" % attrs(d=d, fill=fill, stroke=stroke, stroke_width=stroke_width,
                                 stroke_linejoin=join if stroke else None,
                                 stroke_linecap=cap if stroke else None, **kw)


def polygon(points, fill, stroke=None, stroke_width=None, **kw):
    text = " ".join("%g,%g" % p for p in points)
    return "<polygon %s/>" % attrs(points=text, fill=fill, stroke=stroke, stroke_width=stroke_width,
                                    stroke_linejoin="round" if stroke else None, **kw)


def text(x, y, content, size, fill, weight="bold", anchor="middle", family="DejaVu Sans, Verdana, sans-serif"):
    return '<text %s>%s</text>' % (attrs(x=x, y=y, font_size=size, fill=fill, font_weight=weight,
                                         text_anchor=anchor, font_family=family), content)


def group(body, transform=None, **kw):
    return "<g %s>%s</g>" % (attrs(transform=transform, **kw), body)
