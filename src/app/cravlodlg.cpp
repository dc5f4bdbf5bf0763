#include "app/cravlodlg.h"

#include "app/caboutdlg.h"
#include "app/cravloapp.h"
#include "app/doctyperegistration.h"
#include "app/programicon.h"
#include "controls/dialoglayout.h"
#include "device/crscom.h"
#include "platform/prompter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <cmath>

namespace {

CravloDlg* g_mainDialog = nullptr;

constexpr int kDialogWidthDlu = 610;
constexpr int kDialogHeightDlu = 369;
// Drop-down lists give their dropped height in the layout; closed they are
// this tall.
constexpr int kComboHeightDlu = 12;
// The device-ID list drops 80 units below its box: seven rows of its 100,
// with a scroll bar.
constexpr int kDeviceIdDropRows = 7;
constexpr int kDialogFontPx = 12;

const DialogUnits& kUnits = DialogUnits::MainWindow();

// Properties kept on each control for the scaling: its rectangle in the
// layout at the first show, and the one last given to it.
constexpr const char* kBaseRectProperty = "qvmBaseRect";
constexpr const char* kAppliedRectProperty = "qvmAppliedRect";

QRect ScaledRect(const QRect& r, double sx, double sy) {
    const int left = int(r.left() * sx);
    const int right = int((r.left() + r.width()) * sx);
    const int top = int(r.top() * sy);
    const int bottom = int((r.top() + r.height()) * sy);
    return QRect(left, top, right - left, bottom - top);
}

QRect UnscaledRect(const QRect& r, double sx, double sy) {
    const int left = int(std::lround(r.left() / sx));
    const int right = int(std::lround((r.left() + r.width()) / sx));
    const int top = int(std::lround(r.top() / sy));
    const int bottom = int(std::lround((r.top() + r.height()) / sy));
    return QRect(left, top, right - left, bottom - top);
}

struct TemplateControl {
    int id;
    int x, y, width, height;
};

// The layout of the main window in dialog units.
constexpr TemplateControl kTemplate[] = {
    {dlgid::kVerticalLine, 335, 0, 1, 368},
    {dlgid::kHorizontalLine, 0, 174, 610, 1},
    {dlgid::kFramePanel, 5, 5, 324, 164},
    {dlgid::kLabelPortMode, 31, 154, 56, 9},
    {dlgid::kComboPortMode, 90, 152, 81, kComboHeightDlu},
    {dlgid::kLabelDeviceId, 221, 153, 21, 9},
    {dlgid::kComboDeviceId, 247, 151, 28, kComboHeightDlu},
    {dlgid::kFrameActionList, 340, 3, 262, 167},
    {dlgid::kDelAction, 347, 11, 15, 14},
    {dlgid::kRefre, 368, 11, 20, 14},
    {dlgid::kClearAllActions, 393, 11, 38, 15},
    {dlgid::kActionList, 347, 28, 248, 138},
    {dlgid::kLabelConnection, 463, 13, 62, 8},
    {dlgid::kStaticDisconnected, 525, 12, 70, 11},
    {dlgid::kStaticAwaiting, 525, 12, 70, 11},
    {dlgid::kStaticConnected, 525, 12, 70, 11},
    {dlgid::kFrameEventSet, 3, 179, 326, 187},
    {dlgid::kEventSetList, 7, 191, 62, 161},
    {dlgid::kTabPlaceholder, 71, 191, 253, 161},
    {dlgid::kFrameEventList, 342, 178, 259, 186},
    {dlgid::kDelEvent, 348, 190, 15, 13},
    {dlgid::kUp, 368, 190, 18, 13},
    {dlgid::kDown, 391, 190, 21, 13},
    {dlgid::kClearAllEvents, 417, 190, 38, 14},
    {dlgid::kEventList, 348, 206, 247, 150},
};

// The layout table's entry for a control id; an empty place at the origin
// for an id the table does not have.
const TemplateControl& TemplateEntry(int id) {
    static constexpr TemplateControl kUnknown{0, 0, 0, 0, 0};
    for (const TemplateControl& c : kTemplate)
        if (c.id == id)
            return c;
    return kUnknown;
}

} // namespace

