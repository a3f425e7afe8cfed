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
    int languageIndex;
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
    EXPECT_EQ(found.languageIndex, c.languageIndex);
    EXPECT_EQ(found.selectRetlw, c.selectRetlw);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FormatDetection, Detection, ::testing::Values(
    DetectionCase{"AsmDt", written("Asm", s(u"Dt"), s(u"C:\\resim.bmp")), 0, false},
    DetectionCase{"AsmRetlwWithDtInThePath", written("Asm", s(u"Retlw"), s(u"C:\\DTler\\resim.bmp")), 0, true},
    DetectionCase{"ProtonBasic", written("Proton Basic", s(u"CData"), s(u"C:\\resim.bmp")), 2, false},
    DetectionCase{"ProtonBasicWithDtInThePath", written("Proton Basic", s(u"CData"), s(u"C:\\dt.bmp")), 2, false},
    DetectionCase{"CcsWithTheOtherMarkersInComments",
        written("CCS", s(u"Resim[]="), s(u"C:\\DT CDATA RETLW.bmp")), 1, false},
    DetectionCase{"CcsTableOfAnotherName", s(u"const int Logo[]={0x01,0x02};"), 1, false},
    DetectionCase{"CReadsAsCcs", written("C", s(u"resim[]="), s(u"C:\\DT\\retlw.bmp")), 1, false},
    DetectionCase{"ArduinoReadsAsCcs", written("Arduino", s(u"resim[]="), s(u"cdata.bmp")), 1, false},
    DetectionCase{"LowerCaseRetlw", s(u"\tretlw\t0x01"), 0, true},
    DetectionCase{"LowerCaseCdata", s(u"\tcdata\t$01,$02"), 2, false},
    DetectionCase{"LowerCaseDt", s(u"\tdt\t0x01,0x02"), 0, false},
    DetectionCase{"RetlwOverridesCdata", s(u"CDATA RETLW"), 0, true},
    DetectionCase{"CdataOverridesDt", s(u"DT CDATA"), 2, false},
    DetectionCase{"MarkerSplitByALineEndDoesNotCount", s(u"D\r\nT [ ]="), -1, false},
    DetectionCase{"NoMarker", s(u"0x01,0x02,0x03"), -1, false},
    DetectionCase{"EmptyText", QString(), -1, false}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

}  // namespace
}  // namespace pixmint
