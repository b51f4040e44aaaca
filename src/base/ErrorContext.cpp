#include "base/ErrorContext.h"

#include "base/RuntimeErrors.h"

namespace {
ErrorInfo g_current;
}

VorlenError::VorlenError(int number, QString source, QString description)
{
    m_info.number = number;
    m_info.source = std::move(source);
    m_info.description = description.isEmpty() ? RuntimeErrorText(number) : std::move(description);
    m_what = m_info.description.toUtf8();
}

const char* VorlenError::what() const noexcept
{
    return m_what.constData();
}

void RaiseError(int number, const QString& source, const QString& description)
{
    throw VorlenError(number, source, description);
}

const ErrorInfo& CurrentError()
{
    return g_current;
}

void SetCurrentError(const ErrorInfo& error)
{
    g_current = error;
}

void SetCurrentError(int number, const QString& source, const QString& description)
{
    g_current.number = number;
    g_current.source = source;
    g_current.description = description.isEmpty() ? RuntimeErrorText(number) : description;
}

void SetErrorContext(const QString& source, const QString& description)
{
    g_current.source = source;
    g_current.description = description;
}

void ClearCurrentError()
{
    g_current = ErrorInfo();
}