CravloDlg* MainDialog() {
    return g_mainDialog;
}

const DialogUnits& CravloDlg::Units() {
    return kUnits;
}

QRect CravloDlg::TemplateRect(int id) {
    const TemplateControl& c = TemplateEntry(id);
    return kUnits.Rect(c.x, c.y, c.width, c.height);
}

void CravloDlg::PlaceControl(QWidget* widget, int id) {
    const TemplateControl& c = TemplateEntry(id);
    DialogLayout(widget->parentWidget(), kUnits).Place(widget, id, c.x, c.y, c.width, c.height);
}

QSize CravloDlg::DesignClientSize() {
    return kUnits.Size(kDialogWidthDlu, kDialogHeightDlu);
}

CravloDlg::CravloDlg(const QStringList& args, QWidget* parent) : QMainWindow(parent), m_args(args) {
    g_mainDialog = this;
    setWindowTitle(QStringLiteral("Vorle-Control"));
    setObjectName(QStringLiteral("102"));

    m_client = new QWidget(this);
    QFont font = m_client->font();
    font.setPixelSize(kDialogFontPx);
    m_client->setFont(font);
    m_client->installEventFilter(this);
    // The window grows and scales, but shrinks no further than the layout:
    // below it labels, boxes and keys would run into each other.
    m_client->setMinimumSize(DesignClientSize());
    setCentralWidget(m_client);

    CreateControls();
    for (int i = 0; i < kKeyCount; ++i) {
        CBaseButton& key = m_keys[size_t(i)];
        key.setParent(m_client);
        key.hide();
        connect(&key, &QAbstractButton::clicked, this, [this, i] { OnKeyButton(dlgid::kFirstKey + i); });
    }
    qApp->installEventFilter(this);

    OnInitDialog();
}

CravloDlg::~CravloDlg() {
    StopUpload();
    // Nothing of the device reaches a window being destroyed.
    m_com.Close();
    for (auto& [id, timer] : m_timers)
        timer->stop();
    qApp->removeEventFilter(this);
    if (g_mainDialog == this)
        g_mainDialog = nullptr;
}

void CravloDlg::CreateControls() {
    auto line = [&](int id, QFrame::Shape shape) {
        auto* f = new QFrame(m_client);
        f->setFrameShape(shape);
        f->setFrameShadow(QFrame::Sunken);
        PlaceControl(f, id);
    };
    auto frame = [&](int id, const char* title) {
        auto* g = new QGroupBox(QString::fromLatin1(title), m_client);
        SetFrameThroughTitle(g);
        PlaceControl(g, id);
        return g;
    };
    auto label = [&](int id, const char* text) {
        auto* l = new QLabel(QString::fromLatin1(text), m_client);
        PlaceControl(l, id);
        return l;
    };

    // Frames first, so that the controls inside them lie above them.
    line(dlgid::kVerticalLine, QFrame::VLine);
    line(dlgid::kHorizontalLine, QFrame::HLine);
    m_framePanel = frame(dlgid::kFramePanel, "Panel Set");
    frame(dlgid::kFrameActionList, "Action List");
    frame(dlgid::kFrameEventSet, "Event Set");
    frame(dlgid::kFrameEventList, "Event List");

    // A label beside its box keeps its right edge and grows to the left when
    // the font needs more room than the layout gives it.
    auto labelBeside = [&](int id, const char* text) {
        QLabel* l = label(id, text);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int missing = l->sizeHint().width() - l->width();
        if (missing > 0)
            l->setGeometry(l->geometry().adjusted(-missing, 0, 0, 0));
        return l;
    };

    m_labelPortMode = labelBeside(dlgid::kLabelPortMode, "Enable RS232/IR:");
    m_comboPortMode = new QComboBox(m_client);
    PlaceControl(m_comboPortMode, dlgid::kComboPortMode);
    connect(m_comboPortMode, &QComboBox::activated, this, &CravloDlg::OnCbnSelchangeComboPortMode);

    label(dlgid::kLabelDeviceId, "ID No.");
    m_comboDeviceId = new QComboBox(m_client);
    PlaceControl(m_comboDeviceId, dlgid::kComboDeviceId);
    // A list below the box: the style's own pop-up would show all 100 rows
    // at once, as tall as the screen.
    SetListDropsBelow(m_comboDeviceId);
    m_comboDeviceId->setMaxVisibleItems(kDeviceIdDropRows);
    connect(m_comboDeviceId, &QComboBox::activated, this, &CravloDlg::OnCbnSelchangeComboDeviceId);

    labelBeside(dlgid::kLabelConnection, "Device Connection:");
    auto status = [&](int id, const char* text, QColor colour) {
        QLabel* l = label(id, text);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, colour);
        pal.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(pal);
        return l;
    };
    m_staticDisconnected = status(dlgid::kStaticDisconnected, "Disconnected", QColor(255, 0, 0));
    m_staticAwaiting = status(dlgid::kStaticAwaiting, "Awaiting Connection", QColor(255, 255, 0));
    m_staticConnected = status(dlgid::kStaticConnected, "Connected", QColor(0, 255, 0));
    m_staticConnected->hide();

    auto* placeholder = new QWidget(m_client);
    PlaceControl(placeholder, dlgid::kTabPlaceholder);
    placeholder->hide();
}

