#include <gtest/gtest.h>

#include <QSettings>
#include <filesystem>

#include "TestSupport.h"
#include "core/SettingsStore.h"
#include "platform/QtSettingsBackend.h"

namespace {

// The native store moved under a temporary folder, so the user's own page
// setup is never read or written. A first run stores the defaults (landscape
// by its default printer) that the next run reads, and texts come back
// exactly as written.
TEST(QtSettingsBackend, WhatOneRunStoresTheNextReadsExactly) {
    TempDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder.Path().string()));
    {
        QtSettingsBackend firstRun;
        EXPECT_FALSE(firstRun.KeyExists(SettingsKeyPath));
        LoadSettings(firstRun, 2);
        EXPECT_TRUE(firstRun.KeyExists(SettingsKeyPath));
    }
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Vornak Software" / "Tabulon.conf"));
    const std::vector<std::pair<std::string, std::string>> values = {
        {"aTotals", "true"}, {"pNumbers", ""},     {"FontSize", "10.5"},
        {"SpaceX1", " 15 "}, {"FontName", "Ağır"}, {"SpaceY1", "a=b;c,#d\"x\""}};
    {
        QtSettingsBackend secondRun;
        ASSERT_TRUE(secondRun.KeyExists(SettingsKeyPath));
        for (const auto& [name, text] : values) secondRun.SetValue(SettingsKeyPath, name, text);
    }
    QtSettingsBackend thirdRun;
    for (const auto& [name, text] : values)
        EXPECT_EQ(thirdRun.QueryValue(SettingsKeyPath, name), text) << name;
    EXPECT_EQ(thirdRun.QueryValue(SettingsKeyPath, "Missing"), std::nullopt);
    const PageSetup model = LoadSettings(thirdRun, 1);
    EXPECT_EQ(model.PageOrient, 2);
    EXPECT_EQ(model.PageSizeX, 16838);
    EXPECT_EQ(model.FontSize, 10);  // halves to even
}

}  // namespace
