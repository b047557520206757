#!/usr/bin/python3
"""The program's own code allocates nothing on the heap: no object of the
core libraries or of the entry refers to an allocation function.
Usage: check_no_heap.py NM OBJECT_OR_LIBRARY..."""
import re
import subprocess
import sys

ALLOCATORS = re.compile(
    r"^(_?_?imp_)?_*(malloc|calloc|realloc|strdup|wcsdup|_wcsdup|_strdup|"
    r"HeapAlloc|HeapReAlloc|LocalAlloc|GlobalAlloc|VirtualAlloc|CoTaskMemAlloc|"
    r"_Znw[jmy].*|_Zna[jmy].*)(@\d+)?$")


def main(nm, paths):
    status = 0
    paths = [p for p in paths if not p.endswith(".res")]  # compiled resources hold no code
    for path in paths:
        output = subprocess.run([nm, "-u", path], capture_output=True, text=True, check=True).stdout
        member = path
        for line in output.splitlines():
            if line.endswith(":"):
                member = line[:-1]
                continue
            symbol = line.split()[-1] if line.split() else ""
            if ALLOCATORS.match(symbol):
                print("%s: %s refers to %s" % (path, member, symbol))
                status = 1
    if status == 0:
        print("no heap allocation in %d files" % len(paths))
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
