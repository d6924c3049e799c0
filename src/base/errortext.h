#pragma once

#include <QString>

// What the error box shows for an error's message: a full stop is added when the last
// character sorts after ".", so "value" gets one and "(3)" does not.
QString errorBoxText(const QString& message);

// Text quoted into a message, set apart so that directional marks typed in it (a right-to-left
// override, say) cannot reorder the message around it: first-strong isolate ... pop isolate.
QString isolated(const QString& quoted);

// The title of the error box and the task-bar entry, made from the program file's path:
// the file name cut at its first full stop, every character after the first in lower case.
QString applicationTitle(const QString& programPath);
