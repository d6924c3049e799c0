#!/usr/bin/env python3
"""Runs tools/make_questions_chapter.py on a copy of the guide: the committed pages must be what it
writes, a French list must reach every French page, and a broken list or table changes nothing."""
import atexit, pathlib, re, shutil, subprocess, sys, tempfile

source = pathlib.Path(sys.argv[1]).resolve()
scratch = pathlib.Path(tempfile.mkdtemp())
atexit.register(shutil.rmtree, scratch, ignore_errors=True)
for part in ("tools", "src/content", "guide"):
    shutil.copytree(source / part, scratch / part)
run = lambda: subprocess.run([sys.executable, scratch / "tools/make_questions_chapter.py"],
                             stderr=subprocess.DEVNULL).returncode
pages = lambda: {p.relative_to(scratch): p.read_bytes() for p in (scratch / "guide").rglob("*.html")}
fr_list, fr_study = scratch / "src/content/fr/practice_list.txt", scratch / "guide/fr/study"
failures = [] if run() == 0 else ["the script fails on the repository"]
failures += [f"{p} is not what the script writes" for p, text in pages().items()
             if text != (source / p).read_bytes()]

fr_list.parent.mkdir(parents=True, exist_ok=True)
fr_list.write_text("".join(f"{n}. Q{n} <&>\n" for n in range(1, 198)), encoding="utf-8")
teaching = {}
for line in (scratch / "tools/practice_chapters.tsv").read_text(encoding="utf-8").splitlines():
    if line.strip() and not line.startswith("#"):
        for chapter in line.split("\t")[1].split():
            teaching.setdefault(chapter, []).append(line.split("\t")[0])
item = re.compile(r'<li><a href="\.\./answers/(\d+)\.html">(?:(\d+)\. )?Q(\d+) &lt;&amp;&gt;</a></li>')
if run() != 0 or not (fr_study / "21.html").exists():
    failures.append("no French chapter 21 from a sound French list")
for page in sorted(fr_study.glob("*.html")):
    found = [m.groups() for m in item.finditer(page.read_text(encoding="utf-8"))]
    want = ([(str(n), None, str(n)) for n in range(1, 198)] if page.stem == "21" else
            [(n, n, n) for n in sorted(teaching.get(page.stem, []), key=int)])
    if found != want:
        failures.append(f"guide/fr/study/{page.name} does not list the right questions")

before = pages()
fr_list.write_text("".join(f"{n}. Q{n}\n" for n in range(1, 197)), encoding="utf-8")
if run() == 0 or pages() != before:
    failures.append("a French list of 196 questions was accepted, or changed pages")
fr_list.unlink()  # and the table names a question's first chapter twice
tsv = scratch / "tools/practice_chapters.tsv"
tsv.write_text(re.sub(r"^(\d+\t(\d+))", r"\1 \2", tsv.read_text("utf-8"), 1, re.M), "utf-8")
if run() == 0 or pages() != before:
    failures.append("a question that names a chapter twice was accepted, or changed pages")
print("\n".join(failures) or "make_questions_chapter.py: all checks passed")
sys.exit(1 if failures else 0)
