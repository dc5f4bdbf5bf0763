// The frames of an upload, byte for byte, from a small configuration worked
// out by hand.

#include "device/uploadplan.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const std::string kRelay1 = "RELY : 1 : 0 : 0"; // 63RELY0200000000010
const std::string kRelay2 = "RELY : 0 : 1 : 1"; // 63RELY0100000000011
const std::string kLed1 = "LEDP : 3 : 2 : 2";   // 66LEDP0400000000012
const std::string kLed2 = "LEDP : 7 : 3 : 3";   // 66LEDP0800000000013
const std::string kDelay = "DELY : 1 : 2 : 30 : 1 : 0102301";
const std::string kUart = "UART : Proj : Lib : Fun : 9600 : 1 : 0 : 0 : 0 : 1 : 0 : 0 : 3 : 5 :5 :PWR ON";
const std::string kUartBytes = "60UART132111030507PWR ON\r" + std::string(25, '-');
const std::string kIrBytes = "61INFR010101010199" + std::string(99, '\xA5');

std::string IrText() {
    std::string code;
    for (int i = 0; i < 99; ++i)
        code += "a5";
    return "INFR : TV : Power : 0 : 1 : 0 : 1 : 1 : c6 : " + code;
}

// Model 0, port mode 1, device ID 3: names, LED levels and groups on some
// keys, and one key action of every kind.
UploadPlan::Keys SmallConfiguration() {
    UploadPlan::Keys keys;
    keys[0].m_strName = "AB";
    keys[0].m_nLedLevel = 3;
    keys[0].m_nGroup = 2;
    keys[0].m_nRepeatDelay = 5;
    keys[0].m_arrSlots[kSlotPress] = {kRelay1, "  ", kLed1};
    keys[0].m_arrSlots[kSlotRelease] = {"  "}; // a placeholder only: nothing sent
    keys[1].m_nGroup = 5;
    keys[1].m_arrSlots[kSlotLong] = {kRelay2};
    keys[2].m_strName = "ABCDEF";
    keys[2].m_nLedLevel = 12;
    keys[2].m_nGroup = 2;
    keys[3].m_nParamA = 2;
    keys[3].m_arrSlots[21] = {kLed2}; // toggle, state 2 of 3
    keys[4].m_nParamA = 2;
    keys[4].m_arrSlots[12] = {"", kRelay1}; // page class 2, page 1
    keys[5].m_nRepeatDelay = 37;
    keys[5].m_arrSlots[kSlotPress] = {kRelay2};
    keys[6].m_nRepeatDelay = 123;
    keys[6].m_arrSlots[kSlotPress] = {kRelay2};
    keys[7].m_strName = "K8";
    keys[7].m_nLedLevel = -1;
    keys[10].m_strName = "X";
    keys[10].m_nGroup = 7; // not a counted key: no group frame
    keys[20].m_arrSlots[kSlotVirtual] = {kRelay1};
    keys[31].m_strName = "END!";
    keys[32].m_strName = "no"; // names are sent for keys 1-32 only
    keys[32].m_nTimer = {10, 45, 7};
    keys[32].m_arrSlots[32] = {kDelay};
    keys[32].m_arrSlots[34] = {kRelay2}; // the fourth timer sends the first value
    keys[33].m_arrSlots[24] = {kRelay1};
    keys[33].m_arrSlots[29] = {kRelay1};
    keys[35].m_arrSlots[kSlotStart] = {kDelay};
    return keys;
}

// Every non-empty key action's frame, key by key and slot by slot.
std::vector<std::string> KeyActionFrames(const UploadPlan& plan) {
    std::vector<std::string> frames;
    for (int k = 0; k < kKeyCount; ++k)
        for (int s = 0; s < kSlotCount; ++s)
            if (!plan.IsKeyActionEmpty(k, s))
                frames.push_back(plan.BuildKeyActionFrame(k, s).bytes);
    return frames;
}

} // namespace

