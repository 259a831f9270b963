#!/usr/bin/env python3
"""Reduces the MAS data files to Transcalc's catalogue files.

    scripts/import_catalogue.py SOURCE_FOLDER [--out FOLDER]

SOURCE_FOLDER holds core_shapes.ndjson, core_materials.ndjson,
wires_round_iec60317.ndjson, LICENSE.md and README.md. The output folder
(default resources/catalogue beside this script's folder) receives cores.tsv,
materials.tsv, wires.tsv, LICENSE and NOTICE. Run it again on a newer copy of
the data; the summary on stderr names what was dropped and why.
"""

import argparse
import json
import math
import re
import shutil
import sys
from pathlib import Path

# Data family -> the kind name that transcalc-cli --core and the user files use.
KINDS = {"t": "ring", "e": "e", "u": "u"}
DATA_FILES = ["core_shapes.ndjson", "core_materials.ndjson", "wires_round_iec60317.ndjson"]
ROOM_TEMPERATURE = 25.0


def warn(text):
    print("import_catalogue: " + text, file=sys.stderr)


def read_ndjson(path):
    with open(path, encoding="utf-8") as f:
        return [json.loads(line) for line in f if line.strip()]


def number(value):
    """Shortest text that reads back as the same double; no '.0' on whole numbers."""
    text = repr(float(value))
    return text[:-2] if text.endswith(".0") else text


def millimetres(metres):
    # Six decimals of a millimetre keep every datum and drop the binary noise
    # of the metre-to-millimetre product.
    return number(round(metres * 1000.0, 6))


def dimension_value(entry):
    """A dimension: its nominal value, else the middle of minimum and maximum,
    else the one bound given."""
    if not isinstance(entry, dict):
        return float(entry)
    if "nominal" in entry:
        return entry["nominal"]
    if "minimum" in entry and "maximum" in entry:
        return (entry["minimum"] + entry["maximum"]) / 2.0
    return entry.get("minimum", entry.get("maximum"))


def clean(text):
    """A text fit for one tab-separated column."""
    return " ".join(str(text or "").split())


def natural_key(name):
    parts = re.split(r"(\d+(?:\.\d+)?)", name.lower())
    return [(0, float(p)) if i % 2 else (1, p) for i, p in enumerate(parts)]


def first_of_each_name(entries, what):
    seen = set()
    kept = []
    for entry in entries:
        name = clean(entry["name"])
        if name in seen:
            warn(f"{what} '{name}' appears again; the first entry is kept")
            continue
        seen.add(name)
        kept.append(entry)
    return kept


def core_lines(shapes):
    wanted = [s for s in shapes if s.get("family") in KINDS]
    lines = []
    for shape in first_of_each_name(wanted, "core"):
        dims = []
        for letter, entry in sorted(shape.get("dimensions", {}).items()):
            value = dimension_value(entry)
            if value is not None:
                dims.append(f"{letter}={millimetres(value)}")
        lines.append((KINDS[shape["family"]], clean(shape["name"]), dims))
    order = list(KINDS.values())
    lines.sort(key=lambda line: (order.index(line[0]), natural_key(line[1])))
    header = "# name\tkind\tdimensions in mm, LETTER=value"
    return [header] + ["\t".join([name, kind] + dims) for kind, name, dims in lines]


def interpolate(points, at):
    """Linear between the two nearest points, the end value beyond them."""
    if at <= points[0][0]:
        return points[0][1]
    if at >= points[-1][0]:
        return points[-1][1]
    for (t0, v0), (t1, v1) in zip(points, points[1:]):
        if t0 <= at <= t1:
            return v0 + (at - t0) / (t1 - t0) * (v1 - v0)
    return points[-1][1]


def initial_permeability(initial):
    """The initial permeability at 25 °C, rounded to a whole number.

    A curve may mix several conditions: the points at the lowest DC bias,
    then the lowest peak flux density, then the lowest frequency are taken.
    Where a temperature still repeats (unlabelled curves, the fall past the
    Curie point), its first point is kept."""
    if isinstance(initial, dict):
        value = initial["value"]
    else:
        def condition(point):
            return (point.get("magneticFieldDcBias", 0), point.get("magneticFluxDensityPeak", 0),
                    point.get("frequency", 0))
        lowest = min(condition(p) for p in initial)
        by_temperature = {}
        for point in initial:
            if condition(point) == lowest:
                by_temperature.setdefault(float(point["temperature"]), point["value"])
        value = interpolate(sorted(by_temperature.items()), ROOM_TEMPERATURE)
    return math.floor(value + 0.5)


def saturation_text(points):
    by_temperature = {}
    for point in points:
        by_temperature.setdefault(float(point["temperature"]), point["magneticFluxDensity"])
    return " ".join(f"{number(t)}:{number(b)}" for t, b in sorted(by_temperature.items()))


def steinmetz_text(losses):
    ranges = []
    for model in (losses or {}).get("default", []):
        if isinstance(model, dict) and model.get("method") == "steinmetz":
            ranges.extend(model.get("ranges", []))
    texts = []
    for r in sorted(ranges, key=lambda r: (r.get("minimumFrequency", 0), r.get("maximumFrequency", 0))):
        values = [r.get("minimumFrequency", 0), r.get("maximumFrequency", 0), r["k"], r["alpha"], r["beta"]]
        if all(key in r for key in ("ct0", "ct1", "ct2")):
            values += [r["ct0"], r["ct1"], r["ct2"]]
        texts.append(",".join(number(v) for v in values))
    return " ".join(texts)


