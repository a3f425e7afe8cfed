#include "run_error.h"

namespace pixmint {

QString RunError::describe(int number)
{
    switch (number) {
    case InvalidArgument:
        return QStringLiteral("Geçersiz bağımsız değişken");
    case Overflow:
        return QStringLiteral("Taşma");
    case IndexOutOfRange:
        return QStringLiteral("Dizin aralık dışında");
    case TypeMismatch:
        return QStringLiteral("Tür uyuşmazlığı");
    case BadFileName:
        return QStringLiteral("Geçersiz dosya adı");
    case FileNotFound:
        return QStringLiteral("Dosya bulunamadı");
    case DiskFull:
        return QStringLiteral("Disk dolu");
    case PermissionDenied:
        return QStringLiteral("Erişim reddedildi");
    case PathFileAccessError:
        return QStringLiteral("Yol/dosya erişim hatası");
    case PathNotFound:
        return QStringLiteral("Yol bulunamadı");
    case DialogCancelled:
        return QStringLiteral("İptal seçildi");
    default:
        return {};
    }
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
