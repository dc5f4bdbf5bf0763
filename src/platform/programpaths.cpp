#include "platform/programpaths.h"

#include "platform/codepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <mutex>

namespace paths {
namespace {

constexpr const char* kXdgSubfolder = "vorle-control";

std::mutex g_mutex;
QString g_programFolder;

bool IsWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString XdgFolder(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location) + "/" + kXdgSubfolder;
}

} // namespace

void SetProgramFolder(const QString& folder) {
    std::lock_guard lock(g_mutex);
    g_programFolder = folder;
}

QString ProgramFolder() {
    {
        std::lock_guard lock(g_mutex);
        if (!g_programFolder.isEmpty())
            return g_programFolder;
    }
    return QCoreApplication::applicationDirPath();
}

QString SettingsFolder() {
    const QString folder = ProgramFolder();
    return IsWritableFolder(folder) ? folder : XdgFolder(QStandardPaths::GenericConfigLocation);
}

QString DataFolder() {
    const QString folder = ProgramFolder();
    return IsWritableFolder(folder) ? folder : XdgFolder(QStandardPaths::GenericDataLocation);
}

} // namespace paths

QString GetLibraryPath() {
    const QString library = paths::DataFolder() + "/Library";
    QDir().mkpath(library);
    return library;
}

QString GetLibraryFilePath(const std::string& name) {
    return GetLibraryPath() + "/" + cp936::ToUnicode(name);
}

bool IsFileInLibrary(const std::string& name) {
    const QDir library(GetLibraryPath());
    const QString wanted = cp936::ToUnicode(name);
    for (const QString& entry : library.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (entry == wanted)
            return true;
    return false;
}

bool IsPlainFileName(const std::string& name) {
    const QString text = cp936::ToUnicode(name);
    if (text.isEmpty() || text == "." || text == "..")
        return false;
    for (const QChar c : text)
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
            return false;
    return true;
}

QString GetSetupFilePath() {
    return paths::SettingsFolder() + "/dvsetup.ini";
}
