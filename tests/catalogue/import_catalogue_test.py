#!/usr/bin/env python3
"""Runs the catalogue import script on a small sample in the data's format:
import_catalogue_test.py PATH_TO_import_catalogue.py"""

import json
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

SCRIPT = sys.argv.pop(1) if len(sys.argv) > 1 else "scripts/import_catalogue.py"

SHAPES = [
    # nominal wins over the bounds; a family that is not imported
    {"family": "rm", "name": "RM 4", "dimensions": {"A": {"nominal": 0.0106}}},
    {"family": "e", "name": "E 10/5/3", "dimensions": {
        "A": {"minimum": 0.0098, "maximum": 0.0102},   # middle: 10
        "B": {"nominal": 0.005, "minimum": 0.0049},
        "C": {"maximum": 0.003},                        # one bound
        "F": {"minimum": 0.00245, "maximum": 0.00255}}},
    {"family": "t", "name": "T 20/10/7", "dimensions": {
        "A": {"nominal": 0.02}, "B": {"nominal": 0.01}, "C": {"nominal": 0.007}}},
    {"family": "t", "name": "T 20/10/7", "dimensions": {
        "A": {"nominal": 0.021}, "B": {"nominal": 0.01}, "C": {"nominal": 0.007}}},
    {"family": "t", "name": "T 3/1.5/1", "dimensions": {
        "A": {"nominal": 0.003}, "B": {"nominal": 0.0015}, "C": {"nominal": 0.001}}},
    {"family": "u", "name": "U 10/8/3", "dimensions": {
        "A": {"nominal": 0.0099}, "B": {"nominal": 0.0082}, "C": {"nominal": 0.00285},
        "E": {"minimum": 0.00415}}},
]

MATERIALS = [
    {"name": "F1", "material": "ferrite", "manufacturerInfo": {"name": "Acme"},
     "curieTemperature": 210,
     # 20 °C and 30 °C at 10 kHz give 2308.5 -> 2309; the 100 kHz curve is left aside
     "permeability": {"initial": [
         {"temperature": 30, "frequency": 100000, "value": 1000},
         {"temperature": 20, "frequency": 10000, "value": 2208},
         {"temperature": 30, "frequency": 10000, "value": 2409}]},
     "saturation": [{"temperature": 100, "magneticFluxDensity": 0.39, "magneticField": 1200},
                    {"temperature": 25, "magneticFluxDensity": 0.49, "magneticField": 1200}],
     "volumetricLosses": {"default": [
         {"method": "roshen"},
         {"method": "steinmetz", "ranges": [
             {"minimumFrequency": 100000, "maximumFrequency": 300000, "k": 8.5, "alpha": 1.5,
              "beta": 2.5},
             {"minimumFrequency": 1, "maximumFrequency": 100000, "k": 13824.1, "alpha": 1.2,
              "beta": 2.6, "ct0": 0.0098, "ct1": 0.000148, "ct2": 7.1e-07}]}]}},
    {"name": "P60", "material": "powder", "manufacturerInfo": {"name": "Acme"},
     "curieTemperature": 500,
     # the families in a fixed order, one the catalogue has no core of left out
     "permeability": {"initial": {"value": 60, "modifiers": {
         "PQ": {"method": "micrometals", "temperatureFactor": {"a": 1}},
         "E/ER/U": {"method": "magnetics",
                    "magneticFieldDcBiasFactor": {"a": 0.01, "b": 2e-11, "c": 2}},
         "default": {"method": "magnetics",
                     "magneticFieldDcBiasFactor": {"a": 0.01, "b": 1e-10, "c": 1.8},
                     "temperatureFactor": {"a": -0.002, "b": 1e-4, "c": 0, "d": 1e-8,
                                           "e": -8e-12}}}}},
     "saturation": [{"temperature": 100, "magneticFluxDensity": 1.5, "magneticField": 8000}],
     "volumetricLosses": {"default": [{"method": "magnetics", "a": 1.5, "b": 2, "c": 1.5}],
                          "E/ER/U": [{"method": "magnetics", "a": 0.7, "b": 2, "c": 1.5}],
                          "PQ": [{"method": "micrometals", "a": 1, "b": 1, "c": 1, "d": 1}]}},
    {"name": "Mix 2", "material": "powder", "manufacturerInfo": {"name": "Acme"},
     "permeability": {"initial": {"value": 10, "modifiers": {"default": {
         "method": "micrometals",
         "magneticFieldDcBiasFactor": {"a": 0.01, "b": 2e-9, "c": 1.4, "d": 0.0},
         "temperatureFactor": {"a": 280.0}}}}},
     "saturation": [],
     "volumetricLosses": {"default": [{"method": "micrometals", "a": 1.9e-06, "b": 0.000126,
                                       "c": 0.000226, "d": 0.00043}]}},
    {"name": "F2", "material": "ferrite", "manufacturerInfo": {"name": "Acme"},
     # the zero-bias points only; the first point of a repeated temperature
     "permeability": {"initial": [
         {"temperature": 25, "magneticFieldDcBias": 5, "value": 100},
         {"temperature": 0, "magneticFieldDcBias": 0, "value": 1000},
         {"temperature": 50, "magneticFieldDcBias": 0, "value": 2000},
         {"temperature": 50, "magneticFieldDcBias": 0, "value": 9000}]},
     "saturation": [{"temperature": 25, "magneticFluxDensity": 0.5, "magneticField": 1200}],
     "volumetricLosses": {}},
    {"name": "F1", "material": "ferrite", "manufacturerInfo": {"name": "Other"},
     "permeability": {"initial": {"value": 1}}, "saturation": [], "volumetricLosses": {}},
]

