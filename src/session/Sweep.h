// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The α sweep: the angles a range gives, and one row per angle of every theory and the model
// for the session's free stream, as a document tree or as comma-separated values.

#include <cstddef>
#include <string>
#include <vector>

class FlowModel;

struct SweepRange {
  double from = 0.0;  // first α [°]
  double to = 75.0;   // last α, reached when it lies on the grid [°]
  double step = 1.0;  // [°], > 0
};

inline constexpr std::size_t kLargestSweep = 100000;  // rows

// Empty when the range is usable, else one line naming the problem: every bound finite, the
// step positive, `to` not below `from`, at most kLargestSweep angles.
std::string sweepRangeProblem(const SweepRange& range);

// from, from + step, ... up to `to`. Where the three are short decimals the angles are formed
// from whole multiples, so that 0.07 is 0.07 and not 7 × 0.01 = 0.07000000000000001.
std::vector<double> sweepAngles(const SweepRange& range);

enum class SweepFormat {
  Text,  // an aligned table with headings, six significant digits, "—" where absent
  Json,  // an array of objects, every number in its shortest round-trip form, null where absent
  Csv,   // a header row, then one line per angle; '.' as the decimal point, numbers as in
         // JSON, absent values empty
};

// One row per angle of the range for the session's free stream and picture, in columns
// alpha_deg, regime, beta_deg, cl, cd, ld, cl_ackeret, cd_ackeret, cl_busemann, cd_busemann,
// cl_model, cd_model. The session itself is not touched.
std::string sweepOutput(const FlowModel& session, const SweepRange& range, SweepFormat format);
