#include "device/crscom.h"

#include "device/devicetiming.h"
#include "platform/prompter.h"
#include "platform/textutil.h"
#include "platform/usbserialports.h"

#include <QMetaObject>
#include <QObject>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>

char g_txBuf[kTxBufferSize];
char g_rxBuf[kRxBufferSize];
AutoResetEvent g_hReplyEvent;

namespace {

std::atomic<int> g_readers{0};

using Clock = std::chrono::steady_clock;

} // namespace

CRsCom::CRsCom() : m_context(std::make_unique<QObject>()) {}

CRsCom::~CRsCom() {
    Close();
}

int CRsCom::BaudRateOf(int index) {
    static constexpr int kRates[] = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                     19200, 38400, 56000, 57600, 115200, 128000, 256000};
    return index >= 0 && index < static_cast<int>(std::size(kRates)) ? kRates[index] : 9600;
}

SerialPort::Parity CRsCom::ParityOf(int index) {
    switch (index) {
    case 1:
        return SerialPort::Parity::Even;
    case 2:
        return SerialPort::Parity::Mark;
    case 3:
        return SerialPort::Parity::Odd;
    case 4:
        return SerialPort::Parity::Space;
    default:
        return SerialPort::Parity::None;
    }
}

int CRsCom::DataBitsOf(int index) {
    return index >= 0 && index <= 3 ? 4 + index : 8;
}

SerialPort::StopBits CRsCom::StopBitsOf(int index) {
    switch (index) {
    case 1:
        return SerialPort::StopBits::OneAndHalf;
    case 2:
        return SerialPort::StopBits::Two;
    default:
        return SerialPort::StopBits::One;
    }
}

int CRsCom::ReaderCount() {
    return g_readers.load();
}

bool CRsCom::Open(const std::string& port, RsComReceiver* window) {
    m_hwnd = window;
    return OpenPort(port, 12, 0, 4, 0);
}

bool CRsCom::OpenPort(const std::string& port, int baudIndex, int parityIndex, int dataBitsIndex,
                      int stopBitsIndex) {
    std::string name = txt::Trim(port);
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    if (!m_hwnd) {
        prompt::MessageBox("No indicate m_hwnd");
        return false;
    }
    const DeviceTiming timing = Timing();
    const bool wasOpen = IsOpen() || m_hThread.joinable();
    Close();
    if (wasOpen && timing.reopenPauseMs > 0) // let the device settle before the next open
        std::this_thread::sleep_for(std::chrono::milliseconds(timing.reopenPauseMs));

    if (m_hCom.Open(name) != SerialPort::OpenResult::Ok) {
        prompt::MessageBox("Can not Open COM");
        return false;
    }
    if (!Configure(baudIndex, parityIndex, dataBitsIndex, stopBitsIndex)) {
        m_hCom.Close();
        return false;
    }
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    const uint64_t generation = m_generation.load();
    m_writeTimeoutMs = timing.writeTimeoutMs;
    m_bOpen = true;
    m_bRun = true;
    ++g_readers; // counted from its start until it ends
    try {
        if (m_wakeFd < 0)
            throw std::system_error(errno, std::generic_category());
        m_hThread = std::thread(&CRsCom::ReaderThreadProc, this, m_hCom.Fd(), m_wakeFd, generation,
                                timing.chunkGapMs);
    } catch (const std::system_error&) {
        --g_readers;
        prompt::MessageBox("Not CreateThread");
        Close();
        return false;
    }
    m_strPort = name;
    return true;
}

bool CRsCom::Configure(int baudIndex, int parityIndex, int dataBitsIndex, int stopBitsIndex) {
    return m_hCom.Configure(BaudRateOf(baudIndex), ParityOf(parityIndex), DataBitsOf(dataBitsIndex),
                            StopBitsOf(stopBitsIndex));
}

void CRsCom::Close() {
    m_bRun = false;
    m_bOpen = false;
    ++m_generation; // chunks already on their way are dropped
    StopWriter();   // queued writes are dropped
    if (m_wakeFd >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t w = ::write(m_wakeFd, &one, sizeof one);
    }
    if (m_hThread.joinable())
        m_hThread.join();
    // The write in progress has been woken; the writer never waits for the
    // user-interface thread, so joining is safe.
    if (m_writer.joinable())
        m_writer.join();
    {
        std::lock_guard lock(m_portMutex); // a write in progress has been woken
        m_hCom.Close();
        if (m_wakeFd >= 0)
            ::close(m_wakeFd);
        m_wakeFd = -1;
    }
    m_bThreadDone = false;
    m_strPort.clear();
}

int CRsCom::Write(std::string_view text) {
    return WriteBytes(text.data(), static_cast<int>(std::min<size_t>(text.size(), kMaxWriteBytes)), true);
}

int CRsCom::WriteTxBuffer(int length) {
    return WriteBytes(g_txBuf, length, false);
}

int CRsCom::WriteBytes(const char* data, int n, bool setWritten) {
    std::unique_lock lock(m_portMutex);
    if (!m_bOpen || !m_hCom.IsOpen()) {
        lock.unlock(); // the message waits for the user-interface thread, which may be closing
        if (setWritten)
            m_bWritten = false;
        prompt::MessageBox(kLinkClosedMessage);
        return 0;
    }
    if (setWritten)
        m_bWritten = true;
    n = std::clamp(n, 0, kMaxWriteBytes);
    return m_hCom.Write(data, n, m_writeTimeoutMs, m_wakeFd);
}

