#!/usr/bin/env python3
"""Fails unless an executable imports only DLLs that Windows always loads
from System32.

A DLL named in the import table that is not one of the system's known DLLs
is looked for in the executable's own folder before System32. Beside a
program saved in Downloads, a planted file of that name would run inside it,
as administrator in the font installation run; a DLL that Windows does not
ship at all (Wine does ship some, zlib1.dll among them) keeps the program
from starting. The known DLLs are those of Windows 10 (the KnownDLLs key of
the session manager); comctl32 is allowed when the executable's manifest
binds the common controls, which the loader then takes from the side-by-side
store.

    check_imports.py --objdump x86_64-w64-mingw32-objdump Tiravel.exe
"""
import argparse
import re
import subprocess
import sys

# HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs of Windows
# 10, and ntdll, which is in every process before the executable.
KNOWN_DLLS = {
    "advapi32.dll", "clbcatq.dll", "combase.dll", "comdlg32.dll", "coml2.dll", "difxapi.dll",
    "gdi32.dll", "gdiplus.dll", "imagehlp.dll", "imm32.dll", "kernel32.dll", "msctf.dll",
    "msvcrt.dll", "normaliz.dll", "nsi.dll", "ole32.dll", "oleaut32.dll", "psapi.dll",
    "rpcrt4.dll", "sechost.dll", "setupapi.dll", "shcore.dll", "shell32.dll", "shlwapi.dll",
    "user32.dll", "wldap32.dll", "ws2_32.dll", "ntdll.dll",
}
# DLLs the manifest binds to the side-by-side store, and the assembly it must name.
MANIFEST_BOUND = {"comctl32.dll": b'name="Microsoft.Windows.Common-Controls"'}
# DLLs of the libraries and runtimes the build links, which no Windows ships.
THIRD_PARTY = re.compile(r"^(zlib1|libz.*|libpng.*|libjpeg.*|libturbojpeg.*|libpugixml.*|libstdc\+\+.*"
                         r"|libgcc.*|libwinpthread.*|libssp.*|libgomp.*)\.dll$")


def imported_dlls(objdump, exe):
    """Every DLL the file names, in its import table and its delay-load table."""
    out = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    return re.findall(r"^\s*DLL Name:\s*(\S+)\s*$", out, flags=re.M)


def refusal(dll, exe_bytes):
    """Why `dll` may not be imported, or None when it may."""
    name = dll.lower()
    if name in KNOWN_DLLS:
        return None
    if name in MANIFEST_BOUND:
        if MANIFEST_BOUND[name] in exe_bytes:
            return None
        return ("bound only through the manifest's dependency on the common controls, "
                "which this executable's manifest lacks: the loader would search the program's folder for it")
    if THIRD_PARTY.match(name):
        return ("the DLL of a third-party library or runtime, which no Windows has (Wine may): "
                "the program would not start; link the library statically")
    return ("not one of Windows' known DLLs, so the loader looks for it in the program's own folder "
            "first, where a planted copy would run with the program's rights (an administrator's in the "
            "font installation); load it at run time from System32 (src/base/win/SystemLibraries) "
            "or do without it")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--objdump", default="x86_64-w64-mingw32-objdump")
    parser.add_argument("exe")
    args = parser.parse_args()
    dlls = imported_dlls(args.objdump, args.exe)
    if not dlls:
        print(f"{args.exe}: no import table found", file=sys.stderr)
        return 1
    with open(args.exe, "rb") as f:
        exe_bytes = f.read()
    refused = [(dll, why) for dll in dlls if (why := refusal(dll, exe_bytes))]
    for dll, why in refused:
        print(f"refused: {dll}: {why}")
    print(f"{args.exe} imports: {', '.join(dlls)}")
    return 1 if refused else 0


if __name__ == "__main__":
    sys.exit(main())
