#include "ui/QtPrinterService.h"

#include <QPrinterInfo>

#include <gtest/gtest.h>

namespace quillora {
namespace {

// A machine without a printer used to fail in silence; now the child hears why.
TEST(QtPrinterServiceTest, WithoutAPrinterSaysSoInsteadOfPrintingNothing) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer";
    QtPrinterService printer;
    PrintJob job;
    job.printLine(QStringLiteral("hello"));
    const auto result = printer.print(job);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().text(), QtPrinterService::noPrinterMessage());
}

} // namespace
} // namespace quillora
