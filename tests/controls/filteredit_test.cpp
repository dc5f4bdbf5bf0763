#include "controls/cqvmkeynameedit.h"
#include "controls/crs232edit.h"
#include "controls/dialoglayout.h"
#include "controls/fittingedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

void Paste(QLineEdit& edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keySequence(&edit, QKeySequence::Paste);
}

// Opens the edit's context menu and chooses its paste entry.
void PasteFromMenu(QLineEdit& edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), edit.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&edit, &event);
    QMenu* menu = edit.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith("&Paste"))
            paste = action;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    delete menu;
}

// Drop events reach a widget only during a real drag; hand one over
// directly.
class DropTarget : public CQvmKeyNameEdit {
public:
    void Drop(const QString& text) {
        QMimeData data;
        data.setText(text);
        QDropEvent drop(QPointF(width() - 2, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        dropEvent(&drop);
    }
};

// Types characters that have no key of their own, as a keyboard layout or
// compose key delivers them, with the modifiers held.
void TypeChars(QLineEdit& edit, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, modifiers, QString(c));
        QApplication::sendEvent(&edit, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, modifiers, QString(c));
        QApplication::sendEvent(&edit, &release);
    }
}

} // namespace

TEST(KeyNameEdit, TypingKeepsLettersDigitsBlankAndDotOnly) {
    CQvmKeyNameEdit edit;
    edit.show();
    QTest::keyClicks(&edit, "Ab1-_ .z,");
    EXPECT_EQ(edit.text(), QString("Ab1 .z"));
    // Characters above 127 are refused too.
    TypeChars(edit, QString::fromUtf8("\xC3\xA9\xE7\x94\xB5"));
    EXPECT_EQ(edit.text(), QString("Ab1 .z"));
    // Backspace still edits.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QString("Ab1 ."));
}

TEST(KeyNameEdit, PastedDroppedAndComposedTextIsFiltered) {
    DropTarget edit;
    edit.show();
    Paste(edit, QString::fromUtf8("A-b_c.9\xC3\xA9"));
    EXPECT_EQ(edit.text(), QString("Abc.9"));

    edit.clear();
    PasteFromMenu(edit, "x,y;z");
    EXPECT_EQ(edit.text(), QString("xyz"));

    edit.clear();
    edit.Drop("P-Q");
    EXPECT_EQ(edit.text(), QString("PQ"));

    edit.clear();
    QInputMethodEvent compose;
    compose.setCommitString(QString::fromUtf8("K\xE7\x94\xB5-1"));
    QApplication::sendEvent(&edit, &compose);
    EXPECT_EQ(edit.text(), QString("K1"));
}

TEST(KeyNameEdit, LengthLimitHoldsForPasteAndOwnerTextIsNotFiltered) {
    CQvmKeyNameEdit edit;
    edit.setMaxLength(4);
    edit.show();
    Paste(edit, "AB-CDEFG");
    EXPECT_EQ(edit.text(), QString("ABCD"));

    // What the owner puts in stays, and typing after it filters only the
    // new characters.
    edit.setMaxLength(32767);
    edit.setText("A-B");
    EXPECT_EQ(edit.text(), QString("A-B"));
    edit.end(false);
    QTest::keyClicks(&edit, "_x");
    EXPECT_EQ(edit.text(), QString("A-Bx"));
}

TEST(FilteredEdits, OwnerTextIsTakenWholeWhileTypingKeepsItsLimit) {
    // Longer than the 32,767 characters a line edit holds by default.
    const QString owner(40000, QChar('x'));
    QWidget dialog;
    CRS232Edit data(&dialog);
    CQvmKeyNameEdit name(&dialog);
    name.SetLimitText(4);
    FittingEdit fitting(&dialog);
    QLineEdit* plain = DialogLayout(&dialog).Edit(1180, 0, 0, 60);
    dialog.show();
    for (QLineEdit* edit : std::initializer_list<QLineEdit*>{&data, &name, &fitting, plain}) {
        edit->setText(owner);
        EXPECT_EQ(edit->text().size(), 40000) << edit->metaObject()->className();
    }
    // The user still brings a text to 32,767 characters at most.
    for (QLineEdit* edit : std::initializer_list<QLineEdit*>{&data, plain}) {
        edit->clear();
        Paste(*edit, owner);
        QTest::keyClicks(edit, "y");
        EXPECT_EQ(edit->text().size(), 32767);
    }
}

