#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "ProgramRun.h"

using namespace Tabulon;

// The sample writes amounts the Turkish way: in English they are no numbers.
// A kept working file is left for the caller, whole.
TEST(InfoCommand, KeepsTheWorkingFileAndReadsNumbersByTheLocale) {
    TempDir home;
    const ProgramRun run =
        RunExport({"info", "SAMPLE", "--rows-per-page", "50", "--keep-row-store"}, home, "C.UTF-8");
    const QJsonObject english =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    const QJsonArray totals = english["PageTotals"].toArray();
    ASSERT_EQ(totals.size(), 3);
    EXPECT_EQ(totals[0].toArray().size(), 30);
    EXPECT_EQ(totals[1][3].toString(), "39217.0000");
    EXPECT_EQ(totals[0][5].toString(), "0.0000");
    const std::string store = english["RowStore"].toString().toStdString();
    EXPECT_TRUE(store.ends_with("BUFFILE.DAT"));
    EXPECT_EQ(LeftIn(home), std::vector<std::string>{store});
    EXPECT_EQ(std::filesystem::file_size(store), 130 * 512u);
}
