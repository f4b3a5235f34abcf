"""Checks the layers of src/ (docs/architecture.md): every include of a
project header names its folder ("store/AcronymStore.h"), and no folder
includes a folder of a higher layer, nor one beside it on the same layer.
In the tests and benchmarks (further folders) every include names its
folder too, a test helper as "common/...".
Usage: check_layers.py SRC_DIR [TESTS_OR_BENCH_DIR ...]"""

import pathlib
import re
import sys

# Lowest first. A folder may include its own headers and those of lower layers.
LAYERS = [
    ["base"],
    ["platform"],
    ["store"],
    ["search"],
    ["controls"],
    ["views", "reference", "web", "support"],
    ["tools"],
    ["app", "cli"],
]
LAYER = {folder: level for level, folders in enumerate(LAYERS) for folder in folders}

# Quoted includes in sources, and the headers forms name for their custom widgets.
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"|<header>([^<]+)</header>', re.MULTILINE)


def problems(src):
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp", ".ui", ".in"):
            continue
        folder = path.relative_to(src).parts[0]
        if folder not in LAYER:
            yield f"{path}: folder {folder} has no layer"
            continue
        for match in INCLUDE.finditer(path.read_text(encoding="utf-8", errors="replace")):
            included = match.group(1) or match.group(2)
            if included.startswith("ui_") or included.endswith(".moc"):
                continue  # generated for this very target
            target = included.split("/")[0] if "/" in included else None
            if target not in LAYER:
                yield f"{path}: #include \"{included}\" does not name its folder"
            elif target != folder and LAYER[target] >= LAYER[folder]:
                yield f"{path}: {folder} includes {included} from the layer of {target}, not below it"


def unnamed_includes(folder):
    for path in sorted(folder.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        for match in INCLUDE.finditer(path.read_text(encoding="utf-8", errors="replace")):
            included = match.group(1)
            if included.startswith("ui_") or included.endswith(".moc"):
                continue
            if included.split("/")[0] not in LAYER and not included.startswith("common/"):
                yield f"{path}: #include \"{included}\" does not name its folder"


def main():
    found = list(problems(pathlib.Path(sys.argv[1])))
    for other in sys.argv[2:]:
        found += unnamed_includes(pathlib.Path(other))
    for problem in found:
        print(problem)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
