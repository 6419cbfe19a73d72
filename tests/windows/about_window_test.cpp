// The About window with its System Information lookup, and the easter eggs of
// the main window.

#include "window_fixture.h"

#include "support/carnival_layout.h"

#include "shell/frmAbout.h"
#include "shell/frmEgg.h"

#include "carnival/carnival_state.h"
#include "platform/registry.h"
#include "platform/shell.h"

#include <QTest>

namespace {

using platform::RegistryRoot;
using shell::frmAbout;
using shell::frmEgg;

constexpr auto kMachine = RegistryRoot::LocalMachine;

struct KeyValueCase {
    const char* name;
    std::uint32_t type;
    std::string data;
    bool found;
    const char* expected; // KeyVal afterwards; it held "before"
};

void PrintTo(const KeyValueCase& c, std::ostream* out) { *out << c.name; }

class GetKeyValueTest : public ::testing::TestWithParam<KeyValueCase> {
protected:
    void TearDown() override { platform::clearRegistry(); }
};

TEST_P(GetKeyValueTest, ReadsTheValueAsText)
{
    const KeyValueCase& c = GetParam();
    if (c.type != 0)
        platform::setRegistryValue(kMachine, "Software\\Test", "Value", c.type, c.data);
    std::string keyVal = "before";
    EXPECT_EQ(platform::GetKeyValue(kMachine, "SOFTWARE\\TEST", "value", keyVal), c.found);
    EXPECT_EQ(keyVal, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Registry, GetKeyValueTest,
    ::testing::Values(KeyValueCase { "TextLosesItsZero", 1, std::string("C:\\Info\0", 8), true, "C:\\Info" },
        KeyValueCase { "TextWithoutZeroIsKeptWhole", 1, "C:\\Info", true, "C:\\Info" },
        KeyValueCase { "EmptyText", 1, "", true, "" },
        KeyValueCase { "NumberLastByteFirst", 4, std::string("\x10\xAB\x02\0", 4), true, "&h0002AB10" },
        KeyValueCase { "OtherTypeLeavesTheText", 3, "\x01\x02", true, "before" },
        KeyValueCase { "MissingValue", 0, "", false, "" },
        KeyValueCase { "LongerThanTheBuffer", 1, std::string(1025, 'x'), false, "" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemInfoProgramTest, TheFirstOneInstalledIsRegistered)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    for (const char* program : { "bin/kinfocenter", "bin/hardinfo" }) {
        folder.write(program, "");
        std::filesystem::permissions(folder.root() / program, std::filesystem::perms::owner_exec,
            std::filesystem::perm_options::add);
    }
    platform::registerSystemInfoProgram({ QString::fromStdString((folder.root() / "bin").string()) });
    std::string path;
    EXPECT_TRUE(platform::GetKeyValue(kMachine, platform::kMsinfoKey, "PATH", path));
    EXPECT_EQ(path, (folder.root() / "bin/hardinfo").string());
    platform::clearRegistry();
}

class AboutWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform::clearRegistry();
        testing_support::putCarnivalFile(*folder, "Athletics", "2010");
        folder->write("data/athletics/events.dat", " 1 \r\n100m\r\n");
    }
    frmAbout* openAbout() { return openFromMain<frmAbout>("cmdAbout"); }
    // A folder holding MSINFO32.EXE, registered as the program's location.
    std::string registerMsinfoFolder()
    {
        folder->write("msinfo/msinfo32.exe", "");
        const std::string location = (folder->root() / "msinfo").string();
        platform::setRegistryText(kMachine, platform::kMsinfoLocationKey, "MSINFO", location);
        return location + "/msinfo32.exe";
    }
    void doubleClick(const char* name)
    {
        QTest::mouseDClick(child<QWidget>(Forms::find<frmMain>(), name), Qt::LeftButton);
    }
};

TEST_F(AboutWindowTest, OkAndTheCloseBoxBothBringTheMainWindowBack)
{
    frmAbout* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(Forms::find<frmMain>()->isVisible());
    EXPECT_EQ(about->windowTitle(), "About Ostrivale");
    click(about, "cmdOK");
    EXPECT_FALSE(Forms::isLoaded<frmAbout>());
    EXPECT_TRUE(Forms::find<frmMain>()->isVisible());
    openAbout()->close();
    EXPECT_FALSE(Forms::isLoaded<frmAbout>());
    EXPECT_TRUE(Forms::find<frmMain>()->isVisible());
    EXPECT_FALSE(lastWindowGone);
}

TEST_F(AboutWindowTest, WebsiteIsTheHelpStartPage)
{
    click(openAbout(), "Command1");
    EXPECT_EQ(openedDocuments, QStringList { QString::fromStdString((folder->root() / "help/index.htm").string()) });
    EXPECT_TRUE(messages().empty());
}

TEST_F(AboutWindowTest, SystemInfoPathComesBeforeTheLocation)
{
    const std::string program = registerMsinfoFolder();
    frmAbout* about = openAbout();
    click(about, "cmdSysInfo");
    platform::setRegistryText(kMachine, platform::kMsinfoKey, "PATH", "/opt/info/sysinfo");
    click(about, "cmdSysInfo");
    EXPECT_EQ(startedPrograms, (QStringList { QString::fromStdString(program), "/opt/info/sysinfo" }));
    EXPECT_TRUE(messages().empty());
}

TEST_F(AboutWindowTest, NoProgramToStartIsUnavailable)
{
    registerMsinfoFolder();
    std::filesystem::remove(folder->root() / "msinfo/msinfo32.exe");
    frmAbout* about = openAbout();
    click(about, "cmdSysInfo");
    // A program that is registered but will not start.
    platform::setRegistryText(kMachine, platform::kMsinfoKey, "PATH", "/nowhere/sysinfo");
    platform::setProgramStarter([](const QString&, const QStringList&) { return false; });
    click(about, "cmdSysInfo");
    ASSERT_EQ(messages().size(), 2u);
    expectMessage(0, "System Information Is Unavailable At This Time", 0, "Ostrivale");
    expectMessage(1, "System Information Is Unavailable At This Time", 0, "Ostrivale");
    EXPECT_TRUE(startedPrograms.isEmpty());
}

TEST_F(AboutWindowTest, LameEggIsAMessageOnly)
{
    Forms::show<frmMain>();
    doubleClick("Label3");
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, "Lame Easter Egg - Congrats! You have found the Lame Easter Egg.", 0, "Lame Easter Egg");
    EXPECT_EQ(Forms::loadedCount(), 1);
}

