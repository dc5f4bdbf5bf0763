// Thousands of random and mutated event texts through parsing, the Event
// List texts and encoding.
// Under the sanitizers any read or write outside a text or the exact-size
// output buffer fails the test; the encoded size must always be the kind's.

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

namespace {

const char* const kWords[] = {"UART", "INFR", "GPIO", "RELY", "DELY", "UCMP", "LEDP", "ENPG", "CASD", "LTOG"};

const std::vector<std::string> kSeeds = {
    "UART : Projector on : Projector : Power On : 9600 : 1 : 0 : 0 : 0 : 1 : 0 : 1 : 3 : 5 :5 :PWON",
    "UART : : : : 19200 : 1 : 0 : 0 : 1 : 0 : 2 : 2 : 4 : 4 :4 :01 0A ff 3",
    "INFR : TV : Power : 0 : 1 : 0 : 1 : 1 : c6 : 0123456789abcdefABCDEF",
    "GPIO : Door : 0 : 1 : 1 : 1",
    "RELY : 1 : 0 : 0",
    "DELY : 1 : 2 : 3 : 1 : 0102031",
    "UCMP : Ack : 2 : 0 : 1 :0 :OK",
    "UCMP : Ack : 2 : 1 : 1 :1 :ff 00 12",
    "LEDP : 3 : 1 : 1",
    "ENPG : Go page 2 : 0 :1 :0",
    "CASD : Loop A : 5 : 12 : -",
    "LTOG : Lamp : 2 : 0 : 0",
};

// Encoded size by kind.
const std::map<int, int> kEncodedSize = {
    {kEventNone, 6},   {kEventRs232, 50}, {kEventIr, 117},    {kEventGpio, 19},
    {kEventRelay, 19}, {kEventDelay, 25}, {kEventCmp, 50},    {kEventLed, 19},
    {kEventPage, 19},  {kEventLoop, 19},  {kEventToggle, 19},
};

const std::set<std::string> kKnownMessages = {
    "rs232 : Initialization failed",
    "ir : Initialization failed",
    "GPIO : Initialization failed",
    "Relay : Initialization failed",
    "Delay : not enougth",
    "Compare : Initialization failed",
    "LED : Initialization failed",
    "Page : Initialization failed",
    "Loop : Initialization failed",
    "toggle : Initialization failed",
    "rs232 data over",
};

class TextMaker {
public:
    explicit TextMaker(unsigned seed) : m_rng(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    char AnyByte() { return static_cast<char>(Below(256)); }
    char HighByte() { return static_cast<char>(0x80 + Below(128)); }
    char Interesting() {
        static const char kChars[] = {':', ':', ' ', '\t', '\r', '\n', '-',
                                      '+', '0', '1', '9',  'a',  'F',  'G'};
        return kChars[Below(sizeof kChars)];
    }

    std::string Run(size_t n) {
        std::string s;
        for (size_t i = 0; i < n; ++i) {
            switch (Below(3)) {
            case 0:
                s += AnyByte();
                break;
            case 1:
                s += HighByte();
                break;
            default:
                s += Interesting();
                break;
            }
        }
        return s;
    }

    std::string Mutate(std::string s) {
        const int ops = 1 + Below(6);
        for (int i = 0; i < ops; ++i) {
            const size_t at = s.empty() ? 0 : static_cast<size_t>(Below(static_cast<int>(s.size()) + 1));
            switch (Below(8)) {
            case 0:
                s.insert(at, std::string(1 + Below(4), ':'));
                break;
            case 1:
                if (!s.empty())
                    s.erase(at, static_cast<size_t>(Below(20)));
                break;
            case 2:
                s.insert(at, Run(1 + Below(12)));
                break;
            case 3: // a huge field
                s.insert(at, std::string(200 + Below(3000), Below(2) ? 'x' : HighByte()));
                break;
            case 4:
                if (at < s.size())
                    s[at] = AnyByte();
                break;
            case 5:
                if (!s.empty())
                    s.insert(at, s.substr(static_cast<size_t>(Below(static_cast<int>(s.size()))), 40));
                break;
            case 6:
                s.replace(0, std::min<size_t>(4, s.size()), kWords[Below(10)]);
                break;
            default:
                s.insert(at, std::to_string(Below(2000) - 1000));
                break;
            }
        }
        return s;
    }

    // A word (usually one of the ten) and a random number of random fields.
    std::string Random() {
        std::string s = Below(8) ? kWords[Below(10)] : Run(4);
        const int fields = Below(20);
        for (int i = 0; i < fields; ++i) {
            s += Below(2) ? " : " : ":";
            s += Below(20) ? Run(static_cast<size_t>(Below(8))) : std::string(Below(400), 'a' + Below(6));
        }
        return s;
    }

private:
    std::mt19937 m_rng;
};

} // namespace

TEST(EventFuzz, RandomAndMutatedTexts) {
    ScriptedPrompter prompter;
    TextMaker maker(20240611);
    constexpr int kTexts = 8000;
    int failures = 0;
    for (int i = 0; i < kTexts && failures < 5; ++i) {
        const std::string text =
            i % 2 ? maker.Mutate(kSeeds[static_cast<size_t>(i / 2) % kSeeds.size()]) : maker.Random();
        SCOPED_TRACE("text " + std::to_string(i));
        prompter.Clear();

        CQvmEventStr shown(text);
        const std::string word = shown.GetWord();
        // A known word parsed whole has both Event List texts; anything else
        // has neither.
        const std::string typeName = shown.GetTypeName();
        const std::string description = shown.GetDescription();
        if (word.empty() != typeName.empty() || word.empty() != description.empty()) {
            ADD_FAILURE() << "type name '" << typeName << "', description '" << description << "': " << text;
            ++failures;
        }
        if (!word.empty() && CQvmEventStr::KindOfWord(word) != shown.GetKind()) {
            ADD_FAILURE() << "word and kind disagree: " << text;
            ++failures;
        }

        // Exactly the most an event may take, on the heap, so that any byte
        // written past it is reported.
        auto buffer = std::make_unique<char[]>(kMaxEncodedEventSize);
        std::memset(buffer.get(), '?', kMaxEncodedEventSize);
        CQvmEventStr upload(text, buffer.get(), 0);
        const int n = upload.Encode();
        if (n != kEncodedSize.at(upload.GetKind())) {
            ADD_FAILURE() << "size " << n << " for kind " << upload.GetKind() << ": " << text;
            ++failures;
        }
        const std::string code = word.empty() ? "00" : std::to_string(upload.GetKind());
        if (std::string(buffer.get(), 2) != code) {
            ADD_FAILURE() << "code " << std::string(buffer.get(), 2) << ": " << text;
            ++failures;
        }
        for (const std::string& message : prompter.Texts()) {
            if (!kKnownMessages.count(message)) {
                ADD_FAILURE() << "unexpected message " << message;
                ++failures;
            }
        }
        if (prompter.Texts().size() > 3) {
            ADD_FAILURE() << prompter.Texts().size() << " messages for one text: " << text;
            ++failures;
        }
    }
}
