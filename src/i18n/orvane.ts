<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>AboutPage</name>
    <message>
        <source>Link: opens %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used Materials :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Us :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Developed by: the Orvane team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Booklet: A Look at Canada, Citizenship and Immigration Canada, Ottawa, 2002</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Internet Resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane 1.3 (jan-feb.2003)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrades at :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This practice test consists of 178 multiple choice questions, including some that are specific to Ontario. I hope everyone of you understands, that it&apos;s hard task for to keep all Ontario political informations updated regularly. So, if in case you&apos;ll find that some answers are already outdated, please let us know by email. Also, for those who live outside of Ontario: please contact your local public library for information related to your area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMPORTANT :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentActions</name>
    <message>
        <source>Save a Copy of the Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every question of the bank has been asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the built-in list %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no folder of your own to keep it in.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in this page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search every chapter and answer (Ctrl+Shift+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontCheck</name>
    <message>
        <source>no font with Arial&apos;s widths (Liberation Sans or Arimo) is installed, so some captions will not fit; install the package fonts-liberation2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuideIndex</name>
    <message>
        <source>Chapter %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HtmlView</name>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h3&gt;This page cannot be opened&lt;/h3&gt;&lt;p&gt;The file &lt;b&gt;%1&lt;/b&gt; is too large to be a page of the guide (more than %2 MiB).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h3&gt;This page cannot be opened&lt;/h3&gt;&lt;p&gt;The file &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MockExam</name>
    <message>
        <source>Passed: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MockExamView</name>
    <message>
        <source>Mock exam: %1 questions, %2 minutes, %3 right answers to pass.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys: A to D or 1 to 4 choose an option, Enter goes on to the next question.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The questions missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You chose %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Leave the exam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back to My Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the exam now; it is kept as ended early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 of %2: %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 of %2: choose one of the options first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one of the options first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 questions missed are listed with the right answers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>This page has nothing to print. Ctrl+P prints a chapter, an answer or the report of a test.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageControl</name>
    <message>
        <source>%1 page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticePage</name>
    <message>
        <source>Orvane: Practice Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in what you think is the correct answer, then click the button at the bottom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>click here to get the correct answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the answer page of the chosen question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section II. Questions about your region (questions 181-197)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section I. Questions about Canada (questions 1-180)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer to question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer is not shown yet. Click &quot;click here to get the correct answer&quot;, then press Ctrl+P to print it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>You chose %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss the notice of the history set aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No history is kept: there is no user data folder (neither XDG_DATA_HOME nor HOME names one).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No history is kept: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No history is kept: Qt&apos;s SQLite driver is missing (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No history is kept: the folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No history is kept: %1 cannot be opened (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder is read-only: %1. Your history is shown, but new tests are not added to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only. Your history is shown, but new tests are not added to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder can be written by others; chmod 700 %1 makes it private. Until then your history is shown, but new tests are not added to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link; the history is never written through a link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file of yours; the history is not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No history is kept: %1 was written by a newer release of Orvane (history version %2); it is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tables are not Orvane&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not a usable history (%2). It was moved to %3 and a new history was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) could be recovered from it.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No history is kept: %1 is not a usable history (%2), and it cannot be moved aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full. Your last answers are kept and will be saved as soon as there is room.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program is holding the history. Your last answers are kept and will be saved as soon as it lets go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history could not be written to %1 (%2). Your last answers are kept and will be tried again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n test(s) or drill answer(s) could not be kept for the next run (%1).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Orvane: My Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your recent tests:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapters to review:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No missed questions yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drill my mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a new test on the Test Yourself page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise the questions you missed, one at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys: A to D or 1 to 4 choose an option, Enter submits and then goes on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drill question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No test completed yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the chapter in the Study Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing left to drill.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every question you missed has been answered right twice in a row since.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not missed a question yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 missed question to drill.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 missed questions to drill.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 missed question left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 missed questions left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 of %2: %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one of the options first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer is %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer page of practice question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mock exam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 questions from the whole bank in 30 minutes; 12 right answers pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Past tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows any past test with its answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last completed test: %1 of %2 right, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last %1 completed tests: %2 of %3 right, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due for a check today: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2 (1 to drill)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2 (%3 to drill)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None: nothing is left to drill.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 check due today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 checks due today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &quot;Drill my mistakes&quot; to answer them again, one at a time. A question leaves the drill once you answer it right twice in a row, and comes back for a check 3, 10 and 30 days later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A check of a question you mastered. 1 question left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A check of a question you mastered. %1 questions left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing left to drill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still known: the next check is in %1 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still known after its last check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right once; once more to master it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mastered: it leaves the drill.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>CORRECT ANSWER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOUR ANSWER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulation, all of your answers were correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of All Incorrect Answers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReviewView</name>
    <message>
        <source>Past tests, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The questions of the test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back to My Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, mock exam: %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, ended early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier tests...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answers of this test were not kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Search the guide:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words to find in every chapter and answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the search (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches: %1; the first %2 are listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyPage</name>
    <message>
        <source>Orvane - Study Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a chapter of the study guide to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Orvane 1.3 (jan-feb.2003)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Yourself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source>            
   List of exluded questions:

  34,43,50,51,53,54,58,75,76,135,136,137,147,163,165,177,191,193
 
       Exluded from multiple choice test, because of their nature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane: Test Yourself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the number of questions you&apos;d like to be asked and then click the &quot;Start the test!&quot; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the Test!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the Test!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested numbers of questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From 1 to 178</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submits the chosen option. Keys: A to D or 1 to 4 choose an option, Enter submits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excluded questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report of wrong answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You chose %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, %3, %4, %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The report of this test could not be saved.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Test Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No test has been finished in this window yet. Its report can be saved when it ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No test has been finished in this window yet. Its report can be printed when it ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane test report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one of the options. Then press this button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of questions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Results:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success Rate:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestReview</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The right answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No question was missed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No question was answered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, ended early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your recent tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tests yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oldest first: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en_CA</source>
        <extracomment>The locale whose month names the dates of this translation use.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mock exam of %1: %2 of %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test of %1: %2 of %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Left and Right choose a test, Enter shows its questions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ended early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mock exam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pass mark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>neither XDG_DATA_HOME nor HOME names a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 leads into the installed pages, which are never a working folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another user; it is not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can be written by others (mode %2); it is not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a file of yours in the place of the link to %2/%3; move it away to see the installed pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orvane: ignoring the argument &apos;%1&apos;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orvane: %1.
Run it on a desktop, or in a virtual one:  xvfb-run -a orvane
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orvane: the window cannot be opened: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orvane: cannot work in %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orvane: %1 (working in %2%3)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; no report can be saved</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
