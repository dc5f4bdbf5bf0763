#include "support/keypad_simulator.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr std::string_view kStudyFrame = "QVMSTUDYIRENND";
constexpr std::string_view kNormalFrame = "QVMNORMALMODEENND";
constexpr int kMaxLength = 2035;

bool IsDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

} // namespace

KeypadSimulator::KeypadSimulator() {
    for (int i = 0; i < kLearnedCodeSize; ++i)
        m_learnedCode[i] = static_cast<uint8_t>(0x20 + 3 * i); // runs through the high bytes too
    termios raw{};
    cfmakeraw(&raw);
    cfsetspeed(&raw, B115200);
    char name[128] = {};
    if (::openpty(&m_master, &m_slave, name, &raw, nullptr) != 0)
        throw std::runtime_error(std::string("openpty: ") + std::strerror(errno));
    m_slavePath = name;
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    m_thread = std::thread(&KeypadSimulator::Run, this);
}

KeypadSimulator::~KeypadSimulator() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    Wake();
    m_thread.join();
    if (m_master >= 0)
        ::close(m_master);
    ::close(m_slave);
    ::close(m_wakeFd);
}

void KeypadSimulator::Wake() {
    const uint64_t one = 1;
    [[maybe_unused]] ssize_t w = ::write(m_wakeFd, &one, sizeof one);
}

termios KeypadSimulator::PortSettings() const {
    termios tio{};
    ::tcgetattr(m_slave, &tio);
    return tio;
}

std::vector<std::string> KeypadSimulator::Frames() const {
    std::lock_guard lock(m_mutex);
    return m_frames;
}

std::vector<KeypadSimulator::Clock::time_point> KeypadSimulator::FrameTimes() const {
    std::lock_guard lock(m_mutex);
    return m_frameTimes;
}

size_t KeypadSimulator::FrameCount() const {
    std::lock_guard lock(m_mutex);
    return m_frames.size();
}

std::string KeypadSimulator::Received() const {
    std::lock_guard lock(m_mutex);
    return m_received;
}

void KeypadSimulator::ClearRecord() {
    std::lock_guard lock(m_mutex);
    m_frames.clear();
    m_frameTimes.clear();
    m_received.clear();
}

void KeypadSimulator::SetSilent(bool silent) {
    std::lock_guard lock(m_mutex);
    m_silent = silent;
}

void KeypadSimulator::SetReplyDelayMs(int ms) {
    std::lock_guard lock(m_mutex);
    m_replyDelayMs = ms;
}

void KeypadSimulator::SetSplitPauseMs(int ms) {
    std::lock_guard lock(m_mutex);
    m_splitPauseMs = ms;
}

void KeypadSimulator::SetClearAckPauseMs(int ms) {
    std::lock_guard lock(m_mutex);
    m_clearAckPauseMs = ms;
}

void KeypadSimulator::SetJunkReplies(bool junk) {
    std::lock_guard lock(m_mutex);
    m_junk = junk;
}

void KeypadSimulator::SetReading(bool reading) {
    {
        std::lock_guard lock(m_mutex);
        m_reading = reading;
    }
    Wake();
}

void KeypadSimulator::SetLearnedCode(const LearnedCode& code) {
    std::lock_guard lock(m_mutex);
    m_learnedCode = code;
}

KeypadSimulator::LearnedCode KeypadSimulator::GetLearnedCode() const {
    std::lock_guard lock(m_mutex);
    return m_learnedCode;
}

void KeypadSimulator::Send(const std::string& bytes) {
    {
        std::lock_guard lock(m_mutex);
        Queue(bytes, Clock::now());
    }
    Wake();
}

void KeypadSimulator::SendChunks(const std::vector<std::string>& chunks, int pauseMs) {
    {
        std::lock_guard lock(m_mutex);
        Clock::time_point due = Clock::now();
        for (const std::string& bytes : chunks) {
            Queue(bytes, due);
            due += std::chrono::milliseconds(pauseMs);
        }
    }
    Wake();
}

bool KeypadSimulator::SendQueueEmpty() const {
    std::lock_guard lock(m_mutex);
    return m_out.empty();
}

void KeypadSimulator::HangUp() {
    {
        std::lock_guard lock(m_mutex);
        m_hangUp = true;
    }
    Wake();
}

void KeypadSimulator::HangUpAtFrame(size_t n) {
    std::lock_guard lock(m_mutex);
    m_hangUpAtFrame = n;
}

std::string KeypadSimulator::LearnedCodeFrame(const LearnedCode& code) {
    std::string body = "03NONE";
    body.append(reinterpret_cast<const char*>(code.data()), code.size());
    unsigned sum = 0;
    for (char c : body)
        sum += static_cast<uint8_t>(c);
    char tail[8];
    std::snprintf(tail, sizeof tail, "%02X", sum & 0xFF);
    char length[8];
    std::snprintf(length, sizeof length, "%04d", static_cast<int>(body.size()));
    return "QVM" + std::string(length) + body + tail + "ENND";
}

