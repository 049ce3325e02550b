#pragma once

#include <QString>

namespace ixo {

// The folder that holds the program: the executable's folder, unless a test has set another one.
QString ProgramFolder();
void SetProgramFolder(const QString &path);

QString DataFolder();              // <program>/data
QString ReviewFolder();            // <program>/review
QString SettingsFilePath();        // <program>/data/conf.dat

// Creates the review folder when it is missing. Returns false when it does not exist afterwards.
bool EnsureReviewFolder();

} // namespace ixo
