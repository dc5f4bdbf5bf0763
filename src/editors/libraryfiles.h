#pragma once
// Reading code library files for the library editors and pages, and the
// file dialog that picks one: it starts in the Library folder and shows the
// files of one library kind.

#include "platform/carchive.h"

#include <QString>
#include <optional>

// `extension` without its dot ("irr", "rss"). The chosen path, or nothing
// when the user cancelled.
std::optional<QString> ChooseLibraryFile(const QString& extension, bool save);

enum class LibraryRead { Loaded, Unreadable, Damaged };

// Loads a library (CIrLibSet, CRS232LibSet) from its file. A damaged file
// leaves the library as it was and is told apart from one that cannot be
// opened, so the caller can say so.
template <typename Library> LibraryRead ReadLibraryFile(Library& library, const QString& path) {
    try {
        return library.LoadFromFile(path) ? LibraryRead::Loaded : LibraryRead::Unreadable;
    } catch (const CArchiveException&) {
        return LibraryRead::Damaged;
    }
}
