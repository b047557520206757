#!/usr/bin/python3
"""Static checks of the built programs, for the 32-bit ones that cannot run
here in CI: machine, subsystem, imports, and that each language build holds
only its own texts."""
import sys

import pefile

SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll", "comctl32.dll",
    "setupapi.dll", "advapi32.dll", "msvcrt.dll",
}

# Texts only one build may hold, as they are stored: UTF-16LE.
ONLY_ENGLISH = ["devices.txt", "An error occurred while writing the file.", "Network Adapters"]
ONLY_FRENCH = ["quenordevs.txt", "Impossible d'\u00e9crire le fichier .txt !.",
               "Cartes R\u00e9seau (Network)"]

MACHINES = {"i386": 0x14C, "amd64": 0x8664}


def check(path, machine, language):
    failures = []
    pe = pefile.PE(path)
    if pe.FILE_HEADER.Machine != MACHINES[machine]:
        failures.append("machine %#x, not %s" % (pe.FILE_HEADER.Machine, machine))
    magic = pe.OPTIONAL_HEADER.Magic
    if magic != (0x10B if machine == "i386" else 0x20B):
        failures.append("optional header magic %#x" % magic)
    if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        failures.append("subsystem %d, not Windows GUI" % pe.OPTIONAL_HEADER.Subsystem)
    imported = {entry.dll.decode().lower() for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])}
    if not imported:
        failures.append("no imports")
    for dll in sorted(imported - SYSTEM_DLLS):
        failures.append("imports %s, not a Windows system DLL" % dll)

    data = open(path, "rb").read()
    own, other = (ONLY_ENGLISH, ONLY_FRENCH) if language == "english" else (ONLY_FRENCH, ONLY_ENGLISH)
    for text in own:
        if text.encode("utf-16-le") not in data:
            failures.append("lacks its own text %r" % text)
    for text in other:
        if text.encode("utf-16-le") in data:
            failures.append("holds the other build's text %r" % text)
    return failures


def main(arguments):
    """Arguments: triples of path, machine (i386/amd64) and language."""
    status = 0
    for i in range(0, len(arguments), 3):
        path, machine, language = arguments[i:i + 3]
        try:
            failures = check(path, machine, language)
        except (OSError, pefile.PEFormatError) as error:
            failures = [str(error)]
        for failure in failures:
            print("%s: %s" % (path, failure))
        if failures:
            status = 1
        else:
            print("%s: ok (%s, %s)" % (path, machine, language))
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
