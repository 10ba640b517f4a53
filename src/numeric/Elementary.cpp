// SPDX-License-Identifier: GPL-3.0-or-later
// The elementary functions from argument reduction, tables and short polynomials.
//
// Each trigonometric function first takes a fast path in double arithmetic that carries
// the result as hi + lo with a known relative error bound; when every value inside the
// bound rounds to the same double, that double is the correctly rounded result (Ziv's
// rounding test). Otherwise, and for exp, log and pow always, the result is evaluated in
// double-double arithmetic (about 2^-100 relative error), which rounds correctly for all
// but arguments within 2^-100 of a midpoint between two doubles.
//
// Double-double arithmetic: T. J. Dekker, "A floating-point technique for extending the
// available precision", Numer. Math. 18 (1971); argument reduction for huge arguments:
// M. Payne and R. Hanek, "Radian reduction for trigonometric functions", SIGNUM Newsletter
// 18 (1983); the rounding test: A. Ziv, "Fast evaluation of elementary mathematical
// functions with correctly rounded last bit", ACM TOMS 17 (1991).
#include "numeric/Elementary.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "numeric/ElementaryTables.h"

namespace numeric {
namespace {

using DD = DoubleDouble;
using namespace tables;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::uint64_t bitsOf(double x) {
  std::uint64_t b = 0;
  std::memcpy(&b, &x, sizeof b);
  return b;
}

double fromBits(std::uint64_t b) {
  double x = 0;
  std::memcpy(&x, &b, sizeof x);
  return x;
}

// The table entry nearest a non-negative scaled argument; where ties go does not matter,
// only that the remainder stays within half a step or so.
int nearestIndex(double scaled) {
  return static_cast<int>(scaled + 0.5);  // NOLINT(bugprone-incorrect-roundings)
}

// 2^k for -1022 <= k <= 1023.
double powerOfTwo(int k) {
  return fromBits(static_cast<std::uint64_t>(k + 1023) << 52);
}

// ---- Error-free transformations and double-double operations (Dekker) ----

DD twoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// Requires |a| >= |b| (or a == 0).
DD fastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// Veltkamp's split into two halves of 26 bits; |a| < 2^996.
void split(double a, double& hi, double& lo) {
  const double c = 134217729.0 * a;  // 2^27 + 1
  hi = c - (c - a);
  lo = a - hi;
}

DD twoProd(double a, double b) {
  const double p = a * b;
  double ah = 0;
  double al = 0;
  double bh = 0;
  double bl = 0;
  split(a, ah, al);
  split(b, bh, bl);
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

DD add(DD a, DD b) {
  DD s = twoSum(a.hi, b.hi);
  const DD t = twoSum(a.lo, b.lo);
  s = fastTwoSum(s.hi, s.lo + t.hi);
  return fastTwoSum(s.hi, s.lo + t.lo);
}

DD add(DD a, double b) {
  const DD s = twoSum(a.hi, b);
  return fastTwoSum(s.hi, s.lo + a.lo);
}

DD neg(DD a) {
  return {-a.hi, -a.lo};
}

DD mul(DD a, DD b) {
  const DD p = twoProd(a.hi, b.hi);
  return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

DD mul(DD a, double b) {
  const DD p = twoProd(a.hi, b);
  return fastTwoSum(p.hi, p.lo + a.lo * b);
}

DD div(DD a, DD b) {
  const double q1 = a.hi / b.hi;
  DD r = add(a, neg(mul(b, q1)));
  const double q2 = r.hi / b.hi;
  r = add(r, neg(mul(b, q2)));
  const double q3 = r.hi / b.hi;
  return add(fastTwoSum(q1, q2), q3);
}

// sqrt(a) for a >= 0.
DD sqrt(DD a) {
  if (a.hi <= 0) return {0.0, 0.0};
  const double s = std::sqrt(a.hi);
  const DD p = twoProd(s, s);
  return fastTwoSum(s, ((a.hi - p.hi) - p.lo + a.lo) / (2.0 * s));
}

// Horner's scheme in double-double: sum of c[i] z^i for i = 0 .. n-1, each c[i] times sign^i.
DD horner(const DD* c, int n, DD z, double sign = 1.0) {
  const double last = ((n - 1) % 2 != 0) ? sign : 1.0;
  DD p = {c[n - 1].hi * last, c[n - 1].lo * last};
  for (int i = n - 2; i >= 0; --i) {
    const double s = (i % 2 != 0) ? sign : 1.0;
    p = add(mul(p, z), DD{c[i].hi * s, c[i].lo * s});
  }
  return p;
}

// Ziv's test: true (and the result in `out`) when every value within err of hi + lo
// rounds to the same double. hi + lo must be normalised.
bool roundsAlike(DD v, double err, double& out) {
  const double a = v.hi + (v.lo - err);
  const double b = v.hi + (v.lo + err);
  if (a != b) return false;
  out = a;
  return true;
}

// Rounds 2^k (hi + lo) once, also when the result is subnormal (exp, pow, hypot).
double scaleRound(DD v, int k) {
  const double r = v.hi + v.lo;
  // Exact scaling in steps that stay within the normal range until the last.
  auto scale = [](double x, int e) {
    while (e > 1000) {
      x *= powerOfTwo(1000);
      e -= 1000;
      if (std::isinf(x)) return x;
    }
    while (e < -1000) {
      x *= powerOfTwo(-1000);
      e += 1000;
    }
    return x * powerOfTwo(e);
  };
  if (r == 0 || std::isinf(r)) return r;
  const int exponent = static_cast<int>((bitsOf(r) >> 52) & 0x7ff) - 1023;
  if (exponent + k >= -1022) return scale(r, k);
  // Subnormal: round hi into the grid of 2^-1074, then let lo decide near the midpoint.
  double result = scale(v.hi, k);
  const double back = scale(result, -k);
  const double grid = scale(std::numeric_limits<double>::denorm_min(), -k);
  const double excess = (v.hi - back) + v.lo;
  const double tiny = std::numeric_limits<double>::denorm_min();
  if (excess > 0.5 * grid) result += tiny;
  if (excess < -0.5 * grid) result -= tiny;
  return result;
}

// ---- Argument reduction for the trigonometric functions ----

// x = n pi/2 + y with |y| <= pi/4 (slightly more at the edges); returns n mod 4.
// Payne-Hanek: the bits of 2/pi that matter for x, multiplied out in integers.
int reduceHuge(double x, DD& y) {
  __extension__ using Wide = unsigned __int128;
  const std::uint64_t bits = bitsOf(x);
  const bool negative = (bits >> 63) != 0;
  const int q = static_cast<int>((bits >> 52) & 0x7ff) - 1075;  // x = m 2^q
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  // Words of 2/pi whose products with m are multiples of 4 are left out.
  const int first = q > 2 ? (q - 2) / 32 : 0;
  std::uint32_t limb[12] = {};
  Wide carry = 0;
  for (int k = 0; k < 8; ++k) {
    const Wide acc = static_cast<Wide>(m) * kTwoOverPiWords[first + 7 - k] + carry;
    limb[k] = static_cast<std::uint32_t>(acc);
    carry = acc >> 32;
  }
  limb[8] = static_cast<std::uint32_t>(carry);
  limb[9] = static_cast<std::uint32_t>(carry >> 32);
  // The product has s bits after the point.
  const int s = 32 * (first + 8) - q;
  auto bitsAt = [&limb](int low, int count) {
    const int index = low / 32;
    const int offset = low % 32;
    const Wide v = static_cast<Wide>(limb[index]) | (static_cast<Wide>(limb[index + 1]) << 32) |
                   (static_cast<Wide>(limb[index + 2]) << 64);
    return static_cast<std::uint64_t>(v >> offset) & ((std::uint64_t{1} << count) - 1);
  };
  int n = static_cast<int>(bitsAt(s, 2));
  // The fraction in four exact 52-bit pieces; the first taken as signed to round n.
  double first52 = static_cast<double>(bitsAt(s - 52, 52));
  if (first52 >= 0x1p51) {
    first52 -= 0x1p52;
    n += 1;
  }
  DD f = twoSum(first52 * 0x1p-52, static_cast<double>(bitsAt(s - 104, 52)) * 0x1p-104);
  f = add(f, static_cast<double>(bitsAt(s - 156, 52)) * 0x1p-156);
  f = add(f, static_cast<double>(bitsAt(s - 208, 52)) * 0x1p-208);
  y = mul(f, kHalfPi);
  if (negative) {
    y = neg(y);
    n = -n;
  }
  return n & 3;
}

// |x| > pi/4, finite.
int reduce(double x, DD& y) {
  if (std::fabs(x) < 0x1p20) {
    // Cody-Waite: k times each of the first three pieces of pi/2 is exact.
    const double k = (x * kTwoOverPi + 0x1.8p52) - 0x1.8p52;
    const double r = x - k * kHalfPiPieces[0];
    DD v = twoSum(r, -k * kHalfPiPieces[1]);
    v = add(v, -k * kHalfPiPieces[2]);
    v = add(v, -k * kHalfPiPieces[3]);
    if (std::fabs(v.hi) > 0x1p-20) {
      y = v;
      return static_cast<int>(k) & 3;
    }
  }
  return reduceHuge(x, y);
}

// ---- sin and cos of a reduced argument ----

struct Split {
  int index;    // |a| * 64
  double sign;  // sign of a
  DD h;         // y - a
};

Split splitAngle(DD y) {
  const int i = nearestIndex(std::fabs(y.hi) * 64.0);
  const double a = std::copysign(i * 0x1p-6, y.hi);
  return {i, y.hi < 0 ? -1.0 : 1.0, twoSum(y.hi - a, y.lo)};
}

// Relative error bound of the fast sine and cosine kernels (the error is below 2^-66).
constexpr double kSinCosFastError = 0x1p-63;

DD sinFast(DD y) {
  const Split p = splitAngle(y);
  const double h0 = p.h.hi;
  const double h1 = p.h.lo;
  const double h2 = h0 * (h0 + 2.0 * h1);
  const double ds = h0 * h2 * (-1.0 / 6.0 + h2 * (1.0 / 120.0 + h2 * (-1.0 / 5040.0)));
  if (p.index == 0) return fastTwoSum(h0, h1 + ds);
  const double dc = h2 * (-0.5 + h2 * (1.0 / 24.0 + h2 * (-1.0 / 720.0)));
  const double sh = p.sign * kSinTable[p.index].hi;
  const double sl = p.sign * kSinTable[p.index].lo;
  const double ch = kCosTable[p.index].hi;
  const double cl = kCosTable[p.index].lo;
  const DD prod = twoProd(ch, h0);
  const DD t = twoSum(sh, prod.hi);
  return fastTwoSum(t.hi, t.lo + (sl + prod.lo + ch * h1 + cl * h0 + sh * dc + ch * ds));
}

DD cosFast(DD y) {
  const Split p = splitAngle(y);
  const double h0 = p.h.hi;
  const double h1 = p.h.lo;
  const double h2 = h0 * (h0 + 2.0 * h1);
  const double dc = h2 * (-0.5 + h2 * (1.0 / 24.0 + h2 * (-1.0 / 720.0)));
  if (p.index == 0) return fastTwoSum(1.0, dc);
  const double ds = h0 * h2 * (-1.0 / 6.0 + h2 * (1.0 / 120.0 + h2 * (-1.0 / 5040.0)));
  const double sh = p.sign * kSinTable[p.index].hi;
  const double sl = p.sign * kSinTable[p.index].lo;
  const double ch = kCosTable[p.index].hi;
  const double cl = kCosTable[p.index].lo;
  const DD prod = twoProd(sh, h0);
  const DD t = twoSum(ch, -prod.hi);
  return fastTwoSum(t.hi, t.lo + (cl - prod.lo - sh * h1 - sl * h0 + ch * dc - sh * ds));
}

// sin h and cos h by their Taylor series in double-double (|h| <= 1/128).
void sinCosSmall(DD h, DD& s, DD& c) {
  const DD h2 = mul(h, h);
  // sin h = h (1 - h^2/3! + h^4/5! - ...), cos h = 1 - h^2/2! + h^4/4! - ...
  const DD oddFactorials[7] = {kInverseFactorial[1], kInverseFactorial[3], kInverseFactorial[5],
                               kInverseFactorial[7], kInverseFactorial[9], kInverseFactorial[11],
                               kInverseFactorial[13]};
  const DD evenFactorials[8] = {kInverseFactorial[0],  kInverseFactorial[2], kInverseFactorial[4],
                                kInverseFactorial[6],  kInverseFactorial[8], kInverseFactorial[10],
                                kInverseFactorial[12], kInverseFactorial[14]};
  s = mul(horner(oddFactorials, 7, h2, -1.0), h);
  c = horner(evenFactorials, 8, h2, -1.0);
}

DD sinAccurate(DD y) {
  const Split p = splitAngle(y);
  DD sh;
  DD ch;
  sinCosSmall(p.h, sh, ch);
  if (p.index == 0) return sh;
  const DD sa = {p.sign * kSinTable[p.index].hi, p.sign * kSinTable[p.index].lo};
  return add(mul(sa, ch), mul(kCosTable[p.index], sh));
}

DD cosAccurate(DD y) {
  const Split p = splitAngle(y);
  DD sh;
  DD ch;
  sinCosSmall(p.h, sh, ch);
  if (p.index == 0) return ch;
  const DD sa = {p.sign * kSinTable[p.index].hi, p.sign * kSinTable[p.index].lo};
  return add(mul(kCosTable[p.index], ch), neg(mul(sa, sh)));
}

// Which function of the reduced argument: 0 sin, 1 cos, with a sign.
double sinOrCos(double x, bool cosine) {
  DD y = {x, 0.0};
  int n = 0;
  if (std::fabs(x) > 0.78539816339744828) n = reduce(x, y);
  if (cosine) n += 1;
  const bool useCos = (n & 1) != 0;
  const double sign = (n & 2) != 0 ? -1.0 : 1.0;
  const DD v = useCos ? cosFast(y) : sinFast(y);
  double out = 0;
  if (roundsAlike(v, kSinCosFastError * std::fabs(v.hi), out)) return sign * out;
  const DD w = useCos ? cosAccurate(y) : sinAccurate(y);
  return sign * (w.hi + w.lo);
}

// ---- atan of a double-double argument in [0, 1] ----

constexpr double kAtanFastError = 0x1p-63;

// atan(c) + atan(t) with c = i/64 and t small (|t| <= 1/128 or so).
template <bool Accurate>
DD atanSum(int i, DD t) {
  const DD a = kAtanTable[i];
  if constexpr (Accurate) {
    const DD series = mul(horner(kInverseOdd, 9, mul(t, t), -1.0), t);
    return i == 0 ? series : add(a, series);
  } else {
    const double t2 = t.hi * t.hi;
    const double corr =
        t.hi * t2 *
        (-1.0 / 3.0 + t2 * (1.0 / 5.0 + t2 * (-1.0 / 7.0 + t2 * (1.0 / 9.0 + t2 * (-1.0 / 11.0)))));
    if (i == 0) return fastTwoSum(t.hi, t.lo + corr);
    const DD s = twoSum(a.hi, t.hi);
    return fastTwoSum(s.hi, s.lo + (a.lo + t.lo + corr));
  }
}

// c x exactly, for c = i/64 with at most 7 significant bits (Dekker's product, c unsplit).
DD timesTableStep(double c, double x) {
  const double p = c * x;
  double xh = 0;
  double xl = 0;
  split(x, xh, xl);
  return {p, (c * xh - p) + c * xl};
}

// atan of a double-double u in [0, 1].
template <bool Accurate>
DD atanKernel(DD u) {
  const int i = nearestIndex(u.hi * 64.0);
  DD t = u;
  if (i != 0) {
    // atan u = atan c + atan((u - c) / (1 + u c)) with c = i/64.
    const double c = i * 0x1p-6;
    const DD num = twoSum(u.hi - c, u.lo);
    const DD p = timesTableStep(c, u.hi);
    DD den = twoSum(1.0, p.hi);
    den = fastTwoSum(den.hi, den.lo + p.lo + u.lo * c);
    const double th = num.hi / den.hi;
    const DD q = twoProd(th, den.hi);
    t = fastTwoSum(th, ((num.hi - q.hi) - q.lo + num.lo - th * den.lo) / den.hi);
  }
  return atanSum<Accurate>(i, t);
}

// atan(y / x) for 0 <= y <= x, x > 0 (both below 2^990): with c = i/64 near y/x,
// atan(y/x) = atan c + atan((y - c x) / (x + c y)), without forming y/x to full precision.
struct RatioStep {
  int i;
  DD t;
};

RatioStep ratioStep(double y, double x) {
  const double r = y / x;
  const int i = nearestIndex(r * 64.0);
  const double c = i * 0x1p-6;
  DD num = {y, 0.0};
  DD den = {x, 0.0};
  if (i != 0) {
    const DD cx = timesTableStep(c, x);
    const DD cy = timesTableStep(c, y);
    num = twoSum(y - cx.hi, -cx.lo);  // y - cx.hi is exact: they are within a factor 2
    den = twoSum(x, cy.hi);
    den = fastTwoSum(den.hi, den.lo + cy.lo);
  }
  const double inverse = 1.0 / den.hi;
  const double th = num.hi * inverse;
  const DD q = twoProd(th, den.hi);
  const double tl = ((num.hi - q.hi) - q.lo + num.lo - th * den.lo) * inverse;
  return {i, fastTwoSum(th, tl)};
}

// pi/2 - v.
DD complement(DD v) {
  return add(kHalfPi, neg(v));
}

// ---- exp and log in double-double ----

// e^x for x = xh + xl; returns the rounded double (overflow to inf, underflow to 0).
double expRounded(DD x) {
  if (x.hi > 709.8) return kInf;
  if (x.hi < -745.2) return 0.0;
  const double n = (x.hi * kSixtyFourOverLn2 + 0x1.8p52) - 0x1.8p52;
  // r = x - n ln2/64, n times the first two pieces exact.
  DD r = twoSum(x.hi - n * kLn2By64Pieces[0], -n * kLn2By64Pieces[1]);
  r = add(r, x.lo - n * kLn2By64Pieces[2]);
  const int ni = static_cast<int>(n);
  const int j = ni & 63;
  const int k = (ni - j) / 64;
  const DD e = horner(kInverseFactorial, 13, r);
  return scaleRound(mul(kExp2Table[j], e), k);
}

// ln x for finite x > 0, as a double-double.
DD logDD(double x) {
  int e = 0;
  if (x < 0x1p-1022) {
    x *= 0x1p54;
    e = -54;
  }
  const std::uint64_t bits = bitsOf(x);
  e += static_cast<int>(bits >> 52) - 1023;
  double m = fromBits((bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1023} << 52));
  if (m > 1.4142135623730951) {
    m *= 0.5;
    e += 1;
  }
  // ln x = e ln2 - ln c + ln(1 + t) with c near 1/m and t = m c - 1 small.
  const int i = nearestIndex(m * 128.0) - 90;
  const double c = kLogScale[i];
  const DD p = twoProd(m, c);
  const DD t = twoSum(p.hi - 1.0, p.lo);
  // ln(1 + t) = t - t^2/2 + t^3/3 - ...
  const DD series = mul(horner(kInverse + 1, 15, t, -1.0), t);
  const double ed = e;
  DD sum = twoSum(ed * kLn2Pieces[0], ed * kLn2Pieces[1]);
  sum = add(sum, ed * kLn2Pieces[2]);
  sum = add(sum, kLogOfInverseScale[i]);
  return add(sum, series);
}

bool isInteger(double y) {
  return std::floor(y) == y;
}
bool isOddInteger(double y) {
  return std::fabs(y) < 0x1p53 && isInteger(y) && !isInteger(y * 0.5);
}

}  // namespace

double sin(double x) {
  if (std::isnan(x) || std::isinf(x)) return x - x;
  if (std::fabs(x) < 0x1p-26) return x;
  return sinOrCos(x, false);
}

double cos(double x) {
  if (std::isnan(x) || std::isinf(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return 1.0;
  return sinOrCos(x, true);
}

double tan(double x) {
  if (std::isnan(x) || std::isinf(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return x;
  DD y = {x, 0.0};
  int n = 0;
  if (std::fabs(x) > 0.78539816339744828) n = reduce(x, y);
  const bool odd = (n & 1) != 0;
  // tan y, or -cot y for odd quadrants.
  {
    const DD s = sinFast(y);
    const DD c = cosFast(y);
    const DD v = odd ? neg(div(c, s)) : div(s, c);
    double out = 0;
    if (roundsAlike(v, 0x1p-61 * std::fabs(v.hi), out)) return out;
  }
  const DD s = sinAccurate(y);
  const DD c = cosAccurate(y);
  const DD v = odd ? neg(div(c, s)) : div(s, c);
  return v.hi + v.lo;
}

double atan(double x) {
  if (std::isnan(x)) return x + x;
  const double ax = std::fabs(x);
  if (ax < 0x1p-27) return x;
  if (ax > 0x1p60) return std::copysign(kHalfPi.hi, x);
  const bool inverted = ax > 1.0;
  const RatioStep step = inverted ? ratioStep(1.0, ax) : ratioStep(ax, 1.0);
  DD v = atanSum<false>(step.i, step.t);
  if (inverted) v = complement(v);
  double out = 0;
  if (roundsAlike(v, kAtanFastError * std::fabs(v.hi), out)) return std::copysign(out, x);
  v = atanSum<true>(step.i, step.t);
  if (inverted) v = complement(v);
  return std::copysign(v.hi + v.lo, x);
}

double atan2(double y, double x) {
  if (std::isnan(x) || std::isnan(y)) return x + y;
  const double sy = std::copysign(1.0, y);
  const bool left = std::signbit(x);
  if (y == 0) return left ? sy * kPi.hi : y;
  if (std::isinf(y)) {
    if (std::isinf(x)) {
      const DD quarter = {0.5 * kHalfPi.hi, 0.5 * kHalfPi.lo};
      const DD v = left ? add(kHalfPi, quarter) : quarter;
      return sy * (v.hi + v.lo);
    }
    return sy * kHalfPi.hi;
  }
  if (x == 0) return sy * kHalfPi.hi;
  if (std::isinf(x)) return left ? sy * kPi.hi : sy * 0.0;
  double ax = std::fabs(x);
  double ay = std::fabs(y);
  // The same power of two on both keeps the quotient and the splits in range.
  const double larger = ax > ay ? ax : ay;
  if (larger > 0x1p990) {
    ax *= 0x1p-600;
    ay *= 0x1p-600;
  } else if (larger < 0x1p-900) {
    ax *= 0x1p600;
    ay *= 0x1p600;
  }
  const bool inverted = ay > ax;
  if (!inverted && !left && ay < ax * 0x1p-60) return sy * (ay / ax);  // atan u = u (1 - u^2/3)
  const RatioStep step = inverted ? ratioStep(ax, ay) : ratioStep(ay, ax);
  auto finish = [&](DD v) {
    if (inverted) v = complement(v);
    if (left) v = add(kPi, neg(v));
    return v;
  };
  const DD v = finish(atanSum<false>(step.i, step.t));
  double out = 0;
  if (roundsAlike(v, kAtanFastError * std::fabs(v.hi), out)) return sy * out;
  const DD w = finish(atanSum<true>(step.i, step.t));
  return sy * (w.hi + w.lo);
}

namespace {
// asin and acos through atan of sqrt(1 - x^2) / x or its inverse, both in [0, 1].
// Returns the angle in [0, pi/2] for |x| as a double-double, by the fast or the accurate kernel.
template <bool Accurate>
DD arcSineOfAbs(double ax, bool cosine) {
  const DD p = twoProd(ax, ax);
  DD s = twoSum(1.0, -p.hi);
  s = fastTwoSum(s.hi, s.lo - p.lo);
  const DD r = sqrt(s);
  const bool small = ax <= r.hi;  // |x| <= 1/sqrt 2
  const DD u = small ? div(DD{ax, 0.0}, r) : div(r, DD{ax, 0.0});
  const DD a = atanKernel<Accurate>(u);
  // asin: small -> a, else pi/2 - a; acos the other way round.
  return (small != cosine) ? a : complement(a);
}
}  // namespace

double asin(double x) {
  if (std::isnan(x)) return x + x;
  const double ax = std::fabs(x);
  if (ax > 1.0) return kNaN;
  if (ax < 0x1p-26) return x;
  const DD v = arcSineOfAbs<false>(ax, false);
  double out = 0;
  if (roundsAlike(v, kAtanFastError * std::fabs(v.hi), out)) return std::copysign(out, x);
  const DD w = arcSineOfAbs<true>(ax, false);
  return std::copysign(w.hi + w.lo, x);
}

double acos(double x) {
  if (std::isnan(x)) return x + x;
  const double ax = std::fabs(x);
  if (ax > 1.0) return kNaN;
  if (ax == 1.0) return x > 0 ? 0.0 : kPi.hi;
  auto finish = [x](DD v) { return x < 0 ? add(kPi, neg(v)) : v; };
  const DD v = finish(arcSineOfAbs<false>(ax, true));
  double out = 0;
  if (roundsAlike(v, kAtanFastError * std::fabs(v.hi), out)) return out;
  const DD w = finish(arcSineOfAbs<true>(ax, true));
  return w.hi + w.lo;
}

double hypot(double x, double y) {
  if (std::isinf(x) || std::isinf(y)) return kInf;
  if (std::isnan(x) || std::isnan(y)) return x + y;
  double ax = std::fabs(x);
  double ay = std::fabs(y);
  if (ay > ax) {
    const double t = ax;
    ax = ay;
    ay = t;
  }
  if (ay == 0 || ay < ax * 0x1p-60) return ax;
  int k = 0;
  if (ax > 0x1p500) {
    ax *= 0x1p-600;
    ay *= 0x1p-600;
    k = 600;
  } else if (ax < 0x1p-500) {
    ax *= 0x1p600;
    ay *= 0x1p600;
    k = -600;
  }
  const DD sum = add(twoProd(ax, ax), twoProd(ay, ay));
  return scaleRound(sqrt(sum), k);
}

double exp(double x) {
  if (std::isnan(x)) return x + x;
  if (std::fabs(x) < 0x1p-54) return 1.0 + x;
  return expRounded({x, 0.0});
}

double log(double x) {
  if (std::isnan(x)) return x + x;
  if (x < 0) return kNaN;
  if (x == 0) return -kInf;
  if (std::isinf(x)) return x;
  const DD v = logDD(x);
  return v.hi + v.lo;
}

double log10(double x) {
  if (std::isnan(x)) return x + x;
  if (x < 0) return kNaN;
  if (x == 0) return -kInf;
  if (std::isinf(x)) return x;
  const DD v = mul(logDD(x), kInvLn10);
  return v.hi + v.lo;
}

double pow(double x, double y) {
  if (y == 0 || x == 1.0) return 1.0;
  if (std::isnan(x) || std::isnan(y)) return x + y;
  if (y == 1.0) return x;
  if (y == 2.0) return x * x;
  const bool yOdd = isOddInteger(y);
  if (x == 0) {
    if (y < 0) return yOdd ? 1.0 / x : kInf;
    return yOdd ? x : 0.0;
  }
  if (std::isinf(y)) {
    const double ax = std::fabs(x);
    if (ax == 1.0) return 1.0;
    return (ax > 1.0) == (y > 0) ? kInf : 0.0;
  }
  if (std::isinf(x)) {
    const double magnitude = y > 0 ? kInf : 0.0;
    return (x < 0 && yOdd) ? -magnitude : magnitude;
  }
  if (y == 0.5 && x > 0) return std::sqrt(x);  // correctly rounded by IEEE, hard cases included
  double sign = 1.0;
  if (x < 0) {
    if (!isInteger(y)) return kNaN;
    if (yOdd) sign = -1.0;
    x = -x;
    if (x == 1.0) return sign;
  }
  const DD l = logDD(x);
  const double estimate = y * l.hi;
  if (estimate > 800.0) return sign * kInf;
  if (estimate < -800.0) return sign * 0.0;
  const DD z = mul(l, y);
  return sign * expRounded(z);
}

}  // namespace numeric
