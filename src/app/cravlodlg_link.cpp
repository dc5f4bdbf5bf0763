// The main window's side of the device link: connecting by the USB port
// search, the connection display, device notices, what a received chunk
// means in each link state, the learned-code frame on its way to the IR
// library editor, and the window's timers.

#include "app/cqvmview4listctrl.h"
#include "app/cravlodlg.h"
#include "device/devicetiming.h"
#include "device/irlearnreceiver.h"
#include "model/cqvmcmd.h"
#include "platform/prompter.h"
#include "platform/usbserialports.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// A chunk is judged on its first bytes only.
constexpr int kReplyTextBytes = 20;
constexpr int kRxByteTimeoutMs = 1500;
// A learned-code frame carries 99 code bytes; anything shorter is no code.
constexpr int kMinLearnedFrameBytes = 99;

// The chunk's text: its own bytes, at most the first 20, cut at a NUL byte.
std::string_view ReplyText(const char* bytes, int count) {
    std::string_view text(bytes, static_cast<size_t>(std::min(count, kReplyTextBytes)));
    return text.substr(0, text.find('\0'));
}

bool Contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

// Whether the length bytes at buf are one whole frame: complete (which
// takes "QVM" at its start) and with the right checksum.
bool IsWholeFrame(char* buf, int length) {
    const CQvmCmd frame(1, buf, length);
    return frame.IsComplete() && frame.VerifyChecksum();
}

// Whether the length bytes at buf are a learned code the IR library editor
// takes: a whole frame long enough to carry the 99 code bytes.
bool IsLearnedCode(char* buf, int length) {
    return length >= kMinLearnedFrameBytes && IsWholeFrame(buf, length);
}

QWidget* FindTopLevelByTitle(QLatin1String title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == title)
            return w;
    return nullptr;
}

} // namespace

void CravloDlg::InitDeviceLink() {
    m_com.m_hwnd = this;
    // A registration that fails is not reported: the program works without
    // notices, the display is then only refreshed by the user's commands.
    m_deviceNotices = new UsbDeviceNotices(this);
    m_deviceNotices->StartKernelMonitor();
    connect(m_deviceNotices, &UsbDeviceNotices::Changed, this, &CravloDlg::OnDeviceChange);

    g_hReplyEvent.ClearCancel();
    g_hReplyEvent.Reset();

    // The connect command's check mark is set by the connect reply only, so
    // choosing the entry must not toggle it. Only a checked entry is
    // checkable (see CheckMenuCommand), and choosing it unchecks it.
    if (QAction* usb = MenuAction(cmdid::kConnectionUsb)) {
        connect(usb, &QAction::triggered, this, [this, usb] {
            if (usb->isCheckable())
                usb->setChecked(true);
            OnConnectionUsb();
        });
    }
    if (QAction* disconnect = MenuAction(cmdid::kConnectionDisconnect))
        connect(disconnect, &QAction::triggered, this, [this] { OnConnectionDisconnect(); });
    if (QAction* clear = MenuAction(cmdid::kConnectionClear))
        connect(clear, &QAction::triggered, this, [this] { OnConnectionClear(); });

    CreateHiddenDeviceControls();
}

void CravloDlg::CheckMenuCommand(int command, bool checked) {
    // A checkable entry shows an empty box when unchecked; the menu shows a
    // mark on the connected entry only and nothing beside the others.
    if (QAction* action = MenuAction(command)) {
        action->setCheckable(checked);
        action->setChecked(checked);
    }
}

void CravloDlg::OnConnectionUsb() {
    m_nConnectVia = kViaUsbSearch;
    if (m_com.IsOpen())
        m_com.Close();
    // With the link closed the device is no longer "Connected", whatever
    // this attempt brings; otherwise a failed reconnect would leave Upload
    // open to a closed link.
    if (!m_staticConnected->isHidden())
        ShowConnectionStatus();

    const auto ports = usbserial::ListPorts();
    if (!ports) {
        m_nConnectVia = kViaNone;
        prompt::MessageBox("Cannot find USB");
        return;
    }
    if (!m_staticDisconnected->isHidden()) {
        if (ports->empty()) {
            prompt::MessageBox("Please connect the USB Wire first.");
            return;
        }
        // A port came without a notice (or before its tty existed): the
        // display catches up instead of refusing the connect.
        ShowConnectionStatus();
    }
    for (const std::string& port : *ports) {
        m_com.m_hwnd = this;
        if (!m_com.OpenPort(port, 12, 0, 4, 0))
            continue;
        m_nLinkState = kLinkConnecting;
        KillTimer(timerid::kConnect);
        SetTimer(timerid::kConnect, Timing().usbConnectReplyMs);
        m_com.WriteAsync(std::string(kConnectFrame));
        return;
    }
    m_nConnectVia = kViaNone;
    m_nLinkState = kLinkIdle;
}

