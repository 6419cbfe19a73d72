#pragma once
// Opening documents and starting programs, without waiting for either.

#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// Opens a document in the user's default viewer, without waiting; false when
// no viewer could be asked to open it.
bool openDocument(const QString& path);

// Starts a program as a separate process; false when it could not be started.
bool startProgram(const QString& program, const QStringList& arguments = {});

// Tests watch the two through these hooks instead of starting anything.
void setDocumentOpener(std::function<void(const QString&)> opener);
void setProgramStarter(std::function<bool(const QString&, const QStringList&)> starter);

// The help file of the application (opened by the platform for F1 help).
void setApplicationHelpFile(const QString& file);
QString applicationHelpFile();

} // namespace platform
