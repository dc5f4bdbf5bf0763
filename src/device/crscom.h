#pragma once
// The serial link to the keypad. It moves bytes and knows nothing of frames:
// what a received chunk means is the receiver's business.
//
// Threads. Open, Configure and Close run on the user-interface thread, and
// the receiver is called there. Write and WriteTxBuffer may be called from
// any thread (the upload worker writes while the user-interface thread
// shows the progress dialog); writes are serialised, and Close wakes a
// write that waits for the device, so Close never waits long.
//
// Receiving. While a port is open a reader thread waits in poll() and
// collects bytes into a chunk, which it hands over once kChunkGapMs pass
// without a new byte or 2048 bytes are held. The hand-over is a queued call
// to the user-interface thread carrying a copy of the bytes and the link's
// generation number: there the chunk goes to the receiver's OnRsComData
// unless the link has been closed (or reopened) since, so nothing arrives
// after Close returns and Close never waits for the user-interface thread.
//
// Losing the device. When the device hangs up (unplugged: POLLHUP, EIO or
// end of file) the reader hands over what it holds and ends; on the
// user-interface thread the link then closes itself and calls the
// receiver's OnRsComLost, once.

#include "platform/autoresetevent.h"
#include "platform/serialport.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

class QObject;

constexpr int kRxBufferSize = 2048; // one chunk at most
constexpr int kTxBufferSize = 2048;
constexpr int kMaxWriteBytes = 2046; // one write at most
// What a write on a closed link shows; the upload tells a link lost while
// it waited in the same words.
inline constexpr const char* kLinkClosedMessage = "Please connect with USB first";

// The transmit buffer that the upload worker and the IR editor's Learn build
// their frames in and send with CRsCom::WriteTxBuffer.
extern char g_txBuf[kTxBufferSize];
// The receive buffer of the main window's reply handling: every chunk it
// handles is first copied to its start, and the learned-code frame is
// assembled in it. User-interface thread only.
extern char g_rxBuf[kRxBufferSize];
// The reply event: the main window sets it when a received chunk releases
// the upload's next frame (also at the connect reply and a learned code);
// the upload worker waits on it.
extern AutoResetEvent g_hReplyEvent;

// The window that receives what the link reads: the main dialog implements
// it. Both calls come on the user-interface thread.
class RsComReceiver {
public:
    virtual ~RsComReceiver() = default;
    // One chunk of 1 to 2048 received bytes, valid during the call only.
    virtual void OnRsComData(const char* bytes, int count) = 0;
    // The device went away; the link has already closed itself.
    virtual void OnRsComLost() = 0;
};

class CRsCom {
public:
    CRsCom();
    virtual ~CRsCom();
    CRsCom(const CRsCom&) = delete;
    CRsCom& operator=(const CRsCom&) = delete;

    // Records the receiver, then OpenPort(port, 12, 0, 4, 0): 115200 8N1.
    bool Open(const std::string& port, RsComReceiver* window);
    // Closes whatever is open, opens the port (a device path; blanks are
    // trimmed and removed), configures it and starts the reader. Shows "No
    // indicate m_hwnd" without a receiver, "Can not Open COM" when the port
    // does not open (missing or held by another), "Not CreateThread" when
    // the reader cannot start; a port that cannot be configured fails
    // silently. A failed open leaves the link closed.
    bool OpenPort(const std::string& port, int baudIndex, int parityIndex, int dataBitsIndex,
                  int stopBitsIndex);
    // Sets up the open port by the index tables below; false when closed or
    // when an index names something the platform cannot do.
    bool Configure(int baudIndex, int parityIndex, int dataBitsIndex, int stopBitsIndex);
    // Stops the reader and closes the port; harmless when closed.
    void Close();
    bool IsOpen() const { return m_bOpen.load(); }

    // Sends the text's bytes (at most 2046) within the write time; returns
    // the count sent, or 0 when closed ("Please connect with USB first" is
    // shown) or when the write could not finish in time (flushed). Sets
    // m_bWritten to whether the port was open.
    int Write(std::string_view text);
    // The same for the first `length` bytes of g_txBuf; leaves m_bWritten.
    int WriteTxBuffer(int length);
    // Write for the user-interface thread, which must not wait for the
    // device: with the port closed it acts as Write does (the message,
    // m_bWritten cleared, `done` called with 0 before it returns); with the
    // port open it sets m_bWritten, queues the bytes (at most 2046) for the
    // link's writer thread and returns at once. `done`, if given, is called
    // later on the user-interface thread with the count written (0 when the
    // write could not finish in time). Writes queued when the link closes
    // are dropped without a call.
    void WriteAsync(std::string bytes, std::function<void(int)> done = {});

    // The index tables of the port settings.
    static int BaudRateOf(int index);
    static SerialPort::Parity ParityOf(int index);
    static int DataBitsOf(int index);
    static SerialPort::StopBits StopBitsOf(int index);

    // Reader threads running in the process (there is at most one per link).
    static int ReaderCount();

    // The receiver of chunks and the link-lost notice; set before opening.
    RsComReceiver* m_hwnd = nullptr;
    // Name of the open port; empty when closed.
    std::string m_strPort;
    // Whether the last Write found the port open (read by the forget-device
    // command).
    std::atomic<bool> m_bWritten{false};

private:
    int WriteBytes(const char* data, int n, bool setWritten);
    int WriteQuietly(const std::string& bytes);
    void WriterThreadProc();
    void StopWriter();
    void ReaderThreadProc(int fd, int wakeFd, uint64_t generation, int gapMs);
    void PostChunk(uint64_t generation, int count);
    void PostLost(uint64_t generation);
    void HandOver(uint64_t generation, const std::string& bytes);
    void ReportLost(uint64_t generation);

    SerialPort m_hCom;
    std::atomic<bool> m_bOpen{false};
    std::thread m_hThread;
    std::atomic<bool> m_bRun{false};
    std::atomic<bool> m_bThreadDone{false};
    std::array<char, kRxBufferSize> m_rxBuf{}; // the reader's chunk
    std::atomic<uint64_t> m_generation{0};     // changes at every close
    int m_wakeFd = -1;                         // readable once Close has begun
    int m_writeTimeoutMs = 0;
    std::mutex m_portMutex;             // held by a write and by Close around the descriptor
    std::unique_ptr<QObject> m_context; // lives on the user-interface thread

    struct PendingWrite {
        std::string bytes;
        std::function<void(int)> done;
    };
    std::thread m_writer; // runs queued writes; started by the first WriteAsync
    std::mutex m_queueMutex;
    std::condition_variable m_queueCv;
    std::deque<PendingWrite> m_writeQueue;
    bool m_writerStop = false;
};

// 1 when a USB-serial port exists (usbserial::ListPorts finds one), else 0.
int IsUsbSerialPresent();
