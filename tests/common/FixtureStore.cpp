#include "common/FixtureStore.h"

namespace termora::fixture {
namespace {

using namespace std::string_view_literals;

constexpr TSL kA[] = {
    {"AbL [1]"sv, "Arbeitsgemeinschaft B\xe4uerliche Landwirtschaft eV (Germany)"sv},
    {"ABL [2]"sv, "<1> Academia Brasileira de Letras <2> Allowable Business Loss"sv},
    {"ABLE"sv, "Adaptive Battery Life Extender"sv},
    {"a.s. [1]"sv, "at sight"sv},
    {"A.S. [2]"sv, "<1> Anglo-Saxon <2> Associate in Science"sv},
    {"atm [1]"sv, "at the moment"sv},
    {"ATM [2]"sv, "<1> Automatic Teller Machine <2> Asynchronous Transfer Mode"sv},
    {"atm."sv, "atmosphere"sv},
    {"AMMA"sv, "Amma Meeting Association"sv},
    {"ATT"sv, "Attention"sv},
    {"AMT"sv, "Amount"sv},
    {"ASAP"sv, "<1> As Soon As Possible <2> Army Substance Abuse Program <3> Always Say A Prayer"sv},
    {"A"sv, "<1> Apple <2> Ampere (Satuan SI Kuat Arus Listrik)"sv},
    {"AM"sv, "Amplitude Modulation"sv},
    {"AADCP"sv, "<1> ASEAN Australia Development Cooperation <2> ASEAN Aquaculture Development and Coordinating Programme"sv},
};
constexpr TSL kB[] = {
    {"BLUE"sv, "Best Linear Unbiased Estimator"sv},
    {"b&w [1]"sv, "bread and water"sv},
    {"B&W [2]"sv, "Black and White"sv},
    {"BLUE"sv, "Blue Line Underground Extension"sv},
};
constexpr TSL kD[] = {
    {"DAMHIK, IJK"sv, "Don\x02t Ask Me How I Know, I Just Know"sv},
};
constexpr TSL kI[] = {
    {"ISAPI"sv, "Internet Server Application Programming Interface"sv},
};
constexpr TSL kM[] = {
    {"MTA"sv, "Mail Transfer Agent"sv},
    {"meth [1]"sv, "methamphetamine"sv},
    {"Meth [2]"sv, "Methodist"sv},
    {"METH [3]"sv, "Methyl"sv},
    {"MAT"sv, "Mobile Assault Team"sv},
    {"M&A"sv, "Mergers and Acquisitions"sv},
};
constexpr TSL kR[] = {
    {"RAML"sv, "RESTful API Modeling Language"sv},
    {"RAM"sv, "Random Access Memory"sv},
    {"RAMAC"sv, "Random Access Method of Accounting and Control"sv},
    {"ROM"sv, "Read-Only Memory"sv},
    {"RAMDAC"sv, "Random Access Memory Digital-to-Analog Converter"sv},
    {"RAMP"sv, "Ramp Up"sv},
};
constexpr TSL kS[] = {
    {"SAP"sv, "Service Access Point"sv},
    {"SMT"sv, "\xc9tat Major (\xc9" "cole)"sv},
};
constexpr TSL kT[] = {
    {"TMA"sv, "Too Many Acronyms"sv},
    {"TA"sv, "Teaching Assistant"sv},
    {"TAM"sv, "Total Addressable Market"sv},
    {"T-M"sv, "Trade Mark"sv},
};
constexpr TSL kX[] = {
    {"XII"sv, "<1> one <2> two <3> three <4> four <5> five <6> six <7> seven <8> eight <9> nine <10> ten <11> eleven <12> twelve"sv},
};
constexpr TSL kOther[] = {
    {"3DES"sv, "Triple DES"sv},
    {"3D"sv, "Three Dimensional"sv},
    {"80286"sv, "Intel 80286 processor"sv},
    {"3DC"sv, "3D Consortium"sv},
    {"4GL"sv, "Fourth Generation Language"sv},
    {"3DIF"sv, "3D Interchange Format"sv},
    {"3DML"sv, "3D Markup Language"sv},
    {"2K"sv, "Two Thousand"sv},
    {"3DRAM"sv, "3 Dimensional Random Access Memory"sv},
};

AcronymStore::Tables tables() {
    AcronymStore::Tables t{};
    t[0] = kA;
    t[1] = kB;
    t[3] = kD;
    t[8] = kI;
    t[12] = kM;
    t[17] = kR;
    t[18] = kS;
    t[19] = kT;
    t[23] = kX;
    t[26] = kOther;
    return t;
}

}  // namespace

const char* const kTwelveMeanings = kX[0].L.data();

const AcronymStore& store() {
    static const AcronymStore s(tables());
    return s;
}

}  // namespace termora::fixture
