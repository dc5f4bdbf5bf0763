// Encoded events, byte for byte, per kind; and random texts through every
// operation.

#include "model/cqvmeventstr.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

constexpr char kSentinel = '\x01';
constexpr int kScratchSize = 200;

struct EncodeCase {
    std::string text;
    std::string bytes;
    std::vector<std::string> messages = {};
};

std::string Dashes(size_t n) {
    return std::string(n, '-');
}
std::string Effs(size_t n) {
    return std::string(n, 'F');
}
const std::string kNoWord = "00\0\0\0\0"s;

void ExpectEncodes(const std::vector<EncodeCase>& cases) {
    for (const EncodeCase& c : cases) {
        SCOPED_TRACE(c.text);
        ScriptedPrompter prompter;
        char buffer[kScratchSize];
        std::memset(buffer, kSentinel, sizeof buffer);
        CQvmEventStr e(c.text, buffer, 0);
        prompter.Clear(); // parse messages are the parser tests' business
        const int n = e.Encode();
        ASSERT_EQ(n, static_cast<int>(c.bytes.size()));
        EXPECT_EQ(std::string(buffer, static_cast<size_t>(n)), c.bytes);
        EXPECT_EQ(buffer[n], kSentinel) << "written past the event";
        EXPECT_EQ(prompter.Texts(), c.messages);
    }
}

// An RS232 event on port 1 at 9600 8N1, sent once, count 1, interval 1,
// with the given data format, end character and data.
std::string Uart(const std::string& format, const std::string& end, const std::string& data) {
    return "UART : Name : Lib : Fun : 9600 : 1 : 0 : 0 : " + format + " : " + end +
           " : 0 : 0 : 1 : 1 :1 :" + data;
}
const std::string kUartHead = "60UART1321110101";

std::string Ir(const std::string& code) {
    return "INFR : TV : Power : 0 : 1 : 0 : 1 : 1 : c6 : " + code;
}
const std::string kIrHead = "61INFR010101010199";

} // namespace

TEST(EventEncode, Rs232Block) {
    ExpectEncodes({
        {"UART : Proj : Lib : Fun : 9600 : 1 : 0 : 0 : 0 : 1 : 0 : 0 : 3 : 5 :5 :PWR ON",
         "60UART132111030507PWR ON\r" + Dashes(25)},
        // Any baud text but the eight runs at code 3; stop bits 2 -> 3,
        // parity 1 -> 2, port 2 -> 3, send mode 1 -> 2.
        {"UART : : : : 1200 : 0 : 2 : 1 : 0 : 0 : 2 : 1 : 12 : 9 :9 :A", "60UART331322120901A" + Dashes(31)},
        {"UART : : : : 115200 : 1 : 1 : 2 : 0 : 0 : 1 : 2 : 99 : 1 :1 :", "60UART282233990100" + Dashes(32)},
        {"UART : : : : 2400 : 1 : 1 : 2 : 0 : 0 : 1 : 2 : 99 : 1 :1 :", "60UART212233990100" + Dashes(32)},
        // Values wider than their group keep their leading characters: port
        // 9 + 1 gives "1", count 100 gives "10"; a negative value its '-'.
        {"UART : : : : 9600 : 1 : 0 : 0 : 0 : 0 : 9 : 0 : 100 : -3 :-3 :", "60UART132111"
                                                                           "10-300" +
                                                                               Dashes(32)},
        {"UART : : : : 9600 : 1 : 0 : 0 : 0 : 0 : -5 : 0 : 1 : 1 :1 :", "60UART-321110101"
                                                                        "00" +
                                                                            Dashes(32)},
        // The second interval copy is the one sent.
        {"UART : : : : 9600 : 1 : 0 : 0 : 0 : 0 : 0 : 0 : 1 : 4 :6 :", "60UART1321110106"
                                                                       "00" +
                                                                           Dashes(32)},
    });
}

