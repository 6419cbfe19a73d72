#include "help.h"

#include "latin1.h"
#include "msgbox.h"
#include "shell.h"

#include "carnival/carnival_state.h"
#include "carnival/paths.h"

#include <filesystem>

namespace platform {

void openHelpPage(const QString& page)
{
    if (!carnival::folderExists("help")) {
        showMsgBox("The help folder \"help\" is missing from the Ostrivale folder, so the help pages cannot be "
                   "shown.",
            48);
        return;
    }
    auto& state = carnival::modDeclareGlobals();
    state.helpPagePath = bytes(helpPageFile(page).trimmed());
    if (!openDocument(qtext(state.helpPagePath)))
        showMsgBox("The help page \"" + qtext(state.helpPagePath)
                + "\" could not be opened: no program on this computer is set up to show web pages.",
            48);
}

QString helpPageFile(const QString& page)
{
    const std::filesystem::path folder = std::filesystem::absolute(carnival::resolvePath("help"));
    return QString::fromStdString(folder.lexically_normal().string()) + QString(page).replace('\\', '/');
}

} // namespace platform