QWidget* CravloDlg::Control(int id) const {
    return m_client->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

QAction* CravloDlg::MenuAction(int command) const {
    return m_menu ? m_menu->findChild<QAction*>(QString::number(command)) : nullptr;
}

QAction* CravloDlg::AddMenuCommand(QMenu* menu, const QString& text, int command,
                                   void (CravloDlg::*handler)()) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::number(command));
    // Actions are children of the menu bar so that MenuAction finds them.
    action->setParent(m_menu);
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
}

void CravloDlg::CreateMenu() {
    m_menu = new QMenuBar(this);
    m_menu->setObjectName(QStringLiteral("151"));

    QMenu* file = m_menu->addMenu(QStringLiteral("File"));
    AddMenuCommand(file, QStringLiteral("New"), cmdid::kFileNew, &CravloDlg::OnFileNew);
    AddMenuCommand(file, QStringLiteral("Open"), cmdid::kFileOpen, &CravloDlg::OnFileOpen);
    AddMenuCommand(file, QStringLiteral("Save"), cmdid::kFileSave, &CravloDlg::OnFileSave);
    QAction* saveAs = AddMenuCommand(file, QStringLiteral("Save as"), cmdid::kFileSaveAs, nullptr);
    connect(saveAs, &QAction::triggered, this, [this] { OnFileSaveAs(); });

    QMenu* system = m_menu->addMenu(QStringLiteral("System"));
    QAction* panel = AddMenuCommand(system, QStringLiteral("Model 0 Panel"), cmdid::kSystemPanel,
                                    &CravloDlg::OnSystemPanel);
    panel->setCheckable(true);
    // The check mark shows the model; choosing the entry does not toggle it.
    connect(panel, &QAction::triggered, this, [this, panel] { panel->setChecked(m_nModel == 0); });

    // The connection commands are connected by the device link and the upload.
    QMenu* connection = m_menu->addMenu(QStringLiteral("Connection"));
    AddMenuCommand(connection, QStringLiteral("USB"), cmdid::kConnectionUsb, nullptr);
    AddMenuCommand(connection, QStringLiteral("Disconnect"), cmdid::kConnectionDisconnect, nullptr);
    connection->addSeparator();
    AddMenuCommand(connection, QStringLiteral("Upload"), cmdid::kConnectionUpload, nullptr);
    AddMenuCommand(connection, QStringLiteral("Clear"), cmdid::kConnectionClear, nullptr);

    QMenu* help = m_menu->addMenu(QStringLiteral("Help"));
    AddMenuCommand(help, QStringLiteral("about"), cmdid::kHelpAbout, &CravloDlg::OnHelpAbout);

    setMenuBar(m_menu);
}

