#include "controls/showntext.h"

#include "platform/codepage.h"
#include "platform/textutil.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidgetItem>
#include <QVariant>
#include <algorithm>

namespace {

// Where an entry or a cell keeps its ShownText, and an edit its property.
constexpr int kShownRole = Qt::UserRole + 1;
constexpr char kShownProperty[] = "shownText";

// The bytes of what a widget shows now, by the ShownText kept in `value`
// (read in place), or converted when none is kept.
std::string BytesOf(const QVariant& value, const QString& shown) {
    if (value.metaType() == QMetaType::fromType<ShownText>())
        return static_cast<const ShownText*>(value.constData())->BytesOf(shown);
    return cp936::FromUnicode(shown);
}

bool SortsBefore(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

void SetItem(QComboBox* combo, int index, const ShownText& text) {
    combo->setItemData(index, QVariant::fromValue(text), kShownRole);
}

} // namespace

ShownText::ShownText(std::string_view bytes) : m_bytes(bytes), m_text(cp936::ToUnicode(bytes)) {}

std::string ShownText::BytesOf(const QString& shown) const {
    return shown == m_text ? m_bytes : cp936::FromUnicode(shown);
}

bool ShownText::SameNoCase(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::string_view ca = a.substr(i, txt::CharWidth(a, i));
        const std::string_view cb = b.substr(j, txt::CharWidth(b, j));
        if (ca != cb) {
            const QString ua = cp936::ToUnicode(ca);
            const QString ub = cp936::ToUnicode(cb);
            // A replacement mark stands for bytes that are no code: it
            // matches nothing but the very same bytes.
            if (ua.contains(QChar::ReplacementCharacter) || ub.contains(QChar::ReplacementCharacter) ||
                QString::compare(ua, ub, Qt::CaseInsensitive) != 0)
                return false;
        }
        i += ca.size();
        j += cb.size();
    }
    return i == a.size() && j == b.size();
}

namespace shown {

void SetEditText(QLineEdit* edit, std::string_view bytes) {
    const ShownText text(bytes);
    edit->setProperty(kShownProperty, QVariant::fromValue(text));
    edit->setText(text.Text());
}

std::string EditText(const QLineEdit* edit) {
    return BytesOf(edit->property(kShownProperty), edit->text());
}

int AddItem(QComboBox* combo, std::string_view bytes) {
    const ShownText text(bytes);
    const int index = combo->count();
    combo->addItem(text.Text());
    SetItem(combo, index, text);
    return index;
}

int AddSortedItem(QComboBox* combo, std::string_view bytes) {
    const ShownText text(bytes);
    int index = combo->count();
    for (int i = 0; i < combo->count(); ++i) {
        if (SortsBefore(text.Text(), combo->itemText(i))) {
            index = i;
            break;
        }
    }
    combo->insertItem(index, text.Text());
    SetItem(combo, index, text);
    return index;
}

void FillSorted(QComboBox* combo, const std::vector<std::string>& names) {
    std::vector<ShownText> texts(names.begin(), names.end());
    std::stable_sort(texts.begin(), texts.end(),
                     [](const ShownText& a, const ShownText& b) { return SortsBefore(a.Text(), b.Text()); });
    combo->clear();
    for (const ShownText& text : texts) {
        combo->addItem(text.Text());
        SetItem(combo, combo->count() - 1, text);
    }
    combo->setCurrentIndex(-1);
}

std::string ItemText(const QComboBox* combo, int index) {
    if (index < 0 || index >= combo->count())
        return {};
    return BytesOf(combo->itemData(index, kShownRole), combo->itemText(index));
}

std::string CurrentText(const QComboBox* combo) {
    return ItemText(combo, combo->currentIndex());
}

int FindItem(const QComboBox* combo, std::string_view bytes, bool caseSensitive) {
    // The entry with the very same bytes comes first: names that differ in
    // letter case alone are two entries, and a stored name is its own.
    for (int i = 0; i < combo->count(); ++i) {
        if (ItemText(combo, i) == bytes)
            return i;
    }
    if (!caseSensitive) {
        for (int i = 0; i < combo->count(); ++i) {
            if (ShownText::SameNoCase(ItemText(combo, i), bytes))
                return i;
        }
    }
    return -1;
}

bool SelectItem(QComboBox* combo, std::string_view bytes, bool caseSensitive) {
    const int index = FindItem(combo, bytes, caseSensitive);
    if (index >= 0)
        combo->setCurrentIndex(index);
    return index >= 0;
}

void SetCellText(QTreeWidgetItem* item, int column, std::string_view bytes) {
    const ShownText text(bytes);
    item->setText(column, text.Text());
    item->setData(column, kShownRole, QVariant::fromValue(text));
}

std::string CellText(const QTreeWidgetItem* item, int column) {
    return BytesOf(item->data(column, kShownRole), item->text(column));
}

} // namespace shown
