#pragma once
// The program's access to the special ground-probe module. The module is not part of this
// system and has no loader: its entry point is never bound, so every call of the
// calculation chain reports the default error.
#include <cstdint>

class EWTS {
  public:
    EWTS() = delete;

    // The entry point bound; never in this system.
    static bool IstGeladen();

    // The steps of the probe calculation, each answering one float; the arguments are
    // sent in the formats the module reads.
    static float Aufruf1322(float a, float b);
    static float Aufruf1326(float a);
    static float Aufruf1327(float a, float b);
    static float Aufruf1328(float a, float b, float c, float d);
    static float Aufruf1329(float a, float b, float c);
    static float Aufruf1330(float a, float b, float c, float d);
    static float Aufruf1331(float a, float b, float c);
    static float Aufruf1333(float a);
    static float Aufruf1332(float a, float b, float c, float d, float e, float f);
    static float Aufruf1334(float a, uint32_t b);
    static float Aufruf1335(float a, float b);
    static float Aufruf1336(uint32_t a, float b);
    static float Aufruf1337(float a, float b, float c, float d, float e, float f, float g, float h,
                            float i, float j);
};
