#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "TypeText.h"
#include "core/ReportModel.h"
#include "dialogs/FrmChgHeaders.h"

namespace {

QLineEdit* Box(QWidget& form, int i) {
    return form.findChild<QLineEdit*>(QString("Text1(%1)").arg(i));
}

void Retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    TypeText(box, text);
}

ReportModel ReportWithHeaders() {
    ReportModel model;
    for (int i = 1; i <= ReportModel::MaxHeaderLines; ++i)
        model.HeaderLines[i] = "Satır " + std::to_string(i);
    model.HeaderCount = 12;
    return model;
}

TEST(FrmChgHeaders, OpensWithTheFirstThreeLinesAsTheyAre) {
    ReportModel model = ReportWithHeaders();
    model.HeaderLines[2] = "  Şube: İzmir  ";
    FrmChgHeaders form(model);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Rapor Başlığı"));
    EXPECT_EQ(Box(form, 0)->text(), QString::fromUtf8("Satır 1"));
    EXPECT_EQ(Box(form, 1)->text(), QString::fromUtf8("  Şube: İzmir  "));
    EXPECT_EQ(Box(form, 2)->text(), QString::fromUtf8("Satır 3"));
    EXPECT_TRUE(Box(form, 0)->font().bold());
}

// Blank boxes drop out and the lines below move up; only trailing spaces go.
TEST(FrmChgHeaders, ApplyMovesNonBlankLinesUp) {
    struct Case {
        const char* typed[3];
        const char* expected[3];
    } cases[] = {
        {{"", "", "Üçüncü"}, {"Üçüncü", "", ""}},
        {{"Bir", "   ", "Üç"}, {"Bir", "Üç", ""}},
        {{"  Girintili  ", "İki", ""}, {"  Girintili", "İki", ""}},
        {{"", "", ""}, {"", "", ""}},
        {{"A", "B", "C "}, {"A", "B", "C"}},
    };
    for (const Case& c : cases) {
        ReportModel model = ReportWithHeaders();
        FrmChgHeaders form(model);
        form.show();
        for (int i = 0; i < 3; ++i) Retype(Box(form, i), QString::fromUtf8(c.typed[i]));
        QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Accepted);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(model.HeaderLines[i + 1], c.expected[i]) << i;
        // Lines past the third and the room reserved for headers stay.
        EXPECT_EQ(model.HeaderLines[4], "Satır 4");
        EXPECT_EQ(model.HeaderLines[10], "Satır 10");
        EXPECT_EQ(model.HeaderCount, 12);
    }
}

TEST(FrmChgHeaders, CancelLeavesTheLinesAsTheyWere) {
    for (bool byKey : {false, true}) {
        ReportModel model = ReportWithHeaders();
        FrmChgHeaders form(model);
        form.show();
        Retype(Box(form, 0), "");
        Retype(Box(form, 1), "Yeni");
        if (byKey)
            QTest::keyClick(&form, Qt::Key_Escape);
        else
            QTest::mouseClick(form.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_EQ(model.HeaderLines[1], "Satır 1");
        EXPECT_EQ(model.HeaderLines[2], "Satır 2");
    }
}

}  // namespace
