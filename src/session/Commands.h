// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each command reports about a built session, as one document tree; the render command
// is the picture itself.

#include <vector>

#include "session/Document.h"
#include "session/SessionCore.h"

Node freestreamReport(const SessionCore& session);
// Probes the points in order: the fans keep sampling scratch, so order is part of the answer.
Node sampleReport(SessionCore& session, const std::vector<PixelPoint>& points);
Node zonesReport(const SessionCore& session);
Node streamlinesReport(const SessionCore& session);
Node tracersReport(const SessionCore& session);
// Exact theory beside the model; peeking at the face pressures leaves the picture untouched.
Node theoryReport(SessionCore& session);
// The theory report as labelled rows, for the text form.
std::string theoryText(SessionCore& session);
