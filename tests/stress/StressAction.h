#pragma once

// One user action of the stress driver as one line of text. A run writes every action it
// performs in this form, and a replay reads the same lines back, so a replay does exactly what
// the run did without drawing a single random number: the lines name windows and points in
// window coordinates, keys and texts, never "the third control".
//
// A line is "<number> <answer> <verb> <argument>..." with the arguments separated by blanks;
// texts are percent-encoded so that they hold no blank. The answer number decides how the
// message boxes and common dialogs that the action opens are answered.

#include <QString>
#include <QStringList>

#include <optional>

struct TStressAction
{
    qint64 Number = 0;
    quint32 Answer = 0;
    QString Verb;
    QStringList Args;

    QString ToLine() const;
    // nullopt for an empty line, a comment (#...) or a line that is not an action.
    static std::optional<TStressAction> FromLine(const QString &line);

    int IntArg(int index) const { return Args.value(index).toInt(); }
    // A text argument, decoded: "@rep:N:c" stands for N times the character c.
    QString TextArg(int index) const;
};

// Encodes a text for a line (the inverse of TStressAction::TextArg).
QString EncodeStressText(const QString &text);
