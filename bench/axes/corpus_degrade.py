"""What happens to a figure after it is drawn: a scan's slight turn, blur and noise, and JPEG."""

import numpy as np
from PIL import Image, ImageFilter

from corpus_truth import rotation_about_middle


def choose(rng):
    """The degradation of one figure: clean (three in five), JPEG (one in five) or scanned (one
    in five: turned by up to 2 degrees, blurred, noisy, now and then also saved as JPEG)."""
    r = rng.random()
    if r < 0.6:
        return {"kind": "clean"}
    if r < 0.8:
        return {"kind": "jpeg", "quality": int(rng.integers(45, 91))}
    angle = float(rng.uniform(0.2, 2.0)) * (1 if rng.random() < 0.5 else -1)
    return {
        "kind": "scan",
        "angle": round(angle, 3),
        "margin": int(rng.integers(10, 60)),
        "blur": round(float(rng.uniform(0.3, 1.0)), 2),
        "noise": round(float(rng.uniform(2.0, 9.0)), 2),
        "paper": round(float(rng.uniform(0.0, 18.0)), 1),
        "specks": int(rng.integers(0, 400)),
        "quality": int(rng.integers(60, 93)) if rng.random() < 0.4 else None,
    }


def bound_px(degradation):
    """The error a calibration of such a picture may have: 1 px, 2 px on JPEG or turned ones."""
    return 1.0 if degradation["kind"] == "clean" else 2.0


def apply(image, degradation, rng):
    """The degraded picture (PIL, RGB) and the 3 x 3 matrix that moves its pixels (identity
    unless turned)."""
    image = image.convert("RGB")
    rotation = np.eye(3)
    if degradation["kind"] == "scan":
        # A scan has paper around the figure: a white margin, then the turn.
        margin = degradation["margin"]
        padded = Image.new("RGB", (image.width + 2 * margin, image.height + 2 * margin), (255, 255, 255))
        padded.paste(image, (margin, margin))
        image = padded
        shift = np.array([[1.0, 0.0, margin], [0.0, 1.0, margin], [0.0, 0.0, 1.0]])
        angle = degradation["angle"]
        rotation = rotation_about_middle(image.width, image.height, angle) @ shift
        image = image.rotate(angle, resample=Image.BICUBIC, fillcolor=(255, 255, 255))
        image = image.filter(ImageFilter.GaussianBlur(degradation["blur"]))
        a = np.asarray(image, float)
        h, w = a.shape[:2]
        # Uneven paper: a tone that darkens toward one corner.
        yy, xx = np.mgrid[0:h, 0:w]
        gx, gy = rng.uniform(-1, 1, 2)
        tone = degradation["paper"] * (0.5 + 0.5 * (gx * (xx / w - 0.5) + gy * (yy / h - 0.5)))
        a = a - tone[:, :, None] * np.array([0.8, 0.9, 1.1])
        a = a + rng.normal(0.0, degradation["noise"], a.shape[:2])[:, :, None]
        for _ in range(degradation["specks"]):
            y, x = int(rng.integers(0, h)), int(rng.integers(0, w))
            a[y:y + int(rng.integers(1, 3)), x:x + int(rng.integers(1, 3))] = rng.uniform(0, 120)
        image = Image.fromarray(np.clip(a, 0, 255).astype(np.uint8))
    return image, rotation


def save(image, degradation, stem):
    """Writes the picture as PNG, or JPEG where the degradation says so; returns the file name."""
    quality = degradation.get("quality")
    if quality:
        path = stem + ".jpg"
        image.save(path, quality=quality)
    else:
        path = stem + ".png"
        image.save(path, compress_level=3)
    return path
