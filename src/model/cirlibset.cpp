#include "model/cirlibset.h"

#include "platform/fileio.h"
#include "platform/textutil.h"

namespace {

// The name part of an entry, or nothing when the entry has none.
bool EntryName(const std::string& entry, std::string& name) {
    const size_t colon = entry.find(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    name = txt::Trim(std::string_view(entry).substr(0, colon));
    return true;
}

} // namespace

void CIrLibSet::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(m_strName);
        ar.WriteStringArray(m_arrFunctions);
        return;
    }
    CIrLibSet lib;
    lib.m_strName = ar.ReadString();
    lib.m_arrFunctions = ar.ReadStringArray();
    *this = std::move(lib);
}

bool CIrLibSet::LoadFromFile(const QString& path) {
    return fileio::LoadSerialized(*this, path);
}

bool CIrLibSet::SaveToFile(const QString& path) {
    return fileio::SaveSerialized(*this, path);
}

int CIrLibSet::FindFunction(const std::string& name) const {
    std::string entryName;
    for (size_t i = 0; i < m_arrFunctions.size(); ++i) {
        if (EntryName(m_arrFunctions[i], entryName) && entryName == name)
            return static_cast<int>(i);
    }
    return -1;
}

std::string CIrLibSet::GetFunctionName(int i) const {
    std::string name;
    if (i < 0 || static_cast<size_t>(i) >= m_arrFunctions.size() || !EntryName(m_arrFunctions[i], name))
        return {};
    return name;
}

std::string CIrLibSet::GetEntry(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= m_arrFunctions.size())
        return {};
    return m_arrFunctions[i];
}

std::vector<std::string> CIrLibSet::FunctionNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < static_cast<int>(m_arrFunctions.size()); ++i)
        names.push_back(GetFunctionName(i));
    return names;
}
