#pragma once
// The dimensioning wizard's pages come from the page factory (DatenSeitenFabrik.h) like
// those of the data sheet: house, hot water, tariff, the first source's medium page and,
// under a kind of its own that no data sheet shows, the dimensioning page.
inline constexpr int kDimSeitenArt = 11;
