#!/usr/bin/env python3
"""The layer check on small source trees: each case plants one include (or one declaration)
and expects the offence named, or nothing."""
import os
import subprocess
import sys
import tempfile
import unittest

CHECKER = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "check-layers.py")

GRAPH = """
brontaxe_layer(platform)
brontaxe_layer(drawing DEPENDS platform)
brontaxe_layer(model DEPENDS drawing)
brontaxe_layer(board DEPENDS model)
brontaxe_layer(io DEPENDS drawing)
"""

# (case, file under src/, include it holds, expected offence or None)
CASES = [
    ("down one layer", "model/model.h", "drawing/drawing.h", None),
    ("down two layers, through the graph", "board/table.cpp", "platform/paths.h", None),
    ("its own library", "drawing/contour.cpp", "drawing/geometry.h", None),
    ("a sub-folder of its own library", "drawing/section/cut.cpp", "drawing/drawing.h", None),
    ("a system or third-party header", "io/dxf.cpp", "dl_dxf.h", None),
    ("upward", "drawing/drawing.h", "model/model.h", "drawing may not use model"),
    ("sideways, between services", "io/writer.cpp", "board/table.h", "io may not use board"),
    ("from below a sub-folder", "drawing/section/cut.h", "board/x.h", "drawing may not use board"),
    ("a front end into the core", "cli/main.cpp", "board/table.h", None),
    ("a front end into the other", "cli/main.cpp", "app/window/main_window.h",
     "cli may not use app"),
    ("the core into a front end", "board/table.cpp", "cli/options.h", "board may not use cli"),
]


def run_checker(graph, files):
    with tempfile.TemporaryDirectory() as src:
        with open(os.path.join(src, "CMakeLists.txt"), "w", encoding="utf-8") as f:
            f.write(graph)
        for path, text in files.items():
            os.makedirs(os.path.dirname(os.path.join(src, path)), exist_ok=True)
            with open(os.path.join(src, path), "w", encoding="utf-8") as f:
                f.write(text)
        for layer in ("platform", "drawing", "model", "board", "io", "cli", "app"):
            os.makedirs(os.path.join(src, layer), exist_ok=True)
        done = subprocess.run([sys.executable, CHECKER, src], capture_output=True, text=True)
        return done.returncode, done.stdout + done.stderr


class LayerCheck(unittest.TestCase):
    def test_includes(self):
        for name, path, included, offence in CASES:
            with self.subTest(name):
                code, out = run_checker(GRAPH, {path: f'#include "{included}"\n'})
                if offence is None:
                    self.assertEqual(code, 0, out)
                else:
                    self.assertEqual(code, 1, out)
                    self.assertIn(offence, out)
                    self.assertIn(f"src/{path}", out)

    def test_a_dependency_declared_below_is_a_cycle_refused(self):
        code, out = run_checker("brontaxe_layer(drawing DEPENDS model)\n"
                                "brontaxe_layer(model DEPENDS drawing)\n", {})
        self.assertNotEqual(code, 0)
        self.assertIn("not declared above", out)

    def test_a_folder_in_no_library_is_named(self):
        code, out = run_checker(GRAPH, {"pen/pen.h": "\n"})
        self.assertEqual(code, 1, out)
        self.assertIn("src/pen/ is in no library", out)


if __name__ == "__main__":
    unittest.main()
