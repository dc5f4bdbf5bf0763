#pragma once
// A receiver for the serial link that records what arrives: every chunk
// with its arrival time, and the link-lost notices.

#include "device/crscom.h"

#include <chrono>
#include <string>
#include <vector>

class ChunkRecorder : public RsComReceiver {
public:
    using Clock = std::chrono::steady_clock;

    void OnRsComData(const char* bytes, int count) override {
        chunks.emplace_back(bytes, static_cast<size_t>(count));
        times.push_back(Clock::now());
    }
    void OnRsComLost() override { ++lost; }

    // Every chunk's bytes, one after another.
    std::string All() const {
        std::string s;
        for (const auto& c : chunks)
            s += c;
        return s;
    }
    void Clear() {
        chunks.clear();
        times.clear();
    }

    std::vector<std::string> chunks;
    std::vector<Clock::time_point> times;
    int lost = 0;
};
