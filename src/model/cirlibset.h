#pragma once
// An IR code library (".irr" file in the library folder): a name and a list
// of entries, each "function name : hex code" as the IR editor writes it.
//
// File layout (archive encoding):
//   library name   string
//   entry count    2 bytes below 0xFFFF, else 0xFFFF and 4 bytes
//   entries        count strings, in list order

#include "platform/carchive.h"

#include <QString>
#include <string>
#include <vector>

class CIrLibSet {
public:
    CIrLibSet() = default;
    virtual ~CIrLibSet() = default;
    CIrLibSet(const CIrLibSet&) = default;
    CIrLibSet& operator=(const CIrLibSet&) = default;

    // Storing writes the library; loading reads a whole library into a
    // temporary and takes it only when all of it was read, so a damaged file
    // throws CArchiveException and leaves this object as it was.
    void Serialize(CArchive& ar);

    // False for an empty path or a file that cannot be read; a short or
    // damaged file throws CArchiveException, the object unchanged.
    bool LoadFromFile(const QString& path);
    // Replaces the file whole; false when it could not be written, the old
    // file then untouched.
    bool SaveToFile(const QString& path);

    // Index of the first entry whose name is exactly `name`, else -1.
    int FindFunction(const std::string& name) const;
    // The name of entry i: its text before the first colon, trimmed; empty
    // for an index out of range or an entry without a colon or starting with
    // one.
    std::string GetFunctionName(int i) const;
    // The whole entry i; empty for an index out of range.
    std::string GetEntry(int i) const;
    // The names of the entries (GetFunctionName), in list order.
    std::vector<std::string> FunctionNames() const;

    std::string m_strName;
    std::vector<std::string> m_arrFunctions;

    bool operator==(const CIrLibSet&) const = default;
};
