#!/usr/bin/env python3
"""Writes every picture of Tamek: SVG text from the drawing modules here, rendered to PNG with
rsvg-convert. Only pictures whose SVG text changed (or whose PNG is missing) are rendered again,
so a build with nothing changed takes a fraction of a second.

usage: generate.py OUTPUT_DIR SVG_DIR
"""

import concurrent.futures
import os
import shutil
import struct
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import blocks  # noqa: E402
import misc  # noqa: E402
import tiles  # noqa: E402
import toolbar  # noqa: E402


def all_pictures():
    pictures = {}
    for module in (tiles, blocks, toolbar, misc):
        pictures.update(module.pictures())
    return pictures


def with_sharp_versions(pictures):
    """Every picture, and for the canvas's pictures (under Img/State/, palette icons aside) a version
    at twice the size ("Wait@2x.png") that the canvas draws when zoomed in and the printout uses."""
    for relative, (text, width, height) in sorted(pictures.items()):
        yield relative, text, width, height
        if relative.startswith("Img/State/") and not relative.startswith("Img/State/icons/"):
            yield relative[:-4] + "@2x.png", text, 2 * width, 2 * height


def render(job):
    svg_path, png_path, width, height = job
    os.makedirs(os.path.dirname(png_path), exist_ok=True)
    subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-o", png_path + ".tmp", svg_path],
                   check=True)
    os.replace(png_path + ".tmp", png_path)


def write_icon(out_dir):
    """Img/Tamek.ico from the three sizes of the window icon (PNG-compressed entries)."""
    entries = []
    for size in (16, 32, 48):
        with open(os.path.join(out_dir, "Img/Tamek-%d.png" % size), "rb") as f:
            entries.append((size, f.read()))
    header = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    directory, data = b"", b""
    for size, png in entries:
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(png), offset + len(data))
        data += png
    target = os.path.join(out_dir, "Img/Tamek.ico")
    with open(target + ".tmp", "wb") as f:
        f.write(header + directory + data)
    os.replace(target + ".tmp", target)


def main():
    out_dir, svg_dir = sys.argv[1], sys.argv[2]
    if not shutil.which("rsvg-convert"):
        sys.exit("rsvg-convert is missing: install librsvg2-bin (scripts/setup)")
    jobs = []
    for relative, text, width, height in with_sharp_versions(all_pictures()):
        svg_path = os.path.join(svg_dir, relative[:-4] + ".svg")
        png_path = os.path.join(out_dir, relative)
        old = None
        if os.path.exists(svg_path):
            with open(svg_path, encoding="utf-8") as f:
                old = f.read()
        if old == text and os.path.exists(png_path):
            continue
        os.makedirs(os.path.dirname(svg_path), exist_ok=True)
        with open(svg_path, "w", encoding="utf-8") as f:
            f.write(text)
        jobs.append((svg_path, png_path, width, height))
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        list(pool.map(render, jobs))
    write_icon(out_dir)
    # The tool pictures are also asked for as "Img/icons/...": one folder, two spellings.
    link = os.path.join(out_dir, "Img", "icons")
    if not os.path.lexists(link):
        os.symlink("Icons", link)
    total = sum(1 for _ in with_sharp_versions(all_pictures()))
    print("pictures: %d rendered, %d up to date" % (len(jobs), total - len(jobs)))


if __name__ == "__main__":
    main()
