#pragma once
// The program's 8-bit text as a widget shows it, with its bytes kept beside
// the text shown. A byte that is no code of code page 936 shows as a
// replacement mark, and the mark would go back as '?': so while a widget
// still shows the text that its bytes gave, those bytes go back unchanged,
// and only a text that has changed (typed, pasted, dropped, deleted, or
// set by the program without bytes) is converted.
//
// Line edits, the entries of drop-down lists and the cells of report lists
// keep their bytes this way: an entry is found and read by its own bytes,
// so two entries that show alike stay two.

#include <QMetaType>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLineEdit;
class QTreeWidgetItem;

class ShownText {
public:
    ShownText() = default;
    explicit ShownText(std::string_view bytes);

    const QString& Text() const { return m_text; }
    const std::string& Bytes() const { return m_bytes; }

    // The bytes of what a widget shows now: the kept bytes while it still
    // shows their text, else `shown` converted to code page 936.
    std::string BytesOf(const QString& shown) const;

    // Whether two texts are the same with letters compared without regard
    // to case, character by character; a byte that is no code matches only
    // the same byte.
    static bool SameNoCase(std::string_view a, std::string_view b);

private:
    std::string m_bytes;
    QString m_text;
};

Q_DECLARE_METATYPE(ShownText)

namespace shown {

// ----- line edits
void SetEditText(QLineEdit* edit, std::string_view bytes);
std::string EditText(const QLineEdit* edit);

// ----- drop-down lists
// Appends an entry and returns its index.
int AddItem(QComboBox* combo, std::string_view bytes);
// Inserts an entry at its sorted place (letters compared without regard to
// case, after the entries that compare equal, as a sorted list of the
// original does) and returns its index. The selection stays on its entry.
int AddSortedItem(QComboBox* combo, std::string_view bytes);
// Empties the list and fills it with the names in sorted order (as
// AddSortedItem one by one would), with no selection.
void FillSorted(QComboBox* combo, const std::vector<std::string>& names);
std::string ItemText(const QComboBox* combo, int index);
// The selected entry's bytes; empty with no selection.
std::string CurrentText(const QComboBox* combo);
// The first entry whose bytes are `bytes`; when none is and not
// `caseSensitive`, the first that is the same letter case aside; -1 when
// none is.
int FindItem(const QComboBox* combo, std::string_view bytes, bool caseSensitive);
// Selects the entry FindItem finds; none: the selection stays. True when
// found.
bool SelectItem(QComboBox* combo, std::string_view bytes, bool caseSensitive);

// ----- cells of a report list
void SetCellText(QTreeWidgetItem* item, int column, std::string_view bytes);
std::string CellText(const QTreeWidgetItem* item, int column);

} // namespace shown
