#include <gtest/gtest.h>

#include "platform/Messages.h"

using namespace Tabulon;

// Every failure the engine returns is worded by what was being done, a
// failure inside another step under that step's sentence. (A report that
// cannot be opened, and the room check, are worded where the window shows them.)
TEST(Messages, WordEachFailureByWhatWasBeingDone) {
    const Failure unread{Operation::ReadWorkFile, "/tmp/out.csv", "read: EIO"};
    LoadResult unmade;
    unmade.outcome = Failure{Operation::MakeWorkFile, "/tmp/1BUFFILE.DAT", "create: No space left"};
    EXPECT_EQ(ExportFailureText(unread),
              "Dosya kaydedilemedi:\n/tmp/out.csv\nÇalışma dosyası okunamadı: read: EIO");
    EXPECT_EQ(ExportFailureText({Operation::FillSheet, "/tmp/out.xlsx", {}, 2000000}),
              "Dosya kaydedilemedi:\n/tmp/out.xlsx\nÇalışma sayfası en çok 1048575 satır alır; "
              "raporda 2000000 satır var.");
    EXPECT_EQ(RowStoreFailureText(unread), "Çalışma dosyası okunamadı:\nread: EIO");
    EXPECT_EQ(LoadFailureText(unmade),
              "Çalışma dosyası oluşturulamadı:\n/tmp/1BUFFILE.DAT\ncreate: No space left");
    EXPECT_EQ(LoadFailureStatus(unmade.outcome.Why()), 2);
    EXPECT_EQ(LoadFailureStatus(StoppedByUser()), 1);
}
