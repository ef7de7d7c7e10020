#!/usr/bin/python3
"""ezdxf writing the lines and arcs brontaxe_bench_export dumped, timed like our writer in
processor time (the machine is shared): the whole document built and saved, best of several
runs. Prints milliseconds and the number of entities."""
import sys
import tempfile
import time

import ezdxf


def load(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            kind, layer, *numbers = line.split()
            rows.append((kind, layer, [float(v) for v in numbers]))
    return rows


def write(rows, out_path):
    doc = ezdxf.new("R2000", units=4)  # millimetres
    for layer in sorted({layer for _, layer, _ in rows}):
        doc.layers.add(layer)
    msp = doc.modelspace()
    for kind, layer, v in rows:
        attribs = {"layer": layer}
        if kind == "L":
            msp.add_line((v[0], v[1]), (v[2], v[3]), dxfattribs=attribs)
        elif kind == "A":
            msp.add_arc((v[0], v[1]), v[2], v[3], v[4], dxfattribs=attribs)
        else:
            msp.add_circle((v[0], v[1]), v[2], dxfattribs=attribs)
    doc.saveas(out_path)


def main():
    rows = load(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    best = float("inf")
    with tempfile.NamedTemporaryFile(suffix=".dxf") as out:
        for _ in range(runs):
            start = time.process_time()
            write(rows, out.name)
            best = min(best, time.process_time() - start)
    print(f"{best * 1000:.3f} {len(rows)}")


if __name__ == "__main__":
    main()