TEST(EventEncode, Rs232AsciiData) {
    const std::string d31(31, 'a'), d32(32, 'b'), d40(40, 'c');
    ExpectEncodes({
        {Uart("0", "0", "PWON"), kUartHead + "04PWON" + Dashes(28)},
        {Uart("0", "0", ""), kUartHead + "00" + Dashes(32)},
        // The leading blank of the data is sent.
        {Uart("0", "0", " OK"), kUartHead + "03 OK" + Dashes(29)},
        {Uart("0", "0", d40), kUartHead + "32" + d40.substr(0, 32)},
        {Uart("0", "1", d31), kUartHead + "32" + d31 + "\r"},
        {Uart("0", "1", d32), kUartHead + "32" + d32.substr(0, 31) + "\r"},
        {Uart("0", "2", d31), kUartHead + "32" + d31.substr(0, 30) + "\r\n"},
        {Uart("0", "2", "OK"), kUartHead + "04OK\r\n" + Dashes(28)},
        // An end character other than 0, 1 or 2 appends nothing and keeps at
        // most 32 bytes.
        {Uart("0", "7", "AB"), kUartHead + "02AB" + Dashes(30)},
        {Uart("0", "7", d40), kUartHead + "32" + d40.substr(0, 32)},
    });
}

TEST(EventEncode, Rs232HexData) {
    std::string a5x35;
    for (int i = 0; i < 35; ++i)
        a5x35 += "a5";
    ExpectEncodes({
        // Blanks removed, the odd last digit dropped.
        {Uart("1", "1", "01 0A ff 3"), kUartHead + "03" + "\x01\x0A\xFF" + Dashes(29)},
        // Seventy digits: the first 64 give 32 bytes.
        {Uart("1", "0", a5x35), kUartHead + "32" + std::string(32, '\xA5')},
        // A pair whose first character is no hex digit gives 0; one whose
        // second is none gives the value of its first.
        {Uart("1", "0", "G1 2Z"), kUartHead + "02" + "\x00\x02"s + Dashes(30)},
        {Uart("1", "0", ""), kUartHead + "00" + Dashes(32)},
    });
}

// A data format that is neither ASCII nor hex still takes the full 50
// bytes, so the events after it stay where the device looks for them.
TEST(EventEncode, Rs232UnknownFormatKeepsItsSize) {
    ExpectEncodes({
        {Uart("2", "1", "PWON"), kUartHead + "00" + Dashes(32)},
        {Uart("-1", "0", "PWON"), kUartHead + "00" + Dashes(32)},
    });
}

TEST(EventEncode, Ir) {
    std::string a5x99, a5x100;
    for (int i = 0; i < 99; ++i)
        a5x99 += "a5";
    a5x100 = a5x99 + "5a";
    ExpectEncodes({
        {Ir(a5x99), kIrHead + std::string(99, '\xA5')},
        {Ir("0123456789"), kIrHead + "\x01\x23\x45\x67\x89" + Effs(94)},
        {Ir(""), kIrHead + Effs(99)},
        // Too long: one message, then the first 198 digits.
        {Ir(a5x100), kIrHead + std::string(99, '\xA5'), {"rs232 data over"}},
        // Blanks inside the code are not removed: " 0" reads as 0.
        {Ir("01 02"), kIrHead + "\x01\x00"s + Effs(97)},
        // Port 2 -> 03, carrier as stored, send mode 2 -> 03, count, interval.
        {"INFR : TV : P : 2 : 0 : 2 : 10 : 99 : c6 : 0f", "61INFR0300031099"
                                                          "99"
                                                          "\x0f" +
                                                              Effs(98)},
    });
}

TEST(EventEncode, GpioRelayDelayLed) {
    ExpectEncodes({
        {"GPIO : Door : 0 : 1 : 1 : 1", "62GPIO0101000000011"},
        {"GPIO : Door : 2 : 0 : 0 : 0", "62GPIO0300000000010"},
        {"RELY : 1 : 0 : 0", "63RELY0200000000010"},
        {"RELY : 0 : 1 : 1", "63RELY0100000000011"},
        {"DELY : 1 : 2 : 30 : 1 : 0102301", "64DELY000000000007"
                                            "0102301"},
        {"DELY : 23 : 59 : 59 : 0 : 2359590", "64DELY000000000007"
                                              "2359590"},
        {"LEDP : 3 : 2 : 2", "66LEDP0400000000012"},
        {"LEDP : 7 : 3 : 3", "66LEDP0800000000013"},
    });
}

