#include "model/crs232libfun.h"

#include "platform/textutil.h"

#include <algorithm>

void CRS232LibFun::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        for (const std::string* s : {&m_strName, &m_strBaud, &m_strDataBits, &m_strStopBits, &m_strParity})
            ar.WriteString(*s);
        ar.WriteInt(m_nFormat);
        ar.WriteInt(m_nEndChar);
        ar.WriteInt(m_nLength);
        for (uint8_t b : m_data)
            ar.WriteByte(b);
        return;
    }
    CRS232LibFun f;
    for (std::string* s : {&f.m_strName, &f.m_strBaud, &f.m_strDataBits, &f.m_strStopBits, &f.m_strParity})
        *s = ar.ReadString();
    f.m_nFormat = ar.ReadInt();
    f.m_nEndChar = ar.ReadInt();
    f.m_nLength = ar.ReadInt();
    for (uint8_t& b : f.m_data)
        b = ar.ReadByte();
    *this = std::move(f);
}

std::string CRS232LibFun::GetDataText() const {
    const char* data = reinterpret_cast<const char*>(m_data.data());
    if (m_nFormat != kFormatAscii) {
        const int n = std::clamp(m_nLength, 0, kRs232DataSize);
        return txt::ToHex(std::string_view(data, static_cast<size_t>(n)), " ");
    }
    // The length comes from the file and may be any value: the end bytes are
    // taken off in a wider type, so that no length overflows.
    long long n = m_nLength;
    if (m_nEndChar == kEndCr)
        n -= 1;
    else if (m_nEndChar == kEndCrLf)
        n -= 2;
    n = std::clamp<long long>(n, 0, kRs232DataSize);
    // The text ends at the first 0 byte, or after all 33 bytes when there is none.
    const std::string_view all(data, kRs232DataSize);
    const std::string_view text = all.substr(0, all.find('\0'));
    return std::string(text.substr(0, static_cast<size_t>(n)));
}
