"""Pictures with no axes, drawn without a plotting program: a photo-like picture (smooth
colour fields, edges, grain) and a page of text (paragraphs with numbers in them, now and then
a ruled table of numbers)."""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONTS = ["/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
         "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf"]
WORDS = ("the of and a to in is was for on that with as by at from it this be are or an which were "
         "measured value sample rate figure table section results shown below method error mean "
         "temperature pressure signal data series test model range level").split()


def _size(rng):
    longer = int(rng.integers(400, 1601))
    shorter = int(round(longer * rng.uniform(0.6, 0.95)))
    return (longer, shorter) if rng.random() < 0.6 else (shorter, longer)


def photo(rng):
    """Smooth fields of colour at several scales, a few hard edges and lines, and grain."""
    w, h = _size(rng)
    a = np.zeros((h, w, 3))
    for scale in (4, 16, 64):
        small = rng.uniform(0, 255, (max(2, h // scale), max(2, w // scale), 3)).astype(np.uint8)
        layer = np.asarray(Image.fromarray(small).resize((w, h), Image.BICUBIC), float)
        a += layer * {4: 0.2, 16: 0.3, 64: 0.5}[scale]
    image = Image.fromarray(np.clip(a, 0, 255).astype(np.uint8))
    draw = ImageDraw.Draw(image)
    for _ in range(int(rng.integers(2, 12))):
        x0, y0 = int(rng.integers(0, w)), int(rng.integers(0, h))
        x1, y1 = int(rng.integers(0, w)), int(rng.integers(0, h))
        colour = tuple(int(c) for c in rng.integers(0, 256, 3))
        if rng.random() < 0.5:
            draw.rectangle([min(x0, x1), min(y0, y1), max(x0, x1), max(y0, y1)], fill=colour)
        else:
            draw.line([x0, y0, x1, y1], fill=colour, width=int(rng.integers(1, 6)))
    image = image.filter(ImageFilter.GaussianBlur(float(rng.uniform(0.5, 3.0))))
    a = np.asarray(image, float) + rng.normal(0, rng.uniform(2, 12), (h, w, 1))
    return Image.fromarray(np.clip(a, 0, 255).astype(np.uint8)), {"variant": "photo"}


def _sentence(rng):
    words = []
    for _ in range(int(rng.integers(6, 16))):
        r = rng.random()
        if r < 0.1:
            words.append("%g" % round(float(rng.uniform(-100, 1000)), int(rng.integers(0, 3))))
        elif r < 0.13:
            words.append("(%d)" % rng.integers(1, 40))
        else:
            words.append(str(rng.choice(WORDS)))
    return " ".join(words).capitalize() + "."


def text_page(rng):
    """Paragraphs, a numbered heading, and now and then a ruled table of numbers."""
    w, h = _size(rng)
    image = Image.new("RGB", (w, h), "white")
    draw = ImageDraw.Draw(image)
    size = int(rng.integers(11, 22))
    font = ImageFont.truetype(str(rng.choice(FONTS)), size)
    margin = int(w * 0.08)
    y = margin
    table = rng.random() < 0.4
    variant = "text-table" if table else "text"
    draw.text((margin, y), "%d.%d %s" % (rng.integers(1, 9), rng.integers(1, 9), rng.choice(WORDS).title()),
              fill="black", font=font)
    y += int(size * 2)
    while y < h - margin:
        if table and y > h * 0.4:
            cols = int(rng.integers(3, 6))
            cw = (w - 2 * margin) // cols
            draw.line([margin, y, w - margin, y], fill="black", width=1)
            for r in range(int(rng.integers(3, 8))):
                for c in range(cols):
                    draw.text((margin + c * cw + 4, y + 4 + r * (size + 6)), "%.2f" % rng.uniform(0, 100),
                              fill="black", font=font)
            y += 4 + int(rng.integers(3, 8)) * (size + 6)
            draw.line([margin, y, w - margin, y], fill="black", width=1)
            table = False
            y += size * 2
            continue
        line = ""
        while draw.textlength(line, font=font) < w - 2 * margin - size * 6:
            line += _sentence(rng) + " "
        draw.text((margin, y), line.strip(), fill="black", font=font)
        y += int(size * 1.5)
    return image, {"variant": variant}
