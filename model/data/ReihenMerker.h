#pragma once
// Series of numbers parsed or computed from the database, kept by a kind and up to two
// names. Looking one up copies nothing, so that a calculation may ask for the same series
// every month. Whoever keeps them empties the store when the database has changed.
#include <array>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

template <size_t N>
class CReihenMerker {
  public:
    using Reihe = std::array<float, N>;

    const Reihe* Finde(int art, std::u16string_view name1, std::u16string_view name2 = {}) const {
        const auto it = m_reihen.find(Sicht{art, name1, name2});
        return it == m_reihen.end() ? nullptr : &it->second;
    }
    void Merke(int art, std::u16string_view name1, std::u16string_view name2, const Reihe& reihe) {
        m_reihen.insert_or_assign(Schluessel{art, std::u16string(name1), std::u16string(name2)},
                                  reihe);
    }
    void Leere() { m_reihen.clear(); }

  private:
    struct Schluessel {
        int art;
        std::u16string name1, name2;
    };
    struct Sicht {
        int art;
        std::u16string_view name1, name2;
    };
    struct Vergleich {
        using is_transparent = void;
        template <class A, class B>
        bool operator()(const A& a, const B& b) const {
            return std::tuple(a.art, std::u16string_view(a.name1), std::u16string_view(a.name2)) <
                   std::tuple(b.art, std::u16string_view(b.name1), std::u16string_view(b.name2));
        }
    };
    std::map<Schluessel, Reihe, Vergleich> m_reihen;
};
