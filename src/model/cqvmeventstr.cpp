#include "model/cqvmeventstr.h"

#include "model/cqvmcmd.h"
#include "platform/prompter.h"
#include "platform/textutil.h"

#include <algorithm>
#include <array>
#include <vector>

// One kind of event text: its word, the number N of colons it needs, where
// the field after each colon goes and what happens to the tail.
struct CQvmEventStr::KindSpec {
    using Field = std::string CQvmEventStr::*;
    static constexpr int kMaxColons = 15;

    const char* word;
    int kind;
    int colons; // N
    // The field after colon k (1 to N-1) is fields[k-1]; the tail, after
    // colon N, is fields[N-1].
    std::array<Field, kMaxColons> fields;
    // UART and UCMP data keep their leading blanks; the other tails lose
    // their leading white space.
    bool tailAsWritten;
    // Shown when the text has fewer than N colons.
    const char* failMessage;
    void (CQvmEventStr::*parser)();
    // The Event List's type name.
    const char* typeName;
};

// The ten kinds, in the order in which their words are compared.
const CQvmEventStr::KindSpec CQvmEventStr::kKinds[10] = {
    {"UART",
     kEventRs232,
     15,
     {&CQvmEventStr::m_strRsEventName, &CQvmEventStr::m_strRsLibName, &CQvmEventStr::m_strRsFunction,
      &CQvmEventStr::m_strRsBaud, &CQvmEventStr::m_strRsDataBits, &CQvmEventStr::m_strRsStopBits,
      &CQvmEventStr::m_strRsParity, &CQvmEventStr::m_strRsFormat, &CQvmEventStr::m_strRsEndChar,
      &CQvmEventStr::m_strRsPort, &CQvmEventStr::m_strRsSendMode, &CQvmEventStr::m_strRsCount,
      // The page writes the interval twice; the second copy is the one kept.
      &CQvmEventStr::m_strRsInterval, &CQvmEventStr::m_strRsInterval, &CQvmEventStr::m_strRsData},
     true,
     "rs232 : Initialization failed",
     &CQvmEventStr::ParseRs232,
     "RS232"},
    {"INFR",
     kEventIr,
     9,
     {&CQvmEventStr::m_strIrLibName, &CQvmEventStr::m_strIrFunction, &CQvmEventStr::m_strIrPort,
      &CQvmEventStr::m_strIrCarrier, &CQvmEventStr::m_strIrSendMode, &CQvmEventStr::m_strIrCount,
      &CQvmEventStr::m_strIrInterval, &CQvmEventStr::m_strIrCodeLen, &CQvmEventStr::m_strIrCode},
     false,
     "ir : Initialization failed",
     &CQvmEventStr::ParseIr,
     "IR"},
    {"GPIO",
     kEventGpio,
     5,
     {&CQvmEventStr::m_strGpioEventName, &CQvmEventStr::m_strGpioPort, &CQvmEventStr::m_strGpioDirection,
      &CQvmEventStr::m_strGpioLevel, &CQvmEventStr::m_strGpioLevelAgain},
     false,
     "GPIO : Initialization failed",
     &CQvmEventStr::ParseGpio,
     "GPIO"},
    {"RELY",
     kEventRelay,
     3,
     {&CQvmEventStr::m_strRelayPort, &CQvmEventStr::m_strRelayState, &CQvmEventStr::m_strRelayStateAgain},
     false,
     "Relay : Initialization failed",
     &CQvmEventStr::ParseRelay,
     "Relay"},
    {"DELY",
     kEventDelay,
     5,
     {&CQvmEventStr::m_strDelayHour, &CQvmEventStr::m_strDelayMinute, &CQvmEventStr::m_strDelaySecond,
      &CQvmEventStr::m_strDelayHalf, &CQvmEventStr::m_strDelayPacked},
     false,
     "Delay : not enougth",
     &CQvmEventStr::ParseDelay,
     "Delay"},
    {"UCMP",
     kEventCmp,
     6,
     {&CQvmEventStr::m_strCmpEventName, &CQvmEventStr::m_strCmpPort, &CQvmEventStr::m_strCmpFormat,
      &CQvmEventStr::m_strCmpEndChar, &CQvmEventStr::m_strCmpMode, &CQvmEventStr::m_strCmpData},
     true,
     "Compare : Initialization failed",
     &CQvmEventStr::ParseCmp,
     "Compare"},
    {"LEDP",
     kEventLed,
     3,
     {&CQvmEventStr::m_strLedButton, &CQvmEventStr::m_strLedLight, &CQvmEventStr::m_strLedLightAgain},
     false,
     "LED : Initialization failed",
     &CQvmEventStr::ParseLed,
     "Led"},
    {"ENPG",
     kEventPage,
     4,
     {&CQvmEventStr::m_strPageEventName, &CQvmEventStr::m_strPageClass, &CQvmEventStr::m_strPageStart,
      &CQvmEventStr::m_strPageTail},
     false,
     "Page : Initialization failed",
     &CQvmEventStr::ParsePage,
     "Page"},
    {"CASD",
     kEventLoop,
     4,
     {&CQvmEventStr::m_strLoopEventName, &CQvmEventStr::m_strLoopId, &CQvmEventStr::m_strLoopKeyNo,
      &CQvmEventStr::m_strLoopTail},
     false,
     "Loop : Initialization failed",
     &CQvmEventStr::ParseLoop,
     "Loop"},
    {"LTOG",
     kEventToggle,
     4,
     {&CQvmEventStr::m_strToggleEventName, &CQvmEventStr::m_strToggleButton, &CQvmEventStr::m_strToggleStart,
      &CQvmEventStr::m_strToggleTail},
     false,
     "toggle : Initialization failed",
     &CQvmEventStr::ParseToggle,
     "Toggle"},
};

