#pragma once
// The cubic spline through monthly points (natural or with given end slopes), sampled at
// evenly spaced points.
#include <span>
#include <vector>

// A start or end slope of at least this gives the natural end (second derivative 0).
constexpr double kSplineNatuerlich = 9999.9;

// x strictly increasing, x and y of equal length, at least 3 points, n >= 1; otherwise
// the generic error (text 0). xs and ys get n + 1 evenly spaced samples from x[0] to the
// last x.
void Spline(std::span<const double> x, std::span<const double> y, std::vector<double>& xs,
            std::vector<double>& ys, int n, double steigung0, double steigungN);

// The spline's value at t, from the points and their second derivatives y2.
double SplineWert(double t, std::span<const double> x, std::span<const double> y,
                  std::span<const double> y2);
