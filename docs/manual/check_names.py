#!/usr/bin/env python3
"""Checks that the manual names things as the screen does.

    check_names.py --source DIR --menus MENUS.txt --labels SOURCE.cpp...

--menus is what the editor's script command `print menus` prints: one line an item,
MENU<TAB>TEXT<TAB>KEYS<TAB>enabled|disabled, submenus as MENU/SUBMENU. Every menu path a page writes in bold,
**Menu › Item** or **Menu › Submenu › Item**, must be an item of that menu (the text without its mnemonic and
without an ellipsis). Every setting a page quotes as `setting "Name"` or `option "Name"` must be a text of the
preferences (a string of the --labels sources) or a key of the profile. Exit status 1 lists what differs.
"""
import argparse
import re
import sys
from pathlib import Path

MENU_PATH = re.compile(r"\*\*([^*\n]+?(?: › [^*\n]+?)+)\*\*")
SETTING = re.compile(r"\b(?:setting|option|check box) \"")
STRING = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def plain(text):
    """A menu text as a reader sees it: no mnemonic mark, no keys, no ellipsis, no outer blanks."""
    text = text.split("\t", 1)[0].replace("&&", "\0").replace("&", "").replace("\0", "&")
    return text.replace("…", "").replace("...", "").strip()


def read_menus(path):
    items = {}
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        fields = line.split("\t")
        if len(fields) < 2:
            continue
        menu = "/".join(plain(m) for m in fields[0].split("/"))
        items.setdefault(menu, set()).add(plain(fields[1]))
    return items


def read_labels(paths):
    labels = set()
    for path in paths:
        for text in STRING.findall(Path(path).read_text(encoding="utf-8")):
            labels.add(plain(text.replace('\\"', '"')).strip(" :"))
    return labels


def quoted_settings(text, labels):
    """The settings a page quotes: after 'setting "', the shortest text up to a closing quote that names a
    setting (a label may hold quotes of its own), else the text up to the first closing quote."""
    for match in SETTING.finditer(text):
        rest = text[match.end():].replace("\n", " ")
        ends = [i for i, c in enumerate(rest) if c == '"']
        known = [rest[:i] for i in ends if " ".join(rest[:i].split()) in labels]
        yield " ".join((known[0] if known else rest[:ends[0]] if ends else rest).split())


def menu_problem(path, menus):
    parts = [plain(p) for p in path.split(" › ")]
    menu, item = "/".join(parts[:-1]), parts[-1]
    if menu not in menus:
        return f"no menu '{menu.replace('/', ' › ')}'"
    if item not in menus[menu]:
        return f"no item '{item}' in the menu '{menu.replace('/', ' › ')}'"
    return None


def problems(source, menus, labels):
    found = []
    for page in sorted(Path(source).glob("*.md")):
        text = page.read_text(encoding="utf-8")
        for path in MENU_PATH.findall(text):
            why = menu_problem(path, menus)
            if why:
                found.append(f"{page.name}: **{path}**: {why}")
        for name in quoted_settings(text, labels):
            if name not in labels:
                found.append(f"{page.name}: setting \"{name}\": no such text in the preferences or the profile")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--menus", required=True)
    parser.add_argument("--labels", nargs="+", default=[])
    args = parser.parse_args()
    found = problems(args.source, read_menus(args.menus), read_labels(args.labels))
    if found:
        print("The manual names what the screen does not show:\n  " + "\n  ".join(found))
        return 1
    print("every menu path and setting the manual names is on the screen")
    return 0


if __name__ == "__main__":
    sys.exit(main())