const CQvmEventStr::KindSpec* CQvmEventStr::FindKind(int kind) {
    for (const KindSpec& spec : kKinds)
        if (spec.kind == kind)
            return &spec;
    return nullptr;
}

int CQvmEventStr::KindOfWord(std::string_view word) {
    for (const KindSpec& spec : kKinds)
        if (word == spec.word)
            return spec.kind;
    return kEventNone;
}

CQvmEventStr::CQvmEventStr(std::string_view text) : CQvmEventStr(text, nullptr, 0) {}

CQvmEventStr::CQvmEventStr(std::string_view text, char* buffer, int position)
    : m_pOutBuf(buffer), m_nPos(position), m_strText(txt::Trim(text)) {
    Parse();
}

// ---------------------------------------------------------------------------
// Parsing

void CQvmEventStr::Parse() {
    if (m_strText.empty())
        return;
    m_nKind = kEventNone;
    const size_t colon = m_strText.find(':');
    if (colon == std::string::npos || colon == 0)
        return;
    const KindSpec* spec = FindKind(KindOfWord(txt::Trim(std::string_view(m_strText).substr(0, colon))));
    if (!spec)
        return;
    m_nKind = spec->kind;
    (this->*spec->parser)();
}

void CQvmEventStr::ParseRs232() {
    SplitFields(*FindKind(kEventRs232));
}
void CQvmEventStr::ParseIr() {
    SplitFields(*FindKind(kEventIr));
}
void CQvmEventStr::ParseGpio() {
    SplitFields(*FindKind(kEventGpio));
}
void CQvmEventStr::ParseRelay() {
    SplitFields(*FindKind(kEventRelay));
}
void CQvmEventStr::ParseDelay() {
    SplitFields(*FindKind(kEventDelay));
}
void CQvmEventStr::ParseCmp() {
    SplitFields(*FindKind(kEventCmp));
}
void CQvmEventStr::ParseLed() {
    SplitFields(*FindKind(kEventLed));
}
void CQvmEventStr::ParsePage() {
    SplitFields(*FindKind(kEventPage));
}
void CQvmEventStr::ParseLoop() {
    SplitFields(*FindKind(kEventLoop));
}
void CQvmEventStr::ParseToggle() {
    SplitFields(*FindKind(kEventToggle));
}

void CQvmEventStr::SplitFields(const KindSpec& spec) {
    // Colon positions of any size: a long name before a separating colon
    // must not wrap a position around. A double-byte character never holds
    // a colon byte, so a byte search is safe.
    std::vector<size_t> colons;
    colons.reserve(static_cast<size_t>(spec.colons));
    for (size_t i = 0; i < m_strText.size() && colons.size() < static_cast<size_t>(spec.colons); ++i)
        if (m_strText[i] == ':')
            colons.push_back(i);
    if (colons.size() < static_cast<size_t>(spec.colons)) {
        prompt::MessageBox(spec.failMessage);
        return;
    }

    const std::string_view text = m_strText;
    m_strWord = txt::Trim(text.substr(0, colons[0]));
    for (size_t k = 1; k < colons.size(); ++k) {
        const size_t begin = colons[k - 1] + 1;
        this->*spec.fields[k - 1] = txt::Trim(text.substr(begin, colons[k] - begin));
    }
    const std::string_view tail = text.substr(colons.back() + 1);
    this->*spec.fields[colons.size() - 1] = spec.tailAsWritten ? std::string(tail) : txt::TrimLeft(tail);
}