TEST(EventEncode, Compare) {
    ExpectEncodes({
        // Equal on port 3: 03; include: 13.
        {"UCMP : Ack : 2 : 0 : 1 :0 :OK", "65UCMP0300000000"
                                          "03OK\r" +
                                              Dashes(29)},
        {"UCMP : Ack : 2 : 0 : 1 :1 :OK", "65UCMP1300000000"
                                          "03OK\r" +
                                              Dashes(29)},
        {"UCMP : : 0 : 1 : 0 :1 :ff 00", "65UCMP1100000000"
                                         "02"
                                         "\xff\x00"s +
                                             Dashes(30)},
        {"UCMP : : 0 : 0 : 2 :0 : OK", "65UCMP0100000000"
                                       "05 OK\r\n" +
                                           Dashes(27)},
        // Only a mode of exactly 1 means include.
        {"UCMP : : 0 : 0 : 0 :01 :x", "65UCMP0100000000"
                                      "01x" +
                                          Dashes(31)},
        {"UCMP : : 1 : 5 : 0 :0 :x", "65UCMP0200000000"
                                     "00" +
                                         Dashes(32)},
    });
}

// The unused data byte of page, loop and toggle events is the frame fill,
// whatever the caller's buffer held.
TEST(EventEncode, PageLoopToggle) {
    ExpectEncodes({
        {"ENPG : Go page 2 : 0 :1 :0", "67ENPG010200000001-"},
        {"ENPG : : 0 :3 :0", "67ENPG010400000001-"},
        // Loop ID and key number go as they stand, not +1.
        {"CASD : Loop A : 5 : 12 : -", "68CASD051200000001-"},
        {"LTOG : Lamp : 2 : 0 : 0", "69LTOG030100000001-"},
    });
}

// A word that is none of the ten is 6 bytes; a known word whose parse failed
// gets code 00 and four NUL bytes, then its kind's block and data from empty
// fields at full size.
TEST(EventEncode, UnknownAndFailedTexts) {
    ExpectEncodes({
        {"HELLO : 1 : 2", kNoWord},
        {"", kNoWord},
        {"uart : 0 : 0 : 0", kNoWord},
        {"UART : a", kNoWord +
                         "131111"
                         "00"
                         "00"
                         "00" +
                         Dashes(32)},
        {"INFR : a", kNoWord +
                         "0100010000"
                         "99" +
                         Effs(99)},
        {"GPIO : a", kNoWord + "0100000000"
                               "01"
                               "0"},
        {"RELY : 1 : 0", kNoWord + "0100000000"
                                   "01"
                                   "0"},
        {"DELY : 1", kNoWord + "0000000000"
                               "07"
                               "0000000"},
        {"UCMP : a", kNoWord +
                         "0100000000"
                         "00" +
                         Dashes(32)},
        {"LEDP : 1", kNoWord + "0100000000"
                               "01"
                               "0"},
        {"ENPG : a", kNoWord + "0101000000"
                               "01"
                               "-"},
        {"CASD : a", kNoWord + "0000000000"
                               "01"
                               "-"},
        {"LTOG : a", kNoWord + "0101000000"
                               "01"
                               "-"},
    });
}

TEST(EventEncode, StartsAtTheWritePosition) {
    ScriptedPrompter prompter;
    char buffer[kScratchSize];
    std::memset(buffer, kSentinel, sizeof buffer);
    CQvmEventStr e("RELY : 1 : 0 : 0", buffer, 10);
    EXPECT_EQ(e.Encode(), 29);
    EXPECT_EQ(std::string(buffer, 30), std::string(10, kSentinel) + "63RELY0200000000010" + kSentinel);
}

// Without an output buffer nothing is written, but the size is still told.
TEST(EventEncode, DisplayFormOnlyMeasures) {
    ScriptedPrompter prompter;
    EXPECT_EQ(CQvmEventStr("RELY : 1 : 0 : 0").Encode(), 19);
    EXPECT_EQ(CQvmEventStr(Uart("0", "0", "x")).Encode(), 50);
}

TEST(EventEncode, GetCodeFollowsTheWord) {
    ScriptedPrompter prompter;
    const std::map<std::string, int> codes = {
        {"UART", 60}, {"INFR", 61}, {"GPIO", 62}, {"RELY", 63}, {"DELY", 64}, {"UCMP", 65},
        {"LEDP", 66}, {"ENPG", 67}, {"CASD", 68}, {"LTOG", 69}, {"LTOGX", 0}, {"ltog", 0},
    };
    for (const auto& [word, code] : codes) {
        SCOPED_TRACE(word);
        CQvmEventStr e(word + " : : : : : : : : : : : : : : : :");
        EXPECT_EQ(e.GetCode(), code);
    }
    // A failed parse leaves the word empty, so the code is 0 though the kind
    // is known.
    CQvmEventStr failed("CASD : 1");
    EXPECT_EQ(failed.GetCode(), 0);
    EXPECT_EQ(failed.GetKind(), kEventLoop);
}
