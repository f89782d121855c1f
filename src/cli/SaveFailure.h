#pragma once
#include <QString>
#include <cstdio>
#include <string>

#include "export/ExportResult.h"
#include "platform/Messages.h"

namespace Tabulon {

// Prints on standard error why a page output could not be saved, in the
// words the exports use; returns the exit status for it.
inline int SaveFailure(const std::string& path, const std::string& reason) {
    const std::string message =
        ExportFailureText(ExportResult::Failure(ExportResult::Outcome::TargetFailed, path, reason));
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

inline int SaveFailure(const std::string& path, const QString& reason) {
    return SaveFailure(path, reason.toStdString());
}

}  // namespace Tabulon