// ---------------------------------------------------------------------------
// Encoding

namespace {

// The data area of RS232 and compare events, and the hex digits it takes.
constexpr int kSerialDataBytes = 32;
constexpr int kSerialHexDigits = 2 * kSerialDataBytes;
// IR data: 99 bytes from at most 198 hex digits, the rest the letter 'F'.
constexpr int kIrDataBytes = 99;
constexpr int kIrCodeDigits = 2 * kIrDataBytes;
constexpr char kIrFill = 'F';

// The device's code for a baud rate text; any other text runs at 9600.
char BaudCode(const std::string& baud) {
    static const char* const kBauds[] = {"2400",  "4800",  "9600",  "14400",
                                         "19200", "38400", "57600", "115200"};
    for (int i = 0; i < 8; ++i)
        if (baud == kBauds[i])
            return static_cast<char>('1' + i);
    return '3';
}

// Bytes from pairs of hex digits; an odd last digit is dropped.
std::string HexBytes(std::string_view digits) {
    std::string bytes;
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes.push_back(static_cast<char>(txt::HexPairValue(digits[i], digits[i + 1])));
    return bytes;
}

long Num(const std::string& field) {
    return txt::ToInt(field);
}

} // namespace

void CQvmEventStr::Put(std::string_view bytes) {
    if (m_pOutBuf)
        std::copy(bytes.begin(), bytes.end(), m_pOutBuf + m_nPos);
    m_nPos += static_cast<int>(bytes.size());
}

void CQvmEventStr::PutGroup(long value, int width) {
    Put(txt::DigitGroup(value, width));
}

int CQvmEventStr::GetCode() const {
    return KindOfWord(txt::Trim(m_strWord));
}

int CQvmEventStr::Encode() {
    PutGroup(GetCode(), 2);
    // The word field holds one of the ten words or nothing: four NUL bytes
    // stand for an empty one.
    std::string word = m_strWord.substr(0, 4);
    word.resize(4, '\0');
    Put(word);
    WriteBlock();
    WriteData();
    return m_nPos;
}

void CQvmEventStr::WriteBlock() {
    if (!FindKind(m_nKind))
        return;
    const int start = m_nPos;
    Put(std::string(12, '0'));
    m_nPos = start;
    switch (m_nKind) {
    case kEventRs232:
        // One character each: port, baud, data bits, stop bits, parity and
        // send mode; then count and interval. The data length digits come
        // with the data.
        PutGroup(Num(m_strRsPort) + 1, 1);
        Put(std::string(1, BaudCode(m_strRsBaud)));
        PutGroup(Num(m_strRsDataBits) + 1, 1);
        PutGroup(Num(m_strRsStopBits) + 1, 1);
        PutGroup(Num(m_strRsParity) + 1, 1);
        PutGroup(Num(m_strRsSendMode) + 1, 1);
        PutGroup(Num(m_strRsCount), 2);
        PutGroup(Num(m_strRsInterval), 2);
        break;
    case kEventIr:
        WriteGroupBlock({Num(m_strIrPort) + 1, Num(m_strIrCarrier), Num(m_strIrSendMode) + 1,
                         Num(m_strIrCount), Num(m_strIrInterval)},
                        "99");
        break;
    case kEventGpio:
        WriteGpioBlock();
        break;
    case kEventRelay:
        WriteRelayBlock();
        break;
    case kEventDelay:
        WriteDelayBlock();
        break;
    case kEventCmp:
        WriteCmpBlock();
        break;
    case kEventLed:
        WriteLedBlock();
        break;
    case kEventPage:
        WritePageBlock();
        break;
    case kEventLoop:
        WriteLoopBlock();
        break;
    case kEventToggle:
        WriteToggleBlock();
        break;
    default:
        break;
    }
}

