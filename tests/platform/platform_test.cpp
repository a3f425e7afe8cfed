#include "event_yield.h"
#include "file_filter.h"
#include "run_error.h"
#include "single_byte_text.h"
#include "test_paths.h"

#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

TEST(FileFilter, EntriesBecomeCaseInsensitiveQtFilters)
{
    const QString open = QStringLiteral(
        "Images (*.BMP;*.JPG;*.JPEG;*.PNG;*.GIF;*.ICO)|*.BMP;*.JPG;*.JPEG;*.PNG;*.GIF;*.ICO");
    const QStringList filters = qtNameFilters(open);
    ASSERT_EQ(filters.size(), 1);
    EXPECT_TRUE(
        filters[0].startsWith(QStringLiteral("Images (*.BMP;*.JPG;*.JPEG;*.PNG;*.GIF;*.ICO) (")));
    EXPECT_TRUE(filters[0].contains(QStringLiteral("*.jpeg")));
    EXPECT_TRUE(filters[0].contains(QStringLiteral("*.JPEG")));

    const QList<FilterEntry> save = parseFilter(QStringLiteral(
        "Include Dosyaları (*.inc;*.h;*.c,*.bas)|*.inc;*.h;*.c;*.bas|Tüm Dosyalar|*.*"));
    ASSERT_EQ(save.size(), 2);
    EXPECT_EQ(save[0].description, QStringLiteral("Include Dosyaları (*.inc;*.h;*.c,*.bas)"));
    EXPECT_EQ(save[0].patterns, (QStringList{QStringLiteral("*.inc"), QStringLiteral("*.h"),
                                             QStringLiteral("*.c"), QStringLiteral("*.bas")}));
    EXPECT_EQ(save[1].patterns, QStringList{QStringLiteral("*.*")});
}

TEST(FileFilter, DefaultExtensionOnlyForNamesWithoutOne)
{
    const QList<std::tuple<QString, QString, QString>> cases = {
        {QStringLiteral("/a/logo"), QStringLiteral("*.c"), QStringLiteral("/a/logo.c")},
        {QStringLiteral("/a/logo"), QStringLiteral(".inc"), QStringLiteral("/a/logo.inc")},
        {QStringLiteral("/a/logo.h"), QStringLiteral("*.c"), QStringLiteral("/a/logo.h")},
        {QStringLiteral("/a.b/logo"), QStringLiteral("*.jpg"), QStringLiteral("/a.b/logo.jpg")},
        {QStringLiteral("/a/logo"), QString(), QStringLiteral("/a/logo")},
        {QString(), QStringLiteral("*.c"), QString()},
    };
    for (const auto& [path, ext, expected] : cases)
        EXPECT_EQ(withDefaultExtension(path, ext), expected) << path.toStdString();
}

TEST(RunErrors, NumbersCarryTheirTurkishDescriptions)
{
    EXPECT_EQ(RunError(9).description(), QStringLiteral("Dizin aralık dışında"));
    EXPECT_EQ(RunError(9).title(QStringLiteral("HATA :")), QStringLiteral("HATA :9"));
    EXPECT_EQ(RunError(53, QStringLiteral("/x/y")).description(),
              QStringLiteral("Dosya bulunamadı\n/x/y"));
    EXPECT_EQ(RunError(76).title(), QStringLiteral("Hata :76"));
    for (int n : {5, 6, 13, 52, 61, 70, 75})
        EXPECT_FALSE(RunError::describe(n).isEmpty()) << n;
}

TEST(SingleByteFiles, ReadingFailuresHaveTheirNumbers)
{
    QTemporaryDir dir;
    const QList<std::pair<QString, int>> cases = {
        {dir.filePath(QStringLiteral("yok.inc")), 53},
        {dir.filePath(QStringLiteral("yok/yok.inc")), 76},
        {dir.path(), 70},
        {QString(), 52},
    };
    for (const auto& [path, number] : cases) {
        try {
            readSingleByteFile(path);
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), number) << path.toStdString();
        }
    }
}

TEST(SingleByteFiles, LimitedReadsStopPastTheLimit)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.inc"));
    writeSingleByteFile(path, QStringLiteral("0123456789"));
    EXPECT_EQ(readSingleByteFile(path, 10), QStringLiteral("0123456789"));
    EXPECT_THROW(readSingleByteFile(path, 9), FileTooLarge);
    // An endless device is not read whole.
    EXPECT_THROW(readSingleByteFile(QStringLiteral("/dev/zero"), 1 << 20), FileTooLarge);
}

TEST(EventYield, ProcessesEventsOnlyWhenASliceIsOverAndStopsWhenAsked)
{
    EventYield inactive;
    for (int i = 0; i < 100000; ++i)
        inactive.tick();
    EXPECT_EQ(inactive.yields(), 0);

    bool abort = false;
    bool timerRan = false;
    QTimer::singleShot(0, [&] { timerRan = true; });
    EventYield yield(&abort, 0);
    for (int i = 0; i < 1000; ++i)
        yield.tick();
    EXPECT_TRUE(timerRan);
    EXPECT_GE(yield.yields(), 1);
    EXPECT_LE(yield.yields(), 1000 / 200);

    abort = true;
    EXPECT_THROW(for (int i = 0; i < 1000; ++i) yield.tick(), WorkAborted);
}

}  // namespace
}  // namespace pixmint
