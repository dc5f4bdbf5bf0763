#pragma once
// The parsed view of one event text, its encoding for the device and its
// type name and description for the Event List.
//
// An event text is a four-letter word followed by the kind's fields, each
// after a colon ("RELY : 1 : 0 : 0"). Every kind needs a fixed number N of
// colons; the text after the N-th colon is the kind's last field (the tail)
// and may itself hold colons. Fields are kept as the text wrote them; each
// reader converts what it needs.
//
// An object is made for one use and parsed once by its constructor. A known
// word with too few colons shows the kind's message and leaves every field
// (the word too) empty.

#include <initializer_list>
#include <string>
#include <string_view>

// Event kinds; they are also the event codes sent to the device.
enum EventKind {
    kEventNone = 0,
    kEventRs232 = 60,  // UART
    kEventIr = 61,     // INFR
    kEventGpio = 62,   // GPIO
    kEventRelay = 63,  // RELY
    kEventDelay = 64,  // DELY
    kEventCmp = 65,    // UCMP
    kEventLed = 66,    // LEDP
    kEventPage = 67,   // ENPG
    kEventLoop = 68,   // CASD
    kEventToggle = 69, // LTOG
};

// The most bytes one encoded event takes (an IR event). An output buffer
// must hold at least this many bytes from the write position.
constexpr int kMaxEncodedEventSize = 117;

class CQvmEventStr {
public:
    // For display and editing: no output buffer.
    explicit CQvmEventStr(std::string_view text);
    // For upload: Encode writes into `buffer` from `position` on.
    CQvmEventStr(std::string_view text, char* buffer, int position);
    virtual ~CQvmEventStr() = default;
    CQvmEventStr(const CQvmEventStr&) = delete;
    CQvmEventStr& operator=(const CQvmEventStr&) = delete;

    // 60-69 for the ten words, 0 for any other word.
    static int KindOfWord(std::string_view word);

    // --- Getters: copies of the fields as parsed ---------------------------
    int GetKind() const { return m_nKind; }
    std::string GetWord() const { return m_strWord; }

    std::string GetRsEventName() const { return m_strRsEventName; }
    std::string GetRsLibName() const { return m_strRsLibName; }
    std::string GetRsFunction() const { return m_strRsFunction; }
    std::string GetRsBaud() const { return m_strRsBaud; }
    std::string GetRsDataBits() const { return m_strRsDataBits; }
    std::string GetRsStopBits() const { return m_strRsStopBits; }
    std::string GetRsParity() const { return m_strRsParity; }
    std::string GetRsFormat() const { return m_strRsFormat; }
    std::string GetRsEndChar() const { return m_strRsEndChar; }
    std::string GetRsPort() const { return m_strRsPort; }
    std::string GetRsSendMode() const { return m_strRsSendMode; }
    std::string GetRsCount() const { return m_strRsCount; }
    std::string GetRsInterval() const { return m_strRsInterval; }
    std::string GetRsData() const { return m_strRsData; }

    std::string GetIrLibName() const { return m_strIrLibName; }
    std::string GetIrFunction() const { return m_strIrFunction; }
    std::string GetIrPort() const { return m_strIrPort; }
    std::string GetIrCarrier() const { return m_strIrCarrier; }
    std::string GetIrSendMode() const { return m_strIrSendMode; }
    std::string GetIrCount() const { return m_strIrCount; }
    std::string GetIrInterval() const { return m_strIrInterval; }
    std::string GetIrCode() const { return m_strIrCode; }

    std::string GetGpioEventName() const { return m_strGpioEventName; }
    std::string GetGpioPort() const { return m_strGpioPort; }
    std::string GetGpioDirection() const { return m_strGpioDirection; }
    std::string GetGpioLevel() const { return m_strGpioLevel; }

    std::string GetRelayPort() const { return m_strRelayPort; }
    std::string GetRelayState() const { return m_strRelayState; }

    std::string GetDelayHour() const { return m_strDelayHour; }
    std::string GetDelayMinute() const { return m_strDelayMinute; }
    std::string GetDelaySecond() const { return m_strDelaySecond; }
    std::string GetDelayHalf() const { return m_strDelayHalf; }

    std::string GetCmpEventName() const { return m_strCmpEventName; }
    std::string GetCmpPort() const { return m_strCmpPort; }
    std::string GetCmpFormat() const { return m_strCmpFormat; }
    std::string GetCmpEndChar() const { return m_strCmpEndChar; }
    std::string GetCmpMode() const { return m_strCmpMode; }
    std::string GetCmpData() const { return m_strCmpData; }

    std::string GetLedButton() const { return m_strLedButton; }
    std::string GetLedLight() const { return m_strLedLight; }

    std::string GetPageEventName() const { return m_strPageEventName; }
    std::string GetPageClass() const { return m_strPageClass; }
    std::string GetPageStart() const { return m_strPageStart; }

