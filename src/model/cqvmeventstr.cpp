#include "model/cqvmeventstr.h"

#include "platform/prompter.h"
#include "platform/textutil.h"

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
     &CQvmEventStr::ParseRs232},
    {"INFR",
     kEventIr,
     9,
     {&CQvmEventStr::m_strIrLibName, &CQvmEventStr::m_strIrFunction, &CQvmEventStr::m_strIrPort,
      &CQvmEventStr::m_strIrCarrier, &CQvmEventStr::m_strIrSendMode, &CQvmEventStr::m_strIrCount,
      &CQvmEventStr::m_strIrInterval, &CQvmEventStr::m_strIrCodeLen, &CQvmEventStr::m_strIrCode},
     false,
     "ir : Initialization failed",
     &CQvmEventStr::ParseIr},
    {"GPIO",
     kEventGpio,
     5,
     {&CQvmEventStr::m_strGpioEventName, &CQvmEventStr::m_strGpioPort, &CQvmEventStr::m_strGpioDirection,
      &CQvmEventStr::m_strGpioLevel, &CQvmEventStr::m_strGpioLevelAgain},
     false,
     "GPIO : Initialization failed",
     &CQvmEventStr::ParseGpio},
    {"RELY",
     kEventRelay,
     3,
     {&CQvmEventStr::m_strRelayPort, &CQvmEventStr::m_strRelayState, &CQvmEventStr::m_strRelayStateAgain},
     false,
     "Relay : Initialization failed",
     &CQvmEventStr::ParseRelay},
    {"DELY",
     kEventDelay,
     5,
     {&CQvmEventStr::m_strDelayHour, &CQvmEventStr::m_strDelayMinute, &CQvmEventStr::m_strDelaySecond,
      &CQvmEventStr::m_strDelayHalf, &CQvmEventStr::m_strDelayPacked},
     false,
     "Delay : not enougth",
     &CQvmEventStr::ParseDelay},
    {"UCMP",
     kEventCmp,
     6,
     {&CQvmEventStr::m_strCmpEventName, &CQvmEventStr::m_strCmpPort, &CQvmEventStr::m_strCmpFormat,
      &CQvmEventStr::m_strCmpEndChar, &CQvmEventStr::m_strCmpMode, &CQvmEventStr::m_strCmpData},
     true,
     "Compare : Initialization failed",
     &CQvmEventStr::ParseCmp},
    {"LEDP",
     kEventLed,
     3,
     {&CQvmEventStr::m_strLedButton, &CQvmEventStr::m_strLedLight, &CQvmEventStr::m_strLedLightAgain},
     false,
     "LED : Initialization failed",
     &CQvmEventStr::ParseLed},
    {"ENPG",
     kEventPage,
     4,
     {&CQvmEventStr::m_strPageEventName, &CQvmEventStr::m_strPageClass, &CQvmEventStr::m_strPageStart,
      &CQvmEventStr::m_strPageTail},
     false,
     "Page : Initialization failed",
     &CQvmEventStr::ParsePage},
    {"CASD",
     kEventLoop,
     4,
     {&CQvmEventStr::m_strLoopEventName, &CQvmEventStr::m_strLoopId, &CQvmEventStr::m_strLoopKeyNo,
      &CQvmEventStr::m_strLoopTail},
     false,
     "Loop : Initialization failed",
     &CQvmEventStr::ParseLoop},
    {"LTOG",
     kEventToggle,
     4,
     {&CQvmEventStr::m_strToggleEventName, &CQvmEventStr::m_strToggleButton, &CQvmEventStr::m_strToggleStart,
      &CQvmEventStr::m_strToggleTail},
     false,
     "toggle : Initialization failed",
     &CQvmEventStr::ParseToggle},
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