TEST(UploadPlan, SetupFramesOfModel0) {
    const UploadPlan plan(SmallConfiguration(), 0, 1, 3);
    const std::vector<std::string> expected = {
        "QVM000831SYSI030FENND",
        "QVM000735UAIR1CAENND",
        "QVM001233KYNA01  ABBDENND",
        "QVM001233KYNA02    7BENND",
        "QVM001233KYNA03ABCD06ENND",
        "QVM001233KYNA04    7DENND",
        "QVM001233KYNA05    7EENND",
        "QVM001233KYNA06    7FENND",
        "QVM001233KYNA07    80ENND",
        "QVM001233KYNA08  K8C4ENND",
        "QVM001233KYNA09    82ENND",
        "QVM001233KYNA10    7AENND",
        "QVM001233KYNA11   XB3ENND",
        "QVM001233KYNA12    7CENND",
        "QVM001233KYNA13    7DENND",
        "QVM001233KYNA14    7EENND",
        "QVM001233KYNA15    7FENND",
        "QVM001233KYNA16    80ENND",
        "QVM001233KYNA17    81ENND",
        "QVM001233KYNA18    82ENND",
        "QVM001233KYNA19    83ENND",
        "QVM001233KYNA20    7BENND",
        "QVM001233KYNA21    7CENND",
        "QVM001233KYNA22    7DENND",
        "QVM001233KYNA23    7EENND",
        "QVM001233KYNA24    7FENND",
        "QVM001233KYNA25    80ENND",
        "QVM001233KYNA26    81ENND",
        "QVM001233KYNA27    82ENND",
        "QVM001233KYNA28    83ENND",
        "QVM001233KYNA29    84ENND",
        "QVM001233KYNA30    7CENND",
        "QVM001233KYNA31    7DENND",
        "QVM001233KYNA32END!F6ENND",
        "QVM000934LIPR01332ENND",
        "QVM000934LIPR02030ENND",
        "QVM000934LIPR0393AENND", // level 12 is sent as 9
        "QVM000934LIPR04032ENND",
        "QVM000934LIPR05033ENND",
        "QVM000934LIPR06034ENND",
        "QVM000934LIPR07035ENND",
        "QVM000934LIPR0893FENND", // so is a negative level
        // Group 2: keys 1 and 3; group 5: key 2. Masks as raw bytes, most
        // significant first.
        "QVM001232KYSG02\x00\x00\x00\x05"
        "0AENND"s,
        "QVM001232KYSG05\x00\x00\x00\x02"
        "0AENND"s,
    };
    EXPECT_EQ(plan.SetupFrames(), expected);
    EXPECT_EQ(plan.GroupMask(), 0x12u);
}

TEST(UploadPlan, KeyActionFramesOfEveryKind) {
    ScriptedPrompter prompter;
    const UploadPlan plan(SmallConfiguration(), 0, 1, 3);
    const std::vector<std::string> expected = {
        // Press with repeat delay 5: header 01 05; three texts, the blank
        // second one is counted but not sent.
        "QVM005440PRES0105030163RELY02000000000100366LEDP0400000000012ABENND",
        // Long leaves header byte 15 as the fill character.
        "QVM003345LONG02-0010163RELY010000000001132ENND",
        "QVM003342TOGL0433010166LEDP080000000001335ENND",
        "QVM003343PAGE0532020263RELY02000000000102AENND",
        // Repeat delays 37 and 123.
        "QVM003340PRES0637010163RELY010000000001148ENND",
        "QVM003340PRES0712010163RELY010000000001142ENND",
        "QVM003344VIRT2100010163RELY02000000000104AENND",
        // Timer 2 with 45 minutes; timer 4 with the first timer value, 10.
        "QVM003953TOUT2045010164DELY000000000007010230177ENND",
        "QVM003353TOUT4010010163RELY010000000001153ENND",
        "QVM003350IOHL1000010163RELY02000000000102CENND",
        "QVM003351IOLH2000010163RELY02000000000102EENND",
        "QVM003952STUP0000010164DELY00000000000701023016BENND",
    };
    EXPECT_EQ(KeyActionFrames(plan), expected);
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_FALSE(plan.BuildKeyActionFrame(0, kSlotPress).eventsDropped);
}

TEST(UploadPlan, Model2SendsNoDeviceIdAndNineteenLedLevels) {
    UploadPlan::Keys keys;
    keys[18].m_nLedLevel = 4;
    keys[18].m_nGroup = 32;
    keys[19].m_nGroup = 3; // key 20 is not counted on model 2 either
    const UploadPlan plan(keys, 2, 0, 7);
    const std::vector<std::string> frames = plan.SetupFrames();
    ASSERT_EQ(frames.size(), 1u + 32u + 19u + 1u);
    EXPECT_EQ(frames[0], "QVM000735UAIR0C9ENND");
    EXPECT_EQ(frames[1].substr(7, 8), "33KYNA01");
    EXPECT_EQ(frames[33], "QVM000934LIPR0102FENND");
    EXPECT_EQ(frames[41], "QVM000934LIPR09037ENND");
    EXPECT_EQ(frames[51], "QVM000934LIPR1943CENND");
    EXPECT_EQ(frames[52], "QVM001232KYSG32\x00\x04\x00\x00"
                          "0CENND"s);
    EXPECT_EQ(plan.GroupMask(), 0x80000000u);
    EXPECT_EQ(plan.ProgressRange(3), 3 + 58 + 1);
}

