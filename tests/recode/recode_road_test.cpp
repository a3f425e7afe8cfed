#include "recode_road.h"
#include "event_yield.h"

#include <gtest/gtest.h>

namespace pixmint {
namespace {

QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}

struct RoadCase {
    const char* name;
    QString text;
    bool smart;
    const char* choice;  // with smart reading
    bool invert;
    const char* table;     // the entries read, separated by spaces
    QStringList messages;  // "TITLE: TEXT", before and after the text in their order
};

void PrintTo(const RoadCase& c, std::ostream* os)
{
    *os << c.name;
}

class RecodeRoad : public ::testing::TestWithParam<RoadCase> {};

// What the window, recode and render read from a text, and the messages in the order a
// person meets them.
TEST_P(RecodeRoad, ReadsTheTableAndSaysWhatItMet)
{
    const RoadCase& c = GetParam();
    RecodeRequest request;
    request.text = c.text;
    request.smart = c.smart;
    request.choice = tableChoiceFrom(QString::fromUtf8(c.choice));
    request.source = presetFormat(QStringLiteral("Asm"));
    request.invert = c.invert;
    request.target.numbersPerLine = QStringLiteral("3");
    EventYield none;
    const RecodeOutcome outcome = runRecodeRoad(request, none);
    EXPECT_EQ(outcome.table.join(u' '), QString::fromUtf8(c.table));
    QStringList messages;
    for (const RoadMessage& m : outcome.beforeText + outcome.afterText)
        messages << m.title + QStringLiteral(": ") + m.text;
    EXPECT_EQ(messages, c.messages);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Recoding, RecodeRoad, ::testing::Values(
    RoadCase{"PlainShortLastLineIsAnError", s(u"\tDt\t0X01,0X02"), false, "", false, "01 02",
             {s(u"HATA :9: Dizin aralık dışında")}},
    RoadCase{"SmartShortLastLineIsNoError", s(u"\tDt\t0X01,0X02"), true, "", false, "01 02", {}},
    RoadCase{"NotInvertedComesAfterTheText", s(u"\tDt\t0X01,0XZZ,0X03"), false, "", true,
             "FE ZZ FC", {s(u"Hata: 1 sayı terslenemedi; bunlar olduğu gibi bırakıldı.")}},
    RoadCase{"AllNamesWarningsThenTheTablesLeftOut",
             s(u"const char a[] = {\n#if F(1)\n9,\n#endif\n1, 2, 3};\ndb 300, 1\n"), true,
             "all", false, "01 02 03",
             {s(u"Uyarı: Tablo a: Satır 2: \"F(1)\" koşulu çözülemedi, #if 0 gibi okundu."),
              s(u"Hata: Bayt tablosu olmayan tablolar alınmadı: -.")}},
    RoadCase{"AChoiceThatTakesNothingStops", s(u"db 1, 2"), true, "x", false, "",
             {s(u"Hata: Tablo bulunamadı: x")}}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

}  // namespace
}  // namespace pixmint