void CravloDlg::OnInitDialog() {
    m_cxOld = DesignClientSize().width();
    m_cyOld = DesignClientSize().height();
    CreateMenu();
    InitDeviceLink(); // device notices, the reply event, the connection menu
    InitUpload();
    resize(DesignClientSize() + QSize(0, m_menu->sizeHint().height()));

    InitCombos();
    LoadSettings();
    InitActionList();
    InitEventPages();
    InitEventList();
    OnConnectionDisconnect();

    g_strProjectFolder.clear();
    // The title names the project only once it is loaded; the current
    // project stays empty, so Save asks for a file name.
    if (!m_args.isEmpty() && LoadProject(m_args.front()))
        setWindowTitle(m_args.front());
    RedrawAll();
    RedrawAll();
}

void CravloDlg::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!m_bStartFinishing) {
        // After this paint has reached the screen.
        m_bStartFinishing = true;
        QTimer::singleShot(0, this, &CravloDlg::FinishStart);
    }
}

void CravloDlg::FinishStart() {
    m_hIcon = ProgramIcon();
    setWindowIcon(m_hIcon);
    ShowThemeListButtonImages();
    RegisterDocumentType();
}

void CravloDlg::RedrawAll() {
    if (isVisible())
        repaint();
}

void CravloDlg::ShowConnectionStatus() {
    const bool present = IsUsbSerialPresent() == 1;
    m_staticAwaiting->setVisible(present);
    m_staticDisconnected->setVisible(!present);
    m_staticConnected->hide();
}

bool CravloDlg::OnClose() {
    // A plain question with its own caption: no icon.
    const prompt::Answer answer = prompt::MessageBox("Save the File in Editting?", prompt::Buttons::YesNo,
                                                     "Attention:", prompt::Answer::No, prompt::Icon::None);
    // A cancelled or failed save keeps the window open, so nothing is lost.
    if (answer == prompt::Answer::Yes && !OnFileSaveAs())
        return false;
    return true;
}

void CravloDlg::closeEvent(QCloseEvent* event) {
    if (!OnClose()) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}

void CravloDlg::OnHelpAbout() {
    CAboutDlg about(this);
    about.exec();
}

bool CravloDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_client) {
        if (event->type() == QEvent::Show && !m_shown) {
            // The layout at the first show is what every later size scales.
            m_shown = true;
            m_baseClientSize = m_client->size();
            m_cxOld = m_baseClientSize.width();
            m_cyOld = m_baseClientSize.height();
            for (QWidget* w : m_client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                w->setProperty(kBaseRectProperty, w->geometry());
                w->setProperty(kAppliedRectProperty, w->geometry());
            }
        } else if (event->type() == QEvent::Resize && m_shown) {
            ScaleControls();
        }
        return false;
    }
    // Enter never reaches the controls of the main window: it would act on
    // whatever has the focus, and the window has no default action.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->window() == this)
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CravloDlg::ScaleControls() {
    const QSize now = m_client->size();
    if (m_baseClientSize.isEmpty() || now.isEmpty() || m_cxOld <= 0 || m_cyOld <= 0)
        return;
    const double sx = double(now.width()) / m_baseClientSize.width();
    const double sy = double(now.height()) / m_baseClientSize.height();
    // The scale in force before this change: controls placed by code since
    // the last re-layout get their layout rectangle back from it.
    const double oldSx = double(m_cxOld) / m_baseClientSize.width();
    const double oldSy = double(m_cyOld) / m_baseClientSize.height();
    for (QWidget* w : m_client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QRect base = w->property(kBaseRectProperty).toRect();
        const QVariant applied = w->property(kAppliedRectProperty);
        if (!applied.isValid() || applied.toRect() != w->geometry()) {
            base = UnscaledRect(w->geometry(), oldSx, oldSy);
            w->setProperty(kBaseRectProperty, base);
        }
        const QRect r = ScaledRect(base, sx, sy);
        w->setGeometry(r);
        w->setProperty(kAppliedRectProperty, r);
    }
    m_cxOld = now.width();
    m_cyOld = now.height();
}
