#!/usr/bin/env python3
"""Writes the tables a reader of each corpus file sees, found with regular expressions
written for these files (not with the program's reader), one line per table:

    NAME<TAB>DIALECT<TAB>COUNT<TAB>LINE<TAB>VALUES

NAME is "-" for a table without a name; LINE is the line of the first piece; VALUES are
the numbers as two hexadecimal digits separated by spaces, or "!PIECE" naming the first
piece that is no number or lies beyond 0 to 255. Run it from this folder; it rewrites
every *.tables file next to its include file.
"""

import ast
import pathlib
import re

HERE = pathlib.Path(__file__).resolve().parent
INCLUDES = HERE.parent / "includes"

C_BLOCK = re.compile(r"/\*.*?\*/", re.S)
C_LINE = re.compile(r"//[^\n]*")
C_TABLE = re.compile(
    r"(?P<name>\w+)\s*(?:\[[^\]{};=]*\]\s*)+[^=;{}\n]*=\s*\{(?P<body>.*?)\}\s*;", re.S)
C_MACRO_TABLE = re.compile(r"\w+\((?P<name>\w+)\)\s*=\s*\{(?P<body>.*?)\}\s*;", re.S)
ASM_LINE = re.compile(
    r"^(?:(?P<label>\w+):?)?[ \t]+(?P<word>\.?(?:db|dt|de|retlw|data|byte|defb))[ \t]+(?P<ops>.*)$",
    re.I)
JAL_TABLE = re.compile(r"(?P<name>\w+)\s*\[[^\]]*\]\s*=\s*\{(?P<body>.*?)\}", re.S)
PYTHON_STRINGS = re.compile(r"^(?P<name>\w+) =\\\n(?P<body>(?:b'[^'\n]*'\\?\n)+)", re.M)
BASIC_TABLE = re.compile(r"^Table\s+(?P<name>\w+)[^\n]*\n(?P<body>.*?)^End Table",
                         re.S | re.M | re.I)


def blank_out(match):
    """Keeps the line count of a cut comment."""
    return "\n" * match.group(0).count("\n") + " "


def number(piece):
    """The value of a number written in its own base, or None."""
    p = piece.strip()
    patterns = [
        (r"0[xX]([0-9A-Fa-f]+)[uUlL]*", 16), (r"\$([0-9A-Fa-f]+)", 16),
        (r"[hH]'([0-9A-Fa-f]+)'", 16), (r"([0-9][0-9A-Fa-f]*)[hH]", 16),
        (r"0[bB]([01]+)[uUlL]*", 2), (r"[bB]'([01]+)'", 2), (r"%([01]+)", 2),
        (r"B([01]{1,8})", 2), (r"[dD]'([0-9]+)'", 10), (r"([0-9]+)[uUlL]*", 10),
    ]
    for pattern, base in patterns:
        m = re.fullmatch(pattern, p)
        if m:
            return int(m.group(1), base)
    m = re.fullmatch(r"'(.)'", p)
    if m:
        return ord(m.group(1).encode("cp1254"))
    escapes = {"n": 10, "t": 9, "r": 13, "0": 0, "\\": 92, "'": 39}
    m = re.fullmatch(r"'\\(.)'", p)
    if m and m.group(1) in escapes:
        return escapes[m.group(1)]
    return None


def pieces(text):
    """The comma pieces of a list, strings kept whole, empty pieces left out."""
    return [p.strip() for p in re.findall(r'"[^"]*"|\'[^\']*\'|[^,"\']+', text)
            if p.strip() and p.strip() != ","]


def table(name, dialect, line, found):
    values, bad = [], None
    for piece in found:
        value = number(piece)
        if value is None or value > 255:
            bad = bad or piece
        if value is not None:
            values.append(value)
    shown = "!" + bad if bad else " ".join("%02X" % v for v in values)
    return (line, "%s\t%s\t%d\t%d\t%s" % (name or "-", dialect, len(values), line, shown))


def line_of(text, offset):
    return text.count("\n", 0, offset) + 1


def c_tables(text):
    text = C_LINE.sub("", C_BLOCK.sub(blank_out, text))
    text = re.sub(r"^[ \t]*#[^\n]*", "", text, flags=re.M)
    found = []
    for regex in (C_TABLE, C_MACRO_TABLE):
        for m in regex.finditer(text):
            body = m.group("body").replace("{", ",").replace("}", ",")
            first = re.search(r"[^\s,{}]", m.group("body"))
            line = line_of(text, m.start("body") + (first.start() if first else 0))
            found.append(table(m.group("name"), "c", line, pieces(body)))
    return found


