#!/usr/bin/env python3
"""Checks that the sources follow the library graph declared in src/CMakeLists.txt.

Each core folder under src/ is a library declared with `brontaxe_layer(NAME DEPENDS ...)`.
A file may include headers of its own library and of the libraries it reaches through
DEPENDS, never one above it or beside it; the front ends (cli, app) include any core library
but not each other. The graph itself must have no cycle. Exits 1 with every offending
include named, so a stray include fails the test suite rather than a later link.
"""
import os
import re
import sys

LAYER_CALL = re.compile(r"brontaxe_layer\(\s*(\w+)((?:\s+\w+)*)\s*\)")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
FRONT_ENDS = ("cli", "app")


def declared_layers(src):
    """{layer: set of direct dependencies} from src/CMakeLists.txt, in declaration order."""
    text = open(os.path.join(src, "CMakeLists.txt"), encoding="utf-8").read()
    text = re.sub(r"#[^\n]*", "", text)
    layers = {}
    for name, rest in LAYER_CALL.findall(text):
        words = rest.split()
        if words and words[0] != "DEPENDS":
            raise SystemExit(f"brontaxe_layer({name} ...): expected DEPENDS, got {words[0]}")
        deps = set(words[1:])
        unknown = deps - layers.keys()
        if unknown:
            # Declared before use, so the order of the file is a layering with no cycle.
            raise SystemExit(f"layer {name} depends on {sorted(unknown)}, not declared above it")
        layers[name] = deps
    return layers


def reachable(layers):
    closure = {}
    for name, deps in layers.items():  # declaration order: every dependency already closed
        closure[name] = {name}.union(*(closure[d] for d in deps)) if deps else {name}
    return closure


def owner(path, names):
    """The library a file or an include path belongs to: its first folder under src/."""
    top = path.split("/", 1)[0]
    return top if top in names or top in FRONT_ENDS else None


def violations(src, layers):
    closure = reachable(layers)
    found = []
    for root, _, files in os.walk(src):
        for f in sorted(files):
            if not f.endswith((".h", ".cpp")):
                continue
            path = os.path.relpath(os.path.join(root, f), src)
            here = owner(path, layers)
            if here is None:
                continue
            text = open(os.path.join(root, f), encoding="utf-8").read()
            for included in INCLUDE.findall(text):
                there = owner(included, layers)
                if there is None or there == here:
                    continue
                if here in FRONT_ENDS:
                    allowed = there not in FRONT_ENDS
                else:
                    allowed = there in closure[here]
                if not allowed:
                    found.append(f"src/{path}: #include \"{included}\" ({here} may not use {there})")
    return found


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")
    layers = declared_layers(src)
    missing = [d for d in sorted(os.listdir(src))
               if os.path.isdir(os.path.join(src, d)) and d not in layers and d not in FRONT_ENDS]
    problems = [f"src/{d}/ is in no library" for d in missing] + violations(src, layers)
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} include(s) against the library graph of src/CMakeLists.txt")
        return 1
    print(f"{len(layers)} libraries, every include follows their graph")
    return 0


if __name__ == "__main__":
    sys.exit(main())
