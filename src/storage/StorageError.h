#pragma once
#include <QString>
#include <stdexcept>

// Raised by any archive or settings operation that fails; windows catch it
// at the end of their handler and show the fixed input/output message.
class StorageError : public std::runtime_error
{
public:
    explicit StorageError(const QString &detail)
        : std::runtime_error(detail.toStdString()) {}
};
