"""The colours and line sizes every picture of Tamek shares."""

LINE = "#4A5D73"        # flow lines and connector stubs
LINE_WIDTH = 6
HIGHLIGHT = "#E8453C"   # the current block
HALO = "#FF8A80"
INK = "#23303D"         # dark pictograms and outlines
WHITE = "#FFFFFF"
PAPER = "#F0F0F0"       # the canvas background

ACTION = "#3B82C4"      # actuators: wait, buzzer, LED, motors, servos
MACRO = "#16A08F"       # movements and repeat
SENSOR = "#F4A81D"      # switch and detector conditions
VARIABLE = "#8E5CC2"    # variables
START = "#2EA04F"
STOP = "#D9443A"
PLACEHOLDER = "#9AA3AD"

YES = "#2EA04F"
NO = "#D9443A"

GREY = "#A9B0B7"        # greyed tools
GREY_DARK = "#8A939C"
ACTIVE_FILL = "#D3E6FB" # background of the active tool
ACTIVE_EDGE = "#3B82C4"


def darker(colour, factor=0.75):
    """The colour with every channel scaled down (an outline of a filled shape)."""
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return "#%02X%02X%02X" % (int(r * factor), int(g * factor), int(b * factor))


def lighter(colour, amount=0.45):
    """The colour mixed with white."""
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    mix = lambda c: int(c + (255 - c) * amount)
    return "#%02X%02X%02X" % (mix(r), mix(g), mix(b))
