#pragma once
// The program options as data: one row per option with its id, the key under which section
// "Optionen" of the user database stores it, its kind and where its default comes from.
// The options manager creates the options from these rows, in row order.
#include <cstdint>
#include <span>

enum class TOptionArt { Text, Long, Float };

// Where an option's default comes from when the options are created.
struct OptionDefault {
    enum class Quelle {
        Wert,           // the literal below
        Sprachtexte,    // language text `textId1`, then `verbinder` and `textId2` when given
        ErsterTarif,    // the first name of the tariff list, library entries included
        Programmordner  // the program folder
    };
    Quelle quelle = Quelle::Wert;
    const char16_t* text = u"";
    int32_t zahl = 0;
    float komma = 0.0f;
    uint16_t textId1 = 0;
    const char16_t* verbinder = u"";
    uint16_t textId2 = 0;
};

struct OptionZeile {
    uint32_t id;
    const char16_t* key;
    TOptionArt art;
    OptionDefault standard;
};

// The ids the options manager itself treats specially.
enum TOptionID : uint32_t {
    OPT_VORLAGEN_DIR = 1212,
    OPT_REPORT_DIR = 1213,
    OPT_REPORT_APP = 1214,
    OPT_STD_ERG_REPORT = 1215,
    OPT_DEF_KLIMAORT = 1216,
    OPT_DEF_BODENORT = 1217,
    OPT_DEF_WETTERORT = 1218,
    OPT_ZKOSTEN_ELEKTRISCH = 1232,
    OPT_ZKOSTEN_GAS = 1233,
    OPT_ZKOSTEN_NSPEICHER = 1234,
    OPT_ZKOSTEN_OEL = 1235,
    OPT_ZKOSTEN_WP = 1236,
    OPT_ZKOSTEN_ZET = 1254,
    OPT_NAME_ZET = 1255,
    OPT_CLASSIC = 1284,
    OPT_IMG_DIR = 1304,
    OPT_RMW = 1309
};

// The 73 options in the order of their creation.
std::span<const OptionZeile> OptionTabelle();

// The six additional-cost options: texts of six numbers, each followed by "#", that read
// as a long give their sum.
bool IstKostenListe(uint32_t id);
