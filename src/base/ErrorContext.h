#pragma once

#include <QString>

#include <exception>

// The current error: what the next error report of the log carries.
struct ErrorInfo {
    int number = 0;
    QString source;
    QString description;
};

// The failure an operation raises inside itself; caught at the operation's boundary,
// put into the error context and reported with LogErrorReport. Never crosses a subsystem.
class VorlenError : public std::exception {
public:
    VorlenError(int number, QString source, QString description = QString());
    const ErrorInfo& Info() const { return m_info; }
    const char* what() const noexcept override;

private:
    ErrorInfo m_info;
    QByteArray m_what;
};

// Raises a VorlenError; an empty description takes the run-time error table's text.
[[noreturn]] void RaiseError(int number, const QString& source, const QString& description = QString());

const ErrorInfo& CurrentError();
void SetCurrentError(const ErrorInfo& error);
void SetCurrentError(int number, const QString& source, const QString& description = QString());
// Sets only source and description, keeping the number: the context that a step which may
// fail pre-sets, so that its report names the component involved.
void SetErrorContext(const QString& source, const QString& description);
void ClearCurrentError();
