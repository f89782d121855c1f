#include <gtest/gtest.h>

#include "platform/Messages.h"

using namespace Tabulon;

// Every failure the engine returns is worded by what was being done; the
// sentences are the ones the window and tabulon-export have always shown.
TEST(Messages, WordEachFailureByWhatWasBeingDone) {
    const Failure unread{Operation::ReadWorkFile, "/tmp/out.csv", "read: Input/output error"};
    const Failure full{Operation::SaveFile, "/tmp/out.csv", "No space left on device"};
    const Failure sheet{Operation::FillSheet, "/tmp/out.xlsx", {}, 2000000};
    const struct {
        std::string said, expected;
    } cases[] = {
        {ExportFailureText(unread),
         "Dosya kaydedilemedi:\n/tmp/out.csv\nÇalışma dosyası okunamadı: read: Input/output error"},
        {ExportFailureText(full), "Dosya kaydedilemedi:\n/tmp/out.csv\nNo space left on device"},
        {ExportFailureText(sheet),
         "Dosya kaydedilemedi:\n/tmp/out.xlsx\nÇalışma sayfası en çok 1048575 satır alır; raporda "
         "2000000 satır var."},
        {RowStoreFailureText(unread), "Çalışma dosyası okunamadı:\nread: Input/output error"},
        {PdfFailureText(PdfNotSavedTitle, full),
         "PDF dosyası kaydedilemedi: /tmp/out.csv\nNo space left on device"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.said, c.expected);
}

TEST(Messages, WordAFailedLoadWithItsStatus) {
    const struct {
        Failure failure;
        std::string expected;
        int status;
    } cases[] = {
        {{Operation::ReadReport, "/r/rapor.txt", "No such file or directory"},
         "Rapor dosyası açılamadı:\n/r/rapor.txt\nNo such file or directory",
         2},
        {{Operation::MakeWorkFile, "/tmp/1BUFFILE.DAT", "create: No space left"},
         "Çalışma dosyası oluşturulamadı:\n/tmp/1BUFFILE.DAT\ncreate: No space left",
         2},
    };
    for (const auto& c : cases) {
        LoadResult loaded;
        loaded.outcome = c.failure;
        EXPECT_EQ(LoadFailureText(loaded), c.expected);
        EXPECT_EQ(LoadFailureStatus(c.failure), c.status);
    }
    EXPECT_EQ(LoadFailureStatus(StoppedByUser()), 1);
    EXPECT_EQ(LoadFailureStatus({Operation::FindRoom, "/tmp", {}}), 7);
}