# The core families whose own coefficients are kept; others fall back to "default".
FAMILIES = ["default", "E/ER/U", "EQ/LP"]
# A permeability factor's name in the data, its name in the file and its coefficients.
FACTORS = [("magneticFieldDcBiasFactor", "bias"), ("frequencyFactor", "frequency"),
           ("magneticFluxDensityFactor", "flux"), ("temperatureFactor", "temperature")]
COEFFICIENTS = "abcdef"
LOSS_COEFFICIENTS = {"magnetics": "abc", "micrometals": "abcd"}


def coefficients_text(factor):
    """a,b,... up to the last coefficient given."""
    letters = [letter for letter in COEFFICIENTS if letter in factor]
    return ",".join(number(factor[letter]) for letter in COEFFICIENTS[:len(letters)])


def modifiers_text(initial):
    modifiers = {}
    for point in initial if isinstance(initial, list) else [initial]:
        for family, modifier in (point.get("modifiers") or {}).items():
            modifiers.setdefault(family, modifier)
    words = []
    for family in FAMILIES:
        modifier = modifiers.get(family)
        if not modifier:
            continue
        for key, name in FACTORS:
            if key in modifier:
                words.append(f"{family}:{modifier['method']}:{name}={coefficients_text(modifier[key])}")
    return " ".join(words)


def loss_formulas_text(losses):
    words = []
    for family in FAMILIES:
        for model in (losses or {}).get(family, []):
            letters = LOSS_COEFFICIENTS.get(model.get("method")) if isinstance(model, dict) else None
            if letters:
                values = ",".join(number(model[letter]) for letter in letters)
                words.append(f"{family}:{model['method']}={values}")
                break
    return " ".join(words)


def material_lines(materials):
    lines = []
    for m in first_of_each_name(materials, "material"):
        name = clean(m["name"])
        initial = m.get("permeability", {}).get("initial")
        if initial is None:
            warn(f"material '{name}' has no initial permeability; left out")
            continue
        line = [name, clean(m.get("manufacturerInfo", {}).get("name")), clean(m.get("material")),
                str(initial_permeability(initial)), saturation_text(m.get("saturation", [])),
                steinmetz_text(m.get("volumetricLosses"))]
        curie = m.get("curieTemperature")
        newer = [number(curie) if curie is not None else "", modifiers_text(initial),
                 loss_formulas_text(m.get("volumetricLosses"))]
        # A line without the newer data keeps the older six columns.
        lines.append(line + newer if any(newer) else line)
    lines.sort(key=lambda line: natural_key(line[0]))
    header = "# name\tmaker\tcomposition\tinitial permeability at 25 C\t" \
             "saturation, C:T ...\tSteinmetz ranges, f_min,f_max,k,alpha,beta[,ct0,ct1,ct2] ...\t" \
             "Curie temperature, C\tpermeability modifiers, FAMILY:METHOD:FACTOR=a,b,... ...\t" \
             "loss formulas, FAMILY:METHOD=a,b,... ..."
    return [header] + ["\t".join(line) for line in lines]


def wire_lines(wires):
    lines = []
    for w in first_of_each_name(wires, "wire"):
        conductor = dimension_value(w["conductingDiameter"])
        outer = dimension_value(w["outerDiameter"])
        grade = w.get("coating", {}).get("grade", 0)
        lines.append((conductor, grade, clean(w["name"]), outer))
    lines.sort(key=lambda line: (line[0], line[1]))
    header = "# name\tgrade\tconductor diameter, mm\touter diameter, mm"
    return [header] + [f"{name}\t{grade}\t{millimetres(c)}\t{millimetres(o)}"
                       for c, grade, name, o in lines]


def notice_text(source):
    """Names the source files and, where the data's README gives them, their commits."""
    origins = {}
    readme = source / "README.md"
    if readme.exists():
        for row in readme.read_text(encoding="utf-8").splitlines():
            cells = [c.strip() for c in row.strip().strip("|").split("|")]
            if len(cells) >= 2 and cells[0] in DATA_FILES:
                origins[cells[0]] = cells[1]
    lines = ["Transcalc core, material and wire catalogue",
             "",
             "The files cores.tsv, materials.tsv and wires.tsv in this folder are derived",
             "from data of the MAS project (Magnetic Agnostic Structure) by OpenMagnetics,",
             "licensed under the Apache License, Version 2.0 (the file LICENSE beside this one).",
             "They were reduced to the columns Transcalc uses by scripts/import_catalogue.py.",
             "",
             "Source files:"]
    for name in DATA_FILES:
        lines.append(f"  {name}: {origins.get(name, 'MAS project data')}")
    return "\n".join(lines) + "\n"


def write_lines(path, lines):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source", type=Path, help="folder with the MAS ndjson files")
    parser.add_argument("--out", type=Path,
                        default=Path(__file__).resolve().parent.parent / "resources" / "catalogue")
    args = parser.parse_args()

    args.out.mkdir(parents=True, exist_ok=True)
    cores = core_lines(read_ndjson(args.source / "core_shapes.ndjson"))
    materials = material_lines(read_ndjson(args.source / "core_materials.ndjson"))
    wires = wire_lines(read_ndjson(args.source / "wires_round_iec60317.ndjson"))
    write_lines(args.out / "cores.tsv", cores)
    write_lines(args.out / "materials.tsv", materials)
    write_lines(args.out / "wires.tsv", wires)
    shutil.copyfile(args.source / "LICENSE.md", args.out / "LICENSE")
    (args.out / "NOTICE").write_text(notice_text(args.source), encoding="utf-8")
    warn(f"{len(cores) - 1} cores, {len(materials) - 1} materials, {len(wires) - 1} wires "
         f"written to {args.out}")


if __name__ == "__main__":
    main()
