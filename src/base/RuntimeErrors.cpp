#include "base/RuntimeErrors.h"

namespace {

struct ErrorRow {
    int number;
    const char* text;
};

constexpr ErrorRow kErrors[] = {
    {3, "Return without GoSub"},
    {5, "Invalid procedure call or argument"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript out of range"},
    {10, "This array is fixed or temporarily locked"},
    {11, "Division by zero"},
    {13, "Type mismatch"},
    {14, "Out of string space"},
    {17, "Can't perform requested operation"},
    {28, "Out of stack space"},
    {35, "Sub or Function not defined"},
    {48, "Error in loading DLL"},
    {51, "Internal error"},
    {52, "Bad file name or number"},
    {53, "File not found"},
    {54, "Bad file mode"},
    {55, "File already open"},
    {57, "Device I/O error"},
    {58, "File already exists"},
    {61, "Disk full"},
    {62, "Input past end of file"},
    {67, "Too many files"},
    {68, "Device unavailable"},
    {70, "Permission denied"},
    {71, "Disk not ready"},
    {74, "Can't rename with different drive"},
    {75, "Path/File access error"},
    {76, "Path not found"},
    {91, "Object variable or With block variable not set"},
    {92, "For loop not initialized"},
    {94, "Invalid use of Null"},
    {321, "Invalid file format"},
    {339, "Component not correctly registered: a file is missing or invalid"},
    {424, "Object required"},
    {429, "ActiveX component can't create object"},
    {438, "Object doesn't support this property or method"},
    {440, "Automation error"},
    {450, "Wrong number of arguments or invalid property assignment"},
    {451, "Property let procedure not defined and property get procedure did not return an object"},
    {481, "Invalid picture"},
};

}  // namespace

QString RuntimeErrorText(int number)
{
    for (const ErrorRow& row : kErrors) {
        if (row.number == number)
            return QString::fromLatin1(row.text);
    }
    return QStringLiteral("Application-defined or object-defined error");
}
