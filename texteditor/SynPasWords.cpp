#include "SynPasWords.h"

#include <QHash>
#include <QSet>

bool IsPasReservedWord(const QString &word)
{
    static const QSet<QString> words = [] {
        const char *const list[] = {
            "and", "array", "as", "asm", "begin", "case", "class", "const", "constructor",
            "destructor", "dispinterface", "div", "do", "downto", "else", "end", "except",
            "exports", "file", "finalization", "finally", "for", "function", "goto", "if",
            "implementation", "in", "inherited", "initialization", "inline", "interface", "is",
            "label", "library", "mod", "nil", "not", "object", "of", "or", "out", "packed",
            "procedure", "program", "property", "raise", "record", "repeat", "resourcestring",
            "set", "shl", "shr", "string", "then", "threadvar", "to", "try", "type", "unit",
            "until", "uses", "var", "while", "with", "xor",
        };
        QSet<QString> set;
        for (const char *w : list)
            set.insert(QString::fromLatin1(w));
        return set;
    }();
    return words.contains(word.toLower());
}

unsigned PasDirectiveContexts(const QString &word)
{
    // The one list of directives, each with where it acts.
    struct TDirective
    {
        const char *Word;
        unsigned Contexts;
    };
    static constexpr TDirective kDirectives[] = {
        {"absolute", dcAbsolute},
        {"abstract", dcRoutine},
        {"assembler", dcRoutine},
        {"at", dcRaiseAddress},
        {"automated", dcVisibility},
        {"cdecl", dcRoutine},
        {"default", dcProperty | dcPropertyEnd},
        {"dispid", dcProperty | dcRoutine},
        {"dynamic", dcRoutine},
        {"export", dcRoutine},
        {"external", dcRoutine},
        {"far", dcRoutine},
        {"forward", dcRoutine},
        {"implements", dcProperty},
        {"index", dcProperty | dcExternal | dcExports},
        {"message", dcRoutine},
        {"name", dcExternal | dcExports},
        {"near", dcRoutine},
        {"nodefault", dcProperty},
        {"on", dcExceptionHandler},
        {"overload", dcRoutine},
        {"override", dcRoutine},
        {"pascal", dcRoutine},
        {"private", dcVisibility},
        {"protected", dcVisibility},
        {"public", dcVisibility},
        {"published", dcVisibility},
        {"read", dcProperty},
        {"readonly", dcProperty},
        {"register", dcRoutine},
        {"reintroduce", dcRoutine},
        {"resident", dcExports},
        {"safecall", dcRoutine},
        {"stdcall", dcRoutine},
        {"stored", dcProperty},
        {"virtual", dcRoutine},
        {"write", dcProperty},
        {"writeonly", dcProperty},
    };
    static const QHash<QString, unsigned> table = [] {
        QHash<QString, unsigned> hash;
        for (const TDirective &d : kDirectives)
            hash.insert(QString::fromLatin1(d.Word), d.Contexts);
        return hash;
    }();
    return table.value(word.toLower(), 0);
}
