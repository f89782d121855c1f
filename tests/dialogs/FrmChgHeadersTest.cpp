#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "GuiDriver.h"
#include "core/ReportLayout.h"
#include "dialogs/FrmChgHeaders.h"

namespace {

// Apply moves the non-blank lines up and drops only trailing spaces; Cancel
// and Escape leave the lines as they were. Lines past the third and the room
// kept for headers stay either way.
TEST(FrmChgHeaders, ApplyMovesNonBlankLinesUpCancelKeepsThem) {
    const char* shown[3] = {"Satır 1", "  Şube: İzmir  ", "Satır 3"};
    const struct {
        const char* typed[3];
        const char* close;  // a button, or "Escape"
        const char* kept[3];
    } cases[] = {{{"", "", "Üçüncü"}, "Command1", {"Üçüncü", "", ""}},
                 {{"Bir", "   ", "Üç"}, "Command1", {"Bir", "Üç", ""}},
                 {{"  Girintili  ", "İki", ""}, "Command1", {"  Girintili", "İki", ""}},
                 {{"A", "B", "C "}, "Command1", {"A", "B", "C"}},
                 {{"", "Yeni", "Satır 3"}, "Command2", {shown[0], shown[1], shown[2]}},
                 {{"", "Yeni", "Satır 3"}, "Escape", {shown[0], shown[1], shown[2]}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed[0]) + "|" + c.typed[1] + "|" + c.typed[2] + " " + c.close);
        ReportLayout model;
        for (int i = 1; i <= ReportLayout::MaxHeaderLines; ++i)
            model.HeaderLines[i] = "Satır " + std::to_string(i);
        model.HeaderLines[2] = shown[1];
        model.HeaderCount = 12;
        FrmChgHeaders form(model);
        form.show();
        for (int i = 0; i < 3; ++i) {
            auto* box = form.findChild<QLineEdit*>(QString("Text1(%1)").arg(i));
            EXPECT_EQ(box->text(), QString::fromUtf8(shown[i]));
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            TypeText(box, QString::fromUtf8(c.typed[i]));
        }
        if (c.close == std::string("Escape"))
            QTest::keyClick(&form, Qt::Key_Escape);
        else
            QTest::mouseClick(form.findChild<QPushButton*>(c.close), Qt::LeftButton);
        EXPECT_EQ(form.result(),
                  c.close == std::string("Command1") ? QDialog::Accepted : QDialog::Rejected);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(model.HeaderLines[i + 1], c.kept[i]) << i;
        EXPECT_EQ(model.HeaderLines[4], "Satır 4");
        EXPECT_EQ(model.HeaderLines[10], "Satır 10");
        EXPECT_EQ(model.HeaderCount, 12);
    }
}

}  // namespace
