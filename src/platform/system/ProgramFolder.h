#pragma once
#include <QString>

// Where the program keeps "Data.dat", "LastEdit" and its scratch files: the executable's folder when
// it is writable and not a system folder (under /usr, or the bin/ of an installed tree: bin/ beside
// share/), otherwise the user's data folder (created when missing). Ends in a slash.
QString ChooseProgramFolder(const QString &executableFolder, const QString &userDataFolder);
QString ProgramFolder();
