// The entry the event log tests write for a number: the same in the test
// and in its child process, with the characters XML escapes, and long
// enough that a batch of them takes the writer several writes.
#pragma once

#include "event_log_file.h"

inline KV_LoggedEvent KV_SampleLoggedEvent(quint32 number)
{
    return {number, QStringLiteral("3/04/2026 9:15:%1 PM  ").arg(number % 60, 2, 10, QChar(u'0')),
            1038 + number % 6,
            QStringLiteral("Disk <%1> & \"Mirror\" r\u00e9pliqu\u00e9 ").arg(number) +
                QString(2000 + int(number % 5) * 1000, QChar(u'.'))};
}
