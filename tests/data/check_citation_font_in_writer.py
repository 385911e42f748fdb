"""The citation font's name in a real word processor. A settings file names
the citation font; LibreOffice Writer opens the copy composed under it (sura
112 ayat 1 to 4, as the copy range dialog copies it) and must show exactly
that name in the document's fonts, Arabic letters, braces and backslashes
included, while nothing the name spells out (bold, a size) takes effect."""
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

resources = pathlib.Path(sys.argv[1])
out = pathlib.Path(os.environ.get("TIRAVEL_TEST_OUTPUT", tempfile.gettempdir())) / "citation-font"
bin_dir = pathlib.Path(os.environ["TIRAVEL_BIN"])

NAMES = [
    "Times New Roman",
    "خط النسخ",
    "Back\\slash {Brace}",
    "Naskh}{\\b\\fs200 Bold",
]

NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
    "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
}

shutil.rmtree(out, ignore_errors=True)
out.mkdir(parents=True)
documents = []
for k, name in enumerate(NAMES):
    folder = out / f"settings{k}"
    folder.mkdir()
    subprocess.run([str(bin_dir / "tiravel-settings"), "--folder", str(folder), "--page", "1",
                    "--citation-font", name], check=True)
    rtf = out / f"citation{k}.rtf"
    rtf.write_bytes(subprocess.run([str(bin_dir / "tiravel-copytext"), "--range", "112", "1", "4",
                                    "--data", str(resources), "--settings", str(folder / "setting.dat")],
                                   check=True, capture_output=True).stdout)
    documents.append(rtf)

env = dict(os.environ, HOME=str(out))
subprocess.run(["libreoffice", f"-env:UserInstallation=file://{out / 'profile'}", "--headless",
                "--convert-to", "fodt", "--outdir", str(out)] + [str(d) for d in documents],
               check=True, env=env, capture_output=True, timeout=240)

failures = []
for name, rtf in zip(NAMES, documents):
    fodt = rtf.with_suffix(".fodt")
    if not fodt.exists():
        sys.exit(f"LibreOffice wrote no {fodt.name}")
    root = ET.parse(fodt).getroot()
    faces = {f.get(f"{{{NS['style']}}}name"): f.get(f"{{{NS['svg']}}}font-family", "").strip("'")
             for f in root.iter(f"{{{NS['style']}}}font-face")}
    used = {v for e in root.iter(f"{{{NS['style']}}}text-properties")
            for k, v in e.attrib.items() if k.endswith("}font-name") or k.endswith("}font-name-complex")}
    if not any(family == name and face in used for face, family in faces.items()):
        failures.append(f"{name!r}: the document's fonts are {sorted(faces.values())}")
    for e in root.iter(f"{{{NS['style']}}}text-properties"):
        if e.get(f"{{{NS['fo']}}}font-weight") == "bold" or e.get(f"{{{NS['style']}}}font-weight-complex") == "bold":
            failures.append(f"{name!r}: some text is bold")
        if e.get(f"{{{NS['fo']}}}font-size") == "100pt":
            failures.append(f"{name!r}: some text is set at 100 points")
    print(f"{name!r}: {sorted(faces.values())}")
if failures:
    sys.exit("\n".join(failures))
print("every citation font name reached LibreOffice as written")
