#pragma once
// Reading code library files for the library editors and pages, and the
// file dialog that picks one: it starts in the Library folder and shows the
// files of one library kind.

#include "platform/carchive.h"

#include "platform/prompter.h"

#include <QString>
#include <functional>
#include <optional>
#include <utility>

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

// The Open Lib / Change Lib step of the library editors and pages: asks for
// a library file and reads it whole. Once a file was chosen, `chosen` runs
// (a page empties what shows a library, so that it never keeps the old
// one's remains). True when the file was read: it then replaces `library`;
// a file that cannot be read whole leaves `library` as it was and shows
// `refusal`.
template <typename Library>
bool OpenLibraryFile(Library& library, const QString& extension, const char* refusal,
                     const std::function<void()>& chosen = {}) {
    const std::optional<QString> path = ChooseLibraryFile(extension, false);
    if (!path)
        return false;
    if (chosen)
        chosen();
    Library read;
    // A damaged file is refused like one that cannot be read.
    if (ReadLibraryFile(read, *path) != LibraryRead::Loaded) {
        prompt::MessageBox(refusal);
        return false;
    }
    library = std::move(read);
    return true;
}
