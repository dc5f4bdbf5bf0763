#pragma once
// One device frame over a caller's 2048-byte buffer.
//
//   offset  size   content
//   0       3      "QVM"
//   3       4      L, "%04d": bytes from offset 7 through the last parameter
//   7       2      code, "%02d"
//   9       4      the code's word
//   13      L-6    parameters (decimal digit groups, sometimes raw bytes)
//   7+L     2      checksum: 8-bit sum of the L bytes from offset 7, "%02X"
//   9+L     4      "ENND"
//   13+L    1      NUL, not sent
//
// A whole frame is L + 13 bytes; a received one counts as complete once
// L + 12 bytes are held.

#include <cstdint>
#include <string>
#include <string_view>

constexpr int kFrameBufferSize = 2048;
// Every byte of a frame buffer that nothing writes holds this character.
constexpr char kFrameFill = '-';
constexpr int kMaxFrameDataLength = 2035; // 2035 + 13 = 2048

// Frame codes.
enum FrameCode {
    kCodeNone = 3,
    kCodeDeviceId = 31,  // SYSI
    kCodeKeyGroup = 32,  // KYSG
    kCodeKeyName = 33,   // KYNA
    kCodeKeyLight = 34,  // LIPR
    kCodePortMode = 35,  // UAIR
    kCodePress = 40,     // PRES
    kCodeRelease = 41,   // RELS
    kCodeToggle = 42,    // TOGL
    kCodePage = 43,      // PAGE
    kCodeVirtual = 44,   // VIRT
    kCodeLong = 45,      // LONG
    kCodeIoLow = 50,     // IOHL
    kCodeIoHigh = 51,    // IOLH
    kCodeStart = 52,     // STUP
    kCodeTime = 53,      // TOUT
};

// Fixed command frames, sent as they stand.
inline constexpr std::string_view kConnectFrame = "QVM000602CONE87ENND";
inline constexpr std::string_view kClearFrame = "QVM000601CLRE87ENND";
inline constexpr std::string_view kForgetDeviceFrame = "QVM000681CLRE8FENND";
inline constexpr std::string_view kStudyIrFrame = "QVMSTUDYIRENND";
inline constexpr std::string_view kNormalModeFrame = "QVMNORMALMODEENND";

class CQvmCmd {
public:
    // Mode 0 builds: the buffer is filled with '-' and ends in a NUL; a null
    // buffer shows "no assigned data" and leaves the object unusable (every
    // operation then does nothing). Any other mode checks `length` received
    // bytes and leaves the buffer as it is.
    CQvmCmd(int mode, char* buffer, int length);
    virtual ~CQvmCmd() = default;

    // The word of a code; "NONE" for any code without one.
    static const char* WordOf(int code);

    void SetWord(int code);
    void SetKeyActionParams(int code, int key, int p1, int p2);
    void AppendChecksum();
    static uint8_t CalcSum(const char* p, int n);

    void BuildNoneFrame();
    void BuildKeyNameFrame(int key, std::string_view name);
    void BuildKeyGroupFrame(int group, uint32_t mask);
    void BuildKeyLightFrame(int key, int level);

    // Frame assembly for callers that write their own parameters: BeginFrame
    // writes "QVM", the code and its word and sets the write position to 13;
    // EndFrame writes the length digits from the write position, the
    // checksum, "ENND" and the NUL, after which m_nLen is the number of
    // bytes to send. Put writes at the write position and advances it;
    // nothing is written past the buffer.
    void BeginFrame(int code);
    void Put(std::string_view bytes);
    void PutDigits(long value, int width);
    void EndFrame();

    // Received frames.
    int GetDataLength() const;
    bool IsComplete() const;
    bool VerifyChecksum() const;
    std::string GetLearnedIrHex() const;

    // The bytes to send after a build: m_nLen bytes from the start.
    std::string_view Frame() const;
    bool IsUsable() const { return m_pBuf != nullptr; }

    char* m_pBuf;
    int m_nSize;
    int m_nLen;

private:
    void PutAt(int offset, std::string_view bytes);
};
