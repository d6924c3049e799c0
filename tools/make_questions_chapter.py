#!/usr/bin/env python3
"""Writes the parts of the study guide that are drawn from the practice questions, so that they
can never disagree with src/content/practice_list.txt:

  - guide/study/21.html, the chapter that lists every practice question with a link to its answer;
  - the "Practice questions for this chapter" section at the end of every chapter that teaches
    some of them, from the table tools/practice_chapters.tsv (question number -> chapters).

Once src/content/fr/practice_list.txt exists, it writes the French edition the same way, from the
same table: guide/fr/study/21.html, and the section of every French chapter page there is so far.

Run it again whenever a list or the table changes; tst_guide checks that the pages agree with
both. A chapter's section sits between two comment lines and is replaced as a whole, so the rest
of the chapter can be edited by hand. Nothing is written unless every list, the table and every
page are sound, so a mistake never leaves the guide half updated."""
import html
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent

# The words of each edition. The French pages keep the English comment lines around their
# sections, so that one pattern finds the section in either edition.
ENGLISH = {
    "list": "src/content/practice_list.txt",
    "study": "guide/study",
    "lang": "en",
    "title": "Chapter 21. Citizenship Test: Questions",
    "intro": "<p>These are the 197 study questions. Click a question to read its answer, or practise "
             "them one by one on the <b>Practice Section</b> page, where you can write your own "
             "answer first.</p>",
    "sections": ("Section I. Questions about Canada (questions 1-180)",
                 "Section II. Questions about your region (questions 181-197)"),
    "remember": "<b>Remember:</b> the questions of Section II are answered here for Ontario. If you "
                "live elsewhere, ask your local public library or look at your province's or "
                "territory's official sources.",
    "previous": "Previous chapter",
    "back": "Back to chapter 1",
    "practice": "Practice questions for this chapter",
    "practice_intro": "Test yourself on what you have just read: answer each question in your "
                      "own words, then click it to check your answer.",
}
NBSP = "\u00a0"  # before : ; ? ! in French
FRENCH = {
    "list": "src/content/fr/practice_list.txt",
    "study": "guide/fr/study",
    "lang": "fr",
    "title": f"Chapitre 21. L'examen de citoyenneté{NBSP}: questions",
    "intro": "<p>Voici les 197 questions d'étude. Cliquez sur une question pour lire sa réponse, ou "
             "exercez-vous à y répondre une à une dans la page <b>Section d'exercices</b>, où vous "
             "pouvez d'abord écrire votre propre réponse.</p>",
    "sections": ("Section I. Questions sur le Canada (questions 1 à 180)",
                 "Section II. Questions sur votre région (questions 181 à 197)"),
    "remember": f"<b>À retenir{NBSP}:</b> les réponses aux questions de la Section II sont données "
                "ici pour l'Ontario. Si vous habitez ailleurs, adressez-vous à votre bibliothèque "
                "publique locale ou consultez les sources officielles de votre province ou de "
                "votre territoire.",
    "previous": "Chapitre précédent",
    "back": "Retour au chapitre 1",
    "practice": "Questions d'exercice pour ce chapitre",
    "practice_intro": f"Testez-vous sur ce que vous venez de lire{NBSP}: répondez à chaque question "
                      "dans vos propres mots, puis cliquez dessus pour vérifier votre réponse.",
}

BEGIN = "<!-- Practice questions: written by tools/make_questions_chapter.py from tools/practice_chapters.tsv -->"
END = "<!-- End of practice questions -->"
old_section = re.compile(re.escape(BEGIN) + ".*?" + re.escape(END) + "\n\n", re.S)


def read_list(name):
    """The practice questions of a list, without their numbers, as they go into a page."""
    lines = (root / name).read_text(encoding="utf-8").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    questions = []
    for n, line in enumerate(lines, 1):
        number, _, text = line.partition(". ")
        try:
            sound = int(number) == n
        except ValueError:
            sound = False
        if not sound:
            sys.exit(f"{name}: line {n} holds question {number}")
        questions.append(html.escape(text.strip(), quote=False))
    return questions


