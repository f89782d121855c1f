#include <QPushButton>

#include "SystemCallTracer.h"
#include "ViewerHarness.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

#ifdef TABULON_SYSTEM_CALL_TRACER
// The program writing the report adds rows as the window starts its second
// read of it: the window shows what it read with a note saying the report
// changed, and "Yeniden Oku" reads it again (with what was added since) on
// the page shown. The window's first read is on a thread of its own, so the
// read followed is the one on the window's thread, reading the report again.
TEST(ChangedReportWindow, NoteAndReadAgainKeepingThePage) {
    ViewerHarness h;
    const std::string report = std::filesystem::canonical(h.folder.Path()).string() + "/rapor.txt";
    WriteBytes(report, SalesReport(200));
    ASSERT_TRUE(h.OpenPath(report));
    std::string more;
    for (int i = 201; i <= 400; ++i)
        more += "9" + std::to_string(i) + "\tMüşteri\tAnkara\t1,50\t\r\n";
    ThreadTracer tracer(FileCall::Read, 2, report, [&] {
        const int fd = open(report.c_str(), O_WRONLY | O_APPEND);
        if (write(fd, more.data(), more.size()) != static_cast<ssize_t>(more.size())) _exit(4);
        close(fd);
    });
    if (!tracer.Following()) GTEST_SKIP() << "this system does not let a process trace another";
    h.W().ReadReportAgain();
    ASSERT_TRUE(tracer.Changed());

    h.Show();
    ViewerStatusBar& bar = h.W().Status();
    auto* readAgain = bar.findChild<QPushButton*>("ReadAgain");
    ASSERT_NE(readAgain, nullptr);
    const int32_t pagesRead = h.W().PageCount();
    EXPECT_EQ(h.Pages().rows.RecordCount(), 400);
    EXPECT_EQ(bar.NoteText(), QString::fromUtf8("Rapor okunurken değişti"));
    EXPECT_TRUE(readAgain->isVisible());
    EXPECT_EQ(readAgain->text(), QString::fromUtf8("Yeniden Oku"));

    for (int i = 0; i < 2; ++i) QTest::keyClick(h.window.get(), Qt::Key_PageDown);
    WriteBytes(report, ReadBytes(report) + more);
    QTest::mouseClick(readAgain, Qt::LeftButton);
    EXPECT_EQ(h.Pages().rows.RecordCount(), 600);
    EXPECT_GT(h.W().PageCount(), pagesRead);
    EXPECT_EQ(h.W().CurrentPage(), 3);
    EXPECT_EQ(bar.PageText(), QString("Sayfa 3 / %1").arg(h.W().PageCount()));
    EXPECT_EQ(bar.NoteText(), QString());
    EXPECT_FALSE(readAgain->isVisible());
}
#endif
