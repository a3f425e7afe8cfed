#pragma once

#include "smart_reading.h"

#include <QObject>
#include <QRect>

class QCheckBox;
class QComboBox;
class QWidget;

namespace pixmint {

// Where the controls of the smart reading row sit in the window.
struct SmartRowLayout {
    QRect checkBox;
    QRect label;
    QRect list;
};

// The converter window's row of smart reading: the check box "Akıllı" and the list "Tablo"
// ("Tümü", then one item "NAME (N sayı)" per table found). It keeps the tables of the last
// reading and says which the list chooses.
class SmartRow : public QObject {
    Q_OBJECT
public:
    SmartRow(QWidget* window, const SmartRowLayout& layout);

    QCheckBox* checkBox() const { return m_check; }
    QComboBox* list() const { return m_list; }
    bool isOn() const;

    // Reads a text smartly. When its tables differ from the list's, the list is filled
    // again with the largest byte table chosen; otherwise the choice stays.
    void read(const QString& text);
    // Forgets the tables: the list holds "Tümü" alone.
    void clear();

    const QList<FoundTable>& tables() const { return m_tables; }
    // What the list chooses: every table for "Tümü", otherwise the one of its item.
    TableChoice choice() const;
    // The table whose format the source group shows for the list's choice; nullptr: none.
    const FoundTable* shownTable() const;

private:
    QCheckBox* m_check = nullptr;
    QComboBox* m_list = nullptr;
    QList<FoundTable> m_tables;
};

}  // namespace pixmint
