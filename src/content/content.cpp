#include "content/content.h"

#include "content/textlist.h"

// English is the built-in content at the top of the resources; an edition in another language
// sits in a folder of its name, in the same form.
Content Content::builtIn(const QString& language) {
    const QString folder = language.isEmpty() ? QStringLiteral(":/content/")
                                              : QStringLiteral(":/content/%1/").arg(language);
    return Content{QuestionBank(loadTextList(folder + QStringLiteral("question_bank.txt"))),
                   loadTextList(folder + QStringLiteral("practice_list.txt")),
                   loadTextList(folder + QStringLiteral("chapters.txt")),
                   language.isEmpty() ? QString() : language + u'/'};
}
