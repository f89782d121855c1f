#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>
#include <functional>

#include "ExportFixture.h"
#include "export/ExportDelimited.h"
#include "export/ExportWorkbook.h"
#include "input/RowStore.h"

namespace {

using Writer = std::function<ExportResult(LoadedReport&, const std::string&)>;

struct NamedWriter {
    const char* name;
    Writer write;
};

const NamedWriter Writers[] = {
    {"csv",
     [](LoadedReport& r, const std::string& out) {
         return ExportDelimited(r.model, r.rowStore, DelimitedFormat::Csv, out);
     }},
    {"tsv",
     [](LoadedReport& r, const std::string& out) {
         return ExportDelimited(r.model, r.rowStore, DelimitedFormat::TabText, out);
     }},
    {"xlsx",
     [](LoadedReport& r, const std::string& out) {
         return ExportWorkbook(r.model, r.rowStore, NumberLocale::Turkish(), out);
     }},
};

// A report far larger than the small disks below, and not compressible to fit.
void FillRows(LoadedReport& report, int rows) {
    RowStore store;
    ASSERT_TRUE(store.Create(report.rowStore));
    for (int i = 0; i < rows; ++i)
        store.Append(std::to_string(i * 7919 % 100003) + "\tsatır " + std::to_string(i * 31) +
                     "\t" + std::to_string(i) + ",25\t");
}

void ExpectFailureLeavesOnly(const ExportResult& result, const std::string& target,
                             const std::string& folder, const std::set<std::string>& names) {
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(result.Message().rfind("Dosya kaydedilemedi:\n" + target + "\n", 0), 0u)
        << result.Message();
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        found.insert(entry.path().filename().string());
    EXPECT_EQ(found, names);
}

TEST(ExportFailure, MissingFolderIsReported) {
    for (const auto& writer : Writers) {
        LoadedReport report({"2A\tB\t", "5N\tT\t", "91\tx\t"});
        const std::string target = report.Out("yok/rapor." + std::string(writer.name));
        const ExportResult result = writer.write(report, target);
        EXPECT_FALSE(result.ok) << writer.name;
        EXPECT_EQ(result.Message(),
                  "Dosya kaydedilemedi:\n" + target + "\nNo such file or directory")
            << writer.name;
        EXPECT_TRUE(report.OutFiles().empty());
    }
}

TEST(ExportFailure, TargetThatIsAFolderIsReportedAndKept) {
    for (const auto& writer : Writers) {
        LoadedReport report({"2A\tB\t", "5N\tT\t", "91\tx\t"});
        const std::string target = report.Out("klasör");
        std::filesystem::create_directory(target);
        WriteBytes(target + "/içerik", "kalır");
        ExpectFailureLeavesOnly(writer.write(report, target), target, report.outDir, {"klasör"});
        EXPECT_EQ(ReadBytes(target + "/içerik"), "kalır") << writer.name;
    }
}

// Runs the export against a disk that fills up, in each way the machine
// allows: a small tmpfs where mounting is permitted, and always a file-size
// limit on this process, which makes writes fail as on a full disk.
class SmallDisk {
  public:
    virtual ~SmallDisk() = default;
    virtual bool Available() = 0;
    virtual void Start() {}
    virtual void Stop() {}
};

class TmpfsDisk : public SmallDisk {
  public:
    explicit TmpfsDisk(std::string folder) : folder_(std::move(folder)) {}
    ~TmpfsDisk() override {
        if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
    }
    bool Available() override {
        mounted_ = mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=64k") == 0;
        return mounted_;
    }

  private:
    std::string folder_;
    bool mounted_ = false;
};

class FileSizeLimit : public SmallDisk {
  public:
    bool Available() override { return getrlimit(RLIMIT_FSIZE, &saved_) == 0; }
    void Start() override {
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = 64 * 1024;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    void Stop() override {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit saved_{};
    void (*previous_)(int) = SIG_DFL;
};

TEST(ExportFailure, FullDiskKeepsTheOlderFileAndLeavesNoPartialFile) {
    int tried = 0;
    for (const auto& writer : Writers) {
        for (int kind = 0; kind < 2; ++kind) {
            LoadedReport report({"2A\tB\tC\t", "5N\tT\tC\t"});
            FillRows(report, 60000);
            std::unique_ptr<SmallDisk> disk;
            if (kind == 0)
                disk = std::make_unique<TmpfsDisk>(report.outDir);
            else
                disk = std::make_unique<FileSizeLimit>();
            if (!disk->Available()) continue;
            ++tried;
            const std::string target = report.Out("rapor");
            WriteBytes(target, "eski dosya");
            disk->Start();
            const ExportResult result = writer.write(report, target);
            disk->Stop();
            SCOPED_TRACE(std::string(writer.name) + (kind == 0 ? " tmpfs" : " size limit"));
            ExpectFailureLeavesOnly(result, target, report.outDir, {"rapor"});
            EXPECT_TRUE(ReadBytes(target) == "eski dosya");
        }
    }
    EXPECT_GT(tried, 0);
}

}  // namespace
