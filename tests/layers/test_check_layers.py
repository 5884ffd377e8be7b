"""scripts/check-layers on small trees: what the README's table allows passes,
anything else fails."""
import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                     "check-layers")
README = """# A tree
## How the code is laid out
| folder | what it holds | may include |
| --- | --- | --- |
| `src/store` | items | store |
| `src/bar` | the bar | store, bar |
| `src/interaction` | the menu | store, prefs/LanguageTables.h |
## Next
| `src/prefs` | after the table | store, bar |
"""


class CheckLayersTest(unittest.TestCase):
    def run_check(self, path, include):
        with tempfile.TemporaryDirectory() as root:
            with open(os.path.join(root, "README.md"), "w", encoding="utf-8") as readme:
                readme.write(README)
            os.makedirs(os.path.join(root, os.path.dirname(path)))
            with open(os.path.join(root, path), "w", encoding="utf-8") as source:
                source.write('#include <vector>\n#include "Near.h"\n#include "%s"\n' % include)
            return subprocess.run([sys.executable, CHECK, root], capture_output=True,
                                  text=True).returncode

    def test_includes(self):
        cases = [
            ("src/bar/Look.cpp", "store/Settings.h", 0),
            ("src/bar/Look.cpp", "interaction/Menu.h", 1),
            ("src/interaction/Menu.cpp", "prefs/LanguageTables.h", 0),
            ("src/interaction/Menu.cpp", "prefs/DlgPref.h", 1),
            ("src/store/Items.h", "../bar/Look.h", 1),
            ("src/prefs/Dialog.cpp", "bar/Look.h", 1),
        ]
        for path, include, expected in cases:
            with self.subTest(path=path, include=include):
                self.assertEqual(self.run_check(path, include), expected)


if __name__ == "__main__":
    unittest.main()
