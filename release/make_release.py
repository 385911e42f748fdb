#!/usr/bin/env python3
"""Writes the release a user downloads: DIST/Tiravel-VERSION-win64.zip and
DIST/SHA256SUMS.

The archive holds one folder, Tiravel-VERSION-win64, with Tiravel.exe as the
build made it, README.txt for Windows users (Arabic and English) and, in
licences/, the terms of everything inside the executable: the program's own
licence, the Tanzil Project's terms as the aya store carries them, the SIL
Open Font License of the Amiri faces (with the copyright the built faces
carry), the MIT notice of quran-meta, and the notices of the libraries
linked in, taken from the copyright files of the Debian packages they come
from on this machine. Texts are UTF-8 with a byte order mark and CRLF line
ends, as Notepad reads them. File dates come from SOURCE_DATE_EPOCH, else the
last commit, so the same build gives the same archive.
"""
import argparse
import hashlib
import os
import re
import subprocess
import sys
import time
import zipfile
from pathlib import Path

DOC_ROOT = Path("/usr/share/doc")


class ReleaseError(Exception):
    pass


# --- licence texts ------------------------------------------------------------------


def debian_copyright(package):
    path = DOC_ROOT / package / "copyright"
    try:
        return path.read_text(encoding="utf-8"), path
    except OSError as e:
        raise ReleaseError(f"{path}: {e.strerror} (is the Debian package {package} installed?)") from e


def library_notice(package, what):
    text, path = debian_copyright(package)
    return f"{what}\n\nIts copyright and licence, from the Debian package {package} ({path}):\n\n{text}"


def tanzil_notice(store):
    """The notice that the aya store carries as its first comment."""
    text = Path(store).read_text(encoding="utf-8")
    found = re.search(r"<!--(.*?)-->", text, flags=re.S)
    if not found or "Tanzil" not in found.group(1):
        raise ReleaseError(f"{store}: no Tanzil notice at its head")
    return ("The Quran text inside Tiravel (its aya store, from which the pages and every copy are made) is\n"
            "the Tanzil Uthmani text. Its terms and notice, as the aya store carries them:\n\n"
            + found.group(1).strip("\n") + "\n")


def font_notice(fonts):
    """The copyright and licence names of the built faces, and the OFL."""
    from fontTools.ttLib import TTFont  # Debian's python3-fonttools

    lines = []
    for font in fonts:
        names = TTFont(font)["name"]
        family = names.getDebugName(4) or Path(font).name
        lines.append(f"{family}:")
        for name_id in (0, 13, 14):  # copyright, licence, licence address
            value = names.getDebugName(name_id)
            if value:
                lines.append(f"  {value}")
    text, path = debian_copyright("fonts-hosny-amiri")
    return ("The two faces of the font family \"Harvik HAFS Uthmanic Script\" inside Tiravel are built from\n"
            "the Amiri fonts (AmiriQuran.ttf and Amiri-Bold.ttf), with aya digits and ornamental brackets\n"
            "added. They remain under the SIL Open Font License 1.1, like Amiri. What the faces say:\n\n"
            + "\n".join(lines)
            + f"\n\nThe copyright and licence of Amiri, from the Debian package fonts-hosny-amiri ({path}):\n\n"
            + text)


# (file in licences/, what it covers in English, in Arabic, how its text is made)
def licences(args):
    return [
        ("Tiravel.txt", "the program itself", "البرنامج نفسه",
         lambda: Path(args.licence).read_text(encoding="utf-8")),
        ("Quran-text-Tanzil.txt", "the Quran text (Tanzil Project)", "النص القرآني (مشروع تنزيل)",
         lambda: tanzil_notice(args.store)),
        ("Fonts-Amiri-OFL.txt", "the Quran fonts, built from Amiri (SIL Open Font License 1.1)",
         "خطا المصحف، المبنيان على خط أميري (رخصة SIL للخطوط المفتوحة)",
         lambda: font_notice(args.font)),
        ("quran-meta-MIT.txt", "the page, juz and hizb-quarter lists (quran-meta, MIT)",
         "قوائم الصفحات والأجزاء وأرباع الأحزاب (quran-meta)",
         lambda: "The page, juz, hizb-quarter and sajda lists inside Tiravel come from the npm package\n"
                 "quran-meta. Its licence:\n\n"
                 + (Path(args.node_modules) / "quran-meta" / "LICENSE").read_text(encoding="utf-8")),
        ("libjpeg-turbo.txt",
         "libjpeg-turbo; this software is based in part on the work of the Independent JPEG Group",
         "مكتبة libjpeg-turbo",
         lambda: library_notice("libjpeg62-turbo-dev",
                                "libjpeg-turbo is linked into Tiravel.exe (it decodes the sura header frames).\n"
                                "This software is based in part on the work of the Independent JPEG Group.")),
        ("libpng.txt", "libpng", "مكتبة libpng",
         lambda: library_notice("libpng-dev", "libpng is linked into Tiravel.exe (it decodes the pictures).")),
        ("zlib.txt", "zlib", "مكتبة zlib",
         lambda: library_notice("libz-mingw-w64-dev",
                                "zlib is linked into Tiravel.exe (it inflates the packed pages and pictures).")),
        ("pugixml.txt", "pugixml", "مكتبة pugixml",
         lambda: library_notice("libpugixml-dev", "pugixml is linked into Tiravel.exe (it reads the aya store).")),
        ("mingw-w64-runtime.txt", "the mingw-w64 runtime (C start-up code, winpthreads)",
         "مكتبات التشغيل mingw-w64",
         lambda: library_notice("mingw-w64-x86-64-dev",
                                "Parts of the mingw-w64 runtime are linked into Tiravel.exe: the C run-time\n"
                                "start-up and support code and the winpthreads threads library.")),
        ("gcc-runtime.txt", "the GCC runtime libraries (libstdc++, libgcc)", "مكتبات التشغيل GCC",
         lambda: library_notice("g++-mingw-w64-x86-64-posix",
                                "The GCC runtime libraries libstdc++ and libgcc are linked into Tiravel.exe,\n"
                                "under the GCC Runtime Library Exception.")),
    ]


