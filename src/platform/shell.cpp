#include "shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace platform {

namespace {

std::function<void(const QString&)>& opener()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

std::function<bool(const QString&, const QStringList&)>& starter()
{
    static std::function<bool(const QString&, const QStringList&)> hook;
    return hook;
}

QString& helpFile()
{
    static QString file;
    return file;
}

} // namespace

bool openDocument(const QString& path)
{
    if (opener()) {
        opener()(path);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool startProgram(const QString& program, const QStringList& arguments)
{
    if (starter())
        return starter()(program, arguments);
    return QProcess::startDetached(program, arguments);
}

void setDocumentOpener(std::function<void(const QString&)> hook) { opener() = std::move(hook); }

void setProgramStarter(std::function<bool(const QString&, const QStringList&)> hook) { starter() = std::move(hook); }

void setApplicationHelpFile(const QString& file) { helpFile() = file; }

QString applicationHelpFile() { return helpFile(); }

} // namespace platform
