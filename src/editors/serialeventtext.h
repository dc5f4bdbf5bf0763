#pragma once
// What the RS232 page, the Compare page and the RS232 library editor share
// without a widget: the serial setting lists, ASCII data turned into hex
// pairs, a library function's data bytes from the data edit's text, the
// UART and UCMP event texts from field values, which ports the port mode
// takes away from the two pages, and reading RS232 library files.

#include "editors/portrule.h"
#include "model/crs232libfun.h"
#include "model/crs232libset.h"

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace serialtext {

// The entries of the serial setting lists, in list order. In an event text
// the data bits, stop bits and parity are written as the entry's index in
// these lists; the baud rate as its text.
extern const std::vector<std::string> kBaudRates;
extern const std::vector<std::string> kDataBits;
extern const std::vector<std::string> kStopBits;
extern const std::vector<std::string> kParities;
// The parity entries offered after the user chose 7 data bits.
extern const std::vector<std::string> kParitiesSevenBits;

// The most data bytes that go into a library function or an event's
// encoding, end bytes included.
constexpr int kMaxDataBytes = 32;

// The code of a list text, its index in `entries` as decimal text ("7" of
// the data bits gives "0"), or empty for a text the list does not hold.
std::string CodeOfText(const std::vector<std::string>& entries, std::string_view text);
// The list text of a code read from an event text, or nothing when the code
// is empty or outside the list.
std::optional<std::string> TextOfCode(const std::vector<std::string>& entries, std::string_view code);

// The number of end bytes an end character appends to ASCII data: 1 for CR
// (1), 2 for CR LF (2), none for any other value.
int EndByteCount(int endChar);

// ASCII data as hex pairs: the first bytes of `text` (at most 32 less the
// end bytes), each as two lower-case hex digits separated by single blanks,
// then "0d" for end character 1 or "0d 0a" for 2. An empty text gives
// nothing: the caller leaves its edit as it was.
std::optional<std::string> AsciiToHex(std::string_view text, int endChar);

// Fills the data bytes and the length of `fun` from the data edit's text,
// read by the function's own format and end character. The text is trimmed
// at both ends first. ASCII: the first bytes (at most 32 less the end bytes,
// ending after a whole character) and the end bytes; an empty text gives
// length 0. Hex: the text split at runs of blanks, each token's first two
// characters read as a hex number (0 when it does not begin with a hex
// digit), at most 32 tokens; tokens beyond the 32nd are dropped, as the
// device takes no more. True when the text held more than was kept.
bool SetFunctionData(CRS232LibFun& fun, std::string_view text);

// The fields of a UART event as the RS232 page reads them from its controls.
// The serial settings are the lists' texts; the codes are looked up here.
struct UartFields {
    std::string eventName;
    std::string libName;
    std::string function;
    std::string baud;
    std::string dataBits;
    std::string stopBits;
    std::string parity;
    int format = 0;
    int endChar = 0;
    int port = 0;
    int sendMode = 0;
    int count = 1;
    int interval = 1;
    std::string data;
};

// "UART : name : lib : function : baud : data bits : stop bits : parity :
// format : end : port : send mode : count : interval :interval :data", with
// the data as it stands right after the last colon. A list text the list
// does not hold writes an empty field.
std::string ComposeUartText(const UartFields& fields);

// The fields of a UCMP event as the Compare page reads them.
struct UcmpFields {
    std::string eventName; // trimmed by the caller
    int port = 0;          // -1 when the port list has no selection
    int format = 0;
    int endChar = 0;
    int compareMode = 0; // 0 equal, 1 include
    std::string data;
};

// "UCMP : name : port : format : end :mode :data".
std::string ComposeUcmpText(const UcmpFields& fields);

// The ports that each port mode takes away from the RS232 page and from the
// Compare page (see PortRefusal).
extern const PortTable kRs232PortTable;
extern const PortTable kComparePortTable;

} // namespace serialtext
