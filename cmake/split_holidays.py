"""Splits date-holidays' holidays.json into one file per country, so that a program using one
country reads only that country's part, and an index of every country, state and region.

Each <CODE>.json holds {"version" (the package's), "code", "country": the country's node, "refs": the shared names the
country refers to with "_name", "others": the nodes of countries its "_days" refer to}.
Usage: split_holidays.py holidays.json OUTPUT_FOLDER PACKAGE_VERSION
"""
import json
import os
import sys


def referenced_countries(node, found):
    days = node.get("_days")
    if days:
        code = days if isinstance(days, str) else days[0]
        found.add(code)
    for kind in ("states", "regions"):
        for child in (node.get(kind) or {}).values():
            referenced_countries(child, found)


def name_refs(node, found):
    for rule in (node.get("days") or {}).values():
        if isinstance(rule, dict) and "_name" in rule:
            found.add(rule["_name"])
    for kind in ("states", "regions"):
        for child in (node.get(kind) or {}).values():
            name_refs(child, found)


def index_entry(node):
    entry = {"names": node.get("names") or {"": node.get("name", "")}}
    if "langs" in node:
        entry["langs"] = node["langs"]
    for kind in ("states", "regions"):
        children = node.get(kind)
        if children:
            entry[kind] = {code: index_entry(child) for code, child in children.items()}
    return entry


def main():
    source, folder, package = sys.argv[1], sys.argv[2], sys.argv[3]
    with open(source, encoding="utf-8") as f:
        data = json.load(f)
    countries = data["holidays"]
    names = data["names"]
    os.makedirs(folder, exist_ok=True)
    for code, node in countries.items():
        others = set()
        referenced_countries(node, others)
        pending = list(others)
        while pending:
            other = pending.pop()
            more = set()
            referenced_countries(countries[other], more)
            for m in more - others:
                others.add(m)
                pending.append(m)
        others.discard(code)
        refs = {"substitutes"}
        for c in [code, *others]:
            name_refs(countries[c], refs)
        part = {"version": package, "code": code, "country": node,
                "refs": {r: names[r] for r in sorted(refs) if r in names},
                "others": {o: countries[o] for o in sorted(others)}}
        write(os.path.join(folder, code + ".json"), part)
    write(os.path.join(folder, "index.json"),
          {"version": package, "countries": {code: index_entry(node) for code, node in countries.items()}})


def write(path, value):
    text = json.dumps(value, ensure_ascii=False, separators=(",", ":"), sort_keys=False)
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(tmp, path)


if __name__ == "__main__":
    main()
