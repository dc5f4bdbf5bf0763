// The upload: the key configuration compiled into frames and sent to the
// device one by one, each paced by the device's reply.
//
// Threads. The user-interface thread checks, asks, sends the clear frame,
// counts the clear's ticks, runs the progress dialog and receives the
// replies. The worker sends the frames of a plan made from a snapshot of the
// keys, so nothing the user does meanwhile changes what is sent, and it
// touches no widget: it moves the bar and reports its end through queued
// calls and shows its messages through the prompter, which waits for the
// user-interface thread. That thread therefore never joins the worker
// without serving events.
//
// Waiting. The worker sleeps on the reply event until something happens:
// a reply, the end of the clear, the link closing (each sets the event) or
// Cancel and closing the window (each cancels it). It never polls, and the
// user-interface thread never waits for it without serving events.
//
// Ending. Cancel and closing the window end the worker at once, so the link
// is idle again without waiting out 30 seconds. A link that has gone ends
// the upload at once too, with the link's one message, also when it goes
// during the clear or while the last reply is awaited: an upload is
// finished only when the link is still open after its last reply wait.

#include "app/cravlodlg.h"

#include "app/cqvmview2listctrl.h"
#include "device/crscom.h"
#include "device/devicetiming.h"
#include "device/uploadplan.h"
#include "model/cqvmcmd.h"
#include "platform/programpaths.h"
#include "platform/prompter.h"
#include "platform/valuemessage.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <optional>
#include <system_error>

namespace {

// The upload log in the Library folder, recreated at every upload.
constexpr const char* kUploadLogName = "log.txt";
constexpr int kClearTicks = 6;
// Progress positions of the start and of the end of the clear.
constexpr int kStartPos = 1;
constexpr int kClearedPos = 6;
// While the window waits for the worker to end it serves events this often.
constexpr int kEventSliceMs = 100;

} // namespace

void CravloDlg::InitUpload() {
    m_dlgProgress.setParent(this, m_dlgProgress.windowFlags());
    if (QAction* upload = MenuAction(cmdid::kConnectionUpload))
        connect(upload, &QAction::triggered, this, &CravloDlg::OnConnectionUpload);
}

void CravloDlg::OnConnectionUpload() {
    if (m_staticConnected->isHidden()) {
        prompt::MessageBox("Please connect with USB first.");
        return;
    }
    if (m_nLinkState != kLinkIdle || m_pUploadThread) {
        prompt::MessageBox("The machine is being clearing");
        return;
    }
    if (prompt::Ask("", "Clear all data? \r\nYes or No ?") != prompt::Answer::Ok)
        return;
    // The question ran events: another command may have begun meanwhile.
    if (m_nLinkState != kLinkIdle || m_pUploadThread) {
        prompt::MessageBox("The machine is being clearing");
        return;
    }

    m_nClearReplies = 0;
    m_nLinkState = kLinkClearingForUpload;
    m_com.WriteAsync(std::string(kClearFrame));
    // A link that has gone since "Connected" was shown has said so; the
    // upload would only wait out the clear and fail on every frame.
    if (!m_com.m_bWritten) {
        m_nLinkState = kLinkIdle;
        return;
    }
    if (!StartUploadThread())
        return;
    m_nClearTicks = 0;
    SetTimer(timerid::kUploadClear, Timing().uploadClearTickMs);

    const int generation = m_nUploadGeneration;
    if (m_dlgProgress.DoModal() != CDlgProgress::kIdOk && m_pUploadThread &&
        generation == m_nUploadGeneration) {
        // Cancelled: the worker stops now instead of after its reply wait.
        g_hReplyEvent.Cancel();
    }
}

