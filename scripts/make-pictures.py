#!/usr/bin/env python3
"""Draws the item pictures of the trees as 16x16 SVG files under data/pictures/.

goal/00..54   goal types 0-35 (13-35 for the types a language file adds), states 36-43,
              priorities 44-49, spare shapes 50-54
link/00..07   link kinds        contact/00..07  contact kinds
event/00..07  event kinds       phrase/00..02   phrase kinds
tool/00..13   the buttons beside the trees (first item, last item, collapse all but selected) and
              of the tool bars (new, cut, copy, paste, delete, move left, right, up, down,
              priority, state)

Run it again after changing a picture; the window embeds the files as Qt resources.
"""
import colorsys
import os
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "pictures")
LINE = "#33455c"

BLUE, DARKBLUE, GREEN, RED, ORANGE = "#4a8ee0", "#2c5d9c", "#41a85f", "#d9534f", "#f0a23b"
YELLOW, PURPLE, GREY, TEAL, PINK, BROWN = "#f5cf4a", "#8e62c8", "#8d96a3", "#2fa4a0", "#e26aa4", "#b5773c"


def svg(*parts):
    body = "\n  ".join(parts)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">\n  '
            + body + "\n</svg>\n")


def s(stroke=LINE, width=1):
    return f'stroke="{stroke}" stroke-width="{width}" stroke-linejoin="round" stroke-linecap="round"'


# --- Shapes -------------------------------------------------------------------------------------

def folder(color=YELLOW):
    return [f'<path d="M1.5 4.5 v8.5 h13 v-7.5 h-6.5 l-1.5 -1.5 h-5 z" fill="{color}" {s()}/>',
            f'<path d="M1.5 6.5 h13" fill="none" {s("#ffffff", 0.8)} opacity="0.7"/>']


def target(rings=(RED, "#ffffff", RED), r=6.5):
    parts = []
    for i, color in enumerate(rings):
        parts.append(f'<circle cx="8" cy="8" r="{r - i * r / len(rings):.2f}" fill="{color}" {s()}/>')
    parts.append(f'<circle cx="8" cy="8" r="{r / 5:.2f}" fill="{LINE}"/>')
    return parts


def wall():
    parts = [f'<rect x="1.5" y="3.5" width="13" height="9" fill="{BROWN}" {s()}/>']
    for y in (6.5, 9.5):
        parts.append(f'<path d="M1.5 {y} h13" {s("#7a4a20", 0.8)}/>')
    for x, y0 in ((8, 3.5), (4.5, 6.5), (11, 6.5), (8, 9.5)):
        parts.append(f'<path d="M{x} {y0} v3" {s("#7a4a20", 0.8)}/>')
    return parts


def checkbox(fill="#ffffff", tick=GREEN):
    return [f'<rect x="2.5" y="2.5" width="11" height="11" rx="2" fill="{fill}" {s()}/>',
            f'<path d="M5 8 l2 2.5 l4.5 -5" fill="none" {s(tick, 2)}/>']


def sticky():
    return [f'<path d="M2.5 2.5 h11 v8 l-3 3 h-8 z" fill="{YELLOW}" {s()}/>',
            f'<path d="M10.5 13.5 v-3 h3" fill="#e0b530" {s()}/>',
            f'<path d="M4.5 5.5 h7 M4.5 8 h7 M4.5 10.5 h4" {s("#8a6d1a", 0.8)}/>']


def star(color=YELLOW, cx=8, cy=8.3, r=6.8):
    import math
    points = []
    for i in range(10):
        radius = r if i % 2 == 0 else r * 0.45
        angle = math.pi / 2 + i * math.pi / 5
        points.append(f"{cx + radius * math.cos(angle):.2f},{cy - radius * math.sin(angle):.2f}")
    return [f'<polygon points="{" ".join(points)}" fill="{color}" {s()}/>']


def cube():
    return [f'<path d="M8 1.5 l6 3 v7 l-6 3 l-6 -3 v-7 z" fill="{TEAL}" {s()}/>',
            f'<path d="M2 4.5 l6 3 l6 -3 M8 7.5 v7" fill="none" {s()}/>',
            '<path d="M8 1.9 l5.2 2.6 l-5.2 2.6 l-5.2 -2.6 z" fill="#ffffff" opacity="0.35"/>']