void CQvmEventStr::WriteGroupBlock(std::initializer_list<long> groups, std::string_view lengthDigits) {
    int used = 0;
    for (long value : groups) {
        PutGroup(value, 2);
        used += 2;
    }
    Put(std::string(static_cast<size_t>(10 - used), '0'));
    Put(lengthDigits);
}

void CQvmEventStr::WriteGpioBlock() {
    WriteGroupBlock({Num(m_strGpioPort) + 1, Num(m_strGpioDirection)}, "01");
}

void CQvmEventStr::WriteRelayBlock() {
    WriteGroupBlock({Num(m_strRelayPort) + 1}, "01");
}

void CQvmEventStr::WriteDelayBlock() {
    WriteGroupBlock({}, "07");
}

void CQvmEventStr::WriteCmpBlock() {
    // Ports 01-09 compare for equality, 11-19 for inclusion.
    std::string port = txt::DigitGroup(Num(m_strCmpPort) + 1, 2);
    if (m_strCmpMode == "1")
        port[0] = '1';
    Put(port);
    Put("00000000");
}

void CQvmEventStr::WriteLedBlock() {
    WriteGroupBlock({Num(m_strLedButton) + 1}, "01");
}

void CQvmEventStr::WritePageBlock() {
    WriteGroupBlock({Num(m_strPageClass) + 1, Num(m_strPageStart) + 1}, "01");
}

// The loop ID and key number are the numbers the Loop page shows, from 1.
void CQvmEventStr::WriteLoopBlock() {
    WriteGroupBlock({Num(m_strLoopId), Num(m_strLoopKeyNo)}, "01");
}

void CQvmEventStr::WriteToggleBlock() {
    WriteGroupBlock({Num(m_strToggleButton) + 1, Num(m_strToggleStart) + 1}, "01");
}

void CQvmEventStr::WriteData() {
    switch (m_nKind) {
    case kEventRs232:
        WriteRs232Data();
        break;
    case kEventIr:
        WriteIrData();
        break;
    case kEventGpio:
        WriteGpioData();
        break;
    case kEventRelay:
        WriteRelayData();
        break;
    case kEventDelay:
        WriteDelayData();
        break;
    case kEventCmp:
        WriteCmpData();
        break;
    case kEventLed:
        WriteLedData();
        break;
    case kEventPage:
    case kEventLoop:
    case kEventToggle:
        // The device reads one data byte that these kinds do not use; it
        // holds the frame buffer's fill, whatever the caller's buffer held.
        Put(std::string(1, kFrameFill));
        break;
    default:
        break;
    }
}

void CQvmEventStr::WriteRs232Data() {
    WriteSerialData(m_strRsFormat, m_strRsEndChar, m_strRsData);
}

void CQvmEventStr::WriteCmpData() {
    WriteSerialData(m_strCmpFormat, m_strCmpEndChar, m_strCmpData);
}

void CQvmEventStr::WriteSerialData(const std::string& format, const std::string& endChar,
                                   const std::string& data) {
    std::string area;
    switch (Num(format)) {
    case 0: // ASCII text, with its end bytes
        area = data;
        switch (Num(endChar)) {
        case 1:
            if (area.size() >= kSerialDataBytes)
                area.resize(kSerialDataBytes - 1);
            area += '\r';
            break;
        case 2:
            if (area.size() >= kSerialDataBytes - 1)
                area.resize(kSerialDataBytes - 2);
            area += "\r\n";
            break;
        default:
            if (area.size() > kSerialDataBytes)
                area.resize(kSerialDataBytes);
            break;
        }
        break;
    case 1: { // hex byte pairs; blanks between them do not count
        std::string digits;
        for (char c : data)
            if (c != ' ')
                digits.push_back(c);
        if (digits.size() > kSerialHexDigits)
            digits.resize(kSerialHexDigits);
        area = HexBytes(digits);
        break;
    }
    default:
        // No data, but the event keeps its full size: the device finds the
        // events of a frame by their fixed sizes.
        break;
    }
    PutGroup(static_cast<long>(area.size()), 2);
    area.resize(kSerialDataBytes, kFrameFill);
    Put(area);
}

void CQvmEventStr::WriteIrData() {
    std::string_view code = m_strIrCode;
    if (code.size() > kIrCodeDigits) {
        prompt::MessageBox("rs232 data over");
        code = code.substr(0, kIrCodeDigits);
    }
    std::string area = HexBytes(code);
    area.resize(kIrDataBytes, kIrFill);
    Put(area);
}

