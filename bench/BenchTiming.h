#pragma once

// Small pieces the benchmarks share: the median of a set of timings, milliseconds from a timer,
// the line that prints a figure against its target, and the process's resident memory.

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double ElapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// One figure, its target and, when it does not meet the target, "MISSED".
inline void Report(const char *name, double value, double target, const char *unit = "ms")
{
    std::printf("%-66s %9.2f %s  (target < %g %s)%s\n", name, value, unit, target, unit,
                value < target ? "" : "  MISSED");
}

// A field of /proc/self/status in bytes (VmRSS, VmHWM); 0 where the system has none.
inline qint64 StatusBytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

// Starts the peak resident size (VmHWM) afresh at the present size. Returns false where the
// kernel does not allow it; the peak then counts from the start of the process.
inline bool ResetPeakResident()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

} // namespace bench
