#!/usr/bin/env python3
"""Builds the manual: its Markdown pages as HTML pages with their pictures, and the man pages.

    build_manual.py --source DIR --generated DIR --html OUT --man OUT
    build_manual.py --check-only --html DIR      checks the links of pages already built

Every page of --source and --generated (the menu reference made from the command registry) becomes a
page of --html; links to "page.md" become links to "page.html". The pictures folder is copied beside
them. Every link inside the manual must lead to a page, a picture or an anchor that exists: a broken
one fails the build. The man pages are made from --source/man/*.md.
"""
import argparse
import html
import re
import shutil
import sys
from pathlib import Path

TITLE = "Meridax manual"
STYLE = """body { font-family: "Liberation Sans", Arial, sans-serif; max-width: 60em; margin: 1em auto; padding: 0 1em;
  line-height: 1.45; color: #222; }
nav { border-bottom: 1px solid #ccc; padding-bottom: .4em; margin-bottom: 1em; font-size: 90%; }
nav a { margin-right: .8em; }
table { border-collapse: collapse; margin: .6em 0; }
th, td { border: 1px solid #ccc; padding: .25em .5em; vertical-align: top; text-align: left; }
th { background: #f0ead8; }
code, kbd { font-family: "Liberation Mono", monospace; font-size: 92%; }
kbd { border: 1px solid #bbb; border-radius: 3px; padding: 0 .25em; background: #f7f7f7; white-space: nowrap; }
pre { background: #f6f6f6; padding: .6em; overflow-x: auto; }
img { max-width: 100%; border: 1px solid #ddd; }
"""


def markdown_module():
    try:
        import markdown  # python3-markdown
    except ImportError:
        return None
    return markdown


def page_order(source):
    """The chapters in the order the contents page links them, then any other page."""
    index = (source / "meridax.md").read_text(encoding="utf-8")
    order = []
    for name in re.findall(r"\]\(([a-z0-9-]+)\.md\)", index):
        if name not in order:
            order.append(name)
    return order


def convert(markdown, text):
    md = markdown.Markdown(extensions=["tables", "fenced_code", "toc", "def_list"])
    body = md.convert(text)
    # Links between pages name the Markdown sources; the built manual links the HTML pages.
    return re.sub(r'href="([a-z0-9-]+)\.md(#[^"]*)?"', lambda m: f'href="{m.group(1)}.html{m.group(2) or ""}"', body)


def first_heading(text, fallback):
    m = re.search(r"^# (.+)$", text, re.M)
    return m.group(1).strip() if m else fallback


def navigation(chapters, titles):
    links = ['<a href="meridax.html">Contents</a>']
    links += [f'<a href="{name}.html">{html.escape(titles[name])}</a>' for name in chapters if name != "meridax"]
    return "<nav>" + " ".join(links) + "</nav>"


def build_html(source, generated, out):
    markdown = markdown_module()
    if markdown is None:
        sys.exit("build_manual.py: python3-markdown is not installed")
    pages = {p.stem: p for p in sorted(source.glob("*.md"))}
    if generated:
        pages.update({p.stem: p for p in sorted(generated.glob("*.md"))})
    texts = {name: path.read_text(encoding="utf-8") for name, path in pages.items()}
    titles = {name: first_heading(text, name) for name, text in texts.items()}
    chapters = [name for name in ["meridax"] + page_order(source) if name in pages]
    nav = navigation(chapters, titles)
    out.mkdir(parents=True, exist_ok=True)
    (out / "style.css").write_text(STYLE, encoding="utf-8")
    for name, text in texts.items():
        body = convert(markdown, text)
        page = (f'<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
                f'<title>{html.escape(titles[name])} — {TITLE}</title>\n'
                f'<link rel="stylesheet" href="style.css">\n</head>\n<body>\n{nav}\n{body}\n</body>\n</html>\n')
        (out / f"{name}.html").write_text(page, encoding="utf-8")
    pictures = source / "pictures"
    if pictures.is_dir():
        shutil.copytree(pictures, out / "pictures", dirs_exist_ok=True)


def broken_links(out):
    """Every local link and picture of the built pages that leads nowhere."""
    ids = {}
    for page in out.glob("*.html"):
        ids[page.name] = set(re.findall(r'\sid="([^"]+)"', page.read_text(encoding="utf-8")))
    broken = []
    for page in sorted(out.glob("*.html")):
        text = page.read_text(encoding="utf-8")
        for target in re.findall(r'(?:href|src)="([^"]+)"', text):
            if re.match(r"^[a-z]+:", target):
                continue  # an address outside the manual
            path, _, anchor = target.partition("#")
            path = html.unescape(path) or page.name
            if not (out / path).exists():
                broken.append(f"{page.name}: {target}: no such file")
            elif anchor and path.endswith(".html") and anchor not in ids.get(Path(path).name, set()):
                broken.append(f"{page.name}: {target}: no such anchor")
    return broken


def roff_inline(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    text = re.sub(r"`([^`]+)`", r"\\fB\1\\fR", text)
    text = re.sub(r"\*\*([^*]+)\*\*", r"\\fB\1\\fR", text)
    text = re.sub(r"\*([^*]+)\*", r"\\fI\1\\fR", text)
    text = re.sub(r"\[([^\]]+)\]\([^)]+\)", r"\1", text)
    return text


def roff_line(line):
    return ("\\&" + line) if line.startswith((".", "'")) else line


def build_man(source, out):
    """Each man/NAME.SECTION.md as NAME.SECTION: '# NAME(SECTION) -- summary', '## SECTION' headings,
    paragraphs, '- ' lists, '`term`: text' definitions and fenced code."""
    out.mkdir(parents=True, exist_ok=True)
    for page in sorted((source / "man").glob("*.md")):
        lines = page.read_text(encoding="utf-8").splitlines()
        name, section = page.stem.rsplit(".", 1)
        summary = lines[0].split("--", 1)[1].strip() if "--" in lines[0] else ""
        roff = [f'.TH "{name.upper()}" "{section}" "" "Meridax" "Meridax manual"', ".SH NAME",
                f"{name} \\- {roff_inline(summary)}"]
        in_code = False
        for line in lines[1:]:
            if line.startswith("```"):
                roff.append(".EE" if in_code else ".EX")
                in_code = not in_code
            elif in_code:
                roff.append(roff_line(line.replace("\\", "\\e")))
            elif line.startswith("## "):
                roff.append(".SH " + line[3:].upper())
            elif not line.strip():
                roff.append(".PP")
            elif line.startswith("- "):
                roff += [".IP \\(bu 2", roff_inline(line[2:])]
            elif re.match(r"^`[^`]+`: ", line):
                term, text = line.split(": ", 1)
                roff += [".TP", roff_inline(term), roff_inline(text)]
            else:
                roff.append(roff_line(roff_inline(line.strip())))
        text = "\n".join(roff) + "\n"
        text = re.sub(r"(\.PP\n)+", ".PP\n", text).replace(".SH NAME\n", ".SH NAME\n", 1)
        (out / page.stem).write_text(text, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", type=Path)
    parser.add_argument("--generated", type=Path)
    parser.add_argument("--html", type=Path, required=True)
    parser.add_argument("--man", type=Path)
    parser.add_argument("--check-only", action="store_true")
    args = parser.parse_args()
    if not args.check_only:
        build_html(args.source, args.generated, args.html)
        if args.man:
            build_man(args.source, args.man)
    broken = broken_links(args.html)
    if broken:
        sys.exit("broken links in the manual:\n  " + "\n  ".join(broken))


if __name__ == "__main__":
    main()
