#pragma once
#include <functional>
#include <string>

#include "core/ReportModel.h"

// Called with a message when the system has no temporary directory.
using SystemErrorSink = std::function<void(const std::string& message)>;

// The temporary directory followed directly by the process's id, e.g.
// "/tmp/4711". Two copies of the program therefore never share a row store.
// Sets model.AppThreadId. Without a temporary directory it reports the failure
// and falls back to the current directory.
std::string WorkFilePrefix(ReportModel& model, const SystemErrorSink& onError = {});

// Where the data rows of the loaded report live: the prefix and "BUFFILE.DAT".
std::string RowStorePath(ReportModel& model, const SystemErrorSink& onError = {});
