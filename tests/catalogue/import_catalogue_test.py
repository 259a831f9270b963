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

def mm(*values):
    """Dimensions in metres from millimetres, under the letters A, B, C, ..."""
    return {chr(ord("A") + i): {"nominal": v / 1000} for i, v in enumerate(values)}


SHAPES = [
    # nominal wins over the bounds; a core without the letters its family needs
    {"family": "rm", "name": "RM 4", "dimensions": {"A": {"nominal": 0.0106}}},
    # the data's alias is also the short one; another names a core, so names none
    {"family": "etd", "name": "ETD 29/16/10", "aliases": ["ETD 29", "T 3/1.5/1"],
     "dimensions": mm(29.8, 15.8, 9.5, 11, 22.7, 9.5)},
    # a subtype, an offset below 0, a maximum of 0 that stands for none
    {"family": "efd", "name": "EFD 10/5/3", "familySubtype": "1",
     "dimensions": {**mm(10.5, 5.2, 2.7, 3.75, 7.65, 4.55), "F2": {"nominal": 0.00145},
                    "K": {"nominal": -0.0002}, "q": {"minimum": 0.0002, "maximum": 0}}},
    # an angle in degrees
    {"family": "pm", "name": "PM 50/39", "dimensions": {
        **mm(49.15, 19.4, 23, 13.4, 39.65, 19.7, 23.4, 5.55), "alpha": {"nominal": 120}}},
    {"family": "e", "name": "E 10/5/3", "dimensions": {
        "A": {"minimum": 0.0098, "maximum": 0.0102},   # middle: 10
        "B": {"nominal": 0.005, "minimum": 0.0049},
        "C": {"maximum": 0.003},                        # one bound
        "F": {"minimum": 0.00245, "maximum": 0.00255}}},
    {"family": "t", "name": "T 20/10/7", "dimensions": {
        "A": {"nominal": 0.02}, "B": {"nominal": 0.01}, "C": {"nominal": 0.007}}},
    {"family": "t", "name": "T 20/10/7", "dimensions": {
        "A": {"nominal": 0.021}, "B": {"nominal": 0.01}, "C": {"nominal": 0.007}}},
    {"family": "t", "name": "T 20/10/7", "aliases": ["TX 20"], "dimensions": {
        "A": {"nominal": 0.022}, "B": {"nominal": 0.01}, "C": {"nominal": 0.007}}},
    {"family": "t", "name": "T 3/1.5/1", "dimensions": {
        "A": {"nominal": 0.003}, "B": {"nominal": 0.0015}, "C": {"nominal": 0.001}}},
    # two short names "T 20": neither core takes it
    {"family": "t", "name": "T 20/12/5", "dimensions": {
        "A": {"nominal": 0.02}, "B": {"nominal": 0.012}, "C": {"nominal": 0.005}}},
    {"family": "u", "name": "U 10/8/3", "dimensions": {
        "A": {"nominal": 0.0099}, "B": {"nominal": 0.0082}, "C": {"nominal": 0.00285},
        "E": {"minimum": 0.00415}}},
]

def bobbin(name, shape, **letters):
    return {"name": name, "functionalDescription": {"shape": shape, "dimensions": {
        k: {"nominal": v / 1000} for k, v in letters.items()}}}


BOBBINS = [
    # round tube, found by the core's alias: (21.6 - 12)/2 = 4.8 by h2 = 19, twice
    bobbin("B1", "ETD 29", d1=21.6, d2=12, d3=10, h1=21.2, h2=19),
    bobbin("B2", "ETD 29/16/10", d1=21.6, d2=11.8, d3=10, h1=21.2, h2=19),
    bobbin("B3", "ETD 29/16/10", d1=21.6, d2=12, d3=10, h1=21.2, h2=19),
    # wider than (22.7 - 9.5)/2 = 6.6
    bobbin("B4", "ETD 29/16/10", d1=30, d2=12, d3=10, h1=21.2, h2=19),
    # rectangular tube: (5.4 - 2.55)/2 - 0.35 = 1.075 by 5.5 - 2 * 0.4 = 4.7
    bobbin("B5", "E 10/5/3", c=2.55, e=5.4, f=2.55, k=5.4, l2=5.5, s1=0.35, s2=0.4),
    bobbin("B6", "EI 76/50", c=25.9, e=75.1, f=49.7, k=49.1, l2=39.5, s1=1.2, s2=2.2),
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
                              ("wires_round_iec60317.ndjson", WIRES), ("bobbins.ndjson", BOBBINS)):
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
            "T 3/1.5/1\tring\tA=3\tB=1.5\tC=1\talias=T 3",
            "T 20/10/7\tring\tA=20\tB=10\tC=7",
            "T 20/12/5\tring\tA=20\tB=12\tC=5",
            "TX 20\tring\tA=22\tB=10\tC=7",
            "E 10/5/3\te\tA=10\tB=5\tC=3\tF=2.5\talias=E 10\tbobbin=1.075,4.7",
            "U 10/8/3\tu\tA=9.9\tB=8.2\tC=2.85\tE=4.15\talias=U 10",
            "ETD 29/16/10\tetd\tA=29.8\tB=15.8\tC=9.5\tD=11\tE=22.7\tF=9.5\talias=ETD 29\t"
            "bobbin=4.8,19\tbobbin=4.9,19",
            "EFD 10/5/3\tefd\tA=10.5\tB=5.2\tC=2.7\tD=3.75\tE=7.65\tF=4.55\tF2=1.45\tK=-0.2\t"
            "q=0.2\tsubtype=1\talias=EFD 10",
            "PM 50/39\tpm\tA=49.15\tB=19.4\tC=23\tD=13.4\tE=39.65\tF=19.7\tG=23.4\tH=5.55\t"
            "alpha=120\talias=PM 50",
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
        self.assertIn("  bobbins.ndjson: MAS project data\n", notice)
        self.assertEqual(self.run_result.stderr.splitlines(), [
            "import_catalogue: core 'T 20/10/7' appears again; the first entry is kept",
            "import_catalogue: core 'T 20/10/7' appears again; the later one is named 'TX 20'",
            "import_catalogue: core 'RM 4' lacks B, C, D, E, F, G, J "
            "(kind rm needs A, B, C, D, E, F, G, J); left out",
            "import_catalogue: alias 'T 3/1.5/1' of 'ETD 29/16/10' is the name of another core; "
            "left out",
            "import_catalogue: bobbin 'B4' of 'ETD 29/16/10' is larger than the core's window; "
            "left out",
            "import_catalogue: bobbins that fit no core of the catalogue, left out: 1 (EI 76/50)",
            "import_catalogue: material 'F1' appears again; the first entry is kept",
            "import_catalogue: cores by family: ring 4, e 1, u 1, etd 1, er 0, ec 0, efd 1, eq 0, "
            "lp 0, planar-e 0, planar-er 0, planar-el 0, rm 0, pot 0, pm 1, pq 0, pqi 0, ep 0, "
            "epx 0, ur 0, ui 0, ut 0, c 0",
            f"import_catalogue: 9 cores, 4 materials, 2 wires written to {self.out}",
        ])


if __name__ == "__main__":
    unittest.main()
