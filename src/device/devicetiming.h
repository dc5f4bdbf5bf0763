#pragma once
// Every time the device conversation depends on, in one place. The program
// runs with the defaults; tests may scale them down (ScopedDeviceTiming)
// before they open a link or start a flow, so they stay quick.

constexpr int kChunkGapMs = 50;          // silence that ends a received chunk
constexpr int kWriteTimeoutMs = 1000;    // bound of one write
constexpr int kReopenPauseMs = 100;      // pause between closing a port and opening the next
constexpr int kUsbConnectReplyMs = 1000; // connect reply wait after the USB search
constexpr int kComConnectReplyMs = 2000; // connect reply wait after the COM-port dialog
constexpr int kSetupReplyMs = 3000;      // reply wait after a set-up frame of the upload
constexpr int kKeyActionReplyMs = 30000; // reply wait after a key action frame
constexpr int kUploadClearTickMs = 3000; // tick of the clear before an upload (six ticks)
constexpr int kClearDialogTickMs = 1000; // tick of the clear dialog
constexpr int kLearnButtonMs = 8000;     // Learn stays disabled this long after a press

struct DeviceTiming {
    int chunkGapMs = kChunkGapMs;
    int writeTimeoutMs = kWriteTimeoutMs;
    int reopenPauseMs = kReopenPauseMs;
    int usbConnectReplyMs = kUsbConnectReplyMs;
    int comConnectReplyMs = kComConnectReplyMs;
    int setupReplyMs = kSetupReplyMs;
    int keyActionReplyMs = kKeyActionReplyMs;
    int uploadClearTickMs = kUploadClearTickMs;
    int clearDialogTickMs = kClearDialogTickMs;
    int learnButtonMs = kLearnButtonMs;
};

// The times in force. Read them when a flow starts; change them only while
// no link is open and no flow runs.
DeviceTiming& Timing();

// Replaces the times for its lifetime and puts the old ones back after.
class ScopedDeviceTiming {
public:
    explicit ScopedDeviceTiming(const DeviceTiming& timing) : m_saved(Timing()) { Timing() = timing; }
    ~ScopedDeviceTiming() { Timing() = m_saved; }
    ScopedDeviceTiming(const ScopedDeviceTiming&) = delete;
    ScopedDeviceTiming& operator=(const ScopedDeviceTiming&) = delete;

private:
    DeviceTiming m_saved;
};