void CravloDlg::OnConnectionDisconnect() {
    if (m_com.IsOpen())
        m_com.Close();
    CheckMenuCommand(cmdid::kConnectionCom, false);
    CheckMenuCommand(cmdid::kConnectionUsb, false);
    ShowConnectionStatus();
    m_nConnectVia = kViaNone;
    // An upload worker waiting for a reply or for the clear learns at once
    // that the link has gone.
    if (m_pUploadThread)
        g_hReplyEvent.Set();
}

void CravloDlg::OnDeviceChange(UsbDeviceChange change) {
    switch (change) {
    case UsbDeviceChange::Arrival:
    case UsbDeviceChange::RemoveComplete:
        // Another USB device coming or going leaves an open link alone, even
        // mid-upload; only the going of the link's own port closes it. The
        // port search lists every serial port, the USB-serial ones among
        // them. The keypad's own removal is usually seen first by the
        // link's hang-up, which has closed the link already.
        if (m_com.IsOpen()) {
            const auto ports = usbserial::ListSerialPorts();
            if (ports && std::find(ports->begin(), ports->end(), m_com.m_strPort) != ports->end())
                break;
        }
        OnConnectionDisconnect();
        break;
    }
}

void CravloDlg::OnRsComLost() {
    // The device hung up (unplugged or reset): the display follows as after
    // a device notice.
    OnConnectionDisconnect();
}

void CravloDlg::OnConnectTimeout() {
    KillTimer(timerid::kConnect);
    if (m_com.IsOpen())
        m_com.Close();
    m_nLinkState = kLinkIdle;
    CheckMenuCommand(cmdid::kConnectionCom, false);
    CheckMenuCommand(cmdid::kConnectionUsb, false);
    prompt::MessageBox("Failed to connect");
}

void CravloDlg::OnRsComData(const char* bytes, int count) {
    if (count <= 0 || count > kRxBufferSize)
        return;
    if (m_bIrLearning) {
        // Every chunk belongs to the learned-code frame, whatever the state.
        AssembleLearnedCode(bytes, count);
        return;
    }

    std::memcpy(g_rxBuf, bytes, static_cast<size_t>(count));
    const std::string_view text = ReplyText(g_rxBuf, count);
    switch (m_nLinkState.load()) {
    case kLinkConnecting: {
        // The first chunk ends the wait, whatever it says.
        KillTimer(timerid::kConnect);
        m_nLinkState = kLinkIdle;
        // Only the connect reply connects: it shows "Connected" and checks
        // the entry of the way the connect began. Any other answer leaves
        // no entry checked.
        const bool connected = Contains(text, "CONE");
        if (connected) {
            m_staticDisconnected->hide();
            m_staticAwaiting->hide();
            m_staticConnected->show();
        }
        if (!connected || m_nConnectVia != kViaNone) {
            CheckMenuCommand(cmdid::kConnectionCom, connected && m_nConnectVia == kViaComDialog);
            CheckMenuCommand(cmdid::kConnectionUsb, connected && m_nConnectVia == kViaUsbSearch);
        }
        g_hReplyEvent.Set();
        break;
    }
    case kLinkClearing:
        if (Contains(text, "CLRE") && ++m_nClearReplies >= 2) {
            m_nLinkState = kLinkIdle;
            m_bRxBusy = false;
        }
        break;
    case kLinkClearingForUpload:
        if (Contains(text, "CLRE") && ++m_nClearReplies >= 2)
            EndUploadClear();
        break;
    default:
        // During an upload any chunk at all is the reply to the last frame.
        g_hReplyEvent.Set();
        break;
    }
}

void CravloDlg::AssembleLearnedCode(const char* bytes, int count) {
    // Not busy: a new learn request (or the end of a frame) forgets what
    // was held.
    if (!m_bRxBusy)
        m_learnedFrames.Reset();
    m_learnedFrames.Feed(bytes, count, [this](std::string_view frame, bool whole) {
        std::memcpy(m_rxFrame.data(), frame.data(), frame.size());
        m_nRxFrameLen = static_cast<int>(frame.size());
        m_bRxFrameWhole = whole;
        OnIrFrameReceived(2, m_nRxFrameLen);
        g_hReplyEvent.Set();
        return m_bIrLearning; // no editor any more: the rest is not a code
    });
    m_nRxCount = m_learnedFrames.HeldCount();
    m_bRxBusy = m_nRxCount > 0;
}

