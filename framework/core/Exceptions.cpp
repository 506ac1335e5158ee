#include "Exceptions.h"

QString FormatMessage(const QString &format, std::initializer_list<QString> args)
{
    QString result;
    result.reserve(format.size() + 32);
    auto next = args.begin();
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('%') && i + 1 < format.size()) {
            const QChar kind = format.at(i + 1);
            if (kind == QLatin1Char('%')) {
                result += c;
                ++i;
                continue;
            }
            if ((kind == QLatin1Char('s') || kind == QLatin1Char('d')) && next != args.end()) {
                result += *next++;
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}
