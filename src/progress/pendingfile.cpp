#include "progress/pendingfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kMaxBytes = 4 << 20; // far more than one run can leave
const QByteArray kHeader = "orvane-history-pending 1";

QString pattern(const QString& historyPath) {
    return QFileInfo(historyPath).fileName() + QStringLiteral(".pending-");
}

QByteArray answerText(const AskedQuestion& a) {
    return QByteArray::number(a.record) + ':' + QByteArray::number(a.given) + ':' +
           QByteArray::number(a.key);
}

bool readAnswer(const QByteArray& word, AskedQuestion* a) {
    const QList<QByteArray> parts = word.split(':');
    bool ok[3] = {};
    if (parts.size() != 3)
        return false;
    *a = {parts[0].toInt(&ok[0]), parts[1].toInt(&ok[1]), parts[2].toInt(&ok[2])};
    return ok[0] && ok[1] && ok[2] && a->record >= 1 && a->record <= 179 && a->given >= 0 &&
           a->given <= 4 && a->key >= 1 && a->key <= 4;
}

} // namespace

namespace pendingfile {

QByteArray encode(const QList<HistoryDatabase::Entry>& entries) {
    QByteArray text = kHeader + '\n';
    for (const HistoryDatabase::Entry& e : entries) {
        if (e.drill) {
            text += "drill " + QByteArray::number(e.at) + ' ' + answerText(e.answer) + '\n';
            continue;
        }
        text += (e.test.mock ? "mock " : "test ") +
                QByteArray::number(e.test.endedAt.toMSecsSinceEpoch()) + ' ' +
                QByteArray::number(e.test.length) + ' ' + (e.test.endedEarly ? "1" : "0");
        for (const AskedQuestion& q : e.test.questions)
            text += ' ' + answerText(q);
        text += '\n';
    }
    return text;
}

QList<HistoryDatabase::Entry> decode(const QByteArray& text) {
    QList<HistoryDatabase::Entry> entries;
    QList<QByteArray> lines = text.split('\n');
    if (lines.value(0) != kHeader)
        return entries;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> words = lines[i].split(' ');
        HistoryDatabase::Entry e;
        bool ok = false;
        if (words.size() == 3 && words[0] == "drill") {
            e.drill = true;
            e.at = words[1].toLongLong(&ok);
            if (ok && readAnswer(words[2], &e.answer))
                entries.append(e);
        } else if (words.size() >= 4 && (words[0] == "test" || words[0] == "mock")) {
            e.test.mock = words[0] == "mock";
            e.test.endedAt = QDateTime::fromMSecsSinceEpoch(words[1].toLongLong(&ok), Qt::UTC);
            bool lengthOk = false;
            e.test.length = words[2].toInt(&lengthOk);
            e.test.endedEarly = words[3] == "1";
            bool answersOk = ok && lengthOk && e.test.length >= 1 && e.test.length <= 179;
            for (qsizetype w = 4; answersOk && w < words.size(); ++w) {
                AskedQuestion q;
                answersOk = readAnswer(words[w], &q);
                e.test.questions.append(q);
            }
            if (answersOk && e.test.questions.size() <= e.test.length)
                entries.append(e);
        }
    }
    return entries;
}

QString save(const QString& historyPath, const QList<HistoryDatabase::Entry>& entries,
             QString* error) {
    const QString token =
        QString::number(QRandomGenerator::global()->generate64() | (quint64(1) << 63), 16);
    // A new name each time: nothing of the user's, nor a link, is ever written over.
    const QString path = historyPath + QStringLiteral(".pending-") + token;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return {};
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(encode(entries));
    if (!file.commit()) {
        *error = file.errorString();
        return {};
    }
    return path;
}

QList<HistoryDatabase::Job> load(const QString& historyPath) {
    QList<HistoryDatabase::Job> jobs;
    const QDir folder = QFileInfo(historyPath).dir();
    static const QRegularExpression name(QStringLiteral("\\.pending-([0-9a-f]{16})$"));
    const QString prefix = pattern(historyPath);
    for (const QString& entry :
         folder.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        const QRegularExpressionMatch match = name.match(entry);
        if (!match.hasMatch() || entry.size() != prefix.size() + 16)
            continue;
        const QString path = folder.filePath(entry);
        struct stat status {};
        if (::lstat(QFile::encodeName(path).constData(), &status) != 0 ||
            !S_ISREG(status.st_mode) || status.st_uid != ::geteuid() || status.st_size > kMaxBytes)
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        HistoryDatabase::Job job;
        job.entries = decode(file.read(kMaxBytes));
        job.token = match.captured(1);
        job.file = path;
        jobs.append(job);
    }
    return jobs;
}

} // namespace pendingfile
