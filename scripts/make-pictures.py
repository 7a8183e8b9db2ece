#!/usr/bin/env python3
"""Draws the item pictures of the trees as 16x16 SVG files under data/pictures/.

goal/00..54   goal types 0-35 (13-35 for the types a language file adds), states 36-43,
              priorities 44-49, spare shapes 50-54
link/00..07   link kinds        contact/00..07  contact kinds
event/00..07  event kinds       phrase/00..02   phrase kinds
tool/00..13   the buttons beside the trees (first item, last item, collapse all but selected) and
              of the tool bars (new, cut, copy, paste, delete, move left, right, up, down,
              priority, state)
taskprio/NN   the task grid's priority pictures, by the index the priority's short name selects
taskstate/NN  the task grid's state pictures, by the index the state's name selects
tasktype/NN   the task grid's type pictures, by the index the type's mark selects
progress/00..09  the percent done of a task, one tenth per picture

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


# --- The task grid ------------------------------------------------------------------------------
# Pictures are kept sparse: only the indices that a priority short name, a state name or a type
# mark selects get a file.

def bell():
    return [f'<path d="M3.5 11.5 q1.2 -1.2 1.2 -4 q0 -3.5 3.3 -3.8 q3.3 0.3 3.3 3.8 q0 2.8 1.2 4 z" '
            f'fill="{YELLOW}" {s()}/>',
            f'<path d="M6.5 12.5 q1.5 2 3 0" fill="none" {s()}/>', f'<circle cx="8" cy="2.5" r="1" fill="{LINE}"/>']


def clock(color="#ffffff"):
    return [f'<circle cx="8" cy="8" r="6.5" fill="{color}" {s()}/>',
            f'<path d="M8 4 v4 l3 1.8" fill="none" {s(LINE, 1.4)}/>']


def cart():
    return [f'<path d="M1 2.5 h2.2 l1.6 7.5 h7.7 l1.5 -5.5 h-10" fill="{ORANGE}" {s()}/>',
            f'<circle cx="6" cy="12.8" r="1.3" fill="{LINE}"/>', f'<circle cx="11.5" cy="12.8" r="1.3" fill="{LINE}"/>']


def bulb():
    return [f'<path d="M5.8 10.5 q-2.8 -2 -2.3 -5 q0.7 -3.5 4.5 -3.7 q3.8 0.2 4.5 3.7 q0.5 3 -2.3 5 z" '
            f'fill="{YELLOW}" {s()}/>',
            f'<path d="M6 12 h4 M6.5 14 h3" {s(LINE, 1.4)}/>', f'<path d="M6.5 6.5 q1.5 -2 3 0" fill="none" {s("#ffffff", 1)}/>']


def pushpin():
    return [f'<path d="M5.5 1.5 h5 l-1 4 l2.5 2.5 h-8 l2.5 -2.5 z" fill="{RED}" {s()}/>',
            f'<path d="M8 8 v6.5" {s(LINE, 1.4)}/>']


def warning():
    return [f'<path d="M8 1.5 l6.8 12.5 h-13.6 z" fill="{YELLOW}" {s()}/>',
            f'<path d="M8 6 v3.8" {s(LINE, 1.8)}/>', f'<circle cx="8" cy="11.8" r="1" fill="{LINE}"/>']


def thought():
    return [f'<ellipse cx="9" cy="6" rx="6" ry="4.5" fill="#e8defa" {s()}/>',
            f'<circle cx="4" cy="12" r="1.5" fill="#e8defa" {s()}/>', f'<circle cx="1.8" cy="14.5" r="0.9" fill="{LINE}"/>',
            f'<path d="M6.5 5.5 h5 M6.5 7.5 h3.5" {s(PURPLE, 1)}/>']


def package(arrow=True):
    parts = [f'<path d="M2 6.5 l6 -3 l6 3 v6 l-6 3 l-6 -3 z" fill="{BROWN}" {s()}/>',
             f'<path d="M2 6.5 l6 3 l6 -3 M8 9.5 v6" fill="none" {s()}/>']
    if arrow:
        parts.append(f'<path d="M8 0.5 v5 M6 3.5 l2 2 l2 -2" fill="none" {s(GREEN, 1.6)}/>')
    return parts


def percent():
    return tag(RED) + [f'<path d="M7 11 l4 -4" {s("#ffffff", 1.2)}/>']


def smiley():
    return [f'<circle cx="8" cy="8" r="6.5" fill="{YELLOW}" {s()}/>',
            f'<circle cx="5.8" cy="6.3" r="0.9" fill="{LINE}"/>', f'<circle cx="10.2" cy="6.3" r="0.9" fill="{LINE}"/>',
            f'<path d="M4.8 9.3 q3.2 3.5 6.4 0" fill="none" {s(LINE, 1.2)}/>']


def cup():
    return [f'<path d="M2.5 5.5 h9 v4 q0 4 -4.5 4 q-4.5 0 -4.5 -4 z" fill="#ffffff" {s()}/>',
            f'<path d="M11.5 6.5 h1 q2 0 2 2 q0 2 -2 2 h-1.3" fill="none" {s()}/>',
            f'<path d="M5 1.5 q1 1 0 2 M8 1.5 q1 1 0 2" fill="none" {s(GREY, 1)}/>']


def info():
    return [f'<circle cx="8" cy="8" r="6.5" fill="{BLUE}" {s()}/>', f'<circle cx="8" cy="4.8" r="1.1" fill="#ffffff"/>',
            f'<path d="M8 7.3 v5" {s("#ffffff", 2)}/>']


def walk():
    return [f'<path d="M2 8 h8.5 M7 4 l4.5 4 l-4.5 4" fill="none" {s(TEAL, 2.2)}/>',
            f'<circle cx="13.5" cy="8" r="1.5" fill="{TEAL}"/>']


def bubbles():
    return [f'<path d="M1.5 2.5 h8 q1 0 1 1 v4 q0 1 -1 1 h-4.5 l-2.5 2 v-2 h-1 q-1 0 -1 -1 v-4 q0 -1 1 -1 z" '
            f'fill="{BLUE}" {s()}/>',
            f'<path d="M14.5 6.5 h-2.5 v2 q0 2 -2 2 h-3 v1 q0 1 1 1 h3 l2 2 v-2 h1.5 q1 0 1 -1 v-3 q0 -1 -1 -1 z" '
            f'fill="{GREEN}" {s()}/>']


def coin():
    return [f'<circle cx="8" cy="8" r="6.5" fill="{YELLOW}" {s()}/>',
            text("$", 8, 11.5, 9.5, "#8a6d1a")]


def wrench():
    return [f'<path d="M2.5 12 l6 -6 q-1 -3 1.5 -4.5 q1.5 -0.8 3 -0.3 l-2 2 l0.5 1.8 l1.8 0.5 l2 -2 '
            f'q0.5 1.5 -0.3 3 q-1.5 2.5 -4.5 1.5 l-6 6 q-1 1 -2 0 q-1 -1 0 -2 z" fill="{GREY}" {s()}/>']


def car():
    return [f'<path d="M1.5 11.5 v-3 l2 -4 h8 l2.5 4 v3 z" fill="{RED}" {s()}/>',
            f'<path d="M4.2 5.5 h7 l1.5 3 h-10 z" fill="#dbeafb" {s(LINE, 0.8)}/>',
            f'<circle cx="4.5" cy="12" r="1.7" fill="{LINE}"/>', f'<circle cx="11.5" cy="12" r="1.7" fill="{LINE}"/>']


def book(color=GREEN):
    return [f'<path d="M2.5 2.5 h9 q1.5 0 1.5 1.5 v10.5 h-9 q-1.5 0 -1.5 -1.5 z" fill="{color}" {s()}/>',
            f'<path d="M2.5 13 q0 -1.5 1.5 -1.5 h9" fill="none" {s("#ffffff", 1)}/>',
            f'<path d="M5.5 5 h5 M5.5 7 h3.5" {s("#ffffff", 1)}/>']


def truck():
    return [f'<rect x="0.5" y="4.5" width="9" height="7" fill="{BROWN}" {s()}/>',
            f'<path d="M9.5 6.5 h3 l2.5 3 v2 h-5.5 z" fill="{BLUE}" {s()}/>',
            f'<circle cx="4" cy="12.5" r="1.6" fill="{LINE}"/>', f'<circle cx="12" cy="12.5" r="1.6" fill="{LINE}"/>']


def play():
    return [f'<rect x="1.5" y="2.5" width="13" height="11" rx="2" fill="{DARKBLUE}" {s()}/>',
            '<path d="M6 5 l5 3 l-5 3 z" fill="#ffffff"/>']


def question():
    return [f'<circle cx="8" cy="8" r="6.5" fill="{PURPLE}" {s()}/>', text("?", 8, 11.8, 10, "#ffffff")]


def red_cross():
    return [f'<rect x="1.5" y="1.5" width="13" height="13" rx="2.5" fill="#ffffff" {s()}/>',
            f'<path d="M6 3.5 h4 v2.5 h2.5 v4 h-2.5 v2.5 h-4 v-2.5 h-2.5 v-4 h2.5 z" fill="{RED}"/>']


def clipboard_check():
    return [f'<rect x="2.5" y="2.5" width="11" height="12" rx="1" fill="#ffffff" {s()}/>',
            f'<rect x="5.5" y="1.5" width="5" height="2.5" rx="0.8" fill="{GREY}" {s()}/>',
            f'<path d="M5 9 l2 2 l4 -4.5" fill="none" {s(GREEN, 1.8)}/>']


def notebook():
    return [f'<rect x="3.5" y="1.5" width="10" height="13" rx="1" fill="#f7f1df" {s()}/>',
            f'<path d="M2 4 h3 M2 7 h3 M2 10 h3 M2 13 h3" {s(LINE, 1.2)}/>',
            f'<path d="M6.5 5 h5 M6.5 7.5 h5 M6.5 10 h3.5" {s(BROWN, 0.9)}/>']


def pages():
    return [f'<rect x="1.5" y="1.5" width="8" height="10" rx="1" fill="#ffffff" {s()}/>',
            f'<rect x="6.5" y="4.5" width="8" height="10" rx="1" fill="#dbeafb" {s()}/>',
            f'<path d="M8.5 8 h4 M8.5 10 h4 M8.5 12 h2.5" {s(GREY, 0.8)}/>']


def download():
    return [f'<path d="M8 1.5 v8 M4.5 6.5 l3.5 3.5 l3.5 -3.5" fill="none" {s(GREEN, 2)}/>',
            f'<path d="M2 11 v3 h12 v-3" fill="none" {s(LINE, 1.4)}/>']


def hidden_eye():
    return [f'<path d="M1 8 q7 -8 14 0 q-7 8 -14 0 z" fill="#ffffff" {s()}/>',
            f'<circle cx="8" cy="8" r="2.3" fill="{GREY}"/>', f'<path d="M2.5 13.5 l11 -11" {s(RED, 1.6)}/>']


def goal_target(color):
    return target((color, "#ffffff", color))


def day_mark():
    return calendar(color=PURPLE) + [f'<path d="M4 8.5 h8 M4 11 h5" {s(PURPLE, 1.2)}/>']


def task_priorities():
    return {4: [text("?", 8, 13, 13, GREY)], 5: chevrons(RED, 2), 6: chevrons(ORANGE, 1),
            7: [f'<path d="M3.5 6.5 h9 M3.5 9.5 h9" {s(BLUE, 2)}/>'], 8: chevrons(TEAL, 1, up=False)}


def task_states():
    return {
        3: badge(RED, [f'<path d="M5.3 5.3 l5.4 5.4 M10.7 5.3 l-5.4 5.4" fill="none" {s("#ffffff", 2)}/>']),
        4: badge(GREEN, [f'<path d="M4.6 8.2 l2.3 2.4 l4.4 -5" fill="none" {s("#ffffff", 2)}/>']),
        9: badge(GREY, ['<path d="M6.2 5 v6 M9.8 5 v6" stroke="#ffffff" stroke-width="2"/>']),
        10: badge(ORANGE, [f'<path d="M5 8 h5.5 M8.5 5.5 l2.5 2.5 l-2.5 2.5" fill="none" {s("#ffffff", 1.8)}/>']),
        14: badge(YELLOW, [f'<path d="M8 4.3 v3.9 l2.6 1.6" fill="none" {s(LINE, 1.5)}/>']),
        15: badge(BLUE, ['<path d="M6.3 4.8 l5 3.2 l-5 3.2 z" fill="#ffffff"/>']),
        21: badge(PURPLE, [f'<path d="M4.5 10.5 q0.5 -5 6 -5 M8.5 3.5 l2.2 2 l-2.2 2.1" fill="none" '
                           f'{s("#ffffff", 1.6)}/>']),
    }


def task_types():
    return {
        0: bell(), 5: cart(), 7: bulb(), 8: pushpin(), 9: envelope() + [
            f'<path d="M14.5 14.5 h-5 M11.5 12.5 l-2 2 l2 2" fill="none" {s(BLUE, 1.3)}/>'],
        10: phone(), 11: document(), 12: hidden_eye(), 13: warning(), 14: play(), 15: thought(), 16: bubble(GREY),
        17: question(), 18: magnifier(), 19: package(), 20: percent(), 21: red_cross(), 22: cup(), 24: walk(),
        25: window(), 26: bubbles(), 27: people(), 28: coin(), 29: wrench(), 30: sticky(), 31: clipboard_check(),
        32: download(), 33: globe(), 34: clock(), 35: day_mark(), 36: info(), 37: envelope() + [
            f'<path d="M9.5 14.5 h5 M12.5 12.5 l2 2 l-2 2" fill="none" {s(GREEN, 1.3)}/>'],
        38: goal_target(ORANGE), 39: goal_target(PURPLE), 40: book(), 41: goal_target(BLUE), 42: goal_target(RED),
        44: notebook(), 45: pages(), 47: truck(), 50: smiley(),
    }


def progress():
    pictures = []
    for k in range(10):
        width = 11 * (k + 1) / 10
        color = GREEN if k == 9 else BLUE
        pictures.append([f'<rect x="1.5" y="4.5" width="13" height="7" rx="1.5" fill="#ffffff" {s()}/>',
                         f'<rect x="2.5" y="5.5" width="{width:.2f}" height="5" rx="0.8" fill="{color}"/>'])
    return pictures


def main():
    families = {"goal": goals(), "link": links(), "contact": contacts(), "event": events(), "phrase": phrases(),
                "tool": tools(), "taskprio": task_priorities(), "taskstate": task_states(),
                "tasktype": task_types(), "progress": progress()}
    names = []
    for family, pictures in families.items():
        os.makedirs(os.path.join(OUT, family), exist_ok=True)
        numbered_parts = pictures.items() if isinstance(pictures, dict) else enumerate(pictures)
        for number, parts in numbered_parts:
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
