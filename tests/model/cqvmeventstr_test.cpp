// Event texts of every kind: parsing into fields and the parse-failure
// messages.

#include "model/cqvmeventstr.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Getter = std::string (CQvmEventStr::*)() const;

// Every field getter by a short name.
const std::vector<std::pair<const char*, Getter>>& AllGetters() {
    static const std::vector<std::pair<const char*, Getter>> getters = {
        {"Word", &CQvmEventStr::GetWord},
        {"RsEventName", &CQvmEventStr::GetRsEventName},
        {"RsLibName", &CQvmEventStr::GetRsLibName},
        {"RsFunction", &CQvmEventStr::GetRsFunction},
        {"RsBaud", &CQvmEventStr::GetRsBaud},
        {"RsDataBits", &CQvmEventStr::GetRsDataBits},
        {"RsStopBits", &CQvmEventStr::GetRsStopBits},
        {"RsParity", &CQvmEventStr::GetRsParity},
        {"RsFormat", &CQvmEventStr::GetRsFormat},
        {"RsEndChar", &CQvmEventStr::GetRsEndChar},
        {"RsPort", &CQvmEventStr::GetRsPort},
        {"RsSendMode", &CQvmEventStr::GetRsSendMode},
        {"RsCount", &CQvmEventStr::GetRsCount},
        {"RsInterval", &CQvmEventStr::GetRsInterval},
        {"RsData", &CQvmEventStr::GetRsData},
        {"IrLibName", &CQvmEventStr::GetIrLibName},
        {"IrFunction", &CQvmEventStr::GetIrFunction},
        {"IrPort", &CQvmEventStr::GetIrPort},
        {"IrCarrier", &CQvmEventStr::GetIrCarrier},
        {"IrSendMode", &CQvmEventStr::GetIrSendMode},
        {"IrCount", &CQvmEventStr::GetIrCount},
        {"IrInterval", &CQvmEventStr::GetIrInterval},
        {"IrCode", &CQvmEventStr::GetIrCode},
        {"GpioEventName", &CQvmEventStr::GetGpioEventName},
        {"GpioPort", &CQvmEventStr::GetGpioPort},
        {"GpioDirection", &CQvmEventStr::GetGpioDirection},
        {"GpioLevel", &CQvmEventStr::GetGpioLevel},
        {"RelayPort", &CQvmEventStr::GetRelayPort},
        {"RelayState", &CQvmEventStr::GetRelayState},
        {"DelayHour", &CQvmEventStr::GetDelayHour},
        {"DelayMinute", &CQvmEventStr::GetDelayMinute},
        {"DelaySecond", &CQvmEventStr::GetDelaySecond},
        {"DelayHalf", &CQvmEventStr::GetDelayHalf},
        {"CmpEventName", &CQvmEventStr::GetCmpEventName},
        {"CmpPort", &CQvmEventStr::GetCmpPort},
        {"CmpFormat", &CQvmEventStr::GetCmpFormat},
        {"CmpEndChar", &CQvmEventStr::GetCmpEndChar},
        {"CmpMode", &CQvmEventStr::GetCmpMode},
        {"CmpData", &CQvmEventStr::GetCmpData},
        {"LedButton", &CQvmEventStr::GetLedButton},
        {"LedLight", &CQvmEventStr::GetLedLight},
        {"PageEventName", &CQvmEventStr::GetPageEventName},
        {"PageClass", &CQvmEventStr::GetPageClass},
        {"PageStart", &CQvmEventStr::GetPageStart},
        {"LoopEventName", &CQvmEventStr::GetLoopEventName},
        {"LoopId", &CQvmEventStr::GetLoopId},
        {"LoopKeyNo", &CQvmEventStr::GetLoopKeyNo},
        {"ToggleEventName", &CQvmEventStr::GetToggleEventName},
        {"ToggleButton", &CQvmEventStr::GetToggleButton},
        {"ToggleStart", &CQvmEventStr::GetToggleStart},
    };
    return getters;
}

