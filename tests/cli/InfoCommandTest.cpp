#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliRunner.h"

namespace {

QJsonObject Info(const QStringList& extra, const TempDir& home,
                 const QString& lang = "tr_TR.UTF-8") {
    const CliRun run = RunExport(QStringList{"info", TestData("sample.txt")} + extra, home, lang);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

TEST(InfoCommand, DescribesTheSampleReport) {
    TempDir home;
    const QJsonObject info = Info({"--rows-per-page", "50"}, home);
    EXPECT_EQ(info["RowCount"].toInt(), 130);
    EXPECT_EQ(info["HeaderCount"].toInt(), 3);
    EXPECT_EQ(info["HeaderLines"].toArray().size(), 10);
    EXPECT_EQ(info["HeaderLines"].toArray()[0].toString(),
              QString::fromUtf8("VORNAK TİCARET A.Ş."));
    EXPECT_EQ(info["FieldCount"].toInt(), 6);
    EXPECT_EQ(info["ColumnTitles"].toArray()[1].toString(), QString::fromUtf8("Müşteri"));
    EXPECT_EQ(info["ColumnFormats"].toArray()[0].toString(), "000000");
    EXPECT_EQ(info["ColumnKinds"].toArray()[5].toInt(), 5);
    EXPECT_TRUE(info["ColumnTotalFlags"].toArray()[3].toBool());
    EXPECT_FALSE(info["ColumnTotalFlags"].toArray()[4].toBool());
    EXPECT_EQ(info["ColumnWidths"].toArray().size(), 50);
    EXPECT_EQ(info["RowsPerPage"].toInt(), 50);
    EXPECT_EQ(info["PageCount"].toInt(), 3);
    const QJsonArray totals = info["PageTotals"].toArray();
    ASSERT_EQ(totals.size(), 3);
    EXPECT_EQ(totals[0].toArray().size(), 30);
    EXPECT_EQ(totals[0].toArray()[0].toString(), "0.0000");
    EXPECT_TRUE(totals[0].toArray()[5].toString().endsWith(".0000") ||
                totals[0].toArray()[5].toString().contains('.'));
    EXPECT_NE(totals[0].toArray()[5].toString(), "0.0000");
    // The row store is gone after the run.
    EXPECT_FALSE(QFile::exists(info["RowStore"].toString()));
}

TEST(InfoCommand, AmountsFollowTheSystemLocale) {
    // The sample writes amounts the Turkish way; read in English they are not numbers.
    TempDir home;
    const QJsonObject tr = Info({"--rows-per-page", "200"}, home, "tr_TR.UTF-8");
    const QJsonObject en = Info({"--rows-per-page", "200"}, home, "C.UTF-8");
    EXPECT_NE(tr["PageTotals"].toArray()[0].toArray()[5].toString(), "0.0000");
    EXPECT_NE(en["PageTotals"].toArray()[0].toArray()[5].toString(),
              tr["PageTotals"].toArray()[0].toArray()[5].toString());
}

TEST(InfoCommand, KeepsTheRowStoreWhenAsked) {
    TempDir home;
    const QJsonObject info = Info({"--rows-per-page", "50", "--keep-row-store"}, home);
    const QString store = info["RowStore"].toString();
    EXPECT_TRUE(store.endsWith("BUFFILE.DAT"));
    EXPECT_EQ(QFile(store).size(), 130 * 512);
}

TEST(InfoCommand, UnreadableReportEndsWithStatus2) {
    TempDir home;
    const CliRun run = RunExport({"info", "/no/such/report.txt", "--rows-per-page", "5"}, home);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(
        run.err.contains(QString::fromUtf8("Rapor dosyası açılamadı:\n/no/such/report.txt\n")));
    EXPECT_TRUE(run.out.isEmpty());
}

}  // namespace

namespace {

TEST(InfoCommand, FirstRunStoresTheDefaultPageSetup) {
    TempDir home;
    const CliRun run = RunExport({"info", TestData("sample.txt"), "--rows-per-page", "5"}, home);
    ASSERT_EQ(run.exitCode, 0);
    QFile conf(QString::fromStdString(home.File("config")) + "/Vornak Software/Tabulon.conf");
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(conf.readAll());
    for (const char* line : {"PageSizeX=11906", "PageSizeY=16838", "PageOrient=1", "SpaceX1=15",
                             "SpaceY2=15", "FontName=Times New Roman", "FontSize=10",
                             "pTotals=True", "aTotals=True", "pNumbers=True"})
        EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();
}

}  // namespace
