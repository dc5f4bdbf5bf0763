#pragma once
// The program's folders and the files in them.
//
// The settings file "dvsetup.ini" and the "Library" folder (code libraries
// and the upload log) live beside the executable when that folder is
// writable, as with a build or a portable copy. Otherwise the settings go to
// $XDG_CONFIG_HOME/vorle-control and the Library folder to
// $XDG_DATA_HOME/vorle-control.
//
// Names of library files are the program's 8-bit text; paths are QStrings.

#include <QString>
#include <string>

namespace paths {

// Makes every folder below derive from `folder` instead of the executable's
// folder (for tests); an empty text goes back to the executable's folder.
void SetProgramFolder(const QString& folder);
QString ProgramFolder();

// Where "dvsetup.ini" lives and where "Library" is created.
QString SettingsFolder();
QString DataFolder();

} // namespace paths

// The "Library" folder, created on every call (a failure is not reported).
QString GetLibraryPath();
// A file of that name in the Library folder.
QString GetLibraryFilePath(const std::string& name);
// True when the Library folder holds a file whose name is exactly `name`,
// letter case included.
bool IsFileInLibrary(const std::string& name);
// True when name + an extension can stand as a file of the Library folder:
// not empty, no folder separator, none of the characters Windows refuses in
// file names (\\ / : * ? " < > | and control characters), not "." or "..".
// Judged on the characters, so a double-byte character whose second byte
// happens to be '\\' or '|' is fine.
bool IsPlainFileName(const std::string& name);
// The settings file "dvsetup.ini"; no folder is created.
QString GetSetupFilePath();
