// The main window driven as the installer drives it: the port-mode box, the
// close question, Enter and Escape, resizing and the system keys.
#include "mainwindowfixture.h"

#include "controls/cqvmlistbox.h"
#include "editors/eventpage.h"
#include "support/wait.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QComboBox* PortModeBox(CravloDlg& dlg) {
    return qobject_cast<QComboBox*>(dlg.Control(1146));
}

void PressKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

std::map<QString, QRect> ChildRects(CravloDlg& dlg) {
    std::map<QString, QRect> rects;
    int n = 0;
    for (QWidget* w : dlg.Client()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        rects[w->objectName() + "#" + QString::number(n++)] = w->geometry();
    return rects;
}

void ResizeClient(CravloDlg& dlg, QSize client) {
    dlg.resize(client + QSize(0, dlg.menuBar()->height()));
    QApplication::processEvents();
}

} // namespace

TEST_F(MainWindowTest, ChangingThePortModeAndAnsweringNoChangesNothing) {
    CravloDlg& dlg = Start();
    CBaseButton& key = dlg.m_keys[0];
    key.SetKeyAction(1, 0, 0);
    key.m_strName = "AB";
    key.update();
    QApplication::processEvents();
    const std::string settings = ReadSettings();
    const QImage before = dlg.grab().toImage();

    m_prompter.QueueAnswer(prompt::Answer::No);
    PortModeBox(dlg)->setFocus();
    PressKey(PortModeBox(dlg), Qt::Key_Down); // the user picks "RS232(2),IR 2"
    QApplication::processEvents();

    ASSERT_EQ(m_prompter.Texts(), std::vector<std::string>{"This will clear all actions and event"});
    EXPECT_EQ(m_prompter.Messages()[0].buttons, prompt::Buttons::YesNo);
    EXPECT_EQ(m_prompter.Messages()[0].icon, prompt::Icon::Warning);
    EXPECT_EQ(ReadSettings(), settings);
    EXPECT_EQ(PortModeBox(dlg)->currentIndex(), 0);
    EXPECT_EQ(dlg.m_nPortMode, 0);
    EXPECT_EQ(key.m_arrSlots[0], CStringArray{""});
    EXPECT_EQ(key.m_strName, "AB");
    EXPECT_EQ(dlg.grab().toImage(), before);
}

