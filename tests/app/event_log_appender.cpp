// Appends batches of entries to an event log file until it is killed,
// printing each entry's number once its append has returned: the crash
// test's child.
//   event_log_appender FILE FIRST_NUMBER
#include "event_log_file.h"
#include "event_log_samples.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: event_log_appender FILE FIRST_NUMBER\n");
        return 2;
    }
    KV_EventLogFile log(QString::fromLocal8Bit(argv[1]));
    quint32 number = QByteArray(argv[2]).toUInt();
    for (;;) {
        QList<KV_LoggedEvent> batch;
        for (quint32 i = 0; i <= number % 8; ++i)
            batch.append(KV_SampleLoggedEvent(number + i));
        if (!log.append(batch))
            return 1;
        for (const KV_LoggedEvent &entry : batch)
            std::printf("%u\n", entry.number);
        std::fflush(stdout);
        number += quint32(batch.size());
    }
}
