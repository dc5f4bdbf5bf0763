#include "model/crs232libset.h"

#include "platform/fileio.h"

namespace {

// The fewest bytes one function record can take: five empty strings, three
// integers and the data bytes.
constexpr size_t kMinRecordSize = 5 * 1 + 3 * 4 + kRs232DataSize;

} // namespace

void CRS232LibSet::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_nCount = static_cast<int>(m_arrFunctions.size());
        ar.WriteString(m_strName);
        ar.WriteInt(m_nCount);
        for (CRS232LibFun& f : m_arrFunctions)
            f.Serialize(ar);
        return;
    }
    CRS232LibSet lib;
    lib.m_strName = ar.ReadString();
    lib.m_nCount = ar.ReadInt();
    if (lib.m_nCount < 0)
        throw CArchiveException("negative function count");
    if (static_cast<size_t>(lib.m_nCount) > ar.Remaining() / kMinRecordSize)
        throw CArchiveException("function count exceeds the file");
    lib.m_arrFunctions.reserve(static_cast<size_t>(lib.m_nCount));
    for (int i = 0; i < lib.m_nCount; ++i) {
        CRS232LibFun f;
        f.Serialize(ar);
        lib.m_arrFunctions.push_back(std::move(f));
    }
    *this = std::move(lib);
}

bool CRS232LibSet::LoadFromFile(const QString& path) {
    return fileio::LoadSerialized(*this, path);
}

bool CRS232LibSet::SaveToFile(const QString& path) {
    return fileio::SaveSerialized(*this, path);
}

int CRS232LibSet::FindFunction(const std::string& name) const {
    for (size_t i = 0; i < m_arrFunctions.size(); ++i) {
        if (m_arrFunctions[i].m_strName == name)
            return static_cast<int>(i);
    }
    return -1;
}

CRS232LibFun CRS232LibSet::GetFunction(const std::string& name) const {
    const int i = FindFunction(name);
    return i < 0 ? CRS232LibFun() : m_arrFunctions[static_cast<size_t>(i)];
}

std::vector<std::string> CRS232LibSet::FunctionNames() const {
    std::vector<std::string> names;
    for (const CRS232LibFun& fun : m_arrFunctions)
        names.push_back(fun.m_strName);
    return names;
}