TEST_F(MainWindowTest, ChangingThePortModeAndAnsweringYesClearsTheKeysAndStoresModel0) {
    WriteSettings("[SYSTEM]\r\nMACHINE_TYPE=0\r\nMACHINE_PORT=1\r\n");
    CravloDlg& dlg = Start();
    ASSERT_EQ(PortModeBox(dlg)->currentText(), "RS232(2),IR 2");
    CBaseButton& key = dlg.m_keys[5];
    key.SetKeyAction(2, 0, 1);
    key.m_strName = "AB";
    key.m_nLedLevel = 4;
    key.m_nGroup = 2;
    key.m_nTimer = {1, 2, 3};
    key.m_nRepeatDelay = 15;
    dlg.m_keys[32].m_strName = "X";

    m_prompter.QueueAnswer(prompt::Answer::Yes);
    PortModeBox(dlg)->setFocus();
    PressKey(PortModeBox(dlg), Qt::Key_Down);
    QApplication::processEvents();

    EXPECT_EQ(m_prompter.Count("This will clear all actions and event"), 1u);
    EXPECT_EQ(ReadSettings(), "[SYSTEM]\r\nMACHINE_TYPE=0\r\nMACHINE_PORT=2\r\n");
    EXPECT_EQ(PortModeBox(dlg)->currentText(), "RS232(1),IR 3");
    EXPECT_EQ(dlg.m_nPortMode, 2);
    EXPECT_EQ(dlg.m_nModel, 0);
    for (const CStringArray& slot : key.m_arrSlots)
        EXPECT_TRUE(slot.empty());
    // Only the key actions go; names and captions are the numbers again.
    EXPECT_EQ(key.m_strName, "6");
    EXPECT_EQ(dlg.m_keys[32].m_strName, "IOL");
    EXPECT_EQ(key.m_nLedLevel, 4);
    EXPECT_EQ(key.m_nGroup, 2);
    EXPECT_EQ(key.m_nTimer, (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(key.m_nRepeatDelay, 15);
    EXPECT_TRUE(key.isVisible());
}

TEST_F(MainWindowTest, ChoosingTheSamePortModeAsksNothing) {
    CravloDlg& dlg = Start();
    emit PortModeBox(dlg)->activated(0);
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(ReadSettings(), "[SYSTEM]\r\nMACHINE_TYPE=0\r\n");
}

TEST_F(MainWindowTest, APortModeWithoutAnEntryShowsNoSelectionAndIsKept) {
    WriteSettings("[SYSTEM]\r\nMACHINE_TYPE=0\r\nMACHINE_PORT=7\r\n");
    CravloDlg& dlg = Start();
    EXPECT_EQ(dlg.m_nPortMode, 7);
    EXPECT_EQ(PortModeBox(dlg)->currentIndex(), -1);
    // A negative value reads as 0.
    m_dlg.reset();
    WriteSettings("[SYSTEM]\r\nMACHINE_TYPE=0\r\nMACHINE_PORT=-2\r\n");
    CravloDlg& again = Start();
    EXPECT_EQ(again.m_nPortMode, 0);
    EXPECT_EQ(PortModeBox(again)->currentIndex(), 0);
}

TEST_F(MainWindowTest, AModelAbove2BuildsNoPanel) {
    WriteSettings("[SYSTEM]\r\nMACHINE_TYPE=5\r\n");
    CravloDlg& dlg = Start();
    EXPECT_EQ(dlg.m_nModel, 5);
    for (const CBaseButton& key : dlg.m_keys)
        EXPECT_FALSE(key.isVisible());
    EXPECT_TRUE(PortModeBox(dlg)->isVisible());
}

// The group frames are grey lines 6 pixels below the group's top, broken
// where the title is written.
TEST_F(MainWindowTest, TheFrameLineRunsBelowTheTopAndBreaksForTheTitle) {
    CravloDlg& dlg = Start();
    QWidget* panel = dlg.Control(1012);
    const QImage image = panel->grab().toImage();
    const QColor line(0xa0, 0xa0, 0xa0);
    const int w = image.width(), h = image.height();
    EXPECT_EQ(image.pixelColor(4, 6), line);
    EXPECT_EQ(image.pixelColor(w - 10, 6), line);
    EXPECT_EQ(image.pixelColor(0, h / 2), line);
    EXPECT_EQ(image.pixelColor(w - 1, h / 2), line);
    EXPECT_EQ(image.pixelColor(w / 2, h - 1), line);
    EXPECT_NE(image.pixelColor(0, 3), line);
    // "Panel Set" is written in the break, in dark pixels.
    int dark = 0;
    for (int x = 9; x < 9 + panel->fontMetrics().horizontalAdvance("Panel Set") + 8; ++x) {
        EXPECT_NE(image.pixelColor(x, 6), line) << x;
        for (int y = 0; y < 16; ++y)
            dark += image.pixelColor(x, y).lightness() < 100;
    }
    EXPECT_GT(dark, 30);
}

TEST_F(MainWindowTest, KeysSitInsideThePanelFrameAndOverlapNothing) {
    for (int model : {0, 1, 2}) {
        m_dlg.reset();
        WriteSettings("[SYSTEM]\r\nMACHINE_TYPE=" + std::to_string(model) + "\r\n");
        CravloDlg& dlg = Start();
        const QRect frame = dlg.Control(1012)->geometry();
        std::vector<QRect> others;
        for (int id : {1146, 1183, 1200, 1149})
            if (dlg.Control(id)->isVisible())
                others.push_back(dlg.Control(id)->geometry());
        for (int i = 0; i < 36; ++i) {
            const QRect r = dlg.m_keys[size_t(i)].geometry();
            EXPECT_TRUE(frame.adjusted(1, 12, -1, -1).contains(r)) << "model " << model << " key " << i;
            for (const QRect& o : others)
                EXPECT_FALSE(r.intersects(o)) << "model " << model << " key " << i;
            for (int j = i + 1; j < 36; ++j)
                EXPECT_FALSE(r.intersects(dlg.m_keys[size_t(j)].geometry())) << model << " " << i << " " << j;
        }
    }
}

TEST_F(MainWindowTest, CloseAsksToSaveAndNoCloses) {
    CravloDlg& dlg = Start();
    int closed = 0;
    QObject::connect(&dlg, &CravloDlg::Closed, [&] { ++closed; });
    m_prompter.QueueAnswer(prompt::Answer::No);
    EXPECT_TRUE(dlg.close());
    ASSERT_EQ(m_prompter.Messages().size(), 1u);
    const prompt::MessageRequest question = m_prompter.Messages()[0];
    EXPECT_EQ(question.text, "Save the File in Editting?");
    EXPECT_EQ(question.caption, "Attention:");
    EXPECT_EQ(question.buttons, prompt::Buttons::YesNo);
    EXPECT_EQ(question.defaultAnswer, prompt::Answer::No);
    EXPECT_EQ(question.icon, prompt::Icon::None);
    EXPECT_EQ(closed, 1);
}

TEST_F(MainWindowTest, YesWithACancelledOrFailedSaveKeepsTheWindowOpen) {
    CravloDlg& dlg = Start();
    m_prompter.QueueAnswer(prompt::Answer::Yes);
    m_prompter.QueueFile(std::nullopt); // the save dialog is cancelled
    EXPECT_FALSE(dlg.close());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(m_prompter.Count("Save the File in Editting?"), 1u);
    EXPECT_EQ(m_prompter.FileRequests().size(), 1u);

    // A file that cannot be written: a folder stands where it should be.
    const QString blocked = m_xdg.Root() + "/blocked.dvp";
    ASSERT_TRUE(QDir().mkpath(blocked));
    m_prompter.QueueAnswer(prompt::Answer::Yes);
    m_prompter.QueueFile(blocked);
    EXPECT_FALSE(dlg.close());
    EXPECT_TRUE(dlg.isVisible());

    // A save that succeeds lets the window close.
    const QString good = m_xdg.Root() + "/house.dvp";
    m_prompter.QueueAnswer(prompt::Answer::Yes);
    m_prompter.QueueFile(good);
    EXPECT_TRUE(dlg.close());
    EXPECT_TRUE(QFileInfo(good).size() > 20);
}

TEST_F(MainWindowTest, EscapeNeverEndsTheWindowAndEnterNeverReachesItsControls) {
    CravloDlg& dlg = Start();
    auto* edit = new QLineEdit(dlg.Client());
    int returns = 0;
    QObject::connect(edit, &QLineEdit::returnPressed, [&] { ++returns; });
    edit->show();
    edit->setFocus();
    PressKey(edit, Qt::Key_Return);
    PressKey(edit, Qt::Key_Enter);
    EXPECT_EQ(returns, 0);

    PressKey(PortModeBox(dlg), Qt::Key_Escape);
    PressKey(edit, Qt::Key_Escape);
    PressKey(&dlg, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(m_prompter.Texts().empty());

    // Enter still works in a dialog of its own.
    QLineEdit other;
    int otherReturns = 0;
    QObject::connect(&other, &QLineEdit::returnPressed, [&] { ++otherReturns; });
    PressKey(&other, Qt::Key_Return);
    EXPECT_EQ(otherReturns, 1);
}

TEST_F(MainWindowTest, ResizingScalesFromTheFirstLayoutWithoutDrift) {
    CravloDlg& dlg = Start();
    const QSize design = dlg.Client()->size();
    ASSERT_EQ(design, CravloDlg::DesignClientSize());
    const auto original = ChildRects(dlg);
    const QRect frame = dlg.Control(1012)->geometry();
    const QRect key0 = dlg.m_keys[0].geometry();

    ResizeClient(dlg, design * 2);
    ASSERT_EQ(dlg.Client()->size(), design * 2);
    EXPECT_EQ(dlg.Control(1012)->geometry(),
              QRect(frame.x() * 2, frame.y() * 2, frame.width() * 2, frame.height() * 2));
    EXPECT_EQ(dlg.m_keys[0].geometry(),
              QRect(key0.x() * 2, key0.y() * 2, key0.width() * 2, key0.height() * 2));
    EXPECT_EQ(dlg.m_cxOld, design.width() * 2);

    // Odd sizes on the way do not move anything for good.
    for (QSize size : {QSize(1111, 777), QSize(1499, 901), QSize(700, 433)})
        ResizeClient(dlg, size);
    ResizeClient(dlg, design);
    EXPECT_EQ(ChildRects(dlg), original);
}

TEST_F(MainWindowTest, TheWindowShrinksNoFurtherThanItsLayout) {
    CravloDlg& dlg = Start();
    const auto original = ChildRects(dlg);
    // Dragged down to 600 x 380 the window keeps the layout's own size and
    // every control its place.
    dlg.resize(600, 380);
    QApplication::processEvents();
    EXPECT_EQ(dlg.Client()->size(), CravloDlg::DesignClientSize());
    EXPECT_EQ(ChildRects(dlg), original);
    ResizeClient(dlg, QSize(1100, 400));
    EXPECT_EQ(dlg.Client()->size(), QSize(1100, CravloDlg::DesignClientSize().height()));
}

TEST_F(MainWindowTest, AllNineEventTabTitlesShowAtTheDefaultSize) {
    CravloDlg& dlg = Start();
    auto* tabs = qobject_cast<QTabWidget*>(dlg.Control(1011));
    ASSERT_NE(tabs, nullptr);
    QTabBar* bar = tabs->tabBar();
    ASSERT_EQ(bar->count(), 9);
    EXPECT_LE(bar->sizeHint().width(), tabs->width()) << bar->sizeHint().width();
    for (int i = 0; i < bar->count(); ++i) {
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << bar->tabText(i).toStdString();
        EXPECT_GT(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i)));
    }
    for (QToolButton* scroll : bar->findChildren<QToolButton*>())
        EXPECT_FALSE(scroll->isVisible());
}

// Only the first tab's page is made at start; every other page is made the
// first time its tab is shown, however the user gets there, and takes its
// tab's place.
TEST_F(MainWindowTest, EventPagesAreMadeWhenTheirTabIsFirstShown) {
    CravloDlg& dlg = Start();
    auto* tabs = qobject_cast<QTabWidget*>(dlg.Control(1011));
    ASSERT_NE(tabs, nullptr);
    QTabBar* bar = tabs->tabBar();
    const QStringList titles = {"RS232", "IR", "Relay", "Delay", "Compare", "LED", "Page", "Loop", "Toggle"};
    const auto expectShown = [&](int index) {
        ASSERT_EQ(tabs->currentIndex(), index);
        EXPECT_EQ(dlg.m_lbEventSet->currentRow(), index);
        QWidget* page = dlg.m_eventPages[size_t(index)];
        ASSERT_NE(page, nullptr) << index;
        EXPECT_EQ(tabs->widget(index), page);
        EXPECT_TRUE(page->isVisible());
        EXPECT_FALSE(page->findChildren<QComboBox*>().isEmpty()) << index;
        ASSERT_EQ(bar->count(), 9);
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(bar->tabText(i), titles[i]);
    };
    expectShown(0);
    for (int i = 1; i < 9; ++i)
        EXPECT_EQ(dlg.m_eventPages[size_t(i)], nullptr) << i;

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    expectShown(2);
    PressKey(bar, Qt::Key_Right);
    expectShown(3);
    dlg.m_lbEventSet->setCurrentRow(5); // as the user's choice in "Event Set"
    expectShown(5);
    dlg.SelectEventPage(8);
    expectShown(8);
    // Back to a page made before: the same page.
    QWidget* relay = dlg.m_eventPages[2];
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    expectShown(2);
    EXPECT_EQ(tabs->widget(2), relay);
    EXPECT_EQ(dlg.m_eventPages[1], nullptr);
}

TEST_F(MainWindowTest, ATinyWindowScalesWithoutDividingByZero) {
    CravloDlg& dlg = Start();
    const auto original = ChildRects(dlg);
    const QSize design = dlg.Client()->size();
    dlg.setMinimumSize(0, 0);
    dlg.Client()->setMinimumSize(0, 0);
    ResizeClient(dlg, QSize(0, 0));
    ResizeClient(dlg, QSize(1, 1));
    ResizeClient(dlg, design);
    EXPECT_EQ(ChildRects(dlg), original);
}

TEST_F(MainWindowTest, KeysBuiltWhileLargeReturnToTheirPlaceWhenRestored) {
    CravloDlg& dlg = Start();
    const QSize design = dlg.Client()->size();
    const QRect key0 = dlg.m_keys[0].geometry();
    const QRect key35 = dlg.m_keys[35].geometry();
    ResizeClient(dlg, design * 3 / 2);
    m_prompter.QueueAnswer(prompt::Answer::Yes);
    emit PortModeBox(dlg)->activated(3); // rebuilds the panel in the large frame
    ResizeClient(dlg, design);
    EXPECT_LE(std::abs(dlg.m_keys[0].x() - key0.x()), 1);
    EXPECT_LE(std::abs(dlg.m_keys[0].y() - key0.y()), 1);
    EXPECT_LE(std::abs(dlg.m_keys[35].x() - key35.x()), 1);
    EXPECT_LE(std::abs(dlg.m_keys[35].width() - key35.width()), 1);
}

TEST_F(MainWindowTest, IoKeysOfModels0And1OnlyTellThatIoIsUnavailable) {
    for (int model : {0, 1}) {
        m_dlg.reset();
        m_prompter.Clear();
        WriteSettings("[SYSTEM]\r\nMACHINE_TYPE=" + std::to_string(model) + "\r\n");
        CravloDlg& dlg = Start();
        m_prompter.QueueAnswer(prompt::Answer::Ok);
        dlg.m_keys[32].click();
        dlg.m_keys[33].click();
        EXPECT_EQ(m_prompter.Texts(),
                  (std::vector<std::string>{"IO selection|I/O is unavailable in this model.",
                                            "IO selection|I/O is unavailable in this model."}));
        for (int i : {32, 33})
            for (const CStringArray& slot : dlg.m_keys[size_t(i)].m_arrSlots)
                EXPECT_TRUE(slot.empty());
    }
}

TEST_F(MainWindowTest, HelpAboutShowsTheAboutBox) {
    CravloDlg& dlg = Start();
    QString title, text;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        for (QLabel* l : about->findChildren<QLabel*>())
            text += l->text();
        about->accept();
    });
    dlg.MenuAction(32785)->trigger();
    EXPECT_EQ(title, "Kestrone");
    EXPECT_EQ(text, "Kestrone 1.1.5 version");
}