void CRsCom::WriteAsync(std::string bytes, std::function<void(int)> done) {
    if (!IsOpen()) {
        m_bWritten = false;
        prompt::MessageBox(kLinkClosedMessage);
        if (done)
            done(0);
        return;
    }
    m_bWritten = true;
    if (bytes.size() > static_cast<size_t>(kMaxWriteBytes))
        bytes.resize(kMaxWriteBytes);
    {
        std::lock_guard lock(m_queueMutex);
        m_writeQueue.push_back({std::move(bytes), std::move(done)});
    }
    if (!m_writer.joinable()) {
        m_writerStop = false;
        try {
            m_writer = std::thread(&CRsCom::WriterThreadProc, this);
        } catch (const std::system_error&) {
            // No thread to be had: write here rather than lose the bytes.
            PendingWrite item;
            {
                std::lock_guard lock(m_queueMutex);
                item = std::move(m_writeQueue.front());
                m_writeQueue.pop_front();
            }
            const int n = WriteQuietly(item.bytes);
            if (item.done)
                item.done(n);
            return;
        }
    }
    m_queueCv.notify_one();
}

int CRsCom::WriteQuietly(const std::string& bytes) {
    std::lock_guard lock(m_portMutex);
    if (!m_bOpen || !m_hCom.IsOpen())
        return 0;
    return m_hCom.Write(bytes.data(), static_cast<int>(bytes.size()), m_writeTimeoutMs, m_wakeFd);
}

void CRsCom::WriterThreadProc() {
    for (;;) {
        PendingWrite item;
        {
            std::unique_lock lock(m_queueMutex);
            m_queueCv.wait(lock, [this] { return m_writerStop || !m_writeQueue.empty(); });
            if (m_writerStop)
                return;
            item = std::move(m_writeQueue.front());
            m_writeQueue.pop_front();
        }
        const int n = WriteQuietly(item.bytes);
        if (item.done)
            QMetaObject::invokeMethod(
                m_context.get(), [done = std::move(item.done), n] { done(n); }, Qt::QueuedConnection);
    }
}

void CRsCom::StopWriter() {
    std::deque<PendingWrite> dropped;
    {
        std::lock_guard lock(m_queueMutex);
        m_writerStop = true;
        dropped.swap(m_writeQueue);
    }
    m_queueCv.notify_all();
}

void CRsCom::ReaderThreadProc(int fd, int wakeFd, uint64_t generation, int gapMs) {
    m_bThreadDone = false;
    int held = 0;
    Clock::time_point lastByte;
    bool lost = false;
    while (m_bRun) {
        int timeout = -1;
        if (held > 0) {
            const auto left = lastByte + std::chrono::milliseconds(gapMs) - Clock::now();
            timeout = static_cast<int>(
                std::max<long long>(0, std::chrono::ceil<std::chrono::milliseconds>(left).count()));
        }
        pollfd fds[2] = {{fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
        const int r = ::poll(fds, 2, timeout);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            lost = true;
            break;
        }
        if (fds[1].revents != 0)
            break;    // Close: what is held is dropped
        if (r == 0) { // the gap has passed
            PostChunk(generation, held);
            held = 0;
            continue;
        }
        const ssize_t n = ::read(fd, m_rxBuf.data() + held, static_cast<size_t>(kRxBufferSize - held));
        if (n > 0) {
            held += static_cast<int>(n);
            lastByte = Clock::now();
            if (held == kRxBufferSize) {
                PostChunk(generation, held);
                held = 0;
            }
            continue;
        }
        const bool hungUp = (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
        if (n < 0 && (errno == EINTR || (errno == EAGAIN && !hungUp)))
            continue;
        // End of file or EIO: the device has gone; a tty that keeps reporting
        // it would make this loop spin, so the reader ends here.
        lost = true;
        break;
    }
    if (lost) {
        if (held > 0)
            PostChunk(generation, held);
        PostLost(generation);
    }
    m_bThreadDone = true;
    --g_readers;
}

void CRsCom::PostChunk(uint64_t generation, int count) {
    QMetaObject::invokeMethod(
        m_context.get(),
        [this, generation, bytes = std::string(m_rxBuf.data(), static_cast<size_t>(count))] {
            HandOver(generation, bytes);
        },
        Qt::QueuedConnection);
}

void CRsCom::PostLost(uint64_t generation) {
    QMetaObject::invokeMethod(
        m_context.get(), [this, generation] { ReportLost(generation); }, Qt::QueuedConnection);
}

void CRsCom::HandOver(uint64_t generation, const std::string& bytes) {
    if (generation != m_generation.load() || !IsOpen() || !m_hwnd)
        return;
    m_hwnd->OnRsComData(bytes.data(), static_cast<int>(bytes.size()));
}

void CRsCom::ReportLost(uint64_t generation) {
    if (generation != m_generation.load() || !IsOpen())
        return;
    Close();
    if (m_hwnd)
        m_hwnd->OnRsComLost();
}

int IsUsbSerialPresent() {
    const auto ports = usbserial::ListPorts();
    return ports && !ports->empty() ? 1 : 0;
}