# --- the archive --------------------------------------------------------------------


def windows_text(text):
    """UTF-8 with a byte order mark and CRLF line ends."""
    text = text.replace("\r\n", "\n")
    if not text.endswith("\n"):
        text += "\n"
    return b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode("utf-8")


def archive_date(exe):
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        try:
            epoch = subprocess.run(["git", "-C", str(Path(__file__).parent), "log", "-1", "--format=%ct"],
                                   check=True, capture_output=True, text=True).stdout.strip()
        except (OSError, subprocess.CalledProcessError):
            epoch = ""
    seconds = int(epoch) if epoch else int(Path(exe).stat().st_mtime)
    return max(time.gmtime(seconds)[:6], (1980, 1, 1, 0, 0, 0))


def add(archive, name, data, date):
    info = zipfile.ZipInfo(name, date_time=date)
    info.create_system = 0  # MS-DOS: no Unix permissions for Windows to misread
    info.compress_type = zipfile.ZIP_DEFLATED
    archive.writestr(info, data, compresslevel=9)


def readme(template, version, entries):
    listing_en = "\n".join(f"    {name:<24}{en}" for name, en, _, _ in entries)
    listing_ar = "\n".join(f"    {name:<24}{ar}" for name, _, ar, _ in entries)
    text = Path(template).read_text(encoding="utf-8")
    for key, value in (("@VERSION@", version), ("@LICENCES_EN@", listing_en), ("@LICENCES_AR@", listing_ar)):
        if key not in text:
            raise ReleaseError(f"{template}: no {key}")
        text = text.replace(key, value)
    return text


def build(args):
    folder = f"Tiravel-{args.version}-win64"
    out = Path(args.out)
    out.mkdir(parents=True, exist_ok=True)
    zip_path = out / f"{folder}.zip"
    entries = licences(args)
    texts = [(f"{folder}/licences/{name}", make()) for name, _, _, make in entries]
    date = archive_date(args.exe)
    partial = zip_path.with_suffix(".zip.partial")
    with zipfile.ZipFile(partial, "w") as archive:
        add(archive, f"{folder}/Tiravel.exe", Path(args.exe).read_bytes(), date)
        add(archive, f"{folder}/README.txt", windows_text(readme(args.readme, args.version, entries)), date)
        for name, text in texts:
            add(archive, name, windows_text(text), date)
    partial.replace(zip_path)
    digest = hashlib.sha256(zip_path.read_bytes()).hexdigest()
    sums = out / "SHA256SUMS"
    sums.with_suffix(".partial").write_text(f"{digest}  {zip_path.name}\n", encoding="ascii")
    sums.with_suffix(".partial").replace(sums)
    return zip_path


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--exe", required=True, help="Tiravel.exe as built")
    parser.add_argument("--version", required=True, help="the project's version")
    parser.add_argument("--readme", required=True, help="the read-me template")
    parser.add_argument("--licence", required=True, help="the program's own licence")
    parser.add_argument("--store", required=True, help="the generated aya store (HAFSUNICODE)")
    parser.add_argument("--font", required=True, action="append", help="a generated font face")
    parser.add_argument("--node-modules", required=True, help="the npm data packages")
    parser.add_argument("--out", required=True, help="the folder to write into")
    args = parser.parse_args()
    try:
        zip_path = build(args)
    except (ReleaseError, OSError) as e:
        print(f"make_release: {e}", file=sys.stderr)
        return 1
    print(f"{zip_path}: {zip_path.stat().st_size} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
