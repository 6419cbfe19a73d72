// The print and view menus: their buttons, the roads between the menus, the
// main window and the event windows, and the progressive points printout, on
// the recording printer and as a PDF.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "reports/frmPrint.h"
#include "reports/frmPrintEvent.h"
#include "reports/frmView.h"
#include "reports/frmViewEvent.h"

#include "carnival/carnival_state.h"
#include "carnival/file_transaction.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

using reports::frmPrint;
using reports::frmView;

namespace {

using namespace testing_support;

class ReportMenuTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        layOutAthletics2010(*folder, {}, {});
        folder->write("data/points.dat", pointsLine({ 120, 98, 0, -5 }));
    }

    // "name caption" of each button in tab order from the first.
    QStringList buttonsInTabOrder(QWidget* window, const char* first)
    {
        QStringList buttons;
        for (auto* button = child<QPushButton>(window, first); button && (buttons.empty() || button->objectName() != first);
             button = qobject_cast<QPushButton*>(button->nextInFocusChain()))
            buttons << button->objectName() + " " + button->text();
        return buttons;
    }
};

TEST_F(ReportMenuTest, EachMenuOpensBesideTheMainWindowWithItsButtons)
{
    frmPrint* print = openFromMain<frmPrint>("cmdPrint");
    frmView* view = openFromMain<frmView>("cmdSave");
    ASSERT_TRUE(print && view);
    EXPECT_EQ(print->windowTitle(), "Print What?");
    EXPECT_EQ(buttonsInTabOrder(print, "Command1"),
        QStringList({ "Command1 Print Progressive Points", "Command2 Print Age Champions", "Command3 Print an Event",
            "Command5 Print Records", "Command4 Cancel" }));
    EXPECT_EQ(view->windowTitle(), "View What?");
    EXPECT_EQ(buttonsInTabOrder(view, "Command2"),
        QStringList({ "Command2 View Age Champions", "Command3 View an Event", "Command5 View Records",
            "Command4 Cancel" }));
    EXPECT_TRUE(print->isVisible() && view->isVisible() && Forms::find<frmMain>()->isVisible());
}

// The road of each menu to its event window and back.
class MenuRoads : public ReportMenuTest, public ::testing::WithParamInterface<bool> {
protected:
    bool printing() const { return GetParam(); }
    platform::Form* menu() const
    {
        return printing() ? static_cast<platform::Form*>(Forms::find<frmPrint>()) : Forms::find<frmView>();
    }
    platform::Form* eventWindow() const
    {
        return printing() ? static_cast<platform::Form*>(Forms::find<reports::frmPrintEvent>())
                          : Forms::find<reports::frmViewEvent>();
    }
    platform::Form* openEventWindow()
    {
        click(Forms::show<frmMain>(), printing() ? "cmdPrint" : "cmdSave");
        click(menu(), "Command3");
        settle();
        return eventWindow();
    }
};

TEST_P(MenuRoads, OneEventWindowOutlivesTheMenuAndItsCancelBringsAFreshMenuThatClosesAlone)
{
    platform::Form* chooser = openEventWindow();
    ASSERT_NE(chooser, nullptr);
    click(menu(), "Command3");
    EXPECT_EQ(eventWindow(), chooser);
    EXPECT_EQ(Forms::loadedCount(), 3);
    EXPECT_TRUE(chooser->isVisible() && menu()->isVisible());

    click(menu(), "Command4");
    settle();
    EXPECT_EQ(menu(), nullptr);
    EXPECT_TRUE(chooser->isVisible());

    click(chooser, "cmdCancel");
    settle();
    EXPECT_EQ(eventWindow(), nullptr);
    ASSERT_NE(menu(), nullptr);
    EXPECT_TRUE(menu()->isVisible());

    // The menu's Close box unloads the menu alone.
    menu()->close();
    settle();
    expectMainWindowAlone({ 120, 98, 0, -5 });
}

INSTANTIATE_TEST_SUITE_P(Menus, MenuRoads, ::testing::Bool(),
    [](const ::testing::TestParamInfo<bool>& info) { return std::string(info.param ? "Print" : "View"); });

// ---- Progressive points ----

TEST_F(ReportMenuTest, ProgressivePointsPrintTheTotalsOfThePointsFileTwiceInARow)
{
    frmPrint* print = openFromMain<frmPrint>("cmdPrint");
    carnival::modDeclareGlobals().houseNames = { "Tamsett", "  Brindrel and Stanmore ", "Corrow", "" };
    click(print, "Command1");
    click(print, "Command1");
    const QStringList job = printJob("Progressive Point Score",
        { "line [0]Tamsett:[1] 120 ", "line [0]Brindrel and Stanmore:[2] 98 ", "line [0]Corrow:[1] 0 ",
            "line [0]:[1]-5 " });
    EXPECT_EQ(printout->transcript(), job + job);
    EXPECT_EQ(prompts(), QStringList({ "Done!", "Done!" }));
    expectMessage(0, "Done!", 0, "Ostrivale");
    EXPECT_TRUE(print->isVisible());
}

