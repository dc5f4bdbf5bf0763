#pragma once
// Assembles the frames that the keypad sends while it learns IR codes from
// the received chunks: bytes in, frames out, no widget.
//
// A frame may begin at every "QVM" followed by four digits of a length L
// that fits the buffer (1 to 2035), and it is complete once L + 12 bytes
// from its "QVM" are held. Each possible frame is judged once, when the
// byte that completes it arrives:
//   - with a right checksum it is a whole frame: it is handed over, ending
//     after its checksum and as much of "ENND" as follows, and whatever was
//     held before it goes (a header still waiting for its bytes holds back
//     no whole frame that came after it);
//   - otherwise it begins no frame. When nothing held before it may still
//     begin one, it is handed over as it is (the receiver judges it and
//     hands no code on), and what is held is dropped only up to the next
//     "QVM" that may begin a frame, wherever that lies.
// So bytes that are no whole frame never cost a later whole frame, and the
// start of a later frame is never dropped. What is held from the first
// possible frame on is always less than L + 12 bytes, so never more than
// 2047, and the work a byte costs does not depend on what the bytes are.

#include <cstdint>
#include <deque>
#include <functional>
#include <queue>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class LearnedFrameAssembler {
public:
    // Hands a frame, valid during the call, and whether its checksum is
    // right; returns false to forget everything held, the rest of the
    // bytes fed with it included.
    using Take = std::function<bool(std::string_view frame, bool whole)>;

    // Takes the next received bytes and hands over the frames they
    // complete, in the order in which they complete.
    void Feed(const char* bytes, int count, const Take& take);
    // Forgets everything held.
    void Reset();
    // Bytes held that may still begin a frame.
    int HeldCount() const { return static_cast<int>(End() - m_head); }

private:
    struct Start {
        int64_t at; // stream position of its "QVM"
        int length; // its length field L
        bool dead;  // completed without a right checksum
    };

    int64_t End() const { return m_base + static_cast<int64_t>(m_buf.size()); }
    const char* At(int64_t position) const { return m_buf.data() + (position - m_base); }
    void Scan();
    bool Judge(int64_t at, const Take& take);
    void MoveHead(int64_t atLeast);
    void Compact();

    // Stream positions count every byte fed since the last Reset; m_buf
    // holds the bytes from m_base on.
    std::string m_buf;
    // m_sums[i] is the 8-bit sum of the first i bytes of m_buf (plus
    // whatever came before them): the sum of a stretch is a difference.
    std::vector<uint8_t> m_sums = {0};
    int64_t m_base = 0;
    int64_t m_head = 0; // the first byte that may still begin a frame
    int64_t m_scan = 0; // the first byte not yet known to begin a frame or not
    std::deque<Start> m_starts;
    // (position of the completing byte + 1, position of the "QVM"), the
    // earliest completion first.
    std::priority_queue<std::pair<int64_t, int64_t>, std::vector<std::pair<int64_t, int64_t>>, std::greater<>>
        m_due;
};
