#include "file_filter.h"

#include <QFileInfo>

namespace pixmint {

QList<FilterEntry> parseFilter(const QString& filter)
{
    QList<FilterEntry> entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        FilterEntry entry;
        entry.description = parts[i];
        const QString patterns = i + 1 < parts.size() ? parts[i + 1] : QStringLiteral("*");
        for (const QString& p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            entry.patterns << p.trimmed();
        if (entry.description.isEmpty() && entry.patterns.isEmpty())
            continue;
        entries << entry;
    }
    return entries;
}

QStringList qtNameFilters(const QString& filter)
{
    QStringList result;
    for (const FilterEntry& entry : parseFilter(filter)) {
        QStringList patterns;
        for (const QString& p : entry.patterns) {
            for (const QString& variant : {p, p.toLower(), p.toUpper()}) {
                if (!patterns.contains(variant))
                    patterns << variant;
            }
        }
        result << entry.description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                      QLatin1Char(')');
    }
    return result;
}

QString withDefaultExtension(const QString& path, const QString& defaultExtension)
{
    QString ext = defaultExtension;
    while (ext.startsWith(QLatin1Char('*')) || ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    if (ext.isEmpty() || path.isEmpty())
        return path;
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty() || name.contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + ext;
}

}  // namespace pixmint
