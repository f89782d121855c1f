#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "TestSupport.h"
#include "input/LoadReport.h"
#include "input/RowStore.h"

namespace fs = std::filesystem;

static std::string Names(const TempDir& dir) {
    std::string names;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        names += entry.path().filename().string() + "\n";
    return names;
}

// A record is a 2-byte mark and 510 bytes of text padded with spaces, cut
// before a character that would not fit, so any row is found by arithmetic.
TEST(RowStore, RecordLayoutToTheByte) {
    TempDir dir;
    RowStore store;
    ASSERT_TRUE(store.Create(dir.File("s.dat"), true));
    ASSERT_TRUE(store.Append("a\tb\tc\t"));
    ASSERT_TRUE(store.Append(std::string(509, 'x') + "Ş"));  // 511 bytes: cut before Ş
    ASSERT_TRUE(store.Flush());
    const std::string record = "\xFE\x01" + std::string(510, ' ');
    EXPECT_EQ(ReadBytes(dir.File("s.dat")), std::string(record).replace(2, 6, "a\tb\tc\t") +
                                                std::string(record).replace(2, 509, 509, 'x'));
    EXPECT_FALSE(store.Create("/nonexistent/tabulon/1BUFFILE.DAT", false));
    EXPECT_NE(store.LastError().find("No such file"), std::string::npos) << store.LastError();
}

// The temporary folder is shared: a file or link planted under the name is left
// alone. Without a kept name nothing of the store shows in the folder.
TEST(RowStore, NeverOpensWhatIsThereAndIsTheUsersAlone) {
    for (const auto& [planted, keepName] :
         {std::pair{"", false}, {"", true}, {"file", true}, {"link", true}, {"link", false}}) {
        SCOPED_TRACE(std::string(planted) + (keepName ? " kept" : " nameless"));
        TempDir dir;
        const std::string name = dir.File("4711BUFFILE.DAT"), victim = dir.File("victim.txt");
        WriteBytes(victim, "the user's file");
        if (planted == std::string("file")) WriteBytes(name, "someone else's");
        if (planted == std::string("link")) fs::create_symlink(victim, name);
        const std::string before = Names(dir), there = ReadBytes(name);
        RowStore store;
        ASSERT_TRUE(store.Create(name, keepName)) << store.LastError();
        ASSERT_TRUE(store.Append("satır\t") && store.Flush());
        EXPECT_EQ(ReadBytes(victim), "the user's file");
        EXPECT_TRUE(!*planted || ReadBytes(name) == there);
        if (!keepName) {
            EXPECT_EQ(Names(dir) + store.Path(), before);
            continue;
        }
        EXPECT_EQ(store.Path() == name, !*planted);
        EXPECT_TRUE(store.Path().ends_with("BUFFILE.DAT")) << store.Path();
        struct stat info {};
        ASSERT_EQ(lstat(store.Path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0170777, S_IFREG | 0600u);
        EXPECT_EQ(ReadBytes(store.Path()).size(), 512u);
    }
}

// A run whose length changes from row to row and block to block, so a buffer
// filled again must be padded again.
static std::string Row(int64_t n) {
    std::string text =
        "row" + std::to_string(n) + "\t" + std::string((n / 2048 + n) % 4 * 150, 'y');
    return text + std::string(RowStore::TextSize - text.size(), ' ');
}

// Runs long enough to be mapped or short enough to be copied, on a page or between.
TEST(RowStore, ReadsEveryRunAsWrittenWhileRowsAreStillComing) {
    TempDir dir;
    RowStore store;
    ASSERT_TRUE(store.Create(dir.File("BUFFILE.DAT"), false));
    RecordBlock block;
    std::string error;
    auto expectRun = [&](const RowStore& from, int64_t first, int64_t count, size_t got) {
        ASSERT_TRUE(from.Read(first, count, block, error)) << error;
        ASSERT_EQ(block.texts.size(), got) << first << "+" << count;
        EXPECT_TRUE(!got || block.first == first) << block.first;
        for (size_t i = 0; i < got; ++i)
            ASSERT_EQ(block.texts[i], Row(first + static_cast<int64_t>(i))) << first << "+" << i;
    };
    const auto append = [&store](int64_t n, size_t more) {
        const std::string row = Row(n);
        return store.Append(row.substr(0, row.find_last_not_of(' ') + 1 + more));
    };
    for (int64_t n = 1; n <= 5000; ++n) ASSERT_TRUE(append(n, 0));
    expectRun(store, 1, 5000, 4096);  // two blocks handed on, the third still filling
    expectRun(store, 4090, 50, 7);
    for (int64_t n = 5001; n <= 40000; ++n) ASSERT_TRUE(append(n, 1));
    ASSERT_TRUE(store.Flush());
    const struct {
        int64_t first, count;
        size_t got;
    } runs[] = {{1, 2048, 2048},  {3, 1000, 1000}, {7, 39000, 39000}, {4097, 5, 5},
                {39990, 600, 11}, {40001, 5, 0},   {0, 5, 0}};
    for (const auto& r : runs) expectRun(store, r.first, r.count, r.got);
    RowStore moved = std::move(store);
    expectRun(moved, 9001, 1000, 1000);
}

// A disk that takes the first megabyte of rows and refuses the rest.
TEST(RowStore, CountsOnlyWhatTheDiskTook) {
    TempDir dir;
    RowStore store;
    ASSERT_TRUE(store.Create(dir.File("BUFFILE.DAT"), false));
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1536 * 1024, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    bool appended = true;
    for (int64_t n = 1; n <= 10000 && appended; ++n) appended = store.Append(Row(n));
    const bool flushed = appended && store.Flush();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(flushed);
    EXPECT_NE(store.LastError().find("write"), std::string::npos) << store.LastError();
    EXPECT_EQ(store.RecordCount(), 2048);
    RecordBlock block;
    std::string error;
    ASSERT_TRUE(store.Read(1, 10000, block, error)) << error;
    ASSERT_EQ(block.texts.size(), 2048u);
    for (int64_t n = 1; n <= 2048; ++n) ASSERT_EQ(block.texts[n - 1], Row(n)) << n;
}

// A load that fails leaves nothing of a store that was to keep its name:
// here the temporary folder fills up after the first megabyte.
TEST(RowStore, FailedLoadRemovesTheNamedStore) {
    TempDir dir;
    std::string text;
    for (int i = 1; i <= 20000; ++i) text += "9" + std::to_string(i) + "\tAli\t\r\n";
    WriteBytes(dir.File("report.txt"), text);
    LoadOptions options;
    options.keepRowStoreName = true;
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1 << 20, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    const LoadResult result = LoadReport(dir.File("report.txt"), dir.File("BUFFILE.DAT"), options);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(result.failure, LoadResult::Failure::RowStoreUnwritable);
    EXPECT_EQ(Names(dir), "report.txt\n");
}
