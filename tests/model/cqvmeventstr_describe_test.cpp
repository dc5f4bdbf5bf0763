// Type names and one-line descriptions of the Event List, per kind.

#include "model/cqvmeventstr.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DescribeCase {
    std::string text;
    std::string description;
};

void ExpectDescribes(const std::string& typeName, const std::vector<DescribeCase>& cases) {
    for (const DescribeCase& c : cases) {
        SCOPED_TRACE(c.text);
        ScriptedPrompter prompter;
        const CQvmEventStr e(c.text);
        EXPECT_EQ(e.GetTypeName(), typeName);
        EXPECT_EQ(e.GetDescription(), c.description);
    }
}

} // namespace

TEST(EventDescribe, Rs232) {
    ExpectDescribes(
        "RS232",
        {
            {"UART : : Lib : : 9600 : 1 : 0 : 0 : 0 : 1 : 0 : 0 : 1 : 1 :1 :x", "Baud:9600,Port:1,Send Once"},
            {"UART : Proj : Lib : Power : 19200 : 1 : 0 : 0 : 0 : 1 : 1 : 1 : 3 : 5 :5 :x",
             "Proj,Fun:Power,Baud:19200,Port:2,Send No.:3,Time:5"},
            {"UART : Proj : : : 9600 : 1 : 0 : 0 : 0 : 1 : 0 : 2 : 3 : 10 :10 :x",
             "Proj,Baud:9600,Port:1,Send Continue,Time:10"},
            // An unknown send mode ends with "Send ".
            {"UART : : : Power : 9600 : 1 : 0 : 0 : 0 : 1 : 0 : 3 : 3 : 10 :10 :x",
             "Fun:Power,Baud:9600,Port:1,Send "},
            // The baud rate as stored; a non-numeric port reads as 0.
            {"UART : \t : : : 1200 : 1 : 0 : 0 : 0 : 1 : x : 0 : 1 : 1 :1 :x", "Baud:1200,Port:1,Send Once"},
        });
}

TEST(EventDescribe, Ir) {
    ExpectDescribes(
        "IR",
        {
            {"INFR : TV : Power : 1 : 1 : 2 : 1 : 4 : c6 : 00",
             "Lib:TV,Fun:Power,Port:2,Send Continue,Time:4"},
            // Library and function name are shown even when empty.
            {"INFR : : : 1 : 1 : 2 : 1 : 4 : c6 : 00", "Lib:,Fun:,Port:2,Send Continue,Time:4"},
            {"INFR : TV : Power : 0 : 0 : 0 : 1 : 1 : c6 : 00", "Lib:TV,Fun:Power,Port:1,Send Once"},
            {"INFR : TV : Power : 2 : 0 : 1 : 3 : 7 : c6 : 00", "Lib:TV,Fun:Power,Port:3,Send No.:3,Time:7"},
            {"INFR : TV : Power : 2 : 0 : 9 : 3 : 7 : c6 : 00", "Lib:TV,Fun:Power,Port:3,Send "},
        });
}

TEST(EventDescribe, Gpio) {
    ExpectDescribes("GPIO", {
                                {"GPIO : Door : 0 : 1 : 1 : 1", "Door,Port 1 as Output 1"},
                                {"GPIO : Door : 0 : 0 : 1 : 1", "Door,Port 1 as Input"},
                                {"GPIO : : 2 : 1 : 0 : 0", "Port 3 as Output 0"},
                            });
}

TEST(EventDescribe, Relay) {
    ExpectDescribes("Relay", {
                                 {"RELY : 2 : 1 : 1", "Port 3 Off"},
                                 {"RELY : 0 : 0 : 0", "Port 1 On"},
                                 {"RELY : 1 : 5 : 5", "Port 2 Off"},
                             });
}

TEST(EventDescribe, Delay) {
    ExpectDescribes("Delay", {
                                 {"DELY : 1 : 2 : 30 : 1 : 0102301", "Time Hour:1 Minute:2 Second:30.5s"},
                                 {"DELY : 1 : 2 : 30 : 0 : 0102300", "Time Hour:1 Minute:2 Second:30s"},
                                 {"DELY : 0 : 0 : 0 : 0 : 0000000", "Time Hour:0 Minute:0 Second:0s"},
                             });
}

// The compare description ends with the blank after the port number.
TEST(EventDescribe, Compare) {
    ExpectDescribes("Compare", {
                                   {"UCMP : : 2 : 0 : 1 :0 :OK", "Port 3 "},
                                   {"UCMP : Door : 2 : 0 : 1 :0 :OK", "Door, Port 3 "},
                               });
}

TEST(EventDescribe, Led) {
    ExpectDescribes("Led", {
                               {"LEDP : 0 : 0 : 0", "Button 1 On"},
                               {"LEDP : 1 : 1 : 1", "Button 2 Off"},
                               {"LEDP : 2 : 2 : 2", "Button 3 On/All Off"},
                               {"LEDP : 3 : 3 : 3", "Button 4 On/Group Off"},
                               // Any other light state as stored.
                               {"LEDP : 3 : 7 : 7", "Button 4 7"},
                               {"LEDP : 3 : -1 : -1", "Button 4 -1"},
                           });
}

TEST(EventDescribe, Page) {
    ExpectDescribes("Page", {
                                {"ENPG : : 0 :1 :0", "Page Class:1, Start No.:2"},
                                {"ENPG : Go : 0 :3 :0", "Go, Page Class:1, Start No.:4"},
                            });
}

// Loop ID and key number are shown as stored, not +1.
TEST(EventDescribe, Loop) {
    ExpectDescribes("Loop", {
                                {"CASD : Scene : 5 : 12 : -", "Scene, ID:5, Action Key:12"},
                                {"CASD : : 5 : 12 : -", "ID:5, Action Key:12"},
                            });
}

TEST(EventDescribe, Toggle) {
    ExpectDescribes("Toggle", {
                                  {"LTOG : : 1 : 0 : 0", "Button 2 : Start No. 1"},
                                  {"LTOG : Lamp : 2 : 3 : 0", "Lamp, Button 3 : Start No. 4"},
                              });
}

// An unrecognised word, or a known word whose parse failed, has neither.
TEST(EventDescribe, UnknownAndFailedTexts) {
    ExpectDescribes("", {
                            {"", ""},
                            {"HELLO : 1 : 2", ""},
                            {"uart : 0 : 0 : 0", ""},
                            {"RELY : 1 : 0", ""},
                            {"UART : Proj", ""},
                        });
}