def gear(color=GREY):
    import math
    teeth = []
    for i in range(8):
        a = i * math.pi / 4
        x, y = 8 + 5.6 * math.cos(a), 8 + 5.6 * math.sin(a)
        teeth.append(f'<circle cx="{x:.2f}" cy="{y:.2f}" r="1.6" fill="{color}" {s()}/>')
    return teeth + [f'<circle cx="8" cy="8" r="5" fill="{color}" {s()}/>',
                    f'<circle cx="8" cy="8" r="2" fill="#ffffff" {s()}/>']


def person(color=BLUE, cx=8, scale=1.0, dress=False):
    head = f'<circle cx="{cx}" cy="{4.6 * scale + (1 - scale) * 8:.2f}" r="{2.7 * scale:.2f}" fill="#f3c9a1" {s()}/>'
    top = 8.2 * scale + (1 - scale) * 9
    w = 5.5 * scale
    if dress:
        body = (f'<path d="M{cx - w / 2:.2f} {top:.2f} h{w:.2f} l{1.6 * scale:.2f} {6.3 * scale:.2f} '
                f'h{-(w + 3.2 * scale):.2f} z" fill="{color}" {s()}/>')
    else:
        body = (f'<path d="M{cx - w / 2 - 0.5:.2f} {top + 6.3 * scale:.2f} v{-3.8 * scale:.2f} '
                f'q0 {-2.5 * scale:.2f} {2.5 * scale:.2f} {-2.5 * scale:.2f} h{w - 4:.2f} '
                f'q{2.5 * scale:.2f} 0 {2.5 * scale:.2f} {2.5 * scale:.2f} v{3.8 * scale:.2f} z" '
                f'fill="{color}" {s()}/>')
    return [body, head]


def people():
    return person(PURPLE, cx=10.5, scale=0.8) + person(BLUE, cx=6, scale=0.95)


def building():
    parts = [f'<rect x="3.5" y="1.5" width="9" height="13" fill="{GREY}" {s()}/>']
    for y in (3.5, 6.5, 9.5):
        for x in (5, 9):
            parts.append(f'<rect x="{x}" y="{y}" width="2" height="1.8" fill="#dde8f5"/>')
    parts.append(f'<rect x="7" y="11.5" width="2" height="3" fill="{LINE}"/>')
    return parts


def globe():
    return [f'<circle cx="8" cy="8" r="6.5" fill="{BLUE}" {s()}/>',
            f'<ellipse cx="8" cy="8" rx="2.8" ry="6.5" fill="none" {s("#ffffff", 0.9)}/>',
            f'<path d="M1.8 6 h12.4 M1.8 10 h12.4 M8 1.5 v13" fill="none" {s("#ffffff", 0.9)}/>']


def document(mark=None):
    parts = [f'<path d="M3.5 1.5 h6 l3 3 v10 h-9 z" fill="#ffffff" {s()}/>',
             f'<path d="M9.5 1.5 v3 h3" fill="#dfe7f1" {s()}/>',
             f'<path d="M5.5 7 h5 M5.5 9 h5 M5.5 11 h3" {s(GREY, 0.8)}/>']
    if mark == "check":
        parts = parts[:2] + [f'<path d="M5 9 l2 2.3 l4 -4.6" fill="none" {s(GREEN, 1.8)}/>']
    return parts


def window():
    return [f'<rect x="1.5" y="2.5" width="13" height="11" rx="1" fill="#ffffff" {s()}/>',
            f'<path d="M1.5 3.5 q0 -1 1 -1 h11 q1 0 1 1 v2 h-13 z" fill="{DARKBLUE}" {s()}/>',
            f'<path d="M4 8.5 l2 1.5 l-2 1.5 M7.5 11.5 h3" fill="none" {s(LINE, 1)}/>']


def magnifier():
    return [f'<circle cx="6.5" cy="6.5" r="4.5" fill="#dbeafb" {s(LINE, 1.4)}/>',
            f'<path d="M9.8 9.8 l4.2 4.2" {s(BROWN, 2.4)}/>']


