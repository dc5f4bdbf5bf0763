#include "model/cqvmcmd.h"

#include "platform/prompter.h"
#include "platform/textutil.h"

#include <algorithm>
#include <cstring>

CQvmCmd::CQvmCmd(int mode, char* buffer, int length)
    : m_pBuf(buffer), m_nSize(kFrameBufferSize), m_nLen(length) {
    if (mode != 0)
        return;
    if (!buffer) {
        prompt::MessageBox("no assigned data");
        return;
    }
    std::memset(buffer, kFrameFill, kFrameBufferSize);
    buffer[kFrameBufferSize - 1] = '\0';
}

const char* CQvmCmd::WordOf(int code) {
    switch (code) {
    case kCodeDeviceId: return "SYSI";
    case kCodeKeyGroup: return "KYSG";
    case kCodeKeyName: return "KYNA";
    case kCodeKeyLight: return "LIPR";
    case kCodePortMode: return "UAIR";
    case kCodePress: return "PRES";
    case kCodeRelease: return "RELS";
    case kCodeToggle: return "TOGL";
    case kCodePage: return "PAGE";
    case kCodeVirtual: return "VIRT";
    case kCodeLong: return "LONG";
    case kCodeIoLow: return "IOHL";
    case kCodeIoHigh: return "IOLH";
    case kCodeStart: return "STUP";
    case kCodeTime: return "TOUT";
    default: return "NONE";
    }
}

void CQvmCmd::PutAt(int offset, std::string_view bytes) {
    if (!m_pBuf || offset < 0 || offset >= m_nSize)
        return;
    const size_t n = std::min(bytes.size(), static_cast<size_t>(m_nSize - offset));
    std::memcpy(m_pBuf + offset, bytes.data(), n);
}

void CQvmCmd::SetWord(int code) { PutAt(9, WordOf(code)); }

void CQvmCmd::SetKeyActionParams(int code, int key, int p1, int p2) {
    if (!m_pBuf)
        return;
    const auto group = [](long v, int w) { return txt::DigitGroup(v, w); };
    switch (code) {
    case kCodeDeviceId:
        PutAt(13, group(key, 2));
        m_nLen = 15;
        break;
    case kCodePortMode:
        PutAt(13, group(key, 1));
        m_nLen = 14;
        break;
    case kCodePress:
    case kCodeRelease:
    case kCodeVirtual:
        PutAt(13, group(key + 1L, 2) + "00");
        m_nLen = 17;
        break;
    case kCodeLong:
        // Offset 15 is not written and keeps the buffer's '-'.
        PutAt(13, group(key + 1L, 2));
        PutAt(16, "0");
        m_nLen = 17;
        break;
    case kCodeToggle:
    case kCodePage:
        PutAt(13, group(key + 1L, 2) + group(p1 + 1L, 1) + group(p2 + 1L, 1));
        m_nLen = 17;
        break;
    case kCodeIoLow:
    case kCodeIoHigh:
        PutAt(13, group(p1, 1) + "000");
        m_nLen = 17;
        break;
    case kCodeStart:
        PutAt(13, "0000");
        m_nLen = 17;
        break;
    case kCodeTime:
        PutAt(13, group(p1 + 1L, 1) + group(p2, 3));
        m_nLen = 17;
        break;
    default:
        break;
    }
}

uint8_t CQvmCmd::CalcSum(const char* p, int n) {
    uint8_t sum = 0;
    for (int i = 0; i < n; ++i)
        sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(p[i]));
    return sum;
}

void CQvmCmd::AppendChecksum() {
    if (!m_pBuf || m_nLen < 7 || m_nLen + 2 > m_nSize)
        return;
    const uint8_t sum = CalcSum(m_pBuf + 7, m_nLen - 7);
    PutAt(m_nLen, txt::Format("%02X", sum));
    m_nLen += 2;
}

void CQvmCmd::BeginFrame(int code) {
    if (!m_pBuf)
        return;
    PutAt(0, "QVM");
    PutAt(7, txt::DigitGroup(code, 2));
    SetWord(code);
    m_nLen = 13;
}

void CQvmCmd::Put(std::string_view bytes) {
    if (!m_pBuf)
        return;
    PutAt(m_nLen, bytes);
    m_nLen = std::min(m_nLen + static_cast<int>(bytes.size()), m_nSize);
}

void CQvmCmd::PutDigits(long value, int width) { Put(txt::DigitGroup(value, width)); }

void CQvmCmd::EndFrame() {
    // Room for checksum, "ENND" and the NUL.
    if (!m_pBuf || m_nLen < 13 || m_nLen + 7 > m_nSize)
        return;
    PutAt(3, txt::DigitGroup(m_nLen - 7, 4));
    AppendChecksum();
    PutAt(m_nLen, "ENND");
    m_nLen += 4;
    m_pBuf[m_nLen] = '\0';
}

void CQvmCmd::BuildNoneFrame() {
    BeginFrame(kCodeNone);
    EndFrame();
}

void CQvmCmd::BuildKeyNameFrame(int key, std::string_view name) {
    BeginFrame(kCodeKeyName);
    PutDigits(key + 1L, 2);
    std::string fitted(name.substr(0, std::min<size_t>(name.size(), 4)));
    fitted.insert(0, 4 - fitted.size(), ' ');
    Put(fitted);
    EndFrame();
}

void CQvmCmd::BuildKeyGroupFrame(int group, uint32_t mask) {
    BeginFrame(kCodeKeyGroup);
    PutDigits(group, 2);
    const char bytes[4] = {static_cast<char>(mask >> 24), static_cast<char>(mask >> 16),
                           static_cast<char>(mask >> 8), static_cast<char>(mask)};
    Put(std::string_view(bytes, 4));
    EndFrame();
}

void CQvmCmd::BuildKeyLightFrame(int key, int level) {
    BeginFrame(kCodeKeyLight);
    PutDigits(key + 1L, 2);
    // Compared unsigned, so a negative level is sent as 9 too.
    PutDigits(static_cast<unsigned>(level) > 9u ? 9 : level, 1);
    EndFrame();
}

int CQvmCmd::GetDataLength() const {
    if (!m_pBuf || std::memcmp(m_pBuf, "QVM", 3) != 0)
        return 0;
    return static_cast<int>(txt::ToInt(std::string_view(m_pBuf + 3, 4)));
}

bool CQvmCmd::IsComplete() const {
    if (!m_pBuf || m_nLen < 12)
        return false;
    const int L = GetDataLength();
    if (L < 1 || L > kMaxFrameDataLength)
        return false;
    return m_nLen >= L + 12;
}

bool CQvmCmd::VerifyChecksum() const {
    if (!m_pBuf || m_nLen < 12)
        return false;
    const int L = static_cast<int>(txt::ToInt(std::string_view(m_pBuf + 3, 4)));
    // The sum covers offsets 7 .. 6 + L; the checksum digits follow at 7 + L.
    if (L < 1 || L > kMaxFrameDataLength || m_nLen < L + 9)
        return false;
    return txt::HexPairValue(m_pBuf[7 + L], m_pBuf[8 + L]) == CalcSum(m_pBuf + 7, L);
}

std::string CQvmCmd::GetLearnedIrHex() const {
    constexpr int kFirst = 13, kCount = 99;
    if (!m_pBuf || m_nLen < kFirst + kCount)
        return {};
    return txt::ToHex(std::string_view(m_pBuf + kFirst, kCount));
}

std::string_view CQvmCmd::Frame() const {
    if (!m_pBuf || m_nLen <= 0)
        return {};
    return std::string_view(m_pBuf, static_cast<size_t>(std::min(m_nLen, m_nSize)));
}
