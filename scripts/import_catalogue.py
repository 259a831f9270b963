#!/usr/bin/env python3
"""Reduces the MAS data files to Transcalc's catalogue files.

    scripts/import_catalogue.py SOURCE_FOLDER [--out FOLDER]

SOURCE_FOLDER holds core_shapes.ndjson, core_materials.ndjson,
wires_round_iec60317.ndjson, LICENSE.md and README.md, and may hold
bobbins.ndjson, whose winding spaces go beside the cores. The output folder
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

# Data family -> the kind name that transcalc-cli --core and the user files use,
# in the order of the catalogue (design/magnetics/CoreFamily.h).
KINDS = {"t": "ring", "e": "e", "u": "u", "etd": "etd", "er": "er", "ec": "ec", "efd": "efd",
         "eq": "eq", "lp": "lp", "planarE": "planar-e", "planarER": "planar-er",
         "planarEL": "planar-el", "rm": "rm", "p": "pot", "pm": "pm", "pq": "pq", "pqi": "pqi",
         "ep": "ep", "epx": "epx", "ur": "ur", "ui": "ui", "ut": "ut", "c": "c"}
# The letters a core of each kind needs, as the catalogue's reader requires them
# (catalogue/EntryLines.cpp): a shape without one of them is left out.
REQUIRED = {"ring": "A B C", "e": "A B C F", "u": "A B C E", "etd": "A B C D E F",
            "er": "A B C D E F", "ec": "A B C D E F", "efd": "A B C D E F F2",
            "eq": "A B C D E F G", "lp": "A B C D E F G", "planar-e": "A B C D E F",
            "planar-er": "A B C D E F", "planar-el": "A B C D E F F2",
            "rm": "A B C D E F G J", "pot": "A B D E F G", "pm": "A B C D E F G H",
            "pq": "A B C D E F", "pqi": "A B B2 C D E F G J L", "ep": "A B C D E F K",
            "epx": "A B C D E F K", "ur": "A B C D E H", "ui": "A B B2 C D E",
            "ut": "A B C D E F", "c": "A B C D E"}
# Letters that are no length: PM's alpha, the angle of its slots, is in degrees.
ANGLES = {"alpha"}
# The families whose F is a centre leg inside the window E, so that a bobbin's
# winding space can be held against the bare window (E - F)/2 by 2*D.
CENTRE_LEG = {"e", "etd", "er", "ec", "efd", "eq", "lp", "planar-e", "planar-er", "planar-el",
              "rm", "pot", "pm", "pq", "pqi", "ep", "epx"}
DATA_FILES = ["core_shapes.ndjson", "core_materials.ndjson", "wires_round_iec60317.ndjson",
              "bobbins.ndjson"]
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
    else the one bound given. A maximum of 0 under a positive minimum (RM 12's
    and some pot cores' centre hole H) stands for no maximum."""
    if not isinstance(entry, dict):
        return float(entry)
    if "nominal" in entry:
        return entry["nominal"]
    if entry.get("maximum") == 0 and entry.get("minimum", 0) > 0:
        return entry["minimum"]
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


def letters_of(shape):
    """Every letter with a value, in mm (an angle in degrees), as LETTER=value."""
    letters = {}
    for letter, entry in sorted(shape.get("dimensions", {}).items()):
        value = dimension_value(entry)
        if value is not None:
            letters[letter] = number(value) if letter in ANGLES else millimetres(value)
    return letters


def cores_named_apart(shapes):
    """Every shape under a name of its own. A name the data gives twice is
    kept by its first shape; a later one takes the first of its own aliases
    that no other shape is named or aliased by (the data's second "ER 40" is
    its "EER 40"); a later RM or pot core whose centre post lacks the hole H
    of the first is its solid-post form, named with the makers' "/I" (the
    data's second "RM 14A", as "RM 14/I" beside it); else it is left out, as
    no one could ask for it by name."""
    taken = {}
    for shape in shapes:
        for text in [shape["name"]] + list(shape.get("aliases", [])):
            taken.setdefault(clean(text), set()).add(id(shape))
    seen = set()
    first = {}
    kept = []
    for shape in shapes:
        name = clean(shape["name"])
        if name in seen:
            own = [clean(a) for a in shape.get("aliases", [])
                   if taken.get(clean(a)) == {id(shape)} and clean(a) not in seen]
            solid = f"{name}/I"
            if (not own and shape["family"] in ("rm", "p") and solid not in taken
                    and "H" in first[name].get("dimensions", {})
                    and "H" not in shape.get("dimensions", {})):
                own = [solid]
            if not own:
                warn(f"core '{name}' appears again; the first entry is kept")
                continue
            warn(f"core '{name}' appears again; the later one is named '{own[0]}'")
            shape = dict(shape, name=own[0],
                         aliases=[a for a in shape.get("aliases", []) if clean(a) != own[0]])
            name = own[0]
        seen.add(name)
        first[name] = shape
        kept.append(shape)
    return kept


