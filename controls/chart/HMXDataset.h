#pragma once
// One series of a chart: its values, where a point without a value holds kKeinWert,
// and how it is drawn (pen colour, marker, draw size, style) with its legend text.
#include <cfloat>
#include <cstdint>
#include <vector>

#include "core/value/VRMString.h"

// A point of a series that has no value: skipped by the range search, not drawn and not
// joined by the line.
inline constexpr double kKeinWert = DBL_MAX;

// Series styles.
inline constexpr int kStilLinie = 0;
inline constexpr int kStilBalken = 1;
inline constexpr int kStilFlaeche = 2;
inline constexpr int kStilQuerbalken = 3;

class CHMXDataset {
  public:
    CHMXDataset() = default;
    virtual ~CHMXDataset() = default;

    virtual void SetStyle(int style) { m_style = style; }
    virtual int GetStyle() const { return m_style; }
    // COLORREF 0x00bbggrr.
    virtual void SetPenColor(uint32_t color) { m_penColor = color; }
    virtual uint32_t GetPenColor() const { return m_penColor; }
    // Clamped to 1..10.
    virtual void SetDrawSize(int size);
    virtual int GetDrawSize() const { return m_drawSize; }
    virtual void SetMarker(int marker) { m_marker = marker; }
    virtual int GetMarker() const { return m_marker; }
    virtual void SetLegend(const CVRMString& legend) { m_legend = legend; }
    virtual CVRMString GetLegend() const { return m_legend; }

    // An index outside 0..size-1 is error 3429 and changes nothing.
    virtual void SetData(int nIndex, double nData);
    virtual void AddData(double nData);
    virtual void GetData(int nIndex, double& nData) const;
    // New elements are 0.0; size 0 frees the values; a negative size is error 3429.
    virtual void SetSize(int size);
    virtual int GetSize() const { return static_cast<int>(m_werte.size()); }

    // False for a series without elements (both results 0). Otherwise true, even when no
    // element holds a value: then the minimum is DBL_MAX and the maximum -DBL_MAX.
    virtual bool GetMinMax(double& min, double& max) const;

  private:
    void Reserviere(std::size_t neueGroesse);

    std::vector<double> m_werte;
    uint32_t m_penColor = 0;
    int m_marker = 0;
    int m_drawSize = 2;
    int m_style = kStilLinie;
    CVRMString m_legend;
};