def read_table(count):
    """Chapter -> the practice questions it teaches, in the table's order."""
    table = root / "tools/practice_chapters.tsv"
    by_chapter = {}
    seen = set()
    for line_number, line in enumerate(table.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        number, _, chapters = line.partition("\t")
        where = f"{table.name}:{line_number}"
        if not number.isdigit() or not 1 <= int(number) <= count or int(number) in seen:
            sys.exit(f"{where}: '{number}' is not a new question number from 1 to {count}")
        if not chapters.split():
            sys.exit(f"{where}: question {number} names no chapter")
        seen.add(int(number))
        for chapter in chapters.split():
            # Chapter 21 lists every question already; a chapter of its own cannot teach them.
            if not chapter.isdigit() or not 1 <= int(chapter) <= 20:
                sys.exit(f"{where}: '{chapter}' is not a chapter from 1 to 20")
            if chapters.split().count(chapter) > 1:
                sys.exit(f"{where}: chapter {chapter} named twice, so it would list the question twice")
            by_chapter.setdefault(int(chapter), []).append(int(number))
    if len(seen) != count:
        missing = sorted(set(range(1, count + 1)) - seen)
        sys.exit(f"{table.name}: no chapter for question(s) {', '.join(map(str, missing))}")
    return by_chapter


def edition(words, questions, by_chapter, head):
    """The pages of one edition: path -> text. Chapters 1 to 20 that the edition does not have
    yet are left for their translators."""
    study = root / words["study"]
    head = head.replace('<html lang="en">', f'<html lang="{words["lang"]}">')
    head = head.replace(head[head.index("<title>"):head.index("</title>") + 8],
                        f"<title>{words['title']}</title>")

    # Chapter 21: every question, in two sections.
    out = [head + "<body>", f"<h1>{words['title']}</h1>", words["intro"]]
    sections = dict(zip((0, 180), words["sections"]))
    for i, text in enumerate(questions):
        if i in sections:
            if i:
                out.append("</ol>")
            out.append(f"<h2>{sections[i]}</h2>")
            out.append(f'<ol start="{i + 1}">')
        out.append(f'<li><a href="../answers/{i + 1}.html">{text}</a></li>')
    out.append("</ol>")
    out.append("<table width=\"100%\" border=\"0\" cellpadding=\"6\" cellspacing=\"0\"><tr>"
               f"<td bgcolor=\"#fff4c8\">{words['remember']}</td></tr></table>")
    out.append(f'<p class="nav"><a href="20.html">{words["previous"]}</a> | '
               f'<a href="1.html">{words["back"]}</a></p>')
    out.append("</body>\n</html>")
    pages = {study / "21.html": "\n".join(out) + "\n"}

    for chapter in range(1, 21):
        page = study / f"{chapter}.html"
        if not page.exists():
            continue
        text = old_section.sub("", page.read_text(encoding="utf-8"))
        if chapter in by_chapter:
            section = [BEGIN,
                       f'<h2><a name="practice"></a>{words["practice"]}</h2>',
                       f"<p>{words['practice_intro']}</p>",
                       "<ul>"]
            section += [f'<li><a href="../answers/{n}.html">{n}. {questions[n - 1]}</a></li>'
                        for n in sorted(by_chapter[chapter])]
            section += ["</ul>", END, "", ""]
            nav = text.rfind('<p class="nav">')
            if nav < 0:
                sys.exit(f"{page.relative_to(root)}: no <p class=\"nav\"> to put the practice "
                         "questions before")
            text = text[:nav] + "\n".join(section) + text[nav:]
        pages[page] = text
    return pages


english = read_list(ENGLISH["list"])
by_chapter = read_table(len(english))
head = (root / ENGLISH["study"] / "20.html").read_text(encoding="utf-8").split("<body>")[0]
pages = edition(ENGLISH, english, by_chapter, head)
if (root / FRENCH["list"]).exists():
    french = read_list(FRENCH["list"])
    # The table numbers the English questions; the French list must be the same questions.
    if len(french) != len(english):
        sys.exit(f"{FRENCH['list']}: {len(french)} questions, but {ENGLISH['list']} has "
                 f"{len(english)}")
    pages.update(edition(FRENCH, french, by_chapter, head))
for page, text in pages.items():
    page.parent.mkdir(parents=True, exist_ok=True)
    page.write_text(text, encoding="utf-8")
