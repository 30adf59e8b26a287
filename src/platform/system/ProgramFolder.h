#pragma once
#include <QString>

// Where the program keeps "Data.dat", "LastEdit" and its scratch files: the executable's folder when
// it is writable and not a system folder, otherwise the user's data folder (created when missing).
// Ends in a slash.
QString ChooseProgramFolder(const QString &executableFolder, const QString &userDataFolder);
QString ProgramFolder();

// Writes the "Location" value (organisation and application "Lektavo"); failures are ignored.
void WriteLocationValue(const QString &programFolder);

// A file the program reads and never writes (the help document): beside the executable (a build
// folder, a portable copy), else in the installed data folder share/lektavo beside its bin. The
// path beside the executable when it is in neither.
QString FindDataFile(const QString &executableFolder, const QString &name);
QString DataFile(const QString &name);
