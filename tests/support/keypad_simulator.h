#pragma once
// A stand-in for the keypad at the other end of the USB-serial link, on a
// pseudo-terminal pair: the program opens PortPath() (the slave side) as its
// port; the simulator answers on the master side from its own thread.
//
// It splits what it receives into frames by their length field ("QVM",
// four digits L, then L + 6 more bytes) or as one of the two fixed frames
// without length ("QVMSTUDYIRENND", "QVMNORMALMODEENND"), skipping bytes
// that start no frame, and records every frame. It answers:
//   connect request (word CONE)      one chunk kConnectReply
//   clear request (code 01, CLRE)    two chunks kClearAck, ClearAckPauseMs apart
//   learn request (code 03, NONE)    the learned-code frame (99 parameter
//                                    bytes, length field 0105)
//   any other frame                  one short chunk kShortReply
// Controls make it silent, slow, split every answer into two chunks, answer
// with junk, stop reading, send bytes of the test's choice (also as separate
// chunks), or hang up, at once or when a chosen frame arrives.

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>
#include <termios.h>
#include <string>
#include <thread>
#include <vector>

class KeypadSimulator {
public:
    static constexpr const char* kConnectReply = "QVM000602CONE87ENND";
    static constexpr const char* kClearAck = "QVM000601CLRE87ENND";
    static constexpr const char* kShortReply = "OK";
    static constexpr const char* kJunkReply = "\xFF\x00#?#\x80";
    static constexpr int kJunkReplySize = 6;
    static constexpr int kLearnedCodeSize = 99;
    using LearnedCode = std::array<uint8_t, kLearnedCodeSize>;

    KeypadSimulator();
    ~KeypadSimulator();
    KeypadSimulator(const KeypadSimulator&) = delete;
    KeypadSimulator& operator=(const KeypadSimulator&) = delete;

    // The device path to open as the port.
    const std::string& PortPath() const { return m_slavePath; }
    // The port's current line settings, as the program configured them.
    termios PortSettings() const;

    using Clock = std::chrono::steady_clock;

    // What it has received: whole frames in order, and every byte.
    std::vector<std::string> Frames() const;
    // When each of Frames() was complete.
    std::vector<Clock::time_point> FrameTimes() const;
    size_t FrameCount() const;
    std::string Received() const;
    void ClearRecord();

    // Behaviour; each takes effect for frames received from then on.
    void SetSilent(bool silent);
    void SetReplyDelayMs(int ms);    // slow: answers go out this long after their frame
    void SetSplitPauseMs(int ms);    // > 0: every answer chunk in two halves, this far apart
    void SetClearAckPauseMs(int ms); // between the two clear acknowledgements (default 150)
    void SetJunkReplies(bool junk);  // answer every frame with kJunkReply instead
    void SetReading(bool reading);   // false: leave bytes unread, so the link's writes back up
    void SetLearnedCode(const LearnedCode& code);
    LearnedCode GetLearnedCode() const;

    // Sends bytes to the program now (after answers already due).
    void Send(const std::string& bytes);
    // Sends each piece pauseMs after the one before, so that the link reads
    // them as separate chunks when the pause is longer than its chunk gap.
    void SendChunks(const std::vector<std::string>& chunks, int pauseMs);
    // Bytes still waiting to be sent.
    bool SendQueueEmpty() const;
    // Closes the master side: the program sees the device unplugged.
    void HangUp();
    // Hangs up instead of answering when the n-th frame counted since the
    // last ClearRecord arrives (0: never).
    void HangUpAtFrame(size_t n);

    // The whole learned-code frame for a code: "QVM0105", "03", "NONE", the
    // 99 bytes, checksum, "ENND".
    static std::string LearnedCodeFrame(const LearnedCode& code);
    // Whole frames at the start of `pending`, which loses them and any
    // bytes that start no frame; an incomplete frame stays.
    static std::vector<std::string> SplitFrames(std::string& pending);

private:
    struct Outgoing {
        Clock::time_point due;
        std::string bytes;
    };

    void Run();
    void Wake();
    void Answer(const std::string& frame); // with m_mutex held
    void Queue(std::string bytes, Clock::time_point due);

    int m_master = -1;
    int m_slave = -1;
    int m_wakeFd = -1;
    std::string m_slavePath;
    std::thread m_thread;

    mutable std::mutex m_mutex;
    bool m_stop = false;
    bool m_hangUp = false;
    size_t m_hangUpAtFrame = 0;
    bool m_silent = false;
    bool m_junk = false;
    bool m_reading = true;
    int m_replyDelayMs = 0;
    int m_splitPauseMs = 0;
    int m_clearAckPauseMs = 150;
    LearnedCode m_learnedCode{};
    std::string m_pending;
    std::string m_received;
    std::vector<std::string> m_frames;
    std::vector<Clock::time_point> m_frameTimes;
    std::deque<Outgoing> m_out;
};