def envelope():
    return [f'<rect x="1.5" y="3.5" width="13" height="9" rx="1" fill="#ffffff" {s()}/>',
            f'<path d="M1.8 4 l6.2 5 l6.2 -5" fill="none" {s()}/>']


def chain(color=GREY):
    return [f'<rect x="1.5" y="5.5" width="8" height="5" rx="2.5" fill="none" {s(color, 1.8)}/>',
            f'<rect x="6.5" y="5.5" width="8" height="5" rx="2.5" fill="none" {s(LINE, 1.8)}/>']


def flag(color=ORANGE, small=False):
    h = 4.5 if small else 6
    return [f'<path d="M3.5 14.5 v-13" {s(LINE, 1.4)}/>',
            f'<path d="M3.5 2 h9 l-2.2 {h / 2:.1f} l2.2 {h / 2:.1f} h-9 z" fill="{color}" {s()}/>']


def phone():
    return [f'<path d="M4 1.8 l2.2 0 l1 3.2 l-1.6 1.2 q1 2.6 3.4 4.2 l1.3 -1.5 l3.2 1.1 v2.3 '
            f'q-0.4 1.9 -2.6 1.7 q-5.5 -1 -8.6 -8.7 q-0.4 -2.9 1.7 -3.5 z" fill="{GREEN}" {s()}/>']


def tag(color=ORANGE):
    return [f'<path d="M1.5 3 v4.8 l7 7 l6 -6 l-7 -7 h-4.5 q-1.5 0 -1.5 1.2 z" fill="{color}" {s()}/>',
            f'<circle cx="4.6" cy="4.6" r="1.3" fill="#ffffff" {s()}/>']


def card():
    return [f'<rect x="1.5" y="3.5" width="13" height="9" rx="1.5" fill="#ffffff" {s()}/>',
            f'<circle cx="5" cy="7" r="1.6" fill="{GREY}"/>',
            f'<path d="M2.8 11 q2.2 -2.6 4.4 0" fill="{GREY}"/>',
            f'<path d="M9 6.5 h4 M9 9 h4" {s(GREY, 0.9)}/>']


def bubble(color=BLUE):
    return [f'<path d="M2.5 2.5 h11 q1 0 1 1 v6 q0 1 -1 1 h-6.5 l-3 3 v-3 h-1.5 q-1 0 -1 -1 v-6 q0 -1 1 -1 z" '
            f'fill="{color}" {s()}/>',
            f'<path d="M5 5.5 h6 M5 7.8 h4" {s("#ffffff", 1)}/>']


def diamond(color=BLUE):
    return [f'<path d="M8 2.5 l5.5 5.5 l-5.5 5.5 l-5.5 -5.5 z" fill="{color}" {s()}/>']


def calendar(label=None, color=RED):
    parts = [f'<rect x="1.5" y="2.5" width="13" height="12" rx="1.5" fill="#ffffff" {s()}/>',
             f'<path d="M1.5 4 q0 -1.5 1.5 -1.5 h10 q1.5 0 1.5 1.5 v2 h-13 z" fill="{color}" {s()}/>',
             f'<path d="M5 1.5 v2.5 M11 1.5 v2.5" {s(LINE, 1.3)}/>']
    if label:
        parts.append(text(label, 8, 13.1, 7 if len(label) < 2 else 6, LINE))
    return parts


def text(value, x, y, size, color, weight="bold"):
    return (f'<text x="{x}" y="{y}" text-anchor="middle" font-family="DejaVu Sans, Arial, sans-serif" '
            f'font-size="{size}" font-weight="{weight}" fill="{color}">{value}</text>')


def badge(color, content):
    return [f'<circle cx="8" cy="8" r="6.5" fill="{color}" {s()}/>'] + content


def chevrons(color, count, up=True):
    tops = {1: [6], 2: [3.5, 8.5]}[count]
    parts = []
    for top in tops:
        d = f"M3.5 {top + 4} l4.5 -4 l4.5 4" if up else f"M3.5 {top} l4.5 4 l4.5 -4"
        parts.append(f'<path d="{d}" fill="none" {s(color, 2.4)}/>')
    return parts


