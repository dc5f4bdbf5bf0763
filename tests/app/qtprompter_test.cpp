#include "app/cdlgask.h"
#include "app/qtprompter.h"
#include "support/modalwait.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

// Installs the real prompter for one test.
class QtPrompterTest : public ::testing::Test {
protected:
    void SetUp() override { m_previous = prompt::SetPrompter(&m_prompter); }
    void TearDown() override { prompt::SetPrompter(m_previous); }

    QtPrompter m_prompter;
    prompt::Prompter* m_previous = nullptr;
};

TEST_F(QtPrompterTest, MessageBoxShowsCaptionButtonsDefaultAndIcon) {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QAbstractButton* defaultButton = nullptr;
    QAbstractButton* noButton = nullptr;
    OnModalOf<QMessageBox>([&](QMessageBox* box) {
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        defaultButton = box->defaultButton();
        noButton = box->button(QMessageBox::No);
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(prompt::MessageBox("Save the File in Editting?", prompt::Buttons::YesNo,
                                 "Attention:", prompt::Answer::No),
              prompt::Answer::Yes);
    EXPECT_EQ(caption, QString("Attention:"));
    EXPECT_EQ(text, QString("Save the File in Editting?"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(defaultButton, noButton);

    OnModalOf<QMessageBox>([&](QMessageBox* box) {
        caption = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(prompt::MessageBox("Add error"), prompt::Answer::Ok);
    EXPECT_EQ(caption, QString("Vorle-Control"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::Ok);

    OnModalOf<QMessageBox>([&](QMessageBox* box) {
        icon = box->icon();
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(prompt::MessageBox("Go on?", prompt::Buttons::OkCancel, {}, prompt::Answer::Ok,
                                 prompt::Icon::Information),
              prompt::Answer::Cancel);
    EXPECT_EQ(icon, QMessageBox::Information);
}

TEST_F(QtPrompterTest, AskRunsTheQuestionDialog) {
    QString title, text;
    OnModalOf<CDlgAsk>([&](CDlgAsk* ask) {
        title = ask->windowTitle();
        text = ask->m_staticText->text();
        QTest::keyClick(ask->m_btnOk, Qt::Key_Return);
    });
    EXPECT_EQ(prompt::Ask("Rs232 selection port ", "refused"), prompt::Answer::Ok);
    EXPECT_EQ(title, QString("Rs232 selection port "));
    EXPECT_EQ(text, QString("refused"));

    OnModalOf<CDlgAsk>([&](CDlgAsk* ask) { QTest::keyClick(ask->m_btnOk, Qt::Key_Escape); });
    EXPECT_EQ(prompt::Ask("", "Clear all data? \r\nYes or No ?"), prompt::Answer::Cancel);
}

TEST_F(QtPrompterTest, FileDialogsOpenInTheFolderAndHandBackThePath) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    prompt::FileRequest save;
    save.save = true;
    save.folder = dir.path();
    save.fileName = "project";
    save.filter = "Project Files (*.dvp)";
    save.defaultSuffix = "dvp";
    QString shownFolder;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    OnModalOf<QFileDialog>([&](QFileDialog* dialog) {
        shownFolder = dialog->directory().absolutePath();
        mode = dialog->acceptMode();
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<QString> chosen = prompt::ChooseFile(save);
    EXPECT_EQ(shownFolder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, QDir(dir.path()).absoluteFilePath("project.dvp"));

    prompt::FileRequest open;
    open.folder = dir.path();
    OnModalOf<QFileDialog>([&](QFileDialog* dialog) {
        mode = dialog->acceptMode();
        dialog->reject();
    });
    EXPECT_FALSE(prompt::ChooseFile(open).has_value());
    EXPECT_EQ(mode, QFileDialog::AcceptOpen);
}