TEST_F(AboutWindowTest, EachClickOnTheFirstHouseArmsOneGame)
{
    Forms::show<frmMain>();
    doubleClick("pctLogo");
    EXPECT_FALSE(Forms::isLoaded<frmEgg>());
    QTest::mouseClick(child<QWidget>(Forms::find<frmMain>(), "lblhouse1"), Qt::LeftButton);
    Forms::unload<frmMain>();
    settle();
    Forms::show<frmMain>();
    doubleClick("pctLogo");
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, "Click to shoot, space to reload. Have fun!", 0, "Ostrivale");
    auto* egg = Forms::find<frmEgg>();
    ASSERT_NE(egg, nullptr);
    EXPECT_TRUE(egg->isVisible() && Forms::find<frmMain>()->isVisible());
    EXPECT_EQ(egg->windowTitle(), "*The* Easter Egg");
    const QString shown = child<QLabel>(egg, "ShockwaveFlash1")->text();
    EXPECT_TRUE(shown.contains("\"c:\\program files\\Ostrivale\\data\\fight4.swf\" cannot be played"));

    egg->close();
    doubleClick("pctLogo");
    EXPECT_FALSE(Forms::isLoaded<frmEgg>());
    EXPECT_EQ(messages().size(), 1u);
}

} // namespace
