#include <gtest/gtest.h>
#include <unistd.h>

#include "SystemCallTracer.h"
#include "export/ExportFixture.h"
#include "input/ComputePageTotals.h"

using namespace Tabulon;

#ifdef TABULON_SYSTEM_CALL_TRACER
// The working file cut short by someone just as a whole-file pass maps its
// second megabyte: the bytes lost read as zeros instead of ending the program,
// and the pass fails with the reason. An export leaves no part file and the
// older file as it was.
TEST(CutRowStore, PassesOverAMappedStoreFailInsteadOfEndingTheProgram) {
    auto exporters = Exporters();
    exporters.push_back(
        {"totals", [](LoadedReport& r, const std::string&, const ProgressCallback&) {
             TotalFlags flags{};
             flags[3] = true;
             const TotalsPass pass =
                 ComputePageTotals(r.rows, flags, 40, NumberLocale::Turkish(), {});
             return pass.ok ? ExportResult{}
                            : ExportResult::Failure(ExportResult::Outcome::RowsUnreadable, {},
                                                    pass.error);
         }});
    for (const Exporter& e : exporters) {
        SCOPED_TRACE(e.name);
        LoadedReport r({"1Rapor"});
        r.FillRows(12000, true);
        const std::string store = r.rows.Path();
        ASSERT_FALSE(store.empty());
        WriteBytes(r.Out("eski"), "önceki dosya");
        ExportResult result;
        {
            ThreadTracer tracer(FileCall::Map, 2, std::filesystem::canonical(store).string(),
                                [&] { (void)!truncate(store.c_str(), 1536 * 512); });
            if (!tracer.Following()) GTEST_SKIP() << "no process may trace another here";
            result = e.run(r, r.Out("eski"), {});
            ASSERT_TRUE(tracer.Changed());
        }
        EXPECT_EQ(result.outcome, ExportResult::Outcome::RowsUnreadable);
        EXPECT_EQ(result.reason, "read: Input/output error");
        EXPECT_EQ(ReadBytes(r.Out("eski")), "önceki dosya");
        EXPECT_EQ(r.OutFiles(), std::set<std::string>{"eski"});
    }
}
#endif
