#include "editors/serialeventtext.h"

#include "platform/programpaths.h"
#include "platform/prompter.h"
#include "platform/textutil.h"

#include <algorithm>

namespace serialtext {

const std::vector<std::string> kBaudRates = {"2400",  "4800",  "9600",  "14400",
                                             "19200", "38400", "57600", "115200"};
const std::vector<std::string> kDataBits = {"7", "8"};
const std::vector<std::string> kStopBits = {"1", "1.5", "2"};
const std::vector<std::string> kParities = {"NONE", "ODD", "EVEN"};
const std::vector<std::string> kParitiesSevenBits = {"ODD", "EVEN"};

namespace {

constexpr char kCr = 0x0D;
constexpr char kLf = 0x0A;

// The end bytes an end character appends.
std::string_view EndBytes(int endChar) {
    static constexpr char crlf[] = {kCr, kLf};
    return std::string_view(crlf, size_t(EndByteCount(endChar)));
}

} // namespace

std::string CodeOfText(const std::vector<std::string>& entries, std::string_view text) {
    const auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? std::string() : std::to_string(it - entries.begin());
}

std::optional<std::string> TextOfCode(const std::vector<std::string>& entries, std::string_view code) {
    if (txt::IsBlank(code))
        return std::nullopt;
    const long n = txt::ToInt(code);
    if (n < 0 || n >= long(entries.size()))
        return std::nullopt;
    return entries[size_t(n)];
}

int EndByteCount(int endChar) {
    return endChar == CRS232LibFun::kEndCr ? 1 : endChar == CRS232LibFun::kEndCrLf ? 2 : 0;
}

std::optional<std::string> AsciiToHex(std::string_view text, int endChar) {
    const size_t n = std::min(text.size(), size_t(kMaxDataBytes - EndByteCount(endChar)));
    if (n == 0)
        return std::nullopt;
    std::string hex = txt::ToHex(text.substr(0, n), " ");
    for (char end : EndBytes(endChar))
        hex += " " + txt::ToHex(std::string_view(&end, 1));
    return hex;
}

bool SetFunctionData(CRS232LibFun& fun, std::string_view text) {
    const std::string trimmed = txt::Trim(text);
    fun.m_data.fill(0);
    fun.m_nLength = 0;
    if (fun.m_nFormat == CRS232LibFun::kFormatAscii) {
        if (trimmed.empty())
            return false;
        const std::string_view end = EndBytes(fun.m_nEndChar);
        const size_t n = txt::WholeCharLength(trimmed, size_t(kMaxDataBytes) - end.size());
        std::copy_n(trimmed.begin(), n, fun.m_data.begin());
        std::copy(end.begin(), end.end(), fun.m_data.begin() + long(n));
        fun.m_nLength = int(n + end.size());
        return n < trimmed.size();
    }
    size_t pos = 0;
    while (pos < trimmed.size()) {
        const size_t start = trimmed.find_first_not_of(' ', pos);
        if (start == std::string::npos)
            break;
        if (fun.m_nLength == kMaxDataBytes)
            return true;
        const size_t stop = std::min(trimmed.find(' ', start), trimmed.size());
        const char second = stop - start > 1 ? trimmed[start + 1] : '\0';
        fun.m_data[size_t(fun.m_nLength++)] = uint8_t(txt::HexPairValue(trimmed[start], second));
        pos = stop;
    }
    return false;
}

std::string ComposeUartText(const UartFields& f) {
    return txt::Compose("UART : %s : %s : %s : %s : %s : %s : %s : %d : %d : %d : %d : %d : %d :%d :",
                        {f.eventName, f.libName, f.function, f.baud, CodeOfText(kDataBits, f.dataBits),
                         CodeOfText(kStopBits, f.stopBits), CodeOfText(kParities, f.parity), f.format,
                         f.endChar, f.port, f.sendMode, f.count, f.interval, f.interval}) +
           f.data;
}

std::string ComposeUcmpText(const UcmpFields& f) {
    return txt::Compose("UCMP : %s : %d : %d : %d :%d :",
                        {f.eventName, f.port, f.format, f.endChar, f.compareMode}) +
           f.data;
}

namespace {

constexpr const char* kPort1Refused = "Port 1 is unavailable in this setting,\rplease select port 2 or 3";
constexpr const char* kPort2Refused = "Port 2 is unavailable in this setting,\rplease select port 1 or 3";
constexpr const char* kOnlyPort3 = "Port 1 and port 2 are unavailable in this setting,\rplease select port 3";
constexpr const char* kPort1RefusedOther =
    "Port 1 is unavailable in this setting,\rplease select other port.";

} // namespace

// By port mode: "RS232(1),(2)", "RS232(2),IR 2", "RS232(1),IR 3", "IR 2,3".
const PortTable kRs232PortTable = {{
    {},
    {{true, false, false}, false, kPort1Refused},
    {{false, true, false}, false, kPort2Refused},
    {{true, true, false}, true, kOnlyPort3},
}};

// The compare input never listens on port 1 of models 0 and 1.
const PortTable kComparePortTable = {{
    {{true, false, false}, false, kPort1RefusedOther},
    {{true, false, false}, false, kPort1RefusedOther},
    {{true, true, false}, false, kOnlyPort3},
    {{true, true, false}, true, kOnlyPort3},
}};

} // namespace serialtext
