#include "ViewerHarness.h"
#include "core/WorkFilePrefix.h"
#include "input/RowStore.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

// The folder the window's working file goes to, as the message names it.
std::string WorkFolder() {
    return RowStore::FolderOf(RowStorePath(WorkFilePrefix().prefix));
}

// A report the temporary folder cannot hold is said with the room it needs
// and the room there is, before anything is written: at the start the window
// ends with its own status; later (F5, Ctrl+O, the file changing) the report
// shown stays.
TEST(FrmTabul, AReportTooLargeForTheTemporaryFolderIsRefused) {
    int64_t room = 1000;
    ViewerHarness h;
    h.environment.freeSpace = [&room](const std::string&, int64_t& bytes) {
        bytes = room;
        return true;
    };
    {
        MessageBoxCatcher boxes;
        WriteBytes(h.folder.File("rapor.txt"), SalesReport(200));
        EXPECT_FALSE(h.OpenPath(h.folder.File("rapor.txt")));
        EXPECT_EQ(h.W().ExitStatus(), 7);
        EXPECT_EQ(boxes.shown, std::vector<std::string>{
                                   "Vornak Yazılım [critical] Geçici klasörde rapor için yeterli "
                                   "yer yok:\n" +
                                   WorkFolder() +
                                   "\nRaporun çalışma dosyası için 100 KB gerekiyor, boş yer "
                                   "1000 bayt."});
    }
    room = 1 << 20;
    ASSERT_TRUE(h.Open(SalesReport(200)));
    h.Show();
    WriteBytes(h.folder.File("rapor.txt"), SalesReport(3000));
    room = 1400000;
    QTest::keyClick(h.window.get(), Qt::Key_F5);
    EXPECT_EQ(h.W().Status().NoteText().toStdString(),
              "Geçici klasörde rapor için yeterli yer yok: " + WorkFolder() +
                  " Raporun çalışma dosyası için 1,5 MB gerekiyor, boş yer 1,3 MB.");
    EXPECT_EQ(h.Pages().rows.RecordCount(), 200);
}

}  // namespace
