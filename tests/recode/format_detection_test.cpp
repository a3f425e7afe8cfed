#include "format_detection.h"
#include "code_layout.h"
#include "code_texts.h"
#include "test_paths.h"

#include <gtest/gtest.h>

namespace pixmint {
namespace {

QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}

// A short table as the picture window writes it.
QString written(const char* language, const QString& command, const QString& path)
{
    const QStringList table{s(u"00"), s(u"3F"), s(u"FF"), s(u"81")};
    NumberFormat format = presetFormat(QString::fromUtf8(language));
    format.command = command;
    return testing::codeText(format, table, path);
}

struct DetectionCase {
    const char* name;
    QString text;
    const char* language;  // nullptr: none named
    bool selectRetlw;
};

void PrintTo(const DetectionCase& c, std::ostream* os)
{
    *os << c.name;
}

class Detection : public ::testing::TestWithParam<DetectionCase> {};

TEST_P(Detection, LastMatchingMarkerDecides)
{
    const DetectionCase& c = GetParam();
    const DetectedFormat found = detectedFormat(c.text);
    EXPECT_EQ(found.language ? found.language->name : QString(), QString::fromUtf8(c.language));
    EXPECT_EQ(found.command == CommandRole::OneNumberPerLine, c.selectRetlw);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FormatDetection, Detection, ::testing::Values(
    DetectionCase{"AsmDt", written("Asm", s(u"Dt"), s(u"C:\\resim.bmp")), "Asm", false},
    DetectionCase{"AsmRetlwWithDtInThePath", written("Asm", s(u"Retlw"), s(u"C:\\DTler\\resim.bmp")), "Asm", true},
    DetectionCase{"ProtonBasic", written("Proton Basic", s(u"CData"), s(u"C:\\resim.bmp")), "Proton Basic", false},
    DetectionCase{"ProtonBasicWithDtInThePath", written("Proton Basic", s(u"CData"), s(u"C:\\dt.bmp")), "Proton Basic", false},
    DetectionCase{"CcsWithTheOtherMarkersInComments",
        written("CCS", s(u"Resim[]="), s(u"C:\\DT CDATA RETLW.bmp")), "CCS", false},
    DetectionCase{"CcsTableOfAnotherName", s(u"const int Logo[]={0x01,0x02};"), "CCS", false},
    DetectionCase{"CReadsAsCcs", written("C", s(u"resim[]="), s(u"C:\\DT\\retlw.bmp")), "CCS", false},
    DetectionCase{"ArduinoReadsAsCcs", written("Arduino", s(u"resim[]="), s(u"cdata.bmp")), "CCS", false},
    DetectionCase{"LowerCaseRetlw", s(u"\tretlw\t0x01"), "Asm", true},
    DetectionCase{"LowerCaseCdata", s(u"\tcdata\t$01,$02"), "Proton Basic", false},
    DetectionCase{"LowerCaseDt", s(u"\tdt\t0x01,0x02"), "Asm", false},
    DetectionCase{"RetlwOverridesCdata", s(u"CDATA RETLW"), "Asm", true},
    DetectionCase{"CdataOverridesDt", s(u"DT CDATA"), "Proton Basic", false},
    DetectionCase{"MarkerSplitByALineEndDoesNotCount", s(u"D\r\nT [ ]="), nullptr, false},
    DetectionCase{"NoMarker", s(u"0x01,0x02,0x03"), nullptr, false},
    DetectionCase{"EmptyText", QString(), nullptr, false}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

}  // namespace
}  // namespace pixmint
