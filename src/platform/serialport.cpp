#include "platform/serialport.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The termios speed of a baud rate, or B0 when there is none.
speed_t SpeedOf(int baudRate) {
    switch (baudRate) {
    case 110:
        return B110;
    case 300:
        return B300;
    case 600:
        return B600;
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B0;
    }
}

tcflag_t SizeOf(int dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    case 8:
        return CS8;
    default:
        return 0;
    }
}

} // namespace

SerialPort::~SerialPort() {
    Close();
}

SerialPort::OpenResult SerialPort::Open(const std::string& path) {
    Close();
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EBUSY ? OpenResult::Busy : OpenResult::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return OpenResult::Busy;
    }
    // Not every device is a tty; one that is not fails in Configure.
    ::ioctl(fd, TIOCEXCL);
    m_fd = fd;
    return OpenResult::Ok;
}

void SerialPort::Close() {
    if (m_fd < 0)
        return;
    ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd); // also drops the flock
    m_fd = -1;
}

bool SerialPort::Configure(int baudRate, Parity parity, int dataBits, StopBits stopBits) {
    const speed_t speed = SpeedOf(baudRate);
    const tcflag_t size = SizeOf(dataBits);
    if (m_fd < 0 || speed == B0 || size == 0 || stopBits == StopBits::OneAndHalf)
        return false;
    termios tio{};
    if (::tcgetattr(m_fd, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0)
        return false;
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= size | CLOCAL | CREAD;
    switch (parity) {
    case Parity::None:
        break;
    case Parity::Odd:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case Parity::Even:
        tio.c_cflag |= PARENB;
        break;
    case Parity::Mark:
        tio.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case Parity::Space:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    }
    if (stopBits == StopBits::Two)
        tio.c_cflag |= CSTOPB;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(m_fd, TCSANOW, &tio) != 0)
        return false;
    // tcsetattr succeeds when any part of the change was taken: read back
    // what the driver kept.
    termios now{};
    if (::tcgetattr(m_fd, &now) != 0 || ::cfgetospeed(&now) != speed ||
        (now.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB)) !=
            (tio.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB)))
        return false;
    Flush();
    return true;
}

int SerialPort::Write(const char* data, int n, int timeoutMs, int cancelFd) {
    if (m_fd < 0 || n <= 0)
        return 0;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    int done = 0;
    while (done < n) {
        const ssize_t w = ::write(m_fd, data + done, static_cast<size_t>(n - done));
        if (w > 0) {
            done += static_cast<int>(w);
            continue;
        }
        if (w < 0 && errno == EINTR)
            continue;
        if (w < 0 && errno != EAGAIN)
            break; // the device is gone or refuses
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            break;
        pollfd fds[2] = {{m_fd, POLLOUT, 0}, {cancelFd, POLLIN, 0}};
        const int r = ::poll(fds, cancelFd >= 0 ? 2 : 1, static_cast<int>(left));
        if (r < 0 && errno != EINTR)
            break;
        if (cancelFd >= 0 && fds[1].revents != 0)
            break;
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))
            break;
    }
    if (done == n)
        return n;
    ::tcflush(m_fd, TCOFLUSH);
    return 0;
}

void SerialPort::Flush() {
    if (m_fd >= 0)
        ::tcflush(m_fd, TCIOFLUSH);
}
