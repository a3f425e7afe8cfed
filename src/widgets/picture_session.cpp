#include "picture_session.h"

namespace pixmint {

void PictureSession::setSettings(const PictureSettings& settings)
{
    if (settings == m_settings)
        return;
    m_settings = settings;
    Q_EMIT settingsChanged();
}

void PictureSession::setPreview(PreviewSource preview)
{
    if (preview.isNull() && m_preview.isNull())
        return;
    m_preview = std::move(preview);
    Q_EMIT pictureChanged();
}

void PictureSession::setTargetSize(const QString& widthText, const QString& heightText)
{
    if (widthText == m_widthText && heightText == m_heightText)
        return;
    m_widthText = widthText;
    m_heightText = heightText;
    m_target = readTargetSize(widthText, heightText);
    Q_EMIT targetChanged();
}

}  // namespace pixmint