def short_alias(name):
    """"ETD 39" for "ETD 39/20/13": the name up to its first slash."""
    head = name.split("/")[0].strip()
    return head if "/" in name and head else None


def aliases_of(shapes):
    """Name -> its aliases: the data's, then the short one. An alias that is
    a core's name, or that two cores would share, names none of them; only
    the data's are named on stderr, as a short one is often shared."""
    names = {clean(shape["name"]) for shape in shapes}
    wanted = {}
    for shape in shapes:
        name = clean(shape["name"])
        given = [clean(a) for a in shape.get("aliases", [])]
        short = short_alias(name)
        wanted[name] = (list(dict.fromkeys(a for a in given + [short] if a and a != name)),
                        set(given))
    owners = {}
    for name, (aliases, _) in wanted.items():
        for alias in aliases:
            owners.setdefault(alias, []).append(name)
    kept = {}
    for name, (aliases, given) in wanted.items():
        kept[name] = []
        for alias in aliases:
            if alias in names:
                if alias in given:
                    warn(f"alias '{alias}' of '{name}' is the name of another core; left out")
            elif len(owners[alias]) > 1:
                if alias in given and owners[alias][0] == name:
                    warn(f"alias '{alias}' would name "
                         f"{', '.join(repr(o) for o in owners[alias])}; left out")
            else:
                kept[name].append(alias)
    return kept


def in_millimetres(dimensions):
    """The letters that have a value, in mm."""
    values = {k: dimension_value(v) for k, v in dimensions.items()}
    return {k: v * 1000.0 for k, v in values.items() if v is not None}


def bobbin_window(dimensions):
    """(breadth, height) of a bobbin's winding space in mm, from the letters of
    its drawing; None for a drawing without them. The breadth is the radial
    room beside the tube, the height the room between the flanges:
      round tube, d1 flange and d2 tube outer diameter, h2 between the flanges
        (ETD; PQ and EC as D1, D2, H2): (d1 - d2)/2 by h2;
      RM, D1 and D2 as above, H2 overall with flanges H4 and H5:
        (D1 - D2)/2 by H2 - H4 - H5;
      EP, d1 and d2, h overall with flanges s: (d1 - d2)/2 by h - 2s;
      PM, d1 and d2, h overall with flanges s1 and s2: (d1 - d2)/2 by h - s1 - s2;
      E, ER, a rectangular tube of inner width f and wall s1, flanges e wide and
        s2 thick, l2 overall: (e - f)/2 - s1 by l2 - 2 s2;
      EFD, the same with f1, S1, S2 and d overall: (e - f1)/2 - S1 by d - 2 S2."""
    d = in_millimetres(dimensions)
    has = lambda *keys: all(k in d for k in keys)
    if has("d1", "d2", "h1", "h2"):
        return (d["d1"] - d["d2"]) / 2, d["h2"]
    if has("D1", "D2", "H1", "H2"):
        return (d["D1"] - d["D2"]) / 2, d["H2"]
    if has("D1", "D2", "H2", "H4", "H5"):
        return (d["D1"] - d["D2"]) / 2, d["H2"] - d["H4"] - d["H5"]
    if has("d1", "d2", "h", "s"):
        return (d["d1"] - d["d2"]) / 2, d["h"] - 2 * d["s"]
    if has("d1", "d2", "h", "s1", "s2"):
        return (d["d1"] - d["d2"]) / 2, d["h"] - d["s1"] - d["s2"]
    if has("e", "f", "l2", "s1", "s2"):
        return (d["e"] - d["f"]) / 2 - d["s1"], d["l2"] - 2 * d["s2"]
    if has("d", "e", "f1", "S1", "S2"):
        return (d["e"] - d["f1"]) / 2 - d["S1"], d["d"] - 2 * d["S2"]
    return None


