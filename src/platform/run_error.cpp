#include "run_error.h"

#include <utility>

namespace pixmint {

QString RunError::describe(int number)
{
    static const std::pair<int, const char*> descriptions[] = {
        {InvalidArgument, "Geçersiz bağımsız değişken"},
        {Overflow, "Taşma"},
        {IndexOutOfRange, "Dizin aralık dışında"},
        {TypeMismatch, "Tür uyuşmazlığı"},
        {BadFileName, "Geçersiz dosya adı"},
        {FileNotFound, "Dosya bulunamadı"},
        {DiskFull, "Disk dolu"},
        {PermissionDenied, "Erişim reddedildi"},
        {PathFileAccessError, "Yol/dosya erişim hatası"},
        {PathNotFound, "Yol bulunamadı"},
        {DialogCancelled, "İptal seçildi"},
    };
    for (const auto& [known, description] : descriptions) {
        if (known == number)
            return QString::fromUtf8(description);
    }
    return {};
}

RunError::RunError(int number, const QString& detail)
    : m_number(number), m_description(describe(number))
{
    if (!detail.isEmpty())
        m_description += QLatin1Char('\n') + detail;
    m_what = (QString::number(number) + QStringLiteral(": ") + m_description).toUtf8();
}

QString RunError::title(const QString& word) const
{
    return word + QString::number(m_number);
}

}  // namespace pixmint