using Fields = std::map<std::string, std::string>;

// The getters that return something, by name: comparing with a literal map
// also proves that every other getter is empty.
Fields NonEmptyFields(const CQvmEventStr& e) {
    Fields out;
    for (const auto& [name, getter] : AllGetters()) {
        std::string value = (e.*getter)();
        if (!value.empty())
            out[name] = std::move(value);
    }
    return out;
}

struct ParseCase {
    std::string text;
    int kind;
    Fields fields;
};

void ExpectParses(const std::vector<ParseCase>& cases) {
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        ScriptedPrompter prompter;
        CQvmEventStr e(c.text);
        EXPECT_EQ(e.GetKind(), c.kind);
        EXPECT_EQ(NonEmptyFields(e), c.fields);
        EXPECT_TRUE(prompter.Texts().empty());
    }
}

const char* const kUartExample = "UART : Projector on : Projector : Power On : 9600 : 1 : 0 : 0 : 0 : 1 : 0 "
                                 ": 1 : 3 : 5 :5 :PWON";

} // namespace

TEST(EventParse, Rs232) {
    const Fields example = {
        {"Word", "UART"},
        {"RsEventName", "Projector on"},
        {"RsLibName", "Projector"},
        {"RsFunction", "Power On"},
        {"RsBaud", "9600"},
        {"RsDataBits", "1"},
        {"RsStopBits", "0"},
        {"RsParity", "0"},
        {"RsFormat", "0"},
        {"RsEndChar", "1"},
        {"RsPort", "0"},
        {"RsSendMode", "1"},
        {"RsCount", "3"},
        {"RsInterval", "5"},
        {"RsData", "PWON"},
    };
    auto with = [&](std::initializer_list<Fields::value_type> changes) {
        Fields f = example;
        for (const auto& [k, v] : changes)
            f[k] = v;
        return f;
    };
    ExpectParses({
        {kUartExample, kEventRs232, example},
        // Of two different interval copies the second remains.
        {"UART : Projector on : Projector : Power On : 9600 : 1 : 0 : 0 : 0 : 1 : 0 : 1 : 3 : 5 :7 :PWON",
         kEventRs232, with({{"RsInterval", "7"}})},
        // The data keeps its colons and its leading blank.
        {"UART : Projector on : Projector : Power On : 9600 : 1 : 0 : 0 : 0 : 1 : 0 : 1 : 3 : 5 :5 : A:B:C",
         kEventRs232, with({{"RsData", " A:B:C"}})},
        // Blanks around the name fields are not part of them; the trailing
        // blanks of the data are lost to the trimming of the whole text.
        {"\t UART:  Projector on\t:Projector:Power On:9600:1:0:0:0:1:0:1:3:5:5:PWON  \r\n", kEventRs232,
         example},
    });
}

TEST(EventParse, Ir) {
    const std::string code198(198, 'a');
    ExpectParses({
        // As the page writes it: a blank between the 9th colon and the code.
        {"INFR : TV : Power : 0 : 1 : 0 : 1 : 1 : c6 : " + code198,
         kEventIr,
         {{"Word", "INFR"},
          {"IrLibName", "TV"},
          {"IrFunction", "Power"},
          {"IrPort", "0"},
          {"IrCarrier", "1"},
          {"IrSendMode", "0"},
          {"IrCount", "1"},
          {"IrInterval", "1"},
          {"IrCode", code198}}},
        // Empty code.
        {"INFR : TV : Power : 2 : 0 : 2 : 5 : 9 : c6 :",
         kEventIr,
         {{"Word", "INFR"},
          {"IrLibName", "TV"},
          {"IrFunction", "Power"},
          {"IrPort", "2"},
          {"IrCarrier", "0"},
          {"IrSendMode", "2"},
          {"IrCount", "5"},
          {"IrInterval", "9"}}},
    });
}

