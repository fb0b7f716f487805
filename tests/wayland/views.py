# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists the windows in a sway tree (swaymsg -t get_tree on stdin), one a
line, from the bottom of the stack to the top: title, the client area's x, y,
width and height, then "focused" or "-", "urgent" or "-", and the shell."""
import json
import sys


def views(node):
    # Tiled windows lie under the floating ones, which sway stacks in list order.
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        if child.get("pid") is not None:
            yield child
        yield from views(child)


for view in views(json.load(sys.stdin)):
    outer, inner = view["rect"], view["window_rect"]
    print("\t".join([
        view.get("name") or "",
        str(outer["x"] + inner["x"]), str(outer["y"] + inner["y"]),
        str(inner["width"]), str(inner["height"]),
        "focused" if view.get("focused") else "-",
        "urgent" if view.get("urgent") else "-",
        view.get("shell") or "",
    ]))