TEST_F(MainWindowTest, MenuHoldsTheCommandsUnderTheirIds) {
    CravloDlg& dlg = Start();
    const std::pair<int, const char*> commands[] = {
        {32784, "New"},        {32774, "Open"},   {32775, "Save"},  {32776, "Save as"}, {32772, "USB"},
        {32778, "Disconnect"}, {32777, "Upload"}, {32780, "Clear"}, {32785, "about"},
    };
    for (const auto& [id, text] : commands) {
        QAction* action = dlg.MenuAction(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(action->text(), text);
    }
    ASSERT_NE(dlg.MenuAction(32783), nullptr);
    EXPECT_TRUE(dlg.MenuAction(32783)->isCheckable());
    QStringList titles;
    for (QAction* a : dlg.menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"File", "System", "Connection", "Help"}));
}

TEST_F(MainWindowTest, ChoosingADeviceIdOnlyKeepsIt) {
    CravloDlg& dlg = Start();
    auto* box = qobject_cast<QComboBox*>(dlg.Control(1149));
    ASSERT_EQ(box->count(), 100);
    EXPECT_EQ(box->itemText(0), "--");
    EXPECT_EQ(box->itemText(1), "01");
    EXPECT_EQ(box->itemText(99), "99");
    EXPECT_EQ(box->currentIndex(), 0);
    box->setFocus();
    PressKey(box, Qt::Key_Down);
    PressKey(box, Qt::Key_Down);
    EXPECT_EQ(dlg.m_nDeviceId, 2);
    EXPECT_EQ(box->currentText(), "02");
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(ReadSettings(), "[SYSTEM]\r\nMACHINE_TYPE=0\r\n");
}

TEST_F(MainWindowTest, TheDeviceIdListDropsDownWithABoundedNumberOfRows) {
    CravloDlg& dlg = Start();
    auto* box = qobject_cast<QComboBox*>(dlg.Control(1149));
    box->showPopup();
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(testwait::WaitUntil([&] { return list->isVisible(); }));
    const int rows = list->height() / list->sizeHintForRow(0);
    EXPECT_GE(rows, 5);
    EXPECT_LE(rows, 10);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    box->hidePopup();
}
