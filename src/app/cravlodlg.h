#pragma once
// The main window: the key panel of the device model, the Action List and
// the Event List with the event pages, the port-mode and device-ID boxes, the
// connection status and the menu. It owns the 36 keys for its whole life.
//
// Controls are placed from the dialog layout given in dialog units (see
// Units()) and are direct children of Client(), whose coordinates are the
// dialog's client coordinates. Every control's object name is its control id
// in decimal ("1146"); menu actions are named by their command ids
// ("32783"). Other parts of the program reach the window through
// MainDialog().
//
// The methods are spread over several files by subject: cravlodlg.cpp
// (start-up, menu, status, closing, Enter, resizing), cravlodlg_panel.cpp
// (key panel and key clicks), cravlodlg_settings.cpp (settings, device model,
// port mode), cravlodlg_lists.cpp (the lists and event pages) and
// cravlodlg_project.cpp (project files), cravlodlg_link.cpp (connection,
// device notices, received chunks, timers), cravlodlg_clear.cpp (clear
// and the other device commands) and cravlodlg_upload.cpp (the upload).

#include "app/cdlgprogress.h"
#include "app/keypanellayout.h"
#include "app/ondemand.h"
#include "controls/cbasebutton.h"
#include "device/crscom.h"
#include "device/learnedframeassembler.h"
#include "device/usbdevicenotices.h"
#include "editors/eventpagehost.h"
#include "editors/irlearnlink.h"
#include "model/keyrecord.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <thread>

class CPageView3IO;
class CQvmListBox;
class CQvmTabCtrl;
class CQvmView2ListCtrl;
class CQvmView4ListCtrl;
class DialogUnits;
class EventPage;
class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QTimer;
class UploadPlan;

// Control ids of the main window.
namespace dlgid {
constexpr int kVerticalLine = 1004;
constexpr int kHorizontalLine = 1005;
constexpr int kFramePanel = 1012;    // "Panel Set"
constexpr int kLabelPortMode = 1183; // "Enable RS232/IR:"
constexpr int kComboPortMode = 1146;
constexpr int kLabelDeviceId = 1200; // "ID No."
constexpr int kComboDeviceId = 1149;
constexpr int kFrameActionList = 1204; // "Action List"
constexpr int kDelAction = 1017;
constexpr int kRefre = 1018;
constexpr int kClearAllActions = 1019;
constexpr int kActionList = 1015;
constexpr int kLabelConnection = 1201; // "Device Connection:"
constexpr int kStaticConnected = 1190;
constexpr int kStaticDisconnected = 1191;
constexpr int kStaticAwaiting = 1192;
constexpr int kFrameEventSet = 1006; // "Event Set"
constexpr int kEventSetList = 1010;
constexpr int kTabPlaceholder = 1024; // hidden; its rectangle places the tab control
constexpr int kEventTabs = 1011;
constexpr int kFrameEventList = 1203; // "Event List"
constexpr int kDelEvent = 1020;
constexpr int kUp = 1021;
constexpr int kDown = 1022;
constexpr int kClearAllEvents = 1023;
constexpr int kEventList = 1016;
constexpr int kFirstKey = 0x1200; // keys 0x1200 to 0x1223
constexpr int kLastKeyCommand = 0x1230;
// Hidden device controls; only Send ever shows the progress bar.
constexpr int kProgressHidden = 1164;
constexpr int kOpenPort = 1165;       // "Open"
constexpr int kClosePort = 1093;      // "Close"
constexpr int kSend = 1025;           // "Send"
constexpr int kLabelMode = 1202;      // "Mode Selection:"
constexpr int kComboMode = 1184;      // "IR study", "Normal status"
constexpr int kSetMode = 1185;        // "OK"
constexpr int kSendTextSource = 1090; // read by command 1092; the window has no such control
} // namespace dlgid

