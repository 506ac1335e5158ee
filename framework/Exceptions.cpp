#include "Exceptions.h"

QString FormatMessage(const QString &format, std::initializer_list<QString> args)
{
    QString result;
    result.reserve(format.size() + 32);
    auto next = args.begin();
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('%') && i + 1 < format.size()) {
            const QChar spec = format.at(i + 1);
            if (spec == QLatin1Char('%')) {
                result += c;
                ++i;
                continue;
            }
            if ((spec == QLatin1Char('s') || spec == QLatin1Char('d')) && next != args.end()) {
                result += *next++;
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}
