"""Generates the program's resource files into a folder:

  SpinUp.bmp, SpinDown.bmp   the spin edit's arrow glyphs
  Muralto.ico                the program icon
  Muralto.manifest           the application manifest
  Options.ico                the Options dialog's window icon
  About.ico                  the About box's window icon
  EmbeddedResources.cpp      all of the above as C++ byte arrays

Usage: generate.py OUTPUT_FOLDER"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import about_icon  # noqa: E402
import embed  # noqa: E402
import glyphs  # noqa: E402
import icon  # noqa: E402
import manifest  # noqa: E402
import options_icon  # noqa: E402


def write(path, data):
    with open(path + ".tmp", "wb") as f:
        f.write(data)
    os.replace(path + ".tmp", path)


def main(out):
    os.makedirs(out, exist_ok=True)
    files = [
        ("SpinUp", "SpinUp.bmp", "spin_up", glyphs.spin_up()),
        ("SpinDown", "SpinDown.bmp", "spin_down", glyphs.spin_down()),
        ("MAINICON", "Muralto.ico", "program_icon", icon.program_icon()),
        ("MANIFEST", "Muralto.manifest", "manifest", manifest.manifest()),
        ("OPTIONSICON", "Options.ico", "options_icon", options_icon.options_icon()),
        ("ABOUTICON", "About.ico", "about_icon", about_icon.about_icon()),
    ]
    for _, file_name, _, data in files:
        write(os.path.join(out, file_name), data)
    source = embed.embedded_source([(name, ident, data) for name, _, ident, data in files])
    write(os.path.join(out, "EmbeddedResources.cpp"), source.encode("ascii"))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: generate.py OUTPUT_FOLDER")
    main(sys.argv[1])