// Menu command ids.
namespace cmdid {
constexpr int kFileNew = 32784;
constexpr int kFileOpen = 32774;
constexpr int kFileSave = 32775;
constexpr int kFileSaveAs = 32776;
constexpr int kSystemPanel = 32783; // device model 0; checked while the model is 0
constexpr int kConnectionUsb = 32772;
constexpr int kConnectionDisconnect = 32778;
constexpr int kConnectionUpload = 32777;
constexpr int kConnectionClear = 32780;
constexpr int kHelpAbout = 32785;
constexpr int kConnectionCom = 32771; // connect through the COM-port dialog; no menu entry
constexpr int kForgetDevice = 32786;  // no menu entry
constexpr int kSendText = 1092;       // no control, no menu entry
} // namespace cmdid

// Timers of the main window (SetTimer ids).
namespace timerid {
constexpr int kRxByte = 1;      // time-out of the byte-by-byte frame assembly
constexpr int kConnect = 4;     // connect reply time-out
constexpr int kClearFinish = 5; // nothing starts it
constexpr int kUploadClear = 6; // ticks of the clear before an upload
} // namespace timerid

class CravloDlg : public QMainWindow, public RsComReceiver, public EventPageHost, public IrLearnLink {
    Q_OBJECT
public:
    // `args` are the command-line arguments after the program name; the
    // first, if any, names a project to open.
    explicit CravloDlg(const QStringList& args = {}, QWidget* parent = nullptr);
    ~CravloDlg() override;

    // The dialog's client area; every control is a direct child of it.
    QWidget* Client() const { return m_client; }
    // The dialog units of the layout: pixels of the client area per unit.
    static const DialogUnits& Units();
    // The pixel rectangle of a control of the window's layout (also of the
    // lists, list buttons and list box the lists code creates); empty for an
    // unknown id.
    static QRect TemplateRect(int id);
    // Names a control of the client area after its id and gives it its
    // place in the window's layout.
    static void PlaceControl(QWidget* widget, int id);
    // The client size the layout is drawn for.
    static QSize DesignClientSize();
    // The control with that id, or nullptr.
    QWidget* Control(int id) const;
    QAction* MenuAction(int command) const;

    // Start-up steps, in order; run by the constructor.
    void OnInitDialog();
    void RedrawAll();

    // ----- key panel and key clicks (cravlodlg_panel.cpp)
    void BuildPanel();
    void BuildPanelModel0();
    void BuildPanelModel1();
    void BuildPanelModel2();
    // Empties every key action of every key, removes the key buttons from the
    // panel and deletes the rows of both lists.
    void ClearAllKeys();
    void OnKeyButton(int id);
    // The "Panel Set" frame's rectangle in client coordinates.
    QRect PanelFrameRect() const;

    // ----- settings, device model, port mode (cravlodlg_settings.cpp)
    void InitCombos();
    void LoadSettings();
    void ApplyModel(int model, int port);
    // The user chose entry `index` of the port-mode box.
    void OnCbnSelchangeComboPortMode(int index);
    void OnCbnSelchangeComboDeviceId(int index);
    void OnSystemPanel();
    // The port-mode dialog and what OK in it changes; false when cancelled.
    bool RunSystemPanel();

    // ----- connection status
    // Shows "Awaiting Connection" when a USB-serial port is present, else
    // "Disconnected"; hides "Connected".
    void ShowConnectionStatus();

    // ----- lists and event pages (cravlodlg_lists.cpp)
    void InitActionList();
    void InitEventPages();
    void InitEventList();
    // The list buttons show the desktop theme's icons where it has them, in
    // place of Qt's own images. Looking them up can take milliseconds where
    // the user's icon folders have no icon cache, so it follows the first
    // paint.
    void ShowThemeListButtonImages();
    // The hidden GPIO page (m_pageIO).
    CPageView3IO* CreateGpioPage();
    // Deletes every row of the Action List and of the Event List.
    void DeleteAllListRows();
    // After a key click added a key action: rebuilds the key's rows of the
    // Action List, sorts, and selects the row of (key, slot); shows
    // `noRowMessage` and selects row 0 when it has none. Repaints the list.
    void ShowAddedKeyAction(int key, int slot, const std::string& noRowMessage);
    // Selects entry n of the "Event Set" list, then makes tab n active.
    void SelectEventPage(int n);
    // The page of tab n, made now and put in its tab if it was not yet; a
    // page is made when its tab is first shown, so that the start pays only
    // for the first one. nullptr for an index without a page.
    EventPage* EventPageAt(int n);
    // The tab control's active tab changed / the user chose an "Event Set"
    // entry: the other one follows.
    void OnChangeActiveTab(int index);
    void OnLbnSelchangeEventSet(int index);
    // A row of the Action List / Event List became selected.
    void OnLvnItemchangedActionList(int row);
    void OnLvnItemchangedEventList(int row);
    void OnBnClickedDelAction();
    void OnBnClickedRefre();
    void OnBnClickedClearAllActions();
    void OnBnClickedDelEvent();
    void OnBnClickedUp();
    void OnBnClickedDown();
    void OnBnClickedClearAllEvents();

