#include <gtest/gtest.h>

#include <QSettings>
#include <filesystem>

#include "TestSupport.h"
#include "core/SettingsStore.h"
#include "platform/QtSettingsBackend.h"

namespace {

// The native store moved under a temporary folder, so the user's own page
// setup is never read or written.
class QtSettingsBackendTest : public ::testing::Test {
  protected:
    TempDir folder;

    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(folder.Path().string()));
    }
};

TEST_F(QtSettingsBackendTest, AFirstRunStoresTheDefaultsThatTheNextRunReads) {
    {
        QtSettingsBackend firstRun;
        EXPECT_FALSE(firstRun.KeyExists(SettingsKeyPath));
        LoadSettings(firstRun, 2);
        EXPECT_TRUE(firstRun.KeyExists(SettingsKeyPath));
    }
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Vornak Software" / "Tabulon.conf"));

    QtSettingsBackend nextRun;
    ASSERT_TRUE(nextRun.KeyExists(SettingsKeyPath));
    nextRun.SetValue(SettingsKeyPath, "FontSize", "12");
    const PageSetup model = LoadSettings(nextRun, 1);
    // Stored as landscape by the first run's default printer.
    EXPECT_EQ(model.PageOrient, 2);
    EXPECT_EQ(model.PageSizeX, 16838);
    EXPECT_EQ(model.FontName, "Times New Roman");
    EXPECT_EQ(model.FontSize, 12);
}

TEST_F(QtSettingsBackendTest, TextsComeBackExactlyAsWrittenInAnotherRun) {
    const std::vector<std::pair<std::string, std::string>> values = {
        {"pTotals", "True"},         {"aTotals", "true"},     {"pNumbers", ""},
        {"FontSize", "10.5"},        {"SpaceX1", " 15 "},     {"SpaceX2", "-3"},
        {"FontName", "Ağır Başlık"}, {"SpaceY1", "a=b;c,#d"}, {"SpaceY2", "\"x\""}};
    {
        QtSettingsBackend writer;
        for (const auto& [name, text] : values) writer.SetValue(SettingsKeyPath, name, text);
    }
    QtSettingsBackend reader;
    for (const auto& [name, text] : values)
        EXPECT_EQ(reader.QueryValue(SettingsKeyPath, name), text) << name;
    EXPECT_EQ(reader.QueryValue(SettingsKeyPath, "PageSizeX"), std::nullopt);
}

}  // namespace