bool CravloDlg::StartUploadThread() {
    UploadPlan::Keys keys;
    for (size_t i = 0; i < keys.size(); ++i)
        keys[i] = static_cast<const KeyRecord&>(m_keys[i]);
    auto plan = std::make_shared<const UploadPlan>(keys, m_nModel, m_nPortMode, m_nDeviceId);

    m_dwGroupMask = plan->GroupMask();
    m_dlgProgress.m_nRange = plan->ProgressRange(m_listAction ? m_listAction->GetItemCount() : 0);
    // A Cancel that came after the last upload's final look at the flag
    // must not stop this one.
    m_dlgProgress.m_bCancel = false;
    g_hReplyEvent.ClearCancel();
    g_hReplyEvent.Reset();
    m_bUploadThreadEnded = false;
    ++m_nUploadGeneration;

    const QString logPath = GetLibraryFilePath(kUploadLogName);
    try {
        m_pUploadThread =
            std::make_unique<std::thread>([this, plan, logPath] { UploadThreadProc(plan, logPath); });
    } catch (const std::system_error&) {
        // No thread to be had: nothing runs, and the link is not left busy.
        m_nLinkState = kLinkIdle;
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return true;
}

void CravloDlg::OnBnClickedSend() {
    if (!m_com.IsOpen()) {
        prompt::MessageBox("Please connect with USB first");
        return;
    }
    if (m_pUploadThread) {
        prompt::MessageBox("Send data ing");
        return;
    }
    m_btnSend->setEnabled(false);
    m_progressHidden->setRange(0, (m_listAction ? m_listAction->GetItemCount() : 0) + 2);
    m_progressHidden->show();
    StartUploadThread();
}

void CravloDlg::UploadThreadProc(std::shared_ptr<const UploadPlan> plan, const QString& logPath) {
    const DeviceTiming timing = Timing();
    const int generation = m_nUploadGeneration;

    // Created empty, or emptied; without it the upload goes on unlogged.
    QFile log(logPath);
    const bool logOpen = log.open(QIODevice::WriteOnly | QIODevice::Truncate);

    const auto setPos = [this](int position) {
        QMetaObject::invokeMethod(
            this, [this, position] { m_dlgProgress.SetPos(position); }, Qt::QueuedConnection);
    };
    const auto stopped = [this] { return m_dlgProgress.m_bCancel.load() || g_hReplyEvent.IsCancelled(); };
    // The link closed while the worker waited: told in the link's words.
    const auto linkLost = [] {
        prompt::MessageBox(kLinkClosedMessage);
        return UploadEnd::LinkLost;
    };
    int step = 0;

    // Sends one frame and waits up to waitMs for any reply. A missing reply
    // is not repeated: the next frame follows.
    const auto send = [&](const std::string& frame, int waitMs) -> std::optional<UploadEnd> {
        if (stopped())
            return UploadEnd::Cancelled;
        g_hReplyEvent.Reset();
        const int written = m_com.Write(frame);
        setPos(++step);
        if (written == 0 && !m_com.m_bWritten)
            return UploadEnd::LinkLost; // the link found itself closed and has said so
        if (g_hReplyEvent.Wait(waitMs) == AutoResetEvent::WaitResult::Cancelled || stopped())
            return UploadEnd::Cancelled;
        if (!m_com.IsOpen())
            return linkLost();
        return std::nullopt;
    };

    const auto run = [&]() -> UploadEnd {
        setPos(kStartPos);
        // The user-interface thread ends the clear (two acknowledgements or
        // the sixth tick) and then wakes this thread, as a lost link and
        // Cancel do. Every end of the clear comes with exactly one wake-up,
        // consumed here, so none is left over to pass for the reply to the
        // first frame.
        if (m_nLinkState == kLinkClearingForUpload) {
            do {
                if (g_hReplyEvent.Wait(-1) == AutoResetEvent::WaitResult::Cancelled || stopped())
                    return UploadEnd::Cancelled;
                if (!m_com.IsOpen())
                    return linkLost();
            } while (m_nLinkState == kLinkClearingForUpload);
        }
        setPos(kClearedPos);
        step = kClearedPos;
        m_nLinkState = kLinkUploading;

        for (const std::string& frame : plan->SetupFrames())
            if (const auto end = send(frame, timing.setupReplyMs))
                return *end;

        for (int k = 0; k < kKeyCount; ++k) {
            for (int s = 0; s < kSlotCount; ++s) {
                if (stopped())
                    return UploadEnd::Cancelled;
                if (plan->IsKeyActionEmpty(k, s))
                    continue;
                const UploadPlan::KeyActionFrame frame = plan->BuildKeyActionFrame(k, s);
                if (frame.eventsDropped) {
                    prompt::MessageBox("too more events");
                    ShowValueMessage(0, false, "event no success");
                }
                if (logOpen) {
                    log.write(frame.bytes.data(), static_cast<qint64>(frame.bytes.size()));
                    log.write("\r\n", 2);
                    log.flush();
                }
                if (const auto end = send(frame.bytes, timing.keyActionReplyMs))
                    return *end;
            }
        }
        return UploadEnd::Completed;
    };

    const UploadEnd end = run();
    log.close();
    QMetaObject::invokeMethod(
        this, [this, generation, end] { OnUploadThreadEnded(generation, end); }, Qt::QueuedConnection);
    // The last thing the worker does: from here on joining it cannot wait.
    m_bUploadThreadEnded = true;
}

void CravloDlg::OnUploadThreadEnded(int generation, UploadEnd end) {
    if (generation != m_nUploadGeneration || !m_pUploadThread)
        return;
    m_pUploadThread->join();
    m_pUploadThread.reset();
    KillTimer(timerid::kUploadClear);
    m_nClearReplies = 0;
    m_nLinkState = kLinkIdle;
    g_hReplyEvent.ClearCancel();
    QApplication::restoreOverrideCursor();
    // A worker that stopped because the link went away closes the dialog
    // too; only the user's Cancel (which closed it already) or a closing
    // window leave it alone.
    if (end != UploadEnd::Cancelled)
        OnUploadDone();
}

void CravloDlg::OnUploadDone() {
    // The dialog may have been closed by the user meanwhile.
    if (m_dlgProgress.isVisible())
        m_dlgProgress.accept();
}

void CravloDlg::OnUploadClearTick() {
    ++m_nClearTicks;
    if (m_nClearTicks >= kClearTicks) {
        EndUploadClear();
        return;
    }
    m_dlgProgress.SetPos(m_nClearTicks);
}

void CravloDlg::EndUploadClear() {
    KillTimer(timerid::kUploadClear);
    m_nClearReplies = 0;
    int clearing = kLinkClearingForUpload;
    if (m_nLinkState.compare_exchange_strong(clearing, kLinkUploading) && m_pUploadThread)
        g_hReplyEvent.Set(); // the worker waits for the clear to end
}

void CravloDlg::StopUpload() {
    if (!m_pUploadThread)
        return;
    const int generation = m_nUploadGeneration;
    m_dlgProgress.m_bCancel = true;
    g_hReplyEvent.Cancel();
    if (m_dlgProgress.isVisible())
        m_dlgProgress.reject();
    // The worker may be waiting for this thread (a message it shows), so
    // events are served until it has ended.
    while (!m_bUploadThreadEnded) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kEventSliceMs);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    OnUploadThreadEnded(generation, UploadEnd::Cancelled);
}