    // The event pages' way in (EventPageHost). A page's Add calls AddEvent,
    // then AddEventRow; its Edit calls ReplaceSelectedEvent, then
    // UpdateEventRow; each passes m_nSelKey and m_nSelSlot. A key or slot out
    // of range changes nothing.
    // The text joins the key action (the blank placeholder is replaced).
    void AddEvent(int key, int slot, const std::string& text) override;
    // A new last Event List row with the text's type name and description.
    void AddEventRow(const std::string& text) override;
    // The event at the selected Event List row is replaced by the text; no
    // selected row (or one the key action does not have): nothing.
    void ReplaceSelectedEvent(int key, int slot, const std::string& text) override;
    // The selected Event List row shows the text's type name and description.
    void UpdateEventRow(const std::string& text) override;
    bool HasActionRows() const override;
    bool HasEventRows() const override;
    bool HasSelectedEventRow() const override;
    int SelectedKey() const override { return m_nSelKey; }
    int SelectedSlot() const override { return m_nSelSlot; }
    int DeviceModel() const override { return m_nModel; }
    int PortMode() const override { return m_nPortMode; }
    IrLearnLink* LearnLink() override { return this; }

    // ----- project files (cravlodlg_project.cpp)
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    // True when the project was written (false: cancelled or failed).
    bool OnFileSaveAs();
    // Loads the project file into the window; a file that cannot be read
    // whole shows "The File is Destroy", changes nothing and gives false.
    bool LoadProject(const QString& path);
    // Writes the project to path; "Can Not Open The File" and false when it
    // cannot be written.
    bool WriteProject(const QString& path);

    // ----- closing, About
    // The close question; true when the window may close.
    bool OnClose();
    void OnHelpAbout();

    // ----- device link (cravlodlg_link.cpp)
    // Connection menu, device notices, reply event; start-up step of the link.
    void InitDeviceLink();
    // Menu "USB": opens the first USB-serial port that opens and sends the
    // connect request; the reply or timer 4 decides the rest.
    void OnConnectionUsb();
    // Menu "Disconnect", device notices, hang-up and start-up: closes the
    // link, unchecks the connect commands and shows "Awaiting Connection" or
    // "Disconnected" by the port search. The link state stays.
    void OnConnectionDisconnect();
    // A USB device came or went: an open link closes only when its own port
    // has gone; with no link open the display is refreshed.
    void OnDeviceChange(UsbDeviceChange change);
    // A chunk from the link: the learned-code assembly while the IR editor
    // learns, else what the link state makes of it.
    void OnRsComData(const char* bytes, int count) override;
    // The device hung up; the link has closed itself.
    void OnRsComLost() override;
    // A chunk while learning: assembled into learned-code frames, each
    // complete one handed to OnIrFrameReceived. Bytes that are no whole
    // frame never cost a later whole frame.
    void AssembleLearnedCode(const char* bytes, int count);
    // Hands a learned-code frame with a right checksum to the "IR Edit"
    // window; without such a window learning ends.
    void OnIrFrameReceived(int kind, int length);
    // The top-level window titled "IR Edit", or null.
    QWidget* FindIrEditor();
    // The byte-by-byte frame assembler and its end; nothing feeds it.
    void OnRxByte(char byte);
    void OnRxFrameComplete(int kind, int length);
    void OnRefreshEventList(int key, int slot);
    // The IR library editor's link (IrLearnLink): learning sets
    // m_bIrLearning, forgets a half-assembled frame (m_bRxBusy) and sends
    // the learn request; stopping also returns the link state to idle.
    bool IsLinkOpen() const override;
    void StartIrLearning() override;
    void StopIrLearning() override;
    // Window-style timers: SetTimer starts (or restarts) timer `id` with the
    // period, and it ticks through OnTimer until KillTimer.
    void SetTimer(int id, int periodMs);
    void KillTimer(int id);
    bool IsTimerActive(int id) const;
    void OnTimer(int id);
    // Checks or unchecks a connect command's menu entry, if it has one.
    void CheckMenuCommand(int command, bool checked);