def bobbins_of(bobbins, shapes, aliases):
    """Name -> the distinct windows of the bobbins that fit it, as "B,H" texts,
    the one most bobbins share first. A bobbin whose window is not positive
    or exceeds the bare window of its core is left out."""
    by_name = {clean(shape["name"]): shape for shape in shapes}
    by_alias = {alias: name for name, kept in aliases.items() for alias in kept}
    windows = {}
    unknown = {}
    for bobbin in bobbins:
        described = bobbin.get("functionalDescription", {})
        shape_name = clean(described.get("shape"))
        name = shape_name if shape_name in by_name else by_alias.get(shape_name)
        if name is None:
            unknown[shape_name] = unknown.get(shape_name, 0) + 1
            continue
        window = bobbin_window(described.get("dimensions", {}))
        what = f"bobbin '{clean(bobbin.get('name'))}' of '{name}'"
        if window is None:
            warn(f"{what} has no winding breadth and height in its letters; left out")
            continue
        breadth, height = window
        shape = by_name[name]
        core = in_millimetres(shape.get("dimensions", {}))
        if not (breadth > 0 and height > 0):
            warn(f"{what} leaves no winding space; left out")
            continue
        if (KINDS[shape["family"]] in CENTRE_LEG and all(k in core for k in "DEF") and
                (breadth > (core["E"] - core["F"]) / 2 or height > 2 * core["D"])):
            warn(f"{what} is larger than the core's window; left out")
            continue
        text = f"{number(round(breadth, 6))},{number(round(height, 6))}"
        windows.setdefault(name, {}).setdefault(text, 0)
        windows[name][text] += 1
    if unknown:
        warn(f"bobbins that fit no core of the catalogue, left out: {sum(unknown.values())} (" +
             ", ".join(sorted(unknown, key=natural_key)) + ")")
    return {name: sorted(counts, key=lambda text: -counts[text])
            for name, counts in windows.items()}


def core_lines(shapes, bobbins=()):
    """The lines of cores.tsv and how many cores of each kind they hold."""
    wanted = [s for s in shapes if s.get("family") in KINDS]
    complete = []
    for shape in cores_named_apart(wanted):
        kind = KINDS[shape["family"]]
        missing = [l for l in REQUIRED[kind].split() if l not in letters_of(shape)]
        if missing:
            warn(f"core '{clean(shape['name'])}' lacks {', '.join(missing)} "
                 f"(kind {kind} needs {', '.join(REQUIRED[kind].split())}); left out")
            continue
        complete.append(shape)
    aliases = aliases_of(complete)
    windows = bobbins_of(bobbins, complete, aliases)
    lines = []
    for shape in complete:
        name = clean(shape["name"])
        columns = [f"{letter}={value}" for letter, value in letters_of(shape).items()]
        if shape.get("familySubtype"):
            columns.append(f"subtype={clean(shape['familySubtype'])}")
        columns += [f"alias={alias}" for alias in aliases[name]]
        columns += [f"bobbin={window}" for window in windows.get(name, [])]
        lines.append((KINDS[shape["family"]], name, columns))
    order = list(KINDS.values())
    lines.sort(key=lambda line: (order.index(line[0]), natural_key(line[1])))
    counts = {kind: sum(1 for line in lines if line[0] == kind) for kind in order}
    header = "# name\tkind\tdimensions in mm, LETTER=value"
    return [header] + ["\t".join([name, kind] + columns) for kind, name, columns in lines], counts


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
    bobbins_path = args.source / "bobbins.ndjson"
    bobbins = read_ndjson(bobbins_path) if bobbins_path.exists() else []
    cores, counts = core_lines(read_ndjson(args.source / "core_shapes.ndjson"), bobbins)
    materials = material_lines(read_ndjson(args.source / "core_materials.ndjson"))
    wires = wire_lines(read_ndjson(args.source / "wires_round_iec60317.ndjson"))
    write_lines(args.out / "cores.tsv", cores)
    write_lines(args.out / "materials.tsv", materials)
    write_lines(args.out / "wires.tsv", wires)
    shutil.copyfile(args.source / "LICENSE.md", args.out / "LICENSE")
    (args.out / "NOTICE").write_text(notice_text(args.source), encoding="utf-8")
    warn("cores by family: " + ", ".join(f"{kind} {count}" for kind, count in counts.items()))
    warn(f"{len(cores) - 1} cores, {len(materials) - 1} materials, {len(wires) - 1} wires "
         f"written to {args.out}")


if __name__ == "__main__":
    main()
