#pragma once

#include <QString>
#include <QStringList>

#include <exception>
#include <initializer_list>

// Replaces each "%s" or "%d" in order with the next argument, as the classic Format does for
// the messages this program shows. A lone "%%" stands for "%".
QString FormatMessage(const QString &format, std::initializer_list<QString> args);

// The framework's error type: every failure the user may see carries its message here. Qt code is
// never unwound by one of these; the framework catches them where Qt calls in (see SafeCall).
class Exception : public std::exception
{
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &Message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

#define Z_EXCEPTION(Name, Base) \
    class Name : public Base \
    { \
    public: \
        using Base::Base; \
    };

Z_EXCEPTION(EConvertError, Exception)
Z_EXCEPTION(EInvalidCast, Exception)
Z_EXCEPTION(EPropertyError, Exception)
Z_EXCEPTION(EComponentError, Exception)
Z_EXCEPTION(EBadChild, Exception)
Z_EXCEPTION(EInvalidOperation, Exception)
Z_EXCEPTION(EListError, Exception)
Z_EXCEPTION(EStringListError, Exception)
Z_EXCEPTION(EMenuError, Exception)
Z_EXCEPTION(EAbort, Exception)
