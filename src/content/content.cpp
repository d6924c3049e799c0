#include "content/content.h"

#include "content/textlist.h"

Content Content::builtIn() {
    return Content{QuestionBank::builtIn(),
                   loadTextList(QStringLiteral(":/content/practice_list.txt")),
                   loadTextList(QStringLiteral(":/content/chapters.txt"))};
}