    // ----- device commands (cravlodlg_clear.cpp)
    void CreateHiddenDeviceControls();
    void OnConnectionClear();
    void OnConnectionCom();
    void OnForgetDevice();
    void OnBnClickedSetMode();
    void OnBnClickedOpenPort();
    void OnBnClickedClosePort();
    void OnBnClickedSendText();

    // ----- upload (cravlodlg_upload.cpp)
    // Menu "Upload": refused without "Connected" or while the link is busy;
    // after the question the device is cleared, the worker started and the
    // progress dialog run until the worker is done or the user cancels.
    void OnConnectionUpload();
    // Start-up: the progress dialog's owner and the menu command.
    void InitUpload();
    // Starts the upload worker on a snapshot of the keys, the device model,
    // the port mode and the device ID, and prepares the progress dialog;
    // false when no thread could be started.
    bool StartUploadThread();
    // The worker: waits until the clear is over, then sends the set-up
    // frames and the key action frames one by one, each followed by a
    // bounded wait for any reply; writes the key action frames to the
    // upload log. It touches no widget: the bar, messages and its end reach
    // the user-interface thread as queued calls or through the prompter.
    void UploadThreadProc(std::shared_ptr<const UploadPlan> plan, const QString& logPath);
    // Timer 6: counts the 3-second ticks of the clear before the upload; the
    // sixth ends the clear.
    void OnUploadClearTick();
    // The clear before the upload is over (second acknowledgement or sixth
    // tick): timer 6 stops, the count goes back to 0, the link uploads.
    void EndUploadClear();
    // All frames are sent: the progress dialog, if open, closes with OK.
    void OnUploadDone();
    // Stops a running upload and waits for its worker while serving the
    // calls it makes to this thread; the window is closing.
    void StopUpload();
    bool IsUploading() const { return m_pUploadThread != nullptr; }
    // Hidden "Send": starts the worker at once, without question, clear or
    // progress dialog; shows the hidden bar and disables itself.
    void OnBnClickedSend();

    // The running upload worker; null when none.
    std::unique_ptr<std::thread> m_pUploadThread;
    // Its bar and button are made when an upload first shows it.
    CDlgProgress m_dlgProgress{nullptr, CDlgProgress::Controls::OnFirstUse};
    // Bit g - 1 for every key group g that a counted key uses; set when the
    // progress dialog opens.
    uint32_t m_dwGroupMask = 0;
    // 3-second ticks while the device clears before an upload.
    int m_nClearTicks = 0;

    // ----- members
    std::array<CBaseButton, kKeyCount> m_keys;
    QComboBox* m_comboPortMode = nullptr; // 1146
    QComboBox* m_comboDeviceId = nullptr; // 1149
    int m_nDeviceId = 0;
    int m_nPortMode = 0;
    QMenuBar* m_menu = nullptr;
    int m_nModel = 1;
    int m_nSelKey = 0;
    int m_nSelSlot = 0;
    QIcon m_hIcon;
    QLabel* m_labelPortMode = nullptr; // 1183
    int m_cxOld = 0;
    int m_cyOld = 0;
    QLabel* m_staticConnected = nullptr;       // 1190
    QLabel* m_staticDisconnected = nullptr;    // 1191
    QLabel* m_staticAwaiting = nullptr;        // 1192
    QGroupBox* m_framePanel = nullptr;         // 1012
    CQvmView2ListCtrl* m_listAction = nullptr; // 1015
    CQvmView4ListCtrl* m_listEvent = nullptr;  // 1016
    CQvmListBox* m_lbEventSet = nullptr;       // 1010, "Event Set"
    CQvmTabCtrl* m_tabEvents = nullptr;        // 1011
    // The event pages in the order of the "Event Set" list and the tabs
    // (made by CreateEventPage when first shown, see EventPageAt; until then
    // the tab holds an empty widget); an index without a page is a blank
    // tab.
    static constexpr int kEventPageCount = 9;
    std::array<EventPage*, kEventPageCount> m_eventPages{};
    // The GPIO page: never shown, so it is made only when asked for.
    OnDemand<CPageView3IO> m_pageIO{[this] { return CreateGpioPage(); }};

