#include "editors/eventpage.h"

#include "controls/showntext.h"
#include "platform/prompter.h"
#include "platform/textutil.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

EventPage::EventPage(QWidget* parent) : QWidget(parent), m_layout(this, DialogUnits::MainWindow()) {
    // A page is no dialog: Enter never presses a button of its own accord.
    m_layout.NoAutoDefaultButtons();
}

// ----- the Add and Edit sequences

void EventPage::OnBnClickedAdd() {
    if (!CheckPageData())
        return;
    if (!CheckActionList())
        return;
    if (!CheckPort(false) || !CheckSelections())
        return;
    HandOverAdd(BuildEventText());
}

void EventPage::OnBnClickedEdit() {
    if (!CheckPageData())
        return;
    if (!CheckActionList() || !CheckEventList() || !CheckEventSelected())
        return;
    if (!CheckPort(true) || !CheckSelections())
        return;
    HandOverEdit(BuildEventText());
}

bool EventPage::CheckActionList() const {
    if (!m_pHost || !m_pHost->HasActionRows()) {
        prompt::MessageBox("Please add an action in action list");
        return false;
    }
    return true;
}

bool EventPage::CheckEventList() const {
    if (!m_pHost || !m_pHost->HasEventRows()) {
        prompt::MessageBox("Please add a event in event List");
        return false;
    }
    return true;
}

bool EventPage::CheckEventSelected() const {
    if (!m_pHost || !m_pHost->HasSelectedEventRow()) {
        prompt::MessageBox("Please select the event to edit");
        return false;
    }
    return true;
}

void EventPage::HandOverAdd(const std::string& text) {
    if (!m_pHost)
        return;
    m_pHost->AddEvent(m_pHost->SelectedKey(), m_pHost->SelectedSlot(), text);
    m_pHost->AddEventRow(text);
}

void EventPage::HandOverEdit(const std::string& text) {
    if (!m_pHost)
        return;
    m_pHost->ReplaceSelectedEvent(m_pHost->SelectedKey(), m_pHost->SelectedSlot(), text);
    m_pHost->UpdateEventRow(text);
}

bool EventPage::CheckPortAvailable(const std::string& title, int portIndex, const PortTable& table) {
    if (!m_pHost)
        return true;
    const char* refusal = PortRefusal(m_pHost->DeviceModel(), m_pHost->PortMode(), portIndex, table);
    if (!refusal)
        return true;
    // The answer does not matter: the event is refused either way.
    prompt::Ask(title, refusal);
    return false;
}

void EventPage::RequireSelection(const QComboBox* combo, const char* message) {
    m_requiredLists.emplace_back(combo, message);
}

bool EventPage::CheckSelections() const {
    for (const auto& [combo, message] : m_requiredLists) {
        if (combo->currentIndex() < 0) {
            prompt::MessageBox(message);
            return false;
        }
    }
    return true;
}

// ----- re-loading helpers

long EventPage::FieldNumber(const std::string& field) {
    return txt::ToInt(field);
}

void EventPage::SelectByIndex(QComboBox* combo, long index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? int(index) : -1);
}

bool EventPage::SelectByText(QComboBox* combo, const std::string& text) {
    return shown::SelectItem(combo, text, false);
}

void EventPage::SetEditText(QLineEdit* edit, const std::string& text) {
    shown::SetEditText(edit, text);
}

std::string EventPage::EditText(const QLineEdit* edit, bool trimmed) {
    const std::string text = shown::EditText(edit);
    return trimmed ? txt::Trim(text) : text;
}

std::string EventPage::ComboText(const QComboBox* combo) {
    return shown::CurrentText(combo);
}

void EventPage::ShowSendModeControls(int sendMode, const std::array<QWidget*, 3>& repeat,
                                     const std::array<QWidget*, 3>& delay) {
    if (sendMode < 0 || sendMode > 2)
        return;
    for (QWidget* w : repeat)
        w->setVisible(sendMode == 1);
    for (QWidget* w : delay)
        w->setVisible(sendMode != 0);
}

// ----- key filter

void EventPage::DropKeys(bool enter, bool escape) {
    m_bDropEnter = enter;
    m_bDropEscape = escape;
    InstallKeyFilter();
}

void EventPage::InstallKeyFilter() {
    if (!m_bDropEnter && !m_bDropEscape)
        return;
    // Installing again only moves the filter to the front.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

void EventPage::showEvent(QShowEvent* event) {
    // Controls a page adds after DropKeys are covered from the first show.
    InstallKeyFilter();
    QWidget::showEvent(event);
}

bool EventPage::eventFilter(QObject* watched, QEvent* event) {
    // A drop-down list's popup is a window of its own: Escape closes it.
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->window() != window())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((m_bDropEnter && (key == Qt::Key_Return || key == Qt::Key_Enter)) ||
            (m_bDropEscape && key == Qt::Key_Escape)) {
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ----- controls

namespace {

class NoColonValidator : public QValidator {
public:
    NoColonValidator(const QValidator* inner, QObject* parent) : QValidator(parent), m_inner(inner) {}
    State validate(QString& input, int& pos) const override {
        if (input.contains(QLatin1Char(':')))
            return Invalid;
        return m_inner ? m_inner->validate(input, pos) : Acceptable;
    }

private:
    const QValidator* m_inner;
};

} // namespace

void EventPage::RefuseColons(QLineEdit* edit) {
    edit->setValidator(new NoColonValidator(edit->validator(), edit));
}

void EventPage::CreateAddEditButtons(int addId, int editId, int x, int y) {
    constexpr int kButtonWidthDlu = 50;
    constexpr int kButtonGapDlu = 8;
    m_btnAdd = AddButton("Add", addId, x, y, kButtonWidthDlu);
    m_btnEdit = AddButton("Edit", editId, x + kButtonWidthDlu + kButtonGapDlu, y, kButtonWidthDlu);
    // Through the virtual handlers, so a page may run its own sequence.
    connect(m_btnAdd, &QPushButton::clicked, this, [this] { OnBnClickedAdd(); });
    connect(m_btnEdit, &QPushButton::clicked, this, [this] { OnBnClickedEdit(); });
}
