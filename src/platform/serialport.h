#pragma once
// A serial port on termios: the stand-in for a COM port opened for
// overlapped I/O. Opening is exclusive twice over: TIOCEXCL keeps other
// processes from opening the tty (root ignores it), an advisory flock keeps
// out everyone who asks, root included. The descriptor is non-blocking; the
// caller waits in poll() itself.

#include <string>

class SerialPort {
public:
    enum class OpenResult { Ok, Busy, Failed };
    enum class Parity { None, Odd, Even, Mark, Space };
    enum class StopBits { One, OneAndHalf, Two };

    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens the device read-write without making it the controlling
    // terminal. Busy: it exists but another holder has it.
    OpenResult Open(const std::string& path);
    // Releases the exclusivity and closes; harmless when closed.
    void Close();
    bool IsOpen() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }

    // Raw mode at the given settings, no flow control, both queues flushed.
    // False when the port is closed, a setting is one the platform cannot do
    // (a baud rate without a termios speed, 4 data bits, 1.5 stop bits), or
    // the driver refuses it.
    bool Configure(int baudRate, Parity parity, int dataBits, StopBits stopBits);

    // Writes all n bytes within timeoutMs, or stops early when `cancelFd`
    // (if not -1) becomes readable. Returns n, or 0 when the bytes could not
    // all be written in time (or a write failed or was cancelled), in which
    // case the output queue is flushed.
    int Write(const char* data, int n, int timeoutMs, int cancelFd = -1);

    // Drops whatever waits in the input and output queues.
    void Flush();

private:
    int m_fd = -1;
};
