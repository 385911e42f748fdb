#!/usr/bin/env python3
"""Checks the release that make_release.py wrote: SHA256SUMS verifies, the
archive unpacks whole into one folder, its Tiravel.exe is the build's byte
for byte, the read-me speaks both languages and names every licence file,
and each licence file holds the text it is there for.

    check_release.py --dist build/dist --exe build/windows/bin/Tiravel.exe --version 2.0.0.6
"""
import argparse
import filecmp
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

# A phrase each licence file must hold: the text it is there for.
LICENCE_PHRASES = {
    "Tiravel.txt": "the Tiravel developers",
    "Quran-text-Tanzil.txt": "Permission is granted to copy and distribute verbatim copies",
    "Fonts-Amiri-OFL.txt": "SIL OPEN FONT LICENSE Version 1.1",
    "quran-meta-MIT.txt": "Permission is hereby granted, free of charge",
    "libjpeg-turbo.txt": "based in part on the work of the Independent JPEG Group",
    "libpng.txt": "PNG Reference Library",
    "zlib.txt": "Jean-loup Gailly",
    "pugixml.txt": "Arseny Kapoulkine",
    "mingw-w64-runtime.txt": "winpthreads",
    "gcc-runtime.txt": "GCC Runtime Library Exception",
}
README_PHRASES = [
    "What Tiravel is", "ما هو Tiravel",                        # both languages
    "VerizevuZivo1 Ver18.ttf", "VerizevuZivo1B Ver18.ttf",      # the two fonts installed
    r"%APPDATA%\CorvaneSchool",                                 # where settings live
    "Removing the program and its fonts", "إزالة البرنامج وخطوطه",
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--dist", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--version", required=True)
    args = parser.parse_args()
    dist = Path(args.dist)
    folder = f"Tiravel-{args.version}-win64"
    zip_path = dist / f"{folder}.zip"
    faults = []

    # The checksums, as a user checks them.
    sums = (dist / "SHA256SUMS").read_text(encoding="ascii").splitlines()
    if len(sums) != 1 or not sums[0].endswith(f"  {zip_path.name}"):
        faults.append(f"SHA256SUMS should name {zip_path.name} alone: {sums}")
    check = subprocess.run(["sha256sum", "--check", "--strict", "SHA256SUMS"], cwd=dist,
                           capture_output=True, text=True)
    if check.returncode != 0:
        faults.append(f"sha256sum --check: {check.stdout.strip()} {check.stderr.strip()}")

    with zipfile.ZipFile(zip_path) as archive:
        if (bad := archive.testzip()) is not None:
            faults.append(f"{bad} is damaged in the archive")
        names = archive.namelist()
        outside = [n for n in names if not n.startswith(folder + "/")]
        if outside:
            faults.append(f"outside the folder {folder}: {outside}")
        with tempfile.TemporaryDirectory() as unpacked:
            archive.extractall(unpacked)
            root = Path(unpacked) / folder
            exe = root / "Tiravel.exe"
            if not exe.is_file() or not filecmp.cmp(exe, args.exe, shallow=False):
                faults.append("Tiravel.exe in the archive differs from the build's")
            readme = root / "README.txt"
            raw = readme.read_bytes() if readme.is_file() else b""
            if not raw.startswith(b"\xef\xbb\xbf") or b"\n" in raw.replace(b"\r\n", b""):
                faults.append("README.txt is not UTF-8 with a byte order mark and CRLF line ends")
            text = raw.decode("utf-8-sig", errors="replace")
            for phrase in README_PHRASES + [args.version]:
                if phrase not in text:
                    faults.append(f"README.txt does not say {phrase!r}")
            present = sorted(p.name for p in (root / "licences").glob("*"))
            if present != sorted(LICENCE_PHRASES):
                faults.append(f"licences/ holds {present}, not {sorted(LICENCE_PHRASES)}")
            for name, phrase in LICENCE_PHRASES.items():
                path = root / "licences" / name
                licence = path.read_text(encoding="utf-8-sig", errors="replace") if path.is_file() else ""
                if phrase not in licence:
                    faults.append(f"licences/{name} lacks {phrase!r}")
                if name not in text:
                    faults.append(f"README.txt does not name licences/{name}")

    for fault in faults:
        print(f"FAIL: {fault}")
    if not faults:
        print(f"{zip_path.name}: {zip_path.stat().st_size} bytes, {len(names)} files, checksums and executable right")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
