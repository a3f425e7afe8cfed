#pragma once

#include <QString>
#include <QStringList>

namespace pixmint {

// One entry of a "description|patterns|…" filter text.
struct FilterEntry {
    QString description;
    QStringList patterns;  // as written, e.g. "*.BMP", "*.*"
};

// Splits a filter text into its entries. A trailing description without patterns gets "*".
QList<FilterEntry> parseFilter(const QString& filter);

// The same entries as Qt name filters, each pattern also in lower and upper case so that
// extensions match in any letter case: "Images (*.BMP) (*.BMP *.bmp)". Shown with the
// dialog's HideNameFilterDetails option, the user sees the description alone.
QStringList qtNameFilters(const QString& filter);

// Adds the default extension ("*.c", ".c" or "c" all mean ".c") to a path whose file name
// has no extension; any other path is returned unchanged.
QString withDefaultExtension(const QString& path, const QString& defaultExtension);

}  // namespace pixmint
