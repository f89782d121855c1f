#pragma once
#include <QString>
#include <cstdio>
#include <string>

#include "platform/Messages.h"

namespace Tabulon {

// Prints on standard error why a file could not be saved, in the words the
// exports use; returns the exit status for it.
inline int SaveFailure(const Failure& failure) {
    std::fprintf(stderr, "%s\n", ExportFailureText(failure).c_str());
    return 1;
}

// The same for a page output that Qt failed to write, with Qt's reason.
inline int SaveFailure(const std::string& path, const std::string& reason) {
    return SaveFailure(Failure{Operation::SaveFile, path, reason});
}

inline int SaveFailure(const std::string& path, const QString& reason) {
    return SaveFailure(path, reason.toStdString());
}

}  // namespace Tabulon
