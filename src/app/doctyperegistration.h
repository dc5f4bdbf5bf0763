#pragma once
// Registration of the project document type (*.dvp) for the current user, as
// the desktop expects it: a shared-mime-info package naming the type, its
// file pattern and icon, a desktop entry that opens such files with this
// program, and the program's icon in the user's icon theme ("hicolor", one
// picture per size), which both name. All live under $XDG_DATA_HOME
// (usually ~/.local/share). A file is only rewritten when its content
// changes, and only then are the desktop's caches refreshed. The user's own
// choice of default application (mimeapps.list) is never touched.

#include <QString>

namespace doctype {

constexpr const char* kMimeType = "application/x-quillet-dvp";
constexpr const char* kDescription = "Quillet Interpretation Files";
constexpr const char* kDesktopFileName = "vorle-control.desktop";
constexpr const char* kMimePackageFileName = "vorle-control-dvp.xml";
constexpr const char* kIconName = "vorle-control";

// The MIME package for files matching `pattern`, shown with the icon `icon`.
QString MimePackageText(const QString& mimeType, const QString& pattern, const QString& comment,
                        const QString& icon);
// The desktop entry that starts `executable` with the file to open.
QString DesktopEntryText(const QString& executable, const QString& mimeType, const QString& icon);
// `path` as one argument of a desktop entry's Exec line: quoted, with the
// characters the quoting and the entry's own escaping require.
QString QuoteExecArgument(const QString& path);

} // namespace doctype

// Registers files with `extension` (".dvp") as `mimeType` described by
// `description`, opened by `executable`; the program's icon is installed as
// `icon` and named by both. Errors are ignored.
void RegisterFileType(const QString& extension, const QString& executable, const QString& mimeType,
                      const QString& icon, const QString& description);
// RegisterFileType for project files and this program; run at every start.
void RegisterDocumentType();