    std::string GetLoopEventName() const { return m_strLoopEventName; }
    std::string GetLoopId() const { return m_strLoopId; }
    std::string GetLoopKeyNo() const { return m_strLoopKeyNo; }

    std::string GetToggleEventName() const { return m_strToggleEventName; }
    std::string GetToggleButton() const { return m_strToggleButton; }
    std::string GetToggleStart() const { return m_strToggleStart; }

    // --- Encoding for upload -------------------------------------------------
    // Encoded event, offsets from the write position on entry:
    //   0   2   event code "%02d" (GetCode; "00" for an empty or unknown word)
    //   2   4   the word field's first four bytes, NUL bytes where it is empty
    //   6   10  parameter characters of the kind, '0' where none is given
    //   16  2   data length digits
    //   18  n   data part
    // Sizes: UART 50, INFR 117, DELY 25, UCMP 50, the other kinds 19, an
    // unknown word 6.

    // The event code from the word field (trimmed): 60-69, or 0.
    int GetCode() const;
    // Writes the whole event and returns the write position after it. The
    // writers advance the position by exactly the bytes they own; without an
    // output buffer (the display form) they write nothing but still advance.
    int Encode();
    void WriteBlock();
    void WriteData();

    // --- Event List -----------------------------------------------------------
    // Both are empty for an unknown word and for a text whose parse failed.
    std::string GetTypeName() const;
    std::string GetDescription() const;

private:
    struct KindSpec;
    static const KindSpec kKinds[10];
    static const KindSpec* FindKind(int kind);

    void Parse();
    void ParseRs232();
    void ParseIr();
    void ParseGpio();
    void ParseRelay();
    void ParseDelay();
    void ParseCmp();
    void ParseLed();
    void ParsePage();
    void ParseLoop();
    void ParseToggle();
    void SplitFields(const KindSpec& spec);

    void WriteGpioBlock();
    void WriteRelayBlock();
    void WriteDelayBlock();
    void WriteCmpBlock();
    void WriteLedBlock();
    void WritePageBlock();
    void WriteLoopBlock();
    void WriteToggleBlock();

    void WriteRs232Data();
    void WriteIrData();
    void WriteGpioData();
    void WriteRelayData();
    void WriteDelayData();
    void WriteCmpData();
    void WriteLedData();
    // The 2 data length digits and the 32-byte data area of RS232 and
    // compare events.
    void WriteSerialData(const std::string& format, const std::string& endChar, const std::string& data);
    // The 12 characters from offset 6 of the kinds whose parameters are
    // two-character groups: the groups from the start, '0' after them, the
    // fixed data length digits last.
    void WriteGroupBlock(std::initializer_list<long> groups, std::string_view lengthDigits);

    void Put(std::string_view bytes);
    void PutGroup(long value, int width);

    char* m_pOutBuf = nullptr;
    int m_nPos = 0;
    std::string m_strText;
    std::string m_strWord;
    int m_nKind = kEventNone;

    std::string m_strRsEventName;
    std::string m_strRsLibName;
    std::string m_strRsFunction;
    std::string m_strRsBaud;
    std::string m_strRsDataBits;
    std::string m_strRsStopBits;
    std::string m_strRsFormat;
    std::string m_strRsEndChar;
    std::string m_strRsParity;
    std::string m_strRsPort;
    std::string m_strRsSendMode;
    std::string m_strRsCount;
    std::string m_strRsInterval;
    std::string m_strRsData;

    std::string m_strIrLibName;
    std::string m_strIrFunction;
    std::string m_strIrPort;
    std::string m_strIrCarrier;
    std::string m_strIrSendMode;
    std::string m_strIrCount;
    std::string m_strIrInterval;
    std::string m_strIrCodeLen;
    std::string m_strIrCode;

    std::string m_strLoopEventName;
    std::string m_strLoopId;
    std::string m_strLoopKeyNo;
    std::string m_strLoopTail;

    std::string m_strCmpEventName;
    std::string m_strCmpPort;
    std::string m_strCmpFormat;
    std::string m_strCmpEndChar;
    std::string m_strCmpMode;
    std::string m_strCmpData;

    std::string m_strDelayHour;
    std::string m_strDelayMinute;
    std::string m_strDelaySecond;
    std::string m_strDelayHalf;
    std::string m_strDelayPacked;

    std::string m_strGpioEventName;
    std::string m_strGpioPort;
    std::string m_strGpioDirection;
    std::string m_strGpioLevel;
    std::string m_strGpioLevelAgain;

    std::string m_strLedButton;
    std::string m_strLedLight;
    std::string m_strLedLightAgain;

    std::string m_strPageEventName;
    std::string m_strPageClass;
    std::string m_strPageStart;
    std::string m_strPageTail;

    std::string m_strRelayPort;
    std::string m_strRelayState;
    std::string m_strRelayStateAgain;

    std::string m_strToggleEventName;
    std::string m_strToggleButton;
    std::string m_strToggleStart;
    std::string m_strToggleTail;
};
