#pragma once
// An RS232 code library (".rss" file in the library folder): a name and its
// functions in file order.
//
// File layout (archive encoding):
//   library name      string
//   function count n  32-bit integer (not the 2-byte count of string arrays)
//   n records         CRS232LibFun, one after another

#include "model/crs232libfun.h"
#include "platform/carchive.h"

#include <QString>
#include <string>
#include <vector>

class CRS232LibSet {
public:
    CRS232LibSet() = default;
    virtual ~CRS232LibSet() = default;
    CRS232LibSet(const CRS232LibSet&) = default;
    CRS232LibSet& operator=(const CRS232LibSet&) = default;

    // Storing first sets m_nCount to the number of functions and writes it
    // as the count. Loading reads the whole library into a temporary and
    // takes it only when all of it was read: a count the file cannot hold, a
    // negative count or a short record throws CArchiveException and leaves
    // this object as it was.
    void Serialize(CArchive& ar);

    // False for an empty path or a file that cannot be read; a short or
    // damaged file throws CArchiveException, the object unchanged.
    bool LoadFromFile(const QString& path);
    // Replaces the file whole; false when it could not be written, the old
    // file then untouched.
    bool SaveToFile(const QString& path);

    // Index of the first function named exactly `name` (untrimmed), else -1.
    int FindFunction(const std::string& name) const;
    // A copy of the first function named `name`, or an empty function.
    CRS232LibFun GetFunction(const std::string& name) const;
    // The functions' names in file order.
    std::vector<std::string> FunctionNames() const;

    std::string m_strName;
    // Kept in step with the array by the editor; set from the array on
    // saving and from the file on loading.
    int m_nCount = 0;
    std::vector<CRS232LibFun> m_arrFunctions;

    bool operator==(const CRS232LibSet&) const = default;
};
