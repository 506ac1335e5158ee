#include "StressAction.h"

#include <QUrl>

namespace {

const QString RepeatPrefix = QStringLiteral("@rep:");

} // namespace

QString TStressAction::ToLine() const
{
    QStringList parts{QString::number(Number), QString::number(Answer), Verb};
    parts += Args;
    return parts.join(QLatin1Char(' '));
}

std::optional<TStressAction> TStressAction::FromLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return std::nullopt;
    const QStringList parts = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() < 3)
        return std::nullopt;
    bool numberOk = false, answerOk = false;
    TStressAction action;
    action.Number = parts.at(0).toLongLong(&numberOk);
    action.Answer = parts.at(1).toUInt(&answerOk);
    if (!numberOk || !answerOk)
        return std::nullopt;
    action.Verb = parts.at(2);
    action.Args = parts.mid(3);
    return action;
}

QString TStressAction::TextArg(int index) const
{
    const QString encoded = Args.value(index);
    if (encoded.startsWith(RepeatPrefix)) {
        // @rep:N:c, where c is itself percent-encoded
        const QStringList parts = encoded.mid(RepeatPrefix.size()).split(QLatin1Char(':'));
        const QString unit = QUrl::fromPercentEncoding(parts.value(1).toUtf8());
        return unit.repeated(std::max(0, parts.value(0).toInt()));
    }
    if (encoded == QLatin1String("%"))
        return QString(); // the empty text
    return QUrl::fromPercentEncoding(encoded.toUtf8());
}

QString EncodeStressText(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("%");
    if (text.size() > 64 && text == QString(text.size(), text.front())) {
        return RepeatPrefix + QString::number(text.size()) + QLatin1Char(':')
               + QString::fromLatin1(QUrl::toPercentEncoding(QString(text.front())));
    }
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}
