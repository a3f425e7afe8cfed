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

struct ExtensionCase {
    const char* name;
    QString path;
    QString extension;
    QString expected;
};

void PrintTo(const ExtensionCase& c, std::ostream* os)
{
    *os << c.name;
}

class DefaultExtension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(DefaultExtension, OnlyForNamesWithoutOne)
{
    const ExtensionCase& c = GetParam();
    EXPECT_EQ(withDefaultExtension(c.path, c.extension), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FileFilter, DefaultExtension, ::testing::Values(
    ExtensionCase{"FromAFilterPattern", QStringLiteral("/a/logo"), QStringLiteral("*.c"), QStringLiteral("/a/logo.c")},
    ExtensionCase{"WithItsDot", QStringLiteral("/a/logo"), QStringLiteral(".inc"), QStringLiteral("/a/logo.inc")},
    ExtensionCase{"NameWithOneKeepsIt", QStringLiteral("/a/logo.h"), QStringLiteral("*.c"), QStringLiteral("/a/logo.h")},
    ExtensionCase{"DotInAFolderIsNone", QStringLiteral("/a.b/logo"), QStringLiteral("*.jpg"), QStringLiteral("/a.b/logo.jpg")},
    ExtensionCase{"NoneToAdd", QStringLiteral("/a/logo"), QString(), QStringLiteral("/a/logo")},
    ExtensionCase{"EmptyPathStaysEmpty", QString(), QStringLiteral("*.c"), QString()}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST(RunErrors, NumbersCarryTheirTurkishDescriptions)
{
    EXPECT_EQ(RunError(9).description(), QStringLiteral("Dizin aralık dışında"));
    EXPECT_EQ(RunError(9).title(QStringLiteral("HATA :")), QStringLiteral("HATA :9"));
    EXPECT_EQ(RunError(53, QStringLiteral("/x/y")).description(),
              QStringLiteral("Dosya bulunamadı\n/x/y"));
    EXPECT_EQ(RunError(76).title(), QStringLiteral("Hata :76"));
}

struct NumberCase {
    const char* name;
    int number;
};

void PrintTo(const NumberCase& c, std::ostream* os)
{
    *os << c.name;
}

class RunErrorNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(RunErrorNumber, HasADescription)
{
    EXPECT_FALSE(RunError::describe(GetParam().number).isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RunErrors, RunErrorNumber, ::testing::Values(
    NumberCase{"InvalidArgument", 5},
    NumberCase{"Overflow", 6},
    NumberCase{"TypeMismatch", 13},
    NumberCase{"BadFileName", 52},
    NumberCase{"DiskFull", 61},
    NumberCase{"PermissionDenied", 70},
    NumberCase{"PathFileAccessError", 75}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct ReadingFailureCase {
    const char* name;
    const char* path;  // in a fresh folder; "" the folder itself, nullptr an empty path
    int number;
};

void PrintTo(const ReadingFailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReadingFailure : public ::testing::TestWithParam<ReadingFailureCase> {};

TEST_P(ReadingFailure, HasItsNumber)
{
    const ReadingFailureCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = !c.path   ? QString()
                         : *c.path ? dir.filePath(QString::fromUtf8(c.path))
                                   : dir.path();
    try {
        readSingleByteFile(path);
        ADD_FAILURE() << "no error for " << path.toStdString();
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), c.number) << path.toStdString();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SingleByteFiles, ReadingFailure, ::testing::Values(
    ReadingFailureCase{"MissingFile", "yok.inc", 53},
    ReadingFailureCase{"MissingFolder", "yok/yok.inc", 76},
    ReadingFailureCase{"AFolder", "", 70},
    ReadingFailureCase{"EmptyPath", nullptr, 52}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

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
