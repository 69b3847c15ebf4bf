#!/usr/bin/env python3
"""Rebuilds the sample recipe-exchange folder exchange/Saffin from exchange/sources.

Each exchange/sources/recipes/<id>-<slug>.txt is one recipe and becomes one package
(Rezepte/RezList<id>.dat and Rezepte/Rezept<id>.dat in the store's record layout) and one entry
of the catalogue Rezepte.txt. A source file has header lines

    Name: ...            Author: ...          Language: English | German
    Dimension: <a dimension label of Languages/English.txt, e.g. Course>
    Values: <labels of that dimension's values, comma separated>
    Picture: <file in exchange/sources/pictures, or empty>

followed by an [Ingredients] and a [Preparation] section. The community pages come from
exchange/sources/community/<Language>.html and are served without extension."""
import pathlib
import shutil
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ROOT / "exchange" / "sources"
TARGET = ROOT / "exchange" / "Saffin"
VALUE_COUNTS = [6, 8, 6, 21, 3, 23]
CRLF = b"\r\n"


def category_labels():
    lines = (ROOT / "Languages" / "English.txt").read_text(encoding="utf-8-sig").splitlines()
    dimensions, values, index = [], [], 52
    for d, count in enumerate(VALUE_COUNTS):
        dimensions.append(lines[46 + d])
        values.append(lines[index:index + count])
        index += count
    return dimensions, values


def parse(path):
    header, sections, current = {}, {"Ingredients": [], "Preparation": []}, None
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("[") and line.endswith("]"):
            current = line[1:-1]
            if current not in sections:
                sys.exit(f"{path}: unknown section {line}")
        elif current:
            sections[current].append(line)
        elif line.strip():
            key, _, value = line.partition(":")
            header[key.strip()] = value.strip()
    for key in ("Name", "Author", "Language", "Dimension", "Values"):
        if not header.get(key):
            sys.exit(f"{path}: {key} is missing")
    text = {k: "\r\n".join(v).strip("\r\n").encode("utf-8") for k, v in sections.items()}
    return header, text


def bits(path, header, dimensions, values):
    if header["Dimension"] not in dimensions:
        sys.exit(f"{path}: unknown dimension {header['Dimension']!r}; choose one of {dimensions}")
    d = dimensions.index(header["Dimension"])
    wanted = [v.strip() for v in header["Values"].split(",")]
    unknown = [v for v in wanted if v not in values[d]]
    if unknown:
        sys.exit(f"{path}: {unknown} are no values of {header['Dimension']}: {values[d]}")
    return str(d + 1).encode(), "".join("1" if v in wanted else "0" for v in values[d]).encode()


def package(header, text, dimension, categories, picture):
    data = bytearray()
    preparation_offset = len(data)
    data += text["Preparation"]
    ingredients_offset = len(data)
    data += text["Ingredients"]
    if picture:
        picture_fields = [str(len(data)), str(len(picture) // 256), str(len(picture) % 256)]
        data += picture
    else:
        picture_fields = ["-1", "-1", "-1"]
    record = [header["Name"].encode("utf-8"), header["Author"].encode("utf-8"), dimension, categories,
              header["Language"].encode("cp1252"), b"False", b"",
              str(preparation_offset).encode(), str(len(text["Preparation"])).encode(),
              str(ingredients_offset).encode(), str(len(text["Ingredients"])).encode(),
              *[f.encode() for f in picture_fields], b"-1", b"-1", b"False", b"False"]
    return b"".join(line + CRLF for line in record), bytes(data)


def main():
    dimensions, values = category_labels()
    if TARGET.exists():
        shutil.rmtree(TARGET)
    (TARGET / "Rezepte").mkdir(parents=True)
    catalogue = []
    for path in sorted((SOURCES / "recipes").glob("*.txt")):
        package_id = path.name.split("-", 1)[0]
        header, text = parse(path)
        dimension, categories = bits(path, header, dimensions, values)
        picture_name = header.get("Picture", "")
        picture = (SOURCES / "pictures" / picture_name).read_bytes() if picture_name else b""
        index, data = package(header, text, dimension, categories, picture)
        (TARGET / "Rezepte" / f"RezList{package_id}.dat").write_bytes(index)
        (TARGET / "Rezepte" / f"Rezept{package_id}.dat").write_bytes(data)
        catalogue += [package_id.encode(), header["Name"].encode("utf-8"), header["Author"].encode("utf-8"),
                      dimension, categories, header["Language"].encode("cp1252")]
    (TARGET / "Rezepte.txt").write_bytes(b"".join(line + CRLF for line in catalogue))
    for page in sorted((SOURCES / "community").glob("*.html")):
        shutil.copyfile(page, TARGET / page.stem)
    print(f"{len(catalogue) // 6} recipes written to {TARGET.relative_to(ROOT)}")


if __name__ == "__main__":
    main()
