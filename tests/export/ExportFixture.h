#pragma once
#include <filesystem>
#include <set>
#include <string>

#include "TestSupport.h"
#include "core/ReportModel.h"
#include "input/LoadReport.h"

// A report loaded from the given lines into a model and a row store inside a
// temporary folder, with a separate folder for the exported files.
struct LoadedReport {
    TempDir dir;
    ReportModel model;
    std::string rowStore = dir.File("BUFFILE.DAT");
    std::string outDir = dir.File("out");

    explicit LoadedReport(std::initializer_list<std::string> lines) {
        std::filesystem::create_directories(outDir);
        WriteBytes(dir.File("report.txt"), ReportText(lines));
        LoadReport(model, dir.File("report.txt"), rowStore);
    }
    std::string Out(const std::string& name) const { return outDir + "/" + name; }
    // Names in the export folder, so stray temporary files show up.
    std::set<std::string> OutFiles() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(outDir))
            names.insert(entry.path().filename().string());
        return names;
    }
};
