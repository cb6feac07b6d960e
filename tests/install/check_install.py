#!/usr/bin/env python3
"""Checks of the desktop installation, run by CTest.

  install BUILD VERSION SIZES  installs BUILD into a scratch prefix and checks what landed
  desktop FILE                 desktop-file-validate, with hints counted as failures
  mime FILE SCHEMA             the package XML against SCHEMA, then through update-mime-database
"""

import configparser
import gzip
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

MIME_NS = "{http://www.freedesktop.org/standards/shared-mime-info}"
failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def tool(name):
    path = shutil.which(name)
    if path is None:
        sys.exit(f"{name} is not installed: run scripts/deps.sh")
    return path


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, **kwargs)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def expected_files(version, sizes):
    files = {
        "bin/ranvik",
        "bin/ranvik-cli",
        "share/applications/ranvik.desktop",
        "share/mime/packages/ranvik.xml",
        "share/icons/hicolor/scalable/apps/ranvik.svg",
        "share/man/man1/ranvik.1.gz",
        "share/man/man1/ranvik-cli.1.gz",
        "share/doc/ranvik/copyright",
        "share/doc/ranvik/changelog.gz",
    }
    files |= {f"share/icons/hicolor/{s}x{s}/apps/ranvik.png" for s in sizes}
    return files


def installed_files(prefix):
    found = set()
    for folder, _, names in os.walk(prefix):
        for name in names:
            found.add(os.path.relpath(os.path.join(folder, name), prefix))
    return found


def check_icons(prefix, sizes):
    for s in sizes:
        path = f"{prefix}/share/icons/hicolor/{s}x{s}/apps/ranvik.png"
        if os.path.exists(path) and png_size(path) != (s, s):
            fail(f"{path} is {png_size(path)}, not {s}x{s}")


def check_versions(prefix, version):
    for page in ("ranvik", "ranvik-cli"):
        with gzip.open(f"{prefix}/share/man/man1/{page}.1.gz", "rt") as f:
            heading = f.readline()
        if f'"Ranvik {version}"' not in heading:
            fail(f"{page}(1) heading does not carry the version: {heading.strip()}")
    with gzip.open(f"{prefix}/share/doc/ranvik/changelog.gz", "rt") as f:
        first = f.readline()
    if not first.startswith(f"ranvik ({version})"):
        fail(f"changelog starts with {first.strip()!r}")


def check_programs(prefix, version):
    # No display: --version must answer before any window system is needed.
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    result = run([f"{prefix}/bin/ranvik", "--version"], env=env)
    if result.returncode != 0 or result.stdout != f"Ranvik {version}\n":
        fail(f"ranvik --version: status {result.returncode}, {result.stdout!r} {result.stderr!r}")
    result = run([f"{prefix}/bin/ranvik-cli", "--help"], env=env)
    if result.returncode != 0 or not result.stdout.startswith("Usage: ranvik-cli"):
        fail(f"ranvik-cli --help: status {result.returncode}, {result.stdout[:80]!r}")


def check_desktop_references(prefix):
    """The menu entry names the installed program, icon and chart type."""
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(f"{prefix}/share/applications/ranvik.desktop", encoding="utf-8")
    section = entry["Desktop Entry"]
    program = section["Exec"].split()[0]
    if not os.access(f"{prefix}/bin/{program}", os.X_OK):
        fail(f"Exec names {program}, which is not an installed program")
    icon = section["Icon"]
    if not os.path.exists(f"{prefix}/share/icons/hicolor/scalable/apps/{icon}.svg"):
        fail(f"Icon names {icon}, which has no installed icon")
    declared = {t.get("type") for t in ET.parse(f"{prefix}/share/mime/packages/ranvik.xml").getroot()}
    for mime in filter(None, section["MimeType"].split(";")):
        if mime not in declared:
            fail(f"MimeType {mime} is not declared in the installed MIME package")


def check_install(build, version, sizes):
    sizes = [int(s) for s in sizes.split(";")]
    with tempfile.TemporaryDirectory(prefix="ranvik-install-") as prefix:
        result = run(["cmake", "--install", build, "--prefix", prefix])
        if result.returncode != 0:
            sys.exit("cmake --install failed:\n" + result.stdout + result.stderr)
        found = installed_files(prefix)
        wanted = expected_files(version, sizes)
        for missing in sorted(wanted - found):
            fail("not installed: " + missing)
        for extra in sorted(found - wanted):
            fail("installed but not expected: " + extra)
        for program in ("bin/ranvik", "bin/ranvik-cli"):
            if program in found and not os.access(f"{prefix}/{program}", os.X_OK):
                fail(program + " is not executable")
        if wanted <= found:
            check_icons(prefix, sizes)
            check_versions(prefix, version)
            check_programs(prefix, version)
            check_desktop_references(prefix)


def check_desktop(path):
    result = run([tool("desktop-file-validate"), path])
    output = (result.stdout + result.stderr).strip()
    if result.returncode != 0 or output:
        fail(f"desktop-file-validate {path}: status {result.returncode}\n{output}")


def check_mime(path, schema):
    result = run([tool("xmllint"), "--noout", "--relaxng", schema, path])
    if result.returncode != 0:
        fail(f"{path} does not match the shared-mime-info package format:\n{result.stderr}")
        return
    # What a desktop does with it: the database built from it must hold every glob and parent.
    with tempfile.TemporaryDirectory(prefix="ranvik-mime-") as mime:
        os.mkdir(f"{mime}/packages")
        shutil.copy(path, f"{mime}/packages/ranvik.xml")
        result = run([tool("update-mime-database"), "-V", mime])
        if result.returncode != 0 or "warning" in result.stderr.lower() or "error" in result.stderr.lower():
            fail(f"update-mime-database: status {result.returncode}\n{result.stderr}")
        with open(f"{mime}/globs2", encoding="utf-8") as f:
            globs = {tuple(line.strip().split(":")[1:3]) for line in f if not line.startswith("#")}
        with open(f"{mime}/subclasses", encoding="utf-8") as f:
            parents = {tuple(line.split()) for line in f}
        for entry in ET.parse(path).getroot().iter(MIME_NS + "mime-type"):
            mime_type = entry.get("type")
            for glob in entry.iter(MIME_NS + "glob"):
                if (mime_type, glob.get("pattern")) not in globs:
                    fail(f"update-mime-database left out {glob.get('pattern')} for {mime_type}")
            for parent in entry.iter(MIME_NS + "sub-class-of"):
                if (mime_type, parent.get("type")) not in parents:
                    fail(f"update-mime-database left out {mime_type}'s parent {parent.get('type')}")


def main():
    commands = {"install": check_install, "desktop": check_desktop, "mime": check_mime}
    if len(sys.argv) < 2 or sys.argv[1] not in commands:
        sys.exit(__doc__)
    commands[sys.argv[1]](*sys.argv[2:])
    if failures:
        sys.exit(f"{len(failures)} check(s) failed")
    print("OK")


if __name__ == "__main__":
    main()
