#!/usr/bin/env python3
"""Writes tandrel.ico and pic.bmp beside this script; run it again after changing the artwork."""

import math
import struct
from dataclasses import dataclass
from pathlib import Path

HERE = Path(__file__).resolve().parent

OUTLINE = (70, 45, 24)
BOX_TOP = (243, 204, 140)
BOX_LEFT = (221, 164, 92)
BOX_RIGHT = (186, 128, 62)
TAPE_TOP = (214, 170, 108)
TAPE_RIGHT = (160, 108, 50)
BADGE = (214, 58, 52)
BADGE_RIM = (150, 30, 28)
WHITE = (255, 255, 255)

BANNER_BACKGROUND = (244, 247, 251)
TEXT = (31, 58, 95)
TEXT_SHADOW = (196, 207, 222)

# The program loads the banner squeezed from 65 to 55 rows; drawing it that much taller keeps
# the emblem round and the letters upright on screen.
BANNER_WIDTH, BANNER_HEIGHT = 177, 65
SHOWN_HEIGHT = 55
STRETCH = BANNER_HEIGHT / SHOWN_HEIGHT

SAMPLES = 6

# The emblem spans 0..1 both ways: an isometric box, taped shut, with a round "remove" badge
# over its lower right corner.
BOX_X = (0.04, 0.42, 0.80)
BOX_Y = (0.05, 0.24, 0.43, 0.68, 0.87)
TAPE_HALF_WIDTH = 0.13
BADGE_CENTRE = (0.72, 0.72)
BADGE_RADIUS = 0.255
BAR_SIZE = (0.30, 0.09)


@dataclass
class EmblemLayout:
    silhouette: list
    top_face: list
    right_face: list
    tape_lid: list
    tape_front: list
    inner_edges: list
    stroke: float
    inner_stroke: float
    badge_centre: tuple
    bar_half_size: tuple


def snap(value, pixels, line_pixels):
    """Moves the centre of a line line_pixels wide so that it covers whole pixels, not two halves."""
    return (round(value * pixels - line_pixels / 2) + line_pixels / 2) / pixels


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def emblem_layout(width, height):
    """The emblem's shapes for one output size, its vertical lines and the bar of the badge moved
    onto the pixel grid and its outline kept one pixel wide at 16 and 32, two at 48."""
    stroke_pixels = max(1, round(width / 24))
    left, right = (snap(x, width, stroke_pixels) for x in (BOX_X[0], BOX_X[2]))
    middle = snap(BOX_X[1], width, 1)
    top, shoulder, centre, foot, bottom = BOX_Y
    corner = {"top": (middle, top), "upper_right": (right, shoulder), "centre": (middle, centre),
              "upper_left": (left, shoulder), "lower_right": (right, foot), "bottom": (middle, bottom),
              "lower_left": (left, foot)}
    near, far = 0.5 - TAPE_HALF_WIDTH, 0.5 + TAPE_HALF_WIDTH

    def across(a, b, c, d):
        return [lerp(corner[a], corner[b], near), lerp(corner[a], corner[b], far),
                lerp(corner[c], corner[d], far), lerp(corner[c], corner[d], near)]

    bar_pixels = (max(4, round(BAR_SIZE[0] * width)), max(2, round(BAR_SIZE[1] * height)))
    return EmblemLayout(
        silhouette=[corner[k] for k in
                    ("top", "upper_right", "lower_right", "bottom", "lower_left", "upper_left")],
        top_face=[corner[k] for k in ("top", "upper_right", "centre", "upper_left")],
        right_face=[corner[k] for k in ("centre", "upper_right", "lower_right", "bottom")],
        # The tape runs over the lid and on down the right face, as on a closed carton.
        tape_lid=across("upper_left", "top", "centre", "upper_right"),
        tape_front=across("centre", "upper_right", "bottom", "lower_right"),
        inner_edges=[(corner["centre"], corner[k]) for k in ("upper_left", "upper_right", "bottom")],
        stroke=stroke_pixels / width,
        # At 16 x 16 the faces' shading alone tells them apart; a line would only blur them.
        inner_stroke=1 / width if width >= 32 else 0.0,
        badge_centre=(snap(BADGE_CENTRE[0], width, bar_pixels[0]),
                      snap(BADGE_CENTRE[1], height, bar_pixels[1])),
        bar_half_size=(bar_pixels[0] / width / 2, bar_pixels[1] / height / 2),
    )


def inside(polygon, x, y):
    result = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            result = not result
    return result


