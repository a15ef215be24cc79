// What the program asks of the desktop, on the headless host: links handed to the
// desktop's handlers, help documents in the help window, and print jobs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files/temp_folder.h"
#include "platform/forms/printer.h"
#include "platform/forms/shell_execute.h"
#include "platform/forms/win_help.h"
#include "platform/headless/headless_host.h"
#include "platform/runtime/errors.h"

namespace {

// Only web and mail links reach the desktop; anything that could start a program is
// refused before it gets there.
TEST(ShellExecuteA, OpensWebAndMailLinksOnly) {
    const struct {
        const char* operation;
        const char* target;
        intptr_t want;
    } cases[] = {
        {nullptr, "https://tolvarin.example.org/", win::SE_ERR_SUCCESS},
        {"open", "HTTP://example.org/a?b=c", win::SE_ERR_SUCCESS},
        {"", "mailto:someone@example.org", win::SE_ERR_SUCCESS},
        {nullptr, "/usr/bin/xterm", win::SE_ERR_NOASSOC},
        {nullptr, "file:///etc/passwd", win::SE_ERR_NOASSOC},
        {nullptr, "https://", win::SE_ERR_NOASSOC},
        {nullptr, "https://x.org/\n; rm -rf ~", win::SE_ERR_NOASSOC},
        {"print", "https://example.org/", win::SE_ERR_NOASSOC},
        {nullptr, nullptr, win::SE_ERR_NOASSOC},
    };
    headless::HeadlessHost host;
    std::vector<std::string> opened;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target ? c.target : "(null)");
        EXPECT_EQ(win::ShellExecuteA(0, c.operation, c.target, nullptr, "C:\\", 1), c.want);
        if (c.want == win::SE_ERR_SUCCESS) opened.push_back(c.target);
    }
    EXPECT_EQ(host.openedTargets(), opened);
    host.setDesktopHandlers(false);
    EXPECT_EQ(win::ShellExecuteA(0, nullptr, "https://example.org/", nullptr, nullptr, 1),
              win::SE_ERR_NOASSOC);
}

TEST(WinHelpA, ShowsAReadableDocumentAndQuitClosesIt) {
    headless::HeadlessHost host;
    files_test::TempFolder folder;
    const std::string good = folder.Write("help.hlp", R"({\rtf1 \b Contents\b0\par Rows\par})");
    const std::string empty = folder.Write("empty.hlp", R"({\rtf1 {\info x}\par})");
    const std::string missing = (folder.Path() / "missing.hlp").string();

    EXPECT_EQ(win::WinHelpA(7, missing.c_str(), win::HELP_CONTENTS, 0), 0);
    EXPECT_EQ(win::WinHelpA(7, empty.c_str(), win::HELP_CONTENTS, 0), 0);
    EXPECT_EQ(win::WinHelpA(7, good.c_str(), 99, 0), 0);
    EXPECT_FALSE(host.help());
    EXPECT_EQ(win::WinHelpA(7, good.c_str(), win::HELP_CONTENTS, 0), 1);
    ASSERT_TRUE(host.help());
    EXPECT_EQ(host.help()->title, "Tolvarin Help");
    EXPECT_EQ(host.help()->document.PlainText(), "Contents\nRows\n");
    EXPECT_EQ(host.help()->owner, 7);
    EXPECT_EQ(win::WinHelpA(7, good.c_str(), win::HELP_QUIT, 0), 1);
    EXPECT_FALSE(host.help());
    EXPECT_EQ(win::WinHelpA(7, good.c_str(), win::HELP_QUIT, 0), 1);  // nothing open: no harm
}

// A print is one job, handed over at EndDoc; a failure raises 482 with the host's reason
// and leaves no document open.
TEST(Printer, EndDocSendsOneJobAndReportsAFailure) {
    headless::HeadlessHost host;
    vb::PrinterObject& printer = vb::Printer();
    printer.Print("");
    printer.PrintDocument(vb::rtf::Read(R"({\rtf1 one\par two\par})"));
    EXPECT_TRUE(printer.Printing());
    EXPECT_TRUE(host.printJobs().empty());
    printer.EndDoc();
    ASSERT_EQ(host.printJobs().size(), 1u);
    EXPECT_EQ(host.printJobs()[0].content.PlainText(), "\none\ntwo\n");
    printer.EndDoc();  // no document open: nothing more
    EXPECT_EQ(host.printJobs().size(), 1u);

    host.setPrinterFailure("There is no printer to print on.");
    printer.Print("x");
    try {
        printer.EndDoc();
        ADD_FAILURE() << "a failed print was taken for printed";
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 482);
        EXPECT_EQ(e.Description(), "There is no printer to print on.");
    }
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(host.printJobs().size(), 1u);
}

}  // namespace
