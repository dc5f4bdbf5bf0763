#include "editors/slidereditpair.h"

#include "controls/showntext.h"
#include "platform/textutil.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

SliderEditPair::SliderEditPair(QSlider* slider, QLineEdit* edit, const Setup& setup, QObject* parent)
    : QObject(parent), m_slider(slider), m_edit(edit), m_setup(setup) {
    {
        const QSignalBlocker quiet(m_slider);
        m_slider->setRange(setup.minimum, setup.maximum);
        m_slider->setSingleStep(1);
        m_slider->setPageStep(1);
        m_slider->setValue(setup.startPosition);
    }
    {
        const QSignalBlocker quiet(m_edit);
        m_edit->setText(QString::number(m_slider->value()));
    }
    // The slider's own notice comes for the user's moves only: the pair sets
    // the position with the slider's notices blocked.
    connect(m_slider, &QSlider::valueChanged, this, &SliderEditPair::OnHScroll);
    // Like the edit's change notice, this also comes when code sets the text.
    connect(m_edit, &QLineEdit::textChanged, this, &SliderEditPair::OnEnChange);
}

int SliderEditPair::Position() const {
    return m_slider->value();
}

void SliderEditPair::SetPosition(int position) {
    const QSignalBlocker quiet(m_slider);
    m_slider->setValue(std::clamp(position, m_slider->minimum(), m_slider->maximum()));
}

void SliderEditPair::Load(const std::string& field) {
    const long n = txt::ToInt(field);
    SetPosition(int(std::clamp<long>(n, m_slider->minimum(), m_slider->maximum())));
    shown::SetEditText(m_edit, field);
}

void SliderEditPair::OnHScroll() {
    m_edit->setText(QString::number(m_slider->value()));
}

void SliderEditPair::OnEnChange() {
    const std::string text = shown::EditText(m_edit);
    if (text.empty()) {
        SetPosition(m_setup.emptyPosition);
        return;
    }
    const long n = txt::ToInt(text);
    if (n < 0)
        return;
    if (n > m_setup.maximum) {
        SetPosition(m_setup.maximum);
        // Rewriting the text raises this notice again, which then finds the
        // maximum.
        if (m_setup.aboveMaximum == AboveMaximum::RewriteText)
            m_edit->setText(QString::number(m_setup.maximum));
        return;
    }
    SetPosition(int(n));
}
