#!/usr/bin/python3
"""Renders all of the product's art: the default skin (its images and its
manifest, assets/skin/), the installer's form pictures (assets/forms/) and a
contact sheet of everything (docs/contact-sheet.png).

Run it with the system Python, which has PIL (Debian package python3-pil), and
with the CJK font of fonts-wqy-microhei installed:

    /usr/bin/python3 assets/art/generate.py

The output is deterministic: PNG files carry no time stamps or text chunks and
the JPEG quality is fixed, so running it again gives the same bytes. The
generated files are committed; a build never runs this script.
"""

import os
import struct
import zlib

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

# Drawing model. Every coordinate is in final pixels. Shapes are rendered SS
# times larger and reduced with a box filter, so edges that lie on pixel
# boundaries stay crisp while curves and diagonals get exact-coverage
# anti-aliasing. Text is drawn at its final size (the font's hinting keeps it
# sharp) into a coverage mask that is then composited, so text over
# transparent pixels gets correct alpha instead of dark fringes.
SS = 4

FONT_FILE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

# One palette for the whole product.
ACCENT = (3, 112, 218)          # the one accent colour
ACCENT_LIGHT = (38, 137, 236)
ACCENT_DARK = (2, 92, 182)
ACCENT_DEEP = (1, 68, 138)
TINT = (226, 237, 251)          # selected surfaces
TINT_SOFT = (241, 246, 253)     # hovered surfaces
TINT_LINE = (150, 192, 240)     # accent-tinted outlines
INK = (31, 42, 55)              # main text
INK2 = (88, 101, 117)           # secondary text
INK3 = (140, 151, 164)          # tertiary text, disabled glyphs
LINE = (197, 207, 219)          # control outlines
LINE_SOFT = (224, 229, 236)     # separators
BODY_TOP = (243, 247, 252)
BODY = (250, 251, 253)
FOOTER = (238, 242, 247)
FOOTER_LINE = (216, 224, 233)
DISABLED = (244, 246, 248)
RED = (226, 69, 74)
RED_DARK = (194, 50, 56)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

_fonts = {}


def font(size):
    if size not in _fonts:
        _fonts[size] = ImageFont.truetype(FONT_FILE, size, index=0)
    return _fonts[size]


def new(w, h, colour=None):
    if colour is None:
        return Image.new("RGBA", (w, h), (0, 0, 0, 0))
    return Image.new("RGBA", (w, h), tuple(colour[:3]) + ((colour[3],) if len(colour) > 3 else (255,)))


def lerp(c0, c1, t):
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c0, c1))


# ---------------------------------------------------------------- masks


def _ss_mask(w, h):
    return Image.new("L", (w * SS, h * SS), 0)


def _down(mask, w, h):
    return mask.resize((w, h), Image.BOX)


def _box_ss(box):
    x0, y0, x1, y1 = box
    return (round(x0 * SS), round(y0 * SS), round(x1 * SS) - 1, round(y1 * SS) - 1)


def rect_mask(size, box, r=0, corners=(1, 1, 1, 1)):
    """Coverage mask of a rectangle [x0, x1) x [y0, y1) with rounded corners.

    corners: which corners (top-left, top-right, bottom-right, bottom-left) are
    rounded; the others stay square."""
    w, h = size
    m = _ss_mask(w, h)
    d = ImageDraw.Draw(m)
    b = _box_ss(box)
    if r <= 0:
        d.rectangle(b, fill=255)
    else:
        rr = r * SS
        d.rounded_rectangle(b, radius=rr, fill=255)
        x0, y0, x1, y1 = b
        if not corners[0]:
            d.rectangle((x0, y0, x0 + rr, y0 + rr), fill=255)
        if not corners[1]:
            d.rectangle((x1 - rr, y0, x1, y0 + rr), fill=255)
        if not corners[2]:
            d.rectangle((x1 - rr, y1 - rr, x1, y1), fill=255)
        if not corners[3]:
            d.rectangle((x0, y1 - rr, x0 + rr, y1), fill=255)
    return _down(m, w, h)


def ring_mask(size, box, r=0, width=1, corners=(1, 1, 1, 1)):
    """A border of the given width lying inside box."""
    x0, y0, x1, y1 = box
    outer = rect_mask(size, box, r, corners)
    inner = rect_mask(size, (x0 + width, y0 + width, x1 - width, y1 - width), max(0, r - width), corners)
    return ImageChops.subtract(outer, inner)


def ellipse_mask(size, box):
    w, h = size
    m = _ss_mask(w, h)
    ImageDraw.Draw(m).ellipse(_box_ss(box), fill=255)
    return _down(m, w, h)


def poly_mask(size, pts):
    w, h = size
    m = _ss_mask(w, h)
    ImageDraw.Draw(m).polygon([(x * SS, y * SS) for x, y in pts], fill=255)
    return _down(m, w, h)


def line_mask(size, pts, width, caps=True):
    """A polyline of the given stroke width with round joints and caps."""
    w, h = size
    m = _ss_mask(w, h)
    d = ImageDraw.Draw(m)
    sp = [(x * SS, y * SS) for x, y in pts]
    lw = max(1, round(width * SS))
    d.line(sp, fill=255, width=lw, joint="curve")
    if caps:
        rr = lw / 2
        for x, y in (sp[0], sp[-1]):
            d.ellipse((x - rr, y - rr, x + rr, y + rr), fill=255)
    return _down(m, w, h)


def union(*masks):
    out = masks[0]
    for m in masks[1:]:
        out = ImageChops.lighter(out, m)
    return out


def scale_mask(mask, factor):
    return mask.point(lambda v: int(round(v * factor)))


def shift(mask, dx, dy):
    """Moves a mask without wrapping around."""
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def blur(mask, radius):
    return mask.filter(ImageFilter.GaussianBlur(radius))


# ---------------------------------------------------------------- painting


def paint(img, mask, colour, alpha=1.0):
    """Composites a solid colour through a coverage mask."""
    layer = Image.new("RGBA", img.size, tuple(colour[:3]) + (255,))
    a = mask if alpha >= 1.0 else scale_mask(mask, alpha)
    layer.putalpha(a)
    img.alpha_composite(layer)


def vgradient(size, c0, c1, y0=0, y1=None):
    """Opaque vertical gradient from c0 at y0 to c1 at y1 (pixel centres)."""
    w, h = size
    if y1 is None:
        y1 = h
    col = Image.new("RGB", (1, h))
    span = max(1e-6, (y1 - y0) - 1)
    for y in range(h):
        t = min(1.0, max(0.0, (y - y0) / span))
        col.putpixel((0, y), lerp(c0, c1, t))
    return col.resize((w, h), Image.NEAREST).convert("RGBA")


def hgradient(size, c0, c1, x0=0, x1=None):
    w, h = size
    if x1 is None:
        x1 = w
    row = Image.new("RGB", (w, 1))
    span = max(1e-6, (x1 - x0) - 1)
    for x in range(w):
        t = min(1.0, max(0.0, (x - x0) / span))
        row.putpixel((x, 0), lerp(c0, c1, t))
    return row.resize((w, h), Image.NEAREST).convert("RGBA")


def paint_image(img, mask, src, alpha=1.0):
    """Composites an opaque source image (same size) through a mask."""
    layer = src.copy()
    layer.putalpha(mask if alpha >= 1.0 else scale_mask(mask, alpha))
    img.alpha_composite(layer)


def shadow(img, mask, dx=0, dy=1, radius=2.0, alpha=0.25, colour=BLACK):
    """Soft shadow of a shape, drawn before the shape itself."""
    paint(img, blur(shift(mask, dx, dy), radius), colour, alpha)


# ---------------------------------------------------------------- text


def text_mask(size, xy, s, px, anchor="ls", bold=False):
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).text(xy, s, font=font(px), fill=255, anchor=anchor)
    if bold:
        m = ImageChops.lighter(m, shift(m, 1, 0))
    return m


def text(img, xy, s, px, colour, anchor="ls", bold=False, alpha=1.0):
    """Draws text with its anchor at integer pixel xy."""
    x, y = xy
    paint(img, text_mask(img.size, (round(x), round(y)), s, px, anchor, bold), colour, alpha)


def ink_box(s, px):
    """Ink bounding box of s relative to its baseline origin."""
    return font(px).getbbox(s, anchor="ls")


def text_width(s, px):
    return font(px).getlength(s)


def text_centred(img, cx, cy, s, px, colour, bold=False, alpha=1.0):
    """Centres the ink of s on (cx, cy), snapped to whole pixels."""
    x0, y0, x1, y1 = ink_box(s, px)
    if bold:
        x1 += 1
    x = round(cx - (x0 + x1) / 2)
    y = round(cy - (y0 + y1) / 2)
    text(img, (x, y), s, px, colour, "ls", bold, alpha)


# ---------------------------------------------------------------- files


def clean_alpha(img):
    """Zeroes the colour of fully transparent pixels so files are smaller and stable."""
    a = img.getchannel("A")
    keep = a.point(lambda v: 255 if v else 0)
    out = Image.new("RGBA", img.size, (0, 0, 0, 0))
    out.paste(img, (0, 0), keep)
    return out


