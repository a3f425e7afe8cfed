#pragma once

#include "font_road.h"
#include "test_paths.h"

#include <QString>

#include <optional>

namespace pixmint::testing {

// A test font under tests/data/fonts.
inline QString testFont(const char* name)
{
    return testData(QStringLiteral("fonts/") + QString::fromUtf8(name));
}

// The request for the characters of a text (UTF-8) from a test font.
inline FontRoadRequest fontRequest(const char* font, std::optional<int> size, const char* text,
                                   FontFormat format = FontFormat::Cells,
                                   ByteLayout layout = ByteLayout::PagesLsbTop)
{
    FontRoadRequest request;
    request.glyphs.source.path = testFont(font);
    request.glyphs.size = size;
    request.glyphs.characters.kind = CharacterChoice::Kind::Text;
    request.glyphs.characters.text = QString::fromUtf8(text);
    request.format = format;
    request.layout = layout;
    return request;
}

// The request for a character set of a test font.
inline FontRoadRequest charsetRequest(const char* font, std::optional<int> size, Charset charset,
                                      FontFormat format = FontFormat::Cells,
                                      ByteLayout layout = ByteLayout::PagesLsbTop)
{
    FontRoadRequest request = fontRequest(font, size, "", format, layout);
    request.glyphs.characters = {CharacterChoice::Kind::Charset, charset, QString()};
    return request;
}

}  // namespace pixmint::testing
