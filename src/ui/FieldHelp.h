// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-line help of each number field: the quantity, its unit and how it is obtained.

#include <QString>

#include "app/FieldLogic.h"

QString fieldToolTip(FieldId id);