void CQvmEventStr::WriteGpioData() {
    PutGroup(Num(m_strGpioLevel), 1);
}

void CQvmEventStr::WriteRelayData() {
    PutGroup(Num(m_strRelayState), 1);
}

void CQvmEventStr::WriteDelayData() {
    PutGroup(Num(m_strDelayHour), 2);
    PutGroup(Num(m_strDelayMinute), 2);
    PutGroup(Num(m_strDelaySecond), 2);
    PutGroup(Num(m_strDelayHalf), 1);
}

void CQvmEventStr::WriteLedData() {
    PutGroup(Num(m_strLedLight), 1);
}

// ---------------------------------------------------------------------------
// Event List texts

namespace {

// "[name][separator]" when the name is not blank.
std::string NamePiece(const std::string& name, const char* separator) {
    const std::string trimmed = txt::Trim(name);
    return trimmed.empty() ? std::string() : trimmed + separator;
}

// A 0-based index shown from 1.
std::string PlusOne(const std::string& field) {
    return std::to_string(Num(field) + 1);
}

// How often an RS232 or IR event is sent, after "Send "; nothing for an
// unknown send mode.
std::string SendPiece(const std::string& mode, const std::string& count, const std::string& interval) {
    switch (Num(mode)) {
    case 0:
        return "Once";
    case 1:
        return "No.:" + count + ",Time:" + interval;
    case 2:
        return "Continue,Time:" + interval;
    default:
        return {};
    }
}

} // namespace

std::string CQvmEventStr::GetTypeName() const {
    const KindSpec* spec = FindKind(KindOfWord(m_strWord));
    return spec ? spec->typeName : std::string();
}

std::string CQvmEventStr::GetDescription() const {
    std::string d;
    switch (KindOfWord(m_strWord)) {
    case kEventRs232: {
        d = NamePiece(m_strRsEventName, ",");
        const std::string function = txt::Trim(m_strRsFunction);
        if (!function.empty())
            d += "Fun:" + function + ",";
        d += "Baud:" + m_strRsBaud + ",Port:" + PlusOne(m_strRsPort) + ",Send ";
        d += SendPiece(m_strRsSendMode, m_strRsCount, m_strRsInterval);
        break;
    }
    case kEventIr:
        d = "Lib:" + m_strIrLibName + ",Fun:" + m_strIrFunction + ",Port:" + PlusOne(m_strIrPort) + ",Send ";
        d += SendPiece(m_strIrSendMode, m_strIrCount, m_strIrInterval);
        break;
    case kEventGpio:
        d = NamePiece(m_strGpioEventName, ",") + "Port " + PlusOne(m_strGpioPort) + " ";
        d += Num(m_strGpioDirection) == 0 ? "as Input" : "as Output " + m_strGpioLevel;
        break;
    case kEventRelay:
        d = "Port " + PlusOne(m_strRelayPort) + " " + (Num(m_strRelayState) == 0 ? "On" : "Off");
        break;
    case kEventDelay:
        d = "Time Hour:" + m_strDelayHour + " Minute:" + m_strDelayMinute + " Second:" + m_strDelaySecond +
            (Num(m_strDelayHalf) == 0 ? "s" : ".5s");
        break;
    case kEventCmp:
        d = NamePiece(m_strCmpEventName, ", ") + "Port " + PlusOne(m_strCmpPort) + " ";
        break;
    case kEventLed: {
        static const char* const kLights[] = {"On", "Off", "On/All Off", "On/Group Off"};
        const long light = Num(m_strLedLight);
        d = "Button " + PlusOne(m_strLedButton) + " " +
            (light >= 0 && light < 4 ? kLights[light] : m_strLedLight);
        break;
    }
    case kEventPage:
        d = NamePiece(m_strPageEventName, ", ") + "Page Class:" + PlusOne(m_strPageClass) +
            ", Start No.:" + PlusOne(m_strPageStart);
        break;
    case kEventLoop:
        // Loop ID and key number are the numbers the Loop page shows.
        d = NamePiece(m_strLoopEventName, ", ") + "ID:" + m_strLoopId + ", Action Key:" + m_strLoopKeyNo;
        break;
    case kEventToggle:
        d = NamePiece(m_strToggleEventName, ", ") + "Button " + PlusOne(m_strToggleButton) + " : Start No. " +
            PlusOne(m_strToggleStart);
        break;
    default:
        break;
    }
    return d;
}