def segment_distance(x, y, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    t = max(0.0, min(1.0, ((x - a[0]) * dx + (y - a[1]) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - a[0] - t * dx, y - a[1] - t * dy)


def edge_distance(polygon, x, y):
    return min(segment_distance(x, y, a, b) for a, b in zip(polygon, polygon[1:] + polygon[:1]))


def emblem_colour(layout, x, y):
    """Colour of the emblem at a point of the unit square, or None where it is transparent."""
    bx, by = x - layout.badge_centre[0], y - layout.badge_centre[1]
    badge_distance = math.hypot(bx, by)
    if badge_distance <= BADGE_RADIUS:
        if abs(bx) <= layout.bar_half_size[0] and abs(by) <= layout.bar_half_size[1]:
            return WHITE
        return BADGE_RIM if badge_distance > BADGE_RADIUS - layout.stroke else BADGE
    in_box = inside(layout.silhouette, x, y)
    near_edge = edge_distance(layout.silhouette, x, y) <= layout.stroke / 2
    if badge_distance <= BADGE_RADIUS + layout.stroke and (in_box or near_edge):
        return WHITE
    if near_edge:
        return OUTLINE
    if not in_box:
        return None
    if min(segment_distance(x, y, a, b) for a, b in layout.inner_edges) < layout.inner_stroke / 2:
        return OUTLINE
    if inside(layout.top_face, x, y):
        return TAPE_TOP if inside(layout.tape_lid, x, y) else BOX_TOP
    if inside(layout.right_face, x, y):
        return TAPE_RIGHT if inside(layout.tape_front, x, y) else BOX_RIGHT
    return BOX_LEFT


def render_emblem(width, height):
    """Straight-alpha RGBA rows, top row first, the emblem filling width x height."""
    layout = emblem_layout(width, height)
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            samples = [((px + (sx + 0.5) / SAMPLES) / width, (py + (sy + 0.5) / SAMPLES) / height)
                       for sy in range(SAMPLES) for sx in range(SAMPLES)]
            hits = [emblem_colour(layout, x, y) for x, y in samples]
            hits = [colour for colour in hits if colour is not None]
            if not hits:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(sum(channel) / len(hits)) for channel in zip(*hits))
                           + (round(255 * len(hits) / SAMPLES**2),))
        rows.append(row)
    return rows


def icon_image(size):
    """One icon directory image: header of twice the height (colour plus mask), BGRA rows bottom-up,
    then the AND mask, which marks mostly transparent pixels for displays that ignore alpha."""
    rows = render_emblem(size, size)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, alpha) in enumerate(row):
            if alpha < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def write_icon(path, sizes):
    images = [icon_image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for size, image in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    path.write_bytes(directory + b"".join(images))


# Seven rows high; lower-case letters use the lower five rows.
FONT = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "n": [".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#"],
    "d": ["....#", "....#", ".####", "#...#", "#...#", "#...#", ".####"],
    "r": ["....", "....", "#.##", "##..", "#...", "#...", "#..."],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".####"],
    "l": ["#.", "#.", "#.", "#.", "#.", "#.", ".#"],
}
FONT_ROWS = 7
LETTER_GAP = 1


def text_cells(text):
    """The (column, row) font cells that are set, letters laid out left to right."""
    cells, column = [], 0
    for letter in text:
        glyph = FONT[letter]
        cells += [(column + x, y) for y, line in enumerate(glyph)
                  for x, mark in enumerate(line) if mark == "#"]
        column += len(glyph[0]) + LETTER_GAP
    return cells, column - LETTER_GAP


def blend(under, over, alpha):
    return tuple(round(u + (o - u) * alpha / 255) for u, o in zip(under, over))


def render_banner():
    canvas = [[BANNER_BACKGROUND] * BANNER_WIDTH for _ in range(BANNER_HEIGHT)]
    emblem_width = 48
    emblem_height = round(emblem_width * STRETCH)
    emblem_left, emblem_top = 5, (BANNER_HEIGHT - emblem_height) // 2
    for y, row in enumerate(render_emblem(emblem_width, emblem_height)):
        for x, (r, g, b, a) in enumerate(row):
            target = canvas[emblem_top + y]
            target[emblem_left + x] = blend(target[emblem_left + x], (r, g, b), a)

    cells, columns = text_cells("Tandrel")
    cell_width, cell_height = 3, 4
    text_left = emblem_left + emblem_width + 7
    text_top = (BANNER_HEIGHT - FONT_ROWS * cell_height) // 2
    assert text_left + columns * cell_width <= BANNER_WIDTH - 3, "the word no longer fits the banner"
    for colour, shift in ((TEXT_SHADOW, 1), (TEXT, 0)):
        for column, row in cells:
            top = text_top + row * cell_height + shift
            left = text_left + column * cell_width + shift
            for y in range(top, top + cell_height):
                canvas[y][left:left + cell_width] = [colour] * cell_width
    return canvas


def write_bitmap(path, canvas):
    """24-bit BMP, bottom-up, each row padded to a multiple of four bytes."""
    height, width = len(canvas), len(canvas[0])
    padding = bytes(-3 * width % 4)
    pixels = b"".join(b"".join(bytes((b, g, r)) for r, g, b in row) + padding for row in reversed(canvas))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    path.write_bytes(file_header + info + pixels)


def main():
    write_icon(HERE / "tandrel.ico", [16, 32, 48])
    write_bitmap(HERE / "pic.bmp", render_banner())


if __name__ == "__main__":
    main()