TEST(FilteredEdits, TextCutToTheRoomLeftNeverSplitsASurrogatePair) {
    const QString smile = QString::fromUtf16(u"\U0001F600");
    const QString held = "0123456789" + QString(85, QChar('a'));
    CRS232Edit edit;
    edit.SetLimitText(96);
    edit.show();
    const auto commit = [&edit](const QString& text) {
        QInputMethodEvent compose;
        compose.setCommitString(text);
        QApplication::sendEvent(&edit, &compose);
    };
    // Room for one unit: the pair stays out, what fits before it comes in.
    const std::pair<QString, QString> oneUnit[] = {{smile, held}, {"x" + smile, "01234x" + held.mid(5)}};
    for (const auto& [brought, expected] : oneUnit) {
        for (const bool composed : {false, true}) {
            edit.setText(held);
            edit.setCursorPosition(5);
            composed ? commit(brought) : Paste(edit, brought);
            EXPECT_EQ(edit.text(), expected) << composed;
        }
    }
    // Room for two units takes the pair whole.
    edit.setText(held.left(94));
    edit.setCursorPosition(5);
    Paste(edit, smile + "x");
    EXPECT_EQ(edit.text(), held.left(5) + smile + held.mid(5, 89));
    edit.setText(held.left(94));
    edit.end(false);
    commit("y" + smile);
    EXPECT_EQ(edit.text(), held.left(94) + "y");
}

TEST(Rs232Edit, TextModeTakesEveryCharacterHexModeOnlyHex) {
    CRS232Edit edit;
    edit.show();
    EXPECT_FALSE(edit.m_bHexMode);
    QTest::keyClicks(&edit, "G,x-");
    EXPECT_EQ(edit.text(), QString("G,x-"));
    Paste(edit, "!?");
    EXPECT_EQ(edit.text(), QString("G,x-!?"));

    edit.clear();
    edit.m_bHexMode = true;
    QTest::keyClicks(&edit, "0aG,F f.9z");
    EXPECT_EQ(edit.text(), QString("0aF f.9"));
    Paste(edit, " 1g,B2\tc");
    EXPECT_EQ(edit.text(), QString("0aF f.9 1B2c"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QString("0aF f.9 1B2"));
}

TEST(FilteredEdits, TextTypedWithModifiersIsFilteredToo) {
    // Ctrl+Alt (AltGr on some keyboards), Super, AltGr and Alt still type
    // text; only the edit's own characters go in.
    CQvmKeyNameEdit name;
    CRS232Edit hex;
    hex.m_bHexMode = true;
    for (const Qt::KeyboardModifiers held :
         {Qt::ControlModifier | Qt::AltModifier, Qt::KeyboardModifiers(Qt::MetaModifier),
          Qt::KeyboardModifiers(Qt::GroupSwitchModifier), Qt::KeyboardModifiers(Qt::AltModifier),
          Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier}) {
        TypeChars(name, "-,_a", held);
        TypeChars(hex, "g,-1", held);
    }
    EXPECT_EQ(name.text(), QString("aaaaa"));
    EXPECT_EQ(hex.text(), QString("11111"));

    // Ctrl shortcuts keep their meaning, even where their letter is refused.
    hex.clear();
    QTest::keyClicks(&hex, "12");
    QKeyEvent undo(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier, QStringLiteral("z"));
    QApplication::sendEvent(&hex, &undo);
    EXPECT_EQ(hex.text(), QString());
}
