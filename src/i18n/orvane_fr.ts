<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>AboutPage</name>
    <message>
        <source>Link: opens %1</source>
        <translation>Lien&#xa0;: ouvre %1</translation>
    </message>
    <message>
        <source>Used Materials :</source>
        <translation>Sources&#xa0;:</translation>
    </message>
    <message>
        <source>Contact Us :</source>
        <translation>Contact&#xa0;:</translation>
    </message>
    <message>
        <source>Developed by: the Orvane team</source>
        <translation>Réalisé par&#xa0;: l&apos;équipe Orvane</translation>
    </message>
    <message>
        <source>- Booklet: A Look at Canada, Citizenship and Immigration Canada, Ottawa, 2002</source>
        <translation>- Brochure&#xa0;: Regard sur le Canada, Citoyenneté et Immigration Canada, Ottawa, 2002</translation>
    </message>
    <message>
        <source>- Internet Resources</source>
        <translation>- Ressources Internet</translation>
    </message>
    <message>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
    <message>
        <source>Orvane 1.3 (jan-feb.2003)</source>
        <translation>Orvane 1.3 (janv.-févr. 2003)</translation>
    </message>
    <message>
        <source>Upgrades at :</source>
        <translation>Mises à jour&#xa0;:</translation>
    </message>
    <message>
        <source>This practice test consists of 178 multiple choice questions, including some that are specific to Ontario. I hope everyone of you understands, that it&apos;s hard task for to keep all Ontario political informations updated regularly. So, if in case you&apos;ll find that some answers are already outdated, please let us know by email. Also, for those who live outside of Ontario: please contact your local public library for information related to your area.</source>
        <translation>Ce test d&apos;exercice comprend 178 questions à choix multiple, dont certaines portent sur l&apos;Ontario. Vous comprendrez qu&apos;il est difficile de tenir à jour toutes les informations politiques sur l&apos;Ontario&#xa0;; si vous trouvez une réponse périmée, merci de nous l&apos;écrire par courriel. Si vous habitez hors de l&apos;Ontario, adressez-vous à votre bibliothèque publique pour les renseignements propres à votre région.</translation>
    </message>
    <message>
        <source>IMPORTANT :</source>
        <translation>IMPORTANT&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DocumentActions</name>
    <message>
        <source>Save a Copy of the Report</source>
        <translation>Enregistrer une copie du rapport</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm);;All files (*)</source>
        <translation>Pages Web (*.html *.htm);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas une valeur entière valide</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Index de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>Every question of the bank has been asked</source>
        <translation>Toutes les questions de la banque ont été posées</translation>
    </message>
    <message>
        <source>Cannot open the built-in list %1</source>
        <translation>Impossible d&apos;ouvrir la liste intégrée %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>There is no folder of your own to keep it in.</source>
        <translation>Vous n&apos;avez aucun dossier personnel où le conserver.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in this page</source>
        <translation>Chercher dans cette page</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Occurrence précédente (Maj+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Occurrence suivante (F3)</translation>
    </message>
    <message>
        <source>Search the guide</source>
        <translation>Chercher dans le guide</translation>
    </message>
    <message>
        <source>Search every chapter and answer (Ctrl+Shift+F)</source>
        <translation>Chercher dans tous les chapitres et toutes les réponses (Ctrl+Maj+F)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Aucune occurrence</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>no font with Arial&apos;s widths (Liberation Sans or Arimo) is installed, so some captions will not fit; install the package fonts-liberation2</source>
        <translation>aucune police aux largeurs d&apos;Arial (Liberation Sans ou Arimo) n&apos;est installée, certains libellés ne tiendront donc pas&#xa0;; installez le paquet fonts-liberation2</translation>
    </message>
</context>
<context>
    <name>GuideIndex</name>
    <message>
        <source>Chapter %1: %2</source>
        <translation>Chapitre %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>HtmlView</name>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h3&gt;This page cannot be opened&lt;/h3&gt;&lt;p&gt;The file &lt;b&gt;%1&lt;/b&gt; is too large to be a page of the guide (more than %2 MiB).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h3&gt;Impossible d&apos;ouvrir cette page&lt;/h3&gt;&lt;p&gt;Le fichier &lt;b&gt;%1&lt;/b&gt; est trop volumineux pour être une page du guide (plus de %2&#xa0;Mio).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h3&gt;This page cannot be opened&lt;/h3&gt;&lt;p&gt;The file &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h3&gt;Impossible d&apos;ouvrir cette page&lt;/h3&gt;&lt;p&gt;Le fichier &lt;b&gt;%1&lt;/b&gt; n&apos;a pas pu être ouvert.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>MockExam</name>
    <message>
        <source>Passed: %1 of %2</source>
        <translation>Réussi&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Not yet: %1 of %2</source>
        <translation>Pas encore&#xa0;: %1 sur %2</translation>
    </message>
</context>
<context>
    <name>MockExamView</name>
    <message>
        <source>Mock exam: %1 questions, %2 minutes, %3 right answers to pass.</source>
        <translation>Examen blanc de %1 questions en %2 minutes, %3 bonnes réponses pour réussir.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Keys: A to D or 1 to 4 choose an option, Enter goes on to the next question.</source>
        <translation>Touches&#xa0;: A à D ou 1 à 4 choisissent une option, Entrée passe à la question suivante.</translation>
    </message>
    <message>
        <source>The questions missed</source>
        <translation>Les questions manquées</translation>
    </message>
    <message>
        <source>You chose %1</source>
        <translation>Vous avez choisi %1</translation>
    </message>
    <message>
        <source>&amp;Leave the exam</source>
        <translation>&amp;Quitter l&apos;examen</translation>
    </message>
    <message>
        <source>&amp;Back to My Progress</source>
        <translation>&amp;Retour à Mes progrès</translation>
    </message>
    <message>
        <source>Ends the exam now; it is kept as ended early</source>
        <translation>Termine l&apos;examen maintenant&#xa0;; il est gardé comme arrêté avant la fin</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Question %1 sur %2</translation>
    </message>
    <message>
        <source>Question %1 of %2: %3 %4</source>
        <translation>Question %1 sur %2&#xa0;: %3 %4</translation>
    </message>
    <message>
        <source>Question %1 of %2: choose one of the options first.</source>
        <translation>Question %1 sur %2&#xa0;: choisissez d&apos;abord une des options.</translation>
    </message>
    <message>
        <source>Choose one of the options first.</source>
        <translation>Choisissez d&apos;abord une des options.</translation>
    </message>
    <message>
        <source>Time left: %1:%2</source>
        <translation>Temps restant&#xa0;: %1:%2</translation>
    </message>
    <message>
        <source>%1 minutes left.</source>
        <translation>Il reste %1 minutes.</translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>Le temps est écoulé</translation>
    </message>
    <message>
        <source>Time is up.</source>
        <translation>Le temps est écoulé.</translation>
    </message>
    <message>
        <source>%1 questions missed are listed with the right answers.</source>
        <translation>Les %1 questions manquées sont données avec les bonnes réponses.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>This page has nothing to print. Ctrl+P prints a chapter, an answer or the report of a test.</source>
        <translation>Cette page n&apos;a rien à imprimer. Ctrl+P imprime un chapitre, une réponse ou le rapport d&apos;un test.</translation>
    </message>
</context>
<context>
    <name>PageControl</name>
    <message>
        <source>%1 page</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>PracticePage</name>
    <message>
        <source>Orvane: Practice Section</source>
        <translation>Orvane&#xa0;: Section d&apos;exercices</translation>
    </message>
    <message>
        <source>Type in what you think is the correct answer, then click the button at the bottom:</source>
        <translation>Tapez la réponse qui vous semble juste, puis cliquez sur le bouton du bas&#xa0;:</translation>
    </message>
    <message>
        <source>click here to get the correct answer</source>
        <translation>cliquez ici pour obtenir la bonne réponse</translation>
    </message>
    <message>
        <source>Practice questions</source>
        <translation>Questions d&apos;exercice</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <source>Shows the answer page of the chosen question</source>
        <translation>Affiche la page de réponse de la question choisie</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation>Logo d&apos;Orvane</translation>
    </message>
    <message>
        <source>Section II. Questions about your region (questions 181-197)</source>
        <translation>Section II. Questions sur votre région (questions 181 à 197)</translation>
    </message>
    <message>
        <source>Section I. Questions about Canada (questions 1-180)</source>
        <translation>Section I. Questions sur le Canada (questions 1 à 180)</translation>
    </message>
    <message>
        <source>Answer to question %1</source>
        <translation>Réponse à la question %1</translation>
    </message>
    <message>
        <source>The answer is not shown yet. Click &quot;click here to get the correct answer&quot;, then press Ctrl+P to print it.</source>
        <translation>La réponse n&apos;est pas encore affichée. Cliquez sur «&#xa0;cliquez ici pour obtenir la bonne réponse&#xa0;», puis appuyez sur Ctrl+P pour l&apos;imprimer.</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>You chose %1</source>
        <translation>Vous avez choisi %1</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Dismiss the notice of the history set aside</source>
        <translation>Masquer l&apos;avis sur l&apos;historique mis de côté</translation>
    </message>
    <message>
        <source>No history is kept: there is no user data folder (neither XDG_DATA_HOME nor HOME names one).</source>
        <translation>Aucun historique n&apos;est conservé&#xa0;: il n&apos;y a pas de dossier de données personnelles (ni XDG_DATA_HOME ni HOME n&apos;en désigne un).</translation>
    </message>
    <message>
        <source>No history is kept: %1.</source>
        <translation>Aucun historique n&apos;est conservé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No history is kept: Qt&apos;s SQLite driver is missing (%1).</source>
        <translation>Aucun historique n&apos;est conservé&#xa0;: le pilote SQLite de Qt est absent (%1).</translation>
    </message>
    <message>
        <source>No history is kept: the folder %1 cannot be made.</source>
        <translation>Aucun historique n&apos;est conservé&#xa0;: impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>No history is kept: %1 cannot be opened (%2).</source>
        <translation>Aucun historique n&apos;est conservé&#xa0;: impossible d&apos;ouvrir %1 (%2).</translation>
    </message>
    <message>
        <source>This folder is read-only: %1. Your history is shown, but new tests are not added to it.</source>
        <translation>Ce dossier est en lecture seule&#xa0;: %1. Votre historique est affiché, mais les nouveaux tests n&apos;y sont pas ajoutés.</translation>
    </message>
    <message>
        <source>%1 is read-only. Your history is shown, but new tests are not added to it.</source>
        <translation>%1 est en lecture seule. Votre historique est affiché, mais les nouveaux tests n&apos;y sont pas ajoutés.</translation>
    </message>
    <message>
        <source>This folder can be written by others; chmod 700 %1 makes it private. Until then your history is shown, but new tests are not added to it.</source>
        <translation>D&apos;autres utilisateurs peuvent écrire dans ce dossier&#xa0;; chmod 700 %1 le rend privé. D&apos;ici là, votre historique est affiché, mais les nouveaux tests n&apos;y sont pas ajoutés.</translation>
    </message>
    <message>
        <source>%1 is a link; the history is never written through a link.</source>
        <translation>%1 est un lien&#xa0;; l&apos;historique n&apos;est jamais écrit à travers un lien.</translation>
    </message>
    <message>
        <source>%1 is not a file of yours; the history is not opened.</source>
        <translation>%1 n&apos;est pas un de vos fichiers&#xa0;; l&apos;historique n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>No history is kept: %1 was written by a newer release of Orvane (history version %2); it is left as it is.</source>
        <translation>Aucun historique n&apos;est conservé&#xa0;: %1 a été écrit par une version plus récente d&apos;Orvane (version d&apos;historique %2)&#xa0;; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>its tables are not Orvane&apos;s</source>
        <translation>ses tables ne sont pas celles d&apos;Orvane</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation>ce n&apos;est pas une base de données</translation>
    </message>
    <message>
        <source>%1 was not a usable history (%2). It was moved to %3 and a new history was started.</source>
        <translation>%1 n&apos;était pas un historique utilisable (%2). Il a été déplacé vers %3 et un nouvel historique a été commencé.</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) could be recovered from it.</source>
        <translation>
            <numerusform>%n test a pu en être récupéré.</numerusform>
            <numerusform>%n tests ont pu en être récupérés.</numerusform>
        </translation>
    </message>
    <message>
        <source>No history is kept: %1 is not a usable history (%2), and it cannot be moved aside.</source>
        <translation>Aucun historique n&apos;est conservé&#xa0;: %1 n&apos;est pas un historique utilisable (%2) et il ne peut pas être mis de côté.</translation>
    </message>
    <message>
        <source>The disk is full. Your last answers are kept and will be saved as soon as there is room.</source>
        <translation>Le disque est plein. Vos dernières réponses sont gardées et seront enregistrées dès qu&apos;il y aura de la place.</translation>
    </message>
    <message>
        <source>Another program is holding the history. Your last answers are kept and will be saved as soon as it lets go.</source>
        <translation>Un autre programme bloque l&apos;historique. Vos dernières réponses sont gardées et seront enregistrées dès qu&apos;il le libérera.</translation>
    </message>
    <message>
        <source>The history could not be written to %1 (%2). Your last answers are kept and will be tried again.</source>
        <translation>L&apos;historique n&apos;a pas pu être écrit dans %1 (%2). Vos dernières réponses sont gardées et l&apos;enregistrement sera tenté de nouveau.</translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) or drill answer(s) could not be kept for the next run (%1).</source>
        <translation>
            <numerusform>%n test ou réponse de révision n&apos;a pas pu être conservé pour le prochain lancement (%1).</numerusform>
            <numerusform>%n tests ou réponses de révision n&apos;ont pas pu être conservés pour le prochain lancement (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Orvane: My Progress</source>
        <translation>Orvane&#xa0;: Mes progrès</translation>
    </message>
    <message>
        <source>Your recent tests:</source>
        <translation>Vos derniers tests&#xa0;:</translation>
    </message>
    <message>
        <source>Chapters to review:</source>
        <translation>Chapitres à revoir&#xa0;:</translation>
    </message>
    <message>
        <source>No missed questions yet.</source>
        <translation>Aucune question manquée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>&amp;Drill my mistakes</source>
        <translation>&amp;Réviser mes erreurs</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Soumettre</translation>
    </message>
    <message>
        <source>Take a new test on the Test Yourself page</source>
        <translation>Passer un nouveau test à la page Testez-vous</translation>
    </message>
    <message>
        <source>Practise the questions you missed, one at a time</source>
        <translation>Exercez-vous sur les questions manquées, une à la fois</translation>
    </message>
    <message>
        <source>Keys: A to D or 1 to 4 choose an option, Enter submits and then goes on.</source>
        <translation>Touches&#xa0;: A à D ou 1 à 4 pour choisir une option, Entrée pour soumettre, puis pour continuer.</translation>
    </message>
    <message>
        <source>Drill question</source>
        <translation>Question de révision</translation>
    </message>
    <message>
        <source>No test completed yet.</source>
        <translation>Aucun test terminé pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Chapitre %1</translation>
    </message>
    <message>
        <source>Opens the chapter in the Study Guide</source>
        <translation>Ouvre le chapitre dans le Guide d&apos;étude</translation>
    </message>
    <message>
        <source>Nothing left to drill.</source>
        <translation>Plus rien à réviser.</translation>
    </message>
    <message>
        <source>Every question you missed has been answered right twice in a row since.</source>
        <translation>Chaque question manquée a reçu depuis deux bonnes réponses de suite.</translation>
    </message>
    <message>
        <source>You have not missed a question yet.</source>
        <translation>Vous n&apos;avez encore manqué aucune question.</translation>
    </message>
    <message>
        <source>1 missed question to drill.</source>
        <translation>1 question manquée à réviser.</translation>
    </message>
    <message>
        <source>%1 missed questions to drill.</source>
        <translation>%1 questions manquées à réviser.</translation>
    </message>
    <message>
        <source>1 missed question left.</source>
        <translation>Il reste 1 question manquée.</translation>
    </message>
    <message>
        <source>%1 missed questions left.</source>
        <translation>Il reste %1 questions manquées.</translation>
    </message>
    <message>
        <source>Question %1 of %2: %3 %4</source>
        <translation>Question %1 sur %2&#xa0;: %3 %4</translation>
    </message>
    <message>
        <source>Choose one of the options first.</source>
        <translation>Choisissez d&apos;abord une des options.</translation>
    </message>
    <message>
        <source>The answer is %1: %2</source>
        <translation>La réponse est %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Answer page %1</source>
        <translation>Page de réponse %1</translation>
    </message>
    <message>
        <source>Answer page of practice question %1</source>
        <translation>Page de réponse de la question d&apos;exercice %1</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Question suivante</translation>
    </message>
    <message>
        <source>&amp;Mock exam</source>
        <translation>Examen &amp;blanc</translation>
    </message>
    <message>
        <source>20 questions from the whole bank in 30 minutes; 12 right answers pass</source>
        <translation>20 questions de toute la banque en 30 minutes&#xa0;; 12 bonnes réponses suffisent</translation>
    </message>
    <message>
        <source>&amp;Past tests</source>
        <translation>&amp;Tests passés</translation>
    </message>
    <message>
        <source>Shows any past test with its answers</source>
        <translation>Montre n&apos;importe quel test passé avec ses réponses</translation>
    </message>
    <message>
        <source>Last completed test: %1 of %2 right, %3</source>
        <translation>Dernier test terminé&#xa0;: %1 justes sur %2, %3</translation>
    </message>
    <message>
        <source>Last %1 completed tests: %2 of %3 right, %4</source>
        <translation>%1 derniers tests terminés&#xa0;: %2 justes sur %3, %4</translation>
    </message>
    <message>
        <source>Due for a check today: %1</source>
        <translation>À vérifier aujourd&apos;hui&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1. %2 (1 to drill)</source>
        <translation>%1. %2 (1 à réviser)</translation>
    </message>
    <message>
        <source>%1. %2 (%3 to drill)</source>
        <translation>%1. %2 (%3 à réviser)</translation>
    </message>
    <message>
        <source>None: nothing is left to drill.</source>
        <translation>Aucun&#xa0;: plus rien à réviser.</translation>
    </message>
    <message>
        <source>1 check due today.</source>
        <translation>1 vérification aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>%1 checks due today.</source>
        <translation>%1 vérifications aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Press &quot;Drill my mistakes&quot; to answer them again, one at a time. A question leaves the drill once you answer it right twice in a row, and comes back for a check 3, 10 and 30 days later.</source>
        <translation>Appuyez sur «&#xa0;Réviser mes erreurs&#xa0;» pour y répondre de nouveau, une à la fois. Une question quitte la révision après deux bonnes réponses de suite, et revient pour une vérification 3, 10 et 30 jours plus tard.</translation>
    </message>
    <message>
        <source>A check of a question you mastered. 1 question left.</source>
        <translation>Vérification d&apos;une question maîtrisée. Il reste 1 question.</translation>
    </message>
    <message>
        <source>A check of a question you mastered. %1 questions left.</source>
        <translation>Vérification d&apos;une question maîtrisée. Il reste %1 questions.</translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation>Bonne réponse.</translation>
    </message>
    <message>
        <source>Nothing left to drill</source>
        <translation>Plus rien à réviser</translation>
    </message>
    <message>
        <source>Still known: the next check is in %1 days.</source>
        <translation>Toujours sue&#xa0;: prochaine vérification dans %1 jours.</translation>
    </message>
    <message>
        <source>Still known after its last check.</source>
        <translation>Toujours sue après sa dernière vérification.</translation>
    </message>
    <message>
        <source>Right once; once more to master it.</source>
        <translation>Juste une fois&#xa0;; encore une pour la maîtriser.</translation>
    </message>
    <message>
        <source>Mastered: it leaves the drill.</source>
        <translation>Maîtrisée&#xa0;: elle quitte la révision.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>CORRECT ANSWER</source>
        <translation>BONNE RÉPONSE</translation>
    </message>
    <message>
        <source>YOUR ANSWER</source>
        <translation>VOTRE RÉPONSE</translation>
    </message>
    <message>
        <source>Congratulation, all of your answers were correct.</source>
        <translation>Félicitations, toutes vos réponses étaient justes.</translation>
    </message>
    <message>
        <source>List of All Incorrect Answers</source>
        <translation>Liste de toutes les réponses fausses</translation>
    </message>
</context>
<context>
    <name>ReviewView</name>
    <message>
        <source>Past tests, newest first:</source>
        <translation>Tests passés, du plus récent&#xa0;:</translation>
    </message>
    <message>
        <source>Past tests</source>
        <translation>Tests passés</translation>
    </message>
    <message>
        <source>The questions of the test</source>
        <translation>Les questions du test</translation>
    </message>
    <message>
        <source>&amp;Back to My Progress</source>
        <translation>&amp;Retour à Mes progrès</translation>
    </message>
    <message>
        <source>%1, mock exam: %2 of %3</source>
        <translation>%1, examen blanc&#xa0;: %2 sur %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1&#xa0;: %2 sur %3</translation>
    </message>
    <message>
        <source>, ended early</source>
        <translation>, arrêté avant la fin</translation>
    </message>
    <message>
        <source>Earlier tests...</source>
        <translation>Tests plus anciens...</translation>
    </message>
    <message>
        <source>The answers of this test were not kept.</source>
        <translation>Les réponses de ce test n&apos;ont pas été gardées.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Search the guide:</source>
        <translation>Chercher dans le guide&#xa0;:</translation>
    </message>
    <message>
        <source>Words to find in every chapter and answer</source>
        <translation>Mots à chercher dans tous les chapitres et toutes les réponses</translation>
    </message>
    <message>
        <source>Search the guide</source>
        <translation>Chercher dans le guide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes the search (Escape)</source>
        <translation>Ferme la recherche (Échap)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Aucune occurrence</translation>
    </message>
    <message>
        <source>Matches: %1; the first %2 are listed</source>
        <translation>Occurrences&#xa0;: %1&#xa0;; les %2 premières sont affichées</translation>
    </message>
    <message>
        <source>Matches: %1</source>
        <translation>Occurrences&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StudyPage</name>
    <message>
        <source>Orvane - Study Guide</source>
        <translation>Orvane - Guide d&apos;étude</translation>
    </message>
    <message>
        <source>Chapter page</source>
        <translation>Page du chapitre</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Chapitres</translation>
    </message>
    <message>
        <source>Choose a chapter of the study guide to read</source>
        <translation>Choisissez un chapitre du guide d&apos;étude à lire</translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <translation>Chapitre %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Orvane 1.3 (jan-feb.2003)</source>
        <translation>Orvane 1.3 (janv.-févr. 2003)</translation>
    </message>
    <message>
        <source>Study Guide</source>
        <translation>Guide d&apos;étude</translation>
    </message>
    <message>
        <source>Practice Section</source>
        <translation>Section d&apos;exercices</translation>
    </message>
    <message>
        <source>Test Yourself</source>
        <translation>Testez-vous</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mes progrès</translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source>            
   List of exluded questions:

  34,43,50,51,53,54,58,75,76,135,136,137,147,163,165,177,191,193
 
       Exluded from multiple choice test, because of their nature.</source>
        <translation>            
   Liste des questions exclues&#xa0;:

  34,43,50,51,53,54,58,75,76,135,136,137,147,163,165,177,191,193
 
       Exclues du test à choix multiple en raison de leur nature.</translation>
    </message>
    <message>
        <source>Orvane: Test Yourself</source>
        <translation>Orvane&#xa0;: Testez-vous</translation>
    </message>
    <message>
        <source>Choose the number of questions you&apos;d like to be asked and then click the &quot;Start the test!&quot; button.</source>
        <translation>Choisissez le nombre de questions voulu, puis cliquez sur le bouton «&#xa0;Commencer&#xa0;!&#xa0;».</translation>
    </message>
    <message>
        <source>Start the Test!</source>
        <translation>Commencer&#xa0;!</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Option %1</translation>
    </message>
    <message>
        <source>End the Test!</source>
        <translation>Terminer&#xa0;!</translation>
    </message>
    <message>
        <source>Number of questions</source>
        <translation>Nombre de questions</translation>
    </message>
    <message>
        <source>Suggested numbers of questions</source>
        <translation>Nombres de questions proposés</translation>
    </message>
    <message>
        <source>From 1 to 178</source>
        <translation>De 1 à 178</translation>
    </message>
    <message>
        <source>Submits the chosen option. Keys: A to D or 1 to 4 choose an option, Enter submits.</source>
        <translation>Soumet l&apos;option choisie. Touches&#xa0;: A à D ou 1 à 4 pour choisir une option, Entrée pour soumettre.</translation>
    </message>
    <message>
        <source>Excluded questions</source>
        <translation>Questions exclues</translation>
    </message>
    <message>
        <source>Report of wrong answers</source>
        <translation>Rapport des réponses fausses</translation>
    </message>
    <message>
        <source>You chose %1</source>
        <translation>Vous avez choisi %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Question %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 %2, %3, %4, %5</source>
        <translation>%1 %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>&lt;p&gt;The report of this test could not be saved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le rapport de ce test n&apos;a pas pu être enregistré.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Réponses justes</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Réponses fausses</translation>
    </message>
    <message>
        <source>Success Rate</source>
        <translation>Taux de réussite</translation>
    </message>
    <message>
        <source>Orvane Test Results</source>
        <translation>Résultats du test Orvane</translation>
    </message>
    <message>
        <source>No test has been finished in this window yet. Its report can be saved when it ends.</source>
        <translation>Aucun test n&apos;est encore terminé dans cette fenêtre. Le rapport d&apos;un test peut être enregistré une fois le test terminé.</translation>
    </message>
    <message>
        <source>No test has been finished in this window yet. Its report can be printed when it ends.</source>
        <translation>Aucun test n&apos;est encore terminé dans cette fenêtre. Le rapport d&apos;un test peut être imprimé une fois le test terminé.</translation>
    </message>
    <message>
        <source>Orvane test report</source>
        <translation>Rapport de test Orvane</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Soumettre</translation>
    </message>
    <message>
        <source>Select one of the options. Then press this button</source>
        <translation>Choisissez une des options. Appuyez ensuite sur ce bouton</translation>
    </message>
    <message>
        <source>Number of questions:</source>
        <translation>Nb de questions&#xa0;:</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Question&#xa0;:</translation>
    </message>
    <message>
        <source>Question Number:</source>
        <translation>Question n°&#xa0;:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Justes&#xa0;:</translation>
    </message>
    <message>
        <source>Test Results:</source>
        <translation>Résultats&#xa0;:</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Fausses&#xa0;:</translation>
    </message>
    <message>
        <source>Success Rate:</source>
        <translation>Réussite&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TestReview</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Your answer: %1</source>
        <translation>Votre réponse&#xa0;: %1</translation>
    </message>
    <message>
        <source>The right answer: %1</source>
        <translation>La bonne réponse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Answer page %1</source>
        <translation>Page de réponse %1</translation>
    </message>
    <message>
        <source>No question was missed.</source>
        <translation>Aucune question manquée.</translation>
    </message>
    <message>
        <source>No question was answered.</source>
        <translation>Aucune question répondue.</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>, ended early</source>
        <translation>, arrêté avant la fin</translation>
    </message>
    <message>
        <source>Your recent tests</source>
        <translation>Vos derniers tests</translation>
    </message>
    <message>
        <source>No tests yet</source>
        <translation>Aucun test pour l&apos;instant</translation>
    </message>
    <message>
        <source>Oldest first: </source>
        <translation>Du plus ancien au plus récent&#xa0;: </translation>
    </message>
    <message>
        <source>en_CA</source>
        <extracomment>The locale whose month names the dates of this translation use.</extracomment>
        <translation>fr_CA</translation>
    </message>
    <message>
        <source>Mock exam of %1: %2 of %3, %4</source>
        <translation>Examen blanc du %1&#xa0;: %2 sur %3, %4</translation>
    </message>
    <message>
        <source>Test of %1: %2 of %3, %4</source>
        <translation>Test du %1&#xa0;: %2 sur %3, %4</translation>
    </message>
    <message>
        <source>. Left and Right choose a test, Enter shows its questions.</source>
        <translation>. Gauche et Droite choisissent un test, Entrée montre ses questions.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>ended early</source>
        <translation>arrêté tôt</translation>
    </message>
    <message>
        <source>mock exam</source>
        <translation>examen blanc</translation>
    </message>
    <message>
        <source>average</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>pass mark</source>
        <translation>note de passage</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>neither XDG_DATA_HOME nor HOME names a folder</source>
        <translation>ni XDG_DATA_HOME ni HOME ne désignent un dossier</translation>
    </message>
    <message>
        <source>%1 leads into the installed pages, which are never a working folder</source>
        <translation>%1 mène aux pages installées, qui ne sont jamais un dossier de travail</translation>
    </message>
    <message>
        <source>%1 belongs to another user; it is not used</source>
        <translation>%1 appartient à un autre utilisateur&#xa0;; il n&apos;est pas utilisé</translation>
    </message>
    <message>
        <source>%1 can be written by others (mode %2); it is not used</source>
        <translation>%1 peut être modifié par d&apos;autres (mode %2)&#xa0;; il n&apos;est pas utilisé</translation>
    </message>
    <message>
        <source>%1 is a file of yours in the place of the link to %2/%3; move it away to see the installed pages</source>
        <translation>%1 est un de vos fichiers, à la place du lien vers %2/%3&#xa0;; déplacez-le pour voir les pages installées</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>orvane: ignoring the argument &apos;%1&apos;
</source>
        <translation>orvane&#xa0;: argument &apos;%1&apos; ignoré
</translation>
    </message>
    <message>
        <source>orvane: %1.
Run it on a desktop, or in a virtual one:  xvfb-run -a orvane
</source>
        <translation>orvane&#xa0;: %1.
Lancez-le sur un bureau, ou dans un bureau virtuel&#xa0;:  xvfb-run -a orvane
</translation>
    </message>
    <message>
        <source>orvane: the window cannot be opened: %1
</source>
        <translation>orvane&#xa0;: impossible d&apos;ouvrir la fenêtre&#xa0;: %1
</translation>
    </message>
    <message>
        <source>orvane: cannot work in %1
</source>
        <translation>orvane&#xa0;: impossible de travailler dans %1
</translation>
    </message>
    <message>
        <source>orvane: %1 (working in %2%3)
</source>
        <translation>orvane&#xa0;: %1 (dossier de travail&#xa0;: %2%3)
</translation>
    </message>
    <message>
        <source>; no report can be saved</source>
        <translation>&#xa0;; aucun rapport ne pourra être enregistré</translation>
    </message>
    <message>
        <source>Study for the Canadian citizenship test: read the study guide, check yourself
against the practice questions, and take a random test.

On the Test Yourself page, Ctrl+S saves a copy of the report of the last test
and Ctrl+P prints it or saves it as PDF; on the Study Guide and Practice
Section pages, Ctrl+P prints the chapter or the answer being read.

Ctrl+F finds words in the chapter or answer being read (F3 and Shift+F3
go to the next and previous match, Escape closes the bar); Ctrl+Shift+F
searches every chapter and answer of the guide at once.

The report of the last test is kept in $XDG_DATA_HOME/orvane/result.html
(~/.local/share/orvane/result.html), unless the program is started in a
folder that holds study/ or answers/ itself; it is then kept there.
Any other argument is ignored.

Every test is remembered in $XDG_DATA_HOME/orvane/history.sqlite
(~/.local/share/orvane/history.sqlite); delete that file to start afresh.
On My Progress, Alt+D drills the questions missed and the checks due,
Alt+M starts a mock exam (20 questions, 30 minutes, 12 right to pass) and
Alt+P reviews any past test.</source>
        <translation>Préparez l&apos;examen de citoyenneté canadienne&#xa0;: lisez le guide d&apos;étude, mesurez
vos connaissances avec les questions d&apos;exercice et passez un test au hasard.

À la page Testez-vous, Ctrl+S enregistre une copie du rapport du dernier test
et Ctrl+P l&apos;imprime ou l&apos;enregistre en PDF&#xa0;; aux pages Guide d&apos;étude et
Section d&apos;exercices, Ctrl+P imprime le chapitre ou la réponse affichée.

Ctrl+F cherche des mots dans le chapitre ou la réponse affichée (F3 et Maj+F3
vont à l&apos;occurrence suivante ou précédente, Échap ferme la barre)&#xa0;;
Ctrl+Maj+F cherche dans tous les chapitres et toutes les réponses du guide.

Le rapport du dernier test est conservé dans $XDG_DATA_HOME/orvane/result.html
(~/.local/share/orvane/result.html), sauf si le programme est lancé dans un
dossier qui contient lui-même study/ ou answers/&#xa0;; il est alors conservé là.
Tout autre argument est ignoré.

Chaque test est mémorisé dans $XDG_DATA_HOME/orvane/history.sqlite
(~/.local/share/orvane/history.sqlite)&#xa0;; effacez-le pour repartir à zéro.
À la page Mes progrès, Alt+R révise les questions manquées et les vérifications
dues, Alt+B lance un examen blanc (20 questions, 30 minutes, 12 justes pour
réussir) et Alt+T montre n&apos;importe quel test passé.</translation>
    </message>
</context>
</TS>