TEST(EventParse, Gpio) {
    ExpectParses({
        {"GPIO : Door : 0 : 1 : 1 : 1",
         kEventGpio,
         {{"Word", "GPIO"},
          {"GpioEventName", "Door"},
          {"GpioPort", "0"},
          {"GpioDirection", "1"},
          {"GpioLevel", "1"}}},
        // An extra field goes into the tail, which no getter shows.
        {"GPIO : Door : 0 : 1 : 1 : 1 : 9",
         kEventGpio,
         {{"Word", "GPIO"},
          {"GpioEventName", "Door"},
          {"GpioPort", "0"},
          {"GpioDirection", "1"},
          {"GpioLevel", "1"}}},
    });
}

TEST(EventParse, RelayAndDelay) {
    ExpectParses({
        {"RELY : 1 : 0 : 0", kEventRelay, {{"Word", "RELY"}, {"RelayPort", "1"}, {"RelayState", "0"}}},
        {"DELY : 1 : 2 : 3 : 1 : 0102031",
         kEventDelay,
         {{"Word", "DELY"},
          {"DelayHour", "1"},
          {"DelayMinute", "2"},
          {"DelaySecond", "3"},
          {"DelayHalf", "1"}}},
    });
}

TEST(EventParse, Compare) {
    const Fields ack = {{"Word", "UCMP"},    {"CmpEventName", "Ack"}, {"CmpPort", "2"}, {"CmpFormat", "0"},
                        {"CmpEndChar", "1"}, {"CmpMode", "0"},        {"CmpData", "OK"}};
    Fields colons = ack;
    colons["CmpPort"] = "0";
    colons["CmpEndChar"] = "0";
    colons["CmpData"] = "a:b";
    Fields blank = colons;
    blank["CmpData"] = " OK";
    ExpectParses({
        {"UCMP : Ack : 2 : 0 : 1 :0 :OK", kEventCmp, ack},
        // Colons after the 6th belong to the data.
        {"UCMP : Ack : 0 : 0 : 0 :0 :a:b", kEventCmp, colons},
        // The data keeps its leading blank.
        {"UCMP : Ack : 0 : 0 : 0 :0 : OK", kEventCmp, blank},
    });
}

TEST(EventParse, LedPageLoopToggle) {
    const Fields led = {{"Word", "LEDP"}, {"LedButton", "3"}, {"LedLight", "1"}};
    ExpectParses({
        {"LEDP : 3 : 1 : 1", kEventLed, led},
        // Blanks around fields mean nothing; blanks before the word go.
        {"   LEDP:3:1:1", kEventLed, led},
        {"ENPG : Go page 2 : 0 :1 :0",
         kEventPage,
         {{"Word", "ENPG"}, {"PageEventName", "Go page 2"}, {"PageClass", "0"}, {"PageStart", "1"}}},
        {"CASD : Loop A : 5 : 12 : -",
         kEventLoop,
         {{"Word", "CASD"}, {"LoopEventName", "Loop A"}, {"LoopId", "5"}, {"LoopKeyNo", "12"}}},
        // Exactly N colons with nothing between them.
        {"CASD : : : :", kEventLoop, {{"Word", "CASD"}}},
        // A colon inside a name shifts the later fields.
        {"CASD : A:B : 5 : 12 : -",
         kEventLoop,
         {{"Word", "CASD"}, {"LoopEventName", "A"}, {"LoopId", "B"}, {"LoopKeyNo", "5"}}},
        {"LTOG : Lamp : 2 : 0 : 0",
         kEventToggle,
         {{"Word", "LTOG"}, {"ToggleEventName", "Lamp"}, {"ToggleButton", "2"}, {"ToggleStart", "0"}}},
    });
}

