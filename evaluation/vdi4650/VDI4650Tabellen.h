#pragma once
// The correction tables of the VDI 4650 short method as the guideline prints them.
// Tables 2, 3 and 4 are only partly at hand: the rows and cells marked "derived" are the
// values of the fits in VDI4650.cpp at the row's temperatures, rounded half up to three
// decimals as the printed cells are; every other cell is the printed value.
#include <array>

namespace VDI4650::tabellen {

// Flow columns of tables 2 to 4: 30, 35, 40, 45, 50, 55 °C.
inline constexpr int kSpalten = 6;
using Zeile = std::array<float, kSpalten>;

// Table 1, by d = operating difference - test-bench difference, d = -7 .. +7.
inline constexpr std::array<float, 15> kTabelle1 = {
    0.928f, 0.939f, 0.949f, 0.959f, 0.969f, 0.980f, 0.990f, 1.000f,
    1.010f, 1.020f, 1.031f, 1.041f, 1.051f, 1.061f, 1.072f,
};

// Table 2, brine/water and direct evaporation; rows brine temperature +5 down to -3.
inline constexpr std::array<Zeile, 9> kTabelle2 = {{
    {1.198f, 1.150f, 1.102f, 1.053f, 1.005f, 0.956f},  // +5
    {1.187f, 1.138f, 1.090f, 1.041f, 0.993f, 0.944f},  // +4 derived
    {1.174f, 1.126f, 1.077f, 1.028f, 0.980f, 0.931f},  // +3 derived
    {1.162f, 1.113f, 1.064f, 1.016f, 0.967f, 0.918f},  // +2 derived
    {1.150f, 1.101f, 1.052f, 1.003f, 0.954f, 0.905f},  // +1 derived
    {1.135f, 1.087f, 1.039f, 0.990f, 0.940f, 0.890f},  //  0
    {1.125f, 1.076f, 1.026f, 0.977f, 0.928f, 0.879f},  // -1 derived
    {1.112f, 1.063f, 1.014f, 0.965f, 0.915f, 0.866f},  // -2 derived
    {1.099f, 1.051f, 1.002f, 0.953f, 0.903f, 0.852f},  // -3
}};
inline constexpr int kTabelle2Oben = 5;  // brine temperature of row 0

// Table 3, water/water; rows water temperature 12 down to 5.
inline constexpr std::array<Zeile, 8> kTabelle3 = {{
    {1.158f, 1.106f, 1.054f, 1.000f, 0.947f, 0.892f},  // 12
    {1.139f, 1.087f, 1.035f, 0.981f, 0.927f, 0.872f},  // 11 derived
    {1.120f, 1.068f, 1.016f, 0.962f, 0.908f, 0.853f},  // 10
    {1.101f, 1.049f, 0.997f, 0.943f, 0.889f, 0.834f},  //  9 derived
    {1.082f, 1.030f, 0.978f, 0.924f, 0.870f, 0.815f},  //  8 derived
    {1.063f, 1.011f, 0.959f, 0.905f, 0.851f, 0.796f},  //  7 derived
    {1.044f, 0.992f, 0.940f, 0.886f, 0.832f, 0.777f},  //  6 derived
    {1.025f, 0.973f, 0.921f, 0.867f, 0.812f, 0.756f},  //  5
}};
inline constexpr int kTabelle3Oben = 12;

// Table 4, air/water: one block per heating limit and design outdoor temperature, rows
// the weights w1 (A-7/W35), w2 (A2/W35), w3 (A10/W35).
using Block = std::array<Zeile, 3>;
inline constexpr std::array<int, 3> kHeizgrenzen = {10, 12, 15};
inline constexpr std::array<int, 4> kNormTemps = {-16, -14, -12, -10};
inline constexpr std::array<std::array<Block, 4>, 3> kTabelle4 = {{
    // Heating limit 10 °C.
    {{
        // -16: columns 30 and 55 printed, the others derived.
        {{{0.318f, 0.303f, 0.288f, 0.274f, 0.259f, 0.244f},
          {0.732f, 0.704f, 0.676f, 0.649f, 0.621f, 0.593f},
          {0.036f, 0.035f, 0.034f, 0.033f, 0.032f, 0.031f}}},
        // -14: derived.
        {{{0.204f, 0.194f, 0.184f, 0.174f, 0.164f, 0.154f},
          {0.845f, 0.812f, 0.779f, 0.745f, 0.712f, 0.679f},
          {0.043f, 0.042f, 0.040f, 0.039f, 0.037f, 0.036f}}},
        // -12: derived.
        {{{0.160f, 0.152f, 0.144f, 0.135f, 0.127f, 0.119f},
          {0.889f, 0.853f, 0.817f, 0.781f, 0.745f, 0.709f},
          {0.051f, 0.049f, 0.047f, 0.046f, 0.044f, 0.042f}}},
        // -10: columns 30 and 55 printed, the others derived.
        {{{0.109f, 0.103f, 0.097f, 0.092f, 0.086f, 0.080f},
          {0.942f, 0.903f, 0.863f, 0.824f, 0.784f, 0.745f},
          {0.063f, 0.061f, 0.059f, 0.057f, 0.055f, 0.053f}}},
    }},
    // Heating limit 12 °C.
    {{
        // -16: derived.
        {{{0.279f, 0.266f, 0.253f, 0.240f, 0.227f, 0.214f},
          {0.728f, 0.700f, 0.673f, 0.645f, 0.618f, 0.590f},
          {0.086f, 0.083f, 0.081f, 0.078f, 0.076f, 0.073f}}},
        // -14: derived.
        {{{0.176f, 0.167f, 0.159f, 0.150f, 0.142f, 0.133f},
          {0.827f, 0.795f, 0.763f, 0.730f, 0.698f, 0.666f},
          {0.097f, 0.094f, 0.091f, 0.088f, 0.085f, 0.082f}}},
        // -12: derived.
        {{{0.135f, 0.128f, 0.121f, 0.115f, 0.108f, 0.101f},
          {0.859f, 0.824f, 0.790f, 0.755f, 0.721f, 0.686f},
          {0.112f, 0.108f, 0.105f, 0.101f, 0.098f, 0.094f}}},
        // -10: columns 30 and 55 printed, the others derived.
        {{{0.089f, 0.084f, 0.080f, 0.075f, 0.071f, 0.066f},
          {0.891f, 0.854f, 0.817f, 0.781f, 0.744f, 0.707f},
          {0.139f, 0.134f, 0.130f, 0.125f, 0.121f, 0.116f}}},
    }},
    // Heating limit 15 °C.
    {{
        // -16: columns 30 and 55 printed, the others derived.
        {{{0.235f, 0.224f, 0.213f, 0.202f, 0.191f, 0.180f},
          {0.695f, 0.669f, 0.643f, 0.616f, 0.590f, 0.564f},
          {0.173f, 0.168f, 0.163f, 0.157f, 0.152f, 0.147f}}},
        // -14: derived.
        {{{0.144f, 0.137f, 0.130f, 0.123f, 0.116f, 0.109f},
          {0.776f, 0.746f, 0.716f, 0.686f, 0.656f, 0.626f},
          {0.188f, 0.182f, 0.177f, 0.171f, 0.166f, 0.160f}}},
        // -12: derived.
        {{{0.109f, 0.103f, 0.098f, 0.092f, 0.087f, 0.081f},
          {0.794f, 0.762f, 0.730f, 0.699f, 0.667f, 0.635f},
          {0.212f, 0.205f, 0.199f, 0.192f, 0.186f, 0.179f}}},
        // -10: columns 30 and 55 printed, the others derived.
        {{{0.070f, 0.066f, 0.062f, 0.059f, 0.055f, 0.051f},
          {0.799f, 0.766f, 0.733f, 0.701f, 0.668f, 0.635f},
          {0.258f, 0.250f, 0.242f, 0.233f, 0.225f, 0.217f}}},
    }},
}};

// Table 5, hot water brine/water, brine temperature -3 .. +5.
inline constexpr std::array<float, 9> kTabelle5 = {0.852f, 0.864f, 0.877f, 0.890f, 0.904f,
                                                   0.917f, 0.930f, 0.943f, 0.956f};
inline constexpr int kTabelle5Unten = -3;

// Table 6, hot water water/water, water temperature 5 .. 12.
inline constexpr std::array<float, 8> kTabelle6 = {0.757f, 0.776f, 0.796f, 0.815f,
                                                   0.834f, 0.853f, 0.873f, 0.892f};
inline constexpr int kTabelle6Unten = 5;

// Table 8, bivalence temperature -10 .. +2: power share of the heat pump at the design
// outdoor temperature, share of the heating energy in parallel operation, share in
// alternative or partly parallel operation.
struct Tabelle8Zeile {
    float leistungsanteil;
    float parallel;
    float alternativ;
};
inline constexpr std::array<Tabelle8Zeile, 13> kTabelle8 = {{
    {0.77f, 1.00f, 0.96f},  // -10
    {0.73f, 0.99f, 0.96f},  // -9
    {0.69f, 0.99f, 0.95f},  // -8
    {0.65f, 0.99f, 0.94f},  // -7
    {0.62f, 0.99f, 0.93f},  // -6
    {0.58f, 0.98f, 0.91f},  // -5
    {0.54f, 0.97f, 0.87f},  // -4
    {0.50f, 0.96f, 0.83f},  // -3
    {0.46f, 0.95f, 0.78f},  // -2
    {0.42f, 0.93f, 0.71f},  // -1
    {0.38f, 0.90f, 0.64f},  //  0
    {0.35f, 0.87f, 0.55f},  // +1
    {0.31f, 0.83f, 0.46f},  // +2
}};
inline constexpr int kTabelle8Unten = -10;

}  // namespace VDI4650::tabellen
