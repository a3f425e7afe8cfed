// Makes two of the test fonts of tests/data/fonts from the public-domain misc-fixed 6x13 PCF:
// a BDF of ASCII and the Turkish letters whose glyphs carry tight boxes (so that BDF's own
// offsets, negative ones included, are read), and a Windows .fon of Windows-1254 (a version 2
// FNT resource in a small NE file, character set 162), whose codes are the code page's bytes.
// Both draw the same pixels as the PCF, which the tests compare.
//
//   pixmint-make-test-fonts 6x13.pcf.gz OUT.bdf OUT.fon
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <vector>

namespace {

// Rows of 0/1 indexed by int coordinates.
int at(const std::vector<std::vector<int>>& rows, int x, int y)
{
    return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
}

struct Glyph {
    unsigned code = 0;  // Unicode for the BDF, the byte for the FON
    int width = 0;      // advance, pixels
    int left = 0, top = 0;
    int inkWidth = 0, inkHeight = 0;
    std::vector<std::vector<int>> ink;  // rows of 0/1
};

bool loadGlyph(FT_Face face, unsigned unicode, Glyph& glyph)
{
    if (FT_Get_Char_Index(face, unicode) == 0 ||
        FT_Load_Char(face, unicode, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
        return false;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& b = slot->bitmap;
    int l = int(b.width), r = -1, t = int(b.rows), btm = -1;
    auto bit = [&](int x, int y) { return (b.buffer[y * b.pitch + x / 8] >> (7 - x % 8)) & 1; };
    for (int y = 0; y < int(b.rows); ++y)
        for (int x = 0; x < int(b.width); ++x)
            if (bit(x, y)) {
                l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), btm = std::max(btm, y);
            }
    glyph.width = int(slot->advance.x >> 6);
    if (r < 0)
        return true;
    glyph.left = slot->bitmap_left + l;
    glyph.top = slot->bitmap_top - t;
    glyph.inkWidth = r - l + 1;
    glyph.inkHeight = btm - t + 1;
    for (int y = t; y <= btm; ++y) {
        std::vector<int> row;
        for (int x = l; x <= r; ++x)
            row.push_back(bit(x, y));
        glyph.ink.push_back(row);
    }
    return true;
}

bool writeBdf(FT_Face face, const char* path)
{
    std::vector<unsigned> codes;
    for (unsigned c = 32; c <= 126; ++c)
        codes.push_back(c);
    for (unsigned c :
         {0xC7u, 0xD6u, 0xDCu, 0xE7u, 0xF6u, 0xFCu, 0x11Eu, 0x11Fu, 0x130u, 0x131u, 0x15Eu, 0x15Fu})
        codes.push_back(c);
    std::vector<Glyph> glyphs;
    for (unsigned c : codes) {
        Glyph g;
        g.code = c;
        if (loadGlyph(face, c, g))
            glyphs.push_back(g);
    }
    QByteArray out;
    out +=
        "STARTFONT 2.1\n"
        "COMMENT Made by tools/make_test_fonts.cpp from misc-fixed 6x13 (public domain)\n"
        "FONT -Misc-Fixed-Medium-R-SemiCondensed--13-120-75-75-C-60-ISO10646-1\n"
        "SIZE 13 75 75\n"
        "FONTBOUNDINGBOX 6 13 0 -2\n"
        "STARTPROPERTIES 7\n"
        "FAMILY_NAME \"Fixed\"\n"
        "WEIGHT_NAME \"Medium\"\n"
        "PIXEL_SIZE 13\n"
        "FONT_ASCENT 11\n"
        "FONT_DESCENT 2\n"
        "CHARSET_REGISTRY \"ISO10646\"\n"
        "CHARSET_ENCODING \"1\"\n"
        "ENDPROPERTIES\n";
    out += QByteArray("CHARS ") + QByteArray::number(qsizetype(glyphs.size())) + "\n";
    for (const Glyph& g : glyphs) {
        out += QString::asprintf("STARTCHAR U+%04X\nENCODING %u\nSWIDTH 500 0\nDWIDTH %d 0\n",
                                 g.code, g.code, g.width)
                   .toLatin1();
        out += QString::asprintf("BBX %d %d %d %d\nBITMAP\n", g.inkWidth, g.inkHeight, g.left,
                                 g.top - g.inkHeight)
                   .toLatin1();
        for (const std::vector<int>& row : g.ink) {
            int bytes = (g.inkWidth + 7) / 8;
            for (int k = 0; k < bytes; ++k) {
                int value = 0;
                for (int i = 0; i < 8; ++i)
                    if (8 * k + i < g.inkWidth && row[static_cast<std::size_t>(8 * k + i)])
                        value |= 0x80 >> i;
                out += QByteArray::number(value, 16).rightJustified(2, '0').toUpper();
            }
            out += "\n";
        }
        out += "ENDCHAR\n";
    }
    out += "ENDFONT\n";
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

void put16(QByteArray& a, int at, int v)
{
    a[at] = char(v & 0xFF);
    a[at + 1] = char((v >> 8) & 0xFF);
}
void put32(QByteArray& a, int at, qint64 v)
{
    put16(a, at, int(v & 0xFFFF));
    put16(a, at + 2, int((v >> 16) & 0xFFFF));
}

// A version 2 FNT of the bytes 32 to 255 of Windows-1254, 6 × 13, ascent 11.
QByteArray fntResource(FT_Face face)
{
    const int first = 32, last = 255, height = 13, ascent = 11, width = 6;
    const int count = last - first + 1;
    const int tableAt = 118;
    const int bitsAt = tableAt + (count + 1) * 4;
    QStringDecoder decoder("windows-1254");
    QByteArray bits;
    QByteArray table((count + 1) * 4, '\0');
    for (int code = first; code <= last + 1; ++code) {
        const int entry = (code - first) * 4;
        put16(table, entry, width);
        put16(table, entry + 2, bitsAt + int(bits.size()));
        if (code > last)
            break;
        const char byte = char(code);
        const QString text = decoder.decode(QByteArrayView(&byte, 1));
        const unsigned unicode = text.isEmpty() ? 0 : text.at(0).unicode();
        Glyph g;
        std::vector<std::vector<int>> cell(static_cast<std::size_t>(height),
                                           std::vector<int>(static_cast<std::size_t>(width), 0));
        if (!(unicode >= 0x80 && unicode <= 0x9F) && loadGlyph(face, unicode, g)) {
            for (int y = 0; y < g.inkHeight; ++y)
                for (int x = 0; x < g.inkWidth; ++x) {
                    const int cx = g.left + x, cy = ascent - g.top + y;
                    if (cx >= 0 && cx < width && cy >= 0 && cy < height && at(g.ink, x, y))
                        cell[static_cast<std::size_t>(cy)][static_cast<std::size_t>(cx)] = 1;
                }
        }
        // One column of bytes (8 pixels wide) after another, each a byte per row.
        for (int row = 0; row < height; ++row) {
            int value = 0;
            for (int x = 0; x < width; ++x)
                if (at(cell, x, row))
                    value |= 0x80 >> x;
            bits += char(value);
        }
    }
    const QByteArray faceName = "Fixed";
    QByteArray header(tableAt, '\0');
    const qint64 size = tableAt + table.size() + bits.size() + faceName.size() + 1;
    put16(header, 0, 0x200);
    put32(header, 2, size);
    const QByteArray copyright = "Public domain font. Share and enjoy.";
    header.replace(6, int(copyright.size()), copyright);
    put16(header, 66, 0);       // raster
    put16(header, 68, 10);      // points
    put16(header, 70, 96);      // vertical resolution
    put16(header, 72, 96);      // horizontal resolution
    put16(header, 74, ascent);  // ascent
    put16(header, 76, 0);       // internal leading
    put16(header, 78, 0);       // external leading
    put16(header, 83, 400);     // weight
    header[85] = char(162);     // Turkish
    put16(header, 86, width);   // pixel width
    put16(header, 88, height);  // pixel height
    header[90] = char(0x31);    // fixed pitch, modern
    put16(header, 91, width);   // average width
    put16(header, 93, width);   // maximum width
    header[95] = char(first);
    header[96] = char(last);
    header[97] = char(0);   // default: the blank
    header[98] = char(0);   // break: the blank
    put16(header, 99, 0);   // bytes per row of the old bitmap, unused by version 2
    put32(header, 101, 0);  // device
    put32(header, 105, tableAt + table.size() + bits.size());  // face name
    put32(header, 109, 0);
    put32(header, 113, bitsAt);
    return header + table + bits + faceName + '\0';
}

// The FNT in a New Executable with a resource table of one RT_FONT resource.
QByteArray neFile(const QByteArray& fnt)
{
    const int shift = 4;
    QByteArray mz(64, '\0');
    mz[0] = 'M';
    mz[1] = 'Z';
    put32(mz, 0x3C, 64);
    QByteArray ne(64, '\0');
    ne[0] = 'N';
    ne[1] = 'E';
    const int resourceTable = 64;
    // shift, one type (RT_FONT, one resource), the end of types, then the names table.
    QByteArray resources;
    resources.resize(2 + 8 + 12 + 2);
    resources.fill('\0');
    const int fntAt = ((64 + 64 + int(resources.size()) + 16 + 15) >> shift) << shift;
    put16(resources, 0, shift);
    put16(resources, 2, 0x8008);
    put16(resources, 4, 1);
    put16(resources, 10, fntAt >> shift);
    put16(resources, 12, int((fnt.size() + 15) >> shift));
    put16(resources, 14, 0x1C30);  // moveable, pure, preload
    put16(resources, 16, 0x8001);
    const int namesTable = resourceTable + int(resources.size());
    put16(ne, 36, resourceTable);
    put16(ne, 38, namesTable);
    QByteArray file = mz + ne + resources;
    file += QByteArray(fntAt - int(file.size()), '\0');
    file += fnt;
    return file;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: pixmint-make-test-fonts 6x13.pcf.gz OUT.bdf OUT.fon\n");
        return 2;
    }
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) || FT_New_Face(library, argv[1], 0, &face) ||
        FT_Select_Size(face, 0)) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    if (!writeBdf(face, argv[2]))
        return 1;
    const QByteArray fon = neFile(fntResource(face));
    QFile file(QString::fromLocal8Bit(argv[3]));
    if (!file.open(QIODevice::WriteOnly) || file.write(fon) != fon.size())
        return 1;
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return 0;
}
