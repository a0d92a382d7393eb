#pragma once
// Twelve monthly feed-in values; a month stays empty until set.
#include <array>
#include <optional>

struct TSolareEinspeisung {
    float wert = 0.0f;
};

class CSolareEinspeisung {
  public:
    static constexpr unsigned short kMonate = 12;

    CSolareEinspeisung() = default;
    virtual ~CSolareEinspeisung();

    // Empties every month.
    void init();
    void SetEinspeisung(unsigned short monat, float wert);
    // 0 for an empty month.
    float GetEinspeisung(unsigned short monat) const;
    void DeleteEinspeisung(unsigned short monat);
    // 1 when the month has a value that is not negative.
    int IstEinspeisungEingetragen(unsigned short monat) const;

  private:
    static void CheckArgMonat(unsigned short monat, const char16_t* ort);

    std::array<std::optional<TSolareEinspeisung>, kMonate> m_werte;
};