    // ----- device link
    // Link states: what a received chunk means.
    enum LinkState {
        kLinkIdle = 0,
        kLinkUploading = 1,
        kLinkConnecting = 2,
        kLinkClearing = 4,
        kLinkClearingForUpload = 5
    };
    // How the last connect began: which menu entry the reply checks.
    enum ConnectVia { kViaNone = 0, kViaComDialog = 1, kViaUsbSearch = 2 };
    int m_nConnectVia = kViaNone;
    CRsCom m_com;
    // The last complete learned-code frame and its byte count.
    std::array<char, kRxBufferSize> m_rxFrame{};
    int m_nRxFrameLen = 0;
    bool m_bRxFrameWhole = false; // its checksum is right
    LearnedFrameAssembler m_learnedFrames;
    QPointer<QWidget> m_irEditor; // the "IR Edit" window last found
    // Bytes held by the learned-code assembly, or by the byte-by-byte one
    // in g_rxBuf.
    int m_nRxCount = 0;
    int m_nRxExpect = 0; // length field of the byte-by-byte assembly
    // Clear acknowledgements counted during a clear.
    int m_nClearReplies = 0;
    UsbDeviceNotices* m_deviceNotices = nullptr;
    // Hidden device controls.
    QProgressBar* m_progressHidden = nullptr; // 1164
    QPushButton* m_btnOpenPort = nullptr;     // 1165
    QPushButton* m_btnClosePort = nullptr;    // 1093
    QPushButton* m_btnSend = nullptr;         // 1025
    QComboBox* m_comboMode = nullptr;         // 1184
    // Read by the upload worker, written on the user-interface thread.
    std::atomic<int> m_nLinkState{kLinkIdle};
    // The IR library editor waits for learned codes: every chunk goes to the
    // learned-code assembly, whatever the link state.
    bool m_bIrLearning = false;
    // A learned-code frame is being assembled.
    bool m_bRxBusy = false;

signals:
    // The window was closed after the close question; the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What the start does once the window has been painted for the first
    // time, so that the user sees it sooner: the window's icon, the list
    // buttons' theme icons and the registration of the project file type.
    void FinishStart();
    void CreateControls();
    void CreateMenu();
    QAction* AddMenuCommand(QMenu* menu, const QString& text, int command, void (CravloDlg::*handler)());
    // Moves every control of the client area to its place in the layout at
    // the first show, scaled by the ratio of the client sizes.
    void ScaleControls();
    void BuildPanelOfModel(int model);
    // How an upload worker ended.
    enum class UploadEnd { Completed, Cancelled, LinkLost };
    // The worker `generation` has ended; joins it and makes the link idle.
    void OnUploadThreadEnded(int generation, UploadEnd end);

    void OnConnectTimeout();
    // Ends the byte-by-byte assembly: the bytes so far become m_rxFrame and
    // OnRxFrameComplete(kind, length) follows from the event loop.
    void HandOverRxFrame(int kind);

    QStringList m_args;
    QWidget* m_client = nullptr;
    std::map<int, QTimer*> m_timers;
    QSize m_baseClientSize; // client size at the first show
    bool m_shown = false;
    bool m_bStartFinishing = false;
    int m_nUploadGeneration = 0;
    std::atomic<bool> m_bUploadThreadEnded{false};
};

// The main window of the running program, or nullptr.
CravloDlg* MainDialog();