def numbered(number):
    hue = (number - 13) / 23.0
    r, g, b = colorsys.hsv_to_rgb(hue, 0.55, 0.85)
    color = f"#{int(r * 255):02x}{int(g * 255):02x}{int(b * 255):02x}"
    return [f'<rect x="1.5" y="1.5" width="13" height="13" rx="3" fill="{color}" {s()}/>',
            text(str(number), 8, 11.3, 7.5, "#ffffff")]


# --- The families -------------------------------------------------------------------------------

def goals():
    pictures = [
        folder(), target(), wall(), checkbox(), sticky(), star(), cube(), gear(), person(),
        flag(), target((ORANGE, "#ffffff", ORANGE), r=5.5), document("check"), phone(),
    ]
    pictures += [numbered(n) for n in range(13, 36)]
    pictures += [
        [],  # state None: nothing to show
        badge(ORANGE, [f'<path d="M5 8 h5.5 M8.5 5.5 l2.5 2.5 l-2.5 2.5" fill="none" {s("#ffffff", 1.8)}/>']),
        badge(BLUE, ['<path d="M6.3 4.8 l5 3.2 l-5 3.2 z" fill="#ffffff"/>']),
        badge(GREY, ['<path d="M6.2 5 v6 M9.8 5 v6" stroke="#ffffff" stroke-width="2"/>']),
        badge(YELLOW, [f'<path d="M8 4.3 v3.9 l2.6 1.6" fill="none" {s(LINE, 1.5)}/>']),
        badge(PURPLE, [f'<path d="M4.5 10.5 q0.5 -5 6 -5 M8.5 3.5 l2.2 2 l-2.2 2.1" fill="none" {s("#ffffff", 1.6)}/>']),
        badge(GREEN, [f'<path d="M4.6 8.2 l2.3 2.4 l4.4 -5" fill="none" {s("#ffffff", 2)}/>']),
        badge(RED, [f'<path d="M5.3 5.3 l5.4 5.4 M10.7 5.3 l-5.4 5.4" fill="none" {s("#ffffff", 2)}/>']),
        [],  # priority None
        chevrons(RED, 2),
        chevrons(ORANGE, 1),
        [f'<path d="M3.5 6.5 h9 M3.5 9.5 h9" {s(BLUE, 2)}/>'],
        chevrons(TEAL, 1, up=False),
        [text("?", 8, 13, 13, GREY)],
        [f'<circle cx="8" cy="8" r="5.5" fill="{GREY}" {s()}/>'],
        diamond(GREY),
        [f'<path d="M8 2.5 l6 11 h-12 z" fill="{GREY}" {s()}/>'],
        [f'<rect x="2.5" y="2.5" width="11" height="11" fill="{GREY}" {s()}/>'],
        [f'<path d="M5 2.5 h6 l3 5.5 l-3 5.5 h-6 l-3 -5.5 z" fill="{GREY}" {s()}/>'],
    ]
    assert len(pictures) == 55
    return pictures


def links():
    return [chain(), globe(), folder(), document(), window(), folder(ORANGE) + star(RED, 10.5, 10.3, 3.8),
            magnifier(), envelope()]


def contacts():
    return [card(), person(BLUE), person(PINK, dress=True), building(), people(), globe(), document(),
            tag(ORANGE)]


def events():
    return [calendar(), folder(), calendar("7"), calendar("30"), calendar("365", color=PURPLE),
            calendar("1", color=GREEN), calendar("»|", color=ORANGE), calendar("|«", color=TEAL)]


def phrases():
    return [bubble(), folder(), diamond()]


def arrow(direction):
    paths = {"left": "M13 8 h-9 M7.5 4.5 l-3.5 3.5 l3.5 3.5", "right": "M3 8 h9 M8.5 4.5 l3.5 3.5 l-3.5 3.5",
             "up": "M8 13 v-9 M4.5 7.5 l3.5 -3.5 l3.5 3.5", "down": "M8 3 v9 M4.5 8.5 l3.5 3.5 l3.5 -3.5"}
    return [f'<path d="{paths[direction]}" fill="none" {s(DARKBLUE, 2)}/>']


