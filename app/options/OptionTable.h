#pragma once
// The program options as data: one row per option with its id, the key under which section
// "Optionen" of the user database stores it, its kind and where its default comes from.
// The options manager creates the options from these rows, in row order.
#include <cstdint>
#include <span>

#include "model/app/OptionIds.h"

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
    TOptionID id;
    const char16_t* key;
    TOptionArt art;
    OptionDefault standard;
};

// The 73 options in the order of their creation.
std::span<const OptionZeile> OptionTabelle();

// The six additional-cost options: texts of six numbers, each followed by "#", that read
// as a long give their sum.
bool IstKostenListe(uint32_t id);
