#!/usr/bin/env python3
"""The layer guard itself: each row puts one include into a small tree and expects a verdict."""

import importlib.util
import tempfile
import unittest
from pathlib import Path

_spec = importlib.util.spec_from_file_location(
    "check_layers", Path(__file__).with_name("check-layers.py"))
check_layers = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(check_layers)

# (folder, file, line, breaks the layers)
ROWS = [
    ("chart", "Chart.cpp", '#include "validation/Validation.h"', True),
    ("chart", "Chart.h", '#include "ui/MainWindow.h"', True),
    ("chart", "Chart.cpp", '#include "chart/Tournament.h"', False),
    ("chart", "Chart.cpp", "#include <QString>", True),
    ("files", "ChartFile.cpp", "#  include <QtCore/QFile>", True),
    ("report", "Lines.cpp", "#include <qglobal.h>", True),
    ("report", "Lines.cpp", "#include <queue>", False),
    ("files", "ChartFile.cpp", '#include "validation/Validation.h"', True),
    ("report", "Lines.cpp", '#include "files/FileWriter.h"', False),
    ("members", "Table.cpp", '#include "import/Reader.h"', True),
    ("import", "Reader.cpp", '#include "members/MemberTable.h"', False),
    ("import", "Reader.cpp", '#include "standings/Table.h"', True),
    ("document", "Document.cpp", '#include "standings/Table.h"', False),
    ("document", "Document.cpp", '#include "cli/Cli.h"', True),
    ("cli", "Cli.cpp", '#include "document/Document.h"', False),
    ("cli", "Cli.cpp", '#include "ui/MainWindow.h"', True),
    ("cli", "Cli.cpp", "#include <QCoreApplication>", True),
    ("ui", "MainWindow.cpp", '#include "cli/Cli.h"', True),
    ("ui", "MainWindow.cpp", "#include <QDialog>", False),
    ("ui", "MainWindow.cpp", '#include "document/Document.h"', False),
    ("chart", "deep/Part.cpp", '#include "../../members/Table.h"', True),
    ("chart", "Chart.cpp", '#include "SimpleIni.h"', False),
    ("chart", "Chart.cpp", '// #include "ui/MainWindow.h" is not an include', False),
    ("gadgets", "Gadget.cpp", '#include "chart/Chart.h"', True),
    ("files", "Writer.cpp", '#include "platform/Files.h"', False),
    ("platform", "Files.cpp", '#include "files/FileWriter.h"', True),
    ("platform", "FilesPosix.cpp", "#include <unistd.h>", False),
    ("platform", "FilesWindows.cpp", "#include <windows.h>", False),
    ("files", "Writer.cpp", "#include <unistd.h>", True),
    ("members", "Reader.cpp", "#include <sys/wait.h>", True),
    ("recovery", "Identity.cpp", "#include <signal.h>", True),
    ("files", "Writer.cpp", "#include <Windows.h>", True),
    ("ui", "MainWindow.cpp", "#include <fcntl.h>", True),
    ("files", "Writer.cpp", "#include <csignal>", False),
    ("members", "Table.cpp", "#include <iostream>", False),
    ("settings", "Settings.cpp", '#include "files/FileWriter.h"', False),
    ("settings", "Settings.cpp", '#include "report/Lines.h"', True),
    ("settings", "Settings.cpp", '#include "members/MemberTable.h"', True),
    ("settings", "Settings.cpp", "#include <QSettings>", True),
    ("document", "Recent.cpp", '#include "settings/Settings.h"', False),
]


class LayerGuardTest(unittest.TestCase):
    def test_each_include_gets_the_right_verdict(self):
        for folder, name, line, breaks in ROWS:
            with self.subTest(folder=folder, line=line), tempfile.TemporaryDirectory() as tmp:
                src = Path(tmp) / "src"
                for existing in check_layers.ALLOWED:
                    (src / existing).mkdir(parents=True)
                file = src / folder / name
                file.parent.mkdir(parents=True, exist_ok=True)
                file.write_text(f"// {name}\n{line}\n")
                problems = check_layers.check_tree(src)
                self.assertEqual(bool(problems), breaks, problems)

    def test_report_names_file_and_line(self):
        with tempfile.TemporaryDirectory() as tmp:
            src = Path(tmp) / "src"
            (src / "chart").mkdir(parents=True)
            (src / "report").mkdir()
            (src / "chart" / "Chart.cpp").write_text('#include <vector>\n#include "report/R.h"\n')
            self.assertEqual(check_layers.check_tree(src),
                             ["src/chart/Chart.cpp:2: chart/ may not include report/ (report/R.h); "
                              "chart/ may use: messages, platform"])


if __name__ == "__main__":
    unittest.main()
