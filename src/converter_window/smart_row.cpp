#include "smart_row.h"

#include "window_style.h"

#include <QCheckBox>
#include <QComboBox>

namespace pixmint {
namespace {

const QString kEveryTable = QStringLiteral("Tümü");

QStringList itemsFor(const QList<FoundTable>& tables)
{
    QStringList items = {kEveryTable};
    for (const FoundTable& table : tables)
        items << QStringLiteral("%1 (%2 sayı)").arg(table.shownName()).arg(table.count);
    return items;
}

QStringList itemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

}  // namespace

SmartRow::SmartRow(QWidget* window, const SmartRowLayout& layout) : QObject(window)
{
    m_check = new QCheckBox(QStringLiteral("Akıllı okuma"), window);
    m_check->setObjectName(QStringLiteral("Akıllı"));
    place(m_check, layout.checkBox);
    makeLabel(window, QStringLiteral("Label10"), QStringLiteral("Tablo :"), layout.label);
    m_list = makeList(window, QStringLiteral("Tablo"), {kEveryTable}, layout.list);
    m_list->setEditable(false);
}

bool SmartRow::isOn() const
{
    return m_check->isChecked();
}

void SmartRow::read(const QString& text)
{
    QList<FoundTable> tables = findTables(text);
    const QStringList items = itemsFor(tables);
    m_tables = std::move(tables);
    if (items == itemsOf(m_list))
        return;
    m_list->clear();
    m_list->addItems(items);
    m_list->setCurrentIndex(static_cast<int>(largestTable(m_tables) + 1));
}

void SmartRow::clear()
{
    m_tables.clear();
    m_list->clear();
    m_list->addItem(kEveryTable);
}

TableChoice SmartRow::choice() const
{
    TableChoice choice;
    const int item = m_list->currentIndex();
    choice.kind = item <= 0 ? TableChoice::Kind::All : TableChoice::Kind::Index;
    choice.index = item - 1;
    return choice;
}

const FoundTable* SmartRow::shownTable() const
{
    if (m_tables.isEmpty())
        return nullptr;
    const int item = m_list->currentIndex();
    if (item > 0 && item <= m_tables.size())
        return &m_tables[item - 1];
    for (const FoundTable& table : m_tables) {
        if (table.isBytes())
            return &table;
    }
    return &m_tables.first();
}

}  // namespace pixmint
