// Random streams of whole frames mixed with damaged frames, stray headers
// and junk, split into random chunks: every whole frame comes out once and
// in order.

#include "device/learnedframeassembler.h"
#include "model/cqvmcmd.h"
#include "platform/textutil.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Whether a whole frame's bytes (checksum right) begin at `at` of the stream.
bool WholeFrameAt(std::string& stream, size_t at) {
    if (stream.compare(at, 3, "QVM") != 0 || at + 7 > stream.size())
        return false;
    const CQvmCmd frame(1, stream.data() + at, int(stream.size() - at));
    return frame.IsComplete() && frame.VerifyChecksum();
}

} // namespace

TEST(LearnedFrameAssembler, RandomStreamsLoseNoWholeFrame) {
    std::mt19937 rng(20261207);
    const auto number = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    const auto bytes = [&](int n) {
        std::string out;
        for (int i = 0; i < n; ++i)
            out += char(number(0, 255));
        return out;
    };
    // A frame with random parameters and, unless `spoil` is 0, its checksum
    // off by `spoil`.
    const auto frame = [&](int spoil) {
        const std::string data = "03NONE" + bytes(number(0, 150));
        const int sum = (CQvmCmd::CalcSum(data.data(), int(data.size())) + spoil) & 0xFF;
        return "QVM" + txt::Format("%04zu", data.size()) + data + txt::Format("%02X", sum) + "ENND";
    };
    int checked = 0, skipped = 0;
    LearnedFrameAssembler assembler;
    for (int round = 0; round < 3000; ++round) {
        std::string stream;
        std::vector<std::string> expected;
        for (int piece = number(1, 8); piece > 0; --piece) {
            switch (number(0, 5)) {
            case 0:
            case 1:
                expected.push_back(frame(0));
                stream += expected.back();
                break;
            case 2: { // cut at its end, past the checksum, or in its middle
                std::string damaged = frame(0);
                if (number(0, 1))
                    stream += damaged.substr(0, damaged.size() - size_t(number(5, int(damaged.size()))));
                else
                    stream +=
                        damaged.erase(size_t(number(1, int(damaged.size()) - 10)), size_t(number(1, 9)));
                break;
            }
            case 3:
                stream += frame(number(1, 255));
                break;
            case 4: // a stray header of a short or long frame
                stream += "QVM" + txt::Format("%04d", number(0, 2100)) + bytes(number(0, 3));
                break;
            default:
                stream += bytes(number(1, 30));
                break;
            }
        }
        // Where the bytes of damaged frames and their neighbours happen to
        // make up another whole frame, that one may take the place of others.
        size_t wholeFrames = 0;
        for (size_t at = 0; at < stream.size(); ++at)
            wholeFrames += WholeFrameAt(stream, at);
        if (wholeFrames != expected.size()) {
            ++skipped;
            continue;
        }
        std::vector<std::string> received;
        assembler.Reset();
        for (size_t at = 0; at < stream.size();) {
            const size_t size =
                std::min(stream.size() - at, size_t(number(0, 1) ? number(1, 8) : number(1, 300)));
            assembler.Feed(stream.data() + at, int(size), [&](std::string_view frame, bool whole) {
                std::string bytes(frame);
                EXPECT_EQ(whole, WholeFrameAt(bytes, 0));
                if (whole)
                    received.push_back(bytes);
                return true;
            });
            at += size;
            ASSERT_LE(assembler.HeldCount(), 2047);
        }
        ASSERT_EQ(received.size(), expected.size()) << round;
        for (size_t i = 0; i < expected.size(); ++i) {
            // Complete at its length plus 12 bytes: the last "D" may follow.
            EXPECT_TRUE(expected[i].starts_with(received[i]) && received[i].size() + 1 >= expected[i].size())
                << round << " " << i;
        }
        checked += int(expected.size());
    }
    EXPECT_GT(checked, 4000) << skipped;
    EXPECT_LT(skipped, 30) << checked;
}
