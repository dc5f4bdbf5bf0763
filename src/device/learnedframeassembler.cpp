#include "device/learnedframeassembler.h"

#include "model/cqvmcmd.h"
#include "platform/textutil.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view kHeader = "QVM";
constexpr std::string_view kTrailer = "ENND";
constexpr int kHeadBytes = 7;      // "QVM" and the four length digits
constexpr int kChecksumEnd = 9;    // the checksum ends at the length plus 9
constexpr int kCompleteExtra = 12; // complete at the length plus 12

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void LearnedFrameAssembler::Feed(const char* bytes, int count, const Take& take) {
    if (!bytes || count <= 0)
        return;
    m_buf.append(bytes, static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        m_sums.push_back(static_cast<uint8_t>(m_sums.back() + static_cast<uint8_t>(bytes[i])));
    Scan();
    MoveHead(m_head);
    while (!m_due.empty() && m_due.top().first <= End()) {
        const int64_t at = m_due.top().second;
        m_due.pop();
        if (at < m_head)
            continue; // it went with a whole frame before it
        if (!Judge(at, take)) {
            Reset();
            return;
        }
    }
    // A whole frame may end past bytes not yet scanned (a "Q" near the end).
    if (m_scan < m_head) {
        m_scan = m_head;
        Scan();
        MoveHead(m_head);
    }
    Compact();
}

void LearnedFrameAssembler::Reset() {
    // Positions go on counting, so that completions still due are known as
    // gone by their position.
    m_base = m_head = m_scan = End();
    m_buf.clear();
    m_sums.resize(1);
    m_starts.clear();
}

void LearnedFrameAssembler::Scan() {
    const int64_t end = End();
    while (m_scan < end) {
        const char* from = At(m_scan);
        const auto* q =
            static_cast<const char*>(std::memchr(from, kHeader[0], static_cast<size_t>(end - m_scan)));
        if (!q) {
            m_scan = end;
            return;
        }
        const int64_t at = m_scan + (q - from);
        const int held = static_cast<int>(std::min<int64_t>(end - at, kHeadBytes));
        int matched = 1;
        while (matched < held &&
               (matched < int(kHeader.size()) ? q[matched] == kHeader[size_t(matched)] : IsDigit(q[matched])))
            ++matched;
        if (matched == held && held < kHeadBytes) {
            m_scan = at; // may still become a header: wait for its bytes
            return;
        }
        m_scan = at + 1;
        if (matched < held)
            continue;
        const long length = txt::ToInt(std::string_view(q + 3, 4));
        if (length < 1 || length > kMaxFrameDataLength)
            continue;
        m_starts.push_back({at, static_cast<int>(length), false});
        m_due.emplace(at + length + kCompleteExtra, at);
    }
}

bool LearnedFrameAssembler::Judge(int64_t at, const Take& take) {
    const auto start = std::lower_bound(m_starts.begin(), m_starts.end(), at,
                                        [](const Start& s, int64_t position) { return s.at < position; });
    if (start == m_starts.end() || start->at != at)
        return true;
    // The checksum digits follow the L summed bytes from offset 7; the
    // running sums make the check cost the same for every length.
    const size_t from = static_cast<size_t>(at - m_base) + kHeadBytes;
    const size_t digits = from + static_cast<size_t>(start->length);
    const auto sum = static_cast<uint8_t>(m_sums[digits] - m_sums[from]);
    const bool whole = txt::HexPairValue(m_buf[digits], m_buf[digits + 1]) == sum;
    const char* bytes = At(at);
    int64_t end = at + start->length + kChecksumEnd;
    for (const char c : kTrailer) {
        if (end >= End() || *At(end) != c)
            break;
        ++end;
    }
    // m_starts begins with the first frame that may still come whole.
    const bool handOver = whole || start == m_starts.begin();
    if (whole) {
        MoveHead(end);
    } else {
        start->dead = true;
        MoveHead(m_head);
    }
    return !handOver || take(std::string_view(bytes, static_cast<size_t>(end - at)), whole);
}

void LearnedFrameAssembler::MoveHead(int64_t atLeast) {
    m_head = std::max(m_head, atLeast);
    while (!m_starts.empty() && (m_starts.front().at < m_head || m_starts.front().dead))
        m_starts.pop_front();
    m_head = m_starts.empty() ? std::max(m_head, m_scan) : m_starts.front().at;
}

void LearnedFrameAssembler::Compact() {
    // Dropping only when at least half of what is kept can go keeps the cost
    // of the moves proportional to the bytes received.
    const int64_t gone = m_head - m_base;
    if (gone > 0 && gone * 2 >= static_cast<int64_t>(m_buf.size())) {
        m_buf.erase(0, static_cast<size_t>(gone));
        m_sums.erase(m_sums.begin(), m_sums.begin() + gone);
        m_base = m_head;
    }
}