TEST(EventParse, UnrecognisedTexts) {
    ExpectParses({
        {"", kEventNone, {}},
        {"   \t ", kEventNone, {}},
        {"RELY", kEventNone, {}},
        {": RELY : 1 : 0 : 0", kEventNone, {}},
        {"  : RELY : 1 : 0 : 0", kEventNone, {}},
        // The word is compared with case.
        {"uart : 0 : 0 : 0", kEventNone, {}},
        {"RELAY : 1 : 0 : 0", kEventNone, {}},
        {"RE LY : 1 : 0 : 0", kEventNone, {}},
    });
}

// A known word with fewer than N colons: the kind's message once, the kind
// kept and every getter empty, the word included.
TEST(EventParse, TooFewColonsShowTheKindsMessage) {
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"UART : a : b : 9600 : 1 : 0 : 0 : 0 : 1 : 0 : 1 : 3 : 5 :5", kEventRs232,
         "rs232 : Initialization failed"},
        {"INFR : TV : Power : 0 : 1 : 0 : 1 : 1 : c6", kEventIr, "ir : Initialization failed"},
        {"GPIO : Door : 0 : 1 : 1", kEventGpio, "GPIO : Initialization failed"},
        {"RELY : 1 : 0", kEventRelay, "Relay : Initialization failed"},
        {"DELY : 1 : 2 : 3 : 1", kEventDelay, "Delay : not enougth"},
        {"UCMP : Ack : 2 : 0 : 1 :0", kEventCmp, "Compare : Initialization failed"},
        {"LEDP : 3 : 1", kEventLed, "LED : Initialization failed"},
        {"ENPG : Go : 0 :1", kEventPage, "Page : Initialization failed"},
        {"CASD : Loop : 5 : 12", kEventLoop, "Loop : Initialization failed"},
        {"LTOG:", kEventToggle, "toggle : Initialization failed"},
    };
    for (const auto& [text, kind, message] : cases) {
        SCOPED_TRACE(text);
        ScriptedPrompter prompter;
        CQvmEventStr e(text);
        EXPECT_EQ(e.GetKind(), kind);
        EXPECT_EQ(NonEmptyFields(e), Fields{});
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{message});
    }
}

TEST(EventParse, UploadFormParsesTheSameWay) {
    ScriptedPrompter prompter;
    char buffer[160] = {};
    CQvmEventStr display(kUartExample);
    CQvmEventStr upload(kUartExample, buffer, 0);
    EXPECT_EQ(NonEmptyFields(upload), NonEmptyFields(display));
    EXPECT_EQ(upload.GetKind(), kEventRs232);
}

// Separating colons far beyond the first 256 characters still split the
// text correctly.
TEST(EventParse, LongNamesPushColonsFarOut) {
    ScriptedPrompter prompter;
    const std::string name(300, 'n');
    const std::string lib(400, 'l');
    CQvmEventStr e("UART : " + name + " : " + lib +
                   " : Power : 19200 : 1 : 0 : 2 : 1 : 2 : 1 : 2 : 7 : 8 :8 :x:y");
    EXPECT_EQ(e.GetRsEventName(), name);
    EXPECT_EQ(e.GetRsLibName(), lib);
    EXPECT_EQ(e.GetRsBaud(), "19200");
    EXPECT_EQ(e.GetRsParity(), "2");
    EXPECT_EQ(e.GetRsFormat(), "1");
    EXPECT_EQ(e.GetRsEndChar(), "2");
    EXPECT_EQ(e.GetRsPort(), "1");
    EXPECT_EQ(e.GetRsInterval(), "8");
    EXPECT_EQ(e.GetRsData(), "x:y");
    EXPECT_TRUE(prompter.Texts().empty());
}

// Names in code page 936 keep their double-byte characters whole.
TEST(EventParse, DoubleByteNames) {
    ScriptedPrompter prompter;
    // "\xb5\xc6" and "\xbf\xaa" are two double-byte characters.
    CQvmEventStr e("LTOG : \xb5\xc6 \xbf\xaa : 1 : 3 : 0");
    EXPECT_EQ(e.GetToggleEventName(), "\xb5\xc6 \xbf\xaa");
    EXPECT_EQ(e.GetToggleStart(), "3");
}
