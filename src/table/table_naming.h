#pragma once

#include <QString>

namespace pixmint {

// The name of the table made from a picture file: the last piece of the path (after the last
// "/" or "\"), without its extension (from its last "."), made an identifier that every
// language takes: the letters A–Z and a–z, the digits and "_" stay, every other character
// (a space, a dot, "-", a Turkish letter) becomes one "_", and a leading digit gets a "_" in
// front. A piece that leaves nothing gives "_".
QString tableIdentifier(const QString& path);

// Whether a text is already such an identifier: not empty, only A–Z, a–z, 0–9 and "_", and
// no digit first.
bool isTableIdentifier(const QString& text);

// The name of frame `index` (from 0) of a picture whose table is named `name`: "NAME_index".
QString frameTableName(const QString& name, int index);

}  // namespace pixmint
