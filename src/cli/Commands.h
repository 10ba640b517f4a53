// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each command reports about a built session, as one document tree; the render command
// is the picture itself.

#include <vector>

#include "cli/Document.h"
#include "cli/Session.h"

Node freestreamReport(const Session& session);
// Probes the points in order: the fans keep sampling scratch, so order is part of the answer.
Node sampleReport(Session& session, const std::vector<PixelPoint>& points);
Node zonesReport(const Session& session);
Node streamlinesReport(const Session& session);
Node tracersReport(const Session& session);
// Exact theory beside the model; peeking at the face pressures leaves the picture untouched.
Node theoryReport(Session& session);
// The theory report as labelled rows, for the text form.
std::string theoryText(Session& session);