TEST(UploadPlan, ProgressRangeByModel) {
    UploadPlan::Keys keys;
    keys[0].m_nGroup = 2;
    keys[2].m_nGroup = 2;
    keys[1].m_nGroup = 5;
    keys[3].m_nGroup = 33; // outside 1-32: no group
    keys[4].m_nGroup = -1;
    // 6 + SYSI + UAIR + 32 KYNA + 8 LIPR = 48, and two groups.
    EXPECT_EQ(UploadPlan(keys, 0, 0, 0).ProgressRange(5), 5 + 48 + 2);
    EXPECT_EQ(UploadPlan(keys, 1, 0, 0).ProgressRange(0), 48 + 2);
    // Another model counts no keys: no LED levels and no groups are sent.
    const UploadPlan other(keys, 3, 0, 0);
    EXPECT_EQ(other.ProgressRange(1), 1 + 38);
    EXPECT_EQ(other.GroupMask(), 0u);
    const std::vector<std::string> frames = other.SetupFrames();
    ASSERT_EQ(frames.size(), 34u);
    EXPECT_EQ(frames[0].substr(9, 4), "SYSI");
    EXPECT_EQ(frames[33].substr(9, 4), "KYNA");
}

TEST(UploadPlan, EmptyKeyActions) {
    UploadPlan::Keys keys;
    keys[0].m_arrSlots[kSlotPress] = {""};
    keys[0].m_arrSlots[kSlotRelease] = {" \t"};
    keys[1].m_arrSlots[kSlotPress] = {"", ""}; // two blank texts: a frame with none
    const UploadPlan plan(keys, 0, 0, 0);
    EXPECT_TRUE(plan.IsKeyActionEmpty(0, kSlotPress));
    EXPECT_TRUE(plan.IsKeyActionEmpty(0, kSlotRelease));
    EXPECT_TRUE(plan.IsKeyActionEmpty(0, kSlotLong));
    ASSERT_FALSE(plan.IsKeyActionEmpty(1, kSlotPress));
    EXPECT_EQ(plan.BuildKeyActionFrame(1, kSlotPress).bytes, "QVM001240PRES020002C2ENND");
    // Outside the keys and slots: nothing.
    EXPECT_TRUE(plan.IsKeyActionEmpty(36, 0));
    EXPECT_TRUE(plan.IsKeyActionEmpty(0, 37));
    EXPECT_TRUE(plan.BuildKeyActionFrame(-1, 0).bytes.empty());
}

// 16 IR events of 119 bytes (number and encoding) bring the frame to 1923
// bytes; a 17th would end at 2042, beyond 2038.
TEST(UploadPlan, EventsBeyondTheFrameLimitAreLeftOut) {
    ScriptedPrompter prompter;
    UploadPlan::Keys keys;
    keys[0].m_arrSlots[kSlotPress] = std::vector<std::string>(18, IrText());
    const UploadPlan plan(keys, 0, 0, 0);
    const UploadPlan::KeyActionFrame frame = plan.BuildKeyActionFrame(0, kSlotPress);
    std::string expected = "QVM191640PRES0100"
                           "18";
    for (int i = 1; i <= 16; ++i)
        expected += (i < 10 ? "0" : "") + std::to_string(i) + kIrBytes;
    expected += "D1ENND";
    EXPECT_EQ(frame.bytes.size(), 1929u);
    EXPECT_EQ(frame.bytes, expected);
    EXPECT_TRUE(frame.eventsDropped);
    // The worker tells the user; the plan itself shows nothing.
    EXPECT_TRUE(prompter.Texts().empty());
}

// After 16 IR events, a UART event and three relay events end the frame at
// exactly 2038 bytes: all are taken; the relay event after them is not, and
// its number is not written either.
TEST(UploadPlan, TheFrameLimitIsInclusive) {
    UploadPlan::Keys keys;
    std::vector<std::string>& texts = keys[0].m_arrSlots[kSlotPress];
    texts.assign(16, IrText());
    texts.push_back(kUart);
    texts.insert(texts.end(), 3, kRelay1);
    std::string expected = "QVM203140PRES0100"
                           "20";
    for (int i = 1; i <= 16; ++i)
        expected += (i < 10 ? "0" : "") + std::to_string(i) + kIrBytes;
    expected += "17" + kUartBytes;
    expected += "1863RELY0200000000010"
                "1963RELY0200000000010"
                "2063RELY0200000000010";
    const UploadPlan::KeyActionFrame fits = UploadPlan(keys, 0, 0, 0).BuildKeyActionFrame(0, kSlotPress);
    EXPECT_FALSE(fits.eventsDropped);
    EXPECT_EQ(fits.bytes, expected + "D1ENND");
    EXPECT_EQ(fits.bytes.size(), 2044u);

    texts.push_back(kRelay1);
    const UploadPlan::KeyActionFrame over = UploadPlan(keys, 0, 0, 0).BuildKeyActionFrame(0, kSlotPress);
    EXPECT_TRUE(over.eventsDropped);
    expected[18] = '1'; // 21 texts counted
    EXPECT_EQ(over.bytes, expected + "D2ENND");
}
