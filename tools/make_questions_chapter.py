#!/usr/bin/env python3
"""Writes the parts of the study guide that are drawn from the practice questions, so that they
can never disagree with src/content/practice_list.txt:

  - guide/study/21.html, the chapter that lists every practice question with a link to its answer;
  - the "Practice questions for this chapter" section at the end of every chapter that teaches
    some of them, from the table tools/practice_chapters.tsv (question number -> chapters).

Run it again whenever the list or the table changes; tst_guide checks that the pages agree with
both. A chapter's section sits between two comment lines and is replaced as a whole, so the rest
of the chapter can be edited by hand."""
import html
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
study = root / "guide/study"
items = (root / "src/content/practice_list.txt").read_text(encoding="utf-8").split("\n")
if items and items[-1] == "":
    items.pop()
head = (study / "20.html").read_text(encoding="utf-8").split("<body>")[0]
head = head.replace(head[head.index("<title>"):head.index("</title>") + 8],
                    "<title>Chapter 21. Citizenship Test: Questions</title>")


def question(n):
    """The text of practice question n, without its number, as it goes into a page."""
    number, _, text = items[n - 1].partition(". ")
    if int(number) != n:
        sys.exit(f"practice_list.txt: line {n} holds question {number}")
    return html.escape(text.strip(), quote=False)


# Chapter 21: every question, in two sections.
out = [head + "<body>",
       "<h1>Chapter 21. Citizenship Test: Questions</h1>",
       "<p>These are the 197 study questions. Click a question to read its answer, or practise "
       "them one by one on the <b>Practice Section</b> page, where you can write your own "
       "answer first.</p>"]
sections = {0: "Section I. Questions about Canada (questions 1-180)",
            180: "Section II. Questions about your region (questions 181-197)"}
for i in range(len(items)):
    if i in sections:
        if i:
            out.append("</ol>")
        out.append(f"<h2>{sections[i]}</h2>")
        out.append(f'<ol start="{i + 1}">')
    out.append(f'<li><a href="../answers/{i + 1}.html">{question(i + 1)}</a></li>')
out.append("</ol>")
out.append("<table width=\"100%\" border=\"0\" cellpadding=\"6\" cellspacing=\"0\"><tr>"
           "<td bgcolor=\"#fff4c8\"><b>Remember:</b> the questions of Section II are answered "
           "here for Ontario. If you live elsewhere, ask your local public library or look at "
           "your province's or territory's official sources.</td></tr></table>")
out.append('<p class="nav"><a href="20.html">Previous chapter</a> | '
           '<a href="1.html">Back to chapter 1</a></p>')
out.append("</body>\n</html>")
(study / "21.html").write_text("\n".join(out) + "\n", encoding="utf-8")

# The table: which chapters teach each question.
table = root / "tools/practice_chapters.tsv"
by_chapter = {}
seen = set()
for line_number, line in enumerate(table.read_text(encoding="utf-8").splitlines(), 1):
    if not line.strip() or line.startswith("#"):
        continue
    number, _, chapters = line.partition("\t")
    where = f"{table.name}:{line_number}"
    if not number.isdigit() or not 1 <= int(number) <= len(items) or int(number) in seen:
        sys.exit(f"{where}: '{number}' is not a new question number from 1 to {len(items)}")
    if not chapters.split():
        sys.exit(f"{where}: question {number} names no chapter")
    seen.add(int(number))
    for chapter in chapters.split():
        # Chapter 21 lists every question already; a chapter of its own cannot teach them.
        if not chapter.isdigit() or not 1 <= int(chapter) <= 20:
            sys.exit(f"{where}: '{chapter}' is not a chapter from 1 to 20")
        by_chapter.setdefault(int(chapter), []).append(int(number))
if len(seen) != len(items):
    missing = sorted(set(range(1, len(items) + 1)) - seen)
    sys.exit(f"{table.name}: no chapter for question(s) {', '.join(map(str, missing))}")

BEGIN = "<!-- Practice questions: written by tools/make_questions_chapter.py from tools/practice_chapters.tsv -->"
END = "<!-- End of practice questions -->"
old_section = re.compile(re.escape(BEGIN) + ".*?" + re.escape(END) + "\n\n", re.S)
for chapter in range(1, 21):
    page = study / f"{chapter}.html"
    text = old_section.sub("", page.read_text(encoding="utf-8"))
    if chapter in by_chapter:
        section = [BEGIN,
                   '<h2><a name="practice"></a>Practice questions for this chapter</h2>',
                   "<p>Test yourself on what you have just read: answer each question in your "
                   "own words, then click it to check your answer.</p>",
                   "<ul>"]
        section += [f'<li><a href="../answers/{n}.html">{n}. {question(n)}</a></li>'
                    for n in sorted(by_chapter[chapter])]
        section += ["</ul>", END, "", ""]
        nav = text.rindex('<p class="nav">')
        text = text[:nav] + "\n".join(section) + text[nav:]
    page.write_text(text, encoding="utf-8")
