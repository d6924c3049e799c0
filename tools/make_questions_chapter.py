#!/usr/bin/env python3
"""Writes guide/study/21.html, the chapter that lists every practice question with a link to
its answer page, from src/content/practice_list.txt. Run it again whenever the list changes;
a test checks that the chapter and the list agree."""
import html
import pathlib

root = pathlib.Path(__file__).resolve().parent.parent
items = (root / "src/content/practice_list.txt").read_text(encoding="utf-8").split("\n")
if items and items[-1] == "":
    items.pop()
head = (root / "guide/study/20.html").read_text(encoding="utf-8").split("<body>")[0]
head = head.replace(head[head.index("<title>"):head.index("</title>") + 8],
                    "<title>Chapter 21. Citizenship Test: Questions</title>")

out = [head + "<body>",
       "<h1>Chapter 21. Citizenship Test: Questions</h1>",
       "<p>These are the 197 study questions. Click a question to read its answer, or practise "
       "them one by one on the <b>Practice Section</b> page, where you can write your own "
       "answer first.</p>"]
sections = {0: "Section I. Questions about Canada (questions 1-180)",
            180: "Section II. Questions about your region (questions 181-197)"}
for i, item in enumerate(items):
    if i in sections:
        if i:
            out.append("</ol>")
        out.append(f"<h2>{sections[i]}</h2>")
        out.append(f'<ol start="{i + 1}">')
    number, _, question = item.partition(". ")
    out.append(f'<li><a href="../answers/{number}.html">{html.escape(question.strip(), quote=False)}</a></li>')
out.append("</ol>")
out.append("<table width=\"100%\" border=\"0\" cellpadding=\"6\" cellspacing=\"0\"><tr>"
           "<td bgcolor=\"#fff4c8\"><b>Remember:</b> the questions of Section II are answered "
           "here for Ontario. If you live elsewhere, ask your local public library or look at "
           "your province's or territory's official sources.</td></tr></table>")
out.append('<p class="nav"><a href="20.html">Previous chapter</a> | '
           '<a href="1.html">Back to chapter 1</a></p>')
out.append("</body>\n</html>")
(root / "guide/study/21.html").write_text("\n".join(out) + "\n", encoding="utf-8")