def save_png(img, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img = clean_alpha(img.convert("RGBA"))
    # A picture without a single see-through pixel is stored without its alpha
    # channel: the same pixels in a smaller file (the installer carries them).
    if img.getchannel("A").getextrema() == (255, 255):
        img = img.convert("RGB")
    with open(path, "wb") as f:
        f.write(encode_png(img.mode, img.size, img.tobytes()))


def encode_png(mode, size, raw):
    """PNG bytes of 8-bit RGB or RGBA pixels, without ancillary chunks, at
    zlib's level 9. Every row takes one filter for the whole picture, "none"
    or "sub" (a byte minus the one a pixel to its left), whichever packs
    smaller: on this art (text, flat colours) both beat the encoder's row by
    row choice, "none" by a third on the licence text."""
    w, h = size
    bpp = {"RGB": 3, "RGBA": 4}[mode]
    stride = w * bpp

    def filtered(kind):
        rows = bytearray()
        for y in range(h):
            row = raw[y * stride:(y + 1) * stride]
            rows.append(kind)
            if kind == 0:
                rows += row
            else:
                rows += row[:bpp]
                rows += bytes((row[i] - row[i - bpp]) & 0xFF for i in range(bpp, stride))
        return zlib.compress(bytes(rows), 9)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    idat = min((filtered(0), filtered(1)), key=len)
    ihdr = struct.pack(">IIBBBBB", w, h, 8, 2 if mode == "RGB" else 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", idat) + chunk(b"IEND", b"")


def save_jpeg(img, path, quality):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img.convert("RGB").save(path, "JPEG", quality=quality, optimize=True, subsampling=0)


# ================================================================ output places

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SKIN_DIR = os.path.join(ROOT, "assets", "skin")
FORMS_DIR = os.path.join(ROOT, "assets", "forms")
SHEET_FILE = os.path.join(ROOT, "docs", "contact-sheet.png")

# Everything made, for the contact sheet: (section, label, image, backdrop).
MADE = []


def skin_png(rel, img, backdrop="checker"):
    save_png(img, os.path.join(SKIN_DIR, "images", rel))
    MADE.append(("Skin", "images/" + rel, img, backdrop))
    return "images/" + rel


def form_png(name, img, use, backdrop="checker"):
    save_png(img, os.path.join(FORMS_DIR, name))
    MADE.append(("Forms", name, img, backdrop))
    FORM_FILES.append((name, img.size, use))


FORM_FILES = []


# ================================================================ glyphs


def chevron(size, cx, cy, direction, arm=3.0, width=1.4):
    """An open chevron pointing 'up', 'down', 'left' or 'right'."""
    a = arm
    if direction == "down":
        pts = [(cx - a, cy - a / 2), (cx, cy + a / 2), (cx + a, cy - a / 2)]
    elif direction == "up":
        pts = [(cx - a, cy + a / 2), (cx, cy - a / 2), (cx + a, cy + a / 2)]
    elif direction == "right":
        pts = [(cx - a / 2, cy - a), (cx + a / 2, cy), (cx - a / 2, cy + a)]
    else:
        pts = [(cx + a / 2, cy - a), (cx - a / 2, cy), (cx + a / 2, cy + a)]
    return line_mask(size, pts, width)


def triangle(size, cx, cy, direction, half=3.0):
    """A solid triangle whose tip points in the direction given."""
    h = half
    if direction == "down":
        pts = [(cx - h, cy - h / 2), (cx + h, cy - h / 2), (cx, cy + h / 2 + 0.5)]
    elif direction == "up":
        pts = [(cx - h, cy + h / 2), (cx + h, cy + h / 2), (cx, cy - h / 2 - 0.5)]
    elif direction == "right":
        pts = [(cx - h / 2, cy - h), (cx - h / 2, cy + h), (cx + h / 2 + 0.5, cy)]
    else:
        pts = [(cx + h / 2, cy - h), (cx + h / 2, cy + h), (cx - h / 2 - 0.5, cy)]
    return poly_mask(size, pts)


def cross(size, cx, cy, arm, width):
    return union(line_mask(size, [(cx - arm, cy - arm), (cx + arm, cy + arm)], width),
                 line_mask(size, [(cx - arm, cy + arm), (cx + arm, cy - arm)], width))


def plus(size, cx, cy, arm):
    """A crisp 1-pixel plus sign centred on pixel (cx, cy)."""
    return union(rect_mask(size, (cx - arm, cy, cx + arm + 1, cy + 1)),
                 rect_mask(size, (cx, cy - arm, cx + 1, cy + arm + 1)))


def check_mark(size, x, y, s, width):
    """A tick whose box starts at (x, y) and is s wide."""
    return line_mask(size, [(x, y + s * 0.52), (x + s * 0.36, y + s * 0.86), (x + s, y + s * 0.14)], width)


# ================================================================ form frame


SYSBTN_SIZES = [("Min", 26), ("Max", 27), ("Restore", 27), ("Close", 36)]


def sysbtn_glyph(kind, size):
    w, h = size
    cx, cy = w // 2, 9
    if kind == "Min":
        return rect_mask(size, (cx - 5, cy + 3, cx + 5, cy + 4))
    if kind == "Max":
        return ring_mask(size, (cx - 5, cy - 4, cx + 5, cy + 4))
    if kind == "Restore":
        front = ring_mask(size, (cx - 5, cy - 2, cx + 3, cy + 4))
        back = union(rect_mask(size, (cx - 3, cy - 4, cx + 5, cy - 3)),
                     rect_mask(size, (cx + 4, cy - 4, cx + 5, cy + 2)))
        return union(front, back)
    return cross(size, cx + 0.5, cy + 0.5, 4.0, 1.5)


def sysbtn(kind, width, state, active):
    size = (width, 18)
    img = new(*size)
    face = rect_mask(size, (0, 0, width, 18), 3)
    close = kind == "Close"
    if state == "Hover":
        if close:
            paint(img, face, RED if active else (234, 112, 116))
        else:
            paint(img, face, WHITE, 0.2 if active else 0.13)
    elif state == "Down":
        if close:
            paint(img, face, RED_DARK)
        else:
            paint(img, face, BLACK, 0.18)
    glyph_alpha = 1.0 if active else 0.62
    if state == "Hover" and not active:
        glyph_alpha = 0.85
    paint(img, sysbtn_glyph(kind, size), WHITE, glyph_alpha)
    return img


def shadow_images():
    """The nine-grid form shadow and its four strips.

    The form covers the image inset by the size margins (3, 3, 3, 5). The first
    ring outside it reads as a fine outline on any background; beyond it the
    shadow falls off softly, reaching further below than to the sides."""
    w, h = 40, 50
    x0, y0, x1, y1, r = 3.0, 3.0, 37.0, 45.0, 3.0
    img = new(w, h)
    colour = (12, 24, 40)
    peak = 58
    for y in range(h):
        for x in range(w):
            px, py = x + 0.5, y + 0.5
            # Distance to the rounded rectangle; downward distances count less.
            qx = max(x0 + r - px, 0.0, px - (x1 - r))
            qy_up = max(y0 + r - py, 0.0)
            qy_down = max(py - (y1 - r), 0.0) * 0.62
            qy = max(qy_up, qy_down)
            d = max(0.0, (qx * qx + qy * qy) ** 0.5 - r)
            if d <= 0.5:
                a = peak
            else:
                t = (d - 0.5) / 1.55
                a = peak * 2.718281828 ** (-t * t)
            a = int(round(a))
            if a:
                img.putpixel((x, y), colour + (a,))
    left = img.crop((0, 20, 3, 30)).resize((3, 24), Image.NEAREST)
    right = img.crop((37, 20, 40, 30)).resize((3, 24), Image.NEAREST)
    top = img.crop((16, 0, 24, 3)).resize((24, 3), Image.NEAREST)
    bottom = img.crop((16, 45, 24, 50)).resize((24, 5), Image.NEAREST)
    return img, left, top, right, bottom


# ================================================================ buttons


def push_button(size, state, r=3):
    """The light push-button face used by the button and bit-button styles.

    Its 3-pixel frame holds the whole outline and corner, so it stretches by
    3-pixel margins to any size."""
    w, h = size
    img = new(w, h)
    box = (0, 0, w, h)
    face = rect_mask(size, box, r)
    ring = ring_mask(size, box, r)
    bottom = ImageChops.multiply(ring, rect_mask(size, (0, h - 2, w, h)))
    if state == "Normal":
        paint_image(img, face, vgradient(size, (255, 255, 255), (241, 244, 248)))
        paint(img, ring, LINE)
        paint(img, bottom, (176, 188, 202))
    elif state == "Hover":
        paint_image(img, face, vgradient(size, (247, 251, 255), (228, 239, 252)))
        paint(img, ring, (116, 168, 232))
        paint(img, bottom, (84, 146, 222))
    elif state == "Down":
        paint_image(img, face, vgradient(size, (208, 226, 248), (224, 236, 251)))
        paint(img, ring, (52, 128, 212))
        paint(img, ImageChops.multiply(face, rect_mask(size, (1, 1, w - 1, 2))), ACCENT_DEEP, 0.12)
    elif state == "Disabled":
        paint(img, face, DISABLED)
        paint(img, ring, (222, 227, 233))
    elif state == "Focused":
        paint_image(img, face, vgradient(size, (255, 255, 255), (241, 244, 248)))
        paint(img, ring, ACCENT)
        paint(img, ring_mask(size, (1, 1, w - 1, h - 1), r - 1), (190, 216, 246))
    return img


def speed_button(size, state, r=3):
    """Flat tool-bar button: nothing at rest, a tinted tile under the pointer."""
    w, h = size
    img = new(w, h)
    box = (0, 0, w, h)
    face = rect_mask(size, box, r)
    ring = ring_mask(size, box, r)
    if state == "Hover":
        paint(img, face, TINT_SOFT)
        paint(img, ring, (186, 212, 243))
    elif state == "Down":
        paint(img, face, TINT)
        paint(img, ring, TINT_LINE)
        paint(img, ImageChops.multiply(face, rect_mask(size, (1, 1, w - 1, 2))), ACCENT_DEEP, 0.1)
    elif state == "Focused":
        paint(img, ring, ACCENT)
    return img


def dropdown_button(size, state):
    w, h = size
    img = push_button(size, state)
    split = w - 17
    line = {"Normal": LINE, "Hover": (116, 168, 232), "Down": (52, 128, 212),
            "Disabled": (222, 227, 233), "Focused": (190, 216, 246)}[state]
    paint(img, rect_mask(size, (split, 4, split + 1, h - 4)), line)
    glyph = INK3 if state == "Disabled" else (ACCENT if state in ("Hover", "Down") else INK2)
    paint(img, triangle(size, split + 8.5, h / 2, "down", 3.5), glyph)
    return img


# ================================================================ page control


def tab_image(size, state, vertical=False):
    """A tab of the tab strip: rounded on the side away from the page."""
    w, h = size
    img = new(w, h)
    if vertical:
        box, corners = (0, 0, w + 3, h), (1, 0, 0, 1)      # open to the right
    else:
        box, corners = (0, 0, w, h + 3), (1, 1, 0, 0)      # open to the bottom
    face = rect_mask(size, box, 4, corners)
    ring = ring_mask(size, box, 4, 1, corners)
    base = rect_mask(size, (w - 1, 0, w, h) if vertical else (0, h - 1, w, h))
    if state == "Normal":
        paint(img, face, (236, 241, 247))
        paint(img, ring, LINE_SOFT)
        paint(img, base, LINE)
    elif state == "Hover":
        paint(img, face, (246, 249, 253))
        paint(img, ring, (186, 206, 230))
        paint(img, base, LINE)
    else:
        paint(img, face, WHITE)
        paint(img, ring, LINE)
        bar = rect_mask(size, (0, 0, 2, h) if vertical else (0, 0, w, 2))
        paint(img, ImageChops.multiply(face, bar), ACCENT)
    return img


def tab_strip_background():
    size = (40, 26)
    img = vgradient(size, (245, 248, 251), (236, 241, 246))
    paint(img, rect_mask(size, (0, 25, 40, 26)), LINE)
    return img


def strip_button(glyph_kind, state, size=(18, 18)):
    """Small square buttons of the tab strip (scroll, attach, custom, close)."""
    w, h = size
    img = new(w, h)
    face = rect_mask(size, (0, 0, w, h), 3)
    ring = ring_mask(size, (0, 0, w, h), 3)
    colour = INK2
    if state == "Hover":
        paint(img, face, TINT_SOFT)
        paint(img, ring, TINT_LINE)
        colour = ACCENT
    elif state == "Down":
        paint(img, face, TINT)
        paint(img, ring, ACCENT)
        colour = ACCENT_DARK
    elif state == "Disabled":
        colour = (190, 198, 208)
    cx, cy = w / 2, h / 2
    if glyph_kind in ("left", "right", "up", "down"):
        g = chevron(size, cx, cy, glyph_kind, 3.0, 1.5)
    elif glyph_kind == "plus":
        g = plus(size, w // 2, h // 2, 4)
    elif glyph_kind == "close":
        g = cross(size, cx, cy, 3.5, 1.4)
    else:  # custom: a menu of three lines
        g = union(*[rect_mask(size, (5, y, 13, y + 1)) for y in (5, 8, 11)])
    paint(img, g, colour)
    return img


# ================================================================ zone view


def scroll_arrow(direction):
    size = (17, 17)
    img = new(*size)
    paint(img, triangle(size, 8.5, 8.5, direction, 3.5), (150, 161, 174))
    return img


def scroll_thumb(vertical):
    """The thumb: 3-pixel caps, plain fill, a grip in its middle 10 pixels."""
    w, h = 40, 17
    size = (w, h)
    img = new(*size)
    pill = rect_mask(size, (0, 4, w, 13), 3)
    paint(img, pill, (194, 203, 214))
    for x in (18, 21):
        paint(img, rect_mask(size, (x, 7, x + 1, 10)), WHITE, 0.85)
    if vertical:
        img = img.transpose(Image.TRANSPOSE)
    return img


def zone_back(variant, state, size=(40, 40)):
    """Zone (list item) backgrounds, drawn with 8-pixel margins."""
    w, h = size
    img = new(w, h)
    full = rect_mask(size, (0, 0, w, h))
    sep = rect_mask(size, (0, h - 1, w, h))
    if variant == "card":
        card = rect_mask(size, (1, 1, w - 1, h - 2), 5)
        ring = ring_mask(size, (1, 1, w - 1, h - 2), 5)
        shadow(img, card, 0, 1, 1.0, 0.10)
        paint(img, card, WHITE if state != "Active" else TINT_SOFT)
        paint(img, ring, {"Normal": LINE_SOFT, "Hover": TINT_LINE, "Active": ACCENT}[state])
        return img
    if variant == "rounded":
        tile = rect_mask(size, (2, 1, w - 2, h - 1), 4)
        if state == "Hover":
            paint(img, tile, TINT_SOFT)
        elif state == "Active":
            paint(img, tile, TINT)
            paint(img, ring_mask(size, (2, 1, w - 2, h - 1), 4), TINT_LINE)
        return img
    # "list": full-width rows with a separator; selection gets an accent bar
    if state == "Hover":
        paint(img, full, TINT_SOFT)
    elif state == "Active":
        paint(img, full, TINT)
        if variant != "menu":
            paint(img, rect_mask(size, (0, 0, 3, h)), ACCENT)
    if variant != "menu":
        paint(img, sep, (214, 227, 244) if state == "Active" else (236, 240, 245))
    return img


def zone_node_back(state):
    size = (40, 26)
    img = new(*size)
    fill = {"Collapse": (244, 246, 249), "Expand": (237, 242, 248), "Hover": (231, 240, 251)}[state]
    paint(img, rect_mask(size, (0, 0, 40, 26)), fill)
    paint(img, rect_mask(size, (0, 25, 40, 26)), LINE_SOFT)
    if state == "Expand":
        paint(img, rect_mask(size, (0, 0, 40, 1)), WHITE)
    return img


def zone_state_icon(expanded):
    size = (12, 12)
    img = new(*size)
    paint(img, chevron(size, 6, 6, "down" if expanded else "right", 2.8, 1.4), INK2)
    return img


def head_frame(size, active, r):
    """Frame around an avatar: only the border ring, the middle stays clear."""
    w, h = size
    img = new(w, h)
    if active:
        paint(img, blur(ring_mask(size, (1, 1, w - 1, h - 1), r, 2), 1.0), ACCENT, 0.35)
        paint(img, ring_mask(size, (1, 1, w - 1, h - 1), r, 2), ACCENT)
    else:
        paint(img, ring_mask(size, (1, 1, w - 1, h - 1), r), LINE)
        paint(img, ring_mask(size, (2, 2, w - 2, h - 2), max(0, r - 1)), WHITE)
    return img


# ================================================================ popup menu

MENU_W, MENU_H = 64, 40
MENU_SHADOW = 4          # shadow columns right and rows below the body
MENU_ICON_COLUMN = 28    # tinted icon column left of the captions


def menu_background():
    """Menu body: 1-pixel outline, icon column, soft shadow right and below.

    Margins left 33, top 9, right 8, bottom 9: the left margin holds the icon
    column, the right and bottom ones the outline and the shadow."""
    w, h = MENU_W, MENU_H
    size = (w, h)
    img = new(w, h)
    body_box = (0, 0, w - MENU_SHADOW, h - MENU_SHADOW)
    body = rect_mask(size, body_box, 3)
    shadow(img, body, 2, 2, 1.3, 0.22)
    # Cut the shadow away under the body so the body stays fully opaque.
    paint(img, body, WHITE)
    paint(img, ImageChops.multiply(body, rect_mask(size, (1, 1, 1 + MENU_ICON_COLUMN, h))), (243, 246, 250))
    paint(img, ring_mask(size, body_box, 3), (190, 201, 214))
    return img


def menu_cover(background):
    """One item row of the menu background (drawn over every item at rest)."""
    row = background.crop((0, MENU_H // 2, MENU_W, MENU_H // 2 + 1))
    return row.resize((MENU_W, 22), Image.NEAREST)


def menu_highlight():
    size = (120, 22)
    return vgradient(size, (22, 126, 226), (3, 106, 206))


def menu_separator():
    return new(40, 1, LINE_SOFT)


def menu_check():
    size = (16, 16)
    img = new(*size)
    paint(img, check_mark(size, 3.5, 3.5, 9, 1.8), ACCENT)
    return img


def menu_arrow():
    size = (8, 10)
    img = new(*size)
    paint(img, triangle(size, 4, 5, "right", 3.5), INK2)
    return img


# ================================================================ panel, background


def client_panel_back():
    size = (40, 40)
    img = new(*size)
    card = rect_mask(size, (1, 1, 39, 38), 5)
    shadow(img, card, 0, 1, 1.0, 0.12)
    paint(img, card, WHITE, 0.94)
    paint(img, ring_mask(size, (1, 1, 39, 38), 5), LINE_SOFT)
    return img


# Geometry of the window background. The installer's main window is 562 x 371;
# its title strip is the top 25 pixels (the skinned form's title height) and
# its bottom bar (a 30-pixel panel inside the 3-pixel frame) starts at 338, so
# the background carries the same two bands. It is wider than any form so a
# widened message box still finds picture, not white, at its right.
BG_W, BG_H = 1024, 371
BAND_H = 25
FOOTER_Y = 338


def default_background():
    w, h = BG_W, BG_H
    size = (w, h)
    img = vgradient(size, BODY_TOP, BODY, BAND_H, FOOTER_Y)
    # Soft light in the body, and large quiet arcs from the lower right.
    paint(img, blur(ellipse_mask(size, (260, -160, 900, 200)), 70), ACCENT, 0.09)
    paint(img, blur(ellipse_mask(size, (-200, 200, 300, 520)), 60), ACCENT, 0.04)
    cx, cy = 600, FOOTER_Y + 190
    for r, a in ((560, 0.11), (470, 0.09), (380, 0.08), (290, 0.07), (200, 0.06)):
        ring = ImageChops.subtract(ellipse_mask(size, (cx - r, cy - r, cx + r, cy + r)),
                                   ellipse_mask(size, (cx - r + 1.2, cy - r + 1.2, cx + r - 1.2, cy + r - 1.2)))
        paint(img, ring, ACCENT, a)
    # Title strip: accent gradient with two faint diagonal sheens.
    band = rect_mask(size, (0, 0, w, BAND_H))
    paint_image(img, band, hgradient(size, (2, 96, 194), (12, 128, 232), 0, 700))
    for x0, x1, a in ((250, 330, 0.06), (345, 365, 0.06), (520, 640, 0.04)):
        paint(img, poly_mask(size, [(x0 + 14, 0), (x1 + 14, 0), (x1, BAND_H), (x0, BAND_H)]), WHITE, a)
    paint(img, rect_mask(size, (0, BAND_H - 1, w, BAND_H)), ACCENT_DEEP, 0.5)
    # Bottom band behind the wizard's bottom bar and its links.
    paint(img, rect_mask(size, (0, FOOTER_Y, w, h)), FOOTER)
    paint(img, rect_mask(size, (0, FOOTER_Y, w, FOOTER_Y + 1)), FOOTER_LINE)
    return img


# ================================================================ skin manifest


class Node:
    """One line of the skin manifest: a typed, named node and its children."""

    def __init__(self, kind, name, value=None, sub=0, children=()):
        self.kind, self.name, self.value, self.sub = kind, name, value, sub
        self.children = list(children)


def Dir(name, *children):
    return Node("Directory", name, children=children)


def WStr(name, value):
    return Node("WideString", name, value)


def Int(name, value):
    return Node("Int32", name, value)


def Bool(name, value):
    return Node("Bool32", name, value)


def Img(name, rel, sub):
    return Node("Binary", name, rel, sub)


def quote(s):
    out = []
    for ch in s:
        if ch in '"\\':
            out.append("\\" + ch)
        elif ch == "\n":
            out.append("\\n")
        elif ch == "\r":
            out.append("\\r")
        elif ch == "\t":
            out.append("\\t")
        elif ord(ch) < 0x20:
            out.append("\\x%02X" % ord(ch))
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def manifest_lines(nodes, level=0):
    for n in nodes:
        line = "  " * level + n.kind + " " + quote(n.name)
        if n.sub:
            line += " sub=%d" % n.sub
        if n.kind == "WideString" and n.value:
            line += " = " + quote(n.value)
        elif n.kind == "Int32":
            line += " = %d" % n.value
        elif n.kind == "Bool32":
            line += " = " + ("true" if n.value else "false")
        elif n.kind == "Binary":
            line += " = file:" + n.value
        yield line
        yield from manifest_lines(n.children, level + 1)


def utf16_len(s):
    return len(s.encode("utf-16-le")) // 2


def document_stats(nodes):
    """Node count (the document's ROOT included) and size of the compiled document."""
    count, size = 1, 4 + 24 + 10
    stack = list(nodes)
    while stack:
        n = stack.pop()
        count += 1
        size += 24 + (2 * utf16_len(n.name) + 2 if n.name else 0)
        if n.kind == "WideString" and n.value:
            size += 2 * utf16_len(n.value) + 2
        elif n.kind in ("Int32", "Bool32"):
            size += 4
        elif n.kind == "Binary":
            size += os.path.getsize(os.path.join(SKIN_DIR, n.value))
        stack.extend(n.children)
    return count, size


def font_text(name, size, colour, styles=""):
    """Skin font text; the colour is hexadecimal BBGGRR."""
    r, g, b = colour
    return '"%s", %d, [%s], [%02X%02X%02X]' % (name, size, styles, b, g, r)


SONG = "宋体"
YAHEI = "微软雅黑"


def build_skin():
    """Renders every skin image and returns the manifest's top nodes."""
    # -- form: system buttons, shadow
    sys_nodes = []
    for state in ("Normal", "Hover", "Down"):
        for kind, width in SYSBTN_SIZES:
            rel = skin_png("sysbtn/%s-%s.png" % (kind.lower(), state.lower()), sysbtn(kind, width, state, True), "band")
            sys_nodes.append(Img("%s_%s_Active.png" % (kind, state), rel, 1))
    for state in ("Normal", "Hover"):
        for kind, width in SYSBTN_SIZES:
            rel = skin_png("sysbtn/%s-%s-inactive.png" % (kind.lower(), state.lower()),
                           sysbtn(kind, width, state, False), "band")
            sys_nodes.append(Img("%s_%s_Inactive.png" % (kind, state), rel, 1))
    position = Dir("Position",
                   Int("MinBtnRight", 90), Int("MinBtnTop", 1),
                   Int("MaxBtnRight", 64), Int("MaxBtnTop", 1),
                   Int("CloseBtnRight", 38), Int("CloseBtnTop", 1))
    whole, left, top, right, bottom = shadow_images()
    shadow_nodes = [
        Img("ShadowBitmap.png", skin_png("shadow/shadow.png", whole, "body"), 2),
        Img("ShadowLeftBitmap.png", skin_png("shadow/left.png", left, "body"), 2),
        Img("ShadowTopBitmap.png", skin_png("shadow/top.png", top, "body"), 2),
        Img("ShadowRightBitmap.png", skin_png("shadow/right.png", right, "body"), 2),
        Img("ShadowBottomBitmap.png", skin_png("shadow/bottom.png", bottom, "body"), 2),
        Bool("EnabledShadow", True),
        WStr("ShadowSizeMargin", "3,3,3,5"),
        WStr("ShadowDrawMargin", "8,8,8,8"),
    ]
    skin_form = Dir("SkinForm",
                    Dir("AppCaption", Int("X", 10), Int("Y", -4)),
                    Dir("SysBtns", *sys_nodes, position),
                    Dir("Shadow", *shadow_nodes))

    states5 = ("Normal", "Hover", "Down", "Disabled", "Focused")

    def five(folder, maker, sub):
        return [Img(s + ".png", skin_png("%s/%s.png" % (folder, s.lower()), maker(s)), sub) for s in states5]

    button_node = Dir("Button", Dir("0", *five("button", lambda s: push_button((66, 21), s), 1)))
    bit_button_node = Dir("BitButton", Dir("0", *five("bitbutton", lambda s: push_button((75, 25), s), 2)))
    speed_button_node = Dir("SpeedButton", Dir("0", *five("speedbutton", lambda s: speed_button((23, 22), s), 2)))
    drop_down_node = Dir("DropDownButton", Dir("0", *five("dropdown", lambda s: dropdown_button((80, 23), s), 1)))

    # -- page control
    def page_set(folder, vertical):
        nodes = []
        tab_size = (26, 40) if vertical else (40, 26)
        for s in ("Normal", "Hover", "Down"):
            nodes.append(Img("TabBtnImg_%s.png" % s,
                             skin_png("%s/tab-%s.png" % (folder, s.lower()), tab_image(tab_size, s, vertical)), 1))
        if not vertical:
            nodes.append(Img("TabBackGround.png", skin_png(folder + "/tab-background.png", tab_strip_background()), 2))
        back, fwd = ("up", "down") if vertical else ("left", "right")
        for key, glyph, states in (("PageUpButton", back, ("Normal", "Hover", "Down", "Disabled")),
                                   ("PageDownButton", fwd, ("Normal", "Hover", "Down", "Disabled")),
                                   ("AttachButton", "plus", ("Normal", "Hover", "Down")),
                                   ("CloseButton", "close", ("Normal", "Hover", "Down")),
                                   ("CustomButton", "custom", ("Normal", "Hover", "Down"))):
            for s in states:
                file_key = key.replace("Button", "").lower()
                nodes.append(Img("%s_%s.png" % (key, s),
                                 skin_png("%s/%s-%s.png" % (folder, file_key, s.lower()), strip_button(glyph, s)), 1))
        return nodes

    page_control = Dir("PageControlEx",
                       Dir("Horizontal", Dir("0", *page_set("pagecontrol/horizontal", False))),
                       Dir("Vertical", Dir("0", *page_set("pagecontrol/vertical", True))))

    # -- zone view scroll bars
    def bar(orient, vertical):
        a, b = ("up", "down") if vertical else ("left", "right")
        folder = "scrollbar/" + orient.lower()
        return Dir(orient,
                   Img("Up.png", skin_png(folder + "/up.png", scroll_arrow(a)), 1),
                   Img("Scroll.png", skin_png(folder + "/scroll.png", scroll_thumb(vertical)), 1),
                   Img("Down.png", skin_png(folder + "/down.png", scroll_arrow(b)), 1))

    scroll_bar = Dir("ZoneViewScrollBar", Dir("0", bar("Horizontal", False), bar("Vertical", True)))

    # -- popup menu
    bkg = menu_background()
    popup = Dir("PopupMenu",
                Bool("Customize", True),
                Img("MenuArrowBitmap", skin_png("popupmenu/arrow.png", menu_arrow()), 1),
                Img("MenuBkgBitmap", skin_png("popupmenu/background.png", bkg), 2),
                Img("MenuCheck", skin_png("popupmenu/check.png", menu_check()), 1),
                Img("MenuCutling", skin_png("popupmenu/separator.png", menu_separator()), 2),
                Img("MenuHighLight", skin_png("popupmenu/highlight.png", menu_highlight()), 2),
                Img("MenuCover", skin_png("popupmenu/cover.png", menu_cover(bkg)), 2),
                Int("MenuBkgBitmapTopMargin", 9),
                Int("MenuBkgBitmapLeftMargin", 33),
                Int("MenuBkgBitmapRightMargin", 8),
                Int("MenuBkgBitmapBottomMargin", 9),
                Int("MenuBkgBitmapStretchMode", 0),
                Int("MenuCutlingDrawLeftMargin", 33),
                Int("MenuCutlingDrawRightMargin", 8),
                Int("MenuCutlingHeight", 3),
                Int("MenuCutlingDrawHeight", 1),
                Int("MenuHighLightDrawLeftMargin", 7),
                Int("MenuHighLightDrawRightMargin", 7),
                Int("MenuHighLightDrawTopMargin", -1),
                Int("MenuHighLightDrawBottomMargin", 0),
                Int("MenuIconDrawLeftMargin", 7),
                Int("MenuArrowBitmapDrawRightMargin", 20),
                Int("MenuCaptionDrawLeftMargin", 33),
                Int("MenuItemsDrawTopMargin", 8),
                Int("MenuOtherHeight", 14),
                Int("MenuOtherWidth", 74))

    zone_view = Dir("ZoneViewStyle", *zone_styles())

    head = Dir("HeadFrame", Dir("0",
                                Img("FrameActive", skin_png("headframe/active.png", head_frame((48, 48), True, 6)), 2),
                                Img("FrameNormal", skin_png("headframe/normal.png", head_frame((48, 48), False, 6)), 2),
                                Int("FrameMargin", 4)))
    panel = Dir("Panel", Img("FormClientPanelBackImage", skin_png("panel/client-back.png", client_panel_back()), 2))

    control_style = Dir("ControlStyle", button_node, drop_down_node, page_control, scroll_bar, popup,
                        speed_button_node, bit_button_node, zone_view, head, panel)

    # -- default background
    bg = default_background()
    save_jpeg(bg, os.path.join(SKIN_DIR, "images", "background", "default.jpg"), 92)
    MADE.append(("Skin", "images/background/default.jpg",
                 Image.open(os.path.join(SKIN_DIR, "images", "background", "default.jpg")).convert("RGBA"), "checker"))
    skin_mgr = Dir("SkinMgr", Dir("DefaultSkins",
                                  Img("Image", "images/background/default.jpg", 2),
                                  Int("StretchMode", 4),
                                  WStr("Margin", "0,0,0,0"),
                                  WStr("ClipMargin", "0,0,0,0")))

    info = Dir("SkinInfo", WStr("SkinName", "Default"), WStr("SkinVersion", "2013-08-04"))
    return [info, skin_form, control_style, skin_mgr]


def zone_styles():
    """The six zone view styles. Each holds only the parts its list uses."""
    styles = []

    def backs(name, variant, size=(40, 40)):
        folder = "zone/%s" % name.lower()
        return Dir("ZoneBackImage", *[
            Img(s, skin_png("%s/back-%s.png" % (folder, s.lower()), zone_back(variant, s, size)), 2)
            for s in ("Active", "Hover", "Normal")])

    def state_icons(name):
        folder = "zone/%s" % name.lower()
        return Dir("ZoneNodeStateIcons",
                   Img("Expand", skin_png(folder + "/node-expand.png", zone_state_icon(True)), 1),
                   Img("Collapse", skin_png(folder + "/node-collapse.png", zone_state_icon(False)), 1))

    def node_backs(name):
        folder = "zone/%s" % name.lower()
        return Dir("ZoneNodeBackImage", *[
            Img("%sBackImage" % s if s != "Hover" else "Hover",
                skin_png("%s/node-back-%s.png" % (folder, s.lower()), zone_node_back(s)), 2)
            for s in ("Collapse", "Expand", "Hover")])

    def head_frames(name, size, r):
        folder = "zone/%s" % name.lower()
        return Dir("ZoneHeadFrame",
                   Img("FrameActive", skin_png(folder + "/head-active.png", head_frame(size, True, r)), 2),
                   Img("FrameNormal", skin_png(folder + "/head-normal.png", head_frame(size, False, r)), 2))

    def icons(x, y):
        return Dir("ZoneIcons", Int("IconXOffset", x), Int("IconYOffset", y))

    ink, ink2, ink3 = INK, INK2, INK3
    # "NodeAcitveFont" is the key as the shipped skins spell it.
    styles.append(Dir("Default",
                      state_icons("Default"),
                      icons(8, 8),
                      backs("Default", "list"),
                      head_frames("Default", (44, 44), 6),
                      node_backs("Default"),
                      Dir("ZoneFont",
                          WStr("NodeNormalFont", font_text(SONG, 12, ink)),
                          WStr("NodeAcitveFont", font_text(SONG, 12, ink, "Bold")),
                          WStr("NodeHoverFont", font_text(SONG, 12, ACCENT)),
                          WStr("NickNormalFont", font_text(SONG, 12, ink)),
                          WStr("NickActiveFont", font_text(SONG, 12, ink, "Bold")),
                          WStr("NickHoverFont", font_text(SONG, 12, ACCENT)),
                          WStr("InfoNormalFont", font_text(SONG, 12, ink3)),
                          WStr("InfoActiveFont", font_text(SONG, 12, ink2)),
                          WStr("InfoHoverFont", font_text(SONG, 12, ink2)),
                          WStr("MainNormalFont", font_text(SONG, 12, ink)),
                          WStr("MainActiveFont", font_text(SONG, 12, ACCENT_DARK)),
                          WStr("MainHoverFont", font_text(SONG, 12, ACCENT)),
                          Int("NodeFontXOffset", 20),
                          Int("NodeFontYOffset", 5))))
    styles.append(Dir("SearchPopup",
                      backs("SearchPopup", "rounded"),
                      head_frames("SearchPopup", (36, 36), 5),
                      icons(6, 6),
                      Dir("ZoneFont",
                          WStr("NickNormalFont", font_text(SONG, 12, ink)),
                          WStr("NickHoverFont", font_text(SONG, 12, ACCENT)),
                          WStr("InfoNormalFont", font_text(SONG, 12, ink3)))))
    styles.append(Dir("TeamUser",
                      state_icons("TeamUser"),
                      backs("TeamUser", "list"),
                      head_frames("TeamUser", (44, 44), 6),
                      icons(8, 8),
                      Dir("ZoneFont",
                          WStr("NodeNormalFont", font_text(SONG, 12, ink)),
                          WStr("NodeAcitveFont", font_text(SONG, 12, ink, "Bold")),
                          WStr("NodeHoverFont", font_text(SONG, 12, ACCENT)),
                          WStr("NickNormalFont", font_text(SONG, 12, ink)),
                          WStr("InfoNormalFont", font_text(SONG, 12, ink3)),
                          Int("NodeFontXOffset", 22),
                          Int("NodeFontYOffset", 6))))
    styles.append(Dir("TeamOption",
                      state_icons("TeamOption"),
                      backs("TeamOption", "rounded", (40, 32)),
                      Dir("ZoneFont",
                          WStr("MainNormalFont", font_text(SONG, 12, ink)),
                          WStr("MainHoverFont", font_text(SONG, 12, ACCENT)))))
    styles.append(Dir("MenuList",
                      backs("MenuList", "menu", (40, 28)),
                      icons(8, 6),
                      Dir("ZoneFont",
                          WStr("MainNormalFont", font_text(SONG, 12, ink)),
                          WStr("MainActiveFont", font_text(SONG, 12, ACCENT_DARK, "Bold")),
                          WStr("MainHoverFont", font_text(SONG, 12, ACCENT)))))
    styles.append(Dir("MsgBox",
                      backs("MsgBox", "card"),
                      Dir("ZoneFont",
                          WStr("MainNormalFont", font_text(YAHEI, 9, ink)))))
    return styles


def write_manifest(nodes):
    lines = [
        "# The default skin. Generated by assets/art/generate.py: change the",
        "# generator and run it again rather than editing this file.",
        "",
    ]
    lines.extend(manifest_lines(nodes))
    with open(os.path.join(SKIN_DIR, "skin.manifest"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


# ================================================================ text layout

NO_LINE_START = set("，。、；：？！）》」』”’·…%,.;:?!)]}")
NO_LINE_END = set("（《「『“‘([{")


def _tokens(s):
    """Latin words and numbers stay whole; every CJK character is a token."""
    out, word = [], ""
    for ch in s:
        if ord(ch) < 0x2E80 and not ch.isspace():
            word += ch
            continue
        if word:
            out.append(word)
            word = ""
        out.append(ch)
    if word:
        out.append(word)
    return out


def wrap(s, px, width):
    """Breaks s into lines (lists of tokens) no wider than width, with the
    usual rules for Chinese punctuation: a closing mark never starts a line (it
    hangs past the right edge instead) and an opening mark never ends one."""
    f = font(px)
    lines, line = [], []
    for tok in _tokens(s):
        if not line and tok == " ":
            continue
        if not line or tok in NO_LINE_START or f.getlength("".join(line + [tok]).rstrip()) <= width:
            line.append(tok)
            continue
        carry = []
        while line and line[-1] in NO_LINE_END:
            carry.insert(0, line.pop())
        while line and line[-1] == " ":
            line.pop()
        lines.append(line)
        line = carry + ([] if tok == " " else [tok])
    if line:
        lines.append(line)
    return lines


def paragraph(img, x, y, s, px, width, colour, lead, justify=True):
    """Draws s wrapped to width from baseline y and returns the next baseline.

    Lines other than the last are set flush on both edges by spreading the
    spare width over the gaps between characters; every character still
    lands on a whole pixel."""
    f = font(px)
    lines = wrap(s, px, width)
    for i, toks in enumerate(lines):
        natural = f.getlength("".join(toks))
        spare = width - natural
        last = i == len(lines) - 1
        if not justify or last or spare <= 0 or len(toks) < 2 or spare > px * 2:
            text(img, (x, y), "".join(toks), px, colour)
        else:
            gap = spare / (len(toks) - 1)
            pos = 0.0
            for k, tok in enumerate(toks):
                text(img, (x + pos + gap * k, y), tok, px, colour)
                pos += f.getlength(tok)
        y += lead
    return y


# ================================================================ form pictures


def primary_face(size, box, r, state, lift=1.0):
    """The accent button face of the installer's picture buttons.

    lift scales the shadow to the room the picture leaves below the face."""
    img = new(*size)
    dy = 1 if state == "down" else 0
    x0, y0, x1, y1 = box
    shape = rect_mask(size, (x0, y0 + dy, x1, y1 + dy), r)
    if state == "normal":
        shadow(img, shape, 0, round(2 * lift), 2.2 * lift, 0.30, ACCENT_DEEP)
        grad = ((30, 134, 234), (3, 104, 204))
    elif state == "hover":
        shadow(img, shape, 0, round(3 * lift), 2.6 * lift, 0.40, ACCENT_DEEP)
        grad = ((60, 154, 244), (14, 120, 224))
    else:
        shadow(img, shape, 0, 1, 1.2 * lift, 0.22, ACCENT_DEEP)
        grad = ((2, 88, 176), (3, 100, 198))
    paint_image(img, shape, vgradient(size, grad[0], grad[1], y0, y1))
    # A fine light edge on top of the face, a darker one around it.
    top = ImageChops.multiply(ring_mask(size, (x0, y0 + dy, x1, y1 + dy), r),
                              rect_mask(size, (0, 0, size[0], y0 + dy + r)))
    paint(img, top, WHITE, 0.22 if state != "down" else 0.08)
    paint(img, ring_mask(size, (x0, y0 + dy, x1, y1 + dy), r), ACCENT_DEEP, 0.35)
    return img, dy


def secondary_face(size, box, r, state, corners=(1, 1, 1, 1)):
    """The light button face (browse, cancel)."""
    img = new(*size)
    face = rect_mask(size, box, r, corners)
    ring = ring_mask(size, box, r, 1, corners)
    if state == "normal":
        paint_image(img, face, vgradient(size, (255, 255, 255), (240, 243, 247), box[1], box[3]))
        paint(img, ring, LINE)
        return img, INK
    if state == "hover":
        paint_image(img, face, vgradient(size, (246, 250, 255), (227, 238, 252), box[1], box[3]))
        paint(img, ring, (110, 164, 230))
        return img, ACCENT_DARK
    paint_image(img, face, vgradient(size, (208, 226, 248), (222, 235, 251), box[1], box[3]))
    paint(img, ring, (52, 128, 212))
    return img, ACCENT_DEEP


def big_button(label, state):
    size = (171, 55)
    img, dy = primary_face(size, (4, 3, 167, 47), 8, state)
    text_centred(img, 85.5, 25 + dy, label, 19, WHITE, bold=True)
    return img


def browse_button(state):
    size = (81, 36)
    img, ink = secondary_face(size, (0, 0, 81, 36), 4, state, corners=(0, 1, 1, 0))
    text_centred(img, 40.5, 18 + (1 if state == "down" else 0), "浏览", 15, ink)
    return img


def path_frame():
    size = (357, 36)
    img = new(*size)
    box = (0, 0, 357, 36)
    corners = (1, 0, 0, 1)
    paint(img, rect_mask(size, box, 4, corners), WHITE)
    paint(img, ring_mask(size, box, 4, 1, corners), LINE)
    paint(img, rect_mask(size, (1, 1, 356, 2)), INK, 0.05)
    return img


def prompt_button(label, primary, state):
    size = (104, 37)
    dy = 1 if state == "down" else 0
    if primary:
        img, dy = primary_face(size, (2, 1, 102, 33), 6, state, 0.5)
        ink = WHITE
    else:
        img = new(*size)
        box = (2, 1 + dy, 102, 33 + dy)
        shape = rect_mask(size, box, 6)
        shadow(img, shape, 0, 1, 1.2, 0.12)
        face, ink = secondary_face(size, box, 6, state)
        img.alpha_composite(face)
    text_centred(img, 52, 17 + dy, label, 16, ink, bold=primary)
    return img


def bottom_bar():
    size = (562, 30)
    img = new(562, 30, FOOTER)
    paint(img, rect_mask(size, (0, 0, 562, 1)), FOOTER_LINE)
    return img


def badge_icon(kind):
    """48 x 48 round message icons: exclamation and cross on red, i and ? on blue."""
    size = (48, 48)
    img = new(*size)
    red = kind in ("exclamation", "stop")
    top, bottom = ((240, 96, 100), (206, 50, 57)) if red else ((40, 140, 238), (2, 90, 180))
    disc = ellipse_mask(size, (1, 1, 47, 47))
    shadow(img, ellipse_mask(size, (2, 2, 46, 46)), 0, 1, 1.2, 0.18)
    paint_image(img, disc, vgradient(size, top, bottom, 1, 47))
    # Soft light on the upper half, a fine darker rim.
    paint(img, ImageChops.multiply(ellipse_mask(size, (5, 3, 43, 30)), disc), WHITE, 0.10)
    paint(img, ImageChops.subtract(disc, ellipse_mask(size, (2, 2, 46, 46))), BLACK, 0.18)
    if kind == "exclamation":
        g = union(line_mask(size, [(24, 12.5), (24, 27.5)], 4.6), ellipse_mask(size, (21.2, 32.2, 26.8, 37.8)))
    elif kind == "stop":
        g = cross(size, 24, 24, 8.0, 4.4)
    elif kind == "info":
        g = union(ellipse_mask(size, (21.2, 10.2, 26.8, 15.8)), line_mask(size, [(24, 21.5), (24, 36)], 4.6))
    else:
        m = Image.new("L", (48 * SS, 48 * SS), 0)
        ImageDraw.Draw(m).text((24 * SS, 25 * SS), "?", font=font(31 * SS), fill=255, anchor="mm",
                               stroke_width=round(1.3 * SS), stroke_fill=255)
        g = m.resize(size, Image.BOX)
    paint(img, shift(g, 0, 1), ACCENT_DEEP if not red else (150, 30, 36), 0.25)
    paint(img, g, WHITE)
    return img


def card(size, box, r=8, fill=WHITE):
    img = new(*size)
    shape = rect_mask(size, box, r)
    shadow(img, shape, 0, 2, 2.5, 0.12, (12, 24, 40))
    paint(img, shape, fill)
    paint(img, ring_mask(size, box, r), LINE_SOFT)
    return img


NOTICE_ROWS = [
    ("操作系统", "Windows 7 SP1 及以上（32/64 位）"),
    ("处理器", "1 GHz 或更快的处理器"),
    ("内存", "2 GB 及以上"),
    ("硬盘空间", "至少 500 MB 可用空间"),
    ("显示器", "1024 × 768 或更高分辨率"),
    ("权限", "安装时需要管理员权限"),
]


def notice_picture():
    w, h = 376, 218
    size = (w, h)
    img = card(size, (2, 1, 374, 213))
    # Heading with an accent mark.
    mark = rect_mask(size, (20, 16, 38, 34), 4)
    paint_image(img, mark, vgradient(size, ACCENT_LIGHT, ACCENT_DARK, 16, 34))
    paint(img, check_mark(size, 24, 20.5, 10, 1.8), WHITE)
    text(img, (46, 31), "最低系统要求", 16, INK, bold=True)
    label = "Qelvane 3.0"
    text(img, (358 - round(text_width(label, 12)), 30), label, 12, INK3)
    paint(img, rect_mask(size, (18, 45, 358, 46)), LINE_SOFT)
    y = 50
    row_h = 26
    for i, (k, v) in enumerate(NOTICE_ROWS):
        if i:
            paint(img, rect_mask(size, (18, y, 358, y + 1)), (239, 242, 246))
        base = y + 18
        paint(img, rect_mask(size, (22, base - 7, 26, base - 3), 1), ACCENT)
        text(img, (34, base), k, 13, INK2)
        assert text_width(v, 13) <= 358 - 112, v
        text(img, (112, base), v, 13, INK)
        y += row_h
    assert y <= 210, y
    return img


def logo_mark(size, box):
    """The product mark: a rounded accent tile carrying a ring with a tail."""
    img = new(*size)
    x0, y0, x1, y1 = box
    tile = rect_mask(size, box, 16)
    shadow(img, tile, 0, 3, 3.0, 0.30, ACCENT_DEEP)
    paint_image(img, tile, vgradient(size, (44, 146, 242), (2, 86, 172), y0, y1))
    paint(img, ImageChops.multiply(tile, poly_mask(size, [(x0, y0), (x1, y0), (x0, y1)])), WHITE, 0.08)
    cx, cy, r = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) * 0.29
    ring = ImageChops.subtract(ellipse_mask(size, (cx - r, cy - r, cx + r, cy + r)),
                               ellipse_mask(size, (cx - r + 6, cy - r + 6, cx + r - 6, cy + r - 6)))
    tail = line_mask(size, [(cx + r * 0.30, cy + r * 0.55), (cx + r * 0.95, cy + r * 1.15)], 6)
    paint(img, union(ring, tail), WHITE)
    return img


def logo_picture():
    w, h = 321, 108
    size = (w, h)
    img = logo_mark(size, (10, 20, 76, 86))
    name = "Qelvane"
    text(img, (94, 64), name, 42, INK)
    nx = 94 + round(text_width(name, 42)) + 8
    pill = rect_mask(size, (nx, 30, nx + 44, 52), 11)
    paint(img, pill, ACCENT)
    text_centred(img, nx + 22, 41, "3.0", 15, WHITE, bold=True)
    assert nx + 44 <= w - 2, nx
    text(img, (96, 88), "安装向导", 14, INK2)
    paint(img, rect_mask(size, (160, 82, 161, 89)), LINE)
    text(img, (170, 88), "Halcyra, Inc.", 13, INK3)
    return img


RUNNING_LINES = [
    "安装程序检测到 Qelvane（Lumox.exe）正在运行。",
    "请先保存您的工作并退出 Qelvane，",
    "然后点击“重试”继续安装；",
    "点击“取消”将退出安装程序。",
]


def running_picture():
    w, h = 441, 187
    size = (w, h)
    img = card(size, (2, 1, 439, 183))
    icon = badge_icon("exclamation")
    img.alpha_composite(icon, (22, 24))
    text(img, (88, 46), "Qelvane 正在运行", 18, INK, bold=True)
    y = 80
    for line in RUNNING_LINES:
        text(img, (88, y), line, 14, INK2)
        y += 24
    assert y <= 180, y
    return img


LICENCE_TITLE = "Qelvane 3.0 最终用户许可协议"

LICENCE = [
    ("p", "重要提示：请您在安装、复制或使用 Qelvane 3.0 软件（以下简称“本软件”）之前，仔细阅读并充分理解"
          "本《最终用户许可协议》（以下简称“本协议”）的全部内容，特别是免除或限制责任的条款。本协议是您"
          "（个人或单一实体，以下简称“您”）与 Halcyra, Inc.（以下简称“本公司”）之间就本软件的使用所订立"
          "的法律协议。您勾选“我已阅读并同意”、安装或以其他方式使用本软件，即表示您同意接受本协议各项条款的"
          "约束。如果您不同意本协议的任何条款，请不要安装或使用本软件，并退出安装程序。"),
    ("h", "一、定义"),
    ("p", "本协议所称“本软件”，是指 Qelvane 3.0 的计算机程序、安装程序、相关组件、文档、图像、界面设计，"
          "以及本公司此后可能提供的更新和补丁；“设备”是指安装并运行本软件的个人计算机或其他终端。"),
    ("h", "二、许可的授予"),
    ("p", "2.1 在您遵守本协议的前提下，本公司授予您一项个人的、非独占的、不可转让的、可撤销的有限许可，"
          "允许您在您拥有或合法控制的设备上安装和使用本软件。"),
    ("p", "2.2 您可以为备份目的制作本软件的一份副本，但该副本须保留本软件中的全部版权声明和权利标识。"),
    ("p", "2.3 本协议未明确授予您的一切权利，均由本公司保留。"),
    ("h", "三、使用限制"),
    ("p", "除非法律明确允许或本公司书面同意，您不得："),
    ("p", "（1）对本软件进行反向工程、反向编译或反汇编，或以其他方式尝试获取本软件的源代码；"),
    ("p", "（2）修改、翻译本软件，或基于本软件制作衍生作品；"),
    ("p", "（3）出租、出借、出售、再许可或以其他方式向第三方提供本软件；"),
    ("p", "（4）删除、遮盖或更改本软件中的版权声明、商标或其他权利标识；"),
    ("p", "（5）利用本软件从事违反法律法规或侵害他人合法权益的活动；"),
    ("p", "（6）绕过或破坏本软件所采取的技术保护措施。"),
    ("h", "四、知识产权"),
    ("p", "本软件（包括但不限于其中的程序代码、图像、文字、界面设计和文档）的著作权、商标权及其他知识产权"
          "均归本公司或其许可方所有，受中华人民共和国著作权法及相关国际条约的保护。本协议不构成任何知识产权"
          "的转让。“Qelvane”名称及其标识是本公司的商标，未经本公司书面许可，您不得使用。"),
    ("h", "五、用户信息与隐私"),
    ("p", "5.1 为提供和改进服务，本软件可能收集必要的设备信息，例如操作系统版本、软件版本号和错误报告。"
          "上述信息不包含您的文档内容。"),
    ("p", "5.2 本公司将依照适用的法律法规和本公司公布的隐私政策处理上述信息；未经您的同意，不会向任何第三方"
          "出售或提供您的个人信息，但法律法规另有规定的除外。"),
    ("h", "六、更新与服务"),
    ("p", "6.1 为改进功能、修复缺陷或提升安全性，本公司可能不时提供本软件的更新。某些更新可能是继续使用本软件"
          "所必需的。"),
    ("p", "6.2 本公司有权根据业务需要调整、中止或终止本软件的部分功能或服务，并将以适当方式通知您。"),
    ("h", "七、免责声明"),
    ("p", "在适用法律允许的最大范围内，本软件按“现状”提供，本公司不作任何明示或默示的保证，包括但不限于对"
          "适销性、特定用途适用性以及无错误或不间断运行的保证。您应自行承担使用本软件的风险，并对重要数据做好"
          "备份。"),
    ("h", "八、责任限制"),
    ("p", "在适用法律允许的最大范围内，本公司在任何情况下均不对因使用或无法使用本软件而引起的任何间接的、附带的"
          "或后果性的损害（包括但不限于数据丢失、业务中断或利润损失）承担责任，即使本公司已被告知发生此类损害"
          "的可能性。本公司在本协议项下的全部责任，以您为获得本软件实际支付的金额为限。"),
    ("h", "九、协议的终止"),
    ("p", "如果您违反本协议的任何条款，本公司有权随时终止本协议。协议终止后，您应立即停止使用并卸载本软件，"
          "销毁其全部副本。本协议第四、七、八、十条在协议终止后继续有效。"),
    ("h", "十、法律适用与争议解决"),
    ("p", "本协议的订立、执行、解释及争议的解决均适用中华人民共和国法律。因本协议引起的或与本协议有关的任何"
          "争议，双方应首先友好协商解决；协商不成的，任何一方均可向本公司所在地有管辖权的人民法院提起诉讼。"),
    ("h", "十一、其他"),
    ("p", "11.1 本协议构成您与本公司之间关于本软件的完整协议，取代此前双方就同一事项达成的任何口头或书面约定。"),
    ("p", "11.2 本公司可在必要时修订本协议，修订后的协议随本软件的新版本一并发布。您继续使用本软件的，视为"
          "接受修订后的协议。"),
    ("p", "11.3 如您对本协议有任何疑问，请通过本软件“帮助”菜单中提供的联系方式与本公司联系。"),
]


def licence_picture():
    w, h = 541, 1744
    size = (w, h)
    img = new(w, h, WHITE)
    left, right = 26, w - 26
    text_centred(img, w / 2, 34, LICENCE_TITLE, 20, INK, bold=True)
    sub = "请您在安装前仔细阅读以下条款"
    text_centred(img, w / 2, 60, sub, 12, INK3)
    paint(img, rect_mask(size, (left, 78, right, 79)), LINE_SOFT)
    paint(img, rect_mask(size, (w // 2 - 20, 77, w // 2 + 20, 80)), ACCENT)
    y = 104
    body, lead, gap = 13, 21, 5
    for kind, s in LICENCE:
        if kind == "h":
            y += 8
            paint(img, rect_mask(size, (left, y - 12, left + 3, y + 1)), ACCENT)
            text(img, (left + 10, y), s, 15, INK, bold=True)
            y += 24
            continue
        y = paragraph(img, left, y, s, body, right - left, (52, 63, 76), lead) + gap
    y += 14
    text(img, (right - round(text_width("Halcyra, Inc.", 13)), y), "Halcyra, Inc.", 13, INK2)
    assert y + 20 <= h, y
    print("licence text ends at %d of %d" % (y, h))
    return img


def build_forms():
    form_png("notice.png", notice_picture(), "Notice page (img1): the minimum system requirements", "body")
    form_png("logo.png", logo_picture(), "Option, progress and finished pages (imgLogin1, img2, img4): logo with name and version", "body")
    state_names = ("Nor", "Hov", "Down")
    for label, stem, prefix, owners in (("确定安装", "btn-confirm", "imgOK", "imgOKButton and imgOkInstall"),
                                        ("立刻安装", "btn-install", "imgFast", "imgFastButtom"),
                                        ("完成安装", "btn-finish", "imgFinished", "imgFinishedButton")):
        for state, suffix in zip(("normal", "hover", "down"), state_names):
            form_png("%s-%s.png" % (stem, state), big_button(label, state),
                     "%s%s: %s button, %s (%s)" % (prefix, suffix, label, state, owners), "body")
    for state, suffix in zip(("normal", "hover", "down"), state_names):
        form_png("btn-browse-%s.png" % state, browse_button(state),
                 "imgSelect%s: 浏览 button, %s (imgSelect)" % (suffix, state), "body")
    form_png("path-frame.png", path_frame(), "Path page (imgPathBack): the frame behind the install-path edit", "body")
    form_png("bottom-bar.png", bottom_bar(), "Bottom bar of the wizard (img3 on pnlBack)", "body")
    for label, stem, primary, prefix in (("重试", "btn-retry", True, "imgUnStall"),
                                         ("取消", "btn-cancel", False, "imgCancel")):
        for state, suffix in zip(("normal", "hover", "down"), state_names):
            form_png("%s-%s.png" % (stem, state), prompt_button(label, primary, state),
                     "%s%s: %s button of the product-running prompt, %s (%s)" % (prefix, suffix, label, state, prefix),
                     "body")
    form_png("running-message.png", running_picture(), "Product-running prompt (img1): the message", "body")
    for kind, index, what in (("exclamation", 0, "exclamation mark on red"), ("stop", 1, "cross on red"),
                              ("info", 2, "\"i\" on blue"), ("question", 3, "question mark on blue")):
        form_png("icon-%s.png" % kind, badge_icon(kind),
                 "Message box icon list (imglstHint) index %d: %s" % (index, what), "body")
    form_png("licence.png", licence_picture(), "Agreement form (img1 in scrlbx1): the licence text", "checker")
    write_forms_readme()


def write_forms_readme():
    lines = [
        "# Installer form pictures",
        "",
        "Pictures stored with the installer's form definitions (not part of the skin).",
        "All are 8-bit RGBA PNG files made by `assets/art/generate.py`; change the",
        "generator and run it again (`/usr/bin/python3 assets/art/generate.py`) rather",
        "than editing them. Hover and down states keep the normal picture's size and",
        "outline so that swapping them in does not move anything.",
        "",
        "| File | Size | Use |",
        "|---|---|---|",
    ]
    for name, (w, h), use in FORM_FILES:
        lines.append("| `%s` | %d × %d | %s |" % (name, w, h, use))
    lines += [
        "",
        "## Fitting notes",
        "",
        "- The pictures are drawn for the default skin's background: a 25-pixel accent",
        "  title strip, a light body and, from y = 338 down, the light band that",
        "  `bottom-bar.png` continues (its top row is the band's hairline). Text",
        "  placed directly on the body reads best in a dark colour; white text only on",
        "  the title strip.",
        "- `path-frame.png` is rounded on the left only and `btn-browse-*.png` on the",
        "  right only: at their form positions (62/77 and 418/77) they overlap by one",
        "  column and share that border, reading as one input group. The frame's",
        "  inside is white, like the borderless edit that lies in it.",
        "- The big buttons keep their face in the top 47 rows and a soft shadow below;",
        "  the down state moves the face one pixel down.",
        "- `running-message.png` and `notice.png` are cards with their own soft",
        "  shadow and transparent corners, for transparent picture controls.",
        "",
    ]
    with open(os.path.join(FORMS_DIR, "README.md"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))


# ================================================================ previews
# Rough mock-ups of the installer's windows put together from the art above,
# so the contact sheet shows the pieces in place. Fonts and the toolkit's own
# controls (check boxes, progress bar) are only approximated.


def nine_grid(src, size, margins):
    """src stretched to size with the fixed corners and edges of margins (l, t, r, b)."""
    l, t, r, b = margins
    sw, sh = src.size
    w, h = size
    out = new(w, h)
    xs = [(0, l, 0, l), (l, sw - r, l, w - r), (sw - r, sw, w - r, w)]
    ys = [(0, t, 0, t), (t, sh - b, t, h - b), (sh - b, sh, h - b, h)]
    for sx0, sx1, dx0, dx1 in xs:
        for sy0, sy1, dy0, dy1 in ys:
            if sx1 > sx0 and sy1 > sy0 and dx1 > dx0 and dy1 > dy0:
                piece = src.crop((sx0, sy0, sx1, sy1)).resize((dx1 - dx0, dy1 - dy0), Image.BILINEAR)
                out.alpha_composite(piece, (dx0, dy0))
    return out


def _skin(rel):
    return Image.open(os.path.join(SKIN_DIR, "images", rel)).convert("RGBA")


def _form(name):
    return Image.open(os.path.join(FORMS_DIR, name)).convert("RGBA")


def window(w, h, caption="", maximise=False, minimise=True):
    """A skinned form of client size w x h: background, caption, system buttons."""
    bg = _skin("background/default.jpg")
    form = new(w, h, WHITE)
    form.alpha_composite(bg.crop((0, 0, min(w, bg.width), min(h, bg.height))))
    if caption:
        m = text_mask(form.size, (10, -1), caption, 16, "la", bold=True)
        paint(form, blur(shift(m, 1, 1), 0.8), BLACK, 0.45)
        paint(form, m, WHITE)
    buttons = [("close", w - 38)]
    if maximise:
        buttons.append(("max", w - 64))
    if minimise:
        buttons.append(("min", w - (90 if maximise else 64)))
    for kind, x in buttons:
        form.alpha_composite(_skin("sysbtn/%s-normal.png" % kind), (x, 1))
    return form


def framed(form):
    """The form clipped to its rounded region and laid on its shadow."""
    w, h = form.size
    out = nine_grid(_skin("shadow/shadow.png"), (w + 6, h + 8), (8, 8, 8, 8))
    region = rect_mask(form.size, (0, 0, w + 1, h + 1), 3)
    clipped = form.copy()
    clipped.putalpha(ImageChops.multiply(form.getchannel("A"), region))
    out.alpha_composite(clipped, (3, 3))
    pad = new(w + 26, h + 28, BODY_TOP)
    pad = checker(pad.size, 8)
    pad.alpha_composite(out, (10, 10))
    return pad


def check_box(img, x, y, caption, colour):
    size = img.size
    paint(img, rect_mask(size, (x, y + 1, x + 15, y + 16)), (161, 191, 210))
    paint(img, rect_mask(size, (x + 1, y + 2, x + 14, y + 15)), WHITE)
    paint(img, line_mask(size, [(x + 4, y + 8), (x + 7, y + 11), (x + 12, y + 5)], 2), (112, 165, 10))
    text(img, (x + 19, y + 14), caption, 14, colour)


def wizard_page(page):
    w, h = 562, 371
    form = window(w, h)
    px, py = 3, 28
    bar_colour = (20, 90, 200)
    if page == 0:
        form.alpha_composite(_form("notice.png"), (px + 96, py + 13))
        form.alpha_composite(_form("btn-confirm-normal.png"), (px + 186, py + 237))
    elif page == 1:
        form.alpha_composite(_form("logo.png"), (px + 106, py + 43))
        form.alpha_composite(_form("btn-install-hover.png"), (px + 193, py + 184))
    elif page == 2:
        form.alpha_composite(_form("path-frame.png"), (px + 62, py + 77))
        paint(form, rect_mask(form.size, (px + 66, py + 85, px + 414, py + 112)), WHITE)
        text(form, (px + 70, py + 104), "C:\\Program Files\\Norventa", 13, BLACK)
        form.alpha_composite(_form("btn-browse-normal.png"), (px + 418, py + 77))
        form.alpha_composite(_form("btn-confirm-normal.png"), (px + 183, py + 171))
    elif page == 3:
        form.alpha_composite(_form("logo.png"), (px + 122, py + 30))
        text(form, (px + 90, py + 169), "正在复制文件...", 12, BLACK)
        paint(form, rect_mask(form.size, (px + 90, py + 181, px + 512, py + 198)), (230, 230, 230))
        paint(form, ring_mask(form.size, (px + 90, py + 181, px + 512, py + 198)), (188, 188, 188))
        paint(form, rect_mask(form.size, (px + 91, py + 182, px + 330, py + 197)), (6, 176, 37))
    elif page == 4:
        form.alpha_composite(_form("logo.png"), (px + 109, py + 21))
        check_box(form, px + 109, py + 163, "立即运行", INK)
        check_box(form, px + 293, py + 163, "访问Morvel网站", INK)
        form.alpha_composite(_form("btn-finish-normal.png"), (px + 186, py + 211))
    if page in (0, 3, 4):
        form.alpha_composite(_form("bottom-bar.png").resize((556, 30), Image.BILINEAR), (3, 338))
    else:
        oy = 371 - 3 - 35
        if page == 1:
            check_box(form, px + 3 + 9, oy + 12 + 2, "", INK)
            text(form, (px + 3 + 27, oy + 12 + 16), "我已阅读并同意", 16, BLACK)
            m = text_mask(form.size, (px + 3 + 143, oy + 12 + 16), "许可协议", 16)
            paint(form, m, bar_colour)
            paint(form, rect_mask(form.size, (px + 146, oy + 30, px + 146 + 64, oy + 31)), bar_colour)
            text(form, (px + 354, oy + 12 + 16), " 返回上一步", 16, bar_colour)
            text(form, (px + 453, oy + 12 + 16), "自定义安装>>", 16, bar_colour)
        else:
            text(form, (px + 453, oy + 12 + 16), "返回上一步>>", 16, bar_colour)
    return framed(form)


def cancel_prompt():
    form = window(375, 232, "提示", minimise=False)
    form.alpha_composite(_form("icon-info.png"), (16 + 9, 18 + 29))
    text(form, (16 + 76, 18 + 42 + 14), "您确定要退出Qelvane的安装吗?", 12, INK)
    for x, label, state in ((184, "否", "normal"), (256, "是", "hover")):
        form.alpha_composite(_skin("button/%s.png" % state), (16 + x, 18 + 169))
        text_centred(form, 16 + x + 33, 18 + 169 + 12, label, 12, BLACK)
    return framed(form)


def running_prompt():
    form = window(506, 296, minimise=False)
    form.alpha_composite(_form("running-message.png"), (31, 24 + 3))
    form.alpha_composite(_form("btn-retry-hover.png"), (95, 24 + 205))
    form.alpha_composite(_form("btn-cancel-normal.png"), (299, 24 + 206))
    return framed(form)


def message_box():
    form = window(300, 145, "提示", minimise=False)
    form.alpha_composite(_form("icon-question.png"), (2 + 9, 34 + 29))
    text(form, (2 + 76, 34 + 42 + 14), "要继续吗？", 12, INK)
    for i, (label, state) in enumerate((("是", "focused"), ("否", "normal"))):
        x = 2 + 289 - (2 - i) * (66 + 20)
        form.alpha_composite(_skin("button/%s.png" % state), (x, 34 + 107 - 21 - 15))
        text_centred(form, x + 33, 34 + 107 - 21 - 15 + 12, label, 12, BLACK)
    return framed(form)


def popup_menu():
    """A skinned popup menu laid out by the popup-menu settings of the skin."""
    items = [("打开", "item"), ("保存", "checked"), ("", "line"), ("导出为", "sub"), ("设置", "hot"), ("退出", "item")]
    widest = max(text_width(c, 12) for c, _ in items)
    w = int(widest) + 74
    h = 14 + sum(3 if k == "line" else 22 for _, k in items)
    img = nine_grid(_skin("popupmenu/background.png"), (w, h), (33, 9, 8, 9))
    cover, high = _skin("popupmenu/cover.png"), _skin("popupmenu/highlight.png")
    y = 8
    for caption, kind in items:
        ih = 3 if kind == "line" else 22
        if kind == "hot":
            piece = high.resize((w - 14, 22), Image.BILINEAR)
            img.paste(piece, (7, y - 1))
        else:
            piece = nine_grid(cover, (w, 22), (33, 0, 8, 0))
            img.paste(piece, (0, y - 1), None)
        if kind == "line":
            img.alpha_composite(_skin("popupmenu/separator.png").resize((w - 41, 1)), (33, y))
        else:
            if kind == "checked":
                img.alpha_composite(_skin("popupmenu/check.png"), (11, y + 3))
            if kind == "sub":
                arrow = _skin("popupmenu/arrow.png")
                img.alpha_composite(arrow, (w - 20, y + (22 - arrow.height) // 2))
            text(img, (33, y + 15), caption, 12, (240, 240, 240) if kind == "hot" else BLACK)
        y += ih
    pad = checker((w + 20, h + 20), 8)
    pad.alpha_composite(img, (10, 10))
    return pad


def previews():
    items = []
    for page in range(5):
        items.append(("wizard page %d (mock-up)" % page, wizard_page(page)))
    items.append(("cancel prompt (mock-up)", cancel_prompt()))
    items.append(("product-running prompt (mock-up)", running_prompt()))
    items.append(("message box (mock-up)", message_box()))
    items.append(("popup menu (mock-up)", popup_menu()))
    for label, img in items:
        MADE.append(("Previews", label, img, "none"))


# ================================================================ contact sheet

SHEET_W = 1500


def checker(size, cell=6):
    w, h = size
    img = Image.new("RGBA", size, (255, 255, 255, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, h, cell):
        for x in range(0, w, cell):
            if (x // cell + y // cell) % 2:
                d.rectangle((x, y, x + cell - 1, y + cell - 1), fill=(228, 231, 236, 255))
    return img


def backdrop(kind, size):
    if kind == "none":
        return Image.new("RGBA", size, (255, 255, 255, 255))
    if kind == "band":
        return Image.new("RGBA", size, (6, 112, 214, 255))
    if kind == "body":
        return Image.new("RGBA", size, BODY + (255,))
    return checker(size)


def tile(label, img, kind):
    """One image on its backdrop with its file name under it; small images
    also appear four times enlarged so their pixels can be checked."""
    w, h = img.size
    zoom = 1 if kind == "none" else (4 if w <= 48 and h <= 48 else (2 if w <= 128 and h <= 64 else 1))
    pad = 6
    views = [1] if zoom == 1 else [1, zoom]
    vw = sum(w * z for z in views) + pad * (len(views) - 1)
    vh = max(h * z for z in views)
    lw = text_width(label, 12)
    tw = int(max(vw, lw)) + 2 * pad
    th = vh + 2 * pad + 18
    t = Image.new("RGBA", (tw, th), (255, 255, 255, 255))
    x = pad
    for z in views:
        v = img if z == 1 else img.resize((w * z, h * z), Image.NEAREST)
        bd = backdrop(kind, v.size)
        bd.alpha_composite(v)
        t.paste(bd, (x, pad))
        x += w * z + pad
    text(t, (pad, th - 6), label, 12, INK2)
    return t


def contact_sheet():
    sections = []
    for section in ("Previews", "Skin", "Forms"):
        items = [(lbl, img, bd) for s, lbl, img, bd in MADE if s == section]
        sections.append((section, items))
    canvas_tiles = []
    y = 10
    for section, items in sections:
        canvas_tiles.append(("title", section, (12, y + 24)))
        y += 36
        x, row_h = 10, 0
        for lbl, img, bd in items:
            t = tile(lbl, img, bd)
            if t.width > SHEET_W - 20:
                t = t.resize((SHEET_W - 20, round(t.height * (SHEET_W - 20) / t.width)), Image.LANCZOS)
            if x + t.width > SHEET_W - 10:
                x, y, row_h = 10, y + row_h + 8, 0
            canvas_tiles.append(("tile", t, (x, y)))
            x += t.width + 8
            row_h = max(row_h, t.height)
        y += row_h + 16
    sheet = Image.new("RGBA", (SHEET_W, y), (233, 237, 242, 255))
    for kind, obj, pos in canvas_tiles:
        if kind == "title":
            text(sheet, pos, obj, 20, INK)
        else:
            sheet.alpha_composite(obj, pos)
    os.makedirs(os.path.dirname(SHEET_FILE), exist_ok=True)
    sheet.convert("RGB").save(SHEET_FILE, "PNG", optimize=True)


def main():
    nodes = build_skin()
    write_manifest(nodes)
    count, size = document_stats(nodes)
    print("skin: %d nodes, %d bytes compiled" % (count, size))
    build_forms()
    previews()
    contact_sheet()


if __name__ == "__main__":
    main()