TEST_F(ReportMenuTest, ProgressivePointsWithoutAReadablePointsFileSayWhichFileAndPrintNothing)
{
    frmPrint* print = openFromMain<frmPrint>("cmdPrint");
    folder->write("data/points.dat", " 4 \r\n");
    click(print, "Command1");
    std::filesystem::remove(folder->root() / "data/points.dat");
    click(print, "Command1");
    expectWarningsNaming("data\\points.dat", 2);
    EXPECT_TRUE(printout->operations.empty());
    EXPECT_TRUE(print->isVisible());
}

TEST_F(ReportMenuTest, AJobThePrinterRefusesIsReportedInsteadOfDone)
{
    printout->failure = "The printout could not be written to the file \"x.pdf\".";
    click(openFromMain<frmPrint>("cmdPrint"), "Command1");
    EXPECT_EQ(printout->transcript().last(), "end");
    expectMessage(0, *printout->failure, 48, "Ostrivale");
    EXPECT_EQ(messages().size(), 1u);
}

// ---- The PDF of a machine without a printer ----

// The text of a PDF, as pdftotext reads it.
QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStandardPaths::findExecutable("pdftotext"), { "-layout", path, "-" });
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST_F(ReportMenuTest, WithoutAPrinterEachJobIsANewPdfInPrintouts)
{
    auto owned = std::make_unique<platform::SystemPrintBackend>(platform::SystemPrintBackend::Destination::PdfOnly);
    platform::SystemPrintBackend* pdf = owned.get();
    platform::Printer::setBackend(std::move(owned));
    frmPrint* print = openFromMain<frmPrint>("cmdPrint");
    QStringList files;
    for (int job = 0; job < 2; ++job) {
        click(print, "Command1");
        files << pdf->lastPdfFile();
    }
    EXPECT_EQ(prompts(), QStringList({ "Done!", "Done!" }));
    EXPECT_NE(files[0], files[1]);
    for (const QString& file : files) {
        EXPECT_EQ(QFileInfo(file).absolutePath(), QString::fromStdString((folder->root() / "printouts").string()));
        EXPECT_TRUE(QFileInfo(file).fileName().startsWith("Progressive Point Score 2")) << file.toStdString();
        QFile content(file);
        EXPECT_TRUE(content.open(QIODevice::ReadOnly) && content.read(5) == "%PDF-") << file.toStdString();
    }
    const QString text = pdfText(files[0]);
    for (const char* expected : { "Progressive Point Score", "Tamsett:", "120", "Elvane:", "-5", "Printed by Ostrivale" })
        EXPECT_TRUE(text.contains(expected)) << expected << " not in\n" << text.toStdString();

    // A folder that cannot be made: the message names it, and no "Done!".
    std::filesystem::remove_all(folder->root() / "printouts");
    folder->write("printouts", "a file in the way");
    click(print, "Command1");
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_TRUE(messages()[2].prompt.contains("printouts")) << messages()[2].prompt.toStdString();
    EXPECT_TRUE(pdf->lastPdfFile().isEmpty());
}

TEST_F(ReportMenuTest, APdfThatCannotBeWrittenIsReportedAndLeavesNoFile)
{
    platform::Printer::setBackend(
        std::make_unique<platform::SystemPrintBackend>(platform::SystemPrintBackend::Destination::PdfOnly));
    carnival::failFileWritesForTests(".pdf");
    click(openFromMain<frmPrint>("cmdPrint"), "Command1");
    carnival::failFileWritesForTests("");
    expectWarningsNaming((folder->root() / "printouts" / "Progressive Point Score 2").c_str(), 1);
    EXPECT_TRUE(std::filesystem::is_empty(folder->root() / "printouts"));
}

TEST_F(ReportMenuTest, ALongWideJobFlowsOverPagesWithoutLosingALine)
{
    platform::SystemPrintBackend pdf(platform::SystemPrintBackend::Destination::PdfOnly);
    pdf.setFontName("Courier New");
    for (int i = 1; i <= 150; ++i)
        pdf.printLine({ carnival::PrintItem::ofText("Row " + std::to_string(i) + std::string(120, '.') + "\tend") });
    ASSERT_EQ(pdf.endDoc(), std::nullopt);
    const QString text = pdfText(pdf.lastPdfFile());
    EXPECT_GE(text.count('\f'), 3) << "pages";
    EXPECT_EQ(text.count(QRegularExpression("Row \\d+\\.+ +end")), 150);
}

} // namespace