std::vector<std::string> KeypadSimulator::SplitFrames(std::string& pending) {
    std::vector<std::string> frames;
    for (;;) {
        const size_t start = pending.find("QVM");
        if (start == std::string::npos) {
            // Keep a tail that may be the start of "QVM".
            const size_t keep = pending.size() >= 2 && StartsWith("QVM", pending.substr(pending.size() - 2))
                                    ? 2
                                : !pending.empty() && pending.back() == 'Q' ? 1
                                                                            : 0;
            pending.erase(0, pending.size() - keep);
            return frames;
        }
        pending.erase(0, start);
        const std::string_view p = pending;
        bool fixedPrefix = false;
        for (std::string_view fixed : {kStudyFrame, kNormalFrame}) {
            if (StartsWith(p, fixed)) {
                frames.emplace_back(fixed);
                pending.erase(0, fixed.size());
                fixedPrefix = true;
                break;
            }
            if (StartsWith(fixed, p))
                return frames; // may become this fixed frame
        }
        if (fixedPrefix)
            continue;
        if (p.size() < 7) {
            if (IsDigits(p.substr(3)))
                return frames; // the length field is still coming
            pending.erase(0, 1);
            continue;
        }
        const std::string_view digits = p.substr(3, 4);
        const int length = IsDigits(digits) ? std::stoi(std::string(digits)) : 0;
        if (length < 1 || length > kMaxLength) {
            pending.erase(0, 1); // no frame starts here
            continue;
        }
        const size_t whole = static_cast<size_t>(length) + 13;
        if (p.size() < whole)
            return frames;
        frames.emplace_back(p.substr(0, whole));
        pending.erase(0, whole);
    }
}

void KeypadSimulator::Queue(std::string bytes, Clock::time_point due) {
    // Chunks go out in the order they were queued.
    if (!m_out.empty() && m_out.back().due > due)
        due = m_out.back().due;
    m_out.push_back({due, std::move(bytes)});
}

void KeypadSimulator::Answer(const std::string& frame) {
    if (m_silent)
        return;
    std::vector<std::pair<std::string, int>> chunks; // bytes and the pause before them
    const std::string word = frame.size() >= 13 && IsDigits(frame.substr(3, 4)) ? frame.substr(9, 4) : "";
    const std::string code = frame.size() >= 13 ? frame.substr(7, 2) : "";
    if (m_junk)
        chunks.push_back({std::string(kJunkReply, kJunkReplySize), 0});
    else if (word == "CONE")
        chunks.push_back({kConnectReply, 0});
    else if (word == "CLRE" && code == "01")
        chunks = {{kClearAck, 0}, {kClearAck, m_clearAckPauseMs}};
    else if (word == "NONE" && code == "03")
        chunks.push_back({LearnedCodeFrame(m_learnedCode), 0});
    else
        chunks.push_back({kShortReply, 0});

    Clock::time_point due = Clock::now() + std::chrono::milliseconds(m_replyDelayMs);
    for (auto& [bytes, pauseMs] : chunks) {
        due += std::chrono::milliseconds(pauseMs);
        if (m_splitPauseMs > 0 && bytes.size() >= 2) {
            const size_t half = bytes.size() / 2;
            Queue(bytes.substr(0, half), due);
            due += std::chrono::milliseconds(m_splitPauseMs);
            Queue(bytes.substr(half), due);
        } else {
            Queue(bytes, due);
        }
    }
}

void KeypadSimulator::Run() {
    char buf[4096];
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        if (m_hangUp && m_master >= 0) {
            ::close(m_master);
            m_master = -1;
            m_out.clear();
        }
        const bool reading = m_reading && m_master >= 0;
        int timeout = -1;
        bool sendNow = false;
        if (!m_out.empty() && m_master >= 0) {
            const auto left = m_out.front().due - Clock::now();
            if (left <= Clock::duration::zero())
                sendNow = true;
            else
                timeout = static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
        }
        pollfd fds[2] = {{m_wakeFd, POLLIN, 0},
                         {m_master, static_cast<short>((reading ? POLLIN : 0) | (sendNow ? POLLOUT : 0)), 0}};
        const int nfds = m_master >= 0 && (reading || sendNow) ? 2 : 1;
        lock.unlock();
        ::poll(fds, static_cast<nfds_t>(nfds), timeout);
        lock.lock();
        if (fds[0].revents & POLLIN) {
            uint64_t v;
            [[maybe_unused]] ssize_t r = ::read(m_wakeFd, &v, sizeof v);
        }
        if (m_master < 0 || nfds < 2)
            continue;
        if ((fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) && !(fds[1].revents & POLLIN)) {
            ::close(m_master); // the pair is broken: behave as unplugged
            m_master = -1;
            continue;
        }
        if (fds[1].revents & POLLIN) {
            const ssize_t n = ::read(m_master, buf, sizeof buf);
            if (n > 0) {
                m_received.append(buf, static_cast<size_t>(n));
                m_pending.append(buf, static_cast<size_t>(n));
                const Clock::time_point now = Clock::now();
                for (const std::string& frame : SplitFrames(m_pending)) {
                    m_frames.push_back(frame);
                    m_frameTimes.push_back(now);
                    if (m_frames.size() == m_hangUpAtFrame) {
                        m_hangUp = true; // closed at the top of the loop
                        break;
                    }
                    Answer(frame);
                }
            }
        }
        if (fds[1].revents & POLLOUT && !m_hangUp && !m_out.empty() && m_out.front().due <= Clock::now()) {
            std::string& bytes = m_out.front().bytes;
            const ssize_t n = ::write(m_master, bytes.data(), bytes.size());
            if (n > 0)
                bytes.erase(0, static_cast<size_t>(n));
            if (bytes.empty())
                m_out.pop_front();
        }
    }
}