def asm_tables(text):
    """Runs of data lines; a label on a data line or alone on a line before it names the
    run; blank and comment lines stay inside a run, any other line ends it."""
    found, run, label = [], None, None
    for number_of_line, raw in enumerate(text.split("\n"), 1):
        code = re.sub(r";.*", "", raw).rstrip("\r")
        m = ASM_LINE.match(code)
        if m:
            if run is None or m.group("label"):
                if run:
                    found.append(table(*run))
                run = [m.group("label") or label, "asm", number_of_line, []]
                label = None
            run[3].extend(pieces(m.group("ops")))
        elif code.strip():
            if run:
                found.append(table(*run))
            run = None
            alone = re.fullmatch(r"(\w+):?\s*", code)
            label = alone.group(1) if alone else None
    if run:
        found.append(table(*run))
    return found


def joined_parts(text, label_re, data_re):
    """Runs of compiler output: a label alone on its line (label_re), then data lines of one
    number (data_re). Runs whose labels are one stem and numbers that follow each other
    (_font_part1, _font_part2) are one table in the order of the numbers, whichever way the
    file has them (GCC writes them last first), when each part but the last of that order
    holds 64 numbers or more."""
    runs = []
    for number_of_line, raw in enumerate(text.split("\n"), 1):
        code = raw.split(";")[0].strip()
        label = re.fullmatch(label_re, code)
        data = re.fullmatch(data_re, code)
        if label:
            runs.append([label.group(1), None, []])
        elif data and runs:
            if runs[-1][1] is None:
                runs[-1][1] = number_of_line
            runs[-1][2].append(data.group(1))
    groups = []  # each a list of (number, name, line, values) in the order of the numbers
    for name, line, values in runs:
        if not values:
            continue
        numbered = re.fullmatch(r"(.*?)(\d+)", name)
        if groups and numbered:
            stem, n = numbered.group(1), int(numbered.group(2))
            group = groups[-1]
            first, last = group[0], group[-1]
            if first[4] == stem and n == last[0] + 1 and len(last[3]) >= 64:
                group.append((n, name, line, values, stem))
                continue
            if first[4] == stem and n == first[0] - 1 and len(values) >= 64:
                group.insert(0, (n, name, line, values, stem))
                continue
        n = int(numbered.group(2)) if numbered else None
        groups.append([(n, name, line, values, numbered.group(1) if numbered else None)])
    found = []
    for group in groups:
        values = [v for part in group for v in part[3]]
        found.append(table(group[0][1], "asm", group[0][2], values))
    return found


def sdcc_tables(text):
    """Assembler written by sdcc: "_NAME:" then ".db #0xNN" lines."""
    return joined_parts(text, r"(_\w+):", r"\.db\s+#(0x[0-9a-fA-F]+)")


def gcc_tables(text):
    """Assembler written by GCC: "NAME:" then ".byte N" lines."""
    return joined_parts(text, r"(\w+):", r"\.byte\s+(\d+)")


def basic_tables(text):
    found = []
    for m in BASIC_TABLE.finditer(text):
        body = re.sub(r"'[^\n]*", "", m.group("body"))
        values = [p for line in body.split("\n") for p in pieces(line)]
        first = re.search(r"\S", body)
        found.append(table(m.group("name"), "basic", line_of(text, m.start("body") + first.start()),
                           values))
    return found


def jal_tables(text):
    """JAL: "--" and ";" comments to the end of the line, C's braces, no ";" after them."""
    text = re.sub(r"(--|;)[^\n]*", "", text)
    found = []
    for m in JAL_TABLE.finditer(text):
        first = re.search(r"[^\s,{}]", m.group("body"))
        line = line_of(text, m.start("body") + (first.start() if first else 0))
        found.append(table(m.group("name"), "jal", line, pieces(m.group("body"))))
    return found


def python_tables(text):
    """Python: a name, " =\\", then lines of byte strings joined by "\\"; Python itself reads
    the strings."""
    found = []
    for m in PYTHON_STRINGS.finditer(text):
        data = b"".join(ast.literal_eval(line.rstrip("\\"))
                        for line in m.group("body").splitlines())
        rows = ["%d" % byte for byte in data]
        found.append(table(m.group("name"), "python", line_of(text, m.start("body")), rows))
    return found


READERS = {".h": c_tables, ".c": c_tables, ".asm": asm_tables, ".inc": asm_tables,
           ".jal": jal_tables, ".py": python_tables, ".s": gcc_tables}


def main():
    files = sorted(HERE.glob("*/*.*")) + sorted(INCLUDES.glob("**/*.h"))
    for path in files:
        reader = READERS.get(path.suffix)
        if reader is None:
            continue
        text = path.read_bytes().decode("cp1254", errors="replace")
        if path.name == "7segment.h":
            reader = basic_tables
        if "File Created by SDCC" in text:
            reader = sdcc_tables
        if path.suffix == ".s":
            reader = gcc_tables
        rows = sorted(reader(text))
        name = path.relative_to(HERE.parent).as_posix().replace("/", "__")
        out = HERE / "expected" / (name + ".tables")
        out.parent.mkdir(exist_ok=True)
        out.write_text("".join(row + "\n" for _, row in rows))


if __name__ == "__main__":
    main()