void CravloDlg::OnIrFrameReceived(int /*kind*/, int /*length*/) {
    if (QWidget* editor = FindIrEditor()) {
        // The assembly has checked the checksum already: a long frame
        // without a right one costs no second look.
        const bool valid = m_bRxFrameWhole && IsLearnedCode(m_rxFrame.data(), m_nRxFrameLen);
        if (auto* receiver = dynamic_cast<IrLearnReceiver*>(editor); receiver && valid) {
            // The editor gets its own copy: a chunk handled while it is busy
            // (a message box runs events) may overwrite m_rxFrame.
            const std::string copy(m_rxFrame.data(), static_cast<size_t>(m_nRxFrameLen));
            receiver->OnLearnData(copy.data(), static_cast<int>(copy.size()));
        }
    } else {
        m_bIrLearning = false;
    }
    m_bRxBusy = false;
}

QWidget* CravloDlg::FindIrEditor() {
    // The last one found is asked first: looking through every window for
    // each frame would make junk that looks like frames costly.
    const QLatin1String title(kIrEditTitle);
    if (!m_irEditor || !m_irEditor->isWindow() || m_irEditor->windowTitle() != title)
        m_irEditor = FindTopLevelByTitle(title);
    return m_irEditor;
}

void CravloDlg::OnRxByte(char byte) {
    if (!m_bRxBusy) {
        std::memset(g_rxBuf, 0, sizeof g_rxBuf);
        m_bRxBusy = true;
        m_nRxCount = 0;
        m_nRxExpect = 0;
        SetTimer(timerid::kRxByte, kRxByteTimeoutMs);
        g_rxBuf[m_nRxCount++] = byte;
        return;
    }
    if (m_nRxCount < kRxBufferSize)
        g_rxBuf[m_nRxCount++] = byte;
    if (m_nRxCount == 7)
        m_nRxExpect = CQvmCmd(1, g_rxBuf, m_nRxCount).GetDataLength();
    if (m_nRxCount >= m_nRxExpect + 12)
        HandOverRxFrame(1);
}

void CravloDlg::HandOverRxFrame(int kind) {
    KillTimer(timerid::kRxByte);
    std::memcpy(m_rxFrame.data(), g_rxBuf, sizeof g_rxBuf);
    m_nRxFrameLen = m_nRxCount;
    m_bRxBusy = false;
    m_nRxCount = 0;
    const int length = m_nRxFrameLen;
    QMetaObject::invokeMethod(
        this, [this, kind, length] { OnRxFrameComplete(kind, length); }, Qt::QueuedConnection);
}

void CravloDlg::OnRxFrameComplete(int /*kind*/, int /*length*/) {
    g_hReplyEvent.Set();
}

void CravloDlg::OnRefreshEventList(int key, int slot) {
    m_listEvent->ShowEvents(key, slot);
}

// ----- the IR library editor's link

bool CravloDlg::IsLinkOpen() const {
    return m_com.IsOpen();
}

void CravloDlg::StartIrLearning() {
    m_bIrLearning = true;
    m_bRxBusy = false;
    CQvmCmd cmd(0, g_txBuf, 0);
    cmd.BuildNoneFrame();
    // Queued for the link's writer: the editor never waits for the device.
    m_com.WriteAsync(std::string(g_txBuf, size_t(cmd.m_nLen)));
}

void CravloDlg::StopIrLearning() {
    m_nLinkState = kLinkIdle;
    m_bIrLearning = false;
}

void CravloDlg::SetTimer(int id, int periodMs) {
    QTimer*& timer = m_timers[id];
    if (!timer) {
        timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer); // a time-out never ends early
        connect(timer, &QTimer::timeout, this, [this, id] { OnTimer(id); });
    }
    timer->start(std::max(periodMs, 0));
}

void CravloDlg::KillTimer(int id) {
    if (auto it = m_timers.find(id); it != m_timers.end())
        it->second->stop();
}

bool CravloDlg::IsTimerActive(int id) const {
    const auto it = m_timers.find(id);
    return it != m_timers.end() && it->second->isActive();
}

void CravloDlg::OnTimer(int id) {
    switch (id) {
    case timerid::kRxByte:
        // The byte-by-byte frame did not complete in time: hand over what came.
        HandOverRxFrame(3);
        break;
    case timerid::kConnect:
        OnConnectTimeout();
        break;
    case timerid::kClearFinish:
        KillTimer(timerid::kClearFinish);
        m_nLinkState = kLinkIdle;
        prompt::MessageBox("clear finish");
        break;
    case timerid::kUploadClear:
        OnUploadClearTick();
        break;
    default:
        break;
    }
}