WIRES = [
    {"name": "Round 0.5 - Grade 2", "conductingDiameter": {"nominal": 0.0005},
     "outerDiameter": {"minimum": 0.000545, "maximum": 0.000566}, "coating": {"grade": 2}},
    {"name": "Round 0.1 - Grade 1", "conductingDiameter": {"nominal": 0.0001},
     "outerDiameter": {"nominal": 0.000113}, "coating": {"grade": 1}},
]

README = """| File | From | Lines | What |
|---|---|---|---|
| core_shapes.ndjson | data/core_shapes.ndjson, commit abc1234 | 6 | shapes |
"""


class ImportTest(unittest.TestCase):
    def setUp(self):
        self.temporary = tempfile.TemporaryDirectory()
        root = Path(self.temporary.name)
        self.source, self.out = root / "mas", root / "out"
        self.source.mkdir()
        for name, entries in (("core_shapes.ndjson", SHAPES), ("core_materials.ndjson", MATERIALS),
                              ("wires_round_iec60317.ndjson", WIRES)):
            (self.source / name).write_text("".join(json.dumps(e) + "\n" for e in entries))
        (self.source / "LICENSE.md").write_text("Apache License\n")
        (self.source / "README.md").write_text(README)
        self.run_result = subprocess.run([sys.executable, SCRIPT, str(self.source), "--out", str(self.out)],
                                         capture_output=True, text=True, check=True)

    def tearDown(self):
        self.temporary.cleanup()

    def lines(self, name):
        return (self.out / name).read_text().splitlines()

    def test_cores(self):
        self.assertEqual(self.lines("cores.tsv"), [
            "# name\tkind\tdimensions in mm, LETTER=value",
            "T 3/1.5/1\tring\tA=3\tB=1.5\tC=1",
            "T 20/10/7\tring\tA=20\tB=10\tC=7",
            "E 10/5/3\te\tA=10\tB=5\tC=3\tF=2.5",
            "U 10/8/3\tu\tA=9.9\tB=8.2\tC=2.85\tE=4.15",
        ])

    def test_materials(self):
        self.assertEqual(self.lines("materials.tsv"), [
            "# name\tmaker\tcomposition\tinitial permeability at 25 C\tsaturation, C:T ...\t"
            "Steinmetz ranges, f_min,f_max,k,alpha,beta[,ct0,ct1,ct2] ...\t"
            "Curie temperature, C\tpermeability modifiers, FAMILY:METHOD:FACTOR=a,b,... ...\t"
            "loss formulas, FAMILY:METHOD=a,b,... ...",
            "F1\tAcme\tferrite\t2309\t25:0.49 100:0.39\t"
            "1,100000,13824.1,1.2,2.6,0.0098,0.000148,7.1e-07 100000,300000,8.5,1.5,2.5\t210\t\t",
            "F2\tAcme\tferrite\t1500\t25:0.5\t",
            "Mix 2\tAcme\tpowder\t10\t\t\t\t"
            "default:micrometals:bias=0.01,2e-09,1.4,0 default:micrometals:temperature=280\t"
            "default:micrometals=1.9e-06,0.000126,0.000226,0.00043",
            "P60\tAcme\tpowder\t60\t100:1.5\t\t500\t"
            "default:magnetics:bias=0.01,1e-10,1.8 "
            "default:magnetics:temperature=-0.002,0.0001,0,1e-08,-8e-12 "
            "E/ER/U:magnetics:bias=0.01,2e-11,2\t"
            "default:magnetics=1.5,2,1.5 E/ER/U:magnetics=0.7,2,1.5",
        ])

    def test_wires(self):
        self.assertEqual(self.lines("wires.tsv"), [
            "# name\tgrade\tconductor diameter, mm\touter diameter, mm",
            "Round 0.1 - Grade 1\t1\t0.1\t0.113",
            "Round 0.5 - Grade 2\t2\t0.5\t0.5555",
        ])

    def test_licence_notice_and_summary(self):
        self.assertEqual((self.out / "LICENSE").read_text(), "Apache License\n")
        notice = (self.out / "NOTICE").read_text()
        self.assertIn("OpenMagnetics", notice)
        self.assertIn("  core_shapes.ndjson: data/core_shapes.ndjson, commit abc1234\n", notice)
        self.assertIn("  core_materials.ndjson: MAS project data\n", notice)
        self.assertEqual(self.run_result.stderr.splitlines(), [
            "import_catalogue: core 'T 20/10/7' appears again; the first entry is kept",
            "import_catalogue: material 'F1' appears again; the first entry is kept",
            f"import_catalogue: 4 cores, 4 materials, 2 wires written to {self.out}",
        ])


if __name__ == "__main__":
    unittest.main()
