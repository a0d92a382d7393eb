#include "model/data/Spline.h"

#include <algorithm>

#include "model/errors/Fehler.h"

namespace {

void pruefePunkte(std::span<const double> x, std::span<const double> y, int n) {
    bool ok = x.size() == y.size() && x.size() >= 3 && n >= 1;
    for (size_t i = 1; ok && i < x.size(); ++i) ok = x[i] > x[i - 1];
    if (!ok) ThrowFehler(0, nullptr, 0);
}

// The second derivatives by the tridiagonal sweep.
std::vector<double> zweiteAbleitungen(std::span<const double> x, std::span<const double> y,
                                      double steigung0, double steigungN) {
    const size_t m = x.size();
    std::vector<double> y2(m, 0.0), u(m, 0.0);
    if (steigung0 < kSplineNatuerlich) {
        y2[0] = -0.5;
        u[0] = (3.0 / (x[1] - x[0])) * ((y[1] - y[0]) / (x[1] - x[0]) - steigung0);
    }
    for (size_t i = 1; i + 1 < m; ++i) {
        const double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
        const double p = sig * y2[i - 1] + 2.0;
        y2[i] = (sig - 1.0) / p;
        const double d =
            (y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1]);
        u[i] = (6.0 * d / (x[i + 1] - x[i - 1]) - sig * u[i - 1]) / p;
    }
    double qn = 0.0, un = 0.0;
    if (steigungN < kSplineNatuerlich) {
        const double h = x[m - 1] - x[m - 2];
        qn = 0.5;
        un = (3.0 / h) * (steigungN - (y[m - 1] - y[m - 2]) / h);
    }
    y2[m - 1] = (un - qn * u[m - 2]) / (qn * y2[m - 2] + 1.0);
    for (size_t k = m - 1; k-- > 0;) y2[k] = y2[k] * y2[k + 1] + u[k];
    return y2;
}

}  // namespace

void Spline(std::span<const double> x, std::span<const double> y, std::vector<double>& xs,
            std::vector<double>& ys, int n, double steigung0, double steigungN) {
    pruefePunkte(x, y, n);
    const std::vector<double> y2 = zweiteAbleitungen(x, y, steigung0, steigungN);
    const size_t anzahl = static_cast<size_t>(n) + 1;
    xs.assign(anzahl, 0.0);
    ys.assign(anzahl, 0.0);
    const double schritt = (x.back() - x.front()) / n;
    for (size_t i = 0; i < anzahl; ++i) {
        xs[i] = x.front() + static_cast<double>(i) * schritt;
        ys[i] = SplineWert(xs[i], x, y, y2);
    }
}

double SplineWert(double t, std::span<const double> x, std::span<const double> y,
                  std::span<const double> y2) {
    if (x.size() < 2 || y.size() != x.size() || y2.size() != x.size()) ThrowFehler(0, nullptr, 0);
    size_t klo = 0, khi = x.size() - 1;
    while (khi - klo > 1) {
        const size_t k = (khi + klo) / 2;
        if (x[k] > t)
            khi = k;
        else
            klo = k;
    }
    const double h = std::max(x[khi] - x[klo], 0.001);
    const double a = (x[khi] - t) / h;
    const double b = (t - x[klo]) / h;
    return a * y[klo] + b * y[khi] +
           ((a * a * a - a) * y2[klo] + (b * b * b - b) * y2[khi]) * h * h / 6.0;
}
