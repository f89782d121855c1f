#include <gtest/gtest.h>
#include <unistd.h>

#include "SystemCallTracer.h"
#include "export/ExportFixture.h"

using namespace Tabulon;

#ifdef TABULON_SYSTEM_CALL_TRACER
// The working file cut short by someone just as an export maps its second
// megabyte: the bytes lost read as zeros instead of ending the program, and
// the export fails with the reason, which leaves the older file as a stopped
// export does. Every pass over the store reads it the same way.
TEST(CutRowStore, PassesOverAMappedStoreFailInsteadOfEndingTheProgram) {
    for (const Exporter& e : Exporters()) {
        SCOPED_TRACE(e.name);
        LoadedReport r({"1Rapor"});
        r.FillRows(12000, true);
        const std::string store = r.rows.Path();
        ThreadTracer tracer(FileCall::Map, 2, std::filesystem::canonical(store).string(),
                            [&] { (void)!truncate(store.c_str(), 1536 * 512); });
        if (!tracer.Following()) GTEST_SKIP() << "no process may trace another here";
        const Outcome<ExportedRows> result = e.run(r, r.Out("eski"), {});
        ASSERT_TRUE(tracer.Changed());
        ASSERT_FALSE(result.Ok());
        EXPECT_EQ(result.Why().operation, Operation::ReadWorkFile);
        EXPECT_EQ(result.Why().reason, "read: Input/output error");
    }
}
#endif
