#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "TestSupport.h"
#include "core/TextEncoding.h"
#include "input/RowStore.h"

using namespace Tabulon;

namespace fs = std::filesystem;

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
        const auto entries = [&dir] {
            return std::distance(fs::directory_iterator(dir.Path()), {});
        };
        const auto before = entries();
        const std::string there = ReadBytes(name);
        RowStore store;
        ASSERT_TRUE(store.Create(name, keepName).Ok());
        ASSERT_TRUE(store.Append("satır\t") && store.Flush().Ok());
        EXPECT_EQ(ReadBytes(victim), "the user's file");
        EXPECT_TRUE(!*planted || ReadBytes(name) == there);
        if (!keepName) {
            EXPECT_TRUE(entries() == before && store.Path().empty()) << store.Path();
            continue;
        }
        EXPECT_EQ(store.Path() == name, !*planted);
        EXPECT_TRUE(store.Path().ends_with("BUFFILE.DAT")) << store.Path();
        struct stat info {};
        ASSERT_EQ(lstat(store.Path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0170777, S_IFREG | 0600u);
    }
}

// A disk that takes the first megabyte of rows and refuses the rest.
TEST(RowStore, CountsOnlyWhatTheDiskTook) {
    TempDir dir;
    RowStore store;
    ASSERT_TRUE(store.Create(dir.File("BUFFILE.DAT"), false).Ok());
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1536 * 1024, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    bool appended = true;
    for (int64_t n = 1; n <= 10000 && appended; ++n)
        appended = store.Append("row" + std::to_string(n));
    const Outcome<> flushed = store.Flush();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(!flushed.Ok() && flushed.Why().reason.starts_with("write: "))
        << flushed.Why().reason;
    EXPECT_EQ(store.RecordCount(), 2048);
    RecordBlock block;
    ASSERT_TRUE(store.Read(1, 10000, block).Ok());
    ASSERT_EQ(block.texts.size(), 2048u);
    EXPECT_EQ(TrimTrailingSpaces(block.texts[2047]), "row2048");
}
