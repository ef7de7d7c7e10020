#!/usr/bin/python3
"""Prints the benchmark results, the ezdxf side-by-side and the peak memory as one table.
Usage: table.py RESULTS.json EZDXF_MS EZDXF_ENTITIES PEAK_RSS_KB"""
import json
import sys


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        results = json.load(f)
    ezdxf_ms, ezdxf_entities, peak_kb = float(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
    rows = []
    ours_dxf_ms = None
    for b in results["benchmarks"]:
        if b.get("run_type") == "aggregate":
            continue
        unit = scale[b.get("time_unit", "ns")]
        real, cpu = b["real_time"] * unit, b["cpu_time"] * unit
        elements = b.get("elements")
        per_element = ""
        if b.get("items_per_second"):
            per_element = f"{1e9 / b['items_per_second']:.0f}"
        rows.append((b["name"], f"{real:.3f}", f"{cpu:.3f}",
                     f"{int(elements)}" if elements else "", per_element))
        if b["name"].endswith("dxf_10x10"):
            ours_dxf_ms = cpu
    rows.append((f"ezdxf (python) 10x10, {ezdxf_entities} lines and arcs", "", f"{ezdxf_ms:.3f}",
                 "", ""))
    if ours_dxf_ms:
        rows.append(("ezdxf / our DXF writer (processor time)", "", f"{ezdxf_ms / ours_dxf_ms:.1f}x",
                     "", ""))
    rows.append(("peak memory, 10,000 poses (brontaxe-cli max RSS)", "", f"{peak_kb / 1024:.1f} MiB",
                 "", ""))
    header = ("benchmark", "wall ms", "cpu ms", "elements", "cpu ns/element")
    widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]
    line = "  ".join(h.ljust(widths[0]) if i == 0 else h.rjust(widths[i])
                     for i, h in enumerate(header))
    print(line)
    print("-" * len(line))
    for r in rows:
        print("  ".join(c.ljust(widths[0]) if i == 0 else c.rjust(widths[i])
                        for i, c in enumerate(r)))


if __name__ == "__main__":
    main()
