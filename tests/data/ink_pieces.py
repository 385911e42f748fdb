"""Pieces of ink on a rendered page of copied text, for the checks that look
at it: which pieces are end-of-aya ornaments with the aya digits inside."""

# Darker than this counts as ink; anti-aliased edges of thin strokes are lighter.
INK_BELOW = 200


def read_pgm(path):
    """(width, height, bytes) of a binary greyscale PGM as pdftoppm writes it."""
    data = path.read_bytes()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height]


def ink_components(width, height, pixels):
    """A label per pixel (0 for paper) and the box of each 8-connected piece of ink."""
    label = [0] * (width * height)
    boxes = [None]
    for start in range(width * height):
        if pixels[start] >= INK_BELOW or label[start]:
            continue
        n = len(boxes)
        label[start] = n
        stack, box = [start], [start % width, start // width] * 2
        while stack:
            i = stack.pop()
            x, y = i % width, i // width
            box = [min(box[0], x), min(box[1], y), max(box[2], x), max(box[3], y)]
            for yy in (y - 1, y, y + 1):
                for xx in (x - 1, x, x + 1):
                    j = yy * width + xx
                    if 0 <= xx < width and 0 <= yy < height and pixels[j] < INK_BELOW and not label[j]:
                        label[j] = n
                        stack.append(j)
        boxes.append(tuple(box))
    return label, boxes


def enclosed_by(n, box, label, width):
    """The pieces of ink inside piece n's box that paper outside n cannot reach:
    what n rings round."""
    x0, y0, x1, y1 = box
    reached = set()
    stack = [(x, y) for x in range(x0, x1 + 1) for y in (y0, y1)]
    stack += [(x, y) for y in range(y0, y1 + 1) for x in (x0, x1)]
    while stack:
        x, y = stack.pop()
        if (x, y) in reached or not (x0 <= x <= x1 and y0 <= y <= y1) or label[y * width + x] == n:
            continue
        reached.add((x, y))
        stack += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]
    return {label[y * width + x] for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)
            if label[y * width + x] not in (0, n) and (x, y) not in reached}


def ornaments(picture, em):
    """Boxes of ink about the size of the end-of-aya ornament at a text size of
    `em` pixels that ring round one to three other pieces (the digits)."""
    width, height, pixels = read_pgm(picture)
    label, boxes = ink_components(width, height, pixels)
    found = []
    for n, box in enumerate(boxes[1:], 1):
        w, h = box[2] - box[0] + 1, box[3] - box[1] + 1
        if 0.9 * em <= w <= 1.5 * em and 0.8 * em <= h <= 1.4 * em and 1 <= len(enclosed_by(n, box, label, width)) <= 3:
            found.append(box)
    return found
