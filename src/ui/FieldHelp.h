// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-line help of each number field (the quantity, its unit and how it is obtained)
// and its name for a screen reader, both in the language installed.

#include <QString>

#include "app/FieldLogic.h"

QString fieldToolTip(FieldId id);
// Plain text, symbol, quantity and unit: "V₁, velocity, m/s".
QString fieldAccessibleName(FieldId id);