def tools():
    return [
        [f'<path d="M3 2.5 h10" {s(DARKBLUE, 2)}/>', f'<path d="M8 14 v-8.5 M4.5 9 l3.5 -3.5 l3.5 3.5" fill="none" {s(DARKBLUE, 1.8)}/>'],
        [f'<path d="M3 13.5 h10" {s(DARKBLUE, 2)}/>', f'<path d="M8 2 v8.5 M4.5 7 l3.5 3.5 l3.5 -3.5" fill="none" {s(DARKBLUE, 1.8)}/>'],
        [f'<rect x="1.5" y="1.5" width="6" height="6" rx="1" fill="#ffffff" {s()}/>', f'<path d="M3 4.5 h3" {s()}/>',
         f'<path d="M4.5 7.5 v6 h3 M4.5 10.5 h3" fill="none" {s(GREY)}/>',
         f'<rect x="8" y="8.5" width="6.5" height="4" rx="1" fill="{BLUE}" {s()}/>',
         f'<rect x="8" y="12" width="6.5" height="3" rx="1" fill="#dfe7f1" {s()}/>'],
        # The tool bars: new, cut, copy, paste, delete, the four moves, priority, state.
        [f'<path d="M3.5 1.5 h6 l3 3 v10 h-9 z" fill="#ffffff" {s()}/>',
         f'<circle cx="11.5" cy="11.5" r="3.5" fill="{GREEN}" {s()}/>',
         f'<path d="M11.5 9.5 v4 M9.5 11.5 h4" {s("#ffffff", 1.4)}/>'],
        [f'<circle cx="4.5" cy="12" r="2.3" fill="none" {s(LINE, 1.4)}/>',
         f'<circle cx="11.5" cy="12" r="2.3" fill="none" {s(LINE, 1.4)}/>',
         f'<path d="M5.8 10.2 l6 -8.5 M10.2 10.2 l-6 -8.5" {s(GREY, 1.4)}/>'],
        [f'<rect x="1.5" y="1.5" width="8" height="10" rx="1" fill="#ffffff" {s()}/>',
         f'<rect x="6.5" y="4.5" width="8" height="10" rx="1" fill="#dbeafb" {s()}/>'],
        [f'<rect x="2.5" y="2.5" width="10" height="12" rx="1" fill="{BROWN}" {s()}/>',
         f'<rect x="5" y="1.5" width="5" height="2.5" rx="0.8" fill="{GREY}" {s()}/>',
         f'<rect x="6.5" y="6.5" width="8" height="8" rx="1" fill="#ffffff" {s()}/>'],
        [f'<path d="M3.5 4.5 h9 l-0.8 10 h-7.4 z" fill="#dfe7f1" {s()}/>',
         f'<path d="M2.5 4.5 h11 M6 4.5 v-2 h4 v2 M6.5 7 v5.5 M9.5 7 v5.5" fill="none" {s(RED, 1.2)}/>'],
        arrow("left"), arrow("right"), arrow("up"), arrow("down"),
        [f'<path d="M8 2.5 v7" {s(RED, 2.6)}/>', f'<circle cx="8" cy="13" r="1.5" fill="{RED}"/>'],
        badge(GREEN, [f'<path d="M4.6 8.2 l2.3 2.4 l4.4 -5" fill="none" {s("#ffffff", 2)}/>']),
    ]


def main():
    families = {"goal": goals(), "link": links(), "contact": contacts(), "event": events(), "phrase": phrases(),
                "tool": tools()}
    names = []
    for family, pictures in families.items():
        os.makedirs(os.path.join(OUT, family), exist_ok=True)
        for number, parts in enumerate(pictures):
            name = f"{family}/{number:02d}.svg"
            with open(os.path.join(OUT, name), "w", encoding="utf-8") as out:
                out.write(svg(*parts))
            names.append(name)
    with open(os.path.join(OUT, "pictures.qrc"), "w", encoding="utf-8") as out:
        out.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n  <qresource prefix="/pictures">\n')
        for name in names:
            out.write(f"    <file>{name}</file>\n")
        out.write("  </qresource>\n</RCC>\n")
    print(f"{len(names)} pictures in {os.path.normpath(OUT)}", file=sys.stderr)


if __name__ == "__main__":
    main()
